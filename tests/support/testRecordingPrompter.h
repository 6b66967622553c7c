#pragma once
// A Prompter that records every message and answers questions from a script.
#include <QString>
#include <deque>
#include <vector>

#include "surface/mvInteraction.h"

class RecordingPrompter : public Prompter {
public:
    struct Message {
        QString Kind; // "Information", "Warning", "Error", "Question"
        QString Caption;
        QString Text;
    };
    std::vector<Message> Messages;
    std::deque<TmvAnswer> Answers; // popped by questions; Cancel when empty

    void Information(const QString& caption, const QString& text) override {
        Messages.push_back({QStringLiteral("Information"), caption, text});
    }
    void Warning(const QString& caption, const QString& text) override {
        Messages.push_back({QStringLiteral("Warning"), caption, text});
    }
    void Error(const QString& caption, const QString& text) override {
        Messages.push_back({QStringLiteral("Error"), caption, text});
    }
    TmvAnswer Question(const QString& caption, const QString& text) override {
        Messages.push_back({QStringLiteral("Question"), caption, text});
        return Next();
    }
    TmvAnswer QuestionWithCancel(const QString& caption, const QString& text) override {
        return Question(caption, text);
    }

private:
    TmvAnswer Next() {
        if (Answers.empty()) return TmvAnswer::Cancel;
        const TmvAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

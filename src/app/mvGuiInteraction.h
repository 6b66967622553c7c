#pragma once
// The designer's answers to the interaction interfaces: message boxes owned by the main
// window and the standard file dialogs.
#include "surface/mvInteraction.h"

class QWidget;

class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(QWidget* owner) : owner_(owner) {}
    void Information(const QString& caption, const QString& text) override;
    void Warning(const QString& caption, const QString& text) override;
    void Error(const QString& caption, const QString& text) override;
    TmvAnswer Question(const QString& caption, const QString& text) override;
    TmvAnswer QuestionWithCancel(const QString& caption, const QString& text) override;

private:
    QWidget* owner_;
};

class GuiFileChooser : public FileChooser {
public:
    explicit GuiFileChooser(QWidget* owner) : owner_(owner) {}
    QString OpenFile(const TmvFileRequest& request) override;
    QString SaveFile(const TmvFileRequest& request) override;
    QString ChooseFolder(const TmvFileRequest& request) override;

private:
    QWidget* owner_;
};

// "Desc (*.a)|*.a|Other (*.b)|*.b" becomes Qt's "Desc (*.a);;Other (*.b);;All files (*.*)".
QString QtFileFilter(const QString& filter);

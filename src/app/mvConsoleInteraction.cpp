#include "app/mvConsoleInteraction.h"

#include <cstdio>

namespace {
void WriteError(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void WriteMessage(const QString& caption, const QString& text) {
    WriteError(caption.isEmpty() ? text : caption + QStringLiteral(": ") + text);
}
} // namespace

void ConsolePrompter::Information(const QString& caption, const QString& text) {
    WriteMessage(caption, text);
}

void ConsolePrompter::Warning(const QString& caption, const QString& text) {
    WriteMessage(caption, text);
}

void ConsolePrompter::Error(const QString& caption, const QString& text) {
    WriteMessage(caption, text);
}

TmvAnswer ConsolePrompter::Question(const QString& caption, const QString& text) {
    WriteMessage(caption, text + QStringLiteral(" No."));
    return TmvAnswer::No;
}

TmvAnswer ConsolePrompter::QuestionWithCancel(const QString& caption, const QString& text) {
    WriteMessage(caption, text + QStringLiteral(" Cancel."));
    return TmvAnswer::Cancel;
}

void ConsoleStatus::AddStatusLine(const QString& line) {
    WriteError(line);
}

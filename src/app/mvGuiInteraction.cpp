#include "app/mvGuiInteraction.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

void GuiPrompter::Information(const QString& caption, const QString& text) {
    QMessageBox::information(owner_, caption, text);
}

void GuiPrompter::Warning(const QString& caption, const QString& text) {
    QMessageBox::warning(owner_, caption, text);
}

void GuiPrompter::Error(const QString& caption, const QString& text) {
    QMessageBox::critical(owner_, caption, text);
}

TmvAnswer GuiPrompter::Question(const QString& caption, const QString& text) {
    return QMessageBox::question(owner_, caption, text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? TmvAnswer::Yes
               : TmvAnswer::No;
}

TmvAnswer GuiPrompter::QuestionWithCancel(const QString& caption, const QString& text) {
    switch (QMessageBox::question(owner_, caption, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TmvAnswer::Yes;
    case QMessageBox::No:
        return TmvAnswer::No;
    default:
        return TmvAnswer::Cancel;
    }
}

QString QtFileFilter(const QString& filter) {
    // Qt reads the patterns from the parentheses, separated by blanks: rebuild each entry from
    // its description and its pattern list.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].section(QStringLiteral(" ("), 0, 0).trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    filters << QStringLiteral("All files (*.*)");
    return filters.join(QStringLiteral(";;"));
}

namespace {
QString StartPath(const TmvFileRequest& request) {
    if (request.InitialFile.isEmpty()) return request.InitialFolder;
    if (request.InitialFolder.isEmpty()) return request.InitialFile;
    return QDir(request.InitialFolder).filePath(request.InitialFile);
}
} // namespace

QString GuiFileChooser::OpenFile(const TmvFileRequest& request) {
    return QFileDialog::getOpenFileName(owner_, request.Title, StartPath(request),
                                        QtFileFilter(request.Filter));
}

QString GuiFileChooser::SaveFile(const TmvFileRequest& request) {
    // QFileDialog asks before overwriting by default.
    return QFileDialog::getSaveFileName(owner_, request.Title, StartPath(request),
                                        QtFileFilter(request.Filter));
}

QString GuiFileChooser::ChooseFolder(const TmvFileRequest& request) {
    return QFileDialog::getExistingDirectory(owner_, request.Title, request.InitialFolder);
}

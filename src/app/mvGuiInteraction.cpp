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
    // The description halves of the pairs; the pattern halves repeat what the description says.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        QString description = parts[i];
        if (i + 1 < parts.size() && !description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + QString(parts[i + 1]).replace(';', ' ') + ')';
        filters << description;
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

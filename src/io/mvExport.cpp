#include "io/mvExport.h"

#include "io/mvTextFile.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

TmvFileRequest ExportFileRequest(const DialogDocument& doc) {
    TmvFileRequest request;
    request.Title = QStringLiteral("Export mIRC File..");
    request.Filter = QStringLiteral("mIRC script file (*.mrc)|*.mrc|Text file (*.txt)|*.txt");
    request.InitialFile = doc.TableName + QStringLiteral(".mrc");
    return request;
}

QString ExportErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("The file \"") + path + QStringLiteral("\" could not be written: ") +
           reason;
}

bool ExportTable(const DialogDocument& doc, const TmvInteraction& ui) {
    if (!ui.Files) return false;
    const QString path = ui.Files->SaveFile(ExportFileRequest(doc));
    if (path.isEmpty()) return false;
    QString reason;
    if (WriteTextFileAsIs(path, JoinTableLines(BuildDialogTable(doc)), &reason)) return true;
    // A failed export costs nothing but the file: the project stays open, unchanged.
    if (ui.Prompt) ui.Prompt->Error(kExportErrorCaption, ExportErrorText(path, reason));
    return false;
}

#pragma once
// Export: the dialog's table written to a script or text file the user chooses.
#include <QString>

#include "surface/mvInteraction.h"

class DialogDocument;

// The request the save dialog gets: "Export mIRC File..", the script and text filters, no
// initial folder, the table name + ".mrc" as the initial file.
TmvFileRequest ExportFileRequest(const DialogDocument& doc);

// Asks for the file (the chooser asks before overwriting) and writes the table there, each line
// ended by CR LF, under the name as chosen (no extension is added). FALSE when the user
// cancelled or the file could not be written; the latter is told in an error box, and a file
// that was there stays as it was.
bool ExportTable(const DialogDocument& doc, const TmvInteraction& ui);

// The caption and text of that error box.
inline const QString kExportErrorCaption = QStringLiteral("Export Error");
QString ExportErrorText(const QString& path, const QString& reason);

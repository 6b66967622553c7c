#pragma once
// Preview: the dialog shown in a running mIRC through a temporary script it is told to load.
#include <QString>

#include "surface/mvInteraction.h"

class DialogDocument;
class TmvMircConversation;

struct TmvPreviewOptions {
    QString DdeName = QStringLiteral("mIRC");
    bool PreviewFix = false;
    // The exchange with mIRC; tests stand in for it to watch the commands without mIRC.
    TmvMircConversation* Mirc = nullptr; // none: NewMircConversation()
    QString ScriptPath;                  // empty: DefaultPreviewScriptPath()
};

// "123.mrc" in ConfigFolder() when that path is plain ASCII, which every ANSI code page holds;
// otherwise "marovel-123.mrc" in the temporary folder when that one is.
QString DefaultPreviewScriptPath();

inline const QString kDdeErrorCaption = QStringLiteral("DDE Error");
inline const QString kPreviewErrorCaption = QStringLiteral("Preview Error");
QString DdeErrorText(const QString& ddeName);
QString NoClosingButtonText();

// True when a button with Kind > 0 or a menu entry flagged ok or cancel closes the dialog.
bool HasClosingButton(const DialogDocument& doc);

// The whole preview; TRUE when the load command reached mIRC. Errors are told through ui.Prompt.
// TableName is restored and Modified is left alone.
bool PreviewDialog(DialogDocument& doc, const TmvPreviewOptions& options, const TmvInteraction& ui);

#include "io/mvPreview.h"

#include <QDir>
#include <algorithm>

#include "io/mvConfigPaths.h"
#include "io/mvDde.h"
#include "io/mvExport.h"
#include "io/mvTextFile.h"
#include "model/mvControls.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

QString DdeErrorText(const QString& ddeName) {
    return QStringLiteral("The DDE name \"%1\" is not valid, or mIRC is not running.  Please make "
                          "sure mIRC is configured properly and running, then try again.")
        .arg(ddeName);
}

QString NoClosingButtonText() {
    return QStringLiteral("There doesn't seem to be an OK or Cancel button.  This is required in "
                          "order for the dialog to display properly.");
}

namespace {
bool IsClosingButton(const TmvControl* c) {
    return c->ControlType == ctButton && c->Kind > 0;
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}
} // namespace

QString DefaultPreviewScriptPath() {
    const QString config = ConfigFolder();
    if (IsAscii(config)) return config + QStringLiteral("/123.mrc");
    // mIRC takes the load command in the ANSI code page, where letters of other alphabets
    // turn into look-alikes that name no file. Where the temporary folder is plain, the script
    // goes there; else the path given to mIRC is the system's short form (ToMircPath).
    const QString temp = QDir::tempPath();
    if (IsAscii(temp)) return temp + QStringLiteral("/marovel-123.mrc");
    return config + QStringLiteral("/123.mrc");
}

bool HasClosingButton(const DialogDocument& doc) {
    for (const TmvControl* c : doc.CreationOrder)
        if (IsClosingButton(c)) return true;
    if (doc.TabControl)
        for (const auto& page : doc.TabControl->Pages)
            for (const TmvControl* c : page->Controls)
                if (IsClosingButton(c)) return true;
    for (const TmvMenuNode* node : doc.Menu.NodesDepthFirst())
        if (node->HasFlag(kMenuOk) || node->HasFlag(kMenuCancel)) return true;
    return false;
}

bool PreviewDialog(DialogDocument& doc, const TmvPreviewOptions& options,
                   const TmvInteraction& ui) {
    std::unique_ptr<TmvMircConversation> own;
    TmvMircConversation* mirc = options.Mirc;
    if (!mirc) {
        own = NewMircConversation();
        mirc = own.get();
    }
    // The exchange ends before any message, so nothing waits on the user.
    const auto fail = [&](const QString& caption, const QString& text) {
        mirc->Close();
        if (ui.Prompt) ui.Prompt->Error(caption, text);
        return false;
    };
    const QString script =
        options.ScriptPath.isEmpty() ? DefaultPreviewScriptPath() : options.ScriptPath;
    if (!mirc->Open(options.DdeName, QStringLiteral("/return"), script))
        return fail(kDdeErrorCaption, DdeErrorText(options.DdeName));
    const bool closes = HasClosingButton(doc);
    if (!closes && !options.PreviewFix) return fail(kPreviewErrorCaption, NoClosingButtonText());
    SystemClock systemClock;
    Clock& clock = ui.Time ? *ui.Time : systemClock;
    const QString tempName = QStringLiteral("_MarovelTemp") + QString::number(clock.TickCount());

    const QString savedName = doc.TableName;
    doc.TableName = tempName;
    QStringList lines = BuildDialogTable(doc);
    doc.TableName = savedName;

    if (!closes) {
        int id = 3000;
        while (id > 0 && !doc.IsIdFree(id))
            --id;
        const QString hidden = QStringLiteral("button \"\", %1, 0 0 0 0, ok hide").arg(id);
        lines.insert(lines.isEmpty() ? 0 : lines.size() - 1, hidden);
    }
    const QString mircPath = mirc->MircPath();
    lines << QStringLiteral("alias -l testdialog dialog -mdo %1 %1").arg(tempName)
          << QStringLiteral("alias -l cleanup .remove \"%1\" | .unload -rs \"%1\"").arg(mircPath)
          << QStringLiteral("on *:load: .timer -m 1 0 cleanup | testdialog");
    QString error;
    if (!WriteTextFileAsIs(script, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                           &error))
        return fail(kPreviewErrorCaption, ExportErrorText(script, error));
    return mirc->Send(QStringLiteral("/.load -rs \"%1\"").arg(mircPath));
}

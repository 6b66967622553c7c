#include "fuzzEntries.h"

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>

#include "io/mvDefaultsFile.h"
#include "io/mvImport.h"
#include "io/mvImportFile.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "io/mvScriptWrite.h"
#include "io/mvSettings.h"
#include "io/mvTextFile.h"
#include "model/mvControls.h"
#include "support/offscreenApplication.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"
#include "surface/mvMainDialog.h"

namespace {

// Messages and questions go nowhere; a question is declined.
class SilentPrompter : public Prompter {
public:
    void Information(const QString&, const QString&) override {}
    void Warning(const QString&, const QString&) override {}
    void Error(const QString&, const QString&) override {}
    TmvAnswer Question(const QString&, const QString&) override { return TmvAnswer::No; }
    TmvAnswer QuestionWithCancel(const QString&, const QString&) override { return TmvAnswer::No; }
};

QString Text(const uint8_t* data, size_t size) {
    return DecodeText(QByteArray(reinterpret_cast<const char*>(data), int(size)));
}

// A table opens with its header and ends with the closing brace, whatever was read.
bool WellFormed(const QStringList& table) {
    return table.size() >= 2 && table.first().startsWith(QLatin1String("dialog ")) &&
           table.last() == QLatin1String("}");
}

QString WrittenProject(const DialogDocument& document) {
    TmvIniFile ini;
    WriteProject(document, ini);
    return ini.Text();
}

// Loads bytes as a project file through the designer's own load command.
bool LoadProjectBytes(DialogDocument& document, const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fuzz.mv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    SilentPrompter prompt;
    NullStatus status;
    TmvProjectSession session(document);
    session.Ui.Prompt = &prompt;
    session.Ui.Status = &status;
    return LoadProject(session, path);
}

// Imports the text as a table; whatever it holds, the table printed is well formed.
bool ImportsWellFormed(const QString& text) {
    DialogDocument document;
    SilentPrompter prompt;
    NullStatus status;
    TmvInteraction ui;
    ui.Prompt = &prompt;
    ui.Status = &status;
    ImportTable(document, SplitTextLines(text), ui);
    return WellFormed(BuildDialogTable(document));
}

// A table read from a file (UTF-8 or the legacy code page).
bool FuzzImportTable(const uint8_t* data, size_t size) {
    return ImportsWellFormed(Text(data, size));
}

// Pasted text is imported as the paste window does: the whole text is the table.
bool FuzzPastedText(const uint8_t* data, size_t size) {
    return ImportsWellFormed(QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)));
}

bool FuzzScriptTables(const uint8_t* data, size_t size) {
    const QStringList lines = SplitTextLines(Text(data, size));
    for (const bool iniScript : {false, true}) {
        for (const TmvScriptTable& table : ListScriptTables(lines, iniScript)) {
            if (table.HeaderLine < 0 || table.HeaderLine >= lines.size()) return false;
            const QStringList collected =
                CollectTableLines(lines, iniScript, table.HeaderLine, table.Name);
            if (collected.size() > lines.size() - table.HeaderLine) return false;
        }
    }
    return true;
}

// A table written into arbitrary bytes: added at the end, it leaves every byte before it; put in
// the place of a table and then in its own place again, it gives the same bytes twice.
bool FuzzScriptWrite(const uint8_t* data, size_t size) {
    const QByteArray script(reinterpret_cast<const char*>(data), int(size));
    const QStringList table = {QStringLiteral("dialog fuzzed {"), QStringLiteral("  title \"T\""),
                               QStringLiteral("}")};
    for (const int codePage : {1254, 932}) {
        QByteArray added;
        if (ComposeScript(script, {QString(), table, {QStringLiteral("; end")}, codePage}, &added)
                .Written() &&
            !added.startsWith(script))
            return false;
        const QStringList lines = SplitTextLines(DecodeScriptText(script, codePage));
        for (const TmvScriptTable& found : ListScriptTables(lines, false)) {
            QByteArray once, twice;
            if (!ComposeScript(script, {found.Name, table, {}, codePage}, &once).Written())
                continue;
            if (!ComposeScript(once, {QStringLiteral("fuzzed"), table, {}, codePage}, &twice)
                     .Written() ||
                twice != once)
                return false;
        }
    }
    return true;
}

// A loaded project saves and loads again to the same file and the same table.
bool FuzzProjectFile(const uint8_t* data, size_t size) {
    DialogDocument first;
    if (!LoadProjectBytes(first, data, size)) return true;
    const QStringList table = BuildDialogTable(first);
    if (!WellFormed(table)) return false;
    const QByteArray written = WrittenProject(first).toUtf8();
    DialogDocument second;
    if (!LoadProjectBytes(second, reinterpret_cast<const uint8_t*>(written.constData()),
                          size_t(written.size())))
        return false;
    return BuildDialogTable(second) == table;
}

// Reading text and writing it back is stable after one pass.
bool FuzzIniFile(const uint8_t* data, size_t size) {
    TmvIniFile ini;
    ini.SetText(Text(data, size));
    const QString once = ini.Text();
    TmvIniFile again;
    again.SetText(once);
    return again.Text() == once;
}

// Whatever the files hold, the settings and defaults read from them write and read back alike.
bool FuzzSettingsFiles(const uint8_t* data, size_t size) {
    TmvIniFile ini;
    ini.SetText(Text(data, size));
    TmvIniFile settingsOut;
    WriteSettings(ReadSettings(ini), settingsOut);
    TmvIniFile settingsAgain;
    WriteSettings(ReadSettings(settingsOut), settingsAgain);
    TmvIniFile defaultsOut;
    WriteControlDefaults(ReadControlDefaults(ini), defaultsOut);
    TmvIniFile defaultsAgain;
    WriteControlDefaults(ReadControlDefaults(defaultsOut), defaultsAgain);
    return settingsOut.Text() == settingsAgain.Text() && defaultsOut.Text() == defaultsAgain.Text();
}

// Paints the surface as the screenshot does.
void PaintSurface(DialogDocument& document) {
    TMainDialog surface(document);
    QImage image(surface.size().boundedTo(QSize(2000, 2000)).expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32);
    image.fill(Qt::white);
    surface.render(&image);
}

// Bytes become either a project file or a list of controls with coordinates and sizes from the
// whole 32-bit range, which are then painted.
bool FuzzSurfacePaint(const uint8_t* data, size_t size) {
    if (size == 0) return true;
    DialogDocument document;
    if (data[0] & 1) {
        if (LoadProjectBytes(document, data + 1, size - 1)) PaintSurface(document);
        return true;
    }
    constexpr size_t kRecord = 1 + 4 * 4 + 1;
    for (size_t at = 1; at + kRecord <= size; at += kRecord) {
        int values[4];
        std::memcpy(values, data + at + 1, sizeof values);
        TmvControl* control =
            document.CreateControl(data[at] % 12, false, values[0], values[1], -1, -1, -1);
        if (!control) continue;
        control->Left = values[0];
        control->Top = values[1];
        control->Width = values[2];
        control->Height = values[3];
        control->Text = QString::number(data[at + kRecord - 1]).repeated(data[at] % 7);
    }
    PaintSurface(document);
    return true;
}

const TmvFuzzEntry kEntries[] = {
    {"import_table", FuzzImportTable},   {"pasted_text", FuzzPastedText},
    {"script_tables", FuzzScriptTables}, {"project_file", FuzzProjectFile},
    {"ini_file", FuzzIniFile},           {"settings_files", FuzzSettingsFiles},
    {"surface_paint", FuzzSurfacePaint}, {"script_write", FuzzScriptWrite},
};

} // namespace

const TmvFuzzEntry* FuzzEntries(int* count) {
    *count = int(std::size(kEntries));
    return kEntries;
}

const TmvFuzzEntry* FindFuzzEntry(const char* name) {
    for (const TmvFuzzEntry& entry : kEntries)
        if (std::strcmp(entry.Name, name) == 0) return &entry;
    return nullptr;
}

void InitFuzzApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "marovel-fuzz";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: destroyed at exit, after Qt's own globals, it would crash.
    // Held by a static, so the leak check sees it as reachable rather than lost.
    static TmvOffscreenApplication* app = new TmvOffscreenApplication(argc, argv);
    Q_UNUSED(app);
}

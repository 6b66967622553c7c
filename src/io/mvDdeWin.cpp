// The transport to mIRC on Windows: the DDE conversation runs in this process.
#include "io/mvDde.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#include <string>

#include <windows.h>

#include "io/mvDdeml.h"

bool SendDdeCommand(const QString& service, const QString& command) {
    // DDE string handles and CF_TEXT carry the ANSI code page, which is what toLocal8Bit gives.
    return SendDdeCommandA(service.toLocal8Bit().constData(), command.toLocal8Bit().constData());
}

QString ToMircPath(const QString& path) {
    const QFileInfo file(path);
    const QString native = QDir::toNativeSeparators(file.absoluteFilePath());
    bool plain = true;
    for (const QChar c : native)
        plain = plain && c.unicode() < 0x80;
    if (plain) return native;
    // mIRC reads the command in the ANSI code page: the folder's short form has no letters that
    // the code page lacks. The file itself need not exist yet.
    const std::wstring folder = QDir::toNativeSeparators(file.absolutePath()).toStdWString();
    wchar_t shortForm[32768];
    const DWORD length = GetShortPathNameW(folder.c_str(), shortForm, DWORD(std::size(shortForm)));
    if (length == 0 || length >= std::size(shortForm)) return native;
    QString result = QString::fromWCharArray(shortForm, int(length));
    if (!result.endsWith(QLatin1Char('\\'))) result += QLatin1Char('\\');
    return result + file.fileName();
}

QString DdeHelperPath() {
    return QString();
}

namespace {
// In this process every poke is its own quick conversation, as the helper's are under Wine.
class TDirectConversation : public TmvMircConversation {
public:
    bool Open(const QString& service, const QString& probe, const QString& scriptPath) override {
        service_ = service;
        scriptPath_ = scriptPath;
        return SendDdeCommand(service, probe);
    }
    QString MircPath() override { return ToMircPath(scriptPath_); }
    bool Send(const QString& command) override { return SendDdeCommand(service_, command); }
    void Close() override {}

private:
    QString service_;
    QString scriptPath_;
};
} // namespace

std::unique_ptr<TmvMircConversation> NewMircConversation() {
    return std::make_unique<TDirectConversation>();
}
#endif

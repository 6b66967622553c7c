// dde-standin.exe SERVICE LOGFILE READYFILE [SECONDS]: a stand-in for mIRC's DDE server, for the
// tests. It registers SERVICE with the topic "COMMAND", accepts CF_TEXT pokes and appends each
// one to LOGFILE as
//     POKE <data without its terminating zero>
//     ITEM <item name>
//     SIZE <number of data bytes>
// For "/.load -rs <path>" (the path may be quoted) it then appends "SCRIPT <path>", the file's
// bytes and "END SCRIPT", or "SCRIPT ERROR <path>" when the file cannot be opened, so a test sees
// whether the path it sent opens on the Windows side. READYFILE is written once the service is
// registered. It exits on the command "/quit" or after SECONDS (default 120), whichever comes
// first, so a test can never hang on it.
#include <windows.h>

#include "windowsArguments.h"

#include <ddeml.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace {

DWORD instance = 0;
HSZ topicName = nullptr;
std::wstring logPath;

void AppendToLog(const std::string& bytes) {
    HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        contents.append(buffer, got);
    CloseHandle(file);
    return true;
}

std::string ItemText(HSZ item) {
    const DWORD length = DdeQueryStringA(instance, item, nullptr, 0, CP_WINANSI);
    std::string text(length + 1, '\0');
    DdeQueryStringA(instance, item, text.data(), length + 1, CP_WINANSI);
    text.resize(length);
    return text;
}

// The log entry for a "/.load -rs" command: the script's path and bytes.
std::string ScriptEntry(const std::string& command) {
    static const std::string load = "/.load -rs ";
    if (command.compare(0, load.size(), load) != 0) return std::string();
    std::string path = command.substr(load.size());
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    std::string contents;
    if (!ReadWholeFile(path, contents)) return "SCRIPT ERROR " + path + "\n";
    if (!contents.empty() && contents.back() != '\n') contents += '\n';
    return "SCRIPT " + path + "\n" + contents + "END SCRIPT\n";
}

HDDEDATA Poke(UINT format, HSZ item, HDDEDATA data) {
    if (format != CF_TEXT) return HDDEDATA(DDE_FNOTPROCESSED);
    const DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::vector<char> bytes(size);
    if (size > 0) DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    std::string command(bytes.data(), size);
    command = command.substr(0, command.find('\0'));
    // One write per poke, so a reader never sees half an entry.
    AppendToLog("POKE " + command + "\nITEM " + ItemText(item) + "\nSIZE " + std::to_string(size) +
                "\n" + ScriptEntry(command));
    if (command == "/quit") PostQuitMessage(0);
    return HDDEDATA(DDE_FACK);
}

HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                           ULONG_PTR, ULONG_PTR) {
    switch (type) {
    case XTYP_CONNECT: // hsz1 is the topic; the service is ours, or DDEML would not ask
        return HDDEDATA(UINT_PTR(DdeCmpStringHandles(hsz1, topicName) == 0));
    case XTYP_POKE:
        return Poke(format, hsz2, data);
    default:
        return nullptr;
    }
}

bool WriteReadyFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, "ready\n", 6, &written, nullptr);
    CloseHandle(file);
    return true;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 4 || count > 5) {
        WriteUsage("usage: dde-standin.exe SERVICE LOGFILE READYFILE [SECONDS]\n");
        return 2;
    }
    const std::string service = ToAnsi(args[1]);
    logPath = args[2];
    const std::wstring readyPath = args[3];
    const int seconds = count == 5 ? _wtoi(args[4]) : 120;
    LocalFree(args);

    if (DdeInitializeA(&instance, Callback,
                       APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_REQUESTS |
                           CBF_FAIL_EXECUTES | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                       0) != DMLERR_NO_ERROR)
        return 3;
    HSZ serviceName = DdeCreateStringHandleA(instance, service.c_str(), CP_WINANSI);
    topicName = DdeCreateStringHandleA(instance, "COMMAND", CP_WINANSI);
    int status = 0;
    if (!DdeNameService(instance, serviceName, nullptr, DNS_REGISTER) ||
        !WriteReadyFile(readyPath)) {
        status = 3;
    } else {
        SetTimer(nullptr, 0, UINT(seconds > 0 ? seconds : 120) * 1000u, nullptr);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (message.message == WM_TIMER && message.hwnd == nullptr) break;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        DdeNameService(instance, serviceName, nullptr, DNS_UNREGISTER);
    }
    DdeFreeStringHandle(instance, serviceName);
    DdeFreeStringHandle(instance, topicName);
    DdeUninitialize(instance);
    return status;
}

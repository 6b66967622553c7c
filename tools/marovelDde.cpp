// marovel-dde.exe SERVICE COMMAND: sends one command to mIRC over DDE. Marovel runs it under
// Wine on systems without DDE. Exit status 0: connected and poked; 1: no connection; 2: usage.
#include <windows.h>

#include <shellapi.h>
#include <string>

#include "io/mvDdeml.h"

namespace {

// The arguments are taken from the wide command line so that no run-time library globbing or
// quoting rule alters a command; DDE then carries them in the ANSI code page.
std::string ToAnsi(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string result(size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(size_t(size - 1));
    return result;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count != 3) {
        if (args) LocalFree(args);
        const char usage[] = "usage: marovel-dde.exe SERVICE COMMAND\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), usage, DWORD(sizeof usage - 1), &written,
                  nullptr);
        return 2;
    }
    const std::string service = ToAnsi(args[1]);
    const std::string command = ToAnsi(args[2]);
    LocalFree(args);
    return SendDdeCommandA(service.c_str(), command.c_str()) ? 0 : 1;
}

// marovel-dde.exe SERVICE COMMAND: sends one command to mIRC over DDE. Marovel runs it under
// Wine on systems without DDE. Exit status 0: connected and poked; 1: no connection; 2: usage.
#include <windows.h>

#include "windowsArguments.h"

#include <shellapi.h>
#include <string>

#include "io/mvDdeml.h"

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count != 3) {
        if (args) LocalFree(args);
        WriteUsage("usage: marovel-dde.exe SERVICE COMMAND\n");
        return 2;
    }
    const std::string service = ToAnsi(args[1]);
    const std::string command = ToAnsi(args[2]);
    LocalFree(args);
    return SendDdeCommandA(service.c_str(), command.c_str()) ? 0 : 1;
}

// marovel-dde.exe, the helper that carries Marovel's DDE conversation to a mIRC running under
// Wine on systems without DDE. Three forms:
//
//   marovel-dde.exe SERVICE COMMAND
//       Sends one command. Exit status 0: connected and poked; 1: no connection.
//   marovel-dde.exe --path UNIXPATH
//       Writes the Windows form of a path of the file system, UTF-8, then a line feed.
//       Exit status 0, or 1 when this Wine cannot convert paths.
//   marovel-dde.exe --preview SERVICE PROBE UNIXPATH
//       A whole preview in one run: pokes PROBE (exit status 1 when there is no connection),
//       writes "PATH " and the Windows form of UNIXPATH (empty when it cannot be converted) as
//       one line, then reads one line, UTF-8, from its input: the command to poke next. An empty
//       line or the end of the input pokes nothing. Exit status 0 unless a poke found no
//       connection.
//
// Exit status 2: wrong usage. Every poke has its own DDE conversation.
#include <windows.h>

#include "windowsArguments.h"

#include <shellapi.h>
#include <string>

#include "io/mvDdeml.h"

namespace {

// Wine's code page of the file names on the host system, which its converter knows.
constexpr UINT kUnixCodePage = 65010;

std::wstring FromUtf8(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring result(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), size);
    result.resize(size_t(size - 1));
    return result;
}

// The Windows form of a path of the host's file system, as Wine's own winepath gives it; empty
// when this is no Wine or the path has none.
std::string WindowsPath(const wchar_t* unixPath) {
    using Converter = LPWSTR(CDECL*)(LPCSTR);
    const auto convert = reinterpret_cast<Converter>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_dos_file_name")));
    if (!convert) return std::string();
    const std::string bytes = ToCodePage(unixPath, kUnixCodePage);
    if (bytes.empty()) return std::string();
    LPWSTR converted = convert(bytes.c_str());
    if (!converted) return std::string();
    const std::string result = ToCodePage(converted, CP_UTF8);
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

void WriteOut(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

// One line of the input, without its line end; empty at the end of the input.
std::string ReadLine() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string line;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(input, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        line += c;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int Preview(const std::string& service, const wchar_t* probe, const wchar_t* unixPath) {
    if (!SendDdeCommandA(service.c_str(), ToAnsi(probe).c_str())) return 1;
    WriteOut("PATH " + WindowsPath(unixPath) + "\n");
    const std::string next = ReadLine();
    if (next.empty()) return 0;
    return SendDdeCommandA(service.c_str(), ToAnsi(FromUtf8(next).c_str()).c_str()) ? 0 : 1;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring mode = args && count > 1 ? args[1] : L"";
    int status = 2;
    if (mode == L"--path" && count == 3) {
        const std::string path = WindowsPath(args[2]);
        if (!path.empty()) WriteOut(path + "\n");
        status = path.empty() ? 1 : 0;
    } else if (mode == L"--preview" && count == 5) {
        status = Preview(ToAnsi(args[2]), args[3], args[4]);
    } else if (count == 3 && mode.rfind(L"--", 0) != 0) {
        status = SendDdeCommandA(ToAnsi(args[1]).c_str(), ToAnsi(args[2]).c_str()) ? 0 : 1;
    } else {
        WriteUsage("usage: marovel-dde.exe SERVICE COMMAND\n"
                   "       marovel-dde.exe --path UNIXPATH\n"
                   "       marovel-dde.exe --preview SERVICE PROBE UNIXPATH\n");
    }
    if (args) LocalFree(args);
    return status;
}

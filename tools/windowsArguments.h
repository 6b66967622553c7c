#pragma once
// Command-line arguments of the Windows tools, taken from the wide command line so that no
// run-time library globbing or quoting rule alters them; DDE carries them in the ANSI code page.
#include <windows.h>

#include <string>

// The text in the bytes of a code page.
inline std::string ToCodePage(const wchar_t* text, UINT codePage) {
    const int size = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string result(size_t(size), '\0');
    WideCharToMultiByte(codePage, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(size_t(size - 1));
    return result;
}

inline std::string ToAnsi(const wchar_t* text) {
    return ToCodePage(text, CP_ACP);
}

// A usage line for whoever started the tool.
inline void WriteUsage(const char* text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, DWORD(lstrlenA(text)), &written, nullptr);
}

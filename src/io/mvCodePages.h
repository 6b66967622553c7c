#pragma once
// The Windows code pages that scripts not written in UTF-8 come in, and reading bytes in one of
// them. mIRC reads a script as UTF-8 when it is valid and otherwise in the system's ANSI code
// page; the designer does the same with the code page the settings name.
#include <QByteArray>
#include <QString>
#include <vector>

// The number Windows gives UTF-8 as a code page (what GetACP gives on a system set to UTF-8).
constexpr int kUtf8CodePage = 65001;

struct TmvCodePage {
    int Number;        // the Windows code page number, 1250
    const char* Label; // what the user picks it by, "Central European (1250)"
};

// The usual ANSI code pages of Windows, by number.
const std::vector<TmvCodePage>& WindowsCodePages();
// The label of a code page of that list, or the number alone for another one.
QString CodePageLabel(int number);
// Whether bytes in that code page can be read here (the list above, and any other Windows
// code page the text converters of this system know).
bool CanDecodeCodePage(int number);
// The bytes read in that code page; bytes it leaves undefined come out as the control
// character of the same value, as Windows does. Unreadable code pages give an empty text.
QString DecodeInCodePage(const QByteArray& bytes, int number);
// The text in that code page. FALSE when some character has no bytes there, with the index of
// the first such character in *badAt; *bytes is then left as it was.
bool EncodeInCodePage(const QString& text, int number, QByteArray* bytes,
                      qsizetype* badAt = nullptr);

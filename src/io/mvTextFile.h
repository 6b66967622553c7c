#pragma once
// Reading and writing the program's text files. Files made by older versions or other Windows
// tools are in the Turkish ANSI code page, newer ones in UTF-8; a file is taken as UTF-8 when it
// is valid UTF-8 and as Windows-1254 otherwise. Everything is written as UTF-8, through a
// temporary file that replaces the target only when the whole text was written.
#include <QByteArray>
#include <QString>

// The code page of the program's own older files.
constexpr int kProgramCodePage = 1254;

// UTF-8 (a leading byte-order mark is dropped) when the bytes are valid UTF-8, else Windows-1254.
QString DecodeText(const QByteArray& bytes);
// The bytes as Windows-1254 (Turkish ANSI), every byte mapped to one character.
QString DecodeWindows1254(const QByteArray& bytes);
// The byte of a character in Windows-1254, or -1 when the code page has none for it.
int Windows1254Byte(QChar c);
// A script's bytes: UTF-8 when valid (a leading byte-order mark dropped), else in the given
// Windows code page (mvCodePages.h), which *readInCodePage then names; 0 there for UTF-8.
QString DecodeScriptText(const QByteArray& bytes, int legacyCodePage,
                         int* readInCodePage = nullptr);

// Reads the whole file's bytes. FALSE with the system's reason in *error.
bool ReadFileBytes(const QString& path, QByteArray* bytes, QString* error = nullptr);
// Reads the whole file into *text, CR LF line ends as line feeds. FALSE with the system's reason
// in *error when it cannot be opened or read (a missing file included).
bool ReadTextFile(const QString& path, QString* text, QString* error = nullptr);
// Replaces the file with the bytes as they are. FALSE with the system's reason in *error; the
// file on disk is then left as it was.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Replaces the file with text as UTF-8, line feeds as the platform writes them. FALSE with the
// system's reason in *error; the file on disk is then left as it was.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);
// The same with the text's line ends kept exactly as given: mIRC scripts take CR LF on every
// system.
bool WriteTextFileAsIs(const QString& path, const QString& text, QString* error = nullptr);

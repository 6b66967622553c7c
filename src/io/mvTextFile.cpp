#include "io/mvTextFile.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <optional>

#include "io/mvCodePages.h"

namespace {

// Windows-1254 from 0x80 to 0xFF. The five bytes the code page leaves undefined map to the C1
// control of the same value, as Windows itself does, so no byte is lost.
constexpr std::array<char16_t, 128> kWindows1254High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178, // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // C8
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF, // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // E8
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF, // F8
};

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}

} // namespace

QString DecodeWindows1254(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte < 0x80 ? char16_t(byte) : kWindows1254High[byte - 0x80]);
    }
    return text;
}

int Windows1254Byte(QChar c) {
    if (c.unicode() < 0x80) return c.unicode();
    static const QHash<char16_t, int> bytes = [] {
        QHash<char16_t, int> high;
        for (int i = 0; i < int(kWindows1254High.size()); ++i)
            high.insert(kWindows1254High[size_t(i)], 0x80 + i);
        return high;
    }();
    return bytes.value(c.unicode(), -1);
}

namespace {
// The text when the bytes are valid UTF-8.
std::optional<QString> DecodeUtf8(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end of the file counts as invalid too.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
}
} // namespace

QString DecodeText(const QByteArray& bytes) {
    if (std::optional<QString> text = DecodeUtf8(bytes)) return *text;
    return DecodeWindows1254(bytes);
}

QString DecodeScriptText(const QByteArray& bytes, int legacyCodePage, int* readInCodePage) {
    std::optional<QString> text = DecodeUtf8(bytes);
    if (readInCodePage) *readInCodePage = text ? 0 : legacyCodePage;
    return text ? *text : DecodeInCodePage(bytes, legacyCodePage);
}

namespace {
bool WriteBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode,
                QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | mode)) {
        SetError(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        SetError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}
} // namespace

bool ReadFileBytes(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

bool ReadTextFile(const QString& path, QString* text, QString* error) {
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes, error)) return false;
    *text = DecodeText(bytes);
    // Text written on Windows has CR LF line ends; read back, they are line feeds again, so that
    // a file read, changed and written does not gain a CR at every line each time.
    text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return true;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    return WriteBytes(path, bytes, QIODevice::NotOpen, error);
}

bool WriteTextFile(const QString& path, const QString& text, QString* error) {
    return WriteBytes(path, text.toUtf8(), QIODevice::Text, error);
}

bool WriteTextFileAsIs(const QString& path, const QString& text, QString* error) {
    return WriteFileBytes(path, text.toUtf8(), error);
}

#include "io/mvCodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "io/mvTextFile.h"

namespace {
#ifdef Q_OS_WIN
// Windows knows every code page itself (Qt there has no converters but UTF and Latin-1).
bool SystemKnows(int number) {
    return IsValidCodePage(UINT(number));
}

// The text, or an empty one when the system does not know the code page.
QString SystemDecode(const QByteArray& bytes, int number) {
    if (bytes.isEmpty() || !SystemKnows(number)) return QString();
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(UINT(number), 0, bytes.constData(), size, nullptr, 0);
    if (length <= 0) return QString();
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(UINT(number), 0, bytes.constData(), size,
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

// The bytes, or none when some character has none: no best-fit letters (an "ł" is not an "l"),
// and the default character is never taken for a match.
std::optional<QByteArray> SystemEncode(const QString& text, int number) {
    if (!SystemKnows(number)) return std::nullopt;
    if (text.isEmpty()) return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = int(text.size());
    BOOL usedDefault = FALSE;
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int length =
        WideCharToMultiByte(UINT(number), flags, wide, size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0) {
        // A few code pages take neither the flag nor the question; reading back checks them.
        flags = 0;
        length = WideCharToMultiByte(UINT(number), flags, wide, size, nullptr, 0, nullptr, nullptr);
    }
    if (length <= 0 || usedDefault) return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(UINT(number), flags, wide, size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}
#else
// The converter of a Windows code page by its names, most exact first: "cp949" is not
// Windows' own table on every system, "windows-949" is.
template <typename Converter> Converter ConverterFor(int number) {
    for (const QString& name :
         {QStringLiteral("windows-%1").arg(number), QStringLiteral("cp%1").arg(number)}) {
        Converter converter(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        if (converter.isValid()) return converter;
    }
    return Converter();
}

bool SystemKnows(int number) {
    return ConverterFor<QStringDecoder>(number).isValid();
}

QString SystemDecode(const QByteArray& bytes, int number) {
    QStringDecoder decoder = ConverterFor<QStringDecoder>(number);
    return decoder.isValid() ? decoder.decode(bytes) : QString();
}

// The bytes, or none when some character has none: converters put a substitute in.
std::optional<QByteArray> SystemEncode(const QString& text, int number) {
    QStringEncoder encoder = ConverterFor<QStringEncoder>(number);
    if (!encoder.isValid()) return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}
#endif

// The bytes of one text in a code page, or none when some character has no bytes there.
std::optional<QByteArray> EncodeExactly(const QString& text, int number) {
    if (number == kUtf8CodePage) {
        QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QByteArray bytes = utf8.encode(text);
        if (utf8.hasError()) return std::nullopt;
        return bytes;
    }
    if (number == kProgramCodePage) {
        QByteArray bytes;
        bytes.reserve(text.size());
        for (const QChar c : text) {
            const int byte = Windows1254Byte(c);
            if (byte < 0) return std::nullopt;
            bytes.append(char(byte));
        }
        return bytes;
    }
    // Reading the bytes back shows a substitute the system put in without saying so.
    std::optional<QByteArray> encoded = SystemEncode(text, number);
    if (!encoded || DecodeInCodePage(*encoded, number) != text) return std::nullopt;
    return encoded;
}
} // namespace

const std::vector<TmvCodePage>& WindowsCodePages() {
    static const std::vector<TmvCodePage> pages = {
        {874, "Thai (874)"},
        {932, "Japanese (932)"},
        {936, "Chinese, Simplified (936)"},
        {949, "Korean (949)"},
        {950, "Chinese, Traditional (950)"},
        {1250, "Central European (1250)"},
        {1251, "Cyrillic (1251)"},
        {1252, "Western European (1252)"},
        {1253, "Greek (1253)"},
        {1254, "Turkish (1254)"},
        {1255, "Hebrew (1255)"},
        {1256, "Arabic (1256)"},
        {1257, "Baltic (1257)"},
        {1258, "Vietnamese (1258)"},
    };
    return pages;
}

QString CodePageLabel(int number) {
    for (const TmvCodePage& page : WindowsCodePages())
        if (page.Number == number) return QString::fromLatin1(page.Label);
    return QString::number(number);
}

bool CanDecodeCodePage(int number) {
    if (number == kProgramCodePage || number == kUtf8CodePage) return true;
    return number > 0 && SystemKnows(number);
}

QString DecodeInCodePage(const QByteArray& bytes, int number) {
    // The Turkish page has a table of its own: the program's older files need no converter.
    if (number == kProgramCodePage) return DecodeWindows1254(bytes);
    if (number == kUtf8CodePage) return QString::fromUtf8(bytes);
    if (number <= 0) return QString();
    return SystemDecode(bytes, number);
}

bool EncodeInCodePage(const QString& text, int number, QByteArray* bytes, qsizetype* badAt) {
    if (std::optional<QByteArray> whole = EncodeExactly(text, number)) {
        *bytes = *whole;
        return true;
    }
    // Which character it was: the first that cannot be written on its own (a pair of
    // surrogates is one character).
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (!EncodeExactly(text.mid(i, length), number)) {
            if (badAt) *badAt = i;
            return false;
        }
        i += length - 1;
    }
    if (badAt) *badAt = 0; // every character alone fits, together they do not
    return false;
}

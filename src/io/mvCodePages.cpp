#include "io/mvCodePages.h"

#include <QStringDecoder>

#include "io/mvTextFile.h"

namespace {
constexpr int kUtf8 = 65001; // what GetACP gives on a system set to UTF-8

// The converter names of a Windows code page, most exact first: "cp949" is not Windows' own
// table on every system, "windows-949" is.
QStringDecoder DecoderFor(int number) {
    for (const QString& name :
         {QStringLiteral("windows-%1").arg(number), QStringLiteral("cp%1").arg(number)}) {
        QStringDecoder decoder(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid()) return decoder;
    }
    return QStringDecoder();
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
    if (number == kProgramCodePage || number == kUtf8) return true;
    return number > 0 && DecoderFor(number).isValid();
}

QString DecodeInCodePage(const QByteArray& bytes, int number) {
    // The Turkish page has a table of its own: the program's older files need no converter.
    if (number == kProgramCodePage) return DecodeWindows1254(bytes);
    if (number == kUtf8) return QString::fromUtf8(bytes);
    if (number <= 0) return QString();
    QStringDecoder decoder = DecoderFor(number);
    return decoder.isValid() ? decoder.decode(bytes) : QString();
}

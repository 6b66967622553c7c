#include "model/mvFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>

namespace {
struct WindowsFont {
    const char* family;
    const char* file;
};
constexpr WindowsFont kFonts[] = {
    {"Tahoma", "tahoma.ttf"},
    {"Tahoma", "tahomabd.ttf"},
    {"MS Sans Serif", "ms_sans_serif.ttf"},
    {"Fixedsys", "fixedsys.ttf"},
    {"Marlett", "marlett.ttf"},
};
} // namespace

QFont DialogTextFont(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int RegisterWindowsFonts(const char* fontDir) {
    const QStringList families = QFontDatabase::families();
    const QDir dir(QString::fromUtf8(fontDir));
    int added = 0;
    for (const WindowsFont& font : kFonts) {
        if (families.contains(QString::fromLatin1(font.family), Qt::CaseInsensitive)) continue;
        const QString path = dir.filePath(QString::fromLatin1(font.file));
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) ++added;
    }
    return added;
}

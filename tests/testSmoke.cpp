#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

TEST(Fonts, WindowsFontsAreAvailable) {
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Tahoma", "MS Sans Serif", "Fixedsys", "Marlett"})
        EXPECT_TRUE(families.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) << family;
}

// Shared main() of every test executable: an offscreen application with the Windows fonts
// registered, and a private settings folder so no test touches the user's files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "model/mvFonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(marovel);
    RegisterWindowsFonts();
    QTemporaryDir configDir;
    qputenv("MAROVEL_CONFIG_DIR", configDir.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

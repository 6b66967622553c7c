// Shared main() of every test executable: an offscreen application with the Windows fonts
// registered, and a private settings folder so no test touches the user's files.
#include <gtest/gtest.h>

#include "support/offscreenApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    TmvOffscreenApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#pragma once
// The application of the test, benchmark and fuzz programs: offscreen, with the resources and
// the dialog fonts, and a private settings folder so nothing touches the user's files.
#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "model/mvFonts.h"

struct TmvOffscreenApplication {
    TmvOffscreenApplication(int& argc, char** argv) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        App = std::make_unique<QApplication>(argc, argv);
        Q_INIT_RESOURCE(marovel);
        RegisterWindowsFonts();
        qputenv("MAROVEL_CONFIG_DIR", ConfigDir.path().toUtf8());
    }

    std::unique_ptr<QApplication> App;
    QTemporaryDir ConfigDir;
};

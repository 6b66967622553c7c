#pragma once
// Helpers for the recovery tests: a configuration folder of the test's own with an autosave
// delay, the project text of a document, and the start-up recovery window driven by a script.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/mvMain.h"
#include "app/mvRecoveryWindow.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "io/mvRecoveryFile.h"
#include "support/scopedEnvironment.h"
#include "support/testPaths.h"
#include "support/testProjectHelpers.h"

// While it lives, this process's configuration folder (MAROVEL_CONFIG_DIR) is a fresh one
// whose settings autosave `seconds` after a change and delete all without asking.
struct TestRecoveryConfig {
    QTemporaryDir Dir;
    TestScopedEnvironment Env;

    explicit TestRecoveryConfig(int seconds = 1) {
        Env.Set("MAROVEL_CONFIG_DIR", QFile::encodeName(Dir.path()));
        WriteTestFile(Dir.filePath(QStringLiteral("marovel.ini")),
                      QStringLiteral("[General]\nAutoSaveSeconds=%1\n[Misc]\nPromptAll=0\n")
                          .arg(seconds)
                          .toUtf8());
    }
    QString Folder() const { return Dir.filePath(kRecoveryFolderName); }
    // The recovery files there, by name, as full paths.
    QStringList Files() const {
        const QDir dir(Folder());
        QStringList paths;
        for (const QString& name :
             dir.entryList({QLatin1Char('*') + kRecoveryFileSuffix}, QDir::Files, QDir::Name))
            paths << dir.filePath(name);
        return paths;
    }
    // A copy of the sample project, to be changed.
    QString SampleCopy(const QString& name = QStringLiteral("p.mv")) const {
        const QString path = Dir.filePath(name);
        QFile::remove(path);
        QFile::copy(SourceDir() + QStringLiteral("/docs/sample.mv"), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
};

inline QString ProjectText(const DialogDocument& doc) {
    TmvIniFile ini;
    WriteProject(doc, ini);
    return ini.Text();
}

// The project a recovery file holds, as the writer's text, without its own section.
inline QString RecoveredProjectText(const QString& path) {
    TmvIniFile ini(path);
    ini.Load();
    ini.EraseSection(kRecoverySection);
    return ini.Text();
}

// Runs the designer's start-up recovery; while the recovery window is open, `act` runs on it
// (a window it leaves open is closed with Later). TRUE when the window opened.
inline bool StartRecoveryWith(TMain& main, const std::function<void(TRecoveryWindow&)>& act) {
    bool opened = false;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<TRecoveryWindow*>(widget);
            if (!window || !window->isVisible()) continue;
            look.stop();
            opened = true;
            act(*window);
            if (window->isVisible()) window->btnLater->click();
            return;
        }
    });
    look.start();
    main.StartRecovery();
    return opened;
}

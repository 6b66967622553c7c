#include <QApplication>
#include <QMdiArea>
#include <QStringList>
#include <cstdio>

#include "app/mvCommandLine.h"
#include "app/mvConsoleInteraction.h"
#include "app/mvMain.h"
#include "app/mvProcessStart.h"
#include "app/mvScreenshot.h"
#include "io/mvErrorHandler.h"
#include "model/mvFonts.h"

namespace {
int Usage() {
    std::fputs(qPrintable(UsageText()), stderr);
    return kExitUsage;
}

// A mode without a window still needs the font database and the fonts of the dialogs.
int RunWindowless(const TmvCommandLineMode& mode, const QStringList& args, int argc, char** argv) {
    UseOffscreenPlatform();
    TmvApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marovel"));
    InstallTerminateHandler();
    RegisterWindowsFonts();
    const int status = mode.Run(args);
    if (status == kExitUsage) Usage();
    return status;
}
} // namespace

int main(int argc, char* argv[]) {
    UseBinaryStandardStreams();
    const QStringList args = CommandLineArguments(argc, argv);
    if (const TmvCommandLineMode* mode = FindCommandLineMode(args.value(0)))
        return RunWindowless(*mode, args, argc, argv);

    const bool screenshot = args.value(0) == QLatin1String("--screenshot");
    if (screenshot) {
        if (args.size() < 2 || args.size() > 3) return Usage();
        UseOffscreenPlatform();
    } else if (args.size() > 1 || args.value(0).startsWith(QLatin1String("--"))) {
        return Usage();
    }

    TmvApplication app(argc, argv);
    Q_INIT_RESOURCE(marovel);
    QApplication::setApplicationName(QStringLiteral("Marovel"));
    InstallTerminateHandler();
    RegisterWindowsFonts();

    TMain window;
    const QString project = screenshot ? args.value(2) : args.value(0);
    // Nobody sees the offscreen window: messages go to standard error, questions are declined.
    TmvConsoleInteraction console;
    if (screenshot) {
        UseSystemInterfaceFont();
        window.SetInteraction(&console.Prompt, &console.Files);
        SizeForScreenshot(&window);
        if (!project.isEmpty() && !window.OpenProject(project)) return kExitFailed;
        // The dialog is the window in use, its caption active.
        window.show();
        window.mdi->setActiveSubWindow(window.SurfaceFrame());
        if (!SaveWindowScreenshot(&window, args[1])) {
            std::fprintf(stderr, "marovel: cannot write %s\n", qPrintable(args[1]));
            return kExitFailed;
        }
        return kExitOk;
    }
    window.show();
    window.StartRecovery();
    if (!project.isEmpty()) window.OpenProject(project);
    return app.exec();
}

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/mvAppInfo.h"
#include "app/mvMain.h"
#include "app/mvScreenshot.h"
#include "io/mvErrorHandler.h"
#include "model/mvFonts.h"
#include "model/mvVersion.h"

namespace {
const char* kUsage = "Usage: marovel [PROJECT.mv]\n"
                     "       marovel --screenshot OUT.png [PROJECT.mv]\n"
                     "       marovel --help | --version\n";

int Usage(FILE* to, int status) {
    std::fputs(kUsage, to);
    return status;
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.value(0) == QLatin1String("--help")) return Usage(stdout, 0);
    if (args.value(0) == QLatin1String("--version")) {
        std::printf("%s\n", qPrintable(MarovelVersionText()));
        return 0;
    }
    const bool screenshot = args.value(0) == QLatin1String("--screenshot");
    if (screenshot) {
        if (args.size() < 2 || args.size() > 3) return Usage(stderr, 2);
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    } else if (args.size() > 1 || args.value(0).startsWith(QLatin1String("--"))) {
        return Usage(stderr, 2);
    }

    TmvApplication app(argc, argv);
    Q_INIT_RESOURCE(marovel);
    QApplication::setApplicationName(QStringLiteral("Marovel"));
    InstallTerminateHandler();
    RegisterWindowsFonts();

    TMain window;
    if (screenshot) {
        if (!SaveWindowScreenshot(&window, args[1])) {
            std::fprintf(stderr, "marovel: cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        return 0;
    }
    window.show();
    return app.exec();
}

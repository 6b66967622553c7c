#include <QLabel>

#include "io/mvErrorHandler.h"
#include "model/mvFonts.h"
#include "model/mvVersion.h"

int main(int argc, char* argv[]) {
    TmvApplication app(argc, argv);
    Q_INIT_RESOURCE(marovel);
    QApplication::setApplicationName(QStringLiteral("Marovel"));
    InstallTerminateHandler();
    RegisterWindowsFonts();

    QLabel window(MarovelVersionText());
    window.setWindowTitle(QStringLiteral("Marovel"));
    window.resize(480, 320);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}

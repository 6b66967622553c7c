#include <QApplication>
#include <QLabel>

#include "model/mvFonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(marovel);
    QApplication::setApplicationName(QStringLiteral("Marovel"));
    RegisterWindowsFonts();

    QLabel window(QStringLiteral("Marovel 1.0 final"));
    window.setWindowTitle(QStringLiteral("Marovel"));
    window.resize(480, 320);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}

#include "app/mvProcessStart.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QSettings>
#include <cstdio>
#include <cstdlib>

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

QStringList CommandLineArguments(int, char**) {
    QStringList args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i)
        args << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return args;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void UseOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (!qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) return;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const QString fonts = QString::fromWCharArray(windows, int(length)) + QStringLiteral("\\Fonts");
    qputenv("QT_QPA_FONTDIR", QDir::fromNativeSeparators(fonts).toUtf8());
}

void UseSystemInterfaceFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    const LOGFONTW& message = metrics.lfMessageFont;
    // The face may be a name the system substitutes ("MS Shell Dlg"), which the font files of
    // the offscreen platform do not carry.
    const QString face = QString::fromWCharArray(message.lfFaceName);
    const QSettings substitutes(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\"
                                               "Windows NT\\CurrentVersion\\FontSubstitutes"),
                                QSettings::NativeFormat);
    QFont font(substitutes.value(face, face).toString());
    // A negative height is the character height in pixels, at the 96 dots per inch of the
    // offscreen screen.
    if (message.lfHeight != 0) font.setPixelSize(std::abs(int(message.lfHeight)));
    QApplication::setFont(font);
}
#else
QStringList CommandLineArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void UseBinaryStandardStreams() {}

void UseOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

void UseSystemInterfaceFont() {}
#endif

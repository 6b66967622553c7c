#include "app/mvCommandLine.h"

QString UsageText() {
    QString text = QStringLiteral("Usage: marovel [PROJECT.mv]\n"
                                  "       marovel --screenshot OUT.png [PROJECT.mv]\n");
    for (const TmvCommandLineMode& mode : CommandLineModes())
        text += QStringLiteral("       marovel ") + QString::fromUtf8(mode.Usage) + '\n';
    return text;
}

const TmvCommandLineMode* FindCommandLineMode(const QString& option) {
    for (const TmvCommandLineMode& mode : CommandLineModes())
        if (option == QLatin1String(mode.Option)) return &mode;
    return nullptr;
}

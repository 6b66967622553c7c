#include "support/testPaths.h"

#include <QtGlobal>

namespace {
QString FromEnvironment(const char* name, const char* builtIn) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromLocal8Bit(builtIn) : value;
}
} // namespace

QString SourceDir() {
    return FromEnvironment("MAROVEL_SOURCE_DIR", MAROVEL_BUILT_SOURCE_DIR);
}

QString MarovelBinary() {
    return FromEnvironment("MAROVEL_BINARY", MAROVEL_BUILT_BINARY);
}

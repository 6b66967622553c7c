#pragma once
// Where the tests find the source tree and the marovel program. CTest names them in the
// environment (MAROVEL_SOURCE_DIR, MAROVEL_BINARY); a test program started by hand falls back
// to the tree and the program it was built from, so it finds its data on its own.
#include <QString>

QString SourceDir();
QString MarovelBinary();

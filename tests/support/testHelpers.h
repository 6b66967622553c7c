#pragma once
// Small helpers shared by the test files.
#include <QString>
#include <ostream>

// Lets GoogleTest print QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

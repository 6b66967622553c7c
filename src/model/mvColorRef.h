#pragma once
// Colours as the settings file stores them: Windows colour values, 0x00BBGGRR.
#include <QColor>

inline QColor ColorFromColorRef(int value) {
    const auto v = static_cast<unsigned>(value);
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

inline int ColorRefFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

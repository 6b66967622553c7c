#pragma once
// How the texts stored in INI values are taken apart: lists of fields, numbers and flags.
// Shared by the project file, the settings, the control defaults and the clipboard buffer.
#include <QString>
#include <QStringList>
#include <optional>

// Separators at the start and at the end are removed, the rest is cut at every separator;
// two adjacent separators give an empty field; an empty text gives an empty list.
QStringList SplitList(const QString& text, QChar separator);
// The n-th field (from 1) of the text after leading and trailing separators are removed, or an
// empty text when there are fewer fields.
QString NthField(const QString& text, QChar separator, int n);

// The value of an integer key: optional sign and decimal digits, or "0x"/"0X" and hexadecimal
// digits (up to 32 bits, taken as a signed 32-bit word); blanks around it are allowed. None when
// the text is no such integer or out of range.
std::optional<int> IniInteger(const QString& text);
// A list field read as a number: decimal only (no "0x"), otherwise as IniInteger.
std::optional<int> FieldInteger(const QString& field);
// A flag stored as a list field is TRUE exactly for the text "1" ("01", "true" are FALSE).
inline bool FieldFlag(const QString& field) {
    return field == QLatin1String("1");
}

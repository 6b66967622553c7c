#pragma once
// Texts of the ID warning that the properties browser and the menu editor show when an ID is
// already taken (the check itself is DialogDocument::CheckIdFree).
#include <QString>

inline QString IdWarningCaption() {
    return QStringLiteral("ID Warning");
}
// "The ID "%d" is already in use by %s.  Please choose a unique ID."
QString IdInUseMessage(int id, const QString& owner);

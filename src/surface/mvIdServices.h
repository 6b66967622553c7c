#pragma once
// Texts of the ID warning that the properties browser and the menu editor show when an ID is
// already taken (the check itself is DialogDocument::CheckIdFree).
#include <QSet>
#include <QString>

class DialogDocument;

inline QString IdWarningCaption() {
    return QStringLiteral("ID Warning");
}
// "The ID "%d" is already in use by %s.  Please choose a unique ID."
QString IdInUseMessage(int id, const QString& owner);

// The IDs that the controls, tab pages and menu entries hold, gathered in one pass, for work
// that hands out many IDs in a row (a paste of many controls): each question is then a lookup.
class TmvTakenIds {
public:
    explicit TmvTakenIds(const DialogDocument& doc);
    bool IsFree(int id) const { return !taken_.contains(id); }
    // A control now holds the ID; 0 blocks nothing, as everywhere.
    void TakeForControl(int id) {
        if (id != 0) taken_.insert(id);
    }
    // The first free ID from [IDMan] "Start" upward (gaps are reused), now taken.
    int TakeNext();

private:
    QSet<int> taken_;
    int next_; // no ID below it is free: IDs are only ever taken here
};

#pragma once
// One state of the document for the undo history, and the way back to it.
//
// A snapshot holds the project text cut into records: the head ([Main] and the menus) and one
// section per control in section order, each a control's own "[Control1]" section as the
// project writer writes it. Beside them it keeps what the project file does not: the z-order,
// the controls hidden on the surface, and which control each record belongs to (a key that
// stays with the control from step to step). Records equal to the previous snapshot's share its
// text, so a step of a large dialog costs memory only for what it changed.
//
// Restoring compares two snapshots and rebuilds only the controls whose records differ: they
// are deleted and read again through the project reader, as a load reads them; the other
// controls stay as they are, and the lists are put into the target's order.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class DialogDocument;
class TmvControl;

struct TmvDocumentSnapshot {
    QString Head;                    // [Main] and the menus
    std::vector<quint32> Keys;       // the control of each record, in section order
    QStringList Records;             // each control's section, in section order
    std::vector<quint32> ZOrder;     // keys, lowest first
    std::vector<quint32> Hidden;     // keys, in the order of hiding
    std::vector<quint32> HiddenOnly; // hidden on the surface without being in the hidden list

    // The same project text: what Modified compares.
    bool SameProject(const TmvDocumentSnapshot& other) const {
        return Head == other.Head && Records == other.Records;
    }
    bool SameDocument(const TmvDocumentSnapshot& other) const {
        return SameProject(other) && Keys == other.Keys && ZOrder == other.ZOrder &&
               Hidden == other.Hidden && HiddenOnly == other.HiddenOnly;
    }
    qsizetype MemoryBytes() const;
};

// Which control each record belongs to. A control keeps its key while it lives; one restored
// from a snapshot takes the key it had there.
class TmvSnapshotKeys {
public:
    quint32 KeyOf(const TmvControl* control);
    TmvControl* ControlOf(quint32 key) const { return controls_.value(key); }
    // The controls of this snapshot, and no others, are known from now on.
    void Keep(const std::vector<const TmvControl*>& order, const std::vector<quint32>& keys);
    void Assign(TmvControl* control, quint32 key);
    void Forget(const TmvControl* control);
    void Clear();

private:
    QHash<const TmvControl*, quint32> keys_;
    QHash<quint32, TmvControl*> controls_;
    quint32 next_ = 1;
};

// The document as it is now. Records equal to those of `previous` (if any) share its texts.
// `order` receives the controls in section order.
TmvDocumentSnapshot CaptureSnapshot(const DialogDocument& doc, TmvSnapshotKeys& keys,
                                    const TmvDocumentSnapshot* previous,
                                    std::vector<const TmvControl*>* order = nullptr);

// Turns the document, which is in state `from`, into state `to`; the selection is emptied.
// Returns the number of controls read again. `to` is corrected where the reader put a control
// or the head differently from its record, so that it describes the document exactly.
int RestoreSnapshot(DialogDocument& doc, TmvSnapshotKeys& keys, const TmvDocumentSnapshot& from,
                    TmvDocumentSnapshot& to);

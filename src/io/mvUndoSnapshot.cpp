#include "io/mvUndoSnapshot.h"

#include <QSet>
#include <algorithm>
#include <utility>

#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"
#include "surface/mvZOrder.h"

namespace {
// Every record is written and read as the first control section.
const QString kRecordSection = ControlSectionName(1);

bool Contains(const std::vector<TmvControl*>& list, const TmvControl* control) {
    return std::find(list.begin(), list.end(), control) != list.end();
}

// The control's record into an empty buffer as section 1; a tab control's page controls follow
// as sections 2, 3, ...
void WriteRecords(TmvIniFile& ini, const DialogDocument& doc, const TmvControl& control) {
    ini.Clear();
    int counter = 1;
    if (&control != doc.TabControl) {
        WriteControlSection(ini, control, counter);
        return;
    }
    // The tab control writes the ID and lock of the page it shows. Which page shows is looked
    // at, not edited: the history keeps it with the selection, and the record is written as
    // with the first page showing.
    TmvTab& tab = *doc.TabControl;
    const int shown = std::exchange(tab.ActivePage, 0);
    WriteControlSection(ini, control, counter);
    tab.ActivePage = shown;
}

// Where each key lies in a snapshot.
QHash<quint32, int> Positions(const TmvDocumentSnapshot& shot) {
    QHash<quint32, int> at;
    at.reserve(qsizetype(shot.Keys.size()));
    for (size_t i = 0; i < shot.Keys.size(); ++i)
        at.insert(shot.Keys[i], int(i));
    return at;
}

// Record texts of `previous` are looked up by key: at the same position first, the usual case.
class PreviousRecords {
public:
    explicit PreviousRecords(const TmvDocumentSnapshot* previous) : previous_(previous) {}
    const QString* Find(size_t position, quint32 key) {
        if (!previous_) return nullptr;
        if (position < previous_->Keys.size() && previous_->Keys[position] == key)
            return &previous_->Records[qsizetype(position)];
        if (!indexed_) {
            at_ = Positions(*previous_);
            indexed_ = true;
        }
        const int i = at_.value(key, -1);
        return i < 0 ? nullptr : &previous_->Records[i];
    }

private:
    const TmvDocumentSnapshot* previous_;
    QHash<quint32, int> at_;
    bool indexed_ = false;
};

std::vector<quint32> KeysOf(const std::vector<TmvControl*>& controls, TmvSnapshotKeys& keys) {
    std::vector<quint32> list;
    list.reserve(controls.size());
    for (const TmvControl* control : controls)
        list.push_back(keys.KeyOf(control));
    return list;
}

} // namespace

qsizetype TmvDocumentSnapshot::MemoryBytes() const {
    // Texts shared with other snapshots are counted with each: an upper bound.
    qsizetype bytes = Head.size() * 2 + qsizetype(sizeof(TmvDocumentSnapshot));
    bytes += qsizetype(
        (Keys.capacity() + ZOrder.capacity() + Hidden.capacity() + HiddenOnly.capacity()) *
        sizeof(int));
    bytes += Records.size() * qsizetype(sizeof(QString));
    return bytes;
}

quint32 TmvSnapshotKeys::KeyOf(const TmvControl* control) {
    const auto it = keys_.constFind(control);
    if (it != keys_.constEnd()) return *it;
    const quint32 key = next_++;
    keys_.insert(control, key);
    return key;
}

void TmvSnapshotKeys::Keep(const std::vector<const TmvControl*>& order,
                           const std::vector<quint32>& keys) {
    keys_.clear();
    controls_.clear();
    keys_.reserve(qsizetype(order.size()));
    controls_.reserve(qsizetype(order.size()));
    for (size_t i = 0; i < order.size() && i < keys.size(); ++i) {
        keys_.insert(order[i], keys[i]);
        controls_.insert(keys[i], const_cast<TmvControl*>(order[i]));
    }
}

void TmvSnapshotKeys::Assign(TmvControl* control, quint32 key) {
    keys_.insert(control, key);
    controls_.insert(key, control);
}

void TmvSnapshotKeys::Forget(const TmvControl* control) {
    const auto it = keys_.constFind(control);
    if (it == keys_.constEnd()) return;
    if (controls_.value(*it) == control) controls_.remove(*it);
    keys_.erase(it);
}

void TmvSnapshotKeys::Clear() {
    keys_.clear();
    controls_.clear();
}

TmvDocumentSnapshot CaptureSnapshot(const DialogDocument& doc, TmvSnapshotKeys& keys,
                                    const TmvDocumentSnapshot* previous,
                                    std::vector<const TmvControl*>* orderOut) {
    TmvDocumentSnapshot shot;
    TmvIniFile ini;
    WriteProjectHead(doc, ini);
    shot.Head = ini.Text();
    if (previous && previous->Head == shot.Head) shot.Head = previous->Head;

    // The writer's own sections, one control at a time: a tab control writes its page
    // controls after it, and they are taken from the same buffer.
    std::vector<const TmvControl*> order;
    order.reserve(size_t(doc.ControlCount()));
    shot.Keys.reserve(size_t(doc.ControlCount()));
    shot.Records.reserve(doc.ControlCount());
    PreviousRecords before(previous);
    const auto add = [&](const TmvControl* control, const QString& section) {
        const quint32 key = keys.KeyOf(control);
        const QString* old = before.Find(order.size(), key);
        order.push_back(control);
        shot.Keys.push_back(key);
        shot.Records.append(old && ini.SectionTextIs(section, *old) ? *old
                                                                    : ini.SectionText(section));
    };
    for (const TmvControl* control : doc.CreationOrder) {
        if (!control) continue;
        WriteRecords(ini, doc, *control);
        add(control, kRecordSection);
        if (control->ControlType != ctTab) continue;
        int n = 1;
        for (const auto& page : static_cast<const TmvTab*>(control)->Pages)
            for (const TmvControl* child : page->Controls)
                if (child) add(child, ControlSectionName(++n));
    }
    // The same controls as before: the keys know exactly these already.
    if (!previous || previous->Keys != shot.Keys) keys.Keep(order, shot.Keys);

    shot.ZOrder.reserve(size_t(doc.ControlCount()));
    for (int z = 0; z < doc.ControlCount(); ++z)
        shot.ZOrder.push_back(keys.KeyOf(doc.ControlAt(z)));
    if (previous && previous->ZOrder == shot.ZOrder) shot.ZOrder = previous->ZOrder;
    shot.Hidden = KeysOf(doc.HiddenControls, keys);
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i]->DesignHidden && !Contains(doc.HiddenControls, order[i]))
            shot.HiddenOnly.push_back(shot.Keys[i]);
    if (orderOut) *orderOut = std::move(order);
    return shot;
}

int RestoreSnapshot(DialogDocument& doc, TmvSnapshotKeys& keys, const TmvDocumentSnapshot& from,
                    TmvDocumentSnapshot& to) {
    const QHash<quint32, int> toAt = Positions(to);
    doc.SetCurrentControl(nullptr);
    doc.ClearSelection();

    // A control stays when its record is the same in both states. The tab control takes the
    // controls of its pages along when it goes, so they go with it.
    const auto unchanged = [&](size_t i) {
        const int j = toAt.value(from.Keys[i], -1);
        return j >= 0 && to.Records[j] == from.Records[qsizetype(i)];
    };
    const TmvControl* tab = doc.TabControl;
    bool tabStays = true;
    for (size_t i = 0; tab && i < from.Keys.size(); ++i)
        if (keys.ControlOf(from.Keys[i]) == tab) tabStays = unchanged(i);
    // The controls of the target state by key: those that stay, then those read again.
    QHash<quint32, TmvControl*> live;
    std::vector<TmvControl*> leaving;
    for (size_t i = 0; i < from.Keys.size(); ++i) {
        TmvControl* control = keys.ControlOf(from.Keys[i]);
        if (!control) continue;
        if (unchanged(i) && (tabStays || control->TabIndex < 0))
            live.insert(from.Keys[i], control);
        else
            leaving.push_back(control);
    }

    const bool headChanged = to.Head != from.Head;
    const bool cleared = live.isEmpty();
    // Many controls coming and going are listed in the browser once, at the end.
    constexpr qsizetype kBulk = 32;
    const bool bulk = qsizetype(leaving.size()) + qsizetype(to.Keys.size()) - live.size() > kBulk;
    const bool suspended = doc.UpdatesSuspended;
    doc.UpdatesSuspended = suspended || bulk;
    if (cleared) {
        keys.Clear();
        doc.ClearDialog();
    } else {
        // The tab control last: by then its page controls are gone.
        std::stable_partition(leaving.begin(), leaving.end(),
                              [tab](const TmvControl* c) { return c != tab; });
        for (TmvControl* control : leaving) {
            keys.Forget(control);
            doc.DeleteControl(control);
        }
    }
    if (headChanged || cleared) {
        TmvIniFile head;
        head.SetText(to.Head);
        ReadProjectHead(doc, head);
        if (doc.Ui) doc.Ui->MenuChanged();
        head.Clear();
        WriteProjectHead(doc, head);
        if (const QString now = head.Text(); now != to.Head) to.Head = now;
    }

    // The missing controls, in section order, so that the tab control stands before the
    // controls of its pages. A control the reader put differently from its record (which a
    // record written by the writer never asks for) gets the record of what it is now.
    int read = 0;
    TmvIniFile section;
    for (size_t j = 0; j < to.Keys.size(); ++j) {
        if (live.contains(to.Keys[j])) continue;
        const QString& record = to.Records[qsizetype(j)];
        section.SetText(QLatin1Char('[') + kRecordSection + QLatin1String("]\n") + record);
        TmvControl* control = ReadControlSection(doc, section, false, 1);
        ++read;
        if (!control) continue;
        keys.Assign(control, to.Keys[j]);
        live.insert(to.Keys[j], control);
        WriteRecords(section, doc, *control);
        if (const QString now = section.SectionText(kRecordSection); now != record)
            to.Records[qsizetype(j)] = now;
    }
    doc.UpdatesSuspended = suspended;
    // A record the reader refused (which one the writer wrote never is) leaves the state.
    if (live.size() < qsizetype(to.Keys.size())) {
        const auto gone = [&live](quint32 key) { return !live.contains(key); };
        for (size_t j = to.Keys.size(); j-- > 0;)
            if (gone(to.Keys[j])) {
                to.Keys.erase(to.Keys.begin() + qsizetype(j));
                to.Records.removeAt(qsizetype(j));
            }
        std::erase_if(to.ZOrder, gone);
        std::erase_if(to.Hidden, gone);
        std::erase_if(to.HiddenOnly, gone);
    }

    // Every list in the target's order.
    std::vector<TmvControl*> controls(to.Keys.size(), nullptr);
    for (size_t j = 0; j < to.Keys.size(); ++j)
        controls[j] = live.value(to.Keys[j]);
    doc.CreationOrder.clear();
    if (doc.TabControl)
        for (const auto& page : doc.TabControl->Pages)
            page->Controls.clear();
    for (TmvControl* control : controls) {
        if (!control) continue;
        std::vector<TmvControl*>* list = doc.ContainerList(control->TabIndex);
        (list ? *list : doc.CreationOrder).push_back(control);
    }
    std::vector<TmvControl*> zOrder;
    zOrder.reserve(to.ZOrder.size());
    for (const quint32 key : to.ZOrder)
        if (TmvControl* control = live.value(key)) zOrder.push_back(control);
    bool zSame = int(zOrder.size()) == doc.ControlCount();
    for (int z = 0; zSame && z < doc.ControlCount(); ++z)
        zSame = doc.ControlAt(z) == zOrder[size_t(z)];
    if (!zSame) doc.ArrangeZOrder(zOrder);

    // Hidden on the surface.
    doc.HiddenControls.clear();
    QSet<const TmvControl*> hidden;
    for (const quint32 key : to.Hidden)
        if (TmvControl* control = live.value(key)) {
            doc.HiddenControls.push_back(control);
            hidden.insert(control);
        }
    for (const quint32 key : to.HiddenOnly)
        if (const TmvControl* control = live.value(key)) hidden.insert(control);
    for (TmvControl* control : controls)
        if (control && control->DesignHidden != hidden.contains(control))
            SetDesignHidden(doc, control, hidden.contains(control));
    return read;
}

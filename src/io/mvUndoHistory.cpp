#include "io/mvUndoHistory.h"

#include <QSet>
#include <algorithm>

#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"

namespace {
// Selections up to this size are looked up in the record order directly.
constexpr size_t kSearchedSelection = 8;

bool SizesDiffer(const QRect& a, const QRect& b) {
    return a.size() != b.size();
}
} // namespace

QString StepNameFromCaption(const QString& caption) {
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            name += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            name += QLatin1Char('&');
            ++i;
        }
    }
    name = name.trimmed();
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

TmvUndoHistory::TmvUndoHistory(TmvProjectSession& session)
    : session_(session), doc_(session.Document) {
    doc_.AttachHistory(this);
    StartNewHistory(true);
}

TmvUndoHistory::~TmvUndoHistory() {
    doc_.AttachHistory(nullptr);
}

void TmvUndoHistory::SetLimit(int steps) {
    limit_ = std::max(1, steps);
    while (index_ > limit_) {
        states_.pop_front();
        --index_;
    }
    while (RedoCount() > 0 && int(states_.size()) > limit_ + 1)
        states_.pop_back();
    Notify();
}

TmvDocumentSnapshot TmvUndoHistory::Capture(const TmvDocumentSnapshot* previous,
                                            std::vector<const TmvControl*>* order) {
    return CaptureSnapshot(doc_, keys_, previous, order);
}

TmvUndoHistory::Sight
TmvUndoHistory::CaptureSight(const std::vector<const TmvControl*>& order) const {
    Sight sight;
    sight.ControlCount = int(order.size());
    sight.ClientSize = QSize(doc_.ClientWidth, doc_.ClientHeight);
    sight.ActivePage = doc_.TabControl ? doc_.TabControl->ActivePage : -1;
    if (doc_.Selection.empty() && !doc_.CurrentControl) return sight;
    QHash<const TmvControl*, int> index;
    const bool indexed = doc_.Selection.size() > kSearchedSelection;
    if (indexed) {
        index.reserve(qsizetype(order.size()));
        for (size_t i = 0; i < order.size(); ++i)
            index.insert(order[i], int(i));
    }
    const auto positionOf = [&](const TmvControl* control) {
        if (indexed) return index.value(control, -1);
        const auto it = std::find(order.begin(), order.end(), control);
        return it == order.end() ? -1 : int(it - order.begin());
    };
    for (const TmvControl* control : doc_.Selection) {
        const int p = positionOf(control);
        if (p < 0) continue;
        sight.Selection.push_back(p);
        sight.SelectedBounds.push_back(control->BoundsRect());
    }
    sight.Current = doc_.CurrentControl ? positionOf(doc_.CurrentControl) : -1;
    return sight;
}

QString TmvUndoHistory::InferredName(const Sight& before, const Sight& after,
                                     const std::vector<const TmvControl*>& order) const {
    if (after.ControlCount > before.ControlCount) return QStringLiteral("Oluştur");
    if (after.ControlCount < before.ControlCount) return QStringLiteral("Sil");
    bool moved = false;
    bool sized = false;
    for (size_t i = 0; i < before.Selection.size(); ++i) {
        const size_t p = size_t(before.Selection[i]);
        if (p >= order.size()) continue;
        const QRect now = order[p]->BoundsRect();
        const QRect then = before.SelectedBounds[i];
        sized = sized || SizesDiffer(now, then);
        moved = moved || now.topLeft() != then.topLeft();
    }
    if (sized) return QStringLiteral("Boyutlandır");
    if (moved) return QStringLiteral("Taşı");
    if (before.ClientSize != after.ClientSize) return QStringLiteral("Boyutlandır");
    return QStringLiteral("Değiştir");
}

bool TmvUndoHistory::Checkpoint(const TmvCheckpointCause& cause) {
    if (restoring_) return false;
    const TmvStepHints hints = doc_.StepHints;
    doc_.StepHints = {};
    const QString name = !hints.Name.isEmpty() ? hints.Name : StepNameFromCaption(cause.Name);
    const QString key = !hints.MergeKey.isEmpty() ? hints.MergeKey : cause.MergeKey;

    State& top = states_[size_t(index_)];
    std::vector<const TmvControl*> order;
    TmvDocumentSnapshot now = Capture(&top.Doc, &order);
    const Sight sight = CaptureSight(order);
    if (now.SameDocument(top.Doc)) {
        top.View = sight;
        if (key != openMerge_) openMerge_.clear();
        return false;
    }
    if (now.SameProject(top.Doc) && now.Keys == top.Doc.Keys && name.isEmpty() && key.isEmpty()) {
        // Only the z-order or the surface's hiding moved, and no command asked for it.
        top.Doc = std::move(now);
        top.View = sight;
        openMerge_.clear();
        return false;
    }

    const std::vector<const TmvControl*> selection(doc_.Selection.begin(), doc_.Selection.end());
    const bool merge = !key.isEmpty() && key == openMerge_ && index_ > 0 && !CanRedo() &&
                       selection == openMergeSelection_;
    if (merge) {
        State& before = states_[size_t(index_ - 1)];
        if (now.SameDocument(before.Doc)) {
            // The merged step came back to where it started: it is no step any more.
            states_.pop_back();
            --index_;
            states_[size_t(index_)].View = sight;
            openMerge_.clear();
        } else {
            top.Doc = std::move(now);
            top.View = sight;
        }
    } else {
        states_.erase(states_.begin() + index_ + 1, states_.end());
        State step;
        step.Doc = std::move(now);
        step.Name = name.isEmpty() ? InferredName(top.View, sight, order) : name;
        step.MergeKey = key;
        step.View = sight;
        states_.push_back(std::move(step));
        ++index_;
        while (index_ > limit_) {
            states_.pop_front();
            --index_;
        }
        openMerge_ = key;
        openMergeSelection_ = selection;
    }
    Notify();
    return true;
}

QString TmvUndoHistory::UndoName() const {
    return CanUndo() ? states_[size_t(index_)].Name : QString();
}

QString TmvUndoHistory::RedoName() const {
    return CanRedo() ? states_[size_t(index_ + 1)].Name : QString();
}

bool TmvUndoHistory::Undo() {
    if (restoring_) return false;
    Checkpoint();
    if (!CanUndo()) return false;
    Restore(index_ - 1);
    return true;
}

bool TmvUndoHistory::Redo() {
    if (restoring_) return false;
    // A change not yet recorded would be lost by going forward: it becomes a step, and then
    // there is nothing to redo.
    Checkpoint();
    if (!CanRedo()) return false;
    Restore(index_ + 1);
    return true;
}

void TmvUndoHistory::Restore(int index) {
    restoring_ = true;
    State& state = states_[size_t(index)];
    RestoreSnapshot(doc_, keys_, states_[size_t(index_)].Doc, state.Doc);
    index_ = index;
    openMerge_.clear();
    doc_.StepHints = {};
    ApplySight(state.View, ControlsInSectionOrder(doc_));
    // The surface and the browser's values follow.
    doc_.LayoutChanged();
    restoring_ = false;
    Notify();
}

void TmvUndoHistory::ApplySight(const Sight& sight, const std::vector<const TmvControl*>& order) {
    const auto control = [&order](int p) {
        return p >= 0 && size_t(p) < order.size() ? const_cast<TmvControl*>(order[size_t(p)])
                                                  : nullptr;
    };
    // Putting the current control back is no click: it must not raise it in the z-order.
    const bool bringToFront = doc_.Options.BringToFront;
    doc_.Options.BringToFront = false;
    doc_.SetCurrentControl(nullptr);
    doc_.ClearSelection();
    for (const int p : sight.Selection)
        if (TmvControl* selected = control(p)) doc_.Select(selected);
    if (TmvControl* current = control(sight.Current)) doc_.SetCurrentControl(current);
    // After the current control, which may have shown its own page.
    if (doc_.TabControl) {
        const int page = doc_.TabControl->Page(sight.ActivePage) ? sight.ActivePage : 0;
        doc_.TabControl->Refresh = true;
        doc_.TabControl->SetActivePage(page);
    }
    doc_.Options.BringToFront = bringToFront;
    doc_.RefreshSelection();
}

qsizetype TmvUndoHistory::MemoryBytes() const {
    // Each record text once, however many steps share it.
    QSet<const QChar*> counted;
    qsizetype bytes = saved_.MemoryBytes();
    for (const State& state : states_) {
        bytes +=
            state.Doc.MemoryBytes() + qsizetype(state.View.Selection.size() * sizeof(int) +
                                                state.View.SelectedBounds.size() * sizeof(QRect));
        for (const QString& record : state.Doc.Records) {
            if (counted.contains(record.constData())) continue;
            counted.insert(record.constData());
            bytes += record.size() * qsizetype(sizeof(QChar)) + 32;
        }
    }
    return bytes;
}

bool TmvUndoHistory::IsModified() {
    // The live document against the saved text: a change not yet recorded as a step counts.
    if (!savedKnown_) return true;
    return !Capture(&states_[size_t(index_)].Doc).SameProject(saved_);
}

bool TmvUndoHistory::AtSavedState() const {
    return savedKnown_ && states_[size_t(index_)].Doc.SameProject(saved_);
}

void TmvUndoHistory::StartNewHistory(bool saved) {
    states_.clear();
    keys_.Clear();
    std::vector<const TmvControl*> order;
    State base;
    base.Doc = Capture(nullptr, &order);
    base.View = CaptureSight(order);
    savedKnown_ = saved;
    saved_ = saved ? base.Doc : TmvDocumentSnapshot{};
    states_.push_back(std::move(base));
    index_ = 0;
    openMerge_.clear();
    doc_.StepHints = {};
    Notify();
}

void TmvUndoHistory::MarkSaved() {
    saved_ = Capture(&states_[size_t(index_)].Doc);
    savedKnown_ = true;
    Notify();
}

void TmvUndoHistory::Notify() {
    if (Changed) Changed();
}

#include "io/mvUndoHistory.h"

#include <QHash>
#include <algorithm>

#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvIniValues.h"
#include "surface/mvInteraction.h"
#include "surface/mvZOrder.h"

namespace {
const QString kState = QStringLiteral("State");
// Fast compression: a step of a 3,000-control dialog is recorded while the user waits.
constexpr int kCompression = 1;

QString NumberList(const std::vector<int>& numbers) {
    QStringList fields;
    fields.reserve(qsizetype(numbers.size()));
    for (const int n : numbers)
        fields << QString::number(n);
    return fields.join(QLatin1Char(','));
}

std::vector<int> ReadNumberList(const TmvIniFile& ini, const QString& key) {
    std::vector<int> numbers;
    for (const QString& field : SplitList(ini.ReadString(kState, key), QLatin1Char(',')))
        if (const std::optional<int> n = FieldInteger(field)) numbers.push_back(*n);
    return numbers;
}

// The position of every control in the order of its project section.
QHash<const TmvControl*, int> SectionIndex(const std::vector<const TmvControl*>& order) {
    QHash<const TmvControl*, int> index;
    index.reserve(qsizetype(order.size()));
    for (size_t i = 0; i < order.size(); ++i)
        index.insert(order[i], int(i));
    return index;
}

// What the project file does not keep, keyed by the controls' section positions: the z-order,
// the controls hidden on the surface, and words of an imported table the designer does not
// model.
QByteArray WriteExtras(const DialogDocument& doc) {
    const std::vector<const TmvControl*> order = ControlsInSectionOrder(doc);
    const QHash<const TmvControl*, int> index = SectionIndex(order);
    const auto positions = [&index](const auto& controls) {
        std::vector<int> numbers;
        for (const TmvControl* control : controls)
            if (index.contains(control)) numbers.push_back(index.value(control));
        return numbers;
    };
    std::vector<const TmvControl*> zOrder;
    std::vector<const TmvControl*> hiddenAlone; // hidden on the surface, not in the hidden list
    zOrder.reserve(size_t(doc.ControlCount()));
    for (int z = 0; z < doc.ControlCount(); ++z) {
        const TmvControl* control = doc.ControlAt(z);
        zOrder.push_back(control);
        if (control->DesignHidden && std::find(doc.HiddenControls.begin(), doc.HiddenControls.end(),
                                               control) == doc.HiddenControls.end())
            hiddenAlone.push_back(control);
    }
    TmvIniFile ini;
    ini.WriteString(kState, QStringLiteral("OtherOptions"), doc.OtherOptions);
    ini.WriteString(kState, QStringLiteral("ZOrder"), NumberList(positions(zOrder)));
    ini.WriteString(kState, QStringLiteral("Hidden"), NumberList(positions(doc.HiddenControls)));
    ini.WriteString(kState, QStringLiteral("DesignHidden"), NumberList(positions(hiddenAlone)));
    for (size_t i = 0; i < order.size(); ++i)
        if (!order[i]->OtherStyles.isEmpty())
            ini.WriteString(kState, QStringLiteral("OtherStyles") + QString::number(i),
                            order[i]->OtherStyles);
    return ini.Text().toUtf8();
}

void ReadExtras(DialogDocument& doc, const QByteArray& extras,
                const std::vector<TmvControl*>& made) {
    TmvIniFile ini;
    ini.SetText(QString::fromUtf8(extras));
    doc.OtherOptions = ini.ReadString(kState, QStringLiteral("OtherOptions"));
    const auto control = [&made](int i) {
        return i >= 0 && i < int(made.size()) ? made[size_t(i)] : nullptr;
    };
    std::vector<TmvControl*> zOrder;
    for (const int i : ReadNumberList(ini, QStringLiteral("ZOrder")))
        if (TmvControl* c = control(i)) zOrder.push_back(c);
    doc.ArrangeZOrder(zOrder);
    for (const int i : ReadNumberList(ini, QStringLiteral("Hidden")))
        HideControl(doc, control(i));
    for (const int i : ReadNumberList(ini, QStringLiteral("DesignHidden")))
        SetDesignHidden(doc, control(i), true);
    for (size_t i = 0; i < made.size(); ++i)
        if (made[i])
            made[i]->OtherStyles = ini.ReadString(
                kState, QStringLiteral("OtherStyles") + QString::number(i), QString());
}

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

QByteArray TmvUndoHistory::CaptureFile() const {
    TmvIniFile ini;
    WriteProject(doc_, ini);
    return ini.Text().toUtf8();
}

TmvUndoHistory::Capture TmvUndoHistory::CaptureDocument() const {
    return {CaptureFile(), WriteExtras(doc_)};
}

TmvUndoHistory::Sight TmvUndoHistory::CaptureSight() const {
    Sight sight;
    sight.ControlCount = doc_.ControlCount();
    sight.ClientSize = QSize(doc_.ClientWidth, doc_.ClientHeight);
    if (doc_.TabControl) sight.ActivePage = doc_.TabControl->ActivePage;
    if (doc_.Selection.empty() && !doc_.CurrentControl) return sight;
    QHash<const TmvControl*, int> zIndex;
    zIndex.reserve(doc_.ControlCount());
    for (int z = 0; z < doc_.ControlCount(); ++z)
        zIndex.insert(doc_.ControlAt(z), z);
    for (const TmvControl* control : doc_.Selection) {
        const int z = zIndex.value(control, -1);
        if (z < 0) continue;
        sight.Selection.push_back(z);
        sight.SelectedBounds.push_back(control->BoundsRect());
    }
    sight.Current = zIndex.value(doc_.CurrentControl, -1);
    return sight;
}

QString TmvUndoHistory::InferredName(const Sight& before, const Sight& after) const {
    if (after.ControlCount > before.ControlCount) return QStringLiteral("Oluştur");
    if (after.ControlCount < before.ControlCount) return QStringLiteral("Sil");
    bool moved = false;
    bool sized = false;
    for (size_t i = 0; i < before.Selection.size(); ++i) {
        const TmvControl* control = doc_.ControlAt(before.Selection[i]);
        if (!control) continue;
        const QRect now = control->BoundsRect();
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
    Capture now = CaptureDocument();
    const Sight sight = CaptureSight();
    const bool fileSame = now.File == topFile_;
    if (fileSame && now.Extras == top.Extras) {
        top.View = sight;
        if (key != openMerge_) openMerge_.clear();
        return false;
    }
    if (fileSame && name.isEmpty() && key.isEmpty()) {
        // Only the z-order or the surface's hiding moved, and no command asked for it.
        top.Extras = now.Extras;
        top.View = sight;
        openMerge_.clear();
        return false;
    }

    const QByteArray packed = qCompress(now.File, kCompression);
    const std::vector<const TmvControl*> selection(doc_.Selection.begin(), doc_.Selection.end());
    const bool merge = !key.isEmpty() && key == openMerge_ && index_ > 0 && !CanRedo() &&
                       selection == openMergeSelection_;
    if (merge) {
        const State& before = states_[size_t(index_ - 1)];
        if (packed == before.File && now.Extras == before.Extras) {
            // The merged step came back to where it started: it is no step any more.
            states_.pop_back();
            --index_;
            states_[size_t(index_)].View = sight;
            openMerge_.clear();
        } else {
            top.File = packed;
            top.Extras = now.Extras;
            top.View = sight;
        }
    } else {
        states_.erase(states_.begin() + index_ + 1, states_.end());
        State step;
        step.File = packed;
        step.Extras = now.Extras;
        step.Name = name.isEmpty() ? InferredName(top.View, sight) : name;
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
    topFile_ = std::move(now.File);
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
    const QByteArray file = qUncompress(state.File);
    TmvIniFile ini;
    ini.SetText(QString::fromUtf8(file));

    doc_.UpdatesSuspended = true;
    if (session_.LoadingChanged) session_.LoadingChanged(true);
    NullStatus silent;
    const std::vector<TmvControl*> made = ReadProject(doc_, ini, silent);
    ReadExtras(doc_, state.Extras, made);
    doc_.UpdatesSuspended = false;
    if (session_.LoadingChanged) session_.LoadingChanged(false);
    ApplySight(state.View);
    doc_.RepaintSurface();

    index_ = index;
    openMerge_.clear();
    doc_.StepHints = {};
    // What the document holds now is what the next comparison starts from, even should the
    // reader have put something differently from how it was written.
    Capture now = CaptureDocument();
    if (now.File != file) state.File = qCompress(now.File, kCompression);
    state.Extras = now.Extras;
    topFile_ = std::move(now.File);
    restoring_ = false;
    Notify();
}

void TmvUndoHistory::ApplySight(const Sight& sight) {
    // Putting the current control back is no click: it must not raise it in the z-order.
    const bool bringToFront = doc_.Options.BringToFront;
    doc_.Options.BringToFront = false;
    doc_.SetCurrentControl(nullptr);
    for (const int z : sight.Selection)
        if (TmvControl* control = doc_.ControlAt(z)) doc_.Select(control);
    if (TmvControl* current = doc_.ControlAt(sight.Current)) doc_.SetCurrentControl(current);
    if (doc_.TabControl && doc_.TabControl->Page(sight.ActivePage))
        doc_.TabControl->SetActivePage(sight.ActivePage);
    doc_.Options.BringToFront = bringToFront;
    doc_.RefreshSelection();
}

qsizetype TmvUndoHistory::MemoryBytes() const {
    qsizetype bytes = topFile_.size() + savedFile_.size();
    for (const State& state : states_)
        bytes += state.File.size() + state.Extras.size() +
                 qsizetype(state.View.Selection.size() * sizeof(int) +
                           state.View.SelectedBounds.size() * sizeof(QRect));
    return bytes;
}

bool TmvUndoHistory::IsModified() {
    // The live document against the saved text: a change not yet recorded as a step counts.
    return !savedKnown_ || CaptureFile() != savedFile_;
}

void TmvUndoHistory::StartNewHistory(bool saved) {
    states_.clear();
    Capture now = CaptureDocument();
    State base;
    base.File = qCompress(now.File, kCompression);
    base.Extras = now.Extras;
    base.View = CaptureSight();
    states_.push_back(std::move(base));
    index_ = 0;
    openMerge_.clear();
    doc_.StepHints = {};
    savedKnown_ = saved;
    savedFile_ = saved ? now.File : QByteArray();
    topFile_ = std::move(now.File);
    Notify();
}

void TmvUndoHistory::MarkSaved() {
    savedFile_ = CaptureFile();
    savedKnown_ = true;
    Notify();
}

void TmvUndoHistory::Notify() {
    if (Changed) Changed();
}

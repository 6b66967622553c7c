#include "app/mvObjBrowserList.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"

namespace {
constexpr int kEntryHeight = 15;
constexpr int kVisibleEntries = 20;

bool SortsBefore(const TmvControl* a, const TmvControl* b) {
    return QString::compare(a->Name(), b->Name(), Qt::CaseInsensitive) < 0;
}
} // namespace

// --- TmvControlListModel ---------------------------------------------------------------------

TmvControlListModel::TmvControlListModel(const DialogDocument& doc, QObject* parent)
    : QAbstractListModel(parent), doc_(doc), rows_{nullptr} {}

int TmvControlListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant TmvControlListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const TmvControl* control = ControlAt(index.row());
    return control ? control->Name() : QString();
}

TmvControl* TmvControlListModel::ControlAt(int row) const {
    return (row > 0 && row < int(rows_.size())) ? rows_[size_t(row)] : nullptr;
}

size_t TmvControlListModel::SortedRow(const TmvControl* control) const {
    return size_t(std::lower_bound(rows_.begin() + 1, rows_.end(), control, SortsBefore) -
                  rows_.begin());
}

int TmvControlListModel::RowOf(const TmvControl* control) const {
    if (!control) return 0;
    // Names are unique, so the entry lies at its sorted place; a name that changed behind the
    // list's back is still found by the scan.
    for (size_t row = SortedRow(control); row < rows_.size(); ++row) {
        if (rows_[row] == control) return int(row);
        if (SortsBefore(control, rows_[row])) break;
    }
    const auto it = std::find(rows_.begin() + 1, rows_.end(), control);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

void TmvControlListModel::Rebuild() {
    beginResetModel();
    rows_.assign(1, nullptr);
    rows_.reserve(size_t(doc_.ControlCount()) + 1);
    for (int i = 0; i < doc_.ControlCount(); ++i)
        rows_.push_back(doc_.ControlAt(i));
    std::sort(rows_.begin() + 1, rows_.end(), SortsBefore);
    endResetModel();
}

void TmvControlListModel::Empty() {
    beginResetModel();
    rows_.assign(1, nullptr);
    endResetModel();
}

void TmvControlListModel::Add(TmvControl* control) {
    if (!control || RowOf(control) >= 0) return;
    const int row = int(SortedRow(control));
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(rows_.begin() + row, control);
    endInsertRows();
}

void TmvControlListModel::Remove(TmvControl* control) {
    const int row = control ? RowOf(control) : -1;
    if (row <= 0) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void TmvControlListModel::Rename(TmvControl* control) {
    const int row = control ? RowOf(control) : -1;
    if (row <= 0) {
        RepaintAll();
        return;
    }
    // Where the entry belongs among the others.
    rows_.erase(rows_.begin() + row);
    const int target = int(SortedRow(control));
    rows_.insert(rows_.begin() + row, control);
    if (target != row) {
        // beginMoveRows counts the destination in the rows before the move.
        const int destination = target > row ? target + 1 : target;
        beginMoveRows(QModelIndex(), row, row, QModelIndex(), destination);
        rows_.erase(rows_.begin() + row);
        rows_.insert(rows_.begin() + target, control);
        endMoveRows();
    }
    const QModelIndex changed = index(RowOf(control));
    emit dataChanged(changed, changed);
}

void TmvControlListModel::RepaintAll() {
    if (!rows_.empty()) emit dataChanged(index(0), index(int(rows_.size()) - 1));
}

// --- Painting --------------------------------------------------------------------------------

void PaintControlEntry(QPainter& painter, const QRect& rect, const DialogDocument& doc,
                       const TmvControl* control, bool selected, bool focused,
                       const QPalette& palette, const QFont& font) {
    QColor fill = selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
    QColor ink =
        selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text);
    if (!control && !focused) {
        fill = palette.color(QPalette::Light); // the button highlight
        ink = Qt::black;
    }
    if (focused) ink = palette.color(QPalette::HighlightedText);
    painter.fillRect(rect, fill);

    QFont bold = font;
    bold.setBold(true);
    const QString name = (control ? VisibleName(*control) : doc.TableName) + QStringLiteral(": ");
    const QString kind =
        control ? ControlKeyword(control->ControlType) : QStringLiteral("main dialog");
    const QFontMetrics boldMetrics(bold);
    // Centred on the height of "0".
    const int top = rect.top() + (rect.height() - boldMetrics.height()) / 2;
    painter.setPen(ink);
    painter.setFont(bold);
    const QRect nameRect(rect.left() + 2, top, rect.width() - 2, boldMetrics.height());
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    painter.setFont(font);
    const int kindLeft = nameRect.left() + boldMetrics.horizontalAdvance(name) + 5;
    painter.drawText(QRect(kindLeft, top, std::max(0, rect.right() - kindLeft), nameRect.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, kind);
}

TmvControlListDelegate::TmvControlListDelegate(const DialogDocument& doc, QObject* parent)
    : QStyledItemDelegate(parent), doc_(doc) {}

void TmvControlListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const auto* model = static_cast<const TmvControlListModel*>(index.model());
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = selected && (option.state & QStyle::State_HasFocus);
    painter->save();
    PaintControlEntry(*painter, option.rect, doc_, model->ControlAt(index.row()),
                      selected || focused, focused, option.palette, option.font);
    painter->restore();
}

QSize TmvControlListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                       const QModelIndex&) const {
    return QSize(option.rect.width(), kEntryHeight);
}

// --- TmvControlListBox -----------------------------------------------------------------------

TmvControlListBox::TmvControlListBox(const DialogDocument& doc, QWidget* parent)
    : QComboBox(parent), doc_(doc), model_(new TmvControlListModel(doc, this)) {
    setObjectName(QStringLiteral("ControlList"));
    setModel(model_);
    setItemDelegate(new TmvControlListDelegate(doc, this));
    setMaxVisibleItems(kVisibleEntries);
    setFixedHeight(fontMetrics().height() + 8);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
}

void TmvControlListBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintControlEntry(painter, field, doc_, model_->ControlAt(currentIndex()), hasFocus(),
                      hasFocus(), palette(), font());
}

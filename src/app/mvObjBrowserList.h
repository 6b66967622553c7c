#pragma once
// The browser's control list: one entry per control, sorted by component name without regard
// to case, after one entry for the dialog itself. Each entry is drawn as the bold user name
// and the regular type keyword (the dialog's as its table name and "main dialog").
#include <QAbstractListModel>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <vector>

class DialogDocument;
class TmvControl;

class TmvControlListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TmvControlListModel(const DialogDocument& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The display text is the component name (empty for the dialog).
    QVariant data(const QModelIndex& index, int role) const override;

    // The control of a row; none for the dialog's row and for rows out of range.
    TmvControl* ControlAt(int row) const;
    // The row of a control (0, the dialog's, for none); -1 when it has no entry.
    int RowOf(const TmvControl* control) const;

    // Every control of the document, sorted.
    void Rebuild();
    // Only the dialog's entry, until Rebuild: the document is being filled in bulk.
    void Empty();
    void Add(TmvControl* control);
    void Remove(TmvControl* control);
    // The control's name changed: its entry moves to its sorted place.
    void Rename(TmvControl* control);
    // Every entry redraws (the dialog's table name changed).
    void RepaintAll();

private:
    // The first row at which the control's name sorts (row 0 is the dialog's).
    size_t SortedRow(const TmvControl* control) const;
    const DialogDocument& doc_;
    std::vector<TmvControl*> rows_; // rows_[0] is none: the dialog
};

// Paints one entry on the fill of its state; the closed list box paints its current entry the
// same way.
void PaintControlEntry(QPainter& painter, const QRect& rect, const DialogDocument& doc,
                       const TmvControl* control, bool selected, bool focused,
                       const QPalette& palette, const QFont& font);

class TmvControlListDelegate : public QStyledItemDelegate {
public:
    TmvControlListDelegate(const DialogDocument& doc, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const DialogDocument& doc_;
};

// The drop-down list itself: fixed-height entries, 20 visible rows.
class TmvControlListBox : public QComboBox {
    Q_OBJECT
public:
    TmvControlListBox(const DialogDocument& doc, QWidget* parent = nullptr);
    TmvControlListModel* Entries() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DialogDocument& doc_;
    TmvControlListModel* model_;
};

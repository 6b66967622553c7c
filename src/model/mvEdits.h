#pragma once
// The small input widgets of the program's own windows: a number edit that takes only an
// integer, an edit with a "..." button at its right end, and a caption on an etched line.
#include <QLineEdit>
#include <QWidget>

class QPushButton;

// A single-line edit for integers (positions, sizes, IDs, limits, grid sizes). Value() parses
// and clamps the text; NeedsUpdate tells the owner that the user committed the value: with Enter
// (fromExit false) or by leaving the field (fromExit true). Escape is left to the owner.
class TmvNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TmvNumberEdit(QWidget* parent = nullptr);

    // The text as a signed decimal integer, clamped to the bounds in use; text that is not a
    // number (or does not fit 32 bits) gives MinValue when UseMinValue, else 0.
    int Value() const;
    // Shows `value` in decimal.
    void SetValue(int value);

    int MinValue = 0;
    int MaxValue = 0;
    bool UseMinValue = false;
    bool UseMaxValue = false;
    // Both bounds at once, both in use.
    void SetRange(int minValue, int maxValue);

signals:
    void NeedsUpdate(bool fromExit);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// An edit with a small square "..." button inside its right end (icon file paths). The button
// takes no focus; clicking it raises ButtonClicked and then focuses the edit.
class TmvButtonEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TmvButtonEdit(QWidget* parent = nullptr);

    QPushButton* Button() const { return button_; }
    // A single border without the 3-D look: the button then keeps one pixel off the border.
    void SetSingleBorder(bool on);

signals:
    void ButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutButton();

    QPushButton* button_;
    bool singleBorder_ = false;
};

// A caption sitting on a horizontal etched line, which breaks behind it (section headings).
class TmvBevelLabel : public QWidget {
    Q_OBJECT
public:
    explicit TmvBevelLabel(const QString& caption = QString(), QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    // Pixels of free line on each side of the caption.
    int Gap() const { return gap_; }
    void SetGap(int gap);

    // Where the break in the line (the caption with its gaps) starts.
    int BoxLeft() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    int gap_ = 3;
};

#pragma once
// The popup that shows a dragged control's position or size beside the cursor: a tool-tip-like
// window that never takes activation, painted by TmvCustomHint.
#include <QWidget>

#include "model/mvCustomHint.h"

// Where a hint of `size` goes beside the cursor: 15 pixels to its right, or as far to its left
// where the screen ends; moved up where the screen's bottom would cut it, and never past the
// screen's left or top.
QPoint HintPlace(const QPoint& cursor, const QSize& size, const QRect& screen);

class TmvHintWindow : public QWidget {
    Q_OBJECT
public:
    TmvHintWindow();

    QString Text() const { return hint_.Text(); }
    // The window's width follows the text.
    void SetText(const QString& text);
    // Shows it 15 pixels right of the global cursor position, on top, without activating it,
    // and inside the cursor's screen (HintPlace).
    void ShowBeside(const QPoint& globalCursor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TmvCustomHint hint_;
};

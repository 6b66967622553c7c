#pragma once
// The popup that shows a dragged control's position or size beside the cursor: a tool-tip-like
// window that never takes activation, painted by TmvCustomHint.
#include <QWidget>

#include "model/mvCustomHint.h"

class TmvHintWindow : public QWidget {
    Q_OBJECT
public:
    TmvHintWindow();

    QString Text() const { return hint_.Text(); }
    // The window's width follows the text.
    void SetText(const QString& text);
    // Shows it 15 pixels right of the global cursor position, on top, without activating it.
    void ShowBeside(const QPoint& globalCursor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TmvCustomHint hint_;
};

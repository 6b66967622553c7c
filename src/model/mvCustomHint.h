#pragma once
// The small hint that shows a control's position or size while it is dragged: its state and
// its look. The surface puts it in a popup window beside the cursor.
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include "model/mvSystemColors.h"

class QPainter;

class TmvCustomHint {
public:
    explicit TmvCustomHint(const TmvSystemColors& colors = SystemColors());

    QString Text() const { return Caption; }
    // Stores the text; the width follows it (text width + 6).
    void SetText(const QString& text);
    QSize Size() const { return QSize(Width, Height); }
    QFont Font() const { return HintFont; }

    // Fills the window, draws the text at (3, 2) and a raised outer edge round it.
    void Paint(QPainter& painter) const;

    // The screen's hint font: the system's on Windows, Tahoma 8 pt (the classic one) elsewhere.
    static QFont ScreenHintFont();

private:
    TmvSystemColors Colors;
    QFont HintFont;
    QString Caption;
    int Width = 6;
    int Height = 0;
};

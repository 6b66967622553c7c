#pragma once
// The test window's widgets: a real Qt widget for a designed control, with the control's style
// words turned into the widget's properties. One maker per control type, in one table.
#include <QRect>
#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;
class TmvControl;

struct TmvTestWidget {
    QWidget* Widget = nullptr;         // placed at the control's rectangle
    QWidget* Focus = nullptr;          // what takes the keyboard; none for text, box, icon, link
    QAbstractButton* Button = nullptr; // what a button, check or radio presses
    // The caption's "&" letter gives the keyboard to the next control (text and box).
    bool FocusesNext = false;
    // A multi-line edit without "return": Enter presses the default button.
    bool PassesEnter = false;
    std::function<QString()> Value; // what "result" gives: the text, the state or the position
};

// A new widget for `control` in `parent`, in its font, enabled unless "disable", at `rect`
// (pixels of the client area); a drop-down combo is as tall as its edit and its list drops as
// far as the rectangle goes.
TmvTestWidget MakeTestWidget(const TmvControl& control, const QRect& rect, QWidget* parent);

// The focus for a text's or a box's "&" letter; set by the window once every widget is made.
void SetMnemonicTarget(const TmvTestWidget& made, QWidget* target);

#pragma once
// Window placements as the settings file stores them: "left,top,visible" or
// "left,top,a,b,flag". For the main window and the design surface a and b are the right and
// bottom edges of the client area and a non-zero flag means maximised; for the tool windows
// they are width and height and the flag "1" means visible. Putting a placement on a window is
// the window's business; this is only the text.
#include <QString>
#include <optional>

struct TmvPlacement {
    int Left = 0;
    int Top = 0;
    bool HasSize = false;   // five fields; otherwise three
    int Third = 0;          // right edge or width (five fields only)
    int Fourth = 0;         // bottom edge or height (five fields only)
    int Flag = 0;           // the last field as a number (maximised: non-zero)
    bool FlagIsOne = false; // the last field is the text "1" (visible)

    static TmvPlacement Short(int left, int top, bool visible);
    static TmvPlacement Long(int left, int top, int third, int fourth, int flag);
};

// Three or five decimal fields, split by the list rule. Anything else (too few or too many
// fields, a field that is not a number): none, with a reason in *error.
std::optional<TmvPlacement> ParsePlacement(const QString& text, QString* error = nullptr);
// "%d,%d,%d" or "%d,%d,%d,%d,%d".
QString FormatPlacement(const TmvPlacement& placement);

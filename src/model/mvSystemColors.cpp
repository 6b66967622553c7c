#include "model/mvSystemColors.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

TmvSystemColors TmvSystemColors::Classic() {
    TmvSystemColors c;
    c.Face = QColor(212, 208, 200);
    c.Highlight = QColor(255, 255, 255);
    c.Shadow = QColor(128, 128, 128);
    c.DarkShadow = QColor(64, 64, 64);
    c.Light = QColor(212, 208, 200);
    c.Window = QColor(255, 255, 255);
    c.WindowText = QColor(0, 0, 0);
    c.GrayText = QColor(128, 128, 128);
    c.ButtonText = QColor(0, 0, 0);
    c.InfoBackground = QColor(255, 255, 225);
    c.InfoText = QColor(0, 0, 0);
    c.ActiveCaption = QColor(10, 36, 106);
    c.CaptionText = QColor(255, 255, 255);
    c.InactiveCaption = QColor(128, 128, 128);
    c.InactiveCaptionText = QColor(212, 208, 200);
    c.SelectionHighlight = QColor(10, 36, 106);
    c.ScrollBar = QColor(212, 208, 200);
    return c;
}

#ifdef Q_OS_WIN
namespace {
// The roles GetSysColor gives; the captions and the scroll bar keep their classic values, as a
// dialog in mIRC shows them.
struct SystemRole {
    QColor TmvSystemColors::*color;
    int index;
};
constexpr SystemRole kSystemRoles[] = {
    {&TmvSystemColors::Face, COLOR_BTNFACE},
    {&TmvSystemColors::Highlight, COLOR_BTNHIGHLIGHT},
    {&TmvSystemColors::Shadow, COLOR_BTNSHADOW},
    {&TmvSystemColors::DarkShadow, COLOR_3DDKSHADOW},
    {&TmvSystemColors::Light, COLOR_3DLIGHT},
    {&TmvSystemColors::Window, COLOR_WINDOW},
    {&TmvSystemColors::WindowText, COLOR_WINDOWTEXT},
    {&TmvSystemColors::GrayText, COLOR_GRAYTEXT},
    {&TmvSystemColors::ButtonText, COLOR_BTNTEXT},
    {&TmvSystemColors::InfoBackground, COLOR_INFOBK},
    {&TmvSystemColors::InfoText, COLOR_INFOTEXT},
    {&TmvSystemColors::SelectionHighlight, COLOR_HIGHLIGHT},
};
} // namespace
#endif

TmvSystemColors SystemColors() {
    TmvSystemColors c = TmvSystemColors::Classic();
#ifdef Q_OS_WIN
    // Asked of the system itself: the offscreen platform's palette is Qt's own.
    for (const SystemRole& role : kSystemRoles) {
        const DWORD color = GetSysColor(role.index);
        c.*role.color = QColor(GetRValue(color), GetGValue(color), GetBValue(color));
    }
#endif
    return c;
}

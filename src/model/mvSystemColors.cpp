#include "model/mvSystemColors.h"

#include <QGuiApplication>
#include <QPalette>

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

TmvSystemColors TmvSystemColors::FromPalette(const QPalette& palette) {
    // Qt's Windows platform theme fills these roles from GetSysColor.
    TmvSystemColors c = Classic();
    c.Face = palette.color(QPalette::Active, QPalette::Button);
    c.Highlight = palette.color(QPalette::Active, QPalette::Light);
    c.Shadow = palette.color(QPalette::Active, QPalette::Dark);
    c.DarkShadow = palette.color(QPalette::Active, QPalette::Shadow);
    c.Light = palette.color(QPalette::Active, QPalette::Midlight);
    c.Window = palette.color(QPalette::Active, QPalette::Base);
    c.WindowText = palette.color(QPalette::Active, QPalette::Text);
    c.GrayText = palette.color(QPalette::Disabled, QPalette::Text);
    c.ButtonText = palette.color(QPalette::Active, QPalette::ButtonText);
    c.InfoBackground = palette.color(QPalette::Active, QPalette::ToolTipBase);
    c.InfoText = palette.color(QPalette::Active, QPalette::ToolTipText);
    c.SelectionHighlight = palette.color(QPalette::Active, QPalette::Highlight);
    return c;
}

TmvSystemColors SystemColors() {
#ifdef Q_OS_WIN
    if (qGuiApp) return TmvSystemColors::FromPalette(QGuiApplication::palette());
#endif
    return TmvSystemColors::Classic();
}

#include "surface/mvSurfaceFrameStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

QIcon SurfaceIcon(const QWidget* surface) {
    // A window of the frame's own gets the application's icon; only one set on the surface
    // counts.
    return surface && surface->testAttribute(Qt::WA_SetWindowIcon) ? surface->windowIcon()
                                                                   : QIcon();
}

TmvSurfaceFrameStyle::TmvSurfaceFrameStyle(QWidget* surface, QObject* parent) : surface_(surface) {
    setParent(parent);
}

QFont TmvSurfaceFrameStyle::DialogFont() const {
    return surface_ ? surface_->font() : QFont();
}

TmvWindowFrameMetrics TmvSurfaceFrameStyle::Metrics() const {
    return WindowFrameMetrics(DialogFont());
}

QRect TmvSurfaceFrameStyle::CaptionOf(const QRect& titleBar) {
    return titleBar.adjusted(0, 0, 0, -1);
}

int TmvSurfaceFrameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                      const QWidget* widget) const {
    switch (metric) {
    case PM_TitleBarHeight:
        // The sub-window adds its top border to this.
        return Metrics().TitleBarHeight() - Metrics().Border;
    case PM_MdiSubWindowFrameWidth:
        return Metrics().Border;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TmvSurfaceFrameStyle::styleHint(StyleHint hint, const QStyleOption* option,
                                    const QWidget* widget, QStyleHintReturn* ret) const {
    // The caption sits inside the border, as on Windows.
    if (hint == SH_TitleBar_NoBorder) return 0;
    return QProxyStyle::styleHint(hint, option, widget, ret);
}

void TmvSurfaceFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                         QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameWindow) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    PaintWindowBorder(*painter, option->rect, Metrics(), SystemColors());
}

void TmvSurfaceFrameStyle::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex* option, QPainter* painter,
                                              const QWidget* widget) const {
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (control != CC_TitleBar || !title) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    TmvCaptionLook look;
    look.Title = title->text;
    look.DialogFont = DialogFont();
    look.Active = title->state & State_Active;
    look.ClosePressed =
        (title->activeSubControls & SC_TitleBarCloseButton) && (title->state & State_Sunken);
    PaintCaption(*painter, CaptionOf(title->rect), SurfaceIcon(surface_), look, SystemColors());
}

QRect TmvSurfaceFrameStyle::subControlRect(ComplexControl control,
                                           const QStyleOptionComplex* option, SubControl sub,
                                           const QWidget* widget) const {
    if (control != CC_TitleBar) return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect caption = CaptionOf(option->rect);
    switch (sub) {
    case SC_TitleBarCloseButton:
        return CaptionCloseBoxRect(caption);
    case SC_TitleBarLabel:
        return CaptionTextRect(caption);
    case SC_TitleBarSysMenu:
        return CaptionIconRect(caption);
    default:
        // The dialog shows no other caption buttons.
        return QRect();
    }
}

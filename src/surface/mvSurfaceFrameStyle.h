#pragma once
// The design surface's window frame in the classic Windows look at the dialog's font, as mIRC
// will show the dialog: the style of the surface's sub-window only, the rest of the program
// keeps the application's style.
#include <QPointer>
#include <QProxyStyle>

#include "model/mvWindowFrame.h"

// The dialog's icon: one set on the surface; none gives the system's default window icon.
QIcon SurfaceIcon(const QWidget* surface);

class TmvSurfaceFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    // `surface` gives the dialog's font; the style is owned by `parent`.
    TmvSurfaceFrameStyle(QWidget* surface, QObject* parent);

    TmvWindowFrameMetrics Metrics() const;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr, QStyleHintReturn* ret = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;

private:
    QFont DialogFont() const;
    // The caption bar inside the title bar's rectangle: the line below it left out.
    static QRect CaptionOf(const QRect& titleBar);

    QPointer<QWidget> surface_;
};

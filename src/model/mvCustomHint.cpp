#include "model/mvCustomHint.h"

#include <QFontMetrics>
#include <QPainter>
#ifdef Q_OS_WIN
#include <QToolTip>
#endif

#include "model/mvFonts.h"
#include "model/mvPaintHelpers.h"

QFont TmvCustomHint::ScreenHintFont() {
#ifdef Q_OS_WIN
    return DialogTextFont(QToolTip::font());
#else
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return DialogTextFont(font);
#endif
}

TmvCustomHint::TmvCustomHint(const TmvSystemColors& colors)
    : Colors(colors), HintFont(ScreenHintFont()) {
    Height = TextHeightOfZero(HintFont) + 4;
    Width = 6;
}

void TmvCustomHint::SetText(const QString& text) {
    Caption = text;
    Width = QFontMetrics(ClassicFont(HintFont)).horizontalAdvance(text) + 6;
}

void TmvCustomHint::Paint(QPainter& painter) const {
    QRect r(0, 0, Width, Height);
    painter.fillRect(r, Colors.InfoBackground);
    DrawText(painter, QRect(3, 2, Width - 3, Height - 2),
             kTextNoPrefix | Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop, Caption, HintFont,
             Colors.InfoText);
    // The raised outer edge: light above and left, dark shadow below and right.
    Frame3D(painter, r, Colors.Light, Colors.DarkShadow);
}

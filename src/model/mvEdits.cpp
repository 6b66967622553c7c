#include "model/mvEdits.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

#include "model/mvSystemColors.h"

// --- TmvNumberEdit

TmvNumberEdit::TmvNumberEdit(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
    // Typed keys are filtered below; the validator also refuses pasted text that is no number.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), this));
}

int TmvNumberEdit::Value() const {
    bool ok = false;
    const QString t = text();
    // The whole text must be the number: no blanks, no sign but a leading "-".
    const bool wellFormed =
        !t.isEmpty() && !t.front().isSpace() && !t.back().isSpace() && t.front() != u'+';
    const int number = wellFormed ? t.toInt(&ok) : 0;
    if (!ok) return UseMinValue ? MinValue : 0;
    if (UseMinValue && number < MinValue) return MinValue;
    if (UseMaxValue && number > MaxValue) return MaxValue;
    return number;
}

void TmvNumberEdit::SetValue(int value) {
    setText(QString::number(value));
}

void TmvNumberEdit::SetRange(int minValue, int maxValue) {
    MinValue = minValue;
    MaxValue = maxValue;
    UseMinValue = true;
    UseMaxValue = true;
}

void TmvNumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit NeedsUpdate(false);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint()) {
        const QChar c = typed.front();
        bool accepted = c.isDigit() && c.unicode() < 128;
        if (c == u'-') {
            // A minus sign only at the start, and only one.
            const int at = hasSelectedText() ? selectionStart() : cursorPosition();
            const bool replacesSign = hasSelectedText() && selectionStart() == 0;
            accepted = at == 0 && (!text().startsWith(u'-') || replacesSign);
        }
        if (!accepted) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TmvNumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the field commits; switching windows or opening a context menu does not leave it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit NeedsUpdate(true);
}

// --- TmvButtonEdit

TmvButtonEdit::TmvButtonEdit(QWidget* parent)
    : QLineEdit(parent), button_(new QPushButton(QStringLiteral("..."), this)) {
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setFont(font());
    button_->setCursor(Qt::ArrowCursor);
    connect(button_, &QPushButton::clicked, this, [this] {
        emit ButtonClicked();
        setFocus(Qt::OtherFocusReason);
    });
    LayoutButton();
}

void TmvButtonEdit::SetSingleBorder(bool on) {
    singleBorder_ = on;
    LayoutButton();
}

void TmvButtonEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    LayoutButton();
}

void TmvButtonEdit::LayoutButton() {
    // The client area lies inside the edit's frame.
    int frame = 0;
    if (hasFrame()) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    }
    const QRect client = rect().adjusted(frame, frame, -frame, -frame);
    const int b = singleBorder_ ? 1 : 0;
    const int side = qMax(0, client.height() - 2 * b);
    button_->setGeometry(client.right() + 1 - side - b, client.top() + b, side, side);
    setTextMargins(0, 0, side + 2, 0);
}

// --- TmvBevelLabel

TmvBevelLabel::TmvBevelLabel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
    resize(200, 20);
}

void TmvBevelLabel::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void TmvBevelLabel::SetAlignment(Qt::Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    update();
}

void TmvBevelLabel::SetGap(int gap) {
    if (gap == gap_) return;
    gap_ = gap;
    update();
}

int TmvBevelLabel::BoxLeft() const {
    const int boxWidth = fontMetrics().horizontalAdvance(caption_) + 2 * gap_;
    if (alignment_ & Qt::AlignRight) return width() - boxWidth - 10;
    if (alignment_ & Qt::AlignHCenter) return (width() - boxWidth) / 2;
    return 10;
}

void TmvBevelLabel::paintEvent(QPaintEvent*) {
    const TmvSystemColors colors = SystemColors();
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int boxWidth = metrics.horizontalAdvance(caption_) + 2 * gap_;
    const int x = BoxLeft();
    const int y = (height() - 2) / 2;
    painter.setPen(colors.Shadow);
    painter.drawLine(0, y + 1, width(), y + 1);
    painter.setPen(colors.Highlight);
    painter.drawLine(0, y + 2, width(), y + 2);
    painter.fillRect(QRect(x, y + 1, boxWidth - 1, 2), colors.Face);
    painter.setPen(palette().color(QPalette::WindowText));
    const int captionTop = (height() - metrics.height()) / 2;
    painter.drawText(QRect(x + gap_, captionTop, boxWidth, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

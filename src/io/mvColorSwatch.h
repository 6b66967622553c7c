#pragma once
// A colour swatch of the preferences: a framed box filled with its colour; a click (or Space)
// opens a colour dialog and takes the colour chosen there.
#include <QColor>
#include <QFrame>
#include <functional>

class TmvColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit TmvColorSwatch(QWidget* parent = nullptr);

    // As a Windows colour value (0x00BBGGRR); bits above the three colour bytes are dropped.
    int ColorRef() const;
    void SetColorRef(int value);
    QColor Color() const { return color_; }

    // Asks for a colour starting at the current one; an invalid colour means the user cancelled.
    // By default the standard colour dialog; tests answer here.
    static std::function<QColor(const QColor& current, QWidget* owner)>& ChooseColor();

    void ChooseClick();

signals:
    void ColorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor color_ = Qt::black;
};

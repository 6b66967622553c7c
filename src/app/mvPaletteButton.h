#pragma once
// One button of the control palette: a picture from the palette images over a push-button
// face, which stays down until the palette releases it. A flat button shows only its picture
// until the mouse is over it.
#include <QList>
#include <QPixmap>
#include <QWidget>

class TmvPaletteButton : public QWidget {
    Q_OBJECT
public:
    explicit TmvPaletteButton(QWidget* parent = nullptr);

    bool Down() const { return down_; }
    void SetDown(bool on);
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    bool MouseInside() const { return mouseInside_; }
    // The main window's palette pictures (not owned); none draws no picture.
    void SetImages(const QList<QPixmap>* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    // The control type the button arms.
    int Tag = 0;

signals:
    // A left press toggled Down.
    void OnPress(TmvPaletteButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetMouseInside(bool on);

    bool down_ = false;
    bool flat_ = false;
    bool mouseInside_ = false;
    const QList<QPixmap>* images_ = nullptr;
    int imageIndex_ = -1;
};

#pragma once
// The eight grab handles around the current control: small child windows of the surface that
// start a size drag in their direction. They are placed by SetCurrentControl, follow the
// current control while it moves alone, and hide during a move.
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>

class DialogDocument;

class TmvGrabHandle : public QWidget {
    Q_OBJECT
public:
    // `direction` is the set of edges it drags (mvDragMath's TmvSizeEdge bits).
    TmvGrabHandle(int direction, const DialogDocument& doc, QWidget* surface);
    int Direction() const { return direction_; }

    // A press with any button but the right one; the surface decides whether a size drag starts.
    std::function<void(TmvGrabHandle*, QMouseEvent*)> OnPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int direction_;
    const DialogDocument& doc_;
};

class TmvGrabHandles {
public:
    // Created once for the surface, hidden. `offset` is added to client coordinates (the surface's
    // client area starts below the imitated menu bar).
    TmvGrabHandles(const DialogDocument& doc, QWidget* surface);

    // Hides them, moves them round `bounds` (client pixels) when it differs from the bounds
    // remembered, shows them and remembers the bounds.
    void Place(const QRect& bounds, int offsetY);
    void Hide();
    void Show();
    // Repaints them in the right look (locked or not).
    void Redraw();
    // The next Place moves the handles even to the bounds remembered.
    void Forget() { remembered_ = QRect(); }
    bool Shown() const { return shown_; }
    QRect RememberedBounds() const { return remembered_; }
    TmvGrabHandle* At(int index) const { return handles_[size_t(index)]; }
    static constexpr int Count = 8;

private:
    std::array<TmvGrabHandle*, Count> handles_{}; // children of the surface
    QRect remembered_;
    int offsetY_ = 0;
    bool shown_ = false;
};

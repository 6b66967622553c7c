#pragma once
// The dialog's menu bar as Windows lays it out and as the design surface imitates it: the bar's
// rows for a width, the band above the surface's client area, its painting, and the filter that
// makes clicks on the band do nothing.
#include <QFont>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <vector>

#include "model/mvSystemColors.h"

class DialogDocument;
class QPainter;
class TmvMenuTree;

// The screen's menu font: the system's on Windows; Tahoma at 8 points elsewhere.
QFont MenuBarFont();
// Height of one row of the bar in that font.
int MenuBarRowHeight(const QFont& font);

// What the bar shows for a menu: its text, with a blank after a bare "-" so that it is not
// drawn as a separator.
QString MenuBarCaption(const QString& text);
// The bar captions of the tree's menus, in order.
QStringList MenuBarCaptions(const TmvMenuTree& menu);

struct TmvMenuBarLayout {
    std::vector<QRect> Items; // one rectangle per caption, in bar coordinates
    int Rows = 0;
    int Height = 0; // every row and the line under the bar; 0 without captions
};
// Captions flow left to right and wrap onto a new row when the next one does not fit.
TmvMenuBarLayout LayoutMenuBar(const QStringList& captions, int width,
                               const QFont& font = MenuBarFont());
// The height a bar of the tree's menus takes across `width` pixels; 0 without menus.
int MenuBarHeightOf(const TmvMenuTree& menu, int width);
// Sets the document's MenuBarHeight for its menus across its client width: every change of the
// menus or of the width comes through here.
void UpdateMenuBarHeight(DialogDocument& doc);

// The band's rectangle on the surface, whose client area starts below it.
QRect MenuBarBandRect(int clientWidth, int menuBarHeight);
// The grey band with its two shadow and highlight line pairs and "Menu Bar" centred.
void PaintMenuBarBand(QPainter& painter, const QRect& band, const TmvSystemColors& colors);
// Whether a point in client coordinates (negative y above the client area) lies on the band.
bool MenuBarHit(const QPoint& clientPoint, int clientWidth, int menuBarHeight);

// Installed on the surface: presses, releases, double clicks and context menus on the band are
// swallowed, so the band behaves as the window frame it stands for.
class TmvMenuBarClickFilter : public QObject {
public:
    TmvMenuBarClickFilter(const DialogDocument& doc, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnBand(const QPoint& widgetPoint) const;
    const DialogDocument& doc_;
    bool pressOnBand_ = false;
};

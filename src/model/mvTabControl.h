#pragma once
// The dialog's one tab control and its pages. Each page has its own ID, caption, "Lock ID"
// and quoting flag, and the tab control writes one table line per page.
#include <memory>
#include <vector>

#include "model/mvControls.h"

class TmvTabPage {
public:
    TmvTabPage(int id, const QString& caption) : ID(id), Caption(caption) {}
    int ID;
    QString Caption;
    bool StaticID = false;
    std::vector<TmvControl*> Controls; // not owning, in insertion order
    bool NoQuotes = false;
};

class TmvTab : public TmvControl {
public:
    explicit TmvTab(const QFont& font);
    ~TmvTab() override;

    bool Refresh = false; // the next SetActivePage re-applies visibility even when unchanged
    std::vector<std::unique_ptr<TmvTabPage>> Pages;
    int FirstTab = 0;
    mutable bool TabsOverflow = false; // recomputed by every paint
    int ActivePage = -1;

    // The ID and "Lock ID" of the active page; the tab control's own when it has no pages.
    int GetID() const override;
    void SetID(int id) override;
    bool GetStaticID() const override;
    void SetStaticID(bool v) override;

    QRect LogicalRect() const override;
    void SetLogicalRect(const QRect& r) override;
    QRect DeflateRect(const QRect& r) const override;

    int PageCount() const { return int(Pages.size()); }
    TmvTabPage* Page(int index) const;
    TmvTabPage* ActivePageObject() const { return Page(ActivePage); }
    // Appends a page captioned "Tab n" and makes it active.
    TmvTabPage* AddPage(int id);
    // Deletes the page's controls through the host (dropped when there is none), then the
    // page; FirstTab goes back to 0. The caller chooses the new active page.
    void DeletePage(int index);
    // Makes a page active and shows exactly the page controls that ShownOnSurface allows.
    void SetActivePage(int index);
    void SetPageCaption(int index, const QString& text);
    // Sets every page control's TabIndex to the index of the page that holds it.
    void RenumberPages();
    // Moves the controls of every page that are not themselves selected (a move of the
    // selection moves those already), or that `movesItself` does not name.
    void MovePageControls(int dx, int dy);
    void MovePageControls(int dx, int dy,
                          const std::function<bool(const TmvControl*)>& movesItself);
    void ScrollStrip(int delta);
    // The page whose tab contains x (control pixels); the active page when none does.
    int PageAtX(int x) const;
    // The page body under the strip, in the control's own pixels; the strip sits lower in
    // dialog-unit mode.
    QRect PageBody(bool useDbu) const;
    // Width of a page's tab in the strip: the caption's width plus 25.
    int TabWidth(int index) const;
    // The table line of a page; page 0 alone carries the rectangle.
    QString PageLine(int index) const;
    // The page lines in order (no lines when there are no pages).
    QStringList BuildPageLines() const;
    QString BuildLine() const override { return BuildPageLines().join(QStringLiteral("\r\n")); }

protected:
    // The strip, its overflow arrows and the page body (mvTabPaint.cpp).
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

// Whether a control shows on the surface: it is not hidden there, and when it lies on a page,
// that page is the tab control's active one and the tab control is not hidden either.
bool ShownOnSurface(const TmvControl& control, const TmvTab* tab);

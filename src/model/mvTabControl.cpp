#include "model/mvTabControl.h"

#include <QFontMetrics>

#include "model/mvControlHost.h"

TmvTab::TmvTab(const QFont& font) : TmvControl(ctTab, font) {
    Width = 200;
    Height = 100;
    Font.setFamily(QStringLiteral("MS Sans Serif"));
    ComponentName = QStringLiteral("marovel_tabcontrol");
}

TmvTab::~TmvTab() {
    // Pages go from the last to the first, each with its controls.
    for (int i = PageCount() - 1; i >= 0; --i)
        DeletePage(i);
    if (Host) Host->TabControlDestroyed(this);
}

TmvTabPage* TmvTab::Page(int index) const {
    return (index >= 0 && index < PageCount()) ? Pages[index].get() : nullptr;
}

int TmvTab::GetID() const {
    const TmvTabPage* page = ActivePageObject();
    return page ? page->ID : ID;
}

void TmvTab::SetID(int id) {
    if (TmvTabPage* page = ActivePageObject())
        page->ID = id;
    else
        ID = id;
}

bool TmvTab::GetStaticID() const {
    const TmvTabPage* page = ActivePageObject();
    return page ? page->StaticID : false;
}

void TmvTab::SetStaticID(bool v) {
    if (TmvTabPage* page = ActivePageObject())
        page->StaticID = v;
    else
        StaticID = v;
}

QRect TmvTab::LogicalRect() const {
    return DeflateRect(BoundsRect());
}

void TmvTab::SetLogicalRect(const QRect& r) {
    SetBounds(r.x(), r.y(), r.width() + 1, r.height() + 5);
}

QRect TmvTab::DeflateRect(const QRect& r) const {
    return QRect(r.x(), r.y(), r.width() - 1, r.height() - 5);
}

TmvTabPage* TmvTab::AddPage(int id) {
    Pages.push_back(
        std::make_unique<TmvTabPage>(id, QStringLiteral("Tab %1").arg(PageCount() + 1)));
    SetActivePage(PageCount() - 1);
    Repaint();
    return Pages.back().get();
}

void TmvTab::DeletePage(int index) {
    TmvTabPage* page = Page(index);
    if (!page) return;
    while (!page->Controls.empty()) {
        TmvControl* control = page->Controls.front();
        if (control && Host) Host->DeleteControlRequest(control);
        // The host removes the control from the page; whatever is still listed is dropped.
        if (!page->Controls.empty() && page->Controls.front() == control)
            page->Controls.erase(page->Controls.begin());
    }
    Pages.erase(Pages.begin() + index);
    FirstTab = 0;
    Repaint();
}

void TmvTab::SetActivePage(int index) {
    if (index == ActivePage && !Refresh) return;
    ActivePage = index;
    for (const auto& page : Pages)
        for (TmvControl* control : page->Controls)
            if (control) control->SetVisible(ShownOnSurface(*control, this));
    Repaint();
    Refresh = false;
}

void TmvTab::SetPageCaption(int index, const QString& text) {
    TmvTabPage* page = Page(index);
    if (!page || page->Caption == text) return;
    page->Caption = text;
    Repaint();
}

void TmvTab::RenumberPages() {
    Refresh = true;
    for (int i = 0; i < PageCount(); ++i)
        for (TmvControl* control : Pages[i]->Controls)
            if (control) control->TabIndex = i;
}

void TmvTab::MovePageControls(int dx, int dy) {
    MovePageControls(dx, dy, [this](const TmvControl* c) { return Host && Host->IsSelected(c); });
}

void TmvTab::MovePageControls(int dx, int dy,
                              const std::function<bool(const TmvControl*)>& movesItself) {
    for (const auto& page : Pages)
        for (TmvControl* control : page->Controls)
            if (control && !movesItself(control))
                control->SetBounds(control->Left + dx, control->Top + dy, control->Width,
                                   control->Height);
}

void TmvTab::ScrollStrip(int delta) {
    const int first = FirstTab + delta;
    if (first < 0 || first > PageCount() - 1) return;
    FirstTab = first;
    Repaint();
}

int TmvTab::TabWidth(int index) const {
    const TmvTabPage* page = Page(index);
    return page ? QFontMetrics(Font).horizontalAdvance(page->Caption) + 25 : 0;
}

int TmvTab::PageAtX(int x) const {
    int left = 0;
    for (int i = FirstTab; i < PageCount(); ++i) {
        const int width = TabWidth(i);
        if (x >= left && x <= left + width) return i;
        left += width;
    }
    return ActivePage;
}

QString TmvTab::PageLine(int index) const {
    const TmvTabPage* page = Page(index);
    if (!page) return QString();
    const QString caption =
        page->NoQuotes ? page->Caption : QLatin1Char('"') + page->Caption + QLatin1Char('"');
    QString line =
        QStringLiteral("tab ") + caption + QStringLiteral(", ") + QString::number(page->ID);
    if (index == 0) {
        line += QStringLiteral(", ") + TableRect();
        // The first page's line is the tab control's: its kept words follow the rectangle.
        if (!OtherStyles.trimmed().isEmpty()) line += QStringLiteral(", ") + OtherStyles.trimmed();
    }
    return line;
}

QStringList TmvTab::BuildPageLines() const {
    QStringList lines;
    for (int i = 0; i < PageCount(); ++i)
        lines << PageLine(i);
    return lines;
}

bool ShownOnSurface(const TmvControl& control, const TmvTab* tab) {
    if (control.DesignHidden) return false;
    if (control.TabIndex < 0) return true;
    return tab && control.TabIndex == tab->ActivePage && !tab->DesignHidden;
}

#include "app/mvMnemonicWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/mvTabControl.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuTree.h"

namespace {
QString Quoted(const QString& text) {
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

QString LineText(const TmvMnemonicClash& clash, const TmvTab* tab) {
    QStringList owners;
    for (const TmvControl* control : clash.Controls)
        owners << VisibleName(*control) + QLatin1Char(' ') + Quoted(control->Text);
    for (int page : clash.PageCaptions)
        owners << QStringLiteral("sekme ") + Quoted(tab->Pages[size_t(page)]->Caption);
    for (const TmvMenuNode* entry : clash.Entries)
        owners << QStringLiteral("menü ") + Quoted(entry->Text);
    QString line = QStringLiteral("&") + clash.Key.toUpper() + QStringLiteral(":  ") +
                   owners.join(QStringLiteral(", "));
    if (clash.Page >= 0 && tab)
        line += QStringLiteral("  (sayfa ") + Quoted(tab->Pages[size_t(clash.Page)]->Caption) +
                QLatin1Char(')');
    return line;
}
} // namespace

TMnemonicWindow::TMnemonicWindow(DialogDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("MnemonicWindow"));
    setWindowTitle(QStringLiteral("Erişim Tuşları"));
    Summary = new QLabel(this);
    ClashList = new QListWidget(this);
    ClashList->setObjectName(QStringLiteral("ClashList"));
    CloseButton = new QPushButton(QStringLiteral("Kapat"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(ClashList);
    layout->addLayout(buttons);
    resize(460, 260);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ClashList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(ClashList->row(item)); });
    connect(ClashList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(ClashList->row(item)); });
}

void TMnemonicWindow::Refresh() {
    clashes_ = FindMnemonicClashes(doc_);
    ClashList->clear();
    for (const TmvMnemonicClash& clash : clashes_)
        ClashList->addItem(LineText(clash, doc_.TabControl));
    Summary->setText(clashes_.empty()
                         ? QStringLiteral("Hiçbir erişim tuşu iki kez kullanılmıyor.")
                         : QStringLiteral("Birden çok yerde kullanılan erişim tuşları:"));
}

void TMnemonicWindow::Choose(int row) {
    if (row < 0 || row >= int(clashes_.size())) return;
    const TmvMnemonicClash& clash = clashes_[size_t(row)];
    if (clash.Entries.size() > 0) return;
    std::vector<TmvControl*> chosen;
    for (TmvControl* control : clash.Controls)
        if (doc_.Owns(control)) chosen.push_back(control); // the dialog may have changed since
    TmvTab* tab = doc_.TabControl;
    // Pages' captions are shown by the tab control, with the first of them.
    if (tab && !clash.PageCaptions.empty()) chosen.push_back(tab);
    const int page =
        clash.Page >= 0 ? clash.Page : (clash.PageCaptions.empty() ? -1 : clash.PageCaptions[0]);
    if (tab && page >= 0 && page < tab->PageCount()) tab->SetActivePage(page);
    doc_.ClearSelection();
    for (TmvControl* control : chosen)
        doc_.Select(control);
    doc_.SetCurrentControl(chosen.empty() ? nullptr : chosen.back());
    doc_.RepaintSurface();
}

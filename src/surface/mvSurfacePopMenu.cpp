#include "surface/mvSurfacePopMenu.h"

#include <algorithm>

#include "surface/mvZOrder.h"

TmvSurfacePopMenu::TmvSurfacePopMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("PopMenu"));
    pmCut = Entry(this, "pmCut", QStringLiteral("Ke&s"));
    pmCopy = Entry(this, "pmCopy", QStringLiteral("&Kopyala"));
    pmPaste = Entry(this, "pmPaste", QStringLiteral("&Yapıştır"));
    pmDelete = Entry(this, "pmDelete", QStringLiteral("&Sil"));
    pmDuplicate = Entry(this, "pmDuplicate", QStringLiteral("&Çoğalt"));
    addSeparator();
    pmBringToFront = Entry(this, "pmBringToFront", QStringLiteral("Öne &Getir"));
    pmBringForward = Entry(this, "pmBringForward", QStringLiteral("&Bir Öne Getir"));
    pmSendBackward = Entry(this, "pmSendBackward", QStringLiteral("Bir Arkaya Gön&der"));
    pmSendToBack = Entry(this, "pmSendToBack", QStringLiteral("&Arkaya Gönder"));
    addSeparator();
    pmAlignToGrid = Entry(this, "pmAlignToGrid", QStringLiteral("&Izgaraya Hizala"));
    pmPosition = addMenu(QStringLiteral("&Konum"));
    pmPosition->setObjectName(QStringLiteral("pmPosition"));
    pmAlignment = Entry(pmPosition, "pmAlignment", QStringLiteral("&Hizalama..."));
    pmSpacing = Entry(pmPosition, "pmSpacing", QStringLiteral("&Aralık..."));
    pmSizing = Entry(pmPosition, "pmSizing", QStringLiteral("&Boyut..."));
    addSeparator();
    pmVisibility = addMenu(QStringLiteral("Gö&rünürlük"));
    pmVisibility->setObjectName(QStringLiteral("pmVisibility"));
    pmHide = Entry(pmVisibility, "pmHide", QStringLiteral("Gösterme"));
    pmUnhide = Entry(pmVisibility, "pmUnhide", QStringLiteral("Göster"));
    pmUnhideAll = Entry(pmVisibility, "pmUnhideAll", QStringLiteral("Hepsini Göster"));
    pmLocking = addMenu(QStringLiteral("K&ilit"));
    pmLocking->setObjectName(QStringLiteral("pmLocking"));
    pmLock = Entry(pmLocking, "pmLock", QStringLiteral("Kilitle"));
    pmUnlock = Entry(pmLocking, "pmUnlock", QStringLiteral("Kilidi Aç"));
    pmLockAll = Entry(pmLocking, "pmLockAll", LockAllCaption(false));
    addSeparator();
    pmControlOrder = Entry(this, "pmControlOrder", QStringLiteral("&Oluşturma Sırası..."));
    needCurrent_ = {pmBringToFront, pmBringForward, pmSendBackward, pmSendToBack, pmDuplicate,
                    pmAlignToGrid,  pmHide,         pmAlignment,    pmSpacing,    pmSizing};
}

QAction* TmvSurfacePopMenu::Entry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false);
    return action;
}

void TmvSurfacePopMenu::BindClipboard(QAction* cut, QAction* copy, QAction* paste, QAction* del) {
    QAction** places[] = {&pmCut, &pmCopy, &pmDelete};
    QAction* bound[] = {cut, copy, del};
    for (int i = 0; i < 3; ++i) {
        if (!bound[i]) continue;
        QAction* placeholder = *places[i];
        insertAction(placeholder, bound[i]);
        removeAction(placeholder);
        delete placeholder;
        *places[i] = bound[i];
    }
    // Paste keeps an entry of its own, which pastes at the point clicked; it is enabled as the
    // main window's command is.
    if (!paste) return;
    const auto follow = [this, paste] { pmPaste->setEnabled(paste->isEnabled()); };
    follow();
    connect(paste, &QAction::changed, this, follow);
    if (!IsWired(pmPaste)) wired_.push_back(pmPaste);
}

void TmvSurfacePopMenu::Wire(QAction* entry, std::function<void()> command) {
    if (!entry || !command) return;
    connect(entry, &QAction::triggered, this, [command] { command(); });
    if (!IsWired(entry)) wired_.push_back(entry);
    entry->setEnabled(true);
}

void TmvSurfacePopMenu::AddArrangeMenu(QMenu* menu) {
    const QList<QAction*> entries = actions();
    insertMenu(entries.value(entries.indexOf(pmPosition->menuAction()) + 1), menu);
}

bool TmvSurfacePopMenu::IsWired(const QAction* entry) const {
    return std::find(wired_.begin(), wired_.end(), entry) != wired_.end();
}

void TmvSurfacePopMenu::Prepare(bool hasCurrentControl, bool lockAll) {
    for (QAction* entry : needCurrent_)
        entry->setEnabled(hasCurrentControl && IsWired(entry));
    const bool anyPosition = IsWired(pmAlignment) || IsWired(pmSpacing) || IsWired(pmSizing);
    pmPosition->menuAction()->setEnabled(hasCurrentControl && anyPosition);
    pmLockAll->setText(LockAllCaption(lockAll));
}

#include "surface/mvSettingsRecord.h"

#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

const QStringList& WindowPlacementKeys() {
    static const QStringList keys = {"MainDialog", "ObjectPalette", "ObjectBrowser",
                                     "MenuEditor", "StatusWindow",  "MainWindow"};
    return keys;
}

std::optional<TmvPlacement>* TmvWindowPlacements::Find(const QString& key) {
    std::optional<TmvPlacement>* fields[] = {&MainDialog, &ObjectPalette, &ObjectBrowser,
                                             &MenuEditor, &StatusWindow,  &MainWindow};
    for (qsizetype i = 0; i < WindowPlacementKeys().size(); ++i)
        if (WindowPlacementKeys()[i].compare(key, Qt::CaseInsensitive) == 0) return fields[i];
    return nullptr;
}

const std::optional<TmvPlacement>* TmvWindowPlacements::Find(const QString& key) const {
    return const_cast<TmvWindowPlacements*>(this)->Find(key);
}

int DefaultLegacyCodePage() {
#ifdef Q_OS_WIN
    return int(GetACP());
#else
    return 1254;
#endif
}

#pragma once
#include <QWidget>

class QTextBrowser;

// "Marovel Yardım": the program's HTML help, shown from the folder beside the program.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    THelpWindow(const QString& indexFile, QWidget* mainWindow);
    QTextBrowser* NavWindow;
};

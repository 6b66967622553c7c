#pragma once
#include <QDialog>

class QLabel;

// "Hakkında": product name, version, notice, information and the two addresses.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* mainWindow);
    QLabel* lblVersion;
    QLabel* urlEmail;
    QLabel* urlWebsite;
};

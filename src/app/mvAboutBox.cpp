#include "app/mvAboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mvAppInfo.h"
#include "app/mvWindowUtils.h"
#include "model/mvVersion.h"

namespace {
QLabel* LinkLabel(const QString& target, const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                       .arg(target.toHtmlEscaped(), text.toHtmlEscaped()));
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}
} // namespace

TAboutBox::TAboutBox(QWidget* mainWindow) : QDialog(mainWindow) {
    setWindowTitle(QStringLiteral("Marovel Türkçe Hakkında"));
    setFixedSize(295, 285);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);

    auto* banner = new QFrame(this);
    banner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    banner->setFixedSize(295, 79);
    auto* title = new QLabel(QStringLiteral("Marovel"), banner);
    QFont big = title->font();
    big.setPixelSize(52);
    big.setBold(true);
    title->setFont(big);
    title->setGeometry(10, 0, 280, 70);
    lblVersion = new QLabel(VersionText(), banner);
    QFont small = lblVersion->font();
    small.setPixelSize(9);
    lblVersion->setFont(small);
    lblVersion->adjustSize();
    lblVersion->move(295 - lblVersion->width() - 8, 79 - lblVersion->height() - 4);
    layout->addWidget(banner);

    auto* body = new QGridLayout;
    body->setContentsMargins(10, 4, 10, 4);
    auto* notice = new QLabel(QStringLiteral("A visual designer for mIRC dialogs."), this);
    body->addWidget(notice, 0, 0, 1, 2);
    body->addWidget(new QLabel(QStringLiteral("Bilgi:"), this), 1, 0, 1, 2);
    auto* info = new QLabel(
        QStringLiteral("Draw the dialog, edit its properties, and Marovel writes the dialog "
                       "table. Projects, import, export and live preview in mIRC."),
        this);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);
    body->addWidget(info, 2, 0, 1, 2);
    body->addWidget(new QLabel(QStringLiteral("Email:"), this), 3, 0);
    urlEmail =
        LinkLabel(QStringLiteral("mailto:") + SupportEmailAddress(), SupportEmailAddress(), this);
    body->addWidget(urlEmail, 3, 1);
    body->addWidget(new QLabel(QStringLiteral("Website:"), this), 4, 0);
    urlWebsite = LinkLabel(HomePageAddress(), HomePageAddress(), this);
    body->addWidget(urlWebsite, 4, 1);
    layout->addLayout(body);
    layout->addStretch(1);

    auto* close = new QPushButton(QStringLiteral("Kapat"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    CenterOnMainForm(this, mainWindow);
}

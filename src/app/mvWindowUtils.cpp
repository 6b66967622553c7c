#include "app/mvWindowUtils.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {
int fontScaleHeight = 13;
}

void CenterOnMainForm(QWidget* window, const QWidget* mainWindow) {
    if (!window || !mainWindow) return;
    // A window given no size takes its layout's size when it is first shown: centre it by that.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QRect main = mainWindow->frameGeometry();
    window->move(main.left() + (main.width() - window->width()) / 2,
                 main.top() + (main.height() - window->height()) / 2);
}

void SetFontScaleHeight(int zeroHeight) {
    fontScaleHeight = zeroHeight > 0 ? zeroHeight : 13;
}

int ScaleByFont(int v) {
    return int(std::nearbyint(double(v) * fontScaleHeight / 13.0));
}

QString UiFontFamily(const QStringList& installedFamilies) {
    const QString tahoma = QStringLiteral("Tahoma");
    return installedFamilies.contains(tahoma, Qt::CaseInsensitive) ? tahoma
                                                                   : QStringLiteral("Arial");
}

void ApplyUiFont(QWidget* window, bool useDefaultFont) {
    if (!window) return;
    // The window's own font is kept aside the first time it is replaced, so that turning the
    // setting back on restores it while the program runs.
    static const char* const kOwnFont = "mvOwnFont";
    if (useDefaultFont) {
        const QVariant own = window->property(kOwnFont);
        if (own.isValid()) window->setFont(own.value<QFont>());
        return;
    }
    if (!window->property(kOwnFont).isValid())
        window->setProperty(
            kOwnFont,
            QVariant::fromValue(window->testAttribute(Qt::WA_SetFont) ? window->font() : QFont()));
    QFont font(UiFontFamily(QFontDatabase::families()));
    font.setPointSize(8);
    window->setFont(font);
}

void SetTableMemoLook(QPlainTextEdit* memo) {
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed(QStringLiteral("Fixedsys"));
    fixed.setPixelSize(12);
    fixed.setStyleHint(QFont::TypeWriter);
    memo->setFont(fixed);
}

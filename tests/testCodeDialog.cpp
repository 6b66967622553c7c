// The dialog-table viewer: a fresh table on every showing, and the copy with CR LF line ends.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/mvCodeDialog.h"
#include "model/mvControls.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

namespace {
TEST(CodeDialog, EveryShowingShowsTheCurrentTableNeverAppended) {
    DialogDocument doc;
    TCodeDialog viewer(doc, nullptr);
    viewer.show();
    const QString first = viewer.CodeMemo->toPlainText();
    EXPECT_EQ(first, BuildDialogTable(doc).join(QLatin1Char('\n')));
    viewer.hide();

    Place(doc, ctButton, 10, 10, 60, 20);
    doc.TableName = QStringLiteral("away");
    viewer.show();
    const QStringList lines = viewer.CodeMemo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines, BuildDialogTable(doc));
    EXPECT_EQ(lines.count(QStringLiteral("}")), 1);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Dialog Table: away"));
}

TEST(CodeDialog, MemoIsReadOnlyFixedsysWithoutWrapping) {
    DialogDocument doc;
    TCodeDialog viewer(doc, nullptr);
    EXPECT_TRUE(viewer.CodeMemo->isReadOnly());
    EXPECT_EQ(viewer.CodeMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(viewer.CodeMemo->font().family(), QStringLiteral("Fixedsys"));
    EXPECT_EQ(viewer.CodeMemo->font().pixelSize(), 12);
    EXPECT_EQ(viewer.btnCopy->text(), QStringLiteral("Kopyala"));
    EXPECT_TRUE(viewer.btnCopy->isDefault());
    EXPECT_EQ(viewer.btnClose->text(), QStringLiteral("Kapat"));
}

TEST(CodeDialog, CopyPutsPlainTextWithCrLfAfterEveryLineIncludingTheBrace) {
    DialogDocument doc;
    Place(doc, ctEdit, 10, 10, 60, 20);
    TCodeDialog viewer(doc, nullptr);
    QGuiApplication::clipboard()->clear();
    viewer.btnCopy->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    const QString text = data->text();
    const QStringList table = BuildDialogTable(doc);
    EXPECT_EQ(text, table.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    EXPECT_TRUE(text.endsWith(QStringLiteral("}\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), table.size());
}

TEST(CodeDialog, CloseButtonHides) {
    DialogDocument doc;
    TCodeDialog viewer(doc, nullptr);
    viewer.show();
    viewer.btnClose->click();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(viewer.result(), QDialog::Rejected);
}
} // namespace

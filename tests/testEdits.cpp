// The number edit's reading, typing and commit rules, the button edit's layout and the bevel
// label's caption box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "model/mvEdits.h"

namespace {

struct ReadCase {
    const char* text;
    bool useMin;
    int minValue;
    bool useMax;
    int maxValue;
    int expected;
};

} // namespace

TEST(NumberEdit, ValueParsesAndClamps) {
    const ReadCase cases[] = {
        {"12", false, 0, false, 0, 12},
        {"-7", false, 0, false, 0, -7},
        {"12a", false, 0, false, 0, 0},
        {"12a", true, 5, false, 0, 5},
        {"", false, 0, false, 0, 0},
        {"-", true, -3, false, 0, -3},
        {"0", true, 1, false, 0, 1},
        {"99", false, 0, true, 10, 10},
        {" 4", false, 0, false, 0, 0},
        {"+4", false, 0, false, 0, 0},
        {"99999999999", true, 1, true, 9, 1},
        {"2147483647", false, 0, false, 0, 2147483647},
        {"-2147483648", false, 0, false, 0, INT_MIN},
    };
    for (const ReadCase& c : cases) {
        TmvNumberEdit edit;
        edit.UseMinValue = c.useMin;
        edit.MinValue = c.minValue;
        edit.UseMaxValue = c.useMax;
        edit.MaxValue = c.maxValue;
        edit.setValidator(nullptr); // the text is set as another program might
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.Value(), c.expected) << c.text;
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.text)) << "reading changes no text";
    }
}

TEST(NumberEdit, TypingKeepsDigitsAndOneLeadingMinus) {
    struct TypeCase {
        const char* start;
        int caret;
        const char* typed;
        const char* expected;
    };
    const TypeCase cases[] = {
        {"", 0, "1a2b3", "123"}, {"12", 1, "-", "12"},  {"12", 0, "-", "-12"},
        {"-12", 0, "-", "-12"},  {"5", 1, " x.,", "5"}, {"", 0, "-4", "-4"},
    };
    for (const TypeCase& c : cases) {
        TmvNumberEdit edit;
        edit.setText(QString::fromLatin1(c.start));
        edit.setCursorPosition(c.caret);
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.expected)) << c.start << " + " << c.typed;
    }
}

TEST(NumberEdit, EnterAndLeavingCommitWithTheirCause) {
    QWidget window;
    auto* edit = new TmvNumberEdit(&window);
    auto* other = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QSignalSpy spy(edit, &TmvNumberEdit::NeedsUpdate);
    QTest::keyClick(edit, Qt::Key_Return);
    other->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_FALSE(spy.at(0).at(0).toBool());
    EXPECT_TRUE(spy.at(1).at(0).toBool());
}

TEST(NumberEdit, PastedLettersAreRefused) {
    TmvNumberEdit edit;
    edit.setText(QStringLiteral("12"));
    edit.selectAll();
    edit.insert(QStringLiteral("ab"));
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
}

TEST(ButtonEdit, SquareButtonFillsTheClientHeightAtTheRightEnd) {
    TmvButtonEdit edit;
    edit.resize(120, 21);
    edit.show();
    const QRect b = edit.Button()->geometry();
    EXPECT_EQ(b.width(), b.height());
    const int frame = (21 - b.height()) / 2;
    EXPECT_EQ(b.top(), frame);
    EXPECT_EQ(b.right(), 120 - 1 - frame);
    EXPECT_EQ(edit.textMargins().right(), b.width() + 2);
    EXPECT_EQ(edit.Button()->focusPolicy(), Qt::NoFocus);

    QSignalSpy spy(&edit, &TmvButtonEdit::ButtonClicked);
    QTest::mouseClick(edit.Button(), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
}

TEST(BevelLabel, CaptionBoxByAlignment) {
    TmvBevelLabel label(QStringLiteral("Grid"));
    const int captionWidth = label.fontMetrics().horizontalAdvance(QStringLiteral("Grid"));
    const int boxWidth = captionWidth + 2 * 3;
    EXPECT_EQ(label.width(), 200);
    EXPECT_EQ(label.BoxLeft(), 10);
    label.SetAlignment(Qt::AlignRight);
    EXPECT_EQ(label.BoxLeft(), 200 - boxWidth - 10);
    label.SetAlignment(Qt::AlignHCenter);
    EXPECT_EQ(label.BoxLeft(), (200 - boxWidth) / 2);
}

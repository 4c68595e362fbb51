// The drop-down check list (summary rule, noun, bulk changes), spin edits and the lips.

#include "common/Errors.h"
#include "widgets/CheckListCombo.h"
#include "widgets/LipPicture.h"
#include "widgets/SpinEdit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <set>

#include <gtest/gtest.h>

using namespace sv;

TEST(CheckListSummary, FollowsTheRule)
{
    struct Case {
        int n, count;
        const char* noun;
        const char* text;
    };
    const Case cases[] = {
        {4, 4, "chapter", "ALL chapters selected."},
        {0, 4, "chapter", "No chapters selected."},
        {3, 4, "chapter", "3 chapters selected."},
        {1, 4, "chapter", "1 chapter selected."},
        {1, 1, "chapter", "ALL chapter selected."},
        {0, 0, "verse", "No verses selected."},
        {0, 3, "", "NONE selected."},
        {3, 3, "", "ALL selected."},
        {2, 3, "", "2 selected."},
        {2, 5, "memory verse", "2 memory verses selected."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckListSummary(c.n, c.count, c.noun).toStdString(), c.text) << c.n << "/" << c.count;
}

TEST(CheckListCombo, SummaryFollowsChangesAndWaitsDuringBulkChanges)
{
    TCheckListCombo list;
    list.SetItemNoun("chapter");
    for (const char* t : {"Gal 1", "Gal 2", "Gal 3", "Gal 4"})
        list.AddItem(t);
    EXPECT_EQ(list.Summary().toStdString(), "No chapters selected.");
    list.SetChecked(2, true);
    EXPECT_EQ(list.Summary().toStdString(), "1 chapter selected.");

    list.SetSummaryEnabled(false);
    list.SetAllChecked(true);
    EXPECT_EQ(list.Summary().toStdString(), "1 chapter selected."); // not recomputed while off
    list.SetSummaryEnabled(true);
    EXPECT_EQ(list.Summary().toStdString(), "ALL chapters selected.");
    EXPECT_EQ(list.accessibleDescription(), list.Summary()) << "a screen reader hears what is checked";

    EXPECT_EQ(list.CheckedStates(), (std::vector<bool>{true, true, true, true}));
    list.SetDropDownWidth(120);
    EXPECT_EQ(list.DropDownWidth(), 120);
    EXPECT_GE(list.view()->minimumWidth(), 120);
    EXPECT_THROW(list.Checked(4), ERangeError);
    EXPECT_THROW(list.Checked(-1), ERangeError);
}

TEST(CheckListCombo, PersonsTogglesAreSignalledAndTextsStayBytes)
{
    TCheckListCombo list;
    list.AddItem("Fr\xE9"
                 "d"); // Windows-1252 e acute
    list.AddItem("B");
    QSignalSpy spy(&list, &TCheckListCombo::ItemToggled);
    list.SetChecked(0, true); // a frame's own change is not signalled
    EXPECT_EQ(spy.count(), 0);
    list.ToggleItem(1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(list.ItemText(0), "Fr\xE9"
                                "d");
    EXPECT_EQ(list.itemText(0), QStringLiteral("Fr\u00E9d"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Summary().toStdString(), "NONE selected.");
}

TEST(CheckListCombo, OnlyAClickOnAnItemInTheOpenListTogglesIt)
{
    TCheckListCombo list;
    list.AddItem("A");
    list.AddItem("B");
    list.show();
    list.showPopup();
    QWidget* viewport = list.view()->viewport();
    const QPoint onFirst = list.view()->visualRect(list.view()->model()->index(0, 0)).center();
    // The release of the click that opened the list arrives without a press of its own.
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, onFirst);
    EXPECT_FALSE(list.Checked(0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onFirst);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
}

// A screen reader checks an item of the list through the item's "toggle" action (which selects
// or unselects the item); the keys and the pointer, which move the selection with the current
// item, still toggle nothing by moving.
TEST(CheckListCombo, AScreenReadersToggleOfAnItemChecksIt)
{
    TCheckListCombo list;
    for (const char* text : {"A", "B", "C"})
        list.AddItem(text);
    list.show();
    list.showPopup();
    QCoreApplication::processEvents(); // the list is open before anyone reads it
    QSignalSpy spy(&list, &TCheckListCombo::ItemToggled);
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(list.view());
    ASSERT_NE(items, nullptr);
    const auto toggle = [&](int row) {
        QAccessibleInterface* item = items->child(row);
        ASSERT_NE(item, nullptr);
        ASSERT_NE(item->actionInterface(), nullptr);
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCoreApplication::processEvents();
    };
    const int current = list.view()->currentIndex().row();
    const int other = current == 1 ? 2 : 1;
    // On, off again, and the current item (which the toggle unselects) on.
    std::vector<bool> expected(3, false);
    for (int row : {other, other, current}) {
        toggle(row);
        expected[static_cast<std::size_t>(row)] = !expected[static_cast<std::size_t>(row)];
        EXPECT_EQ(list.CheckedStates(), expected) << "after a toggle of item " << row;
    }
    EXPECT_EQ(spy.count(), 3);
    // Moving through the list with the keys checks nothing.
    QTest::keyClick(list.view(), Qt::Key_Down);
    QTest::keyClick(list.view(), Qt::Key_Up);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.CheckedStates(), expected);
    EXPECT_EQ(spy.count(), 3);
}

TEST(SpinEdit, KeepsItsRange)
{
    TSpinEdit spin(1, 1000);
    spin.setValue(5000);
    EXPECT_EQ(spin.value(), 1000);
    spin.setValue(0);
    EXPECT_EQ(spin.value(), 1);
}

// What is typed out of range is corrected in the box itself on Enter or when the box is left,
// so the number the person sees is the number used ("Limit to", the sets' counts).
TEST(SpinEdit, ATypedNumberOutOfRangeIsCorrectedWhereItIsSeen)
{
    struct {
        const char* typed;
        int value;
    } cases[] = {{"0", 1}, {"", 1}};
    for (const auto& c : cases) {
        TSpinEdit spin(1, 1000);
        spin.setValue(50);
        spin.show();
        spin.selectAll();
        QTest::keyClick(&spin, Qt::Key_Backspace);
        QTest::keyClicks(&spin, QString::fromLatin1(c.typed));
        QTest::keyClick(&spin, Qt::Key_Return);
        EXPECT_EQ(spin.text(), QString::number(c.value)) << c.typed;
        EXPECT_EQ(spin.value(), c.value) << c.typed;
    }
}

TEST(LipPicture, MovesOnlyWhileSpeaking)
{
    TLipPicture lips;
    bool speaking = false;
    lips.SetSpeakingQuery([&] { return speaking; });
    lips.Step();
    EXPECT_EQ(lips.Shape(), 0);
    speaking = true;
    std::set<int> shapes;
    for (int i = 0; i < 8; ++i) {
        lips.Step();
        shapes.insert(lips.Shape());
    }
    EXPECT_GE(shapes.size(), 3u);
    EXPECT_EQ(shapes.count(0), 0u);
    speaking = false;
    lips.Step();
    EXPECT_EQ(lips.Shape(), 0);
    // Drawing every shape works offscreen.
    lips.resize(64, 40);
    for (int s = 0; s < TLipPicture::ShapeCount; ++s) {
        lips.SetShape(s);
        EXPECT_FALSE(lips.grab().isNull());
    }
}

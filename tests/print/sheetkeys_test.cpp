// SPDX-License-Identifier: GPL-3.0-or-later
// Sheet positions by keyboard and for screen readers: the arrow keys' cursor, Space, and a check box per
// position.
#include "print/mergedialog_ui.h"
#include "print/mergefeed.h"
#include "print/positiondialog_ui.h"
#include "print/positionpicker.h"
#include "print/sheetpicture_ui.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace qm;

TEST(SheetKeys, ArrowsStopAtTheEdgesOfTheSheetAndPositionsAreNamedByRowAndColumn)
{
    const TSheetSelection sheet(CardSheetLayout(), SheetPositions(), 96); // 2 across, 5 down
    EXPECT_EQ(sheet.Step(-1, 1, 0), 0); // no cursor yet: the first position
    EXPECT_EQ(sheet.Step(0, 1, 0), 1);
    EXPECT_EQ(sheet.Step(1, 1, 0), 1); // the right edge
    EXPECT_EQ(sheet.Step(1, 0, 1), 3);
    EXPECT_EQ(sheet.Step(3, -1, 0), 2);
    EXPECT_EQ(sheet.Step(2, 0, -1), 0);
    EXPECT_EQ(sheet.Step(0, 0, -1), 0); // the top edge
    EXPECT_EQ(sheet.Step(8, 0, 1), 8);  // the bottom edge
    EXPECT_EQ(sheet.Step(9, -1, 0), 8);
    EXPECT_EQ(sheet.PositionName(0), QStringLiteral("Row 1, column 1"));
    EXPECT_EQ(sheet.PositionName(3), QStringLiteral("Row 2, column 2"));
    EXPECT_EQ(sheet.PositionName(8), QStringLiteral("Row 5, column 1"));

    TSheetSelection toggled(CardSheetLayout(), SheetPositions(), 96);
    EXPECT_TRUE(toggled.Toggle(9));
    EXPECT_FALSE(toggled.Selected(9));
    EXPECT_FALSE(toggled.Toggle(10));
    EXPECT_FALSE(toggled.Toggle(-1));
}

TEST(SheetKeys, ThePrintDialogsPictureTakesTheKeyboardAndReadsAsCheckBoxes)
{
    TSelectSpecificLabels dialog{CardSheetLayout(), SheetPositions()};
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* picture = static_cast<SheetPicture*>(dialog.PaintBox());
    picture->setFocus();
    ASSERT_TRUE(picture->hasFocus());
    EXPECT_EQ(picture->Cursor(), 0);

    // Down, Right, Space clears the second row's second card; Space again puts it back.
    QTest::keyClick(picture, Qt::Key_Down);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Right);
    EXPECT_EQ(picture->Cursor(), 3);
    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_FALSE(dialog.Positions().Selected(3));
    EXPECT_TRUE(dialog.Positions().Selected(2));

    QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(picture);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->text(QAccessible::Name), QStringLiteral("Sheet positions"));
    ASSERT_EQ(sheet->childCount(), 10);
    QAccessibleInterface* fourth = sheet->child(3);
    EXPECT_EQ(fourth->role(), QAccessible::CheckBox);
    EXPECT_EQ(fourth->text(QAccessible::Name), QStringLiteral("Row 2, column 2"));
    EXPECT_TRUE(fourth->state().checkable);
    EXPECT_FALSE(fourth->state().checked);
    EXPECT_TRUE(fourth->state().focused);
    EXPECT_TRUE(sheet->child(2)->state().checked);
    EXPECT_FALSE(sheet->child(2)->state().focused);
    EXPECT_EQ(sheet->focusChild(), fourth);
    EXPECT_EQ(sheet->indexOfChild(fourth), 3);
    const QRect onScreen = fourth->rect();
    EXPECT_EQ(sheet->childAt(onScreen.center().x(), onScreen.center().y()), fourth);

    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_TRUE(dialog.Positions().Selected(3));
    EXPECT_TRUE(fourth->state().checked);
}

TEST(SheetKeys, PrintMergeTakesTheFirstCardsPositionByKeyboard)
{
    TMergeFeed merge;
    TMergeDialog dialog(merge, CardSheetLayout());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* picture = dialog.findChild<SheetPicture*>(QStringLiteral("StartPicture"));
    ASSERT_NE(picture, nullptr);
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Down);
    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_EQ(merge.StartPosition(), 4);

    // The positions that take a card read as ticked, the used ones before them as clear.
    QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(picture);
    EXPECT_EQ(sheet->text(QAccessible::Name), QStringLiteral("First card's position"));
    EXPECT_FALSE(sheet->child(2)->state().checked);
    EXPECT_TRUE(sheet->child(3)->state().checked);
    // A combo box's name is its choice: the field it feeds is its description.
    QAccessibleInterface* company = QAccessible::queryAccessibleInterface(dialog.ColumnCombo(kMergeCompany));
    EXPECT_EQ(company->text(QAccessible::Description), QStringLiteral("Column for {Company}"));
}

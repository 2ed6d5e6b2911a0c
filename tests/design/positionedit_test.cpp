// SPDX-License-Identifier: GPL-3.0-or-later
// Position and size panel: lengths in inches and millimetres, which object it edits, a typed value as one
// undo step, and the boxes following the selection, its moves and undo.
#include "design/designpanel.h"
#include "design/positionedit.h"
#include "design/positionpanel_ui.h"
#include "objects/shapes/cardshape.h"

#include <QAccessible>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct Fixture
{
    TKBasePanel panel;
    int watched = 0;

    Fixture()
    {
        panel.WatchSelection([this] { ++watched; });
    }
    // An object as it stands once shown (its box settled); a new one may not yet be.
    TKGraphicControl* Add(int l, int t, int w, int h, bool shown = true)
    {
        auto object = std::make_unique<TBCShapes>();
        TKGraphicControl* raw = object.get();
        panel.CardObjects().Add(std::move(object));
        raw->SetBounds(l, t, w, h);
        raw->Loaded(); // as a card read from a file leaves it: the next bounds check only remembers
        if (shown)
            raw->CheckBounds();
        return raw;
    }
};

} // namespace

TEST(PositionEdit, LengthsRoundToWholeCardUnitsInEitherUnit)
{
    EXPECT_DOUBLE_EQ(CardUnitsToLength(96, TLengthUnit::Inches), 1.0);
    EXPECT_DOUBLE_EQ(CardUnitsToLength(48, TLengthUnit::Millimetres), 12.7);
    EXPECT_DOUBLE_EQ(CardUnitsToLength(-24, TLengthUnit::Inches), -0.25);
    EXPECT_EQ(LengthToCardUnits(1.0, TLengthUnit::Inches), 96);
    EXPECT_EQ(LengthToCardUnits(25.4, TLengthUnit::Millimetres), 96);
    // 25 mm is 94.49 units: the nearest whole unit, either side of a half.
    EXPECT_EQ(LengthToCardUnits(25.0, TLengthUnit::Millimetres), 94);
    EXPECT_EQ(LengthToCardUnits(0.0105, TLengthUnit::Inches), 1);
    EXPECT_EQ(LengthToCardUnits(0.0052, TLengthUnit::Inches), 0);
    EXPECT_EQ(LengthToCardUnits(-0.5, TLengthUnit::Inches), -48);
    // Nothing past the largest card stock, whatever is typed.
    EXPECT_EQ(LengthToCardUnits(1e9, TLengthUnit::Inches), 48 * 96);
    EXPECT_EQ(LengthToCardUnits(-1e9, TLengthUnit::Millimetres), -48 * 96);
    // Every card unit shown at the format's decimals reads back as itself.
    for (const TLengthUnit unit : {TLengthUnit::Inches, TLengthUnit::Millimetres}) {
        const int decimals = LengthFormat(unit).decimals;
        for (int units = -400; units <= 400; ++units) {
            const double shown = QString::number(CardUnitsToLength(units, unit), 'f', decimals).toDouble();
            ASSERT_EQ(LengthToCardUnits(shown, unit), units) << units;
        }
    }
    EXPECT_EQ(TPositionEdit::Minimum(TBoxField::Width, TLengthUnit::Inches), 1.0 / 96);
    EXPECT_EQ(TPositionEdit::Minimum(TBoxField::X, TLengthUnit::Inches), -48.0);
    EXPECT_DOUBLE_EQ(TPositionEdit::Maximum(TLengthUnit::Millimetres), 48 * 25.4);
}

TEST(PositionEdit, EditsTheOneSelectedUnlockedObjectAndSaysWhyNot)
{
    Fixture f;
    TPositionEdit edit(f.panel);
    TKGraphicControl* a = f.Add(48, 24, 96, 48);
    TKGraphicControl* b = f.Add(10, 10, 20, 20);
    EXPECT_EQ(edit.Target(), nullptr);
    EXPECT_FALSE(edit.Editable());
    EXPECT_EQ(edit.Status(), QStringLiteral("No object selected"));
    EXPECT_EQ(edit.Value(TBoxField::X, TLengthUnit::Inches), 0);
    EXPECT_FALSE(edit.Set(TBoxField::X, 1.0, TLengthUnit::Inches));

    f.panel.Select(a);
    EXPECT_EQ(edit.Target(), a);
    EXPECT_TRUE(edit.Editable());
    EXPECT_EQ(edit.Status(), QString());
    EXPECT_DOUBLE_EQ(edit.Value(TBoxField::X, TLengthUnit::Inches), 0.5);
    EXPECT_DOUBLE_EQ(edit.Value(TBoxField::Y, TLengthUnit::Millimetres), 6.35);
    EXPECT_DOUBLE_EQ(edit.Value(TBoxField::Width, TLengthUnit::Inches), 1.0);
    EXPECT_DOUBLE_EQ(edit.Value(TBoxField::Height, TLengthUnit::Millimetres), 12.7);

    // Several objects: no box is theirs to show.
    f.panel.Select(b);
    EXPECT_EQ(edit.Target(), nullptr);
    EXPECT_EQ(edit.Status(), QStringLiteral("2 objects selected"));
    EXPECT_FALSE(edit.Set(TBoxField::X, 1.0, TLengthUnit::Inches));
    EXPECT_EQ(a->BoundsRect(), QRect(48, 24, 96, 48));

    f.panel.Deselect(b);
    a->SetLocked(true);
    EXPECT_EQ(edit.Target(), a);
    EXPECT_FALSE(edit.Editable());
    EXPECT_EQ(edit.Status(), QStringLiteral("Locked"));
    EXPECT_FALSE(edit.Set(TBoxField::X, 1.0, TLengthUnit::Inches));
    EXPECT_EQ(a->Left(), 48);
}

TEST(PositionEdit, ATypedValueIsOneUndoStepAndTheFrameFollows)
{
    Fixture f;
    TPositionEdit edit(f.panel);
    TKGraphicControl* a = f.Add(48, 24, 96, 48, false);
    TKGraphicControl* b = f.Add(200, 100, 30, 30);
    f.panel.Select(a);
    f.panel.History().Reset();
    // A change still waiting for its step (made outside a panel event) stays a step of its own.
    b->SetLeft(210);
    f.panel.RunPendingFrameRecompute();
    ASSERT_TRUE(f.panel.History().Pending());

    ASSERT_TRUE(edit.Set(TBoxField::X, 1.25, TLengthUnit::Inches));
    EXPECT_EQ(a->BoundsRect(), QRect(120, 24, 96, 48));
    // The frame follows, 2 units outside as after a drag.
    EXPECT_EQ(f.panel.Frame().Bounds().topLeft(), QPoint(118, 22));
    EXPECT_TRUE(f.panel.Frame().Bounds().contains(a->BoundsRect()));
    EXPECT_EQ(f.panel.History().UndoText(), QStringLiteral("Undo Move"));
    ASSERT_TRUE(edit.Set(TBoxField::Height, 20.0, TLengthUnit::Millimetres)); // 75.59 units
    EXPECT_EQ(a->BoundsRect(), QRect(120, 24, 96, 76));
    EXPECT_EQ(f.panel.History().UndoText(), QStringLiteral("Undo Resize"));
    // The same value again, or one that rounds to the same unit, is no step.
    EXPECT_FALSE(edit.Set(TBoxField::Height, 20.05, TLengthUnit::Millimetres));
    EXPECT_EQ(f.panel.History().StepCount(), 4);
    // A size never goes below one unit; a position may lie off the card.
    ASSERT_TRUE(edit.Set(TBoxField::Width, 0.0, TLengthUnit::Inches));
    EXPECT_EQ(a->Width(), 1);
    ASSERT_TRUE(edit.Set(TBoxField::Y, -0.25, TLengthUnit::Inches));
    EXPECT_EQ(a->Top(), -24);

    // Undo takes back one typed value at a time.
    ASSERT_TRUE(f.panel.History().Undo());
    ASSERT_TRUE(f.panel.History().Undo());
    ASSERT_EQ(f.panel.CardObjects().Count(), 2);
    EXPECT_EQ(f.panel.CardObjects().At(0)->BoundsRect(), QRect(120, 24, 96, 76));
    ASSERT_TRUE(f.panel.History().Undo());
    ASSERT_TRUE(f.panel.History().Undo());
    EXPECT_EQ(f.panel.CardObjects().At(0)->BoundsRect(), QRect(48, 24, 96, 48));
    EXPECT_EQ(f.panel.CardObjects().At(1)->Left(), 210);
    ASSERT_TRUE(f.panel.History().Undo());
    EXPECT_EQ(f.panel.CardObjects().At(1)->Left(), 200);
    EXPECT_TRUE(f.panel.History().IsClean());
}

TEST(PositionEdit, WatchersHearOfSelectionMovesAndUndoButNeverOfTheZoom)
{
    Fixture f;
    TKGraphicControl* a = f.Add(48, 24, 96, 48);
    f.panel.History().Reset();
    f.watched = 0;
    f.panel.Select(a);
    EXPECT_EQ(f.watched, 1);
    f.panel.Select(a); // already selected: nothing new
    EXPECT_EQ(f.watched, 1);
    f.panel.Deselect(a);
    EXPECT_EQ(f.watched, 2);
    f.panel.Select(a);
    EXPECT_EQ(f.watched, 3);

    // A drag of the selection.
    f.panel.MouseDown(QPoint(60, 40), Qt::LeftButton, Qt::NoModifier, QPoint(), 1000);
    f.panel.MouseMove(QPoint(61, 41), Qt::LeftButton, 1020);
    f.panel.MouseMove(QPoint(80, 50), Qt::LeftButton, 1040);
    f.panel.MouseUp(QPoint(80, 50), Qt::LeftButton, Qt::NoModifier, 1300);
    ASSERT_NE(a->BoundsRect(), QRect(48, 24, 96, 48));
    EXPECT_GT(f.watched, 1);

    const int before = f.watched;
    f.panel.SetZoom(1.5f);
    EXPECT_EQ(f.watched, before);
    TPositionEdit edit(f.panel);
    EXPECT_DOUBLE_EQ(edit.Value(TBoxField::X, TLengthUnit::Inches), a->Left() / 96.0);

    f.panel.ClearSelection();
    EXPECT_EQ(f.watched, before + 1);
    f.panel.ClearSelection(); // nothing was selected
    EXPECT_EQ(f.watched, before + 1);
    ASSERT_TRUE(f.panel.History().Undo());
    EXPECT_GT(f.watched, before + 1);
}

// ---- The panel's boxes ----

TEST(PositionPanel, BoxesShowTheSelectionAndTakeTypedValues)
{
    Fixture f;
    TKGraphicControl* a = f.Add(48, 24, 96, 48);
    f.panel.History().Reset();
    TPositionPanel panel(f.panel);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    QDoubleSpinBox* x = panel.Field(TBoxField::X);
    QDoubleSpinBox* height = panel.Field(TBoxField::Height);
    EXPECT_EQ(x->accessibleName(), QStringLiteral("X position"));
    EXPECT_EQ(height->accessibleName(), QStringLiteral("Height"));
    for (const TBoxField field : {TBoxField::X, TBoxField::Y, TBoxField::Width, TBoxField::Height}) {
        // Each box has its label, whose Alt key takes the keyboard to it.
        const auto labels = panel.findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](const QLabel* l) { return l->buddy() == panel.Field(field); }));
    }
    EXPECT_FALSE(x->isEnabled());
    EXPECT_EQ(x->text(), QString());
    EXPECT_EQ(panel.Status()->text(), QStringLiteral("No object selected"));

    f.panel.Select(a);
    EXPECT_TRUE(x->isEnabled());
    EXPECT_EQ(x->text(), QStringLiteral("0.500 in"));
    EXPECT_EQ(height->text(), QStringLiteral("0.500 in"));
    EXPECT_TRUE(panel.Status()->isHidden());

    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("-0.125"));
    EXPECT_EQ(a->Left(), 48); // not before Enter
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(a->Left(), -12);
    EXPECT_EQ(f.panel.History().UndoText(), QStringLiteral("Undo Move"));
    // The arrow keys step a thirty-second of an inch, each step a change.
    QTest::keyClick(x, Qt::Key_Up);
    EXPECT_EQ(a->Left(), -9);

    // The layout in millimetres shows millimetres; a move elsewhere shows at once.
    panel.SetUnit(TLengthUnit::Millimetres);
    EXPECT_EQ(panel.Field(TBoxField::Width)->text(), QStringLiteral("25.40 mm"));
    a->SetBounds(96, 24, 96, 48);
    EXPECT_EQ(x->text(), QStringLiteral("25.40 mm"));
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, QStringLiteral("20"));
    x->setFocus(); // leaving the box takes the value
    EXPECT_EQ(a->Height(), 76);
    EXPECT_EQ(height->text(), QStringLiteral("20.11 mm")); // what the object took

    // What is being typed stays while the card reports changes; Enter takes it.
    QDoubleSpinBox* y = panel.Field(TBoxField::Y);
    y->setFocus();
    y->selectAll();
    QTest::keyClicks(y, QStringLiteral("12"));
    f.panel.NotifyChanged();
    EXPECT_EQ(y->text(), QStringLiteral("12 mm"));
    QTest::keyClick(y, Qt::Key_Enter);
    EXPECT_EQ(a->Top(), 45);

    // Escape drops what was typed.
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("3"));
    bool escaped = false;
    panel.OnEscape = [&] { escaped = true; };
    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_TRUE(escaped);
    EXPECT_EQ(x->text(), QStringLiteral("25.40 mm"));
    EXPECT_EQ(a->Left(), 96);

    f.panel.ClearSelection();
    EXPECT_FALSE(x->isEnabled());
    EXPECT_EQ(x->text(), QString());
}

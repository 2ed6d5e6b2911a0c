// SPDX-License-Identifier: GPL-3.0-or-later
// Right-click menus of the text labels: items, check marks, effects and the personal-information submenu.
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/personallabel.h"
#include "objects/text/textlabel.h"
#include "testutil.h"

#include <QAction>
#include <QKeySequence>

#include <gtest/gtest.h>

using namespace qm;

namespace {

// Dialogs that answer as told and remember what was asked.
class FakeDialogs : public TKDialogs
{
public:
    bool answer = true;
    TKFont font;
    TColor color = clYellow;
    QStringList asked;

    bool Ask(const char* what)
    {
        asked << QLatin1String(what);
        return answer;
    }
    bool ChooseFont(TKFont& f) override
    {
        if (Ask("font"))
            f.Assign(font);
        return answer;
    }
    bool ChooseColor(TColor& c) override
    {
        if (Ask("color"))
            c = color;
        return answer;
    }
    bool EditLabelText(TKPLabel&) override { return Ask("text"); }
    bool EditBusinessCardLabelText(TKBusinessCardLabel&) override { return Ask("bctext"); }
    bool Edit3DEffects(TKBaseLabel&) override { return Ask("3d"); }
};

class PanelHost : public qmtest::TestHost
{
public:
    FakeDialogs dialogs;
    QStringList personal;
    bool designPanel = true;

    TKDialogs* Dialogs() override { return &dialogs; }
    QStringList PersonalStrings() const override { return personal; }
    bool IsDesignPanel() const override { return designPanel; }
};

template <class T> struct OnPanel
{
    PanelHost host;
    T label;
    OnPanel()
    {
        host.Adopt(label);
        label.Loaded();
    }
    TKMenu& Menu() { return *label.PopupMenu(); }
    bool Checked(const char* path) { return Menu().Find(QLatin1String(path))->isChecked(); }
    bool Run(const QString& path) { return Menu().Trigger(path); }
};

// The items a menu has beyond the base items (which end with "Center Horizontally").
QStringList OwnItems(const TKMenu& menu)
{
    const QStringList all = menu.Captions();
    return all.mid(all.indexOf(QStringLiteral("Center Horizontally")) + 1);
}

const QStringList kLabelItems = {
    "-",      "Font", "3D Effects", "Alignment",     "Transparent", "Background Color",
    "Border", "-",    "Text",       "Shrink to Fit", "-",           "Rotation"};

} // namespace

TEST(LabelMenu, ItemsAndCheckMarksFollowTheLabelAtEveryPopup)
{
    OnPanel<TKPLabel> o;
    EXPECT_EQ(OwnItems(o.Menu()), kLabelItems);
    EXPECT_EQ(o.Menu().Submenu(QStringLiteral("Alignment"))->Captions(),
              QStringList({"Left", "Center", "Right"}));
    EXPECT_EQ(o.Menu().Submenu(QStringLiteral("Rotation"))->Captions(),
              QStringList({"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"}));
    EXPECT_EQ(o.Menu().Find(QStringLiteral("Text"))->data().toInt(), TKPLabel::kTextItemTag);
    EXPECT_TRUE(o.Checked("Transparent"));
    EXPECT_TRUE(o.Checked("Alignment/Left"));

    o.label.SetTransparent(false);
    o.label.SetBorderStyle(bsSingle);
    o.label.SetAlignment(taCenter);
    o.Menu().AboutToShow();
    EXPECT_FALSE(o.Checked("Transparent"));
    EXPECT_TRUE(o.Checked("Border"));
    EXPECT_FALSE(o.Checked("Alignment/Left"));
    EXPECT_TRUE(o.Checked("Alignment/Center"));
    o.label.SetAngle(270);
    o.Menu().AboutToShow();
    EXPECT_FALSE(o.Checked("Rotation/No Rotation"));
    EXPECT_TRUE(o.Checked("Rotation/270 Degrees"));
}

TEST(LabelMenu, CommandsChangeTheLabelAndTellTheCard)
{
    OnPanel<TKPLabel> o;
    ASSERT_TRUE(o.Run(QStringLiteral("Alignment/Right")));
    EXPECT_EQ(o.label.Alignment(), taRightJustify);
    ASSERT_TRUE(o.Run(QStringLiteral("Transparent")));
    EXPECT_FALSE(o.label.Transparent());
    ASSERT_TRUE(o.Run(QStringLiteral("Border")));
    ASSERT_TRUE(o.Run(QStringLiteral("Border")));
    EXPECT_EQ(o.label.BorderStyle(), bsNone);
    EXPECT_GE(o.host.changes, 4);

    ASSERT_TRUE(o.Run(QStringLiteral("Rotation/90 Degrees")));
    EXPECT_EQ(o.label.Angle(), 90);
    EXPECT_EQ(o.label.Alignment(), taLeftJustify);
    // Turning a box that already stands upright is still a change of the card.
    o.host.changes = 0;
    ASSERT_TRUE(o.Run(QStringLiteral("Rotation/270 Degrees")));
    EXPECT_GT(o.host.changes, 0);
}

TEST(LabelMenu, DialogCommandsChangeNothingOnCancel)
{
    OnPanel<TKPLabel> o;
    o.label.LayOut();
    const QRect box = o.label.BoundsRect();
    o.host.dialogs.answer = false;
    o.host.dialogs.font.SetSize(40);
    for (const char* item : {"Font", "3D Effects", "Background Color", "Text"})
        ASSERT_TRUE(o.Run(QLatin1String(item)));
    EXPECT_EQ(o.host.dialogs.asked, QStringList({"font", "3d", "color", "text"}));
    EXPECT_EQ(o.host.changes, 0);
    EXPECT_EQ(o.label.BoundsRect(), box);
    EXPECT_TRUE(o.label.Transparent());

    o.host.dialogs.answer = true;
    ASSERT_TRUE(o.Run(QStringLiteral("3D Effects")));
    EXPECT_EQ(o.host.changes, 1);
    ASSERT_TRUE(o.Run(QStringLiteral("Background Color")));
    EXPECT_EQ(o.label.BackColor(), clYellow);
    EXPECT_FALSE(o.label.Transparent());
    // A chosen font grows a plain label to fit.
    ASSERT_TRUE(o.Run(QStringLiteral("Font")));
    EXPECT_EQ(o.label.Font().Size(), 40);
    EXPECT_GT(o.label.Height(), box.height());
}

// ---- Personal information ----

TEST(PersonalLabelMenu, TenFieldsOfTheMomentComeFirstOnADesignPanel)
{
    OnPanel<TKBusinessCardLabel> o;
    o.host.personal = QStringList(10, QString());
    o.host.personal[1] = QStringLiteral("Acme");
    const QString withTab = QStringLiteral("Suite 4\tBuilding B of the Long Office Park");
    o.host.personal[3] = withTab;
    const QStringList top = o.Menu().Captions();
    EXPECT_EQ(top.mid(0, 2), QStringList({"Personal Information", "-"}));
    EXPECT_EQ(OwnItems(o.Menu()), kLabelItems);

    o.Menu().AboutToShow();
    TKMenu* fields = o.Menu().Submenu(QStringLiteral("Personal Information"));
    EXPECT_EQ(fields->Captions().mid(0, 10),
              QStringList({"Name\t", "Company\tAcme", "Title\t", "Address 1\t" + withTab, "Address 2\t",
                           "Address 3\t", "Phone 1\t", "Phone 2\t", "EMail\t", "Fax\t"}));

    // Picking keeps the whole value, grows the label and tells the card.
    o.label.LayOut();
    const int width = o.label.Width();
    ASSERT_TRUE(o.Run(QStringLiteral("Personal Information/Address 1\t") + withTab));
    EXPECT_EQ(o.label.Caption(), withTab);
    EXPECT_GT(o.label.Width(), width);
    EXPECT_GT(o.host.changes, 0);

    // New values show at the next popup; the label keeps its text. An empty field empties it.
    o.host.personal[1] = QStringLiteral("Globex");
    o.Menu().AboutToShow();
    EXPECT_EQ(o.Menu().Submenu(QStringLiteral("Personal Information"))->Captions().at(1), "Company\tGlobex");
    EXPECT_EQ(o.label.Caption(), withTab);
    ASSERT_TRUE(o.Run(QStringLiteral("Personal Information/Fax\t")));
    EXPECT_EQ(o.label.Caption(), QString());

    // Its text command opens its own dialog.
    ASSERT_TRUE(o.Run(QStringLiteral("Text")));
    EXPECT_EQ(o.host.dialogs.asked, QStringList("bctext"));
}

TEST(PersonalLabelMenu, AmpersandsInTheValuesShowAsThemselvesAndArePickedWhole)
{
    OnPanel<TKBusinessCardLabel> o;
    o.host.personal = QStringList(10, QString());
    o.host.personal[1] = QStringLiteral("Smith & Sons");
    o.host.personal[2] = QStringLiteral("R&D");
    o.Menu().AboutToShow();
    const TKMenu* fields = o.Menu().Submenu(QStringLiteral("Personal Information"));
    ASSERT_NE(fields, nullptr);
    EXPECT_EQ(fields->Captions().mid(1, 2), QStringList({"Company\tSmith & Sons", "Title\tR&D"}));
    // What a menu shows of the item: no accelerator, every "&" as it is.
    for (int row : {1, 2}) {
        const QAction* item = fields->At(row).action;
        EXPECT_TRUE(QKeySequence::mnemonic(item->text()).isEmpty()) << qPrintable(item->text());
        EXPECT_EQ(item->iconText(), fields->Captions().at(row));
    }
    ASSERT_TRUE(o.Run(QStringLiteral("Personal Information/Title\tR&D")));
    EXPECT_EQ(o.label.Caption(), QStringLiteral("R&D"));
}

TEST(PersonalLabelMenu, NoSubmenuAwayFromTheDesignPanel)
{
    PanelHost preview;
    preview.designPanel = false;
    TKBusinessCardLabel label;
    label.SetHost(&preview);
    label.Loaded();
    label.PopupMenu()->AboutToShow();
    EXPECT_EQ(label.PopupMenu()->Captions().first(), QStringLiteral("Bring To Front"));
    EXPECT_EQ(label.PopupMenu()->Submenu(QStringLiteral("Personal Information")), nullptr);
}

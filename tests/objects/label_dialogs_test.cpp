// The label dialogs: what they show on opening and what "Ok" writes back into the label.
#include "objects/text/effectsdialog_ui.h"
#include "objects/text/personaltextdialog_ui.h"
#include "objects/text/textdialog_ui.h"
#include "objects/text/personallabel.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/textlabel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QStringList Items(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// The help page number the dialog's "Help" button asks for.
int HelpAsked(QDialog& dialog, std::function<void(int)>& onHelp)
{
    int context = 0;
    onHelp = [&context](int c) { context = c; };
    dialog.findChild<QPushButton*>(QStringLiteral("Helpbutton"))->click();
    return context;
}

} // namespace

TEST(LabelTextDialogs, OkTakesTheEditedTextAndGrowsTheLabel)
{
    TKPLabel label;
    label.LayOut();
    const int width = label.Width();
    TGetLabelText dialog(label);
    EXPECT_EQ(dialog.LabelText()->text(), QStringLiteral("Text"));
    EXPECT_EQ(HelpAsked(dialog, dialog.OnHelp), 40004);

    dialog.LabelText()->setText(QStringLiteral("Quillmark Printing and Design Company"));
    EXPECT_EQ(label.Caption(), QStringLiteral("Text")); // nothing before "Ok"
    dialog.OKButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(label.Caption(), QStringLiteral("Quillmark Printing and Design Company"));
    EXPECT_GT(label.Width(), width);
}

TEST(LabelTextDialogs, PersonalDropDownOffersTheNonEmptyValuesInFieldOrder)
{
    TKBusinessCardLabel label;
    QStringList personal(10, QString());
    personal[0] = QStringLiteral("Ann Lee");
    personal[6] = QStringLiteral("555 0100");
    personal[8] = QStringLiteral("ann@example.org");
    TGetBCLabelText dialog(label, personal);
    EXPECT_TRUE(dialog.PersonalInfoCombo()->isEnabled());
    EXPECT_EQ(Items(dialog.PersonalInfoCombo()), QStringList({"Ann Lee", "555 0100", "ann@example.org"}));
    EXPECT_EQ(HelpAsked(dialog, dialog.OnHelp), 40004);

    dialog.PersonalInfoComboChange(1);
    EXPECT_EQ(dialog.LabelText()->text(), QStringLiteral("555 0100"));
    dialog.LabelText()->setText(QStringLiteral("Phone 555 0100"));
    EXPECT_EQ(label.Caption(), QStringLiteral("Text"));
    dialog.OKButtonClick();
    EXPECT_EQ(label.Caption(), QStringLiteral("Phone 555 0100"));

    TGetBCLabelText empty(label, QStringList(10, QString()));
    EXPECT_FALSE(empty.PersonalInfoCombo()->isEnabled());
}

TEST(Font3DEffectsDialog, OpensOnTheLabelsValuesWithTheFirstMatchingColour)
{
    TKPLabel label;
    label.SetDirectionShadow(sdLeft);
    label.SetDepthShadow(4);
    label.SetColorShadow(clSilver);
    label.SetDirectionHighlight(hdUp);
    label.SetDepthHighlight(15);               // beyond the list
    label.SetColorHighlight(TColor(0x123456)); // not a named colour
    TKFont3DEffects dialog(label);
    EXPECT_EQ(Items(dialog.HighlightDirection()),
              QStringList({"None", "Right", "Left", "Upper Right", "Upper Left", "Up"}));
    EXPECT_EQ(dialog.HighLightDepth()->count(), 11);
    EXPECT_EQ(HelpAsked(dialog, dialog.OnHelp), 40008);

    EXPECT_EQ(dialog.ShadowDirection()->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(dialog.ShadowDepth()->currentIndex(), 4);
    EXPECT_EQ(dialog.HighlightDirection()->currentText(), QStringLiteral("Up"));
    EXPECT_EQ(dialog.HighLightDepth()->currentIndex(), -1);
    EXPECT_EQ(dialog.HighLightColorCombo()->currentIndex(), -1);
    EXPECT_EQ(dialog.FontColorCombo()->currentText(), QStringLiteral("Black"));
    // 18 named colours; Silver and Gray are chosen before Light Gray and Dark Gray of the same values.
    EXPECT_EQ(dialog.ShadowColorCombo()->count(), 18);
    EXPECT_EQ(dialog.ShadowColorCombo()->currentText(), QStringLiteral("Silver"));
    EXPECT_EQ(dialog.ShadowColorCombo()->itemText(15), QStringLiteral("Light Gray"));
    EXPECT_EQ(TColorCombo::ColorValue(1), 0x000080); // Maroon
    dialog.ShadowColorCombo()->SetColor(clGray);
    EXPECT_EQ(dialog.ShadowColorCombo()->currentText(), QStringLiteral("Gray"));
    dialog.ShadowColorCombo()->SetColor(TColor(0x010203));
    EXPECT_EQ(dialog.ShadowColorCombo()->currentText(), QStringLiteral("Gray"));
}

TEST(Font3DEffectsDialog, SampleFollowsEveryChoiceAndOkCopiesItBack)
{
    TKPLabel label;
    label.SetCaption(QStringLiteral("Mine"));
    label.Font().SetSize(14);
    label.SetDepthHighlight(15);
    TKFont3DEffects dialog(label);
    EXPECT_EQ(dialog.Sample().Caption(), QStringLiteral("Text"));
    EXPECT_EQ(dialog.Sample().Font().Size(), 14);

    dialog.ShadowDirection()->setCurrentIndex(int(sdDown));
    dialog.ShadowDepth()->setCurrentIndex(10);
    dialog.ShadowColorCombo()->setCurrentIndex(9); // Red
    dialog.HighlightDirection()->setCurrentIndex(int(hdright));
    dialog.FontColorCombo()->setCurrentIndex(2); // Green
    EXPECT_EQ(dialog.Sample().ShadowOffset(), QPoint(0, 10));
    EXPECT_EQ(dialog.Sample().ColorShadow(), clRed);
    EXPECT_EQ(dialog.Sample().Font().Color(), 0x008000);
    EXPECT_EQ(dialog.Sample().HighlightOffset(), QPoint(15, 0)); // a depth beyond the list is kept
    EXPECT_EQ(label.DepthShadow(), 0);                           // the label waits for "Ok"

    dialog.OKButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(label.ShadowOffset(), QPoint(0, 10));
    EXPECT_EQ(label.ColorShadow(), clRed);
    EXPECT_EQ(label.HighlightOffset(), QPoint(15, 0));
    EXPECT_EQ(label.ColorHighlight(), clAqua);
    EXPECT_EQ(label.Font().Color(), 0x008000);
    EXPECT_EQ(label.Font().Size(), 14);
    EXPECT_EQ(label.Caption(), QStringLiteral("Mine"));
}

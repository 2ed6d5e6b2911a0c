// SPDX-License-Identifier: GPL-3.0-or-later
// The label dialogs: what they show on opening and what "Ok" writes back into the label.
#include "model/objectdialogs.h"
#include "objects/objectdialogs_ui.h"
#include "objects/text/effectsdialog_ui.h"
#include "objects/text/fontchoice.h"
#include "objects/text/labellayout.h"
#include "objects/text/personaltextdialog_ui.h"
#include "objects/text/textdialog_ui.h"
#include "objects/text/personallabel.h"
#include "objects/text/symbolfonts.h"
#include "objects/text/symbollabel.h"
#include "objects/text/symbolselector_ui.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/textlabel.h"

#include "testutil.h"
#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    EXPECT_EQ(ColorCombo::ColorValue(1), 0x000080); // Maroon
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
    EXPECT_EQ(dialog.Sample().Caption(), QStringLiteral("Mine")); // the label's own text
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

namespace {

// A panel that holds personal information and nothing else.
class PersonalHost : public qmtest::TestHost
{
public:
    QStringList PersonalStrings() const override { return {"Ada Lovelace", "Analytical Engines"}; }
};

} // namespace

// The sample shows what the card shows: placeholders with the personal information, a symbol's character in
// its font; a blank text shows "Text".
TEST(Font3DEffectsDialog, SampleShowsTheLabelsOwnText)
{
    PersonalHost host;
    TKBusinessCardLabel personal;
    host.Adopt(personal);
    personal.SetCaption(QStringLiteral("{Name}, {Company}"));
    EXPECT_EQ(TKFont3DEffects(personal).Sample().Caption(), QStringLiteral("Ada Lovelace, Analytical Engines"));

    TKPLabel blank;
    blank.SetCaption(QStringLiteral("  "));
    EXPECT_EQ(TKFont3DEffects(blank).Sample().Caption(), QStringLiteral("Text"));

    TKSymbolLabel symbol; // "[" of Wingdings
    TKFont3DEffects symbolDialog(symbol);
    EXPECT_EQ(symbolDialog.Sample().DrawnCaption(), symbol.DrawnCaption());
    EXPECT_NE(symbolDialog.Sample().DrawnCaption(), QStringLiteral("["));
    EXPECT_EQ(symbolDialog.Sample().DrawingFont().family(), symbol.DrawingFont().family());
    symbolDialog.OKButtonClick();
    EXPECT_EQ(symbol.Font().Name(), QStringLiteral("WingDings")); // the stored font stays the symbol font
}

namespace {

// The colour dialog of the dialogs seam: answers with `color`, remembering the colour it started from.
class ColourDialogs : public TKDialogs
{
public:
    bool answer = true;
    TColor color = clNone;
    std::vector<TColor> started;
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor& c) override
    {
        started.push_back(c);
        if (answer)
            c = color;
        return answer;
    }
};

} // namespace

TEST(Font3DEffectsDialog, CustomFontColourComesFromTheColourDialogAndShowsAsItsOwnEntry)
{
    ColourDialogs dialogs;
    TKPLabel label;
    TKFont3DEffects dialog(label, nullptr, &dialogs);
    ColorCombo* combo = dialog.FontColorCombo();
    ASSERT_EQ(combo->count(), 19);
    EXPECT_EQ(combo->itemText(18), QStringLiteral("Custom..."));

    // Cancelled: the colour shown stays, and so does the sample's.
    dialogs.answer = false;
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(dialogs.started, std::vector<TColor>{clBlack});
    EXPECT_EQ(combo->currentText(), QStringLiteral("Black"));
    EXPECT_EQ(dialog.Sample().Font().Color(), clBlack);

    // Chosen: an entry of its own, taken by the sample and by "Ok".
    dialogs.answer = true;
    dialogs.color = 0x123456; // blue 12, green 34, red 56
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Custom #563412"));
    EXPECT_EQ(combo->count(), 20);
    EXPECT_EQ(dialog.Sample().Font().Color(), 0x123456);
    dialog.OKButtonClick();
    EXPECT_EQ(label.Font().Color(), 0x123456);

    // Opened again it shows that colour; a named colour chosen instead drops the entry.
    TKFont3DEffects again(label, nullptr, &dialogs);
    ColorCombo* named = again.FontColorCombo();
    EXPECT_EQ(named->currentText(), QStringLiteral("Custom #563412"));
    QTest::keyClick(named, Qt::Key_End); // "Custom..." starts from the colour shown
    EXPECT_EQ(dialogs.started.back(), 0x123456);
    QTest::keyClick(named, Qt::Key_Home);
    EXPECT_EQ(named->currentText(), QStringLiteral("Black"));
    EXPECT_EQ(named->count(), 19);
    EXPECT_EQ(again.Sample().Font().Color(), clBlack);
}

// ---- Font dialog ----

// The font dialog opens upright on the face that draws the text: a symbol font on the face that has its
// characters, plain DejaVu Sans on its plain style (not on "Oblique"). A symbol's size chosen there is the
// size the symbol is drawn at, its face stays the symbol font and it stays upright.
TEST(FontDialog, ASymbolOpensUprightOnItsFaceAndTakesTheSizeChosen)
{
    TKFont plain;
    plain.SetName(QStringLiteral("DejaVu Sans"));
    plain.SetSize(10);
    for (const TKFont* font : {static_cast<const TKFont*>(&plain), static_cast<const TKFont*>(nullptr)}) {
        TKSymbolLabel symbol; // a telephone-sized Wingdings at 24 points
        const TKFont& stored = font ? *font : symbol.Font();
        SCOPED_TRACE(stored.Name().toStdString());
        const QFontDialog dialog(FontDialogStart(stored));
        const QFont shown = dialog.currentFont();
        EXPECT_EQ(shown.family(), font ? QStringLiteral("DejaVu Sans") : QStringLiteral("Symbola"));
        EXPECT_FALSE(shown.italic()) << qPrintable(shown.styleName());
        EXPECT_NE(shown.style(), QFont::StyleOblique) << qPrintable(shown.styleName());
        EXPECT_EQ(shown.weight(), QFont::Normal) << qPrintable(shown.styleName());
    }

    TKSymbolLabel symbol;
    symbol.SetCaption(SymbolCodeText(0x28)); // the telephone
    TGetSymbol selector(symbol.Font(), 0x28);
    selector.OnChooseFont = [](TKFont& f) {
        // The user sets 10 points in the dialog as it opened and presses OK.
        const QFont start = FontDialogStart(f);
        QFont answer = QFontDialog(start).currentFont();
        answer.setPointSize(10);
        return TakeFontDialogAnswer(f, start, answer);
    };
    selector.FontbuttonClick();
    EXPECT_EQ(selector.FontButton()->text(), QStringLiteral("WingDings, 10pt "));
    symbol.TakeSymbol(selector.ChosenFont(), selector.ChosenCode());
    EXPECT_EQ(symbol.Font().Name(), QStringLiteral("WingDings"));
    EXPECT_EQ(symbol.Font().Size(), 10);
    EXPECT_FALSE(symbol.Font().HasStyle(fsItalic));
    EXPECT_FALSE(symbol.DrawingFont().italic());
    EXPECT_EQ(symbol.DrawingFont().pixelSize(), LabelDrawingFont(selector.ChosenFont()).pixelSize());
    EXPECT_EQ(symbol.DrawingFont().pixelSize(), 13) << "10 points at 96 units an inch";
}

TEST(FontDialog, OpensAtTheFaceThatDrawsTheTextAndOkWithoutAChangeKeepsTheFont)
{
    TKFont arial; // "Arial", 10 points
    arial.SetStyle(1u << fsBold);
    const QString drawnFace = QFontInfo(LabelDrawingFont(arial)).family();

    // The real dialog, answered with OK as soon as it is up.
    QFont shown;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &shown] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        shown = dialog->currentFont();
        dialog->accept();
    });
    timer->start(10);
    TKFont font;
    font.Assign(arial);
    TKStandardDialogs dialogs(nullptr);
    EXPECT_TRUE(dialogs.ChooseFont(font));
    EXPECT_EQ(shown.family(), drawnFace);
    EXPECT_EQ(shown.pointSize(), 10);
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(font == arial) << qPrintable(font.Name()) << " " << font.Height() << " " << font.Style();

    // Only what the user changed changes: the size and italic here, the face kept as stored ...
    const QFont start = FontDialogStart(arial);
    QFont answer(start);
    answer.setPointSize(14);
    answer.setItalic(true);
    EXPECT_TRUE(TakeFontDialogAnswer(font, start, answer));
    EXPECT_EQ(font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(font.Size(), 14);
    EXPECT_EQ(font.Style(), TFontStyles((1u << fsBold) | (1u << fsItalic)));
    // ... another face and no bold here, the size kept.
    font.Assign(arial);
    answer = start;
    answer.setFamily(QStringLiteral("DejaVu Serif"));
    answer.setBold(false);
    EXPECT_TRUE(TakeFontDialogAnswer(font, start, answer));
    EXPECT_EQ(font.Name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(font.Height(), arial.Height());
    EXPECT_EQ(font.Style(), TFontStyles(0));

    // A stored cell height opens at the size it draws with and stays a cell height.
    TKFont cell;
    cell.SetHeight(20);
    const QFont cellStart = FontDialogStart(cell);
    EXPECT_NEAR(cellStart.pointSize(), LabelDrawingFont(cell).pixelSize() * 0.75, 0.5);
    EXPECT_FALSE(TakeFontDialogAnswer(cell, cellStart, cellStart));
    EXPECT_EQ(cell.Height(), 20);
}


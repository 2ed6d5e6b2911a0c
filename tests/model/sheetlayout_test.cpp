// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the card sheet layout: units, file form, predefined sheets, checks, panel size, the dialog.
#include "platform/profile.h"
#include "model/sheetlayout.h"
#include "print/layoutdialog_ui.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using qm::CardSheetLayout;

QString ini(const char* s)
{
    return QString::fromLatin1(s);
}

// ---- Units and stored thousandths ----

TEST(CardLayoutUnits, MillimetreEntriesAreKeptToThousandthsOfAnInch)
{
    EXPECT_DOUBLE_EQ(qm::MMToStoredInches(50.8), 2.0);
    EXPECT_DOUBLE_EQ(qm::MMToStoredInches(89), 3.504);
    EXPECT_DOUBLE_EQ(qm::MMToStoredInches(7), 0.276);
    EXPECT_DOUBLE_EQ(qm::InchesToMM(2.0), 50.8);
}

TEST(CardLayoutUnits, ThousandthsRoundHalvesToEvenAndSurviveSinglePrecision)
{
    // 2.047 is not exact in single precision; it must still store as 2047, and come back as the same float.
    EXPECT_EQ(qm::InchesToThousandths(2.047f), 2047);
    EXPECT_EQ(qm::ThousandthsToInches(2047), 2.047f);
    EXPECT_EQ(qm::InchesToThousandths(0.0625f), 62);  // 62.5, exact in binary
    EXPECT_EQ(qm::InchesToThousandths(0.1875f), 188); // 187.5
    EXPECT_EQ(qm::InchesToThousandths(-0.75f), -750);
    EXPECT_EQ(qm::InchesToThousandths(1e30f), INT_MAX);
}

// ---- Predefined sheets ----

TEST(PredefinedLayouts, TableHoldsTheSheetsInListOrder)
{
    const qm::PredefinedLayout& first = qm::kPredefinedLayouts[0];
    EXPECT_STREQ(first.Caption, "Avery Business Card 5371 (Letter Size Paper)");
    EXPECT_EQ(first.Papersize, qm::kPaperLetter);

    const qm::PredefinedLayout& last = qm::kPredefinedLayouts[qm::kPredefinedLayoutCount - 1];
    EXPECT_STREQ(last.Caption, "Herma 8840 (A4 Size Paper)");
    EXPECT_EQ(last.Height, 2.0f);
    EXPECT_EQ(last.Width, 3.3f);
    EXPECT_EQ(last.TopMargin, 0.85f);
    EXPECT_EQ(last.LeftMargin, 0.73f);
    EXPECT_EQ(last.HPitch, 3.5f);
    EXPECT_EQ(last.Papersize, qm::kPaperA4);

    const qm::PredefinedLayout& l7414 = qm::kPredefinedLayouts[10];
    EXPECT_STREQ(l7414.Caption, "Avery Business Card L7414 (A4 Size Paper)");
    EXPECT_EQ(l7414.Height, 2.047f);
    EXPECT_EQ(l7414.Width, 3.543f);
    EXPECT_EQ(l7414.TopMargin, 0.728f);
    EXPECT_EQ(l7414.LeftMargin, 0.591f);
    EXPECT_EQ(l7414.Papersize, qm::kPaperA4);

    EXPECT_STREQ(qm::kPredefinedLayouts[13].Caption, "Avery Business Card L7419 (A4)");
}

TEST(PredefinedLayouts, EverySheetPassesTheChecksAndDefaultIsTheFirst)
{
    for (int i = 0; i < qm::kPredefinedLayoutCount; ++i) {
        CardSheetLayout l;
        qm::ApplyPredefinedLayout(l, i);
        EXPECT_EQ(qm::CardLayoutProblem(l), QString()) << i;
        EXPECT_TRUE(l.Papersize == qm::kPaperLetter || l.Papersize == qm::kPaperA4) << i;
    }
    CardSheetLayout first;
    first.Height = first.Width = 1;
    qm::ApplyPredefinedLayout(first, 0);
    EXPECT_EQ(first, CardSheetLayout());
}

TEST(PredefinedLayouts, ChoosingASheetKeepsOrientationUnitAndIndex)
{
    CardSheetLayout l;
    l.UsePortrait = true;
    l.UseMM = true;
    l.PredefLayout = 3;
    qm::ApplyPredefinedLayout(l, 14); // 8373 glossy
    EXPECT_EQ(l.Down, 4);
    EXPECT_EQ(l.HPitch, 4.0f);
    EXPECT_EQ(l.VPitch, 2.496f);
    EXPECT_EQ(l.LeftMargin, 0.55f);
    EXPECT_TRUE(l.UsePortrait);
    EXPECT_TRUE(l.UseMM);
    EXPECT_EQ(l.PredefLayout, 3);

    const CardSheetLayout before = l;
    qm::ApplyPredefinedLayout(l, -1);
    qm::ApplyPredefinedLayout(l, qm::kPredefinedLayoutCount);
    EXPECT_EQ(l, before);
}

// ---- Checks ----

TEST(ValidCard, EachRuleHasItsMessageAndTheFirstFailureWins)
{
    CardSheetLayout l;
    EXPECT_NO_THROW(qm::ValidCard(l));

    l.Height = 0.29f;
    l.Width = 0.1f; // also wrong, but height is reported first
    EXPECT_EQ(qm::CardLayoutProblem(l), QStringLiteral("Card Height must be at least .3 inches (or 7mm)"));
    l.Height = 2;
    EXPECT_EQ(qm::CardLayoutProblem(l), QStringLiteral("Card Width must be at least .5 inch (or 13mm)"));
    l.Width = 3.5f;
    l.HPitch = 3.4f;
    l.VPitch = 1.9f;
    EXPECT_EQ(qm::CardLayoutProblem(l), QStringLiteral("Horizontal Pitch must be at least = Card Width"));
    l.HPitch = 3.5f;
    EXPECT_EQ(qm::CardLayoutProblem(l), QStringLiteral("Vertical Pitch must be at least = Card Height"));

    try {
        qm::ValidCard(l);
        ADD_FAILURE() << "no EValid";
    } catch (const qm::EValid& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Vertical Pitch must be at least = Card Height"));
        EXPECT_STREQ(e.what(), "Vertical Pitch must be at least = Card Height");
    }
}

TEST(ValidCard, LimitsAreInclusiveAndPitchesMatterOnlyWithTwoOrMore)
{
    CardSheetLayout l;
    l.Height = 0.3f;
    l.Width = 0.5f;
    EXPECT_EQ(qm::CardLayoutProblem(l), QString());

    l = CardSheetLayout();
    l.Across = 1;
    l.HPitch = 0; // one column: the pitch is never used
    l.Down = 1;
    l.VPitch = 0;
    EXPECT_EQ(qm::CardLayoutProblem(l), QString());
    l.Down = 2;
    EXPECT_EQ(qm::CardLayoutProblem(l), QStringLiteral("Vertical Pitch must be at least = Card Height"));

    // A pitch equal to the card is allowed.
    l = CardSheetLayout();
    l.HPitch = l.Width;
    l.VPitch = l.Height;
    EXPECT_EQ(qm::CardLayoutProblem(l), QString());
}

TEST(ValidCard, NothingLargerThanCardStockNorOutsideTheDialogsRanges)
{
    const auto problem = [](void (*change)(CardSheetLayout&)) {
        CardSheetLayout l;
        change(l);
        return qm::CardLayoutProblem(l);
    };
    const QString tooLarge = QStringLiteral(" must be at most 48 inches (or 1219mm)");
    const QString margin = QStringLiteral(" must be between 0 and 48 inches (or 1219mm)");
    // 48 inches everywhere is still a sheet.
    EXPECT_EQ(problem([](CardSheetLayout& l) {
                  l.Height = l.Width = l.HPitch = l.VPitch = l.TopMargin = l.LeftMargin = 48;
              }),
              QString());
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Height = l.VPitch = 48.001f; }),
              QStringLiteral("Card Height") + tooLarge);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Width = l.HPitch = 2000000; }),
              QStringLiteral("Card Width") + tooLarge);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.HPitch = 49; }), QStringLiteral("Horizontal Pitch") + tooLarge);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.VPitch = 49; }), QStringLiteral("Vertical Pitch") + tooLarge);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Across = 1, l.HPitch = 49; }), QString());
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.TopMargin = -0.001f; }), QStringLiteral("Top Margin") + margin);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.LeftMargin = 48.5f; }), QStringLiteral("Left Margin") + margin);
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Across = 0; }), QStringLiteral("Cards Across must be between 1 and 10"));
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Down = 31; }), QStringLiteral("Cards Down must be between 1 and 30"));
    // The empty and the negative card, and a value that is not a number.
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Height = l.Width = l.HPitch = l.VPitch = 0; }),
              QStringLiteral("Card Height must be at least .3 inches (or 7mm)"));
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Width = -3.5f; }),
              QStringLiteral("Card Width must be at least .5 inch (or 13mm)"));
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.Height = std::nanf(""); }),
              QStringLiteral("Card Height must be at least .3 inches (or 7mm)"));
    EXPECT_EQ(problem([](CardSheetLayout& l) { l.VPitch = std::nanf(""); }),
              QStringLiteral("Vertical Pitch must be at least = Card Height"));
}

// ---- Layout sections in files ----

class LayoutFile : public ::testing::Test
{
protected:
    QString path(const char* name = "card.qme") const { return mTemp.filePath(QString::fromLatin1(name)); }
    QByteArray contents(const QString& p) const
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir mTemp;
};

TEST_F(LayoutFile, WritesThousandthsInTheFixedOrderAndReadsThemBack)
{
    CardSheetLayout l;
    qm::ApplyPredefinedLayout(l, 10);
    l.Across = 3;
    l.Down = 7;
    l.PredefLayout = 10;
    l.UseMM = true;
    l.UsePortrait = true;
    {
        qm::ProfileFile file(path());
        qm::WriteLayout(file, l, qm::kCompanionPortraitKey);
        ASSERT_TRUE(file.Save());
    }
    EXPECT_EQ(contents(path()),
              QByteArray("[Layout]\r\nHeight=2047\r\nWidth=3543\r\nTopMargin=728\r\n"
                         "LeftMargin=591\r\nHPitch=3543\r\nVPitch=2047\r\nPredefLayout=10\r\n"
                         "Papersize=9\r\nAcross=3\r\nDown=7\r\nUseMM=1\r\nUsePortrait=1\r\n"));
    const qm::ProfileFile again(path());
    EXPECT_EQ(qm::ReadLayout(again, qm::kCompanionPortraitKey), l);
    // The preferences file names the orientation differently; the companion key is not it.
    EXPECT_FALSE(qm::ReadLayout(again, qm::kPreferencesPortraitKey).UsePortrait);
    EXPECT_TRUE(qm::ReadLayout(again, qm::kPreferencesPortraitKey, true).UsePortrait);
}

TEST_F(LayoutFile, MissingKeysAndTheOldOneLineFormGiveTheDefaults)
{
    QFile old(path());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("C:\\QMK\\BG\\Marble.bmp\r\n");
    old.close();
    EXPECT_EQ(qm::ReadLayout(qm::ProfileFile(path()), qm::kCompanionPortraitKey), CardSheetLayout());
    EXPECT_EQ(qm::ReadLayout(qm::ProfileFile(path("none.qme")), qm::kCompanionPortraitKey),
              CardSheetLayout());

    qm::ProfileFile partial(path("partial.qme"));
    partial.WriteString(ini("Layout"), ini("Width"), ini("3000"));
    partial.WriteString(ini("Layout"), ini("Height"), ini("two inches"));
    const CardSheetLayout l = qm::ReadLayout(partial, qm::kCompanionPortraitKey);
    EXPECT_EQ(l.Width, 3.0f);
    EXPECT_EQ(l.Height, 2.0f);
    EXPECT_EQ(l.Across, 2);
}

TEST_F(LayoutFile, DamagedCountsAndIndexAreBroughtIntoRange)
{
    qm::ProfileFile file(path());
    file.WriteInteger(ini("Layout"), ini("Across"), 0);
    file.WriteInteger(ini("Layout"), ini("Down"), 500);
    file.WriteInteger(ini("Layout"), ini("PredefLayout"), 21);
    const CardSheetLayout l = qm::ReadLayout(file, qm::kCompanionPortraitKey);
    EXPECT_EQ(l.Across, 1);
    EXPECT_EQ(l.Down, qm::kMaxDown);
    EXPECT_EQ(l.PredefLayout, 0);
}

// ---- Design panel size ----

TEST(CardPanelSize, NinetySixUnitsPerInchAndRotatedSwaps)
{
    CardSheetLayout l;
    EXPECT_EQ(qm::CardPanelSize(l, false), QSize(336, 192));
    EXPECT_EQ(qm::CardPanelSize(l, true), QSize(192, 336));
    qm::ApplyPredefinedLayout(l, 10); // 3.543 x 2.047: 340.128 x 196.512
    EXPECT_EQ(qm::CardPanelSize(l, false), QSize(340, 197));
    // The flag given wins over the layout's own.
    l.UsePortrait = true;
    EXPECT_EQ(qm::CardPanelSize(l, false), QSize(340, 197));
}

// ---- The dialog ----

class EditCardLayout : public ::testing::Test
{
protected:
    // A dialog whose information box only records its message.
    std::unique_ptr<qm::TEditCardLayout> make(const CardSheetLayout& l = CardSheetLayout())
    {
        auto dialog = std::make_unique<qm::TEditCardLayout>(l);
        dialog->ShowInformation = [this](const QString& m) { mMessages.append(m); };
        return dialog;
    }
    QStringList mMessages;
};

TEST_F(EditCardLayout, StartsFromTheValuesHandedIn)
{
    CardSheetLayout l;
    qm::ApplyPredefinedLayout(l, 10);
    l.PredefLayout = 10;
    l.UsePortrait = true;
    auto d = make(l);
    EXPECT_EQ(d->PredefinedLayouts->count(), qm::kPredefinedLayoutCount);
    EXPECT_EQ(d->PredefinedLayouts->currentIndex(), 10);
    EXPECT_TRUE(d->Inchesbutton->isChecked());
    EXPECT_DOUBLE_EQ(d->eCardwidth->value(), 3.543);
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 2.047);
    EXPECT_DOUBLE_EQ(d->etopmarg->value(), 0.728);
    EXPECT_EQ(d->eCardwidth->text(), QLocale().toString(3.543, 'f', 3));
    EXPECT_EQ(d->epapersize->currentIndex(), 1);
    EXPECT_TRUE(d->ePortrait->isChecked());
    // Whole inches show without trailing zeros.
    auto plain = make();
    EXPECT_EQ(plain->eCardHeight->text(), QStringLiteral("2"));
    EXPECT_EQ(plain->eleftmarg->text(), QLocale().toString(0.75, 'f', 2));
    // Nothing was chosen, so nothing was applied while setting up.
    EXPECT_EQ(d->Layout(), l);
}

TEST_F(EditCardLayout, OkWithValidEntriesHandsBackEveryValue)
{
    auto d = make();
    d->eCardwidth->setValue(3.3);
    d->eHorizPitch->setValue(3.6);
    d->enbracross->setValue(1);
    d->enbrdown->setValue(8);
    d->eleftmarg->setValue(0.25);
    d->epapersize->setCurrentIndex(1);
    d->ePortrait->setChecked(true);
    d->OKButtonClick();
    EXPECT_TRUE(mMessages.isEmpty());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    const CardSheetLayout& l = d->Layout();
    EXPECT_EQ(l.Width, 3.3f);
    EXPECT_EQ(l.HPitch, 3.6f);
    EXPECT_EQ(l.Across, 1);
    EXPECT_EQ(l.Down, 8);
    EXPECT_EQ(l.LeftMargin, 0.25f);
    EXPECT_EQ(l.Papersize, qm::kPaperA4);
    EXPECT_TRUE(l.UsePortrait);
    EXPECT_FALSE(l.UseMM);
}

TEST_F(EditCardLayout, OkWithInvalidEntriesShowsTheMessageAndStaysOpen)
{
    auto d = make();
    d->eHorizPitch->setValue(3.0);
    d->OKButtonClick();
    ASSERT_EQ(mMessages.size(), 1);
    EXPECT_EQ(mMessages[0], QStringLiteral("Horizontal Pitch must be at least = Card Width"));
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Layout(), CardSheetLayout()); // nothing taken

    d->eCardHeight->setValue(0.2);
    d->OKButtonClick();
    EXPECT_EQ(mMessages.value(1), QStringLiteral("Card Height must be at least .3 inches (or 7mm)"));

    // Fixing the entries lets Ok through.
    d->eCardHeight->setValue(2);
    d->eHorizPitch->setValue(3.5);
    d->OKButtonClick();
    EXPECT_EQ(mMessages.size(), 2);
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(EditCardLayout, MillimetresAreShownAndStoredAsRoundedInches)
{
    auto d = make();
    d->InchesbuttonClick(); // already inches: nothing to convert
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 2.0);
    d->MMButton->click();
    EXPECT_TRUE(d->ShowingMillimetres());
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 50.8);
    EXPECT_DOUBLE_EQ(d->eCardwidth->value(), 88.9);
    EXPECT_DOUBLE_EQ(d->eleftmarg->value(), 19.05);
    EXPECT_EQ(d->eCardwidth->decimals(), 2);
    // A second click on the checked button converts nothing twice.
    d->MMButtonClick();
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 50.8);

    d->eCardwidth->setValue(89);
    d->eHorizPitch->setValue(89);
    d->OKButtonClick();
    ASSERT_EQ(d->result(), QDialog::Accepted) << qPrintable(mMessages.join(QLatin1Char('\n')));
    EXPECT_EQ(d->Layout().Height, 2.0f);
    EXPECT_EQ(d->Layout().Width, 3.504f);
    EXPECT_EQ(d->Layout().HPitch, 3.504f);
    EXPECT_TRUE(d->Layout().UseMM);

    // And back to inches, three decimals.
    d->Inchesbutton->click();
    EXPECT_FALSE(d->ShowingMillimetres());
    EXPECT_DOUBLE_EQ(d->eCardwidth->value(), 3.504);
    EXPECT_EQ(d->eCardwidth->decimals(), 3);
}

TEST_F(EditCardLayout, MillimetreChecksUseTheConvertedValues)
{
    CardSheetLayout l;
    l.UseMM = true;
    auto d = make(l);
    EXPECT_TRUE(d->MMButton->isChecked());
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 50.8);
    d->eCardHeight->setValue(7); // 0.276 inch
    d->OKButtonClick();
    EXPECT_EQ(mMessages.value(0), QStringLiteral("Card Height must be at least .3 inches (or 7mm)"));
    d->eCardHeight->setValue(8); // 0.315 inch
    d->eCardwidth->setValue(12);
    d->OKButtonClick();
    EXPECT_EQ(mMessages.value(1), QStringLiteral("Card Width must be at least .5 inch (or 13mm)"));
}

TEST_F(EditCardLayout, ChoosingAPredefinedSheetFillsTheEntriesButKeepsOrientationAndUnit)
{
    auto d = make();
    d->ePortrait->setChecked(true);
    d->MMButton->click();
    d->PredefinedLayouts->setCurrentIndex(14);
    EXPECT_EQ(d->enbrdown->value(), 4);
    EXPECT_DOUBLE_EQ(d->eVertPitch->value(), 63.4); // 2.496 inches
    EXPECT_DOUBLE_EQ(d->eHorizPitch->value(), 101.6);
    EXPECT_TRUE(d->ePortrait->isChecked());
    EXPECT_TRUE(d->ShowingMillimetres());

    d->PredefinedLayouts->setCurrentIndex(9);
    EXPECT_EQ(d->epapersize->currentIndex(), 1);

    d->OKButtonClick();
    ASSERT_EQ(d->result(), QDialog::Accepted) << qPrintable(mMessages.join(QLatin1Char('\n')));
    EXPECT_EQ(d->Layout().PredefLayout, 9);
    EXPECT_EQ(d->Layout().Width, 3.543f);
    EXPECT_EQ(d->Layout().TopMargin, 0.846f);
    EXPECT_EQ(d->Layout().Papersize, qm::kPaperA4);
    EXPECT_TRUE(d->Layout().UsePortrait);
}

TEST_F(EditCardLayout, LeavingACardSizeGrowsASmallerPitch)
{
    auto d = make();
    d->eCardwidth->setValue(3.75);
    d->eCardwidthExit();
    EXPECT_DOUBLE_EQ(d->eHorizPitch->value(), 3.75);
    d->eCardwidth->setValue(3.0);
    d->eCardwidthExit(); // a larger pitch stays
    EXPECT_DOUBLE_EQ(d->eHorizPitch->value(), 3.75);

    d->eCardHeight->setValue(2.25);
    d->eCardHeightExit();
    EXPECT_DOUBLE_EQ(d->eVertPitch->value(), 2.25);
}

TEST_F(EditCardLayout, UnknownPaperCodeIsKeptUnlessAnotherIsChosen)
{
    CardSheetLayout l;
    l.Papersize = 5;
    auto d = make(l);
    EXPECT_EQ(d->epapersize->currentIndex(), -1);
    d->OKButtonClick();
    EXPECT_EQ(d->Layout().Papersize, 5);
}

} // namespace

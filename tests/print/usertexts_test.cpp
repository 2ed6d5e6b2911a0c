// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of printing, card files and contact files in the user's language, each a whole sentence; numbers
// shown and typed the user's way while the files keep theirs.
#include "contacts/contactformats.h"
#include "model/cardobjects.h"
#include "platform/paths.h"
#include "print/calibrationpage.h"
#include "print/calibrationpanel_ui.h"
#include "print/duplexplacement.h"
#include "print/finetuning.h"
#include "print/mergefeed.h"
#include "print/printercalibration.h"
#include "stream/streamreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace qm;

namespace {

// Every translated text comes back in brackets: a message glued from pieces shows as several.
class Brackets : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']')
                                 : QString();
    }
    bool isEmpty() const override { return false; }
};

// For its life: the bracketing translator installed, numbers the German way.
class InGerman
{
public:
    InGerman() : mSaved(QLocale())
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCoreApplication::installTranslator(&mBrackets);
    }
    ~InGerman()
    {
        QCoreApplication::removeTranslator(&mBrackets);
        QLocale::setDefault(mSaved);
    }

private:
    QLocale mSaved;
    Brackets mBrackets;
};

// German numbers only, no translator.
class GermanNumbers
{
public:
    GermanNumbers() : mSaved(QLocale()) { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanNumbers() { QLocale::setDefault(mSaved); }

private:
    QLocale mSaved;
};

TEST(UserTexts, CalibrationNumbersAreShownAndTypedTheUsersWayButStoredInOneForm)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qmk.ini"));
    {
        const GermanNumbers german;
        EXPECT_EQ(OffsetShown(15), QStringLiteral("1,5"));
        EXPECT_EQ(OffsetShown(-8), QStringLiteral("-0,8"));
        EXPECT_EQ(ScaleShown(10040), QStringLiteral("100,40"));
        double v = 0;
        EXPECT_TRUE(ReadTypedNumber(QStringLiteral(" -0,8 "), &v));
        EXPECT_DOUBLE_EQ(v, -0.8);
        EXPECT_TRUE(ReadTypedNumber(QStringLiteral("1.5"), &v)); // the point still reads
        EXPECT_DOUBLE_EQ(v, 1.5);
        EXPECT_FALSE(ReadTypedNumber(QStringLiteral("1.000,5"), &v)); // no thousands in a calibration
        EXPECT_FALSE(ReadTypedNumber(QStringLiteral("zwei"), &v));

        QString error;
        int tenths = 0;
        EXPECT_FALSE(ParseOffset(QStringLiteral("25"), QStringLiteral("Offset down"), &tenths, &error));
        EXPECT_EQ(error, QStringLiteral("Offset down must lie between -20,0 and 20,0 mm."));
        int scale = 0;
        EXPECT_TRUE(ParseScale(QStringLiteral("99,85"), QStringLiteral("Scale across"), &scale, &error));
        EXPECT_EQ(scale, 9985);

        // The settings file is the same whatever language wrote it.
        PrintNudges n;
        n.OffsetX = 15;
        n.ScaleY = 9985;
        ASSERT_TRUE(SavePrinterNudges(ini, QStringLiteral("Laser"), n, {}, &error)) << qPrintable(error);
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains("OffsetXmm=1.5")) << text.constData();
        EXPECT_TRUE(text.contains("ScaleYPercent=99.85")) << text.constData();
        EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Laser")), n);
    }
    // In English a comma is a decimal comma too, never a thousands separator.
    double v = 0;
    EXPECT_TRUE(ReadTypedNumber(QStringLiteral("1,500"), &v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Laser")).OffsetX, 15);
}

TEST(UserTexts, TheCalibrationPanelShowsAndTakesDecimalCommas)
{
    const InGerman german;
    CalibrationPanel panel(PrintNudges{0, 0, 0, 0, 15, -8, 9950, 10040}, PdfFileCalibrationName());
    EXPECT_EQ(panel.Entry(CalibrationPanel::eOffsetX)->text(), QStringLiteral("1,5"));
    EXPECT_EQ(panel.Entry(CalibrationPanel::eScaleY)->text(), QStringLiteral("100,40"));
    EXPECT_EQ(panel.Entry(CalibrationPanel::eReadAx)->placeholderText(), QStringLiteral("30,0"));
    // The entries keep their English object names; what is shown is translated.
    EXPECT_EQ(panel.Entry(CalibrationPanel::eOffsetX)->objectName(), QStringLiteral("Offset across"));
    EXPECT_EQ(panel.findChild<QLabel*>(QStringLiteral("PrinterName"))->text(),
              QStringLiteral("[These settings are for: <b>[PDF file]</b>]"));

    panel.Entry(CalibrationPanel::eOffsetY)->setText(QStringLiteral("-1,2"));
    PrintNudges n;
    ASSERT_TRUE(panel.Take(&n)) << qPrintable(panel.Message());
    EXPECT_EQ(n.OffsetY, -12);
    EXPECT_EQ(n.ScaleX, 9950);

    panel.Entry(CalibrationPanel::eScaleX)->setText(QStringLiteral("120"));
    EXPECT_FALSE(panel.Take(&n));
    EXPECT_EQ(panel.Message(), QStringLiteral("[[Scale across] must lie between 95,00 and 105,00 %.]"));
}

TEST(UserTexts, MessagesAreTranslatedAsWholeSentences)
{
    const InGerman german;
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone.ini"));
    const std::pair<FileRole, const char*> roles[] = {
        {FileRole::CardFile, "card file"},
        {FileRole::SettingsFile, "settings file"},
        {FileRole::LayoutFile, "layout file"},
        {FileRole::PaperSizesFile, "paper sizes file"},
    };
    for (const auto& [role, words] : roles) {
        QFile folder(dir.path()), gone(missing);
        QString byRole, byWords;
        EXPECT_FALSE(OpenRegularFile(folder, role, &byRole));
        EXPECT_EQ(byRole,
                  QStringLiteral("[%1 is [a folder], not a %2]").arg(dir.path(), QLatin1String(words)));
        EXPECT_FALSE(OpenRegularFile(folder, QString::fromLatin1(words), &byWords));
        EXPECT_EQ(byWords, byRole);
        EXPECT_FALSE(OpenRegularFile(gone, role, &byRole));
        EXPECT_EQ(byRole, QStringLiteral("[%1: no such %2]").arg(missing, QLatin1String(words)));
    }
    QFile gone(missing);
    QString error;
    EXPECT_FALSE(OpenRegularFile(gone, QStringLiteral("something"), &error));
    EXPECT_EQ(error, QStringLiteral("[%1: no such file]").arg(missing));

    // The card stream reader's failures, and its limit written the German way.
    TKCardObjects objects;
    EXPECT_EQ(ReadObjectsFromBytes(objects, QByteArray("\x02\x00", 2)).error,
              QStringLiteral("[Invalid stream format]"));
    EXPECT_EQ(CardObjectLimitText(), QStringLiteral("1.000.000"));

    EXPECT_EQ(NudgeCaption(-3), QStringLiteral("[Decrease by 3/32\"]"));
    EXPECT_EQ(NudgeCaption(0), QStringLiteral("[None]"));
    const QString turn = DuplexPlacement::TurnStackMessage(12);
    EXPECT_TRUE(turn.startsWith(QLatin1Char('[')) && turn.endsWith(QLatin1Char(']')) &&
                turn.count(QLatin1Char('[')) == 1 && turn.contains(QStringLiteral("12 sheets")))
        << qPrintable(turn);

    // File dialogs: the words translated, the patterns kept.
    EXPECT_EQ(ContactFormats().front()->NameFilter(), QStringLiteral("[CSV text] (*.csv *.txt)"));
    EXPECT_TRUE(
        DialogFilters(QStringLiteral("All"), ContactFormats()).endsWith(QStringLiteral(";;[All files] (*)")));
}

TEST(UserTexts, CountsAndPrintedInstructionsReadNaturally)
{
    EXPECT_TRUE(
        DuplexPlacement::TurnStackMessage(1).contains(QStringLiteral("Take the sheet out of the printer, "
                                                                     "turn it over")));
    EXPECT_TRUE(
        DuplexPlacement::TurnStackMessage(3).contains(QStringLiteral("Take the stack of 3 sheets out")));

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("names.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name\nAda\n");
    file.close();
    TMergeFeed feed;
    ASSERT_TRUE(feed.Open(csv)) << qPrintable(feed.Problem());
    EXPECT_TRUE(feed.ReadSummary().startsWith(
        QStringLiteral("1 person read from names.csv. The file has 1 column. ")))
        << qPrintable(feed.ReadSummary());

    // Each printed line of the pages stands on its own, as the English lines always did.
    const QStringList page = CalibrationInstructions(CalibrationMarks(), QStringLiteral("Laser"));
    ASSERT_EQ(page.size(), 8);
    EXPECT_EQ(page[0], QStringLiteral("Quillmark calibration page for Laser"));
    EXPECT_TRUE(page[5].endsWith(QStringLiteral("\"Readings from the calibration page\",")));
    EXPECT_TRUE(page[6].startsWith(QStringLiteral("    click Use Readings")));
    const QStringList back = TwoSidedInstructions(PdfFileCalibrationName());
    ASSERT_EQ(back.size(), 7);
    EXPECT_EQ(back[0], QStringLiteral("Quillmark two-sided calibration page for PDF file"));
    EXPECT_EQ(back[6],
              QStringLiteral("B and C should read alike. Print the page again: every reading should be 0."));
}

} // namespace

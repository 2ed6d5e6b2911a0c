// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the print subcommand: options, exit status and messages, the card's layout and the pages written.
#include "print/pdfutil.h"

#include "app/carddocument.h"
#include "settings/companionfile.h"
#include "settings/preferences.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/personallabel.h"
#include "platform/paths.h"
#include "app/printcommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

QStringList Args(std::initializer_list<const char*> words)
{
    QStringList args{QStringLiteral("quillmark"), QStringLiteral("print")};
    for (const char* w : words)
        args.append(QString::fromUtf8(w));
    return args;
}

// A card file with a label and a shape; with a companion layout when one is given.
QString WriteCard(const QTemporaryDir& dir, const char* name, const CardSheetLayout* layout)
{
    TKBusinessCardPanel32 panel;
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, 20, 200, 30);
    label->SetCaption(QStringLiteral("Ada Lovelace"));
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(20, 80, 100, 50);
    const QString path = dir.filePath(QLatin1String(name));
    EXPECT_TRUE(panel.SaveToFile(path));
    if (layout) {
        EXPECT_TRUE(WriteCompanionFile(path, QString(), *layout));
    }
    return path;
}

int PageCount(const QString& pdf)
{
    const QString info = qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

QString PageSize(const QString& pdf)
{
    const QString info = qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QStringLiteral("Page size:"));
    return at < 0 ? QString() : info.mid(at + 10).section(QLatin1Char('\n'), 0, 0).trimmed();
}

TEST(PrintCommand, OptionsAreReadAndBadOnesAreUsageErrors)
{
    PrintOptions o;
    QString error;
    ASSERT_TRUE(ParsePrintOptions(
        Args({"--copies", "3", "card.qmk", "--pdf", "out.pdf", "--positions", "1, 9,10", "--outline"}), &o,
        &error));
    EXPECT_EQ(o.Card, QStringLiteral("card.qmk"));
    EXPECT_EQ(o.Pdf, QStringLiteral("out.pdf"));
    EXPECT_EQ(o.Copies, 3);
    EXPECT_EQ(o.Positions, (std::vector<int>{1, 9, 10}));
    EXPECT_TRUE(o.Outline);
    EXPECT_FALSE(o.Preview);
    // A printer instead of a file: the queue named, or the default one.
    ASSERT_TRUE(ParsePrintOptions(Args({"card.qmk", "--printer", "office", "--copies", "2"}), &o, &error));
    EXPECT_TRUE(o.ToPrinter);
    EXPECT_EQ(o.Printer, QStringLiteral("office"));
    ASSERT_TRUE(ParsePrintOptions(Args({"--printer", "card.qmk"}), &o, &error));
    EXPECT_TRUE(o.ToPrinter);
    EXPECT_TRUE(o.Printer.isEmpty());
    EXPECT_EQ(o.Card, QStringLiteral("card.qmk"));

    for (const QStringList& bad :
         {Args({}), Args({"card.qmk"}), Args({"card.qmk", "--pdf"}),
          Args({"a.qmk", "b.qmk", "--pdf", "o.pdf"}), Args({"card.qmk", "--pdf", "o.pdf", "--copies", "0"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--copies", "x"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--copies", "100001"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--positions", "1,,2"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--positions", "0"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--outline", "--preview"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--landscape"}),
          Args({"card.qmk", "--pdf", "o.pdf", "--printer", "office"})}) {
        EXPECT_FALSE(ParsePrintOptions(bad, &o, &error)) << qPrintable(bad.join(QLatin1Char(' ')));
        EXPECT_EQ(RunPrintCommand(bad), 2) << qPrintable(bad.join(QLatin1Char(' ')));
    }
}

TEST(PrintCommand, BadCardsAndUnwritableFilesFailWithOneLine)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QString error;
    PrintOptions o;
    o.Card = dir.filePath(QStringLiteral("missing.qmk"));
    o.Pdf = pdf;
    EXPECT_FALSE(PrintCardFile(o, &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("missing.qmk: no such card file"))) << qPrintable(error);
    EXPECT_EQ(RunPrintCommand(Args({qPrintable(o.Card), "--pdf", qPrintable(pdf)})), 1);

    const QString broken = dir.filePath(QStringLiteral("broken.qmk"));
    ASSERT_TRUE(qmtest::WriteFile(broken, QByteArray("TPF0 not a card")));
    EXPECT_EQ(RunPrintCommand(Args({qPrintable(broken), "--pdf", qPrintable(pdf)})), 1);
    EXPECT_FALSE(QFile::exists(pdf));

    const QString card = WriteCard(dir, "card.qmk", nullptr);
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
    o.Card = card;
    o.Pdf = nowhere;
    EXPECT_FALSE(PrintCardFile(o, &error));
    EXPECT_TRUE(error.startsWith(nowhere)) << qPrintable(error);
    EXPECT_FALSE(error.contains(QLatin1Char('\n')));

    // A position the card's sheet does not have is a wrong command line.
    EXPECT_EQ(RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(pdf), "--positions", "11"})), 2);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PrintCommand, SheetsCopiesOutlinesAndPreviewGoToThePdf)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    CardSheetLayout a4;
    ApplyPredefinedLayout(a4, 12);
    a4.UsePortrait = true;
    const QString card = WriteCard(dir, "a4.qmk", &a4);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));

    ASSERT_EQ(RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(pdf), "--copies", "3"})), 0);
    EXPECT_EQ(PageCount(pdf), 3);
    EXPECT_TRUE(PageSize(pdf).startsWith(QStringLiteral("842 x 595 pts"))) << qPrintable(PageSize(pdf));
    EXPECT_TRUE(
        qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSans")));

    // Only the outlines: no text anywhere, ink on the card edges.
    const QString outline = dir.filePath(QStringLiteral("outline.pdf"));
    ASSERT_EQ(RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(outline), "--outline"})), 0);
    EXPECT_EQ(PageCount(outline), 1);
    EXPECT_FALSE(
        qmtest::RunTool(QStringLiteral("pdffonts"), {outline}).contains(QStringLiteral("Liberation")));

    // The preview's page: one card at the second position of the turned sheet.
    const QString preview = dir.filePath(QStringLiteral("preview.pdf"));
    ASSERT_EQ(RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(preview), "--preview"})), 0);
    EXPECT_EQ(PageCount(preview), 1);
    const QImage page = qmtest::RenderPdfPage(preview, 72);
    const QRect ink = qmtest::InkBox(page, QRect(), 230);
    // Position 1 of an A4 sheet lying on its side: x from the top margin, y from the page's bottom edge.
    const double top = double(a4.TopMargin), left = double(a4.LeftMargin) + double(a4.HPitch);
    EXPECT_NEAR(ink.left(), top * 72, 1.5);
    EXPECT_NEAR(ink.top(), (595 / 72.0 - left - double(a4.Width)) * 72, 1.5);
    EXPECT_NEAR(ink.width(), double(a4.Height) * 72, 2.5);

    if (qEnvironmentVariableIsSet("QM_KEEP_PDF")) {
        for (const QString& f : {pdf, outline, preview})
            QFile::copy(f, QStringLiteral("/tmp/qm_cli_") + QFileInfo(f).fileName());
    }
}

TEST(PrintCommand, ChosenPositionsAndTheDefaultLayoutWithoutACompanion)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString card = WriteCard(dir, "plain.qmk", nullptr);
    const QString pdf = dir.filePath(QStringLiteral("two.pdf"));
    ASSERT_EQ(RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(pdf), "--positions", "2,9"})), 0);
    EXPECT_TRUE(PageSize(pdf).startsWith(QStringLiteral("612 x 792 pts"))) << qPrintable(PageSize(pdf));
    const QImage page = qmtest::RenderPdfPage(pdf, 72);
    // Cards of the built-in 2 x 5 letter sheet: position 2 is top right, 9 bottom left.
    EXPECT_FALSE(qmtest::InkBox(page, QRect(306, 36, 252, 144)).isNull());
    EXPECT_FALSE(qmtest::InkBox(page, QRect(54, 612, 252, 144)).isNull());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(54, 36, 252, 144)).isNull());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(306, 612, 252, 144)).isNull());

    // The preferences' default layout stands in for a missing companion file.
    CardSheetLayout a4;
    ApplyPredefinedLayout(a4, 9);
    Preferences prefs;
    ASSERT_TRUE(prefs.SaveLayoutPreferences(a4));
    const QString onA4 = dir.filePath(QStringLiteral("a4.pdf"));
    const int status = RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(onA4)}));
    QFile::remove(prefs.Path());
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(PageSize(onA4).startsWith(QStringLiteral("595 x 842 pts"))) << qPrintable(PageSize(onA4));
}

// The printer fine tuning of qmk.ini moves the printed sheet as it does when the window prints to PDF:
// margins by their nudges, the second row by the spacing nudge; --no-nudges prints the layout as it stands.
TEST(PrintCommand, PrinterNudgesApplyUnlessLeftOut)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString card = WriteCard(dir, "nudged.qmk", nullptr);
    const QString ini = Preferences().Path();
    ASSERT_TRUE(qmtest::WriteFile(
        ini, "[Printer]\r\nTopMarginNudge=8\r\nLeftMarginNudge=4\r\nVerticalSpacing=2\r\nHorizontalSpacing=0\r\n"));
    const QString nudged = dir.filePath(QStringLiteral("nudged.pdf"));
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    const int nudgedStatus = RunPrintCommand(Args({qPrintable(card), "--pdf", qPrintable(nudged), "--positions", "1,3"}));
    const int plainStatus = RunPrintCommand(
        Args({qPrintable(card), "--no-nudges", "--pdf", qPrintable(plain), "--positions", "1,3"}));
    QFile::remove(ini);
    ASSERT_EQ(nudgedStatus, 0);
    ASSERT_EQ(plainStatus, 0);

    // At 144 dots per inch a step of 1/32 inch is 4.5 dots.
    const QRect a = qmtest::InkBox(qmtest::RenderPdfPage(plain, 144));
    const QRect b = qmtest::InkBox(qmtest::RenderPdfPage(nudged, 144));
    ASSERT_FALSE(a.isNull());
    EXPECT_NEAR(b.left() - a.left(), 4 * 4.5, 1.5);
    EXPECT_NEAR(b.top() - a.top(), 8 * 4.5, 1.5);
    EXPECT_NEAR(b.height() - a.height(), 2 * 4.5, 1.5);
    EXPECT_NEAR(b.width(), a.width(), 1.5);
}

// A merge of 23 people onto a sheet fed again from position 4: records fill positions across then down, sheet
// after sheet, each card showing its own person; a file that cannot be read fails without touching the PDF.
TEST(PrintCommand, MergePrintsOneCardPerRecordFromTheStartPosition)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, 20, 300, 30);
    label->SetCaption(QStringLiteral("{Name} of {Firm}"));
    const QString card = dir.filePath(QStringLiteral("merge.qmk"));
    ASSERT_TRUE(panel.SaveToFile(card));
    ASSERT_TRUE(WriteCompanionFile(card, QString(), CardSheetLayout()));
    QByteArray csv = "Full name;Firm\r\n";
    for (int i = 1; i <= 23; ++i)
        csv += QStringLiteral("\"Person %1\";Firm%1\r\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8();
    const QString data = dir.filePath(QStringLiteral("people.csv"));
    ASSERT_TRUE(qmtest::WriteFile(data, csv));
    const QString pdf = dir.filePath(QStringLiteral("merged.pdf"));
    ASSERT_EQ(RunPrintCommand(QStringList{QStringLiteral("quillmark"), QStringLiteral("print"), card,
                                          QStringLiteral("--pdf"), pdf, QStringLiteral("--merge"), data,
                                          QStringLiteral("--start"), QStringLiteral("4")}),
              0);
    EXPECT_EQ(PageCount(pdf), 3); // 3 blank positions and 23 cards: 26 positions of 10

    // In reading order: the first page's positions 4 to 10 hold persons 1 to 7, the next page 8 to 17.
    const QString first = qmtest::RunTool(QStringLiteral("pdftotext"),
                                          {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("1"), QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    QStringList people;
    const QRegularExpression person(QStringLiteral("Person \\d\\d of Firm\\d\\d"));
    for (auto m = person.globalMatch(first); m.hasNext();)
        people << m.next().captured();
    ASSERT_EQ(people.size(), 7) << qPrintable(first);
    EXPECT_EQ(people.front(), QStringLiteral("Person 01 of Firm01"));
    EXPECT_EQ(people.back(), QStringLiteral("Person 07 of Firm07"));
    const QImage page = qmtest::RenderPdfPage(pdf, 36);
    ASSERT_FALSE(page.isNull());
    // Default sheet: 2 across, margins 0.75 and 0.5 inch, 3.5 x 2 inch cards. Position 3 (row 2, left) is
    // blank; position 4 (row 2, right) has its card.
    EXPECT_TRUE(qmtest::InkBox(page, QRect(int(0.75 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());
    EXPECT_FALSE(qmtest::InkBox(page, QRect(int(4.25 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());
    const QString last = qmtest::RunTool(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("3"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(last.contains(QLatin1String("Person 23 of Firm23"))) << qPrintable(last);

    // A binary file instead of data: one line, exit 1, the PDF as it was.
    const QString binary = dir.filePath(QStringLiteral("binary.csv"));
    ASSERT_TRUE(qmtest::WriteFile(binary, QByteArray("\x00\x01\x02\xff\xfe", 5).repeated(100)));
    QFile before(pdf);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();
    EXPECT_EQ(RunPrintCommand(QStringList{QStringLiteral("quillmark"), QStringLiteral("print"), card,
                                          QStringLiteral("--pdf"), pdf, QStringLiteral("--merge"), binary}),
              1);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), old);
    before.close();

    // A quote left open on line 3 would run the rest into one card: nothing is printed.
    const QString unclosed = dir.filePath(QStringLiteral("unclosed.csv"));
    ASSERT_TRUE(qmtest::WriteFile(unclosed, "Full name;Firm\r\nAl;A\r\nBo;\"B\r\nCy;C\r\n"));
    EXPECT_EQ(RunPrintCommand(QStringList{QStringLiteral("quillmark"), QStringLiteral("print"), card,
                                          QStringLiteral("--pdf"), pdf, QStringLiteral("--merge"), unclosed}),
              1);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), old);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Merge printing from the window: the merge's data file, the Print Merge dialog, and the preview and print
// commands writing real PDF files.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "objects/text/personallabel.h"
#include "print/mergedialog_ui.h"
#include "print/mergefeed.h"
#include "print/printcommands_ui.h"
#include "print/printers_ui.h"
#include "print/recordingreport.h"
#include "print/sheetprinter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using namespace qm;

const char* const kPeople[23][3] = {
    {"Ada Lovelace", "Analytical Engines Ltd", "London"},
    {"Grace Hopper", "Cobol Systems", "Arlington"},
    {"Alan Turing", "Bletchley Ciphers", "Wilmslow"},
    {"Katherine Johnson", "Orbit Works", "Hampton"},
    {"Edsger Dijkstra", "Shortest Path BV", "Nuenen"},
    {"Barbara Liskov", "Substitution Inc", "Boston"},
    {"Donald Knuth", "Literate Press", "Stanford"},
    {"Frances Allen", "Optimizing Co", "Peru"},
    {"John Backus", "Formula Translators", "Ashland"},
    {"Margaret Hamilton", "Apollo Software", "Paoli"},
    {"Niklaus Wirth", "Pascal & Sons", "Winterthur"},
    {"Radia Perlman", "Spanning Trees LLC", "Portsmouth"},
    {"Dennis Ritchie", "Unix Tools", "Bronxville"},
    {"Hedy Lamarr", "Frequency Hopping", "Vienna"},
    {"Ken Thompson", "Regular Expressions", "New Orleans"},
    {"Shafi Goldwasser", "Zero Knowledge", "New York"},
    {"Tony Hoare", "Quicksort Partners", "Colombo"},
    {"Adele Goldberg", "Smalltalk Objects", "Cleveland"},
    {"Leslie Lamport", "Paxos Consensus", "Brooklyn"},
    {"Sophie Wilson", "Acorn Instruments", "Leeds"},
    {"Guido Rossum", "Indentation Matters", "Haarlem"},
    {"Lynn Conway", "Chip Design Group", "Mount Vernon"},
    {"Bjarne Stroustrup", "Classes Unlimited", "Aarhus"},
};

QString WritePeople(const QTemporaryDir& dir)
{
    // As a spreadsheet exports it: a header naming the columns, quoting where a value needs it.
    QByteArray csv = "Full name,Organization,Job title,City\r\n";
    for (const auto& p : kPeople)
        csv += QStringLiteral("%1,\"%2\",Engineer,%3\r\n").arg(p[0], p[1], p[2]).toUtf8();
    const QString path = dir.filePath(QStringLiteral("people.csv"));
    EXPECT_TRUE(qmtest::WriteFile(path, csv));
    return path;
}

// A card whose text shows a person's name and company.
void AddNameAndCompany(TKBusinessCardPanel32& panel)
{
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, 20, 330, 30);
    label->SetCaption(QStringLiteral("{Name} / {Company}"));
}

QString Card(int person, int second = 1)
{
    return QStringLiteral("%1 / %2").arg(QLatin1String(kPeople[person][0]),
                                         QLatin1String(kPeople[person][second]));
}

// The cards a page of a PDF file shows, in reading order, as "name / company" (or "name / city").
QStringList CardsOnPage(const QString& pdf, int page)
{
    const QString text =
        qmtest::RunTool(QStringLiteral("pdftotext"),
                        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                         QString::number(page), QStringLiteral("-raw"), pdf, QStringLiteral("-")})
            .simplified();
    std::vector<std::pair<qsizetype, QString>> found;
    for (int i = 0; i < 23; ++i) {
        for (int second : {1, 2}) {
            const qsizetype at = text.indexOf(Card(i, second));
            if (at >= 0)
                found.emplace_back(at, Card(i, second));
        }
    }
    std::sort(found.begin(), found.end());
    QStringList cards;
    for (const auto& f : found)
        cards << f.second;
    return cards;
}

// 23 people onto a sheet that already lost its first three cards: the preview and then the print each read
// the file from its first person; 7 + 10 + 6 cards on three sheets, positions 1 to 3 of the first left blank,
// the fonts embedded once, and the user told how many cards went where.
TEST(MergePrint, TwentyThreePeopleFromPositionFourFillThreeSheets)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TMergeFeed merge;
    ASSERT_TRUE(merge.Open(WritePeople(dir))) << qPrintable(merge.Problem());
    EXPECT_EQ(merge.Mapping().Column(0), 0); // Full name feeds {Name}
    EXPECT_EQ(merge.Mapping().Column(1), 1); // Organization feeds {Company}
    merge.SetStartPosition(4);

    TKBusinessCardPanel32 panel;
    AddNameAndCompany(panel);
    TPrintCommands commands(nullptr, panel);
    commands.ReportPrinter().Printer().setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("merged.pdf"));
    commands.ChoosePdfFile = [&](const QString&) { return pdf; };
    QStringList told;
    commands.Inform = [&](const QString& message) { told << message; };
    std::vector<ReportPage> previewed;
    commands.ShowPreview = [&](std::vector<ReportPage>& pages) { previewed = std::move(pages); };
    TPrintSettings settings;

    ASSERT_TRUE(commands.PreviewMerge(settings, merge));
    EXPECT_EQ(previewed.size(), 3u);
    EXPECT_EQ(merge.JobRecords(), 23);
    ASSERT_TRUE(commands.PrintMerge(settings, merge));
    EXPECT_EQ(told, QStringList{QStringLiteral("23 cards were printed to the PDF file\n") + pdf});

    EXPECT_TRUE(
        qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Pages:           3")));
    QStringList expected;
    for (int i = 0; i < 7; ++i)
        expected << Card(i);
    EXPECT_EQ(CardsOnPage(pdf, 1), expected);
    EXPECT_EQ(CardsOnPage(pdf, 2).size(), 10);
    EXPECT_EQ(CardsOnPage(pdf, 2).front(), Card(7));
    EXPECT_EQ(CardsOnPage(pdf, 3).size(), 6);
    EXPECT_EQ(CardsOnPage(pdf, 3).back(), Card(22));

    // The default sheet: two across, 3.5 x 2 inch cards from 0.75 and 0.5 inch. Positions 1 to 3 are blank,
    // 4 has its card.
    const QImage page = qmtest::RenderPdfPage(pdf, 36);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(0, 0, page.width(), int(2.5 * 36))).isEmpty());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(int(0.75 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());
    EXPECT_FALSE(qmtest::InkBox(page, QRect(int(4.25 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());

    // One embedded font for the whole job, not one per card.
    const QStringList fonts =
        qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);
    std::set<QString> names;
    for (int i = 2; i < fonts.size(); ++i)
        names.insert(fonts[i].section(QLatin1Char(' '), 0, 0).section(QLatin1Char('+'), 1));
    EXPECT_EQ(names.size(), size_t(fonts.size() - 2)) << qPrintable(fonts.join(QLatin1Char('\n')));
}

// A job started for the first three people of a file of five (as a preview is, for its first sheets) shows
// exactly those three cards and leaves the other positions blank.
TEST(MergePrint, AJobStartedForThreeOfFivePeopleShowsThreeCards)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    QByteArray csv = "Full name,Organization\r\n";
    for (int i = 0; i < 5; ++i)
        csv += QByteArray(kPeople[i][0]) + ",\"" + kPeople[i][1] + "\"\r\n";
    const QString data = dir.filePath(QStringLiteral("five.csv"));
    ASSERT_TRUE(qmtest::WriteFile(data, csv));
    TMergeFeed merge;
    ASSERT_TRUE(merge.Open(data)) << qPrintable(merge.Problem());
    TKBusinessCardPanel32 panel;
    AddNameAndCompany(panel);
    LabelJob job;
    job.PrintMode = false;
    job.NextRecord = merge.StartJob(3);
    ASSERT_TRUE(job.NextRecord);
    RecordingReport recording;
    {
        TLabelPrinter labels(panel, job);
        ASSERT_EQ(labels.Run(recording), joFinished);
    }
    EXPECT_EQ(merge.JobRecords(), 3);
    const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
    {
        PdfReport report(pdf);
        ASSERT_TRUE(ReplayPages(recording.Pages(), report));
    }
    EXPECT_EQ(CardsOnPage(pdf, 1), (QStringList{Card(0), Card(1), Card(2)}));
    EXPECT_TRUE(qmtest::RenderPdfPage(pdf, 10, 2).isNull()); // one sheet
    // Position 4 (row 2, right) is blank: nothing stands for the fourth person.
    const QImage page = qmtest::RenderPdfPage(pdf, 36);
    ASSERT_FALSE(page.isNull());
    EXPECT_FALSE(qmtest::InkBox(page, QRect(int(0.75 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(int(4.25 * 36), int(2.5 * 36), int(3.5 * 36), 2 * 36)).isEmpty());
}

// The dialog presets the columns by their names and shows the first person; choosing another column for
// {Company} shows in the dialog and on the previewed cards. A file that cannot be used says why and leaves
// Preview and Print off.
TEST(MergePrint, DialogRemapsAColumnAndRefusesFilesItCannotUse)
{
    QTemporaryDir dir;
    const QString people = WritePeople(dir);
    TMergeFeed merge;
    TMergeDialog dialog(merge, CardSheetLayout());
    EXPECT_FALSE(dialog.PrintButton()->isEnabled());
    dialog.OpenFile(people);
    ASSERT_TRUE(dialog.Problem().isEmpty()) << qPrintable(dialog.Problem());
    EXPECT_EQ(dialog.ColumnCombo(0)->currentText(), QStringLiteral("Full name"));
    EXPECT_EQ(dialog.ColumnCombo(1)->currentText(), QStringLiteral("Organization"));
    // Without a street the town is the first address line.
    EXPECT_EQ(dialog.ColumnCombo(3)->currentText(), QStringLiteral("Line 1 of the address"));
    EXPECT_EQ(dialog.MappingTable()->item(3, 2)->text(), QStringLiteral("London"));
    EXPECT_EQ(dialog.MappingTable()->item(4, 2)->text(), QString());
    EXPECT_EQ(dialog.MappingTable()->item(1, 2)->text(), QStringLiteral("Analytical Engines Ltd"));
    dialog.ChooseColumn(1, 3);
    EXPECT_EQ(merge.Mapping().Column(1), 3);
    EXPECT_EQ(dialog.MappingTable()->item(1, 2)->text(), QStringLiteral("London"));
    dialog.SetStartPosition(10);
    EXPECT_EQ(merge.StartPosition(), 10);
    dialog.SetStartPosition(11); // the sheet has ten positions
    EXPECT_EQ(merge.StartPosition(), 10);

    if (qmtest::HavePoppler()) {
        TKBusinessCardPanel32 panel;
        AddNameAndCompany(panel);
        TPrintCommands commands(nullptr, panel);
        std::vector<ReportPage> previewed;
        commands.ShowPreview = [&](std::vector<ReportPage>& pages) { previewed = std::move(pages); };
        ASSERT_TRUE(commands.PreviewMerge(TPrintSettings(), merge));
        ASSERT_EQ(previewed.size(), 4u); // 1 + 10 + 10 + 2
        const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
        PdfReport report(pdf);
        ASSERT_TRUE(ReplayPages(previewed, report));
        EXPECT_EQ(CardsOnPage(pdf, 1), QStringList{Card(0, 2)});
        EXPECT_EQ(CardsOnPage(pdf, 4), (QStringList{Card(21, 2), Card(22, 2)}));
    }

    const std::pair<const char*, QByteArray> bad[] = {
        {"empty.csv", QByteArray()},
        {"binary.csv", QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00", 18).repeated(50)},
        {"header.csv", "Full name,Organization\r\n"},
        {"unclosed.csv", "Full name,Organization\r\nAda,\"Engines\r\nGrace,Cobol\r\n"},
    };
    for (const auto& [name, bytes] : bad) {
        const QString path = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(qmtest::WriteFile(path, bytes));
        dialog.OpenFile(path);
        EXPECT_FALSE(dialog.Problem().isEmpty()) << name;
        EXPECT_FALSE(dialog.PreviewButton()->isEnabled()) << name;
        EXPECT_FALSE(dialog.PrintButton()->isEnabled()) << name;
        EXPECT_FALSE(dialog.ColumnCombo(0)->isEnabled()) << name;
    }
    EXPECT_TRUE(dialog.Problem().contains(QLatin1String("line 2"))) << qPrintable(dialog.Problem());
    // A spreadsheet's "Unicode Text" (UTF-16 with its mark, tab-separated) opens.
    const QString unicode = dir.filePath(QStringLiteral("unicode.txt"));
    const QString text = QStringLiteral("Full name\tOrganization\r\nZoë\tCafé\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    ASSERT_TRUE(qmtest::WriteFile(unicode, utf16));
    dialog.OpenFile(unicode);
    EXPECT_TRUE(dialog.Problem().isEmpty()) << qPrintable(dialog.Problem());
    EXPECT_EQ(merge.SampleValue(1), QStringLiteral("Café"));
    dialog.OpenFile(dir.filePath(QStringLiteral("missing.csv")));
    EXPECT_FALSE(dialog.PrintButton()->isEnabled());
    dialog.OpenFile(dir.path()); // a folder
    EXPECT_FALSE(dialog.PrintButton()->isEnabled());
    const QLabel* status = dialog.findChild<QLabel*>(QStringLiteral("DataStatusLabel"));
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->text().contains(dialog.Problem())) << qPrintable(status->text());

    // A file's name typed into its box and Enter: the file opens, and nothing is printed yet.
    bool printed = false;
    dialog.Print = [&] { return printed = true; };
    dialog.show();
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("DataFileEdit"));
    ASSERT_TRUE(path);
    path->setFocus();
    path->setText(people);
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_TRUE(dialog.PrintButton()->isEnabled());
    EXPECT_EQ(dialog.ColumnCombo(0)->currentText(), QStringLiteral("Full name"));
    EXPECT_FALSE(printed);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace

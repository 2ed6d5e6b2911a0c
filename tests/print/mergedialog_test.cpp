// SPDX-License-Identifier: GPL-3.0-or-later
// The Print Merge dialog and its feed without printing: how many people a file holds, names put together
// from their parts, a typed file name, and the target the dialog names.
#include "design/cardpanel.h"
#include "print/mergedialog_ui.h"
#include "print/mergefeed.h"
#include "print/printcommands_ui.h"
#include "print/printers_ui.h"

#include "testutil.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace qm;

namespace {

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

QString Outlook()
{
    return qmtest::SourceFile(QStringLiteral("tests/data/merge/outlook-contacts.csv"));
}

} // namespace

// Every person is counted when the file opens, and the dialog's words say how many, with what was skipped.
TEST(MergeFeed, CountsThePeopleOfTheFile)
{
    QTemporaryDir dir;
    QByteArray csv = "Name,Company\r\n";
    for (int i = 1; i <= 23; ++i)
        csv += "Person " + QByteArray::number(i) + ",Firm\r\n";
    TMergeFeed feed;
    ASSERT_TRUE(feed.Open(Write(dir, "contacts.csv", csv)));
    EXPECT_EQ(feed.RecordCount(), 23);
    EXPECT_EQ(feed.Samples().size(), size_t(TMergeFeed::kSampleRecords));
    EXPECT_TRUE(feed.ReadSummary().startsWith(QStringLiteral("23 people read from contacts.csv. The file has 2 "
                                                            "columns.")))
        << qPrintable(feed.ReadSummary());

    ASSERT_TRUE(feed.Open(Write(dir, "one.csv", "Name\nAda\nGrace,Hopper\n")));
    EXPECT_EQ(feed.RecordCount(), 2);
    ASSERT_TRUE(feed.Open(Write(dir, "one.csv", "Name\nAda\n")));
    EXPECT_TRUE(feed.ReadSummary().startsWith(QStringLiteral("1 person read from one.csv."))) << qPrintable(feed.ReadSummary());
    // Beyond the samples too: a row with a value too many is said.
    csv += "Extra,Firm,surplus\r\n";
    ASSERT_TRUE(feed.Open(Write(dir, "contacts.csv", csv)));
    EXPECT_EQ(feed.RecordCount(), 24);
    EXPECT_TRUE(feed.ReadSummary().contains(QStringLiteral("Record 24 has more values"))) << qPrintable(feed.ReadSummary());
    // Opened for a job from the command line nothing is read ahead.
    ASSERT_TRUE(feed.Open(Write(dir, "contacts.csv", csv), 0));
    EXPECT_EQ(feed.RecordCount(), 0);
}

// An Outlook file's name is put together from its parts and offered as one choice; a single column can be
// chosen instead, and the parts again. A file's name typed and left with Tab opens it.
TEST(MergeDialog, OffersTheNamePutTogetherAndOpensATypedFileOnTab)
{
    TMergeFeed merge;
    TMergeDialog dialog(merge, CardSheetLayout());
    dialog.OpenFile(Outlook());
    ASSERT_TRUE(dialog.Problem().isEmpty()) << qPrintable(dialog.Problem());
    QComboBox* name = dialog.ColumnCombo(kMergeName);
    EXPECT_EQ(name->currentText(), QStringLiteral("First Name + Middle Name + Last Name"));
    EXPECT_EQ(name->itemText(1), name->currentText());
    EXPECT_EQ(dialog.MappingTable()->item(kMergeName, 2)->text(), QStringLiteral("Samuel J. Okafor"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeTitle, 2)->text(), QStringLiteral("Dispatch Manager"));
    // The address lines, blank ones left out; a column chosen for one line ends that for all three.
    EXPECT_EQ(dialog.ColumnCombo(kMergeAddress2)->currentText(), QStringLiteral("Line 2 of the address"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress2, 2)->text(), QStringLiteral("Baltimore, MD 21230"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress3, 2)->text(), QStringLiteral("United States of America"));
    dialog.ChooseColumn(kMergeAddress3, 14); // Business Country/Region
    EXPECT_EQ(dialog.ColumnCombo(kMergeAddress2)->currentText(), QStringLiteral("Business Street 2"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress2, 2)->text(), QString());
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress3, 2)->text(), QStringLiteral("United States of America"));
    dialog.ChooseMatched(kMergeAddress1);
    EXPECT_EQ(dialog.ColumnCombo(kMergeAddress3)->currentText(), QStringLiteral("Line 3 of the address"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress2, 2)->text(), QStringLiteral("Baltimore, MD 21230"));
    EXPECT_EQ(dialog.ColumnCombo(kMergeTitle)->currentText(), QStringLiteral("Job Title"));
    dialog.ChooseColumn(kMergeName, 3);
    EXPECT_EQ(name->currentText(), QStringLiteral("Last Name"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeName, 2)->text(), QStringLiteral("Okafor"));
    dialog.ChooseMatched(kMergeName);
    EXPECT_EQ(dialog.MappingTable()->item(kMergeName, 2)->text(), QStringLiteral("Samuel J. Okafor"));
    const auto* status = dialog.findChild<QLabel*>(QStringLiteral("DataStatusLabel"));
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("4 people read from outlook-contacts.csv."))) << qPrintable(status->text());

    QTemporaryDir dir;
    const QString other = Write(dir, "contacts.csv", "Full name,Company\nAda Lovelace,Engines\nGrace,Cobol\n");
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("DataFileEdit"));
    ASSERT_TRUE(path);
    path->setFocus();
    path->setText(other);
    QTest::keyClick(path, Qt::Key_Tab);
    EXPECT_EQ(merge.Path(), other);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("2 people read from contacts.csv."))) << qPrintable(status->text());
    EXPECT_EQ(name->currentText(), QStringLiteral("Full name"));
    // Leaving the box again without a change does not read the file again.
    merge.SetColumn(kMergeName, -1);
    path->setFocus();
    QTest::keyClick(path, Qt::Key_Tab);
    EXPECT_EQ(merge.Mapping().Column(kMergeName), -1);
}

// The dialog names the PDF file this job proposes (the card's name), not the file of the job before.
TEST(MergeDialog, NamesThisJobsPdfFile)
{
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    TPrintCommands commands(nullptr, panel);
    PrinterReport& printer = commands.ReportPrinter();
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    if (!printer.IsPdf())
        GTEST_SKIP() << "the report printer does not write PDF files here";
    printer.Printer().setOutputFileName(dir.filePath(QStringLiteral("last week.pdf")));
    TPrintSettings settings;
    settings.CardFile = dir.filePath(QStringLiteral("Studio Lumen.qmk"));
    QString shown;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TMergeDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = dialog->findChild<QLabel*>(QStringLiteral("PrinterLabel"))->text();
        dialog->reject();
    });
    driver.start(10);
    EXPECT_FALSE(commands.MergeDialog(settings));
    EXPECT_EQ(shown, QStringLiteral("PDF file Studio Lumen.pdf"));
}

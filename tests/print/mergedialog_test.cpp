// SPDX-License-Identifier: GPL-3.0-or-later
// The Print Merge dialog and its feed without printing: names put together from their parts, and the target
// the dialog names.
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

QString Outlook()
{
    return qmtest::SourceFile(QStringLiteral("tests/data/merge/outlook-contacts.csv"));
}

} // namespace

// An Outlook file's name is put together from its parts and offered as one choice; a single column can be
// chosen instead, and the parts again.
TEST(MergeDialog, OffersTheNamePutTogether)
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
    EXPECT_EQ(dialog.MappingTable()->item(kMergeAddress2, 2)->text(), QStringLiteral("Baltimore, MD 21230"));
    EXPECT_EQ(dialog.ColumnCombo(kMergeTitle)->currentText(), QStringLiteral("Job Title"));
    dialog.ChooseColumn(kMergeName, 3);
    EXPECT_EQ(name->currentText(), QStringLiteral("Last Name"));
    EXPECT_EQ(dialog.MappingTable()->item(kMergeName, 2)->text(), QStringLiteral("Okafor"));
    dialog.ChooseMatched(kMergeName);
    EXPECT_EQ(dialog.MappingTable()->item(kMergeName, 2)->text(), QStringLiteral("Samuel J. Okafor"));
}

// The dialog names the PDF file this job proposes (the card's name), not the file of the job before.
TEST(MergeDialog, NamesThisJobsPdfFile)
{
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    TPrintCommands commands(nullptr, panel);
    TKPrinterReport& printer = commands.ReportPrinter();
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The Print Merge dialog and its feed without printing: the target the dialog names.
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

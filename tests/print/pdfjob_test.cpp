// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the job's PDF file at scale: thousands of sheets in a small file written as the job goes, text
// kept as text, a page range, and a failed write that leaves the old file alone.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "objects/text/personallabel.h"
#include "platform/atomicfile.h"
#include "print/pagedreport.h"
#include "print/sheetprinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

namespace {

using namespace qm;

void AddLabel(TKBusinessCardPanel32& panel, const QString& caption, int top)
{
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, top, 300, 30);
    label->SetCaption(caption);
    label->SetDepthShadow(1);
}

int PageCount(const QString& pdf)
{
    const QString info = qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(PdfJob, ThousandsOfSheetsMakeASmallFileWithTextAndFlatMemory)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    TKBusinessCardPanel32 panel;
    AddLabel(panel, QStringLiteral("Harriet Quill"), 20);
    AddLabel(panel, QStringLiteral("harriet@example.org"), 60);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("many.pdf"));
    PdfReport pdf(path);
    pdf.SetCopies(4000);
    qint64 mostHeld = 0;
    pdf.StatusChanged = [&](const QString&) { mostHeld = std::max(mostHeld, pdf.BytesHeld()); };
    LabelJob job;
    TLabelPrinter printer(panel, job);
    ASSERT_EQ(printer.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());

    EXPECT_EQ(PageCount(path), 4000);
    // The card is drawn once; a sheet costs its page entry only.
    const qint64 size = QFileInfo(path).size();
    EXPECT_LT(size / 4000, 200) << size;
    // Held in memory: the index of pages and a write buffer, never the pages themselves.
    EXPECT_GT(mostHeld, 0);
    EXPECT_LT(mostHeld, 512 * 1024) << mostHeld;

    // Text stays text in embedded subsets, on the last page as on the first.
    const QString fonts = qmtest::RunTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QLatin1String("AAAA+"))) << qPrintable(fonts);
    EXPECT_TRUE(fonts.contains(QLatin1String(" yes yes yes "))) << qPrintable(fonts);
    const QString last = qmtest::RunTool(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("4000"), path, QStringLiteral("-")});
    EXPECT_EQ(last.count(QLatin1String("Harriet Quill")), 10) << qPrintable(last.left(400));

    // Every page shows the same ten cards as the first, at the same places.
    const QImage first = qmtest::RenderPdfPage(path, 50, 1);
    const QImage other = qmtest::RenderPdfPage(path, 50, 2718);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, other);
    EXPECT_FALSE(qmtest::InkBox(first).isEmpty());
}

TEST(PdfJob, PageRangeAndAFailedWriteKeepTheOldFile)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    TKBusinessCardPanel32 panel;
    AddLabel(panel, QStringLiteral("Range"), 20);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("range.pdf"));
    {
        PdfReport pdf(path);
        pdf.SetCopies(10);
        LabelJob job;
        job.FirstPage = 3;
        job.LastPage = 5;
        TLabelPrinter printer(panel, job);
        ASSERT_EQ(printer.Run(pdf), joFinished);
    }
    EXPECT_EQ(PageCount(path), 3);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // The disk fills up halfway through a long job: the job fails and says why; the old file stays.
    SetWriteFaultForTesting(WriteFault{300 * 1024, false, ENOSPC});
    PdfReport pdf(path);
    pdf.SetCopies(5000);
    TLabelPrinter printer(panel, LabelJob());
    const TJobOutcome outcome = printer.Run(pdf);
    SetWriteFaultForTesting(WriteFault());
    EXPECT_EQ(outcome, joFailed);
    EXPECT_TRUE(pdf.ErrorString().contains(QLatin1String("No space left"))) << qPrintable(pdf.ErrorString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("range.pdf")});
}

} // namespace

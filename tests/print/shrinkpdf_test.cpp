// SPDX-License-Identifier: GPL-3.0-or-later
// Merge printing into a PDF file with a label that shrinks to fit: a long name prints whole inside the box
// designed for a short one, as it does when typed, and stays text.
#include "print/pdfutil.h"

#include "design/cardpanel.h"
#include "objects/text/personallabel.h"
#include "print/pagedreport.h"
#include "print/sheetprinter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qm;

namespace {

const QString kShort = QStringLiteral("Ada Lovelace");
const QString kLong = QStringLiteral("Maximilian Alexander von Hohenberg");

// A name label sized for "Ada Lovelace" at 16 points, showing caption, shrinking to fit.
QRect FillCard(TKBusinessCardPanel32& panel, const QString& caption)
{
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->Loaded();
    label->Font().SetName(QStringLiteral("DejaVu Sans"));
    label->Font().SetSize(16);
    label->SetBounds(16, 40, 20, 20);
    label->SetCaption(kShort);
    label->LayOut();
    label->AutoGrow();
    label->LayOut();
    label->SetShrinkToFit(true);
    label->SetCaption(caption);
    panel.LayOutObjects();
    return label->BoundsRect();
}

} // namespace

TEST(ShrinkPdf, ALongMergedNamePrintsWholeInTheBoxAsIfTyped)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 merged;
    const QRect box = FillCard(merged, QStringLiteral("{Name}"));
    ASSERT_LT(box.width(), 180); // sized for the short name
    LabelJob job;
    int next = 0;
    job.NextRecord = [&next](MergeRecord& record) {
        if (++next > 2)
            return false;
        record.Clear();
        record.Add(QStringLiteral("Name"), next == 1 ? kShort : kLong);
        return true;
    };
    const QString mergedPdf = dir.filePath(QStringLiteral("merged.pdf"));
    {
        PdfStreamReport pdf(mergedPdf);
        TLabelPrinter printer(merged, job);
        ASSERT_EQ(printer.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());
    }
    const QString text = qmtest::RunTool(QStringLiteral("pdftotext"), {mergedPdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(kLong)) << qPrintable(text);

    // Positions 1 and 2 of a Letter sheet of 2 x 5 cards, 0.75 inch from the left, 0.5 from the top; at 96
    // dots per inch a dot is a card unit.
    const int dpi = 96;
    const QImage page = qmtest::RenderPdfPage(mergedPdf, dpi);
    ASSERT_FALSE(page.isNull());
    const QPoint first(72, 48), second(72 + 336, 48);
    const QRect shortInk =
        qmtest::InkBox(page, QRect(first + QPoint(0, box.top()), QSize(336, box.height())));
    const QRect longInk =
        qmtest::InkBox(page, QRect(second + QPoint(0, box.top()), QSize(336, box.height())));
    ASSERT_FALSE(shortInk.isEmpty());
    ASSERT_FALSE(longInk.isEmpty());
    // The long name lies inside the box with room to spare at its end (not cut at the edge), and smaller.
    EXPECT_GE(longInk.left() - second.x(), box.left());
    EXPECT_LT(longInk.right() - second.x(), box.right() - 1);
    EXPECT_GT(longInk.width(), shortInk.width());
    EXPECT_LT(longInk.height(), shortInk.height());

    // The same card with the name typed in prints the same.
    TKBusinessCardPanel32 typed;
    FillCard(typed, kLong);
    LabelJob plain;
    plain.Positions.Clear();
    plain.Positions.SetSelected(1, true);
    const QString typedPdf = dir.filePath(QStringLiteral("typed.pdf"));
    {
        PdfReport pdf(typedPdf);
        TLabelPrinter printer(typed, plain);
        ASSERT_EQ(printer.Run(pdf), joFinished);
    }
    const QImage typedPage = qmtest::RenderPdfPage(typedPdf, dpi);
    EXPECT_EQ(qmtest::InkBox(typedPage, QRect(second + QPoint(0, box.top()), QSize(336, box.height()))),
              longInk);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Two-sided sheets on paper: printed from the card file and its back into a PDF file, rendered at 300 dots an
// inch, every back must lie where the sheet's turn puts it behind its front, within a tenth of a millimetre,
// on a sheet with unequal margins; the file asks the viewer for that turn.
#include "pdfutil.h"

#include "app/printcommand.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/personallabel.h"
#include "settings/companionfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {

using namespace qm;

constexpr int kDpi = 300;
constexpr double kTenthMm = 0.1 / 25.4; // inches

// A card file with one black rectangle a quarter inch inside the card's edges: the ink of each card is the card
// less a quarter inch all round, apart from the next card's.
void WriteBlackCard(const QString& path)
{
    TKBusinessCardPanel32 panel;
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(24, 24, 288, 144);
    shape->Brush().SetColor(clBlack);
    ASSERT_TRUE(panel.SaveToFile(path));
}

// The inked box around the pixel at (x, y) inches, in inches: how far the black reaches in each direction.
QRectF InkAround(const QImage& page, QPointF at)
{
    const int cx = int(at.x() * kDpi), cy = int(at.y() * kDpi);
    const auto dark = [&page](int x, int y) {
        return x >= 0 && y >= 0 && x < page.width() && y < page.height() && qGray(page.pixel(x, y)) < 128;
    };
    if (!dark(cx, cy))
        return QRectF();
    int left = cx, right = cx, top = cy, bottom = cy;
    while (dark(left - 1, cy))
        --left;
    while (dark(right + 1, cy))
        ++right;
    while (dark(cx, top - 1))
        --top;
    while (dark(cx, bottom + 1))
        ++bottom;
    return QRectF(double(left) / kDpi, double(top) / kDpi, double(right + 1 - left) / kDpi,
                  double(bottom + 1 - top) / kDpi);
}

class DuplexPaper : public ::testing::TestWithParam<DuplexMode>
{
};

TEST_P(DuplexPaper, EveryBackLiesBehindItsFrontWithinATenthOfAMillimetre)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    const DuplexMode mode = GetParam();
    QTemporaryDir dir;
    const QByteArray oldHome = qgetenv("QUILLMARK_HOME");
    qputenv("QUILLMARK_HOME", dir.path().toUtf8());
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    WriteBlackCard(card);
    WriteBlackCard(CardBackPath(card));
    // Letter, 2 x 5 cards: 0.5 in from the left edge, 0.9 in from the right; 0.4 in from the top, 0.6 in from
    // the bottom.
    CardSheetLayout layout;
    layout.LeftMargin = 0.5f;
    layout.HPitch = 3.6f;
    layout.TopMargin = 0.4f;
    ASSERT_TRUE(WriteCompanionFile(card, QString(), layout));

    PrintOptions options;
    options.Card = card;
    options.Pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    options.Copies = 2;
    options.Duplex = mode;
    options.Quiet = true;
    QString error;
    ASSERT_TRUE(PrintCardFile(options, &error)) << qPrintable(error);
    qputenv("QUILLMARK_HOME", oldHome);

    const double width = 8.5, height = 11.0;
    for (int sheet = 0; sheet < 2; ++sheet) {
        const QImage front = qmtest::RenderPdfPage(options.Pdf, kDpi, 2 * sheet + 1);
        const QImage back = qmtest::RenderPdfPage(options.Pdf, kDpi, 2 * sheet + 2);
        ASSERT_FALSE(front.isNull());
        ASSERT_FALSE(back.isNull());
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 2; ++c) {
                const QPointF middle(0.5 + 3.6 * c + 1.75, 0.4 + 2.0 * r + 1.0);
                const QRectF f = InkAround(front, middle);
                ASSERT_FALSE(f.isEmpty()) << "no front at " << r << "," << c;
                EXPECT_NEAR(f.left(), 0.5 + 3.6 * c + 0.25, kTenthMm);
                EXPECT_NEAR(f.top(), 0.4 + 2.0 * r + 0.25, kTenthMm);
                EXPECT_NEAR(f.width(), 3.0, 1.0 / 96 + kTenthMm); // the outline covers the last unit
                // Behind it: mirrored across for a long-edge turn, down for a short-edge one.
                const QPointF behind = mode == DuplexMode::ShortEdge ? QPointF(middle.x(), height - middle.y())
                                                                     : QPointF(width - middle.x(), middle.y());
                const QRectF b = InkAround(back, behind);
                ASSERT_FALSE(b.isEmpty()) << "no back behind " << r << "," << c;
                if (mode == DuplexMode::ShortEdge) {
                    EXPECT_NEAR(b.left(), f.left(), kTenthMm) << r << "," << c;
                    EXPECT_NEAR(b.top(), height - f.bottom(), kTenthMm) << r << "," << c;
                } else {
                    EXPECT_NEAR(b.left(), width - f.right(), kTenthMm) << r << "," << c;
                    EXPECT_NEAR(b.top(), f.top(), kTenthMm) << r << "," << c;
                }
                EXPECT_NEAR(b.width(), f.width(), kTenthMm);
                EXPECT_NEAR(b.height(), f.height(), kTenthMm);
            }
        }
    }
    EXPECT_TRUE(qmtest::RenderPdfPage(options.Pdf, 10, 5).isNull()); // two sheets, four pages

    // The viewer is asked for the same turn.
    QPDF pdf;
    pdf.processFile(options.Pdf.toLocal8Bit().constData());
    QPDFObjectHandle preferences = pdf.getRoot().getKey("/ViewerPreferences");
    ASSERT_TRUE(preferences.isDictionary());
    EXPECT_EQ(preferences.getKey("/Duplex").getName(),
              mode == DuplexMode::ShortEdge ? "/DuplexFlipShortEdge" : "/DuplexFlipLongEdge");
    // Every sheet's fronts are one page content and its backs another, written once each, as a one-sided
    // job's sheets share theirs.
    std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    ASSERT_EQ(pages.size(), 4u);
    const auto contents = [&pages](size_t i) { return pages[i].getKey("/Contents").getObjGen(); };
    EXPECT_EQ(contents(0), contents(2));
    EXPECT_EQ(contents(1), contents(3));
    EXPECT_NE(contents(0), contents(1));
}

INSTANTIATE_TEST_SUITE_P(Turns, DuplexPaper, ::testing::Values(DuplexMode::LongEdge, DuplexMode::ShortEdge));

// A card file with one label of the given text.
void WriteLabelCard(const QString& path, const QString& text)
{
    TKBusinessCardPanel32 panel;
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, 20, 300, 30);
    label->SetCaption(text);
    ASSERT_TRUE(panel.SaveToFile(path));
}

QString PageText(const QString& pdf, int page)
{
    return qmtest::RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page),
                                                         QStringLiteral("-l"), QString::number(page),
                                                         pdf, QStringLiteral("-")})
        .simplified();
}

QStringList PrintArgs(const QString& card, const QString& pdf, const QStringList& more)
{
    return QStringList{QStringLiteral("quillmark"), QStringLiteral("print"), card, QStringLiteral("--pdf"), pdf,
                       QStringLiteral("--quiet")} +
           more;
}

TEST(DuplexCommand, ManualMergeFillsBothSidesAndBacksComeLastSheetFirst)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QByteArray oldHome = qgetenv("QUILLMARK_HOME");
    qputenv("QUILLMARK_HOME", dir.path().toUtf8());
    const QString card = dir.filePath(QStringLiteral("people.qmk"));
    WriteLabelCard(card, QStringLiteral("Front {Name}"));
    WriteLabelCard(CardBackPath(card), QStringLiteral("Back {Name}"));
    CardSheetLayout layout;
    layout.Down = 1; // two cards a sheet
    ASSERT_TRUE(WriteCompanionFile(card, QString(), layout));
    const QString data = dir.filePath(QStringLiteral("people.csv"));
    ASSERT_TRUE(qmtest::WriteFile(data, "Name\nAda\nBob\nCy\n"));
    const QString pdf = dir.filePath(QStringLiteral("manual.pdf"));

    // Bad words are usage errors; the card's back is found beside it.
    EXPECT_EQ(RunPrintCommand(PrintArgs(card, pdf, {QStringLiteral("--duplex"), QStringLiteral("sideways")})), 2);
    EXPECT_EQ(RunPrintCommand(PrintArgs(card, pdf, {QStringLiteral("--duplex")})), 2);
    ASSERT_EQ(RunPrintCommand(PrintArgs(card, pdf,
                                        {QStringLiteral("--duplex"), QStringLiteral("manual"), QStringLiteral("--merge"),
                                         data, QStringLiteral("--start"), QStringLiteral("2")})),
              0);
    // Sheets: [_, Ada] and [Bob, Cy]; then the backs of the second sheet, then of the first.
    EXPECT_EQ(PageText(pdf, 1), QStringLiteral("Front Ada"));
    EXPECT_EQ(PageText(pdf, 2), QStringLiteral("Front Bob Front Cy"));
    EXPECT_EQ(PageText(pdf, 3), QStringLiteral("Back Cy Back Bob"));
    EXPECT_EQ(PageText(pdf, 4), QStringLiteral("Back Ada"));
    EXPECT_TRUE(qmtest::RenderPdfPage(pdf, 10, 5).isNull());
    // Turned by hand, the file asks the viewer for no turn.
    QPDF manual;
    manual.processFile(pdf.toLocal8Bit().constData());
    EXPECT_FALSE(manual.getRoot().hasKey("/ViewerPreferences"));

    // Without a back: the fronts alone, and no failure.
    const QString single = dir.filePath(QStringLiteral("single.qmk"));
    WriteLabelCard(single, QStringLiteral("Only a front"));
    ASSERT_EQ(RunPrintCommand(PrintArgs(single, pdf, {QStringLiteral("--duplex"), QStringLiteral("long"),
                                                      QStringLiteral("--copies"), QStringLiteral("2")})),
              0);
    EXPECT_TRUE(qmtest::RenderPdfPage(pdf, 10, 3).isNull());
    EXPECT_EQ(PageText(pdf, 2).count(QStringLiteral("Only a front")), 10);
    qputenv("QUILLMARK_HOME", oldHome);
}

} // namespace

// Tests for how card objects print themselves: shapes and lines in inches with pens in hundredths, labels as
// their own drawing.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/textlabel.h"
#include "print/recording.h"
#include "print/recordingreport.h"
#include "print/report.h"

#include <gtest/gtest.h>

namespace {

using namespace qm;

// The records of one object printed with its card origin at (1, 2) inches.
std::vector<TReportRecord> PrintOne(TKGraphicControl& object)
{
    TKRecordingReport report;
    report.Execute(nullptr, [&](TKReport& r) { object.PrintTo(r, 1.0, 2.0); });
    std::vector<TReportRecord> drawn;
    for (const TReportRecord& r : report.Pages()[0].Records)
        drawn.push_back(r);
    // The first records are the state every page starts with.
    drawn.erase(drawn.begin(), drawn.begin() + 3);
    return drawn;
}

const TReportRecord* Find(const std::vector<TReportRecord>& records, TReportRecord::TKind kind)
{
    for (const TReportRecord& r : records)
        if (r.Kind == kind)
            return &r;
    return nullptr;
}

void ExpectRect(const QRectF& got, double l, double t, double r, double b)
{
    EXPECT_NEAR(got.left(), l, 1e-9);
    EXPECT_NEAR(got.top(), t, 1e-9);
    EXPECT_NEAR(got.right(), r, 1e-9);
    EXPECT_NEAR(got.bottom(), b, 1e-9);
}

TEST(ShapePrint, FiguresFillTheBoxInInchesWithPensInHundredths)
{
    TBCShapes shape;
    shape.SetBounds(48, 24, 96, 48);
    shape.Pen().SetColor(clRed);
    shape.Pen().SetStyle(psDash);
    shape.Brush().SetColor(clBlue);
    struct Case
    {
        int pixels;
        int hundredths;
    };
    // Trunc(width / 96 x 100): 1 -> 1, 3 -> 3 (3.125), 10 -> 10 (10.4), 0 -> 0.
    for (const Case c : {Case{1, -1}, Case{3, -3}, Case{10, -10}, Case{0, 0}}) {
        shape.Pen().SetWidth(c.pixels);
        const std::vector<TReportRecord> drawn = PrintOne(shape);
        const TReportRecord* pen = Find(drawn, TReportRecord::rkPen);
        ASSERT_TRUE(pen);
        EXPECT_EQ(pen->Pen.Width, c.hundredths) << c.pixels;
        EXPECT_EQ(pen->Pen.Color, clRed);
        EXPECT_EQ(pen->Pen.Style, psDash); // styles show on paper
        const TReportRecord* rect = Find(drawn, TReportRecord::rkRectangle);
        ASSERT_TRUE(rect);
        // No inset for the pen.
        ExpectRect(rect->Rect, 1.5, 2.25, 2.5, 2.75);
    }
    const std::vector<TReportRecord> filled = PrintOne(shape);
    const TReportRecord* brush = Find(filled, TReportRecord::rkBrush);
    ASSERT_TRUE(brush);
    EXPECT_EQ(brush->Brush.Color, clBlue);
    EXPECT_EQ(brush->Brush.Style, bsSolid);

    shape.SetTransparent(true);
    EXPECT_EQ(Find(PrintOne(shape), TReportRecord::rkBrush)->Brush.Style, bsClear);
    shape.SetShape(stCircle);
    ASSERT_TRUE(Find(PrintOne(shape), TReportRecord::rkEllipse));
    EXPECT_FALSE(Find(PrintOne(shape), TReportRecord::rkRectangle));
}

TEST(ShapePrint, RoundedCornersAreAShareOfTheLargerSide)
{
    TBCShapes shape;
    shape.SetShape(stRoundRect);
    shape.SetRoundPerc(25);
    for (const QSize size : {QSize(200, 100), QSize(100, 200)}) {
        shape.SetBounds(0, 0, size.width(), size.height());
        const std::vector<TReportRecord> drawn = PrintOne(shape);
        const TReportRecord* round = Find(drawn, TReportRecord::rkRoundRect);
        ASSERT_TRUE(round);
        EXPECT_NEAR(round->Size.width(), 0.25 * 200 / 96.0, 1e-9);
        EXPECT_NEAR(round->Size.height(), 0.25 * 200 / 96.0, 1e-9);
    }
}

TEST(LinePrint, EndsInInchesWithTheTopShiftedByHalfThePen)
{
    TKLineShape line;
    line.SetBounds(10, 20, 96, 48);
    line.Pen().SetWidth(3);
    line.Pen().SetMode(pmXor);
    line.Pen().SetStyle(psDot);
    const double xl = 1 + 10 / 96.0, xr = 1 + 106 / 96.0;
    const double yt = 2 + 21 / 96.0, yb = 2 + 69 / 96.0; // Top + 3 div 2, and that plus the height
    struct Case
    {
        TLineStyle style;
        QPointF from, to;
    };
    for (const Case& c :
         {Case{stHorizontal, {xl, yt}, {xr, yt}}, Case{stVertical, {xl, yt}, {xl, yb}},
          Case{stAngleSlopingUp, {xl, yb}, {xr, yt}}, Case{stAngleSlopingDown, {xl, yt}, {xr, yb}}}) {
        line.SetLineStyle(c.style);
        const std::vector<TReportRecord> drawn = PrintOne(line);
        const TReportRecord* pen = Find(drawn, TReportRecord::rkPen);
        ASSERT_TRUE(pen);
        EXPECT_EQ(pen->Pen.Width, -3); // 3 pixels print 3/100 inch thick
        EXPECT_EQ(pen->Pen.Mode, pmCopy);
        EXPECT_EQ(pen->Pen.Style, psDot);
        const TReportRecord* segment = Find(drawn, TReportRecord::rkLine);
        ASSERT_TRUE(segment);
        EXPECT_NEAR(segment->Rect.topLeft().x(), c.from.x(), 1e-9) << c.style;
        EXPECT_NEAR(segment->Rect.topLeft().y(), c.from.y(), 1e-9) << c.style;
        EXPECT_NEAR(segment->Rect.bottomRight().x(), c.to.x(), 1e-9) << c.style;
        EXPECT_NEAR(segment->Rect.bottomRight().y(), c.to.y(), 1e-9) << c.style;
    }
}

TEST(LabelPrint, TheLabelIsItsOwnDrawingOverItsBox)
{
    TKPLabel label;
    label.SetCaption(QStringLiteral("Printed"));
    label.SetBounds(48, 96, 142, 200); // taller than the text: the layout shrinks it first
    const std::vector<TReportRecord> drawn = PrintOne(label);
    ASSERT_EQ(drawn.size(), 1u);
    const TReportRecord& r = drawn[0];
    EXPECT_EQ(r.Kind, TReportRecord::rkDrawing);
    EXPECT_LT(label.Height(), 200);
    ExpectRect(r.Rect, 1.5, 3.0, 1.5 + 142 / 96.0, 3.0 + label.Height() / 96.0);
    EXPECT_EQ(r.Size, QSizeF(142, label.Height()));
    ASSERT_TRUE(r.Drawing);
    EXPECT_EQ(r.Drawing->Texts(), QStringList{QStringLiteral("Printed")});
}

TEST(PanelPrint, ObjectsPrintBackToFrontAtTheCardOrigin)
{
    TKBusinessCardPanel32 panel;
    auto* back = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    back->SetBounds(0, 0, 96, 96);
    auto* front = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
    front->SetBounds(0, 0, 96, 10);
    TKRecordingReport report;
    report.Execute(nullptr, [&](TKReport& r) { panel.PrintObjects(r, 0.75, 0.5); });
    std::vector<TReportRecord::TKind> kinds;
    for (const TReportRecord& r : report.Pages()[0].Records)
        if (r.Kind == TReportRecord::rkRectangle || r.Kind == TReportRecord::rkLine)
            kinds.push_back(r.Kind);
    EXPECT_EQ(kinds, (std::vector<TReportRecord::TKind>{TReportRecord::rkRectangle, TReportRecord::rkLine}));
    EXPECT_EQ(Find(report.Pages()[0].Records, TReportRecord::rkRectangle)->Rect.topLeft(),
              QPointF(0.75, 0.5));
}

} // namespace

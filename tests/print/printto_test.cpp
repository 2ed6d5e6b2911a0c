// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for how card objects draw on paper: shapes and lines along their box with pens in hundredths of an
// inch, labels as text cut off at their box, the card back to front. Measured in pixels at 960 dots per inch.
#include "design/cardpanel.h"
#include "model/cardrender.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/textlabel.h"
#include "print/recording.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace qm;

constexpr int kScale = 10;  // device pixels per card unit: 960 dots per inch
constexpr int kMargin = 10; // card units of white around the object's box

RenderContext Paper()
{
    RenderContext context;
    context.target = RenderContext::Paper;
    return context;
}

// The object drawn for paper, its box's top-left at (kMargin, kMargin) units.
QImage OnPaper(const TKGraphicControl& object)
{
    QImage image((object.Width() + 2 * kMargin) * kScale, (object.Height() + 2 * kMargin) * kScale,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kScale, kScale);
    painter.translate(kMargin, kMargin);
    object.Draw(painter, Paper());
    return image;
}

bool Is(const QImage& image, int x, int y, QColor color)
{
    const QColor c = image.pixelColor(x, y);
    return std::abs(c.red() - color.red()) < 40 && std::abs(c.green() - color.green()) < 40 &&
           std::abs(c.blue() - color.blue()) < 40;
}

// The first and last columns of row y in that colour; (-1, -1) when none.
std::pair<int, int> InkRun(const QImage& image, int y, QColor color)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (Is(image, x, y, color)) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

// The length of the run of that colour starting at the first such pixel of row y.
int FirstRunLength(const QImage& image, int y, QColor color)
{
    int x = InkRun(image, y, color).first;
    if (x < 0)
        return 0;
    int n = 0;
    while (x < image.width() && Is(image, x++, y, color))
        ++n;
    return n;
}

TEST(ShapePrint, FiguresRunAlongTheBoxWithPensInHundredthsOfAnInch)
{
    TBCShapes shape;
    shape.SetBounds(48, 24, 96, 48);
    shape.Pen().SetColor(clRed);
    shape.Brush().SetColor(clBlue);
    struct Case
    {
        int pixels;
        double devicePixels; // Trunc(width / 96 x 100) hundredths at 960 dpi
    };
    const int middle = (kMargin + 24) * kScale;
    for (const Case c : {Case{1, 9.6}, Case{3, 28.8}, Case{10, 96}, Case{0, 1}}) {
        shape.Pen().SetWidth(c.pixels);
        const QImage image = OnPaper(shape);
        // The outline is centred on the box's left edge, not moved inside it.
        const int thick = FirstRunLength(image, middle, Qt::red);
        EXPECT_NEAR(thick, c.devicePixels, 1.5) << c.pixels;
        const int centre = InkRun(image, middle, Qt::red).first + thick / 2;
        EXPECT_NEAR(centre, kMargin * kScale, 1.5) << c.pixels;
        EXPECT_TRUE(Is(image, (kMargin + 48) * kScale, middle, Qt::blue)) << c.pixels;
    }

    // Styles show on paper: a dashed outline has gaps along its top edge.
    shape.Pen().SetWidth(1);
    shape.Pen().SetStyle(psDash);
    const QImage dashed = OnPaper(shape);
    const int top = kMargin * kScale - 3; // the outer half of the outline, beyond the fill
    int gaps = 0;
    for (int x = (kMargin + 2) * kScale; x < (kMargin + 94) * kScale; ++x)
        gaps += Is(dashed, x, top, Qt::white) && Is(dashed, x - 1, top, Qt::red);
    EXPECT_GE(gaps, 2);

    shape.SetTransparent(true);
    EXPECT_TRUE(Is(OnPaper(shape), (kMargin + 48) * kScale, middle, Qt::white));
    shape.SetShape(stCircle);
    const QImage circle = OnPaper(shape);
    EXPECT_TRUE(Is(circle, (kMargin + 2) * kScale, (kMargin + 2) * kScale, Qt::white)); // no corner
    EXPECT_NEAR(InkRun(circle, middle, Qt::red).first, kMargin * kScale, 6);
}

TEST(ShapePrint, RoundedCornersAreAShareOfTheLargerSide)
{
    TBCShapes shape;
    shape.SetShape(stRoundRect);
    shape.SetRoundPerc(25);
    shape.Pen().SetWidth(0);
    for (const QSize size : {QSize(200, 100), QSize(100, 200)}) {
        shape.SetBounds(0, 0, size.width(), size.height());
        const QImage image = OnPaper(shape);
        // The corner ellipse is a quarter of the larger side (50 units): the straight top edge starts half
        // of that in (a quarter of the smaller side would start at 12.5). The thin outline meets the row a
        // little before the arc turns straight.
        const int first = InkRun(image, kMargin * kScale, Qt::black).first;
        EXPECT_NEAR(first, (kMargin + 25) * kScale - 16, 8) << size.width();
    }
}

TEST(LinePrint, EndsAtTheBoxWithTheTopShiftedByHalfThePen)
{
    TKLineShape line;
    line.SetBounds(10, 20, 96, 48);
    line.Pen().SetWidth(3); // prints 3/100 inch thick: 28.8 pixels at 960 dpi
    line.Pen().SetMode(pmXor); // paper does not mix: the pen's own colour
    line.SetLineStyle(stHorizontal);
    const QImage solid = OnPaper(line);
    const int y = (kMargin + 1) * kScale; // Top + 3 div 2
    const auto [from, to] = InkRun(solid, y, Qt::black);
    // Round ends reach half the pen beyond each end.
    EXPECT_NEAR(from, kMargin * kScale - 14.4, 2);
    EXPECT_NEAR(to, (kMargin + 96) * kScale + 14.4, 2);
    int rows = 0;
    for (int r = 0; r < solid.height(); ++r)
        rows += Is(solid, (kMargin + 48) * kScale, r, Qt::black);
    EXPECT_NEAR(rows, 28.8, 1.5);

    line.SetLineStyle(stVertical);
    const QImage vertical = OnPaper(line);
    EXPECT_TRUE(Is(vertical, kMargin * kScale, (kMargin + 25) * kScale, Qt::black));
    EXPECT_TRUE(Is(vertical, kMargin * kScale + 10, (kMargin + 25) * kScale, Qt::black));
    EXPECT_FALSE(Is(vertical, kMargin * kScale + 20, (kMargin + 25) * kScale, Qt::black));

    line.SetLineStyle(stAngleSlopingUp); // from the bottom-left (shifted) to the top-right
    const QImage up = OnPaper(line);
    EXPECT_TRUE(Is(up, kMargin * kScale + 5, (kMargin + 49) * kScale - 5, Qt::black));
    EXPECT_TRUE(Is(up, (kMargin + 96) * kScale - 5, (kMargin + 1) * kScale + 5, Qt::black));

    line.SetLineStyle(stHorizontal);
    line.Pen().SetStyle(psDot); // styles show on paper
    const QImage dotted = OnPaper(line);
    int gaps = 0;
    for (int x = kMargin * kScale; x < (kMargin + 96) * kScale; ++x)
        gaps += Is(dotted, x, y, Qt::white) && Is(dotted, x - 1, y, Qt::black);
    EXPECT_GE(gaps, 3);
}

TEST(LabelPrint, TheLabelStaysTextAndIsCutOffAtItsBox)
{
    TKPLabel label;
    label.SetCaption(QStringLiteral("Printed"));
    label.SetBounds(48, 96, 142, 200); // taller than the text: the layout shrinks it first
    label.PrepareLayout();
    EXPECT_LT(label.Height(), 200);
    PaintRecording drawing;
    {
        QPainter painter(&drawing);
        label.Draw(painter, Paper());
    }
    EXPECT_EQ(drawing.Texts(), QStringList{QStringLiteral("Printed")});

    // A caption longer than a box held narrow is cut off at the box's right edge.
    label.SetCaption(QStringLiteral("A caption far longer than its box"));
    label.PrepareLayout();
    label.SetBounds(48, 96, 60, label.Height());
    label.SetLayoutNeeded(false);
    const QImage image = OnPaper(label);
    bool inkBeyond = false;
    for (int x = (kMargin + 60) * kScale + 2; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            inkBeyond = inkBeyond || qGray(image.pixel(x, y)) < 128;
    EXPECT_FALSE(inkBeyond);
}

TEST(PanelPrint, TheCardDrawsBackToFrontForPaper)
{
    TKBusinessCardPanel32 panel;
    auto* back = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    back->SetBounds(0, 0, 96, 96);
    back->Brush().SetColor(clBlue);
    auto* front = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
    front->SetBounds(0, 40, 96, 10);
    front->Pen().SetWidth(5);
    QImage image(336, 192, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawCard(painter, panel.Card(), Paper());
    }
    EXPECT_TRUE(Is(image, 48, 20, Qt::blue));
    EXPECT_TRUE(Is(image, 48, 42, Qt::black)); // the line over the shape
    EXPECT_TRUE(Is(image, 200, 100, Qt::white)); // paper: no white card is laid down, nothing drawn
}

} // namespace

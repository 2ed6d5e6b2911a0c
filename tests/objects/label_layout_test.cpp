// SPDX-License-Identifier: GPL-3.0-or-later
// Text label layout from given metrics, measuring at 96 units per inch, auto-grow, and where ink lands.
#include "model/colors.h"
#include "objects/text/labellayout.h"
#include "objects/text/textlabel.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using namespace qm;

namespace {

LabelLayoutInput Input(QSize box, int textWidth, int textHeight, int angle = 0, QPoint shadow = {},
                        QPoint highlight = {}, TAlignment alignment = taLeftJustify)
{
    LabelLayoutInput in;
    in.box = box;
    in.angle = angle;
    in.alignment = alignment;
    in.shadowOffset = shadow;
    in.highlightOffset = highlight;
    in.metrics = {textWidth, textHeight};
    return in;
}

const QPoint kHighlightUpLeft3 = HighlightOffsetFor(hdUpLeft, 3);
const QPoint kShadowDownRight2 = ShadowOffsetFor(sdDownRight, 2);

} // namespace

// ---- Layout arithmetic ----

TEST(LabelLayout, DefaultHighlightKeepsRoomAtTheLeftAndTopSoNothingIsCut)
{
    const TLabelLayout l = LayOutLabel(Input({142, 33}, 40, 17, 0, {}, kHighlightUpLeft3));
    EXPECT_EQ(l.margin, QPoint(3, 3));
    EXPECT_EQ(l.rowExtent, 20);
    EXPECT_EQ(l.highlightOrigin, QPoint(0, 0));
    EXPECT_EQ(l.mainOrigin, QPoint(3, 3));
    EXPECT_EQ(l.highlightRect, (TextRect{0, 0, 139, 17}));
    EXPECT_EQ(l.box, QSize(142, 24)); // Trunc(1.2 x 20)
}

TEST(LabelLayout, HorizontalBoxEndsBetweenTheRowExtentAndOneFifthMore)
{
    // Too tall: shrunk to Trunc(1.2 x L); too short: raised to L; in between: kept.
    EXPECT_EQ(LayOutLabel(Input({142, 100}, 40, 17)).box, QSize(142, 20));
    EXPECT_EQ(LayOutLabel(Input({142, 10}, 40, 17)).box, QSize(142, 17));
    EXPECT_EQ(LayOutLabel(Input({142, 19}, 40, 17)).box, QSize(142, 19));
    // The shadow below and the highlight above both add to the row extent.
    const TLabelLayout both = LayOutLabel(Input({142, 100}, 40, 17, 0, kShadowDownRight2, kHighlightUpLeft3));
    EXPECT_EQ(both.rowExtent, 22);
    EXPECT_EQ(both.box.height(), 26);
    // 1.2 x 15 is exactly 18: cut to 18, never 17.
    EXPECT_EQ(LayOutLabel(Input({142, 40}, 40, 15)).box.height(), 18);
    // A box squeezed to a sliver takes the text's width.
    EXPECT_EQ(LayOutLabel(Input({5, 33}, 40, 17)).box.width(), 40);
}

TEST(LabelLayout, AlignmentMovesAllThreeCopiesOfUprightText)
{
    const TLabelLayout right =
        LayOutLabel(Input({142, 33}, 40, 17, 0, kShadowDownRight2, kHighlightUpLeft3, taRightJustify));
    EXPECT_EQ(right.mainOrigin, QPoint(102, 3));
    EXPECT_EQ(right.highlightOrigin, QPoint(99, 0));
    EXPECT_EQ(right.shadowOrigin, QPoint(104, 5));

    // Centred on the rectangle's width, halves truncated: (142 - 3) div 2 - 41 div 2 = 69 - 20.
    const TLabelLayout centre = LayOutLabel(Input({142, 33}, 41, 17, 0, {}, kHighlightUpLeft3, taCenter));
    EXPECT_EQ(centre.mainOrigin, QPoint(49, 3));
    EXPECT_EQ(centre.highlightOrigin, QPoint(46, 0));

    // Without copies the rectangle is the whole box: an odd text in an even box, 142 div 2 - 41 div 2 = 71 - 20.
    EXPECT_EQ(LayOutLabel(Input({142, 33}, 41, 17, 0, {}, {}, taCenter)).mainOrigin, QPoint(51, 0));

    // Turned text ignores the alignment.
    const TLabelLayout turned = LayOutLabel(Input({142, 33}, 40, 17, 180, {}, {}, taRightJustify));
    EXPECT_EQ(turned.mainOrigin, LayOutLabel(Input({142, 33}, 40, 17, 180)).mainOrigin);
}

TEST(LabelLayout, TurnedTextStartsAtTheCornerItsTopLeftTurnsTo)
{
    // 90: reads upwards from the bottom-left; the box is sized from the text's width.
    const TLabelLayout up = LayOutLabel(Input({33, 142}, 40, 17, 90));
    EXPECT_EQ(up.box, QSize(20, 48));
    EXPECT_EQ(up.mainRect, (TextRect{0, 0, 17, 48}));
    EXPECT_EQ(up.mainOrigin, QPoint(0, 48));

    // The highlight up-left of the text lies left of and below it on the card, and the text makes room for
    // it there.
    const TLabelLayout upLit = LayOutLabel(Input({33, 142}, 40, 17, 90, {}, kHighlightUpLeft3));
    EXPECT_EQ(upLit.box, QSize(24, 48));
    EXPECT_EQ(upLit.mainOrigin, QPoint(3, 45));
    EXPECT_EQ(upLit.highlightOrigin, QPoint(0, 48));

    // 180: upside down from the bottom-right; a wide box is cut to twice the text. The shadow below the
    // text lies above it on the card, inside the box.
    const TLabelLayout down = LayOutLabel(Input({142, 33}, 40, 17, 180, kShadowDownRight2));
    EXPECT_EQ(down.box, QSize(80, 22));
    EXPECT_EQ(down.mainRect, (TextRect{0, 5, 80, 22}));
    EXPECT_EQ(down.mainOrigin, QPoint(80, 22));
    EXPECT_EQ(down.shadowRect, (TextRect{-2, 3, 78, 20}));
    EXPECT_EQ(down.shadowOrigin, QPoint(78, 20));

    // 270: reads downwards from the top-right of the cell; the shadow lies left of the text.
    const TLabelLayout side = LayOutLabel(Input({33, 142}, 40, 17, 270, kShadowDownRight2));
    EXPECT_EQ(side.box, QSize(22, 48));
    EXPECT_EQ(side.mainOrigin, QPoint(22, 0));
    EXPECT_EQ(side.shadowOrigin, QPoint(20, 2));
    EXPECT_EQ(side.shadowRect.left, 3);
}

TEST(LabelLayout, GrowingTakesTheFurthestCopyAndNeverShrinks)
{
    const TLabelLayout l = LayOutLabel(Input({142, 33}, 40, 17, 0, kShadowDownRight2, kHighlightUpLeft3));
    // The shadow rectangle starts furthest right and lowest: (5, 5).
    EXPECT_EQ(GrownLabelBox(l, {20, 10}, 100, 15), QSize(105, 20));
    EXPECT_EQ(GrownLabelBox(l, {200, 50}, 100, 15), QSize(200, 50));
}

// ---- Measuring ----

TEST(LabelMeasure, ArialTenPointIsThirteenPixelsWithWindowsLineHeight)
{
    TKFont font; // Arial 10 points: a character height of 13 at 96 units per inch
    const QFont f = LabelDrawingFont(font);
    EXPECT_EQ(f.pixelSize(), 13);
    // Cell 15 (ascent 12, descent 3) plus internal leading 2 and no external leading.
    EXPECT_EQ(MeasureLabel(f, QStringLiteral("Text")).textHeight, 17);
    // The width includes one space; an empty caption measures that space alone.
    const QFontMetrics m(f);
    EXPECT_EQ(MeasureLabel(f, QStringLiteral("Text")).textWidth,
              m.horizontalAdvance(QStringLiteral("Text ")));
    EXPECT_GT(MeasureLabel(f, QString()).textWidth, 0);
}

TEST(LabelMeasure, CellHeightsAreKept)
{
    TKFont font;
    font.SetHeight(30); // positive: the cell height
    const QFontMetrics m(LabelDrawingFont(font));
    EXPECT_NEAR(m.ascent() + m.descent(), 30, 1);
}

TEST(LabelMeasure, NewLabelSettlesAtItsRowExtent)
{
    TKPLabel label;
    label.LayOut();
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 142, 20));
    EXPECT_FALSE(label.LayoutNeeded());
    label.SetAngle(90); // 20 x 142, then the height follows the text width
    label.LayOut();
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 20, label.LastLayout().textWidth * 12 / 10));
}

TEST(LabelAutoGrow, GrowsToTheCaptionWithFiveSpacesButOnlyUpright)
{
    TKPLabel label;
    label.SetCaption(QStringLiteral("A caption much wider than the label box"));
    label.LayOut();
    const QFontMetrics m(label.DrawingFont());
    const int need = m.horizontalAdvance(label.Caption() + QStringLiteral("     "));
    label.AutoGrow();
    EXPECT_EQ(label.Width(), need);
    EXPECT_TRUE(label.LayoutNeeded());

    label.SetCaption(QStringLiteral("A")); // never shrinks
    label.AutoGrow();
    EXPECT_EQ(label.Width(), need);

    label.SetAngle(90);
    label.SetCaption(QStringLiteral("A caption much wider than the label box, turned"));
    const QRect before = label.BoundsRect();
    label.AutoGrow();
    EXPECT_EQ(label.BoundsRect(), before);
}

// ---- Painting ----

namespace {

// The label drawn at (x, y) of a white 96 dpi picture.
QImage Render(TKBaseLabel& label, int x = 10, int y = 10)
{
    QImage image(300, 160, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter p(&image);
    label.PaintTo(p, x, y);
    p.end();
    return image;
}

// The bounding box of the pixels that pass the test.
QRect InkBox(const QImage& image, const std::function<bool(QColor)>& ink)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ink(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Solid pixels only, so that a copy's edges are compared where no other copy is drawn over them.
bool AnyInk(QColor c)
{
    return c != QColor(Qt::white);
}
bool Dark(QColor c)
{
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}
bool Reddish(QColor c)
{
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}
bool Bluish(QColor c)
{
    return c.blue() > 180 && c.red() < 80 && c.green() < 80;
}

// A large bold label so that the copies have solid cores.
void BigText(TKBaseLabel& label)
{
    label.Font().SetSize(24);
    label.Font().SetStyle(1u << fsBold);
    label.SetCaption(QStringLiteral("HT"));
    label.SetBounds(0, 0, 200, 60);
}

} // namespace

TEST(LabelPaint, ShadowAndHighlightLieAtTheirOffsetsFromTheText)
{
    TKPLabel plain;
    BigText(plain);
    const QRect alone = InkBox(Render(plain), Dark);
    ASSERT_FALSE(alone.isEmpty());

    TKPLabel lit;
    BigText(lit);
    lit.SetDepthHighlight(3);
    lit.SetColorHighlight(clRed);
    lit.SetDepthShadow(2);
    lit.SetColorShadow(clBlue);
    const QImage image = Render(lit);
    const QRect text = InkBox(image, Dark);
    const QRect highlight = InkBox(image, Reddish);
    const QRect shadow = InkBox(image, Bluish);
    // The text makes room for the highlight: it moves right and down by its depth, the highlight starts
    // where the plain text started.
    EXPECT_EQ(text.topLeft(), alone.topLeft() + QPoint(3, 3));
    EXPECT_EQ(highlight.topLeft(), alone.topLeft());
    EXPECT_EQ(shadow.bottomRight(), text.bottomRight() + QPoint(2, 2));

    // A depth without a direction, or a direction without a depth, draws no copy.
    lit.SetDirectionShadow(sdNone);
    lit.SetDepthHighlight(0);
    const QImage plainAgain = Render(lit);
    EXPECT_TRUE(InkBox(plainAgain, Reddish).isEmpty());
    EXPECT_TRUE(InkBox(plainAgain, Bluish).isEmpty());
}

TEST(LabelPaint, OpaqueBackgroundFillsTheBoxEvenWithoutText)
{
    TKPLabel label;
    label.SetCaption(QString());
    label.SetTransparent(false);
    label.SetBackColor(clRed);
    const QImage image = Render(label, 10, 10);
    // The layout measured one space and settled the box at 142 x Trunc(1.2 x 17).
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 142, 20));
    EXPECT_EQ(InkBox(image, AnyInk), QRect(10, 10, 142, 20));
    EXPECT_EQ(InkBox(image, [](QColor c) { return c == QColor(Qt::red); }), QRect(10, 10, 142, 20));
}

TEST(LabelPaint, BorderIsOnePixelOnTheBoxEdge)
{
    TKPLabel label;
    label.SetCaption(QString());
    label.SetBorderStyle(bsSingle);
    const QImage image = Render(label, 10, 10);
    const QRect box(10, 10, label.Width(), label.Height());
    EXPECT_EQ(InkBox(image, AnyInk), box);
    for (QPoint p : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(),
                     QPoint(box.right(), box.center().y()), QPoint(box.center().x(), box.bottom())})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixelColor(box.topLeft() + QPoint(1, 1)), QColor(Qt::white));
}

TEST(LabelPaint, TextIsCutAtItsRectangle)
{
    TKPLabel label;
    BigText(label);
    label.SetWidth(30); // far narrower than the text
    const QImage image = Render(label, 10, 10);
    const QRect ink = InkBox(image, AnyInk);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), 10 + 30 - 1);
}

TEST(LabelPaint, TurnedTextStandsUpInItsBox)
{
    TKPLabel upright;
    BigText(upright);
    const QRect flat = InkBox(Render(upright), Dark);

    TKPLabel turned;
    BigText(turned);
    turned.SetAngle(90);
    const QImage image = Render(turned, 10, 10);
    const QRect ink = InkBox(image, Dark);
    EXPECT_EQ(ink.size(), flat.size().transposed());
    EXPECT_TRUE(QRect(10, 10, turned.Width(), turned.Height()).contains(ink));
    // Reading upwards from the text origin: the ink of the first letter starts as far above the origin as
    // the upright ink starts right of it.
    EXPECT_EQ(ink.bottom(), 10 + turned.LastLayout().mainOrigin.y() - 1 - (flat.left() - 10));
}

TEST(LabelPaint, ShadowAndHighlightTurnWithTheTextAndStayWholeInTheBox)
{
    // The shadow lies below-right and the highlight above-left of the text in its own directions; on the
    // card those directions turn with the text.
    const struct
    {
        int angle;
        QPoint shadow;    // 3 pixels down-right, turned
        QPoint highlight; // 2 pixels up-left, turned
    } turns[] = {{0, {3, 3}, {-2, -2}}, {90, {3, -3}, {-2, 2}}, {180, {-3, -3}, {2, 2}}, {270, {-3, 3}, {2, -2}}};
    for (const auto& turn : turns) {
        TKPLabel label;
        BigText(label);
        label.SetAngle(turn.angle);
        label.SetDepthShadow(3);
        label.SetColorShadow(clBlue);
        label.SetDepthHighlight(2);
        label.SetColorHighlight(clRed);
        const QImage image = Render(label, 40, 40);
        const QRect text = InkBox(image, Dark);
        ASSERT_FALSE(text.isEmpty()) << turn.angle;
        // Every copy whole: its far side shows at the turned offset from the text ...
        EXPECT_EQ(InkBox(image, [](QColor c) { return Dark(c) || Bluish(c); }),
                  text | text.translated(turn.shadow))
            << turn.angle;
        EXPECT_EQ(InkBox(image, [](QColor c) { return Dark(c) || Reddish(c); }),
                  text | text.translated(turn.highlight))
            << turn.angle;
        // ... and nothing of any copy lies outside the label's box.
        const QRect box(40, 40, label.Width(), label.Height());
        const QRect ink = InkBox(image, AnyInk);
        EXPECT_TRUE(box.contains(ink)) << turn.angle << ": ink from " << ink.left() << "," << ink.top() << " to "
                                       << ink.right() << "," << ink.bottom();
    }
}

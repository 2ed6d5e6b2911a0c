// SPDX-License-Identifier: GPL-3.0-or-later
// Basic shapes and lines: where their pixels land, and what their right-click menus do.
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "model/cardobjects.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "testutil.h"

#include <QAction>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace qm;

namespace {

// Paints the object as the panel does, at `at` on a white picture, clipped to the object's box.
QImage Render(TKGraphicControl& object, QSize size = QSize(), QPoint at = QPoint())
{
    QImage image(size.isEmpty() ? object.BoundsRect().size() : size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setClipRect(QRect(at, object.BoundsRect().size()));
    object.PaintTo(p, at.x(), at.y());
    return image;
}

// Pixels from (x0, y0) stepping (dx, dy) as letters: r(ed) outline, b(lue) fill, k (black), . (white).
std::string Pixels(const QImage& im, int x0, int y0, int n, int dx = 1, int dy = 0)
{
    std::string s;
    for (int i = 0; i < n; ++i) {
        const QRgb c = im.pixel(x0 + i * dx, y0 + i * dy) & 0xFFFFFF; // a raster op may leave alpha alone
        s += c == 0xFF0000 ? 'r' : c == 0x0000FF ? 'b' : c == 0 ? 'k' : c == 0xFFFFFF ? '.' : '?';
    }
    return s;
}
std::string Down(const QImage& im, int x, int y0, int n)
{
    return Pixels(im, x, y0, n, 0, 1);
}

// A red outline around a blue interior, so that outline, fill and background tell apart.
template <class T = TKLabelShapes> std::unique_ptr<T> Shape(TShapeType shape, int w, int h, int pen)
{
    auto s = std::make_unique<T>();
    s->SetBounds(0, 0, w, h);
    s->SetShape(shape);
    s->Pen().SetColor(clRed);
    s->Pen().SetWidth(pen);
    s->Brush().SetColor(clBlue);
    return s;
}

std::unique_ptr<TKLineShape> Line(TLineStyle style, int w, int h, int pen)
{
    auto l = std::make_unique<TKLineShape>();
    l->SetBounds(0, 0, w, h);
    l->SetLineStyle(style);
    l->Pen().SetWidth(pen);
    return l;
}

// A panel whose colour dialog answers as told and remembers the colour it was offered.
class DialogHost : public qmtest::TestHost, public TKDialogs
{
public:
    bool accept = true;
    TColor answer = clYellow;
    TColor offered = -1;

    TKDialogs* Dialogs() override { return this; }
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor& color) override
    {
        offered = color;
        if (accept)
            color = answer;
        return accept;
    }
    template <class T> T* Place(std::unique_ptr<T> object)
    {
        T* o = static_cast<T*>(card.Objects().Add(std::move(object)));
        o->Loaded();
        return o;
    }
};

const QStringList kBaseItems = QStringLiteral("Bring To Front|Send To Back|Cut|Copy|Delete|Clone|-|Locked|"
                                              "Unselectable|-|Center Vertically|Center Horizontally")
                                   .split(QLatin1Char('|'));

QStringList Checked(const TKMenu& menu)
{
    QStringList out;
    for (int i = 0; i < menu.Count(); ++i) {
        if (menu.At(i).action->isChecked())
            out << menu.At(i).action->text();
    }
    return out;
}

} // namespace

TEST(ShapePaint, FiguresFillTheBoxWithTheOutlineInside)
{
    // A 25 x 25 rectangle: pen 1 on the edges, pen 3 drawn from (1, 1) to (24, 24) so it covers 0..2; an even
    // pen covers one pixel more before its line than after.
    for (auto [pen, edge] : {std::pair{1, "rbb"}, {3, "rrrb"}, {4, "rrrrb"}}) {
        const QImage im = Render(*Shape(stRectangle, 25, 25, pen));
        const std::string in(edge), out(in.rbegin(), in.rend());
        EXPECT_EQ(Pixels(im, 0, 12, int(in.size())), in) << pen;
        EXPECT_EQ(Pixels(im, 25 - int(in.size()), 12, int(in.size())), out) << pen;
        EXPECT_EQ(Down(im, 12, 0, int(in.size())), in) << pen;
        EXPECT_EQ(Down(im, 12, 25 - int(in.size()), int(in.size())), out) << pen;
    }
    // The "square" value is not forced square; neither is the "circle", whose ellipse touches every side.
    EXPECT_EQ(Pixels(Render(*Shape(stSquare, 40, 20, 1)), 0, 19, 40), std::string(40, 'r'));
    for (int pen : {1, 3}) {
        const QImage im = Render(*Shape(stCircle, 40, 20, pen));
        EXPECT_EQ(Pixels(im, 0, 10, 1) + Pixels(im, 39, 10, 1) + Down(im, 20, 0, 1) + Down(im, 20, 19, 1),
                  "rrrr");
        EXPECT_EQ(Pixels(im, 0, 0, 3, 1, 1) + Pixels(im, 39, 19, 1) + Pixels(im, 20, 10, 1), "....b") << pen;
    }
    // 200 x 100 at 25 %: 50 x 50 corner ellipses, their arcs meeting the edges about 20 pixels from a corner.
    auto round = Shape(stRoundSquare, 200, 100, 1);
    EXPECT_EQ(round->CornerSize(), 50);
    QImage im = Render(*round);
    EXPECT_EQ(Pixels(im, 4, 4, 5, 1, 1), "...rb"); // the arc crosses the diagonal at 24.5 - 24.5 / sqrt 2
    EXPECT_EQ(Pixels(im, 14, 0, 10), "....rrrrrr");
    EXPECT_EQ(Down(im, 0, 14, 10), "....rrrrrr");
    EXPECT_EQ(Pixels(im, 176, 0, 10), "rrrrr.....");
    round->SetRoundPerc(80); // 160 > the height: the corners meet, never more than an ellipse
    im = Render(*round);
    EXPECT_EQ(Pixels(im, 0, 50, 1) + Pixels(im, 100, 0, 1) + Pixels(im, 10, 10, 1), "rr.");
}

TEST(ShapePaint, InteriorPenWidthAndScale)
{
    auto shape = Shape(stRectangle, 30, 30, 1);
    shape->SetTransparent(true);
    EXPECT_EQ(Pixels(Render(*shape), 0, 15, 16), "r...............");

    // A hatch leaves its gaps alone and stays on the box's corner wherever the box stands and whatever the
    // pen.
    shape->SetTransparent(false);
    shape->Brush().SetStyle(bsCross);
    const QImage hatch = Render(*shape);
    EXPECT_NE(Pixels(hatch, 1, 15, 28).find("b.......b"), std::string::npos);
    EXPECT_EQ(Render(*shape, QSize(60, 60), QPoint(13, 21)).copy(13, 21, 30, 30), hatch);
    shape->Pen().SetWidth(3);
    EXPECT_EQ(Render(*shape).copy(3, 3, 24, 24), hatch.copy(3, 3, 24, 24));

    // On screen a stored dash draws solid (dashes are for paper); xor inverts, "no operation" draws nothing.
    shape->Brush().SetStyle(bsSolid);
    shape->Pen().SetWidth(1);
    shape->Pen().SetStyle(psDash);
    EXPECT_EQ(Pixels(Render(*shape), 0, 0, 30), std::string(30, 'r'));
    shape->Pen().SetColor(clWhite);
    shape->Pen().SetMode(pmXor);
    shape->SetTransparent(true);
    EXPECT_EQ(Pixels(Render(*shape), 0, 15, 3), "k..");
    shape->Pen().SetMode(pmNop);
    shape->SetTransparent(false);
    EXPECT_EQ(Pixels(Render(*shape), 0, 15, 3), "...");
}

TEST(LinePaint, EndPointsWidthsAndStyles)
{
    // Horizontal, width 1 on 100 x 10: (0, 0) to (100, 0) without its end point, even unclipped.
    auto line = Line(stHorizontal, 100, 10, 1);
    EXPECT_EQ(Pixels(Render(*line, QSize(110, 10)), 95, 0, 10), "kkkkk.....");
    // Width 4: (2, 2) to (99, 2), rows 0..3, round ends.
    line->Pen().SetWidth(4);
    QImage im = Render(*line);
    EXPECT_EQ(Down(im, 50, 0, 6), "kkkk..");
    EXPECT_EQ(Down(im, 0, 0, 5) + Down(im, 99, 0, 5), ".kk..kkkk.");

    // Vertical, width 3 on 10 x 50: (1, 1) to (1, 49), columns 0..2.
    line = Line(stVertical, 10, 50, 3);
    im = Render(*line);
    EXPECT_EQ(Pixels(im, 0, 1, 4) + Pixels(im, 0, 25, 4) + Pixels(im, 0, 49, 4), "kkk.kkk.kkk.");

    // Diagonals run corner to corner; a wide pen is centred on the same line, not moved in.
    line = Line(stAngleSlopingDown, 40, 40, 1);
    EXPECT_EQ(Pixels(Render(*line), 0, 0, 40, 1, 1), std::string(40, 'k'));
    line->Pen().SetWidth(5);
    EXPECT_EQ(Pixels(Render(*line), 15, 20, 11), "..kkkkkkk..");
    line = Line(stAngleSlopingUp, 40, 40, 1);
    EXPECT_EQ(Pixels(Render(*line), 39, 1, 39, -1, 1), std::string(39, 'k'));
    EXPECT_EQ(Pixels(Render(*line), 0, 0, 1), ".");

    // Styles show on one-pixel lines only, with GDI's patterns.
    line = Line(stHorizontal, 60, 5, 1);
    const std::pair<TPenStyle, std::string> styles[] = {
        {psDash, std::string(18, 'k') + "......kk"},
        {psDot, "kkk...kkk...kkk...kkk...kk"},
        {psDashDot, std::string(9, 'k') + "......kkk......kk"},
        {psDashDotDot, std::string(9, 'k') + "...kkk...kkk...kk"},
        {psInsideFrame, std::string(26, 'k')},
        {psClear, std::string(26, '.')},
    };
    for (const auto& [style, row] : styles) {
        line->Pen().SetStyle(style);
        EXPECT_EQ(Pixels(Render(*line), 0, 0, 26), row) << style;
    }
    line->Pen().SetStyle(psDot);
    line->Pen().SetWidth(2);
    EXPECT_EQ(Pixels(Render(*line), 0, 1, 26), std::string(26, 'k'));
}

TEST(ShapeMenu, ItemsCheckMarksAndEffects)
{
    DialogHost host;
    const QStringList own = {"-", "Background Color", "Line Color", "Line Thickness", "-", "Transparent"};
    auto* shape = host.Place(Shape(stRectangle, 30, 30, 3));
    auto* card = host.Place(Shape<TBCShapes>(stRoundRect, 30, 30, 1));
    TKMenu& menu = *shape->PopupMenu();
    EXPECT_EQ(menu.Captions(), kBaseItems + own);
    // Card shapes have the same menu, all of it visible, with rounding for the rounded figures only.
    EXPECT_EQ(card->PopupMenu()->Captions(), kBaseItems + own + QStringList({"-", "Degree of Rounding"}));
    EXPECT_EQ(card->PopupMenu()->Submenu("Degree of Rounding")->Captions().join(','),
              "20 %,30 %,40 %,50 %,60 %,70 %,80 %");
    for (int i = 0; i < card->PopupMenu()->Count(); ++i)
        EXPECT_TRUE(card->PopupMenu()->At(i).action->isVisible());
    // Built once: a later figure does not change it.
    shape->SetShape(stRoundRect);
    EXPECT_EQ(menu.Find("Degree of Rounding"), nullptr);

    TKMenu& thickness = *menu.Submenu("Line Thickness");
    EXPECT_EQ(thickness.Captions().first() + "," + thickness.Captions().last(), "1 Point,10 Point");
    menu.AboutToShow();
    EXPECT_EQ(Checked(thickness), QStringList{"3 Point"});
    int changes = host.changes;
    ASSERT_TRUE(menu.Trigger("Line Thickness/7 Point"));
    ASSERT_TRUE(menu.Trigger("Line Thickness/7 Point")); // the same width is reported again
    EXPECT_EQ(shape->Pen().Width(), 7);
    EXPECT_EQ(Checked(thickness), QStringList{"7 Point"});
    EXPECT_EQ(host.changes, changes + 2);
    shape->Pen().SetWidth(12); // from a file: no item offers it
    menu.AboutToShow();
    EXPECT_TRUE(Checked(thickness).isEmpty());

    ASSERT_TRUE(menu.Trigger("Transparent"));
    EXPECT_TRUE(shape->Transparent() && menu.Find("Transparent")->isChecked());
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(host.changes, changes + 3);

    // Colours: a cancelled dialog changes nothing; a chosen background makes the shape opaque.
    host.accept = false;
    ASSERT_TRUE(menu.Trigger("Background Color"));
    ASSERT_TRUE(menu.Trigger("Line Color"));
    EXPECT_EQ(host.offered, clRed);
    EXPECT_TRUE(shape->Transparent());
    EXPECT_EQ(host.changes, changes + 3);
    host.accept = true;
    ASSERT_TRUE(menu.Trigger("Background Color"));
    EXPECT_EQ(host.offered, clBlue);
    EXPECT_EQ(shape->Brush().Color(), clYellow);
    EXPECT_FALSE(shape->Transparent());
    EXPECT_EQ(shape->Brush().Style(), bsSolid);
    shape->Brush().SetStyle(bsDiagCross); // a hatch stays a hatch
    host.answer = clAqua;
    ASSERT_TRUE(menu.Trigger("Background Color"));
    EXPECT_EQ(shape->Brush().Style(), bsDiagCross);
    ASSERT_TRUE(menu.Trigger("Line Color"));
    EXPECT_EQ(shape->Pen().Color(), clAqua);
    EXPECT_EQ(host.changes, changes + 6);

    ASSERT_TRUE(card->PopupMenu()->Trigger("Degree of Rounding/70 %"));
    EXPECT_EQ(card->RoundPerc(), 70);
    EXPECT_EQ(host.changes, changes + 7);
}

TEST(LineMenu, ItemsCheckMarksAndEffects)
{
    DialogHost host;
    auto* line = host.Place(Line(stVertical, 6, 50, 2));
    line->SetBounds(40, 30, 6, 50);
    TKMenu& menu = *line->PopupMenu();
    EXPECT_EQ(menu.Captions(),
              kBaseItems + QStringList({"-", "Style", "Color", "Line Thickness", "-", "Stretch To Edges"}));
    TKMenu& styles = *menu.Submenu("Style");
    EXPECT_EQ(styles.Captions().join(','), "Horizontal,Vertical,Angled Sloping Up,Angled Sloping Down");
    menu.AboutToShow();
    EXPECT_EQ(Checked(styles), QStringList{"Vertical"});
    EXPECT_EQ(Checked(*menu.Submenu("Line Thickness")), QStringList{"2 Point"});

    int changes = host.changes;
    for (TLineStyle s : {stAngleSlopingDown, stAngleSlopingUp, stHorizontal, stVertical}) {
        ASSERT_TRUE(menu.Trigger("Style/" + styles.Captions()[s]));
        EXPECT_EQ(line->LineStyle(), s);
        EXPECT_EQ(Checked(styles), QStringList{styles.Captions()[s]});
    }
    ASSERT_TRUE(menu.Trigger("Line Thickness/10 Point"));
    EXPECT_EQ(line->Pen().Width(), 10);
    EXPECT_EQ(host.changes, changes + 5);

    host.accept = false;
    ASSERT_TRUE(menu.Trigger("Color"));
    EXPECT_EQ(host.offered, clBlack);
    EXPECT_EQ(host.changes, changes + 5);
    host.accept = true;
    ASSERT_TRUE(menu.Trigger("Color"));
    EXPECT_EQ(line->Pen().Color(), clYellow);
    EXPECT_EQ(host.changes, changes + 6);

    // Stretching spans the panel one way only and is reported by the bounds check; diagonals stay.
    ASSERT_TRUE(menu.Trigger("Stretch To Edges"));
    EXPECT_EQ(line->BoundsRect(), QRect(40, 0, 6, host.height));
    EXPECT_EQ(host.changes, changes + 7);
    line->SetLineStyle(stHorizontal);
    ASSERT_TRUE(menu.Trigger("Stretch To Edges"));
    EXPECT_EQ(line->BoundsRect(), QRect(0, 0, host.width, host.height));
    line->SetLineStyle(stAngleSlopingUp);
    line->SetBounds(5, 5, 20, 20);
    ASSERT_TRUE(menu.Trigger("Stretch To Edges"));
    EXPECT_EQ(line->BoundsRect(), QRect(5, 5, 20, 20));
    // Off a design panel the command and the colour item do nothing.
    TKLineShape loose;
    loose.Loaded();
    loose.StretchToEdges();
    ASSERT_TRUE(loose.PopupMenu()->Trigger("Color"));
    EXPECT_EQ(loose.BoundsRect(), QRect(0, 0, 10, 10));
    EXPECT_EQ(loose.Pen().Color(), clBlack);
}

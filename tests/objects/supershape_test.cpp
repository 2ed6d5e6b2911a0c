// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-purpose shape: its figures' corners, shadow placement, surfaces in pixels on screen and paper,
// damaged values, and what a card file gives back.
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/shapes/supershape.h"
#include "objects/shapes/supershapedialog_ui.h"
#include "testutil.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace qm;
using qmtest::fromHex;
using qmtest::toHex;

namespace {

using Points = std::vector<QPoint>;
constexpr TColor kLime = 0x00FF00;
constexpr TColor kButtonFace = TColor(0x8000000F); // the system colour of button faces

// clang-format off
QByteArray Str(const QByteArray& s) { return char(s.size()) + s; }
QByteArray Id(const char* ident) { return fromHex("07") + Str(ident); }
QByteArray Int32(qint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return fromHex("04") + b; }
// clang-format on

QByteArray Card(const std::vector<std::pair<QByteArray, QByteArray>>& props)
{
    QByteArray out = fromHex("01") + "TPF0" + Str("TSuperShape") + Str("Component0");
    for (const auto& [name, value] : props)
        out += Str(name) + value;
    return out + fromHex("00 00 00");
}

QImage Render(const TSuperShape& shape, RenderContext::Target target = RenderContext::Screen, int zoom = 1)
{
    QImage image(shape.Width() * zoom, shape.Height() * zoom, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    RenderContext context;
    context.target = target;
    shape.Draw(painter, context);
    return image;
}

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

QRgb Band(QRgb start, QRgb end, int band)
{
    return GradientBandColor(start, end, band) & 0xFFFFFF;
}

} // namespace

TEST(SuperShapeGeometry, CornersOfStarPolygonDiamondAndTriangles)
{
    TSuperShape star; // 25 x 25, 10 vectors, 50 %, angle 90, outline 1
    ShapeEdges f, s;
    star.ShapeRects(f, s);
    EXPECT_EQ(f, (ShapeEdges{0, 0, 25, 25}));
    const Points p = star.FigurePoints(f);
    ASSERT_EQ(p.size(), 10u);
    // Outer radius 8, inner 4, vertex 0 straight up, then clockwise on screen.
    EXPECT_EQ(p[0], QPoint(12, 4));
    EXPECT_EQ(p[1], QPoint(14, 9));
    EXPECT_EQ(p[2], QPoint(20, 10)); // cos -18 deg x 8 = 7.6, sin x 8 = -2.47
    EXPECT_EQ(p[5], QPoint(12, 16));
    EXPECT_EQ(p[9], QPoint(10, 9));

    TSuperShape hexagon;
    hexagon.SetShape(kstPolyGon);
    hexagon.SetInVectorPercent(0);
    hexagon.SetVectors(6);
    hexagon.SetStartingAngle(0);
    EXPECT_EQ(hexagon.FigurePoints({0, 0, 100, 100}),
              (Points{{96, 50}, {73, 90}, {27, 90}, {4, 50}, {27, 10}, {73, 10}}));

    // w = 51, v = 31 in (10, 20) - (61, 51).
    const ShapeEdges box{10, 20, 61, 51};
    const std::vector<std::pair<TKPShapeType, Points>> figures = {
        {kstDiamond, {{35, 20}, {60, 35}, {35, 50}, {10, 35}}},
        {kstTriangleLeft, {{60, 20}, {60, 50}, {10, 35}}},
        {kstTriangleRight, {{10, 20}, {60, 35}, {10, 50}}},
        {kstTriangleUp, {{35, 20}, {10, 50}, {60, 50}}},
        {kstTriangleDown, {{10, 20}, {35, 50}, {60, 20}}},
        {kstRectangle, {}},
        {kstEllipse, {}}};
    for (const auto& [figure, corners] : figures) {
        TSuperShape shape;
        shape.SetShape(figure);
        EXPECT_EQ(shape.FigurePoints(box), corners) << figure;
    }
}

TEST(SuperShapeGeometry, ShadowPlacementPerOrientationZoomAndDiamond)
{
    TSuperShape shape;
    shape.SetShape(kstRectangle);
    shape.SetBounds(0, 0, 100, 60);
    shape.SetShadowDepth(5);
    const std::vector<std::pair<TShadowOrient, std::pair<ShapeEdges, ShapeEdges>>> expected = {
        {soNone, {{0, 0, 100, 60}, {0, 0, 0, 0}}},
        {soLowerRight, {{0, 0, 95, 55}, {5, 5, 100, 60}}},
        {soUpperRight, {{0, 5, 95, 60}, {5, 0, 100, 55}}},
        {soUpperLeft, {{5, 5, 100, 60}, {0, 0, 95, 55}}},
        {soLowerLeft, {{5, 0, 100, 55}, {0, 5, 95, 60}}}};
    for (const auto& [orient, rects] : expected) {
        shape.SetShadowOrient(orient);
        ShapeEdges f, s;
        shape.ShapeRects(f, s);
        EXPECT_EQ(f, rects.first) << orient;
        EXPECT_EQ(s, rects.second) << orient;
    }

    // A thick outline moves every edge in by half its width.
    shape.SetShadowOrient(soLowerRight);
    shape.SetOutlineWidth(4);
    ShapeEdges f, s;
    shape.ShapeRects(f, s);
    EXPECT_EQ(f, (ShapeEdges{2, 2, 92, 52}));
    EXPECT_EQ(s, (ShapeEdges{7, 7, 97, 57}));

    // The diamond's shadow only moves sideways.
    shape.SetOutlineWidth(1);
    shape.SetShape(kstDiamond);
    shape.SetShadowOrient(soLowerLeft);
    shape.ShapeRects(f, s);
    EXPECT_EQ(f, (ShapeEdges{5, 0, 100, 60}));
    EXPECT_EQ(s, (ShapeEdges{0, 0, 95, 60}));
}

TEST(SuperShapeDrawing, StarWithShadowSolidSurfaceAndOutlineInPixels)
{
    TSuperShape star;
    star.SetBounds(0, 0, 100, 100);
    star.SetSurfaceType(TSuperShape::stBrushPattern);
    star.SetBackColor(clBlue);
    star.SetOutlineColor(clRed);
    star.SetShadowColor(kLime);
    star.SetShadowOrient(soLowerRight);
    star.SetShadowDepth(6);
    const QImage image = Render(star);
    // Figure (0, 0, 94, 94): centre (47, 47), outer radius 43, vertex 0 at (47, 4).
    EXPECT_EQ(At(image, 47, 4), 0xFF0000u) << "the outline runs through the top vertex";
    EXPECT_EQ(At(image, 47, 3), 0xFFFFFFu);
    EXPECT_EQ(At(image, 47, 47), 0x0000FFu) << "solid surface inside";
    EXPECT_EQ(At(image, 47, 20), 0x0000FFu);
    // Between two tips, outside the inner radius: background, or the shadow 6 pixels further on.
    EXPECT_EQ(At(image, 20, 12), 0xFFFFFFu);
    EXPECT_EQ(At(image, 53, 9), 0xFFFFFFu);
    EXPECT_EQ(At(image, 53, 10), 0x000000u)
        << "the shadow's top tip, 6 pixels right of and below the figure's";
    EXPECT_EQ(At(image, 53, 14), 0x00FF00u) << "the shadow's inside";

    // Transparent: the outline only, the inside shows what lies beneath.
    star.SetShadowOrient(soNone);
    star.SetSurfaceType(TSuperShape::stBrushTransparent);
    const QImage outline = Render(star);
    EXPECT_EQ(At(outline, 50, 50), 0xFFFFFFu);
    EXPECT_EQ(At(outline, 50, 4), 0xFF0000u);
}

TEST(SuperShapeDrawing, StarEdgesAreSmoothedOnAHighDensityScreenOnly)
{
    TSuperShape star;
    star.SetBounds(0, 0, 100, 100);
    star.SetSurfaceType(TSuperShape::stBrushPattern);
    star.SetBackColor(clBlue);
    star.SetOutlineColor(clBlue);
    // Colours other than the three drawn ones (white, blue, the black shadow edge) are smoothed edges.
    const auto blended = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) & 0xFFFFFF;
                n += c != 0xFFFFFFu && c != 0x0000FFu && c != 0u;
            }
        return n;
    };
    const auto drawn = [&](qreal ratio, RenderContext::Target target) {
        QImage image(int(100 * ratio), int(100 * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderContext context;
        context.target = target;
        star.Draw(painter, context);
        return image;
    };
    EXPECT_EQ(blended(drawn(1, RenderContext::Screen)), 0) << "a screen of one pixel a unit stays sharp";
    EXPECT_GT(blended(drawn(2, RenderContext::Screen)), 100) << "slanted edges smoothed at twice the pixels";
    EXPECT_EQ(blended(drawn(2, RenderContext::Picture)), 0) << "pictures are exported pixel-sharp";
}

TEST(SuperShapeDrawing, GradientBandsAtBothEndsAndMiddleInEveryDirection)
{
    // kButtonFace resolves to the classic grey (192, 192, 192); the band colours go by MulDiv rounding.
    EXPECT_EQ(GradientBandColor(qRgb(0, 0, 0), qRgb(255, 100, 1), 128), qRgb(128, 50, 1));
    EXPECT_EQ(GradientBandColor(qRgb(255, 255, 255), qRgb(0, 0, 0), 1), qRgb(254, 254, 254));
    EXPECT_EQ(GradientBandColor(qRgb(10, 0, 0), qRgb(0, 0, 0), 51), qRgb(8, 0, 0)); // -2 exactly
    EXPECT_EQ(GradientBandColor(qRgb(1, 0, 0), qRgb(0, 0, 0), 128), qRgb(0, 0, 0)); // -0.502 rounds to -1

    struct Case
    {
        TFillDirection direction;
        QRgb first, last; // the start colour sits at the top or left edge; button face is (212, 208, 200)
    };
    for (const Case& c : {Case{gdUp, 0xD4D0C8, 0xFF0000}, Case{gdDown, 0xFF0000, 0xD4D0C8},
                          Case{gdLeft, 0xD4D0C8, 0xFF0000}, Case{gdRight, 0xFF0000, 0xD4D0C8}}) {
        TSuperShape shape;
        shape.SetShape(kstRectangle);
        shape.SetOutlineStyle(psClear);
        shape.SetBounds(0, 0, 512, 512);
        shape.SetBackColor(clRed);
        shape.SetGradientToColor(kButtonFace);
        shape.SetFillDirection(c.direction);
        for (RenderContext::Target target : {RenderContext::Screen, RenderContext::Paper}) {
            const QImage image = Render(shape, target);
            const bool vertical = c.direction == gdUp || c.direction == gdDown;
            auto along = [&](int i) { return vertical ? At(image, 200, i) : At(image, i, 200); };
            EXPECT_EQ(along(0), c.first) << c.direction;
            if (target == RenderContext::Screen || !vertical) {
                EXPECT_EQ(along(256), Band(c.first, c.last, 128)) << c.direction;
                EXPECT_EQ(along(511), c.last) << c.direction;
            } else {
                // On paper the bands run over a quarter inch more than the shape, 536 units: the middle
                // pixel lies in band 122 and the last in band 244.
                EXPECT_EQ(along(256), Band(c.first, c.last, 122)) << c.direction;
                EXPECT_EQ(along(511), Band(c.first, c.last, 244)) << c.direction;
            }
            EXPECT_EQ(along(1), along(0)) << "bands two pixels thick";
        }
    }
}

TEST(SuperShapeDrawing, TextureTilesFromTheObjectsCornerAndFollowsTheZoom)
{
    // A 4 x 3 texture with a red top-left pixel: tiles start at the object's top-left corner, not the
    // figure's, on screen, at zoom and on paper.
    QImage tile(4, 3, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tile.save(&buffer, "BMP"));

    TSuperShape shape;
    shape.SetShape(kstRectangle);
    shape.SetOutlineStyle(psClear);
    shape.SetBounds(0, 0, 40, 30);
    shape.SetShadowDepth(2);
    shape.SetShadowOrient(soUpperLeft); // figure from (2, 2)
    shape.SetShadowColor(kLime);
    shape.SetSurfaceType(TSuperShape::stBrushImage);
    shape.Image().SetFileBytes(bmp);
    const QImage image = Render(shape);
    EXPECT_EQ(At(image, 4, 3), 0xFF0000u);
    EXPECT_EQ(At(image, 8, 6), 0xFF0000u);
    EXPECT_EQ(At(image, 5, 3), 0x0000FFu);
    EXPECT_EQ(At(image, 1, 1), 0x00FF00u) << "the shadow, outside the figure";

    const QImage paper = Render(shape, RenderContext::Paper, 2);
    EXPECT_EQ(At(paper, 8, 6), 0xFF0000u);
    EXPECT_EQ(At(paper, 9, 7), 0xFF0000u) << "on paper a texture pixel is a card unit";
    EXPECT_EQ(At(paper, 10, 6), 0x0000FFu);

    // A picture that cannot be read, or claims an absurd size, fills nothing and is not decoded.
    shape.Image().SetFileBytes(QByteArray("BM not really a bitmap"));
    EXPECT_TRUE(shape.Texture().isNull());
    QByteArray bomb = bmp;
    qToLittleEndian<qint32>(100000, bomb.data() + 18); // width
    qToLittleEndian<qint32>(100000, bomb.data() + 22); // height
    shape.Image().SetFileBytes(bomb);
    EXPECT_TRUE(shape.Texture().isNull());
    Render(shape); // draws the shadow only
}

TEST(SuperShapeFile, ReadingKeepsEveryStoredValueAndDamagedValuesDrawSafely)
{
    // A transparent shape with a shadow and a depth above half its size come back as written, and the card
    // writes the same bytes again; star values out of range are ignored as when typed, so the defaults stay.
    const QByteArray saved = Card({{"Width", Int32(8)},
                                   {"Height", Int32(8)},
                                   {"ShadowDepth", Int32(7)},
                                   {"ShadowOrient", Id("soLowerRight")},
                                   {"Shape", Id("kstStar")},
                                   {"InVectorPercent", Int32(0)},
                                   {"SurfaceType", Id("stBrushTransparent")},
                                   {"Vectors", Int32(2)},
                                   {"StartingAngle", Int32(360)}});
    TKCardObjects objects;
    ReadResult r = ReadObjectsFromBytes(objects, saved);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* shape = dynamic_cast<TSuperShape*>(objects.At(0));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->ShadowOrient(), soLowerRight);
    EXPECT_EQ(shape->ShadowDepth(), 7);
    EXPECT_EQ(shape->InVectorPercent(), 0);
    EXPECT_EQ(shape->Vectors(), 10);
    EXPECT_EQ(shape->StartingAngle(), 90);
    const QByteArray again = WriteObjectsToBytes({shape});
    TKCardObjects reread;
    ASSERT_TRUE(ReadObjectsFromBytes(reread, again).ok);
    EXPECT_EQ(toHex(WriteObjectsToBytes({reread.At(0)})), toHex(again));
    // The user's own edits still have their knock-ons.
    shape->SetSurfaceType(TSuperShape::stGradientFill);
    shape->SetSurfaceType(TSuperShape::stBrushTransparent);
    EXPECT_EQ(shape->ShadowOrient(), soNone);

    // Absurd sizes, outline and depth neither crash nor hang, on screen or paper, and are written back
    // unchanged; the absurd star values leave the defaults.
    const QByteArray damaged = Card({{"Width", Int32(0x7FFFFFFF)},
                                     {"Height", Int32(0x7FFFFFFF)},
                                     {"InVectorPercent", Int32(500)},
                                     {"OutlineWidth", Int32(100000)},
                                     {"RoundPerc", Int32(-0x7FFFFFFF)},
                                     {"ShadowDepth", Int32(0x7FFFFFFF)},
                                     {"ShadowOrient", Id("soUpperLeft")},
                                     {"StartingAngle", Int32(-5)},
                                     {"Vectors", Int32(100000)}});
    for (const char* figure : {"kstStar", "kstRoundRect", "kstDiamond"}) {
        for (const char* surface : {"stGradientFill", "stBrushPattern"}) {
            QByteArray bytes = damaged;
            bytes.chop(3);
            bytes += Str("Shape") + Id(figure) + Str("SurfaceType") + Id(surface) + fromHex("00 00 00");
            TKCardObjects big;
            r = ReadObjectsFromBytes(big, bytes);
            ASSERT_TRUE(r.ok) << qPrintable(r.error);
            auto* s = static_cast<TSuperShape*>(big.At(0));
            EXPECT_EQ(s->InVectorPercent(), 50);
            EXPECT_EQ(s->Vectors(), 10);
            EXPECT_EQ(s->StartingAngle(), 90);
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            for (RenderContext::Target target : {RenderContext::Screen, RenderContext::Paper}) {
                RenderContext context;
                context.target = target;
                s->Draw(painter, context);
            }
            painter.end();
            const QString written = toHex(WriteObjectsToBytes({s}));
            EXPECT_NE(written.indexOf(toHex(Int32(100000))), -1); // the outline width
            EXPECT_NE(written.indexOf(toHex(Str("Vectors") + fromHex("02 0a"))), -1); // the default, 10
        }
    }
}

TEST(SuperShapeFile, StarValuesOutOfRangeAreIgnoredAndTheLimitsKept)
{
    struct Case
    {
        const char* name;
        qint32 value;
        int expected;
        int (TSuperShape::*get)() const;
    };
    const Case cases[] = {{"Vectors", 2, 10, &TSuperShape::Vectors},
                          {"Vectors", 61, 10, &TSuperShape::Vectors},
                          {"Vectors", 3, 3, &TSuperShape::Vectors},
                          {"Vectors", 60, 60, &TSuperShape::Vectors},
                          {"StartingAngle", 360, 90, &TSuperShape::StartingAngle},
                          {"StartingAngle", -1, 90, &TSuperShape::StartingAngle},
                          {"StartingAngle", 0, 0, &TSuperShape::StartingAngle},
                          {"StartingAngle", 359, 359, &TSuperShape::StartingAngle},
                          {"InVectorPercent", 101, 50, &TSuperShape::InVectorPercent},
                          {"InVectorPercent", -5, 50, &TSuperShape::InVectorPercent},
                          {"InVectorPercent", 0, 0, &TSuperShape::InVectorPercent},
                          {"InVectorPercent", 100, 100, &TSuperShape::InVectorPercent}};
    for (const Case& c : cases) {
        TKCardObjects objects;
        const ReadResult r = ReadObjectsFromBytes(objects, Card({{c.name, Int32(c.value)}}));
        ASSERT_TRUE(r.ok) << qPrintable(r.error);
        const auto* shape = static_cast<TSuperShape*>(objects.At(0));
        EXPECT_EQ((shape->*c.get)(), c.expected) << c.name << " " << c.value;
    }
}

namespace {

// The properties dialog as a user fills it in: every setting changed on the sample, then OK or Cancel.
class PropertiesUser : public TKDialogs
{
public:
    bool ok = true;
    int shown = 0;
    QSize sampleSize;
    QString pathShown;
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor&) override { return false; }
    bool EditSuperShape(TSuperShape& sample, QString& texturePath) override
    {
        ++shown;
        sampleSize = sample.BoundsRect().size();
        pathShown = texturePath;
        sample.SetShape(kstTriangleUp);
        sample.SetSurfaceType(TSuperShape::stBrushPattern);
        sample.SetBackColor(clYellow);
        sample.SetShadowOrient(soUpperRight);
        sample.SetShadowDepth(9);
        sample.SetOutlineWidth(3);
        sample.SetBounds(0, 0, 96, 96); // the dialog's sample box
        texturePath = QStringLiteral("/textures/linen.bmp");
        return ok;
    }
};

class DialogHost : public qmtest::TestHost
{
public:
    PropertiesUser user;
    TKDialogs* Dialogs() override { return &user; }
};

} // namespace

TEST(SuperShapeProperties, OkWritesTheSettingsBackButNotTheSizeAndCancelChangesNothing)
{
    DialogHost host;
    TSuperShape shape;
    host.Adopt(shape);
    shape.SetBounds(30, 40, 120, 80);
    shape.SetLastBitmapFileNameandPath(QStringLiteral("/textures/old.bmp"));
    const QByteArray before = WriteObjectsToBytes({&shape});
    const int changesBefore = host.changes;

    host.user.ok = false;
    EXPECT_FALSE(shape.OpenProperties());
    EXPECT_EQ(host.user.sampleSize, QSize(120, 80)) << "the sample starts as a copy of the shape";
    EXPECT_EQ(host.user.pathShown, QStringLiteral("/textures/old.bmp"));
    EXPECT_EQ(toHex(WriteObjectsToBytes({&shape})), toHex(before));
    EXPECT_EQ(host.changes, changesBefore);

    // Through the right-click menu this time.
    host.user.ok = true;
    shape.Loaded();
    TKMenu* menu = shape.PopupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Captions().mid(menu->Count() - 2), QStringList({"-", "Properties"}));
    EXPECT_TRUE(menu->Trigger(QStringLiteral("Properties")));
    EXPECT_EQ(host.user.shown, 2);
    EXPECT_EQ(shape.Shape(), kstTriangleUp);
    EXPECT_EQ(shape.SurfaceType(), TSuperShape::stBrushPattern);
    EXPECT_EQ(shape.SolidBitmap().color, clYellow);
    EXPECT_EQ(shape.ShadowOrient(), soUpperRight);
    EXPECT_EQ(shape.ShadowDepth(), 9);
    EXPECT_EQ(shape.OutlineWidth(), 3);
    EXPECT_EQ(shape.LastBitmapFileNameandPath(), QStringLiteral("/textures/linen.bmp"));
    EXPECT_EQ(shape.BoundsRect(), QRect(30, 40, 120, 80));
    EXPECT_GT(host.changes, changesBefore) << "the card is marked changed";
    host.Adopt(shape, false);
}

TEST(SuperShapeProperties, TheDialogsControlsChangeTheSampleAtOnce)
{
    TSuperShape sample;
    sample.SetBounds(0, 0, 120, 80);
    sample.SetOutlineColor(0x123456); // in no list: the list keeps its selection
    bool starShownBefore = false, starShownAfter = true;
    int shownShape = -1;
    QImage grabbed;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        QComboBox* shapes = nullptr;
        QComboBox* surfaces = nullptr;
        for (QComboBox* list : dialog->findChildren<QComboBox*>()) {
            if (list->itemText(0) == QStringLiteral("Rectangle"))
                shapes = list;
            if (list->itemText(0) == QStringLiteral("Transparent"))
                surfaces = list;
        }
        QGroupBox* star = nullptr;
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
            if (box->title() == QStringLiteral("Star"))
                star = box;
        if (!shapes || !surfaces || !star) {
            dialog->reject();
            return;
        }
        shownShape = shapes->currentIndex();
        starShownBefore = !star->isHidden();
        shapes->setCurrentIndex(kstDiamond);
        emit shapes->activated(kstDiamond);
        surfaces->setCurrentIndex(TSuperShape::stBrushPattern);
        emit surfaces->activated(TSuperShape::stBrushPattern);
        starShownAfter = !star->isHidden();
        grabbed = dialog->grab().toImage();
        dialog->accept();
    });
    timer->start(10);
    QString path;
    EXPECT_TRUE(ShowSuperShapeProperties(nullptr, sample, path));
    EXPECT_EQ(shownShape, int(kstStar));
    EXPECT_TRUE(starShownBefore);
    EXPECT_FALSE(starShownAfter) << "the star settings show for the star only";
    EXPECT_EQ(sample.Shape(), kstDiamond);
    EXPECT_EQ(sample.SurfaceType(), TSuperShape::stBrushPattern);
    EXPECT_EQ(sample.OutlineColor(), 0x123456) << "showing a colour changes nothing";
    // The sample previews the change: red (the solid surface) at the diamond's centre in the sample box.
    ASSERT_FALSE(grabbed.isNull());
    int red = 0;
    for (int y = 0; y < grabbed.height(); ++y)
        for (int x = 0; x < grabbed.width(); ++x)
            red += (grabbed.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    EXPECT_GT(red, 96 * 96 / 3) << "the sample shows a solid red diamond";
}

TEST(SuperShapeProperties, ColourListsOfferCustomColoursAndCancelKeepsTheColourShown)
{
    TSuperShape sample;
    sample.SetBounds(0, 0, 120, 80);
    sample.SetSurfaceType(TSuperShape::stBrushPattern);
    sample.SetBackColor(clBlue);
    sample.SetShadowColor(clGray);
    constexpr TColor kChosen = 0x336699;
    bool answer = true;
    QList<TColor> offered;
    const auto choose = [&](TColor& color) {
        offered << color;
        if (answer)
            color = kChosen;
        return answer;
    };
    QStringList lastRows;
    QString backgroundShown;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        // The lists by their captions.
        QList<QComboBox*> colours;
        for (const char* caption : {"Background Color", "From Color", "To Color", "Shadow Color", "Outline Color"})
            for (QLabel* label : dialog->findChildren<QLabel*>())
                if (label->text() == QLatin1String(caption))
                    if (auto* list = qobject_cast<QComboBox*>(label->buddy()))
                        colours << list;
        if (colours.size() != 5) {
            dialog->reject();
            return;
        }
        for (QComboBox* list : colours)
            lastRows << list->itemText(list->count() - 1);
        const auto pickCustom = [](QComboBox* list) {
            const int row = list->count() - 1;
            list->setCurrentIndex(row);
            emit list->activated(row);
        };
        pickCustom(colours[0]); // the background: taken
        backgroundShown = colours[0]->currentText();
        answer = false;
        pickCustom(colours[3]); // the shadow: cancelled
        dialog->accept();
    });
    timer->start(10);
    QString path;
    EXPECT_TRUE(ShowSuperShapeProperties(nullptr, sample, path, choose));
    EXPECT_EQ(lastRows, QStringList(5, QStringLiteral("Custom..."))) << "every colour list ends in Custom...";
    EXPECT_EQ(offered, QList<TColor>({clBlue, clGray})) << "the colour dialog starts from the colour shown";
    EXPECT_EQ(sample.BackColor(), kChosen);
    EXPECT_EQ(backgroundShown, QStringLiteral("Custom #996633"));
    EXPECT_EQ(sample.ShadowColor(), clGray) << "cancelling the colour dialog keeps the colour";
}

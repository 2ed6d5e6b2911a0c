// SPDX-License-Identifier: GPL-3.0-or-later
// Shape and picture objects: what they write, what survives a card file, and their setter rules.
#include "model/cardobjects.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/basicshape.h"
#include "objects/shapes/supershape.h"
#include "testutil.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace qm;
using qmtest::fromHex;
using qmtest::toHex;

namespace {

using Props = std::vector<std::pair<QByteArray, QByteArray>>;

// clang-format off
QByteArray Str(const QByteArray& s) { return char(s.size()) + s; }
QByteArray Id(const char* ident) { return fromHex("07") + Str(ident); }
QByteArray Text(const QByteArray& s) { return fromHex("06") + Str(s); }
QByteArray Le32(quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; }
QByteArray Bin(const QByteArray& b) { return fromHex("0a") + Le32(quint32(b.size())) + b; }
// clang-format on
const QByteArray kFalse = fromHex("08");
const QByteArray kTrue = fromHex("09");
// The smallest integer encoding that holds the value.
QByteArray Int(qint32 v)
{
    const QByteArray b = Le32(quint32(v));
    if (v >= -128 && v <= 127)
        return fromHex("02") + b.left(1);
    if (v >= -32768 && v <= 32767)
        return fromHex("03") + b.left(2);
    return fromHex("04") + b;
}

// A card holding one record named Component0 (the name a reader gives the first object), properties in order.
QByteArray Card(const QByteArray& cls, const Props& props)
{
    QByteArray out = fromHex("01") + "TPF0" + Str(cls) + Str("Component0");
    for (const auto& [name, value] : props)
        out += Str(name) + value;
    return out + fromHex("00 00 00");
}

// Checks the exact bytes written, then reads them back and writes the copy: the same bytes again, so every
// streamed value survived.
template <class T> T* ExpectCardAndRoundTrip(T& object, const Props& props, TKCardObjects& objects)
{
    object.SetName(QStringLiteral("Component0"));
    const QByteArray written = WriteObjectsToBytes({&object});
    EXPECT_EQ(toHex(written), toHex(Card(object.ClassName(), props)));
    const ReadResult r = ReadObjectsFromBytes(objects, written);
    EXPECT_TRUE(r.ok) << qPrintable(r.error);
    T* copy = r.ok && objects.Count() == 1 ? dynamic_cast<T*>(objects.At(0)) : nullptr;
    EXPECT_NE(copy, nullptr);
    if (copy) {
        EXPECT_STREQ(copy->ClassName(), object.ClassName());
        EXPECT_EQ(toHex(WriteObjectsToBytes({copy})), toHex(written));
    }
    return copy;
}

QByteArray BmpFile(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

// ---- TKLabelShapes / TBCShapes ----

TEST(BasicShape, BothClassesWriteAndRoundTripAtDefaultsAndFullyChanged)
{
    TKLabelShapes label;
    TBCShapes card;
    for (TKLabelShapes* shape : std::vector<TKLabelShapes*>{&label, &card}) {
        // A pen and a brush at their defaults write nothing; Transparent always.
        // clang-format off
        TKCardObjects atDefaults;
        ExpectCardAndRoundTrip(*shape, {{"Left", Int(0)}, {"Top", Int(0)}, {"Width", Int(25)}, {"Height", Int(25)},
                                        {"Locked", kFalse}, {"Unselectable", kFalse}, {"Transparent", kFalse}},
                               atDefaults);
        shape->SetBounds(3, 4, 200, 100);
        shape->SetTransparent(true);
        shape->Brush().SetColor(0x123456);
        shape->Brush().SetStyle(bsCross); // after Transparent, as a card file has them
        shape->Pen().SetColor(clRed);
        shape->Pen().SetStyle(psDash);
        shape->Pen().SetWidth(4);
        shape->Pen().SetMode(pmXor);
        shape->SetRoundPerc(40);
        shape->SetShape(stCircle);
        TKCardObjects objects;
        TKLabelShapes* copy = ExpectCardAndRoundTrip(
            *shape, {{"Left", Int(3)}, {"Top", Int(4)}, {"Width", Int(200)}, {"Height", Int(100)},
                     {"Locked", kFalse}, {"Unselectable", kFalse}, {"Transparent", kTrue},
                     {"Brush.Color", Int(0x123456)}, {"Brush.Style", Id("bsCross")}, {"Pen.Color", Id("clRed")},
                     {"Pen.Mode", Id("pmXor")}, {"Pen.Style", Id("psDash")}, {"Pen.Width", Int(4)},
                     {"RoundPerc", Int(40)}, {"Shape", Id("stCircle")}},
            objects);
        // clang-format on
        ASSERT_NE(copy, nullptr);
        EXPECT_TRUE(copy->Transparent());
        EXPECT_EQ(copy->Brush().Style(), bsCross);
        EXPECT_EQ(copy->Shape(), stCircle);
    }
}

TEST(BasicShape, TransparentSwitchesBrushStyleAndRepaintsOnlyOnChange)
{
    qmtest::TestHost host;
    TBCShapes shape;
    host.Adopt(shape);
    shape.SetTransparent(false);
    shape.SetRoundPerc(25);
    shape.SetShape(stRectangle);
    EXPECT_EQ(host.invalidations, 0);
    shape.SetTransparent(true);
    EXPECT_EQ(shape.Brush().Style(), bsClear);
    shape.SetTransparent(false);
    EXPECT_EQ(shape.Brush().Style(), bsSolid);
    EXPECT_GT(host.invalidations, 0);
}

// ---- TSuperShape ----

TEST(SuperShape, WritesEveryPropertyAndRoundTripsAtDefaultsAndFullyChanged)
{
    TSuperShape shape;
    // clang-format off
    TKCardObjects atDefaults;
    ExpectCardAndRoundTrip(shape, {
        {"Left", Int(0)}, {"Top", Int(0)}, {"Width", Int(25)}, {"Height", Int(25)}, {"Locked", kFalse},
        {"Unselectable", kFalse}, {"BackColor", Id("clRed")}, {"FillDirection", Id("gdUp")},
        {"ForeColor", Id("clBlack")}, {"GradientToColor", Id("clBlue")}, {"InVectorPercent", Int(50)},
        {"OutlineColor", Id("clBlack")}, {"OutlineStyle", Id("psSolid")}, {"OutlineWidth", Int(1)},
        {"Pattern", Id("bsClear")}, {"RoundPerc", Int(25)}, {"ShadowColor", Id("clBlack")}, {"ShadowDepth", Int(5)},
        {"ShadowOrient", Id("soNone")}, {"Shape", Id("kstStar")}, {"StartingAngle", Int(90)},
        {"SurfaceType", Id("stGradientFill")}, {"Vectors", Int(10)}}, atDefaults);

    shape.SetBounds(10, 20, 120, 80);
    shape.SetBackColor(0x010203);
    shape.SetFillDirection(gdRight);
    shape.SetForeColor(clYellow);
    shape.SetGradientToColor(clAqua);
    shape.SetSurfaceType(TSuperShape::stBrushImage);
    shape.Image().SetFileBytes(BmpFile(4, 4));
    shape.SetInVectorPercent(30);
    shape.SetOutlineColor(clGray);
    shape.SetOutlineStyle(psDashDot);
    shape.SetOutlineWidth(3);
    shape.SetPattern(bsDiagCross);
    shape.SetRoundPerc(35);
    shape.SetShadowColor(clSilver);
    shape.SetShadowDepth(7);
    shape.SetShadowOrient(soUpperLeft);
    shape.SetShape(kstTriangleDown);
    shape.SetStartingAngle(45);
    shape.SetVectors(14);
    shape.SetLastBitmapFileNameandPath(QStringLiteral("/home/me/bmbrush/marble.bmp"));
    TKCardObjects objects;
    TSuperShape* copy = ExpectCardAndRoundTrip(shape, {
        {"Left", Int(10)}, {"Top", Int(20)}, {"Width", Int(120)}, {"Height", Int(80)},
        {"Locked", kFalse}, {"Unselectable", kFalse},
        {"BackColor", Int(0x010203)}, {"FillDirection", Id("gdRight")}, {"ForeColor", Id("clYellow")},
        {"GradientToColor", Id("clAqua")}, {"Image.Data", Bin(shape.Image().Data())},
        {"InVectorPercent", Int(30)}, {"OutlineColor", Id("clGray")}, {"OutlineStyle", Id("psDashDot")},
        {"OutlineWidth", Int(3)}, {"Pattern", Id("bsDiagCross")}, {"RoundPerc", Int(35)},
        {"ShadowColor", Id("clSilver")}, {"ShadowDepth", Int(7)}, {"ShadowOrient", Id("soUpperLeft")},
        {"Shape", Id("kstTriangleDown")}, {"StartingAngle", Int(45)}, {"SurfaceType", Id("stBrushImage")},
        {"Vectors", Int(14)}, {"LastBitmapFileNameandPath", Text("/home/me/bmbrush/marble.bmp")}}, objects);
    // clang-format on
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Image().FileBytes(), BmpFile(4, 4));
    EXPECT_EQ(copy->ShadowOrient(), soUpperLeft);
    EXPECT_EQ(copy->SurfaceType(), TSuperShape::stBrushImage);
}

TEST(SuperShape, OutOfRangeValuesAreRefusedAndLimitsAccepted)
{
    struct Range
    {
        void (TSuperShape::*set)(int);
        int (TSuperShape::*get)() const;
        std::vector<int> refused, accepted;
    };
    for (const Range& r :
         {Range{&TSuperShape::SetVectors, &TSuperShape::Vectors, {2, 61}, {3, 60}},
          Range{&TSuperShape::SetStartingAngle, &TSuperShape::StartingAngle, {-1, 360}, {0, 359}},
          Range{&TSuperShape::SetInVectorPercent, &TSuperShape::InVectorPercent, {-1, 101}, {0, 100}}}) {
        TSuperShape shape;
        const int initial = (shape.*r.get)();
        for (int v : r.refused) {
            (shape.*r.set)(v);
            EXPECT_EQ((shape.*r.get)(), initial) << v;
        }
        for (int v : r.accepted) {
            (shape.*r.set)(v);
            EXPECT_EQ((shape.*r.get)(), v);
        }
    }
    TSuperShape shape;
    shape.SetShadowOrient(soLowerLeft);
    shape.SetShadowOrient(TShadowOrient(5));
    EXPECT_EQ(shape.ShadowOrient(), soLowerLeft);
}

TEST(SuperShape, ChoosingTheStarResetsItsGeometry)
{
    TSuperShape shape;
    shape.SetShape(kstPolyGon);
    shape.SetInVectorPercent(0);
    shape.SetVectors(6);
    shape.SetStartingAngle(45);
    shape.SetShape(kstStar);
    EXPECT_EQ(shape.InVectorPercent(), 50);
    EXPECT_EQ(shape.Vectors(), 10);
    EXPECT_EQ(shape.StartingAngle(), 90);

    // Only the degenerate values are replaced; the angle always is.
    shape.SetShape(kstDiamond);
    shape.SetInVectorPercent(30);
    shape.SetVectors(14);
    shape.SetStartingAngle(10);
    shape.SetShape(kstStar);
    EXPECT_EQ(shape.InVectorPercent(), 30);
    EXPECT_EQ(shape.Vectors(), 14);
    EXPECT_EQ(shape.StartingAngle(), 90);
}

TEST(SuperShape, ShadowDepthBoundAppliesToTheDepthAlreadyHeld)
{
    TSuperShape shape; // 25 x 25: half is 12
    shape.SetShadowDepth(20);
    EXPECT_EQ(shape.ShadowDepth(), 20) << "the held depth 5 is within bounds, so any new value goes in";
    shape.SetShadowDepth(3);
    EXPECT_EQ(shape.ShadowDepth(), 20);
    shape.SetBounds(0, 0, 40, 39);
    shape.SetShadowDepth(3);
    EXPECT_EQ(shape.ShadowDepth(), 20) << "39 div 2 is still below 20";
    shape.SetHeight(40);
    shape.SetShadowDepth(3);
    EXPECT_EQ(shape.ShadowDepth(), 3);
}

TEST(SuperShape, SurfaceTypeKnockOns)
{
    TSuperShape shape;
    shape.SetShadowOrient(soLowerRight);
    shape.SetPattern(bsCross);
    shape.SetOutlineStyle(psClear);
    shape.SetSurfaceType(TSuperShape::stBrushImage);
    shape.Image().SetFileBytes(BmpFile(2, 2));
    ASSERT_FALSE(shape.Image().Empty());

    shape.SetSurfaceType(TSuperShape::stBrushTransparent);
    EXPECT_TRUE(shape.Image().Empty());
    EXPECT_EQ(shape.ShadowOrient(), soNone);
    EXPECT_EQ(shape.Pattern(), bsClear);
    EXPECT_EQ(shape.OutlineStyle(), psSolid);

    shape.SetOutlineStyle(psDot);
    shape.SetSurfaceType(TSuperShape::stGradientFill);
    shape.SetSurfaceType(TSuperShape::stBrushTransparent);
    EXPECT_EQ(shape.OutlineStyle(), psDot) << "only a clear outline is brought back";

    shape.SetSurfaceType(TSuperShape::stBrushImage);
    shape.Image().SetFileBytes(BmpFile(2, 2));
    shape.SetBackColor(0x445566);
    shape.SetSurfaceType(TSuperShape::stBrushPattern);
    EXPECT_TRUE(shape.Image().Empty());
    EXPECT_EQ(shape.SolidBitmap().width, 25);
    EXPECT_EQ(shape.SolidBitmap().color, 0x445566);
}

TEST(SuperShape, TransparentShapeReadFromACardKeepsItsShadow)
{
    TKCardObjects objects;
    const ReadResult r =
        ReadObjectsFromBytes(objects, Card("TSuperShape", {{"ShadowOrient", Id("soLowerRight")},
                                                           {"SurfaceType", Id("stBrushTransparent")}}));
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* shape = dynamic_cast<TSuperShape*>(objects.At(0));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->SurfaceType(), TSuperShape::stBrushTransparent);
    EXPECT_EQ(shape->ShadowOrient(), soLowerRight) << "a card reopens as it was saved";
}

TEST(SuperShape, WorkingBitmapsFollowTheirRules)
{
    TSuperShape shape;
    EXPECT_EQ(shape.GradientBitmap().width, 25);
    shape.SetBounds(0, 0, 80, 50);
    EXPECT_EQ(shape.GradientBitmap().width, 80);
    EXPECT_EQ(shape.GradientBitmap().height, 50);

    // The solid surface keeps its old size when resized (it is tiled) but takes a new colour.
    shape.SetSurfaceType(TSuperShape::stBrushPattern);
    shape.SetBounds(0, 0, 30, 30);
    EXPECT_EQ(shape.SolidBitmap().width, 80);
    shape.SetBackColor(clAqua);
    EXPECT_EQ(shape.SolidBitmap().width, 30);
    EXPECT_EQ(shape.SolidBitmap().color, clAqua);

    // Read from a card: the gradient matches the size read.
    TKCardObjects objects;
    ASSERT_TRUE(
        ReadObjectsFromBytes(objects, Card("TSuperShape", {{"Width", Int(60)}, {"Height", Int(70)}})).ok);
    auto* read = static_cast<TSuperShape*>(objects.At(0));
    EXPECT_EQ(read->GradientBitmap().width, 60);
    EXPECT_EQ(read->GradientBitmap().height, 70);
}

TEST(SuperShape, CopyFromTakesSettingsAndSizeButNotThePath)
{
    TSuperShape source;
    source.SetBounds(5, 5, 90, 60);
    source.SetShape(kstStar);
    source.SetStartingAngle(45); // copied after Shape, so the star reset must not undo it
    source.SetSurfaceType(TSuperShape::stBrushImage);
    source.Image().SetFileBytes(BmpFile(3, 3));
    source.SetShadowOrient(soLowerLeft);
    source.SetOutlineWidth(6);
    source.SetLastBitmapFileNameandPath(QStringLiteral("/tmp/a.bmp"));

    TSuperShape target;
    target.SetShape(kstEllipse);
    target.CopyFrom(source);
    EXPECT_EQ(target.Shape(), kstStar);
    EXPECT_EQ(target.StartingAngle(), 45);
    EXPECT_EQ(target.SurfaceType(), TSuperShape::stBrushImage);
    EXPECT_EQ(target.Image().Data(), source.Image().Data());
    EXPECT_EQ(target.ShadowOrient(), soLowerLeft);
    EXPECT_EQ(target.OutlineWidth(), 6);
    EXPECT_EQ(target.BoundsRect(), QRect(0, 0, 90, 60));
    EXPECT_TRUE(target.LastBitmapFileNameandPath().isEmpty());
}

// ---- TKImage ----

TEST(PictureObject, WritesAndRoundTripsAtDefaultsAndWithABitmapByteForByte)
{
    TKImage image;
    TKCardObjects atDefaults;
    // clang-format off
    ExpectCardAndRoundTrip(image, {{"Left", Int(0)}, {"Top", Int(0)}, {"Width", Int(105)}, {"Height", Int(105)},
                                   {"Locked", kFalse}, {"Unselectable", kFalse}, {"BorderStyle", Id("bsNone")},
                                   {"Reverse", kFalse}, {"Flip", kFalse}},
                           atDefaults);

    const QByteArray bmp = BmpFile(7, 5);
    image.SetBounds(12, 13, 105, 105);
    image.Picture().SetGraphic("TBitmap", bmp);
    image.SetBorderStyle(bsSingle);
    image.SetReverse(true);
    image.SetFlip(true);
    image.SetAutoSize(true);
    EXPECT_EQ(image.BoundsRect(), QRect(12, 13, 7, 5));
    TKCardObjects objects;
    TKImage* copy = ExpectCardAndRoundTrip(image, {
        {"Left", Int(12)}, {"Top", Int(13)}, {"Width", Int(7)}, {"Height", Int(5)}, {"Locked", kFalse},
        {"Unselectable", kFalse}, {"AutoSize", kTrue}, {"BorderStyle", Id("bsSingle")},
        {"Picture.Data", Bin(Str("TBitmap") + Le32(quint32(bmp.size())) + bmp)}, {"Stretch", kFalse},
        {"Reverse", kTrue}, {"Flip", kTrue}}, objects);
    // clang-format on
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Picture().GraphicBytes(), bmp);
    EXPECT_TRUE(copy->AutoSize());
    EXPECT_FALSE(copy->Stretch());
    EXPECT_TRUE(copy->Opaque()) << "a bitmap of exactly the object's size";
}

TEST(PictureObject, EmptyBitmapPictureIsTwelveBytesOfData)
{
    TKImage image;
    image.Picture().SetGraphic("TBitmap", QByteArray());
    const QByteArray entry =
        Str("Picture.Data") + fromHex("0a 0c 00 00 00 07 54 42 69 74 6d 61 70 00 00 00 00");
    EXPECT_TRUE(WriteObjectsToBytes({&image}).contains(entry));
    TKCardObjects objects;
    ASSERT_TRUE(ReadObjectsFromBytes(objects, WriteObjectsToBytes({&image})).ok);
    EXPECT_EQ(static_cast<TKImage*>(objects.At(0))->Picture().Data(), image.Picture().Data());
}

TEST(PictureObject, AutoSizeAndStretchStayOpposite)
{
    qmtest::TestHost host;
    TKImage image;
    host.Adopt(image);
    image.Picture().SetGraphic("TBitmap", BmpFile(32, 32));
    EXPECT_EQ(image.BoundsRect().size(), QSize(105, 105)) << "stretched pictures keep the object's size";
    EXPECT_FALSE(image.Opaque());

    image.SetAutoSize(true);
    EXPECT_FALSE(image.Stretch());
    EXPECT_EQ(image.BoundsRect().size(), QSize(32, 32));
    EXPECT_GT(host.changes, 0);

    image.SetStretch(true);
    EXPECT_FALSE(image.AutoSize());
    image.SetStretch(false);
    EXPECT_TRUE(image.AutoSize());
}

TEST(PictureObject, BorderFlipReverseReportChangesOnlyWhenChanged)
{
    qmtest::TestHost host;
    TKImage image;
    host.Adopt(image);
    image.SetBorderStyle(bsNone);
    image.SetFlip(false);
    image.SetReverse(false);
    EXPECT_EQ(host.changes, 0);
    image.SetBorderStyle(bsSingle);
    image.SetFlip(true);
    image.SetReverse(true);
    EXPECT_EQ(host.changes, 3);
}

TEST(PictureObject, GraphicSizeFromIconAndMetafileHeaders)
{
    StoredPicture icon;
    icon.SetGraphic("TIcon", fromHex("00 00 01 00 01 00 00 30 00 00 01 00 20 00 00 00 00 00 16 00 00 00"));
    EXPECT_EQ(TKImage::GraphicSize(icon), QSize(256, 48));

    // Placeable metafile: box 0,0 - 2880,1440 at 1440 units per inch.
    StoredPicture wmf;
    wmf.SetGraphic("TMetafile", fromHex("d7 cd c6 9a 00 00 00 00 00 00 40 0b a0 05 a0 05 00 00 00 00 00 00"));
    EXPECT_EQ(TKImage::GraphicSize(wmf), QSize(192, 96));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile player: Inkscape's metafiles drawn where Inkscape draws the same scene, the main record kinds
// of an enhanced metafile drawn to their pixels, and a metafile printed into a PDF staying vector graphics.
#include "pictures/pictures.h"

#include "testutil.h"
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdlib>
#include <initializer_list>

using namespace qm;

namespace {

QString DataFile(const QString& name)
{
    return qmtest::SourceFile("tests/data/pictures/" + name);
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The picture drawn on white at the given size, smoothed as on screen.
QImage OnWhite(const TPicture& picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    picture.Draw(p, QRectF(0, 0, size.width(), size.height()));
    return image;
}

// An enhanced metafile put together record by record; 96 device pixels per inch.
class EmfBuilder
{
public:
    void Record(quint32 type, std::initializer_list<qint32> values)
    {
        Begin(type);
        for (qint32 v : values)
            Put32(v);
        End();
    }
    void Begin(quint32 type)
    {
        mStart = mRecords.size();
        Put32(type);
        Put32(0);
    }
    void Put32(qint32 v)
    {
        char b[4];
        qToLittleEndian<qint32>(v, b);
        mRecords.append(b, 4);
    }
    void Put16(qint16 v)
    {
        char b[2];
        qToLittleEndian<qint16>(v, b);
        mRecords.append(b, 2);
    }
    void PutBytes(const QByteArray& bytes) { mRecords.append(bytes); }
    void End()
    {
        while ((mRecords.size() - mStart) % 4)
            mRecords.append('\0');
        qToLittleEndian<quint32>(quint32(mRecords.size() - mStart), mRecords.data() + mStart + 4);
        ++mCount;
    }
    qsizetype Here() const { return mRecords.size() - mStart; }
    // Font 1 made in DejaVu Sans from seven values: height, width, escapement, orientation, weight, then the
    // italic, underline, strike-out and character-set bytes, and the precision, quality and pitch bytes.
    void DejaVuFont(std::initializer_list<qint32> values)
    {
        Begin(82);
        Put32(1);
        for (qint32 v : values)
            Put32(v);
        const QString face = QStringLiteral("DejaVu Sans");
        QByteArray name(64, '\0');
        for (int i = 0; i < face.size(); ++i)
            qToLittleEndian<quint16>(face[i].unicode(), name.data() + i * 2);
        PutBytes(name);
        End();
    }

    // The header for a picture of w x h pixels, the records and the end record.
    QByteArray Finish(int w, int h)
    {
        Record(14, {0, 16, 20});
        QByteArray header;
        auto put = [&](qint32 v) {
            char b[4];
            qToLittleEndian<qint32>(v, b);
            header.append(b, 4);
        };
        const int mmW = 254, devW = 960; // 96 per inch
        put(1);
        put(88);
        for (int v : {0, 0, w - 1, h - 1})
            put(v);
        for (int v : {0, 0, w * 2540 / 96, h * 2540 / 96})
            put(v);
        put(0x464D4520);
        put(0x10000);
        put(88 + int(mRecords.size()));
        put(mCount + 1);
        put(16); // handles (16 bits) and reserved
        put(0);
        put(0);
        put(0);
        put(devW);
        put(devW);
        put(mmW);
        put(mmW);
        return header + mRecords;
    }

private:
    QByteArray mRecords;
    qsizetype mStart = 0;
    qint32 mCount = 0;
};

constexpr qint32 kStockNullPen = qint32(0x80000008);

} // namespace

TEST(MetafilePlayer, InkscapeMetafilesDrawLikeInkscape)
{
    // Inkscape wrote scene.svg as both kinds of metafile and rendered it itself; the shapes land on its pixels.
    const QImage reference = QImage(DataFile("scene-ref.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), QSize(200, 120));
    struct Spot { int x, y; QRgb color; const char* what; };
    const Spot spots[] = {
        {40, 30, qRgb(255, 0, 0), "red rectangle"},       {10, 30, qRgb(0, 0, 0), "its black outline"},
        {130, 30, qRgb(0, 0, 255), "blue ellipse"},       {165, 30, qRgb(0, 0, 255), "ellipse's right end"},
        {60, 100, qRgb(0, 160, 0), "green triangle"},     {30, 70, qRgb(255, 255, 255), "beside the triangle"},
        {150, 108, qRgb(255, 128, 0), "orange polyline"}, {150, 95, qRgb(255, 255, 255), "inside its V"},
        {5, 5, qRgb(255, 255, 255), "white corner"},
    };
    for (const char* name : {"scene.emf", "scene.wmf"}) {
        SCOPED_TRACE(name);
        QString error;
        const TPicture picture = ReadPictureFile(DataFile(name), &error);
        ASSERT_FALSE(picture.IsNull()) << error.toStdString();
        EXPECT_TRUE(picture.IsVector());
        EXPECT_NEAR(picture.Size().width(), 200, 2);
        EXPECT_NEAR(picture.Size().height(), 120, 2);
        const QImage drawn = OnWhite(picture, QSize(200, 120));
        for (const Spot& s : spots) {
            EXPECT_TRUE(Near(reference.pixel(s.x, s.y), s.color, 40)) << "reference " << s.what;
            EXPECT_TRUE(Near(drawn.pixel(s.x, s.y), s.color, 40))
                << s.what << " at " << s.x << "," << s.y << " is " << std::hex << drawn.pixel(s.x, s.y);
        }
        // The text ("Ab", drawn as outlines by Inkscape) darkens its box and nothing right of it.
        int dark = 0, strayDark = 0;
        for (int y = 92; y < 108; ++y)
            for (int x = 118; x < 150; ++x)
                dark += qGray(drawn.pixel(x, y)) < 100;
        for (int y = 80; y < 92; ++y)
            for (int x = 160; x < 200; ++x)
                strayDark += qGray(drawn.pixel(x, y)) < 100;
        EXPECT_GT(dark, 25);
        EXPECT_EQ(strayDark, 0);
        // Drawn at twice the size, everything scales with it.
        const QImage twice = OnWhite(picture, QSize(400, 240));
        EXPECT_TRUE(Near(twice.pixel(260, 60), qRgb(0, 0, 255), 40));
        EXPECT_TRUE(Near(twice.pixel(80, 60), qRgb(255, 0, 0), 40));
    }
}

TEST(MetafilePlayer, RecordKindsDrawWhereTheyShould)
{
    EmfBuilder emf;
    // Two logical units to a pixel: an anisotropic window of 200 over a viewport of 100.
    emf.Record(17, {8});
    emf.Record(9, {200, 200});
    emf.Record(11, {100, 100});
    emf.Record(37, {kStockNullPen});
    emf.Record(39, {1, 0, 0x0000FF, 0}); // red brush
    emf.Record(37, {1});
    emf.Record(43, {0, 0, 80, 80});     // rectangle: pixels 0-40
    emf.Record(39, {2, 0, 0xFF0000, 0}); // blue brush
    emf.Record(37, {2});
    emf.Record(42, {100, 0, 200, 100}); // ellipse: pixels 50-100 x 0-50
    emf.Record(39, {3, 0, 0x00C000, 0}); // green brush
    emf.Record(37, {3});
    // Pie from the right (0 degrees) round to the top (90 degrees), counter-clockwise: the upper right quarter.
    emf.Record(47, {0, 100, 100, 200, 100, 150, 50, 100});
    // Clipped to the left half of the lower right square, saved and restored around it.
    emf.Record(33, {});
    emf.Record(30, {100, 100, 150, 200});
    emf.Record(39, {4, 0, 0x00FFFF, 0}); // yellow brush
    emf.Record(37, {4});
    emf.Record(43, {100, 100, 200, 200});
    emf.Record(34, {-1});
    // A path filled after the clip is gone: a triangle in the lower right corner.
    emf.Record(39, {5, 0, 0xFF00FF, 0}); // magenta brush
    emf.Record(37, {5});
    emf.Record(59, {});
    emf.Record(27, {160, 160});
    emf.Record(54, {199, 160});
    emf.Record(54, {199, 199});
    emf.Record(61, {});
    emf.Record(60, {});
    emf.Record(62, {0, 0, 0, 0});
    // A black geometric pen 6 units (3 pixels) wide, a polyline of 16-bit points along pixel row 45.
    emf.Record(95, {6, 0, 0, 0, 0, 0x10000, 6, 0, 0, 0, 0});
    emf.Record(37, {6});
    emf.Begin(87);
    for (qint32 v : {0, 0, 0, 0, 2})
        emf.Put32(v);
    for (qint16 v : {0, 90, 80, 90})
        emf.Put16(v);
    emf.End();
    // A 2 x 2 bitmap (rows stored bottom up) stretched over pixels 84-100 x 0-16.
    emf.Begin(81);
    for (qint32 v : {0, 0, 0, 0, 168, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 32, 32})
        emf.Put32(v);
    for (qint32 v : {40, 2, 2, 0x00180001, 0, 16, 0, 0, 0, 0}) // info header: 24 bits
        emf.Put32(v);
    // Bottom row: white, black; top row: blue, yellow (blue, green, red order; rows padded to 4 bytes).
    emf.PutBytes(QByteArray::fromHex("ffffff000000" "0000") + QByteArray::fromHex("ff000000ffff" "0000"));
    emf.End();
    const QByteArray bytes = emf.Finish(100, 100);

    QString error;
    const TPicture picture = ReadPicture(bytes, QString(), &error);
    ASSERT_FALSE(picture.IsNull()) << error.toStdString();
    EXPECT_EQ(picture.Size(), QSize(100, 100));
    const QImage img = OnWhite(picture, QSize(100, 100));
    struct Spot { int x, y; QRgb color; const char* what; };
    const Spot spots[] = {
        {20, 20, qRgb(255, 0, 0), "rectangle"},         {45, 20, qRgb(255, 255, 255), "right of the rectangle"},
        {75, 25, qRgb(0, 0, 255), "ellipse centre"},     {52, 3, qRgb(255, 255, 255), "outside the ellipse"},
        {35, 65, qRgb(0, 192, 0), "pie quarter"},        {15, 85, qRgb(255, 255, 255), "outside the pie"},
        {35, 85, qRgb(255, 255, 255), "pie, lower right"}, {60, 70, qRgb(255, 255, 0), "clipped fill, inside"},
        {85, 65, qRgb(255, 255, 255), "clipped fill, outside"}, {97, 90, qRgb(255, 0, 255), "path after restore"},
        {20, 45, qRgb(0, 0, 0), "wide pen"},             {20, 49, qRgb(255, 255, 255), "below the pen"},
        {88, 4, qRgb(0, 0, 255), "bitmap top left"},     {96, 4, qRgb(255, 255, 0), "bitmap top right"},
        {88, 12, qRgb(255, 255, 255), "bitmap bottom left"}, {96, 12, qRgb(0, 0, 0), "bitmap bottom right"},
    };
    for (const Spot& s : spots)
        EXPECT_TRUE(Near(img.pixel(s.x, s.y), s.color, 30))
            << s.what << " at " << s.x << "," << s.y << " is " << std::hex << img.pixel(s.x, s.y);
}

TEST(MetafilePlayer, TextKeepsItsAdvancesAlignmentAndEscapement)
{
    // "HH" 40 pixels high: at the top left with advances of 30, then the same turned a quarter (escapement 900)
    // with its baseline's right end at the reference point.
    auto text = [](qint32 align, qint32 escapement) {
        EmfBuilder emf;
        emf.Record(22, {align});
        emf.Record(18, {1});
        emf.DejaVuFont({-40, 0, escapement, escapement, 400, 0, 0});
        emf.Record(37, {1});
        emf.Begin(84);
        for (qint32 v : {0, 0, 0, 0, 1, 0, 0, 20, 60, 2, 76, 0, 0, 0, 0, 0, 80})
            emf.Put32(v);
        emf.Put16('H');
        emf.Put16('H');
        emf.Put32(30);
        emf.Put32(30);
        emf.End();
        return emf.Finish(120, 120);
    };
    auto darkIn = [](const QImage& img, QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(img.pixel(x, y)) < 128;
        return n;
    };
    const QImage plain = OnWhite(ReadPicture(text(0, 0)), QSize(120, 120));
    EXPECT_GT(darkIn(plain, QRect(20, 60, 60, 40)), 300);
    EXPECT_EQ(darkIn(plain, QRect(0, 0, 120, 55)), 0);
    EXPECT_EQ(darkIn(plain, QRect(85, 0, 35, 120)), 0);
    // The second H starts 30 pixels after the first: the gap between them is at about x = 48.
    EXPECT_GT(darkIn(plain, QRect(52, 60, 24, 35)), 100);

    // Right-aligned on the baseline and turned a quarter counter-clockwise: the text runs upwards ending at
    // the reference point (20, 60), its letters left of the baseline.
    const QImage turned = OnWhite(ReadPicture(text(2 | 24, 900)), QSize(120, 120));
    EXPECT_GT(darkIn(turned, QRect(0, 60, 20, 60)), 300);
    EXPECT_EQ(darkIn(turned, QRect(0, 0, 120, 55)), 0);
    EXPECT_EQ(darkIn(turned, QRect(25, 0, 95, 120)), 0);
}

// Text runs in fonts that differ only in weight, slant or size, one after another in one picture: each is drawn
// in its own font, pixel for pixel as when it is the only text of its picture (a font made for one run must not
// stand in for another).
TEST(MetafilePlayer, EachTextRunIsDrawnInItsOwnFont)
{
    struct Run { qint32 height, weight, italic; };
    const Run runs[] = {{-30, 400, 0}, {-30, 700, 0}, {-30, 400, 1}, {-31, 400, 0}, {-30, 400, 0}};
    const int count = int(std::size(runs));
    // Run k at (10, 5 + 50 k), alone or after all the others before it.
    auto picture = [&](int first, int last) {
        EmfBuilder emf;
        emf.Record(18, {1}); // transparent background
        for (int k = first; k <= last; ++k) {
            emf.DejaVuFont({runs[k].height, 0, 0, 0, runs[k].weight, runs[k].italic, 0});
            emf.Record(37, {1});
            emf.Begin(84);
            for (qint32 v : {0, 0, 0, 0, 1, 0, 0, 10, 5 + 50 * k, 3, 76, 0, 0, 0, 0, 0, 0})
                emf.Put32(v);
            for (const char c : {'W', 'a', 'g', '\0'})
                emf.Put16(c);
            emf.End();
        }
        return OnWhite(ReadPicture(emf.Finish(160, 50 * count)), QSize(160, 50 * count));
    };
    const QImage all = picture(0, count - 1);
    for (int k = 0; k < count; ++k) {
        SCOPED_TRACE(k);
        const QRect band(0, 50 * k, 160, 50);
        const QImage alone = picture(k, k).copy(band);
        EXPECT_EQ(all.copy(band), alone);
        int dark = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 160; ++x)
                dark += qGray(alone.pixel(x, y)) < 128;
        EXPECT_GT(dark, 100); // the text is there
        if (k > 0) {
            // and differs from the run before it, drawn alone in the same place
            const QImage before = picture(k - 1, k - 1).copy(QRect(0, 50 * (k - 1), 160, 50));
            EXPECT_NE(before, alone);
        }
    }
}

// A pie, chord or arc of a box with no size draws nothing, and the picture goes on after it.
TEST(MetafilePlayer, CurvesOfAnEmptyBoxDrawNothing)
{
    EmfBuilder emf;
    emf.Record(39, {1, 0, 0x0000FF, 0}); // red brush
    emf.Record(37, {1});
    for (const qint32 kind : {45, 46, 47, 55}) // arc, chord, pie, arc-to
        emf.Record(kind, {20, 20, 20, 20, 30, 20, 20, 30});
    emf.Record(43, {10, 10, 50, 50});
    const QImage image = OnWhite(ReadPicture(emf.Finish(60, 60)), QSize(60, 60));
    EXPECT_TRUE(Near(image.pixel(30, 30), qRgb(255, 0, 0), 8));
    EXPECT_TRUE(Near(image.pixel(55, 55), qRgb(255, 255, 255), 0));
}

TEST(MetafilePlayer, MetafileOnPaperStaysVector)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("scene.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        QPainter p(&writer);
        ReadPictureFile(DataFile("scene.emf")).Draw(p, QRectF(100, 100, 600, 360));
        ReadPictureFile(DataFile("scene.wmf")).Draw(p, QRectF(100, 600, 600, 360));
    }
    ASSERT_GT(QFileInfo(pdf).size(), 500);
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    // Only the two heading lines: no image in the page.
    EXPECT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
}

namespace {

// A plain Windows metafile of 100 x 100 units (its window) holding the records given as function and 16-bit
// parameters.
QByteArray WindowsMetafile(std::initializer_list<std::pair<quint16, std::vector<qint16>>> records)
{
    QByteArray body;
    auto put16 = [&body](qint16 v) {
        char b[2];
        qToLittleEndian<qint16>(v, b);
        body.append(b, 2);
    };
    auto record = [&](quint16 function, const std::vector<qint16>& params) {
        char b[4];
        qToLittleEndian<quint32>(quint32(3 + params.size()), b);
        body.append(b, 4);
        put16(qint16(function));
        for (qint16 v : params)
            put16(v);
    };
    record(0x020B, {0, 0});     // window origin
    record(0x020C, {100, 100}); // window extent (height, width)
    for (const auto& r : records)
        record(r.first, r.second);
    record(0, {});
    QByteArray header(18, '\0');
    qToLittleEndian<quint16>(1, header.data());
    qToLittleEndian<quint16>(9, header.data() + 2);
    qToLittleEndian<quint16>(0x0300, header.data() + 4);
    qToLittleEndian<quint32>(quint32((18 + body.size()) / 2), header.data() + 6);
    qToLittleEndian<quint16>(4, header.data() + 10);
    qToLittleEndian<quint32>(16, header.data() + 12);
    return header + body;
}

// The five points of a pentagram round (50, 50) of radius 45, tip upwards, in the order drawn (every second
// corner of a pentagon, so that the edges cross and enclose the centre twice).
std::vector<QPoint> Pentagram()
{
    std::vector<QPoint> points;
    for (int k = 0; k < 5; ++k) {
        const double a = k * 4 * M_PI / 5;
        points.emplace_back(int(std::lround(50 + 45 * std::sin(a))), int(std::lround(50 - 45 * std::cos(a))));
    }
    return points;
}

} // namespace

// A metafile that sets the polygon fill mode: a pentagram filled under alternate filling has an empty centre
// (the centre is enclosed twice), under winding a filled one; its arms are filled either way. Both kinds of
// metafile, the enhanced one also when a path is filled.
TEST(MetafilePlayer, PolygonFillModeDecidesWhetherAPentagramsCentreIsFilled)
{
    for (const int mode : {1, 2}) { // alternate, winding
        SCOPED_TRACE(mode == 1 ? "alternate" : "winding");
        std::vector<QByteArray> files;
        {
            EmfBuilder emf;
            emf.Record(37, {kStockNullPen});
            emf.Record(39, {1, 0, 0x0000FF, 0}); // red brush
            emf.Record(37, {1});
            emf.Record(19, {mode});
            emf.Begin(3); // polygon
            for (qint32 v : {0, 0, 100, 100, 5})
                emf.Put32(v);
            for (const QPoint& p : Pentagram()) {
                emf.Put32(p.x());
                emf.Put32(p.y());
            }
            emf.End();
            files.push_back(emf.Finish(100, 100));
        }
        {
            EmfBuilder emf; // the same as a path
            emf.Record(37, {kStockNullPen});
            emf.Record(39, {1, 0, 0x0000FF, 0});
            emf.Record(37, {1});
            emf.Record(19, {mode});
            emf.Record(59, {});
            const std::vector<QPoint> star = Pentagram();
            emf.Record(27, {star[0].x(), star[0].y()});
            for (size_t k = 1; k < star.size(); ++k)
                emf.Record(54, {star[k].x(), star[k].y()});
            emf.Record(61, {});
            emf.Record(60, {});
            emf.Record(62, {0, 0, 0, 0});
            files.push_back(emf.Finish(100, 100));
        }
        {
            std::vector<qint16> polygon{5};
            for (const QPoint& p : Pentagram()) {
                polygon.push_back(qint16(p.x()));
                polygon.push_back(qint16(p.y()));
            }
            files.push_back(WindowsMetafile({
                {0x02FA, {5, 0, 0, 0, 0}},         // null pen
                {0x012D, {0}},
                {0x02FC, {0, 0x00FF, 0x0000, 0}},  // red brush
                {0x012D, {1}},
                {0x0106, {qint16(mode)}},
                {0x0324, polygon},
            }));
        }
        for (size_t f = 0; f < files.size(); ++f) {
            SCOPED_TRACE(f);
            QString error;
            const TPicture picture = ReadPicture(files[f], QString(), &error);
            ASSERT_FALSE(picture.IsNull()) << error.toStdString();
            const QImage image = OnWhite(picture, QSize(100, 100));
            const QRgb centre = image.pixel(50, 52);
            if (mode == 1)
                EXPECT_TRUE(Near(centre, qRgb(255, 255, 255), 8)) << std::hex << centre;
            else
                EXPECT_TRUE(Near(centre, qRgb(255, 0, 0), 8)) << std::hex << centre;
            EXPECT_TRUE(Near(image.pixel(50, 15), qRgb(255, 0, 0), 8)) << "top arm";
            EXPECT_TRUE(Near(image.pixel(18, 40), qRgb(255, 0, 0), 8)) << "left arm";
            EXPECT_TRUE(Near(image.pixel(50, 3), qRgb(255, 255, 255), 8)) << "above the top tip";
        }
    }
}

// An enhanced metafile in tenths of millimetres (y upwards): what it draws at negative y lands inside its
// frame, the right way up: a red bar high in the picture above a blue square low in it.
TEST(MetafilePlayer, LowMetricMappingDrawsNegativeYUprightInsideTheFrame)
{
    // 100 x 100 pixels at 96 per inch is 26.5 mm a side; 0.1 mm is 0.378 pixels.
    EmfBuilder emf;
    emf.Record(17, {2}); // MM_LOMETRIC
    emf.Record(37, {kStockNullPen});
    emf.Record(39, {1, 0, 0x0000FF, 0});
    emf.Record(37, {1});
    emf.Record(43, {20, -20, 240, -70});   // red: pixels 8-91 wide, 8-26 down
    emf.Record(39, {2, 0, 0xFF0000, 0});
    emf.Record(37, {2});
    emf.Record(43, {150, -150, 250, -250}); // blue: pixels 57-94 across and down
    const QByteArray bytes = emf.Finish(100, 100);
    QString error;
    const TPicture picture = ReadPicture(bytes, QString(), &error);
    ASSERT_FALSE(picture.IsNull()) << error.toStdString();
    EXPECT_EQ(picture.Size(), QSize(100, 100));
    const QImage image = OnWhite(picture, QSize(100, 100));
    struct Spot { int x, y; QRgb color; const char* what; };
    const Spot spots[] = {
        {15, 12, qRgb(255, 0, 0), "red bar, left"},    {85, 22, qRgb(255, 0, 0), "red bar, right"},
        {50, 4, qRgb(255, 255, 255), "above the bar"}, {50, 32, qRgb(255, 255, 255), "below the bar"},
        {75, 75, qRgb(0, 0, 255), "blue square"},      {25, 75, qRgb(255, 255, 255), "left of the square"},
        {75, 52, qRgb(255, 255, 255), "above the square"}, {75, 97, qRgb(255, 255, 255), "below the square"},
    };
    for (const Spot& s : spots)
        EXPECT_TRUE(Near(image.pixel(s.x, s.y), s.color, 30))
            << s.what << " at " << s.x << "," << s.y << " is " << std::hex << image.pixel(s.x, s.y);
}

// Edges are smoothed as the caller asks: with smoothing off every pixel is the background or the shape's colour,
// with it on the edge of a circle blends the two.
TEST(MetafilePlayer, EdgesAreSmoothedOnlyWhenTheCallerAsks)
{
    EmfBuilder emf;
    emf.Record(37, {kStockNullPen});
    emf.Record(39, {1, 0, 0x0000FF, 0});
    emf.Record(37, {1});
    emf.Record(42, {10, 10, 91, 83});
    const TPicture picture = ReadPicture(emf.Finish(100, 100));
    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, smooth);
        picture.Draw(p, QRectF(0, 0, 100, 100));
        p.end();
        int red = 0, blended = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const QRgb c = image.pixel(x, y);
                red += c == qRgb(255, 0, 0);
                blended += c != qRgb(255, 0, 0) && c != qRgb(255, 255, 255);
            }
        EXPECT_NEAR(red, M_PI * 40.5 * 36.5, 300); // the ellipse covers its area
        if (smooth)
            EXPECT_GT(blended, 100);
        else
            EXPECT_EQ(blended, 0);
    }
}

// Metafiles drawn on screen fill their shapes straight into the image; the result must be the painter's own
// drawing of the same shapes (which is what paper and clipped drawing still use), pixel for pixel within
// anti-aliasing noise: shapes, outlines of every width, both fill modes, and shapes running off every side.
#include "pictures/metafileraster.h"
#include "pictures/pictures.h"

#include "emfrecords.h"
#include "testutil.h"
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace qm;
using qmtest::Put;
using qmtest::Record;

namespace {

QString DataFile(const QString& name)
{
    return qmtest::SourceFile("tests/data/pictures/" + name);
}

// A 200 x 150 pixel picture (one logical unit to a pixel) crowded with overlapping shapes in every outline
// width from a hairline to 14 pixels, stars in both fill modes, and shapes hanging over each side.
QByteArray CrowdedMetafile()
{
    QByteArray r;
    int count = 0;
    for (int i = 0; i < 60; ++i) {
        const qint32 x = (i * 37) % 240 - 30, y = (i * 53) % 190 - 30;
        Record(r, &count, 39, {1, 0, qint32((quint32(i) * 0x1F3D5Bu) & 0xFFFFFFu), 0});
        Record(r, &count, 37, {1});
        Record(r, &count, 38, {2, 0, i % 15, 0, qint32((quint32(i) * 0x0A0B0Cu) & 0xFFFFFFu)});
        Record(r, &count, 37, {2});
        Record(r, &count, 19, {1 + (i / 6) % 2}); // alternate, then winding
        switch (i % 6) {
        case 0: Record(r, &count, 43, {x, y, x + 47, y + 31}); break;
        case 1: Record(r, &count, 42, {x, y, x + 61, y + 37}); break;
        case 2: Record(r, &count, 44, {x, y, x + 53, y + 41, 17, 13}); break;
        case 3: {
            // A five-pointed star: its middle is inside in winding mode only.
            QByteArray p;
            Put(p, {0, 0, 0, 0, 5});
            for (int k = 0; k < 5; ++k)
                Put(p, {x + 30 + int(28 * std::sin(k * 4 * M_PI / 5)), y + 30 - int(28 * std::cos(k * 4 * M_PI / 5))});
            Put(r, {3, qint32(8 + p.size())});
            r.append(p);
            ++count;
            break;
        }
        case 4: Record(r, &count, 47, {x, y, x + 50, y + 50, x + 50, y + 10, x, y + 25}); break;
        case 5:
            Record(r, &count, 59, {});
            Record(r, &count, 27, {x, y});
            Record(r, &count, 54, {x + 43, y + 5});
            Record(r, &count, 54, {x + 20, y + 39});
            Record(r, &count, 61, {});
            Record(r, &count, 60, {});
            Record(r, &count, 63, {0, 0, 0, 0});
            break;
        }
        Record(r, &count, 40, {1});
        Record(r, &count, 40, {2});
    }
    // An ellipse larger than the whole picture, outlined only: its outline runs over every side.
    Record(r, &count, 37, {qint32(0x80000005)}); // null brush
    Record(r, &count, 38, {3, 0, 9, 0, 0x203040});
    Record(r, &count, 37, {3});
    Record(r, &count, 42, {-40, -30, 240, 180});
    Record(r, &count, 14, {0, 16, 20});
    QByteArray header;
    Put(header, {1, 88, 0, 0, 199, 149, 0, 0, 200 * 2540 / 96, 150 * 2540 / 96, 0x464D4520, 0x10000,
                 qint32(88 + r.size()), count + 1, 4, 0, 0, 0, 960, 960, 254, 254});
    return header + r;
}

struct Difference
{
    int worst = 0;   // the largest difference of a colour channel
    int over16 = 0;  // pixels differing by more than 16 in a channel
};

Difference Compare(const QImage& a, const QImage& b)
{
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            d.worst = std::max(d.worst, most);
            d.over16 += most > 16;
        }
    return d;
}

// The picture drawn on white into an image of the given size; through the painter only when it is clipped.
QImage Drawn(const TPicture& picture, QSize size, QImage::Format format, bool clipped, bool smooth = true)
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    if (clipped)
        p.setClipRect(image.rect());
    picture.Draw(p, QRectF(0, 0, size.width(), size.height()));
    p.end();
    return image;
}

} // namespace

TEST(MetafileOnScreen, DrawsAsThePainterDoes)
{
    struct Case { const char* what; QByteArray bytes; QSize size; };
    QFile emf(DataFile("scene.emf")), wmf(DataFile("scene.wmf"));
    ASSERT_TRUE(emf.open(QIODevice::ReadOnly));
    ASSERT_TRUE(wmf.open(QIODevice::ReadOnly));
    const Case cases[] = {
        {"crowded, as made", CrowdedMetafile(), QSize(200, 150)},
        {"crowded, enlarged by 1.37", CrowdedMetafile(), QSize(274, 205)},
        {"crowded, squeezed", CrowdedMetafile(), QSize(97, 120)},
        {"Inkscape's enhanced metafile", emf.readAll(), QSize(300, 180)},
        {"Inkscape's Windows metafile", wmf.readAll(), QSize(300, 180)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const TPicture picture = ReadPicture(c.bytes, QString(), &error);
        ASSERT_FALSE(picture.IsNull()) << error.toStdString();
        const QImage painter = Drawn(picture, c.size, QImage::Format_ARGB32_Premultiplied, true);
        for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32}) {
            const QImage direct = Drawn(picture, c.size, format, false);
            const Difference d = Compare(direct, painter);
            const int pixels = c.size.width() * c.size.height();
            // Pixels on curved edges differ where the two cut curves into straight pieces differently (some
            // 1 % of the crowded picture, by up to half the contrast); a misplaced or missing shape, a wrong fill
            // mode, a lost outline or a shape cut short at a side differs over far more pixels, fully.
            EXPECT_LE(d.over16, pixels / 50) << "format " << format << ", worst " << d.worst;
            EXPECT_LE(d.worst, 160) << "format " << format << ", " << d.over16 << " pixels over 16";
        }
    }
}

// A painter asked for sharp edges gets them: every pixel of the crowded picture is white or one of the colours
// of its pens and brushes, never a blend of two, whether drawn straight into the image or through the painter.
TEST(MetafileOnScreen, SharpWhenTheCallerTurnsSmoothingOff)
{
    QSet<QRgb> colors = {qRgb(255, 255, 255), qRgb(0x40, 0x30, 0x20)};
    for (int i = 0; i < 60; ++i) {
        for (const quint32 ref : {(quint32(i) * 0x1F3D5Bu) & 0xFFFFFFu, (quint32(i) * 0x0A0B0Cu) & 0xFFFFFFu})
            colors.insert(qRgb(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF)));
    }
    const TPicture picture = ReadPicture(CrowdedMetafile());
    ASSERT_FALSE(picture.IsNull());
    for (const bool clipped : {false, true}) {
        SCOPED_TRACE(clipped ? "through the painter" : "straight into the image");
        const QImage sharp = Drawn(picture, QSize(274, 205), QImage::Format_ARGB32_Premultiplied, clipped, false);
        int blended = 0;
        for (int y = 0; y < sharp.height(); ++y)
            for (int x = 0; x < sharp.width(); ++x)
                blended += !colors.contains(sharp.pixel(x, y) | 0xFF000000u);
        EXPECT_EQ(blended, 0);
        // The same drawing smoothed has blended edges all over (the test sees them).
        const QImage smooth = Drawn(picture, QSize(274, 205), QImage::Format_ARGB32_Premultiplied, clipped);
        int smoothBlended = 0;
        for (int y = 0; y < smooth.height(); ++y)
            for (int x = 0; x < smooth.width(); ++x)
                smoothBlended += !colors.contains(smooth.pixel(x, y) | 0xFF000000u);
        EXPECT_GT(smoothBlended, 1000);
    }
}

namespace {

double SegmentDistance(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double len2 = d.x() * d.x() + d.y() * d.y();
    const double t = len2 > 0 ? std::clamp(((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / len2, 0.0, 1.0) : 0;
    const QPointF q = a + t * d - p;
    return std::hypot(q.x(), q.y());
}

} // namespace

// Wide outlines are the ground the pen passes over, pixel for pixel: every point within half the pen of the
// line, measured here by 32 x 32 samples in each pixel near an edge and compared with the painter's outline, in the line's own units mapped onto the
// pixels (so that a squeezed and turned mapping makes the pen an ellipse). Sharp corners of a star crossing
// itself, a zigzag with round caps, a circle's curves and a pen of under two pixels.
TEST(MetafileOnScreen, WideOutlinesCoverExactlyWhatThePenPassesOver)
{
    struct Case
    {
        const char* what;
        std::vector<QPointF> points; // a closed figure when the last point is the first; empty for the circle
        double width;
        QTransform toPixels;
    };
    std::vector<QPointF> star;
    for (int k = 0; k <= 5; ++k)
        star.emplace_back(100 + 60 * std::sin(k * 4 * M_PI / 5), 78 - 60 * std::cos(k * 4 * M_PI / 5));
    const std::vector<QPointF> zigzag = {{20.3, 120.6}, {50.1, 20.2}, {80.7, 120.1}, {110.2, 30.9}, {178.4, 70.3}};
    const std::vector<QPointF> triangle = {{30.5, 30.25}, {170.2, 60.7}, {60.1, 130.4}, {30.5, 30.25}};
    const Case cases[] = {
        {"a star crossing itself", star, 6.5, QTransform()},
        {"a zigzag with round caps", zigzag, 7, QTransform()},
        {"a circle", {}, 9, QTransform()},
        {"a thin triangle", triangle, 1.6, QTransform()},
        {"a zigzag squeezed and turned", zigzag, 5, QTransform().translate(40, -20).rotate(12).scale(0.9, 0.6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QPainterPath path;
        if (c.points.empty()) {
            path.addEllipse(QPointF(100, 75), 55, 55);
        } else {
            path.moveTo(c.points.front());
            for (size_t i = 1; i < c.points.size(); ++i)
                path.lineTo(c.points[i]);
        }
        // How far a point lies outside the ground the pen passes over (negative inside).
        const auto outside = [&](QPointF p) {
            if (c.points.empty())
                return std::abs(std::hypot(p.x() - 100, p.y() - 75) - 55) - c.width / 2;
            double d = 1e9;
            for (size_t i = 0; i + 1 < c.points.size(); ++i)
                d = std::min(d, SegmentDistance(p, c.points[i], c.points[i + 1]));
            return d - c.width / 2;
        };
        QImage image(200, 150, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        metafile::CoverageFill fill(image, c.toPixels);
        ASSERT_TRUE(fill.Stroke(path, c.width, Qt::RoundJoin, Qt::RoundCap, Qt::black));
        QImage painted(image.size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::white);
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(c.toPixels);
        painter.strokePath(path, QPen(Qt::black, c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.end();
        const QTransform back = c.toPixels.inverted();
        // Half a pixel's diagonal in the line's units, at most.
        const double reach = 0.71 * std::max(std::hypot(back.m11(), back.m12()), std::hypot(back.m21(), back.m22()));
        double worst = 0, ink = 0, exactInk = 0, worstPainted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double middle = outside(back.map(QPointF(x + 0.5, y + 0.5)));
                double exact = middle < -reach ? 1 : 0;
                if (std::abs(middle) <= reach) {
                    int hits = 0;
                    for (int j = 0; j < 32; ++j)
                        for (int i = 0; i < 32; ++i)
                            hits += outside(back.map(QPointF(x + (i + 0.5) / 32, y + (j + 0.5) / 32))) <= 0;
                    exact = hits / 1024.0;
                }
                const double drawn = (255 - qRed(image.pixel(x, y))) / 255.0;
                worst = std::max(worst, std::abs(drawn - exact));
                worstPainted = std::max(worstPainted, std::abs((255 - qRed(painted.pixel(x, y))) / 255.0 - exact));
                ink += drawn;
                exactInk += exact;
            }
        // At least as close as the painter's own outline (which is up to a fifth of a pixel off on curves and
        // round ends), and the ink in all within a fifth of a percent: a corner or a cap missing, or a pen a
        // tenth of a pixel too wide or narrow, is off by far more.
        EXPECT_LE(worst, worstPainted + 0.01);
        EXPECT_NEAR(ink, exactInk, exactInk * 0.002);
    }
}

// Colours that let what lies under them show through blend as the painter blends them, over opaque and over
// half-transparent ground alike: shapes of every size from a sliver to more than the width of 64 pixels, in
// both fill modes, drawn over stripes of colour.
TEST(MetafileOnScreen, TranslucentColoursBlendAsThePainterDoes)
{
    QPainterPath shapes;
    for (int k = 0; k < 5; ++k)
        shapes.lineTo(QPointF(100 + 90 * std::sin(k * 4 * M_PI / 5), 80 - 70 * std::cos(k * 4 * M_PI / 5)));
    shapes.closeSubpath();
    shapes.addEllipse(QPointF(150.3, 60.7), 40.2, 25.9);
    shapes.addRect(QRectF(3.3, 120.25, 190.5, 0.4));
    shapes.addRect(QRectF(10.5, 130.5, 171.25, 17.75));
    for (const QColor ground : {QColor(255, 255, 255), QColor(0, 90, 200, 110)}) {
        for (const Qt::FillRule rule : {Qt::OddEvenFill, Qt::WindingFill}) {
            shapes.setFillRule(rule);
            QImage direct(200, 160, QImage::Format_ARGB32_Premultiplied);
            direct.fill(Qt::transparent);
            QPainter stripes(&direct);
            for (int x = 0; x < 200; x += 20)
                stripes.fillRect(QRect(x, 0, 10, 160), ground);
            stripes.end();
            QImage painted = direct;
            metafile::CoverageFill fill(direct, QTransform());
            ASSERT_TRUE(fill.Fill(shapes, rule, QColor(200, 30, 60, 128)));
            QPainter painter(&painted);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(shapes, QColor(200, 30, 60, 128));
            painter.end();
            int worst = 0, over4 = 0;
            for (int y = 0; y < direct.height(); ++y)
                for (int x = 0; x < direct.width(); ++x) {
                    const QRgb p = direct.pixel(x, y), q = painted.pixel(x, y);
                    const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                               std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
                    worst = std::max(worst, most);
                    over4 += most > 4;
                }
            // Edge pixels differ by the two ways of smoothing (up to 8 levels, on some 50 pixels); a colour
            // blended wrongly differs everywhere inside the shapes (thousands of pixels, by up to half).
            EXPECT_LE(over4, 120) << "rule " << rule << ", ground alpha " << ground.alpha() << ", worst " << worst;
            EXPECT_LE(worst, 16) << "rule " << rule << ", ground alpha " << ground.alpha();
        }
    }
}

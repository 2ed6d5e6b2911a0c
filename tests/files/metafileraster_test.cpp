// Metafiles drawn on screen fill their shapes straight into the image; the result must be the painter's own
// drawing of the same shapes (which is what paper and clipped drawing still use), pixel for pixel within
// anti-aliasing noise: shapes, outlines of every width, both fill modes, and shapes running off every side.
#include "files/pictures.h"

#include "testutil.h"
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace qm;

namespace {

QString DataFile(const QString& name)
{
    return qmtest::SourceFile("tests/data/pictures/" + name);
}

void Put(QByteArray& b, std::initializer_list<qint32> values)
{
    for (qint32 v : values) {
        char c[4];
        qToLittleEndian<qint32>(v, c);
        b.append(c, 4);
    }
}

void Record(QByteArray& b, int* count, qint32 type, std::initializer_list<qint32> values)
{
    Put(b, {type, qint32(8 + 4 * values.size())});
    Put(b, values);
    ++*count;
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

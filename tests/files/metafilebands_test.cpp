// Large pictures drawn on screen are replayed in two bands of rows at once, one on another thread. The bands
// must give exactly the pixels of one replay over the whole image: shapes cut by the line between the bands,
// text, hatching, dashes and the picture's own clipping, under a caller's scaling and turning, into both kinds
// of 32-bit image; and a caller's clip still holds.
#include "files/metafile.h"

#include "emfrecords.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QThread>

using namespace qm;
using qmtest::Put;
using qmtest::Record;

namespace {

// About 100 KB of records over a 1000 x 600 frame: filled and outlined shapes of every kind, text on an opaque
// ground, hatched brushes, dashed pens and shapes inside a clip of the picture's own.
QByteArray BusyMetafile()
{
    QByteArray r;
    int count = 0;
    Record(r, &count, 17, {8});
    Record(r, &count, 9, {10000, 6000});
    Record(r, &count, 11, {1000, 600});
    for (int i = 0; r.size() < 100 * 1024; ++i) {
        const qint32 x = (i * 37) % 9000, y = (i * 53) % 5400;
        const quint32 colour = (quint32(i) * 0x1F3D5Bu) & 0xFFFFFFu;
        Record(r, &count, 39, {1, i % 11 == 0 ? 2 : 0, qint32(colour), i % 6});
        Record(r, &count, 37, {1});
        Record(r, &count, 38, {2, i % 13 == 0 ? 1 : 0, i % 13 == 0 ? 0 : 10 + i % 30, 0,
                               qint32((quint32(i) * 0x0A0B0Cu) & 0xFFFFFFu)});
        Record(r, &count, 37, {2});
        const bool clipped = i % 7 == 6;
        if (clipped) {
            Record(r, &count, 33, {});
            Record(r, &count, 30, {x + 100, y + 50, x + 350, y + 260});
        }
        switch (i % 5) {
        case 0: Record(r, &count, 43, {x, y, x + 400, y + 300}); break;
        case 1: Record(r, &count, 42, {x, y, x + 500, y + 350}); break;
        case 2: {
            QByteArray p;
            Put(p, {0, 0, 0, 0, 6});
            for (int k = 0; k < 6; ++k)
                Put(p, {x + (k * 97) % 600, y + (k * 61) % 400});
            Put(r, {3, qint32(8 + p.size())});
            r.append(p);
            ++count;
            break;
        }
        case 3:
            Record(r, &count, 59, {});
            Record(r, &count, 27, {x, y});
            Record(r, &count, 54, {x + 300, y});
            Record(r, &count, 54, {x + 150, y + 300});
            Record(r, &count, 61, {});
            Record(r, &count, 60, {});
            Record(r, &count, 63, {0, 0, 0, 0});
            break;
        case 4: {
            Record(r, &count, 24, {qint32(colour ^ 0xFFFFFF)});
            QByteArray t;
            Put(t, {0, 0, 0, 0, 1, 0, 0, x, y, 4, 76, 0, 0, 0, 0, 0, 0});
            for (char c : {'Q', 'u', 'i', 'l'})
                t.append(c).append('\0');
            Put(r, {84, qint32(8 + t.size())});
            r.append(t);
            ++count;
            break;
        }
        }
        if (clipped)
            Record(r, &count, 34, {-1});
        Record(r, &count, 40, {1});
        Record(r, &count, 40, {2});
    }
    Record(r, &count, 14, {0, 16, 20});
    QByteArray header;
    Put(header, {1, 88, 0, 0, 999, 599, 0, 0, 26458, 15875, 0x464D4520, 0x10000, qint32(88 + r.size()),
                 count + 1, 3, 0, 0, 0, 960, 960, 254, 254});
    return header + r;
}

struct Caller
{
    const char* what;
    QImage::Format format;
    QTransform world;
    bool clip;
};

// The picture drawn over the image's 1200 x 800 pixels as the caller sets up its painter; in bands through the
// ordinary entry point, or in one replay through the player itself.
QImage Drawn(const QByteArray& bytes, const metafile::Info& info, const Caller& caller, bool inBands)
{
    QImage image(1200, 800, caller.format);
    image.fill(QColor(250, 245, 230));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setWorldTransform(caller.world);
    if (caller.clip)
        p.setClipRect(QRectF(130.5, 90, 700, 500.25));
    const QRectF target(0, 0, 1200, 800);
    if (inBands)
        metafile::Play(bytes, info, p, target);
    else
        metafile::PlayEmf(bytes, info, p, target);
    p.end();
    return image;
}

} // namespace

TEST(MetafileInBands, BandsDrawTheSamePixelsAsOneReplay)
{
    if (QThread::idealThreadCount() < 2)
        GTEST_SKIP() << "one processor: pictures are drawn in one band";
    const QByteArray bytes = BusyMetafile();
    ASSERT_GT(bytes.size(), 64 * 1024);
    metafile::Info info;
    QString error;
    ASSERT_TRUE(metafile::ReadInfo(bytes, &info, &error)) << error.toStdString();

    const Caller callers[] = {
        {"straight, premultiplied", QImage::Format_ARGB32_Premultiplied, QTransform(), false},
        {"scaled, turned and moved, opaque image", QImage::Format_RGB32,
         QTransform().translate(40.25, -30.5).rotate(8).scale(1.1, 0.95), false},
        {"scaled, with a clip", QImage::Format_ARGB32_Premultiplied, QTransform().scale(1.05, 1.1), true},
    };
    for (const Caller& caller : callers) {
        SCOPED_TRACE(caller.what);
        const QImage banded = Drawn(bytes, info, caller, true);
        const QImage whole = Drawn(bytes, info, caller, false);
        int differing = 0, firstX = -1, firstY = -1, inked[2] = {0, 0};
        for (int y = 0; y < whole.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(banded.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
            for (int x = 0; x < whole.width(); ++x) {
                inked[y * 2 / whole.height()] += b[x] != qRgb(250, 245, 230);
                if (a[x] != b[x] && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
        EXPECT_EQ(differing, 0) << "first at " << firstX << "," << firstY;
        // The picture covers much of both halves of the image.
        EXPECT_GT(inked[0], whole.width() * whole.height() / 16);
        EXPECT_GT(inked[1], whole.width() * whole.height() / 16);
    }
}

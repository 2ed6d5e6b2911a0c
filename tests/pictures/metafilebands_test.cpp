// Large pictures drawn on screen are replayed in two bands of rows at once, one on another thread. The bands
// must give exactly the pixels of one replay over the whole image: shapes cut by the line between the bands,
// text, hatching, dashes and the picture's own clipping, under a caller's scaling and turning, into both kinds
// of 32-bit image; and a caller's clip still holds.
#include "pictures/metafile.h"

#include "emfrecords.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QThread>

using namespace qm;

namespace {

// About 100 KB of records: filled and outlined shapes of every kind, text on an opaque ground, hatched brushes,
// dashed pens and shapes inside a clip of the picture's own.
QByteArray BusyMetafile()
{
    return qmtest::BusyMetafile(100 * 1024, true);
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

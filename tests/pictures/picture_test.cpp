// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files: every format read from files that real writers made, matched against the writer's own
// reading of them; what a picture becomes in a card, byte for byte; and bounded refusals of bad files.
#include "pictures/pictures.h"
#include "model/subobjects.h"

#include "testutil.h"
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include <cstdlib>

using namespace qm;

namespace {

QString DataFile(const QString& name)
{
    return qmtest::SourceFile("tests/data/pictures/" + name);
}

// Largest difference of any channel between the two pictures (on white), or -1 when the sizes differ.
int Difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    QImage wa(a.size(), QImage::Format_RGB32), wb(b.size(), QImage::Format_RGB32);
    wa.fill(Qt::white);
    wb.fill(Qt::white);
    QPainter(&wa).drawImage(0, 0, a);
    QPainter(&wb).drawImage(0, 0, b);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = wa.pixel(x, y), q = wb.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

void Put16(QByteArray& b, int at, quint16 v) { qToLittleEndian<quint16>(v, b.data() + at); }
void Put32(QByteArray& b, int at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }

} // namespace

TEST(PictureFiles, EveryFormatReadsAsItsWriterReadsIt)
{
    // File, and the most a channel may differ from ImageMagick's reading (JPEG decoders round differently).
    const struct { const char* file; int tolerance; } files[] = {
        {"raster-1.pcx", -1}, {"raster-4.pcx", 0},   {"raster-4p.pcx", 0},      {"raster-8.pcx", 0},
        {"raster-24.pcx", 0}, {"raster.tga", 0},     {"raster.ico", 0},         {"raster.gif", 0},
        {"raster.jpg", 12},   {"raster-1.bmp", 0},   {"raster-4.bmp", 0},       {"raster-24.bmp", 0},
        {"raster-32.bmp", 0}, {"raster-8rle.rle", 0}, {"raster.dib", 0},
    };
    const QImage source = QImage(DataFile("raster.png"));
    ASSERT_FALSE(source.isNull());
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const QString name = QString::fromLatin1(f.file);
        const QString ref = "ref-" + name.section('.', 0, 0) + "-" + name.section('.', 1) + ".png";
        const QImage expected = QImage(DataFile(ref));
        ASSERT_FALSE(expected.isNull()) << ref.toStdString();
        QString error;
        const TPicture picture = ReadPictureFile(DataFile(name), &error);
        ASSERT_FALSE(picture.IsNull()) << error.toStdString();
        EXPECT_EQ(picture.GetKind(), TPicture::Kind::Bitmap);
        EXPECT_FALSE(picture.IsVector());
        EXPECT_EQ(picture.Size(), expected.size());
        if (f.tolerance >= 0) {
            EXPECT_LE(Difference(picture.Image(), expected), f.tolerance);
        }
    }
    // ImageMagick reads the 1-bit PCX inverted; its palette (black, then white) and the picture it was made
    // from (red and blue dark, green light) say otherwise.
    const QImage mono = ReadPictureFile(DataFile("raster-1.pcx")).Image();
    EXPECT_EQ(mono.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mono.pixel(10, 5), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(2, 12), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(30, 20), qRgb(0, 0, 0));
    // The colour pictures are the source's four quarters: spot checks against what was drawn.
    const QImage pcx = ReadPictureFile(DataFile("raster-4p.pcx")).Image();
    EXPECT_EQ(pcx.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(pcx.pixel(30, 10), qRgb(0, 0, 255));
    EXPECT_EQ(pcx.pixel(5, 20), qRgb(0, 255, 0));
    EXPECT_EQ(pcx.pixel(30, 20), qRgb(0, 0, 0));
    EXPECT_EQ(pcx.pixel(10, 5), qRgb(255, 255, 255));

    // SVG is vector art, and it keeps its size.
    const TPicture svg = ReadPictureFile(DataFile("scene.svg"));
    ASSERT_FALSE(svg.IsNull());
    EXPECT_EQ(svg.GetKind(), TPicture::Kind::Svg);
    EXPECT_EQ(svg.Size(), QSize(200, 120));
    EXPECT_EQ(svg.ToImage(QSize(200, 120)).pixel(40, 30), qRgb(255, 0, 0));
}

TEST(PictureFiles, CardsKeepTheOriginalBytes)
{
    // Bitmaps, icons and metafiles are stored as read and come back unchanged through the card's picture data;
    // other formats become a bitmap of the same pixels; a plain Windows metafile gets its placeable header.
    const struct { const char* file; const char* cls; bool same; } files[] = {
        {"raster-24.bmp", "TBitmap", true}, {"raster-8rle.rle", "TBitmap", true}, {"raster.ico", "TIcon", true},
        {"scene.emf", "TMetafile", true},   {"scene.wmf", "TMetafile", true},     {"scene.svg", "TSVGGraphic", true},
        {"raster-8.pcx", "TBitmap", false}, {"raster.png", "TBitmap", false},     {"raster.tga", "TBitmap", false},
        {"raster.jpg", "TBitmap", false},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const QByteArray bytes = qmtest::FileBytes(DataFile(f.file));
        StoredGraphic stored;
        QString error;
        ASSERT_TRUE(GraphicFromFile(bytes, f.file, &stored, &error)) << error.toStdString();
        EXPECT_EQ(stored.graphicClass, QByteArray(f.cls));
        if (f.same) {
            EXPECT_EQ(stored.fileBytes, bytes);
        }
        StoredPicture card;
        card.SetGraphic(stored.graphicClass, stored.fileBytes);
        StoredPicture reread;
        ASSERT_TRUE(reread.SetData(card.Data()));
        EXPECT_EQ(reread.Data(), card.Data());
        EXPECT_EQ(reread.GraphicBytes(), stored.fileBytes);
        const TPicture fromCard = PictureFromGraphic(reread, &error);
        ASSERT_FALSE(fromCard.IsNull()) << error.toStdString();
        const TPicture fromFile = ReadPicture(bytes, f.file);
        EXPECT_EQ(fromCard.Size(), fromFile.Size());
        const QSize s = fromFile.Size();
        EXPECT_LE(Difference(fromCard.ToImage(s), fromFile.ToImage(s)), 1);
    }

    // A plain Windows metafile (the placeable header taken off) becomes placeable and draws the same.
    const QByteArray placeable = qmtest::FileBytes(DataFile("scene.wmf"));
    const QByteArray plain = placeable.mid(22);
    StoredGraphic stored;
    ASSERT_TRUE(GraphicFromFile(plain, "plain.wmf", &stored));
    EXPECT_EQ(stored.graphicClass, QByteArray("TMetafile"));
    EXPECT_EQ(quint32(qFromLittleEndian<quint32>(stored.fileBytes.constData())), 0x9AC6CDD7u);
    EXPECT_EQ(stored.fileBytes.mid(22), plain);
    const QImage a = ReadPicture(placeable).ToImage(QSize(200, 120));
    const QImage b = ReadPicture(stored.fileBytes).ToImage(QSize(200, 120));
    EXPECT_LE(Difference(a, b), 8);

    // A transparent picture keeps its transparency in the bitmap it becomes.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setPixel(1, 1, qRgba(255, 0, 0, 255));
    const TPicture back = ReadPicture(BitmapFileBytes(clear));
    ASSERT_FALSE(back.IsNull());
    EXPECT_EQ(qAlpha(back.Image().pixel(0, 0)), 0);
    EXPECT_EQ(back.Image().pixel(1, 1), qRgba(255, 0, 0, 255));
}

TEST(PictureFiles, DamagedAndHugeFilesAreRefused)
{
    auto refused = [](const QByteArray& bytes, const char* name) {
        QString error;
        const TPicture p = ReadPicture(bytes, QString::fromLatin1(name), &error);
        EXPECT_TRUE(p.IsNull()) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    };
    // Headers claiming 100,000 x 100,000 pixels (or the most a format can say).
    QByteArray bmp = qmtest::FileBytes(DataFile("raster-24.bmp"));
    ASSERT_GT(bmp.size(), 54);
    Put32(bmp, 18, 100000);
    Put32(bmp, 22, 100000);
    refused(bmp, "huge.bmp");
    // The largest width, depth and height a bitmap header can claim (its size check once overflowed).
    Put32(bmp, 18, 0x7FFFFFFF);
    Put32(bmp, 22, -0x7FFFFFFF);
    Put16(bmp, 28, 0xFFFF);
    refused(bmp, "widest.bmp");
    QByteArray pcx = qmtest::FileBytes(DataFile("raster-8.pcx"));
    ASSERT_GT(pcx.size(), 128);
    Put16(pcx, 8, 65535);
    Put16(pcx, 10, 65535);
    Put16(pcx, 66, 65536 - 1);
    refused(pcx, "huge.pcx");
    QByteArray png = qmtest::FileBytes(DataFile("scene-ref.png"));
    ASSERT_GT(png.size(), 24);
    qToBigEndian<quint32>(100000, png.data() + 16);
    qToBigEndian<quint32>(100000, png.data() + 20);
    refused(png, "huge.png");
    // A decompression bomb: a few run-length bytes for 16,000 x 4,000 pixels, and cut short.
    QByteArray bomb = qmtest::FileBytes(DataFile("raster-24.pcx")).left(128);
    ASSERT_EQ(bomb.size(), 128);
    Put16(bomb, 8, 15999);
    Put16(bomb, 10, 3999);
    Put16(bomb, 66, 16000);
    bomb.append(QByteArray(4000, char(0xFF)));
    refused(bomb, "bomb.pcx");
    // Truncated files of every kind, and files that are no picture at all.
    for (const char* name : {"raster-24.pcx", "raster-8.pcx", "raster.gif", "raster.jpg", "raster-24.bmp",
                             "raster.ico", "scene.svg"})
        refused(qmtest::FileBytes(DataFile(name)).left(60), name);
    refused(QByteArray(), "empty.bmp");
    refused(QByteArray("just some text, no picture"), "text.jpg");
    refused(qmtest::FileBytes(DataFile("scene.emf")).left(50), "short.emf");

    // Metafiles with damaged records still draw what comes before the damage, without hanging.
    QByteArray emf = qmtest::FileBytes(DataFile("scene.emf"));
    QByteArray wmf = qmtest::FileBytes(DataFile("scene.wmf"));
    ASSERT_GT(emf.size(), 200);
    ASSERT_GT(wmf.size(), 100);
    QByteArray pastEnd = emf;
    Put32(pastEnd, int(qFromLittleEndian<quint32>(emf.constData() + 4)) + 4, 0x7FFFFFF0);
    const TPicture broken = ReadPicture(pastEnd);
    ASSERT_FALSE(broken.IsNull());
    broken.ToImage(QSize(200, 120));
    Put32(wmf, 22 + 18, 0x7FFFFFF0);
    ReadPicture(wmf).ToImage(QSize(200, 120));
    // A million drawing records: the picture stops drawing after its share and the reading stays bounded.
    QByteArray many = emf.left(int(qFromLittleEndian<quint32>(emf.constData() + 4)));
    QByteArray line(20, '\0');
    Put32(line, 0, 54); // line to
    Put32(line, 4, 16);
    Put32(line, 8, 100);
    Put32(line, 12, 100);
    many.append(line.left(16).repeated(1000000));
    const TPicture lots = ReadPicture(many);
    ASSERT_FALSE(lots.IsNull());
    lots.ToImage(QSize(50, 50));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Clip-art pictures: stretch, autosize, reverse and flip in pixels on screen and paper, the empty picture,
// the browser's file masks, options and preview, and the starter library drawn and printed as vector art.
#include "objects/shapes/picture.h"
#include "objects/shapes/picturecache.h"

#include "app/printcommand.h"
#include "pictures/pictures.h"
#include "stream/streamwriter.h"
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "model/objectmenu.h"
#include "objects/imagebrowser.h"

#include "print/pdfutil.h"
#include "testutil.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255), kYellow = qRgb(255, 255, 0);

// A 20 x 10 bitmap file in four coloured quarters: red, green over blue, yellow.
QByteArray QuarteredBitmap()
{
    QImage image(20, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, y < 5 ? (x < 10 ? kRed : kGreen) : (x < 10 ? kBlue : kYellow));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage Drawn(const TKImage& image, RenderContext::Target target)
{
    QImage out(image.Width(), image.Height(), QImage::Format_RGB32);
    out.fill(Qt::gray);
    QPainter painter(&out);
    RenderContext context;
    context.target = target;
    image.Draw(painter, context);
    return out;
}

// The colours in the middle of the four quarters of a drawing, top-left first.
std::vector<QRgb> Quarters(const QImage& drawn)
{
    const int w = drawn.width(), h = drawn.height();
    return {drawn.pixel(w / 4, h / 4), drawn.pixel(3 * w / 4, h / 4), drawn.pixel(w / 4, 3 * h / 4),
            drawn.pixel(3 * w / 4, 3 * h / 4)};
}

QString StarterFolder(const char* sub)
{
    return qmtest::SourceFile(QStringLiteral("data/starter/") + QLatin1String(sub));
}

} // namespace

TEST(PictureDrawing, StretchReverseFlipAndAutoSizeInPixelsOnScreenAndPaper)
{
    qmtest::TestHost host;
    TKImage image;
    host.Adopt(image);
    image.Loaded();
    image.SetBounds(0, 0, 100, 60);
    image.Picture().SetGraphic("TBitmap", QuarteredBitmap());

    using Q = std::vector<QRgb>;
    for (auto target : {RenderContext::Screen, RenderContext::Paper}) {
        image.SetReverse(false);
        image.SetFlip(false);
        // Stretched over the whole box, whatever the picture's own size.
        EXPECT_EQ(Quarters(Drawn(image, target)), (Q{kRed, kGreen, kBlue, kYellow})) << target;
        // A second repaint comes from the picture kept at the box's size, and a toggle redraws it.
        EXPECT_EQ(Quarters(Drawn(image, target)), (Q{kRed, kGreen, kBlue, kYellow})) << target;
        image.SetReverse(true);
        EXPECT_EQ(Quarters(Drawn(image, target)), (Q{kGreen, kRed, kYellow, kBlue})) << target;
        image.SetFlip(true);
        EXPECT_EQ(Quarters(Drawn(image, target)), (Q{kYellow, kBlue, kGreen, kRed})) << target;
        image.SetReverse(false);
        EXPECT_EQ(Quarters(Drawn(image, target)), (Q{kBlue, kYellow, kRed, kGreen})) << target;
    }
    // A resize redraws the kept picture at the new size: the whole box is covered, the last column too.
    image.SetFlip(false);
    image.SetBounds(0, 0, 41, 23);
    QImage small = Drawn(image, RenderContext::Screen);
    EXPECT_EQ(small.pixel(40, 0), kGreen);
    EXPECT_EQ(small.pixel(40, 22), kYellow);

    // AutoSize: the box takes the picture's size and every pixel is the picture's own.
    image.SetAutoSize(true);
    EXPECT_EQ(image.BoundsRect().size(), QSize(20, 10));
    const QImage exact = Drawn(image, RenderContext::Screen);
    EXPECT_EQ(exact.pixel(9, 4), kRed);
    EXPECT_EQ(exact.pixel(10, 4), kGreen);
    EXPECT_EQ(exact.pixel(9, 5), kBlue);
    EXPECT_EQ(exact.pixel(19, 9), kYellow);

    // The border: a black frame on the outermost pixels.
    image.SetBorderStyle(bsSingle);
    const QImage framed = Drawn(image, RenderContext::Screen);
    EXPECT_EQ(framed.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(framed.pixel(19, 9), qRgb(0, 0, 0));
    EXPECT_EQ(framed.pixel(1, 1), kRed);

    // The menu's check marks follow; Flip and Reverse are for bitmaps only.
    TKMenu* menu = image.PopupMenu();
    ASSERT_NE(menu, nullptr);
    menu->AboutToShow();
    EXPECT_TRUE(menu->Find(QStringLiteral("AutoSize"))->isChecked());
    EXPECT_FALSE(menu->Find(QStringLiteral("Stretch to Fit"))->isChecked());
    EXPECT_TRUE(menu->Find(QStringLiteral("Border"))->isChecked());
    EXPECT_TRUE(menu->Find(QStringLiteral("Flip"))->isEnabled());
    const QByteArray wmf = [] {
        QFile file(StarterFolder("clipart") + QStringLiteral("/globe.wmf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(wmf.isEmpty());
    image.Picture().SetGraphic("TMetafile", wmf);
    menu->AboutToShow();
    EXPECT_FALSE(menu->Find(QStringLiteral("Flip"))->isEnabled());
    EXPECT_FALSE(menu->Find(QStringLiteral("Reverse"))->isEnabled());
    ASSERT_TRUE(menu->Trigger(QStringLiteral("Stretch to Fit")));
    EXPECT_TRUE(image.Stretch());
    EXPECT_FALSE(image.AutoSize());
}

TEST(PictureDrawing, NoPictureIsAFramedWhiteBoxOnScreenAndNothingOnPaper)
{
    TKImage image;
    image.SetBounds(0, 0, 30, 20);
    for (const QByteArray& damaged : {QByteArray(), QByteArray("BM\x10\0\0\0 not a bitmap", 20)}) {
        if (!damaged.isEmpty())
            image.Picture().SetGraphic("TBitmap", damaged);
        const QImage screen = Drawn(image, RenderContext::Screen);
        EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(screen.pixel(29, 19), qRgb(0, 0, 0));
        EXPECT_EQ(screen.pixel(15, 10), qRgb(255, 255, 255));
        const QImage paper = Drawn(image, RenderContext::Paper);
        EXPECT_EQ(paper.pixel(0, 0), QColor(Qt::gray).rgb());
        EXPECT_EQ(paper.pixel(15, 10), QColor(Qt::gray).rgb());
    }
}

// A large picture is decoded at the size it is drawn, never whole: 4 bytes a pixel of the box on screen and in
// pictures, of 600 dots per inch at the box's size on paper, and never more than the picture's own pixels.
TEST(PictureDrawing, ALargePictureIsDecodedAtTheSizeDrawnAndTheCacheStaysBounded)
{
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(kGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(big.save(&buffer, "PNG"));
    DecodedPictures& cache = DecodedPictures::Shared();
    TKImage image;
    image.SetBounds(0, 0, 120, 50);
    image.Picture().SetGraphic("TBitmap", png);

    cache.Clear();
    EXPECT_EQ(Drawn(image, RenderContext::Picture).pixel(60, 25), kGreen);
    EXPECT_EQ(cache.Bytes(), 120 * 50 * 4);
    cache.Clear();
    EXPECT_EQ(Drawn(image, RenderContext::Paper).pixel(60, 25), kGreen);
    EXPECT_EQ(cache.Bytes(), 750 * 313 * 4); // 120 x 50 units at 600 / 96
    // Drawn again at the same size: the decoded picture is found, not decoded once more.
    Drawn(image, RenderContext::Paper);
    EXPECT_EQ(cache.Bytes(), 750 * 313 * 4);
    // A box wider than the picture on paper: its own 3000 pixels across, never more.
    image.SetBounds(0, 0, 600, 50);
    cache.Clear();
    Drawn(image, RenderContext::Paper);
    EXPECT_EQ(cache.Bytes(), 3000 * 313 * 4);
    cache.Clear();

    // Bounded by bytes, the least recently drawn going first.
    StoredPicture graphic;
    graphic.SetGraphic("TBitmap", png);
    DecodedPictures small(6000);
    small.Find(graphic, QSize(10, 10)); // 400 bytes
    small.Find(graphic, QSize(20, 20)); // 1,600
    small.Find(graphic, QSize(30, 30)); // 3,600
    EXPECT_EQ(small.Bytes(), 5600);
    small.Find(graphic, QSize(10, 10)); // drawn again: the last to go
    small.Find(graphic, QSize(30, 31)); // 3,720: the 20 x 20 and then the 30 x 30 go
    EXPECT_EQ(small.Bytes(), 400 + 3720);
}

TEST(ImageBrowser, MasksOptionsAndPreview)
{
    // The last extension counts, in any case; JPEG is read as well as JPG.
    for (const char* name : {"logo.BMP", "a.b.pcx", "photo.jpeg", "Art.Wmf", "x.emf", "y.svg", "z.PNG"})
        EXPECT_TRUE(IsImageFileName(QLatin1String(name))) << name;
    for (const char* name : {"notes.txt", "pcx", "card.qmk", "picture.bmp.bak"})
        EXPECT_FALSE(IsImageFileName(QLatin1String(name))) << name;

    ImageChoice choice;
    EXPECT_TRUE(choice.Stretch());
    choice.SetAutoSize(true);
    EXPECT_FALSE(choice.Stretch());
    choice.SetStretch(true);
    EXPECT_FALSE(choice.AutoSize());
    choice.SetStretch(false);
    EXPECT_FALSE(choice.AutoSize()) << "both may be off";

    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("four.bmp"));
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QuarteredBitmap());
    file.close();

    // A bitmap keeps its own bytes; the preview shows it at its own size unless stretched over the box.
    ASSERT_TRUE(choice.Select(bmp));
    EXPECT_EQ(choice.GraphicClass(), QByteArray("TBitmap"));
    EXPECT_EQ(choice.FileBytes(), QuarteredBitmap());
    EXPECT_EQ(choice.Preview().size(), QSize(20, 10));
    choice.SetStretch(true);
    const QImage stretched = choice.Preview();
    EXPECT_EQ(stretched.size(), QSize(ImageChoice::kPreviewWidth, ImageChoice::kPreviewHeight));
    EXPECT_EQ(stretched.pixel(200, 190), kYellow);

    // A metafile stays a metafile.
    ASSERT_TRUE(choice.Select(StarterFolder("clipart") + QStringLiteral("/arrow-right.wmf")));
    EXPECT_EQ(choice.GraphicClass(), QByteArray("TMetafile"));
    EXPECT_EQ(choice.PictureSize(), QSize(120, 120));

    // A damaged file, a folder or a missing file selects nothing.
    QFile junk(dir.filePath(QStringLiteral("junk.wmf")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(30, '\xff'));
    junk.close();
    for (const QString& bad : {junk.fileName(), dir.path(), dir.filePath(QStringLiteral("gone.bmp"))}) {
        EXPECT_FALSE(choice.Select(bad)) << qPrintable(bad);
        EXPECT_FALSE(choice.HasPicture());
        EXPECT_TRUE(choice.Preview().isNull());
    }
}

TEST(StarterLibrary, EveryPictureDrawsAndClipArtPrintsAsVectorPaths)
{
    // Every picture of the library reads and draws something besides white.
    int clipArt = 0, backgrounds = 0;
    for (const char* sub : {"clipart", "bg"}) {
        const QFileInfoList files = QDir(StarterFolder(sub)).entryInfoList(QDir::Files);
        for (const QFileInfo& info : files) {
            QString why;
            const TPicture picture = ReadPictureFile(info.filePath(), &why);
            ASSERT_FALSE(picture.IsNull()) << qPrintable(info.fileName()) << ": " << qPrintable(why);
            QImage drawn(64, 64, QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter painter(&drawn);
            picture.Draw(painter, QRectF(0, 0, 64, 64));
            painter.end();
            int coloured = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    coloured += drawn.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_GT(coloured, 64 * 64 / 100) << qPrintable(info.fileName());
            (QLatin1String(sub) == QLatin1String("bg") ? backgrounds : clipArt)++;
        }
    }
    EXPECT_GE(clipArt, 30);
    EXPECT_GE(backgrounds, 10);

    // A card with a clip-art metafile, printed to PDF: paths only, no picture in the file. The same card with
    // a bitmap picture holds one (the check itself works).
    QTemporaryDir dir;
    const QString wmf = StarterFolder("clipart") + QStringLiteral("/trade-truck.wmf");
    QFile art(wmf);
    ASSERT_TRUE(art.open(QIODevice::ReadOnly));
    const QByteArray artBytes = art.readAll();
    for (const bool vector : {true, false}) {
        TKImage image;
        image.SetBounds(20, 20, 150, 150);
        if (vector)
            image.Picture().SetGraphic("TMetafile", artBytes);
        else
            image.Picture().SetGraphic("TBitmap", QuarteredBitmap());
        const QString card = dir.filePath(vector ? QStringLiteral("vector.qmk") : QStringLiteral("bitmap.qmk"));
        QFile out(card);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(WriteObjectsToBytes({&image}));
        out.close();
        PrintOptions options;
        options.Card = card;
        options.Pdf = dir.filePath(QStringLiteral("out.pdf"));
        options.Positions = {1};
        options.Nudges = false;
        QString error;
        ASSERT_TRUE(PrintCardFile(options, &error)) << qPrintable(error);
        QFile pdf(options.Pdf);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdf.readAll().contains("/Subtype /Image"), !vector) << (vector ? "metafile" : "bitmap");
        if (!qmtest::HavePoppler())
            continue;
        const QStringList images = qmtest::RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), options.Pdf})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(images.size() > 2, !vector) << qPrintable(images.join(QLatin1Char('\n')));
        // The truck is there: ink over the picture's place on the first card.
        const QImage page = qmtest::RenderPdfPage(options.Pdf, 96);
        const QRect ink = qmtest::InkBox(page);
        EXPECT_GT(ink.width(), 60);
        EXPECT_GT(ink.height(), 40);
    }
}

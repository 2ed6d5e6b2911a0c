// SPDX-License-Identifier: GPL-3.0-or-later
// Background art: turned a quarter for a Rotated card, read from metafiles, the chooser's preview, and a
// background file that went missing.
#include "app/cardbackground.h"

#include "app/carddocument.h"
#include "app/export.h"
#include "design/cardpanel.h"
#include "design/cardpicture.h"
#include "settings/companionfile.h"
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "objects/shapes/cardshape.h"
#include "platform/paths.h"

#include "testutil.h"
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// Red on the left half, blue on the right.
QString WriteHalves(const QTemporaryDir& dir, QSize size)
{
    QImage art(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            art.setPixel(x, y, x < size.width() / 2 ? kRed : kBlue);
    const QString path = dir.filePath(QStringLiteral("halves.bmp"));
    EXPECT_TRUE(art.save(path));
    return path;
}

QString StarterBackground(const char* name)
{
    return qmtest::SourceFile(QStringLiteral("data/starter/bg/") + QLatin1String(name));
}

bool Near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 40 && qAbs(qGreen(a) - qGreen(b)) < 40 && qAbs(qBlue(a) - qBlue(b)) < 40;
}

class Prompts : public DocumentPrompts
{
public:
    QStringList errors;
    QStringList information;
    bool Ask(const QString&, const QString&) override { return false; }
    void Inform(const QString& message) override { information << message; }
    void ShowError(const QString& message) override { errors << message; }
    QString ChooseFile(const FileRequest&) override { return QString(); }
    bool ChooseFont(TKFont&) override { return false; }
};

} // namespace

TEST(BackgroundArt, TurnedAQuarterForARotatedCardAndReadFromMetafiles)
{
    QTemporaryDir dir;
    const QString halves = WriteHalves(dir, QSize(350, 200));

    // Lying down: red left, blue right; standing (Rotated): the art's left edge is the card's top.
    CardModel card;
    card.SetSize(QSize(336, 192));
    ASSERT_TRUE(LoadCardBackground(card, halves));
    QImage drawn = RenderCardPicture(card);
    EXPECT_EQ(drawn.pixel(40, 96), kRed);
    EXPECT_EQ(drawn.pixel(300, 96), kBlue);
    card.SetPortrait(true);
    card.SetSize(QSize(192, 336));
    ASSERT_TRUE(LoadCardBackground(card, halves));
    drawn = RenderCardPicture(card);
    EXPECT_EQ(drawn.pixel(96, 40), kRed);
    EXPECT_EQ(drawn.pixel(96, 300), kBlue);
    EXPECT_EQ(drawn.pixel(5, 5), kRed);
    EXPECT_EQ(drawn.pixel(186, 330), kBlue);

    // The chooser previews the file at its own size, turned for a Rotated card.
    EXPECT_EQ(BackgroundPreview(halves, false).size(), QSize(350, 200));
    const QImage turned = BackgroundPreview(halves, true);
    ASSERT_EQ(turned.size(), QSize(200, 350));
    EXPECT_EQ(turned.pixel(100, 10), kRed);
    EXPECT_EQ(turned.pixel(100, 340), kBlue);

    // Metafile art of the starter library is drawn over the whole card; a damaged file leaves none, and why.
    CardModel lying;
    lying.SetSize(QSize(336, 192));
    ASSERT_TRUE(LoadCardBackground(lying, StarterBackground("blue-stripes.wmf")));
    drawn = RenderCardPicture(lying);
    EXPECT_TRUE(Near(drawn.pixel(168, 186), qRgb(0x1f, 0x3a, 0x68))) << Qt::hex << drawn.pixel(168, 186);
    QFile junk(dir.filePath(QStringLiteral("junk.wmf")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(40, 'x'));
    junk.close();
    QString why;
    EXPECT_FALSE(LoadCardBackground(lying, junk.fileName(), &why));
    EXPECT_FALSE(lying.ColorPicture().HasGraphic());
    EXPECT_TRUE(why.contains(QStringLiteral("junk.wmf"))) << qPrintable(why);
}

// The shipped backgrounds print sharp: each is a metafile, or a picture of at least 300 dots an inch at the
// card's size (1050 x 600 pixels, lying; the art of a Rotated card is drawn lying too), and small.
TEST(BackgroundArt, StarterPicturesHold300DotsAnInchAtTheCardsSize)
{
    const QFileInfoList files = QDir(qmtest::SourceFile(QStringLiteral("data/starter/bg"))).entryInfoList(QDir::Files);
    ASSERT_GE(files.size(), 10);
    int pictures = 0;
    for (const QFileInfo& info : files) {
        SCOPED_TRACE(info.fileName().toStdString());
        EXPECT_LT(info.size(), 160 * 1024);
        if (info.suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0)
            continue;
        QImageReader reader(info.filePath());
        const QSize size = reader.size();
        EXPECT_GE(size.width(), 1050);
        EXPECT_GE(size.height(), 600);
        EXPECT_NEAR(double(size.width()) / size.height(), 3.5 / 2, 0.01) << "the card's shape";
        ++pictures;
    }
    EXPECT_GE(pictures, 8);
}

TEST(BackgroundArt, ABitmapOfFewerPixelsThanTheScreenIsSmoothedOnScreenNotOnPaper)
{
    QTemporaryDir dir;
    // Far fewer pixels than the card shows at twice the pixels a unit: each one covers a block.
    const QString halves = WriteHalves(dir, QSize(42, 24));
    CardModel card;
    card.SetSize(QSize(336, 192));
    ASSERT_TRUE(LoadCardBackground(card, halves));
    const auto blended = [&](RenderContext::Target target) {
        QImage image(672, 384, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderContext context;
        context.target = target;
        DrawCard(painter, card, context);
        painter.end();
        // Along the middle row, across the edge between red and blue.
        int n = 0;
        for (int x = 0; x < 672; ++x) {
            const QRgb c = image.pixel(x, 192) & 0xFFFFFF;
            n += c != (kRed & 0xFFFFFF) && c != (kBlue & 0xFFFFFF) && c != 0xFFFFFFu;
        }
        return n;
    };
    EXPECT_GT(blended(RenderContext::Screen), 4) << "smoothed where the bitmap is blown up on screen";
    EXPECT_EQ(blended(RenderContext::Paper), 0) << "paper takes the bitmap's own pixels";
}

TEST(BackgroundArt, MissingFileIsNamedOnceAndTheCardOpensWithoutIt)
{
    QTemporaryDir dir;
    CardDocument::CreateFolders();
    TKBusinessCardPanel32 panel;
    Prompts prompts;
    CardDocument doc(panel, prompts);
    doc.Load();
    doc.FirstActivate();

    // A saved card with a shape, its background art in a folder of its own.
    const QString art = WriteHalves(dir, QSize(336, 192));
    {
        TKBusinessCardPanel32 other;
        other.CardObjects().Add(std::make_unique<TBCShapes>())->SetBounds(10, 10, 50, 30);
        ASSERT_TRUE(other.SaveToFile(dir.filePath(QStringLiteral("card.qmk"))));
    }
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(WriteCompanionFile(card, art, CardSheetLayout()));
    ASSERT_TRUE(doc.OpenBCFile(card));
    EXPECT_TRUE(panel.ColorPicture().HasGraphic());
    EXPECT_TRUE(prompts.errors.isEmpty());

    // The art goes missing: the card opens, without background, and says so once.
    ASSERT_TRUE(QFile::remove(art));
    ASSERT_TRUE(doc.OpenBCFile(card));
    EXPECT_EQ(panel.CardObjects().Count(), 1);
    EXPECT_FALSE(panel.ColorPicture().HasGraphic());
    ASSERT_EQ(prompts.errors.size(), 1) << qPrintable(prompts.errors.join(QLatin1Char('\n')));
    EXPECT_TRUE(prompts.errors[0].contains(art)) << qPrintable(prompts.errors[0]);
    // Turning the card or saving it says nothing more, and the name is kept for when the art comes back.
    doc.SetCardOrientation(true);
    ASSERT_TRUE(doc.SaveBCFile(card));
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(ReadCompanionFile(card).Background, art);
}

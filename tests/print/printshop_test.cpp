// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the print-shop PDF read back with libqpdf (its boxes, pages and marks), of the checks a print shop
// would make, and of where a sheet's crop marks go.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/text/textlabel.h"
#include "print/printshoppdf.h"
#include "print/sheetcropmarks.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

using namespace qm;

QByteArray Bitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(90, 90, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QRectF BoxOf(QPDFPageObjectHelper& page, const char* key)
{
    QPDFObjectHandle box = page.getObjectHandle().getKey(key);
    if (!box.isRectangle())
        return QRectF();
    const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
    return QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury));
}

void ExpectSameBox(const QRectF& read, const QRectF& wanted, const char* what)
{
    EXPECT_NEAR(read.left(), wanted.left(), 0.01) << what;
    EXPECT_NEAR(read.top(), wanted.top(), 0.01) << what;
    EXPECT_NEAR(read.width(), wanted.width(), 0.01) << what;
    EXPECT_NEAR(read.height(), wanted.height(), 0.01) << what;
}

TEST(PrintShopPdf, EachSideIsAPageWithItsTrimBleedAndMediaBoxes)
{
    TKBusinessCardPanel32 panel;
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(-20, 40, 100, 40);
    const PrintShopPage page(QSizeF(panel.Card().Size()), 3, true);
    QString error;
    // A back side makes a second page of the same boxes.
    const QByteArray bytes =
        MakePrintShopPdf({PrintShopSide{&panel.Card(), {}}, PrintShopSide{&panel.Card(), {}}}, page,
                         QStringLiteral("Card"), &error);
    ASSERT_FALSE(bytes.isEmpty()) << qPrintable(error);
    QPDF pdf;
    pdf.processMemoryFile("test", bytes.constData(), size_t(bytes.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    ASSERT_EQ(pages.size(), 2u);
    for (QPDFPageObjectHelper& p : pages) {
        ExpectSameBox(BoxOf(p, "/MediaBox"), page.MediaBox(), "media");
        ExpectSameBox(BoxOf(p, "/TrimBox"), page.TrimBox(), "trim");
        ExpectSameBox(BoxOf(p, "/BleedBox"), page.BleedBox(), "bleed");
        // 3.5 x 2 inches exactly.
        EXPECT_NEAR(BoxOf(p, "/TrimBox").width(), 252, 0.01);
        EXPECT_NEAR(BoxOf(p, "/TrimBox").height(), 144, 0.01);
        const auto data = p.getObjectHandle().getKey("/Contents").getStreamData(qpdf_dl_generalized);
        const QByteArray content(reinterpret_cast<const char*>(data->getBuffer()), qsizetype(data->getSize()));
        EXPECT_EQ(content.count(" l S"), 8) << content.constData();
    }

    // Without marks the page is the bleed box; without bleed the trim box.
    const QByteArray plain = MakePrintShopPdf({PrintShopSide{&panel.Card(), {}}}, PrintShopPage(QSizeF(panel.Card().Size()), 0, false),
                                              QStringLiteral("Card"), &error);
    QPDF flat;
    flat.processMemoryFile("flat", plain.constData(), size_t(plain.size()));
    QPDFPageObjectHelper only = QPDFPageDocumentHelper(flat).getAllPages().at(0);
    ExpectSameBox(BoxOf(only, "/MediaBox"), QRectF(0, 0, 252, 144), "flat media");
    ExpectSameBox(BoxOf(only, "/TrimBox"), QRectF(0, 0, 252, 144), "flat trim");
}

TEST(PrintShopChecks, PicturesBelow300DpiAndTextOutsideTheSafeAreaAreNamed)
{
    TKBusinessCardPanel32 panel;
    const PrintShopPage page(QSizeF(panel.Card().Size()), 3);
    const auto warnings = [&] { return PrintShopWarnings(PrintShopSide{&panel.Card(), {}}, page); };
    EXPECT_TRUE(warnings().isEmpty());

    // An inch of card: 300 pixels are enough, 299 are not.
    auto* image = static_cast<TKImage*>(panel.CardObjects().Add(std::make_unique<TKImage>()));
    image->SetBounds(60, 40, 96, 96);
    image->Picture().SetGraphic("TBitmap", Bitmap(300, 320));
    EXPECT_TRUE(warnings().isEmpty()) << qPrintable(warnings().join(QLatin1Char('\n')));
    image->Picture().SetGraphic("TBitmap", Bitmap(299, 320));
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("299 dots per inch"))) << qPrintable(warnings().front());
    // The printed size counts: the same pixels over half an inch are plenty.
    image->SetBounds(60, 40, 48, 48);
    EXPECT_TRUE(warnings().isEmpty());

    // Text: inside the safe area (3 mm = 11.3 units from each edge) is fine, one unit closer is not.
    auto* label = static_cast<TKPLabel*>(panel.CardObjects().Add(std::make_unique<TKPLabel>()));
    label->SetCaption(QStringLiteral("Ada"));
    label->SetBounds(12, 100, 60, 20);
    EXPECT_TRUE(warnings().isEmpty()) << qPrintable(warnings().join(QLatin1Char('\n')));
    label->SetBounds(250, 100, 86, 20); // reaches the right edge
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("closer than 3 mm"))) << qPrintable(warnings().front());
    label->SetBounds(11, 100, 60, 20);
    EXPECT_EQ(warnings().size(), 1);

    // Shapes may go anywhere, into the bleed too.
    label->SetBounds(100, 100, 60, 20);
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(-12, -12, 50, 50);
    EXPECT_TRUE(warnings().isEmpty());
    // Art that ends exactly at the edge would leave a white hairline in the cut; without a bleed nothing
    // could be done about it.
    shape->SetBounds(200, 150, 136, 42);
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("ends at the card's edge"))) << qPrintable(warnings().front());
    EXPECT_TRUE(PrintShopWarnings(PrintShopSide{&panel.Card(), {}}, PrintShopPage(QSizeF(panel.Card().Size()), 0)).isEmpty());
    // A unit over the edge is not enough; over the whole bleed (11.3 units) is.
    shape->SetBounds(200, 150, 137, 43);
    EXPECT_EQ(warnings().size(), 1);
    shape->SetBounds(200, 150, 148, 54);
    EXPECT_TRUE(warnings().isEmpty()) << qPrintable(warnings().join(QLatin1Char('\n')));
    // Inside the card it is a design of its own.
    shape->SetBounds(200, 150, 135, 41);
    EXPECT_TRUE(warnings().isEmpty());
    shape->SetBounds(-12, -12, 30, 30);

    // Background art over the card and its bleed: 1400 pixels across 3.5 inches and more are fine.
    panel.Card().ColorPicture().SetGraphic("TBitmap", Bitmap(700, 400));
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().startsWith(QStringLiteral("The background art"))) << qPrintable(warnings().front());
    panel.Card().ColorPicture().SetGraphic("TBitmap", Bitmap(1200, 700));
    EXPECT_TRUE(warnings().isEmpty()) << qPrintable(warnings().join(QLatin1Char('\n')));
}

// A sheet of 2 x 2 cards, 3.5 x 2 inches, 0.25 inch apart, on letter paper.
std::vector<QRectF> Sheet(double gap)
{
    std::vector<QRectF> cards;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            cards.emplace_back(0.5 + c * (3.5 + gap), 0.5 + r * (2 + gap), 3.5, 2);
    return cards;
}

TEST(SheetCropMarks, MarksLieInTheMarginsAndGapsOnTheCardsEdgesAndNeverCrossACard)
{
    const QRectF letter(0, 0, 8.5, 11);
    const std::vector<QRectF> cards = Sheet(0.25);
    const std::vector<QLineF> marks = SheetCropMarks(cards, letter);
    ASSERT_FALSE(marks.empty());
    const auto crosses = [&](const QLineF& mark) {
        for (const QRectF& card : cards) {
            // A mark may touch no card, not even its edge.
            const QRectF ink = QRectF(mark.p1(), mark.p2()).normalized().adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
            if (ink.intersects(card) || card.contains(mark.p1()) || card.contains(mark.p2()))
                return true;
        }
        return false;
    };
    std::set<double> xs, ys;
    for (const QLineF& mark : marks) {
        EXPECT_FALSE(crosses(mark)) << mark.x1() << "," << mark.y1() << " - " << mark.x2() << "," << mark.y2();
        EXPECT_TRUE(letter.contains(mark.p1()) && letter.contains(mark.p2()));
        if (mark.x1() == mark.x2())
            xs.insert(mark.x1());
        else
            ys.insert(mark.y1());
        EXPECT_LE(mark.length(), 5 / 25.4 + 1e-9);
    }
    // Every edge of every card is marked: four vertical lines, four horizontal ones.
    EXPECT_EQ(xs, (std::set<double>{0.5, 4.0, 4.25, 7.75}));
    EXPECT_EQ(ys, (std::set<double>{0.5, 2.5, 2.75, 4.75}));
    // In the outer margins the full length; in the quarter-inch gaps what fits between the gaps.
    const auto longest = std::max_element(marks.begin(), marks.end(), [](const QLineF& a, const QLineF& b) {
        return a.length() < b.length();
    });
    EXPECT_NEAR(longest->length(), 5 / 25.4, 1e-9);

    // Cards that touch leave no room between them: marks only in the margins, a card's edge each.
    const std::vector<QLineF> tight = SheetCropMarks(Sheet(0), letter);
    for (const QLineF& mark : tight) {
        const bool inMargin = mark.x2() < 0.5 || mark.x2() > 7.5 || mark.y2() < 0.5 || mark.y2() > 4.5;
        EXPECT_TRUE(inMargin) << mark.x1() << "," << mark.y1() << " - " << mark.x2() << "," << mark.y2();
    }
    EXPECT_EQ(tight.size(), 12u); // 3 lines a side, each marked once on each of the four sides
    // Each mark keeps a millimetre from every card, and none is shorter than 1.5 mm: a gap of 2.5 mm between
    // cards has no room for one.
    for (const std::vector<QRectF>& sheet : {cards, Sheet(0.1)}) {
        for (const QLineF& mark : SheetCropMarks(sheet, letter)) {
            EXPECT_GE(mark.length(), 1.5 / 25.4 - 1e-9);
            const QRectF clear = QRectF(mark.p1(), mark.p2()).normalized().adjusted(-0.99 / 25.4, -0.99 / 25.4,
                                                                                   0.99 / 25.4, 0.99 / 25.4);
            for (const QRectF& card : sheet)
                EXPECT_FALSE(clear.intersects(card)) << mark.x1() << "," << mark.y1() << " - " << mark.x2() << "," << mark.y2();
        }
    }
    // A sheet filling the paper edge to edge has no room for any.
    EXPECT_TRUE(SheetCropMarks({QRectF(0, 0, 8.5, 11)}, letter).empty());
}

} // namespace

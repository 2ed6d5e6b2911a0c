// SPDX-License-Identifier: GPL-3.0-or-later
// gLabels designs brought over as cards: each kind of object, its place in card units, colours, fonts and
// texts, the stock, merge fields, compressed and damaged files, and the report.
#include "design/cardpanel.h"
#include "glabels/glabelsdocument.h"
#include "glabels/pixdata.h"
#include "model/cardobjects.h"
#include "objects/glabelsimport.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/qrcode.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/richtext.h"
#include "objects/text/textlabel.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace qm;

namespace {

// A document on Avery 5371 (ten 3.5 x 2 inch cards on Letter) holding the given objects.
QByteArray Document(const QByteArray& objects, const QByteArray& extra = {}, const QByteArray& root = {})
{
    return "<?xml version=\"1.0\"?>\n<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\"" + root +
           ">\n"
           "  <Template brand=\"Avery\" part=\"5371\" size=\"US-Letter\" description=\"Business Cards\">\n"
           "    <Meta category=\"business-card\"/>\n"
           "    <Label-rectangle id=\"0\" width=\"252pt\" height=\"144pt\" round=\"0pt\" x_waste=\"0pt\" "
           "y_waste=\"0pt\">\n"
           "      <Layout nx=\"2\" ny=\"5\" x0=\"54pt\" y0=\"36pt\" dx=\"252pt\" dy=\"144pt\"/>\n"
           "    </Label-rectangle>\n"
           "  </Template>\n"
           "  <Objects id=\"0\" rotate=\"False\">\n" +
           objects + "  </Objects>\n" + extra + "</Glabels-document>\n";
}

const char* const kIdentity = " a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\"";

struct Imported
{
    TKBusinessCardPanel32 panel;
    GlabelsImport result;
    QString error;
    bool ok = false;

    int Count() const { return panel.Card().Objects().Count(); }
    template <class T> T* At(int i) { return dynamic_cast<T*>(panel.Card().Objects().At(i)); }
};

void Import(Imported& out, const QByteArray& bytes, const QString& folder = QString())
{
    GlabelsFormat format;
    GlabelsDocument doc;
    out.ok = format.ReadBytes(bytes, doc);
    out.error = format.ErrorString();
    if (out.ok)
        out.result = ImportGlabels(doc, folder, CardSheetLayout(), out.panel);
}

QByteArray Gzip(const QByteArray& data)
{
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&s, uLong(data.size()))) + 32, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(qsizetype(s.total_out));
    deflateEnd(&s);
    return out;
}

TEST(GlabelsImport, ShapesAndLinesKeepTheirPlaceColoursAndOutlines)
{
    Imported card;
    Import(card, Document(QByteArray("<Object-box x=\"0pt\" y=\"0pt\" w=\"252pt\" h=\"20pt\" line_width=\"0pt\" "
                                     "line_color=\"0x00000000\" fill_color=\"0x3366ccff\"") +
                          kIdentity +
                          "/>\n<Object-ellipse x=\"36pt\" y=\"72pt\" w=\"36pt\" h=\"27pt\" line_width=\"3pt\" "
                          "line_color=\"0xff0000ff\" fill_color=\"0x00000000\"/>\n"
                          "<Object-line x=\"180pt\" y=\"108pt\" dx=\"-36pt\" dy=\"18pt\" line_width=\"1.5pt\" "
                          "line_color=\"0x00ff00ff\"/>\n"
                          "<Object-line x=\"9pt\" y=\"135pt\" dx=\"72pt\" dy=\"0pt\" line_width=\"0.75pt\" "
                          "line_color=\"0x000000ff\"/>\n"));
    ASSERT_TRUE(card.ok) << card.error.toStdString();
    ASSERT_EQ(card.Count(), 4);

    auto* band = card.At<TBCShapes>(0);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->BoundsRect(), QRect(0, 0, 336, 27)); // 252 x 20 pt at 96 units an inch
    EXPECT_EQ(band->Shape(), stRectangle);
    EXPECT_FALSE(band->Transparent());
    EXPECT_EQ(band->Brush().Color(), TColor(0xcc6633)); // 0xRRGGBB becomes 0xBBGGRR

    auto* ring = card.At<TBCShapes>(1);
    ASSERT_TRUE(ring);
    EXPECT_EQ(ring->BoundsRect(), QRect(48, 96, 48, 36));
    EXPECT_EQ(ring->Shape(), stEllipse);
    EXPECT_TRUE(ring->Transparent());
    EXPECT_EQ(ring->Pen().Color(), TColor(0x0000ff));
    EXPECT_EQ(ring->Pen().Width(), 4); // 3 pt

    // Down to the left from (240, 144) to (192, 168): a box from corner to corner, sloping up to the right.
    auto* slope = card.At<TKLineShape>(2);
    ASSERT_TRUE(slope);
    EXPECT_EQ(slope->LineStyle(), stAngleSlopingUp);
    EXPECT_EQ(slope->BoundsRect().topLeft(), QPoint(192, 144));
    EXPECT_EQ(slope->Pen().Width(), 2);
    auto* rule = card.At<TKLineShape>(3);
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->LineStyle(), stHorizontal);
    EXPECT_EQ(rule->BoundsRect().center().y(), 180);
    EXPECT_EQ(rule->BoundsRect().left(), 12);

    EXPECT_EQ(card.result.report.exact.size(), 5) << card.result.report.Text().toStdString(); // and the stock
    EXPECT_TRUE(card.result.report.leftOut.isEmpty());
}

TEST(GlabelsImport, TextBecomesALabelLinesOrRichText)
{
    Imported card;
    Import(card,
           Document(QByteArray("<Object-text x=\"12pt\" y=\"30pt\" w=\"200pt\" h=\"24pt\" justify=\"Left\" "
                               "valign=\"Top\" auto_shrink=\"True\"") +
                    kIdentity +
                    " shadow=\"True\" shadow_x=\"1.5pt\" shadow_y=\"1.5pt\" shadow_color=\"0x000000ff\" "
                    "shadow_opacity=\"1\">\n"
                    "  <Span font_family=\"DejaVu Sans\" font_size=\"16\" font_weight=\"Bold\" "
                    "font_italic=\"False\" color=\"0x112233ff\" line_spacing=\"1\">Dr. <Field name=\"Name\"/> {x}"
                    "</Span>\n</Object-text>\n"
                    "<Object-text x=\"12pt\" y=\"60pt\" w=\"200pt\" h=\"60pt\" justify=\"Right\" valign=\"Top\">\n"
                    "  <Span font_family=\"DejaVu Serif\" font_size=\"9\" font_weight=\"Regular\" "
                    "font_italic=\"True\" color=\"0x333333ff\" line_spacing=\"1\">\n"
                    "    <Field name=\"2\"/><NL/>Second line<NL/><Field name=\"4\"/>\n  </Span>\n</Object-text>\n"
                    "<Object-text x=\"12pt\" y=\"120pt\" w=\"200pt\" h=\"20pt\">\n"
                    "  <Span font_family=\"DejaVu Sans\" font_size=\"8\" color=\"0x000000ff\">Plain "
                    "<Span font_weight=\"Bold\" color=\"0xff0000ff\">bold red</Span></Span>\n</Object-text>\n"));
    ASSERT_TRUE(card.ok) << card.error.toStdString();
    ASSERT_EQ(card.Count(), 3);

    auto* name = card.At<TKPLabel>(0);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->Caption(), QStringLiteral("Dr. {Name} {{x}")); // a brace typed in gLabels stays a brace
    EXPECT_EQ(name->Font().Name(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(name->Font().Size(), 16);
    EXPECT_EQ(name->Font().Style(), TFontStyles(1 << fsBold));
    EXPECT_EQ(name->Font().Color(), TColor(0x332211));
    EXPECT_TRUE(name->ShrinkToFit());
    EXPECT_EQ(name->DirectionShadow(), sdDownRight);
    EXPECT_EQ(name->DepthShadow(), 2);
    EXPECT_EQ(name->BoundsRect().topLeft(), QPoint(16, 40));

    auto* lines = card.At<TKMultiLineLabel>(1);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->Items().Strings(),
              QStringList({QStringLiteral("{2}"), QStringLiteral("Second line"), QStringLiteral("{4}")}));
    EXPECT_EQ(lines->Alignment(), taRightJustify);
    EXPECT_EQ(lines->Font().Style(), TFontStyles(1 << fsItalic));

    auto* rich = card.At<TKPRichBaseLabel>(2);
    ASSERT_TRUE(rich);
    const QByteArray rtf = rich->RTFText().Data();
    EXPECT_TRUE(rtf.contains("bold red")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\b")) << rtf.constData();
}

TEST(GlabelsImport, TextSitsWhereItsAlignmentPutsItAndPicturesComeFromBesideTheDesign)
{
    QTemporaryDir dir;
    QImage logo(30, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(dir.filePath(QStringLiteral("logo.png"))));
    Imported card;
    Import(card,
           Document("<Object-text x=\"12pt\" y=\"30pt\" w=\"150pt\" h=\"60pt\" justify=\"Center\" "
                    "valign=\"Center\"><Span font_size=\"10\">Middle</Span></Object-text>\n"
                    "<Object-text x=\"12pt\" y=\"30pt\" w=\"150pt\" h=\"60pt\" justify=\"Right\" "
                    "valign=\"Bottom\"><Span font_size=\"10\">Corner</Span></Object-text>\n"
                    "<Object-image x=\"9pt\" y=\"9pt\" w=\"45pt\" h=\"30pt\" src=\"logo.png\"/>\n"),
           dir.path());
    ASSERT_TRUE(card.ok);
    ASSERT_EQ(card.Count(), 3);
    // The box is 16..216 across and 40..120 down.
    const QRect middle = card.At<TKPLabel>(0)->BoundsRect();
    EXPECT_NEAR(middle.center().x(), 116, 1);
    EXPECT_NEAR(middle.center().y(), 80, 1);
    const QRect corner = card.At<TKPLabel>(1)->BoundsRect();
    EXPECT_EQ(corner.right() + 1, 216);
    EXPECT_EQ(corner.bottom() + 1, 120);
    auto* picture = card.At<TKImage>(2);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->BoundsRect(), QRect(12, 12, 60, 40));
    EXPECT_EQ(picture->PictureSize(), QSize(30, 20));
}

TEST(GlabelsImport, QuarterTurnsAreExactOtherTurnsReported)
{
    Imported card;
    Import(card, Document("<Object-box x=\"100pt\" y=\"10pt\" w=\"60pt\" h=\"30pt\" line_width=\"0pt\" "
                          "line_color=\"0x00000000\" fill_color=\"0x000000ff\" a0=\"0\" a1=\"1\" a2=\"-1\" a3=\"0\" "
                          "a4=\"0\" a5=\"0\"/>\n"
                          "<Object-box x=\"0pt\" y=\"0pt\" w=\"30pt\" h=\"30pt\" line_width=\"0pt\" "
                          "fill_color=\"0x000000ff\" a0=\"0.866\" a1=\"0.5\" a2=\"-0.5\" a3=\"0.866\" a4=\"0\" "
                          "a5=\"0\"/>\n"
                          "<Object-text x=\"200pt\" y=\"10pt\" w=\"100pt\" h=\"14pt\" a0=\"0\" a1=\"1\" a2=\"-1\" "
                          "a3=\"0\" a4=\"0\" a5=\"0\"><Span font_size=\"10\">Up</Span></Object-text>\n"));
    ASSERT_TRUE(card.ok);
    ASSERT_EQ(card.Count(), 3);
    // Turned a quarter clockwise about its top-left corner: 30 wide, 60 high, to the left of x = 100.
    EXPECT_EQ(card.At<TBCShapes>(0)->BoundsRect(), QRect(93, 13, 40, 80));
    EXPECT_EQ(card.At<TKPLabel>(2)->Angle(), 270);
    const QString report = card.result.report.approximate.join(QLatin1Char('\n'));
    EXPECT_TRUE(report.contains(QStringLiteral("box at 0, 0 pt"))) << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("box at 100"))) << report.toStdString();
}

TEST(GlabelsImport, QRCodesComeOverOtherBarcodesAndFieldPicturesAreReported)
{
    Imported card;
    Import(card, Document("<Object-barcode x=\"180pt\" y=\"70pt\" w=\"60pt\" h=\"60pt\" backend=\"libqrencode\" "
                          "style=\"IEC18004\" text=\"False\" checksum=\"True\" color=\"0x000080ff\" field=\"4\"/>\n"
                          "<Object-barcode x=\"0pt\" y=\"0pt\" w=\"60pt\" h=\"20pt\" style=\"Code39\" "
                          "data=\"ABC\"/>\n"
                          "<Object-image x=\"0pt\" y=\"0pt\" w=\"10pt\" h=\"10pt\" field=\"photo\"/>\n",
                          "  <Merge type=\"Text/Comma\" src=\"data.csv\"/>\n"),
           QStringLiteral("/cards"));
    ASSERT_TRUE(card.ok);
    ASSERT_EQ(card.Count(), 1);
    auto* code = card.At<TKQRCode>(0);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->Text(), QStringLiteral("{4}"));
    EXPECT_EQ(code->DarkColor(), TColor(0x800000));
    EXPECT_EQ(code->BoundsRect(), QRect(240, 93, 80, 80));
    EXPECT_EQ(card.result.report.leftOut.size(), 2);
    EXPECT_TRUE(card.result.report.Text().contains(QStringLiteral("Code39")));
    EXPECT_EQ(card.result.mergeSource, QStringLiteral("/cards/data.csv"));
    EXPECT_TRUE(card.result.mergeNumbered);
}

TEST(GlabelsImport, TheStockBecomesTheLayout)
{
    Imported card;
    Import(card, Document(""));
    ASSERT_TRUE(card.ok);
    const CardSheetLayout& l = card.result.layout;
    EXPECT_TRUE(card.result.stockApplied);
    EXPECT_EQ(card.result.stockName, QStringLiteral("Avery 5371"));
    EXPECT_FLOAT_EQ(l.Width, 3.5f);
    EXPECT_FLOAT_EQ(l.Height, 2.0f);
    EXPECT_EQ(l.Across, 2);
    EXPECT_EQ(l.Down, 5);
    EXPECT_FLOAT_EQ(l.LeftMargin, 0.75f);
    EXPECT_FLOAT_EQ(l.TopMargin, 0.5f);
    EXPECT_EQ(card.panel.Card().Size(), QSize(336, 192));

    // A stock of our own list keeps its name there; one whose numbers differ from ours is said to.
    Imported a4;
    Import(a4, Document("").replace("brand=\"Avery\" part=\"5371\" size=\"US-Letter\"",
                                    "brand=\"Avery\" part=\"L7414\" size=\"A4\"")
                   .replace("width=\"252pt\" height=\"144pt\"", "width=\"90mm\" height=\"52mm\"")
                   .replace("x0=\"54pt\" y0=\"36pt\" dx=\"252pt\" dy=\"144pt\"",
                            "x0=\"15mm\" y0=\"18.5mm\" dx=\"90mm\" dy=\"52mm\""));
    ASSERT_TRUE(a4.ok);
    EXPECT_EQ(QString::fromLatin1(kPredefinedLayouts[a4.result.layout.PredefLayout].Caption),
              QStringLiteral("Avery Business Card L7414 (A4 Size Paper)"));
    Imported glossy;
    Import(glossy, Document("").replace("part=\"5371\"", "part=\"8373\"")
                       .replace("ny=\"5\" x0=\"54pt\" y0=\"36pt\" dx=\"252pt\" dy=\"144pt\"",
                                "ny=\"4\" x0=\"36pt\" y0=\"54pt\" dx=\"288pt\" dy=\"180pt\""));
    ASSERT_TRUE(glossy.ok);
    EXPECT_FLOAT_EQ(glossy.result.layout.LeftMargin, 0.5f);
    EXPECT_TRUE(glossy.result.report.approximate.join(QString()).contains(QStringLiteral("differs")));

    Imported turned;
    Import(turned, Document("").replace("rotate=\"False\"", "rotate=\"True\""));
    EXPECT_TRUE(turned.result.layout.UsePortrait);
    EXPECT_EQ(turned.panel.Card().Size(), QSize(192, 336));
}

TEST(GlabelsImport, CompressedAndVersionFourDocumentsRead)
{
    const QByteArray plain = Document("<Object-text x=\"0pt\" y=\"0pt\" w=\"100pt\" h=\"14pt\" align=\"hcenter\" "
                                      "font_family=\"DejaVu Serif\" font_size=\"12\" font_weight=\"bold\" "
                                      "color=\"0xff0000ff\"><p>Hello ${Name}</p><p>{two}</p></Object-text>\n",
                                      {}, " version=\"4.0\"");
    Imported card;
    Import(card, Gzip(plain));
    ASSERT_TRUE(card.ok) << card.error.toStdString();
    auto* lines = card.At<TKMultiLineLabel>(0);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->Items().Strings(), QStringList({QStringLiteral("Hello {Name}"), QStringLiteral("{{two}")}));
    EXPECT_EQ(lines->Alignment(), taCenter);
    EXPECT_EQ(lines->Font().Style(), TFontStyles(1 << fsBold));
}

TEST(GlabelsImport, DamagedFilesAreRefusedAndLeaveThePanelAlone)
{
    const QByteArray good = Document("<Object-box x=\"0pt\" y=\"0pt\" w=\"10pt\" h=\"10pt\" fill_color=\"0xffffffff\"/>\n");
    const QByteArray compressed = Gzip(good);
    const QByteArray cases[] = {
        good.left(good.size() / 2),                   // cut short
        "<?xml version=\"1.0\"?><html></html>",       // another XML document
        compressed.left(compressed.size() - 12),      // compressed data cut short
        QByteArray("\x1f\x8b\x08\x00garbage", 12),    // not gzip after all
    };
    for (const QByteArray& bytes : cases) {
        GlabelsFormat format;
        GlabelsDocument doc;
        doc.mergeSource = QStringLiteral("kept");
        EXPECT_FALSE(format.ReadBytes(bytes, doc)) << bytes.left(40).constData();
        EXPECT_FALSE(format.ErrorString().isEmpty());
        EXPECT_EQ(doc.mergeSource, QStringLiteral("kept"));
    }
}

TEST(GlabelsImport, LengthsAndSizesPastAnySheetAreHeldBack)
{
    Imported card;
    Import(card, Document("<Object-box x=\"1e300pt\" y=\"-1e300in\" w=\"1e308pt\" h=\"5pt\" "
                          "fill_color=\"0x000000ff\"/>\n"
                          "<Object-text x=\"0pt\" y=\"0pt\" w=\"10pt\" h=\"10pt\"><Span font_size=\"1e12\">"
                          "Big</Span></Object-text>\n"));
    ASSERT_TRUE(card.ok);
    ASSERT_EQ(card.Count(), 2);
    const QRect box = card.At<TBCShapes>(0)->BoundsRect();
    EXPECT_LE(std::abs(box.left()), 9600);
    EXPECT_LE(std::abs(box.top()), 9600);
    EXPECT_LE(card.At<TKPLabel>(1)->Font().Size(), 999);
}

TEST(GlabelsImport, EmbeddedPixdataPicturesDecode)
{
    // A 2 x 2 RGBA picture, run-length encoded: two red pixels, then a green and a blue one.
    QByteArray pixdata = QByteArray::fromHex("47646b50" "00000026" "02010002" "00000008" "00000002" "00000002");
    pixdata += QByteArray::fromHex("82" "ff0000ff" "02" "00ff00ff" "0000ffff");
    QByteArray png;
    ASSERT_TRUE(PixdataToPng(pixdata, &png));
    const QImage image = QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(1, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgba(0, 255, 0, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgba(0, 0, 255, 255));
    // Runs that reach past the picture, a raw picture cut short and a zero count are refused.
    QByteArray over = pixdata;
    over[24] = char(0x85);
    EXPECT_FALSE(PixdataToPng(over, &png));
    EXPECT_FALSE(PixdataToPng(pixdata.left(30), &png));
    QByteArray zero = pixdata;
    zero[24] = char(0x80);
    EXPECT_FALSE(PixdataToPng(zero, &png));

    Imported card;
    Import(card, Document("<Object-image x=\"0pt\" y=\"0pt\" w=\"36pt\" h=\"36pt\" src=\"logo\"/>\n",
                          "  <Data><Pixdata name=\"logo\">" + pixdata.toBase64() + "</Pixdata></Data>\n"));
    ASSERT_TRUE(card.ok);
    auto* picture = card.At<TKImage>(0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->BoundsRect(), QRect(0, 0, 48, 48));
    EXPECT_EQ(picture->PictureSize(), QSize(2, 2));
}

} // namespace

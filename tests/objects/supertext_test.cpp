// SPDX-License-Identifier: GPL-3.0-or-later
// Special-effect text: letters filled, outlined and shadowed in pixels, its surfaces, paper that keeps the
// letters as vector paths (and plain letters as text), what a card file gives back, and its dialog.
#include "print/pdfutil.h"

#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/supertext.h"
#include "objects/text/supertextdialog_ui.h"
#include "objects/text/supertexttexture_ui.h"
#include "platform/units.h"
#include "testutil.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;
using qmtest::toHex;

namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kLime = 0x00FF00;

QImage Render(const TKSuperText& text, RenderContext::Target target = RenderContext::Picture)
{
    QImage image(text.Width(), text.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderContext context;
    context.target = target;
    text.Draw(painter, context);
    return image;
}

// The box around the pixels of exactly this colour; empty when there are none.
QRect ColorBox(const QImage& image, QRgb color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRgb At(const QImage& image, QPoint p)
{
    return image.pixel(p) & 0xFFFFFF;
}

// A big "O" without shadow or outline, filled red, laid out in its box.
void BigO(TKSuperText& text)
{
    text.SetCaption(QStringLiteral("O"));
    text.Font().SetName(QStringLiteral("Liberation Sans"));
    text.Font().SetHeight(-100);
    text.Font().SetColor(kRed);
    text.SetSurfaceType(TKSuperText::stNormal);
    text.SetOutlineStyle(psClear);
    text.FitToText();
    text.PrepareLayout();
}

} // namespace

TEST(SuperTextDrawing, FillStaysInsideTheLettersOutlineOnTheirEdgesShadowAtItsOffset)
{
    TKSuperText text;
    BigO(text);
    const QImage filled = Render(text);
    const QRect o = ColorBox(filled, qRgb(255, 0, 0));
    ASSERT_GT(o.width(), 50);
    // The bowl of the O stays background; its left stroke is filled.
    EXPECT_EQ(At(filled, o.center()), 0xFFFFFFu);
    const QPoint stroke(o.left() + 4, o.center().y());
    EXPECT_EQ(At(filled, stroke), 0xFF0000u);
    EXPECT_NEAR(o.left(), 5 + QFontMetrics(text.DrawingFont()).leftBearing(QLatin1Char('O')), 1) << "5 pixels in";

    // Empty letters with a blue outline: ink along the edges only, the stroke's middle and the bowl empty.
    text.SetSurfaceType(TKSuperText::stBrushTransparent);
    text.SetOutlineStyle(psSolid);
    text.SetOutlineColor(kBlue);
    text.SetOutlineWidth(2);
    const QImage outlined = Render(text);
    EXPECT_EQ(At(outlined, o.center()), 0xFFFFFFu);
    EXPECT_EQ(At(outlined, stroke + QPoint(2, 0)), 0xFFFFFFu);
    const QRect edge = ColorBox(outlined, qRgb(0, 0, 255));
    EXPECT_NEAR(edge.left(), o.left() - 1, 1);
    EXPECT_NEAR(edge.right(), o.right() + 1, 1);
    EXPECT_NEAR(edge.top(), o.top() - 1, 1);

    // The shadow copy stands at its offset in every direction; letters make room for one falling left.
    text.SetOutlineWidth(0);
    text.SetShadowcolor(kLime);
    text.SetShadowDepth(6);
    const std::pair<TShadowOrientation, QPoint> offsets[] = {
        {sdRight, {6, 0}}, {sdLeft, {-6, 0}}, {sdDownRight, {6, 6}}, {sdDownLeft, {-6, 6}}, {sdDown, {0, 6}}};
    for (const auto& [orientation, offset] : offsets) {
        SCOPED_TRACE(int(orientation));
        text.SetShadowOrientation(orientation);
        text.SetSurfaceType(TKSuperText::stBrushTransparent);
        text.PrepareLayout();
        const QPoint margin(std::max(0, -offset.x()), 0);
        EXPECT_EQ(ColorBox(Render(text), qRgb(0, 255, 0)), o.translated(margin + offset));
        text.SetSurfaceType(TKSuperText::stNormal);
        const QImage both = Render(text);
        EXPECT_EQ(ColorBox(both, qRgb(255, 0, 0)), o.translated(margin));
        EXPECT_EQ(At(both, o.center() + margin), 0xFFFFFFu);
    }
    text.SetShadowOrientation(sdNone);
    EXPECT_FALSE(ColorBox(Render(text), qRgb(0, 255, 0)).isValid());
}

TEST(SuperTextDrawing, GradientAndTextureShowOnlyThroughTheLettersOnScreenAndPaper)
{
    TKSuperText text;
    BigO(text);
    const QRect o = ColorBox(Render(text), qRgb(255, 0, 0));
    const int y = o.center().y();
    text.SetOutlineStyle(psClear);
    text.SetSurfaceType(TKSuperText::stGradientFill);
    text.SetGradientFromColor(kBlue);
    text.SetGradientToColor(kRed);
    text.SetFillDirection(gdRight); // blue at the left
    for (RenderContext::Target target : {RenderContext::Picture, RenderContext::Paper}) {
        SCOPED_TRACE(int(target));
        const QImage image = Render(text, target);
        const QRgb left = At(image, QPoint(o.left() + 4, y)), right = At(image, QPoint(o.right() - 4, y));
        EXPECT_GT(qBlue(left), 150);
        EXPECT_LT(qRed(left), 110);
        EXPECT_GT(qRed(right), 150);
        EXPECT_LT(qBlue(right), 110);
        EXPECT_EQ(At(image, o.center()), 0xFFFFFFu);
        EXPECT_EQ(At(image, QPoint(2, 2)), 0xFFFFFFu);
    }
    text.SetFillDirection(gdUp); // blue at the bottom
    const QImage up = Render(text);
    EXPECT_GT(qRed(At(up, QPoint(o.center().x(), o.top() + 3))), 150);
    EXPECT_GT(qBlue(At(up, QPoint(o.center().x(), o.bottom() - 3))), 150);

    // A 2 x 2 checker texture tiles from the box's corner, inside the letters only.
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 1, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 255, 0));
    tile.setPixel(0, 1, qRgb(0, 255, 0));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tile.save(&buffer, "BMP"));
    text.SetSurfaceType(TKSuperText::stBrushImage);
    text.Image().SetFileBytes(bmp);
    const QImage textured = Render(text);
    for (int x = o.left() + 3; x < o.left() + 7; ++x)
        EXPECT_EQ(At(textured, QPoint(x, y)), (x + y) % 2 ? 0x00FF00u : 0xFF0000u) << x;
    EXPECT_EQ(At(textured, o.center()), 0xFFFFFFu);
}

TEST(SuperTextPaper, BigLettersStayVectorPathsAndPlainLettersStayText)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    auto print = [&](TKSuperText& text, const QString& name) {
        const QString path = dir.filePath(name);
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        QPainter painter(&pdf);
        painter.scale(1200.0 / kUnitsPerInch, 1200.0 / kUnitsPerInch);
        RenderContext context;
        context.target = RenderContext::Paper;
        text.Draw(painter, context);
        return path;
    };
    TKSuperText big;
    big.SetCaption(QStringLiteral("Hi"));
    big.Font().SetName(QStringLiteral("Liberation Sans"));
    big.Font().SetSize(150);
    big.SetGradientFromColor(0);
    big.SetGradientToColor(0);
    big.FitToText();
    big.PrepareLayout();
    const QString bigPdf = print(big, QStringLiteral("big.pdf"));
    EXPECT_FALSE(qmtest::RunTool(QStringLiteral("pdffonts"), {bigPdf}).contains(QLatin1String("Liberation")));
    EXPECT_EQ(qmtest::RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), bigPdf}).count(QLatin1Char('\n')), 2)
        << "no pictures, only the header";
    // At 600 dpi the H's left stem goes from paper to ink within two pixels, as a vector edge does.
    const QImage page = qmtest::RenderPdfPage(bigPdf, 600);
    ASSERT_FALSE(page.isNull());
    const QRect ink = qmtest::InkBox(page);
    ASSERT_GT(ink.width(), 300);
    const int row = ink.center().y();
    const uchar* line = page.constScanLine(row);
    int firstGrey = -1, firstBlack = -1;
    for (int x = ink.left() - 3; x < ink.left() + 20; ++x) {
        if (firstGrey < 0 && line[x] < 230)
            firstGrey = x;
        if (firstBlack < 0 && line[x] < 25)
            firstBlack = x;
    }
    EXPECT_LE(firstBlack - firstGrey, 2);

    TKSuperText plain;
    plain.SetCaption(QStringLiteral("Plain"));
    plain.Font().SetName(QStringLiteral("Liberation Sans"));
    plain.SetSurfaceType(TKSuperText::stNormal);
    plain.SetOutlineStyle(psClear);
    plain.FitToText();
    plain.PrepareLayout();
    const QString plainPdf = print(plain, QStringLiteral("plain.pdf"));
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdffonts"), {plainPdf}).contains(QLatin1String("Liberation")));
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdftotext"), {plainPdf, QStringLiteral("-")}).contains(QLatin1String("Plain")));
}

TEST(SuperTextFile, ACardReopensAsSavedWhateverOrderTheSettersRunIn)
{
    // Empty letters with a clear outline (only the shadow shows), and every other setting changed.
    TKSuperText text;
    text.SetBounds(7, 9, 200, 90);
    text.SetShadowDepth(3);
    text.SetShadowOrientation(sdDownLeft);
    text.SetShadowcolor(kLime);
    text.SetBorderStyle(bsSingle);
    text.SetControlTransparent(false);
    text.SetBGColor(0x00F0E0D0);
    text.SetCaption(QStringLiteral("Grand Opening"));
    text.Font().SetName(QStringLiteral("Liberation Serif"));
    text.SetFillDirection(gdLeft);
    text.SetGradientToColor(kRed);
    text.SetGradientFromColor(kLime);
    text.SetSurfaceType(TKSuperText::stBrushTransparent);
    text.SetOutlineColor(kBlue);
    text.SetOutlineStyle(psClear);
    text.SetOutlineWidth(4);
    text.SetLastBitmapFileNameandPath(QStringLiteral("/home/ann/bmbrush/marble.bmp"));
    text.SetName(QStringLiteral("Component0"));
    const QByteArray saved = WriteObjectsToBytes({&text});

    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, saved);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* read = dynamic_cast<TKSuperText*>(objects.At(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->OutlineStyle(), psClear);
    EXPECT_EQ(read->SurfaceType(), TKSuperText::stBrushTransparent);
    EXPECT_EQ(toHex(WriteObjectsToBytes({read})), toHex(saved));
    // The user's own change still has its knock-on.
    read->SetSurfaceType(TKSuperText::stNormal);
    read->SetSurfaceType(TKSuperText::stBrushTransparent);
    EXPECT_EQ(read->OutlineStyle(), psSolid);
}

TEST(SuperTextFile, EmptyLettersWithNothingElseToShowGetTheirOutlineBack)
{
    // A card from elsewhere: transparent letters, a clear outline and no shadow would draw nothing at all.
    TKSuperText text;
    BigO(text);
    text.SetShadowDepth(0);
    text.SetSurfaceType(TKSuperText::stBrushTransparent);
    text.SetOutlineStyle(psClear);
    text.SetName(QStringLiteral("Component0"));
    const QByteArray saved = WriteObjectsToBytes({&text});
    const auto inked = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        return count;
    };
    EXPECT_EQ(inked(Render(text)), 0) << "nothing shows as written";

    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, saved);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* read = static_cast<TKSuperText*>(objects.At(0));
    EXPECT_EQ(read->OutlineStyle(), psSolid);
    EXPECT_EQ(read->SurfaceType(), TKSuperText::stBrushTransparent);
    read->PrepareLayout();
    EXPECT_GT(inked(Render(*read)), 100) << "the letters show their outline";
}

TEST(SuperTextDrawing, HugeCaptionsFontsAndEmptyBoxesNeitherCrashNorHang)
{
    TKSuperText text;
    text.SetCaption(QString(20000, QLatin1Char('W')));
    text.FitToText();
    text.PrepareLayout();
    EXPECT_EQ(text.Width(), TKGraphicControl::kMaxCoordinate);
    text.SetBounds(0, 0, 300, 80);
    text.PrepareLayout();
    const QFont font = text.DrawingFont();
    const QString shown = TKSuperText::FittedText(font, text.DrawnCaption(), 300 - 5);
    EXPECT_GT(shown.size(), 2);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(shown), 295);
    EXPECT_GT(QFontMetrics(font).horizontalAdvance(shown + QLatin1Char('W')), 295);
    Render(text);

    text.SetCaption(QStringLiteral("Big"));
    text.Font().SetSize(10000);
    text.FitToText();
    text.PrepareLayout();
    QImage small(200, 100, QImage::Format_RGB32);
    QPainter painter(&small);
    for (auto target : {RenderContext::Screen, RenderContext::Paper}) {
        RenderContext context;
        context.target = target;
        text.Draw(painter, context);
    }
    // A box too small for any letter shows a crossed frame; a zero-size one draws nothing and gets a pixel.
    text.Font().SetSize(48);
    text.SetBounds(0, 0, 12, 90);
    const QImage crossed = Render(text);
    int black = 0;
    for (int x = 0; x < crossed.width(); ++x)
        black += At(crossed, QPoint(x, 45)) == 0u;
    EXPECT_EQ(At(crossed, QPoint(0, 0)), 0u);
    EXPECT_GE(black, 3) << "both sides and the diagonals";
    text.SetBounds(0, 0, 0, 0);
    text.Draw(painter, RenderContext());
    EXPECT_GE(text.Width(), 1);
}

namespace {

// The properties dialog as a user fills it in.
class PropertiesUser : public TKDialogs
{
public:
    bool ok = true;
    QSize previewSize;
    QString message;
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor&) override { return false; }
    void ShowInformation(const QString& text) override { message = text; }
    bool ChooseSymbol(TKFont& font, int& code) override
    {
        font.SetName(QStringLiteral("Webdings"));
        code = 0x59;
        return true;
    }
    bool EditSuperText(TKSuperText& preview, QString& texturePath) override
    {
        previewSize = preview.BoundsRect().size();
        preview.SetSurfaceType(TKSuperText::stBrushTransparent);
        preview.SetOutlineStyle(psClear); // the user's own choice after the surface
        preview.SetShadowOrientation(sdRight);
        preview.SetShadowDepth(4);
        preview.Font().SetSize(72);
        preview.SetCaption(QStringLiteral("Much longer text"));
        texturePath = QStringLiteral("/textures/linen.bmp");
        return ok;
    }
};

class DialogHost : public qmtest::TestHost
{
public:
    PropertiesUser user;
    TKDialogs* Dialogs() override { return &user; }
};

} // namespace

TEST(SuperTextProperties, OkTakesThePreviewThroughTheSettersAndFitsTheBoxCancelChangesNothing)
{
    DialogHost host;
    TKSuperText text;
    host.Adopt(text);
    text.SetBounds(30, 40, 120, 80);
    const QByteArray before = WriteObjectsToBytes({&text});
    host.user.ok = false;
    EXPECT_FALSE(text.OpenProperties());
    EXPECT_EQ(host.user.previewSize, QSize(120, 80));
    EXPECT_EQ(toHex(WriteObjectsToBytes({&text})), toHex(before));

    host.user.ok = true;
    text.Loaded();
    ASSERT_NE(text.PopupMenu(), nullptr);
    EXPECT_EQ(text.PopupMenu()->Captions().mid(text.PopupMenu()->Count() - 6),
              QStringList({"-", "Font", "Transparent", "Background Color", "Border", "Properties"}));
    const int changes = host.changes;
    EXPECT_TRUE(text.PopupMenu()->Trigger(QStringLiteral("Properties")));
    EXPECT_EQ(text.Caption(), QStringLiteral("Much longer text"));
    EXPECT_EQ(text.Font().Size(), 72);
    EXPECT_EQ(text.ShadowOffset(), QPoint(4, 0));
    EXPECT_EQ(text.OutlineStyle(), psSolid) << "the surface is set after the outline, as the dialog's OK does";
    EXPECT_EQ(text.LastBitmapFileNameandPath(), QStringLiteral("/textures/linen.bmp"));
    EXPECT_EQ(text.BoundsRect().topLeft(), QPoint(0, 40)) << "too wide for the card: at its left edge";
    EXPECT_TRUE(host.user.message.contains(QStringLiteral("wider than the card"))) << qPrintable(host.user.message);
    const QFontMetrics m(text.DrawingFont());
    EXPECT_GE(text.Width(), 9 + m.horizontalAdvance(text.Caption())) << "the box fits the longer text";
    EXPECT_GT(host.changes, changes);
    host.Adopt(text, false);
}

TEST(SuperTextProperties, TheDialogRefitsOnTheClockSizesInStepsOfFiveAndKeepsTheLastTexture)
{
    // The clock ticks every 200 ms from the opening; the first tick after an edit refits, once.
    SuperTextRefit refit(1000);
    EXPECT_FALSE(refit.Poll(1150));
    refit.Edited(1160);
    refit.Edited(1190);
    EXPECT_FALSE(refit.Poll(1199));
    EXPECT_TRUE(refit.Poll(1200));
    EXPECT_FALSE(refit.Poll(1400));
    refit.Edited(1401);
    EXPECT_TRUE(refit.Poll(2050)) << "ticks missed while busy still count";
    EXPECT_EQ(refit.NextTick(), 2200);

    PropertiesUser user;
    TKSuperText preview;
    preview.SetSurfaceType(TKSuperText::stBrushImage);
    TSuperTextProperties dialog(preview, QString(), &user);
    EXPECT_FALSE(dialog.LastTexture().Empty()) << "a built-in texture to start with";
    dialog.ChooseSurface(TKSuperText::stBrushImage);
    const QByteArray builtIn = preview.Image().Data();
    EXPECT_EQ(builtIn, DefaultSuperTextTexture().Data());
    dialog.ChooseSurface(TKSuperText::stNormal);
    EXPECT_TRUE(preview.Image().Empty());
    dialog.ChooseSurface(TKSuperText::stBrushImage);
    EXPECT_EQ(preview.Image().Data(), builtIn);

    preview.Font().SetSize(148);
    dialog.ChangeFontSize(true);
    EXPECT_EQ(preview.Font().Size(), 153);
    dialog.ChangeFontSize(true);
    EXPECT_EQ(preview.Font().Size(), 153);
    preview.Font().SetSize(12);
    dialog.ChangeFontSize(false);
    EXPECT_EQ(preview.Font().Size(), 7);
    dialog.ChangeFontSize(false);
    EXPECT_EQ(preview.Font().Size(), 7);

    dialog.SelectSymbol();
    EXPECT_EQ(preview.Font().Name(), QStringLiteral("Webdings"));
    EXPECT_EQ(preview.Caption(), QStringLiteral("Y"));

    auto* caption = dialog.findChild<QLineEdit*>(QStringLiteral("CaptionText"));
    ASSERT_NE(caption, nullptr);
    caption->clear();
    dialog.OKButtonClick();
    EXPECT_EQ(user.message, QStringLiteral("Please enter some text"));
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
}

TEST(SuperTextProperties, TheTexturePickerPreviewsTheLettersAndNamesBitmapsItCannotRead)
{
    QTemporaryDir dir;
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(qRgb(0, 128, 0));
    ASSERT_TRUE(tile.save(dir.filePath(QStringLiteral("moss.png"))));
    ASSERT_TRUE(qmtest::WriteFile(dir.filePath(QStringLiteral("broken.bmp")), "BM not a bitmap"));
    ASSERT_TRUE(qmtest::WriteFile(dir.filePath(QStringLiteral("broken.jpg")), "not a picture"));

    TKSuperText preview;
    preview.SetSurfaceType(TKSuperText::stNormal);
    TSuperTextBrushImageBrowser browser(preview, dir.filePath(QStringLiteral("moss.png")));
    QStringList errors;
    browser.ShowError = [&](const QString& message) { errors << message; };
    EXPECT_EQ(browser.Preview().SurfaceType(), TKSuperText::stBrushImage);
    browser.FileSelected(dir.filePath(QStringLiteral("moss.png")));
    EXPECT_FALSE(browser.Preview().Image().Empty());
    EXPECT_EQ(browser.Preview().Texture().pixel(3, 3) & 0xFFFFFF, 0x008000u);
    browser.FileSelected(dir.filePath(QStringLiteral("broken.jpg")));
    EXPECT_TRUE(browser.Preview().Image().Empty());
    EXPECT_TRUE(errors.isEmpty()) << "only bitmaps and metafiles are named";
    browser.FileSelected(dir.filePath(QStringLiteral("broken.bmp")));
    EXPECT_EQ(errors, QStringList({QStringLiteral("Error loading file!")}));
    EXPECT_FALSE(browser.OkButton()->isEnabled());
}

namespace {

// A user who writes a headline in the properties dialog at a size, and picks sizes in the font dialog.
class HeadlineUser : public TKDialogs
{
public:
    QString caption = QStringLiteral("Studio Lumen");
    int size = 48;
    int fontSize = 20;
    QStringList messages;
    bool ChooseFont(TKFont& font) override
    {
        font.SetSize(fontSize);
        return true;
    }
    bool ChooseColor(TColor&) override { return false; }
    void ShowInformation(const QString& text) override { messages << text; }
    bool EditSuperText(TKSuperText& preview, QString&) override
    {
        preview.SetCaption(caption);
        preview.Font().SetSize(size);
        return true;
    }
};

class HeadlineHost : public qmtest::TestHost
{
public:
    HeadlineUser user;
    TKDialogs* Dialogs() override { return &user; }
};

// Where the letters end, in card units.
int LettersEnd(const TKSuperText& text)
{
    const QFont font = text.DrawingFont();
    return text.Left() + text.Geometry(font).textLeft + QFontMetrics(font).horizontalAdvance(text.Caption());
}

} // namespace

// "Studio Lumen" at 48 points is wider than the card: OK fits the box to it, keeps the box on the card and
// says why the end is cut off. A smaller size in the dialog or the font command fits the box again, smaller
// or larger, so the whole text shows; a box made too narrow by hand shows a red mark on screen only.
TEST(SuperTextProperties, OkAndFontChangesFitTheBoxToTheTextOnTheCardAndSayWhenItCannot)
{
    HeadlineHost host;
    TKSuperText text;
    text.SetHost(&host);
    text.Font().SetName(QStringLiteral("Liberation Sans"));
    text.SetBounds(20, 40, 142, 33);
    ASSERT_TRUE(text.OpenProperties());
    EXPECT_GT(LettersEnd(text), host.width);
    EXPECT_EQ(text.Left(), 0) << "moved left as far as the card's edge";
    ASSERT_EQ(host.user.messages.size(), 1);
    EXPECT_TRUE(host.user.messages[0].startsWith(
        QStringLiteral("At 48 points \u201cStudio Lumen\u201d is wider than the card")))
        << qPrintable(host.user.messages[0]);
    EXPECT_FALSE(text.TextCut()) << "the box itself holds the whole text";

    host.user.size = 28;
    ASSERT_TRUE(text.OpenProperties());
    EXPECT_EQ(host.user.messages.size(), 1) << "nothing to say: it fits";
    EXPECT_LE(LettersEnd(text), text.Left() + text.Width());
    EXPECT_LE(text.Left() + text.Width(), host.width);
    const int at28 = text.Width();

    ASSERT_TRUE(text.ChooseFont()); // 20 points
    EXPECT_LT(text.Width(), at28) << "a smaller font shrinks the box";
    EXPECT_FALSE(text.TextCut());
    host.user.fontSize = 36;
    ASSERT_TRUE(text.ChooseFont());
    EXPECT_GT(text.Width(), at28) << "a larger font grows it";
    EXPECT_FALSE(text.TextCut());
    EXPECT_LE(text.Left() + text.Width(), host.width);
    EXPECT_EQ(host.user.messages.size(), 1);

    // Narrowed by hand: the end is cut, and the screen shows a mark where it is cut; a picture does not.
    text.SetBounds(text.Left(), text.Top(), text.Width() / 2, text.Height());
    text.PrepareLayout();
    EXPECT_TRUE(text.TextCut());
    const QImage screen = Render(text, RenderContext::Screen);
    EXPECT_EQ(At(screen, QPoint(screen.width() - 2, screen.height() - 2)), 0xDC0000u);
    const QImage picture = Render(text, RenderContext::Picture);
    EXPECT_NE(At(picture, QPoint(picture.width() - 2, picture.height() - 2)), 0xDC0000u);
    text.SetHost(nullptr);
}

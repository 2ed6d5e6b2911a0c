// SPDX-License-Identifier: GPL-3.0-or-later
// The circular text: where the arc starts and ends, letters standing on the circle in pixels (turned,
// upright, mirrored), print as text, absurd values, what a card file gives back, and its dialog.
#include "../print/pdfutil.h"
#include "design/cardpanel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "model/objectmenu.h"
#include "objects/objectdialogs_ui.h"
#include "objects/text/circletext.h"
#include "objects/text/circletextdialog_ui.h"
#include "print/pagedreport.h"
#include "print/sheetprinter.h"
#include "testutil.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace qm;

namespace {

constexpr double kPi = 3.14159265358979323846;

double DegreesOf(double dx, double dy)
{
    double a = std::atan2(dy, dx) * 180 / kPi;
    return a < 0 ? a + 360 : a;
}

// The difference of two angles in degrees, -180..180.
double AngleBetween(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return d;
}

QImage Drawn(const TKPCircleText& text)
{
    QImage image(text.Width(), text.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderContext context;
    context.target = RenderContext::Picture;
    text.Draw(painter, context);
    return image;
}

// A patch of ink: its weighted centre and its extent.
struct Blob
{
    double x = 0;
    double y = 0;
    double weight = 0;
    QRect box;
};

// The separate patches of ink (darker than mid-grey, weighted by darkness) of a picture.
std::vector<Blob> Blobs(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width(), h = grey.height();
    std::vector<int> seen(size_t(w) * h, 0);
    auto level = [&](int x, int y) { return int(grey.constScanLine(y)[x]); };
    std::vector<Blob> blobs;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[size_t(y0) * w + x0] || level(x0, y0) >= 128)
                continue;
            Blob b;
            std::vector<QPoint> todo{{x0, y0}};
            seen[size_t(y0) * w + x0] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                const double ink = 255 - level(p.x(), p.y());
                b.x += ink * p.x();
                b.y += ink * p.y();
                b.weight += ink;
                b.box |= QRect(p, QSize(1, 1));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || seen[size_t(q.y()) * w + q.x()])
                        continue;
                    // Antialiased edges belong to the patch they touch.
                    if (level(q.x(), q.y()) >= 250)
                        continue;
                    seen[size_t(q.y()) * w + q.x()] = 1;
                    todo.push_back(q);
                }
            }
            b.x /= b.weight;
            b.y /= b.weight;
            blobs.push_back(b);
        }
    }
    return blobs;
}

TKPCircleText& Ring(TKPCircleText& text, const QString& caption)
{
    text.SetBounds(0, 0, 300, 300);
    text.Font().SetName(QStringLiteral("DejaVu Sans"));
    text.Font().SetSize(20);
    text.Font().SetStyle(0);
    text.SetCaption(caption);
    return text;
}

} // namespace

TEST(CircleLayout, EachStartAndSpanRunsClockwiseFromItsStartToItsEndInsideTheBox)
{
    for (int sv = dg90; sv <= dg360; ++sv) {
        for (int dg = dg90; dg <= dg360; ++dg) {
            for (const int n : {1, 4, 6, 40}) {
                CircleLayoutInput in;
                in.width = 200;
                in.height = 120;
                in.charHeight = 15;
                in.averageWidth = 7;
                in.letters = n;
                in.startingVector = TDegrees(sv);
                in.degrees = TDegrees(dg);
                const TCircleLayout layout(in);
                const int a = (sv + 1) * 90;
                const int s = dg == dg360 && n > 5 ? 355 : (dg + 1) * 90;
                SCOPED_TRACE(testing::Message() << "start " << a << " span " << (dg + 1) * 90 << " letters " << n);
                EXPECT_EQ(layout.StartAngle(), a);
                EXPECT_EQ(layout.Span(), s);
                ASSERT_GT(layout.Radius(), 20);
                auto angleOf = [&](const CirclePlace& p) {
                    return DegreesOf(p.x - layout.CentreX(), p.y - layout.CentreY());
                };
                const bool full = dg == dg360;
                // One letter stands at the end of an arc and at the start of a circle.
                const double first = n == 1 && !full ? s - a : -a;
                const double last = full ? (n - 1) * double(s) / n - a : s - a;
                EXPECT_NEAR(AngleBetween(angleOf(layout.Place(0)), first), 0, 1.5);
                EXPECT_NEAR(AngleBetween(angleOf(layout.Place(n - 1)), last), 0, 1.5);
                // The turn keeps each letter's top pointing away from the centre.
                for (qsizetype i = 0; i < n; ++i) {
                    const CirclePlace p = layout.Place(i);
                    EXPECT_TRUE(p.inside) << "letter " << i << " at " << p.x << "," << p.y;
                    EXPECT_NEAR(AngleBetween(-p.turn / 10.0 - 90, angleOf(p)), 0, 1.5) << "letter " << i;
                    if (i > 0) { // clockwise on the screen
                        EXPECT_GT(AngleBetween(angleOf(p), angleOf(layout.Place(i - 1))), 0) << "letter " << i;
                    }
                }
            }
        }
    }
    // Up to five letters spread over the whole circle, six and more over 355 degrees.
    CircleLayoutInput in;
    in.width = in.height = 100;
    in.letters = 5;
    EXPECT_DOUBLE_EQ(TCircleLayout(in).Step(), 72);
    in.letters = 6;
    EXPECT_DOUBLE_EQ(TCircleLayout(in).Step(), 355.0 / 6);
}

TEST(CircleTextDraw, TurnedLettersStandOnTheCircleUprightOnesStayUprightMirroredOnesReadFromInside)
{
    TKPCircleText text;
    Ring(text, QStringLiteral("IIIIIIII"));
    const QFontMetricsF metrics(text.DrawingFont());
    const double lift = QFontMetrics(text.DrawingFont()).descent() + metrics.capHeight() / 2;

    for (const bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored ? "mirrored" : "turned");
        text.SetDrawLettersAngled(true);
        text.SetMirror(mirrored);
        const TCircleLayout layout = text.Layout();
        const std::vector<Blob> blobs = Blobs(Drawn(text));
        ASSERT_EQ(blobs.size(), 8u);
        // Each stem's middle lies on one circle, a half letter outside the letters' points (inside them when
        // mirrored), in the direction of its point, the points 355 / 8 degrees apart from the left.
        const double radius = layout.Radius() + (mirrored ? -lift : lift);
        std::vector<bool> matched(8, false);
        for (const Blob& b : blobs) {
            const double dx = b.x - layout.CentreX(), dy = b.y - layout.CentreY();
            EXPECT_NEAR(std::hypot(dx, dy), radius, 1.0) << "stem at " << b.x << "," << b.y;
            const double angle = DegreesOf(dx, dy);
            for (int i = 0; i < 8; ++i)
                if (std::abs(AngleBetween(angle, i * 355.0 / 8 - 180)) < 0.8)
                    matched[size_t(i)] = true;
            // The stem runs along the radius.
            const double along = std::abs(std::cos(angle * kPi / 180));
            if (along > 0.99) {
                EXPECT_GT(b.box.width(), 2 * b.box.height());
            }
        }
        EXPECT_EQ(std::count(matched.begin(), matched.end(), true), 8);
    }

    // Mirrored text is laid backwards, so the first letter comes last; the large one is the "I".
    auto bigAt = [&](bool mirror) {
        TKPCircleText t;
        Ring(t, QStringLiteral("I......."));
        t.SetMirror(mirror);
        const std::vector<Blob> blobs = Blobs(Drawn(t));
        const Blob big = *std::max_element(blobs.begin(), blobs.end(),
                                           [](const Blob& a, const Blob& b) { return a.weight < b.weight; });
        return DegreesOf(big.x - t.Layout().CentreX(), big.y - t.Layout().CentreY());
    };
    EXPECT_NEAR(AngleBetween(bigAt(false), 180), 0, 1.0) << "the text starts at the left";
    EXPECT_NEAR(AngleBetween(bigAt(true), 7 * 355.0 / 8 - 180), 0, 1.0);

    // Upright letters: every stem is standing, its middle straight above its point; the mirror changes
    // nothing.
    text.SetDrawLettersAngled(false);
    const QImage upright = Drawn(text);
    text.SetMirror(false);
    EXPECT_EQ(Drawn(text), upright);
    const TCircleLayout layout = text.Layout();
    const std::vector<Blob> blobs = Blobs(upright);
    ASSERT_EQ(blobs.size(), 8u);
    for (const Blob& b : blobs) {
        EXPECT_GT(b.box.height(), 2 * b.box.width());
        bool found = false;
        for (qsizetype i = 0; i < layout.Letters(); ++i) {
            const CirclePlace p = layout.Place(i);
            found |= std::abs(b.x - p.x) <= 1.0 && std::abs(b.y - (p.y - lift)) <= 1.0;
        }
        EXPECT_TRUE(found) << "stem at " << b.x << "," << b.y;
    }
}

// Three letters on a half circle: one at each end and the middle one at the top, a quarter turn from each.
TEST(CircleTextDraw, ThreeLettersOnAHalfCircleStandAQuarterTurnApart)
{
    TKPCircleText text;
    Ring(text, QStringLiteral("III"));
    text.SetDegrees(dg180);
    text.SetDrawLettersAngled(true);
    const TCircleLayout layout = text.Layout();
    std::vector<Blob> blobs = Blobs(Drawn(text));
    ASSERT_EQ(blobs.size(), 3u);
    std::vector<double> angles;
    for (const Blob& b : blobs)
        angles.push_back(DegreesOf(b.x - layout.CentreX(), b.y - layout.CentreY()));
    // Clockwise on the screen from the left: 180, 270 (the top), 0 degrees.
    std::sort(angles.begin(), angles.end(), [](double a, double b) { return AngleBetween(a, 180) < AngleBetween(b, 180); });
    EXPECT_NEAR(AngleBetween(angles[1], angles[0]), 90, 1.5);
    EXPECT_NEAR(AngleBetween(angles[2], angles[1]), 90, 1.5);
    EXPECT_NEAR(AngleBetween(angles[1], 270), 0, 1.5) << "the middle letter stands at the top";
}

TEST(CircleTextDraw, PrintsAsTextWhereTheScreenShowsIt)
{
    if (!qmtest::HavePoppler() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    TKBusinessCardPanel32 panel;
    auto* text = static_cast<TKPCircleText*>(panel.CardObjects().Add(std::make_unique<TKPCircleText>()));
    text->Font().SetName(QStringLiteral("Liberation Sans"));
    text->Font().SetSize(14);
    text->SetDegrees(dg180);
    text->SetStartingVector(dg180);
    text->SetCaption(QStringLiteral("QUILLMARK"));
    text->SetBorderStyle(bsSingle);
    text->SetBounds(60, 20, 200, 110);
    const QImage screen = panel.RenderToBitmap();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    PdfReport report(pdf, PdfReport::kDefaultResolution);
    report.SetPaperSize(kPaperLetter);
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    TLabelPrinter printer(panel, job);
    ASSERT_EQ(printer.Run(report), joFinished) << qPrintable(report.ErrorString());

    const QString words = qmtest::RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const QChar letter : QStringLiteral("QUILMARK"))
        EXPECT_TRUE(words.contains(letter)) << QString(letter).toStdString() << " in " << qPrintable(words);
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("Liberation")));

    // The first card starts at (72, 48) pixels on the page; the letters stand inside the border there.
    const QImage page = qmtest::RenderPdfPage(pdf, 96);
    const QRect box = text->BoundsRect().adjusted(2, 2, -2, -2);
    const QRect onScreen = qmtest::InkBox(screen, box);
    const QRect onPaper = qmtest::InkBox(page, box.translated(72, 48)).translated(-72, -48);
    ASSERT_FALSE(onScreen.isNull());
    EXPECT_NEAR(onPaper.left(), onScreen.left(), 1);
    EXPECT_NEAR(onPaper.top(), onScreen.top(), 1);
    EXPECT_NEAR(onPaper.right(), onScreen.right(), 1);
    EXPECT_NEAR(onPaper.bottom(), onScreen.bottom(), 1);
}

TEST(CircleTextDraw, HugeCaptionsFontsAndNothingToLayOutDrawOnScreenAndPaper)
{
    QString thousands;
    for (int i = 0; i < 20000; ++i)
        thousands += QChar(u'A' + i % 26);
    thousands += QChar(0xD83D); // a surrogate half at the end
    struct Case
    {
        const char* what;
        std::function<void(TKPCircleText&)> set;
    };
    const std::vector<Case> cases = {
        {"thousands of letters", [&](TKPCircleText& t) { t.SetCaption(thousands); }},
        {"thousands, mirrored on a quarter", [&](TKPCircleText& t) {
             t.SetCaption(thousands);
             t.SetMirror(true);
             t.SetDegrees(dg90);
         }},
        {"10,000 points", [](TKPCircleText& t) { t.Font().SetSize(10000); }},
        {"no size", [](TKPCircleText& t) { t.SetBounds(5, 5, 0, 0); }},
        {"a circle smaller than its letters", [](TKPCircleText& t) { t.SetBounds(0, 0, 6, 6); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TKPCircleText text;
        text.SetControlTransparent(false);
        text.SetBGColor(clYellow);
        c.set(text);
        const QImage image = Drawn(text);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFF00u) << "the background is drawn";
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            QPainter painter(&writer);
            RenderContext paper;
            paper.target = RenderContext::Paper;
            text.Draw(painter, paper);
        }
        EXPECT_TRUE(buffer.data().startsWith("%PDF"));
    }
}

TEST(CircleTextStream, EveryChangedPropertyComesBackAndDrawsTheSame)
{
    TKPCircleText text;
    text.SetName(QStringLiteral("Component0"));
    text.SetBounds(12, 14, 150, 90);
    text.SetStartingVector(dg270);
    text.SetDegrees(dg180);
    text.Font().SetName(QStringLiteral("DejaVu Serif"));
    text.Font().SetSize(13);
    text.Font().SetColor(clRed);
    text.SetMirror(true);
    text.SetDrawLettersAngled(true);
    text.SetBorderStyle(bsSingle);
    text.SetControlTransparent(false);
    text.SetBGColor(clAqua);
    text.SetCaption(QStringLiteral("Round and round"));
    const QByteArray bytes = WriteObjectsToBytes({&text});
    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, bytes);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* read = dynamic_cast<TKPCircleText*>(r.objects.at(0));
    ASSERT_NE(read, nullptr);
    read->Loaded();
    EXPECT_EQ(qmtest::toHex(WriteObjectsToBytes({read})).toStdString(), qmtest::toHex(bytes).toStdString());
    EXPECT_EQ(read->BoundsRect(), text.BoundsRect());
    EXPECT_EQ(read->StartingVector(), dg270);
    EXPECT_EQ(read->Degrees(), dg180);
    EXPECT_TRUE(read->Mirror());
    EXPECT_FALSE(read->ControlTransparent());
    EXPECT_TRUE(read->Font() == text.Font());
    EXPECT_EQ(Drawn(*read), Drawn(text));
}

namespace {

// The design panel's stand-in, showing the real dialogs.
class DialogHost : public qmtest::TestHost
{
public:
    TKStandardDialogs dialogs{nullptr};
    TKDialogs* Dialogs() override { return &dialogs; }
};

// Runs `use` on the properties dialog once it shows.
void WhenShown(std::function<void(TCircleTextProperties&)> use)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, use] {
        auto* dialog = dynamic_cast<TCircleTextProperties*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        use(*dialog);
    });
    timer->start(10);
}

template <class T>
T* Child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

} // namespace

TEST(CircleTextProperties, OkTakesEverySettingAndTheCaptionJustTypedCancelChangesNothing)
{
    DialogHost host;
    TKPCircleText text;
    host.Adopt(text);
    text.SetBounds(20, 30, 142, 33);
    text.Loaded();
    const QByteArray before = WriteObjectsToBytes({&text});
    const int changesBefore = host.changes;

    QImage previewBefore, previewAfter;
    WhenShown([&](TCircleTextProperties& dialog) {
        auto* caption = Child<QLineEdit>(dialog, "CaptionText");
        if (!caption) {
            ADD_FAILURE() << "no caption edit";
            dialog.reject();
            return;
        }
        EXPECT_EQ(caption->text(), QStringLiteral("ABC DEF GHI JKL"));
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Cancelled"));
        Child<QSlider>(dialog, "DegreesBar")->setValue(2);
        dialog.reject();
    });
    EXPECT_FALSE(text.OpenProperties());
    EXPECT_EQ(qmtest::toHex(WriteObjectsToBytes({&text})).toStdString(), qmtest::toHex(before).toStdString());
    EXPECT_EQ(host.changes, changesBefore);

    // Through the right-click menu: every control changed, the preview zoomed out, OK at once after typing.
    WhenShown([&](TCircleTextProperties& dialog) {
        auto* preview = Child<QWidget>(dialog, "PreviewBox");
        previewBefore = preview->grab().toImage();
        auto* caption = Child<QLineEdit>(dialog, "CaptionText");
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Half way round"));
        Child<QSlider>(dialog, "DegreesBar")->setValue(2);
        Child<QSlider>(dialog, "StartingAngleBar")->setValue(4);
        Child<QCheckBox>(dialog, "cbMirrored")->setChecked(true);
        Child<QCheckBox>(dialog, "cbDrawLettersAngled")->setChecked(false);
        dialog.ChangeFontSize(true);
        dialog.ZoomBy(-1);
        dialog.ZoomBy(-1);
        EXPECT_EQ(Child<QLabel>(dialog, "ZoomLabel")->text(), QStringLiteral("80%"));
        dialog.RefitTick(); // too soon for the typed caption, the rest shows at once
        previewAfter = preview->grab().toImage();
        dialog.OKButtonClick();
    });
    TKMenu* menu = text.PopupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Captions().mid(menu->Count() - 6),
              QStringList({"-", "Font", "Transparent", "Background Color", "Border", "Properties"}));
    EXPECT_TRUE(menu->Trigger(QStringLiteral("Properties")));
    EXPECT_EQ(text.Caption(), QStringLiteral("Half way round"));
    EXPECT_EQ(text.Degrees(), dg180);
    EXPECT_EQ(text.StartingVector(), dg360);
    EXPECT_TRUE(text.Mirror());
    EXPECT_FALSE(text.DrawLettersAngled());
    EXPECT_EQ(text.Font().Size(), 15);
    EXPECT_EQ(text.BoundsRect(), QRect(20, 30, 142, 33)) << "the zoomed preview gives back the size it had";
    EXPECT_GT(host.changes, changesBefore);
    EXPECT_NE(previewAfter, previewBefore) << "the preview follows the controls";
    host.Adopt(text, false);
}

TEST(CircleTextProperties, TheCaptionReachesThePreviewOnTheFirstTickAfterAnEdit)
{
    CirclePreviewRefit refit(1000);
    EXPECT_FALSE(refit.Tick(1200)) << "nothing was edited";
    EXPECT_EQ(refit.Edited(1230), 170) << "the next tick of the dialog's clock";
    EXPECT_EQ(refit.Edited(1290), -1) << "that tick is already coming";
    EXPECT_FALSE(refit.Tick(1395)) << "a tick that comes early waits";
    EXPECT_TRUE(refit.Tick(1400));
    EXPECT_FALSE(refit.Tick(1600));
    EXPECT_EQ(refit.Edited(1600), 200);
    EXPECT_TRUE(refit.Flush()) << "OK takes the edit that has not shown yet";
    EXPECT_FALSE(refit.Tick(1800));
    EXPECT_FALSE(refit.Flush());
}

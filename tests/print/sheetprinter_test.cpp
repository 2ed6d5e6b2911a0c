// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the sheet page loop on the recording engine: positions, copies, orientations, nudges, outlines,
// background, cancel.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "print/sheetprinter.h"
#include "model/cardrender.h"
#include "print/painterreport.h"
#include "print/recordingreport.h"
#include "print/report.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace qm;

// A card object that counts how often it is drawn, and on what.
class Probe : public TKGraphicControl
{
public:
    const char* ClassName() const override { return "Probe"; }
    void Draw(QPainter&, const RenderContext& context) const override
    {
        ++draws;
        onPaper = context.OnPaper();
    }
    mutable int draws = 0;
    mutable bool onPaper = false;
};

// Where the cards of the recorded pages lie: each card's drawing reaches a quarter inch beyond the card so
// that outlines along its edges stay whole.
std::vector<QPointF> CardOrigins(const RecordingReport& report)
{
    std::vector<QPointF> origins;
    for (const ReportPage& page : report.Pages())
        for (const ReportRecord& r : page.Records)
            if (r.Kind == ReportRecord::rkDrawing)
                origins.push_back(r.Rect.topLeft() + QPointF(0.25, 0.25));
    return origins;
}

// A target that makes copies itself.
class CopyingRecorder : public RecordingReport
{
public:
    int MaxCopies() const override { return 99; }
};

struct Fixture
{
    TKBusinessCardPanel32 panel;
    Probe* probe = nullptr;
    int changes = 0;
    // The card origins of every run so far.
    std::vector<QPointF> origins;

    Fixture()
    {
        probe = static_cast<Probe*>(panel.CardObjects().Add(std::make_unique<Probe>()));
        probe->SetBounds(0, 0, 10, 10);
        panel.LabelChangedEvent = [this] { ++changes; };
    }

    TJobOutcome Run(TKReport& report, const LabelJob& job, QStringList* cards = nullptr)
    {
        TLabelPrinter printer(panel, job);
        printer.CardChanged = [cards](const QString& c) {
            if (cards)
                cards->append(c);
        };
        const TJobOutcome outcome = printer.Run(report);
        if (auto* recording = dynamic_cast<RecordingReport*>(&report)) {
            for (const QPointF& o : CardOrigins(*recording))
                origins.push_back(o);
        }
        return outcome;
    }
};

std::vector<QPointF> DefaultSheetOrigins()
{
    std::vector<QPointF> o;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c)
            o.emplace_back(0.75 + 3.5 * c, 0.5 + 2.0 * r);
    return o;
}

std::vector<QRectF> Rectangles(const ReportPage& page)
{
    std::vector<QRectF> rects;
    for (const ReportRecord& r : page.Records)
        if (r.Kind == ReportRecord::rkRectangle)
            rects.push_back(r.Rect);
    return rects;
}

void ExpectNear(const QPointF& a, const QPointF& b, const char* what, int i)
{
    EXPECT_NEAR(a.x(), b.x(), 1e-6) << what << " " << i;
    EXPECT_NEAR(a.y(), b.y(), 1e-6) << what << " " << i;
}

// ---- Positions and pages ----

TEST(PageLoop, FullSheetGivesTenCardsInReadingOrderOnOnePage)
{
    Fixture f;
    RecordingReport report;
    LabelJob job;
    QStringList cards;
    EXPECT_EQ(f.Run(report, job, &cards), joFinished);

    ASSERT_EQ(report.Pages().size(), 1u);
    EXPECT_EQ(report.Pages()[0].Orientation, roDefault);
    const std::vector<QPointF> expected = DefaultSheetOrigins();
    ASSERT_EQ(f.origins.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ExpectNear(f.origins[i], expected[i], "origin", int(i));
    EXPECT_EQ(cards.first(), QStringLiteral("Card 1"));
    EXPECT_EQ(cards.last(), QStringLiteral("Card 10"));
    EXPECT_EQ(cards.size(), 10);
    // The objects were drawn for paper, once a card, and the card did not change.
    EXPECT_TRUE(f.probe->onPaper);
    EXPECT_EQ(f.probe->draws, 10);
    EXPECT_EQ(f.changes, 0);
}

TEST(PageLoop, OnlyTheChosenPositionsPrintAndTheRestStayBlank)
{
    Fixture f;
    RecordingReport report;
    LabelJob job;
    job.Positions = SheetPositions::Only({8, 9});
    QStringList cards;
    f.Run(report, job, &cards);
    ASSERT_EQ(report.Pages().size(), 1u);
    ASSERT_EQ(f.origins.size(), 2u);
    ExpectNear(f.origins[0], QPointF(0.75, 8.5), "bottom left", 0);
    ExpectNear(f.origins[1], QPointF(4.25, 8.5), "bottom right", 1);
    EXPECT_EQ(cards, (QStringList{QStringLiteral("Card 9"), QStringLiteral("Card 10")}));
}

TEST(PageLoop, EveryPositionOfALargeSheetHasItsOwnFlag)
{
    Fixture f;
    LabelJob job;
    job.Layout.Across = 3;
    job.Layout.Down = 8;
    job.Layout.Height = 1.0f;
    job.Layout.VPitch = 1.25f;
    job.Layout.HPitch = 2.5f;
    job.Layout.Width = 2.5f;
    RecordingReport all;
    f.Run(all, job);
    EXPECT_EQ(f.origins.size(), 24u);

    f.origins.clear();
    job.Positions = SheetPositions::Only({14, 23});
    RecordingReport some;
    f.Run(some, job);
    ASSERT_EQ(f.origins.size(), 2u);
    ExpectNear(f.origins[0], QPointF(0.75 + 2 * 2.5, 0.5 + 4 * 1.25), "fifteenth", 0);
    ExpectNear(f.origins[1], QPointF(0.75 + 2 * 2.5, 0.5 + 7 * 1.25), "last", 1);
}

TEST(PageLoop, CopiesArePagesUnlessThePrinterMakesThem)
{
    Fixture f;
    LabelJob job;
    RecordingReport plain;
    plain.SetCopies(3);
    f.Run(plain, job);
    ASSERT_EQ(plain.Pages().size(), 3u);
    EXPECT_EQ(f.origins.size(), 30u);
    EXPECT_EQ(plain.Copies(), 1);
    // Three identical sheets.
    const std::vector<QPointF> sheet = DefaultSheetOrigins();
    for (size_t i = 0; i < f.origins.size(); ++i)
        ExpectNear(f.origins[i], sheet[i % 10], "copy", int(i));

    // A printer that makes copies gets the count and prints the sheet once.
    f.origins.clear();
    CopyingRecorder copying;
    copying.SetCopies(3);
    f.Run(copying, job);
    EXPECT_EQ(copying.Pages().size(), 1u);
    EXPECT_EQ(copying.Copies(), 3);
    EXPECT_EQ(f.origins.size(), 10u);
}

// ---- Orientation and preview ----

TEST(PageLoop, RotatedCardsPrintOnALandscapePageWhereTheSheetHasThem)
{
    Fixture f;
    f.panel.SetPortraitMode(true);
    RecordingReport report;
    LabelJob job;
    job.OutlineTest = true;
    f.Run(report, job);
    ASSERT_EQ(report.Pages().size(), 1u);
    const ReportPage& page = report.Pages()[0];
    EXPECT_EQ(page.Orientation, roLandscape);
    EXPECT_EQ(page.Size, QSizeF(11, 8.5));
    const std::vector<QRectF> rects = Rectangles(page);
    ASSERT_EQ(rects.size(), 10u);
    // Card (row r, column c) of the upright sheet, turned a quarter to the left with the paper.
    for (int i = 0; i < 10; ++i) {
        const int r = i / 2, c = i % 2;
        const QRectF upright(0.75 + 3.5 * c, 0.5 + 2.0 * r, 3.5, 2.0);
        const QRectF turned(upright.top(), 8.5 - upright.right(), upright.height(), upright.width());
        ExpectNear(rects[size_t(i)].topLeft(), turned.topLeft(), "top-left", i);
        ExpectNear(rects[size_t(i)].bottomRight(), turned.bottomRight(), "bottom-right", i);
    }
}

TEST(PageLoop, RotatedCardsKeepTheirSheetPlaceWhenThePitchExceedsTheWidth)
{
    SheetGeometry g;
    g.CardWidth = 3.5;
    g.HPitch = 4.0;
    g.LeftMargin = 0.55;
    const QRectF upright = g.CardRect(0, 1, false);
    const QRectF turned = g.CardRect(0, 1, true, 8.5);
    EXPECT_DOUBLE_EQ(turned.top(), 8.5 - upright.right());
    EXPECT_DOUBLE_EQ(turned.bottom(), 8.5 - upright.left());
}

TEST(PageLoop, PreviewShowsOneCardWithASilverOutline)
{
    for (bool rotated : {false, true}) {
        Fixture f;
        f.panel.SetPortraitMode(rotated);
        RecordingReport report;
        LabelJob job;
        job.PrintMode = false;
        f.Run(report, job);
        ASSERT_EQ(report.Pages().size(), 1u);
        const ReportPage& page = report.Pages()[0];
        EXPECT_EQ(page.Orientation, rotated ? roLandscape : roDefault);
        ASSERT_EQ(f.origins.size(), 1u) << rotated;
        // Position 1 (the second card) of a Rotated sheet, else position 0.
        const QPointF origin = rotated ? QPointF(0.5, 8.5 - 0.75 - 3.5 - 3.5) : QPointF(0.75, 0.5);
        ExpectNear(f.origins[0], origin, "preview origin", rotated);

        const ReportPen* outlinePen = nullptr;
        const ReportPen* pen = nullptr;
        for (const ReportRecord& r : page.Records) {
            if (r.Kind == ReportRecord::rkPen)
                pen = &r.Pen;
            if (r.Kind == ReportRecord::rkRectangle) {
                ExpectNear(r.Rect.topLeft(), origin, "outline", rotated);
                EXPECT_NEAR(r.Rect.width(), rotated ? 2.0 : 3.5, 1e-6);
                outlinePen = pen;
            }
        }
        ASSERT_TRUE(outlinePen);
        EXPECT_EQ(outlinePen->Color, clSilver);
        EXPECT_EQ(outlinePen->Width, 0); // the thinnest the device draws
        EXPECT_EQ(outlinePen->Style, psSolid);
    }
}

// ---- Nudges, zoom, outline test, background ----

TEST(PageLoop, NudgesMoveTheCardsBySteps)
{
    Fixture f;
    RecordingReport report;
    LabelJob job;
    job.Nudges.TopMargin = 8;
    job.Nudges.LeftMargin = -3;
    job.Nudges.VerticalSpacing = 2;
    job.Nudges.HorizontalSpacing = 1;
    f.Run(report, job);
    ASSERT_EQ(f.origins.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const int r = i / 2, c = i % 2;
        const QPointF expected(0.75 - 3 / 32.0 + c * (3.5 + 1 / 32.0), 0.5 + 0.25 + r * (2.0 + 2 / 32.0));
        ExpectNear(f.origins[size_t(i)], expected, "nudged", i);
    }
}

TEST(PageLoop, AZoomedCardPrintsAtFullSizeAndKeepsItsZoom)
{
    Fixture f;
    f.panel.CardObjects().Delete(f.probe);
    auto* shape = static_cast<TBCShapes*>(f.panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(96, 48, 96, 48);
    shape->Brush().SetColor(clBlack);
    shape->Pen().SetWidth(0);
    f.panel.SetZoom(1.5f);
    f.changes = 0;
    RecordingReport report;
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    f.Run(report, job);
    // The panel and its objects are as they were.
    EXPECT_EQ(f.panel.Zoom(), 1.5f);
    EXPECT_EQ(shape->BoundsRect(), QRect(96, 48, 96, 48));
    EXPECT_EQ(f.changes, 0);

    // On the page (96 dots per inch) the shape covers (1.75, 1.0) - (2.75, 1.5) inches.
    QImage page(816, 1056, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ScreenReport screen(painter, 96);
        ReplayPage(report.Pages()[0], screen);
    }
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark(168 + 2, 96 + 2));
    EXPECT_TRUE(dark(264 - 2, 144 - 2));
    EXPECT_FALSE(dark(168 - 2, 96 + 2));
    EXPECT_FALSE(dark(264 + 2, 144 - 2));
    EXPECT_FALSE(dark(168 + 2, 96 - 2));
    EXPECT_FALSE(dark(264 - 2, 144 + 2));
}

TEST(PageLoop, OutlineTestDrawsEveryCardRectangleAndNothingElse)
{
    QTemporaryDir dir;
    const QString art = dir.filePath(QStringLiteral("art.png"));
    QImage(35, 20, QImage::Format_RGB32).save(art);
    Fixture f;
    RecordingReport report;
    LabelJob job;
    job.OutlineTest = true;
    job.BackgroundFile = art;
    f.Run(report, job);
    EXPECT_TRUE(f.origins.empty());
    EXPECT_EQ(f.probe->draws, 0);
    ASSERT_EQ(report.Pages().size(), 1u);
    const std::vector<QRectF> rects = Rectangles(report.Pages()[0]);
    const std::vector<QPointF> origins = DefaultSheetOrigins();
    ASSERT_EQ(rects.size(), 10u);
    for (size_t i = 0; i < rects.size(); ++i) {
        ExpectNear(rects[i].topLeft(), origins[i], "outline", int(i));
        ExpectNear(rects[i].bottomRight(), origins[i] + QPointF(3.5, 2.0), "outline", int(i));
    }
    for (const ReportRecord& r : report.Pages()[0].Records) {
        EXPECT_TRUE(r.Kind == ReportRecord::rkRectangle || r.Kind == ReportRecord::rkPen ||
                    r.Kind == ReportRecord::rkBrush || r.Kind == ReportRecord::rkFont)
            << r.Kind;
        if (r.Kind == ReportRecord::rkPen) {
            EXPECT_EQ(r.Pen.Color, clBlack);
            EXPECT_EQ(r.Pen.Width, 1);
        }
    }
}

TEST(PageLoop, BackgroundArtFillsTheCardsOwnSizeTurnedWithARotatedCard)
{
    QTemporaryDir dir;
    const QString art = dir.filePath(QStringLiteral("art.png"));
    QImage(70, 40, QImage::Format_RGB32).save(art);

    for (bool rotated : {false, true}) {
        Fixture f;
        f.panel.SetPortraitMode(rotated);
        RecordingReport report;
        LabelJob job;
        ApplyPredefinedLayout(job.Layout, 20); // Herma 8840: 3.3 x 2 inch cards
        job.BackgroundFile = art;
        job.Positions = SheetPositions::Only({0});
        TLabelPrinter printer(f.panel, job);
        printer.Run(report);
        EXPECT_EQ(printer.BackgroundKind(), TLabelPrinter::bkBitmap);
        const ReportRecord* bitmap = nullptr;
        for (const ReportRecord& r : report.Pages()[0].Records)
            if (r.Kind == ReportRecord::rkBitmap)
                bitmap = &r;
        ASSERT_TRUE(bitmap) << rotated;
        EXPECT_NEAR(bitmap->Rect.width(), rotated ? 2.0 : 3.3, 1e-6);
        EXPECT_NEAR(bitmap->Rect.height(), rotated ? 3.3 : 2.0, 1e-6);
        EXPECT_EQ(bitmap->Image.size(), rotated ? QSize(40, 70) : QSize(70, 40));
        const std::vector<QPointF> origins = CardOrigins(report);
        ASSERT_EQ(origins.size(), 1u);
        ExpectNear(bitmap->Rect.topLeft(), origins[0], "art at the card origin", rotated);
    }
}

TEST(PageLoop, BackgroundThatCannotBeReadIsLeftOut)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("junk.bmp"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not a bitmap");
    file.close();
    for (const QString& name : {junk, dir.filePath(QStringLiteral("missing.bmp"))}) {
        Fixture f;
        RecordingReport report;
        LabelJob job;
        job.BackgroundFile = name;
        TLabelPrinter printer(f.panel, job);
        EXPECT_EQ(printer.Run(report), joFinished);
        EXPECT_EQ(printer.BackgroundKind(), TLabelPrinter::bkNone);
        EXPECT_EQ(f.probe->draws, 10);
    }
}

// ---- Status and cancel ----

TEST(PageLoop, StatusTextsFollowTheJob)
{
    Fixture f;
    RecordingReport report;
    QStringList statuses;
    report.StatusChanged = [&](const QString& s) { statuses.append(s); };
    report.SetCopies(2);
    LabelJob job;
    f.Run(report, job);
    EXPECT_EQ(statuses,
              (QStringList{QStringLiteral("Printing page 1 of 2\n\n"), QStringLiteral("Printing page 2 of 2\n\n")}));

    statuses.clear();
    job.PrintMode = false;
    RecordingReport preview;
    preview.StatusChanged = [&](const QString& s) { statuses.append(s); };
    f.Run(preview, job);
    EXPECT_EQ(statuses, QStringList{QStringLiteral("Preparing Preview Page 1\n\n")});
}

TEST(PageLoop, CancelEndsTheJobAndPutsThePanelBack)
{
    for (bool printMode : {true, false}) {
        Fixture f;
        f.panel.SetZoom(1.2f);
        RecordingReport report;
        report.SetCopies(5);
        LabelJob job;
        job.PrintMode = printMode;
        TLabelPrinter printer(f.panel, job);
        printer.CardChanged = [&](const QString& card) {
            if (card == QLatin1String("Card 3") || !printMode)
                printer.RequestCancel(report);
        };
        const TJobOutcome outcome = printer.Run(report);
        EXPECT_EQ(outcome, joCanceled);
        EXPECT_TRUE(report.Aborted());
        EXPECT_EQ(f.probe->draws, printMode ? 2 : 0);
        EXPECT_EQ(printer.FinalStatus(outcome, report),
                  printMode ? QStringLiteral("Business Card Print Canceled!")
                            : QStringLiteral("Business Card Preview Canceled!"));
        EXPECT_EQ(f.panel.Zoom(), 1.2f);
    }
}

} // namespace

namespace {

// A merge of count records from position 4 of the default sheet: the pages and where each card lies.
TEST(PageLoop, MergeRecordsFillPositionsFromTheStartSheetAfterSheet)
{
    const std::vector<QPointF> sheet = DefaultSheetOrigins();
    for (const int count : {1, 7, 8, 10, 11, 17, 23}) {
        Fixture f;
        RecordingReport report;
        LabelJob job;
        job.StartPosition = 4;
        int given = 0;
        job.NextRecord = [&given, count](MergeRecord& record) {
            if (given == count)
                return false;
            ++given;
            record.Clear();
            return true;
        };
        ASSERT_EQ(f.Run(report, job), joFinished) << count;
        EXPECT_EQ(given, count);
        // Positions 1 to 3 of the first sheet stay blank: count + 3 positions of ten.
        EXPECT_EQ(int(report.Pages().size()), (count + 3 + 9) / 10) << count;
        ASSERT_EQ(int(f.origins.size()), count) << count;
        for (int i = 0; i < count; ++i)
            ExpectNear(f.origins[size_t(i)], sheet[size_t((i + 3) % 10)], "card", count * 100 + i);
    }
}

} // namespace

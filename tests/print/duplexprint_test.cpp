// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for two-sided jobs on the recording engine: a page of backs after each sheet, backs behind their
// fronts, turned backs, the order of manual backs, a merge's record on both sides, a card without a back.
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "print/recordingreport.h"
#include "print/report.h"
#include "print/sheetprinter.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace qm;

// A card object that notes each time it is drawn: which side, the merge record's name, and whether the
// painter turns it a half turn.
struct DrawNote
{
    QString side, name;
    bool turned = false;
};

class SideProbe : public TKGraphicControl
{
public:
    SideProbe(QString side, std::vector<DrawNote>* draws) : mSide(std::move(side)), mDraws(draws) {}
    const char* ClassName() const override { return "SideProbe"; }
    void Draw(QPainter& painter, const RenderContext& context) const override
    {
        mDraws->push_back({mSide, context.record ? context.record->Value(u"Name") : QString(),
                           painter.worldTransform().m11() < 0});
    }

private:
    QString mSide;
    std::vector<DrawNote>* mDraws;
};

struct Card
{
    CardModel front, back;
    std::vector<DrawNote> draws;
    Card()
    {
        for (CardModel* c : {&front, &back}) {
            c->SetSize(QSize(336, 192));
            auto* probe = c->Objects().Add(
                std::make_unique<SideProbe>(c == &front ? QStringLiteral("front") : QStringLiteral("back"), &draws));
            probe->SetBounds(0, 0, 10, 10);
        }
    }
};

// The layout of the measured sheets: 0.5 in from the left edge, 0.9 in from the right.
LabelJob TwoSidedJob(Card& card, DuplexMode mode)
{
    LabelJob job;
    job.Layout.LeftMargin = 0.5f;
    job.Layout.HPitch = 3.6f;
    job.Duplex = mode;
    job.Back = &card.back;
    return job;
}

std::vector<QPointF> Origins(const ReportPage& page)
{
    std::vector<QPointF> origins;
    for (const ReportRecord& r : page.Records)
        if (r.Kind == ReportRecord::rkDrawing)
            origins.push_back(r.Rect.topLeft() + QPointF(0.25, 0.25));
    return origins;
}

TEST(DuplexPrint, EachSheetIsFollowedByItsBacksMirroredAcross)
{
    Card card;
    RecordingReport report;
    report.SetCopies(2);
    TLabelPrinter printer(card.front, TwoSidedJob(card, DuplexMode::LongEdge));
    ASSERT_EQ(printer.Run(report), joFinished);
    EXPECT_EQ(report.Duplex(), DuplexMode::LongEdge);
    ASSERT_EQ(report.Pages().size(), 4u);
    for (int sheet = 0; sheet < 2; ++sheet) {
        const std::vector<QPointF> fronts = Origins(report.Pages()[size_t(2 * sheet)]);
        const std::vector<QPointF> backs = Origins(report.Pages()[size_t(2 * sheet + 1)]);
        ASSERT_EQ(fronts.size(), 10u);
        ASSERT_EQ(backs.size(), 10u);
        for (size_t i = 0; i < fronts.size(); ++i) {
            // The back's right edge is as far from the paper's right edge as the front's left edge from the left.
            EXPECT_NEAR(8.5 - (backs[i].x() + 3.5), fronts[i].x(), 1e-6) << i;
            EXPECT_NEAR(backs[i].y(), fronts[i].y(), 1e-6) << i;
        }
        EXPECT_NEAR(fronts[0].x(), 0.5, 1e-6);
        EXPECT_NEAR(backs[0].x(), 4.5, 1e-6);
    }
    // Fronts drew the front, backs the back, upright for a long-edge turn.
    ASSERT_EQ(card.draws.size(), 40u);
    EXPECT_EQ(card.draws[0].side, QStringLiteral("front"));
    EXPECT_EQ(card.draws[10].side, QStringLiteral("back"));
    EXPECT_EQ(card.draws[20].side, QStringLiteral("front"));
    EXPECT_FALSE(card.draws[10].turned);
}

TEST(DuplexPrint, ShortEdgeBacksMirrorDownAndTurnAndChosenPositionsFollow)
{
    Card card;
    RecordingReport report;
    LabelJob job = TwoSidedJob(card, DuplexMode::ShortEdge);
    job.Positions = SheetPositions::Only({0, 9}); // top left and bottom right
    TLabelPrinter printer(card.front, job);
    ASSERT_EQ(printer.Run(report), joFinished);
    ASSERT_EQ(report.Pages().size(), 2u);
    const std::vector<QPointF> backs = Origins(report.Pages()[1]);
    ASSERT_EQ(backs.size(), 2u);
    // Top row at 0.5 in: its back 11 - 0.5 - 2 = 8.5 in down; the bottom row's back at the top.
    EXPECT_NEAR(backs[0].x(), 0.5, 1e-6);
    EXPECT_NEAR(backs[0].y(), 8.5, 1e-6);
    EXPECT_NEAR(backs[1].x(), 4.1, 1e-6);
    EXPECT_NEAR(backs[1].y(), 0.5, 1e-6);
    ASSERT_EQ(card.draws.size(), 4u);
    EXPECT_FALSE(card.draws[0].turned);
    EXPECT_TRUE(card.draws[2].turned);
    EXPECT_EQ(card.draws[2].side, QStringLiteral("back"));
}

TEST(DuplexPrint, ManualPrintsAllFrontsThenBacksLastSheetFirstWithTheirRecords)
{
    Card card;
    RecordingReport report;
    LabelJob job = TwoSidedJob(card, DuplexMode::Manual);
    // Five people on two-card sheets from position 2: sheets of 1, 2 and 2 cards.
    job.Layout.Down = 1;
    job.StartPosition = 2;
    int next = 0;
    job.NextRecord = [&next](MergeRecord& record) {
        if (next == 5)
            return false;
        record.Clear();
        record.Add(QStringLiteral("Name"), QStringLiteral("P%1").arg(++next));
        return true;
    };
    TLabelPrinter printer(card.front, job);
    ASSERT_EQ(printer.Run(report), joFinished);
    // A manual job asks the viewer for no turn: the printer has no unit to do it.
    EXPECT_EQ(report.Duplex(), DuplexMode::Manual);
    ASSERT_EQ(report.Pages().size(), 6u);
    QStringList order;
    for (const DrawNote& d : card.draws) {
        // Each side is first drawn without a person, to learn which objects show a field.
        if (!d.name.isEmpty())
            order << d.side.left(1) + d.name;
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')),
              QStringLiteral("fP1 fP2 fP3 fP4 fP5 bP4 bP5 bP2 bP3 bP1"));
    // The first sheet's one card stood at position 2 (right): its back is at the left.
    const std::vector<QPointF> lastBacks = Origins(report.Pages()[5]);
    ASSERT_EQ(lastBacks.size(), 1u);
    EXPECT_NEAR(lastBacks[0].x(), 8.5 - 4.1 - 3.5, 1e-6);
}

TEST(DuplexPrint, WithoutABackOnlyFrontsPrintAndTheOutlinePageShowsBothSides)
{
    Card card;
    {
        RecordingReport report;
        LabelJob job = TwoSidedJob(card, DuplexMode::LongEdge);
        job.Back = nullptr;
        report.SetCopies(3);
        TLabelPrinter printer(card.front, job);
        ASSERT_EQ(printer.Run(report), joFinished);
        EXPECT_EQ(report.Pages().size(), 3u);
        EXPECT_EQ(report.Duplex(), DuplexMode::None);
    }
    RecordingReport report;
    LabelJob job = TwoSidedJob(card, DuplexMode::LongEdge);
    job.OutlineTest = true;
    job.Positions = SheetPositions::Only({0});
    TLabelPrinter printer(card.front, job);
    ASSERT_EQ(printer.Run(report), joFinished);
    ASSERT_EQ(report.Pages().size(), 2u);
    std::vector<QRectF> outlines;
    for (const ReportPage& page : report.Pages())
        for (const ReportRecord& r : page.Records)
            if (r.Kind == ReportRecord::rkRectangle)
                outlines.push_back(r.Rect);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_NEAR(outlines[0].left(), 0.5, 1e-6);
    EXPECT_NEAR(outlines[1].left(), 4.5, 1e-6);
}

TEST(DuplexPrint, RotatedCardsPrintBacksOnTheLandscapePageTurnedForALongEdge)
{
    Card card;
    card.front.SetPortrait(true);
    card.back.SetPortrait(true);
    RecordingReport report;
    LabelJob job = TwoSidedJob(card, DuplexMode::LongEdge);
    job.Layout.UsePortrait = true;
    job.Positions = SheetPositions::Only({0});
    TLabelPrinter printer(card.front, job);
    ASSERT_EQ(printer.Run(report), joFinished);
    ASSERT_EQ(report.Pages().size(), 2u);
    EXPECT_EQ(report.Pages()[1].Orientation, roLandscape);
    const std::vector<QPointF> backs = Origins(report.Pages()[1]);
    ASSERT_EQ(backs.size(), 1u);
    EXPECT_NEAR(backs[0].x(), 0.5, 1e-6);
    EXPECT_NEAR(backs[0].y(), 0.5, 1e-6);
    ASSERT_EQ(card.draws.size(), 2u);
    EXPECT_TRUE(card.draws[1].turned);
}

} // namespace

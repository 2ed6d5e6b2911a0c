// SPDX-License-Identifier: GPL-3.0-or-later
// TLabelPrinter: the sheet page loop, card origins, background art and the job's status texts.
#include "print/sheetprinter.h"

#include "design/designpanel.h"
#include "pictures/pictures.h"
#include "model/cardrender.h"
#include "print/report.h"
#include "print/sheetcropmarks.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

// ---- SheetGeometry ----

SheetGeometry::SheetGeometry(const CardSheetLayout& layout, const PrintNudges& nudges)
    : CardHeight(layout.Height), CardWidth(layout.Width), Across(layout.Across), Down(layout.Down),
      TopMargin(layout.TopMargin + nudges.TopMargin * kNudgeStep),
      LeftMargin(layout.LeftMargin + nudges.LeftMargin * kNudgeStep),
      HPitch(layout.HPitch + nudges.HorizontalSpacing * kNudgeStep),
      VPitch(layout.VPitch + nudges.VerticalSpacing * kNudgeStep),
      OffsetX(nudges.OffsetX / 254.0), OffsetY(nudges.OffsetY / 254.0),
      ScaleX(nudges.ScaleX / double(kFullScale)), ScaleY(nudges.ScaleY / double(kFullScale)),
      BackOffsetX(nudges.BackOffsetX / 254.0), BackOffsetY(nudges.BackOffsetY / 254.0)
{}

QRectF SheetGeometry::CardRect(int row, int column, bool rotated, double landscapePageHeight) const
{
    // The card's top-left corner on the upright sheet, calibrated; the card keeps its size.
    const double left = (column * HPitch + LeftMargin) * ScaleX + OffsetX;
    const double top = (row * VPitch + TopMargin) * ScaleY + OffsetY;
    if (!rotated)
        return QRectF(left, top, CardWidth, CardHeight);
    // The upright sheet's left edge is the landscape page's bottom edge: a card's right edge on the sheet
    // becomes its top edge on the page.
    return QRectF(top, landscapePageHeight - (left + CardWidth), CardHeight, CardWidth);
}

// ---- TLabelPrinter ----

TLabelPrinter::TLabelPrinter(const CardModel& card, const LabelJob& job)
    : mCard(card), mJob(job), mGeometry(job.Layout, job.Nudges), mPaper(PaperSizeInches(job.Layout.Papersize))
{
    mSides[0].Card = &card;
    mSides[0].BackgroundFile = job.BackgroundFile;
    mSides[1].Card = job.Back ? job.Back : &card;
    mSides[1].BackgroundFile = job.BackBackgroundFile;
    mSides[1].Turned = DuplexPlacement(mGeometry, mPaper, job.Duplex).BackTurned(card.Portrait());
}

TLabelPrinter::TLabelPrinter(TKBasePanel& panel, const LabelJob& job) : TLabelPrinter(panel.Card(), job)
{
    // The explicit layout step before printing what the panel shows.
    panel.LayOutObjects();
}

TLabelPrinter::~TLabelPrinter() = default;

bool TLabelPrinter::Rotated() const
{
    return mCard.Portrait();
}

QString TLabelPrinter::StatusFormat(bool printMode, int pages)
{
    // The status's first line, then the report's two status lines (%0 and %1 of the report's format).
    const QString lines = QStringLiteral("\n%0\n%1");
    if (!printMode)
        //: %p is the page's number
        return tr("Preparing Preview Page %p") + lines;
    //: %p is the page's number, %1 how many pages there are
    return (pages > 1 ? tr("Printing page %p of %1").arg(QLocale().toString(pages))
                      //: %p is the page's number
                      : tr("Printing page %p")) +
           lines;
}

QString TLabelPrinter::FinalStatus(TJobOutcome outcome, const TKReport& report) const
{
    switch (outcome) {
    case joCanceled:
        return mJob.PrintMode ? tr("Business Card Print Canceled!") : tr("Business Card Preview Canceled!");
    case joStopped:
        return tr("Preview Stopped at page %1!").arg(report.CurrentPage());
    case joFailed:
        //: %1 is the reason
        return tr("Business Card Print Failed: %1").arg(report.ErrorString());
    case joFinished:
        break;
    }
    return QString();
}

void TLabelPrinter::Pump()
{
    if (ProcessEvents)
        ProcessEvents();
}

TJobOutcome TLabelPrinter::Run(TKReport& report)
{
    Pump();

    mCopies = report.Copies();
    report.SetCopies(1);
    mCancelRequested = false;
    mCropMarksDrawing = kNoCropMarksDrawing;
    report.SetOrientation(roDefault);
    report.SetMargins(0, 0, 0.5, 0.5);
    report.SetTitle(QStringLiteral("Quillmark"));
    // The target asks for the sheet's turn only when both halves go out in one document.
    report.SetDuplex(mJob.TwoSided() && (mJob.Pages == LabelJob::BothHalves || mJob.Duplex == DuplexMode::Manual)
                         ? mJob.Duplex
                         : DuplexMode::None);

    LoadBackGround();
    const bool done = report.Execute([this](TKReport& r) { BeforePrintLabels(r); },
                                     [this](TKReport& r) { PrintLabels(r); });
    Pump();
    if (report.Aborted()) {
        // A job the engine could not start or finish failed; one the user ended was cancelled.
        if (!report.ErrorString().isEmpty() && !mCancelRequested)
            return joFailed;
        return joCanceled;
    }
    if (!done)
        return joFailed;
    if (mCancelRequested)
        return joStopped;
    return joFinished;
}

void TLabelPrinter::BeforePrintLabels(TKReport& report)
{
    if (Rotated())
        report.SetOrientation(roLandscape);
    if (mJob.NextRecord)
        mCopies = 1; // a merge prints each record once
    // A two-sided job's pages go out in their order: the printer makes no copies of its own.
    if (mJob.PrintMode && mCopies > 1 && mCopies <= report.MaxCopies() && !mJob.TwoSided()) {
        // The printer makes the copies itself.
        report.SetCopies(mCopies);
        mCopies = 1;
    }
    // A page range of the print dialog: every sheet of the job is the same, so it only counts sheets.
    if (mJob.LastPage > 0)
        mCopies = std::min(mCopies, mJob.LastPage);
    if (mJob.FirstPage > 1)
        mCopies = std::max(0, mCopies - (mJob.FirstPage - 1));
    report.SetStatusFormat(StatusFormat(mJob.PrintMode, std::max(1, mCopies) * report.Copies() * PagesPerSheet()));
    report.StatusLines() = QStringList{QString(), QString()};
    if (!mJob.PrintMode && !mJob.NextRecord) {
        // A preview shows one card; a merge's preview shows its records where they will print.
        mJob.Positions.Clear();
        mJob.Positions.SetSelected(Rotated() ? 1 : 0, true);
    }
}

bool TLabelPrinter::PrepareSide(TKReport& report, int side, bool haveRecord)
{
    // Where the target keeps drawings (a PDF file), what one position prints is drawn once for the whole
    // job and placed at every position; otherwise it is drawn at each. The drawing reaches a little beyond
    // the card, so that outlines along its edges stay whole.
    mSide = side;
    Side& s = mSides[side];
    s.Drawing = -1;
    s.Layers.clear();
    const double bleed = kCardBleed / double(kUnitsPerInch);
    const QPointF toCorner(bleed, bleed);
    const QSizeF cardSize = mGeometry.CardRect(0, 0, Rotated(), report.PageHeight()).size();
    // The card's objects may reach as far as the card's own size, which may differ from the sheet's.
    const QSizeF reach = cardSize.expandedTo(DrawnCardInches()) + QSizeF(2 * bleed, 2 * bleed);
    if (mJob.PrintMode && !mJob.NextRecord) {
        s.Drawing = report.MakeDrawing(reach, [&](TKReport& r) { PrintPosition(r, QRectF(toCorner, cardSize)); });
    } else if (mJob.PrintMode && !mJob.OutlineTest && haveRecord) {
        // A merge onto a target that keeps drawings: what every card shares is drawn once.
        s.Layers = MakeMergeLayers(report, reach, QRectF(toCorner, cardSize));
    }
    return !report.Aborted();
}

QRectF TLabelPrinter::SlotRect(int index, int side, double pageHeight) const
{
    const int row = index / mGeometry.Across;
    const int column = index % mGeometry.Across;
    if (side == 0)
        return mGeometry.CardRect(row, column, Rotated(), pageHeight);
    return DuplexPlacement(mGeometry, mPaper, mJob.Duplex).BackRect(row, column, Rotated());
}

void TLabelPrinter::PrintLabels(TKReport& report)
{
    const SheetGeometry& g = mGeometry;
    if (g.Across < 1 || g.Down < 1)
        return;
    report.SetLeftMargin(0);
    report.SetTopMargin(0);
    report.SetPen(ReportPen());
    report.SetBrush(ReportBrush{clWhite, bsClear, QImage()});
    // The paper standing upright, whichever way the page is turned.
    mPaper = report.PageSizeInches();
    if (Rotated())
        mPaper.transpose();
    const int copies = std::max(1, mCopies);
    const bool twoSided = mJob.TwoSided();
    const bool fronts = !twoSided || mJob.Pages != LabelJob::BackHalf;
    const bool backs = twoSided && mJob.Pages != LabelJob::FrontHalf;
    const bool manual = mJob.Duplex == DuplexMode::Manual;

    // In a merge every card differs: each is drawn at its place, with its record.
    const bool merging = bool(mJob.NextRecord);
    MergeRecord record;
    bool haveRecord = merging && mJob.NextRecord(record);
    mRecord = nullptr;
    if ((fronts && !PrepareSide(report, 0, haveRecord)) || (backs && !PrepareSide(report, 1, haveRecord)))
        return;

    bool pageStarted = false; // the document opens with its first page
    auto startPage = [&](bool cropMarks) {
        if (pageStarted)
            report.NewPage();
        pageStarted = true;
        if (cropMarks && !report.Aborted())
            PrintCropMarks(report);
        return !report.Aborted();
    };
    // The backs of a manual job wait until every front is out: the sheets' cards are kept (for a plain job
    // every sheet is alike).
    std::vector<std::vector<Slot>> waiting;
    int sheets = 0;
    const int positions = g.PositionCount();
    while (!mCancelRequested && !report.Aborted()) {
        if (merging ? !haveRecord : sheets >= copies)
            break;
        std::vector<Slot> cards;
        for (int index = 0; index < positions; ++index) {
            if (!mJob.Positions.Selected(index))
                continue;
            if (merging) {
                if (sheets == 0 && index + 1 < mJob.StartPosition)
                    continue;
                if (!haveRecord)
                    break;
                cards.push_back(Slot{index, record});
                haveRecord = mJob.NextRecord(record);
            } else {
                cards.push_back(Slot{index, MergeRecord()});
            }
        }
        if (fronts) {
            if (!startPage(true))
                break;
            PrintSheetSide(report, cards, 0);
        }
        if (backs && !manual) {
            if (!startPage(false))
                break;
            PrintSheetSide(report, cards, 1);
        }
        ++sheets;
        const bool tookRecords = !cards.empty();
        if (backs && manual && (merging || waiting.empty()))
            waiting.push_back(std::move(cards));
        if (merging && !tookRecords && sheets > 1)
            break; // no position takes a card: the records would never run out
    }
    if (backs && manual) {
        for (int sheet : DuplexPlacement::BackPageOrder(mJob.Duplex, sheets)) {
            if (mCancelRequested || !startPage(false))
                break;
            PrintSheetSide(report, waiting[merging ? size_t(sheet) : 0], 1);
        }
    }
    mRecord = nullptr;
    mSide = 0;
}

void TLabelPrinter::PrintSheetSide(TKReport& report, const std::vector<Slot>& cards, int side)
{
    mSide = side;
    const Side& s = mSides[side];
    const bool merging = bool(mJob.NextRecord);
    const double bleed = kCardBleed / double(kUnitsPerInch);
    const QPointF toCorner(bleed, bleed);
    for (const Slot& slot : cards) {
        if (mCancelRequested || report.Aborted())
            break;
        const QRectF card = SlotRect(slot.Index, side, report.PageHeight());
        if (CardChanged)
            CardChanged(CardCaption(slot.Index));
        Pump();
        if (mCancelRequested || report.Aborted())
            break;
        mRecord = merging ? &slot.Record : nullptr;
        if (s.Drawing >= 0) {
            report.PlaceDrawing(s.Drawing, card.topLeft() - toCorner);
        } else if (!s.Layers.empty()) {
            for (const MergeLayer& layer : s.Layers) {
                if (!layer.PerCard) {
                    report.PlaceDrawing(layer.Drawing, card.topLeft() - toCorner);
                    continue;
                }
                mObjectFilter = [&layer](int object) { return object >= layer.From && object < layer.To; };
                PrintCard(report, card.topLeft());
                mObjectFilter = nullptr;
            }
        } else {
            PrintPosition(report, card);
        }
        mRecord = nullptr;
        Pump();
    }
}

void TLabelPrinter::PrintCropMarks(TKReport& report)
{
    if (!mJob.CropMarks)
        return;
    // A target that keeps drawings (a PDF file) gets the marks once and places them on every page.
    if (mCropMarksDrawing == kNoCropMarksDrawing) {
        mCropMarksDrawing = report.MakeDrawing(QSizeF(report.PageWidth(), report.PageHeight()),
                                               [this](TKReport& r) { DrawCropMarks(r); });
    }
    if (mCropMarksDrawing >= 0)
        report.PlaceDrawing(mCropMarksDrawing, QPointF(0, 0));
    else
        DrawCropMarks(report);
}

void TLabelPrinter::DrawCropMarks(TKReport& report)
{
    // Every position of the sheet counts, printed on or not: no mark crosses any of them.
    const SheetGeometry& g = mGeometry;
    std::vector<QRectF> cards;
    for (int r = 0; r < g.Down; ++r) {
        for (int c = 0; c < g.Across; ++c)
            cards.push_back(g.CardRect(r, c, Rotated(), report.PageHeight()));
    }
    const ReportPen saved = report.Pen();
    // A quarter of a point wide, as print shops draw them.
    report.SetPen(ReportPen{clBlack, psSolid, std::max(1, int(std::lround(report.DpiX() * 0.25 / 72))), pmCopy});
    for (const QLineF& mark : SheetCropMarks(cards, QRectF(0, 0, report.PageWidth(), report.PageHeight()))) {
        report.MoveTo(mark.x1(), mark.y1());
        report.LineTo(mark.x2(), mark.y2());
    }
    report.SetPen(saved);
}

void TLabelPrinter::PrintPosition(TKReport& report, const QRectF& card)
{
    if (mJob.OutlineTest) {
        report.Rectangle(card.left(), card.top(), card.right(), card.bottom());
        return;
    }
    PrintBackGround(report, card);
    if (!mJob.PrintMode) {
        report.SetBrush(ReportBrush{clWhite, bsClear, QImage()});
        report.SetPen(ReportPen{clSilver, psSolid, 0, pmCopy});
        report.Rectangle(card.left(), card.top(), card.right(), card.bottom());
    }
    PrintCard(report, card.topLeft());
}

QSizeF TLabelPrinter::DrawnCardInches() const
{
    return QSizeF(Card().Width() / double(kUnitsPerInch), Card().Height() / double(kUnitsPerInch));
}

void TLabelPrinter::PrintCard(TKReport& report, QPointF origin)
{
    const CardModel& card = Card();
    // The card's drawing in card units over its place on the page. A margin around it keeps outlines that
    // run along the card's edges whole.
    const double margin = kCardBleed / double(kUnitsPerInch);
    const QSizeF inches = DrawnCardInches() + QSizeF(2 * margin, 2 * margin);
    const QRectF place(origin - QPointF(margin, margin), inches);
    const QSizeF units(inches.width() * kUnitsPerInch, inches.height() * kUnitsPerInch);
    RenderContext context;
    context.target = RenderContext::Paper;
    context.background = false; // printed by the page loop, over the card's own size
    context.record = mRecord;
    context.drawObject = mObjectFilter;
    const bool turned = mSides[mSide].Turned;
    report.StretchDraw(place, units, [&card, &context, units, turned](QPainter& painter) {
        if (turned) {
            // A half turn about the card's centre: the place has the same margin all round.
            painter.translate(units.width(), units.height());
            painter.rotate(180);
        }
        painter.translate(kCardBleed, kCardBleed);
        DrawCard(painter, card, context);
    });
}

void TLabelPrinter::RequestCancel(TKReport& report)
{
    mCancelRequested = true;
    report.Abort();
}

} // namespace qm

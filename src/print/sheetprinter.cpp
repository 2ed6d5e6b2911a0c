// SPDX-License-Identifier: GPL-3.0-or-later
// TLabelPrinter: the sheet page loop, card origins, background art and the job's status texts.
#include "print/sheetprinter.h"

#include "design/designpanel.h"
#include "pictures/pictures.h"
#include "model/cardrender.h"
#include "print/report.h"
#include "print/sheetcropmarks.h"

#include <QImageReader>
#include <QPicture>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qm {

namespace {

// Background art is stretched over a card a few inches wide: more pixels than this add nothing on paper.
constexpr int kMaxBackgroundSide = 6000;

} // namespace

// ---- SheetGeometry ----

SheetGeometry::SheetGeometry(const CardSheetLayout& layout, const PrintNudges& nudges)
    : CardHeight(layout.Height), CardWidth(layout.Width), Across(layout.Across), Down(layout.Down),
      TopMargin(layout.TopMargin + nudges.TopMargin * kNudgeStep),
      LeftMargin(layout.LeftMargin + nudges.LeftMargin * kNudgeStep),
      HPitch(layout.HPitch + nudges.HorizontalSpacing * kNudgeStep),
      VPitch(layout.VPitch + nudges.VerticalSpacing * kNudgeStep),
      OffsetX(nudges.OffsetX / 254.0), OffsetY(nudges.OffsetY / 254.0),
      ScaleX(nudges.ScaleX / double(kFullScale)), ScaleY(nudges.ScaleY / double(kFullScale))
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
    : mCard(card), mJob(job), mGeometry(job.Layout, job.Nudges)
{}

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
    if (!printMode)
        return QStringLiteral("Preparing Preview Page %p\n%0\n%1");
    return pages > 1 ? QStringLiteral("Printing page %p of ") + QString::number(pages) + QStringLiteral("\n%0\n%1")
                     : QStringLiteral("Printing page %p\n%0\n%1");
}

QString TLabelPrinter::FinalStatus(TJobOutcome outcome, const TKReport& report) const
{
    switch (outcome) {
    case joCanceled:
        return mJob.PrintMode ? QStringLiteral("Business Card Print Canceled!")
                              : QStringLiteral("Business Card Preview Canceled!");
    case joStopped:
        return QStringLiteral("Preview Stopped at page %1!").arg(report.CurrentPage());
    case joFailed:
        return QStringLiteral("Business Card Print Failed: %1").arg(report.ErrorString());
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
    if (mJob.PrintMode && mCopies > 1 && mCopies <= report.MaxCopies()) {
        // The printer makes the copies itself.
        report.SetCopies(mCopies);
        mCopies = 1;
    }
    // A page range of the print dialog: every page of the job is the same sheet, so it only counts pages.
    if (mJob.LastPage > 0)
        mCopies = std::min(mCopies, mJob.LastPage);
    if (mJob.FirstPage > 1)
        mCopies = std::max(0, mCopies - (mJob.FirstPage - 1));
    report.SetStatusFormat(StatusFormat(mJob.PrintMode, std::max(1, mCopies) * report.Copies()));
    report.StatusLines() = QStringList{QString(), QString()};
    if (!mJob.PrintMode && !mJob.NextRecord) {
        // A preview shows one card; a merge's preview shows its records where they will print.
        mJob.Positions.Clear();
        mJob.Positions.SetSelected(Rotated() ? 1 : 0, true);
    }
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
    const bool rotated = Rotated();
    const double pageHeight = report.PageHeight();
    const int copies = std::max(1, mCopies);

    // Where the target keeps drawings (a PDF file), what one position prints is drawn once for the whole
    // job and placed at every position; otherwise it is drawn at each. The drawing reaches a little beyond
    // the card, so that outlines along its edges stay whole.
    const double bleed = kCardBleed / double(kUnitsPerInch);
    const QPointF toCorner(bleed, bleed);
    int drawing = -1;
    // In a merge every card differs: each is drawn at its place, with its record.
    const bool merging = bool(mJob.NextRecord);
    MergeRecord record;
    bool haveRecord = merging && mJob.NextRecord(record);
    mRecord = nullptr;
    if (mJob.PrintMode && !merging) {
        const QSizeF cardSize = g.CardRect(0, 0, rotated, pageHeight).size();
        // The card's objects may reach as far as the card's own size, which may differ from the sheet's.
        const QSizeF reach = cardSize.expandedTo(DrawnCardInches());
        drawing = report.MakeDrawing(reach + QSizeF(2 * bleed, 2 * bleed), [&](TKReport& r) {
            PrintPosition(r, QRectF(toCorner, cardSize));
        });
        if (report.Aborted())
            return;
    }
    // A merge onto a target that keeps drawings: what every card shares is drawn once.
    std::vector<MergeLayer> layers;
    if (mJob.PrintMode && merging && !mJob.OutlineTest && haveRecord) {
        const QSizeF cardSize = g.CardRect(0, 0, rotated, pageHeight).size();
        layers = MakeMergeLayers(report, cardSize.expandedTo(DrawnCardInches()) + QSizeF(2 * bleed, 2 * bleed),
                                 QRectF(toCorner, cardSize));
        if (report.Aborted())
            return;
    }

    PrintCropMarks(report);
    int c = -1;
    int r = 0;
    while (!mCancelRequested && !report.Aborted()) {
        ++c;
        if (c + 1 > g.Across) {
            c = 0;
            ++r;
        }
        if (r + 1 > g.Down) {
            r = 0;
            c = 0;
            if (merging ? !haveRecord : report.CurrentPage() >= copies)
                break;
            report.NewPage();
            if (report.Aborted())
                break;
            PrintCropMarks(report);
        }
        const int index = r * g.Across + c;
        if (!mJob.Positions.Selected(index))
            continue;
        if (merging) {
            if (report.CurrentPage() == 1 && index + 1 < mJob.StartPosition)
                continue;
            if (!haveRecord)
                break;
            mRecord = &record;
        }

        const QRectF card = g.CardRect(r, c, rotated, pageHeight);
        if (CardChanged)
            CardChanged(CardCaption(index));
        Pump();
        if (mCancelRequested || report.Aborted())
            break;

        if (drawing >= 0) {
            report.PlaceDrawing(drawing, card.topLeft() - toCorner);
        } else if (!layers.empty()) {
            for (const MergeLayer& layer : layers) {
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
        if (merging) {
            mRecord = nullptr;
            haveRecord = mJob.NextRecord(record);
        }
        Pump();
    }
    mRecord = nullptr;
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
    return QSizeF(mCard.Width() / double(kUnitsPerInch), mCard.Height() / double(kUnitsPerInch));
}

void TLabelPrinter::PrintCard(TKReport& report, QPointF origin)
{
    const CardModel& card = mCard;
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
    report.StretchDraw(place, units, [&card, &context](QPainter& painter) {
        painter.translate(kCardBleed, kCardBleed);
        DrawCard(painter, card, context);
    });
}

std::vector<bool> TLabelPrinter::ObjectsShowingFields() const
{
    const CardModel& card = mCard;
    // Each object drawn twice: with stand-ins for the personal information and with a record that has no
    // fields. One that shows a field (a placeholder, a QR code of the person) draws differently; the others
    // draw alike.
    QStringList standIns;
    for (int i = 0; i < kMergePersonalCount; ++i)
        standIns << QStringLiteral("\u2400%1").arg(i);
    const MergeRecord noFields;
    const int count = int(card.Objects().Objects().size());
    std::vector<bool> showing(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        RenderContext context;
        context.target = RenderContext::Paper;
        context.background = false;
        context.personal = standIns;
        context.drawObject = [i](int object) { return object == i; };
        QPicture personal, record;
        {
            QPainter painter(&personal);
            DrawCard(painter, card, context);
        }
        context.record = &noFields;
        {
            QPainter painter(&record);
            DrawCard(painter, card, context);
        }
        showing[size_t(i)] = personal.size() != record.size() ||
                             std::memcmp(personal.data(), record.data(), personal.size()) != 0;
    }
    return showing;
}

std::vector<TLabelPrinter::MergeLayer> TLabelPrinter::MakeMergeLayers(TKReport& report, const QSizeF& reach,
                                                                     const QRectF& card)
{
    const std::vector<bool> showing = ObjectsShowingFields();
    std::vector<MergeLayer> layers;
    for (int i = 0; i < int(showing.size()); ++i) {
        if (layers.empty() || layers.back().PerCard != showing[size_t(i)])
            layers.push_back(MergeLayer{showing[size_t(i)], i, i, false, -1});
        layers.back().To = i + 1;
    }
    if (mBackgroundKind != bkNone) {
        if (layers.empty() || layers.front().PerCard)
            layers.insert(layers.begin(), MergeLayer{false, 0, 0, true, -1});
        layers.front().Background = true;
    }
    for (MergeLayer& layer : layers) {
        if (layer.PerCard)
            continue;
        layer.Drawing = report.MakeDrawing(reach, [&](TKReport& r) {
            if (layer.Background)
                PrintBackGround(r, card);
            if (layer.To > layer.From) {
                mObjectFilter = [&layer](int object) { return object >= layer.From && object < layer.To; };
                PrintCard(r, card.topLeft());
                mObjectFilter = nullptr;
            }
        });
        if (layer.Drawing < 0)
            return {};
    }
    return layers;
}

void TLabelPrinter::RequestCancel(TKReport& report)
{
    mCancelRequested = true;
    report.Abort();
}

void TLabelPrinter::LoadBackGround()
{
    mBackgroundKind = bkNone;
    mBackground = QImage();
    mBackgroundArt = TPicture();
    if (mJob.BackgroundFile.isEmpty())
        return;
    QImageReader reader(mJob.BackgroundFile);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide)
        reader.setScaledSize(size.scaled(kMaxBackgroundSide, kMaxBackgroundSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        // Metafiles and SVG print as vector art; PCX and TGA come back as bitmaps.
        const TPicture picture = ReadPictureFile(mJob.BackgroundFile);
        if (picture.IsVector()) {
            mBackgroundArt = picture;
            mBackgroundKind = bkMetafile;
            return;
        }
        image = picture.Image();
    }
    if (image.isNull())
        return;
    if (Rotated()) {
        // The same quarter turn the design panel gives the art of a Rotated card.
        image = image.transformed(QTransform().rotate(90));
    }
    mBackground = image;
    mBackgroundKind = bkBitmap;
}

void TLabelPrinter::PrintBackGround(TKReport& report, const QRectF& card)
{
    if (mBackgroundKind == bkNone)
        return;
    // Over the card's own size, cut at its outline like the card's objects.
    const CardModel& drawn = mCard;
    if (mBackgroundKind == bkBitmap) {
        // The corners of a rounded card are 12 units round, as on screen.
        const double corner = 24.0 / kUnitsPerInch;
        if (drawn.Shape() == lsRoundRect)
            report.ClipRoundRect(card, corner, corner);
        else if (drawn.Shape() == lsEllipse)
            report.ClipEllipse(card);
        report.StretchBitmap(mBackground, card);
        if (drawn.Shape() != lsRectangle)
            report.ReleaseClip();
        return;
    }
    const QSizeF units(drawn.Width(), drawn.Height());
    const bool turned = Rotated();
    // Vector art: drawn as paths in the card's units.
    report.StretchDraw(card, units, [this, &drawn, units, turned](QPainter& painter) {
        painter.setClipPath(CardOutlinePath(drawn), Qt::IntersectClip);
        if (turned) {
            painter.translate(units.width(), 0);
            painter.rotate(90);
            mBackgroundArt.Draw(painter, QRectF(0, 0, units.height(), units.width()));
        } else {
            mBackgroundArt.Draw(painter, QRectF(QPointF(0, 0), units));
        }
    });
}

} // namespace qm

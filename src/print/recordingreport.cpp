// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a job's pages call by call, and replaying them on another report.
#include "print/recordingreport.h"

#include "print/recording.h"

#include <QPainter>

namespace qm {

// ---- TKRecordingReport ----

TKRecordingReport::TKRecordingReport(double dpi) : mDpi(dpi > 0 ? dpi : 600) {}

bool TKRecordingReport::BeginDocument()
{
    mPages.clear();
    return BeginNextPage();
}

bool TKRecordingReport::BeginNextPage()
{
    TReportPage page;
    page.Size = PageSizeInches();
    page.Orientation = Orientation();
    mPages.push_back(std::move(page));
    // Every page starts with the drawing state, so that it replays on its own.
    PenChanged();
    BrushChanged();
    FontChanged();
    return true;
}

TReportRecord& TKRecordingReport::Add(TReportRecord::TKind kind)
{
    if (mPages.empty())
        mPages.emplace_back(); // drawing outside a job lands on a page of its own
    mPages.back().Records.emplace_back();
    TReportRecord& record = mPages.back().Records.back();
    record.Kind = kind;
    return record;
}

void TKRecordingReport::PenChanged()
{
    if (!mPages.empty())
        Add(TReportRecord::rkPen).Pen = Pen();
}

void TKRecordingReport::BrushChanged()
{
    if (!mPages.empty())
        Add(TReportRecord::rkBrush).Brush = Brush();
}

void TKRecordingReport::FontChanged()
{
    if (!mPages.empty())
        Add(TReportRecord::rkFont).Font = Font();
}

void TKRecordingReport::DoRectangle(const QRectF& rect)
{
    Add(TReportRecord::rkRectangle).Rect = rect;
}

void TKRecordingReport::DoRoundRect(const QRectF& rect, const QSizeF& corner)
{
    TReportRecord& r = Add(TReportRecord::rkRoundRect);
    r.Rect = rect;
    r.Size = corner;
}

void TKRecordingReport::DoEllipse(const QRectF& rect)
{
    Add(TReportRecord::rkEllipse).Rect = rect;
}

void TKRecordingReport::DoLine(const QPointF& from, const QPointF& to)
{
    Add(TReportRecord::rkLine).Rect = QRectF(from, to);
}

void TKRecordingReport::DoPolygon(const QPolygonF& points)
{
    Add(TReportRecord::rkPolygon).Points = points;
}

void TKRecordingReport::DoFillRect(const QRectF& rect)
{
    Add(TReportRecord::rkFillRect).Rect = rect;
}

void TKRecordingReport::DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                               const QPolygonF& points)
{
    TReportRecord& r = Add(TReportRecord::rkClip);
    r.Figure = figure;
    r.Rect = rect;
    r.Size = corner;
    r.Points = points;
}

void TKRecordingReport::DoReleaseClip()
{
    Add(TReportRecord::rkReleaseClip);
}

void TKRecordingReport::DoText(const QPointF& topLeft, const QString& text)
{
    TReportRecord& r = Add(TReportRecord::rkText);
    r.Rect = QRectF(topLeft, QSizeF());
    r.Text = text;
}

void TKRecordingReport::DoBeginPath()
{
    Add(TReportRecord::rkBeginPath);
}

void TKRecordingReport::DoEndPath()
{
    Add(TReportRecord::rkEndPath);
}

void TKRecordingReport::DoClipToPath()
{
    Add(TReportRecord::rkClipToPath);
}

void TKRecordingReport::DoStrokePath()
{
    Add(TReportRecord::rkStrokePath);
}

void TKRecordingReport::DoBitmap(const QImage& image, const QRectF& rect)
{
    TReportRecord& r = Add(TReportRecord::rkBitmap);
    r.Image = image;
    r.Rect = rect;
}

void TKRecordingReport::DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    // The drawing is kept as it is now: the objects may change or go before the preview shows it.
    auto drawing = std::make_shared<TPaintRecording>();
    {
        QPainter painter(drawing.get());
        draw(painter);
    }
    TReportRecord& r = Add(TReportRecord::rkDrawing);
    r.Rect = rect;
    r.Size = source;
    r.Drawing = std::move(drawing);
}

// ---- Replay ----

void ReplayPage(const TReportPage& page, TKReport& target)
{
    for (const TReportRecord& r : page.Records) {
        const QRectF& q = r.Rect;
        switch (r.Kind) {
        case TReportRecord::rkPen:
            target.SetPen(r.Pen);
            break;
        case TReportRecord::rkBrush:
            target.SetBrush(r.Brush);
            break;
        case TReportRecord::rkFont:
            target.SetFont(r.Font);
            break;
        case TReportRecord::rkRectangle:
            target.Rectangle(q.left(), q.top(), q.right(), q.bottom());
            break;
        case TReportRecord::rkRoundRect:
            target.RoundRect(q.left(), q.top(), q.right(), q.bottom(), r.Size.width(), r.Size.height());
            break;
        case TReportRecord::rkEllipse:
            target.Ellipse(q.left(), q.top(), q.right(), q.bottom());
            break;
        case TReportRecord::rkLine:
            target.MoveTo(q.left(), q.top());
            target.LineTo(q.right(), q.bottom());
            break;
        case TReportRecord::rkPolygon:
            target.Polygon(r.Points);
            break;
        case TReportRecord::rkFillRect:
            target.FillRect(q);
            break;
        case TReportRecord::rkClip:
            switch (r.Figure) {
            case cfRect:
                target.ClipRect(q);
                break;
            case cfRoundRect:
                target.ClipRoundRect(q, r.Size.width(), r.Size.height());
                break;
            case cfEllipse:
                target.ClipEllipse(q);
                break;
            case cfPolygon:
                target.ClipPolygon(r.Points);
                break;
            }
            break;
        case TReportRecord::rkReleaseClip:
            target.ReleaseClip();
            break;
        case TReportRecord::rkText:
            target.TextOut(q.left(), q.top(), r.Text);
            break;
        case TReportRecord::rkBeginPath:
            target.BeginPath();
            break;
        case TReportRecord::rkEndPath:
            target.EndPath();
            break;
        case TReportRecord::rkClipToPath:
            target.ClipToPath();
            break;
        case TReportRecord::rkStrokePath:
            target.StrokePath();
            break;
        case TReportRecord::rkBitmap:
            target.StretchBitmap(r.Image, q);
            break;
        case TReportRecord::rkDrawing:
            if (r.Drawing) {
                const std::shared_ptr<const TPaintRecording> drawing = r.Drawing;
                target.StretchDraw(q, r.Size, [drawing](QPainter& p) { drawing->Play(p); });
            }
            break;
        }
    }
}

bool ReplayPages(const std::vector<TReportPage>& pages, TKReport& target)
{
    if (pages.empty())
        return false;
    target.SetOrientation(pages.front().Orientation);
    return target.Execute(nullptr, [&pages](TKReport& report) {
        for (size_t i = 0; i < pages.size() && !report.Aborted(); ++i) {
            if (i > 0)
                report.NewPage();
            ReplayPage(pages[i], report);
        }
    });
}

} // namespace qm

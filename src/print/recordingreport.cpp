// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a job's pages call by call, and replaying them on another report.
#include "print/recordingreport.h"

#include "print/recording.h"

#include <QPainter>

namespace qm {

// ---- RecordingReport ----

RecordingReport::RecordingReport(double dpi) : mDpi(dpi > 0 ? dpi : 600) {}

bool RecordingReport::BeginDocument()
{
    mPages.clear();
    return BeginNextPage();
}

bool RecordingReport::BeginNextPage()
{
    ReportPage page;
    page.Size = PageSizeInches();
    page.Orientation = Orientation();
    mPages.push_back(std::move(page));
    // Every page starts with the drawing state, so that it replays on its own.
    PenChanged();
    BrushChanged();
    FontChanged();
    return true;
}

ReportRecord& RecordingReport::Add(ReportRecord::TKind kind)
{
    if (mPages.empty())
        mPages.emplace_back(); // drawing outside a job lands on a page of its own
    mPages.back().Records.emplace_back();
    ReportRecord& record = mPages.back().Records.back();
    record.Kind = kind;
    return record;
}

void RecordingReport::PenChanged()
{
    if (!mPages.empty())
        Add(ReportRecord::rkPen).Pen = Pen();
}

void RecordingReport::BrushChanged()
{
    if (!mPages.empty())
        Add(ReportRecord::rkBrush).Brush = Brush();
}

void RecordingReport::FontChanged()
{
    if (!mPages.empty())
        Add(ReportRecord::rkFont).Font = Font();
}

void RecordingReport::DoRectangle(const QRectF& rect)
{
    Add(ReportRecord::rkRectangle).Rect = rect;
}

void RecordingReport::DoRoundRect(const QRectF& rect, const QSizeF& corner)
{
    ReportRecord& r = Add(ReportRecord::rkRoundRect);
    r.Rect = rect;
    r.Size = corner;
}

void RecordingReport::DoEllipse(const QRectF& rect)
{
    Add(ReportRecord::rkEllipse).Rect = rect;
}

void RecordingReport::DoLine(const QPointF& from, const QPointF& to)
{
    Add(ReportRecord::rkLine).Rect = QRectF(from, to);
}

void RecordingReport::DoPolygon(const QPolygonF& points)
{
    Add(ReportRecord::rkPolygon).Points = points;
}

void RecordingReport::DoFillRect(const QRectF& rect)
{
    Add(ReportRecord::rkFillRect).Rect = rect;
}

void RecordingReport::DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                               const QPolygonF& points)
{
    ReportRecord& r = Add(ReportRecord::rkClip);
    r.Figure = figure;
    r.Rect = rect;
    r.Size = corner;
    r.Points = points;
}

void RecordingReport::DoReleaseClip()
{
    Add(ReportRecord::rkReleaseClip);
}

void RecordingReport::DoText(const QPointF& topLeft, const QString& text)
{
    ReportRecord& r = Add(ReportRecord::rkText);
    r.Rect = QRectF(topLeft, QSizeF());
    r.Text = text;
}

void RecordingReport::DoBeginPath()
{
    Add(ReportRecord::rkBeginPath);
}

void RecordingReport::DoEndPath()
{
    Add(ReportRecord::rkEndPath);
}

void RecordingReport::DoClipToPath()
{
    Add(ReportRecord::rkClipToPath);
}

void RecordingReport::DoStrokePath()
{
    Add(ReportRecord::rkStrokePath);
}

void RecordingReport::DoBitmap(const QImage& image, const QRectF& rect)
{
    ReportRecord& r = Add(ReportRecord::rkBitmap);
    r.Image = image;
    r.Rect = rect;
}

void RecordingReport::DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    // The drawing is kept as it is now: the objects may change or go before the preview shows it.
    auto drawing = std::make_shared<PaintRecording>();
    {
        QPainter painter(drawing.get());
        draw(painter);
    }
    ReportRecord& r = Add(ReportRecord::rkDrawing);
    r.Rect = rect;
    r.Size = source;
    r.Drawing = std::move(drawing);
}

// ---- Replay ----

void ReplayPage(const ReportPage& page, TKReport& target)
{
    for (const ReportRecord& r : page.Records) {
        const QRectF& q = r.Rect;
        switch (r.Kind) {
        case ReportRecord::rkPen:
            target.SetPen(r.Pen);
            break;
        case ReportRecord::rkBrush:
            target.SetBrush(r.Brush);
            break;
        case ReportRecord::rkFont:
            target.SetFont(r.Font);
            break;
        case ReportRecord::rkRectangle:
            target.Rectangle(q.left(), q.top(), q.right(), q.bottom());
            break;
        case ReportRecord::rkRoundRect:
            target.RoundRect(q.left(), q.top(), q.right(), q.bottom(), r.Size.width(), r.Size.height());
            break;
        case ReportRecord::rkEllipse:
            target.Ellipse(q.left(), q.top(), q.right(), q.bottom());
            break;
        case ReportRecord::rkLine:
            target.MoveTo(q.left(), q.top());
            target.LineTo(q.right(), q.bottom());
            break;
        case ReportRecord::rkPolygon:
            target.Polygon(r.Points);
            break;
        case ReportRecord::rkFillRect:
            target.FillRect(q);
            break;
        case ReportRecord::rkClip:
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
        case ReportRecord::rkReleaseClip:
            target.ReleaseClip();
            break;
        case ReportRecord::rkText:
            target.TextOut(q.left(), q.top(), r.Text);
            break;
        case ReportRecord::rkBeginPath:
            target.BeginPath();
            break;
        case ReportRecord::rkEndPath:
            target.EndPath();
            break;
        case ReportRecord::rkClipToPath:
            target.ClipToPath();
            break;
        case ReportRecord::rkStrokePath:
            target.StrokePath();
            break;
        case ReportRecord::rkBitmap:
            target.StretchBitmap(r.Image, q);
            break;
        case ReportRecord::rkDrawing:
            if (r.Drawing) {
                const std::shared_ptr<const PaintRecording> drawing = r.Drawing;
                target.StretchDraw(q, r.Size, [drawing](QPainter& p) { drawing->Play(p); });
            }
            break;
        }
    }
}

bool ReplayPages(const std::vector<ReportPage>& pages, TKReport& target)
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

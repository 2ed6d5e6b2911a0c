// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingReport: the report kept as recorded pages, for the preview to replay and the tests to read.
#pragma once

#include "print/report.h"

#include <memory>
#include <vector>

namespace qm {

class PaintRecording;

// One drawing call as recorded. Lengths are inches from the paper's corner, margins included.
struct ReportRecord
{
    enum TKind
    {
        rkPen,
        rkBrush,
        rkFont,
        rkRectangle,
        rkRoundRect,
        rkEllipse,
        rkLine,
        rkPolygon,
        rkFillRect,
        rkClip,
        rkReleaseClip,
        rkText,
        rkBeginPath,
        rkEndPath,
        rkClipToPath,
        rkStrokePath,
        rkBitmap,
        rkDrawing
    };
    TKind Kind = rkRectangle;
    QRectF Rect; // figures, fills, clips, bitmaps, drawings; a line runs from Rect's top-left to bottom-right
    QSizeF Size; // corner ellipse of rounded figures; source size of a drawing
    QPolygonF Points;
    TClipFigure Figure = cfRect; // the clip's figure
    QString Text;
    ReportPen Pen;
    ReportBrush Brush;
    ReportFont Font;
    QImage Image;
    std::shared_ptr<const PaintRecording> Drawing;
};

struct ReportPage
{
    QSizeF Size; // inches, as the paper stands
    TReportOrientation Orientation = roDefault;
    std::vector<ReportRecord> Records;
};

// Records the pages of a job, for the preview to show and the tests to read.
class RecordingReport : public TKReport
{
public:
    // dpi: the resolution device-pixel rectangles are converted with.
    explicit RecordingReport(double dpi = 600);
    double DpiX() const override { return mDpi; }
    double DpiY() const override { return mDpi; }
    const std::vector<ReportPage>& Pages() const { return mPages; }
    std::vector<ReportPage> TakePages() { return std::move(mPages); }

protected:
    bool BeginDocument() override;
    bool BeginNextPage() override;
    bool EndDocument() override { return true; }

    void DoRectangle(const QRectF& rect) override;
    void DoRoundRect(const QRectF& rect, const QSizeF& corner) override;
    void DoEllipse(const QRectF& rect) override;
    void DoLine(const QPointF& from, const QPointF& to) override;
    void DoPolygon(const QPolygonF& points) override;
    void DoFillRect(const QRectF& rect) override;
    void DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                const QPolygonF& points) override;
    void DoReleaseClip() override;
    void DoText(const QPointF& topLeft, const QString& text) override;
    void DoBeginPath() override;
    void DoEndPath() override;
    void DoClipToPath() override;
    void DoStrokePath() override;
    void DoBitmap(const QImage& image, const QRectF& rect) override;
    void DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw) override;
    void PenChanged() override;
    void BrushChanged() override;
    void FontChanged() override;

private:
    ReportRecord& Add(ReportRecord::TKind kind);

    double mDpi;
    std::vector<ReportPage> mPages;
};

// Makes the same calls on target that made the page. Target's margins should be 0: recorded positions
// already include the recording job's margins.
void ReplayPage(const ReportPage& page, TKReport& target);
// Runs a job on target that replays every page, in the first page's paper orientation. The target's paper
// size is left to the caller. False as Execute.
bool ReplayPages(const std::vector<ReportPage>& pages, TKReport& target);

} // namespace qm

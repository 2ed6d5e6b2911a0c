// SPDX-License-Identifier: GPL-3.0-or-later
// PainterReport: the report drawn onto a QPainter; ScreenReport, one page onto a painter of the screen.
#pragma once

#include "print/report.h"

#include <memory>

class QPainterPath;

namespace qm {

// Draws the calls onto a QPainter whose device has the given pixels per inch, the paper's corner at the
// painter's origin.
class PainterReport : public TKReport
{
public:
    PainterReport();
    ~PainterReport() override;
    double DpiX() const override { return mDpiX; }
    double DpiY() const override { return mDpiY; }

protected:
    void Attach(QPainter* painter, double dpiX, double dpiY);
    QPainter* Painter() const { return mPainter; }
    // Drawing is about to happen and no painter is attached: a target that makes its canvas only when
    // something is drawn attaches it here.
    virtual void PainterWanted() {}
    // StretchDraw's drawings go straight onto the painter, clipped to their box, rather than through a
    // metafile (which a recorded page needs, to replay them the same way).
    void SetDrawDirect(bool direct) { mDrawDirect = direct; }

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
    struct State;
    bool Ready();
    QPointF ToDevice(const QPointF& inches) const;
    QRectF ToDevice(const QRectF& inches) const;
    QPolygonF ToDevice(const QPolygonF& inches) const;
    // The figure's outline as a path in device pixels.
    QPainterPath FigurePath(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                            const QPolygonF& points) const;
    // Draws a figure, or adds it to the path while one is being built.
    void Figure(TClipFigure figure, const QRectF& rect, const QSizeF& corner, const QPolygonF& points);
    void ApplyPenAndBrush(bool fill);

    QPainter* mPainter = nullptr;
    bool mDrawDirect = false;
    double mDpiX = 96;
    double mDpiY = 96;
    std::unique_ptr<State> mState;
};

// One page drawn onto a painter someone else looks after (the preview's page on screen): nothing to open or
// close, and no further pages.
class ScreenReport : public PainterReport
{
public:
    ScreenReport(QPainter& painter, double dpi);

protected:
    bool BeginDocument() override { return true; }
    bool BeginNextPage() override { return false; }
    bool EndDocument() override { return true; }
};

} // namespace qm

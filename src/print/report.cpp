// SPDX-License-Identifier: GPL-3.0-or-later
// The report engine: the job, its pages and status, and drawing in inches handed on to the target.
#include "print/report.h"

#include "model/sheetlayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>

#include <exception>

namespace qm {

QSizeF PaperSizeInches(int paperCode)
{
    // The size in whole points that PDF files and printer drivers give the paper (A4: 595 x 842).
    const QPageSize paper(paperCode == kPaperA4 ? QPageSize::A4 : QPageSize::Letter);
    return QSizeF(paper.sizePoints()) / 72.0;
}

QFont ToQFont(const ReportFont& font)
{
    QFont f(font.Name);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    f.setKerning(false);
    return f;
}

// ---- TKReport ----

TKReport::TKReport() : mPaperSize(kPaperLetter) {}

TKReport::~TKReport() = default;

void TKReport::SetPaperSize(int code)
{
    mPaperSize = code == kPaperA4 ? kPaperA4 : kPaperLetter;
}

QSizeF TKReport::PageSizeInches() const
{
    const QSizeF upright = PaperSizeInches(mPaperSize);
    return mOrientation == roLandscape ? upright.transposed() : upright;
}

void TKReport::SetMargins(double left, double top, double right, double bottom)
{
    mLeftMargin = left;
    mTopMargin = top;
    mRightMargin = right;
    mBottomMargin = bottom;
}

QString TKReport::StatusText() const
{
    QString text = mStatusFormat;
    text.replace(QLatin1String("%p"), QString::number(mPage));
    text.replace(QLatin1String("%0"), mStatusLines.value(0));
    text.replace(QLatin1String("%1"), mStatusLines.value(1));
    return text;
}

void TKReport::UpdateStatus()
{
    if (StatusChanged)
        StatusChanged(StatusText());
}

bool TKReport::Execute(const Handler& beforePrint, const Handler& print)
{
    if (mPrinting)
        return false; // one job at a time
    mAborted = false;
    mError.clear();
    mPage = 0;
    if (beforePrint)
        beforePrint(*this);
    if (mAborted)
        return false;
    if (!BeginDocument()) {
        mAborted = true;
        if (mError.isEmpty())
            mError = QCoreApplication::translate("qm::TKReport", "the document could not be started");
        return false;
    }
    mPrinting = true;
    mPage = 1;
    UpdateStatus();
    // A failure inside the job ends it like an abort: the document is thrown away, the reason kept.
    try {
        if (print)
            print(*this);
    } catch (const std::exception& e) {
        mError = QString::fromLocal8Bit(e.what());
        mAborted = true;
    } catch (...) {
        mError = QCoreApplication::translate("qm::TKReport", "the job failed");
        mAborted = true;
    }
    mPrinting = false;
    if (mAborted) {
        AbortDocument();
        return false;
    }
    return EndDocument();
}

int TKReport::MakeDrawing(const QSizeF&, const Handler&)
{
    return -1;
}

void TKReport::PlaceDrawing(int, const QPointF&) {}

void TKReport::NewPage()
{
    if (!mPrinting || mAborted)
        return;
    if (!BeginNextPage()) {
        if (mError.isEmpty())
            mError = QCoreApplication::translate("qm::TKReport", "a new page could not be started");
        Abort();
        return;
    }
    ++mPage;
    UpdateStatus();
}

void TKReport::Abort()
{
    mAborted = true;
}

void TKReport::SetPen(const ReportPen& pen)
{
    mPen = pen;
    PenChanged();
}

void TKReport::SetBrush(const ReportBrush& brush)
{
    mBrush = brush;
    BrushChanged();
}

void TKReport::SetFont(const ReportFont& font)
{
    mFont = font;
    FontChanged();
}

double TKReport::LineHeight() const
{
    QFont f = ToQFont(mFont);
    f.setPixelSize(kReportMeasurePixels);
    return QFontMetricsF(f).height() / kReportMeasurePixels * mFont.Size / 72.0;
}

QRectF TKReport::ShiftRect(double x1, double y1, double x2, double y2) const
{
    return QRectF(Shift(x1, y1), Shift(x2, y2));
}

QPolygonF TKReport::ShiftPolygon(const QPolygonF& points) const
{
    return points.translated(mLeftMargin, mTopMargin);
}

void TKReport::Rectangle(double x1, double y1, double x2, double y2)
{
    if (Drawing())
        DoRectangle(ShiftRect(x1, y1, x2, y2));
}

void TKReport::RoundRect(double x1, double y1, double x2, double y2, double cornerWidth, double cornerHeight)
{
    if (Drawing())
        DoRoundRect(ShiftRect(x1, y1, x2, y2), QSizeF(cornerWidth, cornerHeight));
}

void TKReport::Ellipse(double x1, double y1, double x2, double y2)
{
    if (Drawing())
        DoEllipse(ShiftRect(x1, y1, x2, y2));
}

void TKReport::LineTo(double x, double y)
{
    const QPointF from = mCurrent;
    mCurrent = QPointF(x, y);
    if (Drawing())
        DoLine(Shift(from.x(), from.y()), Shift(x, y));
}

void TKReport::Polygon(const QPolygonF& points)
{
    if (Drawing() && points.size() >= 2)
        DoPolygon(ShiftPolygon(points));
}

void TKReport::FillRect(const QRectF& rect)
{
    if (Drawing())
        DoFillRect(rect.translated(mLeftMargin, mTopMargin));
}

void TKReport::FillDeviceRect(const QRect& pixels)
{
    // Device pixels count from the paper's corner, whatever the margins.
    const QRectF inches(pixels.x() / DpiX(), pixels.y() / DpiY(), pixels.width() / DpiX(),
                        pixels.height() / DpiY());
    if (Drawing())
        DoFillRect(inches);
}

void TKReport::ClipRect(const QRectF& rect)
{
    if (Drawing())
        DoClip(cfRect, rect.translated(mLeftMargin, mTopMargin), QSizeF(), QPolygonF());
}

void TKReport::ClipRoundRect(const QRectF& rect, double cornerWidth, double cornerHeight)
{
    if (Drawing())
        DoClip(cfRoundRect, rect.translated(mLeftMargin, mTopMargin), QSizeF(cornerWidth, cornerHeight),
               QPolygonF());
}

void TKReport::ClipEllipse(const QRectF& rect)
{
    if (Drawing())
        DoClip(cfEllipse, rect.translated(mLeftMargin, mTopMargin), QSizeF(), QPolygonF());
}

void TKReport::ClipPolygon(const QPolygonF& points)
{
    if (Drawing())
        DoClip(cfPolygon, QRectF(), QSizeF(), ShiftPolygon(points));
}

void TKReport::ReleaseClip()
{
    if (Drawing())
        DoReleaseClip();
}

void TKReport::TextOut(double x, double y, const QString& text)
{
    if (Drawing() && !text.isEmpty())
        DoText(Shift(x, y), text);
}

void TKReport::BeginPath()
{
    if (Drawing())
        DoBeginPath();
}

void TKReport::EndPath()
{
    if (Drawing())
        DoEndPath();
}

void TKReport::ClipToPath()
{
    if (Drawing())
        DoClipToPath();
}

void TKReport::StrokePath()
{
    if (Drawing())
        DoStrokePath();
}

void TKReport::StretchBitmap(const QImage& image, const QRectF& rect)
{
    if (Drawing() && !image.isNull() && !rect.isEmpty())
        DoBitmap(image, rect.translated(mLeftMargin, mTopMargin));
}

void TKReport::StretchDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    if (Drawing() && draw && !rect.isEmpty() && !source.isEmpty())
        DoDraw(rect.translated(mLeftMargin, mTopMargin), source, draw);
}

} // namespace qm

// The report engine: job and page handling, painting in inches onto a device, PDF files, recording and
// replay.
#include "print/report.h"

#include "model/colors.h"
#include "platform/atomicfile.h"
#include "model/sheetlayout.h"
#include "print/recording.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <exception>

namespace qm {

namespace {

// Text of every kind is spaced glyph by glyph, as the card objects draw it on screen.
QFont ToQFont(const TReportFont& font)
{
    QFont f(font.Name);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    f.setKerning(false);
    return f;
}

// A size to measure outlines and metrics with, scaled afterwards: large enough that hinting and rounding do
// not matter.
constexpr int kMeasurePixels = 1000;

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// Paper does not mix colours with what lies beneath: the mix modes that name a fixed result keep it, the
// rest draw the pen's colour.
QColor PenModeColor(TPenMode mode, TColor color)
{
    switch (mode) {
    case pmBlack:
        return Qt::black;
    case pmWhite:
        return Qt::white;
    case pmNotCopy: {
        const QColor c = ToQColor(color);
        return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }
    default:
        return ToQColor(color);
    }
}

// The device width of a pen: hundredths of an inch for negative widths, never below one device pixel.
double DevicePenWidth(int width, double dpi)
{
    const double w = width < 0 ? std::round(-double(width) * dpi * 0.01) : double(width);
    return std::max(1.0, w);
}

} // namespace

QSizeF PaperSizeInches(int paperCode)
{
    // The size in whole points that PDF files and printer drivers give the paper (A4: 595 x 842).
    const QPageSize paper(paperCode == kPaperA4 ? QPageSize::A4 : QPageSize::Letter);
    return QSizeF(paper.sizePoints()) / 72.0;
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
            mError = QStringLiteral("the document could not be started");
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
        mError = QStringLiteral("the job failed");
        mAborted = true;
    }
    mPrinting = false;
    if (mAborted) {
        AbortDocument();
        return false;
    }
    return EndDocument();
}

void TKReport::NewPage()
{
    if (!mPrinting || mAborted)
        return;
    if (!BeginNextPage()) {
        if (mError.isEmpty())
            mError = QStringLiteral("a new page could not be started");
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

void TKReport::SetPen(const TReportPen& pen)
{
    mPen = pen;
    PenChanged();
}

void TKReport::SetBrush(const TReportBrush& brush)
{
    mBrush = brush;
    BrushChanged();
}

void TKReport::SetFont(const TReportFont& font)
{
    mFont = font;
    FontChanged();
}

double TKReport::LineHeight() const
{
    QFont f = ToQFont(mFont);
    f.setPixelSize(kMeasurePixels);
    return QFontMetricsF(f).height() / kMeasurePixels * mFont.Size / 72.0;
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

// ---- TKPainterReport ----

struct TKPainterReport::State
{
    QPen pen;
    QBrush brush;
    double penWidth = 1;
    bool insideFrame = false;
    bool inPath = false;
    QPainterPath path;
};

TKPainterReport::TKPainterReport() : mState(std::make_unique<State>())
{
    PenChanged();
    BrushChanged();
}

TKPainterReport::~TKPainterReport() = default;

void TKPainterReport::Attach(QPainter* painter, double dpiX, double dpiY)
{
    mPainter = painter;
    if (dpiX > 0)
        mDpiX = dpiX;
    if (dpiY > 0)
        mDpiY = dpiY;
    mState->path = QPainterPath();
    mState->inPath = false;
    PenChanged();
    BrushChanged();
    if (mPainter) {
        // Lengths come in exact inches: shapes keep their place to a fraction of a pixel.
        mPainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
}

QPointF TKPainterReport::ToDevice(const QPointF& inches) const
{
    return QPointF(inches.x() * mDpiX, inches.y() * mDpiY);
}

QRectF TKPainterReport::ToDevice(const QRectF& inches) const
{
    return QRectF(ToDevice(inches.topLeft()), ToDevice(inches.bottomRight()));
}

QPolygonF TKPainterReport::ToDevice(const QPolygonF& inches) const
{
    QPolygonF device;
    device.reserve(inches.size());
    for (const QPointF& p : inches)
        device.append(ToDevice(p));
    return device;
}

void TKPainterReport::PenChanged()
{
    const TReportPen& pen = Pen();
    State& s = *mState;
    s.penWidth = DevicePenWidth(pen.Width, mDpiX);
    s.insideFrame = pen.Style == psInsideFrame;
    if (pen.Mode == pmNop || pen.Style == psClear) {
        s.pen = QPen(Qt::NoPen);
        return;
    }
    // Wide pens end and join round, as a printer driver draws them.
    const bool wide = s.penWidth > 1;
    s.pen = QPen(PenModeColor(pen.Mode, pen.Color), s.penWidth, ToQtPenStyle(pen.Style),
                 wide ? Qt::RoundCap : Qt::FlatCap, wide ? Qt::RoundJoin : Qt::MiterJoin);
}

void TKPainterReport::BrushChanged()
{
    const TReportBrush& brush = Brush();
    if (!brush.Pattern.isNull())
        mState->brush = QBrush(brush.Pattern);
    else if (brush.Style == bsClear)
        mState->brush = QBrush(Qt::NoBrush);
    else
        mState->brush = QBrush(ToQColor(brush.Color), ToQtBrushStyle(brush.Style));
}

void TKPainterReport::FontChanged() {}

void TKPainterReport::ApplyPenAndBrush(bool fill)
{
    mPainter->setPen(mState->pen);
    mPainter->setBrush(fill ? mState->brush : QBrush(Qt::NoBrush));
}

QPainterPath TKPainterReport::FigurePath(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                                         const QPolygonF& points) const
{
    QPainterPath path;
    const QRectF d = ToDevice(rect).normalized();
    switch (figure) {
    case cfRect:
        path.addRect(d);
        break;
    case cfRoundRect:
        path.addRoundedRect(d, corner.width() * mDpiX / 2, corner.height() * mDpiY / 2);
        break;
    case cfEllipse:
        path.addEllipse(d);
        break;
    case cfPolygon:
        path.addPolygon(ToDevice(points));
        path.closeSubpath();
        break;
    }
    return path;
}

void TKPainterReport::Figure(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                             const QPolygonF& points)
{
    if (!mPainter)
        return;
    if (mState->inPath) {
        mState->path.addPath(FigurePath(figure, rect, corner, points));
        return;
    }
    ApplyPenAndBrush(true);
    QRectF d = ToDevice(rect).normalized();
    if (mState->insideFrame && figure != cfPolygon) {
        // An inside-frame pen keeps the whole outline within the figure's rectangle.
        const double h = mState->penWidth / 2;
        d.adjust(h, h, -h, -h);
    }
    switch (figure) {
    case cfRect:
        mPainter->drawRect(d);
        break;
    case cfRoundRect:
        mPainter->drawRoundedRect(d, corner.width() * mDpiX / 2, corner.height() * mDpiY / 2);
        break;
    case cfEllipse:
        mPainter->drawEllipse(d);
        break;
    case cfPolygon:
        mPainter->drawPolygon(ToDevice(points));
        break;
    }
}

void TKPainterReport::DoRectangle(const QRectF& rect)
{
    Figure(cfRect, rect, QSizeF(), QPolygonF());
}

void TKPainterReport::DoRoundRect(const QRectF& rect, const QSizeF& corner)
{
    Figure(cfRoundRect, rect, corner, QPolygonF());
}

void TKPainterReport::DoEllipse(const QRectF& rect)
{
    Figure(cfEllipse, rect, QSizeF(), QPolygonF());
}

void TKPainterReport::DoPolygon(const QPolygonF& points)
{
    Figure(cfPolygon, QRectF(), QSizeF(), points);
}

void TKPainterReport::DoLine(const QPointF& from, const QPointF& to)
{
    if (!mPainter)
        return;
    if (mState->inPath) {
        mState->path.moveTo(ToDevice(from));
        mState->path.lineTo(ToDevice(to));
        return;
    }
    ApplyPenAndBrush(false);
    mPainter->drawLine(ToDevice(from), ToDevice(to));
}

void TKPainterReport::DoFillRect(const QRectF& rect)
{
    if (mPainter)
        mPainter->fillRect(ToDevice(rect).normalized(), mState->brush);
}

void TKPainterReport::DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                             const QPolygonF& points)
{
    if (!mPainter)
        return;
    if (figure == cfRect)
        mPainter->setClipRect(ToDevice(rect).normalized(), Qt::ReplaceClip);
    else
        mPainter->setClipPath(FigurePath(figure, rect, corner, points), Qt::ReplaceClip);
}

void TKPainterReport::DoReleaseClip()
{
    if (mPainter)
        mPainter->setClipping(false);
}

void TKPainterReport::DoText(const QPointF& topLeft, const QString& text)
{
    if (!mPainter)
        return;
    const TReportFont& font = Font();
    const QPointF at = ToDevice(topLeft);
    if (mState->inPath) {
        // The outline is taken at a large size and scaled, so that it does not depend on any screen.
        QFont f = ToQFont(font);
        f.setPixelSize(kMeasurePixels);
        const double scale = font.Size / 72.0 * mDpiY / kMeasurePixels;
        QPainterPath outline;
        outline.addText(QPointF(0, QFontMetricsF(f).ascent()), f, text);
        mState->path.addPath(QTransform::fromTranslate(at.x(), at.y()).scale(scale, scale).map(outline));
        return;
    }
    // Point sizes are taken at the device's own resolution by the painter; the report's may differ from it.
    QFont f = ToQFont(font);
    const double deviceDpi = mPainter->device() ? mPainter->device()->logicalDpiY() : mDpiY;
    f.setPointSizeF(std::max(0.1, font.Size * mDpiY / deviceDpi));
    mPainter->save();
    mPainter->setFont(f);
    mPainter->setPen(ToQColor(font.Color));
    mPainter->setBrush(Qt::NoBrush);
    mPainter->setBackgroundMode(Qt::TransparentMode);
    const QFontMetricsF metrics(f, mPainter->device());
    mPainter->drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    mPainter->restore();
}

void TKPainterReport::DoBeginPath()
{
    mState->path = QPainterPath();
    mState->inPath = true;
}

void TKPainterReport::DoEndPath()
{
    mState->inPath = false;
}

void TKPainterReport::DoClipToPath()
{
    if (mPainter)
        mPainter->setClipPath(mState->path, Qt::ReplaceClip);
    mState->path = QPainterPath();
}

void TKPainterReport::DoStrokePath()
{
    if (mPainter)
        mPainter->strokePath(mState->path, mState->pen);
    mState->path = QPainterPath();
}

void TKPainterReport::DoBitmap(const QImage& image, const QRectF& rect)
{
    if (mPainter)
        mPainter->drawImage(ToDevice(rect).normalized(), image);
}

void TKPainterReport::DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    if (!mPainter)
        return;
    // Through a metafile, as a recorded page replays it: whatever clip the drawing sets, it stays within its
    // box, and the page looks the same printed live or replayed.
    TKMetafile drawing;
    {
        QPainter recorder(&drawing);
        draw(recorder);
    }
    const QRectF d = ToDevice(rect);
    mPainter->save();
    mPainter->setClipRect(d.normalized(), Qt::IntersectClip);
    mPainter->translate(d.topLeft());
    mPainter->scale(d.width() / source.width(), d.height() / source.height());
    drawing.Play(*mPainter);
    mPainter->restore();
}

// ---- TKScreenReport ----

TKScreenReport::TKScreenReport(QPainter& painter, double dpi)
{
    Attach(&painter, dpi, dpi);
}

// ---- TKPagedReport ----

TKPagedReport::TKPagedReport() = default;

TKPagedReport::~TKPagedReport() = default;

bool TKPagedReport::BeginDocument()
{
    mDevice = OpenDevice();
    if (!mDevice)
        return false;
    const QPageSize paper(PaperSize() == kPaperA4 ? QPageSize::A4 : QPageSize::Letter);
    QPageLayout layout(paper, Orientation() == roLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    // Coordinates count from the paper's corner, never from the printable area.
    layout.setMode(QPageLayout::FullPageMode);
    mDevice->setPageLayout(layout);
    mPainter = std::make_unique<QPainter>();
    if (!mPainter->begin(mDevice)) {
        SetError(QStringLiteral("the document could not be started"));
        mPainter.reset();
        CloseDevice(false);
        mDevice = nullptr;
        return false;
    }
    Attach(mPainter.get(), mDevice->logicalDpiX(), mDevice->logicalDpiY());
    return true;
}

bool TKPagedReport::BeginNextPage()
{
    return mDevice && mDevice->newPage();
}

bool TKPagedReport::EndDocument()
{
    bool ok = mPainter && mPainter->end();
    mPainter.reset();
    Attach(nullptr, 0, 0);
    ok = CloseDevice(ok) && ok;
    mDevice = nullptr;
    if (!ok && ErrorString().isEmpty())
        SetError(QStringLiteral("the document could not be finished"));
    return ok;
}

void TKPagedReport::AbortDocument()
{
    AbortDevice();
    if (mPainter && mPainter->isActive())
        mPainter->end();
    mPainter.reset();
    Attach(nullptr, 0, 0);
    CloseDevice(false);
    mDevice = nullptr;
}

// ---- TKPdfReport ----

TKPdfReport::TKPdfReport(const QString& fileName, int resolution)
    : mFileName(fileName), mResolution(resolution > 0 ? resolution : kDefaultResolution)
{}

TKPdfReport::~TKPdfReport() = default;

QPagedPaintDevice* TKPdfReport::OpenDevice()
{
    mDocument.clear();
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    mWriter = std::make_unique<QPdfWriter>(buffer.get());
    mBuffer = std::move(buffer);
    mWriter->setResolution(mResolution);
    mWriter->setTitle(Title());
    mWriter->setCreator(QStringLiteral("Quillmark"));
    return mWriter.get();
}

bool TKPdfReport::CloseDevice(bool ok)
{
    mWriter.reset();
    auto* buffer = static_cast<QBuffer*>(mBuffer.get());
    if (ok && buffer)
        mDocument = buffer->data();
    mBuffer.reset();
    if (!ok)
        return false;
    if (mFileName.isEmpty())
        return true;
    QString error;
    if (!WriteFileAtomic(mFileName, mDocument, &error)) {
        SetError(error);
        return false;
    }
    return true;
}

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
    auto drawing = std::make_shared<TKMetafile>();
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
                const std::shared_ptr<const TKMetafile> drawing = r.Drawing;
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

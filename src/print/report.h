// TKReport: the report engine printing draws through, in inches from the paper's corner; its painter and
// recording targets.
#pragma once

#include "model/cardtypes.h"

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPainterPath;
class QPdfWriter;

namespace qm {

class TKMetafile;

enum TReportOrientation
{
    roDefault, // the paper standing upright
    roLandscape
};

// A pen as the card objects hand it over. Width: a positive width is in device pixels, a negative one in
// hundredths of an inch; whatever the width, a pen draws at least one device pixel wide.
struct TReportPen
{
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    TPenMode Mode = pmCopy;

    bool operator==(const TReportPen& o) const
    {
        return Color == o.Color && Style == o.Style && Width == o.Width && Mode == o.Mode;
    }
};

// A fill. A pattern picture, when set, tiles the fill instead of the colour and style.
struct TReportBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    QImage Pattern;
};

// The font of TextOut: face, size in points, styles and the text colour.
struct TReportFont
{
    QString Name = QStringLiteral("Arial");
    double Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;
};

// The figures a clip can take.
enum TClipFigure
{
    cfRect,
    cfRoundRect,
    cfEllipse,
    cfPolygon
};

// Draws a picture in its own units; StretchDraw maps those units onto a rectangle of the page.
using TDrawCallback = std::function<void(QPainter&)>;

class TKReport
{
public:
    using Handler = std::function<void(TKReport&)>;

    TKReport();
    virtual ~TKReport();
    TKReport(const TKReport&) = delete;
    TKReport& operator=(const TKReport&) = delete;

    // ---- Job settings ----
    // kPaperLetter or kPaperA4; any other code is taken as Letter.
    int PaperSize() const { return mPaperSize; }
    void SetPaperSize(int code);
    TReportOrientation Orientation() const { return mOrientation; }
    void SetOrientation(TReportOrientation orientation) { mOrientation = orientation; }
    // The paper in inches as it stands in the current orientation.
    QSizeF PageSizeInches() const;
    double PageWidth() const { return PageSizeInches().width(); }
    double PageHeight() const { return PageSizeInches().height(); }
    // The drawing origin lies LeftMargin, TopMargin inches from the paper's corner. Right and bottom margins
    // are kept for the job's settings only.
    double LeftMargin() const { return mLeftMargin; }
    double TopMargin() const { return mTopMargin; }
    double RightMargin() const { return mRightMargin; }
    double BottomMargin() const { return mBottomMargin; }
    void SetMargins(double left, double top, double right, double bottom);
    void SetLeftMargin(double v) { mLeftMargin = v; }
    void SetTopMargin(double v) { mTopMargin = v; }
    // How many copies of each page the target makes itself.
    int Copies() const { return mCopies; }
    void SetCopies(int copies) { mCopies = copies < 1 ? 1 : copies; }
    // The largest copy count the target can make itself; 1 when it cannot make copies.
    virtual int MaxCopies() const { return 1; }
    QString Title() const { return mTitle; }
    void SetTitle(const QString& title) { mTitle = title; }
    // The paper's unprintable band at the bottom, in inches.
    virtual double UnprintableBottomMargin() const { return 0; }

    // ---- Status ----
    // "%p" stands for the page number, "%0" and "%1" for the two status lines.
    void SetStatusFormat(const QString& format) { mStatusFormat = format; }
    QStringList& StatusLines() { return mStatusLines; }
    QString StatusText() const;
    // Shows the status text through StatusChanged.
    void UpdateStatus();
    std::function<void(const QString&)> StatusChanged;

    // ---- The job ----
    // Calls beforePrint, opens the document, calls print and closes the document. Returns false when the job
    // was aborted or the document could not be opened or written (ErrorString says why).
    bool Execute(const Handler& beforePrint, const Handler& print);
    // True between opening and closing the document.
    bool Printing() const { return mPrinting; }
    // Ends the current page and starts the next.
    void NewPage();
    // 1 on the first page.
    int CurrentPage() const { return mPage; }
    // Ends the job: drawing goes nowhere from now on and the document is thrown away.
    void Abort();
    bool Aborted() const { return mAborted; }
    QString ErrorString() const { return mError; }

    // ---- Drawing state ----
    const TReportPen& Pen() const { return mPen; }
    void SetPen(const TReportPen& pen);
    const TReportBrush& Brush() const { return mBrush; }
    void SetBrush(const TReportBrush& brush);
    const TReportFont& Font() const { return mFont; }
    void SetFont(const TReportFont& font);
    // The height of a line of text in the current font, in inches.
    double LineHeight() const;

    // ---- Drawing, in inches ----
    // Figures take their bounding rectangle by two corners; outlined with the pen and filled with the brush.
    void Rectangle(double x1, double y1, double x2, double y2);
    // cornerWidth and cornerHeight are the size of the corner ellipse.
    void RoundRect(double x1, double y1, double x2, double y2, double cornerWidth, double cornerHeight);
    void Ellipse(double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y) { mCurrent = QPointF(x, y); }
    // A line with the pen from the current point; the end becomes the current point.
    void LineTo(double x, double y);
    void Polygon(const QPolygonF& points);
    // The rectangle filled with the brush, without outline.
    void FillRect(const QRectF& rect);
    // The same with a rectangle in device pixels counted from the paper's corner.
    void FillDeviceRect(const QRect& pixels);
    // Later drawing is limited to the figure until ReleaseClip.
    void ClipRect(const QRectF& rect);
    void ClipRoundRect(const QRectF& rect, double cornerWidth, double cornerHeight);
    void ClipEllipse(const QRectF& rect);
    void ClipPolygon(const QPolygonF& points);
    void ReleaseClip();
    // Text in the current font with its top-left at (x, y) and a transparent background.
    void TextOut(double x, double y, const QString& text);
    // Between BeginPath and EndPath figures and text only add their outlines to the path; ClipToPath makes
    // the path the clip, StrokePath draws it with the pen.
    void BeginPath();
    void EndPath();
    void ClipToPath();
    void StrokePath();
    // The picture fills the rectangle.
    void StretchBitmap(const QImage& image, const QRectF& rect);
    // A drawing made in its own units from (0, 0) to `source` fills the rectangle, clipped to it: the way
    // card objects print themselves as they look on the card. Text stays text.
    void StretchDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw);

    // ---- Device ----
    // Device pixels per inch.
    virtual double DpiX() const = 0;
    virtual double DpiY() const = 0;
    // Device pixels here are always counted from the paper's corner, so the printable area's offset is
    // nothing to add.
    QPointF PrintableOffset() const { return QPointF(); }

protected:
    // The document and its pages. BeginDocument opens the first page.
    virtual bool BeginDocument() = 0;
    virtual bool BeginNextPage() = 0;
    virtual bool EndDocument() = 0;
    virtual void AbortDocument() {}
    void SetError(const QString& error) { mError = error; }

    // What the targets do with the drawing calls; positions already include the margins.
    virtual void DoRectangle(const QRectF& rect) = 0;
    virtual void DoRoundRect(const QRectF& rect, const QSizeF& corner) = 0;
    virtual void DoEllipse(const QRectF& rect) = 0;
    virtual void DoLine(const QPointF& from, const QPointF& to) = 0;
    virtual void DoPolygon(const QPolygonF& points) = 0;
    virtual void DoFillRect(const QRectF& rect) = 0;
    virtual void DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                        const QPolygonF& points) = 0;
    virtual void DoReleaseClip() = 0;
    virtual void DoText(const QPointF& topLeft, const QString& text) = 0;
    virtual void DoBeginPath() = 0;
    virtual void DoEndPath() = 0;
    virtual void DoClipToPath() = 0;
    virtual void DoStrokePath() = 0;
    virtual void DoBitmap(const QImage& image, const QRectF& rect) = 0;
    virtual void DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw) = 0;
    virtual void PenChanged() {}
    virtual void BrushChanged() {}
    virtual void FontChanged() {}

    // False once the job was aborted: drawing goes nowhere.
    bool Drawing() const { return !mAborted; }

private:
    QPointF Shift(double x, double y) const { return QPointF(x + mLeftMargin, y + mTopMargin); }
    QRectF ShiftRect(double x1, double y1, double x2, double y2) const;
    QPolygonF ShiftPolygon(const QPolygonF& points) const;

    int mPaperSize;
    TReportOrientation mOrientation = roDefault;
    double mLeftMargin = 0;
    double mTopMargin = 0;
    double mRightMargin = 0.5;
    double mBottomMargin = 0.5;
    int mCopies = 1;
    QString mTitle = QStringLiteral("Quillmark");
    QString mStatusFormat = QStringLiteral("%p");
    QStringList mStatusLines;

    bool mPrinting = false;
    bool mAborted = false;
    int mPage = 0;
    QString mError;

    TReportPen mPen;
    TReportBrush mBrush;
    TReportFont mFont;
    QPointF mCurrent;
};

// ---- Painting onto a device ----

// Draws the calls onto a QPainter whose device has the given pixels per inch, the paper's corner at the
// painter's origin.
class TKPainterReport : public TKReport
{
public:
    TKPainterReport();
    ~TKPainterReport() override;
    double DpiX() const override { return mDpiX; }
    double DpiY() const override { return mDpiY; }

protected:
    void Attach(QPainter* painter, double dpiX, double dpiY);
    QPainter* Painter() const { return mPainter; }

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
    double mDpiX = 96;
    double mDpiY = 96;
    std::unique_ptr<State> mState;
};

// One page drawn onto a painter someone else looks after (the preview's page on screen): nothing to open or
// close, and no further pages.
class TKScreenReport : public TKPainterReport
{
public:
    TKScreenReport(QPainter& painter, double dpi);

protected:
    bool BeginDocument() override { return true; }
    bool BeginNextPage() override { return false; }
    bool EndDocument() override { return true; }
};

// Pages of a paged device (a PDF writer, a printer): the paper size and orientation of the job, no margins,
// so the painter's origin is the paper's corner.
class TKPagedReport : public TKPainterReport
{
public:
    TKPagedReport();
    ~TKPagedReport() override;

protected:
    // The device for a new document, set up for the job's copies and title; null with an error when there
    // is none.
    virtual QPagedPaintDevice* OpenDevice() = 0;
    // After the painter finished: ok is false for an aborted job.
    virtual bool CloseDevice(bool ok) = 0;
    // Stops the device's job at once (before the painter ends).
    virtual void AbortDevice() {}

    bool BeginDocument() override;
    bool BeginNextPage() override;
    bool EndDocument() override;
    void AbortDocument() override;

private:
    QPagedPaintDevice* mDevice = nullptr;
    std::unique_ptr<QPainter> mPainter;
};

// A PDF file. The file is written whole when the job ends; an aborted or failed job leaves any existing
// file as it was.
class TKPdfReport : public TKPagedReport
{
public:
    static constexpr int kDefaultResolution = 1200;
    explicit TKPdfReport(const QString& fileName, int resolution = kDefaultResolution);
    ~TKPdfReport() override;
    QString FileName() const { return mFileName; }
    // The document of the last finished job.
    QByteArray Document() const { return mDocument; }

protected:
    QPagedPaintDevice* OpenDevice() override;
    bool CloseDevice(bool ok) override;

private:
    QString mFileName;
    int mResolution;
    QByteArray mDocument;
    std::unique_ptr<QIODevice> mBuffer;
    std::unique_ptr<QPdfWriter> mWriter;
};

// ---- Recording ----

// One drawing call as recorded. Lengths are inches from the paper's corner, margins included.
struct TReportRecord
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
    TReportPen Pen;
    TReportBrush Brush;
    TReportFont Font;
    QImage Image;
    std::shared_ptr<const TKMetafile> Drawing;
};

struct TReportPage
{
    QSizeF Size; // inches, as the paper stands
    TReportOrientation Orientation = roDefault;
    std::vector<TReportRecord> Records;
};

// Records the pages of a job, for the preview to show and the tests to read.
class TKRecordingReport : public TKReport
{
public:
    // dpi: the resolution device-pixel rectangles are converted with.
    explicit TKRecordingReport(double dpi = 600);
    double DpiX() const override { return mDpi; }
    double DpiY() const override { return mDpi; }
    const std::vector<TReportPage>& Pages() const { return mPages; }
    std::vector<TReportPage> TakePages() { return std::move(mPages); }

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
    TReportRecord& Add(TReportRecord::TKind kind);

    double mDpi;
    std::vector<TReportPage> mPages;
};

// Makes the same calls on target that made the page. Target's margins should be 0: recorded positions
// already include the recording job's margins.
void ReplayPage(const TReportPage& page, TKReport& target);
// Runs a job on target that replays every page, in the first page's paper orientation. The target's paper
// size is left to the caller. False as Execute.
bool ReplayPages(const std::vector<TReportPage>& pages, TKReport& target);

// The paper of a paper code in inches, standing upright, as PDF files and printer drivers size it: 8.5 x 11
// for Letter, 595 x 842 points for A4.
QSizeF PaperSizeInches(int paperCode);

} // namespace qm

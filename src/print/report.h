// SPDX-License-Identifier: GPL-3.0-or-later
// TKReport: the report engine printing draws through, in inches from the paper's corner; pens and fonts.
// Guarded by hand rather than by #pragma once, so that the print targets at the end come along with every
// inclusion except a target header's own.
#pragma once

#include "model/cardtypes.h"
#include "print/duplexplacement.h"

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

class QFont;
class QPainter;

namespace qm {

enum TReportOrientation
{
    roDefault, // the paper standing upright
    roLandscape
};

// A pen as the card objects hand it over. Width: a positive width is in device pixels, a negative one in
// hundredths of an inch; whatever the width, a pen draws at least one device pixel wide.
struct ReportPen
{
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    TPenMode Mode = pmCopy;

    bool operator==(const ReportPen& o) const
    {
        return Color == o.Color && Style == o.Style && Width == o.Width && Mode == o.Mode;
    }
};

// A fill. A pattern picture, when set, tiles the fill instead of the colour and style.
struct ReportBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    QImage Pattern;
};

// The font of TextOut: face, size in points, styles and the text colour.
struct ReportFont
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
    // The pages are the two sides of sheets, turned over the long or the short edge: a target that can say
    // so asks the viewer or the printer for that turn. None and Manual ask for nothing.
    DuplexMode Duplex() const { return mDuplex; }
    void SetDuplex(DuplexMode duplex) { mDuplex = duplex; }
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
    const ReportPen& Pen() const { return mPen; }
    void SetPen(const ReportPen& pen);
    const ReportBrush& Brush() const { return mBrush; }
    void SetBrush(const ReportBrush& brush);
    const ReportFont& Font() const { return mFont; }
    void SetFont(const ReportFont& font);
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

    // ---- Drawings placed many times ----
    // A target that repeats a drawing cheaply (a PDF file) makes it once: draw is called with the drawing's
    // top-left corner as the origin, no margins, and what it draws beyond `inches` is cut off. Returns the
    // drawing's number for PlaceDrawing, or -1 when the target cannot keep drawings; the caller then draws at
    // every place itself.
    virtual int MakeDrawing(const QSizeF& inches, const Handler& draw);
    // The drawing with its top-left corner at (x, y) on the current page, margins added.
    virtual void PlaceDrawing(int drawing, const QPointF& topLeft);

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
    DuplexMode mDuplex = DuplexMode::None;
    QString mStatusFormat = QStringLiteral("%p");
    QStringList mStatusLines;

    bool mPrinting = false;
    bool mAborted = false;
    int mPage = 0;
    QString mError;

    ReportPen mPen;
    ReportBrush mBrush;
    ReportFont mFont;
    QPointF mCurrent;
};

// The paper of a paper code in inches, standing upright, as PDF files and printer drivers size it: 8.5 x 11
// for Letter, 595 x 842 points for A4.
QSizeF PaperSizeInches(int paperCode);

// The face and styles of a report font, its size left to the caller. Text of every kind is spaced glyph by
// glyph, as the card objects draw it on screen.
QFont ToQFont(const ReportFont& font);

// A size to measure outlines and metrics with, scaled afterwards: large enough that hinting and rounding do
// not matter.
constexpr int kReportMeasurePixels = 1000;

} // namespace qm

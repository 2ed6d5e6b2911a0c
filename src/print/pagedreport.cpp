// SPDX-License-Identifier: GPL-3.0-or-later
// The report onto a paged device's pages, and onto a PDF file written as the job goes.
#include "print/pagedreport.h"

#include "model/cardrender.h"
#include "model/sheetlayout.h"
#include "platform/atomicfile.h"
#include "print/pdfcontent.h"
#include "print/pdffonts.h"
#include "print/pdfjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTemporaryFile>

#include <cerrno>
#include <cmath>

namespace qm {

// ---- PagedReport ----

PagedReport::PagedReport() = default;

PagedReport::~PagedReport() = default;

bool PagedReport::BeginDocument()
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
        SetError(QCoreApplication::translate("qm::PagedReport", "the document could not be started"));
        mPainter.reset();
        CloseDevice(false);
        mDevice = nullptr;
        return false;
    }
    Attach(mPainter.get(), mDevice->logicalDpiX(), mDevice->logicalDpiY());
    return true;
}

bool PagedReport::BeginNextPage()
{
    return mDevice && mDevice->newPage();
}

bool PagedReport::EndDocument()
{
    bool ok = mPainter && mPainter->end();
    mPainter.reset();
    Attach(nullptr, 0, 0);
    ok = CloseDevice(ok) && ok;
    mDevice = nullptr;
    if (!ok && ErrorString().isEmpty())
        SetError(QCoreApplication::translate("qm::PagedReport", "the document could not be finished"));
    return ok;
}

void PagedReport::AbortDocument()
{
    AbortDevice();
    if (mPainter && mPainter->isActive())
        mPainter->end();
    mPainter.reset();
    Attach(nullptr, 0, 0);
    CloseDevice(false);
    mDevice = nullptr;
}

// ---- PdfStreamReport ----

PdfStreamReport::PdfStreamReport(const QString& fileName, int resolution) : PdfReport(fileName, resolution)
{
    SetOwnPageContent(true);
}

// ---- PdfReport ----

struct PdfReport::ContentPage
{
    ContentPage(const QSizeF& points, int resolution, PdfFontSet& fonts) : Device(points, resolution, fonts) {}
    PdfContentDevice Device;
    QPainter Painter;
};

namespace {

// A drawing's canvas: Qt's PDF writer holds a page's operators in memory until the page ends, so a card of very
// many objects is drawn onto as many pages as it takes, each a part of the one drawing (the painter's state
// carries over), and the job lays them over each other.
class CanvasWriter : public QPdfWriter, public PartedPaintDevice
{
public:
    using QPdfWriter::QPdfWriter;
    void EndPart() override { newPage(); }
};

// What Qt's PDF writer makes of a drawing, as it writes it: in memory while it is small, in a temporary file
// once it grows past kDrawingKeptInMemory, so that a card of a million objects never sits in memory whole,
// neither here nor when the job takes it over (libqpdf reads it back from the file as it needs it). When no
// temporary file can be made, the drawing stays in memory.
class DrawingSpool : public QIODevice
{
public:
    qint64 InMemory() const { return mMemory.capacity(); }
    qint64 size() const override { return mSize; }
    // Why the temporary file could not take the drawing; empty when nothing went wrong.
    QString Error() const { return mError; }

    // Whether the drawing went to the temporary file, and its name; otherwise the drawing is Memory().
    bool InFile() { return mFile && mFile->flush(); }
    QString FileName() const { return mFile ? mFile->fileName() : QString(); }
    const QByteArray& Memory() const { return mMemory; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (!mFile && mSize + length > PdfReport::kDrawingKeptInMemory) {
            auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/quillmark-drawing-XXXXXX"));
            if (file->open() && file->write(mMemory) == mMemory.size()) {
                mFile = std::move(file);
                mMemory = QByteArray();
            }
        }
        if (mFile) {
            errno = 0;
            if (mFile->write(data, length) != length) {
                // A write the system cut short (a full disk) leaves the file no reason of its own: the
                // system's is the one to give.
                const int system = errno;
                if (mError.isEmpty())
                    mError = mFile->errorString() == QIODevice::tr("Unknown error")
                                 ? qt_error_string(system ? system : EIO)
                                 : mFile->errorString();
                return -1;
            }
        } else {
            mMemory.append(data, qsizetype(length));
        }
        mSize += length;
        return length;
    }

private:
    QByteArray mMemory;
    std::unique_ptr<QTemporaryFile> mFile;
    qint64 mSize = 0;
    QString mError;
};

// Where Qt's plain writer puts a job: the file beside the target, or memory.
class JobSink : public QIODevice
{
public:
    explicit JobSink(AtomicFileWriter* file) : mFile(file) {}
    QByteArray Memory;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (!mFile) {
            Memory.append(data, qsizetype(length));
            return length;
        }
        return mFile->Write(data, length) ? length : -1;
    }

private:
    AtomicFileWriter* mFile;
};

} // namespace

// The job drawn by Qt's own PDF writer straight onto its pages, for when Qt's drawings cannot be read back:
// no drawing is kept, every card is drawn where it goes.
struct PdfReport::Plain
{
    std::unique_ptr<AtomicFileWriter> File;
    std::unique_ptr<JobSink> Sink;
    std::unique_ptr<QPdfWriter> Writer;
    QPainter Painter;
};

struct PdfReport::Canvas
{
    DrawingSpool Spool;
    std::unique_ptr<QPdfWriter> Writer;
    QPainter Painter;
};

PdfReport::PdfReport(const QString& fileName, int resolution)
    : mFileName(fileName), mResolution(resolution > 0 ? resolution : kDefaultResolution)
{}

PdfReport::~PdfReport()
{
    if (mPlain && mPlain->Painter.isActive())
        mPlain->Painter.end();
    if (mPageCanvas && mPageCanvas->Painter.isActive())
        mPageCanvas->Painter.end();
    if (mContentPage && mContentPage->Painter.isActive())
        mContentPage->Painter.end();
}

void PdfReport::FlushContent()
{
    if (mContentPage && mJob)
        mJob->AddContent(mContentPage->Device.TakeContent());
}

void PdfReport::EndContentPage()
{
    if (!mContentPage)
        return;
    FlushContent();
    Attach(nullptr, 0, 0);
    if (mContentPage->Painter.isActive())
        mContentPage->Painter.end();
    mContentPage.reset();
}

std::unique_ptr<PdfReport::Canvas> PdfReport::StartCanvas(const QSizeF& points)
{
    auto canvas = std::make_unique<Canvas>();
    canvas->Spool.open(QIODevice::WriteOnly);
    canvas->Writer = std::make_unique<CanvasWriter>(&canvas->Spool);
    canvas->Writer->setResolution(mResolution);
    canvas->Writer->setCreator(QStringLiteral("Quillmark"));
    QPageLayout layout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    // Coordinates count from the corner, never from a printable area.
    layout.setMode(QPageLayout::FullPageMode);
    canvas->Writer->setPageLayout(layout);
    if (!canvas->Painter.begin(canvas->Writer.get())) {
        SetError(QCoreApplication::translate("qm::PagedReport", "the document could not be started"));
        return nullptr;
    }
    Attach(&canvas->Painter, canvas->Writer->logicalDpiX(), canvas->Writer->logicalDpiY());
    // Card drawings only ever narrow the clip they are given, so they go straight onto the page: no copy of
    // them is held on the way.
    SetDrawDirect(true);
    return canvas;
}

int PdfReport::EndCanvas(std::unique_ptr<Canvas> canvas)
{
    Attach(nullptr, 0, 0);
    if (!canvas)
        return -1;
    canvas->Painter.end();
    canvas->Writer.reset();
    if (!mJob)
        return -1;
    if (!canvas->Spool.Error().isEmpty()) {
        //: %1 is the reason
        SetError(QCoreApplication::translate(
                     "qm::PagedReport", "a drawing of the job could not be written to a temporary file: %1")
                     .arg(canvas->Spool.Error()));
        return -1;
    }
    const int drawing = canvas->Spool.InFile() ? mJob->AddDrawingFile(canvas->Spool.FileName())
                                               : mJob->AddDrawing(canvas->Spool.Memory());
    if (drawing < 0)
        SetError(mJob->ErrorString());
    return drawing;
}

bool PdfReport::StartPlain()
{
    if (mJob)
        mJob->Abort();
    mJob.reset();
    mPlacements.clear();
    SetError(QString());
    mPlain = std::make_unique<Plain>();
    if (!mFileName.isEmpty()) {
        mPlain->File = std::make_unique<AtomicFileWriter>(mFileName);
        if (!mPlain->File->Open()) {
            SetError(mPlain->File->ErrorString());
            mPlain.reset();
            return false;
        }
    }
    mPlain->Sink = std::make_unique<JobSink>(mPlain->File.get());
    mPlain->Sink->open(QIODevice::WriteOnly);
    mPlain->Writer = std::make_unique<QPdfWriter>(mPlain->Sink.get());
    mPlain->Writer->setResolution(mResolution);
    mPlain->Writer->setCreator(QStringLiteral("Quillmark"));
    mPlain->Writer->setTitle(Title());
    QPageLayout layout(QPageSize(PageSizeInches() * 72.0, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    mPlain->Writer->setPageLayout(layout);
    if (!mPlain->Painter.begin(mPlain->Writer.get())) {
        SetError(QCoreApplication::translate("qm::PagedReport", "the document could not be started"));
        if (mPlain->File)
            mPlain->File->Abort();
        mPlain.reset();
        return false;
    }
    Attach(&mPlain->Painter, mPlain->Writer->logicalDpiX(), mPlain->Writer->logicalDpiY());
    SetDrawDirect(true);
    return true;
}

bool PdfReport::FontsReadBack() const
{
    // A subset of one glyph, made and taken over as the job's fonts will be.
    PdfFontSet fonts;
    const QRawFont raw = QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans")));
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("Q"));
    if (!raw.isValid() || glyphs.isEmpty())
        return true;
    const int face = fonts.Face(raw);
    if (!fonts.Embeddable(face))
        return true;
    fonts.Glyph(face, glyphs.front());
    PdfJobWriter scratch{QString()};
    return scratch.Open(QString()) && scratch.AddFont(PdfFontSet::ResourceName(face), fonts.SubsetDocument(face),
                                                      fonts.GlyphCount(face), fonts.WidthArray(face));
}

void PdfReport::PainterWanted()
{
    // Something is drawn straight onto the page: it gets a canvas of the page's size.
    if (mPlain || !mJob || mMakingDrawing || mPageCanvas || mContentPage || Aborted())
        return;
    if (mOwnContent) {
        mContentPage = std::make_unique<ContentPage>(PageSizeInches() * 72.0, mResolution, *mFonts);
        if (!mContentPage->Painter.begin(&mContentPage->Device)) {
            mContentPage.reset();
            SetError(QCoreApplication::translate("qm::PagedReport", "the page could not be started"));
            Abort();
            return;
        }
        Attach(&mContentPage->Painter, mResolution, mResolution);
        SetDrawDirect(true);
        return;
    }
    mPageCanvas = StartCanvas(PageSizeInches() * 72.0);
    if (!mPageCanvas)
        Abort();
}

bool PdfReport::BeginDocument()
{
    mDocument.clear();
    mPlacements.clear();
    mFonts = std::make_unique<PdfFontSet>();
    mPlain.reset();
    // Pages whose text is their own need Qt's font subsets read back; when they cannot be, Qt's writer
    // draws the whole job.
    if (mOwnContent && !FontsReadBack())
        return StartPlain();
    mJob = std::make_unique<PdfJobWriter>(mFileName);
    if (Duplex() == DuplexMode::LongEdge || Duplex() == DuplexMode::ShortEdge)
        mJob->SetDuplexPreference(Duplex() == DuplexMode::LongEdge ? QByteArrayLiteral("DuplexFlipLongEdge")
                                                                   : QByteArrayLiteral("DuplexFlipShortEdge"));
    if (!mJob->Open(Title())) {
        SetError(mJob->ErrorString());
        mJob.reset();
        return false;
    }
    BeginPage();
    return true;
}

void PdfReport::BeginPage()
{
    mPlacements.clear();
    mJob->BeginPage(PageSizeInches() * 72.0);
}

bool PdfReport::EndPage()
{
    EndContentPage();
    if (mPageCanvas) {
        // What was drawn directly lies under the placed drawings.
        const int drawing = EndCanvas(std::move(mPageCanvas));
        if (drawing < 0)
            return false;
        mJob->Place(drawing, QPointF());
    }
    for (const auto& placement : mPlacements)
        mJob->Place(placement.first, placement.second);
    mPlacements.clear();
    if (!mJob->EndPage()) {
        SetError(mJob->ErrorString());
        return false;
    }
    return true;
}

bool PdfReport::BeginNextPage()
{
    if (mPlain)
        return mPlain->Writer->newPage();
    if (!mJob || !EndPage())
        return false;
    BeginPage();
    return true;
}

bool PdfReport::EndDocument()
{
    if (mPlain) {
        Attach(nullptr, 0, 0);
        bool ok = mPlain->Painter.end();
        if (mPlain->File) {
            ok = ok && !mPlain->File->Failed();
            if (ok && !mPlain->File->Commit())
                ok = false;
            if (!ok)
                SetError(
                    mPlain->File->ErrorString().isEmpty()
                        ? QCoreApplication::translate("qm::PagedReport", "the document could not be finished")
                        : mPlain->File->ErrorString());
            mPlain->File->Abort();
        } else if (ok) {
            mDocument = mPlain->Sink->Memory;
        }
        mPlain.reset();
        return ok;
    }
    if (!mJob)
        return false;
    bool ok = EndPage();
    // The fonts of the pages' own text, each subset holding every glyph the job used.
    for (int face = 0; ok && face < mFonts->FaceCount(); ++face) {
        if (!mFonts->Used(face) || !mFonts->Embeddable(face))
            continue;
        ok = mJob->AddFont(PdfFontSet::ResourceName(face), mFonts->SubsetDocument(face), mFonts->GlyphCount(face),
                           mFonts->WidthArray(face));
    }
    ok = ok && mJob->Finish();
    if (!ok && ErrorString().isEmpty())
        SetError(mJob->ErrorString().isEmpty()
                     ? QCoreApplication::translate("qm::PagedReport", "the document could not be finished")
                     : mJob->ErrorString());
    if (ok && mFileName.isEmpty())
        mDocument = mJob->Document();
    mJob.reset();
    return ok;
}

void PdfReport::AbortDocument()
{
    if (mPlain) {
        Attach(nullptr, 0, 0);
        if (mPlain->Painter.isActive())
            mPlain->Painter.end();
        if (mPlain->File)
            mPlain->File->Abort();
        mPlain.reset();
    }
    if (mContentPage) {
        Attach(nullptr, 0, 0);
        if (mContentPage->Painter.isActive())
            mContentPage->Painter.end();
        mContentPage.reset();
    }
    if (mPageCanvas) {
        Attach(nullptr, 0, 0);
        mPageCanvas->Painter.end();
        mPageCanvas.reset();
    }
    if (mJob)
        mJob->Abort();
    mJob.reset();
    mPlacements.clear();
}

int PdfReport::MakeDrawing(const QSizeF& inches, const Handler& draw)
{
    if (mPlain || !mJob || mMakingDrawing || Aborted())
        return -1;
    // Whole points, so that the drawing's corner lies exactly where it is placed.
    const QSizeF points(std::ceil(inches.width() * 72.0 - 1e-6), std::ceil(inches.height() * 72.0 - 1e-6));
    QPainter* pageCanvas = mContentPage ? &mContentPage->Painter : mPageCanvas ? &mPageCanvas->Painter : nullptr;
    const ReportPen pen = Pen();
    const ReportBrush brush = Brush();
    const ReportFont font = Font();
    const double left = LeftMargin(), top = TopMargin();
    SetLeftMargin(0);
    SetTopMargin(0);
    mMakingDrawing = true;
    int drawing = -1;
    if (auto canvas = StartCanvas(points)) {
        mDrawingCanvas = canvas.get();
        draw(*this);
        mDrawingCanvas = nullptr;
        drawing = EndCanvas(std::move(canvas));
    }
    mMakingDrawing = false;
    SetLeftMargin(left);
    SetTopMargin(top);
    // Qt's drawing could not be read back before anything went onto a page: Qt's writer draws the whole
    // job instead, and the caller draws this drawing at every place itself.
    const bool plain = drawing < 0 && mJob && mJob->DrawingUnreadable() && mJob->Untouched() && !pageCanvas &&
                       mPlacements.empty() && StartPlain();
    if (pageCanvas)
        Attach(pageCanvas, mResolution, mResolution);
    SetPen(pen);
    SetBrush(brush);
    SetFont(font);
    if (drawing < 0 && !plain)
        Abort();
    return drawing;
}

void PdfReport::PlaceDrawing(int drawing, const QPointF& topLeft)
{
    if (mJob && drawing >= 0 && mOwnContent) {
        // In the order drawn: over what the page's own content holds so far.
        FlushContent();
        mJob->Place(drawing, (topLeft + QPointF(LeftMargin(), TopMargin())) * 72.0);
        return;
    }
    if (mJob && drawing >= 0)
        mPlacements.emplace_back(drawing, (topLeft + QPointF(LeftMargin(), TopMargin())) * 72.0);
}

void PdfReport::DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    if (mPlain) {
        PainterReport::DoDraw(rect, source, draw);
        return;
    }
    if (mOwnContent && !mMakingDrawing && !Painter())
        PainterWanted();
    if (!mOwnContent || mMakingDrawing || !mContentPage || Painter() != &mContentPage->Painter) {
        PainterReport::DoDraw(rect, source, draw);
        return;
    }
    PdfContentDevice& device = mContentPage->Device;
    const qsizetype mark = device.MarkSize();
    device.ClearUnsupported();
    PainterReport::DoDraw(rect, source, draw);
    if (!device.Unsupported())
        return;
    // What the page's own content cannot hold (pictures, gradients) goes in as a drawing of its own, placed
    // where it belongs.
    device.DropSince(mark);
    device.ClearUnsupported();
    const QRectF box = rect.normalized();
    const double left = LeftMargin(), top = TopMargin();
    const int drawing = MakeDrawing(box.size(), [&](TKReport& r) {
        r.StretchDraw(QRectF(QPointF(0, 0), box.size()), source, draw);
    });
    if (drawing >= 0 && mJob) {
        FlushContent();
        mJob->Place(drawing, box.topLeft() * 72.0);
    }
    SetLeftMargin(left);
    SetTopMargin(top);
}

void PdfReport::DoBitmap(const QImage& image, const QRectF& rect)
{
    if (mPlain || !mOwnContent || mMakingDrawing) {
        PainterReport::DoBitmap(image, rect);
        return;
    }
    // A picture has no place in the page's own content: it becomes a drawing of its own.
    const QRectF box = rect.normalized();
    const double left = LeftMargin(), top = TopMargin();
    const int drawing =
        MakeDrawing(box.size(), [&](TKReport& r) { r.StretchBitmap(image, QRectF(QPointF(0, 0), box.size())); });
    if (drawing >= 0 && mJob) {
        FlushContent();
        mJob->Place(drawing, box.topLeft() * 72.0);
    }
    SetLeftMargin(left);
    SetTopMargin(top);
}

qint64 PdfReport::BytesHeld() const
{
    if (mPlain)
        return mPlain->File ? mPlain->File->Buffered() : 0;
    if (!mJob)
        return 0;
    qint64 held = mJob->BytesHeld() + qint64(mPlacements.capacity() * sizeof(mPlacements[0]));
    for (const Canvas* canvas : {mPageCanvas.get(), mDrawingCanvas})
        held += canvas ? canvas->Spool.InMemory() : 0;
    return held;
}

} // namespace qm

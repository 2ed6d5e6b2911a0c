// TKPagedReport: the report onto the pages of a paged device; TKPdfReport, onto a PDF file.
#pragma once

#include "print/painterreport.h"

#include <QByteArray>

#include <memory>
#include <utility>
#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPdfWriter;

namespace qm {

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

class TAtomicFileWriter;
class TPdfJobWriter;

// A PDF file written by Qt's PDF writer page by page straight into a file beside the target, renamed into
// place when the job ends: for jobs whose every card differs (a merge), where drawing each page once is
// the quickest, and fonts are embedded once for the whole job. An aborted or failed job leaves any existing
// file as it was.
class TKPdfStreamReport : public TKPagedReport
{
public:
    static constexpr int kDefaultResolution = 1200;
    explicit TKPdfStreamReport(const QString& fileName, int resolution = kDefaultResolution);
    ~TKPdfStreamReport() override;

protected:
    QPagedPaintDevice* OpenDevice() override;
    bool CloseDevice(bool ok) override;

private:
    class Output;
    QString mFileName;
    int mResolution;
    std::unique_ptr<Output> mOutput;
    std::unique_ptr<QPdfWriter> mWriter;
};


// A PDF file, written page by page beside its target and put in place when the job ends; an aborted or
// failed job leaves any existing file as it was. Drawings made with MakeDrawing are stored once and placed
// as often as wanted; what is drawn directly on a page lies under them.
class TKPdfReport : public TKPainterReport
{
public:
    static constexpr int kDefaultResolution = 1200;
    // An empty file name keeps the document in memory (Document()).
    explicit TKPdfReport(const QString& fileName, int resolution = kDefaultResolution);
    ~TKPdfReport() override;
    QString FileName() const { return mFileName; }
    // The document of the last finished job kept in memory.
    QByteArray Document() const { return mDocument; }
    // What the job holds in memory now, besides a document kept in memory.
    qint64 BytesHeld() const;

    int MakeDrawing(const QSizeF& inches, const Handler& draw) override;
    void PlaceDrawing(int drawing, const QPointF& topLeft) override;

protected:
    bool BeginDocument() override;
    bool BeginNextPage() override;
    bool EndDocument() override;
    void AbortDocument() override;
    void PainterWanted() override;

private:
    struct Canvas;
    // A one-page document of its own of the given size in points, with the painter attached to it.
    std::unique_ptr<Canvas> StartCanvas(const QSizeF& points);
    // The canvas's document taken over by the job: the drawing's number, or -1.
    int EndCanvas(std::unique_ptr<Canvas> canvas);
    void BeginPage();
    bool EndPage();

    QString mFileName;
    int mResolution;
    QByteArray mDocument;
    std::unique_ptr<TPdfJobWriter> mJob;
    std::unique_ptr<Canvas> mPageCanvas;
    std::vector<std::pair<int, QPointF>> mPlacements;
    bool mMakingDrawing = false;
};

} // namespace qm

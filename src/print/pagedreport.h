// SPDX-License-Identifier: GPL-3.0-or-later
// PagedReport: the report onto the pages of a paged device; PdfReport, onto a PDF file.
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
class PagedReport : public PainterReport
{
public:
    PagedReport();
    ~PagedReport() override;

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

class PdfContentDevice;
class PdfFontSet;
class PdfJobWriter;

// A PDF file, written page by page beside its target and put in place when the job ends; an aborted or
// failed job leaves any existing file as it was. Drawings made with MakeDrawing are stored once and placed
// as often as wanted; what is drawn directly on a page lies under them.
class PdfReport : public PainterReport
{
public:
    static constexpr int kDefaultResolution = 1200;
    // A drawing larger than this is written to a temporary file as it is made, not held in memory.
    static constexpr qint64 kDrawingKeptInMemory = 8 * 1024 * 1024;
    // An empty file name keeps the document in memory (Document()).
    explicit PdfReport(const QString& fileName, int resolution = kDefaultResolution);
    ~PdfReport() override;
    QString FileName() const { return mFileName; }
    // The document of the last finished job kept in memory.
    QByteArray Document() const { return mDocument; }
    // What the job holds in memory now, besides a document kept in memory: the drawing being made included.
    qint64 BytesHeld() const;

    int MakeDrawing(const QSizeF& inches, const Handler& draw) override;
    void PlaceDrawing(int drawing, const QPointF& topLeft) override;

protected:
    // What is drawn straight onto a page becomes the page's own content, in the order drawn with the
    // placed drawings, its text in fonts embedded once for the job; set before the job starts.
    void SetOwnPageContent(bool own) { mOwnContent = own; }
    void DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw) override;
    void DoBitmap(const QImage& image, const QRectF& rect) override;
    bool BeginDocument() override;
    bool BeginNextPage() override;
    bool EndDocument() override;
    void AbortDocument() override;
    void PainterWanted() override;

private:
    struct Canvas;
    struct ContentPage;
    struct Plain;
    // Qt's writer takes the job over, drawing every card where it goes; false when it cannot start.
    bool StartPlain();
    // Whether a font subset of Qt's writer can be read back and taken over as the pages' text needs.
    bool FontsReadBack() const;
    // The page's own content so far goes onto the page.
    void FlushContent();
    void EndContentPage();
    // A one-page document of its own of the given size in points, with the painter attached to it.
    std::unique_ptr<Canvas> StartCanvas(const QSizeF& points);
    // The canvas's document taken over by the job: the drawing's number, or -1.
    int EndCanvas(std::unique_ptr<Canvas> canvas);
    void BeginPage();
    bool EndPage();

    QString mFileName;
    int mResolution;
    QByteArray mDocument;
    std::unique_ptr<PdfJobWriter> mJob;
    std::unique_ptr<Plain> mPlain;
    std::unique_ptr<Canvas> mPageCanvas;
    Canvas* mDrawingCanvas = nullptr; // while MakeDrawing draws
    std::unique_ptr<PdfFontSet> mFonts;
    std::unique_ptr<ContentPage> mContentPage;
    bool mOwnContent = false;
    std::vector<std::pair<int, QPointF>> mPlacements;
    bool mMakingDrawing = false;
};

// A PDF file for jobs whose every card differs (a merge): the cards' own drawing becomes each page's content,
// set in fonts embedded once for the whole job, and what stays the same from card to card is drawn once
// (MakeDrawing) and placed. Written beside the target and put in place at the end, as PdfReport does.
class PdfStreamReport : public PdfReport
{
public:
    explicit PdfStreamReport(const QString& fileName, int resolution = kDefaultResolution);
};

} // namespace qm

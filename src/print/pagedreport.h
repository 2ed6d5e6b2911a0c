// TKPagedReport: the report onto the pages of a paged device; TKPdfReport, onto a PDF file.
#pragma once

#include "print/painterreport.h"

#include <QByteArray>

#include <memory>

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

} // namespace qm

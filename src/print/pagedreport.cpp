// The report onto a paged device's pages, and onto a PDF file written whole when the job ends.
#include "print/pagedreport.h"

#include "model/sheetlayout.h"
#include "platform/atomicfile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace qm {

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

} // namespace qm

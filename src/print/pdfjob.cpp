// SPDX-License-Identifier: GPL-3.0-or-later
// The job's PDF document: drawings taken over as forms, pages that place them, and the index at the end.
#include "print/pdfjob.h"

#include "platform/atomicfile.h"
#include "print/pdfcopy.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>
#include <utility>

namespace qm {

namespace {

// A length in points with as many decimals as a printer can tell apart.
QByteArray Number(double v)
{
    if (std::abs(v) < 5e-5)
        return "0";
    QByteArray text = QByteArray::number(v, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

// A text string for the document's information: UTF-16 with its byte-order mark, in hex.
QByteArray TextString(const QString& text)
{
    QByteArray bytes("<FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return bytes + '>';
}

} // namespace

PdfJobWriter::PdfJobWriter(const QString& fileName) : mFileName(fileName) {}

PdfJobWriter::~PdfJobWriter()
{
    Abort();
}

bool PdfJobWriter::Fail(const QString& reason)
{
    if (mError.isEmpty())
        mError = reason;
    return false;
}

bool PdfJobWriter::Open(const QString& title)
{
    mTitle = title;
    mError.clear();
    mUnreadable = false;
    mMemory.clear();
    mOffset = 0;
    mOffsets.assign(1, 0);
    mPages.clear();
    mDrawings.clear();
    mFonts.clear();
    mLastContent.clear();
    mLastContentObject = 0;
    mEarlierContent.clear();
    mEarlierContentObject = 0;
    mInPage = false;
    if (!mFileName.isEmpty()) {
        mFile = std::make_unique<AtomicFileWriter>(mFileName);
        if (!mFile->Open())
            return Fail(mFile->ErrorString());
    }
    mOpen = true;
    Write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    // The page tree and the shared resources are written last, when all pages and drawings are known.
    mPagesObject = NewObject();
    mResourcesObject = NewObject();
    return !Failed();
}

int PdfJobWriter::NewObject()
{
    mOffsets.push_back(0);
    return int(mOffsets.size()) - 1;
}

void PdfJobWriter::BeginObject(int object)
{
    mOffsets[size_t(object)] = mOffset;
    Write(QByteArray::number(object) + " 0 obj\n");
}

void PdfJobWriter::Write(const QByteArray& bytes)
{
    if (!mOpen || Failed())
        return;
    mOffset += bytes.size();
    if (!mFile) {
        mMemory += bytes;
        return;
    }
    if (!mFile->Write(bytes))
        Fail(mFile->ErrorString());
}

std::unique_ptr<TPdfCopy> PdfJobWriter::NewCopy()
{
    return std::make_unique<TPdfCopy>([this] { return NewObject(); },
                                      [this](int number, const QByteArray& value, const QByteArray* stream) {
                                          BeginObject(number);
                                          Write(value);
                                          if (stream) {
                                              Write("\nstream\n");
                                              Write(*stream);
                                              Write("\nendstream");
                                          }
                                          Write("\nendobj\n");
                                      });
}

int PdfJobWriter::AddDrawing(const QByteArray& pdf)
{
    if (!mOpen || Failed())
        return -1;
    const auto copy = NewCopy();
    if (!copy->Open(pdf)) {
        mUnreadable = true;
        Fail(
            QCoreApplication::translate("qm::PdfJobWriter", "a drawing of the job could not be read back: %1")
                .arg(copy->ErrorString()));
        return -1;
    }
    return AddDrawing(*copy);
}

int PdfJobWriter::AddDrawingFile(const QString& path)
{
    if (!mOpen || Failed())
        return -1;
    const auto copy = NewCopy();
    if (!copy->OpenFile(path)) {
        mUnreadable = true;
        Fail(
            QCoreApplication::translate("qm::PdfJobWriter", "a drawing of the job could not be read back: %1")
                .arg(copy->ErrorString()));
        return -1;
    }
    return AddDrawing(*copy);
}

int PdfJobWriter::AddDrawing(TPdfCopy& copy)
{
    const QSizeF size = copy.PageSize();
    const int pages = copy.PageCount();
    if (size.isEmpty() || pages <= 0) {
        mUnreadable = true;
        Fail(QCoreApplication::translate("qm::PdfJobWriter", "a drawing of the job has no page"));
        return -1;
    }
    // A drawing of very many objects comes in parts, a page each, laid over each other in order: the
    // drawing is then a form that calls the parts' forms. Objects the parts share (fonts above all) come
    // along once.
    QByteArray names, calls;
    int form = 0;
    for (int i = 0; i < pages; ++i) {
        form = copy.CopyPageAsForm(i);
        if (!form) {
            mUnreadable = true;
            Fail(QCoreApplication::translate("qm::PdfJobWriter",
                                             "a drawing of the job could not be read back: %1")
                     .arg(copy.ErrorString()));
            return -1;
        }
        names += " /P" + QByteArray::number(i) + ' ' + QByteArray::number(form) + " 0 R";
        calls += "/P" + QByteArray::number(i) + " Do\n";
    }
    if (pages > 1) {
        form = NewObject();
        BeginObject(form);
        Write("<<\n/Type /XObject\n/Subtype /Form\n/BBox [0 0 " + Number(size.width()) + ' ' +
              Number(size.height()) + "]\n/Resources << /XObject <<" + names + " >> >>\n/Length " +
              QByteArray::number(calls.size()) + "\n>>\nstream\n");
        Write(calls);
        Write("\nendstream\nendobj\n");
    }
    if (Failed())
        return -1;
    mDrawings.push_back(Drawing{form, size});
    return int(mDrawings.size()) - 1;
}

QSizeF PdfJobWriter::DrawingSize(int drawing) const
{
    if (drawing < 0 || drawing >= int(mDrawings.size()))
        return QSizeF();
    return mDrawings[size_t(drawing)].Size;
}

void PdfJobWriter::BeginPage(const QSizeF& points)
{
    mPageSize = points;
    mPageContent.clear();
    mInPage = true;
}

void PdfJobWriter::Place(int drawing, const QPointF& topLeft)
{
    if (!mInPage || drawing < 0 || drawing >= int(mDrawings.size()))
        return;
    // PDF counts upwards from the bottom-left corner.
    const double bottom = mPageSize.height() - topLeft.y() - mDrawings[size_t(drawing)].Size.height();
    mPageContent += "q 1 0 0 1 " + Number(topLeft.x()) + ' ' + Number(bottom) + " cm /D" +
                    QByteArray::number(drawing) + " Do Q\n";
}

void PdfJobWriter::AddContent(const QByteArray& operators)
{
    if (mInPage)
        mPageContent += operators;
}

bool PdfJobWriter::AddFont(const QByteArray& name, const QByteArray& pdf, int glyphs, const QByteArray& widths)
{
    if (!mOpen || Failed())
        return false;
    const auto copy = NewCopy();
    const int font = copy->Open(pdf) ? copy->CopyFont(glyphs, widths) : 0;
    if (!font)
        return Fail(
            QCoreApplication::translate("qm::PdfJobWriter", "a font of the job could not be taken over: %1")
                .arg(copy->ErrorString()));
    mFonts.emplace_back(name, font);
    return !Failed();
}

bool PdfJobWriter::EndPage()
{
    if (!mInPage || !mOpen)
        return false;
    mInPage = false;
    if (mEarlierContentObject && mPageContent == mEarlierContent) {
        std::swap(mLastContent, mEarlierContent);
        std::swap(mLastContentObject, mEarlierContentObject);
    } else if (mPageContent != mLastContent || !mLastContentObject) {
        std::swap(mLastContent, mEarlierContent);
        mEarlierContentObject = mLastContentObject;
        mLastContentObject = NewObject();
        BeginObject(mLastContentObject);
        if (mPageContent.size() > 512) {
            // Pages with text of their own are worth packing.
            const QByteArray packed = qCompress(mPageContent, 6).mid(4);
            Write("<< /Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode >>\nstream\n");
            Write(packed);
        } else {
            Write("<< /Length " + QByteArray::number(mPageContent.size()) + " >>\nstream\n");
            Write(mPageContent);
        }
        Write("\nendstream\nendobj\n");
        mLastContent = mPageContent;
    }
    const int page = NewObject();
    BeginObject(page);
    Write("<< /Type /Page /Parent " + QByteArray::number(mPagesObject) + " 0 R /MediaBox [0 0 " +
          Number(mPageSize.width()) + ' ' + Number(mPageSize.height()) + "] /Resources " +
          QByteArray::number(mResourcesObject) + " 0 R /Contents " + QByteArray::number(mLastContentObject) +
          " 0 R >>\nendobj\n");
    mPages.push_back(page);
    return !Failed();
}

bool PdfJobWriter::Finish()
{
    if (!mOpen)
        return false;
    if (mInPage)
        EndPage();

    BeginObject(mResourcesObject);
    QByteArray resources = "<< /ProcSet [/PDF /Text /ImageB /ImageC] /XObject <<";
    for (size_t i = 0; i < mDrawings.size(); ++i)
        resources += " /D" + QByteArray::number(qulonglong(i)) + ' ' + QByteArray::number(mDrawings[i].Object) + " 0 R";
    resources += " >>";
    if (!mFonts.empty()) {
        resources += " /Font <<";
        for (const auto& [name, object] : mFonts)
            resources += ' ' + name + ' ' + QByteArray::number(object) + " 0 R";
        resources += " >>";
    }
    Write(resources + " >>\nendobj\n");

    BeginObject(mPagesObject);
    Write("<< /Type /Pages /Count " + QByteArray::number(qulonglong(mPages.size())) + " /Kids [");
    QByteArray kids;
    for (size_t i = 0; i < mPages.size(); ++i) {
        kids += QByteArray::number(mPages[i]) + (i % 8 == 7 ? " 0 R\n" : " 0 R ");
        if (kids.size() > 64 * 1024) {
            Write(kids);
            kids.clear();
        }
    }
    Write(kids + "] >>\nendobj\n");

    const int catalog = NewObject();
    BeginObject(catalog);
    QByteArray preferences;
    if (!mDuplexPreference.isEmpty())
        preferences = " /ViewerPreferences << /Duplex /" + mDuplexPreference + " >>";
    Write("<< /Type /Catalog /Pages " + QByteArray::number(mPagesObject) + " 0 R" + preferences +
          " >>\nendobj\n");
    const int info = NewObject();
    BeginObject(info);
    Write("<< /Title " + TextString(mTitle) + " /Creator " + TextString(QStringLiteral("Quillmark")) +
          " /Producer " + TextString(QStringLiteral("Quillmark")) + " /CreationDate (D:" +
          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z) >>\nendobj\n");

    const qint64 xref = mOffset;
    Write("xref\n0 " + QByteArray::number(qulonglong(mOffsets.size())) + "\n0000000000 65535 f \n");
    QByteArray table;
    for (size_t i = 1; i < mOffsets.size(); ++i) {
        table += QByteArray::number(mOffsets[i]).rightJustified(10, '0') + " 00000 n \n";
        if (table.size() > 64 * 1024) {
            Write(table);
            table.clear();
        }
    }
    Write(table);
    Write("trailer\n<< /Size " + QByteArray::number(qulonglong(mOffsets.size())) + " /Root " +
          QByteArray::number(catalog) + " 0 R /Info " + QByteArray::number(info) + " 0 R >>\nstartxref\n" +
          QByteArray::number(xref) + "\n%%EOF\n");
    mOpen = false;
    if (Failed()) {
        Abort();
        return false;
    }
    if (mFile && !mFile->Commit()) {
        Fail(mFile->ErrorString());
        mFile.reset();
        return false;
    }
    mFile.reset();
    return true;
}

void PdfJobWriter::Abort()
{
    mOpen = false;
    mInPage = false;
    if (mFile) {
        mFile->Abort();
        mFile.reset();
    }
}

qint64 PdfJobWriter::BytesHeld() const
{
    qint64 held = qint64(mOffsets.capacity() * sizeof(qint64) + mPages.capacity() * sizeof(int)) +
                  mPageContent.capacity() + mLastContent.capacity() + mEarlierContent.capacity();
    if (mFile)
        held += mFile->Buffered();
    return held;
}

} // namespace qm

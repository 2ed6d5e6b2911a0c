// SPDX-License-Identifier: GPL-3.0-or-later
// PdfJobWriter: a PDF document written page by page as a job goes, with drawings made once and placed on
// any number of pages.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

namespace qm {

class AtomicFileWriter;
class TPdfCopy;

// A sheet job repeats one card many times on many pages. Each card is drawn once (by Qt's PDF writer, into a
// one-page document of its own), read back by libqpdf (TPdfCopy) and taken over as a form that every
// position of every page calls, so a page costs a few hundred bytes however rich the card is. Pages go to
// the file as they are finished: memory stays flat however long the job. The file is written beside its target and put in place by Finish, as
// saves are; a job that fails or is abandoned leaves any existing file as it was.
class PdfJobWriter
{
public:
    // An empty file name keeps the document in memory (Document()).
    explicit PdfJobWriter(const QString& fileName);
    ~PdfJobWriter();
    PdfJobWriter(const PdfJobWriter&) = delete;
    PdfJobWriter& operator=(const PdfJobWriter&) = delete;

    bool Open(const QString& title);
    // The name of the turn a viewer's print dialog should offer for two-sided printing ("DuplexFlipLongEdge",
    // "DuplexFlipShortEdge"), kept in the document's viewer preferences; empty for none.
    void SetDuplexPreference(const QByteArray& turn) { mDuplexPreference = turn; }
    // Takes over the first page of a document made by Qt's PDF writer as a drawing to place on pages (its
    // further pages, if any, laid over it in order): its number, or -1 with ErrorString when the document
    // cannot be read.
    int AddDrawing(const QByteArray& pdf);
    // The same for a document in a file, read a piece at a time.
    int AddDrawingFile(const QString& path);
    // The drawing's page size in points.
    QSizeF DrawingSize(int drawing) const;

    // A page of the given size in points.
    void BeginPage(const QSizeF& points);
    // The drawing with its top-left corner at the given point, counted in points from the page's top-left
    // corner. Later placements lie over earlier ones.
    void Place(int drawing, const QPointF& topLeft);
    // Page-content operators of the page's own, over what the page holds so far. They may name the fonts
    // added with AddFont.
    void AddContent(const QByteArray& operators);
    // A font for the pages' own text: the font of the first page of a document made by Qt's PDF writer,
    // under the given resource name ("/F0"), its glyph widths replaced by the given width array. When glyphs
    // is above 1, that page must show the glyphs numbered 1 to glyphs - 1 in order (how it was made to
    // number them the way the pages do); anything else fails the job, as does a font whose widths cannot
    // be set.
    bool AddFont(const QByteArray& name, const QByteArray& pdf, int glyphs, const QByteArray& widths);
    bool EndPage();
    int PageCount() const { return int(mPages.size()); }
    // Whether nothing has been placed or drawn on any page yet.
    bool Untouched() const { return mPages.empty() && mPageContent.isEmpty(); }
    // Whether the job failed because a drawing could not be read back (rather than, say, a full disk).
    bool DrawingUnreadable() const { return mUnreadable; }

    // Writes the page tree and the index and puts the file in place.
    bool Finish();
    void Abort();
    bool Failed() const { return !mError.isEmpty(); }
    QString ErrorString() const { return mError; }
    // The finished document when it is kept in memory.
    QByteArray Document() const { return mMemory; }
    // What the writer holds in memory besides the document's own bytes in memory mode: its tables and any
    // bytes waiting to be written.
    qint64 BytesHeld() const;

private:
    struct Drawing
    {
        int Object = 0;
        QSizeF Size;
    };
    // A reader whose copied objects go into the job.
    std::unique_ptr<TPdfCopy> NewCopy();
    int AddDrawing(TPdfCopy& copy);
    int NewObject();
    void BeginObject(int object);
    void Write(const QByteArray& bytes);
    bool Fail(const QString& reason);

    QString mFileName;
    QString mTitle;
    std::unique_ptr<AtomicFileWriter> mFile;
    QByteArray mMemory;
    qint64 mOffset = 0;
    std::vector<qint64> mOffsets; // by object number; 0 while not written
    std::vector<int> mPages;
    std::vector<Drawing> mDrawings;
    std::vector<std::pair<QByteArray, int>> mFonts; // resource name, object
    int mPagesObject = 0;
    int mResourcesObject = 0;
    // The page being made and the last content written: pages that look alike share one content stream.
    QSizeF mPageSize;
    QByteArray mPageContent;
    // The last two pages' contents and their objects: a page like one of them (every sheet of a job, or every
    // front and every back of a two-sided one) shares its content.
    QByteArray mLastContent, mEarlierContent;
    int mLastContentObject = 0, mEarlierContentObject = 0;
    QByteArray mDuplexPreference;
    bool mInPage = false;
    bool mOpen = false;
    bool mUnreadable = false;
    QString mError;
};

} // namespace qm

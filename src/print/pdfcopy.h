// SPDX-License-Identifier: GPL-3.0-or-later
// TPdfCopy: a document made by Qt's PDF writer, read back by libqpdf, its pages and fonts copied into a job.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

namespace qm {

// Reads a document (any PDF libqpdf reads: a classic index or index streams, objects in object streams) and
// copies what a job takes from it: a page as a form, or the font of a page, with every object they refer to.
// Copied objects get the job's numbers (from Allocate) and go out through Emit one at a time; subset fonts
// are named after their new numbers, so that subsets of two documents never share a name. Objects shared by
// several pages of one document are copied once.
class TPdfCopy
{
public:
    using Allocate = std::function<int()>;
    // An object: its value, or for a stream its dictionary and the stream's bytes.
    using Emit = std::function<void(int number, const QByteArray& value, const QByteArray* stream)>;

    TPdfCopy(Allocate allocate, Emit out);
    ~TPdfCopy();
    TPdfCopy(const TPdfCopy&) = delete;
    TPdfCopy& operator=(const TPdfCopy&) = delete;

    // The document's bytes, which must stay as they are while this reads them.
    bool Open(const QByteArray& pdf);
    // The document in a file, read a piece at a time.
    bool OpenFile(const QString& path);
    int PageCount() const;
    // The first page's size in points.
    QSizeF PageSize() const;
    // The page as a form (its contents, of its media box, with its resources): the form's number, or 0.
    int CopyPageAsForm(int page);
    // The only font of the first page's resources, its glyph widths set from the width array ("[0 [w0 w1
    // ...]]"): the font's number, or 0. When glyphs is above 1, the page must show the glyphs numbered 1 to
    // glyphs - 1 in order (how the fonts of a job are made to number them as the job's pages do).
    int CopyFont(int glyphs, const QByteArray& widths);
    QString ErrorString() const { return mError; }

private:
    struct Data;
    bool Fail(const QString& reason);
    std::unique_ptr<Data> d;
    QString mError;
};

// Every document read from now on reads as if cut off half way, until called with false: for tests of what a
// job does when Qt's drawings cannot be read back.
void SetReadBackFaultForTesting(bool damaged);

} // namespace qm

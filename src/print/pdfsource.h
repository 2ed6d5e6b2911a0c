// TPdfSource: reading back the objects of a small PDF document our own writer made, to take its page over
// into a job.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRectF>

#include <functional>

namespace qm {

// A PDF object split into its dictionary (or whole value) and the bytes of its stream, if any.
struct TPdfObject
{
    QByteArray Value;
    QByteArray Stream;
    bool HasStream = false;
};

class TPdfSource
{
public:
    // The bytes of the document from an offset on, as many as there are up to the length.
    using Reader = std::function<QByteArray(qint64 offset, qint64 length)>;

    // Reads the cross-reference table; false when the document is not one this reader understands.
    bool Parse(const QByteArray& document);
    // The same for a document of the given size read a piece at a time (from a file): only the table is
    // kept, each object is read when asked for.
    bool Parse(qint64 size, const Reader& reader);

    bool Read(int number, TPdfObject* object) const;
    // The first page's dictionary, its number and its media box in points.
    bool FirstPage(int* number, TPdfObject* page, QRectF* mediaBox) const;
    // The numbers of the pages, in order (of a page tree one level deep, as our writer makes it).
    QList<int> PageNumbers() const;

    // The value of a key at the top level of a dictionary ("/Resources"), as written: a reference, a number,
    // a name, an array or a dictionary. Empty when the key is missing.
    static QByteArray Value(const QByteArray& dictionary, const char* key);
    // The object a reference ("12 0 R") names; 0 when the text is no reference.
    static int Reference(const QByteArray& value);
    // Every object the value refers to.
    static QList<int> References(const QByteArray& value);
    // The value with every reference renumbered; strings are left as they are.
    static QByteArray Renumber(const QByteArray& value, const std::function<int(int)>& map);

private:
    // Up to length bytes from the offset; for a document in memory, without copying them.
    QByteArray Bytes(qint64 offset, qint64 length) const;
    bool ParseTable();

    QByteArray mData;
    qint64 mSize = 0;
    Reader mReader;
    QHash<int, qint64> mOffsets;
    int mRoot = 0;
};

} // namespace qm

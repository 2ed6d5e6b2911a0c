// Reading the objects of a PDF document by its cross-reference table: enough of the syntax to find the first
// page, its resources and its contents, and to renumber references when objects move to another document.
#include "print/pdfsource.h"

#include <algorithm>
#include <cstring>

namespace qm {

namespace {

bool IsWhite(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c)
{
    return IsWhite(c) || std::strchr("()<>[]{}/%", c) != nullptr;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

qsizetype SkipWhite(const QByteArray& s, qsizetype pos)
{
    while (pos < s.size()) {
        if (s[pos] == '%') {
            while (pos < s.size() && s[pos] != '\n' && s[pos] != '\r')
                ++pos;
        } else if (IsWhite(s[pos])) {
            ++pos;
        } else {
            break;
        }
    }
    return pos;
}

// The end of a literal string that starts at pos (on its opening parenthesis).
qsizetype SkipString(const QByteArray& s, qsizetype pos)
{
    int depth = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '\\') {
            ++pos;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return pos + 1;
        }
    }
    return s.size();
}

// The end of an integer at pos, or pos when there is none.
qsizetype SkipInteger(const QByteArray& s, qsizetype pos)
{
    while (pos < s.size() && IsDigit(s[pos]))
        ++pos;
    return pos;
}

// When a reference "N G R" starts at pos: its end and its number.
bool MatchReference(const QByteArray& s, qsizetype pos, qsizetype* end, int* number)
{
    if (pos > 0 && !IsDelimiter(s[pos - 1]))
        return false;
    const qsizetype n1 = SkipInteger(s, pos);
    if (n1 == pos || n1 >= s.size() || !IsWhite(s[n1]))
        return false;
    const qsizetype g0 = SkipWhite(s, n1);
    const qsizetype g1 = SkipInteger(s, g0);
    if (g1 == g0 || g1 >= s.size() || !IsWhite(s[g1]))
        return false;
    const qsizetype r = SkipWhite(s, g1);
    if (r >= s.size() || s[r] != 'R' || (r + 1 < s.size() && !IsDelimiter(s[r + 1])))
        return false;
    bool ok = false;
    const int value = s.mid(pos, n1 - pos).toInt(&ok);
    if (!ok || value <= 0)
        return false;
    *end = r + 1;
    *number = value;
    return true;
}

// Calls found for every reference in the value, in order; strings are skipped.
void ForEachReference(const QByteArray& s, const std::function<void(qsizetype, qsizetype, int)>& found)
{
    qsizetype pos = 0;
    while (pos < s.size()) {
        const char c = s[pos];
        if (c == '(') {
            pos = SkipString(s, pos);
        } else if (IsDigit(c)) {
            qsizetype end = 0;
            int number = 0;
            if (MatchReference(s, pos, &end, &number)) {
                found(pos, end, number);
                pos = end;
            } else {
                pos = SkipInteger(s, pos);
            }
        } else {
            ++pos;
        }
    }
}

// The end of the value that starts at pos.
qsizetype SkipValue(const QByteArray& s, qsizetype pos)
{
    pos = SkipWhite(s, pos);
    if (pos >= s.size())
        return pos;
    const char c = s[pos];
    if (c == '(')
        return SkipString(s, pos);
    if (c == '<' && pos + 1 < s.size() && s[pos + 1] != '<') {
        const qsizetype end = s.indexOf('>', pos);
        return end < 0 ? s.size() : end + 1;
    }
    if (c == '<' || c == '[') {
        // A dictionary or an array: to its matching end.
        int depth = 0;
        while (pos < s.size()) {
            const char d = s[pos];
            if (d == '(') {
                pos = SkipString(s, pos);
                continue;
            }
            if (d == '<' && pos + 1 < s.size() && s[pos + 1] == '<') {
                ++depth;
                pos += 2;
            } else if (d == '>' && pos + 1 < s.size() && s[pos + 1] == '>') {
                pos += 2;
                if (--depth == 0)
                    return pos;
            } else if (d == '[') {
                ++depth;
                ++pos;
            } else if (d == ']') {
                ++pos;
                if (--depth == 0)
                    return pos;
            } else if (d == '<') {
                const qsizetype end = s.indexOf('>', pos);
                pos = end < 0 ? s.size() : end + 1;
            } else {
                ++pos;
            }
        }
        return pos;
    }
    if (IsDigit(c)) {
        qsizetype end = 0;
        int number = 0;
        if (MatchReference(s, pos, &end, &number))
            return end;
    }
    // A name, a number or a keyword.
    ++pos;
    while (pos < s.size() && !IsDelimiter(s[pos]))
        ++pos;
    return pos;
}

} // namespace

QByteArray TPdfSource::Value(const QByteArray& dictionary, const char* key)
{
    qsizetype pos = SkipWhite(dictionary, 0);
    if (!dictionary.mid(pos, 2).startsWith("<<"))
        return QByteArray();
    pos += 2;
    const QByteArray wanted(key);
    while (true) {
        pos = SkipWhite(dictionary, pos);
        if (pos >= dictionary.size() || dictionary[pos] != '/')
            return QByteArray();
        qsizetype end = pos + 1;
        while (end < dictionary.size() && !IsDelimiter(dictionary[end]))
            ++end;
        const QByteArray name = dictionary.mid(pos, end - pos);
        const qsizetype valueStart = SkipWhite(dictionary, end);
        const qsizetype valueEnd = SkipValue(dictionary, valueStart);
        if (valueEnd <= valueStart)
            return QByteArray();
        if (name == wanted)
            return dictionary.mid(valueStart, valueEnd - valueStart);
        pos = valueEnd;
    }
}

int TPdfSource::Reference(const QByteArray& value)
{
    const QByteArray v = value.trimmed();
    qsizetype end = 0;
    int number = 0;
    if (MatchReference(v, 0, &end, &number) && end == v.size())
        return number;
    return 0;
}

QList<int> TPdfSource::References(const QByteArray& value)
{
    QList<int> found;
    ForEachReference(value, [&found](qsizetype, qsizetype, int number) { found.append(number); });
    return found;
}

QByteArray TPdfSource::Renumber(const QByteArray& value, const std::function<int(int)>& map)
{
    QByteArray out;
    out.reserve(value.size() + 16);
    qsizetype copied = 0;
    ForEachReference(value, [&](qsizetype start, qsizetype end, int number) {
        out.append(value.constData() + copied, start - copied);
        out.append(QByteArray::number(map(number)));
        out.append(" 0 R");
        copied = end;
    });
    out.append(value.constData() + copied, value.size() - copied);
    return out;
}

QByteArray TPdfSource::Bytes(qint64 offset, qint64 length) const
{
    if (offset < 0 || offset >= mSize || length <= 0)
        return QByteArray();
    length = std::min(length, mSize - offset);
    if (mReader)
        return mReader(offset, length);
    return QByteArray::fromRawData(mData.constData() + offset, qsizetype(length));
}

bool TPdfSource::Parse(const QByteArray& document)
{
    mData = document;
    mSize = document.size();
    mReader = nullptr;
    return ParseTable();
}

bool TPdfSource::Parse(qint64 size, const Reader& reader)
{
    mData.clear();
    mSize = size;
    mReader = reader;
    return ParseTable();
}

bool TPdfSource::ParseTable()
{
    mOffsets.clear();
    mRoot = 0;
    // "startxref", the table's offset and "%%EOF" end the document.
    const qint64 endAt = std::max<qint64>(0, mSize - 1024);
    const QByteArray end = Bytes(endAt, mSize - endAt);
    const qsizetype startxref = end.lastIndexOf("startxref");
    if (startxref < 0)
        return false;
    bool ok = false;
    const qsizetype at = SkipWhite(end, startxref + 9);
    const qint64 xref = end.mid(at, SkipInteger(end, at) - at).toLongLong(&ok);
    if (!ok || xref < 0 || xref >= mSize)
        return false;
    // The table and the trailer after it, held while they are read.
    const QByteArray table = Bytes(xref, mSize - xref);
    if (!table.startsWith("xref"))
        return false;
    qsizetype pos = 4;
    // Sections of "first count" followed by count entries of "offset generation n|f".
    while (true) {
        pos = SkipWhite(table, pos);
        if (table.mid(pos, 7).startsWith("trailer"))
            break;
        const qsizetype firstEnd = SkipInteger(table, pos);
        const qsizetype countStart = SkipWhite(table, firstEnd);
        const qsizetype countEnd = SkipInteger(table, countStart);
        if (firstEnd == pos || countEnd == countStart)
            return false;
        const int first = table.mid(pos, firstEnd - pos).toInt();
        const int count = table.mid(countStart, countEnd - countStart).toInt();
        pos = countEnd;
        for (int i = 0; i < count; ++i) {
            const qsizetype o0 = SkipWhite(table, pos);
            const qsizetype o1 = SkipInteger(table, o0);
            const qsizetype g0 = SkipWhite(table, o1);
            const qsizetype g1 = SkipInteger(table, g0);
            const qsizetype k = SkipWhite(table, g1);
            if (o1 == o0 || g1 == g0 || k >= table.size())
                return false;
            if (table[k] == 'n')
                mOffsets.insert(first + i, table.mid(o0, o1 - o0).toLongLong());
            pos = k + 1;
        }
    }
    const QByteArray trailer = table.mid(SkipWhite(table, pos + 7));
    mRoot = Reference(Value(trailer.left(SkipValue(trailer, 0)), "/Root"));
    return mRoot > 0;
}

bool TPdfSource::Read(int number, TPdfObject* object) const
{
    const auto found = mOffsets.constFind(number);
    if (found == mOffsets.constEnd() || *found < 0 || *found >= mSize)
        return false;
    // The object's value is read in a piece that grows until it holds the value whole and what follows it
    // ("stream" or "endobj").
    const qint64 offset = *found;
    QByteArray piece;
    qsizetype valueStart = 0, valueEnd = 0, after = 0;
    for (qint64 length = 4096;; length *= 4) {
        piece = Bytes(offset, length);
        const bool whole = offset + piece.size() >= mSize;
        qsizetype pos = piece.indexOf("obj");
        if (pos < 0) {
            if (whole)
                return false;
            continue;
        }
        pos += 3;
        valueStart = SkipWhite(piece, pos);
        valueEnd = SkipValue(piece, valueStart);
        after = SkipWhite(piece, valueEnd);
        if (whole || after + 8 <= piece.size())
            break;
    }
    if (valueEnd <= valueStart)
        return false;
    object->Value = QByteArray(piece.constData() + valueStart, valueEnd - valueStart);
    object->Stream.clear();
    object->HasStream = false;
    if (!piece.mid(after, 6).startsWith("stream"))
        return true;
    // The stream's bytes start after the end of the keyword's line; /Length counts them.
    qsizetype data = after + 6;
    if (data < piece.size() && piece[data] == '\r')
        ++data;
    if (data < piece.size() && piece[data] == '\n')
        ++data;
    QByteArray length = Value(object->Value, "/Length");
    if (const int lengthObject = Reference(length)) {
        TPdfObject stored;
        if (lengthObject == number || !Read(lengthObject, &stored))
            return false;
        length = stored.Value;
    }
    bool ok = false;
    const qint64 size = length.trimmed().toLongLong(&ok);
    if (!ok || size < 0 || offset + data + size > mSize)
        return false;
    object->Stream = Bytes(offset + data, size);
    if (object->Stream.size() != size)
        return false;
    // A document in memory lends its bytes: the object gets a copy of its own.
    object->Stream.detach();
    object->HasStream = true;
    return true;
}

QList<int> TPdfSource::PageNumbers() const
{
    TPdfObject catalog, pages;
    if (!Read(mRoot, &catalog))
        return {};
    const int pagesNumber = Reference(Value(catalog.Value, "/Pages"));
    if (!pagesNumber || !Read(pagesNumber, &pages))
        return {};
    return References(Value(pages.Value, "/Kids"));
}

bool TPdfSource::FirstPage(int* number, TPdfObject* page, QRectF* mediaBox) const
{
    const QList<int> kids = PageNumbers();
    if (kids.isEmpty() || !Read(kids.front(), page))
        return false;
    *number = kids.front();
    QByteArray box = Value(page->Value, "/MediaBox").trimmed();
    if (!box.startsWith('[') || !box.endsWith(']'))
        return false;
    const QList<QByteArray> values = box.mid(1, box.size() - 2).simplified().split(' ');
    if (values.size() != 4)
        return false;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = values[i].toDouble(&ok);
        if (!ok)
            return false;
    }
    *mediaBox = QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Merge records from CSV text.
#include "contacts/csvsource.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QList>

namespace qm {

namespace {

// Drops a character cut in two at the end of bytes cut at a limit.
void DropCutCharacter(QByteArray& bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80)
        --end;
    if (end > 0 && static_cast<unsigned char>(bytes[end - 1]) >= 0xC0)
        --end;
    if (end < bytes.size() && end >= bytes.size() - 4)
        bytes.truncate(end);
}

// The separator the header row uses most: comma, semicolon or tab (comma when it uses none).
char DetectSeparator(const QByteArray& ahead)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const char c : ahead) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\n' || c == '\r') {
            if (comma + semicolon + tab > 0)
                break;
        } else if (c == ',')
            ++comma;
        else if (c == ';')
            ++semicolon;
        else if (c == '\t')
            ++tab;
    }
    if (semicolon > comma && semicolon >= tab)
        return ';';
    if (tab > comma && tab > semicolon)
        return '\t';
    return ',';
}

QString UnclosedQuote(qint64 line)
{
    return QCoreApplication::translate(
               "qm::CsvSource", "The quoted value that begins on line %L1 is never closed (a quote is "
                                "missing): the rest of the file would run into it, so nothing is read.")
        .arg(line);
}

// Follows the quoting of CSV text as CsvSource::ReadRow does, a piece at a time and keeping nothing, to find a
// quote still open at the end and the line it was opened on.
class QuoteScan
{
public:
    explicit QuoteScan(char separator) : mSeparator(separator) {}

    void Feed(const char* data, qsizetype size)
    {
        for (qsizetype i = 0; i < size; ++i) {
            const char c = data[i];
            if (mAfterCr) {
                mAfterCr = false;
                if (c == '\n')
                    continue; // CR LF ends one line
            }
            if (mAfterQuote) {
                mAfterQuote = false;
                if (c == '"')
                    continue; // a doubled quote inside quotes
                mInQuotes = false;
            }
            if (c == '\n' || c == '\r') {
                ++mLine;
                mAfterCr = c == '\r';
                if (!mInQuotes)
                    mFieldStart = true;
            } else if (mInQuotes) {
                mAfterQuote = c == '"';
            } else if (c == mSeparator) {
                mFieldStart = true;
            } else {
                if (c == '"' && mFieldStart) {
                    mInQuotes = true;
                    mQuoteLine = mLine;
                }
                mFieldStart = false;
            }
        }
    }
    // The line (from 1) where a quote left open at the end began; 0 when every quote was closed.
    qint64 OpenQuoteLine() const { return mInQuotes && !mAfterQuote ? mQuoteLine : 0; }

private:
    char mSeparator;
    bool mInQuotes = false;
    bool mAfterQuote = false;
    bool mAfterCr = false;
    bool mFieldStart = true;
    qint64 mLine = 1;
    qint64 mQuoteLine = 0;
};

class CsvSource : public DataSource
{
public:
    CsvSource(std::unique_ptr<ByteInput> input, bool numbered) : mIn(std::move(input)), mNumbered(numbered) {}

    QString Kind() const override { return QStringLiteral("CSV"); }

    bool Start(QString* error)
    {
        const QByteArray ahead = mIn->Ahead();
        if (ahead.startsWith("\xEF\xBB\xBF")) {
            mIn->Skip(3);
            mEncoding = Utf8Marked;
        }
        mSeparator = DetectSeparator(mIn->Ahead());
        // A quote left open would run every later row into one value: that is found before any record is
        // given (a pipe, which cannot be read twice, finds it at its end).
        QuoteScan scan(mSeparator);
        if (mIn->ScanRest([&scan](const char* data, qsizetype size) { scan.Feed(data, size); }) &&
            scan.OpenQuoteLine() > 0) {
            if (error)
                *error = UnclosedQuote(scan.OpenQuoteLine());
            return false;
        }
        QList<QByteArray> header;
        if (!ReadRow(header)) {
            if (error)
                *error = !mError.isEmpty()
                             ? mError
                             : QCoreApplication::translate("qm::CsvSource",
                                                           "The file holds no field names (its first "
                                                           "row should name the columns).");
            return false;
        }
        if (mNumbered) {
            // The first row is the first record; it is given again by the first Next.
            for (qsizetype i = 0; i < header.size(); ++i)
                mNames.append(QString::number(i + 1));
            mFirstRow = header;
            mHaveFirstRow = true;
            return true;
        }
        for (qsizetype i = 0; i < header.size(); ++i) {
            QString name = Decode(header[i]).simplified();
            if (name.isEmpty())
                //: The name given to a column whose heading in the file is blank
                name = QCoreApplication::translate("qm::CsvSource", "Column %L1").arg(i + 1);
            mNames.append(name);
        }
        return true;
    }

    bool Next(QStringList& values) override
    {
        values.clear();
        QList<QByteArray> row;
        if (mHaveFirstRow) {
            row = std::move(mFirstRow);
            mHaveFirstRow = false;
        } else if (!ReadRow(row)) {
            if (mIn->Failed() && mError.isEmpty())
                mError =
                    QCoreApplication::translate("qm::DataSource", "The file could not be read to the end.");
            return false;
        }
        ++mRecords;
        for (qsizetype i = 0; i < mNames.size(); ++i)
            values.append(i < row.size() ? Decode(row[i]) : QString());
        for (qsizetype i = mNames.size(); i < row.size(); ++i) {
            if (!row[i].trimmed().isEmpty()) {
                AddNote(QCoreApplication::translate("qm::CsvSource",
                                                    "Record %L1 has more values than there are "
                                                    "columns; the extra values are left out.")
                            .arg(mRecords));
                break;
            }
        }
        return true;
    }

private:
    enum TEncoding
    {
        Undecided,
        Utf8,
        Utf8Marked,
        Windows1252
    };

    QString Decode(const QByteArray& bytes)
    {
        if (mEncoding == Utf8Marked)
            return QString::fromUtf8(bytes);
        bool ascii = true;
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
        }
        if (ascii)
            return QString::fromLatin1(bytes);
        // The first text beyond ASCII decides for the file; a later field that is not UTF-8 in a UTF-8 file
        // is still read as Windows-1252.
        if (mEncoding == Undecided)
            mEncoding = IsValidUtf8(bytes) ? Utf8 : Windows1252;
        if (mEncoding == Utf8 && IsValidUtf8(bytes))
            return QString::fromUtf8(bytes);
        return FromWindows1252(bytes);
    }

    // One row's fields, blank rows skipped; false at the end of the input.
    bool ReadRow(QList<QByteArray>& fields)
    {
        for (;;) {
            fields.clear();
            bool quotedAny = false;
            int c = Get();
            if (c < 0)
                return false;
            QByteArray field;
            bool inQuotes = false;
            bool quoted = false;
            bool started = false; // the field has had a character (kept or cut)
            qint64 quoteLine = 0;
            qsizetype rowBytes = 0;
            bool cut = false;
            bool tooMany = false;
            auto push = [&] {
                if (cut)
                    DropCutCharacter(field);
                if (fields.size() < kMaxFields)
                    fields.append(field);
                else
                    tooMany = true;
                field.clear();
                quoted = false;
                started = false;
            };
            auto add = [&](char byte) {
                started = true;
                if (field.size() < kMaxFieldBytes && rowBytes < kMaxRecordBytes && !tooMany) {
                    field.append(byte);
                    ++rowBytes;
                } else {
                    cut = true;
                }
            };
            for (;;) {
                if (inQuotes) {
                    if (c < 0) {
                        mError = UnclosedQuote(quoteLine);
                        return false;
                    }
                    if (c == '"') {
                        if (mIn->Peek() == '"') {
                            Get();
                            add('"');
                        } else {
                            inQuotes = false;
                        }
                    } else {
                        add(char(c));
                    }
                } else if (c < 0 || c == '\n' || c == '\r') {
                    if (c == '\r' && mIn->Peek() == '\n')
                        Get();
                    push();
                    break;
                } else if (c == mSeparator) {
                    push();
                } else if (c == '"' && !started && !quoted) {
                    inQuotes = quoted = quotedAny = started = true;
                    quoteLine = mLine;
                } else {
                    add(char(c));
                }
                c = Get();
            }
            if (cut || tooMany)
                AddNote(QCoreApplication::translate(
                            "qm::CsvSource", "Record %L1 is too long: its text was cut at %L2 KB a value and "
                                             "%L3 KB a record, %L4 values.")
                            .arg(mRecords + 1)
                            .arg(kMaxFieldBytes / 1024)
                            .arg(kMaxRecordBytes / 1024)
                            .arg(kMaxFields));
            if (fields.size() == 1 && fields[0].isEmpty() && !quotedAny)
                continue; // a blank row
            return true;
        }
    }

    // The next byte, counting lines (CR LF, LF or CR end one).
    int Get()
    {
        const int c = mIn->Get();
        if (c == '\n' || (c == '\r' && mIn->Peek() != '\n'))
            ++mLine;
        return c;
    }

    std::unique_ptr<ByteInput> mIn;
    bool mNumbered = false;
    QList<QByteArray> mFirstRow;
    bool mHaveFirstRow = false;
    qint64 mLine = 1; // the line being read, from 1
    char mSeparator = ',';
    TEncoding mEncoding = Undecided;
};

} // namespace

std::unique_ptr<DataSource> MakeCsvSource(std::unique_ptr<ByteInput> input, QString* error, CsvColumns columns)
{
    auto source = std::make_unique<CsvSource>(std::move(input), columns == CsvColumns::Numbered);
    if (!source->Start(error))
        return nullptr;
    return source;
}

} // namespace qm

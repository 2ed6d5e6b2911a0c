// SPDX-License-Identifier: GPL-3.0-or-later
// Merge data: the records of a CSV or vCard file read one at a time, each field and record of bounded size.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <QStringDecoder>

#include <functional>
#include <memory>

class QIODevice;

namespace qm {

// Bytes from a device through a buffer, a byte at a time. Text in UTF-16 (a device that starts with its
// byte-order mark) is given as UTF-8, without the mark.
class ByteInput
{
public:
    static constexpr qsizetype kChunk = 64 * 1024;
    explicit ByteInput(std::unique_ptr<QIODevice> device);
    ~ByteInput();
    ByteInput(const ByteInput&) = delete;
    ByteInput& operator=(const ByteInput&) = delete;

    // The next byte (0..255), or -1 at the end.
    int Get()
    {
        if (mPos >= mBuffer.size() && !Fill())
            return -1;
        return static_cast<unsigned char>(mBuffer[mPos++]);
    }
    int Peek()
    {
        if (mPos >= mBuffer.size() && !Fill())
            return -1;
        return static_cast<unsigned char>(mBuffer[mPos]);
    }
    // What is buffered ahead (at least the first chunk, unless the input is shorter).
    QByteArray Ahead()
    {
        if (mPos >= mBuffer.size())
            Fill();
        return mBuffer.mid(mPos);
    }
    void Skip(qsizetype count) { mPos += count; }
    // True when reading from the device failed.
    bool Failed() const { return mFailed; }
    // Hands the rest of the input to scan a piece at a time (as Get would give it) and goes back to where it
    // was, holding no more than a piece. False, with nothing scanned, when the device cannot go back (a pipe).
    bool ScanRest(const std::function<void(const char* data, qsizetype size)>& scan);

private:
    bool Fill();
    // The next piece from the device onto the end of piece, UTF-16 turned into UTF-8: the bytes read from
    // the device (0 at its end), or -1 when reading failed.
    qint64 ReadPiece(QByteArray& piece, QStringDecoder& decoder, QByteArray& carry);
    std::unique_ptr<QIODevice> mDevice;
    QByteArray mBuffer;
    qsizetype mPos = 0;
    bool mFailed = false;
    QStringDecoder::Encoding mUtf16 = QStringDecoder::Utf8; // Utf16LE or Utf16BE for a UTF-16 device
    QStringDecoder mDecoder;                                // valid for a UTF-16 device
    QByteArray mCarry; // the odd byte of the last piece read from a UTF-16 device
};

// A source of merge records. Every record has a value for each field name (missing ones empty); what is
// beyond the limits is cut and said in Notes().
class DataSource
{
public:
    // Limits: a field's text, a record's text, and the fields of a record.
    static constexpr qsizetype kMaxFieldBytes = 64 * 1024;
    static constexpr qsizetype kMaxRecordBytes = 1024 * 1024;
    static constexpr int kMaxFields = 1000;
    static constexpr int kMaxNotes = 20;

    virtual ~DataSource() = default;

    // "CSV" or "vCard".
    virtual QString Kind() const = 0;
    // The names of the fields: a CSV file's header; the fields a vCard fills.
    const QStringList& FieldNames() const { return mNames; }
    // The next record's values, one for each field name; false at the end of the data or when reading
    // failed (Error says why).
    virtual bool Next(QStringList& values) = 0;
    // Why reading stopped before the end; empty otherwise.
    const QString& Error() const { return mError; }
    // What was cut or skipped on the way (a field over the limit, a row with more values than names), the
    // first kMaxNotes of them.
    const QStringList& Notes() const { return mNotes; }
    // Records given so far.
    qint64 Records() const { return mRecords; }

protected:
    void AddNote(const QString& note);
    QStringList mNames;
    QString mError;
    qint64 mRecords = 0;

private:
    QStringList mNotes;
};

// How the columns of CSV text are named: by its first row (Named), or, for files without such a row (as
// gLabels merges "Text/Comma" data), by their numbers "1", "2"... with the first row a record (Numbered).
enum class CsvColumns { Named, Numbered };

// Opens a data file: a vCard file when its first line (after blank lines) begins a vCard, else a CSV file.
// Null with *error set when the file cannot be opened, is empty, holds binary data or has no field names.
std::unique_ptr<DataSource> OpenDataSource(const QString& path, QString* error,
                                           CsvColumns columns = CsvColumns::Named);
// The same for data already on a device (opened for reading); the source owns it.
std::unique_ptr<DataSource> OpenDataSource(std::unique_ptr<QIODevice> device, QString* error,
                                           CsvColumns columns = CsvColumns::Named);
// The same for bytes in memory.
std::unique_ptr<DataSource> DataSourceFromBytes(const QByteArray& bytes, QString* error);

// True when the first line that is not blank (after a byte-order mark) begins a vCard.
bool BeginsVCard(const QByteArray& ahead);

// Text of a field whose encoding is not declared: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString DecodeUndeclared(const QByteArray& bytes);
// True when the bytes are valid UTF-8.
bool IsValidUtf8(const QByteArray& bytes);

} // namespace qm

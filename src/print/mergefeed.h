// SPDX-License-Identifier: GPL-3.0-or-later
// TMergeFeed: one merge print: the data file, its columns, which column feeds each personal field, the first
// few records to show, the start position, and the records streamed to each job from the top of the file.
#pragma once

#include "contacts/datasource.h"
#include "contacts/fieldmapping.h"
#include "model/mergerecord.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace qm {

class DataSource;

class TMergeFeed
{
    Q_DECLARE_TR_FUNCTIONS(qm::TMergeFeed)

public:
    // How many records are read ahead for showing.
    static constexpr int kSampleRecords = 5;

    TMergeFeed();
    ~TMergeFeed();
    TMergeFeed(const TMergeFeed&) = delete;
    TMergeFeed& operator=(const TMergeFeed&) = delete;

    // Opens a CSV or vCard file, matches its columns to the personal fields, reads the first few records and
    // counts the rest (none read with samples 0: the file then stays open and the first job reads it from
    // there). False with Problem() when the file cannot be used (unreadable, empty, binary, no field names,
    // no records); the feed is then closed.
    bool Open(const QString& path, int samples = kSampleRecords);
    // A CSV file whose columns are numbers ({1}, {2}...) rather than named by its first row, as the data a
    // gLabels design brought in names.
    void SetNumberedFile(const QString& path) { mNumberedFile = path; }
    bool IsOpen() const { return !mPath.isEmpty(); }
    const QString& Path() const { return mPath; }
    // Why the last Open failed, in the reader's words.
    const QString& Problem() const { return mProblem; }
    // "CSV" or "vCard".
    const QString& Kind() const { return mKind; }
    const QStringList& Columns() const { return mColumns; }

    // The people of the file, counted by Open (0 when it read no samples), and why reading stopped before the
    // end of the file, when it did; what was cut or skipped on the way.
    qint64 RecordCount() const { return mRecordCount; }
    const QString& CountProblem() const { return mCountProblem; }
    const QStringList& CountNotes() const { return mCountNotes; }
    // What the merge dialog says of the open file: how many people were read from it ("23 people read from
    // contacts.csv.", and why reading stopped early when it did), what it holds, what was cut or skipped.
    QString ReadSummary() const;

    const FieldMapping& Mapping() const { return mMapping; }
    // The mapping as the column names gave it when the file was opened.
    const FieldMapping& Matched() const { return mMatched; }
    // The column (index into Columns(), or -1 for none) that feeds a personal field.
    void SetColumn(int field, int column);
    void SetSource(int field, const FieldSource& source);
    // Address1 to Address3 back to the address lines that matching found.
    void UseMatchedAddress() { mMapping.SetAddressLines(mMatched.AddressLines()); }

    // The first records of the file (at most the samples asked for), each with a value per column.
    const std::vector<QStringList>& Samples() const { return mSamples; }
    // What a personal field shows for a sample record under the mapping; empty for none.
    QString SampleValue(int field, int sample = 0) const;

    // The sheet position (from 1, across then down) of the first card.
    int StartPosition() const { return mStart; }
    void SetStartPosition(int position) { mStart = position < 1 ? 1 : position; }

    // The records of one job from the first one on, as a sheet job takes them: each call fills the record
    // with the next person under the mapping, false at the end (or after maxRecords when that is above 0).
    // The file is read afresh for every job; an empty function, with JobError() set, when it cannot be.
    std::function<bool(MergeRecord&)> StartJob(qint64 maxRecords = 0);
    // The last job's facts: records given, what the reader cut or skipped, why it stopped early.
    qint64 JobRecords() const;
    QStringList JobNotes() const;
    QString JobError() const;

    // What a finished print says: the number of cards, the PDF file they went to (when given), and any notes
    // of the reader.
    QString PrintedSummary(const QString& pdfFile = QString()) const;

private:
    void Close();

    QString mPath;
    QString mNumberedFile;
    CsvColumns ColumnsOf(const QString& path) const
    {
        return !mNumberedFile.isEmpty() && path == mNumberedFile ? CsvColumns::Numbered : CsvColumns::Named;
    }
    QString mProblem;
    QString mKind;
    QStringList mColumns;
    FieldMapping mMapping;
    FieldMapping mMatched;
    std::vector<QStringList> mSamples;
    qint64 mRecordCount = 0;
    QString mCountProblem;
    QStringList mCountNotes;
    int mStart = 1;
    std::unique_ptr<DataSource> mSource; // the job's reader
    bool mSourceFresh = false;            // opened and nothing read yet
    QString mJobError;
    qint64 mJobLimit = 0;
    qint64 mJobGiven = 0;
};

} // namespace qm

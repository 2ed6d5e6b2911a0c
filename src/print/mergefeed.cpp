// SPDX-License-Identifier: GPL-3.0-or-later
// TMergeFeed: the data file of a merge print, read once for showing and afresh for every job.
#include "print/mergefeed.h"

#include "contacts/contactformats.h"

#include <QFileInfo>

namespace qm {

TMergeFeed::TMergeFeed() = default;
TMergeFeed::~TMergeFeed() = default;

void TMergeFeed::Close()
{
    mPath.clear();
    mKind.clear();
    mColumns.clear();
    mMapping = FieldMapping();
    mMatched = FieldMapping();
    mSamples.clear();
    mRecordCount = 0;
    mCountProblem.clear();
    mCountNotes.clear();
    mSource.reset();
    mSourceFresh = false;
    mJobError.clear();
    mJobGiven = 0;
    mJobLimit = 0;
}

bool TMergeFeed::Open(const QString& path, int samples)
{
    Close();
    mProblem.clear();
    std::unique_ptr<DataSource> source = OpenContactFile(path, &mProblem, ColumnsOf(path));
    if (!source)
        return false;
    QStringList values;
    while (int(mSamples.size()) < samples && source->Next(values))
        mSamples.push_back(values);
    if (samples > 0 && mSamples.empty()) {
        mProblem = source->Error().isEmpty() ? tr("The file holds no records.") : source->Error();
        return false;
    }
    mPath = path;
    mKind = source->Kind();
    mColumns = source->FieldNames();
    mMatched = FieldMapping::Match(mColumns);
    mMapping = mMatched;
    if (samples <= 0) {
        mSource = std::move(source);
        mSourceFresh = true;
        return true;
    }
    // The rest is only counted, a record at a time.
    while (source->Next(values)) {
    }
    mRecordCount = source->Records();
    mCountProblem = source->Error();
    mCountNotes = source->Notes();
    return true;
}

void TMergeFeed::SetColumn(int field, int column)
{
    mMapping.SetColumn(field, column >= 0 && column < mColumns.size() ? column : -1);
}

void TMergeFeed::SetSource(int field, const FieldSource& source)
{
    for (const std::vector<int>* list : {&source.columns, &source.fallback}) {
        for (const int column : *list) {
            if (column >= mColumns.size())
                return;
        }
    }
    mMapping.SetSource(field, source);
}

QString TMergeFeed::SampleValue(int field, int sample) const
{
    if (sample < 0 || sample >= int(mSamples.size()))
        return QString();
    return mMapping.Value(field, mSamples[size_t(sample)]);
}

std::function<bool(MergeRecord&)> TMergeFeed::StartJob(qint64 maxRecords)
{
    mJobError.clear();
    mJobGiven = 0;
    mJobLimit = maxRecords;
    if (!IsOpen()) {
        mJobError = tr("No data file is open.");
        return {};
    }
    if (!mSourceFresh) {
        QString reason;
        mSource = OpenContactFile(mPath, &reason, ColumnsOf(mPath));
        if (!mSource) {
            mJobError = reason;
            return {};
        }
        // The mapping counts columns by place: a file rewritten with other columns would put values under
        // the wrong fields.
        if (mSource->FieldNames() != mColumns) {
            mSource.reset();
            mJobError = tr("The file's columns changed since it was opened; open it again.");
            return {};
        }
    }
    mSourceFresh = false;
    return [this](MergeRecord& record) {
        if (!mSource || (mJobLimit > 0 && mJobGiven >= mJobLimit))
            return false;
        QStringList values;
        if (!mSource->Next(values))
            return false;
        ++mJobGiven;
        record.Clear();
        mMapping.Fill(record, mColumns, values);
        return true;
    };
}

qint64 TMergeFeed::JobRecords() const
{
    return mJobGiven;
}

QStringList TMergeFeed::JobNotes() const
{
    return mSource ? mSource->Notes() : QStringList();
}

QString TMergeFeed::JobError() const
{
    if (!mJobError.isEmpty())
        return mJobError;
    return mSource ? mSource->Error() : QString();
}

QString TMergeFeed::ReadSummary() const
{
    const QString file = QFileInfo(Path()).fileName();
    const qint64 people = RecordCount();
    //: %1 is the file's name
    QStringList sentences{people == 1 ? tr("1 person read from %1.").arg(file)
                                      //: %1 is the file's name
                                      : tr("%Ln people read from %1.", nullptr, int(people)).arg(file)};
    if (!CountProblem().isEmpty())
        //: %1 is why the file could not be read further
        sentences << tr("Reading stopped there: %1").arg(CountProblem());
    // A CSV file has columns; a vCard file has the kinds of fields its people fill.
    const int columns = int(Columns().size());
    if (Kind() == QLatin1String("CSV"))
        sentences << (columns == 1 ? tr("The file has 1 column.")
                                   : tr("The file has %Ln columns.", nullptr, columns));
    else
        sentences << (columns == 1 ? tr("Its people fill 1 kind of field.")
                                   : tr("Its people fill %Ln kinds of fields.", nullptr, columns));
    //: {Name} is a placeholder as typed on the card: keep it as it is
    sentences << tr(
        "Each person gets a card; a text shows a field by its placeholder, such as {Name}, or any "
        "column by its name.");
    QString text = sentences.join(QLatin1Char(' '));
    if (!CountNotes().isEmpty())
        text += QLatin1Char('\n') + CountNotes().join(QLatin1Char('\n'));
    return text;
}

QString TMergeFeed::PrintedSummary(const QString& pdfFile) const
{
    const int given = int(mJobGiven);
    QString text;
    if (pdfFile.isEmpty())
        text = given == 1 ? tr("1 card was printed.") : tr("%Ln cards were printed.", nullptr, given);
    else
        //: The PDF file's name follows on the next line
        text = (given == 1 ? tr("1 card was printed to the PDF file")
                           : tr("%Ln cards were printed to the PDF file", nullptr, given)) +
               QLatin1Char('\n') + pdfFile;
    const QStringList notes = JobNotes();
    if (!notes.isEmpty())
        //: %1 is the data file, %2 what was noticed in it, one note a line
        text += QStringLiteral("\n\n") + tr("From %1:\n%2").arg(mPath, notes.join(QLatin1Char('\n')));
    return text;
}

} // namespace qm

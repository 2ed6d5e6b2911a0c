// SPDX-License-Identifier: GPL-3.0-or-later
// Merge data: 50,000 people read from a spreadsheet's CSV file, each matched to the personal fields and its
// placeholders filled, as a merge print reads them; records per second and the peak memory it took.
#include "contacts/datasource.h"
#include "contacts/fieldmapping.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace qm;

namespace {

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Rows of eight columns, some quoted with commas and line breaks (50,000 rows are about 8 MB).
QString WritePeople(const QTemporaryDir& dir, int rows)
{
    const QString path = dir.filePath(QStringLiteral("people.csv"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write("\xEF\xBB\xBF" "Full Name,Company,Job Title,Street,City,Phone,E-mail Address,Notes\r\n");
    for (int i = 0; i < rows; ++i) {
        f.write(QStringLiteral("Zoë Müller %1,\"Brot, Butter & Co %2\",Head Baker,Hauptstraße %3,10115 Berlin,"
                               "+49 30 555 %4,zoe%1@example.de,\"Allergic to nuts,\nnot to \"\"gluten\"\"\"\r\n")
                    .arg(i)
                    .arg(i % 97)
                    .arg(i % 300)
                    .arg(i % 10000, 4, 10, QLatin1Char('0'))
                    .toUtf8());
    }
    return path;
}

void BM_MergeReadCsvRecords(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QTemporaryDir dir;
    const QString path = WritePeople(dir, rows);
    const QString text = QStringLiteral("{Name}, {Title} \u2014 {Company} ({City})");
    const long before = PeakKilobytes();
    qint64 records = 0;
    for (auto _ : state) {
        QString error;
        std::unique_ptr<DataSource> source = OpenDataSource(path, &error);
        if (!source) {
            state.SkipWithError("the CSV file could not be read");
            return;
        }
        const FieldMapping mapping = FieldMapping::Match(source->FieldNames());
        QStringList values;
        MergeRecord record;
        qsizetype shown = 0;
        while (source->Next(values)) {
            mapping.Fill(record, source->FieldNames(), values);
            shown += MergeText(text, {}, &record).size();
            ++records;
        }
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(records);
    state.counters["peak_growth_kb"] = double(PeakKilobytes() - before);
}
// 5,000 and 50,000 records: the time grows with the records, the memory does not.
BENCHMARK(BM_MergeReadCsvRecords)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

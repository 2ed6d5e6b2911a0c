// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the merge data readers: any bytes are read as CSV or vCards record by record, every
// record with a value for each field name, never a crash, a hang nor undefined behaviour; placeholders take
// the values, and what a record gives as personal information writes a vCard that reads back.
#include "contacts/datasource.h"
#include "contacts/fieldmapping.h"
#include "contacts/vcard.h"

#include <QByteArray>

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    std::unique_ptr<DataSource> source = DataSourceFromBytes(bytes, &error);
    if (!source) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const FieldMapping mapping = FieldMapping::Match(source->FieldNames());
    QStringList values;
    MergeRecord record;
    int records = 0;
    while (source->Next(values)) {
        if (values.size() != source->FieldNames().size())
            std::abort();
        for (const QString& v : values) {
            if (v.size() > DataSource::kMaxFieldBytes)
                std::abort();
        }
        mapping.Fill(record, source->FieldNames(), values);
        (void)MergeText(QStringLiteral("{Name} {{ {%1} {Fax").arg(source->FieldNames().value(0)), {}, &record);
        if (records++ == 0) {
            QStringList personal;
            for (int field = 0; field < kMergePersonalCount; ++field)
                personal.append(record.Value(QString::fromLatin1(kMergePersonalNames[field])));
            std::unique_ptr<DataSource> back = DataSourceFromBytes(PersonalVCard(personal), &error);
            QStringList again;
            if (!back || !back->Next(again))
                std::abort();
        }
    }
    return 0;
}

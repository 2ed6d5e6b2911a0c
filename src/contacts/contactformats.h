// SPDX-License-Identifier: GPL-3.0-or-later
// Contact files read from outside for merge printing and the personal information: CSV text and vCards.
#pragma once

#include "contacts/datasource.h"
#include "platform/fileformat.h"

#include <QCoreApplication>

#include <memory>
#include <vector>

namespace qm {

// A file of names and addresses, read as a source of merge records: Read checks the file and reads its field
// names; the records follow one at a time from the source.
class ContactFormat : public FileReader<std::unique_ptr<DataSource>>
{
    Q_DECLARE_TR_FUNCTIONS(qm::ContactFormat)

public:
    enum class Kind { Csv, VCard };
    explicit ContactFormat(Kind kind) : mKind(kind) {}

    QString Name() const override;
    QStringList Extensions() const override;
    // vCards: the first line that is not blank begins one. CSV: text (no zero bytes) that is not vCards.
    bool CanRead(const QByteArray& head) const override;
    // A file cut short (inside a quoted CSV value, or before a vCard's END line) is refused unread.
    bool Read(const QString& path, std::unique_ptr<DataSource>& into) override;
    // How CSV text names its columns (by its first row unless told otherwise).
    void SetCsvColumns(CsvColumns columns) { mColumns = columns; }

private:
    Kind mKind;
    CsvColumns mColumns = CsvColumns::Named;
};

// Both contact formats, CSV first (new objects each time: a format keeps the error of its last read).
std::vector<std::unique_ptr<ContactFormat>> ContactFormats();

// A contact file of either format, chosen by its content; null with *error set when it cannot be read.
std::unique_ptr<DataSource> OpenContactFile(const QString& path, QString* error,
                                            CsvColumns columns = CsvColumns::Named);

} // namespace qm

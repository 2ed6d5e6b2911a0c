// SPDX-License-Identifier: GPL-3.0-or-later
// Merge records from CSV text: a header row of field names, then one record a row.
#pragma once

#include "contacts/datasource.h"

namespace qm {

// Reads CSV text as spreadsheets and address books write it: the separator (comma, semicolon or tab) is the
// one the header row uses most; fields in double quotes may hold separators, line breaks and doubled quotes;
// rows end in CR LF, LF or CR; blank rows are skipped. UTF-8 with or without its byte-order mark, else
// Windows-1252 (UTF-16 with its mark arrives as UTF-8 from the input). A row with fewer values than names
// leaves the rest empty; values past the last name are dropped. Null with *error when there is no header row,
// or when a quote is left open at the end (found before the first record, unless the input is a pipe: Next
// then stops there with Error naming the line the quote began on).
// With CsvColumns::Numbered the columns are named "1", "2"... after the first row, which is a record.
std::unique_ptr<DataSource> MakeCsvSource(std::unique_ptr<ByteInput> input, QString* error,
                                          CsvColumns columns = CsvColumns::Named);

} // namespace qm

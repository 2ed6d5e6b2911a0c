// SPDX-License-Identifier: GPL-3.0-or-later
// Which column of merge data feeds each of the ten personal fields, matched by name.
#pragma once

#include "model/mergerecord.h"

#include <array>

namespace qm {

class TFieldMapping
{
public:
    // Nothing mapped.
    TFieldMapping();
    // Matches columns to fields by name: case, spaces, dashes, underscores and dots do not count, and the
    // usual other names do ("Full name", "Organization", "Job title", "Street", "Telephone", "Mobile",
    // "E-mail address", "Fax number"...). The field's own name comes first; a column feeds one field at most.
    static TFieldMapping Match(const QStringList& columns);

    // The column (an index into the names) of a personal field, or -1.
    int Column(int field) const;
    void SetColumn(int field, int column);
    bool MatchesAny() const;

    // What one card shows: each personal field under its placeholder name with its column's value (empty
    // when no column feeds it), then every column under its own name.
    void Fill(TMergeRecord& record, const QStringList& columns, const QStringList& values) const;

private:
    std::array<int, kMergePersonalCount> mColumns;
};

// A column name as matching compares it: lower case, letters and digits only.
QString MatchingKey(const QString& name);

} // namespace qm

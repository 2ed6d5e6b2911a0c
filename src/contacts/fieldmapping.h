// SPDX-License-Identifier: GPL-3.0-or-later
// Which columns of merge data feed each of the ten personal fields, matched by name.
#pragma once

#include "model/mergerecord.h"

#include <array>
#include <vector>

namespace qm {

// Where a personal field's value comes from: one column, or several put together (a name from its parts, a
// town's line from town, region and postcode), and, when those are all blank for a person, other columns
// put together (a display name, else the first and last names).
struct FieldSource
{
    enum class Join {
        Spaces,  // the values that are not blank, with a space between ("Ada King Lovelace")
        TownLine // town, region and postcode (columns in that order, -1 for none): "Boston, MA 02110"
    };
    std::vector<int> columns;
    std::vector<int> fallback; // joined with spaces
    Join join = Join::Spaces;

    static FieldSource Column(int column);
    bool IsEmpty() const { return columns.empty(); }
    // Anything but a single column.
    bool IsCombined() const { return columns.size() > 1 || !fallback.empty(); }
    // The value for one person's values.
    QString Value(const QStringList& values) const;
    // As the merge dialog names it: "First Name + Last Name", "Display Name, if blank First Name + Last Name".
    QString Describe(const QStringList& columns) const;
    bool operator==(const FieldSource& other) const
    {
        return columns == other.columns && fallback == other.fallback && join == other.join;
    }
    bool operator!=(const FieldSource& other) const { return !(*this == other); }
};

class FieldMapping
{
public:
    // Nothing mapped.
    FieldMapping();
    // Matches columns to fields by name (the table in columnnames.cpp: case, accents, spaces and punctuation
    // do not count; English, German, French and Spanish names, and the headers of Outlook's, Thunderbird's
    // and Google's exports). The field's own name comes first. {Name} is put together from the first,
    // middle and last names when the file has no full name, and from them for a person whose full name is
    // blank. The address is a list of lines: the street lines, the town's line and the country; {Address1}
    // to {Address3} show the first three of them that are not blank for the person.
    static FieldMapping Match(const QStringList& columns);

    // The column (an index into the names) that alone feeds a personal field, or -1 (none, or several).
    int Column(int field) const;
    void SetColumn(int field, int column);
    // Setting an address field's source ends the list of address lines: each field then shows its own.
    const FieldSource& Source(int field) const;
    void SetSource(int field, const FieldSource& source);
    // The address lines that Address1 to Address3 are taken from, blank ones left out; empty when each of
    // them shows its own source. The fields' sources are the first three lines.
    const std::vector<FieldSource>& AddressLines() const { return mAddressLines; }
    void SetAddressLines(const std::vector<FieldSource>& lines);
    bool MatchesAny() const;

    // A personal field's value for one person.
    QString Value(int field, const QStringList& values) const;
    // What one card shows: each personal field under its placeholder name with its value (empty when no
    // column feeds it), then every column under its own name.
    void Fill(MergeRecord& record, const QStringList& columns, const QStringList& values) const;

private:
    std::array<FieldSource, kMergePersonalCount> mSources;
    std::vector<FieldSource> mAddressLines;
};

// A column's value as a field shows it: the first of several values that Google Contacts writes into one
// column separated by " ::: ".
QString FirstValue(const QString& value);

} // namespace qm

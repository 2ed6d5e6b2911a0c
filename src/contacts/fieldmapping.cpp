// SPDX-License-Identifier: GPL-3.0-or-later
// Matching merge-data columns to the personal fields, and a person's value of each field.
#include "contacts/fieldmapping.h"

#include "contacts/columnnames.h"

#include <QCoreApplication>

#include <algorithm>

namespace qm {

namespace {

// The values that are not blank, trimmed, with a space between.
QString Joined(const std::vector<int>& columns, const QStringList& values)
{
    QString text;
    for (const int c : columns) {
        const QString value = c >= 0 ? FirstValue(values.value(c)).trimmed() : QString();
        if (value.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += value;
    }
    return text;
}

QString Described(const std::vector<int>& columns, const QStringList& names)
{
    QStringList parts;
    for (const int c : columns) {
        if (c >= 0 && c < names.size())
            parts << names[c];
    }
    return parts.join(QStringLiteral(" + "));
}

// The columns that are present, in order; a single one is a plain column.
FieldSource Combined(std::vector<int> columns, FieldSource::Join join)
{
    FieldSource source;
    int present = 0;
    int last = -1;
    for (const int c : columns) {
        if (c >= 0) {
            ++present;
            last = c;
        }
    }
    if (present == 0)
        return source;
    if (present == 1)
        return FieldSource::Column(last);
    if (join == FieldSource::Join::Spaces)
        columns.erase(std::remove(columns.begin(), columns.end(), -1), columns.end());
    source.columns = std::move(columns);
    source.join = join;
    return source;
}

} // namespace

QString FirstValue(const QString& value)
{
    const qsizetype more = value.indexOf(QLatin1String(" ::: "));
    return more < 0 ? value : value.left(more);
}

FieldSource FieldSource::Column(int column)
{
    FieldSource source;
    if (column >= 0)
        source.columns.push_back(column);
    return source;
}

QString FieldSource::Value(const QStringList& values) const
{
    QString text;
    if (columns.size() == 1) {
        text = FirstValue(values.value(columns.front()));
    } else if (join == Join::TownLine && columns.size() == 3) {
        // "Boston, MA 02110", "Boston MA", "London SW1A 1AA".
        const QString town = Joined({columns[0]}, values);
        const QString region = Joined({columns[1]}, values);
        text = town.isEmpty() || region.isEmpty() ? town + region : town + QStringLiteral(", ") + region;
        const QString postcode = Joined({columns[2]}, values);
        if (!text.isEmpty() && !postcode.isEmpty())
            text += QLatin1Char(' ');
        text += postcode;
    } else {
        text = Joined(columns, values);
    }
    if (!fallback.empty() && text.trimmed().isEmpty())
        text = Joined(fallback, values);
    return text;
}

QString FieldSource::Describe(const QStringList& names) const
{
    const QString main = Described(columns, names);
    if (fallback.empty())
        return main;
    //: How a personal field is fed: %1 the columns used, %2 the columns used when those are blank
    //: ("Display Name, if blank First Name + Last Name")
    return QCoreApplication::translate("qm::FieldMapping", "%1, if blank %2")
        .arg(main, Described(fallback, names));
}

FieldMapping::FieldMapping() = default;

FieldMapping FieldMapping::Match(const QStringList& columns)
{
    // For every role the column whose name ranks best; of two equal names the first.
    std::array<int, kRoleCount> found;
    std::array<ColumnName, kRoleCount> names;
    found.fill(-1);
    for (qsizetype c = 0; c < columns.size(); ++c) {
        const ColumnName name = LookUpColumnName(columns[c]);
        if (name.IsKnown() && (found[name.role] < 0 || name.rank < names[name.role].rank)) {
            found[name.role] = int(c);
            names[name.role] = name;
        }
    }
    // "Vorname" and "Name": the name is the family name.
    if (found[kMergeName] >= 0 && (names[kMergeName].flags & ColumnName::kFamilyBesideGiven) &&
        found[kRoleGivenName] >= 0 && found[kRoleFamilyName] < 0) {
        found[kRoleFamilyName] = found[kMergeName];
        found[kMergeName] = -1;
    }

    FieldMapping mapping;
    for (int field = 0; field < kMergePersonalCount; ++field)
        mapping.mSources[field] = FieldSource::Column(found[field]);

    const FieldSource parts =
        Combined({found[kRoleGivenName], found[kRoleMiddleName], found[kRoleFamilyName],
                  found[kRoleSecondFamilyName]},
                 FieldSource::Join::Spaces);
    FieldSource& name = mapping.mSources[kMergeName];
    if (name.IsEmpty())
        name = parts;
    else if (!parts.IsEmpty())
        name.fallback = parts.columns;

    // The address: the street lines, the town's line, the country.
    const FieldSource town =
        found[kRolePostcodeFirst] >= 0
            ? Combined({found[kRolePostcodeFirst], found[kRoleTown]}, FieldSource::Join::Spaces)
            : Combined({found[kRoleTown], found[kRoleRegion], found[kRolePostcode]}, FieldSource::Join::TownLine);
    for (const FieldSource& line : {mapping.mSources[kMergeAddress1], mapping.mSources[kMergeAddress2],
                                     mapping.mSources[kMergeAddress3], town,
                                     FieldSource::Column(found[kRoleCountry])}) {
        if (!line.IsEmpty())
            mapping.mAddressLines.push_back(line);
    }
    mapping.SetAddressLines(mapping.mAddressLines);
    return mapping;
}

void FieldMapping::SetAddressLines(const std::vector<FieldSource>& lines)
{
    mAddressLines = lines;
    for (int field = kMergeAddress1; field <= kMergeAddress3; ++field) {
        const size_t line = size_t(field - kMergeAddress1);
        mSources[size_t(field)] = line < lines.size() ? lines[line] : FieldSource();
    }
}

int FieldMapping::Column(int field) const
{
    if (field < 0 || field >= kMergePersonalCount)
        return -1;
    const FieldSource& source = mSources[size_t(field)];
    return source.columns.size() == 1 ? source.columns.front() : -1;
}

void FieldMapping::SetColumn(int field, int column)
{
    SetSource(field, FieldSource::Column(column));
}

const FieldSource& FieldMapping::Source(int field) const
{
    static const FieldSource none;
    return field >= 0 && field < kMergePersonalCount ? mSources[size_t(field)] : none;
}

void FieldMapping::SetSource(int field, const FieldSource& source)
{
    if (field < 0 || field >= kMergePersonalCount)
        return;
    mSources[size_t(field)] = source;
    if (field >= kMergeAddress1 && field <= kMergeAddress3)
        mAddressLines.clear();
}

bool FieldMapping::MatchesAny() const
{
    for (const FieldSource& source : mSources) {
        if (!source.IsEmpty())
            return true;
    }
    return false;
}

QString FieldMapping::Value(int field, const QStringList& values) const
{
    if (field < kMergeAddress1 || field > kMergeAddress3 || mAddressLines.empty())
        return Source(field).Value(values);
    // Blank lines are left out and the lines below move up.
    int wanted = field - kMergeAddress1;
    for (const FieldSource& line : mAddressLines) {
        const QString text = line.Value(values);
        if (!text.trimmed().isEmpty() && wanted-- == 0)
            return text;
    }
    return QString();
}

void FieldMapping::Fill(MergeRecord& record, const QStringList& columns, const QStringList& values) const
{
    record.Clear();
    for (int field = 0; field < kMergePersonalCount; ++field)
        record.Add(QLatin1String(kMergePersonalNames[field]), Value(field, values));
    for (qsizetype c = 0; c < columns.size(); ++c)
        record.Add(columns[c], values.value(c));
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The column names of contact files that we recognise, and what each column holds.
#pragma once

#include "model/mergerecord.h"

#include <QString>

namespace qm {

// What a recognised column holds: one of the ten personal fields (0 .. kMergePersonalCount - 1, the street
// lines as Address1 to Address3), or a part that a field is put together from.
enum TColumnRole : int {
    kRoleGivenName = kMergePersonalCount,
    kRoleMiddleName,
    kRoleFamilyName,
    kRoleSecondFamilyName, // Spanish second surname
    kRoleTown,
    kRoleRegion,
    kRolePostcode,      // written after the town: "Boston, MA 02110"
    kRolePostcodeFirst, // written before the town: "10115 Berlin", "75001 Paris"
    kRoleCountry,
    kRoleCount
};

// A column name as matching compares it: lower case, accents dropped ("ß" as "ss"), letters and digits only:
// "E-mail 1 - Value" is "email1value", "Téléphone (bureau)" is "telephonebureau".
QString MatchingKey(const QString& name);

struct ColumnName
{
    // "Name" beside a given-name column and without a family-name column is the family name, as a German
    // spreadsheet's "Vorname" and "Name" are.
    static constexpr int kFamilyBesideGiven = 1;

    int role = -1;
    // The place of the name in the table: of two columns for one role, the lower rank wins.
    int rank = -1;
    int flags = 0;
    bool IsKnown() const { return role >= 0; }
};

// What a column of that name holds; unknown names give a role of -1.
ColumnName LookUpColumnName(const QString& name);

} // namespace qm

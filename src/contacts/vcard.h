// SPDX-License-Identifier: GPL-3.0-or-later
// vCards: the user's personal information written as a vCard 3.0, and .vcf files read a card at a time.
#pragma once

#include "contacts/datasource.h"

namespace qm {

// The ten personal strings (name, company, title, three address lines, two phones, e-mail, fax) as one
// vCard 3.0 in UTF-8: CR LF line ends, lines folded at 75 bytes, empty fields left out (N and FN always
// there). The address lines go into the street of one work address; phone 2 is written as a mobile.
QByteArray PersonalVCard(const QStringList& personal);

// The fields each vCard record has: the ten personal fields under their placeholder names (Name ... Fax),
// then "First name", "Last name", "Department", "Mobile", "Web" and "Note".
const QStringList& VCardFieldNames();

// Reads vCards 2.1, 3.0 and 4.0, one record a card: folded lines, quoted-printable values with their soft
// line breaks, CHARSET parameters, escapes, grouped properties. Name from FN (else N), company and department
// from ORG, title (else role), the work address (else the first) as up to three lines, phone 1 a work or
// voice number, phone 2 the mobile (else the next number), fax, the preferred e-mail. Null with *error when
// the input holds no vCard.
std::unique_ptr<DataSource> MakeVCardSource(std::unique_ptr<ByteInput> input, QString* error);

// The first vCard of a file as the ten personal strings; false with *error set when there is none.
bool ReadPersonalVCard(const QString& path, QStringList& personal, QString* error);

} // namespace qm

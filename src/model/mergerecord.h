// SPDX-License-Identifier: GPL-3.0-or-later
// Merge fields: one person's values for a card (MergeRecord) and the placeholders ("{Name}") text shows them by.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

namespace qm {

// The placeholder names of the ten personal-information fields, in the order the card holds the personal
// strings: Name, Company, Title, Address1, Address2, Address3, Phone1, Phone2, EMail, Fax.
constexpr int kMergePersonalCount = 10;
enum TMergeField : int {
    kMergeName,
    kMergeCompany,
    kMergeTitle,
    kMergeAddress1,
    kMergeAddress2,
    kMergeAddress3,
    kMergePhone1,
    kMergePhone2,
    kMergeEMail,
    kMergeFax
};
extern const char* const kMergePersonalNames[kMergePersonalCount];
// The field a placeholder name stands for (case-insensitive), or -1.
int PersonalFieldOfName(QStringView name);
// "{Name}" and so on: what "Insert as merge field" puts into a text.
QString PersonalPlaceholder(int field);
// The sample of a personal field left empty: "Your Own Name", "Your Business Name", "Title or
// Qualifications", "Address Line One".."Three", "Phone One", "Phone Two", "Email Address", "Fax Number" (the
// captions templates have always stored for them, so always in English).
QString PersonalSample(int field);
// The same in the user's language: what the design panel shows for a personal field left empty.
QString ShownPersonalSample(int field);

// One record of a merge: field names with their values, in the order added. Names are found without regard
// to case; the first of two equal names wins.
class MergeRecord
{
public:
    void Clear() { mFields.clear(); }
    void Add(const QString& name, const QString& value) { mFields.emplace_back(name, value); }
    // Null when the record has no field of that name.
    const QString* Find(QStringView name) const;
    QString Value(QStringView name) const;
    const std::vector<std::pair<QString, QString>>& Fields() const { return mFields; }
    bool IsEmpty() const { return mFields.empty(); }

private:
    std::vector<std::pair<QString, QString>> mFields;
};

// The text as shown: each "{name}" replaced and "{{" made a single "{". Without a record a personal field's
// placeholder shows the personal string and any other stays as typed; an empty personal string shows
// nothing, or its sample ("Fax Number") when samples is set (on the design panel, so that the user sees where
// the field is: pictures and paper show nothing). With a record every placeholder takes the record's value,
// empty when the record has no such field. A "{" without its "}" on the same line, and names longer than 255
// characters, stay as typed. Text without "{" comes back as it is, at no cost.
QString MergeText(const QString& text, const QStringList& personal, const MergeRecord* record,
                  bool samples = false);

} // namespace qm

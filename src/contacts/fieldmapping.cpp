// SPDX-License-Identifier: GPL-3.0-or-later
// Matching merge-data columns to the personal fields.
#include "contacts/fieldmapping.h"

namespace qm {

namespace {

// Per field, the names that feed it (as MatchingKey makes them), best first.
const char* const* Synonyms(int field)
{
    static const char* const name[] = {"name", "fullname", "displayname", "contactname", "contact", "person",
                                       "fn", nullptr};
    static const char* const company[] = {"company", "companyname", "organization", "organisation", "org",
                                          "business", "firm", "employer", nullptr};
    static const char* const title[] = {"title", "jobtitle", "position", "role", "job", "function", nullptr};
    static const char* const address1[] = {"address1", "addressline1", "address", "street", "streetaddress",
                                           "street1", "businessstreet", "workstreet", "homestreet", nullptr};
    static const char* const address2[] = {"address2", "addressline2", "street2", "businessstreet2", "city",
                                           "town", "locality", "businesscity", nullptr};
    static const char* const address3[] = {"address3", "addressline3", "street3", "businessstreet3", "country",
                                           "businesscountry", "businesscountryregion", nullptr};
    static const char* const phone1[] = {"phone1", "phone", "telephone", "tel", "phonenumber", "businessphone",
                                         "workphone", "officephone", "primaryphone", "phone1value", nullptr};
    static const char* const phone2[] = {"phone2", "mobile", "mobilephone", "cell", "cellphone", "mobilenumber",
                                         "cellular", "businessphone2", "homephone", "otherphone", "phone2value",
                                         nullptr};
    static const char* const email[] = {"email", "emailaddress", "mail", "email1", "email1value",
                                        "emailaddress1", "workemail", "businessemail", nullptr};
    static const char* const fax[] = {"fax", "faxnumber", "businessfax", "workfax", "telefax", "faxphone",
                                      nullptr};
    static const char* const* const all[kMergePersonalCount] = {name,     company,  title,  address1, address2,
                                                                address3, phone1,   phone2, email,    fax};
    return all[field];
}

} // namespace

QString MatchingKey(const QString& name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            key.append(c.toLower());
    }
    return key;
}

TFieldMapping::TFieldMapping() { mColumns.fill(-1); }

TFieldMapping TFieldMapping::Match(const QStringList& columns)
{
    TFieldMapping mapping;
    QStringList keys;
    for (const QString& c : columns)
        keys.append(MatchingKey(c));
    std::vector<bool> used(size_t(keys.size()), false);
    for (int field = 0; field < kMergePersonalCount; ++field) {
        for (const char* const* synonym = Synonyms(field); *synonym && mapping.mColumns[size_t(field)] < 0;
             ++synonym) {
            for (qsizetype c = 0; c < keys.size(); ++c) {
                if (!used[size_t(c)] && keys[c] == QLatin1String(*synonym)) {
                    mapping.mColumns[size_t(field)] = int(c);
                    used[size_t(c)] = true;
                    break;
                }
            }
        }
    }
    return mapping;
}

int TFieldMapping::Column(int field) const
{
    return field >= 0 && field < kMergePersonalCount ? mColumns[size_t(field)] : -1;
}

void TFieldMapping::SetColumn(int field, int column)
{
    if (field >= 0 && field < kMergePersonalCount)
        mColumns[size_t(field)] = column < 0 ? -1 : column;
}

bool TFieldMapping::MatchesAny() const
{
    for (const int c : mColumns) {
        if (c >= 0)
            return true;
    }
    return false;
}

void TFieldMapping::Fill(TMergeRecord& record, const QStringList& columns, const QStringList& values) const
{
    record.Clear();
    for (int field = 0; field < kMergePersonalCount; ++field) {
        const int c = mColumns[size_t(field)];
        record.Add(QLatin1String(kMergePersonalNames[field]), c >= 0 ? values.value(c) : QString());
    }
    for (qsizetype c = 0; c < columns.size(); ++c)
        record.Add(columns[c], values.value(c));
}

} // namespace qm

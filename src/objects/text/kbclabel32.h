// TKBusinessCardLabel: the text object whose caption may be picked from the user's personal information.
#pragma once

#include "objects/text/kplabel.h"

namespace qm {

// Publishes exactly the properties of TKBaseLabel. The label keeps no link to a personal-information field:
// picking one copies its value into Caption.
class TKBusinessCardLabel : public TKPLabel
{
public:
    // The personal-information fields, in the order the panel holds them and the menu shows them.
    enum TPersonalField
    {
        pfName,
        pfCompany,
        pfTitle,
        pfAddress1,
        pfAddress2,
        pfAddress3,
        pfPhone1,
        pfPhone2,
        pfEMail,
        pfFax
    };
    static constexpr int kPersonalFieldCount = 10;
    // Menu caption prefix of each field, ending in a tab ("Name\t").
    static const char* const kPersonalFieldPrefixes[kPersonalFieldCount];

    TKBusinessCardLabel();
    const char* ClassName() const override { return "TKBusinessCardLabel"; }

    // The menu item caption of a field: its prefix followed by the value (also when the value is empty).
    static QString PersonalFieldItemCaption(int field, const QString& value);
    // The text a menu item puts into Caption: everything after the first tab, at most 255 characters.
    static QString PersonalFieldItemValue(const QString& itemCaption);
};

} // namespace qm

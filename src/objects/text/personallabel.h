// SPDX-License-Identifier: GPL-3.0-or-later
// TKBusinessCardLabel: the text object whose caption may be picked from the user's personal information.
#pragma once

#include "objects/text/textlabel.h"

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
    // The same as the menu shows it: the field's translated name, a tab and the value.
    static QString PersonalFieldItemText(int field, const QString& value);
    // The text a menu item puts into Caption: everything after the first tab, at most 255 characters.
    static QString PersonalFieldItemValue(const QString& itemCaption);

    // The caption of the submenu of personal-information items.
    static QString PersonalMenuCaption();
    // Its submenu whose items put a field's placeholder ("{Name}") into Caption: on screen and in a plain
    // print it shows the personal information of the moment, in a merge each person's own.
    static QString MergeFieldMenuCaption();

    // The personal-information text dialog instead of the plain one.
    void EditText() override;
    void SetCardFace(const QString& face) override { Font().SetName(face); }
    // Takes the value of a personal-information item as the caption, grows to fit it and reports the change.
    void PickPersonalItem(const QString& itemCaption);
    // Makes the caption the field's placeholder, grows to fit what it shows and reports the change.
    void InsertMergeField(int field);

    // On a design panel the menu starts with the personal-information submenu and a separator.
    void BuildPopupMenu(TKMenu& menu) override;
    // Refreshes the check marks, then refills the personal-information submenu with the panel's values.
    void UpdatePopupMenu() override;

private:
    void FillPersonalMenu(TKMenu& submenu);
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKBusinessCardLabel: the text object whose caption may be picked from the user's personal information.
#include "objects/text/personallabel.h"

#include "model/mergerecord.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>
#include <QCoreApplication>

namespace qm {

const char* const TKBusinessCardLabel::kPersonalFieldPrefixes[kPersonalFieldCount] = {
    "Name\t",      "Company\t", "Title\t",   "Address 1\t", "Address 2\t",
    "Address 3\t", "Phone 1\t", "Phone 2\t", "EMail\t",     "Fax\t",
};

namespace {

const char* const kPersonalMenu = QT_TRANSLATE_NOOP("qm::ObjectMenu", "Personal Information");
const char* const kMergeFieldMenu = QT_TRANSLATE_NOOP("qm::ObjectMenu", "Insert as merge field");

// The fields' names as the personal-information menu shows them.
const char* const kPersonalFieldNames[TKBusinessCardLabel::kPersonalFieldCount] = {
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Name"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Company"),
    //: A personal-information field: the person's job title or qualifications.
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Title"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Address 1"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Address 2"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Address 3"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Phone 1"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Phone 2"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "EMail"),
    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Fax"),
};

} // namespace

TKBusinessCardLabel::TKBusinessCardLabel() = default;

QString TKBusinessCardLabel::PersonalMenuCaption()
{
    return QString::fromLatin1(kPersonalMenu);
}

QString TKBusinessCardLabel::MergeFieldMenuCaption()
{
    return QString::fromLatin1(kMergeFieldMenu);
}

QString TKBusinessCardLabel::PersonalFieldItemText(int field, const QString& value)
{
    if (field < 0 || field >= kPersonalFieldCount)
        return value;
    return QCoreApplication::translate("qm::ObjectMenu", kPersonalFieldNames[field]) + QLatin1Char('\t') +
           value;
}

QString TKBusinessCardLabel::PersonalFieldItemCaption(int field, const QString& value)
{
    if (field < 0 || field >= kPersonalFieldCount)
        return value;
    return QString::fromLatin1(kPersonalFieldPrefixes[field]) + value;
}

QString TKBusinessCardLabel::PersonalFieldItemValue(const QString& itemCaption)
{
    const qsizetype tab = itemCaption.indexOf(QLatin1Char('\t'));
    return itemCaption.mid(tab + 1, 255);
}

void TKBusinessCardLabel::EditText()
{
    if (TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr)
        dialogs->EditBusinessCardLabelText(*this);
}

void TKBusinessCardLabel::PickPersonalItem(const QString& itemCaption)
{
    SetCaption(PersonalFieldItemValue(itemCaption));
    AutoGrow();
    NotifyChanged();
    Invalidate();
}

void TKBusinessCardLabel::InsertMergeField(int field)
{
    if (field < 0 || field >= kPersonalFieldCount)
        return;
    SetCaption(PersonalPlaceholder(field));
    AutoGrow();
    NotifyChanged();
    Invalidate();
}

void TKBusinessCardLabel::BuildPopupMenu(TKMenu& m)
{
    // The submenu goes first: it is added before the inherited items rather than inserted ahead of them.
    if (DesignPanel()) {
        FillPersonalMenu(*m.AddSubmenu(kPersonalMenu));
        m.AddSeparator();
    }
    TKPLabel::BuildPopupMenu(m);
}

void TKBusinessCardLabel::UpdatePopupMenu()
{
    TKPLabel::UpdatePopupMenu();
    if (TKMenu* m = PopupMenu()) {
        if (TKMenu* personal = m->Submenu(PersonalMenuCaption()))
            FillPersonalMenu(*personal);
    }
}

void TKBusinessCardLabel::FillPersonalMenu(TKMenu& submenu)
{
    submenu.Clear();
    const QStringList values = Host() ? Host()->PersonalStrings() : QStringList();
    for (int field = 0; field < kPersonalFieldCount; ++field) {
        const QString caption = PersonalFieldItemCaption(field, values.value(field));
        submenu.AddItemAs(caption, PersonalFieldItemText(field, values.value(field)),
                          [this, caption] { PickPersonalItem(caption); });
    }
    submenu.AddSeparator();
    TKMenu* merge = submenu.AddSubmenu(kMergeFieldMenu);
    for (int field = 0; field < kPersonalFieldCount; ++field) {
        const QString caption = QString::fromLatin1(kPersonalFieldPrefixes[field]) + PersonalPlaceholder(field);
        merge->AddItemAs(caption, PersonalFieldItemText(field, PersonalPlaceholder(field)),
                         [this, field] { InsertMergeField(field); });
    }
}

} // namespace qm

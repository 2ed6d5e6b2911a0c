// TKBusinessCardLabel: the text object whose caption may be picked from the user's personal information.
#include "objects/text/kbclabel32.h"

namespace qm {

const char* const TKBusinessCardLabel::kPersonalFieldPrefixes[kPersonalFieldCount] = {
    "Name\t",      "Company\t", "Title\t",   "Address 1\t", "Address 2\t",
    "Address 3\t", "Phone 1\t", "Phone 2\t", "EMail\t",     "Fax\t",
};

TKBusinessCardLabel::TKBusinessCardLabel() = default;

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

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Published property tables.
#include "model/properties.h"

namespace qm {

PropTable::PropTable(std::initializer_list<const PropTable*> bases, std::vector<PropInfo> own)
{
    for (const PropTable* base : bases)
        mItems.insert(mItems.end(), base->mItems.begin(), base->mItems.end());
    mItems.insert(mItems.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
}

const PropInfo* PropTable::Find(const QByteArray& name) const
{
    for (const PropInfo& p : mItems) {
        if (p.name.size() == name.size() && qstricmp(p.name.constData(), name.constData()) == 0)
            return &p;
    }
    return nullptr;
}

namespace prop {
PropInfo Event(const char* name)
{
    PropInfo p;
    p.name = name;
    p.type = PropType::Event;
    p.set = [](Persistent&, const PropValue&) { return true; };
    return p;
}
} // namespace prop
} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CardModel: the card's objects and card-level state.
#include "model/cardmodel.h"

namespace qm {

CardModel::CardModel(ObjectHost* host) : mObjects(host, this)
{
    for (int i = 0; i < kPersonalCount; ++i)
        mPersonal << QString();
}

void CardModel::LayOutObjects()
{
    for (TKGraphicControl* object : mObjects.Objects())
        object->PrepareLayout();
}

void CardModel::SetPersonalStrings(const QStringList& values)
{
    mPersonal.clear();
    for (int i = 0; i < kPersonalCount; ++i)
        mPersonal << (i < values.size() ? values[i] : QString());
}

} // namespace qm

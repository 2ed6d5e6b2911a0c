// SPDX-License-Identifier: GPL-3.0-or-later
// TCardModel: the card's objects and card-level state.
#include "model/cardmodel.h"

namespace qm {

TCardModel::TCardModel(TKObjectHost* host) : mObjects(host, this)
{
    for (int i = 0; i < kPersonalCount; ++i)
        mPersonal << QString();
}

void TCardModel::LayOutObjects()
{
    for (TKGraphicControl* object : mObjects.Objects())
        object->PrepareLayout();
}

void TCardModel::SetPersonalStrings(const QStringList& values)
{
    mPersonal.clear();
    for (int i = 0; i < kPersonalCount; ++i)
        mPersonal << (i < values.size() ? values[i] : QString());
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKCardObjects: the card objects standing on a panel.
#include "model/cardobjects.h"

#include <QSet>

#include <algorithm>

namespace qm {

TKCardObjects::TKCardObjects(ObjectHost* host, CardModel* card) : mHost(host), mCard(card) {}

TKCardObjects::~TKCardObjects() = default;

int TKCardObjects::IndexOf(const TKGraphicControl* object) const
{
    for (size_t i = 0; i < mItems.size(); ++i) {
        if (mItems[i].get() == object)
            return int(i);
    }
    return -1;
}

std::vector<TKGraphicControl*> TKCardObjects::Objects() const
{
    std::vector<TKGraphicControl*> out;
    out.reserve(mItems.size());
    for (const auto& item : mItems)
        out.push_back(item.get());
    return out;
}

TKGraphicControl* TKCardObjects::Add(std::unique_ptr<TKGraphicControl> object)
{
    TKGraphicControl* raw = object.get();
    raw->SetHost(mHost);
    raw->SetCard(mCard);
    mItems.push_back(std::move(object));
    raw->Invalidate();
    return raw;
}

std::unique_ptr<TKGraphicControl> TKCardObjects::Take(TKGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    object->Invalidate();
    std::unique_ptr<TKGraphicControl> taken = std::move(mItems[size_t(index)]);
    mItems.erase(mItems.begin() + index);
    taken->SetHost(nullptr);
    taken->SetCard(nullptr);
    return taken;
}

void TKCardObjects::Delete(TKGraphicControl* object) { Take(object).reset(); }

void TKCardObjects::Clear()
{
    // Destroy front to back so that no object outlives the list it stood in.
    while (!mItems.empty()) {
        mItems.back()->SetHost(nullptr);
        mItems.back()->SetCard(nullptr);
        mItems.pop_back();
    }
}

void TKCardObjects::BringToFront(TKGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return;
    std::rotate(mItems.begin() + index, mItems.begin() + index + 1, mItems.end());
    object->Invalidate();
}

void TKCardObjects::SendToBack(TKGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return;
    std::rotate(mItems.begin(), mItems.begin() + index, mItems.begin() + index + 1);
    object->Invalidate();
}

TKGraphicControl* TKCardObjects::FindByName(const QString& name) const
{
    for (const auto& item : mItems) {
        if (item->Name().compare(name, Qt::CaseInsensitive) == 0)
            return item.get();
    }
    return nullptr;
}

QString TKCardObjects::FirstFreeName(const QString& prefix, int first) const
{
    QSet<QString> taken;
    taken.reserve(int(mItems.size()));
    for (const auto& item : mItems)
        taken.insert(item->Name().toLower());
    const QString lowerPrefix = prefix.toLower();
    for (int n = first; n <= 1000; ++n) {
        if (!taken.contains(lowerPrefix + QString::number(n)))
            return prefix + QString::number(n);
    }
    return QString();
}

} // namespace qm

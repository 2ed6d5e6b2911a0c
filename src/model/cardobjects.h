// SPDX-License-Identifier: GPL-3.0-or-later
// TKCardObjects: the card objects standing on a panel, back to front, owned by the list.
#pragma once

#include "model/cardobject.h"

#include <memory>
#include <vector>

namespace qm {

class TKCardObjects
{
public:
    // Objects added stand on the host and belong to the card (either may be null).
    explicit TKCardObjects(ObjectHost* host = nullptr, CardModel* card = nullptr);
    ~TKCardObjects();
    TKCardObjects(const TKCardObjects&) = delete;
    TKCardObjects& operator=(const TKCardObjects&) = delete;

    ObjectHost* Host() const { return mHost; }

    int Count() const { return int(mItems.size()); }
    TKGraphicControl* At(int index) const { return mItems[size_t(index)].get(); }
    int IndexOf(const TKGraphicControl* object) const;
    // Objects back to front (the z-order, which is also the order of a card file).
    std::vector<TKGraphicControl*> Objects() const;

    // Takes ownership, puts the object on top and makes the host its parent.
    TKGraphicControl* Add(std::unique_ptr<TKGraphicControl> object);
    // Gives up ownership; the object no longer has a parent.
    std::unique_ptr<TKGraphicControl> Take(TKGraphicControl* object);
    void Delete(TKGraphicControl* object);
    void Clear();

    void BringToFront(TKGraphicControl* object);
    void SendToBack(TKGraphicControl* object);

    TKGraphicControl* FindByName(const QString& name) const;
    // Prefix plus the first number from `first` to 1000 that no object carries ("Component0", "Special1");
    // an empty string when all are taken.
    QString FirstFreeName(const QString& prefix, int first) const;

private:
    ObjectHost* mHost;
    CardModel* mCard;
    std::vector<std::unique_ptr<TKGraphicControl>> mItems;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPositions: which positions of the sheet receive a card, one flag for every position a layout can
// have.
#pragma once

#include "model/sheetlayout.h"

#include <bitset>
#include <initializer_list>

namespace qm {

// Positions are numbered row by row from 0: index = row x across + column. Every position starts selected.
class SheetPositions
{
public:
    static constexpr int kCount = kMaxAcross * kMaxDown;

    SheetPositions() { mFlags.set(); }
    static SheetPositions None() { return SheetPositions(std::bitset<kCount>()); }
    static SheetPositions Only(std::initializer_list<int> indexes)
    {
        SheetPositions p = None();
        for (int i : indexes)
            p.SetSelected(i, true);
        return p;
    }

    bool Selected(int index) const { return index >= 0 && index < kCount && mFlags.test(size_t(index)); }
    void SetSelected(int index, bool selected)
    {
        if (index >= 0 && index < kCount)
            mFlags.set(size_t(index), selected);
    }
    void Toggle(int index) { SetSelected(index, !Selected(index)); }
    void SelectAll() { mFlags.set(); }
    void Clear() { mFlags.reset(); }
    // True when one of the first `positions` positions is selected.
    bool AnySelected(int positions) const
    {
        for (int i = 0; i < positions && i < kCount; ++i) {
            if (mFlags.test(size_t(i)))
                return true;
        }
        return false;
    }

    bool operator==(const SheetPositions& o) const { return mFlags == o.mFlags; }
    bool operator!=(const SheetPositions& o) const { return mFlags != o.mFlags; }

private:
    explicit SheetPositions(const std::bitset<kCount>& flags) : mFlags(flags) {}
    std::bitset<kCount> mFlags;
};

} // namespace qm

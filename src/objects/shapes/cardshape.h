// SPDX-License-Identifier: GPL-3.0-or-later
// TBCShapes: the basic shape the business card panel draws; same data and behaviour as TKLabelShapes.
#pragma once

#include "objects/shapes/basicshape.h"

namespace qm {

class TBCShapes : public TKLabelShapes
{
public:
    TBCShapes();
    const char* ClassName() const override { return "TBCShapes"; }
    // The inherited menu with any "Background Pattern" item hidden.
    void BuildPopupMenu(TKMenu& menu) override;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TBCShapes: the business card panel's basic shape.
#include "objects/shapes/cardshape.h"

#include "model/objectmenu.h"

#include <QAction>

namespace qm {

// Same properties as the base class: its table serves both.
TBCShapes::TBCShapes() = default;

void TBCShapes::BuildPopupMenu(TKMenu& menu)
{
    TKLabelShapes::BuildPopupMenu(menu);
    // Card shapes offer no fill patterns. The shared menu builds no such item today; the rule stays so that
    // one added to the shared menu never reaches card shapes.
    for (int i = 0; i < menu.Count(); ++i) {
        if (menu.At(i).caption == QLatin1String("Background Pattern"))
            menu.At(i).action->setVisible(false);
    }
}

} // namespace qm

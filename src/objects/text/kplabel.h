// TKPLabel: the plain single-line text object of the card.
#pragma once

#include "objects/text/kpbasel.h"

namespace qm {

// Publishes exactly the properties of TKBaseLabel; grows to fit its text and can be turned by quarter turns.
class TKPLabel : public TKBaseLabel
{
public:
    TKPLabel();
    const char* ClassName() const override { return "TKPLabel"; }
};

} // namespace qm

// TKSymbolLabel: a single character of a symbol font, drawn with the 3D effects of the text label.
#pragma once

#include "objects/text/label3d.h"

namespace qm {

// Publishes exactly the properties of TKBaseLabel; starts as "[" in 24-point WingDings.
class TKSymbolLabel : public TKBaseLabel
{
public:
    TKSymbolLabel();
    const char* ClassName() const override { return "TKSymbolLabel"; }

    // The change-all-fonts command leaves symbols alone.
    void ApplyFont(const TKFont& /*font*/) override {}
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKMultiLineLabel: the multi-line text object of the card, edited in its own text editor.
#pragma once

#include "objects/text/multilinebase.h"

namespace qm {

// Publishes exactly the properties of TKMultiLineBaseLabel.
class TKMultiLineLabel : public TKMultiLineBaseLabel
{
public:
    TKMultiLineLabel();
    const char* ClassName() const override { return "TKMultiLineLabel"; }
    void SetCardFace(const QString& face) override { Font().SetName(face); }

    // The text editor; on OK the object takes the edited lines. True when the user chose OK.
    bool EditText();

    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;
};

} // namespace qm

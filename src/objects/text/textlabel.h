// SPDX-License-Identifier: GPL-3.0-or-later
// TKPLabel: the plain single-line text object of the card.
#pragma once

#include "objects/text/label3d.h"

namespace qm {

// Publishes exactly the properties of TKBaseLabel; grows to fit its text and can be turned by quarter turns.
class TKPLabel : public TKBaseLabel
{
public:
    // The tag of the "Text" item of the right-click menu (the QAction's data).
    static constexpr int kTextItemTag = 1000;

    TKPLabel();
    const char* ClassName() const override { return "TKPLabel"; }

    bool ChooseFont() override;
    // The text entry dialog.
    virtual void EditText();
    virtual void EditProperties() { EditText(); }

    // Raises Width and Height (never lowers them) so that the upright caption fits, measured in the drawing
    // font from the rectangles of the last layout; a label that shrinks to fit keeps its width. Turned labels
    // are left alone.
    void AutoGrow();
    // Whether the upright caption shows whole: it starts and ends inside the box as the layout places it
    // for the alignment (a turned label counts as whole).
    bool ShowsWhole();
    // Makes the font a point smaller at a time, down to `smallest` points, until the caption shows whole in
    // the box, which keeps its width; true when it does. A template does this with a detail of the user's
    // that is longer than its designer allowed for.
    bool ShrinkFontUntilWhole(int smallest);

    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;
};

} // namespace qm

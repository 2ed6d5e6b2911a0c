// Pieces the label dialogs share: the named-colour drop-down and what's-this help (and the button bar).
#pragma once

#include "design/dialogbar_ui.h"
#include "model/cardtypes.h"

#include <QComboBox>

namespace qm {

// Gives a control a right-click menu with "What's this?", which shows the control's what's-this text
// (an edit box keeps its own editing items above it).
void AddWhatsThisMenu(QWidget* control);

// A drop-down list of the 18 named colours, each row with a swatch: Black, Maroon, Green, Olive, Navy,
// Purple, Teal, Gray, Silver, Red, Lime, Yellow, Blue, Fuchsia, Aqua, Light Gray, Dark Gray, White.
class TColorCombo : public QComboBox
{
public:
    static constexpr int kColorCount = 18;
    static const char* ColorName(int row);
    static TColor ColorValue(int row);

    explicit TColorCombo(QWidget* parent = nullptr);
    // Selects the first row with this value (so Gray and Silver, never Dark Gray and Light Gray); a colour
    // that is not in the list leaves the selection as it was.
    void SetColor(TColor color);
    // The colour of the selected row, or clNone when no row is selected.
    TColor Color() const;
};

} // namespace qm

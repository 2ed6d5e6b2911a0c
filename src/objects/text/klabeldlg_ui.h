// Pieces the label dialogs share: the button bar, the named-colour drop-down and what's-this help.
#pragma once

#include "design/ktypes.h"

#include <QComboBox>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QToolButton;

namespace qm {

// The bar at the foot of a label dialog: "Ok" (the default button), "Cancel", "Help" and a what's-this
// button. "Cancel" rejects the dialog; the dialog wires "Ok" and "Help" itself.
struct TDialogButtonBar
{
    QHBoxLayout* layout = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QToolButton* whatsThis = nullptr;
};
TDialogButtonBar MakeDialogButtonBar(QDialog* dialog);

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

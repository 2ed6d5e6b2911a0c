// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the label dialogs share: the named-colour drop-down and what's-this help (and the button bar).
#pragma once

#include "design/dialogbar_ui.h"
#include "model/cardtypes.h"

#include <QComboBox>
#include <QCoreApplication>

#include <functional>

class QCheckBox;

namespace qm {

// The one-line label dialogs' "Shrink to fit the box" check box, checked as the label is.
QCheckBox* MakeShrinkToFitBox(QWidget* parent, bool checked);

// Gives a control a right-click menu with "What's this?", which shows the control's what's-this text
// (an edit box keeps its own editing items above it).
void AddWhatsThisMenu(QWidget* control);

// A drop-down list of the 18 named colours, each row with a swatch: Black, Maroon, Green, Olive, Navy,
// Purple, Teal, Gray, Silver, Red, Lime, Yellow, Blue, Fuchsia, Aqua, Light Gray, Dark Gray, White.
class ColorCombo : public QComboBox
{
    Q_DECLARE_TR_FUNCTIONS(qm::ColorCombo)

public:
    static constexpr int kColorCount = 18;
    // In English; the list shows it translated.
    static const char* ColorName(int row);
    static TColor ColorValue(int row);
    // The last row's caption once other colours are allowed.
    static QString CustomCommandCaption() { return tr("Custom..."); }

    explicit ColorCombo(QWidget* parent = nullptr);
    // Adds a last row, "Custom...", which asks `choose` for any colour (the full colour dialog), starting
    // from the colour shown. A colour that is none of the named ones shows as a row of its own ("Custom
    // #RRGGBB", after the named rows) for as long as it is the chosen one; cancelling keeps the colour shown.
    void AllowCustomColors(std::function<bool(TColor&)> choose);
    // Selects the first row with this value (so Gray and Silver, never Dark Gray and Light Gray). Another
    // colour shows as the custom row when custom colours are allowed, else leaves the selection as it was.
    void SetColor(TColor color);
    // The colour of the selected row, or clNone when no colour is selected.
    TColor Color() const;
    // The row of the custom colour, or -1 when none is shown.
    int CustomRow() const;

private:
    void Activated(int row);
    void DropCustomRow();

    std::function<bool(TColor&)> mChooseCustom;
    int mLastColorRow = -1;
};

} // namespace qm

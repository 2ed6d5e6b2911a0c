// SPDX-License-Identifier: GPL-3.0-or-later
// The colour buttons of the text objects' dialogs: twenty colours at once and "Other" for the rest.
#pragma once

#include "model/cardtypes.h"

#include <QIcon>

#include <functional>

class QToolButton;
class QWidget;

namespace qm {

// A 16 x 16 swatch of the colour with a grey edge.
QIcon ColorSwatch(TColor color);

// A button whose menu holds twenty colours in four rows of five and "Other", which asks chooseColor
// starting from current(); apply gets the colour picked.
QToolButton* PaletteButton(QWidget* parent, const char* name, std::function<void(TColor)> apply,
                           std::function<TColor()> current, std::function<bool(TColor&)> chooseColor);

} // namespace qm

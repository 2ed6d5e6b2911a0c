// SPDX-License-Identifier: GPL-3.0-or-later
// "Super Shape Properties": the multi-purpose shape's dialog, edited on a sample that previews the result.
#pragma once

#include "model/cardtypes.h"

#include <QString>

#include <functional>

class QWidget;

namespace qm {

class TSuperShape;

// The help page of the dialog.
constexpr int kSuperShapeHelpContext = 40011;

// Shows the dialog over `sample` (changed at once as the controls change); true on OK. The texture path is
// the file the texture came from. The colour lists end in "Custom...", which asks chooseColor for any colour.
bool ShowSuperShapeProperties(QWidget* parent, TSuperShape& sample, QString& texturePath,
                              const std::function<bool(TColor&)>& chooseColor = {});

} // namespace qm

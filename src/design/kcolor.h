// Conversion of card colours (0x00BBGGRR, system colours) to Qt colours.
#pragma once

#include "design/ktypes.h"

#include <QColor>

namespace qm {

// An RGB colour as stored, a system colour by the classic desktop scheme; clNone gives a transparent colour.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

} // namespace qm

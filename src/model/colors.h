// Conversion of card colours (0x00BBGGRR, system colours) and brush styles to Qt's.
#pragma once

#include "model/cardtypes.h"

#include <QColor>

namespace qm {

// An RGB colour as stored, a system colour by the classic desktop scheme; clNone gives a transparent colour.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
// bsClear is no brush; the hatches are Qt's patterns of the same look.
Qt::BrushStyle ToQtBrushStyle(TBrushStyle style);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of card colours (0x00BBGGRR, system colours), brush and pen styles to Qt's.
#pragma once

#include "model/cardtypes.h"

#include <QColor>

namespace qm {

// An RGB colour as stored, a system colour by the classic desktop scheme; clNone gives a transparent colour.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
// bsClear is no brush; the hatches are Qt's patterns of the same look.
Qt::BrushStyle ToQtBrushStyle(TBrushStyle style);
// psClear is no pen; psInsideFrame draws solid.
Qt::PenStyle ToQtPenStyle(TPenStyle style);
// The colour a pen's mix mode draws on paper, which does not mix with what lies beneath: the modes that name a
// fixed result keep it, the rest draw the pen's colour.
QColor PenModeColor(TPenMode mode, TColor color);

} // namespace qm

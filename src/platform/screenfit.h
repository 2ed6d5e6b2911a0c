// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on a screen: kept on it, made to fit it, and the first window's comfortable size.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace qm {

// Keeps a window's rectangle on the screen without changing its size: one sticking out on the right moves
// left until its right edge meets the screen's, then one sticking out on the left moves right to one pixel
// inside; the same for bottom and top. screen is the available area of the screen the window belongs on.
QRect KeepOnScreen(QRect bounds, const QRect& screen);

// A window's rectangle (frame is the window frame around it, where known) made to fit the screen's available
// area: no larger than the area (frame included), then moved onto it as KeepOnScreen does, and wholly onto
// it when it is as large as the area. A window that fits and lies on the screen is left where it is.
QRect FitOnScreen(const QRect& bounds, const QRect& screen, const QMargins& frame = QMargins());

// The first window on a screen: a share of the available area each way (0.7 is comfortable), centred on it,
// never smaller than minimum unless the screen itself is.
QRect ComfortableBounds(const QRect& screen, double share, QSize minimum);

} // namespace qm

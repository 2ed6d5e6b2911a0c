// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom percentages of the design window: the steps of the zoom arrows and keys, and fitting the window.
#pragma once

#include <QSize>

namespace qm {

// 100 % to 150 % in steps of ten, then 200, 300 and 400 %.
constexpr int kZoomSteps[] = {100, 110, 120, 130, 140, 150, 200, 300, 400};
// Fitting a window may go below the first step (a small window) but not below this.
constexpr int kSmallestZoom = 50;
constexpr int kLargestZoom = 400;

// The next step above percent (percent itself when it is the largest step or beyond).
int ZoomStepAbove(int percent);
// The next step below percent (percent itself when it is the smallest step or below).
int ZoomStepBelow(int percent);
// The largest whole percentage at which a card of cardSize (at 100 %) fits a view of viewSize, from
// kSmallestZoom to kLargestZoom; 100 when either size is empty.
int FitZoomPercent(QSize cardSize, QSize viewSize);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom percentages of the design window.
#include "design/zoomsteps.h"

#include <algorithm>
#include <cmath>

namespace qm {

int ZoomStepAbove(int percent)
{
    for (int step : kZoomSteps) {
        if (step > percent)
            return step;
    }
    return percent;
}

int ZoomStepBelow(int percent)
{
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it) {
        if (*it < percent)
            return *it;
    }
    return percent;
}

int FitZoomPercent(QSize cardSize, QSize viewSize)
{
    if (cardSize.isEmpty() || viewSize.isEmpty())
        return 100;
    const double across = double(viewSize.width()) / cardSize.width();
    const double down = double(viewSize.height()) / cardSize.height();
    // A hair under a whole percent is that percent: 2.9999 of the card is 300 %.
    const int percent = int(std::floor(std::min(across, down) * 100 + 1e-6));
    return std::clamp(percent, kSmallestZoom, kLargestZoom);
}

} // namespace qm

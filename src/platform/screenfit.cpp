// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on a screen.
#include "platform/screenfit.h"

#include <algorithm>
#include <cmath>

namespace qm {

QRect KeepOnScreen(QRect bounds, const QRect& screen)
{
    const int screenRight = screen.left() + screen.width();
    const int screenBottom = screen.top() + screen.height();
    if (bounds.left() + bounds.width() > screenRight)
        bounds.moveLeft(screenRight - bounds.width());
    if (bounds.left() < screen.left())
        bounds.moveLeft(screen.left() + 1);
    if (bounds.top() + bounds.height() > screenBottom)
        bounds.moveTop(screenBottom - bounds.height());
    if (bounds.top() < screen.top())
        bounds.moveTop(screen.top() + 1);
    return bounds;
}

QRect FitOnScreen(const QRect& bounds, const QRect& screen, const QMargins& frame)
{
    if (screen.isEmpty())
        return bounds;
    const QRect outer = bounds.marginsAdded(frame);
    QRect fitted = KeepOnScreen(QRect(outer.topLeft(), outer.size().boundedTo(screen.size())), screen);
    // As large as the screen, the pixel KeepOnScreen leaves at the left or top edge would put the other
    // edge off it.
    fitted.moveLeft(std::min(fitted.left(), screen.left() + screen.width() - fitted.width()));
    fitted.moveTop(std::min(fitted.top(), screen.top() + screen.height() - fitted.height()));
    const QRect inner = fitted.marginsRemoved(frame);
    return inner.isValid() ? inner : QRect(fitted.topLeft(), QSize(1, 1));
}

QRect ComfortableBounds(const QRect& screen, double share, QSize minimum)
{
    const QSize wanted(int(std::lround(screen.width() * share)), int(std::lround(screen.height() * share)));
    const QSize size = wanted.expandedTo(minimum).boundedTo(screen.size());
    QRect bounds(QPoint(), size);
    bounds.moveTo(screen.left() + (screen.width() - size.width()) / 2,
                  screen.top() + (screen.height() - size.height()) / 2);
    return bounds;
}

} // namespace qm

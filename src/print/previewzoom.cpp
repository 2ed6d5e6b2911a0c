// SPDX-License-Identifier: GPL-3.0-or-later
// TPreviewZoom: zoom steps and the geometry of the previewed page.
#include "print/previewzoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace qm {

namespace {

const int kSteps[] = {10, 25, 50, 75, 100, 125, 150, 200, 300, 400, 600, 800};

} // namespace

void TPreviewZoom::SetPercent(int percent)
{
    mPercent = std::clamp(percent, kMinPercent, kMaxPercent);
}

void TPreviewZoom::ZoomIn()
{
    for (int step : kSteps) {
        if (step > mPercent) {
            mPercent = step;
            return;
        }
    }
}

void TPreviewZoom::ZoomOut()
{
    for (auto it = std::rbegin(kSteps); it != std::rend(kSteps); ++it) {
        if (*it < mPercent) {
            mPercent = *it;
            return;
        }
    }
}

QRect TPreviewZoom::PageRect(const QSizeF& pageInches) const
{
    const double dpi = PageDpi();
    const int w = int(std::lround(pageInches.width() * dpi));
    const int h = int(std::lround(pageInches.height() * dpi));
    const int mx = int(std::lround(w * kMarginShare));
    const int my = int(std::lround(h * kMarginShare));
    return QRect(mx, my, w, h);
}

QSize TPreviewZoom::CanvasSize(const QSizeF& pageInches) const
{
    const QRect page = PageRect(pageInches);
    return QSize(page.width() + 2 * page.x() + kShadow, page.height() + 2 * page.y() + kShadow);
}

int TPreviewZoom::PageWidthPercent(const QSizeF& pageInches, const QSize& viewport) const
{
    if (pageInches.width() <= 0)
        return mPercent;
    const double room = viewport.width() - kShadow;
    const double percent = room / ((1 + 2 * kMarginShare) * pageInches.width() * mScreenDpi) * 100;
    return std::clamp(int(std::floor(percent)), kMinPercent, kMaxPercent);
}

int TPreviewZoom::WholePagePercent(const QSizeF& pageInches, const QSize& viewport) const
{
    if (pageInches.height() <= 0)
        return mPercent;
    const double roomY = viewport.height() - kShadow;
    const double byHeight = roomY / ((1 + 2 * kMarginShare) * pageInches.height() * mScreenDpi) * 100;
    const int percent = std::min(PageWidthPercent(pageInches, viewport), int(std::floor(byHeight)));
    return std::clamp(percent, kMinPercent, kMaxPercent);
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TPreviewZoom: the preview's zoom steps, the page-width and whole-page factors and where the page lies.
#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>

namespace qm {

// 100 percent shows the paper at its real size on a screen of the given pixels per inch. Around the page
// lies a margin of 2.5 percent of the page's size; the page's shadow is 5 pixels deep.
class TPreviewZoom
{
public:
    static constexpr int kMinPercent = 10;
    static constexpr int kMaxPercent = 800;
    static constexpr int kShadow = 5;
    static constexpr double kMarginShare = 0.025;

    explicit TPreviewZoom(double screenDpi = 96) : mScreenDpi(screenDpi > 0 ? screenDpi : 96) {}

    int Percent() const { return mPercent; }
    void SetPercent(int percent);
    // To the next larger or smaller of 10, 25, 50, 75, 100, 125, 150, 200, 300, 400, 600, 800.
    void ZoomIn();
    void ZoomOut();

    // Pixels per inch of the page on screen.
    double PageDpi() const { return mScreenDpi * mPercent / 100.0; }
    // The page with its margins and shadow, and the page itself within it.
    QSize CanvasSize(const QSizeF& pageInches) const;
    QRect PageRect(const QSizeF& pageInches) const;

    // The largest zoom at which the page with its margins fits the viewport's width, or all of it.
    int PageWidthPercent(const QSizeF& pageInches, const QSize& viewport) const;
    int WholePagePercent(const QSizeF& pageInches, const QSize& viewport) const;

private:
    double mScreenDpi;
    int mPercent = 100;
};

} // namespace qm

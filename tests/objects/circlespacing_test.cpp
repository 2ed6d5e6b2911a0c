// SPDX-License-Identifier: GPL-3.0-or-later
// Circular text spacing: letters stand apart by their own widths and one even space, measured in the layout
// and on the ink of a drawn seal ("MORNING" neither "MORN ING" nor letters overlapping).
#include "model/cardrender.h"
#include "objects/text/circletext.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace qm;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The gaps, in degrees, between the runs of ink met going clockwise over a half circle that starts at
// `start` degrees (on the screen: 180 the left, 0 the right); the number of runs is the number of separate
// letters seen.
std::vector<double> InkGaps(const TKPCircleText& text, double start, int* runs)
{
    QImage image(text.Width(), text.Height(), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        RenderContext context;
        context.target = RenderContext::Picture;
        text.Draw(painter, context);
    }
    const TCircleLayout layout = text.Layout();
    std::vector<double> angles; // clockwise from a quarter turn before the start, 0..360
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.constScanLine(y)[x] < 128) {
                const double a = std::atan2(y + 0.5 - layout.CentreY(), x + 0.5 - layout.CentreX()) * 180 / kPi;
                angles.push_back(std::fmod(a - start + 90 + 720, 360));
            }
    std::sort(angles.begin(), angles.end());
    std::vector<double> gaps;
    *runs = angles.empty() ? 0 : 1;
    for (size_t i = 1; i < angles.size(); ++i)
        if (angles[i] - angles[i - 1] > 2.0) { // wider than the step between neighbouring pixels
            gaps.push_back(angles[i] - angles[i - 1]);
            ++*runs;
        }
    return gaps;
}

} // namespace

// Centres stand half of each neighbour's width apart plus a space that is the same everywhere, and the
// first and last letters stand at the ends of an arc.
TEST(CircleLayout, LettersStandApartByTheirOwnWidthsAndOneEvenSpace)
{
    CircleLayoutInput in;
    in.width = in.height = 200;
    in.charHeight = 20;
    in.averageWidth = 10;
    in.letters = 4;
    in.degrees = dg180;
    in.advances = {10, 10, 40, 10};
    const TCircleLayout arc(in);
    const double middle = arc.Radius() + 10; // half a letter out from the points
    auto length = [&](const TCircleLayout& l, qsizetype i) {
        return (l.Along(i + 1) - l.Along(i)) * kPi / 180 * middle;
    };
    EXPECT_DOUBLE_EQ(arc.Along(0), 0);
    EXPECT_DOUBLE_EQ(arc.Along(3), 180);
    const double space = length(arc, 0) - 10;
    EXPECT_GT(space, 0);
    EXPECT_NEAR(length(arc, 1), 25 + space, 1e-6);
    EXPECT_NEAR(length(arc, 2), 25 + space, 1e-6);
    EXPECT_NEAR(10 + 25 + 25 + 3 * space, 180 * kPi / 180 * middle, 1e-6);

    // Mirrored letters are laid from the last one, and measured half a letter inside their points.
    in.mirror = true;
    in.advances = {10, 40, 10, 10};
    const TCircleLayout mirrored(in);
    const double inner = mirrored.Radius() - 10;
    const double step0 = (mirrored.Along(1) - mirrored.Along(0)) * kPi / 180 * inner;
    const double step1 = (mirrored.Along(2) - mirrored.Along(1)) * kPi / 180 * inner;
    EXPECT_NEAR(step1 - step0, 15, 1e-6) << "the wide letter stands third in drawing order";

    // On a full circle the space after the last letter, round to the first, is one of the spaces too.
    in.mirror = false;
    in.degrees = dg360;
    in.letters = 3;
    in.advances = {20, 20, 20};
    const TCircleLayout full(in);
    EXPECT_NEAR(full.Along(1), 120, 1e-9);
    EXPECT_NEAR(full.Along(2), 240, 1e-9);
    // Without widths (or a count that does not match) the letters step alike, as they always did.
    in.advances = {20, 20};
    EXPECT_NEAR(TCircleLayout(in).Along(1), 120, 1e-9);
}

// "MORNING" over the top of a seal, and mirrored along its bottom, large enough to nearly fill the half
// circle: seven separate letters with no gap more than twice the middle one nor less than a third of it (the
// letters' own side bearings differ).
TEST(CircleTextDraw, DrawnLettersAreEvenlySpacedAndNeverOverlap)
{
    for (const bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored ? "mirrored" : "turned");
        TKPCircleText text;
        text.SetBounds(0, 0, 240, 240);
        text.Font().SetName(QStringLiteral("DejaVu Sans"));
        text.Font().SetStyle(1u << fsBold);
        text.SetCaption(QStringLiteral("MORNING"));
        text.SetDegrees(dg180);
        text.SetStartingVector(mirrored ? dg360 : dg180);
        text.SetMirror(mirrored);
        text.SetDrawLettersAngled(true);
        // The largest size at which the letters from the middle of the first to the middle of the last take
        // at most nine tenths of the arc: letters stepping alike would make M and O touch.
        for (int size = 8; size < 60; ++size) {
            text.Font().SetSize(size + 1);
            const TCircleLayout layout = text.Layout();
            const QFontMetricsF metrics(text.DrawingFont());
            const double middle = layout.Radius() + (mirrored ? -0.5 : 0.5) * metrics.height();
            const double centres = metrics.horizontalAdvance(text.Caption()) -
                                   (metrics.horizontalAdvance(QLatin1Char('M')) + metrics.horizontalAdvance(QLatin1Char('G'))) / 2;
            if (centres > 0.9 * kPi * middle) {
                text.Font().SetSize(size);
                break;
            }
        }
        ASSERT_GT(text.Font().Size(), 12);
        int runs = 0;
        std::vector<double> gaps = InkGaps(text, mirrored ? 0 : 180, &runs);
        ASSERT_EQ(runs, 7) << "seven letters, none touching another; size " << text.Font().Size() << " gaps "
                           << testing::PrintToString(gaps);
        std::sort(gaps.begin(), gaps.end());
        ASSERT_EQ(gaps.size(), 6u);
        const double median = (gaps[2] + gaps[3]) / 2;
        EXPECT_LE(gaps.back(), 2 * median) << "widest " << gaps.back() << " middle " << median;
        EXPECT_GE(gaps.front(), median / 3) << "narrowest " << gaps.front() << " middle " << median;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Where a sheet's crop marks go.
#include "print/sheetcropmarks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

namespace {

// How far along a ray from `from` in direction (dx, dy) (one of them 0, the other +-1) it meets the rectangle,
// edges included; infinity when it never does.
double Reach(const QPointF& from, double dx, double dy, const QRectF& rect)
{
    constexpr double kNever = std::numeric_limits<double>::infinity();
    constexpr double kEpsilon = 1e-9;
    if (dx != 0) {
        if (from.y() < rect.top() - kEpsilon || from.y() > rect.bottom() + kEpsilon)
            return kNever;
        const double d = dx > 0 ? rect.left() - from.x() : from.x() - rect.right();
        return d >= -kEpsilon ? std::max(d, 0.0) : kNever;
    }
    if (from.x() < rect.left() - kEpsilon || from.x() > rect.right() + kEpsilon)
        return kNever;
    const double d = dy > 0 ? rect.top() - from.y() : from.y() - rect.bottom();
    return d >= -kEpsilon ? std::max(d, 0.0) : kNever;
}

bool SameLine(const QLineF& a, const QLineF& b)
{
    constexpr double kEpsilon = 1e-9;
    const auto near = [](const QPointF& p, const QPointF& q) {
        return std::abs(p.x() - q.x()) < kEpsilon && std::abs(p.y() - q.y()) < kEpsilon;
    };
    return (near(a.p1(), b.p1()) && near(a.p2(), b.p2())) || (near(a.p1(), b.p2()) && near(a.p2(), b.p1()));
}

} // namespace

std::vector<QLineF> SheetCropMarks(const std::vector<QRectF>& cards, const QRectF& paper,
                                   const SheetCropMarkStyle& style)
{
    std::vector<QLineF> marks;
    for (const QRectF& card : cards) {
        const QPointF corners[4] = {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()};
        for (const QPointF& corner : corners) {
            const double outX = corner.x() == card.left() ? -1 : 1;
            const double outY = corner.y() == card.top() ? -1 : 1;
            for (const auto& [dx, dy] : {std::pair<double, double>{outX, 0}, std::pair<double, double>{0, outY}}) {
                // The mark runs from the gap to the gap plus its length, or less when a card or the paper's
                // edge comes first.
                double end = style.Gap + style.Length;
                for (const QRectF& other : cards) {
                    if (&other == &card)
                        continue;
                    end = std::min(end, Reach(corner, dx, dy, other) - style.Gap);
                }
                const double toEdge = dx < 0   ? corner.x() - paper.left()
                                      : dx > 0 ? paper.right() - corner.x()
                                      : dy < 0 ? corner.y() - paper.top()
                                               : paper.bottom() - corner.y();
                end = std::min(end, toEdge);
                if (end - style.Gap < style.Shortest)
                    continue;
                const QLineF mark(corner + QPointF(dx, dy) * style.Gap, corner + QPointF(dx, dy) * end);
                if (std::none_of(marks.begin(), marks.end(), [&](const QLineF& m) { return SameLine(m, mark); }))
                    marks.push_back(mark);
            }
        }
    }
    return marks;
}

} // namespace qm

// Outlines of wide solid pens, built in pixels for the coverage filler: each figure's centre line (curves cut
// into straight pieces) is offset by half the pen to both sides, with round or bevelled corners on the outer
// side of each turn and, on the inner side, the point where the two offset lines meet (or, where they do not
// meet within the pieces, a way through the corner itself). Filled under the winding rule this covers exactly
// the ground the pen passes over: the band of every piece plus the rounding of every corner.
#include "pictures/metafileraster.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Curves, round corners and caps are cut into straight pieces lying at most this far (in pixels) from them.
constexpr double kStrokeFlatness = 0.1;

inline double Cross(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }
inline double Dot(QPointF a, QPointF b) { return a.x() * b.x() + a.y() * b.y(); }
// The left-hand normal of a direction of length one.
inline QPointF Normal(QPointF t) { return QPointF(-t.y(), t.x()); }

} // namespace

void CoverageFill::ArcPoints(QPointF center, QPointF from, QPointF to, double sweep)
{
    // The points after from, up to and including to.
    const int steps = std::max(1, int(std::ceil(std::abs(sweep) / mArcStep)));
    if (steps > 1) {
        const double step = sweep / steps;
        const double c = std::cos(step), s = std::sin(step);
        QPointF d = from - center;
        for (int k = 1; k < steps; ++k) {
            d = QPointF(d.x() * c - d.y() * s, d.x() * s + d.y() * c);
            mPoints.push_back(center + d);
        }
    }
    mPoints.push_back(to);
}

bool CoverageFill::Stroke(const QPainterPath& path, double width, Qt::PenJoinStyle join, Qt::PenCapStyle cap,
                          const QColor& color, bool inPixels)
{
    if (join != Qt::RoundJoin && join != Qt::BevelJoin)
        return false;
    if (path.isEmpty())
        return true;
    if (!(width > 0) || !std::isfinite(width))
        return false;
    // Outlined in the path's own units (where the pen is round), then mapped onto the pixels.
    const double unit = inPixels ? 1 : mLongest;
    if (!(unit > 0) || !std::isfinite(unit))
        return false;
    Flatten(path, QTransform(), kStrokeFlatness / unit);
    const double h = width / 2;
    const double arcFlatness = kStrokeFlatness / unit;
    // The angle of one piece of a round corner of this radius (at most 256 pieces to a half turn: a larger
    // circle than that would not fit the cells anyway).
    mArcStep = h > arcFlatness ? std::max(2 * std::acos(1 - arcFlatness / h), kPi / 256) : kPi;
    mArcStepCos = std::cos(mArcStep);

    // The centre lines, figure after figure, without repeated points.
    mLine.clear();
    mLineEnds.clear();
    mLineClosed.clear();
    int start = 0;
    for (const int end : mFigureEnds) {
        const size_t first = mLine.size();
        for (int i = start; i < end; ++i) {
            const QPointF p = mPoints[size_t(i)];
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                return false;
            if (mLine.size() == first || std::abs(p.x() - mLine.back().x()) + std::abs(p.y() - mLine.back().y()) > 1e-9)
                mLine.push_back(p);
        }
        const QPointF a = mPoints[size_t(start)], b = mPoints[size_t(end - 1)];
        // A figure ending where it began is closed: its ends are joined, not capped.
        bool closed = false;
        if (mLine.size() - first > 2 && std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()) <= 1e-9) {
            closed = true;
            mLine.pop_back();
        }
        if (mLine.size() - first < 2) {
            // A single point: left to the painter (whose dots depend on the cap).
            if (end - start > 1)
                return false;
            mLine.resize(first); // a lone move draws nothing
        } else {
            mLineEnds.push_back(int(mLine.size()));
            mLineClosed.push_back(closed);
        }
        start = end;
    }

    mPoints.clear();
    mFigureEnds.clear();
    start = 0;
    for (size_t f = 0; f < mLineEnds.size(); ++f) {
        const int end = mLineEnds[f];
        const QPointF* v = mLine.data() + start;
        const int n = end - start;
        const bool closed = mLineClosed[f];
        const int segments = closed ? n : n - 1;
        // Directions and lengths of the pieces.
        mDirections.resize(size_t(segments));
        mLengths.resize(size_t(segments));
        for (int i = 0; i < segments; ++i) {
            const QPointF d = v[(i + 1) % n] - v[i];
            const double length = std::sqrt(d.x() * d.x() + d.y() * d.y());
            mLengths[size_t(i)] = length;
            mDirections[size_t(i)] = d / length;
        }
        // One side of the band (sign +1 the left, -1 the right), along the figure: the offset pieces and the
        // corners between them. Where the inner offset lines meet, each piece gives up the length up to that
        // point; two such corners never take more than the whole piece between them.
        const auto side = [&](double sign) {
            const size_t sideStart = mPoints.size();
            double usedStart = 0;  // of the current piece, by the corner before it
            double firstEnd = 0;   // of the first piece, by the corner after it
            mPoints.push_back(v[0] + Normal(mDirections[0]) * (h * sign));
            for (int i = 0; i < segments; ++i) {
                const QPointF t = mDirections[size_t(i)];
                const QPointF offset = Normal(t) * (h * sign);
                const QPointF b = v[(i + 1) % n];
                mPoints.push_back(b + offset);
                if (!closed && i == segments - 1)
                    break;
                const int next = (i + 1) % segments;
                const QPointF u = mDirections[size_t(next)];
                const QPointF nextOffset = Normal(u) * (h * sign);
                const double turn = Cross(t, u);
                const double along = Dot(t, u);
                double used = 0;
                if (turn == 0 && along > 0) {
                    // straight on: the offset pieces meet
                } else if (turn * sign < 0 || (turn == 0 && sign > 0)) {
                    // Turning away from this side: the outer side of the corner, rounded or cut straight. A
                    // turn right back is rounded over the front on the left side.
                    if (join == Qt::RoundJoin && along < mArcStepCos) {
                        const double sweep =
                            turn == 0 ? -kPi * sign : std::atan2(Cross(offset, nextOffset), Dot(offset, nextOffset));
                        ArcPoints(b, b + offset, b + nextOffset, sweep);
                    } else {
                        // cut straight, or turning by less than one piece of a round corner
                        mPoints.push_back(b + nextOffset);
                    }
                } else {
                    // The inner offset lines meet this far before and after the corner.
                    const double meet = h * std::abs(turn) / (1 + along);
                    const double nextUsed = next == 0 ? firstEnd : 0;
                    if (along > -0.9 && meet + usedStart <= mLengths[size_t(i)] &&
                        meet + nextUsed <= mLengths[size_t(next)]) {
                        used = meet;
                        mPoints.back() = b + offset - t * meet;
                        if (next == 0)
                            mPoints[sideStart] = mPoints.back();
                    } else {
                        // Through the corner itself: covered twice there, which the winding rule takes as once.
                        mPoints.push_back(b);
                        mPoints.push_back(b + nextOffset);
                    }
                }
                if (i == 0)
                    firstEnd = used;
                usedStart = used;
            }
        };
        const auto capAt = [&](QPointF at, QPointF t) {
            // From the left offset round the end of the line to the right one; t points out of the line.
            const QPointF offset = Normal(t) * h;
            if (cap == Qt::SquareCap) {
                mPoints.push_back(at + offset + t * h);
                mPoints.push_back(at - offset + t * h);
            } else if (cap == Qt::RoundCap) {
                ArcPoints(at, at + offset, at - offset, -kPi);
            }
        };
        if (closed) {
            // Two loops: the left side along the figure, the right side against it.
            side(1);
            mFigureEnds.push_back(int(mPoints.size()));
            const size_t right = mPoints.size();
            side(-1);
            std::reverse(mPoints.begin() + qsizetype(right), mPoints.end());
            mFigureEnds.push_back(int(mPoints.size()));
        } else {
            // One loop: the left side, the end cap, the right side back and the start cap.
            side(1);
            capAt(v[n - 1], mDirections.back());
            const size_t right = mPoints.size();
            side(-1);
            std::reverse(mPoints.begin() + qsizetype(right), mPoints.end());
            capAt(v[0], -mDirections.front());
            mFigureEnds.push_back(int(mPoints.size()));
        }
        start = end;
    }
    if (mPoints.empty())
        return true;
    if (!inPixels)
        for (QPointF& p : mPoints)
            p = mToPixels.map(p);
    return Rasterize(Qt::WindingFill, color);
}

} // namespace qm::metafile

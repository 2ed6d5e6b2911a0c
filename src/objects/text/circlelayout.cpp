// SPDX-License-Identifier: GPL-3.0-or-later
// Circle layout: the centre, radius and step of a circular text, and each letter's point and turn.
#include "objects/text/circlelayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Round to nearest, an exact half to the even neighbour; values beyond int are held at its ends.
int RoundEven(double v)
{
    return int(std::clamp(std::nearbyint(v), -2147483647.0, 2147483647.0));
}

} // namespace

TCircleLayout::TCircleLayout(const CircleLayoutInput& in)
{
    mWidth = in.width;
    mHeight = in.height;
    mLetters = std::max<qsizetype>(0, in.letters);
    mStart = (int(in.startingVector) + 1) * 90;
    mSpan = (int(in.degrees) + 1) * 90;
    mFullCircle = in.degrees == dg360;
    if (mFullCircle && mLetters > 5)
        mSpan = 355;

    const int w = in.averageWidth;
    const int h = in.charHeight;
    const int width = in.width;
    const int height = in.height;
    int cx = width / 2, cy = height / 2;
    int rx = cx, ry = cy;
    // A quarter or half circle keeps its centre at the box's corner or edge, a letter's size in.
    auto left = [&] { cx = w, rx = width - w; };
    auto right = [&] { cx = width - w, rx = cx; };
    auto top = [&] { cy = h, ry = height - h; };
    auto bottom = [&] { cy = height - h, ry = cy; };
    if (in.degrees == dg90) {
        switch (in.startingVector) {
        case dg90: left(), bottom(); break;
        case dg180: right(), bottom(); break;
        case dg270: right(), top(); break;
        case dg360: left(), top(); break;
        }
    } else if (in.degrees == dg180) {
        switch (in.startingVector) {
        case dg90: left(); break;
        case dg180: bottom(); break;
        case dg270: right(); break;
        case dg360: top(); break;
        }
    }
    mCx = cx;
    mCy = cy;
    mRadius = std::min(rx, ry) - 4;
    mMirrored = in.mirror && in.angled;
    // Letters standing outside their points must stay in the box.
    if (!mMirrored)
        mRadius -= std::abs(h);

    if (mLetters == 1)
        mStep = mSpan;
    else if (mFullCircle)
        mStep = double(mSpan) / double(mLetters);
    else if (mLetters > 1)
        mStep = double(mSpan) / double(mLetters - 1);

    if (mLetters > 1 && qsizetype(in.advances.size()) == mLetters) {
        // The centres stand half of each neighbour's width apart plus one space, the same between every two
        // letters (and from the last round to the first on a full circle), measured half a letter from the
        // points, where the eye reads the gaps; the spaces fill the span.
        const double middle = std::max(1.0, mRadius + (mMirrored ? -0.5 : 0.5) * std::abs(h));
        const double spanLength = middle * mSpan * kPi / 180.0;
        auto width = [&](qsizetype i) { return std::max(0.0, in.advances[size_t(LetterAt(i))]); };
        double centres = 0; // the distance between the first and last centre without the spaces
        for (qsizetype i = 0; i + 1 < mLetters; ++i)
            centres += (width(i) + width(i + 1)) / 2;
        const qsizetype spaces = mFullCircle ? mLetters : mLetters - 1;
        if (mFullCircle)
            centres += (width(mLetters - 1) + width(0)) / 2;
        const double space = (spanLength - centres) / double(spaces);
        mAlong.resize(size_t(mLetters));
        double at = 0;
        for (qsizetype i = 0; i < mLetters; ++i) {
            mAlong[size_t(i)] = at * 180.0 / (kPi * middle);
            if (i + 1 < mLetters)
                at += (width(i) + width(i + 1)) / 2 + space;
        }
    }
}

double TCircleLayout::Along(qsizetype i) const
{
    // The last letter of an arc stands exactly at its end.
    if (!mFullCircle && i == mLetters - 1)
        return double(mSpan);
    if (i >= 0 && i < qsizetype(mAlong.size()))
        return mAlong[size_t(i)];
    return double(i) * mStep;
}

CirclePlace TCircleLayout::Place(qsizetype i) const
{
    const double along = Along(i);

    CirclePlace p;
    int e = RoundEven((mStart - 90) * 10.0 - along * 10.0);
    if (e < 0)
        e += 3600;
    if (mMirrored)
        e = e + 1800 > 3600 ? e - 1800 : e + 1800;
    p.turn = e;

    const double t = (along - mStart) * kPi / 180.0;
    p.x = mCx + RoundEven(std::cos(t) * mRadius);
    p.y = mCy + RoundEven(std::sin(t) * mRadius);
    p.inside = p.x >= 0 && p.y >= 0 && p.x < mWidth && p.y < mHeight;
    return p;
}

qint64 CirclePreviewRefit::Edited(qint64 now)
{
    if (mPending)
        return -1;
    mPending = true;
    const qint64 since = std::max<qint64>(0, now - mOpenedAt);
    mDue = mOpenedAt + (since / kIntervalMs + 1) * kIntervalMs;
    return mDue - now;
}

bool CirclePreviewRefit::Tick(qint64 now)
{
    if (!mPending || now < mDue)
        return false;
    mPending = false;
    return true;
}

bool CirclePreviewRefit::Flush()
{
    const bool pending = mPending;
    mPending = false;
    return pending;
}

} // namespace qm

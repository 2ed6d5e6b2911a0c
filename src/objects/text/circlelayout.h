// SPDX-License-Identifier: GPL-3.0-or-later
// Circle layout: where each letter of a circular text stands and how far it is turned.
#pragma once

#include <QtGlobal>

#include <vector>

namespace qm {

// A multiple of a quarter turn: dg90 = 90 degrees ... dg360 = 360 degrees.
enum TDegrees
{
    dg90,
    dg180,
    dg270,
    dg360
};

// What the layout needs of the object and its drawing font.
struct CircleLayoutInput
{
    int width = 0;
    int height = 0;
    int charHeight = 0;   // the font's cell height (ascent plus descent)
    int averageWidth = 0; // the font's average character width
    qsizetype letters = 0;
    TDegrees startingVector = dg180;
    TDegrees degrees = dg360;
    bool mirror = false;
    bool angled = true;
    // Each letter's advance width in caption order. Letters then stand apart by their own widths and an even
    // space between neighbours; without them (or with a count unlike `letters`) all letters count as alike.
    std::vector<double> advances;
};

// One letter's place: the middle of its bottom edge at (x, y), turned counter-clockwise by `turn` tenths of a
// degree (0..3600).
struct CirclePlace
{
    int x = 0;
    int y = 0;
    int turn = 0;
    // Whether the point lies in the box (right and bottom exclusive); letters outside are not drawn.
    bool inside = false;
    bool operator==(const CirclePlace& o) const
    {
        return x == o.x && y == o.y && turn == o.turn && inside == o.inside;
    }
    bool operator!=(const CirclePlace& o) const { return !(*this == o); }
};

// The circle the letters stand on and the step between them. Angles are in degrees, screen y grows
// downwards: a start of 90 is the top of the circle, 180 the left, 270 the bottom, 360 the right, and the
// letters run clockwise from there.
class TCircleLayout
{
public:
    explicit TCircleLayout(const CircleLayoutInput& in);

    int StartAngle() const { return mStart; }
    // The arc the letters spread over: the span, or 355 for six letters or more on a full circle.
    int Span() const { return mSpan; }
    int CentreX() const { return mCx; }
    int CentreY() const { return mCy; }
    int Radius() const { return mRadius; }
    double Step() const { return mStep; }
    // Angled letters read from the inside of the arc (upright letters never do).
    bool Mirrored() const { return mMirrored; }
    qsizetype Letters() const { return mLetters; }

    // How far along the arc letter i stands, in degrees from the start (drawing order).
    double Along(qsizetype i) const;
    // Letter i in drawing order, 0 <= i < Letters().
    CirclePlace Place(qsizetype i) const;
    // Which letter of the caption (0-based) stands at place i: mirrored text is laid backwards.
    qsizetype LetterAt(qsizetype i) const { return mMirrored ? mLetters - 1 - i : i; }

private:
    int mWidth = 0;
    int mHeight = 0;
    int mStart = 0;
    int mSpan = 0;
    bool mFullCircle = false;
    int mCx = 0;
    int mCy = 0;
    int mRadius = 0;
    double mStep = 0;
    bool mMirrored = false;
    qsizetype mLetters = 0;
    // Degrees along the arc of each letter when their widths are known; empty when they are alike.
    std::vector<double> mAlong;
};

// The preview of the properties dialog follows the caption edit on the ticks of a 200 ms clock started with
// the dialog rather than at every key: the first tick after an edit refits the preview. Times are
// milliseconds of any clock.
class CirclePreviewRefit
{
public:
    static constexpr qint64 kIntervalMs = 200;

    explicit CirclePreviewRefit(qint64 openedAt = 0) : mOpenedAt(openedAt) {}
    // The caption was edited at `now`: the milliseconds until the tick that refits the preview, or -1 when
    // an earlier edit already waits for that tick.
    qint64 Edited(qint64 now);
    bool Pending() const { return mPending; }
    // When the waiting edit is due.
    qint64 Due() const { return mDue; }
    // A tick at `now`: true when the preview is to take the caption now (a tick that comes early waits).
    bool Tick(qint64 now);
    // The dialog closes with OK: true when an edit has not reached the preview yet.
    bool Flush();

private:
    qint64 mOpenedAt = 0;
    bool mPending = false;
    qint64 mDue = 0;
};

} // namespace qm

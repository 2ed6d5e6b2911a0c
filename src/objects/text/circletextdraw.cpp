// SPDX-License-Identifier: GPL-3.0-or-later
// TKPCircleText drawing: background and border, then the letters one by one along the arc.
#include "model/cardrender.h"
#include "model/colors.h"
#include "objects/text/circletext.h"
#include "objects/text/labellayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QStringView>
#include <QTransform>

#include <vector>

namespace qm {

namespace {

// A letter is one character; a surrogate pair counts as one.
bool PairAt(const QString& s, qsizetype i)
{
    return i + 1 < s.size() && s[i].isHighSurrogate() && s[i + 1].isLowSurrogate();
}

qsizetype CountLetters(const QString& s)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < s.size(); i += PairAt(s, i) ? 2 : 1)
        ++n;
    return n;
}

// Walks the caption's letters forwards or backwards, giving each letter's first character and length.
class LetterWalk
{
public:
    LetterWalk(const QString& s, bool backwards) : mText(s), mBackwards(backwards), mAt(backwards ? s.size() : 0) {}
    void Next(qsizetype& from, int& length)
    {
        if (mBackwards) {
            length = mAt >= 2 && PairAt(mText, mAt - 2) ? 2 : 1;
            mAt -= length;
            from = mAt;
        } else {
            length = PairAt(mText, mAt) ? 2 : 1;
            from = mAt;
            mAt += length;
        }
    }

private:
    const QString& mText;
    bool mBackwards;
    qsizetype mAt;
};

// Letters that fall on the very same point with the same turn are drawn over one another; of a run longer
// than this (a caption of thousands of letters on a small circle) only the last ones, which lie on top, are
// drawn.
constexpr int kMaxStacked = 8;

struct Pending
{
    CirclePlace place;
    qsizetype from = 0;
    int length = 0;
};

} // namespace

QFont TKPCircleText::DrawingFont() const
{
    return LabelDrawingFont(mFont);
}

TCircleLayout TKPCircleText::Layout(const QString& caption) const
{
    const QFontMetrics metrics(DrawingFont());
    CircleLayoutInput in;
    in.width = Width();
    in.height = Height();
    in.charHeight = metrics.height();
    in.averageWidth = metrics.averageCharWidth();
    in.letters = CountLetters(caption);
    in.startingVector = mStartingVector;
    in.degrees = mDegrees;
    in.mirror = mMirror;
    in.angled = mDrawLettersAngled;
    // Each letter takes its own width along the arc. A caption too long to show letter by letter keeps
    // alike steps (its letters pile up anyway).
    constexpr qsizetype kMaxMeasured = 4096;
    if (in.letters > 1 && in.letters <= kMaxMeasured) {
        const QFontMetricsF exact(DrawingFont());
        in.advances.reserve(size_t(in.letters));
        for (qsizetype i = 0; i < caption.size(); i += PairAt(caption, i) ? 2 : 1)
            in.advances.push_back(exact.horizontalAdvance(caption.mid(i, PairAt(caption, i) ? 2 : 1)));
    }
    return TCircleLayout(in);
}

void TKPCircleText::Draw(QPainter& p, const RenderContext& context) const
{
    if ((ComponentState() & csLoading) || Width() <= 0 || Height() <= 0)
        return;
    const QRect box(0, 0, Width(), Height());
    p.save();
    if (context.OnPaper())
        p.setClipRect(box, Qt::IntersectClip);
    if (!mControlTransparent)
        p.fillRect(box, ToQColor(mBGColor));
    if (mBorderStyle == bsSingle) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        // A one-pixel outline on the box's outermost pixels.
        p.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
    }
    // Placeholders show their values.
    const QString caption = context.ShownText(mCaption);
    if (caption.isEmpty()) {
        p.restore();
        return;
    }

    const QFont font = DrawingFont();
    const TCircleLayout layout = Layout(caption);
    const QFontMetricsF metrics(font);
    const qreal descent = QFontMetrics(font).descent();
    // How far a letter's ink can reach from its point, whatever its turn.
    const qreal reach = 2 * (metrics.height() + metrics.maxWidth());
    // What can be seen of the object: the clip, within the device.
    QRectF seen(-1e9, -1e9, 2e9, 2e9);
    if (p.hasClipping())
        seen = p.clipBoundingRect();
    if (const QPaintDevice* device = p.device()) {
        const QRectF whole(0, 0, device->width(), device->height());
        seen &= p.deviceTransform().inverted().mapRect(whole);
    }
    seen.adjust(-reach, -reach, reach, reach);

    p.setFont(font);
    p.setPen(ToQColor(mFont.Color()));
    p.setBrush(Qt::NoBrush);
    const QTransform base = p.transform();
    const bool angled = mDrawLettersAngled;
    auto draw = [&](const Pending& letter) {
        QTransform at = base;
        at.translate(letter.place.x, letter.place.y);
        if (angled && letter.place.turn % 3600 != 0)
            at.rotate(-letter.place.turn / 10.0);
        p.setTransform(at);
        const QString text = caption.mid(letter.from, letter.length);
        const qreal advance =
            letter.length == 1 ? metrics.horizontalAdvance(text[0]) : metrics.horizontalAdvance(text);
        // The point is the middle of the letter's bottom edge.
        p.drawText(QPointF(-advance / 2, -descent), text);
    };

    // Letters are laid out in order; a run of letters on one place is drawn when the place changes.
    std::vector<Pending> stack;
    stack.reserve(kMaxStacked);
    auto flush = [&] {
        for (const Pending& letter : stack)
            draw(letter);
        stack.clear();
    };
    LetterWalk walk(caption, layout.Mirrored());
    for (qsizetype i = 0; i < layout.Letters(); ++i) {
        Pending letter;
        walk.Next(letter.from, letter.length);
        letter.place = layout.Place(i);
        if (!letter.place.inside || !seen.contains(QPointF(letter.place.x, letter.place.y)))
            continue;
        if (!angled)
            letter.place.turn = 0;
        if (!stack.empty() && stack.back().place != letter.place)
            flush();
        if (stack.size() == size_t(kMaxStacked))
            stack.erase(stack.begin());
        stack.push_back(letter);
    }
    flush();
    p.restore();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a card onto any painter.
#include "model/cardrender.h"

#include "model/cardmodel.h"
#include "platform/units.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// The outline moved inwards by inset; a negative inset grows it outwards, each edge moved straight out and
// round corners as much rounder (a grown outline keeps its shape along the card and goes on straight beyond
// it).
QPainterPath OutlinePath(const CardModel& card, double inset)
{
    QPainterPath path;
    const QRectF outline = QRectF(0, 0, card.Width() + 1, card.Height() + 1).adjusted(inset, inset, -inset, -inset);
    switch (card.Shape()) {
    case lsRectangle:
        path.addRect(outline);
        break;
    case lsRoundRect: {
        const double radius = 12 - std::min(inset, 0.0);
        path.addRoundedRect(outline, radius, radius);
        break;
    }
    case lsEllipse:
        path.addEllipse(outline);
        break;
    }
    return path;
}

} // namespace

QPainterPath CardOutlinePath(const CardModel& card)
{
    return OutlinePath(card, 0);
}

QPainterPath CardBleedOutlinePath(const CardModel& card, double bleed)
{
    return OutlinePath(card, -std::max(bleed, 0.0));
}

void ClipToRect(QPainter& painter, const QRectF& rect, const RenderContext& context)
{
    // The same outline a unit inside (its corners are as round) lies within the outline whatever the curves
    // become on the way to the page, so a rectangle inside it is inside the outline on every page.
    const bool inside = !context.paperClipInside.isEmpty() &&
                        context.paperClipInside.contains(painter.deviceTransform().mapRect(rect));
    painter.setClipRect(rect, inside ? Qt::ReplaceClip : Qt::IntersectClip);
}

bool SmoothEdgesOnScreen(const QPainter& painter, const RenderContext& context)
{
    return context.OnScreen() && painter.device() && painter.device()->devicePixelRatio() > 1.0;
}

void DrawCard(QPainter& painter, const CardModel& card, const RenderContext& given)
{
    RenderContext context = given;
    if (context.personal.isEmpty())
        context.personal = card.PersonalStrings();
    if (context.OnPaper() && card.Objects().Count() > PartedPaintDevice::kObjectsPerPart)
        context.keepDrawingCaches = false;
    const QRect whole(0, 0, card.Width(), card.Height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!context.OnPaper())
        painter.fillRect(whole, Qt::white);
    if (context.background) {
        // Decoded for the pixels the card covers (on paper 600 per inch), never whole when far larger.
        const QTransform t = painter.deviceTransform();
        const double paper = 600.0 / kUnitsPerInch;
        const double sx = context.OnPaper() ? paper : std::hypot(t.m11(), t.m12());
        const double sy = context.OnPaper() ? paper : std::hypot(t.m21(), t.m22());
        const QSize pixels(int(std::clamp(std::ceil(whole.width() * sx), 1.0, 1e6)),
                           int(std::clamp(std::ceil(whole.height() * sy), 1.0, 1e6)));
        for (const StoredPicture* picture : {&card.Picture(), &card.ColorPicture()}) {
            // A picture the image readers cannot decode is left out.
            const QImage& image = picture->Decoded(pixels);
            if (image.isNull())
                continue;
            painter.save();
            if (context.OnScreen())
                painter.setClipPath(CardOutlinePath(card), Qt::IntersectClip);
            // A bitmap of fewer pixels than the screen shows it with (a zoom, a high-density screen) is
            // smoothed, not blown up into blocks; paper and exported pictures take the bitmap as it is.
            if (context.OnScreen())
                painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(whole, image);
            painter.restore();
        }
    }
    if (context.underObjects)
        context.underObjects(painter);

    // The screen shows nothing beyond the card's outline; on paper an object overhanging the card must not
    // print onto the card beside it.
    if (context.OnPaper()) {
        // Given a clip that holds the whole outline (the card's place on the page), the outline alone is the
        // same clip. A PDF writer writes every clip in force again whenever an object changes the clip, so one
        // path instead of two saves a path for every object that clips itself.
        // For a print shop the objects go on into the bleed around the card and are cut at its outer edge.
        const double bleed = std::max(context.bleed, 0.0);
        const QPainterPath outline = OutlinePath(card, -bleed);
        const bool within = painter.hasClipping() && painter.clipPath().contains(outline);
        painter.setClipPath(outline, within ? Qt::ReplaceClip : Qt::IntersectClip);
        if (within)
            context.paperClipInside = painter.deviceTransform().map(OutlinePath(card, 1 - bleed));
    }
    const bool clipToBox = !context.OnPaper();
    auto* parted = context.OnPaper() ? dynamic_cast<PartedPaintDevice*>(painter.device()) : nullptr;
    int drawn = 0;
    int index = -1;
    for (const TKGraphicControl* object : card.Objects().Objects()) {
        ++index;
        if (context.drawObject && !context.drawObject(index))
            continue;
        const QRect box = object->BoundsRect();
        if (box.isEmpty() || (!context.exposed.isEmpty() && !context.exposed.intersects(box)))
            continue;
        if (parted && drawn > 0 && drawn % PartedPaintDevice::kObjectsPerPart == 0)
            parted->EndPart();
        ++drawn;
        painter.save();
        if (clipToBox) {
            // Every screen pixel the box touches: at a zoom an outline along the box's edge lands on a pixel
            // the box covers only in part, and a clip of the box's exact edges would cut it away.
            const QTransform world = painter.worldTransform();
            painter.setWorldTransform(QTransform());
            painter.setClipRect(world.mapRect(QRectF(box)).toAlignedRect(), Qt::IntersectClip);
            painter.setWorldTransform(world);
        }
        painter.translate(box.topLeft());
        object->Draw(painter, context);
        painter.restore();
    }
    painter.restore();
}

} // namespace qm

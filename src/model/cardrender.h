// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a card: the one routine the design panel, picture export, printing and the preview all call.
#pragma once

#include "model/mergerecord.h"

#include <QPainterPath>
#include <QRegion>
#include <QStringList>

#include <functional>

class QPainter;

namespace qm {

class CardModel;

// A paint device that holds what is drawn on it in memory until its page ends (Qt's PDF writer keeps a page's
// operators so) and can end a part of a drawing between two objects without changing how the drawing looks.
// DrawCard on paper ends a part after every kObjectsPerPart objects it drew, so that a card of a hundred
// thousand objects is held a part at a time, not whole.
class PartedPaintDevice
{
public:
    static constexpr int kObjectsPerPart = 1000;
    virtual ~PartedPaintDevice() = default;
    virtual void EndPart() = 0;
};

// Where a card is drawn and what goes with it. Screen and paper rightly differ in a few places (pixel
// placement of outlines on screen; outlines along the box on paper): objects ask the context.
struct RenderContext
{
    enum Target
    {
        Screen,  // the design panel (its zoom is a transform of the painter)
        Picture, // an exported picture: pixels at 96 per inch
        Paper    // a print or preview page: card units mapped onto the page, text kept as text
    };
    Target target = Screen;
    // The background pictures, stretched over the card (clipped to its outline on screen).
    bool background = true;
    // Objects that do not meet this region are skipped (screen repaints); empty for all.
    QRegion exposed;
    // When set, only the objects (by their place in the card, back to front) it says yes to are drawn.
    std::function<bool(int)> drawObject;
    // Drawn over the background and under the objects: the design panel's outline and grid.
    std::function<void(QPainter&)> underObjects;
    // The ten personal-information fields the objects show (name, company, title, three address lines, two
    // phones, e-mail, fax); DrawCard fills in the card's own when this is left empty.
    QStringList personal;
    // In a merge, the record of the card being drawn: every placeholder in text ("{Name}") takes its value.
    // Without one a personal field's placeholder shows the personal string above.
    const MergeRecord* record = nullptr;
    // False while a card of very many objects is drawn on paper (DrawCard sees to it): what an object works out
    // only to draw itself (a QR code's symbol, a rich text's layout, SuperText's traced letters) is then not
    // kept once it is drawn, so that printing such a card takes about the memory opening it took.
    bool keepDrawingCaches = true;
    // On paper, while the clip in force is the card's outline alone (DrawCard sees to it): the outline drawn
    // a unit inside it, in device coordinates; empty otherwise. See ClipToRect.
    QPainterPath paperClipInside;
    // On paper, in card units: how far beyond the card's outline its objects are drawn (the bleed of a page
    // for a print shop); 0 cuts them at the outline.
    double bleed = 0;
    // A text as shown, placeholders replaced; a text without "{" comes back as it is. On screen an empty
    // personal field shows its sample ("Fax Number"); in pictures and on paper it shows nothing.
    QString ShownText(const QString& text) const { return MergeText(text, personal, record, target == Screen); }

    bool OnPaper() const { return target == Paper; }
    bool OnScreen() const { return target == Screen; }
};

// True when drawing on a screen whose pixels are finer than the card's units (a high-density screen, or a scale
// factor above one): edges are then drawn smoothed, where a screen of one pixel a unit keeps them sharp.
bool SmoothEdgesOnScreen(const QPainter& painter, const RenderContext& context);

// The card's outline for clipping: (0, 0)-(W + 1, H + 1) as a rectangle, rounded rectangle or ellipse.
QPainterPath CardOutlinePath(const CardModel& card);

// The outline grown by bleed units all round: its edges moved straight out, round corners as much rounder.
QPainterPath CardBleedOutlinePath(const CardModel& card, double bleed);

// Cuts what the painter draws next off at a rectangle. A rectangle well inside the card's outline, while
// that outline is the clip in force (RenderContext::paperClipInside), replaces it: the same cut, and a PDF
// writer, which writes every clip in force again for each change of clip, then writes the rectangle alone.
void ClipToRect(QPainter& painter, const QRectF& rect, const RenderContext& context);

// White, the background pictures, whatever the context adds, then every object back to front with its box's
// top-left at its place; on screen and in pictures each object is clipped to its box, on paper the objects
// are clipped to the card's outline. The painter's origin is
// the card's top-left corner, in the card model's units. Boxes must have been laid out (TKBasePanel
// LayOutObjects, or the copy the print and export paths make).
void DrawCard(QPainter& painter, const CardModel& card, const RenderContext& context);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CardModel: the card itself: its objects in stacking order, size, outline, orientation, background pictures
// and the personal strings its text may show. No widgets and no view state: zooming is the panel's business.
#pragma once

#include "model/cardobjects.h"
#include "model/subobjects.h"

#include <QSize>
#include <QStringList>

#include <functional>

namespace qm {

// The outline of the card.
enum TLabelShapeType
{
    lsRectangle,
    lsRoundRect,
    lsEllipse
};

class CardModel
{
public:
    static constexpr int kPersonalCount = 10;

    // host receives the objects' requests (the design panel); null for a card nobody edits.
    explicit CardModel(ObjectHost* host = nullptr);
    CardModel(const CardModel&) = delete;
    CardModel& operator=(const CardModel&) = delete;

    TKCardObjects& Objects() { return mObjects; }
    const TKCardObjects& Objects() const { return mObjects; }

    // The card's size in card units (96 per inch), the units of its objects' bounds.
    QSize Size() const { return mSize; }
    int Width() const { return mSize.width(); }
    int Height() const { return mSize.height(); }
    void SetSize(QSize size) { mSize = size; }

    TLabelShapeType Shape() const { return mShape; }
    void SetShape(TLabelShapeType shape) { mShape = shape; }
    // A picture stretched over the card, and the background art drawn over it.
    StoredPicture& Picture() { return mPicture; }
    const StoredPicture& Picture() const { return mPicture; }
    StoredPicture& ColorPicture() { return mColorPicture; }
    const StoredPicture& ColorPicture() const { return mColorPicture; }
    // Printed, and its background drawn, turned by a quarter (a Rotated layout).
    bool Portrait() const { return mPortrait; }
    void SetPortrait(bool value) { mPortrait = value; }

    // The user's ten personal-information strings: name, company, title, three address lines, two phones,
    // e-mail, fax. Setting takes the first ten values; missing ones are empty.
    QStringList PersonalStrings() const { return mPersonal; }
    void SetPersonalStrings(const QStringList& values);

    // The explicit layout step before the card is drawn, printed, saved or kept for undo: objects whose box
    // follows their content (a label's text) settle it.
    void LayOutObjects();

    // The one change signal: raised once per user action, after the change.
    std::function<void()> Changed;
    void NotifyChanged()
    {
        if (Changed)
            Changed();
    }

private:
    TKCardObjects mObjects;
    QSize mSize{336, 192}; // 3.5 x 2 inches at 96 units per inch
    TLabelShapeType mShape = lsRoundRect;
    StoredPicture mPicture;
    StoredPicture mColorPicture;
    bool mPortrait = false;
    QStringList mPersonal;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKBusinessCardPanel32: the business card panel: drawing modes, object factory, personal info, templates.
#pragma once

#include "design/designpanel.h"

#include <QRect>
#include <QString>
#include <QStringList>

class QImage;

namespace qm {

class ProfileFile;

// The drawing mode: which kind of object a rubber band drawn on the panel creates.
enum TLPanelState
{
    psPointing,
    psLabel,
    psSymbolLabel,
    psMultiLineLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psSuperShape,
    psRichLabel,
    psSuperText,
    psCircleText,
    psQRCode
};

class TKBusinessCardPanel32 : public TKBasePanel
{
public:
    static constexpr int kPersonalCount = CardModel::kPersonalCount;
    // Sections of a description file that take the user's own values, in the order of the personal strings.
    static const char* const kPersonalSections[kPersonalCount];

    TKBusinessCardPanel32();

    TLPanelState PanelState() const { return mPanelState; }
    // Switches pointer or drawing mode and the cursor that goes with it.
    void SetPanelState(TLPanelState state);

    // The user's ten personal-information strings: name, company, title, three address lines, two phones,
    // e-mail, fax. Setting takes the first ten values; missing ones are empty.
    void SetPersonalStrings(const QStringList& values);
    QStringList PersonalStrings() const override { return Card().PersonalStrings(); }

    // The card is printed and its background drawn turned by a quarter.
    bool PortraitMode() const { return Card().Portrait(); }
    void SetPortraitMode(bool value) { Card().SetPortrait(value); }

    // True when the card holds a multi-purpose shape or a special-effect text.
    bool HasSpecialEffects() const;

    // A picture of the card at zoom 1.0 (see RenderCardPicture), its labels laid out first; the panel and
    // its zoom are left as they are.
    QImage RenderToBitmap(bool border = false);

    // Sets the face (at most 255 characters) of every personal-information label and multi-line text.
    void SetTextFontName(const QString& faceName);

    // True while a card description (template) is read onto the panel: nothing is painted meanwhile.
    bool ReadingDescription() const { return mReadingDescription; }
    void SetReadingDescription(bool value) { mReadingDescription = value; }

    // Creates the object of the current drawing mode for a drawn rectangle (also called by the panel when
    // a rubber band ends in drawing mode). Raises small rectangles to 50 x 15 first, unless the kind fits
    // itself to the drag (a line runs the way the mouse went).
    void CreateObject(const QRect& rect) override;

    // Where PlaceDefaultObject puts an object of the current tool: its default size (no larger than the
    // card) centred on the card. Empty in pointer mode.
    QRect DefaultObjectRect() const;
    TKGraphicControl* PlaceDefaultObject() override;

    // The kind and the text it shows, or its kind alone.
    QString ObjectTitle(const TKGraphicControl& object) const override;

private:
    void BackToPointer();
    // The object of the current tool for a rectangle, drawn from one point to another (the way a line runs).
    TKGraphicControl* CreateObjectFrom(const QRect& rect, QPoint from, QPoint to);

    TLPanelState mPanelState = psPointing;
    bool mReadingDescription = false;
};

} // namespace qm

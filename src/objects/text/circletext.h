// SPDX-License-Identifier: GPL-3.0-or-later
// TKPCircleText: a line of text set along a quarter, half, three-quarter or full circle.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"
#include "objects/text/circlelayout.h"

class QFont;

namespace qm {

extern const IdentList kDegreesIdents;

class TKPCircleText : public TKGraphicControl
{
public:
    TKPCircleText();
    const char* ClassName() const override { return "TKPCircleText"; }
    const PropTable& Properties() const override;

    // Where the text starts on the circle.
    TDegrees StartingVector() const { return mStartingVector; }
    void SetStartingVector(TDegrees v);
    // The span of the arc.
    TDegrees Degrees() const { return mDegrees; }
    void SetDegrees(TDegrees v);
    TKFont& Font() { return mFont; }
    const TKFont& Font() const { return mFont; }
    void SetFont(const TKFont& font) { mFont.Assign(font); }
    // Lays the text backwards along the inside of the arc (only when the letters are angled).
    bool Mirror() const { return mMirror; }
    void SetMirror(bool v);
    // Turns each letter to follow the circle; otherwise the letters stay upright.
    bool DrawLettersAngled() const { return mDrawLettersAngled; }
    void SetDrawLettersAngled(bool v);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool ControlTransparent() const { return mControlTransparent; }
    void SetControlTransparent(bool v);
    TColor BGColor() const { return mBGColor; }
    void SetBGColor(TColor v);
    QString Caption() const { return mCaption; }
    void SetCaption(const QString& v);

    void BoundsChanged() override;
    void ApplyFont(const TKFont& font) override { mFont.Assign(font); }

    // The font the letters are drawn with: the stored font at the current zoom.
    QFont DrawingFont() const;
    // The circle and the letters' places for the drawing font and the caption.
    TCircleLayout Layout() const { return Layout(mCaption); }
    // The same for another text in this object's place (its caption with placeholders replaced).
    TCircleLayout Layout(const QString& caption) const;
    // Background and border, then each letter at its point, turned with the circle or upright; on paper
    // the letters stay text.
    void Draw(QPainter& painter, const RenderContext& context) const override;

    // The font dialog, started at Font; true when the user chose a font.
    bool ChooseFont();
    // Takes the caption, font, background, border, size, arc and letter settings of another circular text.
    void CopyFrom(const TKPCircleText& other);
    // The properties dialog on a copy of the object; on OK the object takes the copy's settings and the card
    // is marked changed. False when cancelled or there is no panel.
    bool OpenProperties();
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

private:
    TDegrees mStartingVector = dg180;
    TDegrees mDegrees = dg360;
    TKFont mFont;
    bool mMirror = false;
    bool mDrawLettersAngled = true;
    TBorderStyle mBorderStyle = bsNone;
    bool mControlTransparent = true;
    TColor mBGColor = clWhite;
    QString mCaption;
};

} // namespace qm

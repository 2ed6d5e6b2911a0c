// TKPCircleText: a line of text set along a quarter, half, three-quarter or full circle.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

namespace qm {

// A multiple of a quarter turn: dg90 = 90 degrees ... dg360 = 360 degrees.
enum TDegrees
{
    dg90,
    dg180,
    dg270,
    dg360
};
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

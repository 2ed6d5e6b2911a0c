// SPDX-License-Identifier: GPL-3.0-or-later
// TKSymbolLabel: a single character of a symbol font, drawn with the 3D effects of the text label.
#pragma once

#include "objects/text/label3d.h"

namespace qm {

// Publishes exactly the properties of TKBaseLabel; starts as "[" in 24-point WingDings. Font and caption
// stay as stored: a Wingdings, Webdings or Symbol code is drawn as its Unicode character (symbolfonts.h).
class TKSymbolLabel : public TKBaseLabel
{
public:
    // Fonts up to this size keep the box the user gives them; larger ones follow the glyph.
    static constexpr int kLargestFreeSize = 9;

    TKSymbolLabel();
    const char* ClassName() const override { return "TKSymbolLabel"; }

    // The change-all-fonts command leaves symbols alone.
    void ApplyFont(const TKFont& /*font*/) override {}

    QFont DrawingFont() const override;
    QString DrawnCaption() const override;

    // The code of the caption's character (32..255); -1 when the caption is empty or has no code.
    int Code() const;
    // What the selector's OK does: the font and the character of the code, then the box follows the glyph.
    void TakeSymbol(const TKFont& font, int code);
    // Opens the symbol selector; true when the user chose OK.
    bool ChooseSymbol();

    // Whether the box follows the glyph: above 9 points, not while being read, on a design panel.
    bool FollowsGlyph() const;
    // The box the glyph asks for: 1.1 times the drawn character plus the room the layout keeps for the
    // shadow and highlight copies.
    QSize GlyphBox() const;
    // Lays out as a text label does, then fits the box to the glyph when it follows it.
    void PrepareLayout() override;

    // The text label's menu without its font, alignment and text commands, and with the selector.
    void BuildPopupMenu(TKMenu& menu) override;

private:
    // The text label's layout; keepBox leaves the box as it was.
    void LayOutInBox(bool keepBox);
};

} // namespace qm

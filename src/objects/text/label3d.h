// SPDX-License-Identifier: GPL-3.0-or-later
// TKBaseLabel: one line of text in one font with optional shadow and highlight copies, background and border.
#pragma once

#include "model/cardrender.h"

#include "model/cardobject.h"
#include "model/subobjects.h"
#include "objects/text/labellayout.h"

#include <QPoint>

#include <memory>
#include <optional>

class QFont;

namespace qm {

class CaptionRuns;
class ShapedLine;

// Where the highlight copy of a label's text lies from the text ("hdright" is spelled so in card files).
enum THighlightDirection
{
    hdNone,
    hdright,
    hdLeft,
    hdUpRight,
    hdUpLeft,
    hdUp
};
extern const IdentList kHighlightDirectionIdents;

// The offset of a shadow or highlight copy of the given depth in the given direction (screen y grows
// downwards).
QPoint ShadowOffsetFor(TShadowDirection direction, int depth);
QPoint HighlightOffsetFor(THighlightDirection direction, int depth);

class TKBaseLabel : public TKGraphicControl
{
public:
    TKBaseLabel();
    ~TKBaseLabel() override;
    const PropTable& Properties() const override;

    TAlignment Alignment() const { return mAlignment; }
    void SetAlignment(TAlignment v);
    int DepthHighlight() const { return mDepthHighlight; }
    void SetDepthHighlight(int v);
    int DepthShadow() const { return mDepthShadow; }
    void SetDepthShadow(int v);
    THighlightDirection DirectionHighlight() const { return mDirectionHighlight; }
    void SetDirectionHighlight(THighlightDirection v);
    TShadowDirection DirectionShadow() const { return mDirectionShadow; }
    void SetDirectionShadow(TShadowDirection v);
    TColor ColorHighlight() const { return mColorHighlight; }
    void SetColorHighlight(TColor v);
    TColor ColorShadow() const { return mColorShadow; }
    void SetColorShadow(TColor v);
    // 0, 90, 180 or 270 degrees; any other value is ignored.
    int Angle() const { return mAngle; }
    void SetAngle(int v);
    QString Caption() const { return mCaption; }
    void SetCaption(const QString& v);
    TKFont& Font() { return mFont; }
    const TKFont& Font() const { return mFont; }
    void SetFont(const TKFont& font) { mFont.Assign(font); }
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool v);
    TColor BackColor() const { return mBackColor; }
    void SetBackColor(TColor v);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    // Shrink to fit: a text longer than the box (a long merged name, say) is drawn in a smaller size of the
    // font so that it fits along the box, centred on the line of the chosen size; never larger than chosen.
    // Kept in the stored Tag, which every reader of card files takes and keeps without using it: an older
    // reader opens the card and draws the label at its chosen size.
    static constexpr int kShrinkToFitTag = 1;
    bool ShrinkToFit() const { return Tag() & kShrinkToFitTag; }
    void SetShrinkToFit(bool on);

    // Offsets of the shadow and highlight copies, kept in step with the depths and directions.
    QPoint ShadowOffset() const { return mShadowOffset; }
    QPoint HighlightOffset() const { return mHighlightOffset; }
    // Set by every change that moves the text within the box; the layout clears it.
    bool LayoutNeeded() const { return mLayoutNeeded; }
    void SetLayoutNeeded(bool v) { mLayoutNeeded = v; }

    // The font the label draws with: the stored font at the current zoom, upright.
    virtual QFont DrawingFont() const;
    // The text the label measures and draws: its caption (a symbol draws its code's character).
    virtual QString DrawnCaption() const { return mCaption; }
    // Measures the caption, fits the box to it and places the text copies; clears the layout-needed flag.
    void LayOut();
    // The placement found by the last layout, in the label's own coordinates at the current zoom.
    const TLabelLayout& LastLayout() const { return mLayout; }
    // Draws background, shadow, highlight, text and border with the label's top-left at the painter's
    // origin, laying out first when needed.
    void DrawLabel(QPainter& painter)
    {
        PrepareLayout();
        Draw(painter, RenderContext());
    }

    // The same drawing on screen, in pictures and on paper (text stays text, so a printer renders it at its
    // own resolution); on paper it is cut off at its box as on screen.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BoundsChanged() override;
    void Loaded() override;
    // A half-read label of a card being opened waits; a box too small to show anything is fitted again.
    void PrepareLayout() override;
    void ApplyFont(const TKFont& font) override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

    // The font dialog, started at Font; true when the user chose a font.
    virtual bool ChooseFont();

private:
    // Whether the box stands the way the text runs (upright text wide, turned text tall).
    bool BoxSuitsAngle() const;
    // What a new angle brings: left alignment for turned text, and the box turned when it does not suit.
    void FollowAngle();
    // Measures a caption as the layout wants it: a long one a run at a time (the runs go to *runs when given),
    // a plain one from its glyphs (shaped into *line, which keeps them for drawing), any other as text.
    LabelMetrics MeasureCaption(const QFont& font, const QString& caption, std::unique_ptr<CaptionRuns>* runs,
                                 std::optional<ShapedLine>* line) const;
    // Places a measured caption in the label's box (or in box, when valid) as the layout does.
    TLabelLayout LayOutCaption(const LabelMetrics& metrics, QSize box = QSize()) const;
    // The copies (kShadowCopy, kHighlightCopy, kMainCopy) whose ink, as they draw the caption, stays inside
    // their rectangle and inside the box, so that cutting them off there changes nothing; none when the ink
    // is unknown.
    enum : quint8
    {
        kShadowCopy = 1,
        kHighlightCopy = 2,
        kMainCopy = 4
    };
    quint8 CopiesInside(const TLabelLayout& layout, QSize box, const QFont& font,
                        const std::optional<ShapedLine>& line) const;
    // The width a merged value wants, as typing it would grow the label.
    int MergedBoxWidth(const TLabelLayout& shown, const QFont& font) const;
    // What the layout takes in for a measured caption in the label's box (or in box, when valid).
    LabelLayoutInput CaptionInput(const LabelMetrics& metrics, QSize box) const;
    // A shrink-to-fit label's caption too long for its box: font becomes the size that fits, and layout the
    // placement in the box. False (nothing changed) when the caption fits as it is.
    bool ShrinkIntoBox(QFont& font, const QString& caption, QSize box, TLabelLayout& layout) const;

    TAlignment mAlignment = taLeftJustify;
    int mDepthHighlight = 0;
    int mDepthShadow = 0;
    THighlightDirection mDirectionHighlight = hdUpLeft;
    TShadowDirection mDirectionShadow = sdDownRight;
    TColor mColorHighlight = clAqua;
    TColor mColorShadow = clGray;
    int mAngle = 0;
    QString mCaption;
    TKFont mFont;
    bool mTransparent = true;
    TColor mBackColor = clWhite;
    TBorderStyle mBorderStyle = bsNone;

    QPoint mShadowOffset;
    QPoint mHighlightOffset;
    bool mLayoutNeeded = true;
    // The copies of the last layout that stay inside their rectangles and the box (CopiesInside).
    quint8 mCopiesInside = 0;
    TLabelLayout mLayout;
    // A long caption's runs as the last layout measured them; null for a caption of one run.
    std::unique_ptr<CaptionRuns> mRuns;
};

} // namespace qm

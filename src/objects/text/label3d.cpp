// SPDX-License-Identifier: GPL-3.0-or-later
// TKBaseLabel: the single-line text object with 3D effects.
#include "objects/text/label3d.h"

#include "model/colors.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "model/shapedline.h"
#include "objects/text/captionruns.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace qm {

const IdentList kHighlightDirectionIdents = {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};

// Depths beyond this only come from damaged files; the offsets of deeper ones stay at it.
constexpr int kMaxEffectDepth = 1 << 16;

QPoint ShadowOffsetFor(TShadowDirection direction, int storedDepth)
{
    const int depth = std::clamp(storedDepth, -kMaxEffectDepth, kMaxEffectDepth);
    switch (direction) {
    case sdNone:
        return {0, 0};
    case sdRight:
        return {depth, 0};
    case sdLeft:
        return {-depth, 0};
    case sdDownRight:
        return {depth, depth};
    case sdDownLeft:
        return {-depth, depth};
    case sdDown:
        return {0, depth};
    }
    return {0, 0};
}

QPoint HighlightOffsetFor(THighlightDirection direction, int storedDepth)
{
    const int depth = std::clamp(storedDepth, -kMaxEffectDepth, kMaxEffectDepth);
    switch (direction) {
    case hdNone:
        return {0, 0};
    case hdright:
        return {depth, 0};
    case hdLeft:
        return {-depth, 0};
    case hdUpRight:
        return {depth, -depth};
    case hdUpLeft:
        return {-depth, -depth};
    case hdUp:
        return {0, -depth};
    }
    return {0, 0};
}

TKBaseLabel::~TKBaseLabel() = default;

TKBaseLabel::TKBaseLabel()
{
    mCaption = QCoreApplication::translate("qm::ObjectKinds", "Text", "new object's text");
    mFont.SetName(QStringLiteral("Arial"));
    mFont.SetSize(10);
    mFont.SetColor(clBlack);
    mFont.OnChange = [this] {
        mLayoutNeeded = true;
        Invalidate();
        NotifyChanged();
    };
    mShadowOffset = ShadowOffsetFor(mDirectionShadow, mDepthShadow);
    mHighlightOffset = HighlightOffsetFor(mDirectionHighlight, mDepthHighlight);
    SetBounds(0, 0, 142, 33);
}

const PropTable& TKBaseLabel::Properties() const
{
    using L = TKBaseLabel;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Enum("Alignment", &L::Alignment, &L::SetAlignment, kAlignmentIdents, taLeftJustify),
            prop::Int("DepthHighlight", &L::DepthHighlight, &L::SetDepthHighlight, 0),
            prop::Int("DepthShadow", &L::DepthShadow, &L::SetDepthShadow, 0),
            prop::Enum("DirectionHighlight", &L::DirectionHighlight, &L::SetDirectionHighlight,
                       kHighlightDirectionIdents, hdUpLeft),
            prop::Enum("DirectionShadow", &L::DirectionShadow, &L::SetDirectionShadow, kShadowDirectionIdents,
                       sdDownRight),
            prop::Colour("colorHighlight", &L::ColorHighlight, &L::SetColorHighlight, clAqua),
            prop::Colour("colorShadow", &L::ColorShadow, &L::SetColorShadow, clGray),
            prop::Int("Angle", &L::Angle, &L::SetAngle, 0),
            prop::String("Caption", &L::Caption, &L::SetCaption, /*writeEmpty=*/true),
            prop::Object("Font", static_cast<TKFont& (L::*)()>(&L::Font)),
            prop::Bool("Transparent", &L::Transparent, &L::SetTransparent),
            prop::Colour("BackColor", &L::BackColor, &L::SetBackColor),
            prop::Enum("BorderStyle", &L::BorderStyle, &L::SetBorderStyle, kBorderStyleIdents),
        });
    return table;
}

void TKBaseLabel::SetAlignment(TAlignment v)
{
    if (v == mAlignment)
        return;
    mAlignment = v;
    mLayoutNeeded = true;
    Invalidate();
    NotifyChanged();
}

void TKBaseLabel::SetDepthHighlight(int v)
{
    if (v == mDepthHighlight)
        return;
    mDepthHighlight = v;
    mHighlightOffset = HighlightOffsetFor(mDirectionHighlight, mDepthHighlight);
    mLayoutNeeded = true;
    Invalidate();
}

void TKBaseLabel::SetDepthShadow(int v)
{
    if (v == mDepthShadow)
        return;
    mDepthShadow = v;
    mShadowOffset = ShadowOffsetFor(mDirectionShadow, mDepthShadow);
    mLayoutNeeded = true;
    Invalidate();
}

void TKBaseLabel::SetDirectionHighlight(THighlightDirection v)
{
    if (v == mDirectionHighlight)
        return;
    mDirectionHighlight = v;
    mHighlightOffset = HighlightOffsetFor(mDirectionHighlight, mDepthHighlight);
    mLayoutNeeded = true;
    Invalidate();
}

void TKBaseLabel::SetDirectionShadow(TShadowDirection v)
{
    if (v == mDirectionShadow)
        return;
    mDirectionShadow = v;
    mShadowOffset = ShadowOffsetFor(mDirectionShadow, mDepthShadow);
    mLayoutNeeded = true;
    Invalidate();
}

void TKBaseLabel::SetColorHighlight(TColor v)
{
    if (v == mColorHighlight)
        return;
    mColorHighlight = v;
    Invalidate();
}

void TKBaseLabel::SetColorShadow(TColor v)
{
    if (v == mColorShadow)
        return;
    mColorShadow = v;
    Invalidate();
}

void TKBaseLabel::SetAngle(int v)
{
    if (v != 0 && v != 90 && v != 180 && v != 270)
        return;
    if (v == mAngle)
        return;
    mAngle = v;
    mLayoutNeeded = true;
    Invalidate();
    // A card being read settles once it is loaded.
    if (IsLoadingOrReading())
        return;
    FollowAngle();
    Invalidate();
}

bool TKBaseLabel::BoxSuitsAngle() const
{
    const bool horizontal = mAngle == 0 || mAngle == 180;
    return horizontal ? Width() >= Height() : Height() >= Width();
}

void TKBaseLabel::FollowAngle()
{
    if (mAngle != 0)
        SetAlignment(taLeftJustify);
    // Turn the box with the text when it is the wrong way round for the orientation.
    if (!BoxSuitsAngle())
        SetBounds(Left(), Top(), Height(), Width());
}

void TKBaseLabel::Loaded()
{
    // A turned label read in a box that stands the wrong way (written by another program) is opened as the
    // rotation command leaves it. One whose box suits its angle keeps the alignment it was saved with.
    if (mAngle != 0 && !BoxSuitsAngle()) {
        FollowAngle();
        mLayoutNeeded = true;
    }
    TKGraphicControl::Loaded();
}

void TKBaseLabel::SetCaption(const QString& v)
{
    if (v == mCaption)
        return;
    mCaption = v;
    mLayoutNeeded = true;
    Invalidate();
    NotifyChanged();
}

void TKBaseLabel::SetTransparent(bool v)
{
    if (v == mTransparent)
        return;
    mTransparent = v;
    NotifyChanged();
    Invalidate();
}

void TKBaseLabel::SetBackColor(TColor v)
{
    if (v == mBackColor)
        return;
    mBackColor = v;
    NotifyChanged();
    Invalidate();
}

void TKBaseLabel::SetBorderStyle(TBorderStyle v)
{
    if (v == mBorderStyle)
        return;
    mBorderStyle = v;
    Invalidate();
    NotifyChanged();
}

void TKBaseLabel::SetShrinkToFit(bool on)
{
    if (on == ShrinkToFit())
        return;
    SetTag(on ? Tag() | kShrinkToFitTag : Tag() & ~kShrinkToFitTag);
    mLayoutNeeded = true;
    Invalidate();
    NotifyChanged();
}

void TKBaseLabel::BoundsChanged()
{
    TKGraphicControl::BoundsChanged();
    mLayoutNeeded = true;
    if (Width() < 1 || Height() < 1)
        SetBounds(Left(), Top(), std::max(Width(), 1), std::max(Height(), 1));
}

void TKBaseLabel::ApplyFont(const TKFont& font)
{
    mFont.Assign(font);
    mLayoutNeeded = true;
}

QFont TKBaseLabel::DrawingFont() const
{
    return LabelDrawingFont(mFont);
}

LabelMetrics TKBaseLabel::MeasureCaption(const QFont& font, const QString& caption,
                                          std::unique_ptr<CaptionRuns>* runs,
                                          std::optional<ShapedLine>* line) const
{
    if (CaptionRuns::Needed(caption)) {
        // Measured a run at a time; the space after the caption as always.
        auto measured = std::make_unique<CaptionRuns>(font, caption);
        LabelMetrics metrics = MeasureLabel(font, QString());
        metrics.textWidth = int(std::min(std::round(measured->Width()) + metrics.textWidth, 1e9));
        if (runs)
            *runs = std::move(measured);
        return metrics;
    }
    if (line && MeasuresFromGlyphs(caption)) {
        line->emplace(caption, font);
        return MeasureLabel(font, **line);
    }
    return MeasureLabel(font, caption);
}

LabelLayoutInput TKBaseLabel::CaptionInput(const LabelMetrics& metrics, QSize box) const
{
    LabelLayoutInput in;
    in.box = box.isValid() ? box : QSize(Width(), Height());
    in.angle = mAngle;
    in.alignment = mAlignment;
    in.shadowOffset = mShadowOffset;
    in.highlightOffset = mHighlightOffset;
    in.metrics = metrics;
    return in;
}

TLabelLayout TKBaseLabel::LayOutCaption(const LabelMetrics& metrics, QSize box) const
{
    return LayOutLabel(CaptionInput(metrics, box));
}

quint8 TKBaseLabel::CopiesInside(const TLabelLayout& layout, QSize box, const QFont& font,
                                 const std::optional<ShapedLine>& line) const
{
    if (!line)
        return 0;
    const std::optional<QRectF> lineInk = line->Ink();
    if (!lineInk)
        return 0;
    if (lineInk->isNull())
        return kShadowCopy | kHighlightCopy | kMainCopy;
    // The copies draw the line with its baseline at the font's ascent below their origin. The ink is rounded
    // outwards, so ink that reaches an edge only touches it and a clip there cuts nothing: a rasteriser keeps
    // every pixel a clip touches.
    const QRectF ink = lineInk->translated(0, LabelFontMeasures(font).ascent - line->Ascent());
    const QRectF whole(QPointF(0, 0), QSizeF(box));
    auto inside = [&](QPoint origin, const TextRect& rect) {
        QTransform turn;
        turn.translate(origin.x(), origin.y());
        if (mAngle != 0)
            turn.rotate(-mAngle);
        const QRectF area = QRectF(rect.ToQRect()).intersected(whole);
        return area.isValid() && area.contains(turn.mapRect(ink));
    };
    quint8 copies = 0;
    if (inside(layout.shadowOrigin, layout.shadowRect))
        copies |= kShadowCopy;
    if (inside(layout.highlightOrigin, layout.highlightRect))
        copies |= kHighlightCopy;
    if (inside(layout.mainOrigin, layout.mainRect))
        copies |= kMainCopy;
    return copies;
}

void TKBaseLabel::LayOut()
{
    mRuns.reset();
    const QFont font = DrawingFont();
    std::optional<ShapedLine> line;
    mLayout = LayOutCaption(MeasureCaption(font, DrawnCaption(), &mRuns, &line));
    if (mLayout.box != QSize(Width(), Height()))
        SetBounds(Left(), Top(), mLayout.box.width(), mLayout.box.height());
    mCopiesInside = CopiesInside(mLayout, mLayout.box, font, line);
    mLayoutNeeded = false;
}

void TKBaseLabel::PrepareLayout()
{
    // Half-read objects of a card being opened are left alone.
    if (ComponentState() & csLoading)
        return;
    if (Width() < 5 || Height() < 5)
        mLayoutNeeded = true;
    if (mLayoutNeeded)
        LayOut();
}

void TKBaseLabel::Draw(QPainter& p, const RenderContext& context) const
{
    if ((ComponentState() & csLoading) || Width() <= 0 || Height() <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);

    QFont font = DrawingFont();
    const QString drawn = DrawnCaption();
    // Placeholders show their values; a text that changed so is placed afresh in the box, as its alignment
    // wants it.
    const QString caption = context.ShownText(drawn);
    TLabelLayout shownLayout;
    const TLabelLayout* layout = &mLayout;
    QRect box(0, 0, Width(), Height());
    // The caption shaped once, for its measure and its drawing.
    std::optional<ShapedLine> line;
    quint8 copiesInside = !mLayoutNeeded && mLayout.box == box.size() ? mCopiesInside : 0;
    if (caption.size() != drawn.size() || (caption.constData() != drawn.constData() && caption != drawn)) {
        const LabelMetrics metrics = MeasureCaption(font, caption, nullptr, &line);
        shownLayout = LayOutCaption(metrics);
        layout = &shownLayout;
        // In a merge a value longer than the box widens it as typing it would, about the side the text is
        // aligned to, so that a long name is printed whole rather than cut at the box.
        if (context.record && mAngle == 0 && !ShrinkToFit()) {
            const int wanted = MergedBoxWidth(shownLayout, font);
            if (wanted > box.width()) {
                const int grow = wanted - box.width();
                box.setWidth(wanted);
                if (mAlignment == taRightJustify)
                    box.moveLeft(-grow);
                else if (mAlignment == taCenter)
                    box.moveLeft(-grow / 2);
                shownLayout = LayOutCaption(metrics, box.size());
            }
        }
        copiesInside = CopiesInside(shownLayout, box.size(), font, line);
    }
    // A text too long for the box shrinks into it instead, whatever made it long.
    if (ShrinkToFit() && layout->textWidth > TextRoom(box.size(), mAngle, mShadowOffset, mHighlightOffset) &&
        ShrinkIntoBox(font, caption, box.size(), shownLayout)) {
        layout = &shownLayout;
        // Shaped and measured in the chosen size: shaped again below in the smaller one.
        line.reset();
        copiesInside = 0;
    }
    p.translate(box.topLeft());
    box.moveTopLeft(QPoint(0, 0));
    // On paper a copy whose text provably stays inside its rectangle and the box is not cut off at them: the
    // page is the same, and a PDF writer writes the clips in force again for every change of clip. Any other
    // is cut at the one rectangle the two have in common. An underline is ink the glyphs do not show.
    if (!context.OnPaper() || font.underline() || font.strikeOut() || font.overline())
        copiesInside = 0;
    if (!mTransparent) {
        // On paper the background stays under the box's clip: a renderer smooths the edges of a fill cut at
        // them otherwise than those of the fill alone.
        p.save();
        if (context.OnPaper())
            ClipToRect(p, QRectF(box), context);
        p.fillRect(box, ToQColor(mBackColor));
        p.restore();
    }
    const int ascent = LabelFontMeasures(font).ascent;
    // A long caption draws only the runs that reach what can be seen of each copy.
    std::unique_ptr<CaptionRuns> measured;
    const CaptionRuns* runs = nullptr;
    if (CaptionRuns::Needed(caption)) {
        if (!mRuns || !mRuns->Fits(font, caption))
            measured = std::make_unique<CaptionRuns>(font, caption);
        runs = measured ? measured.get() : mRuns.get();
    } else if (!line && TakesShapedLines(p) && MeasuresFromGlyphs(caption)) {
        // A device that draws glyphs takes them from one shaping for all copies.
        line.emplace(caption, font);
    }
    // Each copy starts at its origin, turned about it, and is cut off at its own rectangle. The space the
    // layout measured after the caption is not drawn.
    auto drawCopy = [&](QPoint origin, const TextRect& clip, TColor color, quint8 copy) {
        p.save();
        if (!context.OnPaper())
            p.setClipRect(clip.ToQRect(), Qt::IntersectClip);
        else if (!(copiesInside & copy))
            ClipToRect(p, QRectF(clip.ToQRect()).intersected(QRectF(box)), context);
        p.translate(origin);
        if (mAngle != 0)
            p.rotate(-mAngle);
        p.setPen(ToQColor(color));
        p.setBrush(Qt::NoBrush);
        if (runs) {
            // What can be seen, along the text: the clip, within the device.
            p.setFont(font);
            QRectF seen = p.clipBoundingRect();
            if (const QPaintDevice* device = p.device()) {
                const QRectF whole(0, 0, device->width(), device->height());
                seen &= p.deviceTransform().inverted().mapRect(whole);
            }
            const CaptionRuns::Part part = runs->Visible(seen.left(), seen.right());
            const QString shown = QString::fromRawData(caption.constData() + part.from, part.length);
            p.drawText(QPointF(part.x, ascent), shown);
        } else if (line) {
            DrawShapedLine(p, QPointF(0, ascent), *line);
        } else {
            p.setFont(font);
            p.drawText(QPoint(0, ascent), caption);
        }
        p.restore();
    };
    if (mDepthShadow > 0 && mDirectionShadow != sdNone)
        drawCopy(layout->shadowOrigin, layout->shadowRect, mColorShadow, kShadowCopy);
    if (mDepthHighlight > 0 && mDirectionHighlight != hdNone)
        drawCopy(layout->highlightOrigin, layout->highlightRect, mColorHighlight, kHighlightCopy);
    drawCopy(layout->mainOrigin, layout->mainRect, mFont.Color(), kMainCopy);

    if (mBorderStyle == bsSingle) {
        // A one-pixel outline on the box's outermost pixels; on paper the half of it outside the box is cut
        // away, as the screen cuts every object at its box.
        if (context.OnPaper())
            ClipToRect(p, QRectF(box), context);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, box.width() - 1, box.height() - 1));
    }
    p.restore();
}

int TKBaseLabel::MergedBoxWidth(const TLabelLayout& shown, const QFont& font) const
{
    // As typing grows a label: room before the text, the text and five spaces.
    const int spaces = LabelFontMeasures(font).fourSpaces;
    const qint64 wanted = qint64(std::max({shown.mainRect.left, shown.shadowRect.left, shown.highlightRect.left})) +
                          shown.textWidth + spaces;
    return int(std::min<qint64>(wanted, 1 << 20));
}

bool TKBaseLabel::ShrinkIntoBox(QFont& font, const QString& caption, QSize box, TLabelLayout& layout) const
{
    const int room = TextRoom(box, mAngle, mShadowOffset, mHighlightOffset);
    const auto widthAt = [&](int pixels) {
        QFont sized(font);
        sized.setPixelSize(pixels);
        return MeasureCaption(sized, caption, nullptr, nullptr).textWidth;
    };
    const int chosen = font.pixelSize();
    const int fitted = ShrunkPixelSize(chosen, room, widthAt);
    if (fitted >= chosen)
        return false;
    const int chosenHeight = MeasureLabel(font, QString()).textHeight;
    font.setPixelSize(fitted);
    LabelLayoutInput in = CaptionInput(MeasureCaption(font, caption, nullptr, nullptr), box);
    in.keepBox = true;
    in.crossShift = std::max(0, (chosenHeight - in.metrics.textHeight) / 2);
    layout = LayOutLabel(in);
    return true;
}

bool TKBaseLabel::ChooseFont()
{
    if (!ChooseFontThroughHost(mFont))
        return false;
    mLayoutNeeded = true;
    return true;
}

void TKBaseLabel::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font"), [this] { ChooseFont(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "3D Effects"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        if (dialogs && dialogs->Edit3DEffects(*this))
            NotifyChanged();
    });
    TKMenu* align = m.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Alignment"));
    const std::pair<const char*, TAlignment> alignments[] = {
        {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Left"), taLeftJustify},
        {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center"), taCenter},
        {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Right"), taRightJustify}};
    for (const auto& [caption, value] : alignments) {
        const TAlignment a = value;
        align
            ->AddCheckItem(caption,
                           [this, a] {
                               SetAlignment(a);
                               NotifyChanged();
                           })
            ->setChecked(mAlignment == a);
    }
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
         SetTransparent(!mTransparent);
     })->setChecked(mTransparent);
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        TColor color = mBackColor;
        if (!dialogs || !dialogs->ChooseColor(color))
            return;
        SetBackColor(color);
        SetTransparent(false);
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"), [this] {
         SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle);
     })->setChecked(mBorderStyle == bsSingle);
}

void TKBaseLabel::UpdatePopupMenu()
{
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    auto check = [m](const char* path, bool on) {
        if (QAction* a = m->Find(QLatin1String(path)))
            a->setChecked(on);
    };
    check("Border", mBorderStyle == bsSingle);
    check("Alignment/Left", mAlignment == taLeftJustify);
    check("Alignment/Center", mAlignment == taCenter);
    check("Alignment/Right", mAlignment == taRightJustify);
    check("Transparent", mTransparent);
}

} // namespace qm

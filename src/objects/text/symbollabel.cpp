// SPDX-License-Identifier: GPL-3.0-or-later
// TKSymbolLabel: a single character of a symbol font.
#include "objects/text/symbollabel.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/symbolfonts.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace qm {

TKSymbolLabel::TKSymbolLabel()
{
    Font().SetName(QStringLiteral("WingDings"));
    Font().SetSize(24);
    SetCaption(QStringLiteral("["));
}

QFont TKSymbolLabel::DrawingFont() const
{
    QFont font = TKBaseLabel::DrawingFont();
    const TSymbolText shown = SymbolText(Font().Name(), Caption());
    if (!shown.face.isEmpty())
        font.setFamily(shown.face);
    return font;
}

QString TKSymbolLabel::DrawnCaption() const { return SymbolText(Font().Name(), Caption()).text; }

int TKSymbolLabel::Code() const { return SymbolCode(Caption()); }

void TKSymbolLabel::TakeSymbol(const TKFont& font, int code)
{
    Font().Assign(font);
    SetCaption(SymbolCodeText(code));
    SetLayoutNeeded(true);
    PrepareLayout();
    Invalidate();
}

bool TKSymbolLabel::ChooseSymbol()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TKFont font;
    font.Assign(Font());
    int code = Code();
    if (!dialogs->ChooseSymbol(font, code) || code < 32 || code > 255)
        return false;
    TakeSymbol(font, code);
    return true;
}

bool TKSymbolLabel::FollowsGlyph() const
{
    return Font().Size() > kLargestFreeSize && !IsLoadingOrReading() && DesignPanel();
}

QSize TKSymbolLabel::GlyphBox() const
{
    const QFontMetrics metrics(DrawingFont());
    const QString caption = DrawnCaption();
    const TLabelLayout& last = LastLayout();
    // (A stored right or centred alignment could put the copies left of the box: they count as 0.)
    const int dx = std::max({0, last.mainOrigin.x(), last.shadowOrigin.x(), last.highlightOrigin.x()});
    const int dy = std::max({0, last.mainOrigin.y(), last.shadowOrigin.y(), last.highlightOrigin.y()});
    const int width = int(1.1 * metrics.horizontalAdvance(caption)) + dx;
    const int height = int(1.1 * (metrics.ascent() + metrics.descent())) + dy;
    return QSize(std::max(width, 1), std::max(height, 1));
}

void TKSymbolLabel::LayOutInBox(bool keepBox)
{
    // The text label's layout places the copies; its own fitting of the box is no change of the card.
    const QRect before = BoundsRect();
    const int state = ComponentState();
    SetComponentState(state | csReading);
    LayOut();
    if (keepBox)
        SetBounds(before.left(), before.top(), before.width(), before.height());
    SetComponentState(state);
    if (BoundsRect() != before)
        CheckBounds();
}

void TKSymbolLabel::PrepareLayout()
{
    // Half-read objects of a card being opened wait.
    if (ComponentState() & csLoading)
        return;
    // The box stays as the user or the glyph made it (as saved, so paper and pictures show the box the panel
    // showed); only a box too small to show anything takes the size the text asks for.
    const bool tiny = Width() < 5 || Height() < 5;
    if (LayoutNeeded() || tiny)
        LayOutInBox(!tiny);
    if (FollowsGlyph()) {
        const QSize box = GlyphBox();
        if (box != QSize(Width(), Height())) {
            SetBounds(Left(), Top(), box.width(), box.height());
            // The copies are cut off at the fitted box, not at the one before.
            LayOutInBox(true);
        }
    }
    SetLayoutNeeded(false);
}

void TKSymbolLabel::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "3D Effects"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        if (dialogs && dialogs->Edit3DEffects(*this))
            NotifyChanged();
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
         SetTransparent(!Transparent());
     })->setChecked(Transparent());
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        TColor color = BackColor();
        if (!dialogs || !dialogs->ChooseColor(color))
            return;
        SetBackColor(color);
        SetTransparent(false);
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"), [this] {
         SetBorderStyle(BorderStyle() == bsSingle ? bsNone : bsSingle);
     })->setChecked(BorderStyle() == bsSingle);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Symbol Selector"), [this] {
        if (ChooseSymbol())
            NotifyChanged();
    });
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKMultiLineBaseLabel: a block of plain text lines in one font.
#include "objects/text/multilinebase.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/labellayout.h"
#include "objects/text/multilinelayout.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace qm {

namespace {

const struct
{
    const char* caption;
    TAlignment alignment;
} kAlignments[] = {{QT_TRANSLATE_NOOP("qm::ObjectMenu", "Left"), taLeftJustify},
                   {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center"), taCenter},
                   {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Right"), taRightJustify}};

} // namespace

TKMultiLineBaseLabel::TKMultiLineBaseLabel()
{
    mFont.SetName(QStringLiteral("Arial"));
    mFont.SetSize(10);
    mItems.OnChange = [this] {
        Invalidate();
        Rewrap();
    };
    mFont.OnChange = [this] {
        Invalidate();
        NotifyChanged();
        Rewrap();
    };
    SetBounds(0, 0, 190, 33);
}

const PropTable& TKMultiLineBaseLabel::Properties() const
{
    using L = TKMultiLineBaseLabel;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Object("Items", static_cast<TKStrings& (L::*)()>(&L::Items)),
            prop::Bool("AutoSize", &L::AutoSize, &L::SetAutoSize),
            prop::Enum("Alignment", &L::Alignment, &L::SetAlignment, kAlignmentIdents, taLeftJustify),
            prop::Object("Font", static_cast<TKFont& (L::*)()>(&L::Font)),
            prop::Bool("WordWrap", &L::WordWrap, &L::SetWordWrap, false),
        });
    return table;
}

void TKMultiLineBaseLabel::SetAlignment(TAlignment v)
{
    if (v == mAlignment)
        return;
    mAlignment = v;
    Invalidate();
}

void TKMultiLineBaseLabel::SetWordWrap(bool v)
{
    if (v == mWordWrap)
        return;
    mWordWrap = v;
    if (v)
        Rewrap();
    Invalidate();
    NotifyChanged();
}

void TKMultiLineBaseLabel::SetWrappedLines(const QStringList& lines)
{
    mWrappedLines = lines;
    mWrapNeeded = false;
    Invalidate();
}

void TKMultiLineBaseLabel::Rewrap()
{
    if (!mWordWrap)
        return;
    mWrappedLines.clear();
    mWrapNeeded = true;
    Invalidate();
}

QFont TKMultiLineBaseLabel::DrawingFont() const
{
    return LabelDrawingFont(mFont);
}

QStringList TKMultiLineBaseLabel::DrawnLines(bool all) const
{
    if (!mWordWrap)
        return mItems.Strings();
    if (!mWrapNeeded && !all)
        return mWrappedLines;
    const QFont font = DrawingFont();
    const int rows = all ? INT_MAX : MultiLineRowsFitting(Height(), MultiLineRowHeight(font)) + 1;
    return WrapMultiLineText(mItems.Strings(), font, Width(), rows);
}

void TKMultiLineBaseLabel::FitToText()
{
    const QFont font = DrawingFont();
    const QFontMetrics metrics(font);
    const QStringList lines = DrawnLines(/*all=*/true);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // An empty text still shows its "<blank>" row.
    const qint64 height = qint64(MultiLineRowHeight(font)) * std::max<qsizetype>(1, lines.size());
    SetBounds(Left(), Top(), std::max(Width(), widest),
              int(std::min<qint64>(height, TKGraphicControl::kMaxCoordinate)));
    Invalidate();
}

void TKMultiLineBaseLabel::PrepareLayout()
{
    // Half-read objects of a card being opened wait.
    if (ComponentState() & csLoading)
        return;
    if (mWordWrap && mWrapNeeded)
        SetWrappedLines(DrawnLines());
}

void TKMultiLineBaseLabel::Draw(QPainter& p, const RenderContext& context) const
{
    if ((ComponentState() & csLoading) || Width() <= 0 || Height() <= 0)
        return;
    const QFont font = DrawingFont();
    QStringList lines = DrawnLines();
    // Placeholders show their values; lines that changed so are wrapped afresh.
    const QStringList& typed = mItems.Strings();
    if (std::any_of(typed.begin(), typed.end(), [](const QString& l) { return l.contains(QLatin1Char('{')); })) {
        QStringList shown;
        for (const QString& line : typed)
            shown.append(context.ShownText(line));
        if (shown != typed) {
            const int rows = MultiLineRowsFitting(Height(), MultiLineRowHeight(font)) + 1;
            lines = mWordWrap ? WrapMultiLineText(shown, font, Width(), rows) : shown;
        }
    }
    const MultiLineRows placed = PlaceMultiLineRows(lines, font, QSize(Width(), Height()), mAlignment);
    const int ascent = QFontMetrics(font).ascent();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(QRect(0, 0, Width(), Height()), Qt::IntersectClip);
    p.setFont(font);
    p.setPen(ToQColor(mFont.Color()));
    p.setBrush(Qt::NoBrush);
    for (const TextRow& row : placed.rows) {
        // Each row is cut off at its own strip, the full width of the box.
        p.save();
        p.setClipRect(QRect(0, row.top, Width(), placed.rowHeight), Qt::IntersectClip);
        p.drawText(QPoint(row.x, row.top + ascent), row.text);
        p.restore();
    }
    p.restore();
}

void TKMultiLineBaseLabel::BoundsChanged()
{
    Rewrap();
    TKGraphicControl::BoundsChanged();
}

void TKMultiLineBaseLabel::ApplyFont(const TKFont& font)
{
    mFont.Assign(font);
    Rewrap();
}

bool TKMultiLineBaseLabel::ChooseFont()
{
    if (!ChooseFontThroughHost(mFont))
        return false;
    Rewrap();
    return true;
}

bool TKMultiLineBaseLabel::ChooseFontColor()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    TColor color = mFont.Color();
    if (!dialogs || !dialogs->ChooseColor(color) || color == mFont.Color())
        return false;
    // The font's change report repaints the text and marks the card changed.
    mFont.SetColor(color);
    return true;
}

void TKMultiLineBaseLabel::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font"), [this] { ChooseFont(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font Color"), [this] { ChooseFontColor(); });
    TKMenu* align = m.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Alignment"));
    for (const auto& a : kAlignments) {
        const TAlignment value = a.alignment;
        align
            ->AddCheckItem(a.caption,
                           [this, value] {
                               SetAlignment(value);
                               NotifyChanged();
                           })
            ->setChecked(mAlignment == value);
    }
}

void TKMultiLineBaseLabel::UpdatePopupMenu()
{
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    for (const auto& a : kAlignments) {
        if (QAction* item = m->Find(QStringLiteral("Alignment/") + QLatin1String(a.caption)))
            item->setChecked(mAlignment == a.alignment);
    }
}

} // namespace qm

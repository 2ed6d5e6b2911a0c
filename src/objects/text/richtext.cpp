// SPDX-License-Identifier: GPL-3.0-or-later
// TKPRichBaseLabel: formatted text kept as an RTF document.
#include "objects/text/richtext.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/richtexteditor.h"
#include "objects/text/richtextlayout.h"

#include <QAction>
#include <QPainter>

namespace qm {

TKPRichBaseLabel::TKPRichBaseLabel()
{
    mRTFText.OnChange = [this] {
        Invalidate();
        NotifyChanged();
    };
    SetBounds(0, 0, 190, 33);
}

TKPRichBaseLabel::~TKPRichBaseLabel() = default;

const PropTable& TKPRichBaseLabel::Properties() const
{
    using R = TKPRichBaseLabel;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Object("RTFText", static_cast<TKRichText& (R::*)()>(&R::RTFText)),
            prop::Enum("BorderStyle", &R::BorderStyle, &R::SetBorderStyle, kBorderStyleIdents),
            prop::Bool("Transparent", &R::Transparent, &R::SetTransparent),
            prop::Colour("BGColor", &R::BGColor, &R::SetBGColor),
        });
    return table;
}

void TKPRichBaseLabel::SetBorderStyle(TBorderStyle v)
{
    if (v == mBorderStyle)
        return;
    mBorderStyle = v;
    Invalidate();
    NotifyChanged();
}

void TKPRichBaseLabel::SetTransparent(bool v)
{
    if (v == mTransparent)
        return;
    mTransparent = v;
    Invalidate();
}

void TKPRichBaseLabel::SetBGColor(TColor v)
{
    if (v == mBGColor)
        return;
    mBGColor = v;
    Invalidate();
    NotifyChanged();
}

bool TKPRichBaseLabel::Edit()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    return dialogs && dialogs->EditRichText(*this);
}

bool TKPRichBaseLabel::GrowToText()
{
    const int height = RichTextHeightFor(Height(), Layout().TextHeight());
    if (height == Height())
        return false;
    SetBounds(Left(), Top(), Width(), height);
    Invalidate();
    return true;
}

void TKPRichBaseLabel::Loaded()
{
    TKGraphicControl::Loaded();
    OnEdit = [this] { Edit(); };
}

const RichTextLayout& TKPRichBaseLabel::Layout() const
{
    return LaidOut(Host() ? Host()->PersonalStrings() : QStringList(), nullptr);
}

const RichTextLayout& TKPRichBaseLabel::LaidOut(const QStringList& personal, const MergeRecord* record) const
{
    if (!mLayout)
        mLayout = std::make_unique<RichTextLayout>();
    mLayout->Update(mRTFText.Data(), QSize(Width(), Height()), 1.0f, personal, record);
    return *mLayout;
}

void TKPRichBaseLabel::Draw(QPainter& p, const RenderContext& context) const
{
    if ((ComponentState() & csLoading) || Width() <= 0 || Height() <= 0)
        return;
    const QRect box(0, 0, Width(), Height());
    p.save();
    // A document longer or wider than the box is cut off at it, on paper too.
    p.setClipRect(box, Qt::IntersectClip);
    if (!mTransparent)
        p.fillRect(box, ToQColor(mBGColor));
    // Placeholders show the personal information, or in a merge the record's fields.
    if (context.keepDrawingCaches || mLayout) {
        LaidOut(context.personal, context.record).Draw(p);
    } else {
        // A card of very many objects prints without keeping each one's layout.
        RichTextLayout layout;
        layout.Update(mRTFText.Data(), QSize(Width(), Height()), 1.0f, context.personal, context.record);
        layout.Draw(p);
    }
    if (mBorderStyle == bsSingle) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        // A one-pixel outline on the box's outermost pixels.
        p.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
    }
    p.restore();
}

void TKPRichBaseLabel::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
         SetTransparent(!Transparent());
     })->setChecked(Transparent());
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        TColor color = BGColor();
        if (!dialogs || !dialogs->ChooseColor(color))
            return;
        SetBGColor(color);
        NotifyChanged();
        SetTransparent(false);
        Invalidate();
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"), [this] {
         SetBorderStyle(BorderStyle() == bsSingle ? bsNone : bsSingle);
     })->setChecked(BorderStyle() == bsSingle);
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Edit"), [this] { Edit(); });
}

void TKPRichBaseLabel::UpdatePopupMenu()
{
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    if (QAction* item = m->Find(QStringLiteral("Transparent")))
        item->setChecked(Transparent());
    if (QAction* item = m->Find(QStringLiteral("Border")))
        item->setChecked(BorderStyle() == bsSingle);
}

} // namespace qm

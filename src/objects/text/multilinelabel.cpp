// SPDX-License-Identifier: GPL-3.0-or-later
// TKMultiLineLabel: the multi-line text object of the card.
#include "objects/text/multilinelabel.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>

namespace qm {

TKMultiLineLabel::TKMultiLineLabel() = default;

bool TKMultiLineLabel::EditText()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    QStringList lines = Items().Strings();
    if (!dialogs->EditMultiLineText(lines, Font()))
        return false;
    SetItems(lines);
    Invalidate();
    NotifyChanged();
    return true;
}

void TKMultiLineLabel::BuildPopupMenu(TKMenu& m)
{
    TKMultiLineBaseLabel::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Text"), [this] { EditText(); });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Word Wrap"), [this] {
         SetWordWrap(!WordWrap());
     })->setChecked(WordWrap());
}

void TKMultiLineLabel::UpdatePopupMenu()
{
    TKMultiLineBaseLabel::UpdatePopupMenu();
    if (TKMenu* m = PopupMenu()) {
        if (QAction* item = m->Find(QStringLiteral("Word Wrap")))
            item->setChecked(WordWrap());
    }
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKBasePanel: the keyboard: moving and sizing the selection, stepping through the objects, opening an
// object's editor or menu, placing an object without the mouse.
#include "design/designpanel.h"

#include "model/objectmenu.h"

#include <QAction>
#include <QCoreApplication>

namespace qm {

bool TKBasePanel::KeyDown(int key, Qt::KeyboardModifiers modifiers, qint64 nowMs)
{
    BeginEvent(nowMs);
    const bool taken = AccessKeyDown(key, modifiers);
    if (!taken) {
        // The frame holds the keyboard while something is selected.
        if (mHandle.Visible() && mHandle.Enabled())
            mHandle.KeyDown(key, modifiers);
        else
            PanelKeyDown(key, modifiers);
    }
    mTabLeaves = key == Qt::Key_Escape && !mHandle.HasSelection();
    EndEvent();
    return taken || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
           key == Qt::Key_Delete;
}

void TKBasePanel::KeyUp(int /*key*/, qint64 nowMs)
{
    BeginEvent(nowMs);
    mHandle.KeyUp();
    EndEvent();
}

void TKBasePanel::PanelKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_C)
        Copy();
    else if (ctrl && key == Qt::Key_V)
        Paste(mNowMs);
    else if (ctrl && key == Qt::Key_X)
        Cut();
    else if (key == Qt::Key_Delete)
        Delete();
}

// Enter, F2, the Menu key, Shift+F10 and Escape: what the mouse does by double-click, right-click and a click
// beside the objects.
bool TKBasePanel::AccessKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && mods == Qt::NoModifier && !mPointing) {
        PlaceDefaultObject();
        return true;
    }
    if ((enter || key == Qt::Key_F2) && mods == Qt::NoModifier) {
        if (TKGraphicControl* object = KeyObject())
            OpenObject(object);
        return true;
    }
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        PopupMenuAtSelection();
        return true;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        if (!mHandle.HasSelection())
            return false;
        ClearSelection();
        InvalidatePanel();
        return true;
    }
    return false;
}

QString TKBasePanel::ObjectTitle(const TKGraphicControl& object) const
{
    return QString::fromLatin1(object.ClassName());
}

TKGraphicControl* TKBasePanel::KeyObject() const
{
    return mHandle.Count() == 1 ? mHandle.Selection().front() : nullptr;
}

bool TKBasePanel::StepSelection(bool forward)
{
    if (mTabLeaves) {
        mTabLeaves = false;
        return false;
    }
    const int count = CardObjects().Count();
    // Where the step starts: the selected object (the topmost of several), else just outside the stack.
    int from = forward ? -1 : count;
    for (int i = 0; i < count; ++i) {
        if (IsSelected(CardObjects().At(i)))
            from = i;
    }
    for (int n = 1; n <= count; ++n) {
        const int i = ((from + (forward ? n : -n)) % count + count) % count;
        TKGraphicControl* object = CardObjects().At(i);
        if (object->Unselectable())
            continue;
        ClearSelection();
        Select(object);
        InvalidatePanel();
        return true;
    }
    return false;
}

void TKBasePanel::OpenObject(TKGraphicControl* object)
{
    if (!Alive(object))
        return;
    if (object->OnEdit) {
        // Whatever the editor changes is this action's step, whether or not it reported it.
        mHistory.Touch(QCoreApplication::translate("qm::ObjectMenu", "Edit"));
        object->OnEdit();
        return;
    }
    if (TKMenu* menu = object->PopupMenu()) {
        menu->AboutToShow();
        if (QAction* properties = menu->Find(QStringLiteral("Properties"));
            properties && properties->isEnabled()) {
            menu->Trigger(QStringLiteral("Properties"));
            return;
        }
    }
    PopupObjectMenu(object, mView ? mView->ScreenPoint(object->BoundsRect().center()) : QPoint());
}

void TKBasePanel::PopupMenuAtSelection()
{
    if (TKGraphicControl* object = KeyObject()) {
        PopupObjectMenu(object, mView ? mView->ScreenPoint(object->BoundsRect().center()) : QPoint());
        return;
    }
    const QPoint at = mHandle.HasSelection() ? mHandle.Bounds().center() : QPoint(Width() / 2, Height() / 2);
    PopupPanelMenu(mView ? mView->ScreenPoint(at) : at);
}

} // namespace qm

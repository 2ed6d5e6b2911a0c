// SPDX-License-Identifier: GPL-3.0-or-later
// TKBasePanel: the panel menu and its commands (order, clipboard, align, centre, lock, select, font), card
// files, placing, duplicating and hooking objects.
#include "design/designpanel.h"

#include "stream/streamwriter.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace qm {

// ---- Menus ----

void TKBasePanel::PopupPanelMenu(QPoint screenPos)
{
    if (mView)
        mView->ShowMenu(*mMenu, screenPos);
}

void TKBasePanel::PopupObjectMenu(TKGraphicControl* object, QPoint screenPos)
{
    if (mView && Alive(object) && object->PopupMenu())
        mView->ShowMenu(*object->PopupMenu(), screenPos);
}

void TKBasePanel::BuildMenu()
{
    TKMenu& m = *mMenu;
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Bring To Front"), [this] { BringSelectionToFront(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Send To Back"), [this] { SendSelectionToBack(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Cut"), [this] { Cut(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Copy"), [this] { Copy(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Paste"), [this] { Paste(mNowMs); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Delete"), [this] { Delete(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Align Left"), [this] { AlignLefts(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Align Right"), [this] { AlignRights(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Align Tops"), [this] { AlignTops(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Align Bottoms"), [this] { AlignBottoms(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center Vertically"),
              [this] { CenterSelectionVertically(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center Horizontally"),
              [this] { CenterSelectionHorizontally(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Lock All"), [this] { LockAll(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Unlock All"), [this] { UnlockAll(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Mark All Selectable"), [this] { MarkAllSelectable(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Mark All Unselectable"),
              [this] { MarkAllUnselectable(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Select All"), [this] { SelectAll(); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font"), [this] { ChooseFont(); });
    m.OnPopup = [this] { UpdateMenu(); };
}

void TKBasePanel::UpdateMenu()
{
    const bool selection = mHandle.HasSelection();
    const bool objects = CardObjects().Count() > 0;
    for (const char* caption :
         {"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Align Left", "Align Right",
          "Align Tops", "Align Bottoms", "Center Vertically", "Center Horizontally", "Font"}) {
        mMenu->Find(QLatin1String(caption))->setEnabled(selection);
    }
    mMenu->Find(QStringLiteral("Paste"))->setEnabled(CanPaste());
    mMenu->Find(QStringLiteral("Lock All"))->setEnabled(objects);
    mMenu->Find(QStringLiteral("Unlock All"))->setEnabled(objects);
}

// ---- Commands ----

void TKBasePanel::BringSelectionToFront()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Bring To Front"));
    mHandle.BringSelectionToFront();
    NotifyChanged();
}

void TKBasePanel::SendSelectionToBack()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Send To Back"));
    mHandle.SendSelectionToBack();
    ClearSelection();
    NotifyChanged();
}

bool TKBasePanel::Copy(TKGraphicControl* object)
{
    QString error;
    bool ok = true;
    if (object && !IsSelected(object)) {
        if (!Alive(object))
            return false;
        ok = WriteOne(*object, mClipboardFile, &error);
    } else if (mHandle.HasSelection()) {
        ok = WriteSelection(mHandle.Selection(), mClipboardFile, &error);
    } else {
        return false;
    }
    // A failed write leaves the clipboard as it was.
    if (!ok && mDialogs)
        mDialogs->ShowInformation(tr("The objects could not be copied: %1").arg(error));
    return ok;
}

void TKBasePanel::Cut(TKGraphicControl* object)
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Cut"));
    // What could not be copied stays on the card.
    if (Copy(object))
        Delete(object);
}

void TKBasePanel::Delete(TKGraphicControl* object)
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Delete"));
    if (object && !IsSelected(object)) {
        if (Alive(object)) {
            CardObjects().Delete(object);
            NotifyChanged();
        }
        return;
    }
    const std::vector<TKGraphicControl*> selection = mHandle.Selection();
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        mHandle.Deselect(*it);
        CardObjects().Delete(*it);
        NotifyChanged();
    }
    InvalidatePanel();
}

bool TKBasePanel::CanPaste() const
{
    return QFileInfo::exists(mClipboardFile);
}

bool TKBasePanel::Paste(qint64 nowMs)
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Paste"));
    // One paste per second: a key held down or a double command gives one copy.
    if (mPasted && nowMs - mLastPasteMs < 1000)
        return false;
    if (!CanPaste())
        return false;
    const ReadResult read = ReadPasted(CardObjects(), mClipboardFile);
    if (!read.ok && mDialogs)
        mDialogs->ShowInformation(tr("The clipboard could not be pasted: %1").arg(read.error));
    HookObjects();
    NotifyChanged();
    ProcessEvents();
    mPasted = true;
    mLastPasteMs = nowMs;
    InvalidatePanel();
    return read.ok && !read.objects.empty();
}

void TKBasePanel::AlignLefts()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Align Lefts"));
    if (!mHandle.HasSelection())
        return;
    NotifyChanged();
    int m = Width();
    for (const TKGraphicControl* object : mHandle.Selection())
        m = std::min(m, object->Left());
    for (TKGraphicControl* object : mHandle.Selection())
        object->SetLeft(m);
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::AlignRights()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Align Rights"));
    if (!mHandle.HasSelection())
        return;
    NotifyChanged();
    int m = 0;
    for (const TKGraphicControl* object : mHandle.Selection())
        m = std::max(m, object->Left() + object->Width());
    for (TKGraphicControl* object : mHandle.Selection())
        object->SetLeft(m - object->Width());
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::AlignTops()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Align Tops"));
    if (!mHandle.HasSelection())
        return;
    NotifyChanged();
    int m = Height();
    for (const TKGraphicControl* object : mHandle.Selection())
        m = std::min(m, object->Top());
    for (TKGraphicControl* object : mHandle.Selection())
        object->SetTop(m);
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::AlignBottoms()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Align Bottoms"));
    if (!mHandle.HasSelection())
        return;
    NotifyChanged();
    int m = 0;
    for (const TKGraphicControl* object : mHandle.Selection())
        m = std::max(m, object->Top() + object->Height());
    for (TKGraphicControl* object : mHandle.Selection())
        object->SetTop(m - object->Height());
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::CenterSelectionVertically()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Center Vertically"));
    for (TKGraphicControl* object : mHandle.Selection())
        object->CenterVertically();
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::CenterSelectionHorizontally()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Center Horizontally"));
    for (TKGraphicControl* object : mHandle.Selection())
        object->CenterHorizontally();
    InvalidatePanel();
    EndEvent();
}

bool TKBasePanel::SetObjectBounds(TKGraphicControl* object, const QRect& rect)
{
    if (!Alive(object) || object->Locked() || rect.width() < 1 || rect.height() < 1)
        return false;
    const QRect old = object->BoundsRect();
    if (rect == old)
        return false;
    // Whatever was waiting becomes its own step first, so that undo takes back exactly this change.
    mHistory.Commit();
    object->SetBounds(rect.left(), rect.top(), rect.width(), rect.height());
    NotifyChanged();
    RunPendingFrameRecompute();
    if (IsSelected(object))
        mHandle.RecomputeFrame();
    InvalidatePanel();
    return mHistory.Commit(rect.size() == old.size()
                               ? QCoreApplication::translate("qm::ObjectMenu", "Move")
                               : QCoreApplication::translate("qm::ObjectMenu", "Resize"));
}

void TKBasePanel::LockAll()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Lock All"));
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (!object->Locked())
            object->SetLocked(true);
    }
}

void TKBasePanel::UnlockAll()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Unlock All"));
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (object->Locked())
            object->SetLocked(false);
    }
}

void TKBasePanel::MarkAllSelectable()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Make All Selectable"));
    for (TKGraphicControl* object : CardObjects().Objects())
        object->SetUnselectable(false);
}

void TKBasePanel::MarkAllUnselectable()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Make All Unselectable"));
    for (TKGraphicControl* object : CardObjects().Objects())
        object->SetUnselectable(true); // leaves the selection too
}

void TKBasePanel::SelectAll()
{
    ClearSelection();
    for (TKGraphicControl* object : CardObjects().Objects())
        Select(object);
}

void TKBasePanel::ChooseFont()
{
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Font"));
    if (!mHandle.HasSelection() || !mDialogs)
        return;
    TKFont font;
    font.Assign(mFont);
    if (!mDialogs->ChooseFont(font))
        return;
    const std::vector<TKGraphicControl*> selection = mHandle.Selection();
    for (TKGraphicControl* object : selection)
        object->ApplyFont(font);
    InvalidatePanel();
    EndEvent();
}

// ---- Card files ----

bool TKBasePanel::SaveToFile(const QString& fileName, QString* error)
{
    // The explicit layout step, then the card as files hold it.
    LayOutObjects();
    for (TKGraphicControl* object : CardObjects().Objects())
        object->PrepareForSave();
    return WriteAll(CardObjects(), fileName, error);
}

ReadResult TKBasePanel::LoadFromFile(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return {};
    // A faulty file adds nothing: the reader drops what it read before the fault.
    ReadResult result = ReadAll(CardObjects(), fileName);
    HookObjects();
    InvalidatePanel();
    return result;
}

void TKBasePanel::ClearAll()
{
    ClearSelection();
    CardObjects().Clear();
    mGrab = mHover = {};
    InvalidatePanel();
}

void TKBasePanel::KeepObjectsOnCard()
{
    ClearSelection();
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (object->Top() > Height() - 10)
            object->SetTop(Height() - 10);
        if (object->Left() > Width() - 20)
            object->SetLeft(Width() - 20);
    }
    EndEvent();
}

namespace {

bool OffCard(const TKGraphicControl& object, int width, int height)
{
    return object.Top() > height - 10 || object.Left() > width - 10 || object.Width() < 1 ||
           object.Height() < 1;
}

} // namespace

int TKBasePanel::OffCardObjectCount() const
{
    int count = 0;
    for (const TKGraphicControl* object : CardObjects().Objects())
        count += OffCard(*object, Width(), Height()) ? 1 : 0;
    return count;
}

void TKBasePanel::RemoveOffCardObjects()
{
    ClearSelection();
    mHistory.Describe(QCoreApplication::translate("qm::ObjectMenu", "Remove Objects Outside the Card"));
    bool removed = false;
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (OffCard(*object, Width(), Height())) {
            CardObjects().Delete(object);
            removed = true;
        }
    }
    if (removed)
        NotifyChanged();
    InvalidatePanel();
}

TKGraphicControl* TKBasePanel::PlaceObject(std::unique_ptr<TKGraphicControl> object, const QRect& rect)
{
    if (!object)
        return nullptr;
    // Left unnamed when Special1 to Special1000 are all taken.
    const QString name = CardObjects().FirstFreeName(QStringLiteral("Special"), 1);
    TKGraphicControl* placed = CardObjects().Add(std::move(object));
    placed->SetName(name);
    placed->SetBounds(rect.left(), rect.top(), std::max(rect.width(), 10), std::max(rect.height(), 15));
    placed->Invalidate();
    NotifyChanged();
    ProcessEvents();
    return placed;
}

TKGraphicControl* TKBasePanel::Duplicate(const TKGraphicControl& object)
{
    return qm::Duplicate(object, CardObjects());
}

void TKBasePanel::HookObjects()
{
    for (int i = CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = CardObjects().At(i);
        object->SetHost(this);
    }
}

} // namespace qm

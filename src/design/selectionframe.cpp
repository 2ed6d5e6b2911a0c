// SPDX-License-Identifier: GPL-3.0-or-later
// TKHandle: the selection frame's logic.
#include "design/selectionframe.h"

#include "model/cardobjects.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm {

TKHandle::TKHandle(HandleHost& host) : mHost(host) {}

void TKHandle::SetGridX(GridValues v)
{
    if (v < 1 || v > 32)
        return;
    mConfiguredX = mGridX = v;
    mHost.InvalidatePanel();
}

void TKHandle::SetGridY(GridValues v)
{
    if (v < 1 || v > 32)
        return;
    mConfiguredY = mGridY = v;
    mHost.InvalidatePanel();
}

void TKHandle::SetSnapToGrid(bool on)
{
    mGridX = on ? mConfiguredX : 1;
    mGridY = on ? mConfiguredY : 1;
}

QRect TKHandle::UnionBox() const
{
    if (mSelection.empty())
        return {};
    int l = mSelection[0]->Left(), t = mSelection[0]->Top();
    int r = l + mSelection[0]->Width(), b = t + mSelection[0]->Height();
    for (const TKGraphicControl* o : mSelection) {
        l = std::min(l, o->Left());
        t = std::min(t, o->Top());
        r = std::max(r, o->Left() + o->Width());
        b = std::max(b, o->Top() + o->Height());
    }
    return QRect(l, t, r - l, b - t);
}

void TKHandle::SetFrameFromUnion(int extra)
{
    const QRect box = UnionBox();
    mBounds = QRect(box.left() - 2, box.top() - 2, box.width() + extra, box.height() + extra);
}

void TKHandle::Select(TKGraphicControl* object, qint64 nowMs)
{
    if (object && object->Unselectable())
        return;
    mMouseDownTime = nowMs;
    if (!object || IndexOf(object) >= 0)
        return;
    mHost.SetCursorShape(TKCursorShape::HandGrab);
    const QRect grown(object->Left() - 2, object->Top() - 2, object->Width() + 5, object->Height() + 5);
    if (mSelection.empty()) {
        mFeedback = QRect();
        mEnabled = mVisible = true;
        mBounds = grown;
    } else {
        mBounds = mBounds.united(grown);
    }
    mSelection.push_back(object);
    mZone = 0;
    mHost.InvalidatePanel();
    mHost.SelectionChanged();
}

void TKHandle::Deselect(TKGraphicControl* object)
{
    const auto it = std::find(mSelection.begin(), mSelection.end(), object);
    if (it == mSelection.end())
        return;
    mSelection.erase(it);
    if (!mSelection.empty()) {
        SetFrameFromUnion(5);
    } else {
        mLocked = false;
        mEnabled = mVisible = false;
        mFeedback = QRect();
    }
    mHost.InvalidatePanel();
    mHost.SelectionChanged();
}

void TKHandle::Forget(TKGraphicControl* object) { Deselect(object); }

void TKHandle::ClearSelection()
{
    const bool had = !mSelection.empty();
    mSelection.clear();
    mLocked = false;
    mVisible = false;
    mBounds.setSize(QSize(24, 24));
    mEnabled = false;
    mFeedback = QRect();
    mDragging = false;
    mNudging = false;
    mHost.InvalidatePanel();
    if (had)
        mHost.SelectionChanged();
}

int TKHandle::IndexOf(const TKGraphicControl* object) const
{
    const auto it = std::find(mSelection.begin(), mSelection.end(), object);
    return it == mSelection.end() ? -1 : int(it - mSelection.begin());
}

TKGraphicControl* TKHandle::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return mSelection[size_t(index)];
}

void TKHandle::BringSelectionToFront()
{
    if (mSelection.empty() || mLocked)
        return;
    for (TKGraphicControl* o : mSelection)
        mHost.Objects().BringToFront(o);
    mHost.InvalidatePanel();
}

void TKHandle::SendSelectionToBack()
{
    if (mSelection.empty() || mLocked)
        return;
    for (TKGraphicControl* o : mSelection)
        mHost.Objects().SendToBack(o);
    mHost.InvalidatePanel();
}

void TKHandle::RecomputeFrame()
{
    if (mSelection.empty())
        return;
    SetFrameFromUnion(6);
    mHost.InvalidatePanel();
}

void TKHandle::SetBounds(int left, int top, int width, int height)
{
    const QRect old = mBounds;
    mChange = width != old.width() || height != old.height()
                  ? QCoreApplication::translate("qm::ObjectMenu", "Resize")
                  : QCoreApplication::translate("qm::ObjectMenu", "Move");
    // Copy: an object's move can make the panel rebuild the frame around the selection.
    const std::vector<TKGraphicControl*> selection = mSelection;
    for (TKGraphicControl* o : selection) {
        if (o->Locked())
            continue;
        // A grip dragged past the opposite edge leaves the smallest frame; the object keeps a pixel of each
        // side, so it never vanishes (and is never taken for one lying outside the card).
        o->SetBounds(left + o->Left() - old.left(), top + o->Top() - old.top(),
                     std::max(1, o->Width() + width - old.width()),
                     std::max(1, o->Height() + height - old.height()));
    }
    mBounds = QRect(left, top, width, height);
}

int TKHandle::ZoneAt(QPoint p) const
{
    if (Count() != 1)
        return 0;
    const int x = p.x(), y = p.y(), w = mBounds.width(), h = mBounds.height();
    const double halfW = w * 0.5, halfH = h * 0.5;
    // The grips are 8 screen pixels deep and 6 to either side of a middle, whatever the zoom.
    const double zoom = mHost.Zoom() > 0 ? mHost.Zoom() : 1.0;
    const double deep = 8 / zoom, side = 6 / zoom;
    auto near = [](double d, double reach) { return std::fabs(d) < reach; };
    int zone = 0;
    if (near(x, deep) && near(y, deep))
        zone = 1;
    if (near(x - w, deep) && near(y - h, deep))
        zone = 4;
    if (near(x - w, deep) && near(y, deep))
        zone = 2;
    if (near(x, deep) && near(y - h, deep))
        zone = 3;
    if (near(x - halfW, side) && near(y, deep))
        zone = 5;
    if (near(x - halfW, side) && near(y - h, deep))
        zone = 7;
    if (near(y - halfH, side) && near(x, deep))
        zone = 6;
    if (near(y - halfH, side) && near(x - w, deep))
        zone = 8;
    return zone;
}

QRect TKHandle::DragBounds(int zone, QPoint current, QPoint start) const
{
    const int X = current.x(), Y = current.y(), Sx = start.x(), Sy = start.y();
    const int L = mBounds.left(), T = mBounds.top(), W = mBounds.width(), H = mBounds.height();
    auto snapX = [this](int v) { return Snap(v, mGridX); };
    auto snapY = [this](int v) { return Snap(v, mGridY); };
    int l = L, t = T, w = W, h = H;
    switch (zone) {
    case 0:
        l = snapX(X + L - Sx);
        t = snapY(Y + T - Sy);
        break;
    case 1:
        l = snapX(X + L - Sx);
        t = snapY(Y + T - Sy);
        w = W + L - l;
        h = H + T - t;
        break;
    case 2:
        t = snapY(Y + T - Sy);
        w = snapX(X + W - Sx) - 1;
        h = H + T - t;
        break;
    case 3:
        l = snapX(X + L - Sx);
        w = W + L - l;
        h = snapY(Y + H - Sy) - 1;
        break;
    case 4:
        w = snapX(X + W - Sx) - 1;
        h = snapY(Y + H - Sy) - 1;
        break;
    case 5:
        t = snapY(Y + T - Sy);
        h = H + T - t;
        break;
    case 6:
        l = snapX(X + L - Sx);
        w = W + L - l;
        break;
    case 7:
        h = snapY(Y + H - Sy) - 1;
        break;
    case 8:
        w = snapX(X + W - Sx) - 1;
        break;
    default:
        break;
    }
    return QRect(l, t, std::max(w, 5), std::max(h, 5));
}

QRect TKHandle::DragTo(QPoint p) const
{
    const QPoint clamped = Clamp(p);
    QRect r = DragBounds(mZone, clamped, mStart);
    // A move pushed past the left or top edge stops with the frame at the edge.
    if (mZone == 0 && mBounds.left() + p.x() < 0 && r.left() < 0)
        r.moveLeft(0);
    if (mZone == 0 && mBounds.top() + p.y() < 0 && r.top() < 0)
        r.moveTop(0);
    return r;
}

QPoint TKHandle::Clamp(QPoint p) const
{
    const int x = std::clamp(mBounds.left() + p.x(), 0, std::max(0, mHost.PanelWidth())) - mBounds.left();
    const int y = std::clamp(mBounds.top() + p.y(), 0, std::max(0, mHost.PanelHeight())) - mBounds.top();
    return QPoint(x, y);
}

void TKHandle::MousePress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint screenPos,
                          qint64 nowMs)
{
    mMouseDownTime = nowMs;
    if (mHost.Pointing() && button == Qt::LeftButton) {
        if (!mLocked) {
            mStart = p;
            mDragging = true;
        }
        mHost.FrameMouseDown(button, modifiers, p);
    } else if (button == Qt::RightButton) {
        const QPoint panelPoint = p + mBounds.topLeft();
        TKGraphicControl* only = Count() == 1 ? mSelection[0] : nullptr;
        if (only && only->BoundsRect().adjusted(-2, -2, 2, 2).contains(panelPoint))
            mHost.PopupObjectMenu(only, screenPos);
        else
            mHost.PopupPanelMenu(screenPos);
    } else {
        mHost.SetCursorShape(TKCursorShape::Default);
        mHost.ForwardPress(p + mBounds.topLeft(), button, screenPos);
    }
}

void TKHandle::MouseMove(QPoint p, Qt::MouseButtons buttons, qint64 nowMs)
{
    if (mDoubleClicked) {
        mDoubleClicked = false;
        mDragging = false;
        mFeedback = QRect();
    }
    if (!mHost.Pointing()) {
        mHost.SetCursorShape(TKCursorShape::Drag);
        return;
    }
    if ((buttons & Qt::LeftButton) && !mDragging && !mLocked) {
        if (mMouseDownTime != 0 && nowMs - mMouseDownTime > 10) {
            mStart = p;
            mDragging = true;
        }
        return;
    }
    if (!mDragging)
        mHost.SetCursorShape(TKCursorShape::HandGrab);
    const int zone = ZoneAt(p);
    static const TKCursorShape kZoneCursors[] = {
        TKCursorShape::HandGrab, TKCursorShape::SizeNWSE, TKCursorShape::SizeNESW, TKCursorShape::SizeNESW,
        TKCursorShape::SizeNWSE, TKCursorShape::SizeNS,   TKCursorShape::SizeWE,   TKCursorShape::SizeNS,
        TKCursorShape::SizeWE};
    if (zone != 0)
        mHost.SetCursorShape(kZoneCursors[zone]);
    if (mLocked)
        mHost.SetCursorShape(TKCursorShape::NoDrop);
    if (mDragging) {
        mFeedback = DragTo(p);
        mHost.InvalidatePanel();
    } else {
        mZone = zone;
    }
}

void TKHandle::MouseRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, qint64 nowMs)
{
    // A quick click moves nothing, even when the mouse moved a little.
    if (mDragging && nowMs - mMouseDownTime < 150)
        p = mStart;
    mMouseDownTime = 0;
    if (mDragging && button == Qt::LeftButton) {
        if (Clamp(p) != mStart) {
            const QRect r = DragTo(p);
            SetBounds(r.left(), r.top(), r.width(), r.height());
        }
        mFeedback = QRect();
        mDragging = false;
        mHost.SetCursorShape(TKCursorShape::Default);
        mHost.FrameMouseUp(button, modifiers, p);
    } else {
        mHost.ForwardRelease(p + mBounds.topLeft(), button);
    }
    mHost.InvalidatePanel();
}

void TKHandle::DoubleClick(QPoint screenPos)
{
    mDoubleClicked = true;
    mHost.FrameDoubleClick(screenPos);
}

void TKHandle::MouseLeave()
{
    if (!mDragging)
        mHost.SetCursorShape(mHost.Pointing() ? TKCursorShape::Default : TKCursorShape::Drag);
}

void TKHandle::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (arrow && !mLocked && HasSelection()) {
        if (!mNudging) {
            mNudging = true;
            mNudge = QRect(QPoint(mBounds.left() + 2, mBounds.top() + 2),
                           QPoint(mBounds.left() + mBounds.width() - 3, mBounds.top() + mBounds.height() - 3));
        }
        // QRect's width() is Right - Left + 1, as the nudge rules count.
        const bool resize = (modifiers & Qt::ShiftModifier) && Count() == 1;
        switch (key) {
        case Qt::Key_Left:
            if (resize) {
                if (NudgedObjectSize().width() > kSmallestKeyboardSize)
                    mNudge.setRight(mNudge.right() - 1);
            } else if (mNudge.left() > 0) {
                mNudge.translate(-1, 0);
            }
            break;
        case Qt::Key_Up:
            if (resize) {
                if (NudgedObjectSize().height() > kSmallestKeyboardSize)
                    mNudge.setBottom(mNudge.bottom() - 1);
            } else if (mNudge.top() > 0) {
                mNudge.translate(0, -1);
            }
            break;
        case Qt::Key_Right:
            if (mHost.PanelWidth() >= mNudge.width() + mNudge.left()) {
                if (resize)
                    mNudge.setRight(mNudge.right() + 1);
                else
                    mNudge.translate(1, 0);
            }
            break;
        case Qt::Key_Down:
            if (mHost.PanelHeight() >= mNudge.height() + mNudge.top()) {
                if (resize)
                    mNudge.setBottom(mNudge.bottom() + 1);
                else
                    mNudge.translate(0, 1);
            }
            break;
        default:
            break;
        }
    }
    mHost.FrameKeyDown(key, modifiers);
    mHost.InvalidatePanel();
}

QSize TKHandle::NudgedObjectSize() const
{
    // The nudge becomes the frame (its box grown by 2 and 3) and the object changes with the frame's size.
    const TKGraphicControl* o = mSelection.front();
    return QSize(o->Width() + mNudge.right() - mNudge.left() + 5 - mBounds.width(),
                 o->Height() + mNudge.bottom() - mNudge.top() + 5 - mBounds.height());
}

void TKHandle::KeyUp()
{
    if (!mNudging)
        return;
    mNudging = false;
    mNudged = true;
    const QRect r = mNudge;
    SetBounds(r.left() - 2, r.top() - 2, r.right() - r.left() + 5, r.bottom() - r.top() + 5);
    mHost.InvalidatePanel();
}

QRect TKHandle::BandRect() const
{
    if (mNudging)
        return mNudge;
    if (mDragging && !mFeedback.isNull())
        return QRect(QPoint(mFeedback.left() + 2, mFeedback.top() + 2),
                     QPoint(mFeedback.left() + mFeedback.width() - 3, mFeedback.top() + mFeedback.height() - 3));
    return QRect();
}

void TKHandle::Paint(QPainter& viewPainter) const
{
    const bool single = Count() == 1;
    for (const TKGraphicControl* o : mSelection)
        o->PaintSelectionMarkers(viewPainter, single, single ? mColor : mSecondaryColor, mHost.Zoom());
}

} // namespace qm

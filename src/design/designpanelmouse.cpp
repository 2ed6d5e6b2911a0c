// SPDX-License-Identifier: GPL-3.0-or-later
// TKBasePanel: mouse routing, the bare panel's rubber band, the objects' mouse handlers and the
// selection frame's requests.
#include "design/designpanel.h"

#include <algorithm>
#include <vector>

namespace qm {

// ---- Mouse routing ----

TKGraphicControl* TKBasePanel::ObjectAt(QPoint point) const
{
    for (int i = CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = CardObjects().At(i);
        if (object->BoundsRect().contains(point))
            return object;
    }
    return nullptr;
}

TKBasePanel::Hit TKBasePanel::HitTest(QPoint point, bool includeFrame) const
{
    if (includeFrame && mHandle.Visible() && mHandle.Bounds().contains(point))
        return {Target::Frame, nullptr};
    if (TKGraphicControl* object = ObjectAt(point))
        return {Target::Object, object};
    return {Target::Panel, nullptr};
}

bool TKBasePanel::Alive(const TKGraphicControl* object) const
{
    return object && CardObjects().IndexOf(object) >= 0;
}

void TKBasePanel::MouseDown(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            QPoint screenPos, qint64 nowMs)
{
    BeginEvent(nowMs);
    mLastPoint = point;
    mTabLeaves = false;
    const Hit hit = HitTest(point, true);
    if (hit.target != mHover.target || hit.object != mHover.object) {
        Leave(mHover);
        mHover = hit;
    }
    // Handlers may hand the mouse on (to the frame after selecting, to what lies beneath the frame).
    mGrab = hit;
    switch (hit.target) {
    case Target::Frame:
        mHandle.MousePress(point - mHandle.Bounds().topLeft(), button, modifiers, screenPos, nowMs);
        break;
    case Target::Object:
        ObjectMouseDown(hit.object, point, button, modifiers, screenPos);
        break;
    default:
        PanelMouseDown(point, button, screenPos);
        break;
    }
    EndEvent();
}

void TKBasePanel::MouseMove(QPoint point, Qt::MouseButtons buttons, qint64 nowMs)
{
    BeginEvent(nowMs);
    mLastPoint = point;
    // A release that never arrived (a menu took it) ends the press.
    if (mGrab.target != Target::None && buttons == Qt::NoButton)
        mGrab = {};
    if (mGrab.target != Target::None) {
        MoveTo(mGrab, point, buttons);
    } else {
        const Hit hit = HitTest(point, true);
        if (hit.target != mHover.target || hit.object != mHover.object) {
            Leave(mHover);
            mHover = hit;
        }
        MoveTo(hit, point, buttons);
    }
    EndEvent();
}

void TKBasePanel::MoveTo(const Hit& hit, QPoint point, Qt::MouseButtons buttons)
{
    switch (hit.target) {
    case Target::Frame:
        mHandle.MouseMove(point - mHandle.Bounds().topLeft(), buttons, mNowMs);
        break;
    case Target::Object:
        if (Alive(hit.object))
            ObjectMouseMove(hit.object, point);
        else
            PanelMouseMove(point);
        break;
    case Target::Panel:
        PanelMouseMove(point);
        break;
    case Target::None:
        break;
    }
}

void TKBasePanel::Leave(const Hit& hit)
{
    if (hit.target == Target::Frame)
        mHandle.MouseLeave();
    else if (hit.target == Target::Object && Alive(hit.object))
        SetCursorShape(mPointing ? TKCursorShape::Default : TKCursorShape::Drag);
}

void TKBasePanel::MouseUp(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, qint64 nowMs)
{
    BeginEvent(nowMs);
    mLastPoint = point;
    const Hit target = mGrab.target != Target::None ? mGrab : HitTest(point, true);
    mGrab = {};
    if (target.target == Target::Frame)
        mHandle.MouseRelease(point - mHandle.Bounds().topLeft(), button, modifiers, nowMs);
    else
        PanelMouseUp(point, modifiers);
    EndEvent();
}

void TKBasePanel::DoubleClick(QPoint point, QPoint screenPos, qint64 nowMs)
{
    BeginEvent(nowMs);
    mLastPoint = point;
    const Hit target = mGrab.target != Target::None ? mGrab : HitTest(point, true);
    if (target.target == Target::Frame)
        mHandle.DoubleClick(screenPos);
    else if (target.target == Target::Object && Alive(target.object))
        ObjectDoubleClick(target.object, screenPos);
    EndEvent();
}

void TKBasePanel::MouseLeave()
{
    if (mGrab.target != Target::None)
        return;
    Leave(mHover);
    mHover = {};
}

// ---- The bare panel ----

QRect TKBasePanel::RubberBand() const
{
    if (!mBandActive)
        return QRect();
    const int l = std::min(mBandStart.x(), mBandEnd.x()), r = std::max(mBandStart.x(), mBandEnd.x());
    const int t = std::min(mBandStart.y(), mBandEnd.y()), b = std::max(mBandStart.y(), mBandEnd.y());
    return QRect(l, t, r - l, b - t);
}

void TKBasePanel::PanelMouseDown(QPoint point, Qt::MouseButton button, QPoint screenPos)
{
    InvalidateBand();
    mBandActive = false;
    mBandStart = mBandEnd = point;
    if (button == Qt::RightButton || button == Qt::MiddleButton) {
        PopupPanelMenu(screenPos);
    } else if (button == Qt::LeftButton) {
        mBandActive = true;
        SetCursorShape(TKCursorShape::HandPoint);
    }
}

void TKBasePanel::PanelMouseMove(QPoint point)
{
    if (!mBandActive)
        return;
    SetCursorShape(TKCursorShape::HandPoint);
    InvalidateBand();
    mBandEnd = point;
    InvalidateBand();
}

void TKBasePanel::PanelMouseUp(QPoint point, Qt::KeyboardModifiers modifiers)
{
    if (!mBandActive)
        return;
    InvalidateBand();
    mBandEnd = point;
    const QRect rect = RubberBand();
    InvalidateBand();
    mBandActive = false;
    if (mPointing) {
        SelectByRect(rect, modifiers & Qt::ShiftModifier);
        SetCursorShape(TKCursorShape::Default);
    } else {
        CreateObject(rect);
        if (DroppedObjectEvent)
            DroppedObjectEvent(rect);
    }
}

void TKBasePanel::SelectByRect(const QRect& rect, bool shift)
{
    std::vector<TKGraphicControl*> list;
    if (shift)
        list = mHandle.Selection();
    mHandle.ClearSelection();
    const int l = rect.left(), t = rect.top(), r = rect.left() + rect.width(), b = rect.top() + rect.height();
    for (int i = CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = CardObjects().At(i);
        // Touching counts: the band's edges may meet the object's edges.
        const bool touches = l <= object->Left() + object->Width() && r >= object->Left() &&
                             t <= object->Top() + object->Height() && b >= object->Top();
        if (!touches)
            continue;
        const auto it = std::find(list.begin(), list.end(), object);
        if (it != list.end()) {
            if (shift)
                list.erase(it);
        } else {
            list.push_back(object);
        }
    }
    for (TKGraphicControl* object : list)
        Select(object);
    InvalidatePanel();
}

// ---- Objects ----

void TKBasePanel::ObjectMouseDown(TKGraphicControl* object, QPoint point, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, QPoint screenPos)
{
    // In drawing mode, or over an object that clicks cannot select, a band or a new object starts here.
    if (!mPointing || object->Unselectable()) {
        PanelMouseDown(point, button, screenPos);
        return;
    }
    if (!(modifiers & Qt::ShiftModifier))
        ClearSelection();
    Select(object);
    InvalidatePanel();
    // The frame now lies over the object and takes the mouse: a drag moves the selection.
    if (button == Qt::LeftButton && mHandle.Visible())
        mGrab = {Target::Frame, nullptr};
    if (mHandle.Count() == 1 && button == Qt::RightButton)
        PopupObjectMenu(object, screenPos); // may free the object
}

void TKBasePanel::ObjectMouseMove(TKGraphicControl* /*object*/, QPoint point)
{
    if (mPointing)
        SetCursorShape(TKCursorShape::HandPoint);
    PanelMouseMove(point);
}

void TKBasePanel::ObjectDoubleClick(TKGraphicControl* object, QPoint screenPos)
{
    PopupObjectMenu(object, screenPos);
    // The frame hears of the double-click without answering it a second time.
    mInObjectDoubleClick = true;
    mHandle.DoubleClick(screenPos);
    mInObjectDoubleClick = false;
}

// ---- The selection frame's requests ----

void TKBasePanel::FrameHost::PopupObjectMenu(TKGraphicControl* object, QPoint screenPos)
{
    mPanel.PopupObjectMenu(object, screenPos);
}

void TKBasePanel::FrameHost::FrameMouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers modifiers,
                                            QPoint framePoint)
{
    // Shift+click on the selection takes the objects under the mouse out of it.
    if (!mPanel.mPointing || !(modifiers & Qt::ShiftModifier))
        return;
    const QPoint point = framePoint + mPanel.mHandle.Bounds().topLeft();
    const std::vector<TKGraphicControl*> selection = mPanel.mHandle.Selection();
    for (TKGraphicControl* object : selection) {
        if (object->BoundsRect().contains(point))
            mPanel.mHandle.Deselect(object);
    }
}

void TKBasePanel::FrameHost::FrameMouseUp(Qt::MouseButton /*button*/, Qt::KeyboardModifiers modifiers,
                                          QPoint framePoint)
{
    mPanel.PanelMouseUp(framePoint + mPanel.mHandle.Bounds().topLeft(), modifiers);
}

void TKBasePanel::FrameHost::FrameDoubleClick(QPoint screenPos)
{
    TKBasePanel& panel = mPanel;
    if (panel.mInObjectDoubleClick || panel.mHandle.Count() > 1)
        return;
    for (TKGraphicControl* object : panel.mHandle.Selection()) {
        if (!object->BoundsRect().adjusted(-2, -2, 2, 2).contains(panel.mLastPoint))
            continue;
        if (object->OnEdit) {
            // Whatever the editor changes is this action's step, whether or not it reported it.
            panel.mHistory.Touch(QCoreApplication::translate("qm::ObjectMenu", "Edit"));
            object->OnEdit();
        }
        else
            panel.PopupObjectMenu(object, screenPos);
        return;
    }
}

void TKBasePanel::FrameHost::FrameKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    mPanel.PanelKeyDown(key, modifiers);
}

void TKBasePanel::FrameHost::ForwardPress(QPoint panelPoint, Qt::MouseButton button, QPoint screenPos)
{
    // What lies beneath the frame takes the press and the rest of it.
    if (TKGraphicControl* object = mPanel.ObjectAt(panelPoint)) {
        mPanel.mGrab = {Target::Object, object};
        mPanel.ObjectMouseDown(object, panelPoint, button, Qt::NoModifier, screenPos);
    } else {
        mPanel.mGrab = {Target::Panel, nullptr};
        mPanel.PanelMouseDown(panelPoint, button, screenPos);
    }
}

void TKBasePanel::FrameHost::ForwardRelease(QPoint panelPoint, Qt::MouseButton /*button*/)
{
    mPanel.PanelMouseUp(panelPoint, Qt::NoModifier);
}

} // namespace qm

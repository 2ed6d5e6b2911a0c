// SPDX-License-Identifier: GPL-3.0-or-later
// TKHandle: the selection frame: the ordered selection, moving and resizing it with the mouse, grips, snapping
// and arrow-key nudges. Plain logic driven with points and times; the panel widget feeds it Qt's events.
#pragma once

#include "model/cardobject.h"

#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;

namespace qm {

// The cursor shapes the frame and panel ask for.
enum class TKCursorShape { Default, HandGrab, HandPoint, SizeNWSE, SizeNESW, SizeNS, SizeWE, NoDrop, Drag };

// What the selection frame needs of the panel it lies on. Points are in card units unless named otherwise.
class HandleHost
{
public:
    virtual ~HandleHost() = default;
    virtual int PanelWidth() const = 0;
    virtual int PanelHeight() const = 0;
    virtual bool Pointing() const = 0;
    // How many screen pixels a card unit takes: grips keep their size on screen.
    virtual double Zoom() const { return 1.0; }
    virtual TKCardObjects& Objects() = 0;
    virtual void SetCursorShape(TKCursorShape shape) = 0;
    virtual void InvalidatePanel() = 0;
    // Objects joined or left the selection.
    virtual void SelectionChanged() {}
    // Pop-up menus at a screen position.
    virtual void PopupObjectMenu(TKGraphicControl* object, QPoint screenPos) = 0;
    virtual void PopupPanelMenu(QPoint screenPos) = 0;
    // The frame's events that the panel handles (frame-local points).
    virtual void FrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint framePoint) = 0;
    virtual void FrameMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint framePoint) = 0;
    virtual void FrameDoubleClick(QPoint screenPos) = 0;
    virtual void FrameKeyDown(int key, Qt::KeyboardModifiers modifiers) = 0;
    // A press or release the frame does not want goes to what lies beneath it (panel point).
    virtual void ForwardPress(QPoint panelPoint, Qt::MouseButton button, QPoint screenPos) = 0;
    virtual void ForwardRelease(QPoint panelPoint, Qt::MouseButton button) = 0;
};

class TKHandle
{
public:
    explicit TKHandle(HandleHost& host);

    // Marker colours: one object selected / several.
    TColor Color() const { return mColor; }
    void SetColor(TColor c) { mColor = c; }
    TColor SecondaryColor() const { return mSecondaryColor; }
    void SetSecondaryColor(TColor c) { mSecondaryColor = c; }
    // A locked frame refuses drags, nudges and the z-order commands; cleared when the selection empties.
    bool Locked() const { return mLocked; }
    void SetLocked(bool v) { mLocked = v; }

    // Grid steps in force (1 = no snapping) and the configured steps (4 or 8).
    GridValues GridX() const { return mGridX; }
    GridValues GridY() const { return mGridY; }
    void SetGridX(GridValues v);
    void SetGridY(GridValues v);
    bool SnapToGrid() const { return mGridX > 1 || mGridY > 1; }
    void SetSnapToGrid(bool on);
    int Snap(int value, int step) const { return step * (value / step); }

    // The selection, in the order objects were selected.
    void Select(TKGraphicControl* object, qint64 nowMs);
    void Deselect(TKGraphicControl* object);
    void ClearSelection();
    int IndexOf(const TKGraphicControl* object) const;
    int Count() const { return int(mSelection.size()); }
    TKGraphicControl* Item(int index) const;
    bool HasSelection() const { return !mSelection.empty(); }
    const std::vector<TKGraphicControl*>& Selection() const { return mSelection; }
    // Forgets an object that is being destroyed (without touching the frame's geometry rules).
    void Forget(TKGraphicControl* object);

    void BringSelectionToFront();
    void SendSelectionToBack();
    // Rebuilds the frame around the selection after an object changed its own bounds.
    void RecomputeFrame();

    // The frame: card units, 2 units outside the selection's box.
    QRect Bounds() const { return mBounds; }
    bool Visible() const { return mVisible; }
    bool Enabled() const { return mEnabled; }
    // Moves or resizes the selection with the frame: unlocked objects follow, then the frame takes the bounds.
    void SetBounds(int left, int top, int width, int height);

    // Grip zone for a frame-local point: 0 body, 1..8 grips (only with exactly one object selected).
    int ZoneAt(QPoint framePoint) const;
    // New frame bounds for a drag of `zone` from start to current (frame-local points); snapped; at least 5 x 5.
    QRect DragBounds(int zone, QPoint current, QPoint start) const;

    // Mouse and keys, frame-local points; times in milliseconds of a steady clock.
    void MousePress(QPoint framePoint, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint screenPos,
                    qint64 nowMs);
    void MouseMove(QPoint framePoint, Qt::MouseButtons buttons, qint64 nowMs);
    void MouseRelease(QPoint framePoint, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, qint64 nowMs);
    void DoubleClick(QPoint screenPos);
    void MouseLeave();
    // Arrow keys move (or with Shift resize one object) by a pixel; the change is applied on key up.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void KeyUp();

    // What the selection's last change of bounds was ("Move", "Resize"; empty when none since asked) and
    // whether the arrow keys made it; asking forgets both.
    QString TakeChange()
    {
        QString change = mChange;
        mChange.clear();
        return change;
    }
    bool TakeNudged()
    {
        const bool nudged = mNudged;
        mNudged = false;
        return nudged;
    }
    bool Dragging() const { return mDragging; }
    int Zone() const { return mZone; }
    // The rubber band to draw while dragging or nudging (card units, the objects' own box); null when none.
    QRect BandRect() const;

    // Markers of every selected object, in screen pixels at the host's zoom.
    void Paint(QPainter& viewPainter) const;

private:
    // The smallest box a keyboard resize leaves: ten pixels each way. Smaller objects can still be drawn
    // or dragged to size with the grips.
    static constexpr int kSmallestKeyboardSize = 10;
    // The single selected object's size if the nudge in progress were applied now.
    QSize NudgedObjectSize() const;
    QRect UnionBox() const;
    void SetFrameFromUnion(int extra);
    QPoint Clamp(QPoint framePoint) const;
    QRect DragTo(QPoint framePoint) const;

    HandleHost& mHost;
    TColor mColor = clBlack;
    TColor mSecondaryColor = clGray;
    bool mLocked = false;
    GridValues mConfiguredX = 8, mConfiguredY = 8;
    GridValues mGridX = 1, mGridY = 1;
    std::vector<TKGraphicControl*> mSelection;
    QRect mBounds{0, 0, 24, 24};
    bool mVisible = false;
    bool mEnabled = false;
    qint64 mMouseDownTime = 0;
    QPoint mStart;
    bool mDragging = false;
    int mZone = 0;
    QRect mFeedback;         // candidate frame shown as a band while dragging (null = none)
    bool mNudging = false;
    // What the last change of the selection's bounds was ("Move" or "Resize"), and whether arrow keys made it.
    QString mChange;
    bool mNudged = false;
    QRect mNudge;            // the objects' box while nudging (inclusive right/bottom as in the arrow rules)
    bool mDoubleClicked = false;
};

} // namespace qm

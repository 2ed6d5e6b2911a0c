// SPDX-License-Identifier: GPL-3.0-or-later
// TKBasePanel: the card-shaped design surface: background, grid, objects, selection, mouse, menu and
// clipboard.
#pragma once

#include "model/cardmodel.h"
#include "model/cardobject.h"
#include "design/cardhistory.h"
#include "design/selectionframe.h"
#include "model/cardobjects.h"
#include "model/subobjects.h"
#include "stream/streamreader.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPainterPath;
class QRegion;

namespace qm {

class TKMenu;
class TKReport;

// Grid spacing: 4 or 8 pixels.
enum TGridSize
{
    gs4x4,
    gs8x8
};

// What the panel needs of the window that shows it. Rectangles and points are in card units (96 a inch)
// unless named otherwise; the window shows them at the panel's zoom.
class PanelView
{
public:
    virtual ~PanelView() = default;
    // Repaint this part of the panel soon.
    virtual void InvalidateRect(const QRect& rect) = 0;
    virtual void SetCursorShape(TKCursorShape shape) = 0;
    // Shows the menu at a screen position and runs the item the user picks. Runs TKMenu::AboutToShow first.
    virtual void ShowMenu(TKMenu& menu, QPoint screenPos) = 0;
    // Lets pending repaints run in the middle of a command (never user input).
    virtual void ProcessEvents() = 0;
    // The panel's view took a new size in screen pixels (the card's size or the zoom changed).
    virtual void PanelResized(QSize viewSize) = 0;
    // Asks for TKBasePanel::RunPendingFrameRecompute once the current event has been handled.
    virtual void PostFrameRecompute() = 0;
    // A point of the card (card units) on the screen, where a menu opened by a key appears.
    virtual QPoint ScreenPoint(QPoint cardPoint) const { return cardPoint; }
};

class TKBasePanel : public ObjectHost
{
    Q_DECLARE_TR_FUNCTIONS(qm::TKBasePanel)

public:
    TKBasePanel();
    ~TKBasePanel() override;
    TKBasePanel(const TKBasePanel&) = delete;
    TKBasePanel& operator=(const TKBasePanel&) = delete;

    // The window showing the panel and the dialogs; both may be null (nothing shown, nothing asked).
    void SetView(PanelView* view) { mView = view; }
    PanelView* View() const { return mView; }
    void SetDialogs(TKDialogs* dialogs) { mDialogs = dialogs; }

    // ---- Properties ----
    // Pointer mode (select and move) when true, drawing mode when false.
    bool Pointing() const { return mPointing; }
    void SetPointing(bool value) { mPointing = value; }
    bool DrawOutline() const { return mDrawOutline; }
    void SetDrawOutline(bool value);
    // The card the panel shows and edits.
    CardModel& Card() { return mCard; }
    const CardModel& Card() const { return mCard; }
    // Background picture stretched over the card, and the background art drawn over it.
    StoredPicture& Picture() { return mCard.Picture(); }
    StoredPicture& ColorPicture() { return mCard.ColorPicture(); }
    void ClearBackground() { mCard.ColorPicture().Clear(); }
    TLabelShapeType Shape() const { return mCard.Shape(); }
    void SetShape(TLabelShapeType value);
    TGridSize GridSize() const { return mGridSize; }
    void SetGridSize(TGridSize value);
    int GridStep() const { return mGridSize == gs8x8 ? 8 : 4; }
    bool ShowGrid() const { return mShowGrid; }
    void SetShowGrid(bool value);
    bool SnapToGrid() const { return mSnapToGrid; }
    void SetSnapToGrid(bool value);
    // The print shop's guides: the bleed, a band around the card that whoever holds the panel draws beside
    // it (BleedAreaPath), and the safe area, a dashed line inside the card that the panel draws. They only
    // show: nothing on the card moves.
    bool ShowPrintGuides() const { return mShowPrintGuides; }
    void SetShowPrintGuides(bool value);
    // In card units from the card's top-left corner: the card's outline grown by the default bleed, and its
    // outline shrunk by the safe margin.
    QPainterPath BleedAreaPath() const;
    QPainterPath SafeAreaPath() const;
    // The font the "Font" command starts from.
    TKFont& Font() { return mFont; }

    // Raised whenever the design changed.
    std::function<void()> LabelChangedEvent;
    // Raised after an object was drawn in drawing mode, with the drawn rectangle.
    std::function<void(const QRect&)> DroppedObjectEvent;
    // Adds a watcher called after the selection changed, after the card changed (objects moved or resized)
    // and after an undo or redo put a card back: whoever shows the selected object's box follows it.
    void WatchSelection(std::function<void()> watcher) { mSelectionWatchers.push_back(std::move(watcher)); }

    // ---- Size and zoom ----
    // The card's size in card units.
    int Width() const { return mCard.Width(); }
    int Height() const { return mCard.Height(); }
    QSize Size() const { return mCard.Size(); }
    void SetSize(int width, int height);
    // The zoom is a view of the card (1.0 = 100 %): the painter is scaled and mouse points are mapped back;
    // the card and its objects never change with it.
    float Zoom() const { return mZoom; }
    void SetZoom(float factor);
    // The card's size on screen at the zoom, in pixels.
    QSize ViewSize() const;
    // A rectangle of card units on screen, and a screen point in card units.
    QRect ToView(const QRect& card) const;
    QPoint ToCard(QPointF view) const;

    TKCardObjects& CardObjects() { return mCard.Objects(); }
    const TKCardObjects& CardObjects() const { return mCard.Objects(); }
    TKHandle& Frame() { return mHandle; }
    const TKHandle& Frame() const { return mHandle; }
    TKMenu& PopupMenu() { return *mMenu; }
    // Undo and redo of the card's changes; every user action on the panel ends in one step.
    CardHistory& History() { return mHistory; }
    const CardHistory& History() const { return mHistory; }
    // True while the panel handles a mouse or key event (its end commits the step).
    bool InEvent() const { return mEventDepth > 0; }
    // The explicit layout step before painting, printing, saving and snapshots: text objects whose box
    // follows their text settle it now.
    void LayOutObjects();

    // ---- Painting ----
    // The whole panel, onto a painter in screen pixels: card, pictures, outline, grid and objects at the zoom,
    // then selection markers and bands in screen pixels. Objects outside `exposed` (screen pixels; when not
    // empty) are skipped; the caller clips to it.
    void Paint(QPainter& painter);
    void Paint(QPainter& painter, const QRegion& exposed);
    // The card's outline shape for clipping: (0, 0)-(W + 1, H + 1).
    QPainterPath CardClipPath() const;

    // ---- Mouse and keys (points in card units, times in milliseconds of a steady clock) ----
    // A press keeps its target (selection frame, object or the bare panel) until the release.
    void MouseDown(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint screenPos,
                   qint64 nowMs);
    void MouseMove(QPoint point, Qt::MouseButtons buttons, qint64 nowMs);
    void MouseUp(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, qint64 nowMs);
    // Comes after the second press of a double-click.
    void DoubleClick(QPoint point, QPoint screenPos, qint64 nowMs);
    void MouseLeave();
    // Arrows move (Shift+arrows size) the selection, Ctrl+C, Ctrl+X, Ctrl+V and Delete as their commands;
    // Enter or F2 opens the selected object's editor (in drawing mode Enter places an object of the tool,
    // see PlaceDefaultObject), the Menu key or Shift+F10 its right-click menu at the object, Escape clears
    // the selection. True when the panel took the key.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers, qint64 nowMs);
    void KeyUp(int key, qint64 nowMs);
    // Tab and Shift+Tab: selects the next or previous object in stacking order (bottom to top), going round,
    // skipping objects clicks cannot select. False when Tab is not the panel's: nothing to step to, or the
    // key before was the Escape that cleared the selection (Escape, then Tab, leaves the card).
    bool StepSelection(bool forward);
    // The object the keys act on: the only selected object, else null.
    TKGraphicControl* KeyObject() const;
    // Opens the object's editor where it has one (rich text), else its Properties dialog, else its
    // right-click menu at the object: what a double-click on it does, from the keyboard.
    void OpenObject(TKGraphicControl* object);
    // The right-click menu of the selected object at the object, or the panel's menu when none or several
    // are selected.
    void PopupMenuAtSelection();
    // Drawing mode: places an object of the current tool at its default size in the middle of the card,
    // as a drag there would, selects it and opens its first dialog. Null in pointer mode.
    virtual TKGraphicControl* PlaceDefaultObject() { return nullptr; }
    // What a screen reader says of an object: its kind and the text it shows ("Text: Jane Q. Example").
    virtual QString ObjectTitle(const TKGraphicControl& object) const;

    // The rubber band on the bare panel: start and current point (null when none).
    bool RubberBandActive() const { return mBandActive; }
    QRect RubberBand() const;
    // Where the last rubber band was pressed and where it ended, in the order the mouse went: which way an
    // object was drawn.
    QPoint BandStart() const { return mBandStart; }
    QPoint BandEnd() const { return mBandEnd; }

    // ---- Commands ----
    void BringSelectionToFront();
    void SendSelectionToBack();
    // With object null or selected they act on the selection, otherwise on that object alone.
    // False, with a message, when nothing could be written to the clipboard.
    bool Copy(TKGraphicControl* object = nullptr);
    void Cut(TKGraphicControl* object = nullptr);
    void Delete(TKGraphicControl* object = nullptr);
    // Ignored less than 1000 ms after the previous paste; false when nothing was pasted.
    bool Paste(qint64 nowMs);
    bool CanPaste() const;
    void AlignLefts();
    void AlignRights();
    void AlignTops();
    void AlignBottoms();
    void CenterSelectionVertically();
    void CenterSelectionHorizontally();
    void LockAll();
    void UnlockAll();
    void MarkAllSelectable();
    void MarkAllUnselectable();
    void SelectAll();
    // The font dialog; the chosen font goes to every selected object.
    void ChooseFont();
    // Selects every object touching rect (exclusive right and bottom); with shift, toggles them in the
    // selection.
    void SelectByRect(const QRect& rect, bool shift);
    // Moves and sizes one object to rect (card units) as one undo step, "Move" or "Resize"; the selection
    // frame follows. False when nothing changed: the object is locked or gone, or already has that box.
    bool SetObjectBounds(TKGraphicControl* object, const QRect& rect);

    // ---- Card files ----
    // Writes the objects. False with the message on failure.
    bool SaveToFile(const QString& fileName, QString* error = nullptr);
    // Adds the objects of a card file (objects already on the panel stay); the reader's result.
    ReadResult LoadFromFile(const QString& fileName);
    void ClearAll();
    // Pulls objects that lie beyond the right or bottom edge back onto the card.
    void KeepObjectsOnCard();
    // Objects that lie beyond the right or bottom edge or have no area: nothing of them shows on the card.
    int OffCardObjectCount() const;
    // Frees those objects, as one undo step.
    void RemoveOffCardObjects();
    // Puts a new object on the panel at rect, named "Special" plus a free number, at least 10 x 15.
    TKGraphicControl* PlaceObject(std::unique_ptr<TKGraphicControl> object, const QRect& rect);

    QString ClipboardFile() const { return mClipboardFile; }
    QString TempFile() const { return mTempFile; }

    // Runs a frame rebuild that objects asked for (see PanelView::PostFrameRecompute).
    void RunPendingFrameRecompute();
    void InvalidatePanel();

    // ---- ObjectHost ----
    int PanelWidth() const override { return mCard.Width(); }
    int PanelHeight() const override { return mCard.Height(); }
    void InvalidateObject(TKGraphicControl* object) override;
    void PostFrameRecompute() override;
    bool IsSelected(const TKGraphicControl* object) const override;
    void Deselect(TKGraphicControl* object) override;
    TKCardObjects* Objects() override { return &mCard.Objects(); }
    TKDialogs* Dialogs() override { return mDialogs; }
    void Select(TKGraphicControl* object) override;
    void ClearSelection() override;
    void ClipboardCut(TKGraphicControl* object) override { Cut(object); }
    void ClipboardCopy(TKGraphicControl* object) override { Copy(object); }
    void ClipboardDelete(TKGraphicControl* object) override { Delete(object); }
    TKGraphicControl* Duplicate(const TKGraphicControl& object) override;
    // Rewires every object to the panel.
    void HookObjects() override;
    void ProcessEvents() override;

    // Raises the card's change signal (an undo step, then LabelChangedEvent).
    void NotifyChanged();

protected:
    // Drawing mode: a rubber band ended; the subclass creates the object for the rectangle.
    virtual void CreateObject(const QRect& /*rect*/) {}

private:
    // The selection frame's view of the panel.
    class FrameHost final : public HandleHost
    {
    public:
        explicit FrameHost(TKBasePanel& panel) : mPanel(panel) {}
        int PanelWidth() const override { return mPanel.Width(); }
        int PanelHeight() const override { return mPanel.Height(); }
        bool Pointing() const override { return mPanel.mPointing; }
        double Zoom() const override { return mPanel.mZoom; }
        TKCardObjects& Objects() override { return mPanel.CardObjects(); }
        void SetCursorShape(TKCursorShape shape) override { mPanel.SetCursorShape(shape); }
        void InvalidatePanel() override { mPanel.InvalidateFrame(); }
        void SelectionChanged() override { mPanel.TellSelectionWatchers(); }
        void PopupObjectMenu(TKGraphicControl* object, QPoint screenPos) override;
        void PopupPanelMenu(QPoint screenPos) override { mPanel.PopupPanelMenu(screenPos); }
        void FrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            QPoint framePoint) override;
        void FrameMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                          QPoint framePoint) override;
        void FrameDoubleClick(QPoint screenPos) override;
        void FrameKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
        void ForwardPress(QPoint panelPoint, Qt::MouseButton button, QPoint screenPos) override;
        void ForwardRelease(QPoint panelPoint, Qt::MouseButton button) override;

    private:
        TKBasePanel& mPanel;
    };

    // Who receives a mouse event.
    enum class Target
    {
        None,
        Frame,
        Object,
        Panel
    };
    struct Hit
    {
        Target target = Target::None;
        TKGraphicControl* object = nullptr;
    };

    Hit HitTest(QPoint point, bool includeFrame) const;
    TKGraphicControl* ObjectAt(QPoint point) const;
    bool Alive(const TKGraphicControl* object) const;
    void BeginEvent(qint64 nowMs);
    void EndEvent();
    void SetCursorShape(TKCursorShape shape);
    void PopupPanelMenu(QPoint screenPos);
    void PopupObjectMenu(TKGraphicControl* object, QPoint screenPos);
    void BuildMenu();
    void UpdateMenu();
    void InvalidateBand();
    void InvalidateFrame();
    void InvalidateOutline(const QRect& drawn);

    void PanelMouseDown(QPoint point, Qt::MouseButton button, QPoint screenPos);
    void PanelMouseMove(QPoint point);
    void PanelMouseUp(QPoint point, Qt::KeyboardModifiers modifiers);
    void PanelKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool AccessKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void ObjectMouseDown(TKGraphicControl* object, QPoint point, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers, QPoint screenPos);
    void ObjectMouseMove(TKGraphicControl* object, QPoint point);
    void ObjectDoubleClick(TKGraphicControl* object, QPoint screenPos);
    void MoveTo(const Hit& hit, QPoint point, Qt::MouseButtons buttons);
    void Leave(const Hit& hit);
    void PaintGrid(QPainter& painter);
    void TellSelectionWatchers();

    FrameHost mFrameHost{*this};
    int mEventDepth = 0;
    CardModel mCard{this};
    CardHistory mHistory{mCard};
    TKHandle mHandle{mFrameHost};
    std::unique_ptr<TKMenu> mMenu;
    PanelView* mView = nullptr;
    TKDialogs* mDialogs = nullptr;

    bool mPointing = true;
    bool mDrawOutline = false;
    TGridSize mGridSize = gs4x4;
    bool mShowGrid = false;
    bool mSnapToGrid = false;
    bool mShowPrintGuides = false;
    TKFont mFont;

    float mZoom = 1.0f;
    bool mFramePending = false;

    // Mouse routing: the target of the press in progress, and the target under a hovering mouse.
    Hit mGrab;
    Hit mHover;
    QPoint mLastPoint;
    qint64 mNowMs = 0;
    // Escape cleared the selection: the next Tab leaves the card.
    bool mTabLeaves = false;
    bool mInObjectDoubleClick = false;

    // What the selection frame looked like when it last asked for a repaint.
    struct FrameState
    {
        bool visible = false;
        QRect bounds;
        QRect band;
        std::vector<TKGraphicControl*> selection;
    };
    FrameState mPaintedFrame;

    bool mBandActive = false;
    QPoint mBandStart, mBandEnd;

    std::vector<std::function<void()>> mSelectionWatchers;

    bool mPasted = false;
    qint64 mLastPasteMs = 0;
    QString mClipboardFile;
    QString mTempFile;
};

} // namespace qm

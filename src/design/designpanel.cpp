// TKBasePanel: the design surface's logic: painting, mouse routing, the panel menu, clipboard and card files.
#include "design/designpanel.h"

#include "model/cardrender.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "files/streamwriter.h"
#include "platform/paths.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace qm {

// A background picture decoded once per change of its data.
namespace {

const QColor kGridGreen(0x00, 0x80, 0x00);

// The 8 x 8 grid pattern: green dots where x mod step = 2 and y mod step = 2. White elsewhere for the AND
// raster operation, transparent where the painter cannot combine colours that way.
const QImage& GridPattern(int step, bool forRasterOp)
{
    static QImage patterns[2][2];
    QImage& image = patterns[step == 8 ? 1 : 0][forRasterOp ? 1 : 0];
    if (image.isNull()) {
        image = QImage(8, 8, QImage::Format_ARGB32);
        image.fill(forRasterOp ? QColor(Qt::white) : QColor(Qt::transparent));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (x % step == 2 && y % step == 2)
                    image.setPixelColor(x, y, kGridGreen);
            }
        }
    }
    return image;
}

bool HasRasterOps(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->hasFeature(QPaintEngine::RasterOpModes);
}

// The pixels a band over (l, t)-(r, b) covers, right and bottom exclusive; null when it draws nothing.
QRect BandPixels(int l, int t, int r, int b)
{
    if (r - l < 1 || b - t < 1)
        return QRect();
    return QRect(l, t, r - l, b - t);
}

// The frame's band holds the objects' box with its right and bottom edges as the last coordinates.
QRect FrameBandPixels(const QRect& band)
{
    return band.isNull() ? QRect() : BandPixels(band.left(), band.top(), band.right(), band.bottom());
}

// A dotted rectangle outline over these pixels; inverts what lies beneath where it can.
void DrawBand(QPainter& painter, const QRect& pixels)
{
    if (pixels.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    if (HasRasterOps(painter)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
    } else {
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    }
    painter.drawRect(pixels.x(), pixels.y(), pixels.width() - 1, pixels.height() - 1);
    painter.restore();
}

int RoundEven(double v)
{
    return int(std::nearbyint(v));
}

} // namespace

TKBasePanel::TKBasePanel()
    : mMenu(std::make_unique<TKMenu>())
{
    // Snapping starts off with the steps of the grid size.
    mHandle.SetGridX(GridStep());
    mHandle.SetGridY(GridStep());
    mHandle.SetSnapToGrid(false);
    mClipboardFile = ProgramFile(QStringLiteral("Clipbrd.tmp"));
    mTempFile = ProgramFile(QStringLiteral("TempFile.tmp"));
    mCard.Picture().OnChange = [this] { InvalidatePanel(); };
    mCard.ColorPicture().OnChange = [this] { InvalidatePanel(); };
    // The card's one change signal: a step for undo, then whoever shows the card's state.
    mCard.Changed = [this] {
        mHistory.Touch();
        if (LabelChangedEvent)
            LabelChangedEvent();
    };
    BuildMenu();
}

TKBasePanel::~TKBasePanel()
{
    mView = nullptr;
    mHandle.ClearSelection();
    mCard.Objects().Clear();
    // Failures are of no interest: the files may not exist.
    QFile::remove(mClipboardFile);
    QFile::remove(mTempFile);
}

// ---- Properties ----

void TKBasePanel::SetDrawOutline(bool value)
{
    mDrawOutline = value;
    InvalidatePanel();
}

void TKBasePanel::SetShape(TLabelShapeType value)
{
    mCard.SetShape(value);
    InvalidatePanel();
}

void TKBasePanel::SetGridSize(TGridSize value)
{
    mGridSize = value;
    mHandle.SetGridX(GridStep());
    mHandle.SetGridY(GridStep());
    // Configuring the steps must not switch snapping on by itself.
    mHandle.SetSnapToGrid(mSnapToGrid);
    InvalidatePanel();
}

void TKBasePanel::SetShowGrid(bool value)
{
    mShowGrid = value;
    InvalidatePanel();
}

void TKBasePanel::SetSnapToGrid(bool value)
{
    mSnapToGrid = value;
    if (value) {
        mHandle.SetGridX(GridStep());
        mHandle.SetGridY(GridStep());
    }
    mHandle.SetSnapToGrid(value);
}

// ---- Size and zoom ----

void TKBasePanel::SetSize(int width, int height)
{
    if (QSize(width, height) == mCard.Size())
        return;
    mCard.SetSize(QSize(width, height));
    if (mView)
        mView->PanelResized(Size());
    InvalidatePanel();
}

void TKBasePanel::SetZoom(float factor)
{
    if (factor == Zoom() || !(factor > 0))
        return;
    mZooming = true;
    const float zoom = int(Zoom() * 10) == 0 ? 1.0f : Zoom();
    const double f = double(factor) / double(zoom);
    SetSize(RoundEven(Width() * f), RoundEven(Height() * f));
    mCard.SetScaleValue(factor);
    for (TKGraphicControl* object : CardObjects().Objects())
        object->SetScale(factor);
    ProcessEvents();
    mZooming = false;
    RunPendingFrameRecompute();
    InvalidatePanel();
}

// ---- Painting ----

QPainterPath TKBasePanel::CardClipPath() const
{
    return CardOutlinePath(mCard);
}

void TKBasePanel::PaintGrid(QPainter& painter)
{
    const bool rasterOp = HasRasterOps(painter);
    painter.save();
    painter.setClipPath(CardClipPath(), Qt::IntersectClip);
    painter.setBrushOrigin(0, 0);
    // Destination AND pattern: the dots darken what lies beneath, white leaves it alone.
    if (rasterOp)
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.fillRect(QRect(0, 0, Width() + 1, Height() + 1), QBrush(GridPattern(GridStep(), rasterOp)));
    painter.restore();
}

void TKBasePanel::Paint(QPainter& painter)
{
    Paint(painter, QRegion());
}

void TKBasePanel::Paint(QPainter& painter, const QRegion& exposed)
{
    const int w = Width(), h = Height();
    // The explicit layout step: labels settle their boxes before anything is drawn.
    LayOutObjects();
    painter.save();
    TRenderContext context;
    context.exposed = exposed;
    context.underObjects = [this, w, h](QPainter& p) {
        if (mDrawOutline) {
            p.setPen(QPen(Qt::black, 0, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            switch (mCard.Shape()) {
            case lsRectangle:
                p.drawRect(0, 0, w - 1, h - 1);
                break;
            case lsRoundRect:
                p.drawRoundedRect(QRect(0, 0, w - 1, h - 1), 12, 12);
                break;
            case lsEllipse:
                p.drawEllipse(QRect(0, 0, w - 1, h - 1));
                break;
            }
        }
        if (mShowGrid)
            PaintGrid(p);
    };
    DrawCard(painter, mCard, context);
    // Once shown (and its text laid out) an object's box has settled: the first check after loading
    // remembers it, so that the user's next move or resize counts as a change.
    for (TKGraphicControl* object : CardObjects().Objects())
        object->CheckBounds();

    if (mHandle.HasSelection())
        mHandle.Paint(painter);

    if (mBandActive) {
        const QRect band = RubberBand();
        DrawBand(painter,
                 BandPixels(band.left(), band.top(), band.left() + band.width(), band.top() + band.height()));
    }
    DrawBand(painter, FrameBandPixels(mHandle.BandRect()));
    painter.restore();
}

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

// A frame rebuild asked for before this event is due now, like a message posted before it; one asked for
// while the event is handled is due when it ends.
void TKBasePanel::BeginEvent(qint64 nowMs)
{
    mNowMs = nowMs;
    ++mEventDepth;
    RunPendingFrameRecompute();
}

void TKBasePanel::EndEvent()
{
    RunPendingFrameRecompute();
    if (mEventDepth == 0 || --mEventDepth > 0)
        return;
    // The user action is over: what it changed becomes one undo step, named after the menu item chosen or
    // the selection's move; a run of arrow-key nudges stays one step.
    const QString item = TKMenu::TakeTriggered();
    const QString change = mHandle.TakeChange();
    const bool nudged = mHandle.TakeNudged();
    mHistory.Commit(item.isEmpty() ? change : item, nudged && item.isEmpty() ? QStringLiteral("nudge") : QString());
}

void TKBasePanel::LayOutObjects()
{
    for (TKGraphicControl* object : CardObjects().Objects())
        object->PrepareLayout();
}

void TKBasePanel::MouseDown(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            QPoint screenPos, qint64 nowMs)
{
    BeginEvent(nowMs);
    mLastPoint = point;
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

void TKBasePanel::KeyDown(int key, Qt::KeyboardModifiers modifiers, qint64 nowMs)
{
    BeginEvent(nowMs);
    // The frame holds the keyboard while something is selected.
    if (mHandle.Visible() && mHandle.Enabled())
        mHandle.KeyDown(key, modifiers);
    else
        PanelKeyDown(key, modifiers);
    EndEvent();
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

// ---- The bare panel ----

QRect TKBasePanel::RubberBand() const
{
    if (!mBandActive)
        return QRect();
    const int l = std::min(mBandStart.x(), mBandEnd.x()), r = std::max(mBandStart.x(), mBandEnd.x());
    const int t = std::min(mBandStart.y(), mBandEnd.y()), b = std::max(mBandStart.y(), mBandEnd.y());
    return QRect(l, t, r - l, b - t);
}

void TKBasePanel::InvalidateBand()
{
    if (!mBandActive)
        return;
    const QRect band = RubberBand();
    InvalidateOutline(
        BandPixels(band.left(), band.top(), band.left() + band.width(), band.top() + band.height()));
}

void TKBasePanel::InvalidateOutline(const QRect& drawn)
{
    // Only the four edges: a band across the whole card must not repaint every object beneath it.
    if (!mView || drawn.isNull())
        return;
    const QRect r = drawn.adjusted(-2, -2, 2, 2);
    mView->InvalidateRect(QRect(r.left(), r.top(), r.width(), 5));
    mView->InvalidateRect(QRect(r.left(), r.bottom() - 4, r.width(), 5));
    mView->InvalidateRect(QRect(r.left(), r.top(), 5, r.height()));
    mView->InvalidateRect(QRect(r.right() - 4, r.top(), 5, r.height()));
}

void TKBasePanel::InvalidateFrame()
{
    if (!mView)
        return;
    // Repaint what changed since the frame last asked: its markers' area, its band's edges.
    FrameState now{mHandle.Visible(), mHandle.Bounds(), mHandle.BandRect(), mHandle.Selection()};
    const FrameState& old = mPaintedFrame;
    if (now.visible != old.visible || now.bounds != old.bounds || now.selection != old.selection) {
        if (old.visible)
            mView->InvalidateRect(old.bounds.adjusted(-1, -1, 1, 1));
        if (now.visible)
            mView->InvalidateRect(now.bounds.adjusted(-1, -1, 1, 1));
    }
    if (now.band != old.band) {
        InvalidateOutline(FrameBandPixels(old.band));
        InvalidateOutline(FrameBandPixels(now.band));
    }
    mPaintedFrame = std::move(now);
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
        if (object->OnEdit)
            object->OnEdit();
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
    m.AddItem(QStringLiteral("Bring To Front"), [this] { BringSelectionToFront(); });
    m.AddItem(QStringLiteral("Send To Back"), [this] { SendSelectionToBack(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Cut"), [this] { Cut(); });
    m.AddItem(QStringLiteral("Copy"), [this] { Copy(); });
    m.AddItem(QStringLiteral("Paste"), [this] { Paste(mNowMs); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Delete"), [this] { Delete(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Align Left"), [this] { AlignLefts(); });
    m.AddItem(QStringLiteral("Align Right"), [this] { AlignRights(); });
    m.AddItem(QStringLiteral("Align Tops"), [this] { AlignTops(); });
    m.AddItem(QStringLiteral("Align Bottoms"), [this] { AlignBottoms(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Center Vertically"), [this] { CenterSelectionVertically(); });
    m.AddItem(QStringLiteral("Center Horizontally"), [this] { CenterSelectionHorizontally(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Lock All"), [this] { LockAll(); });
    m.AddItem(QStringLiteral("Unlock All"), [this] { UnlockAll(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Mark All Selectable"), [this] { MarkAllSelectable(); });
    m.AddItem(QStringLiteral("Mark All Unselectable"), [this] { MarkAllUnselectable(); });
    m.AddItem(QStringLiteral("Select All"), [this] { SelectAll(); });
    m.AddSeparator();
    m.AddItem(QStringLiteral("Font"), [this] { ChooseFont(); });
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
    mHandle.BringSelectionToFront();
    NotifyChanged();
}

void TKBasePanel::SendSelectionToBack()
{
    mHandle.SendSelectionToBack();
    ClearSelection();
    NotifyChanged();
}

void TKBasePanel::Copy(TKGraphicControl* object)
{
    // Write failures leave the clipboard as it was; there is nobody to tell.
    if (object && !IsSelected(object)) {
        if (Alive(object))
            WriteOne(*object, mClipboardFile);
        return;
    }
    if (mHandle.HasSelection())
        WriteSelection(mHandle.Selection(), mClipboardFile);
}

void TKBasePanel::Cut(TKGraphicControl* object)
{
    Copy(object);
    Delete(object);
}

void TKBasePanel::Delete(TKGraphicControl* object)
{
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
    // One paste per second: a key held down or a double command gives one copy.
    if (mPasted && nowMs - mLastPasteMs < 1000)
        return false;
    if (!CanPaste())
        return false;
    const ReadResult read = ReadPasted(CardObjects(), mClipboardFile);
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
    for (TKGraphicControl* object : mHandle.Selection())
        object->CenterVertically();
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::CenterSelectionHorizontally()
{
    for (TKGraphicControl* object : mHandle.Selection())
        object->CenterHorizontally();
    InvalidatePanel();
    EndEvent();
}

void TKBasePanel::LockAll()
{
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (!object->Locked())
            object->SetLocked(true);
    }
}

void TKBasePanel::UnlockAll()
{
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (object->Locked())
            object->SetLocked(false);
    }
}

void TKBasePanel::MarkAllSelectable()
{
    for (TKGraphicControl* object : CardObjects().Objects())
        object->SetUnselectable(false);
}

void TKBasePanel::MarkAllUnselectable()
{
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
    const float zoom = Zoom();
    if (zoom != 1.0f)
        SetZoom(1.0f);
    for (TKGraphicControl* object : CardObjects().Objects())
        object->PrepareForSave();
    const bool ok = WriteAll(CardObjects(), fileName, error);
    SetZoom(zoom);
    return ok;
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

void TKBasePanel::RemoveOffCardObjects()
{
    ClearSelection();
    for (TKGraphicControl* object : CardObjects().Objects()) {
        if (object->Top() > Height() - 10 || object->Left() > Width() - 10 || object->Width() < 1 ||
            object->Height() < 1)
            CardObjects().Delete(object);
    }
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
    // The drawn rectangle is already in zoomed pixels.
    placed->AssignScale(Zoom());
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
        object->AssignScale(Zoom());
    }
}

// ---- Host services ----

void TKBasePanel::NotifyChanged()
{
    if (mZooming)
        return;
    mCard.NotifyChanged();
}

void TKBasePanel::LabelChanged(TKGraphicControl* /*sender*/)
{
    NotifyChanged();
}

void TKBasePanel::InvalidateObject(TKGraphicControl* object)
{
    if (mView && object)
        mView->InvalidateRect(object->BoundsRect().adjusted(-3, -3, 3, 3));
}

void TKBasePanel::InvalidatePanel()
{
    if (mView)
        mView->InvalidateRect(QRect(0, 0, Width(), Height()));
}

void TKBasePanel::PostFrameRecompute()
{
    const bool alreadyPending = mFramePending;
    mFramePending = true;
    if (mView && !alreadyPending)
        mView->PostFrameRecompute();
}

void TKBasePanel::RunPendingFrameRecompute()
{
    if (!mFramePending)
        return;
    mFramePending = false;
    mHandle.RecomputeFrame();
}

bool TKBasePanel::IsSelected(const TKGraphicControl* object) const
{
    return mHandle.IndexOf(object) >= 0;
}

void TKBasePanel::Deselect(TKGraphicControl* object)
{
    mHandle.Deselect(object);
}

void TKBasePanel::Select(TKGraphicControl* object)
{
    mHandle.Select(object, mNowMs);
}

void TKBasePanel::ClearSelection()
{
    mHandle.ClearSelection();
}

void TKBasePanel::ProcessEvents()
{
    if (mView)
        mView->ProcessEvents();
}

void TKBasePanel::SetCursorShape(TKCursorShape shape)
{
    if (mView)
        mView->SetCursorShape(shape);
}

} // namespace qm

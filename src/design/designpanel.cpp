// SPDX-License-Identifier: GPL-3.0-or-later
// TKBasePanel: construction, properties, size and zoom, painting and repainting, change notification and the
// undo history's event wiring. Mouse routing lives in designpanelmouse.cpp, the commands in
// designpanelcommands.cpp.
#include "design/designpanel.h"

#include "model/cardrender.h"
#include "model/objectmenu.h"
#include "model/printshoppage.h"
#include "platform/paths.h"

#include <QFile>
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
        TellSelectionWatchers();
    };
    // Undo and redo replace the card's objects: the panel lets go of the old ones and takes the new.
    mHistory.BeforeRestore = [this] { ClearAll(); };
    mHistory.AfterRestore = [this] {
        HookObjects();
        InvalidatePanel();
        TellSelectionWatchers();
    };
    BuildMenu();
}

TKBasePanel::~TKBasePanel()
{
    mSelectionWatchers.clear();
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

void TKBasePanel::SetShowPrintGuides(bool value)
{
    mShowPrintGuides = value;
    InvalidatePanel();
}

QPainterPath TKBasePanel::BleedAreaPath() const
{
    return CardBleedOutlinePath(mCard, MmToUnits(PrintShopPage::kDefaultBleedMm));
}

QPainterPath TKBasePanel::SafeAreaPath() const
{
    // The trim shrunk by the margin all round; a round corner keeps its centre.
    const double safe = MmToUnits(PrintShopPage::kSafeMarginMm);
    const QRectF inside = QRectF(0, 0, Width(), Height()).adjusted(safe, safe, -safe, -safe);
    QPainterPath path;
    if (inside.isEmpty())
        return path;
    switch (mCard.Shape()) {
    case lsRectangle:
        path.addRect(inside);
        break;
    case lsRoundRect: {
        const double radius = std::max(0.0, 12 - safe);
        path.addRoundedRect(inside, radius, radius);
        break;
    }
    case lsEllipse:
        path.addEllipse(inside);
        break;
    }
    return path;
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
        mView->PanelResized(ViewSize());
    InvalidatePanel();
}

void TKBasePanel::SetZoom(float factor)
{
    if (factor == mZoom || !(factor > 0))
        return;
    mZoom = factor;
    if (mView)
        mView->PanelResized(ViewSize());
    InvalidatePanel();
}

QSize TKBasePanel::ViewSize() const
{
    return QSize(int(std::lround(Width() * double(mZoom))), int(std::lround(Height() * double(mZoom))));
}

QRect TKBasePanel::ToView(const QRect& card) const
{
    if (mZoom == 1.0f || card.isNull())
        return card;
    const double z = mZoom;
    const int l = int(std::floor(card.left() * z)), t = int(std::floor(card.top() * z));
    const int r = int(std::ceil((card.left() + card.width()) * z)), b = int(std::ceil((card.top() + card.height()) * z));
    return QRect(l, t, r - l, b - t);
}

QPoint TKBasePanel::ToCard(QPointF view) const
{
    return QPoint(int(std::floor(view.x() / double(mZoom))), int(std::floor(view.y() / double(mZoom))));
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
    RenderContext context;
    if (mZoom == 1.0f) {
        context.exposed = exposed;
    } else {
        // The exposed screen pixels in card units, a unit wider where a pixel straddles two.
        for (const QRect& r : exposed) {
            const QPoint tl = ToCard(r.topLeft());
            const QPoint br = ToCard(QPointF(r.left() + r.width(), r.top() + r.height()));
            context.exposed += QRect(tl, br).adjusted(-1, -1, 1, 1);
        }
        painter.scale(mZoom, mZoom);
    }
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
    if (mShowPrintGuides) {
        // Over the objects, so that what comes too near the edge shows.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(0, 102, 204), 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(SafeAreaPath());
    }
    painter.restore();
    // Once shown (and its text laid out) an object's box has settled: the first check after loading
    // remembers it, so that the user's next move or resize counts as a change.
    for (TKGraphicControl* object : CardObjects().Objects())
        object->CheckBounds();

    // Markers and bands in screen pixels, whatever the zoom.
    if (mHandle.HasSelection())
        mHandle.Paint(painter);
    if (mBandActive) {
        const QRect band = RubberBand();
        DrawBand(painter, ToView(BandPixels(band.left(), band.top(), band.left() + band.width(),
                                            band.top() + band.height())));
    }
    DrawBand(painter, ToView(FrameBandPixels(mHandle.BandRect())));
}

void TKBasePanel::LayOutObjects()
{
    mCard.LayOutObjects();
}

// ---- Repainting ----

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

// ---- Event wiring and undo ----

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
    // A menu command may change the card without reporting it: the card is compared with the last step.
    if (!item.isEmpty())
        mHistory.Touch(item);
    mHistory.Commit(item.isEmpty() ? change : item, nudged && item.isEmpty() ? QStringLiteral("nudge") : QString());
}

// ---- Host services ----

void TKBasePanel::NotifyChanged()
{
    mCard.NotifyChanged();
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

void TKBasePanel::TellSelectionWatchers()
{
    for (const std::function<void()>& watcher : mSelectionWatchers)
        watcher();
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

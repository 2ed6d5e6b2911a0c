// SPDX-License-Identifier: GPL-3.0-or-later
// BasePanelWidget: the design panel widget, its menus and cursors.
#include "design/designpanel_ui.h"

#include "model/objectmenu.h"

#include <QAction>
#include <QApplication>
#include <QAccessible>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>
#include <vector>

namespace qm {

// ---- Cursors ----

namespace {

QPainterPath RoundedBar(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), w / 2, w / 2);
    return path;
}

// A white hand with a black outline on a 32 x 32 cursor.
QCursor HandCursor(bool pointing)
{
    QPainterPath hand;
    if (pointing) {
        // The index finger raised, the others folded into the palm.
        hand = RoundedBar(11, 1, 5, 17);
        hand = hand.united(RoundedBar(15.5, 10, 4.5, 9));
        hand = hand.united(RoundedBar(19.5, 11, 4.5, 9));
        hand = hand.united(RoundedBar(23.5, 12.5, 4, 9));
        QPainterPath palm;
        palm.addRoundedRect(QRectF(11, 14, 17, 15), 5, 5);
        hand = hand.united(palm);
        QPainterPath thumb;
        thumb.moveTo(12, 24);
        thumb.lineTo(5, 17);
        thumb.quadTo(3, 15, 5, 13.5);
        thumb.quadTo(7, 12.5, 9, 14.5);
        thumb.lineTo(13, 18);
        thumb.closeSubpath();
        hand = hand.united(thumb);
    } else {
        // An open hand, ready to take hold of the selection.
        hand = RoundedBar(8, 6, 4.5, 14);
        hand = hand.united(RoundedBar(12, 3, 4.5, 16));
        hand = hand.united(RoundedBar(16, 3.5, 4.5, 16));
        hand = hand.united(RoundedBar(20, 6, 4.5, 14));
        QPainterPath palm;
        palm.addRoundedRect(QRectF(8, 13, 16.5, 15), 5, 5);
        hand = hand.united(palm);
        QPainterPath thumb;
        thumb.moveTo(9, 25);
        thumb.lineTo(3, 17);
        thumb.quadTo(2, 14.5, 4, 14);
        thumb.quadTo(6, 13.5, 7.5, 15.5);
        thumb.lineTo(11, 19);
        thumb.closeSubpath();
        hand = hand.united(thumb);
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    p.end();
    return pointing ? QCursor(pixmap, 13, 1) : QCursor(pixmap, 16, 16);
}

// The picked item of a menu shown with proxies, so that an item may free its own menu when it runs.
struct MenuProxy
{
    QAction* proxy;
    QPointer<QAction> original;
};

void FillMenu(QMenu& target, TKMenu& menu, std::vector<MenuProxy>& proxies)
{
    menu.AboutToShow();
    for (int i = 0; i < menu.Count(); ++i) {
        const TKMenu::Entry& entry = menu.At(i);
        QAction* action = entry.action;
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            target.addSeparator();
        } else if (entry.submenu) {
            QMenu* sub = target.addMenu(action->text());
            sub->setEnabled(action->isEnabled());
            FillMenu(*sub, *entry.submenu, proxies);
        } else {
            QAction* proxy = target.addAction(action->text());
            proxy->setEnabled(action->isEnabled());
            proxy->setCheckable(action->isCheckable());
            proxy->setChecked(action->isChecked());
            proxies.push_back({proxy, action});
        }
    }
}

} // namespace

QCursor BasePanelWidget::CursorFor(TKCursorShape shape)
{
    switch (shape) {
    case TKCursorShape::HandGrab: {
        static const QCursor grab = HandCursor(false);
        return grab;
    }
    case TKCursorShape::HandPoint: {
        static const QCursor point = HandCursor(true);
        return point;
    }
    case TKCursorShape::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case TKCursorShape::SizeNESW:
        return Qt::SizeBDiagCursor;
    case TKCursorShape::SizeNS:
        return Qt::SizeVerCursor;
    case TKCursorShape::SizeWE:
        return Qt::SizeHorCursor;
    case TKCursorShape::NoDrop:
        return Qt::ForbiddenCursor;
    case TKCursorShape::Drag:
        // The drawing modes: a cross hair is what a Linux drawing program shows.
        return Qt::CrossCursor;
    case TKCursorShape::Default:
        break;
    }
    return Qt::ArrowCursor;
}

// ---- The widget ----

BasePanelWidget::BasePanelWidget(std::unique_ptr<TKBasePanel> panel, QWidget* parent)
    : QWidget(parent), mPanel(panel ? std::move(panel) : std::make_unique<TKBasePanel>()),
      mDialogs(StandardDialogs(this))
{
    mTimer.start();
    mPanel->SetView(this);
    mPanel->SetDialogs(mDialogs.get());
    setFixedSize(mPanel->ViewSize());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    //: The card being designed, as a screen reader names it.
    setAccessibleName(tr("Card design"));
    setAccessibleDescription(
        tr("Tab and Shift+Tab step through the objects, arrows move and Shift+arrows size "
           "the selected one, Enter opens it, Ctrl+Tab leaves the card."));
    RunMenu = [](QMenu& menu, QPoint at) { return menu.exec(at); };
    InstallPanelAccessibility();
    mPanel->WatchSelection([this] { AnnounceSelection(); });
}

BasePanelWidget::~BasePanelWidget()
{
    mPanel->SetView(nullptr);
    mPanel->SetDialogs(nullptr);
}

qint64 BasePanelWidget::Now() const
{
    // Never 0: the selection frame reads 0 as "no press".
    return mClock ? mClock() : mTimer.elapsed() + 1;
}

void BasePanelWidget::InvalidateRect(const QRect& rect)
{
    // Card units to screen pixels, with room for the markers and bands drawn in screen pixels around them.
    update(mPanel->ToView(rect).adjusted(-3, -3, 3, 3));
}

void BasePanelWidget::SetCursorShape(TKCursorShape shape)
{
    setCursor(CursorFor(shape));
}

void BasePanelWidget::ShowMenu(TKMenu& menu, QPoint screenPos)
{
    QMenu popup(this);
    std::vector<MenuProxy> proxies;
    FillMenu(popup, menu, proxies);
    QAction* picked = RunMenu ? RunMenu(popup, screenPos) : nullptr;
    if (!picked)
        return;
    for (const MenuProxy& p : proxies) {
        if (p.proxy == picked && p.original && p.original->isEnabled()) {
            p.original->trigger();
            return;
        }
    }
}

void BasePanelWidget::ProcessEvents()
{
    // Repaints only: user input must not reach the panel in the middle of a command.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BasePanelWidget::PanelResized(QSize viewSize)
{
    setFixedSize(viewSize);
    update();
}

void BasePanelWidget::PostFrameRecompute()
{
    if (mRecomputeQueued)
        return;
    mRecomputeQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mRecomputeQueued = false;
            mPanel->RunPendingFrameRecompute();
        },
        Qt::QueuedConnection);
}

QPoint BasePanelWidget::ScreenPoint(QPoint cardPoint) const
{
    return mapToGlobal(mPanel->ToView(QRect(cardPoint, QSize(1, 1))).topLeft());
}

void BasePanelWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    mPanel->Paint(painter, event->region());
    if (!hasFocus())
        return;
    // The keyboard is on the card: a focus frame along its edge, in the style's own way and a bold dashed
    // line in the highlight colour that shows on any card.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void BasePanelWidget::focusInEvent(QFocusEvent* event)
{
    // Tabbing onto a card with nothing selected takes the first object (Shift+Tab the last).
    if ((event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) &&
        !mPanel->Frame().HasSelection())
        mPanel->StepSelection(event->reason() == Qt::TabFocusReason);
    update();
    QWidget::focusInEvent(event);
    AnnounceSelection();
}

void BasePanelWidget::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

bool BasePanelWidget::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab step through the objects while there are objects to step to; then they leave.
    if (mPanel->StepSelection(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

void BasePanelWidget::AnnounceSelection()
{
    TKGraphicControl* object = mPanel->KeyObject();
    if (!hasFocus() || object == mAnnounced || !QAccessible::isActive()) {
        mAnnounced = hasFocus() ? object : nullptr;
        return;
    }
    mAnnounced = object;
    if (!object)
        return;
    const int index = mPanel->CardObjects().IndexOf(object);
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

void BasePanelWidget::mousePressEvent(QMouseEvent* event)
{
    mPanel->MouseDown(mPanel->ToCard(event->position()), event->button(), event->modifiers(),
                      event->globalPosition().toPoint(), Now());
}

void BasePanelWidget::mouseMoveEvent(QMouseEvent* event)
{
    mPanel->MouseMove(mPanel->ToCard(event->position()), event->buttons(), Now());
}

void BasePanelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    mPanel->MouseUp(mPanel->ToCard(event->position()), event->button(), event->modifiers(), Now());
}

void BasePanelWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt has already delivered the second press.
    mPanel->DoubleClick(mPanel->ToCard(event->position()), event->globalPosition().toPoint(), Now());
}

void BasePanelWidget::leaveEvent(QEvent* event)
{
    mPanel->MouseLeave();
    QWidget::leaveEvent(event);
}

namespace {
bool PanelKey(const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
        key == Qt::Key_Delete || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2 ||
        key == Qt::Key_Menu || key == Qt::Key_F10 || key == Qt::Key_Escape)
        return true;
    return (event->modifiers() & Qt::ControlModifier) &&
           (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X);
}
} // namespace

void BasePanelWidget::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab always leave the card, whatever is selected.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        (event->modifiers() & Qt::ControlModifier)) {
        const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        QWidget::focusNextPrevChild(!back);
        event->accept();
        return;
    }
    if (!PanelKey(event) || !mPanel->KeyDown(event->key(), event->modifiers(), Now())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BasePanelWidget::keyReleaseEvent(QKeyEvent* event)
{
    mPanel->KeyUp(event->key(), Now());
    QWidget::keyReleaseEvent(event);
}

} // namespace qm

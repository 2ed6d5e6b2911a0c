// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping every window and dialog on the available area of its screen.
#include "app/screenkeeper_ui.h"

#include "platform/screenfit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace qm {

namespace {

bool IsPlacedWindow(const QWidget* widget)
{
    if (!widget->isWindow())
        return false;
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
    case Qt::SplashScreen:
        return true;
    default:
        return false; // menus, tool tips and the like place themselves
    }
}

class TScreenKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (IsPlacedWindow(widget))
                FitWindowOnScreen(widget);
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<TScreenKeeper> gKeeper;

// A title bar the window manager has not drawn yet is taken as this tall.
constexpr int kUnknownTitleBar = 32;

} // namespace

bool ScrollWhenTooLarge(QDialog* dialog, QSize room)
{
    QLayout* layout = dialog ? dialog->layout() : nullptr;
    if (!layout || dialog->property("qmScrolled").toBool())
        return false;
    const QSize least = layout->totalMinimumSize();
    if (least.width() <= room.width() && least.height() <= room.height())
        return false;
    dialog->setProperty("qmScrolled", true);
    // The dialog's layout and everything in it move onto a page inside a scrolling area that fills the dialog.
    auto* page = new QWidget;
    page->setLayout(layout);
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("DialogScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    scroll->setAccessibleName(dialog->windowTitle());
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    dialog->setMinimumSize(0, 0);
    // As large as the page asks, scroll bars included, within the room.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    const QSize wanted = page->sizeHint() + QSize(bar, bar);
    dialog->resize(wanted.boundedTo(room));
    return true;
}

void FitWindowOnScreen(QWidget* window)
{
    if (!window || (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame is known once the window has been on screen.
    const QRect inner = window->geometry(), outer = window->frameGeometry();
    const QMargins margins = outer == inner ? QMargins()
                                            : QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
    // A dialog whose contents need more than the screen has scrolls them.
    const QMargins reserve = margins.isNull() ? QMargins(0, kUnknownTitleBar, 0, 0) : margins;
    ScrollWhenTooLarge(qobject_cast<QDialog*>(window), available.size().shrunkBy(reserve));
    QRect bounds = window->geometry();
    // A dialog not placed yet would be centred over its window once shown: fitted there, not where it is now.
    QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (qobject_cast<QDialog*>(window) && !window->testAttribute(Qt::WA_Moved) && owner)
        bounds.moveCenter(owner->geometry().center());
    const QRect fitted = FitOnScreen(bounds, available, margins);
    if (fitted == window->geometry())
        return;
    window->setGeometry(fitted);
    // Held larger by what it holds: at least its top-left corner (title, first controls) on the screen.
    if (window->width() > fitted.width() || window->height() > fitted.height())
        window->move(std::max(available.left(), std::min(fitted.left(), available.right() + 1 - window->width())),
                     std::max(available.top(), std::min(fitted.top(), available.bottom() + 1 - window->height())));
}

void KeepWindowsOnScreen()
{
    if (gKeeper || !qApp)
        return;
    gKeeper = new TScreenKeeper(qApp);
    qApp->installEventFilter(gKeeper);
}

} // namespace qm

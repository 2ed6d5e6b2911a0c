// SPDX-License-Identifier: GPL-3.0-or-later
// The position and size panel docked beside the card, with its switch in the View menu.
#include "app/positiondock_ui.h"

#include "design/positionpanel_ui.h"
#include "settings/preferences.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qm {

namespace {

// The window's View menu (found by its object name, its title being in the user's language), made before
// `before` (at the end when null) when there is none yet.
QMenu* ViewMenu(QMainWindow& window, QMenu* before)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (QMenu* menu = action->menu(); menu && menu->objectName() == QLatin1String("ViewMenu"))
            return menu;
    }
    auto* menu = new QMenu(QCoreApplication::translate("qm::TMainScreen", "&View"), window.menuBar());
    menu->setObjectName(QStringLiteral("ViewMenu"));
    if (before)
        window.menuBar()->insertMenu(before->menuAction(), menu);
    else
        window.menuBar()->addMenu(menu);
    return menu;
}

} // namespace

TPositionPanel* AddPositionDock(QMainWindow& window, TKBasePanel& panel, QMenu* before,
                                const Preferences& prefs)
{
    auto* dock =
        new QDockWidget(QCoreApplication::translate("qm::PositionDock", "Position and Size"), &window);
    dock->setObjectName(QStringLiteral("PositionDock"));
    dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    auto* positions = new TPositionPanel(panel, dock);
    dock->setWidget(positions);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);

    QAction* toggle = dock->toggleViewAction();
    toggle->setText(QCoreApplication::translate("qm::PositionDock", "&Position and Size"));
    toggle->setObjectName(QStringLiteral("mnuPositionAndSize"));
    toggle->setWhatsThis(QCoreApplication::translate(
        "qm::PositionDock", "Shows or hides the panel of the selected object's position and size, "
                            "typed exactly in inches or millimetres (Alt+X, Alt+Y, Alt+W and Alt+G "
                            "go to its boxes)."));
    QMenu* view = ViewMenu(window, before);
    if (!view->isEmpty())
        view->addSeparator();
    view->addAction(toggle);

    const QString key = QStringLiteral("PositionAndSize");
    dock->setVisible(prefs.LoadPanelShown(key));
    // Shown or hidden by the user (the menu, the dock's own close button); closing the window leaves the
    // switch as it is. A settings file that cannot be written only forgets the choice.
    QObject::connect(toggle, &QAction::toggled, dock, [&window, path = prefs.Path(), key](bool shown) {
        if (window.isVisible())
            Preferences(path).SavePanelShown(key, shown);
    });
    return positions;
}

} // namespace qm

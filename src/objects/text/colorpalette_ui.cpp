// SPDX-License-Identifier: GPL-3.0-or-later
// The colour buttons of the text objects' dialogs.
#include "objects/text/colorpalette_ui.h"

#include "model/colors.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QWidgetAction>

namespace qm {

namespace {

// The colours offered at once, four rows of five.
constexpr TColor kPalette[20] = {16777215, 255,      65280,    16711680, 12572607, 0,        127,
                                 32512,    8323072,  15712159, 12566463, 65535,    16776960, 16711935,
                                 15726591, 8355711,  32639,    8355584,  8323199,  10461087};

} // namespace

QIcon ColorSwatch(TColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

QToolButton* PaletteButton(QWidget* parent, const char* name, std::function<void(TColor)> apply,
                           std::function<TColor()> current, std::function<bool(TColor&)> chooseColor)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMinimumWidth(60);
    auto* menu = new QMenu(button);
    auto* action = new QWidgetAction(menu);
    auto* palette = new QWidget(menu);
    auto* grid = new QGridLayout(palette);
    for (int i = 0; i < 20; ++i) {
        auto* swatch = new QToolButton(palette);
        swatch->setIcon(ColorSwatch(kPalette[i]));
        swatch->setAutoRaise(true);
        //: A colour of the palette, as a screen reader names it by its hexadecimal value.
        swatch->setAccessibleName(
            QCoreApplication::translate("qm::ColorPalette", "Colour %1").arg(ToQColor(kPalette[i]).name()));
        const TColor color = kPalette[i];
        QObject::connect(swatch, &QToolButton::clicked, button, [menu, apply, color] {
            menu->close();
            apply(color);
        });
        grid->addWidget(swatch, i / 5, i % 5);
    }
    //: Opens the colour chooser for a colour not in the palette.
    auto* other = new QPushButton(QCoreApplication::translate("qm::ColorPalette", "&Other"), palette);
    QObject::connect(other, &QPushButton::clicked, button, [menu, apply, current, chooseColor] {
        menu->close();
        TColor color = current();
        if (chooseColor && chooseColor(color))
            apply(color);
    });
    grid->addWidget(other, 4, 0, 1, 5);
    action->setDefaultWidget(palette);
    menu->addAction(action);
    button->setMenu(menu);
    return button;
}

} // namespace qm

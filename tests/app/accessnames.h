// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of a window that a screen reader would read out without a name.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

namespace qmtest {

// Buttons, lists, boxes, sliders and text fields showing in the window whose accessible name is empty
// (scroll bars, table headers and the parts of spin and combo boxes left out), as "class objectName".
inline QStringList UnnamedControls(const QWidget* window)
{
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || qobject_cast<QScrollBar*>(w) ||
            w->inherits("QHeaderView"))
            continue;
        const QWidget* parent = w->parentWidget();
        const bool part = parent && (parent->inherits("QAbstractSpinBox") || parent->inherits("QComboBox"));
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QAbstractSlider*>(w) || qobject_cast<QTextEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || (qobject_cast<QLineEdit*>(w) && !part);
        if (!control || part)
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() +
                           QStringLiteral(" \"") + w->toolTip().left(30) + QLatin1Char('"');
    }
    return unnamed;
}

} // namespace qmtest

// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of a window that a screen reader would read out without a name, and menu items without an
// access key of their own.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QMap>
#include <QMenu>
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

// The access key of a caption ("Save &As..." gives 'a'); a null character when it has none.
inline QChar AccessKey(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i; // "&&" is an ampersand
    }
    return QChar();
}

// Items of a menu (or of the menu bar) without an access key, or sharing one with another item.
inline QStringList AccessKeyFaults(const QList<QAction*>& items)
{
    QStringList faults;
    QMap<QChar, QString> taken;
    for (const QAction* item : items) {
        if (item->isSeparator() || !item->isVisible())
            continue;
        const QChar key = AccessKey(item->text());
        if (key.isNull())
            faults << QStringLiteral("no key: ") + item->text();
        else if (taken.contains(key))
            faults << QStringLiteral("'%1' twice: %2, %3").arg(key).arg(taken[key], item->text());
        taken[key] = item->text();
        if (item->menu())
            faults << AccessKeyFaults(item->menu()->actions());
    }
    return faults;
}

} // namespace qmtest

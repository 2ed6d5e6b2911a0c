// SPDX-License-Identifier: GPL-3.0-or-later
// The design panel as screen readers see it: "Card design", with one child per object of the card.
#include "design/designpanel_ui.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <map>

namespace qm {

namespace {

class PanelAccessible;

// One object of the card: its kind and text, its box on the screen, whether it is selected and has the
// keyboard. Holds the object only while the card holds it.
class ObjectAccessible : public QAccessibleInterface
{
public:
    ObjectAccessible(PanelAccessible* panel, BasePanelWidget* widget, TKGraphicControl* object)
        : mPanel(panel), mWidget(widget), mObject(object)
    {}

    int Index() const { return mWidget ? mWidget->Panel().CardObjects().IndexOf(mObject) : -1; }

    bool isValid() const override { return Index() >= 0; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return mWidget->Panel().ObjectTitle(*mObject);
        if (t == QAccessible::Description && mObject->Locked())
            return QCoreApplication::translate("qm::TPositionEdit", "Locked", "object state");
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect view = mWidget->Panel().ToView(mObject->BoundsRect());
        return QRect(mWidget->mapToGlobal(view.topLeft()), view.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const TKBasePanel& panel = mWidget->Panel();
        s.selectable = !mObject->Unselectable();
        s.focusable = s.selectable;
        s.selected = panel.IsSelected(mObject);
        s.focused = mWidget->hasFocus() && panel.KeyObject() == mObject;
        s.active = s.focused;
        if (!mWidget->isVisible())
            s.invisible = true;
        return s;
    }

private:
    PanelAccessible* mPanel;
    QPointer<BasePanelWidget> mWidget;
    TKGraphicControl* mObject;
};

class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(BasePanelWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Canvas,
                            QCoreApplication::translate("qm::BasePanelWidget", "Card design"))
    {}
    ~PanelAccessible() override
    {
        for (const auto& [object, id] : mChildren)
            QAccessible::deleteAccessibleInterface(id);
    }

    BasePanelWidget* Widget() const { return static_cast<BasePanelWidget*>(widget()); }

    int childCount() const override { return Widget()->Panel().CardObjects().Count(); }

    QAccessibleInterface* child(int index) const override
    {
        const TKCardObjects& objects = Widget()->Panel().CardObjects();
        if (index < 0 || index >= objects.Count())
            return nullptr;
        ForgetGoneObjects();
        TKGraphicControl* object = objects.At(index);
        auto& children = const_cast<std::map<const TKGraphicControl*, QAccessible::Id>&>(mChildren);
        const auto it = children.find(object);
        if (it != children.end())
            return QAccessible::accessibleInterface(it->second);
        auto* child = new ObjectAccessible(const_cast<PanelAccessible*>(this), Widget(), object);
        children[object] = QAccessible::registerAccessibleInterface(child);
        return child;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            const auto it = mChildren.find(Widget()->Panel().CardObjects().At(i));
            if (it != mChildren.end() && QAccessible::accessibleInterface(it->second) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        // The topmost object under the point.
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* c = child(i);
            if (c && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const TKBasePanel& panel = Widget()->Panel();
        if (!Widget()->hasFocus() || !panel.KeyObject())
            return nullptr;
        return child(panel.CardObjects().IndexOf(panel.KeyObject()));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QCoreApplication::translate("qm::BasePanelWidget", "Card design");
        return QAccessibleWidget::text(t);
    }

private:
    // Objects taken off the card leave their interfaces behind: they go here.
    void ForgetGoneObjects() const
    {
        auto& children = const_cast<std::map<const TKGraphicControl*, QAccessible::Id>&>(mChildren);
        for (auto it = children.begin(); it != children.end();) {
            if (Widget()->Panel().CardObjects().IndexOf(it->first) < 0) {
                QAccessible::deleteAccessibleInterface(it->second);
                it = children.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::map<const TKGraphicControl*, QAccessible::Id> mChildren;
};

QWindow* ObjectAccessible::window() const
{
    return mPanel ? mPanel->window() : nullptr;
}

QAccessibleInterface* ObjectAccessible::parent() const
{
    return mPanel;
}

QAccessibleInterface* PanelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("qm::BasePanelWidget") && object && object->isWidgetType())
        return new PanelAccessible(static_cast<BasePanelWidget*>(object));
    return nullptr;
}

} // namespace

void InstallPanelAccessibility()
{
    // Installing twice does nothing.
    QAccessible::installFactory(PanelFactory);
}

namespace {
// In place before the first widget is made: an interface asked for while a panel is being built (a screen
// reader that listens as windows appear) is then the panel's own.
const bool gPanelAccessibility = (InstallPanelAccessibility(), true);
} // namespace

} // namespace qm

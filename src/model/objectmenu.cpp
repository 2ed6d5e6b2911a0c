// SPDX-License-Identifier: GPL-3.0-or-later
// TKMenu: a right-click menu declared as actions.
#include "model/objectmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QStringList>

namespace qm {

namespace {

QString gTriggered;

// A caption as a step name: no accelerator marks, nothing after a tab, no trailing dots.
QString StepName(const QString& caption)
{
    QString s = caption.section(QLatin1Char('\t'), 0, 0);
    s.remove(QLatin1Char('&'));
    while (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s.trimmed();
}

// Captions are shown as given, user text included ("Smith & Sons"): the action's text doubles every "&" so
// that none becomes an accelerator mark.
QString ShownText(const QString& caption)
{
    QString s = caption;
    return s.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString TKMenu::TakeTriggered()
{
    QString caption;
    caption.swap(gTriggered);
    return caption;
}

TKMenu::TKMenu() = default;

TKMenu::~TKMenu() { Clear(); }

void TKMenu::Clear()
{
    for (Entry& e : mEntries)
        delete e.action;
    mEntries.clear();
}

QAction* TKMenu::AddItem(const char* caption, std::function<void()> onClick)
{
    const QString key = QString::fromUtf8(caption);
    return AddItemAs(key, QCoreApplication::translate(kContext, caption), std::move(onClick));
}

QAction* TKMenu::AddItem(const QString& caption, std::function<void()> onClick)
{
    return AddItemAs(caption, caption, std::move(onClick));
}

QAction* TKMenu::AddItemAs(const QString& caption, const QString& shown, std::function<void()> onClick)
{
    if (caption == QLatin1String("-")) {
        AddSeparator();
        return mEntries.back().action;
    }
    auto* action = new QAction(ShownText(shown));
    if (onClick)
        QObject::connect(action, &QAction::triggered, action, [this, shown, onClick] {
            // An item of a submenu names its step after the submenu ("Line Thickness", not "3 Point").
            gTriggered = mStepName.isEmpty() ? StepName(shown) : mStepName;
            onClick();
        });
    mEntries.push_back({action, nullptr, caption});
    return action;
}

QAction* TKMenu::AddCheckItem(const char* caption, std::function<void()> onClick)
{
    QAction* action = AddItem(caption, std::move(onClick));
    action->setCheckable(true);
    return action;
}

QAction* TKMenu::AddCheckItem(const QString& caption, std::function<void()> onClick)
{
    QAction* action = AddItem(caption, std::move(onClick));
    action->setCheckable(true);
    return action;
}

void TKMenu::AddSeparator()
{
    auto* action = new QAction();
    action->setSeparator(true);
    mEntries.push_back({action, nullptr, QStringLiteral("-")});
}

TKMenu* TKMenu::AddSubmenu(const char* caption)
{
    return AddSub(QString::fromUtf8(caption), QCoreApplication::translate(kContext, caption));
}

TKMenu* TKMenu::AddSubmenu(const QString& caption)
{
    return AddSub(caption, caption);
}

TKMenu* TKMenu::AddSub(const QString& caption, const QString& shown)
{
    auto* action = new QAction(ShownText(shown));
    mEntries.push_back({action, std::make_unique<TKMenu>(), caption});
    TKMenu* sub = mEntries.back().submenu.get();
    sub->mStepName = mStepName.isEmpty() ? StepName(shown) : mStepName;
    return sub;
}

QStringList TKMenu::Captions() const
{
    QStringList out;
    for (const Entry& e : mEntries)
        out << e.caption;
    return out;
}

QAction* TKMenu::Find(const QString& path) const
{
    const int slash = int(path.indexOf(QLatin1Char('/')));
    const QString head = slash < 0 ? path : path.left(slash);
    for (const Entry& e : mEntries) {
        if (e.action->isSeparator() || e.caption != head)
            continue;
        if (slash < 0)
            return e.action;
        if (e.submenu)
            return e.submenu->Find(path.mid(slash + 1));
    }
    return nullptr;
}

TKMenu* TKMenu::Submenu(const QString& caption) const
{
    for (const Entry& e : mEntries) {
        if (e.submenu && e.caption == caption)
            return e.submenu.get();
    }
    return nullptr;
}

void TKMenu::AboutToShow()
{
    if (OnPopup)
        OnPopup();
}

bool TKMenu::Trigger(const QString& path)
{
    AboutToShow();
    const int slash = int(path.indexOf(QLatin1Char('/')));
    if (slash >= 0) {
        if (TKMenu* sub = Submenu(path.left(slash)))
            return sub->Trigger(path.mid(slash + 1));
        return false;
    }
    QAction* action = Find(path);
    if (!action || !action->isEnabled() || !action->isVisible())
        return false;
    action->trigger();
    return true;
}

} // namespace qm

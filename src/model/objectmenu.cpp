// SPDX-License-Identifier: GPL-3.0-or-later
// TKMenu: a right-click menu declared as actions.
#include "model/objectmenu.h"

#include <QAction>
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

QString CaptionOf(const QAction* action)
{
    QString s = action->text();
    return s.replace(QStringLiteral("&&"), QStringLiteral("&"));
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

QAction* TKMenu::AddItem(const QString& caption, std::function<void()> onClick)
{
    if (caption == QLatin1String("-")) {
        AddSeparator();
        return mEntries.back().action;
    }
    auto* action = new QAction(ShownText(caption));
    if (onClick)
        QObject::connect(action, &QAction::triggered, action, [this, caption, onClick] {
            // An item of a submenu names its step after the submenu ("Line Thickness", not "3 Point").
            gTriggered = mCaption.isEmpty() ? StepName(caption) : mCaption;
            onClick();
        });
    mEntries.push_back({action, nullptr});
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
    mEntries.push_back({action, nullptr});
}

TKMenu* TKMenu::AddSubmenu(const QString& caption)
{
    auto* action = new QAction(ShownText(caption));
    mEntries.push_back({action, std::make_unique<TKMenu>()});
    TKMenu* sub = mEntries.back().submenu.get();
    sub->mCaption = mCaption.isEmpty() ? StepName(caption) : mCaption;
    return sub;
}

QStringList TKMenu::Captions() const
{
    QStringList out;
    for (const Entry& e : mEntries)
        out << (e.action->isSeparator() ? QStringLiteral("-") : CaptionOf(e.action));
    return out;
}

QAction* TKMenu::Find(const QString& path) const
{
    const int slash = int(path.indexOf(QLatin1Char('/')));
    const QString head = slash < 0 ? path : path.left(slash);
    for (const Entry& e : mEntries) {
        if (e.action->isSeparator() || CaptionOf(e.action) != head)
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
        if (e.submenu && CaptionOf(e.action) == caption)
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

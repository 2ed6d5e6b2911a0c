// SPDX-License-Identifier: GPL-3.0-or-later
// TKMenu: a right-click menu declared by card objects and panels as actions; the window shows it as a popup.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace qm {

class TKMenu
{
public:
    struct Entry
    {
        QAction* action = nullptr;       // the item (a separator is an action too)
        std::unique_ptr<TKMenu> submenu; // set for a submenu item
        QString caption;                 // what the program finds the item by: its untranslated caption
    };

    // The translation context of the captions menus translate themselves: mark them with
    // QT_TRANSLATE_NOOP("qm::ObjectMenu", "...").
    static constexpr const char* kContext = "qm::ObjectMenu";

    TKMenu();
    ~TKMenu();
    TKMenu(const TKMenu&) = delete;
    TKMenu& operator=(const TKMenu&) = delete;

    // Appends an item; "-" appends a separator. A caption given as const char* is the program's own English
    // text (marked QT_TRANSLATE_NOOP("qm::ObjectMenu", ...)): the item shows its translation and is found by
    // the English. A caption given as QString (a user's own text) is shown as it is. Either way captions are
    // plain text: an "&" in one is no accelerator mark.
    QAction* AddItem(const char* caption, std::function<void()> onClick = {});
    QAction* AddItem(const QString& caption, std::function<void()> onClick = {});
    // An item found by caption that shows `shown` (a translated name followed by a user's value).
    QAction* AddItemAs(const QString& caption, const QString& shown, std::function<void()> onClick = {});
    QAction* AddCheckItem(const char* caption, std::function<void()> onClick = {});
    QAction* AddCheckItem(const QString& caption, std::function<void()> onClick = {});
    void AddSeparator();
    TKMenu* AddSubmenu(const char* caption);
    TKMenu* AddSubmenu(const QString& caption);
    void Clear();

    int Count() const { return int(mEntries.size()); }
    const Entry& At(int index) const { return mEntries[size_t(index)]; }
    // The untranslated captions in order, separators as "-" (submenus as their caption).
    QStringList Captions() const;
    // Finds an item by its untranslated caption: "Alignment/Left" reaches into a submenu. nullptr when
    // absent.
    QAction* Find(const QString& path) const;
    TKMenu* Submenu(const QString& caption) const;
    // Runs the pre-show hook and triggers the item when it is enabled and visible; false otherwise.
    bool Trigger(const QString& path);

    // Run just before the menu is shown: refresh check marks and enabled states.
    std::function<void()> OnPopup;
    void AboutToShow();

    // The name of the last item the user chose, as shown, for the undo step it makes ("Line Color"; items of
    // a submenu give the submenu's caption); empty once taken.
    static QString TakeTriggered();

private:
    TKMenu* AddSub(const QString& caption, const QString& shown);

    std::vector<Entry> mEntries;
    QString mStepName; // a submenu's own caption as shown, naming the steps of its items
};

} // namespace qm

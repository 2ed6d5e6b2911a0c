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
    };

    TKMenu();
    ~TKMenu();
    TKMenu(const TKMenu&) = delete;
    TKMenu& operator=(const TKMenu&) = delete;

    // Appends an item; "-" appends a separator. Captions are plain text, shown as given: an "&" in one (a
    // user's own text) is no accelerator mark. Captions(), Find() and Submenu() take them the same way.
    QAction* AddItem(const QString& caption, std::function<void()> onClick = {});
    QAction* AddCheckItem(const QString& caption, std::function<void()> onClick = {});
    void AddSeparator();
    TKMenu* AddSubmenu(const QString& caption);
    void Clear();

    int Count() const { return int(mEntries.size()); }
    const Entry& At(int index) const { return mEntries[size_t(index)]; }
    // The captions in order, separators as "-" (submenus as their caption).
    QStringList Captions() const;
    // Finds an item by caption: "Alignment/Left" reaches into a submenu. nullptr when absent.
    QAction* Find(const QString& path) const;
    TKMenu* Submenu(const QString& caption) const;
    // Runs the pre-show hook and triggers the item when it is enabled and visible; false otherwise.
    bool Trigger(const QString& path);

    // Run just before the menu is shown: refresh check marks and enabled states.
    std::function<void()> OnPopup;
    void AboutToShow();

    // The name of the last item the user chose, for the undo step it makes ("Line Color"; items of a
    // submenu give the submenu's caption); empty once taken.
    static QString TakeTriggered();

private:
    std::vector<Entry> mEntries;
    QString mCaption; // a submenu's own caption
};

} // namespace qm

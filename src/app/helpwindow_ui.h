// SPDX-License-Identifier: GPL-3.0-or-later
// THelpWindow: the help pages bundled with the program, shown by context number or page name, and searched.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace qm {

class THelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // The page of a numbered help context; the contents page for a number without one.
    static QUrl PageForContext(int context);
    static QUrl ContentsPage();
    // A named page ("layout" for layout.html); the contents page when there is none of that name.
    static QUrl PageNamed(const QString& name);

    // Shows the window (brought forward when already open) at a page. Opened while a modal dialog is up, the
    // window belongs to that dialog until it closes, so that it can be used beside it.
    void ShowPage(const QUrl& page);
    void ShowContext(int context) { ShowPage(PageForContext(context)); }

    QTextBrowser* Browser() const { return mBrowser; }
    QLineEdit* SearchField() const { return mSearch; }
    // The pages listed for the words in the search field, best first.
    QStringList SearchResults() const;
    // The places on the page marked as the searched words: a page opened from the search results shows them;
    // any other page, and a new search, starts unmarked.
    int MarkedWords() const;

private:
    // Back to the window that made it, where it was.
    void ReturnToOwner();
    void Search(const QString& words);
    // Marks the searched words on the page shown, or takes every mark (and any selected text) away.
    void MarkSearchWords(bool mark);

    QTextBrowser* mBrowser = nullptr;
    QLineEdit* mSearch = nullptr;
    QListWidget* mResults = nullptr;
    QPointer<QWidget> mOwner;
    bool mOpeningResult = false; // the page about to show was picked in the search results
};

} // namespace qm

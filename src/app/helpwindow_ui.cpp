// SPDX-License-Identifier: GPL-3.0-or-later
// THelpWindow: a browser over the bundled help pages with back, forward, contents and a search.
#include "app/helpwindow_ui.h"

#include "app/helpsearch.h"
#include "platform/helptopics.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace qm {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Quillmark Help"));
    mBrowser = new QTextBrowser(this);
    mBrowser->setAccessibleName(tr("Help page"));
    // Links out of the help (web pages, mail) go to the desktop's own programs.
    mBrowser->setOpenExternalLinks(true);

    auto* back = new QPushButton(tr("&Back", "previous page"), this);
    auto* forward = new QPushButton(tr("&Forward", "next page"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* close = new QPushButton(tr("Close"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, mBrowser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { mBrowser->setSource(ContentsPage()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(mBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(tr("Quillmark Help - %1").arg(mBrowser->documentTitle()));
        // A page reached any other way than from the results is no longer the search's: its row is no longer
        // the chosen one and nothing on it is marked.
        if (!mOpeningResult) {
            const QSignalBlocker block(mResults);
            mResults->setCurrentRow(-1);
            mResults->clearSelection();
        }
        MarkSearchWords(mOpeningResult);
    });

    mSearch = new QLineEdit(this);
    mSearch->setObjectName(QStringLiteral("SearchEdit"));
    mSearch->setAccessibleName(tr("Search the help"));
    mSearch->setPlaceholderText(tr("Search the help"));
    mSearch->setClearButtonEnabled(true);
    mResults = new QListWidget(this);
    mResults->setObjectName(QStringLiteral("SearchResults"));
    mResults->setAccessibleName(tr("Pages found"));
    connect(mSearch, &QLineEdit::textChanged, this, &THelpWindow::Search);
    connect(mResults, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item)
            return;
        const QUrl page = HelpPageUrl(item->data(Qt::UserRole).toString());
        mOpeningResult = true;
        if (mBrowser->source() == page)
            MarkSearchWords(true);
        else
            mBrowser->setSource(page);
        mOpeningResult = false;
    });
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(mSearch);
    sideLayout->addWidget(mResults, 1);

    back->setWhatsThis(tr("Goes back to the page you read before."));
    forward->setWhatsThis(tr("Goes forward again after Back."));
    contents->setWhatsThis(tr("Shows the list of all help pages."));
    close->setWhatsThis(tr("Closes the help."));
    mSearch->setWhatsThis(tr("Type words to find: the list below shows the pages that contain all "
                             "of them, the best first. Click one to read it."));
    mResults->setWhatsThis(tr("The pages that contain the words you searched for."));
    mBrowser->setWhatsThis(tr("The help page. Click an underlined link to follow it."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(mBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 520});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(720, 480);
}

void THelpWindow::Search(const QString& words)
{
    MarkSearchWords(false);
    const QSignalBlocker block(mResults);
    mResults->clear();
    for (const HelpHit& hit : SearchHelp(words)) {
        auto* item = new QListWidgetItem(hit.Title, mResults);
        item->setData(Qt::UserRole, hit.Page);
    }
    if (!words.trimmed().isEmpty() && mResults->count() == 0) {
        auto* item = new QListWidgetItem(tr("No page has these words."), mResults);
        item->setFlags(Qt::NoItemFlags);
    }
}

QStringList THelpWindow::SearchResults() const
{
    QStringList pages;
    for (int i = 0; i < mResults->count(); ++i) {
        const QString page = mResults->item(i)->data(Qt::UserRole).toString();
        if (!page.isEmpty())
            pages << page;
    }
    return pages;
}

void THelpWindow::MarkSearchWords(bool mark)
{
    QTextCursor start = mBrowser->textCursor();
    start.clearSelection();
    start.movePosition(QTextCursor::Start);
    mBrowser->setTextCursor(start);
    QList<QTextEdit::ExtraSelection> marks;
    if (mark) {
        QTextCharFormat look;
        look.setBackground(QColor(255, 236, 130));
        const QStringList words = mSearch->text().split(QRegularExpression(QStringLiteral("\\W+")),
                                                         Qt::SkipEmptyParts);
        for (const QString& word : words) {
            // As the search matches: the start of a word, in any case.
            const QRegularExpression pattern(QStringLiteral("\\b") + QRegularExpression::escape(word),
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::UseUnicodePropertiesOption);
            for (QTextCursor found = mBrowser->document()->find(pattern); !found.isNull();
                 found = mBrowser->document()->find(pattern, found))
                marks.append({found, look});
        }
    }
    mBrowser->setExtraSelections(marks);
    // The first place found is brought into sight.
    if (!marks.isEmpty()) {
        QTextCursor first = marks.first().cursor;
        first.clearSelection();
        mBrowser->setTextCursor(first);
        mBrowser->ensureCursorVisible();
    }
}

int THelpWindow::MarkedWords() const
{
    return int(mBrowser->extraSelections().size());
}

QUrl THelpWindow::ContentsPage()
{
    return HelpPageUrl(QStringLiteral("index.html"));
}

QUrl THelpWindow::PageForContext(int context)
{
    QString target = HelpTopicTarget(context);
    if (target.isEmpty())
        target = QString::number(context) + QStringLiteral(".html");
    const QUrl page = HelpPageUrl(target);
    return page.isEmpty() ? ContentsPage() : page;
}

QUrl THelpWindow::PageNamed(const QString& name)
{
    const QUrl page = HelpPageUrl(name + QStringLiteral(".html"));
    return page.isEmpty() ? ContentsPage() : page;
}

void THelpWindow::ShowPage(const QUrl& page)
{
    // A modal dialog blocks every window but its own and their children.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this && parentWidget() != modal) {
        if (!mOwner)
            mOwner = parentWidget();
        const QRect where = geometry();
        const bool wasVisible = isVisible();
        setParent(modal, Qt::Window);
        if (wasVisible)
            setGeometry(where);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            connect(dialog, &QDialog::finished, this, &THelpWindow::ReturnToOwner, Qt::UniqueConnection);
    }
    // Loaded again even when it is the page shown: unmarked, with no result chosen (see sourceChanged).
    mBrowser->setSource(page);
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void THelpWindow::ReturnToOwner()
{
    if (QDialog* dialog = qobject_cast<QDialog*>(parentWidget()))
        disconnect(dialog, &QDialog::finished, this, &THelpWindow::ReturnToOwner);
    const QRect where = geometry();
    const bool wasVisible = isVisible();
    setParent(mOwner, Qt::Window);
    setGeometry(where);
    if (wasVisible)
        show();
}

} // namespace qm

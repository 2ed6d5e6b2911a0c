// THelpWindow: a browser over the bundled help pages with back, forward and contents buttons.
#include "app/helpwindow_ui.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qm {

namespace {
QUrl PageIfThere(const QString& fileName)
{
    const QString resource = QStringLiteral(":/help/") + fileName;
    if (!QFile::exists(resource))
        return QUrl();
    return QUrl(QStringLiteral("qrc:/help/") + fileName);
}
} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quillmark Help"));
    mBrowser = new QTextBrowser(this);
    // Links out of the help (web pages, mail) go to the desktop's own programs.
    mBrowser->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, mBrowser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { mBrowser->setSource(ContentsPage()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(mBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Quillmark Help - ") + mBrowser->documentTitle()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(mBrowser);
    resize(520, 440);
}

QUrl THelpWindow::ContentsPage()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

QUrl THelpWindow::PageForContext(int context)
{
    const QUrl page = PageIfThere(QString::number(context) + QStringLiteral(".html"));
    return page.isEmpty() ? ContentsPage() : page;
}

QUrl THelpWindow::PageNamed(const QString& name)
{
    const QUrl page = PageIfThere(name + QStringLiteral(".html"));
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and dialogs shown land on the available area of their screen, however large they ask to be.
#include "app/screenkeeper_ui.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

TEST(ScreenKeeper, EveryWindowShownLandsOnTheScreenAtMostAsLargeAsIt)
{
    KeepWindowsOnScreen();
    KeepWindowsOnScreen(); // once is enough; again does nothing
    const QRect screen = Available();
    ASSERT_FALSE(screen.isEmpty());

    // A window restored larger than the screen (it was stored at half the scale): as large as the screen.
    QMainWindow window;
    window.setGeometry(screen.left() + 100, screen.top() + 80, screen.width() * 2, screen.height() * 2);
    window.show();
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << window.frameGeometry().width();
    EXPECT_EQ(window.frameGeometry().size(), screen.size()) << "frame and all";

    // A dialog of its own size over that window: centred on it and wholly on the screen.
    window.setGeometry(screen.left() + screen.width() / 2, screen.top() + screen.height() / 2, 300, 200);
    QDialog small(&window);
    small.resize(200, 120);
    small.show();
    EXPECT_TRUE(screen.contains(small.frameGeometry()));
    small.hide();

    // A dialog taller than the screen: shrunk onto it.
    QDialog tall(&window);
    tall.resize(300, screen.height() + 400);
    tall.show();
    EXPECT_TRUE(screen.contains(tall.frameGeometry()));
    tall.hide();

    // A dialog moved off the bottom right: moved back on.
    QDialog moved(&window);
    moved.setGeometry(screen.right() - 20, screen.bottom() - 10, 250, 150);
    moved.show();
    EXPECT_TRUE(screen.contains(moved.frameGeometry()));
    EXPECT_EQ(moved.size(), QSize(250, 150));
    moved.hide();

    // Held larger than the screen by its least size: its top-left corner, title and first controls, on it.
    QDialog stubborn(&window);
    stubborn.setMinimumSize(screen.width() + 100, 100);
    stubborn.move(screen.left() - 300, screen.top() + 20);
    stubborn.show();
    EXPECT_EQ(stubborn.frameGeometry().left(), screen.left());
    EXPECT_GE(stubborn.frameGeometry().top(), screen.top());
    stubborn.hide();

    // A maximised window is the screen's business.
    QMainWindow maximised;
    maximised.showMaximized();
    EXPECT_TRUE(maximised.isMaximized());
}

TEST(ScreenKeeper, ADialogWhoseContentsNeedMoreThanTheScreenScrollsThem)
{
    KeepWindowsOnScreen();
    const QRect screen = Available();
    QMainWindow window;
    window.setGeometry(screen.left() + 50, screen.top() + 50, 300, 200);

    // Contents taller than the screen: in a scrolling area, the dialog on the screen, every control kept.
    QDialog tall(&window);
    auto* layout = new QVBoxLayout(&tall);
    auto* top = new QLabel(QStringLiteral("First"), &tall);
    auto* body = new QLabel(QStringLiteral("Body"), &tall);
    body->setMinimumHeight(screen.height() + 300);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &tall);
    layout->addWidget(top);
    layout->addWidget(body);
    layout->addWidget(ok);
    tall.show();
    EXPECT_TRUE(screen.contains(tall.frameGeometry())) << tall.frameGeometry().height();
    auto* scroll = tall.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->widget()->isAncestorOf(ok));
    QCoreApplication::processEvents(); // the scrolling area lays out its page
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 300);
    // Shown again, it is not wrapped twice.
    tall.hide();
    tall.show();
    EXPECT_EQ(tall.findChildren<QScrollArea*>().size(), 1);
    tall.hide();

    // Contents that fit stay as they are.
    QDialog small(&window);
    auto* smallLayout = new QVBoxLayout(&small);
    smallLayout->addWidget(new QLabel(QStringLiteral("Fits"), &small));
    small.show();
    EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(small.layout(), smallLayout);

    // Too wide counts as well; the room may be given.
    QDialog wide;
    auto* wideLayout = new QVBoxLayout(&wide);
    auto* strip = new QLabel(QStringLiteral("Strip"), &wide);
    strip->setMinimumWidth(500);
    wideLayout->addWidget(strip);
    EXPECT_FALSE(ScrollWhenTooLarge(&wide, QSize(600, 400)));
    EXPECT_TRUE(ScrollWhenTooLarge(&wide, QSize(400, 400)));
    EXPECT_LE(wide.width(), 400);
    EXPECT_FALSE(ScrollWhenTooLarge(&wide, QSize(300, 300)));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and dialogs shown land on the available area of their screen, however large they ask to be.
#include "app/screenkeeper_ui.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QScreen>

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

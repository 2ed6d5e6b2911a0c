// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point: an offscreen application object and a private data folder for every run.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // QM_TEST_PLATFORM=xcb shows the windows of a test on a display, to look at them.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("QM_TEST_PLATFORM") ? qgetenv("QM_TEST_PLATFORM") : "offscreen");
    QTemporaryDir home;
    qputenv("QUILLMARK_HOME", home.path().toUtf8());
    // Defaults that follow the user's country are those of a Letter country, wherever the tests run.
    qputenv("LC_PAPER", "en_US.UTF-8");
    // The texts the tests compare are the English ones, whatever language the machine speaks.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

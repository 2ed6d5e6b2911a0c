// SPDX-License-Identifier: GPL-3.0-or-later
// The window's command line: the toolkit's own options go to the toolkit, the card and our options stay ours.
#include "app/toolkitoptions.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(ToolkitOptions, StyleSheetAndPlatformGoToTheToolkitTheCardStaysOurs)
{
    const ToolkitSplit split = SplitToolkitOptions({"-style", "Fusion", "-stylesheet=big.qss", "card.qmk",
                                                    "-reverse", "-platform", "offscreen"});
    EXPECT_EQ(split.ours, QStringList{"card.qmk"});
    EXPECT_EQ(split.toolkit,
              QStringList({"-style", "Fusion", "-stylesheet=big.qss", "-reverse", "-platform", "offscreen"}));
    EXPECT_TRUE(split.platform);

    // Our options, unknown ones, a value missing at the end and everything after "--" stay ours.
    const ToolkitSplit mixed = SplitToolkitOptions({"--bogus", "-x", "--style", "Fusion", "-style"});
    EXPECT_EQ(mixed.ours, QStringList({"--bogus", "-x", "--style", "Fusion", "-style"}));
    EXPECT_TRUE(mixed.toolkit.isEmpty());
    EXPECT_FALSE(mixed.platform);
    const ToolkitSplit after = SplitToolkitOptions({"-style", "Fusion", "--", "-style", "Windows"});
    EXPECT_EQ(after.ours, QStringList({"--", "-style", "Windows"}));
    EXPECT_EQ(after.toolkit, QStringList({"-style", "Fusion"}));
    EXPECT_TRUE(SplitToolkitOptions({"-platform=xcb"}).platform);
    EXPECT_TRUE(SplitToolkitOptions({"-platform", "offscreen", "-style", "Fusion", "card.qmk"}).platform);
    EXPECT_FALSE(SplitToolkitOptions({"-platformtheme", "gtk3"}).platform);
}

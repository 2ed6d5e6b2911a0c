// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered help contexts of the program's windows and dialogs, and the help page each one opens.
#pragma once

#include <QString>

#include <vector>

namespace qm {

// Help contexts: each window and dialog asks for its page by number through OpenHelpContext.
enum THelpContext : int {
    kHelpFaq = 911,
    kHelpTechnicalSupport = 1041,
    kHelpDesignWindow = 2016,
    kHelpBackgroundArt = 2101,
    kHelpPersonalInformation = 2102,
    kHelpTemplates = 2110,
    kHelpFontForAll = 2111,
    kHelpDefaultFont = 2112,
    kHelpQuickTips = 2113,
    kHelpExport = 2114,
    kHelpPrintShop = 2115,
    kHelpMultiLineText = 40001,
    kHelpClipArt = 40003,
    kHelpText = 40004,
    kHelpSymbols = 40005,
    kHelpTextEffects = 40008,
    kHelpSuperShape = 40011,
    kHelpTexture = 40012,
    kHelpRichText = 40013,
    kHelpSuperText = 40014,
    kHelpCircleText = 40017,
    kHelpQRCode = 40018,
    kHelpLayout = 60001,
    kHelpPrintPositions = 60002,
    kHelpFineTuning = 60003,
    kHelpPreview = 60004,
    kHelpPrinters = 60005,
    kHelpBottomMargin = 60006,
    kHelpPrintStatus = 60007,
    kHelpPrintMerge = 60008,
};

struct HelpTopic
{
    int Context;
    const char* Page;   // a file of the bundled help, "printing.html"
    const char* Anchor; // a place in it (an element's id), or empty for the top of the page
};

// Every numbered help context, in no particular order.
const std::vector<HelpTopic>& HelpTopics();
// "page.html" or "page.html#anchor" for a context; empty for a number that has no page.
QString HelpTopicTarget(int context);

} // namespace qm

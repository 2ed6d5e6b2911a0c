// SPDX-License-Identifier: GPL-3.0-or-later
// Which bundled help page, and where on it, each numbered help context opens.
#include "platform/helptopics.h"

namespace qm {

const std::vector<HelpTopic>& HelpTopics()
{
    static const std::vector<HelpTopic> topics = {
        {kHelpFaq, "911.html", ""},
        {kHelpTechnicalSupport, "1041.html", ""},
        {kHelpDesignWindow, "2016.html", ""},
        {kHelpBackgroundArt, "2101.html", ""},
        {kHelpPersonalInformation, "2102.html", ""},
        {kHelpTemplates, "templates.html", "chooser"},
        {kHelpFontForAll, "fonts.html", "all"},
        {kHelpDefaultFont, "fonts.html", "default"},
        {kHelpQuickTips, "tips.html", ""},
        {kHelpExport, "files.html", "export"},
        {kHelpPrintShop, "files.html", "printshop"},
        {kHelpMultiLineText, "40001.html", ""},
        {kHelpClipArt, "40003.html", ""},
        {kHelpText, "40004.html", ""},
        {kHelpSymbols, "40005.html", ""},
        {kHelpTextEffects, "40008.html", ""},
        {kHelpSuperShape, "40011.html", ""},
        {kHelpTexture, "40012.html", ""},
        {kHelpRichText, "40013.html", ""},
        {kHelpSuperText, "40014.html", ""},
        {kHelpCircleText, "40017.html", ""},
        {kHelpQRCode, "40018.html", ""},
        {kHelpLayout, "layout.html", ""},
        {kHelpPrintPositions, "printing.html", "positions"},
        {kHelpFineTuning, "finetuning.html", ""},
        {kHelpPreview, "printing.html", "preview"},
        {kHelpPrinters, "printing.html", "printers"},
        {kHelpBottomMargin, "printing.html", "bottom"},
        {kHelpPrintStatus, "printing.html", "status"},
        {kHelpPrintMerge, "merge.html", ""},
    };
    return topics;
}

QString HelpTopicTarget(int context)
{
    for (const HelpTopic& topic : HelpTopics()) {
        if (topic.Context != context)
            continue;
        QString target = QString::fromLatin1(topic.Page);
        if (*topic.Anchor)
            target += QLatin1Char('#') + QString::fromLatin1(topic.Anchor);
        return target;
    }
    return QString();
}

} // namespace qm

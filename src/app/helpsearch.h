// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the bundled help pages for words.
#pragma once

#include <QString>
#include <QUrl>

#include <vector>

namespace qm {

struct HelpHit
{
    QString Page;  // file name, "printing.html" (HelpPageUrl opens it)
    QString Title; // the page's title
    int Count = 0; // how often the words occur on it
};

// The page as the help window opens it, in the program's language when that page is translated, else in
// English: "printing.html#preview" gives qrc:/help/de/printing.html#preview. Empty when there is no such page.
QUrl HelpPageUrl(const QString& fileName);

// The pages whose text holds every word of words (case ignored; a word matches the start of a word on the
// page, so "print" finds "printing"), most occurrences first. Empty for blank words.
std::vector<HelpHit> SearchHelp(const QString& words);

} // namespace qm

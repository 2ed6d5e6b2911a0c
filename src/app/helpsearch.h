// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the bundled help pages for words.
#pragma once

#include <QString>

#include <vector>

namespace qm {

struct HelpHit
{
    QString Page;  // file name under :/help, "printing.html"
    QString Title; // the page's title
    int Count = 0; // how often the words occur on it
};

// The pages whose text holds every word of words (case ignored; a word matches the start of a word on the
// page, so "print" finds "printing"), most occurrences first. Empty for blank words.
std::vector<HelpHit> SearchHelp(const QString& words);

} // namespace qm

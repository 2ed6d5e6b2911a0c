// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own options on the window's command line (-style, -stylesheet, -platform...), told apart from
// the program's.
#pragma once

#include <QStringList>

namespace qm {

struct ToolkitSplit
{
    QStringList ours;      // the words left for the program: the card, options of ours, unknown options
    QStringList toolkit;   // the toolkit's options with their values, in the order given
    bool platform = false; // a -platform was given: the window needs no DISPLAY then
};

// Splits the words after the program's name. The toolkit's options start with one dash ("-style Fusion",
// "-style=Fusion", "-reverse"); an option that wants a value and has none at the end stays ours (and is then
// an unknown option). "--" ends the options: every word after it is ours.
ToolkitSplit SplitToolkitOptions(const QStringList& words);

} // namespace qm

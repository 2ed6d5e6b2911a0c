// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own command-line options, told apart from the program's.
#include "app/toolkitoptions.h"

#include <iterator>

namespace qm {

namespace {

// What QGuiApplication and QApplication take from the command line.
const char* const kWithValue[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                  "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-session",
                                  "-display", "-geometry", "-style", "-stylesheet", "-qmljsdebugger"};
const char* const kFlags[] = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount", "-testability"};

bool IsOneOf(const QString& word, const char* const* names, int count)
{
    for (int i = 0; i < count; ++i) {
        if (word == QLatin1String(names[i]))
            return true;
    }
    return false;
}

} // namespace

ToolkitSplit SplitToolkitOptions(const QStringList& words)
{
    ToolkitSplit split;
    constexpr int withValue = int(std::size(kWithValue)), flags = int(std::size(kFlags));
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) {
            split.ours << words.mid(i);
            break;
        }
        const QString name = word.section(QLatin1Char('='), 0, 0);
        const bool inlineValue = word.contains(QLatin1Char('='));
        if (word.startsWith(QLatin1Char('-')) && !word.startsWith(QLatin1String("--")) &&
            IsOneOf(name, kWithValue, withValue) && (inlineValue || i + 1 < words.size())) {
            split.toolkit << word;
            if (!inlineValue)
                split.toolkit << words[++i];
            split.platform = split.platform || name == QLatin1String("-platform");
        } else if (IsOneOf(word, kFlags, flags)) {
            split.toolkit << word;
        } else {
            split.ours << word;
        }
    }
    return split;
}

} // namespace qm

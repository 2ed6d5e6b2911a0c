// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a numbered help page from any dialog: the main window says how, the dialogs below it ask.
#pragma once

#include <functional>

namespace qm {

// Who shows help pages; an empty handler shows none.
void SetHelpHandler(std::function<void(int context)> handler);
// Opens the page of a numbered help context; false when nothing shows help (tests, the command line).
bool OpenHelpContext(int context);

} // namespace qm

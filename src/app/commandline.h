// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the design window, or a command-line subcommand run without a display.
#pragma once

namespace qm {

// quillmark [CARD.qmk] | dump CARD.qmk | resave IN.qmk OUT.qmk | export CARD.qmk OUT.png|bmp|jpg [--border] [--scale N].
// Returns the process exit status: 0 success, 1 a bad or unreadable input (message on stderr), 2 bad usage.
int RunQuillmark(int argc, char** argv);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Running a command-line subcommand that paints but needs no screen.
#pragma once

namespace qm {

// Chooses the offscreen platform unless one was chosen, and keeps the toolkit's notes about its surroundings
// (run-time folders, fonts) off stderr so that a failure is one line. Call before creating the application.
void PrepareHeadlessRun();

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the design window, or a command-line subcommand run without a display.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdio>

namespace qm {

// What the commands print for people (usage, errors, warnings), in the user's language.
struct CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(qm::CommandLine)

public:
    // "quillmark: MESSAGE" on stderr.
    static void Say(const QString& message) { std::fprintf(stderr, "quillmark: %s\n", qPrintable(message)); }
};

// quillmark [CARD.qmk] | dump CARD.qmk | resave IN.qmk OUT.qmk | export CARD.qmk OUT.png|bmp|jpg [--border] [--scale N].
// Returns the process exit status: 0 success, 1 a bad or unreadable input (message on stderr), 2 bad usage.
int RunQuillmark(int argc, char** argv);

} // namespace qm

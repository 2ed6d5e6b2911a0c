// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the design window, or one of the command-line subcommands.
#include "app/commandline.h"

int main(int argc, char** argv)
{
    return qm::RunQuillmark(argc, argv);
}

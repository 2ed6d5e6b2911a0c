// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the user-interface library non-empty while it has no files of its own.

// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog's start and answer: the face and size it shows for a stored font, and what OK changes.
#pragma once

class QFont;

namespace qm {

class TKFont;

// The font a font dialog opens at for a stored font: the face that really draws it (a stored "Arial" opens
// at the metric-compatible face the system gives for it, a symbol font at the face that has its
// characters), its size in points and its styles, named as the face names them (plain DejaVu Sans opens at
// "Book", not at a slanted or narrow style of the family).
QFont FontDialogStart(const TKFont& font);

// Takes the dialog's answer into the stored font, changing only what the user changed from the start: a
// face, size or style left as it opened stays exactly as stored, so OK without a change keeps "Arial" and a
// cell height. True when anything changed.
bool TakeFontDialogAnswer(TKFont& font, const QFont& start, const QFont& chosen);

} // namespace qm

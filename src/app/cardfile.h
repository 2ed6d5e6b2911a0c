// SPDX-License-Identifier: GPL-3.0-or-later
// A card file read without a window, for the command line: its objects, companion layout and background art.
#pragma once

#include "settings/companionfile.h"

#include <QString>
#include <QStringList>

namespace qm {

class CardModel;

// Reads the card file's objects into card (which must be empty) and its companion file; false with a one-line
// message ("CARD: no such card file", "CARD: <the reader's message>") and nothing read on failure.
bool ReadCardFile(const QString& cardPath, CardModel& card, CompanionFile* companion, QString* error);

// The files a command reads for a card: the card file itself, its companion file and its background art (each
// one that is there).
QStringList CardInputFiles(const QString& cardPath, const CompanionFile& companion);
// False with "OUT: writing there would overwrite IN ..." when out names one of inputs under any name (a link, another
// spelling): writing it would destroy what is being read.
bool CheckOutputIsNoInput(const QString& out, const QStringList& inputs, QString* error);

// Makes the card stand as the layout says (size, orientation) with its background art (the name the companion
// file stores, found as ResolveBackgroundFile finds it) and the user's personal information, and lays it out: ready to draw, print or save. Art
// that is missing or cannot be read is left out with one line on stderr naming the file and why.
void SetUpCard(CardModel& card, const CardSheetLayout& layout, const QString& storedBackground);

} // namespace qm

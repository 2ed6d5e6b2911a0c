// SPDX-License-Identifier: GPL-3.0-or-later
// Background art: where a stored background file lies on this machine, and loading it into the panel.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace qm {

class CardModel;

// Where a stored background file lies on this machine: the stored path when it exists, else a file of the
// same name in bg/ of the data folder (cards made on Windows store "C:\...\BG\name.bmp"); empty when neither.
QString ResolveBackgroundFile(const QString& stored);
// Loads background art into the card, turned a quarter for a Rotated card. A file that cannot be read leaves
// no background: false with "FILE: why" in *error.
bool LoadCardBackground(CardModel& card, const QString& file, QString* error = nullptr);
// Loads the background art a card stores by name (found as ResolveBackgroundFile finds it). Art that is
// missing or cannot be read leaves no background and gives the one line every path says about it (the window
// when a card opens, export, print and merge): "FILE: why; the card is drawn without it". Empty when the art
// loaded or the card has none.
QString LoadBackgroundArt(CardModel& card, const QString& stored);

// The choice of background art ("Load Business Card Background Art"): the files it lists, the folder it
// starts in (bg/ of the data folder; it starts at ResolveBackgroundFile of the current background) and the
// preview of a file: at its own size, turned a quarter for a Rotated card. A file that cannot be read gives a
// null preview and the reason in *error.
QStringList BackgroundFileMasks();
QString BackgroundFolder();
QImage BackgroundPreview(const QString& file, bool portrait, QString* error = nullptr);

} // namespace qm

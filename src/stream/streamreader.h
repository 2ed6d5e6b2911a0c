// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a card object stream into a panel's object list.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace qm {

class ClassRegistry;
class TKCardObjects;
class TKGraphicControl;

struct ReadResult
{
    bool ok = true;
    QString error; // the reader's message when !ok ("Invalid stream format", "Class TFoo not found", ...)
    std::vector<TKGraphicControl*> objects; // the objects read and added to the panel, in read order
};

// Reads a whole stream. On success the objects are on the panel (on top, in read order), named "Component"
// plus the first free number, and have been Loaded. On a fault nothing is added and the message says why.
// pasteOffset moves every object right and down by that many pixels.
ReadResult ReadObjectsFromBytes(TKCardObjects& panel, const QByteArray& data, int pasteOffset = 0);
ReadResult ReadObjectsFromBytes(TKCardObjects& panel, const QByteArray& data, int pasteOffset,
                                const ClassRegistry& classes);

// A card holds at most this many objects, far more than any real card (a hundred thousand labels already cover
// a card many times over), and few enough that the largest card file opens and prints in bounded memory. A
// stream of more objects, or a paste that would take the card beyond it, is refused; no card beyond it is saved.
constexpr int kMaxCardObjects = 1000000;
int CardObjectLimit();
// Tests lower the limit to try it with small cards; 0 restores kMaxCardObjects.
void SetCardObjectLimitForTesting(int objects);
// The limit as messages give it, in the user's way of writing numbers ("1,000,000", "1.000.000").
QString CardObjectLimitText();

// Card files beyond this size are refused before anything is read (a card with a thousand objects is a
// fraction of a megabyte; pictures add a few).
constexpr qint64 kMaxCardFileBytes = 256LL * 1024 * 1024;
// The bytes of a card file; false with a message for a missing, unreadable or absurdly large file.
bool ReadCardFileBytes(const QString& fileName, QByteArray* data, QString* error);

// Both do nothing when the file does not exist.
ReadResult ReadAll(TKCardObjects& panel, const QString& fileName);
// Every object 15 pixels right and 15 down of where it was copied.
ReadResult ReadPasted(TKCardObjects& panel, const QString& fileName);

// Writes the object into memory and reads it straight back onto the panel: the new object, or nullptr.
TKGraphicControl* Duplicate(const TKGraphicControl& object, TKCardObjects& panel);

} // namespace qm

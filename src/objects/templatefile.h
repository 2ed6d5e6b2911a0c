// SPDX-License-Identifier: GPL-3.0-or-later
// CardTemplate: card description files (templates): the labels, card shapes, lines, the logo, every other
// object (as its card object stream record) and the card data, written from and read onto a business card panel.
#pragma once

#include "model/cardtypes.h"

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace qm {

class ProfileFile;
class TKBusinessCardPanel32;
class TKGraphicControl;

class CardTemplate
{
public:
    // How many numbered sections of each kind ("Shape1".."Shape15") a description file may hold.
    static constexpr int kMaxNumberedSections = 15;
    // The objects read and their stored places in the stack (-1 when the file gives none).
    using TStack = std::vector<std::pair<TKGraphicControl*, int>>;

    // Writes the card's objects with coordinates at zoom 1.0: labels, card shapes and lines in their own
    // sections, an empty picture (or the logo stand-in) as "Logo", any other object as an "Object" section. False with the
    // message when the file could not be written (the old file stays).
    static bool Write(TKBusinessCardPanel32& panel, const QString& fileName, const QString& backgroundFile,
                      QString* error = nullptr);
    // Adds the objects a description file describes and takes its portrait flag; returns the background art's
    // file name (without folder; empty when none). A missing or broken file creates what it can and never
    // fails.
    static QString Read(TKBusinessCardPanel32& panel, const QString& fileName);

    // Where the background art of a description file lies: the bg/ folder of the data folder and the name
    // reduced to its file name; empty when the name is blank.
    static QString BackgroundArtPath(const QString& backgroundName);
    // The back of a two-sided template: a card file beside it, "NAME.back.qmk" for "NAME.qmkt" (a file the
    // template gallery does not list).
    static QString BackPath(const QString& templatePath);
    // Colours in a description file: a colour name ("clBlack") when there is one, else "$" and eight hex
    // digits 00BBGGRR. Reading also takes decimal numbers; false on anything else.
    static QString ColorToString(TColor color);
    static bool StringToColor(const QString& text, TColor* color);
    // The section a personal-information label's caption is written under ("Name" for "Your Own Name",
    // "name" or the placeholder "{Name}"); empty for any other caption. A placeholder is written as the
    // sample its field shows while empty ("Your Own Name"), and read back as the placeholder while the
    // user's field is empty.
    static QString PersonalSectionForCaption(const QString& caption);
    // The personal field such a caption stands for (0 name .. 9 fax); -1 for any other caption.
    static int PersonalFieldOfCaption(const QString& caption);
    // The stand-in picture of a described logo: an ellipse with "YOUR" and "LOGO", size x size pixels.
    static QImage PlaceholderLogo(int size);

private:
    static void ReadShapes(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack);
    static void ReadLines(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack);
    static void ReadLabels(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack);
    static void ReadLogo(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack);
    static void ReadObjects(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack);
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKDialogs: the standard dialogs that card objects and panels ask for, behind an interface tests can fake.
#pragma once

#include "model/cardtypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm {

class TKBaseLabel;
class TKBusinessCardLabel;
class TKFont;
class TKPCircleText;
class TKPLabel;
class TKPRichBaseLabel;
class TKQRCode;
class TKSuperText;
class TSuperShape;

class TKDialogs
{
public:
    virtual ~TKDialogs() = default;
    // Each shows its dialog initialised with the value given; true (and the value changed) when the user chose OK.
    virtual bool ChooseFont(TKFont& font) = 0;
    virtual bool ChooseColor(TColor& color) = 0;

    // A whole number between min and max; true with the value when the user chose OK.
    virtual bool AskInteger(const QString& /*caption*/, const QString& /*prompt*/, int& /*value*/, int /*min*/,
                            int /*max*/)
    {
        return false;
    }
    // The information box: caption "Information", an OK button.
    virtual void ShowInformation(const QString& /*message*/) {}

    // The dialogs of the text objects; true when the user chose OK and the object was changed.
    virtual bool EditLabelText(TKPLabel& /*label*/) { return false; }
    virtual bool EditBusinessCardLabelText(TKBusinessCardLabel& /*label*/) { return false; }
    virtual bool Edit3DEffects(TKBaseLabel& /*label*/) { return false; }
    // The multi-line text editor, showing the lines in the font given; true with the edited lines on OK.
    virtual bool EditMultiLineText(QStringList& /*lines*/, const TKFont& /*font*/) { return false; }
    // The symbol selector, opened at a font and a code 32..255 (-1: none chosen yet); true with the chosen
    // font and code on OK.
    virtual bool ChooseSymbol(TKFont& /*font*/, int& /*code*/) { return false; }
    // "Super Shape Properties", edited on a sample copy of the shape, with the texture file last chosen; true
    // with both changed on OK.
    virtual bool EditSuperShape(TSuperShape& /*sample*/, QString& /*texturePath*/) { return false; }
    // The "Load Image File " browser with its Stretch and AutoSize options preset; true on OK with the chosen
    // file's graphic as a card stores it (class name and file image) and the options as left.
    virtual bool LoadImageFile(QByteArray& /*graphicClass*/, QByteArray& /*fileBytes*/, bool& /*stretch*/,
                               bool& /*autoSize*/)
    {
        return false;
    }
    // "SuperText Properties", edited on a preview copy of the special-effect text, with the texture file last
    // chosen; true with both changed on OK.
    virtual bool EditSuperText(TKSuperText& /*preview*/, QString& /*texturePath*/) { return false; }
    // The rich-text editor on the object's document; true when the user chose OK and the object took the
    // edited document.
    virtual bool EditRichText(TKPRichBaseLabel& /*label*/) { return false; }
    // "CircleText Properties", edited on a copy of the circular text; true with the copy changed on OK.
    virtual bool EditCircleText(TKPCircleText& /*sample*/) { return false; }
    // "QR Code Properties", edited on a copy of the QR code, its vCard made of the personal fields given;
    // true with the copy changed on OK.
    virtual bool EditQRCode(TKQRCode& /*sample*/, const QStringList& /*personal*/) { return false; }
};

} // namespace qm

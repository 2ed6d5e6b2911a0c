// TKBusinessCardPanel32: the business card panel: drawing modes, object factory, personal info, templates.
#pragma once

#include "design/designpanel.h"

#include <QRect>
#include <QString>
#include <QStringList>

class QImage;

namespace qm {

class ProfileFile;

// The drawing mode: which kind of object a rubber band drawn on the panel creates.
enum TLPanelState
{
    psPointing,
    psLabel,
    psSymbolLabel,
    psMultiLineLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psSuperShape,
    psRichLabel,
    psSuperText,
    psCircleText
};

class TKBusinessCardPanel32 : public TKBasePanel
{
public:
    static constexpr int kPersonalCount = 10;
    // Sections of a description file that take the user's own values, in the order of the personal strings.
    static const char* const kPersonalSections[kPersonalCount];
    // How many numbered sections of each kind ("Shape1".."Shape15") a description file may hold.
    static constexpr int kMaxNumberedSections = 15;

    TKBusinessCardPanel32();

    TLPanelState PanelState() const { return mPanelState; }
    // Switches pointer or drawing mode and the cursor that goes with it.
    void SetPanelState(TLPanelState state);

    // The user's ten personal-information strings: name, company, title, three address lines, two phones,
    // e-mail, fax. Setting takes the first ten values; missing ones are empty.
    void SetPersonalStrings(const QStringList& values);
    QStringList PersonalStrings() const override { return mPersonal; }

    // The card is printed and its background drawn turned by a quarter.
    bool PortraitMode() const { return mPortraitMode; }
    void SetPortraitMode(bool value) { mPortraitMode = value; }

    // True when the card holds a multi-purpose shape or a special-effect text.
    bool HasSpecialEffects() const;

    // A picture of the card at zoom 1.0: white, the background art, every object back to front; no grid,
    // outline or selection markers. With border, the outermost pixel rows and columns are black. The zoom
    // is restored afterwards.
    QImage RenderToBitmap(bool border = false);

    // Sets the face (at most 255 characters) of every personal-information label and multi-line text.
    void SetTextFontName(const QString& faceName);

    // The card description file (a template): the labels, card shapes, lines, the logo and the card data.
    // Coordinates are written at zoom 1.0. False with the message when the file could not be written.
    bool WriteDescription(const QString& fileName, const QString& backgroundFile, QString* error = nullptr);
    // Adds the objects a description file describes and takes its portrait flag; returns the background art's
    // file name (without folder; empty when none). A missing or broken file creates what it can and never
    // fails.
    QString ReadDescription(const QString& fileName);
    // True while ReadDescription runs: nothing is painted meanwhile.
    bool ReadingDescription() const { return mReadingDescription; }

    // Where the background art of a description file lies: the bg/ folder of the data folder and the name
    // reduced to its file name; empty when the name is blank.
    static QString BackgroundArtPath(const QString& backgroundName);

    // Colours in a description file: a colour name ("clBlack") when there is one, else "$" and eight hex
    // digits 00BBGGRR. Reading also takes decimal numbers; false on anything else.
    static QString ColorToString(TColor color);
    static bool StringToColor(const QString& text, TColor* color);
    // The section a personal-information label's caption is written under ("Name" for "Your Own Name");
    // empty for any other caption.
    static QString PersonalSectionForCaption(const QString& caption);
    // The stand-in picture of a described logo: an ellipse with "YOUR" and "LOGO", size x size pixels.
    static QImage PlaceholderLogo(int size);

    // Creates the object of the current drawing mode for a drawn rectangle (also called by the panel when
    // a rubber band ends in drawing mode). Raises small rectangles to 50 x 15 first.
    void CreateObject(const QRect& rect) override;

private:
    class ReadGuard;

    void BackToPointer();
    void ReadShapes(const ProfileFile& ini);
    void ReadLines(const ProfileFile& ini);
    void ReadLabels(const ProfileFile& ini);
    void ReadLogo(const ProfileFile& ini);

    TLPanelState mPanelState = psPointing;
    QStringList mPersonal;
    bool mPortraitMode = false;
    bool mReadingDescription = false;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The card sheet layout: card size, counts, margins and pitches, the predefined sheets and the checks.
#pragma once

#include "platform/units.h"
#include <QSize>
#include <QString>

#include <stdexcept>

namespace qm {

class ProfileFile;

// Paper codes as the printing system numbers them.
constexpr int kPaperLetter = 1; // 8.5 x 11 inches
constexpr int kPaperA4 = 9;     // 210 x 297 mm

constexpr double kMMPerInch = 25.4;
constexpr double kInchesPerMM = 0.039370078740157480314;

// How the one card design repeats over a sheet. Lengths are inches, measured on the sheet standing upright
// whatever the card orientation.
struct CardSheetLayout
{
    float Height = 2.0f;
    float Width = 3.5f;
    int Across = 2;
    int Down = 5;
    float TopMargin = 0.5f;
    float LeftMargin = 0.75f;
    float HPitch = 3.5f; // left edge of one card to the left edge of the next
    float VPitch = 2.0f; // top edge of one row to the top edge of the next
    int PredefLayout = 0;
    int Papersize = kPaperLetter;
    bool UseMM = false;       // the layout dialog shows millimetres
    bool UsePortrait = false; // Rotated: the card stands a quarter turn on the design surface

    bool operator==(const CardSheetLayout& o) const;
    bool operator!=(const CardSheetLayout& o) const { return !(*this == o); }
};

// Limits of the counts, as the layout dialog offers them.
constexpr int kMaxAcross = 10;
constexpr int kMaxDown = 30;
// No card stock is larger than this: card sizes, pitches and margins beyond it are refused.
constexpr double kMaxSheetInches = 48.0;

// One row of the predefined sheets list.
struct PredefinedLayout
{
    const char* Caption; // in English, marked for translation in the context "qm::SheetLayout"
    float Height;
    float Width;
    int Across;
    int Down;
    float TopMargin;
    float LeftMargin;
    float HPitch;
    float VPitch;
    int Papersize;
};

constexpr int kPredefinedLayoutCount = 21;
// The sheets in list order; the index is what CardSheetLayout::PredefLayout stores.
extern const PredefinedLayout kPredefinedLayouts[kPredefinedLayoutCount];

// Sets the nine sheet values of predefined row index; the orientation, the unit and PredefLayout itself are
// left alone. An index outside the list changes nothing.
void ApplyPredefinedLayout(CardSheetLayout& layout, int index);
// The caption of predefined row index as the layout dialog lists it, in the user's language; empty outside
// the list.
QString PredefinedLayoutName(int index);

// Unit conversions of the layout dialog.
inline double InchesToMM(double inches)
{
    return inches * kMMPerInch;
}
inline double MMToInches(double mm)
{
    return mm * kInchesPerMM;
}
// A millimetre entry as the layout keeps it: converted and rounded to thousandths of an inch (89 mm
// -> 3.504).
double MMToStoredInches(double mm);

// The layout's lengths in files: Round(inches x 1000), halves to even; read back as stored x 0.001.
int InchesToThousandths(float inches);
float ThousandthsToInches(int thousandths);

// The section and the name of the orientation key in the files that hold a layout. The companion file of a
// card calls the orientation "UsePortrait", the preferences file "Portrait".
extern const char* const kLayoutSection;
extern const char* const kCompanionPortraitKey;
extern const char* const kPreferencesPortraitKey;

// Reads the "Layout" section (or another of the same keys); every missing or unreadable key takes the
// default of CardSheetLayout, the orientation takes portraitDefault. Counts are kept within the dialog's
// ranges and an unknown predefined index becomes 0, so a damaged file cannot hand printing an empty sheet.
CardSheetLayout ReadLayout(const ProfileFile& ini, const char* portraitKey, bool portraitDefault = false,
                           const QString& section = QString::fromLatin1(kLayoutSection));
// Writes the "Layout" section (or another) in the order Height, Width, TopMargin, LeftMargin, HPitch,
// VPitch, PredefLayout, Papersize, Across, Down, UseMM, then the orientation key.
void WriteLayout(ProfileFile& ini, const CardSheetLayout& layout, const char* portraitKey,
                 const QString& section = QString::fromLatin1(kLayoutSection));

// The design panel's size at zoom 1.0: Round(96 x card height) high and Round(96 x card width) wide, the two
// swapped for a Rotated card.
QSize CardPanelSize(const CardSheetLayout& layout, bool rotated);

// Raised by ValidCard; what() and Message() carry the text for the information box.
class EValid : public std::runtime_error
{
public:
    explicit EValid(const QString& message);
    const QString& Message() const { return mMessage; }

private:
    QString mMessage;
};

// The first thing wrong with the layout's values, or an empty string when there is nothing. Checked in this
// order: card height (.3 to 48 inches), card width (.5 to 48), horizontal pitch (card width to 48, only with
// two or more across), vertical pitch (card height to 48, only with two or more down), top and left margins
// (0 to 48), cards across and down (the dialog's ranges). Whether the cards fit on the paper is not checked
// here. The layout dialog and printing both apply it.
QString CardLayoutProblem(const CardSheetLayout& layout);
// Throws EValid with CardLayoutProblem's message when there is one.
void ValidCard(const CardSheetLayout& layout);

} // namespace qm

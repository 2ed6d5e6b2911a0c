// SPDX-License-Identifier: GPL-3.0-or-later
// The card sheet layout: predefined sheets, unit conversions, file form, panel size and the checks.
#include "model/sheetlayout.h"

#include "platform/profile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>

namespace qm {

// The card stock sheets the layout dialog offers, with their makers' card sizes and positions in inches.
const PredefinedLayout kPredefinedLayouts[kPredefinedLayoutCount] = {
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 5371 (Letter Size Paper)"), 2, 3.5, 2, 5, 0.5,
     0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 5372 (Letter Size Paper)"), 2, 3.5, 2, 5, 0.5,
     0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 5376 - Ivory (Letter Size Paper)"), 2, 3.5, 2,
     5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 5377 - Gray (Letter Size Paper)"), 2, 3.5, 2,
     5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 5911 (Letter Size Paper)"), 2, 3.5, 2, 5, 0.5,
     0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 8371 Ink Jet (Letter Size Paper)"), 2, 3.5, 2,
     5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 8372 Ink Jet (Letter Size Paper)"), 2, 3.5, 2,
     5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)"), 2,
     3.5, 2, 5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)"), 2,
     3.5, 2, 5, 0.5, 0.75, 3.5, 2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card L7413 (A4 Size Paper)"), 2, 3.543f, 2, 5,
     0.846f, 0.591f, 3.543f, 2, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card L7414 (A4 Size Paper)"), 2.047f, 3.543f, 2, 5,
     0.728f, 0.591f, 3.543f, 2.047f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card L7415 (A4 Size Paper)"), 2.047f, 3.543f, 2, 5,
     0.728f, 0.591f, 3.543f, 2.047f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card L7417 (A4 Size Paper)"), 2.126f, 3.543f, 2, 5,
     0.531f, 0.591f, 3.543f, 2.126f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card L7419 (A4)"), 2.126f, 3.543f, 2, 5, 0.531f,
     0.591f, 3.543f, 2.126f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout",
                       "Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)"),
     2, 3.5, 2, 4, 0.75, 0.55f, 4, 2.496f, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Avery Business Card 3612 (Letter Size Paper)"), 2, 3.5, 2, 4, 0.75,
     0.55f, 4, 2.496f, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "MAACO ML-8550 (Letter Size Paper)"), 2, 3.5, 2, 5, 0.5, 0.75, 3.5,
     2, kPaperLetter},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "APLI 1612 (A4 Size Paper)"), 2, 3.54f, 2, 5, 0.85f, 0.59f, 3.54f,
     2, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "APLI 1620 (A4 Size Paper)"), 2.01f, 3.5, 2, 5, 0.85f, 0.63f, 3.5,
     2.01f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Formtec LS-3510 (A4 Size Paper)"), 1.77f, 3.48f, 2, 5, 0.83f,
     0.49f, 3.88f, 2.04f, kPaperA4},
    {QT_TRANSLATE_NOOP("qm::SheetLayout", "Herma 8840 (A4 Size Paper)"), 2, 3.3f, 2, 5, 0.85f, 0.73f, 3.5, 2,
     kPaperA4},
};

const char* const kLayoutSection = "Layout";
const char* const kCompanionPortraitKey = "UsePortrait";
const char* const kPreferencesPortraitKey = "Portrait";

bool CardSheetLayout::operator==(const CardSheetLayout& o) const
{
    return Height == o.Height && Width == o.Width && Across == o.Across && Down == o.Down &&
           TopMargin == o.TopMargin && LeftMargin == o.LeftMargin && HPitch == o.HPitch &&
           VPitch == o.VPitch && PredefLayout == o.PredefLayout && Papersize == o.Papersize &&
           UseMM == o.UseMM && UsePortrait == o.UsePortrait;
}

QString PredefinedLayoutName(int index)
{
    if (index < 0 || index >= kPredefinedLayoutCount)
        return QString();
    return QCoreApplication::translate("qm::SheetLayout", kPredefinedLayouts[index].Caption);
}

void ApplyPredefinedLayout(CardSheetLayout& layout, int index)
{
    if (index < 0 || index >= kPredefinedLayoutCount)
        return;
    const PredefinedLayout& p = kPredefinedLayouts[index];
    layout.Height = p.Height;
    layout.Width = p.Width;
    layout.Across = p.Across;
    layout.Down = p.Down;
    layout.TopMargin = p.TopMargin;
    layout.LeftMargin = p.LeftMargin;
    layout.HPitch = p.HPitch;
    layout.VPitch = p.VPitch;
    layout.Papersize = p.Papersize;
}

double MMToStoredInches(double mm)
{
    // Formatted with three decimals and read back, so the stored value is what the inch display would show.
    return QString::number(MMToInches(mm), 'f', 3).toDouble();
}

namespace {

// Round to nearest with halves to even, kept inside the int range (a length no sheet has still gives a
// number).
int roundToInt(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r >= double(INT_MAX))
        return INT_MAX;
    if (r <= double(INT_MIN))
        return INT_MIN;
    return int(r);
}

QString name(const char* s)
{
    return QString::fromLatin1(s);
}

} // namespace

int InchesToThousandths(float inches)
{
    return roundToInt(double(inches) * 1000.0);
}

float ThousandthsToInches(int thousandths)
{
    return float(thousandths * 0.001);
}

CardSheetLayout ReadLayout(const ProfileFile& ini, const char* portraitKey, bool portraitDefault,
                           const QString& section)
{
    const CardSheetLayout d;
    const auto length = [&](const char* key, float def) {
        return ThousandthsToInches(ini.ReadInteger(section, name(key), InchesToThousandths(def)));
    };
    CardSheetLayout l;
    l.Height = length("Height", d.Height);
    l.Width = length("Width", d.Width);
    l.Across = std::clamp(ini.ReadInteger(section, name("Across"), d.Across), 1, kMaxAcross);
    l.Down = std::clamp(ini.ReadInteger(section, name("Down"), d.Down), 1, kMaxDown);
    l.TopMargin = length("TopMargin", d.TopMargin);
    l.LeftMargin = length("LeftMargin", d.LeftMargin);
    l.HPitch = length("HPitch", d.HPitch);
    l.VPitch = length("VPitch", d.VPitch);
    l.PredefLayout = ini.ReadInteger(section, name("PredefLayout"), d.PredefLayout);
    if (l.PredefLayout < 0 || l.PredefLayout >= kPredefinedLayoutCount)
        l.PredefLayout = 0;
    l.Papersize = ini.ReadInteger(section, name("Papersize"), d.Papersize);
    l.UseMM = ini.ReadBool(section, name("UseMM"), d.UseMM);
    l.UsePortrait = ini.ReadBool(section, name(portraitKey), portraitDefault);
    return l;
}

void WriteLayout(ProfileFile& ini, const CardSheetLayout& layout, const char* portraitKey, const QString& section)
{
    ini.WriteInteger(section, name("Height"), InchesToThousandths(layout.Height));
    ini.WriteInteger(section, name("Width"), InchesToThousandths(layout.Width));
    ini.WriteInteger(section, name("TopMargin"), InchesToThousandths(layout.TopMargin));
    ini.WriteInteger(section, name("LeftMargin"), InchesToThousandths(layout.LeftMargin));
    ini.WriteInteger(section, name("HPitch"), InchesToThousandths(layout.HPitch));
    ini.WriteInteger(section, name("VPitch"), InchesToThousandths(layout.VPitch));
    ini.WriteInteger(section, name("PredefLayout"), layout.PredefLayout);
    ini.WriteInteger(section, name("Papersize"), layout.Papersize);
    ini.WriteInteger(section, name("Across"), layout.Across);
    ini.WriteInteger(section, name("Down"), layout.Down);
    ini.WriteBool(section, name("UseMM"), layout.UseMM);
    ini.WriteBool(section, name(portraitKey), layout.UsePortrait);
}

QSize CardPanelSize(const CardSheetLayout& layout, bool rotated)
{
    const int height = roundToInt(double(kUnitsPerInch) * double(rotated ? layout.Width : layout.Height));
    const int width = roundToInt(double(kUnitsPerInch) * double(rotated ? layout.Height : layout.Width));
    return QSize(width, height);
}

EValid::EValid(const QString& message) : std::runtime_error(message.toStdString()), mMessage(message) {}

QString CardLayoutProblem(const CardSheetLayout& l)
{
    // The limits are compared as doubles, so a stored 0.3f (a hair above 0.3) passes, as a typed .3 should.
    // Every comparison is written so that a value that is not a number fails it.
    const auto atMost = [](float v) { return double(v) <= kMaxSheetInches; };
    if (!(double(l.Height) >= 0.3))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Card Height must be at least .3 inches (or 7mm)");
    if (!atMost(l.Height))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Card Height must be at most 48 inches (or 1219mm)");
    if (!(double(l.Width) >= 0.5))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Card Width must be at least .5 inch (or 13mm)");
    if (!atMost(l.Width))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Card Width must be at most 48 inches (or 1219mm)");
    if (l.Across >= 2 && !(l.HPitch >= l.Width))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Horizontal Pitch must be at least = Card Width");
    if (l.Across >= 2 && !atMost(l.HPitch))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Horizontal Pitch must be at most 48 inches (or 1219mm)");
    if (l.Down >= 2 && !(l.VPitch >= l.Height))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Vertical Pitch must be at least = Card Height");
    if (l.Down >= 2 && !atMost(l.VPitch))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Vertical Pitch must be at most 48 inches (or 1219mm)");
    if (!(l.TopMargin >= 0) || !atMost(l.TopMargin))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Top Margin must be between 0 and 48 inches (or 1219mm)");
    if (!(l.LeftMargin >= 0) || !atMost(l.LeftMargin))
        return QCoreApplication::translate("qm::SheetLayout",
                                           "Left Margin must be between 0 and 48 inches (or 1219mm)");
    if (l.Across < 1 || l.Across > kMaxAcross)
        return QCoreApplication::translate("qm::SheetLayout", "Cards Across must be between 1 and %1")
            .arg(QLocale().toString(kMaxAcross));
    if (l.Down < 1 || l.Down > kMaxDown)
        return QCoreApplication::translate("qm::SheetLayout", "Cards Down must be between 1 and %1")
            .arg(QLocale().toString(kMaxDown));
    return {};
}

void ValidCard(const CardSheetLayout& layout)
{
    const QString problem = CardLayoutProblem(layout);
    if (!problem.isEmpty())
        throw EValid(problem);
}

} // namespace qm

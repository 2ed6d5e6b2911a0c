// SPDX-License-Identifier: GPL-3.0-or-later
// Printer fine tuning: the four nudges in 1/32 inch with their captions, and the bottom-margin warning's rule
// and texts.
#pragma once

#include "model/sheetlayout.h"

#include <QCoreApplication>
#include <QString>

namespace qm {

class SheetPositions;

// A scale of 100 %, in hundredths of a percent.
constexpr int kFullScale = 10000;

// How a printer's sheet is corrected; it belongs to the installation (one set per printer), not to a card.
// Whole steps of 1/32 inch move the margins and pitches; the calibration read off the calibration page moves
// every card position by an offset in tenths of a millimetre and stretches it by a scale in hundredths of a
// percent, about the paper's top-left corner.
struct PrintNudges
{
    int TopMargin = 0;
    int LeftMargin = 0;
    int VerticalSpacing = 0;
    int HorizontalSpacing = 0;
    int OffsetX = 0; // 0.1 mm, to the right
    int OffsetY = 0; // 0.1 mm, down
    int ScaleX = kFullScale;
    int ScaleY = kFullScale;
    // What the back of a two-sided sheet needs on top of the above to land behind its front: 0.1 mm, to the
    // right and down as the back page reads.
    int BackOffsetX = 0;
    int BackOffsetY = 0;

    bool operator==(const PrintNudges& o) const
    {
        return TopMargin == o.TopMargin && LeftMargin == o.LeftMargin &&
               VerticalSpacing == o.VerticalSpacing && HorizontalSpacing == o.HorizontalSpacing &&
               OffsetX == o.OffsetX && OffsetY == o.OffsetY && ScaleX == o.ScaleX && ScaleY == o.ScaleY &&
               BackOffsetX == o.BackOffsetX && BackOffsetY == o.BackOffsetY;
    }
    bool operator!=(const PrintNudges& o) const { return !(*this == o); }
};

constexpr double kNudgeStep = 0.03125; // inches
constexpr int kMinNudge = -8;
constexpr int kMaxNudge = 8;

// "None", "Increase by 3/32"" or "Decrease by 3/32"" (the last character is the inch mark).
QString NudgeCaption(int nudge);

// What the fine-tuning dialog does with the four nudges; the dialog shows it.
class FineTuneNudges
{
    Q_DECLARE_TR_FUNCTIONS(qm::FineTuneNudges)

public:
    // In the order the dialog's panels stand.
    enum TNudge
    {
        nTopMargin,
        nVerticalSpacing,
        nLeftMargin,
        nHorizontalSpacing
    };
    static constexpr int kNudgeCount = 4;

    explicit FineTuneNudges(const PrintNudges& start = PrintNudges()) : mNudges(start) {}

    const PrintNudges& Nudges() const { return mNudges; }
    int Value(TNudge which) const;
    QString Caption(TNudge which) const { return NudgeCaption(Value(which)); }

    // The spin button's lower arrow adds one step (up to +8), its upper arrow takes one away (down to -8).
    void LowerArrow(TNudge which);
    void UpperArrow(TNudge which);
    // "Default": every nudge back to 0.
    void Default() { mNudges = PrintNudges(); }

    static QString Name(TNudge which);
    static QString Explanation(TNudge which);

private:
    int& Ref(TNudge which);
    PrintNudges mNudges;
};

// The bottom-margin warning is due when the printer cannot print within half an inch of the paper's bottom
// edge, the warning is switched on, and a card of the sheet's bottom row is to be printed (on a 2 x 5 sheet:
// the ninth or the tenth position). bottomMargin is the printer's unprintable band in inches.
bool BottomMarginWarningDue(double bottomMargin, const CardSheetLayout& layout,
                            const SheetPositions& positions, bool warningOn);
// The warning's two measured lines: the printer's margin and the part of the cards that may be cut off.
QString BottomMarginText(double bottomMargin);
QString BottomMarginDifferenceText(double bottomMargin);
QString BottomMarginAdvice();
QString BottomMarginNote();

} // namespace qm

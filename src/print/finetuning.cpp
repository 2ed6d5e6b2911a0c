// SPDX-License-Identifier: GPL-3.0-or-later
// Printer fine tuning: nudge captions and steps, and the bottom-margin warning's rule and texts.
#include "print/finetuning.h"

#include "print/sheetpositions.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>

namespace qm {

QString NudgeCaption(int nudge)
{
    if (nudge == 0)
        return QCoreApplication::translate("qm::FineTuneNudges", "None", "no nudge");
    //: %1 is a count of 32nds of an inch; the last character is the inch mark
    return nudge > 0 ? QCoreApplication::translate("qm::FineTuneNudges", "Increase by %1/32\"").arg(nudge)
                     //: %1 is a count of 32nds of an inch; the last character is the inch mark
                     : QCoreApplication::translate("qm::FineTuneNudges", "Decrease by %1/32\"")
                           .arg(std::abs(nudge));
}

int& FineTuneNudges::Ref(TNudge which)
{
    switch (which) {
    case nTopMargin:
        return mNudges.TopMargin;
    case nVerticalSpacing:
        return mNudges.VerticalSpacing;
    case nLeftMargin:
        return mNudges.LeftMargin;
    case nHorizontalSpacing:
        break;
    }
    return mNudges.HorizontalSpacing;
}

int FineTuneNudges::Value(TNudge which) const
{
    return const_cast<FineTuneNudges*>(this)->Ref(which);
}

void FineTuneNudges::LowerArrow(TNudge which)
{
    int& v = Ref(which);
    if (v < kMaxNudge)
        ++v;
}

void FineTuneNudges::UpperArrow(TNudge which)
{
    int& v = Ref(which);
    if (v > kMinNudge)
        --v;
}

QString FineTuneNudges::Name(TNudge which)
{
    switch (which) {
    case nTopMargin:
        return tr("Top Margin nudge");
    case nVerticalSpacing:
        return tr("Vertical Spacing");
    case nLeftMargin:
        return tr("Left Margin nudge");
    case nHorizontalSpacing:
        break;
    }
    return tr("Horizontal Spacing");
}

QString FineTuneNudges::Explanation(TNudge which)
{
    switch (which) {
    case nTopMargin:
        return tr("Increase or decrease to adjust where vertical printing starts.");
    case nVerticalSpacing:
        return tr("Increase or decrease to adjust vertical spacing between cards. (You may need to "
                  "adjust this if printing \"creeps\" between the top and bottom cards.)");
    case nLeftMargin:
        return tr("Increase or decrease to adjust where horizontal printing starts.");
    case nHorizontalSpacing:
        break;
    }
    return tr("Increase or decrease to adjust horizontal spacing between cards.");
}

bool BottomMarginWarningDue(double bottomMargin, const CardSheetLayout& layout,
                            const SheetPositions& positions, bool warningOn)
{
    if (!warningOn || !(bottomMargin > 0.5) || layout.Across < 1 || layout.Down < 1)
        return false;
    const int firstOfLastRow = (layout.Down - 1) * layout.Across;
    for (int c = 0; c < layout.Across; ++c) {
        if (positions.Selected(firstOfLastRow + c))
            return true;
    }
    return false;
}

QString BottomMarginText(double bottomMargin)
{
    //: %1 is the printer's bottom margin in inches ("0.625")
    return QCoreApplication::translate(
               "qm::FineTuneNudges",
               "Business Cards need to print to within 0.5 inches of the bottom, but the "
               "current printer has a bottom margin setting of : %1 inches")
        .arg(QLocale().toString(bottomMargin, 'f', 3));
}

QString BottomMarginDifferenceText(double bottomMargin)
{
    //: %1 is a length in inches ("0.125")
    return QCoreApplication::translate(
               "qm::FineTuneNudges",
               "This could result in the bottom of the last two business cards being cut "
               "off by approximately: %1 inches")
        .arg(QLocale().toString(bottomMargin - 0.5, 'f', 3));
}

QString BottomMarginAdvice()
{
    return QCoreApplication::translate(
        "qm::FineTuneNudges",
        "If your printer driver supports it, you could change the bottom margin to 0.5 inches. "
        "Otherwise, you should design your cards so that the bottom portion of the cards is "
        "not used.");
}

QString BottomMarginNote()
{
    return QCoreApplication::translate(
        "qm::FineTuneNudges",
        "(Note: some printers, including some of the HP Deskjet series, cannot print beyond a "
        "0.66 inch bottom margin)");
}

} // namespace qm

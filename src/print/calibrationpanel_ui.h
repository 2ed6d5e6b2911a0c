// SPDX-License-Identifier: GPL-3.0-or-later
// CalibrationPanel: the fine-tuning dialog's part for the printer's calibration: which printer, its offsets
// and scales, the readings from the calibration page and the button that prints one.
#pragma once

#include "print/printercalibration.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

class CalibrationPanel : public QWidget
{
    Q_OBJECT
public:
    CalibrationPanel(const PrintNudges& nudges, const QString& printer, QWidget* parent = nullptr);

    // Shows the offsets and scales of nudges in the entries.
    void Show(const PrintNudges& nudges);
    // The entries into nudges' offsets and scales; false (nudges unchanged) with the reason shown on the
    // panel when an entry is wrong.
    bool Take(PrintNudges* nudges);
    // "Use Readings": the four readings worked into offsets and scales shown in the entries; false with the
    // reason shown when they cannot be used.
    bool UseReadings();
    QString Message() const;

    enum TEntry
    {
        eOffsetX,
        eOffsetY,
        eScaleX,
        eScaleY,
        eReadAx,
        eReadBx,
        eReadAy,
        eReadCy,
        eBackOffsetX,
        eBackOffsetY,
        eBackReadX,
        eBackReadY,
        kEntryCount
    };
    QLineEdit* Entry(TEntry which) const { return mEntries[which]; }
    QPushButton* UseReadingsButton() const { return mUseReadings; }
    QPushButton* CalibrationPageButton() const { return mPrintPage; }
    QPushButton* TwoSidedPageButton() const { return mPrintTwoSided; }
    QPushButton* UseBackReadingsButton() const { return mUseBackReadings; }
    // "Use Back Readings": the two readings of the two-sided page added to the back offsets shown; false with
    // the reason shown when they cannot be used.
    bool UseBackReadings();

    // "Print Calibration Page": prints the page on the printer these values are for.
    std::function<void()> PrintCalibrationPage;
    // "Print Two-Sided Page": prints the two-sided calibration page with the values as entered (false when an
    // entry is wrong, said on the panel).
    std::function<void(const PrintNudges&)> PrintTwoSidedPage;
    // The page's marks on the paper the cards are printed on (Letter until told).
    void SetMarks(const CalibrationMarks& marks);

private:
    void SayProblem(const QString& message);

    QLineEdit* mEntries[kEntryCount] = {};
    QLabel* mMessage = nullptr;
    QPushButton* mUseReadings = nullptr;
    QPushButton* mPrintPage = nullptr;
    QPushButton* mPrintTwoSided = nullptr;
    QPushButton* mUseBackReadings = nullptr;
    CalibrationMarks mMarks;
};

} // namespace qm

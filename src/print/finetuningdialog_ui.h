// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintFineTune: the "Printer Fine-Tuning" dialog over the four nudges.
#pragma once

#include "print/finetuning.h"

#include <QDialog>

#include <array>

class QLabel;
class QToolButton;

namespace qm {

class CalibrationPanel;

class TPrintFineTune : public QDialog
{
    Q_OBJECT
public:
    // printer: the name of the printer these values are for, shown on the dialog.
    explicit TPrintFineTune(const PrintNudges& nudges, QWidget* parent = nullptr,
                            const QString& printer = QStringLiteral("PDF file"));

    // The nudges as the dialog holds them; the caller takes them over on OK.
    const PrintNudges& Nudges() const { return mLogic.Nudges(); }
    QString ValueText(FineTuneNudges::TNudge which) const;
    // The spin buttons' arrows, for a nudge.
    QToolButton* UpperArrow(FineTuneNudges::TNudge which) const { return mUp[size_t(which)]; }
    QToolButton* LowerArrow(FineTuneNudges::TNudge which) const { return mDown[size_t(which)]; }
    // The printer's offsets, scales and calibration-page readings.
    CalibrationPanel* Calibration() const { return mCalibration; }

    // Ok: the offsets and scales as entered are taken over; a wrong entry says why and the dialog stays.
    void accept() override;

private:
    void Refresh();

    FineTuneNudges mLogic;
    std::array<QLabel*, FineTuneNudges::kNudgeCount> mValues{};
    std::array<QToolButton*, FineTuneNudges::kNudgeCount> mUp{};
    std::array<QToolButton*, FineTuneNudges::kNudgeCount> mDown{};
    CalibrationPanel* mCalibration = nullptr;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintFineTune: the "Printer Fine-Tuning" dialog over the four nudges.
#pragma once

#include "print/finetuning.h"

#include <QDialog>

#include <array>

class QLabel;
class QToolButton;

namespace qm {

class TCalibrationPanel;

class TPrintFineTune : public QDialog
{
    Q_OBJECT
public:
    // printer: the name of the printer these values are for, shown on the dialog.
    explicit TPrintFineTune(const TPrintNudges& nudges, QWidget* parent = nullptr,
                            const QString& printer = QStringLiteral("PDF file"));

    // The nudges as the dialog holds them; the caller takes them over on OK.
    const TPrintNudges& Nudges() const { return mLogic.Nudges(); }
    QString ValueText(TFineTuneNudges::TNudge which) const;
    // The spin buttons' arrows, for a nudge.
    QToolButton* UpperArrow(TFineTuneNudges::TNudge which) const { return mUp[size_t(which)]; }
    QToolButton* LowerArrow(TFineTuneNudges::TNudge which) const { return mDown[size_t(which)]; }
    // The printer's offsets, scales and calibration-page readings.
    TCalibrationPanel* Calibration() const { return mCalibration; }

    // Ok: the offsets and scales as entered are taken over; a wrong entry says why and the dialog stays.
    void accept() override;

private:
    void Refresh();

    TFineTuneNudges mLogic;
    std::array<QLabel*, TFineTuneNudges::kNudgeCount> mValues{};
    std::array<QToolButton*, TFineTuneNudges::kNudgeCount> mUp{};
    std::array<QToolButton*, TFineTuneNudges::kNudgeCount> mDown{};
    TCalibrationPanel* mCalibration = nullptr;
};

} // namespace qm

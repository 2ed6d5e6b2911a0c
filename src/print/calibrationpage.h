// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration page: rulers along the paper's top and left edges, cross-hairs at known distances and what
// to measure, printed without any fine tuning so that the readings tell what the printer itself does.
#pragma once

#include "print/printercalibration.h"

#include <QString>
#include <QStringList>

namespace qm {

class TKReport;

// The instruction printed on the page, one line each; printer names the printer it was printed for.
QStringList CalibrationInstructions(const CalibrationMarks& marks, const QString& printer);

// Draws the page onto the report's current page (upright, coordinates from the paper's corner).
void DrawCalibrationPage(TKReport& report, const QString& printer);

// The whole job: one upright page of the given paper (a sheet layout's paper code). False when the target
// could not be written (report.ErrorString() says why).
bool PrintCalibrationPage(TKReport& report, int paperSize, const QString& printer);

} // namespace qm

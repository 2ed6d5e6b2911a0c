// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration page: rulers along the paper's top and left edges, cross-hairs at known distances and what
// to measure, printed without any fine tuning so that the readings tell what the printer itself does.
#pragma once

#include "print/duplexplacement.h"
#include "print/printercalibration.h"

#include <QPointF>
#include <QSizeF>
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

// The two-sided calibration page: on the front the three cross-hairs, on the back a scale across and a scale
// down at the place behind each, both placed with the printer's fine tuning as cards are (the back offset
// included). Held against the light, where a cross-hair's lines fall on its scales is what the back offset
// still lacks.
struct TwoSidedMarks
{
    QPointF Front[3]; // A, B, C on the front page, inches
    QPointF Back[3];  // the same places on the back page
};
TwoSidedMarks TwoSidedMarksFor(const QSizeF& paper, const PrintNudges& nudges, DuplexMode mode);
QStringList TwoSidedInstructions(const QString& printer);
// Both pages onto the report (the front on its current page, the back on the next).
void DrawTwoSidedCalibrationPage(TKReport& report, const PrintNudges& nudges, DuplexMode mode,
                                 const QString& printer);
// One side of it, on the report's current page.
void DrawTwoSidedCalibrationSide(TKReport& report, const PrintNudges& nudges, DuplexMode mode, bool front,
                                 const QString& printer);
// One side as a job of its own, for a sheet turned over by hand between the two.
bool PrintCalibrationHalf(TKReport& report, int paperSize, const PrintNudges& nudges, bool front,
                          const QString& printer);
// The whole job, asking the target for the sheet's turn. False when the target could not be written.
bool PrintTwoSidedCalibrationPage(TKReport& report, int paperSize, const PrintNudges& nudges, DuplexMode mode,
                                  const QString& printer);

// The back offset with the readings of the two-sided page added (millimetres, right and down as the back
// reads: where the front's cross-hair fell on the back's scales); false with the reason when it would leave
// the limits.
bool BackOffsetFromReadings(double readingX, double readingY, PrintNudges* nudges, QString* error);

} // namespace qm

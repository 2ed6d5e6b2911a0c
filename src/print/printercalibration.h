// SPDX-License-Identifier: GPL-3.0-or-later
// Each printer's fine tuning in qmk.ini, the calibration entries as typed, and the corrections worked out
// from what the user measured on the calibration page.
#pragma once

#include "print/finetuning.h"

#include <QString>
#include <QStringList>

namespace qm {

// The name fine tuning is kept under when the job goes to a PDF file rather than a printer. A CUPS queue's
// name has no spaces, so it never clashes with a printer's.
QString PdfFileCalibrationName();
// A calibration's name as the user reads it: the PDF files' one in the user's language, a printer's as it is.
QString CalibrationShownName(const QString& name);

// The qmk.ini section of one printer's fine tuning: "Printer: " and its name.
QString CalibrationSection(const QString& printer);

// A printer's fine tuning from qmk.ini (iniPath). A printer seen for the first time (no section of its own)
// takes the four nudges of the "Printer" section, as every printer did before each had its own, with no
// offset and a scale of 100 %. Values outside their ranges are brought into them.
PrintNudges LoadPrinterNudges(const QString& iniPath, const QString& printer);

// Stores a printer's fine tuning in its own section and its four nudges also as the "Printer" section's keys
// (older files know only those). Printers of knownPrinters that have no section yet keep the nudges they had
// so far: they get a section of their own first. False with *error set when the file could not be written.
bool SavePrinterNudges(const QString& iniPath, const QString& printer, const PrintNudges& nudges,
                       const QStringList& knownPrinters, QString* error = nullptr);

// The limits of the calibration.
constexpr int kMaxOffset = 200;  // 0.1 mm: 20 mm either way
constexpr int kMinScale = 9500;  // 95 %
constexpr int kMaxScale = 10500; // 105 %

// "1.5" for 15 tenths of a millimetre, "99.85" for a scale of 9985, as the settings file keeps them.
QString OffsetText(int tenthsOfMm);
QString ScaleText(int hundredthsOfPercent);
// The same in the user's way of writing numbers, for the dialog's entries and messages ("1,5" in German).
QString OffsetShown(int tenthsOfMm);
QString ScaleShown(int hundredthsOfPercent);
// A number the user typed: in the user's way of writing numbers (group separators refused), or else in C
// notation with a decimal point or comma. False when it is neither, or not finite.
bool ReadTypedNumber(const QString& text, double* value);
// An offset typed in millimetres, rounded to 0.1 mm; a scale typed in percent, rounded to 0.01 %. False with
// the reason (naming what) when the text is no number or out of range.
bool ParseOffset(const QString& text, const QString& what, int* tenthsOfMm, QString* error);
bool ParseScale(const QString& text, const QString& what, int* hundredthsOfPercent, QString* error);

// The marks of the calibration page, in millimetres from the paper's top-left corner: cross-hair A near the
// top-left corner, B to its right near the right edge, C below it near the bottom edge.
struct CalibrationMarks
{
    double Ax = 30, Ay = 30; // A, clear of the rulers
    double Bx = 180;         // B stands at Ay
    double Cy = 240;         // C stands at Ax
};
// The marks on paper of the given size (inches): B and C at whole centimetres 30 mm or more inside the edges.
CalibrationMarks CalibrationMarksFor(double paperWidthInches, double paperHeightInches);

// What the user measured on a calibration page printed without corrections, in millimetres from the paper's
// edges: A and B from the left edge, A and C from the top edge.
struct CalibrationReadings
{
    double Ax = 0, Bx = 0; // from the left edge
    double Ay = 0, Cy = 0; // from the top edge
};

// The offsets and scales that undo what the printer did to the page: the printer's stretch and shift along
// each axis follow from two marks; nudges keeps its 1/32-inch steps. False with the reason when the readings
// cannot come from that page (marks in the wrong order) or ask for more than the limits allow.
bool CorrectionsFromReadings(const CalibrationMarks& marks, const CalibrationReadings& readings,
                             PrintNudges* nudges, QString* error);

} // namespace qm

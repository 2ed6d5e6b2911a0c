// SPDX-License-Identifier: GPL-3.0-or-later
// The "print" subcommand: a card's sheet, its preview or the outline test page written to a PDF file.
#pragma once

#include "print/duplexplacement.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace qm {

// The most sheets one command prints.
constexpr int kMaxSheets = 100000;

// quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview]
//                [--merge DATA [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks]
//                [--stock "MAKER PART"] [--quiet] [--force]
struct PrintOptions
{
    QString Card;
    QString Pdf;
    bool ToPrinter = false; // --printer: to a print system queue instead of a PDF file
    QString Printer;        // the queue; empty for the default one
    int Copies = 1;             // sheets, 1..kMaxSheets
    std::vector<int> Positions; // sheet positions counted from 1; empty for every position
    bool Outline = false;       // the outline test page
    bool Preview = false;       // the pages the preview window would show
    bool Nudges = true;         // the printer fine tuning of qmk.ini applied, as printing from the window does
    bool Force = false;         // a PDF file name without the .pdf extension accepted
    bool Quiet = false;         // no progress on the terminal
    QString Merge;              // a CSV or vCard file: one card per record
    int Start = 1;              // in a merge, the sheet position of the first card
    bool CropMarks = false;     // marks of where to cut, in the margins and gaps between the cards
    DuplexMode Duplex = DuplexMode::None; // the card's back (NAME.back.qmk) behind each front
    QString Stock;              // --stock "MAKER PART": print on this card stock's sheet
};

// Reads the words after "print" (args as QCoreApplication::arguments() gives them: program, "print", ...).
// False with the reason when the command line is wrong, a PDF file name not ending in .pdf included (unless
// --force).
bool ParsePrintOptions(const QStringList& args, PrintOptions* options, QString* error);

// Reads the card with its companion layout (the preferences' default layout when the card has none) and
// background, and prints it into the PDF file, moved by the printer fine tuning of qmk.ini unless
// options.Nudges is off (a PDF is often printed on that printer, and the window's print to PDF does the same).
// Two-sided, the back's page follows each sheet's page (a manual job: the backs after all fronts; on a printer
// two jobs, with the request to turn the stack over between them on stderr); a card without a back prints
// its fronts with a note on stderr.
// False with a one-line message; usageError tells a bad command line for this card (a position the sheet does
// not have, a PDF file named like a file read for the job) from a bad card or an unwritable file.
bool PrintCardFile(const PrintOptions& options, QString* error, bool* usageError = nullptr);

// The whole subcommand with an application object already made: exit status 0 success, 1 a bad or unreadable
// card or an unwritable PDF file (one line on stderr), 2 bad usage.
int RunPrintCommand(const QStringList& args);
// The same as a program of its own: makes the offscreen application first.
int RunPrintProgram(int argc, char** argv);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintCommands: the main window's printing commands: print, preview, outline test page, printer set-up,
// fine tuning.
#pragma once

#include "model/sheetlayout.h"
#include "print/finetuning.h"
#include "print/sheetprinter.h"
#include "print/sheetpositions.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace qm {

class CardModel;
class TKBusinessCardPanel32;
class PrinterReport;
class TMergeFeed;
struct ReportPage;

// What the open card and the preferences hand to a printing command.
struct TPrintSettings
{
    CardSheetLayout Layout;
    PrintNudges Nudges;
    QString BackgroundFile;
    bool ShowBottomMarginWarning = true;
    // The card's file (empty for an untitled card): a PDF is named after it.
    QString CardFile;
    // The card's back, ready to print, and its background art; null for a card without a back.
    std::shared_ptr<const CardModel> Back;
    QString BackBackgroundFile;
};

// The PDF file a job proposes in folder: the card's name ("cards" for an untitled card), with " outline" for
// an outline test page.
QString ProposedPdfPath(const QString& folder, const QString& cardFile, bool outlineTest);

// Holds the report printer and the sheet positions chosen for the rest of the program's run. A PDF file is
// always a target: with no printer installed the commands still print (to a PDF file) and preview.
class TPrintCommands
{
    Q_DECLARE_TR_FUNCTIONS(qm::TPrintCommands)

public:
    TPrintCommands(QWidget* window, TKBusinessCardPanel32& panel);
    ~TPrintCommands();
    TPrintCommands(const TPrintCommands&) = delete;
    TPrintCommands& operator=(const TPrintCommands&) = delete;

    // The printer check of the first activation; with showMessages its information box is shown (call once).
    // True when a printer is installed and one is the default.
    bool CheckPrinters(bool showMessages);
    bool PrinterAvailable() const { return mPrinterAvailable; }

    // The report printer, made on first use.
    PrinterReport& ReportPrinter();
    SheetPositions& Positions() { return mPositions; }

    // "&Print": the position dialog, the bottom-margin warning, the job. False when abandoned or failed.
    // *warningSwitchedOff is set when the user ticked "Don't show this warning again": the window stores
    // that in the preferences.
    bool Print(const TPrintSettings& settings, bool* warningSwitchedOff = nullptr);
    // "Pre&view": the job recorded, then the preview window.
    bool Preview(const TPrintSettings& settings);
    // "Print O&utline Test Page": the print dialog, then card outlines only.
    bool PrintOutlineTestPage(const TPrintSettings& settings);
    // "Print &Merge...": the merge dialog (data file, which column feeds which field, start position), from
    // which the merge is previewed and printed. False when closed without printing.
    bool MergeDialog(const TPrintSettings& settings);
    // The data file the next merge starts from (a design brought in names it); numbered when its columns are
    // numbers ({1}, {2}...) rather than named by its first row.
    void UseMergeFile(const QString& path, bool numbered)
    {
        mMergeFile = path;
        mNumberedMergeFile = numbered ? path : QString();
    }
    // A merge's first sheets (at most kMergePreviewSheets) with their records, in the preview window.
    bool PreviewMerge(const TPrintSettings& settings, TMergeFeed& merge);
    // A merge printed: one card per record across then down from its start position, sheet after sheet
    // (copies do not count), the PDF file asked for when the printer writes one; afterwards the user is told
    // how many cards were printed and what the data file's reader cut or skipped. False when abandoned or
    // failed.
    bool PrintMerge(const TPrintSettings& settings, TMergeFeed& merge);
    static constexpr int kMergePreviewSheets = 5;
    // "Printer S&etup".
    bool PrinterSetup();
    // "Printer Fine &Tuning": true with nudges changed when the dialog ended with Ok (then save them). The
    // dialog names the printer and prints the calibration page on it.
    bool FineTune(PrintNudges& nudges, int paperSize = kPaperLetter);
    // The printer the jobs go to, by the name its fine tuning is kept under.
    QString CalibrationPrinter();
    // The calibration page on paper of the given size, on the printer the jobs go to (a PDF file is asked
    // for). False when abandoned or failed.
    bool PrintCalibrationPage(int paperSize);
    // The two-sided calibration page with the given fine tuning, turned as the last two-sided print was.
    bool PrintTwoSidedCalibrationPage(int paperSize, const PrintNudges& nudges);

    // Shows the recorded pages; the preview window by default (tests look at the pages instead).
    std::function<void(std::vector<ReportPage>&)> ShowPreview;
    // Asks where a PDF file goes, starting from the proposed path; empty when cancelled. A save dialog by
    // default.
    std::function<QString(const QString& proposed)> ChoosePdfFile;
    // Asks the user to turn the stack over between the fronts and the backs of a manual two-sided job on a
    // printer; false to stop there. A message box by default.
    std::function<bool(const QString&)> TurnStack;
    // Tells the user something (where a PDF file went); an information box by default.
    std::function<void(const QString&)> Inform;
    // The fine tuning of a printer (by CalibrationPrinter's name); when set, a job takes it for the printer
    // it goes to rather than the settings' nudges.
    std::function<PrintNudges(const QString& printer)> NudgesFor;

private:
    // Runs one job with the status window; the recorded pages for a preview. With a merge, its records
    // fill every position from its start position.
    TJobOutcome DoPrint(const TPrintSettings& settings, bool printMode, bool outlineTest,
                        TMergeFeed* merge = nullptr);
    // When the printer writes a PDF file: asks for the file of this job (a name is never taken over from the
    // job before). False when cancelled.
    bool ChooseJobPdf(const TPrintSettings& settings, bool outlineTest);
    // A dialog that shows where the job goes names this job's PDF file, not the last job's.
    void ProposeJobPdf(const TPrintSettings& settings, bool outlineTest);
    // A finished job into a PDF file says where the file is.
    void TellWherePdfWent(bool outlineTest);
    // A calibration page into a PDF file asks for the file (proposing the name); true when printing to a
    // printer or a file was chosen.
    bool ChooseCalibrationPdf(const QString& proposedName);

    QWidget* mWindow;
    TKBusinessCardPanel32& mPanel;
    std::unique_ptr<PrinterReport> mPrinter;
    SheetPositions mPositions;
    bool mCropMarks = false; // as last chosen in the print dialog
    DuplexMode mDuplex = DuplexMode::None; // as last chosen there for a card with a back
    // The two runs of a manual two-sided job on a printer, the stack turned over between them.
    TJobOutcome PrintManualHalves(LabelJob& job, TMergeFeed* merge);
    bool mPrinterAvailable = false;
    QString mPdfFolder; // where the last PDF file went
    QString mMergeFile;  // the data file of the last merge
    QString mNumberedMergeFile;
    int mMergeStart = 1; // and the position its first card went to
};

} // namespace qm

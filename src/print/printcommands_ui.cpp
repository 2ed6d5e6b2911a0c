// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintCommands: the order of dialogs and jobs behind the main window's printing commands.
#include "print/printcommands_ui.h"

#include "print/pagedreport.h"

#include "design/cardpanel.h"
#include "print/previewwindow_ui.h"
#include "print/printers_ui.h"
#include "print/calibrationpage.h"
#include "print/calibrationpanel_ui.h"
#include "print/finetuningdialog_ui.h"
#include "print/printstatus_ui.h"
#include "print/recordingreport.h"
#include "print/positiondialog_ui.h"
#include "print/bottomwarning_ui.h"
#include "print/mergedialog_ui.h"
#include "print/mergefeed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace qm {

QString ProposedPdfPath(const QString& folder, const QString& cardFile, bool outlineTest)
{
    //: The PDF file's name proposed for a card that has no file yet ("cards.pdf")
    QString name = cardFile.isEmpty() ? QCoreApplication::translate("qm::TPrintCommands", "cards")
                                      : QFileInfo(cardFile).completeBaseName();
    if (outlineTest)
        //: The PDF file's name proposed for the outline test page; %1 is the card's ("Jane outline.pdf")
        name = QCoreApplication::translate("qm::TPrintCommands", "%1 outline").arg(name);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

TPrintCommands::TPrintCommands(QWidget* window, TKBusinessCardPanel32& panel) : mWindow(window), mPanel(panel)
{
    ShowPreview = [this](std::vector<ReportPage>& pages) {
        TPreviewForm form(std::move(pages), mWindow);
        form.exec();
    };
    ChoosePdfFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(mWindow, tr("Print to PDF File"), proposed,
                                            tr("PDF File") + QStringLiteral(" (*.pdf)"));
    };
    Inform = [this](const QString& message) {
        QMessageBox::information(mWindow, QStringLiteral("Quillmark"), message);
    };
    TurnStack = [this](const QString& message) {
        return QMessageBox::information(mWindow, tr("Turn the Stack Over"), message,
                                        QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    };
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    mPdfFolder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

TPrintCommands::~TPrintCommands() = default;

bool TPrintCommands::CheckPrinters(bool showMessages)
{
    const TPrinterCheck check = qm::CheckPrinters();
    mPrinterAvailable = check.Ok;
    if (!check.Ok && showMessages)
        QMessageBox::information(mWindow, QStringLiteral("Quillmark"), check.Message);
    return check.Ok;
}

PrinterReport& TPrintCommands::ReportPrinter()
{
    if (!mPrinter)
        mPrinter = std::make_unique<PrinterReport>();
    return *mPrinter;
}

bool TPrintCommands::Print(const TPrintSettings& settings, bool* warningSwitchedOff)
{
    if (warningSwitchedOff)
        *warningSwitchedOff = false;
    PrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);
    ProposeJobPdf(settings, false);

    TSelectSpecificLabels dialog(settings.Layout, mPositions, mWindow);
    dialog.PrinterName = [&printer] { return printer.TargetName(); };
    dialog.PrintSetup = [this, &printer] { printer.SetupDialog(mWindow); };
    dialog.ApplyToPrinter = [&printer](int pages) {
        printer.SetOrientation(roDefault);
        printer.SetCopies(pages);
    };
    dialog.ShowPrinterName();
    dialog.SetCropMarks(mCropMarks);
    dialog.SetDuplex(mDuplex, bool(settings.Back));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    mPositions = dialog.Positions();
    mCropMarks = dialog.CropMarks();
    if (settings.Back)
        mDuplex = dialog.Duplex();

    QCoreApplication::processEvents();
    const double bottom = printer.UnprintableBottomMargin();
    if (BottomMarginWarningDue(bottom, settings.Layout, mPositions, settings.ShowBottomMarginWarning)) {
        TWarnBottomMargin warning(bottom, mWindow);
        const bool go = warning.exec() == QDialog::Accepted;
        if (warning.DontShowAgain() && warningSwitchedOff)
            *warningSwitchedOff = true;
        if (!go)
            return false;
    }
    if (!ChooseJobPdf(settings, false))
        return false;
    if (DoPrint(settings, true, false) != joFinished)
        return false;
    TellWherePdfWent(false);
    return true;
}

bool TPrintCommands::ChooseJobPdf(const TPrintSettings& settings, bool outlineTest)
{
    PrinterReport& printer = ReportPrinter();
    if (!printer.IsPdf())
        return true;
    QString file = ChoosePdfFile(ProposedPdfPath(mPdfFolder, settings.CardFile, outlineTest));
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    printer.Printer().setOutputFileName(file);
    mPdfFolder = QFileInfo(file).absolutePath();
    return true;
}

void TPrintCommands::ProposeJobPdf(const TPrintSettings& settings, bool outlineTest)
{
    PrinterReport& printer = ReportPrinter();
    if (printer.IsPdf())
        printer.Printer().setOutputFileName(ProposedPdfPath(mPdfFolder, settings.CardFile, outlineTest));
}

void TPrintCommands::TellWherePdfWent(bool outlineTest)
{
    PrinterReport& printer = ReportPrinter();
    if (!printer.IsPdf() || !Inform)
        return;
    const QString file = QDir::toNativeSeparators(QFileInfo(printer.Printer().outputFileName()).absoluteFilePath());
    //: %1 is the PDF file, on a line of its own
    Inform((outlineTest ? tr("The outline test page was printed to the PDF file\n%1")
                        //: %1 is the PDF file, on a line of its own
                        : tr("The cards were printed to the PDF file\n%1"))
               .arg(file));
}

bool TPrintCommands::Preview(const TPrintSettings& settings)
{
    return DoPrint(settings, false, false) == joFinished;
}

bool TPrintCommands::PrintOutlineTestPage(const TPrintSettings& settings)
{
    PrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);
    ProposeJobPdf(settings, true);
    if (!printer.PrintDialog(mWindow))
        return false;
    if (printer.IsPdf()) {
        const QFileInfo chosen(printer.Printer().outputFileName());
        if (chosen.fileName().isEmpty() && !ChooseJobPdf(settings, true))
            return false;
        mPdfFolder = QFileInfo(printer.Printer().outputFileName()).absolutePath();
    }
    if (DoPrint(settings, true, true) != joFinished)
        return false;
    TellWherePdfWent(true);
    return true;
}

bool TPrintCommands::MergeDialog(const TPrintSettings& settings)
{
    TMergeFeed merge;
    merge.SetStartPosition(mMergeStart);
    merge.SetNumberedFile(mNumberedMergeFile);
    ProposeJobPdf(settings, false);
    TMergeDialog dialog(merge, settings.Layout, mWindow);
    dialog.PrinterName = [this] { return ReportPrinter().TargetName(); };
    dialog.PrintSetup = [this] { ReportPrinter().SetupDialog(mWindow); };
    dialog.Preview = [&] { PreviewMerge(settings, merge); };
    dialog.Print = [&] { return PrintMerge(settings, merge); };
    dialog.ShowPrinterName();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.SetBrowseFolder(!mMergeFile.isEmpty() ? QFileInfo(mMergeFile).absolutePath()
                                                 : QFileInfo(documents).isDir() ? documents : QDir::homePath());
    if (!mMergeFile.isEmpty() && QFileInfo::exists(mMergeFile))
        dialog.OpenFile(mMergeFile);
    const bool printed = dialog.exec() == QDialog::Accepted;
    if (merge.IsOpen())
        mMergeFile = merge.Path();
    mMergeStart = merge.StartPosition();
    return printed;
}

bool TPrintCommands::PreviewMerge(const TPrintSettings& settings, TMergeFeed& merge)
{
    const TJobOutcome outcome = DoPrint(settings, false, false, &merge);
    if (outcome != joFinished && !merge.JobError().isEmpty() && Inform)
        //: %1 is the data file, %2 why it could not be read
        Inform(tr("The preview could not be made.\n\n%1: %2")
                   .arg(QDir::toNativeSeparators(merge.Path()), merge.JobError()));
    return outcome == joFinished;
}

bool TPrintCommands::PrintMerge(const TPrintSettings& settings, TMergeFeed& merge)
{
    PrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);
    printer.SetOrientation(roDefault);
    if (!ChooseJobPdf(settings, false))
        return false;
    const TJobOutcome outcome = DoPrint(settings, true, false, &merge);
    if (!merge.JobError().isEmpty()) {
        // A PDF file is left as it was; a printer may have had the first sheets.
        if (Inform)
            //: %1 is the data file, %2 why it could not be read
            Inform(tr("The merge was not printed to its end.\n\n%1: %2")
                       .arg(QDir::toNativeSeparators(merge.Path()), merge.JobError()));
        return false;
    }
    if (outcome != joFinished)
        return false;
    if (Inform) {
        const QString file = printer.IsPdf() ? QDir::toNativeSeparators(
                                                   QFileInfo(printer.Printer().outputFileName()).absoluteFilePath())
                                             : QString();
        Inform(merge.PrintedSummary(file));
    }
    return true;
}

bool TPrintCommands::PrinterSetup()
{
    return ReportPrinter().SetupDialog(mWindow);
}

bool TPrintCommands::FineTune(PrintNudges& nudges, int paperSize)
{
    TPrintFineTune dialog(nudges, mWindow, CalibrationPrinter());
    const QSizeF paper = PaperSizeInches(paperSize);
    dialog.Calibration()->SetMarks(CalibrationMarksFor(paper.width(), paper.height()));
    dialog.Calibration()->PrintCalibrationPage = [this, paperSize] { PrintCalibrationPage(paperSize); };
    dialog.Calibration()->PrintTwoSidedPage = [this, paperSize](const PrintNudges& values) {
        PrintTwoSidedCalibrationPage(paperSize, values);
    };
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nudges = dialog.Nudges();
    return true;
}

QString TPrintCommands::CalibrationPrinter()
{
    return ReportPrinter().CalibrationName();
}

bool TPrintCommands::ChooseCalibrationPdf(const QString& proposedName)
{
    PrinterReport& printer = ReportPrinter();
    if (!printer.IsPdf())
        return true;
    QString file = ChoosePdfFile(QDir(mPdfFolder).filePath(proposedName));
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    printer.Printer().setOutputFileName(file);
    mPdfFolder = QFileInfo(file).absolutePath();
    return true;
}

bool TPrintCommands::PrintCalibrationPage(int paperSize)
{
    PrinterReport& printer = ReportPrinter();
    //: The PDF file's name proposed for the calibration page
    if (!ChooseCalibrationPdf(tr("calibration page") + QStringLiteral(".pdf")))
        return false;
    const int copies = printer.Copies();
    const bool done = qm::PrintCalibrationPage(printer, paperSize, CalibrationPrinter());
    printer.SetCopies(copies);
    if (!done) {
        if (Inform)
            Inform(tr("The calibration page was not printed: %1").arg(printer.ErrorString()));
        return false;
    }
    if (printer.IsPdf() && Inform) {
        const QFileInfo file(printer.Printer().outputFileName());
        //: %1 is the PDF file, on a line of its own
        Inform(tr("The calibration page was printed to the PDF file\n%1")
                   .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    }
    return true;
}

bool TPrintCommands::PrintTwoSidedCalibrationPage(int paperSize, const PrintNudges& nudges)
{
    PrinterReport& printer = ReportPrinter();
    //: The PDF file's name proposed for the two-sided calibration page
    if (!ChooseCalibrationPdf(tr("two-sided calibration page") + QStringLiteral(".pdf")))
        return false;
    const int copies = printer.Copies();
    // The turn last chosen for printing; long edge until one was.
    const DuplexMode mode = mDuplex == DuplexMode::None ? DuplexMode::LongEdge : mDuplex;
    bool done = false;
    if (mode == DuplexMode::Manual && !printer.IsPdf()) {
        // A printer without a duplex unit: the front, the sheet turned over by hand, then the back.
        done = qm::PrintCalibrationHalf(printer, paperSize, nudges, true, CalibrationPrinter()) &&
               (!TurnStack || TurnStack(DuplexPlacement::TurnStackMessage(1))) &&
               qm::PrintCalibrationHalf(printer, paperSize, nudges, false, CalibrationPrinter());
    } else {
        done = qm::PrintTwoSidedCalibrationPage(printer, paperSize, nudges, mode, CalibrationPrinter());
    }
    printer.SetCopies(copies);
    if (!done) {
        if (Inform && !printer.ErrorString().isEmpty())
            Inform(tr("The calibration page was not printed: %1").arg(printer.ErrorString()));
        return false;
    }
    if (printer.IsPdf() && Inform) {
        const QFileInfo file(printer.Printer().outputFileName());
        //: %1 is the PDF file, on a line of its own
        Inform(tr("The two-sided calibration page was printed to the PDF file\n%1")
                   .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    }
    return true;
}

TJobOutcome TPrintCommands::DoPrint(const TPrintSettings& settings, bool printMode, bool outlineTest,
                                    TMergeFeed* merge)
{
    LabelJob job;
    job.PrintMode = printMode;
    job.OutlineTest = outlineTest;
    job.Positions = mPositions;
    job.Layout = settings.Layout;
    job.Nudges = NudgesFor ? NudgesFor(CalibrationPrinter()) : settings.Nudges;
    job.BackgroundFile = settings.BackgroundFile;
    job.CropMarks = mCropMarks && !outlineTest;
    if (settings.Back) {
        // Two-sided as chosen; a preview and the outline test page show the backs whatever was chosen.
        job.Duplex = mDuplex;
        if (job.Duplex == DuplexMode::None && (!printMode || outlineTest))
            job.Duplex = DuplexMode::LongEdge;
        job.Back = settings.Back.get();
        job.BackBackgroundFile = settings.BackBackgroundFile;
    }
    if (!merge && printMode && ReportPrinter().Printer().printRange() == QPrinter::PageRange) {
        job.FirstPage = ReportPrinter().Printer().fromPage();
        job.LastPage = ReportPrinter().Printer().toPage();
    }
    // The job and its report while it runs: a data file that fails half way stops the job, so that a PDF
    // file is left as it was.
    TLabelPrinter* running = nullptr;
    TKReport* runningReport = nullptr;
    if (merge) {
        job.Positions = SheetPositions();
        job.StartPosition = merge->StartPosition();
        const qint64 positions = qint64(settings.Layout.Across) * settings.Layout.Down;
        const qint64 limit =
            printMode ? 0 : std::max<qint64>(1, kMergePreviewSheets * positions - (job.StartPosition - 1));
        std::function<bool(MergeRecord&)> next = merge->StartJob(limit);
        if (!next)
            return joFailed;
        job.NextRecord = [next, merge, &running, &runningReport](MergeRecord& record) {
            if (next(record))
                return true;
            if (!merge->JobError().isEmpty() && running && runningReport)
                running->RequestCancel(*runningReport);
            return false;
        };
    }
    if (printMode && job.TwoSided() && job.Duplex == DuplexMode::Manual && !ReportPrinter().IsPdf())
        return PrintManualHalves(job, merge);
    TLabelPrinter labels(mPanel, job);
    running = &labels;

    if (printMode) {
        PrinterReport& printer = ReportPrinter();
        if (printer.IsPdf()) {
            // A PDF file is written by our own writer, as the command line's are, pages going to the file as
            // they are made: the card drawn once and placed at every position, or for a merge, whose cards all
            // differ, each page drawn as it comes with the fonts embedded once.
            std::unique_ptr<TKReport> pdf;
            if (merge)
                pdf = std::make_unique<PdfStreamReport>(printer.Printer().outputFileName());
            else
                pdf = std::make_unique<PdfReport>(printer.Printer().outputFileName());
            pdf->SetPaperSize(printer.PaperSize());
            pdf->SetCopies(printer.Copies());
            printer.SetCopies(1); // the pages are sheets of the file; as with any job, the count is used up
            runningReport = pdf.get();
            TPrintStatusWindow status(labels, *pdf, mWindow);
            return status.RunModal();
        }
        runningReport = &printer;
        TPrintStatusWindow status(labels, printer, mWindow);
        return status.RunModal();
    }
    RecordingReport recording;
    recording.SetPaperSize(settings.Layout.Papersize);
    runningReport = &recording;
    TPrintStatusWindow status(labels, recording, mWindow);
    const TJobOutcome outcome = status.RunModal();
    if (outcome == joFinished && ShowPreview) {
        std::vector<ReportPage> pages = recording.TakePages();
        ShowPreview(pages);
    }
    return outcome;
}

TJobOutcome TPrintCommands::PrintManualHalves(LabelJob& job, TMergeFeed* merge)
{
    PrinterReport& printer = ReportPrinter();
    const int sheets = std::max(1, printer.Copies());
    job.Pages = LabelJob::FrontHalf;
    TJobOutcome outcome = joFinished;
    {
        TLabelPrinter fronts(mPanel, job);
        TPrintStatusWindow status(fronts, printer, mWindow);
        outcome = status.RunModal();
    }
    if (outcome != joFinished)
        return outcome;
    if (TurnStack && !TurnStack(DuplexPlacement::TurnStackMessage(sheets)))
        return joCanceled;
    job.Pages = LabelJob::BackHalf;
    if (merge) {
        // The backs take the same people again, from the top of the file.
        auto next = merge->StartJob();
        if (!next)
            return joFailed;
        job.NextRecord = next;
    }
    printer.SetCopies(sheets);
    TLabelPrinter backs(mPanel, job);
    TPrintStatusWindow status(backs, printer, mWindow);
    return status.RunModal();
}

} // namespace qm

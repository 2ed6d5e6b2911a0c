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

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

namespace qm {

QString ProposedPdfPath(const QString& folder, const QString& cardFile, bool outlineTest)
{
    QString name = cardFile.isEmpty() ? QStringLiteral("cards") : QFileInfo(cardFile).completeBaseName();
    if (outlineTest)
        name += QStringLiteral(" outline");
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

TPrintCommands::TPrintCommands(QWidget* window, TKBusinessCardPanel32& panel) : mWindow(window), mPanel(panel)
{
    ShowPreview = [this](std::vector<TReportPage>& pages) {
        TPreviewForm form(std::move(pages), mWindow);
        form.exec();
    };
    ChoosePdfFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(mWindow, QStringLiteral("Print to PDF File"), proposed,
                                            QStringLiteral("PDF File (*.pdf)"));
    };
    Inform = [this](const QString& message) {
        QMessageBox::information(mWindow, QStringLiteral("Quillmark"), message);
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

TKPrinterReport& TPrintCommands::ReportPrinter()
{
    if (!mPrinter)
        mPrinter = std::make_unique<TKPrinterReport>();
    return *mPrinter;
}

bool TPrintCommands::Print(const TPrintSettings& settings, bool* warningSwitchedOff)
{
    if (warningSwitchedOff)
        *warningSwitchedOff = false;
    TKPrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);

    TSelectSpecificLabels dialog(settings.Layout, mPositions, mWindow);
    dialog.PrinterName = [&printer] { return printer.TargetName(); };
    dialog.PrintSetup = [this, &printer] { printer.SetupDialog(mWindow); };
    dialog.ApplyToPrinter = [&printer](int pages) {
        printer.SetOrientation(roDefault);
        printer.SetCopies(pages);
    };
    dialog.ShowPrinterName();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    mPositions = dialog.Positions();

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
    TKPrinterReport& printer = ReportPrinter();
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

void TPrintCommands::TellWherePdfWent(bool outlineTest)
{
    TKPrinterReport& printer = ReportPrinter();
    if (!printer.IsPdf() || !Inform)
        return;
    const QString file = QDir::toNativeSeparators(QFileInfo(printer.Printer().outputFileName()).absoluteFilePath());
    Inform((outlineTest ? QStringLiteral("The outline test page was printed to the PDF file\n%1")
                        : QStringLiteral("The cards were printed to the PDF file\n%1"))
               .arg(file));
}

bool TPrintCommands::Preview(const TPrintSettings& settings)
{
    return DoPrint(settings, false, false) == joFinished;
}

bool TPrintCommands::PrintOutlineTestPage(const TPrintSettings& settings)
{
    TKPrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);
    // The print dialog shows the file a PDF goes to: this job's name, not the last job's.
    if (printer.IsPdf())
        printer.Printer().setOutputFileName(ProposedPdfPath(mPdfFolder, settings.CardFile, true));
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

bool TPrintCommands::PrinterSetup()
{
    return ReportPrinter().SetupDialog(mWindow);
}

bool TPrintCommands::FineTune(TPrintNudges& nudges, int paperSize)
{
    TPrintFineTune dialog(nudges, mWindow, CalibrationPrinter());
    const QSizeF paper = PaperSizeInches(paperSize);
    dialog.Calibration()->SetMarks(CalibrationMarksFor(paper.width(), paper.height()));
    dialog.Calibration()->PrintCalibrationPage = [this, paperSize] { PrintCalibrationPage(paperSize); };
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nudges = dialog.Nudges();
    return true;
}

QString TPrintCommands::CalibrationPrinter()
{
    return ReportPrinter().CalibrationName();
}

bool TPrintCommands::PrintCalibrationPage(int paperSize)
{
    TKPrinterReport& printer = ReportPrinter();
    if (printer.IsPdf()) {
        QString file = ChoosePdfFile(QDir(mPdfFolder).filePath(QStringLiteral("calibration page.pdf")));
        if (file.isEmpty())
            return false;
        if (QFileInfo(file).suffix().isEmpty())
            file += QStringLiteral(".pdf");
        printer.Printer().setOutputFileName(file);
        mPdfFolder = QFileInfo(file).absolutePath();
    }
    const int copies = printer.Copies();
    const bool done = qm::PrintCalibrationPage(printer, paperSize, CalibrationPrinter());
    printer.SetCopies(copies);
    if (!done) {
        if (Inform)
            Inform(QStringLiteral("The calibration page was not printed: %1").arg(printer.ErrorString()));
        return false;
    }
    if (printer.IsPdf() && Inform) {
        const QFileInfo file(printer.Printer().outputFileName());
        Inform(QStringLiteral("The calibration page was printed to the PDF file\n%1")
                   .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    }
    return true;
}

TJobOutcome TPrintCommands::DoPrint(const TPrintSettings& settings, bool printMode, bool outlineTest)
{
    TLabelJob job;
    job.PrintMode = printMode;
    job.OutlineTest = outlineTest;
    job.Positions = mPositions;
    job.Layout = settings.Layout;
    job.Nudges = NudgesFor ? NudgesFor(CalibrationPrinter()) : settings.Nudges;
    job.BackgroundFile = settings.BackgroundFile;
    if (printMode && ReportPrinter().Printer().printRange() == QPrinter::PageRange) {
        job.FirstPage = ReportPrinter().Printer().fromPage();
        job.LastPage = ReportPrinter().Printer().toPage();
    }
    TLabelPrinter labels(mPanel, job);

    if (printMode) {
        TKPrinterReport& printer = ReportPrinter();
        if (printer.IsPdf()) {
            // A PDF file is written by our own writer, as the command line's are: the card drawn once,
            // pages going to the file as they are made.
            TKPdfReport pdf(printer.Printer().outputFileName());
            pdf.SetPaperSize(printer.PaperSize());
            pdf.SetCopies(printer.Copies());
            printer.SetCopies(1); // the pages are sheets of the file; as with any job, the count is used up
            TPrintStatusWindow status(labels, pdf, mWindow);
            return status.RunModal();
        }
        TPrintStatusWindow status(labels, printer, mWindow);
        return status.RunModal();
    }
    TKRecordingReport recording;
    recording.SetPaperSize(settings.Layout.Papersize);
    TPrintStatusWindow status(labels, recording, mWindow);
    const TJobOutcome outcome = status.RunModal();
    if (outcome == joFinished && ShowPreview) {
        std::vector<TReportPage> pages = recording.TakePages();
        ShowPreview(pages);
    }
    return outcome;
}

} // namespace qm

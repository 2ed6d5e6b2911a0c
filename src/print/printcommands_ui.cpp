// TPrintCommands: the order of dialogs and jobs behind the main window's printing commands.
#include "print/printcommands_ui.h"

#include "design/cardpanel.h"
#include "print/previewwindow_ui.h"
#include "print/printers_ui.h"
#include "print/finetuningdialog_ui.h"
#include "print/printstatus_ui.h"
#include "print/recordingreport.h"
#include "print/positiondialog_ui.h"
#include "print/bottomwarning_ui.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace qm {

TPrintCommands::TPrintCommands(QWidget* window, TKBusinessCardPanel32& panel) : mWindow(window), mPanel(panel)
{
    ShowPreview = [this](std::vector<TReportPage>& pages) {
        TPreviewForm form(std::move(pages), mWindow);
        form.exec();
    };
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
    if (!printer.EnsureOutputFile(mWindow))
        return false;
    return DoPrint(settings, true, false) == joFinished;
}

bool TPrintCommands::Preview(const TPrintSettings& settings)
{
    return DoPrint(settings, false, false) == joFinished;
}

bool TPrintCommands::PrintOutlineTestPage(const TPrintSettings& settings)
{
    TKPrinterReport& printer = ReportPrinter();
    printer.SetPaperSize(settings.Layout.Papersize);
    if (!printer.PrintDialog(mWindow))
        return false;
    if (!printer.EnsureOutputFile(mWindow))
        return false;
    return DoPrint(settings, true, true) == joFinished;
}

bool TPrintCommands::PrinterSetup()
{
    return ReportPrinter().SetupDialog(mWindow);
}

bool TPrintCommands::FineTune(TPrintNudges& nudges)
{
    TPrintFineTune dialog(nudges, mWindow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nudges = dialog.Nudges();
    return true;
}

TJobOutcome TPrintCommands::DoPrint(const TPrintSettings& settings, bool printMode, bool outlineTest)
{
    TLabelJob job;
    job.PrintMode = printMode;
    job.OutlineTest = outlineTest;
    job.Positions = mPositions;
    job.Layout = settings.Layout;
    job.Nudges = settings.Nudges;
    job.BackgroundFile = settings.BackgroundFile;
    TLabelPrinter labels(mPanel, job);

    if (printMode) {
        TKPrinterReport& printer = ReportPrinter();
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The printer check and the report printer over QPrinter, with its set-up and print dialogs.
#include "print/printers_ui.h"

#include "print/printercalibration.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qm {

TPrinterCheck CheckPrinterList(const QStringList& installed, const QString& defaultPrinter)
{
    if (installed.isEmpty())
        return {false,
                QCoreApplication::translate("qm::PrinterReport",
                                            "No printer was found on this computer.\n\nCards can still be "
                                            "printed to PDF files (File, Print), and the preview works.")};
    if (defaultPrinter.isEmpty())
        return {false,
                QCoreApplication::translate("qm::PrinterReport",
                                            "No default printer is chosen.\n\nCards are printed to PDF files "
                                            "until you choose a printer (File, Printer Setup).")};
    return {true, QString()};
}

TPrinterCheck CheckPrinters()
{
    return CheckPrinterList(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

QStringList CalibrationNames()
{
    return QPrinterInfo::availablePrinterNames() << PdfFileCalibrationName();
}

PrinterReport::PrinterReport() : mPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    if (!CheckPrinters().Ok)
        mPrinter->setOutputFormat(QPrinter::PdfFormat);
    mPrinter->setFullPage(true);
}

PrinterReport::~PrinterReport() = default;

bool PrinterReport::IsPdf() const
{
    return mPrinter->outputFormat() == QPrinter::PdfFormat;
}

QString PrinterReport::TargetName() const
{
    if (!IsPdf())
        return mPrinter->printerName();
    const QString file = QFileInfo(mPrinter->outputFileName()).fileName();
    //: Where the cards go when they are printed to a PDF file not chosen yet
    return file.isEmpty() ? QCoreApplication::translate("qm::PrinterReport", "PDF file")
                          //: Where the cards go: %1 is the PDF file's name
                          : QCoreApplication::translate("qm::PrinterReport", "PDF file %1").arg(file);
}

QString PrinterReport::CalibrationName() const
{
    return IsPdf() ? PdfFileCalibrationName() : mPrinter->printerName();
}

int PrinterReport::MaxCopies() const
{
    return mPrinter->supportsMultipleCopies() ? 999 : 1;
}

double PrinterReport::UnprintableBottomMargin() const
{
    if (IsPdf())
        return 0;
    QPageLayout layout = mPrinter->pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return layout.minimumMargins().bottom();
}

bool PrinterReport::SetupDialog(QWidget* parent)
{
    QPrintDialog dialog(mPrinter.get(), parent);
    dialog.setWindowTitle(QCoreApplication::translate("qm::PrinterReport", "Printer Setup"));
    // A page range chosen here (sheets 3 to 5 of a job) applies to the jobs that follow.
    dialog.setMinMax(1, 100000);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    const bool ok = dialog.exec() == QDialog::Accepted;
    mPrinter->setFullPage(true);
    return ok;
}

bool PrinterReport::PrintDialog(QWidget* parent)
{
    mPrinter->setCopyCount(Copies());
    QPrintDialog dialog(mPrinter.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    const bool ok = dialog.exec() == QDialog::Accepted;
    mPrinter->setFullPage(true);
    if (ok)
        SetCopies(mPrinter->copyCount());
    return ok;
}

QPagedPaintDevice* PrinterReport::OpenDevice()
{
    if (IsPdf() && mPrinter->outputFileName().isEmpty()) {
        SetError(QCoreApplication::translate("qm::PrinterReport", "no PDF file was chosen"));
        return nullptr;
    }
    mPrinter->setFullPage(true);
    mPrinter->setCopyCount(Copies());
    mPrinter->setDocName(Title());
    // A two-sided job asks the printer's duplex unit for its turn; a manual one must not have the unit turn
    // the sheets as well.
    if (Duplex() == DuplexMode::LongEdge)
        mPrinter->setDuplex(QPrinter::DuplexLongSide);
    else if (Duplex() == DuplexMode::ShortEdge)
        mPrinter->setDuplex(QPrinter::DuplexShortSide);
    else if (Duplex() == DuplexMode::Manual)
        mPrinter->setDuplex(QPrinter::DuplexNone);
    return mPrinter.get();
}

bool PrinterReport::CloseDevice(bool ok)
{
    return ok;
}

void PrinterReport::AbortDevice()
{
    mPrinter->abort();
}

} // namespace qm

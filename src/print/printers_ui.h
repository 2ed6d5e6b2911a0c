// SPDX-License-Identifier: GPL-3.0-or-later
// The installed printers and the report printer: a QPrinter page target that falls back to a PDF file.
#pragma once

#include "print/pagedreport.h"

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

namespace qm {

// The printer check of the first activation.
struct TPrinterCheck
{
    bool Ok = false;
    QString Message; // the information box when not Ok
};
// From the installed printers' names and the default printer's name.
TPrinterCheck CheckPrinterList(const QStringList& installed, const QString& defaultPrinter);
// The system's printers as QPrinterInfo sees them.
TPrinterCheck CheckPrinters();
// Every name fine tuning can be kept under: the installed printers' and "PDF file".
QStringList CalibrationNames();

// The report printer. It starts on the default printer; with no printer installed it writes a PDF file,
// which is always a target, so printing works on a machine without printers. Coordinates count from the
// paper's corner (full page) and landscape pages turn the same as in a PDF file.
class PrinterReport : public PagedReport
{
public:
    PrinterReport();
    ~PrinterReport() override;

    QPrinter& Printer() { return *mPrinter; }
    // True when the output is a PDF file rather than a printer.
    bool IsPdf() const;
    // The printer's name, or "PDF file" followed by the file's name.
    QString TargetName() const;
    // The name its fine tuning is kept under: the printer's, or "PDF file" for any PDF file.
    QString CalibrationName() const;
    int MaxCopies() const override;
    double UnprintableBottomMargin() const override;

    // "Printer S&etup": the system's print dialog to choose the printer and its settings. True when
    // confirmed.
    bool SetupDialog(QWidget* parent);
    // The print dialog of the outline test page: printer, copies and page range; the copies become the
    // report's. True when confirmed.
    bool PrintDialog(QWidget* parent);

protected:
    QPagedPaintDevice* OpenDevice() override;
    bool CloseDevice(bool ok) override;
    void AbortDevice() override;

private:
    std::unique_ptr<QPrinter> mPrinter;
};

} // namespace qm

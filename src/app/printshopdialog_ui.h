// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintShopDialog: File, "Export for Print Shop...": the bleed, crop marks and what a print shop would
// object to, before the PDF file is chosen.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace qm {

class CardDocument;
class PrintShopExport;

class TPrintShopDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TPrintShopDialog)

public:
    // The dialog edits the export's choices as they change; Ok goes on (warnings and all), Cancel does not.
    TPrintShopDialog(QWidget* parent, PrintShopExport& exporter);

    QDoubleSpinBox* BleedBox = nullptr;
    QCheckBox* CropMarksBox = nullptr;
    QListWidget* WarningList = nullptr;
    QLabel* WarningCaption = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

private:
    // The list, its caption and the Ok button's text follow the choices.
    void ShowWarnings();

    PrintShopExport& mExport;
};

// The whole command: the dialog, the file (proposed beside the card), the PDF written and where it went said.
// False when cancelled or when the file could not be written (said in a message).
bool ExportForPrintShop(QWidget* window, CardDocument& document);

} // namespace qm

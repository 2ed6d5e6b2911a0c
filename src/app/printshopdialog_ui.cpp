// SPDX-License-Identifier: GPL-3.0-or-later
// The "Export for Print Shop" dialog and the command behind it.
#include "app/printshopdialog_ui.h"

#include "app/cardbackground.h"
#include "app/carddocument.h"
#include "app/printshopexport.h"
#include "design/cardpanel.h"
#include "design/dialogbar_ui.h"
#include "model/cardmodel.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace qm {

TPrintShopDialog::TPrintShopDialog(QWidget* parent, PrintShopExport& exporter) : QDialog(parent), mExport(exporter)
{
    setWindowTitle(tr("Export for Print Shop"));

    auto* intro = new QLabel(tr("A PDF file of the card as print shops ask for it: the card's size "
                                "exactly, with a bleed around it into which the background goes on, "
                                "text kept as text in its fonts."),
                             this);
    intro->setWordWrap(true);

    BleedBox = new QDoubleSpinBox(this);
    BleedBox->setRange(0, PrintShopPage::kMaxBleedMm);
    BleedBox->setSingleStep(PrintShopPage::kBleedStepMm);
    BleedBox->setDecimals(1);
    //: the unit after the number of millimetres
    BleedBox->setSuffix(tr(" mm"));
    BleedBox->setValue(exporter.BleedMm());
    connect(BleedBox, &QDoubleSpinBox::valueChanged, this, [this](double mm) {
        mExport.SetBleedMm(mm);
        // A value typed between the steps goes to the nearest one.
        if (mExport.BleedMm() != mm)
            BleedBox->setValue(mExport.BleedMm());
        ShowWarnings();
    });

    CropMarksBox = new QCheckBox(tr("&Crop marks"), this);
    CropMarksBox->setChecked(exporter.CropMarks());
    connect(CropMarksBox, &QCheckBox::toggled, this, [this](bool on) { mExport.SetCropMarks(on); });

    auto* form = new QFormLayout;
    auto* bleedLabel = new QLabel(tr("&Bleed on each side:"), this);
    bleedLabel->setBuddy(BleedBox);
    form->addRow(bleedLabel, BleedBox);
    form->addRow(QString(), CropMarksBox);

    WarningCaption = new QLabel(this);
    WarningCaption->setWordWrap(true);
    WarningList = new QListWidget(this);
    WarningList->setWordWrap(true);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    OkButton = bar.ok;
    CancelButton = bar.cancel;
    HelpButton = bar.help;
    MouseHelpButton = bar.whatsThis;
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, [] { OpenHelpContext(kHelpPrintShop); });

    BleedBox->setWhatsThis(
        tr("How far the background, and every object that touches the card's edge, goes on "
           "beyond the card, so that a cut a little off the line leaves no white edge: 0 to "
           "6 mm in steps of 0.5 mm. Print shops usually ask for 3 mm."));
    CropMarksBox->setWhatsThis(tr("Thin black lines outside the bleed on the extensions of the card's edges, "
                                  "which show where to cut."));
    WarningList->setWhatsThis(
        tr("What a print shop may turn down: pictures with fewer than 300 dots per inch "
           "as printed, and text closer than 3 mm to the card's edge, which may be cut "
           "off. The file is written all the same when you go on."));
    SetButtonWhatsThis(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(WarningCaption);
    layout->addWidget(WarningList, 1);
    layout->addLayout(bar.layout);
    ShowWarnings();
    resize(480, WarningList->count() == 0 ? 220 : 360);
}

void TPrintShopDialog::ShowWarnings()
{
    if (!WarningList)
        return;
    const QStringList warnings = mExport.Warnings();
    WarningList->clear();
    WarningList->addItems(warnings);
    WarningList->setVisible(!warnings.isEmpty());
    WarningCaption->setText(warnings.isEmpty()
                                ? tr("Nothing here that a print shop would object to.")
                                : tr("A print shop may object to these; you can export anyway:"));
    OkButton->setText(warnings.isEmpty() ? tr("&Export...") : tr("&Export Anyway..."));
}

bool ExportForPrintShop(QWidget* window, CardDocument& document)
{
    // The front is exported from the panel, the back (when the card has one) as the second page.
    document.ShowSide(false);
    document.Panel().LayOutObjects();
    PrintShopExport exporter(document.Panel().Card(), ResolveBackgroundFile(document.BackgroundFile()));
    const std::unique_ptr<CardModel> back = document.HiddenSideCard();
    if (back)
        exporter.SetBack(back.get(), ResolveBackgroundFile(document.HiddenBackgroundFile()));
    TPrintShopDialog dialog(window, exporter);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        window, TPrintShopDialog::tr("Export for Print Shop"),
        PrintShopExport::ProposedFileName(document.FileName(), folder),
        //: a file dialog's filter; %1 is the file name patterns
        TPrintShopDialog::tr("PDF File (%1)").arg(QStringLiteral("*.pdf *.PDF")));
    if (path.isEmpty())
        return false;
    QString error;
    //: the PDF file's title when the card has no name yet
    const QString title = document.FileName().isEmpty() ? TPrintShopDialog::tr("Business card")
                                                        : QFileInfo(document.FileName()).completeBaseName();
    if (!exporter.Write(path, title, &error)) {
        QMessageBox::warning(window, TPrintShopDialog::tr("Export for Print Shop"),
                             TPrintShopDialog::tr("The PDF file was not written.\n\n%1").arg(error));
        return false;
    }
    QMessageBox::information(window, TPrintShopDialog::tr("Export for Print Shop"),
                             TPrintShopDialog::tr("Saved as %1").arg(path));
    return true;
}

} // namespace qm

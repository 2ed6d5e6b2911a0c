// SPDX-License-Identifier: GPL-3.0-or-later
// TSelectSpecificLabels: paints the sheet picture, toggles positions, All, None, Print Setup, pages and Ok.
#include "print/positiondialog_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helptopics.h"
#include "print/sheetpicture_ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

TSelectSpecificLabels::TSelectSpecificLabels(const CardSheetLayout& layout, const SheetPositions& positions,
                                             QWidget* parent)
    : QDialog(parent), mSelection(layout, positions, 96)
{
    setWindowTitle(tr("Print Cards"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* heading = new QLabel(QLatin1Char(' ') + tr("Select Cards To Print"), this);
    mBox = new SheetPicture(mSelection, this);
    mBox->setObjectName(QStringLiteral("PaintBox1"));
    mBox->Fill = [this](int i) { return mSelection.Selected(i) ? QColor(Qt::red) : QColor(Qt::white); };
    mBox->Clicked = [this](QPoint at) {
        const int index = mSelection.Click(at);
        if (index >= 0)
            mBox->update(mSelection.PositionRect(index));
    };
    mBox->Activated = [this](int index) { mSelection.Toggle(index); };
    mBox->Checked = [this](int index) { return mSelection.Selected(index); };
    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(mBox, 1);

    auto* all = new QPushButton(tr("&All", "all positions"), this);
    all->setObjectName(QStringLiteral("AllButton"));
    all->setAutoDefault(false);
    auto* none = new QPushButton(tr("&None", "no positions"), this);
    none->setObjectName(QStringLiteral("NoneButton"));
    none->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, &TSelectSpecificLabels::SelectAll);
    connect(none, &QPushButton::clicked, this, &TSelectSpecificLabels::SelectNone);

    const PrinterBox printer = MakePrinterBox(this, mPrinter, [this] {
        if (PrintSetup)
            PrintSetup();
        ShowPrinterName();
    });
    QGroupBox* printerBox = printer.box;
    QPushButton* setup = printer.setup;

    auto* pagesBox = new QGroupBox(tr("Pages"), this);
    auto* pagesLabel = new QLabel(tr("Number of &pages:"), pagesBox);
    mPages = new QSpinBox(pagesBox);
    mPages->setObjectName(QStringLiteral("PagesEdit"));
    mPages->setRange(TSheetSelection::kMinPages, TSheetSelection::kMaxPages);
    mPages->setValue(1);
    pagesLabel->setBuddy(mPages);
    auto* pagesLayout = new QHBoxLayout(pagesBox);
    pagesLayout->addWidget(pagesLabel);
    pagesLayout->addWidget(mPages);

    auto* right = new QVBoxLayout;
    right->addWidget(all);
    right->addWidget(none);
    right->addSpacing(12);
    right->addWidget(printerBox);
    right->addWidget(pagesBox);
    mCropMarks = new QCheckBox(tr("C&rop marks"), this);
    mCropMarks->setObjectName(QStringLiteral("CropMarksBox"));
    right->addWidget(mCropMarks);
    auto* sidesLabel = new QLabel(tr("&Sides:"), this);
    mDuplex = new QComboBox(this);
    mDuplex->setObjectName(QStringLiteral("DuplexBox"));
    mDuplex->addItem(tr("One-sided"), int(DuplexMode::None));
    mDuplex->addItem(tr("Two-sided, long edge"), int(DuplexMode::LongEdge));
    mDuplex->addItem(tr("Two-sided, short edge"), int(DuplexMode::ShortEdge));
    mDuplex->addItem(tr("Two-sided, turned by hand"), int(DuplexMode::Manual));
    sidesLabel->setBuddy(mDuplex);
    right->addWidget(sidesLabel);
    right->addWidget(mDuplex);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSelectSpecificLabels::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpPrintPositions);
    mBox->setWhatsThis(
        tr("The sheet with every card position. Red positions are printed: click one to switch it "
           "on or off, so that a sheet with some cards already used can be fed again."));
    all->setWhatsThis(tr("Prints on every position of the sheet."));
    none->setWhatsThis(tr("Switches every position off; then click the ones to print."));
    mPrinter->setWhatsThis(tr("Where the cards go: the printer, or a PDF file."));
    setup->setWhatsThis(tr("Chooses the printer (or a PDF file) and its paper."));
    mPages->setWhatsThis(tr("How many sheets to print."));
    mCropMarks->setWhatsThis(
        tr("Short lines in the sheet's margins and in the gaps between the cards, on the "
           "extensions of the cards' edges, to cut along with a trimmer. They never cross a "
           "card."));
    mDuplex->setWhatsThis(
        tr("Prints the card's back behind every card: after each sheet's page of fronts a page of "
           "backs for a printer that turns the sheet over its long or its short edge, or all "
           "fronts first and then all backs for a printer without that unit (you turn the stack "
           "over). Only a card with a back prints two-sided."));
    ok->setWhatsThis(tr("Prints the chosen positions on as many sheets as you asked for."));

    auto* layoutAll = new QVBoxLayout(this);
    layoutAll->addLayout(top, 1);
    layoutAll->addWidget(buttons);
    resize(442, 361);

    Inform = [this](const QString& message) { QMessageBox::information(this, windowTitle(), message); };
}

DuplexMode TSelectSpecificLabels::Duplex() const
{
    return mDuplex->isEnabled() ? DuplexMode(mDuplex->currentData().toInt()) : DuplexMode::None;
}

void TSelectSpecificLabels::SetDuplex(DuplexMode mode, bool cardHasBack)
{
    mDuplex->setCurrentIndex(std::max(0, mDuplex->findData(int(cardHasBack ? mode : DuplexMode::None))));
    mDuplex->setEnabled(cardHasBack);
    mDuplex->setToolTip(cardHasBack ? QString() : tr("The card has no back"));
}

bool TSelectSpecificLabels::CropMarks() const
{
    return mCropMarks->isChecked();
}

void TSelectSpecificLabels::SetCropMarks(bool on)
{
    mCropMarks->setChecked(on);
}

QWidget* TSelectSpecificLabels::PaintBox() const
{
    return mBox;
}

int TSelectSpecificLabels::Pages() const
{
    return mPages->value();
}

void TSelectSpecificLabels::SetPages(int pages)
{
    mPages->setValue(pages);
}

QString TSelectSpecificLabels::PrinterLabel() const
{
    return mPrinter->text();
}

void TSelectSpecificLabels::SelectAll()
{
    mSelection.SelectAll();
    mBox->update();
}

void TSelectSpecificLabels::SelectNone()
{
    mSelection.SelectNone();
    mBox->update();
}

void TSelectSpecificLabels::ShowPrinterName()
{
    mPrinter->setText(PrinterName ? PrinterName() : QString());
}

void TSelectSpecificLabels::accept()
{
    mSelection.SetPages(Pages());
    if (ApplyToPrinter)
        ApplyToPrinter(mSelection.Pages());
    const QString problem = mSelection.AcceptProblem();
    if (!problem.isEmpty()) {
        if (Inform)
            Inform(problem);
        return;
    }
    QDialog::accept();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TEditCardLayout: the "Business Card Layout" dialog: its controls, unit switching, the check on "Ok", and
// the card stock list (search, paper, choosing, Save Stock As, import).
#include "print/layoutdialog_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "platform/paths.h"
#include "stock/ownstock.h"
#include "stock/stockcatalog.h"
#include "stock/stocktext.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace qm {

namespace {

constexpr double kMaxInches = 999.999;
constexpr double kMaxMM = 25400.0;

// A length entry. Inches show as "#0.###" (no trailing zeros: 2 rather than 2.000), millimetres with their
// two decimals.
class LengthEdit : public QDoubleSpinBox
{
public:
    explicit LengthEdit(QWidget* parent) : QDoubleSpinBox(parent)
    {
        setButtonSymbols(QAbstractSpinBox::NoButtons);
        setAlignment(Qt::AlignRight);
        setKeyboardTracking(false);
    }

protected:
    QString textFromValue(double value) const override
    {
        QString text = locale().toString(value, 'f', decimals());
        if (!isGroupSeparatorShown())
            text.remove(locale().groupSeparator());
        if (decimals() == 3) {
            const QChar point = locale().decimalPoint().at(0);
            if (text.contains(point)) {
                while (text.endsWith(QLatin1Char('0')))
                    text.chop(1);
                if (text.endsWith(point))
                    text.chop(1);
            }
        }
        return text;
    }
};

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The small pictures beside the orientation buttons: a wide and a tall card.
QFrame* cardPicture(int width, int height, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFixedSize(width, height);
    return frame;
}

} // namespace

TEditCardLayout::TEditCardLayout(const CardSheetLayout& layout, QWidget* parent, const StockCatalog* catalog)
    : QDialog(parent), PreferencesPath(ProgramFile(QStringLiteral("qmk.ini"))), mLayout(layout),
      mCatalog(catalog), mOwnCatalog(!catalog)
{
    ShowInformation = [this](const QString& message) {
        QMessageBox::information(this, tr("Information"), message);
    };
    AskStockName = [this] {
        return QInputDialog::getText(this, tr("Save Stock As"), tr("Name of your card stock:"));
    };
    AskStockFile = [this] {
        return QFileDialog::getOpenFileName(this, tr("Import Card Stock"), QDir::homePath(),
                                            tr("gLabels templates") + QStringLiteral(" (*.xml);;") +
                                                tr("All files") + QStringLiteral(" (*)"));
    };
    BuildControls();

    // Changes of the predefined list made while setting up are not the user's choice.
    mSettingUp = true;
    MMButton->setChecked(mLayout.UseMM);
    Inchesbutton->setChecked(!mLayout.UseMM);
    ePortrait->setChecked(mLayout.UsePortrait);
    eLandscape->setChecked(!mLayout.UsePortrait);
    // The predefined sheet shows when the layout is its sheet (a layout from the stock list or typed in is
    // another).
    bool known = mLayout.PredefLayout >= 0 && mLayout.PredefLayout < kPredefinedLayoutCount;
    if (known) {
        // To the thousandth of an inch a file keeps.
        CardSheetLayout p = mLayout;
        ApplyPredefinedLayout(p, mLayout.PredefLayout);
        const auto near = [](float a, float b) { return std::abs(a - b) < 0.0006f; };
        known = p.Across == mLayout.Across && p.Down == mLayout.Down && p.Papersize == mLayout.Papersize &&
                near(p.Width, mLayout.Width) && near(p.Height, mLayout.Height) &&
                near(p.LeftMargin, mLayout.LeftMargin) && near(p.TopMargin, mLayout.TopMargin) &&
                near(p.HPitch, mLayout.HPitch) && near(p.VPitch, mLayout.VPitch);
    }
    PredefinedLayouts->setCurrentIndex(known ? mLayout.PredefLayout : -1);
    FillControls();
    UseCatalog(mCatalog ? *mCatalog : StockCatalog::Installed(PreferencesPath));
    NoteMatchingStock();
    mSettingUp = false;
}

TEditCardLayout::~TEditCardLayout() = default;

void TEditCardLayout::BuildControls()
{
    setWindowTitle(tr("Business Card Layout"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(900, 640);

    PredefinedLayouts = new QComboBox(this);
    PredefinedLayouts->setMaxVisibleItems(21);
    for (const PredefinedLayout& p : kPredefinedLayouts)
        PredefinedLayouts->addItem(QCoreApplication::translate("qm::SheetLayout", p.Caption));
    PredefinedLayouts->setWhatsThis(tr("Choose the card stock you print on; its sizes fill the boxes."));

    auto* units = new QWidget(this);
    Inchesbutton = new QRadioButton(tr("Use &Inches"), units);
    MMButton = new QRadioButton(tr("Use &Millimeters"), units);
    auto* unitRow = new QHBoxLayout(units);
    unitRow->setContentsMargins(0, 0, 0, 0);
    unitRow->addWidget(Inchesbutton);
    unitRow->addWidget(MMButton);
    unitRow->addStretch();

    const auto lengthEdit = [this](const QString& help) {
        auto* edit = new LengthEdit(this);
        edit->setWhatsThis(help);
        return edit;
    };
    eCardwidth = lengthEdit(tr("The width of one card."));
    eCardHeight = lengthEdit(tr("The height of one card."));
    eHorizPitch = lengthEdit(tr("From the left edge of one card to the left edge of the next."));
    eVertPitch = lengthEdit(tr("From the top edge of one card to the top edge of the card below."));
    eleftmarg = lengthEdit(tr("From the left edge of the paper to the first card."));
    etopmarg = lengthEdit(tr("From the top edge of the paper to the first card."));

    enbracross = new QSpinBox(this);
    enbracross->setRange(1, kMaxAcross);
    enbracross->setWhatsThis(tr("How many cards stand side by side."));
    enbrdown = new QSpinBox(this);
    enbrdown->setRange(1, kMaxDown);
    enbrdown->setWhatsThis(tr("How many rows of cards the sheet has."));

    epapersize = new QComboBox(this);
    //: A paper size in the list; the paper's own name stays as it is, the sizes are written the local way
    epapersize->addItem(tr("Letter (8.5 x 11\")"));
    epapersize->addItem(tr("A4 (210 x 297mm)"));

    auto* orientation = new QGroupBox(tr("Orientation"), this);
    eLandscape = new QRadioButton(tr("Normal", "orientation of the card on the sheet"), orientation);
    ePortrait = new QRadioButton(tr("Rotated", "orientation of the card on the sheet"), orientation);
    auto* orientationGrid = new QGridLayout(orientation);
    orientationGrid->addWidget(eLandscape, 0, 0);
    orientationGrid->addWidget(cardPicture(24, 14, orientation), 0, 1, Qt::AlignCenter);
    orientationGrid->addWidget(ePortrait, 1, 0);
    orientationGrid->addWidget(cardPicture(14, 24, orientation), 1, 1, Qt::AlignCenter);

    auto* sizes = new QGridLayout;
    sizes->addWidget(caption(tr("Card Width"), eCardwidth, this), 0, 0);
    sizes->addWidget(eCardwidth, 0, 1);
    sizes->addWidget(caption(tr("Card Height"), eCardHeight, this), 1, 0);
    sizes->addWidget(eCardHeight, 1, 1);
    sizes->addWidget(caption(tr("Horizontal Pitch"), eHorizPitch, this), 2, 0);
    sizes->addWidget(eHorizPitch, 2, 1);
    sizes->addWidget(caption(tr("Vertical Pitch"), eVertPitch, this), 3, 0);
    sizes->addWidget(eVertPitch, 3, 1);
    //: The number of cards side by side on the sheet
    sizes->addWidget(caption(tr("# across"), enbracross, this), 0, 2);
    sizes->addWidget(enbracross, 0, 3);
    //: The number of rows of cards on the sheet
    sizes->addWidget(caption(tr("# down"), enbrdown, this), 1, 2);
    sizes->addWidget(enbrdown, 1, 3);
    sizes->addWidget(caption(tr("Left Margin"), eleftmarg, this), 2, 2);
    sizes->addWidget(eleftmarg, 2, 3);
    sizes->addWidget(caption(tr("Top Margin"), etopmarg, this), 3, 2);
    sizes->addWidget(etopmarg, 3, 3);
    sizes->addWidget(caption(tr("Paper size"), epapersize, this), 4, 0);
    sizes->addWidget(epapersize, 4, 1, 1, 3);

    // The same bar as every other dialog: Ok, Cancel, Help and the what's-this arrow.
    const DialogButtonBar bar = MakeDialogButtonBar(this);
    OKButton = bar.ok;
    Cancelbutton = bar.cancel;
    Helpbutton = bar.help;
    MouseHelpButton = bar.whatsThis;
    QHBoxLayout* buttons = bar.layout;

    auto* lower = new QHBoxLayout;
    lower->addLayout(sizes, 1);
    lower->addWidget(orientation, 0, Qt::AlignTop);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(tr("Predefined Layouts"), this));
    page->addWidget(PredefinedLayouts);
    page->addWidget(BuildStockList(), 1);
    page->addWidget(units);
    page->addLayout(lower);
    page->addLayout(buttons);

    connect(PredefinedLayouts, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TEditCardLayout::PredefinedLayoutsChange);
    connect(MMButton, &QRadioButton::clicked, this, &TEditCardLayout::MMButtonClick);
    connect(Inchesbutton, &QRadioButton::clicked, this, &TEditCardLayout::InchesbuttonClick);
    connect(eCardwidth, &QDoubleSpinBox::editingFinished, this, &TEditCardLayout::eCardwidthExit);
    connect(eCardHeight, &QDoubleSpinBox::editingFinished, this, &TEditCardLayout::eCardHeightExit);
    connect(OKButton, &QPushButton::clicked, this, &TEditCardLayout::OKButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp();
        else
            OpenHelpContext(kHelpLayout);
    });
    Inchesbutton->setWhatsThis(tr("Shows and takes the sizes in inches."));
    MMButton->setWhatsThis(tr("Shows and takes the sizes in millimetres."));
    epapersize->setWhatsThis(tr("The paper of your card stock: Letter or A4."));
    eLandscape->setWhatsThis(tr("The card lies as designed, wider than high for a standard card."));
    ePortrait->setWhatsThis(tr("The card is turned a quarter on the sheet: for cards that stand upright."));
    SetButtonWhatsThis(this);
}

void TEditCardLayout::ShowLengthsIn(bool millimetres)
{
    const bool convert = millimetres != mShowingMM;
    for (QDoubleSpinBox* edit : {eCardwidth, eCardHeight, eHorizPitch, eVertPitch, eleftmarg, etopmarg}) {
        const double shown = edit->value();
        edit->setDecimals(millimetres ? 2 : 3);
        edit->setRange(0.0, millimetres ? kMaxMM : kMaxInches);
        if (convert)
            edit->setValue(millimetres ? InchesToMM(shown) : MMToInches(shown));
    }
    mShowingMM = millimetres;
}

void TEditCardLayout::FillControls()
{
    // The held values are inches, shown in the unit chosen (converted from the held value, so that a stock
    // of 85 mm shows 85.00 rather than its thousandths of an inch converted back).
    const bool millimetres = MMButton->isChecked();
    mShowingMM = millimetres; // only the decimals and ranges change here
    ShowLengthsIn(millimetres);
    const auto shown = [millimetres](float inches) {
        return millimetres ? InchesToMM(inches) : double(inches);
    };
    eCardwidth->setValue(shown(mLayout.Width));
    eCardHeight->setValue(shown(mLayout.Height));
    eHorizPitch->setValue(shown(mLayout.HPitch));
    eVertPitch->setValue(shown(mLayout.VPitch));
    eleftmarg->setValue(shown(mLayout.LeftMargin));
    etopmarg->setValue(shown(mLayout.TopMargin));
    enbracross->setValue(mLayout.Across);
    enbrdown->setValue(mLayout.Down);
    if (mLayout.Papersize == kPaperLetter)
        epapersize->setCurrentIndex(0);
    else if (mLayout.Papersize == kPaperA4)
        epapersize->setCurrentIndex(1);
    else if (mSettingUp)
        epapersize->setCurrentIndex(-1); // a code the list does not know is kept unless the user picks one
}

void TEditCardLayout::PredefinedLayoutsChange(int index)
{
    if (mSettingUp || index < 0 || index >= kPredefinedLayoutCount)
        return;
    ApplyPredefinedLayout(mLayout, index);
    FillControls();
}

void TEditCardLayout::MMButtonClick()
{
    if (!mShowingMM)
        ShowLengthsIn(true);
}

void TEditCardLayout::InchesbuttonClick()
{
    if (mShowingMM)
        ShowLengthsIn(false);
}

void TEditCardLayout::eCardwidthExit()
{
    if (eCardwidth->value() > eHorizPitch->value())
        eHorizPitch->setValue(eCardwidth->value());
}

void TEditCardLayout::eCardHeightExit()
{
    if (eCardHeight->value() > eVertPitch->value())
        eVertPitch->setValue(eCardHeight->value());
}

CardSheetLayout TEditCardLayout::EnteredLayout() const
{
    CardSheetLayout l = mLayout;
    l.Down = enbrdown->value();
    l.Across = enbracross->value();
    if (PredefinedLayouts->currentIndex() >= 0)
        l.PredefLayout = PredefinedLayouts->currentIndex();
    l.UsePortrait = ePortrait->isChecked();
    l.UseMM = MMButton->isChecked();
    const auto inches = [this](const QDoubleSpinBox* edit) {
        return float(mShowingMM ? MMToStoredInches(edit->value()) : edit->value());
    };
    l.Height = inches(eCardHeight);
    l.Width = inches(eCardwidth);
    l.HPitch = inches(eHorizPitch);
    l.VPitch = inches(eVertPitch);
    l.LeftMargin = inches(eleftmarg);
    l.TopMargin = inches(etopmarg);
    if (epapersize->currentIndex() == 0)
        l.Papersize = kPaperLetter;
    else if (epapersize->currentIndex() == 1)
        l.Papersize = kPaperA4;
    return l;
}

void TEditCardLayout::OKButtonClick()
{
    const CardSheetLayout entered = EnteredLayout();
    try {
        ValidCard(entered);
    } catch (const EValid& e) {
        if (ShowInformation)
            ShowInformation(e.Message());
        return;
    }
    mLayout = entered;
    accept();
}

} // namespace qm

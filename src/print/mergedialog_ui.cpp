// SPDX-License-Identifier: GPL-3.0-or-later
// TMergeDialog: translates the Print Merge dialog's controls into the merge feed and back.
#include "print/mergedialog_ui.h"

#include "contacts/contactformats.h"
#include "design/dialogbar_ui.h"
#include "platform/helptopics.h"
#include "print/mergefeed.h"
#include "print/sheetpicture_ui.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {

// A value as one line of a table cell: the first line, cut after 60 characters.
QString CellText(const QString& value)
{
    QString line = value.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (line.size() > 60 || line.size() < value.trimmed().size())
        line = line.left(60) + QStringLiteral("...");
    return line;
}

} // namespace

TMergeDialog::TMergeDialog(TMergeFeed& merge, const CardSheetLayout& layout, QWidget* parent)
    : QDialog(parent), mMerge(merge), mSheet(layout, SheetPositions(), 96)
{
    setWindowTitle(tr("Print Merge"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ChooseDataFile = [this](const QString& folder) {
        //: The file dialog's filter of both contact file types together
        return QFileDialog::getOpenFileName(this, tr("Open Merge Data"), folder,
                                            DialogFilters(tr("Names and addresses"), ContactFormats()));
    };

    // The data file.
    auto* fileLabel = new QLabel(tr("&Data file:"), this);
    mPath = new QLineEdit(this);
    mPath->setObjectName(QStringLiteral("DataFileEdit"));
    mPath->setMinimumWidth(320);
    fileLabel->setBuddy(mPath);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("BrowseButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = mMerge.IsOpen() ? QFileInfo(mMerge.Path()).absolutePath() : mBrowseFolder;
        const QString file = ChooseDataFile ? ChooseDataFile(folder) : QString();
        if (!file.isEmpty())
            OpenFile(file);
    });
    mPath->installEventFilter(this);
    // A name typed and left with Tab or a click elsewhere opens too.
    connect(mPath, &QLineEdit::editingFinished, this, [this] {
        const QString typed = mPath->text().trimmed();
        if (!typed.isEmpty() && typed != mShownPath)
            OpenFile(typed);
    });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(mPath, 1);
    fileRow->addWidget(browse);
    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("DataStatusLabel"));
    mStatus->setWordWrap(true);

    // Which column feeds each personal field, with the first person's value.
    mTable = new QTableWidget(kMergePersonalCount, 3, this);
    mTable->setObjectName(QStringLiteral("MappingTable"));
    mTable->setAccessibleName(tr("Columns feeding the fields"));
    mTable->setHorizontalHeaderLabels({tr("Field"), tr("Column of the file"), tr("First record")});
    mTable->verticalHeader()->hide();
    mTable->setSelectionMode(QAbstractItemView::NoSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    mTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->setColumnWidth(1, 170);
    mTable->setMinimumWidth(520);
    for (int field = 0; field < kMergePersonalCount; ++field) {
        auto* name = new QTableWidgetItem(PersonalPlaceholder(field));
        name->setFlags(Qt::ItemIsEnabled);
        mTable->setItem(field, 0, name);
        auto* combo = new QComboBox(mTable);
        combo->setObjectName(QStringLiteral("ColumnCombo%1").arg(field));
        // A combo box reads out its choice as its name here: the field goes in the description as well.
        //: %1 is a placeholder of the card ("{Company}")
        combo->setAccessibleName(tr("Column for %1").arg(PersonalPlaceholder(field)));
        combo->setAccessibleDescription(combo->accessibleName());
        combo->setWhatsThis(
            //: %1 is a placeholder of the card ("{Company}"); "(none)" is the first choice of the list
            tr("The column of the data file whose values the %1 placeholder shows "
               "on each card; (none) leaves it empty.")
                .arg(PersonalPlaceholder(field)));
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, combo, field](int index) {
            if (mFilling)
                return;
            const int column = combo->itemData(index).toInt();
            if (column == kMatchedItem && field >= kMergeAddress1 && field <= kMergeAddress3)
                mMerge.UseMatchedAddress();
            else if (column == kMatchedItem)
                mMerge.SetSource(field, mMerge.Matched().Source(field));
            else
                mMerge.SetColumn(field, column);
            // A choice for one address line ends the lines found for the others.
            ShowColumns();
        });
        mTable->setCellWidget(field, 1, combo);
        auto* value = new QTableWidgetItem;
        value->setFlags(Qt::ItemIsEnabled);
        mTable->setItem(field, 2, value);
    }
    mTable->resizeRowsToContents();
    mTable->setMinimumHeight(mTable->horizontalHeader()->sizeHint().height() +
                             kMergePersonalCount * mTable->rowHeight(0) + 4);

    // Where the first card goes.
    auto* sheetBox = new QGroupBox(tr("First sheet"), this);
    // The positions before the first card grey (already used), the ones the merge fills red; a click picks
    // the first card's position.
    mPicture = new SheetPicture(mSheet, this);
    mPicture->setObjectName(QStringLiteral("StartPicture"));
    mPicture->setFixedSize(mPicture->minimumSize());
    mPicture->Fill = [this](int i) {
        return i + 1 < mMerge.StartPosition() ? QColor(Qt::lightGray) : QColor(Qt::red);
    };
    mPicture->Clicked = [this](QPoint at) {
        const int index = mSheet.PositionAt(at);
        if (index >= 0)
            SetStartPosition(index + 1);
    };
    mPicture->Activated = [this](int index) { SetStartPosition(index + 1); };
    mPicture->Checked = [this](int index) { return index + 1 >= mMerge.StartPosition(); };
    mPicture->setAccessibleName(tr("First card's position"));
    auto* startLabel = new QLabel(tr("&Start at position:"), sheetBox);
    mStart = new QSpinBox(sheetBox);
    mStart->setObjectName(QStringLiteral("StartEdit"));
    mStart->setRange(1, std::max(1, mSheet.PositionCount()));
    mStart->setValue(std::min(mMerge.StartPosition(), mStart->maximum()));
    mMerge.SetStartPosition(mStart->value());
    startLabel->setBuddy(mStart);
    connect(mStart, qOverload<int>(&QSpinBox::valueChanged), this, &TMergeDialog::StartChanged);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(startLabel);
    startRow->addWidget(mStart);
    startRow->addStretch();
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    sheetLayout->addWidget(mPicture, 0, Qt::AlignHCenter);
    sheetLayout->addLayout(startRow);

    const PrinterBox printer = MakePrinterBox(this, mPrinter, [this] {
        if (PrintSetup)
            PrintSetup();
        ShowPrinterName();
    });
    QGroupBox* printerBox = printer.box;
    QPushButton* setup = printer.setup;

    auto* right = new QVBoxLayout;
    right->addWidget(sheetBox);
    right->addWidget(printerBox);
    right->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(mTable, 1);
    middle->addLayout(right);

    auto* buttons = new QDialogButtonBox(this);
    mPreview = buttons->addButton(tr("Pre&view"), QDialogButtonBox::ActionRole);
    mPreview->setObjectName(QStringLiteral("PreviewButton"));
    mPreview->setAutoDefault(false);
    mPrint = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    mPrint->setObjectName(QStringLiteral("PrintButton"));
    mPrint->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setAutoDefault(false);
    connect(mPreview, &QPushButton::clicked, this, [this] {
        if (Preview && mMerge.IsOpen())
            Preview();
    });
    connect(mPrint, &QPushButton::clicked, this, [this] {
        if (Print && mMerge.IsOpen() && Print())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpPrintMerge);
    mPath->setWhatsThis(
        tr("The CSV or vCard file of the people to print, one card each. Type a file's name and "
           "press Enter or Tab, or use Browse."));
    browse->setWhatsThis(
        tr("Chooses the data file: a CSV file with the column names in its first row (as "
           "spreadsheets and address books export them), or a vCard (.vcf) file of contacts."));
    mStatus->setWhatsThis(tr("What the data file holds, or why it cannot be used."));
    //: {Name} and {City} are placeholders as typed on the card: keep them as they are
    mTable->setWhatsThis(tr(
        "Which column of the data file each personal field takes. A name may be put together from the first "
        "and last names, and an address line from the town, region and postcode; as found in the file, blank "
        "address lines are left out and the lines below move up. Texts on the card show a field through its "
        "placeholder, such as {Name}; any other column shows through its own name, such as {City}."));
    mPicture->setWhatsThis(tr("The first sheet: grey positions are already used and stay empty, red ones are "
                              "printed. Click the position of the first card."));
    mStart->setWhatsThis(
        tr("The position of the first card on the first sheet, counted across then down; the "
           "sheets after it are printed from the first position."));
    mPrinter->setWhatsThis(tr("Where the cards go: the printer, or a PDF file."));
    setup->setWhatsThis(tr("Chooses the printer (or a PDF file) and its paper."));
    mPreview->setWhatsThis(tr("Shows the first sheets with the people of the data file on them."));
    mPrint->setWhatsThis(tr("Prints one card for every person of the data file."));

    auto* layoutAll = new QVBoxLayout(this);
    layoutAll->addLayout(fileRow);
    layoutAll->addWidget(mStatus);
    layoutAll->addLayout(middle, 1);
    layoutAll->addWidget(buttons);
    ShowMerge();
}

void TMergeDialog::OpenFile(const QString& path)
{
    // A large file takes a moment to count.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    mMerge.Open(path);
    QApplication::restoreOverrideCursor();
    mShownPath = QDir::toNativeSeparators(path);
    mPath->setText(mShownPath);
    ShowMerge();
}

bool TMergeDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the file's box opens the file rather than pressing Print.
    if (watched == mPath && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!mPath->text().trimmed().isEmpty())
                OpenFile(mPath->text().trimmed());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMergeDialog::ShowPrinterName()
{
    mPrinter->setText(PrinterName ? PrinterName() : QString());
}

void TMergeDialog::ChooseColumn(int field, int column)
{
    if (QComboBox* combo = ColumnCombo(field))
        combo->setCurrentIndex(std::max(0, combo->findData(column < 0 ? -1 : column)));
}

void TMergeDialog::ChooseMatched(int field)
{
    if (QComboBox* combo = ColumnCombo(field))
        combo->setCurrentIndex(std::max(0, combo->findData(kMatchedItem)));
}

void TMergeDialog::SetStartPosition(int position)
{
    mStart->setValue(position);
}

void TMergeDialog::StartChanged(int position)
{
    mMerge.SetStartPosition(position);
    mPicture->update();
}

QString TMergeDialog::Problem() const
{
    return mMerge.IsOpen() ? QString() : mMerge.Problem();
}

QComboBox* TMergeDialog::ColumnCombo(int field) const
{
    return qobject_cast<QComboBox*>(mTable->cellWidget(field, 1));
}

void TMergeDialog::ShowMerge()
{
    const bool open = mMerge.IsOpen();
    if (open) {
        mStatus->setStyleSheet(mMerge.CountProblem().isEmpty() ? QString() : QStringLiteral("color: #b00000"));
        mStatus->setText(mMerge.ReadSummary());
    } else if (!mMerge.Problem().isEmpty()) {
        mStatus->setStyleSheet(QStringLiteral("color: #b00000"));
        //: %1 is the reason
        mStatus->setText(tr("This file cannot be used: %1").arg(mMerge.Problem()));
    } else {
        mStatus->setStyleSheet(QString());
        mStatus->setText(tr("Choose a CSV or vCard file with one person in each record."));
    }
    mFilling = true;
    const FieldMapping& matched = mMerge.Matched();
    QStringList lines;
    for (const FieldSource& line : matched.AddressLines())
        lines << line.Describe(mMerge.Columns());
    const QString linesTip = tr("The address lines found in the file, blank ones left out for each person:") +
                             QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    int widest = 0;
    for (int field = 0; field < kMergePersonalCount; ++field) {
        QComboBox* combo = ColumnCombo(field);
        combo->clear();
        combo->addItem(tr("(none)", "no column"), -1);
        // What matching put together is offered first: the lines of the address, a name from its parts.
        const bool address = field >= kMergeAddress1 && field <= kMergeAddress3;
        if (open && address && !lines.isEmpty()) {
            combo->addItem(tr("Line %1 of the address").arg(field - kMergeAddress1 + 1), kMatchedItem);
            combo->setItemData(1, linesTip, Qt::ToolTipRole);
        } else if (open && !address && matched.Source(field).IsCombined()) {
            combo->addItem(matched.Source(field).Describe(mMerge.Columns()), kMatchedItem);
        }
        for (qsizetype column = 0; column < mMerge.Columns().size(); ++column)
            combo->addItem(mMerge.Columns()[column], int(column));
        for (int item = 0; item < std::min(combo->count(), 3); ++item)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(item)));
        combo->setEnabled(open);
    }
    // Wide enough for what matching chose, within reason, leaving the values their room.
    const int width = std::clamp(widest + 40, 170, 280);
    mTable->setColumnWidth(1, width);
    mTable->setMinimumWidth(520 + width - 170);
    mFilling = false;
    ShowColumns();
    mPreview->setEnabled(open);
    mPrint->setEnabled(open);
}

void TMergeDialog::ShowColumns()
{
    const bool open = mMerge.IsOpen();
    const FieldMapping& mapping = mMerge.Mapping();
    mFilling = true;
    for (int field = 0; field < kMergePersonalCount; ++field) {
        QComboBox* combo = ColumnCombo(field);
        const bool address = field >= kMergeAddress1 && field <= kMergeAddress3;
        const FieldSource& source = mapping.Source(field);
        const bool matched = address ? !mapping.AddressLines().empty()
                                     : source.IsCombined() && source == mMerge.Matched().Source(field);
        const int item = !open ? 0 : combo->findData(matched ? kMatchedItem : mapping.Column(field));
        combo->setCurrentIndex(std::max(0, item));
        combo->setToolTip(combo->currentText());
    }
    mFilling = false;
    ShowValues();
}

void TMergeDialog::ShowValues()
{
    for (int field = 0; field < kMergePersonalCount; ++field) {
        QTableWidgetItem* item = mTable->item(field, 2);
        item->setText(CellText(mMerge.SampleValue(field)));
        // The next few people's values as the cell's tip.
        QStringList more;
        for (int i = 1; i < int(mMerge.Samples().size()); ++i)
            more << CellText(mMerge.SampleValue(field, i));
        item->setToolTip(more.isEmpty() ? QString()
                                        //: The values of the next people, separated by semicolons
                                        : tr("Next: %1").arg(more.join(QStringLiteral("; "))));
    }
}

} // namespace qm

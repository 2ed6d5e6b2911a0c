// SPDX-License-Identifier: GPL-3.0-or-later
// The card stock list of the "Business Card Layout" dialog: search, paper, choosing a product, Save Stock As
// and importing a gLabels templates file.
#include "print/layoutdialog_ui.h"

#include "platform/atomicfile.h"
#include "stock/ownstock.h"
#include "stock/stockcatalog.h"
#include "stock/stocktext.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace qm {

QWidget* TEditCardLayout::BuildStockList()
{
    auto* group = new QGroupBox(tr("Card Stock"), this);
    StockSearch = new QLineEdit(group);
    StockSearch->setPlaceholderText(tr("Search maker, part number or description"));
    StockSearch->setClearButtonEnabled(true);
    StockPaper = new QComboBox(group);
    // Its choices after the first are the paper names of the stock database, shown as they are stored.
    StockPaper->setObjectName(QStringLiteral("StockPaper"));
    StockList = new QTreeWidget(group);
    StockList->setAccessibleName(tr("Card stock"));
    StockList->setColumnCount(7);
    //: Headings of the card stock list; "Part" is the maker's part number, "From" where the entry comes from
    StockList->setHeaderLabels({tr("Maker"), tr("Part", "part number"), tr("Description"), tr("Card size"),
                                tr("Cards", "count of cards on a sheet"), tr("Paper"), tr("From", "source")});
    StockList->setRootIsDecorated(false);
    StockList->setUniformRowHeights(true);
    StockList->setAllColumnsShowFocus(true);
    // Widths for the usual entries (longer ones are elided); the description takes the rest.
    StockList->header()->setStretchLastSection(false);
    StockList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    const QFontMetrics metrics(StockList->font());
    const char* const widest[] = {"Online Labels", "L7414-25",         nullptr, "89.9 x 50.8 mm", "Cards",
                                  "US Letter",     "gLabels, as 28371"};
    // A heading wider than the entries (in another language) sets the width.
    for (int column = 0; column < 7; ++column)
        if (widest[column])
            StockList->setColumnWidth(
                column, std::max(metrics.horizontalAdvance(QLatin1String(widest[column])),
                                 metrics.horizontalAdvance(StockList->headerItem()->text(column))) +
                            24);
    StockNote = new QLabel(group);
    StockNote->setWordWrap(true);
    SaveStockButton = new QPushButton(tr("Save Stock &As..."), group);
    ImportStockButton = new QPushButton(tr("&Import Stock..."), group);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("&Search"), group), 0, 0);
    static_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setBuddy(StockSearch);
    grid->addWidget(StockSearch, 0, 1);
    auto* paperCaption = new QLabel(tr("&Paper"), group);
    paperCaption->setBuddy(StockPaper);
    grid->addWidget(paperCaption, 0, 2);
    grid->addWidget(StockPaper, 0, 3);
    grid->addWidget(StockList, 1, 0, 1, 4);
    grid->addWidget(StockNote, 2, 0, 1, 2);
    auto* stockButtons = new QHBoxLayout;
    stockButtons->addWidget(ImportStockButton);
    stockButtons->addWidget(SaveStockButton);
    grid->addLayout(stockButtons, 2, 2, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->setColumnStretch(1, 1);

    StockSearch->setWhatsThis(tr("Type words of the maker, the part number or the description of "
                                 "your card stock: the list keeps what holds every word."));
    StockPaper->setWhatsThis(tr("Shows the card stock of one paper size only."));
    StockList->setWhatsThis(
        tr("Card stock you can buy, business cards first: gLabels' database where it is installed, your own "
           "saved stock, and the built-in sheets. Choose one and its sizes fill the boxes below."));
    SaveStockButton->setWhatsThis(tr("Keeps the sizes below under a name of yours, in the stock "
                                     "list from now on."));
    ImportStockButton->setWhatsThis(tr("Adds the card stock of a gLabels templates file (.xml) to "
                                       "the list."));

    connect(StockSearch, &QLineEdit::textChanged, this, &TEditCardLayout::StockFilterChange);
    connect(StockPaper, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TEditCardLayout::StockFilterChange);
    connect(StockList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            StockChosen(StockList->indexOfTopLevelItem(item));
    });
    // A click on the row already chosen takes it again (after the boxes were changed by hand).
    connect(StockList, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { StockChosen(StockList->indexOfTopLevelItem(item)); });
    connect(SaveStockButton, &QPushButton::clicked, this, &TEditCardLayout::SaveStockAsClick);
    connect(ImportStockButton, &QPushButton::clicked, this, &TEditCardLayout::ImportStockClick);
    return group;
}

void TEditCardLayout::UseCatalog(const StockCatalog& catalog)
{
    mCatalog = &catalog;
    const QString paper = StockPaper->currentData().toString();
    const QSignalBlocker block(StockPaper);
    StockPaper->clear();
    StockPaper->addItem(tr("All papers"), QString());
    for (const auto& [id, name] : catalog.PaperChoices())
        StockPaper->addItem(name, id);
    StockPaper->setCurrentIndex(std::max(0, StockPaper->findData(paper)));
    StockFilterChange();
}

void TEditCardLayout::StockFilterChange()
{
    mStockRows = mCatalog->Search(StockSearch->text(), StockPaper->currentData().toString());
    const QSignalBlocker block(StockList);
    StockList->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(mStockRows.size()));
    for (const StockEntry* e : mStockRows) {
        // The program's own sheets are named in the user's language; gLabels and file names as they are.
        QString from = e->Source == QLatin1String(kStockBuiltIn)
                           ? tr("built in", "card stock that comes with the program")
                           : e->Source;
        if (!e->EquivalentOf.isEmpty())
            //: Where a stock entry comes from, and the other entry it has the sizes of ("gLabels, as 28371")
            from = tr("%1, as %2").arg(from, e->EquivalentOf);
        items << new QTreeWidgetItem(QStringList{e->Brand, e->Part, e->Description, StockCardSize(*e),
                                                 StockCounts(*e), e->PaperName, from});
    }
    StockList->addTopLevelItems(items);
}

void TEditCardLayout::StockChosen(int row)
{
    if (row < 0 || row >= int(mStockRows.size()))
        return;
    const StockEntry& e = *mStockRows[size_t(row)];
    CardSheetLayout chosen;
    const QString problem = StockToLayout(e, EnteredLayout(), &chosen);
    if (!problem.isEmpty()) {
        StockNote->setText(problem);
        return;
    }
    chosen.PredefLayout = mLayout.PredefLayout;
    mLayout = chosen;
    const bool settingUp = mSettingUp;
    mSettingUp = true;
    PredefinedLayouts->setCurrentIndex(-1);
    FillControls();
    mSettingUp = settingUp;
    NoteMatchingStock();
}

void TEditCardLayout::NoteMatchingStock()
{
    const std::vector<const StockEntry*> same = mCatalog->Matching(EnteredLayout());
    if (same.empty()) {
        StockNote->setText(tr("The sizes below are no sheet of the list."));
        return;
    }
    if (same.size() == 1) {
        //: %1 is a card stock ("Avery 8371")
        StockNote->setText(tr("The sizes below are the sheet of %1.").arg(same.front()->Name()));
        return;
    }
    //: %1 is a card stock ("Avery 8371"), %n how many others have the same sizes
    StockNote->setText(tr("The sizes below are the sheet of %1 and %n more.", nullptr, int(same.size() - 1))
                           .arg(same.front()->Name()));
}

void TEditCardLayout::SaveStockAsClick()
{
    const CardSheetLayout entered = EnteredLayout();
    const QString problem = CardLayoutProblem(entered);
    if (!problem.isEmpty()) {
        ShowInformation(problem);
        return;
    }
    const QString name = AskStockName ? AskStockName().trimmed() : QString();
    if (name.isEmpty())
        return;
    QString error;
    if (!SaveOwnStock(PreferencesPath, name, entered, &error)) {
        ShowInformation(tr("The stock \"%1\" could not be saved: %2").arg(name, error));
        return;
    }
    StockCatalog::Forget();
    if (mOwnCatalog)
        UseCatalog(StockCatalog::Installed(PreferencesPath));
    NoteMatchingStock();
}

void TEditCardLayout::ImportStockClick()
{
    const QString path = AskStockFile ? AskStockFile() : QString();
    if (path.isEmpty())
        return;
    // Read first: a file that does not read is not copied.
    StockFileFormat format(mCatalog->Papers());
    std::vector<StockEntry> read;
    QByteArray bytes;
    QFile file(path);
    if (!format.Read(path, read) || !file.open(QIODevice::ReadOnly)) {
        ShowInformation(format.ErrorString().isEmpty() ? file.errorString() : format.ErrorString());
        return;
    }
    bytes = file.readAll();
    const QString folder = StockCatalog::ImportFolder();
    QString error;
    if (!QDir().mkpath(folder) ||
        !WriteFileAtomic(QDir(folder).filePath(QFileInfo(path).fileName()), bytes, &error)) {
        ShowInformation(tr("The stock could not be kept in %1: %2").arg(folder, error));
        return;
    }
    StockCatalog::Forget();
    if (mOwnCatalog)
        UseCatalog(StockCatalog::Installed(PreferencesPath));
    const QString name = QFileInfo(path).fileName();
    //: %1 is the file's name
    StockNote->setText(read.size() == 1 ? tr("1 sheet of %1 added.").arg(name)
                                        //: %1 is the file's name
                                        : tr("%Ln sheets of %1 added.", nullptr, int(read.size())).arg(name));
}

} // namespace qm

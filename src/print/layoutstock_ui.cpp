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

namespace qm {

QWidget* TEditCardLayout::BuildStockList()
{
    auto* group = new QGroupBox(QStringLiteral("Card Stock"), this);
    StockSearch = new QLineEdit(group);
    StockSearch->setPlaceholderText(QStringLiteral("Search maker, part number or description"));
    StockSearch->setClearButtonEnabled(true);
    StockPaper = new QComboBox(group);
    StockList = new QTreeWidget(group);
    StockList->setAccessibleName(QStringLiteral("Card stock"));
    StockList->setColumnCount(7);
    StockList->setHeaderLabels({QStringLiteral("Maker"), QStringLiteral("Part"),
                                QStringLiteral("Description"), QStringLiteral("Card size"),
                                QStringLiteral("Cards"), QStringLiteral("Paper"), QStringLiteral("From")});
    StockList->setRootIsDecorated(false);
    StockList->setUniformRowHeights(true);
    StockList->setAllColumnsShowFocus(true);
    // Widths for the usual entries (longer ones are elided); the description takes the rest.
    StockList->header()->setStretchLastSection(false);
    StockList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    const QFontMetrics metrics(StockList->font());
    const char* const widest[] = {"Online Labels", "L7414-25",         nullptr, "89.9 x 50.8 mm", "Cards",
                                  "US Letter",     "gLabels, as 28371"};
    for (int column = 0; column < 7; ++column)
        if (widest[column])
            StockList->setColumnWidth(column, metrics.horizontalAdvance(QLatin1String(widest[column])) + 24);
    StockNote = new QLabel(group);
    StockNote->setWordWrap(true);
    SaveStockButton = new QPushButton(QStringLiteral("Save Stock &As..."), group);
    ImportStockButton = new QPushButton(QStringLiteral("&Import Stock..."), group);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("&Search"), group), 0, 0);
    static_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setBuddy(StockSearch);
    grid->addWidget(StockSearch, 0, 1);
    auto* paperCaption = new QLabel(QStringLiteral("&Paper"), group);
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

    StockSearch->setWhatsThis(QStringLiteral("Type words of the maker, the part number or the description of "
                                             "your card stock: the list keeps what holds every word."));
    StockPaper->setWhatsThis(QStringLiteral("Shows the card stock of one paper size only."));
    StockList->setWhatsThis(QStringLiteral(
        "Card stock you can buy, business cards first: gLabels' database where it is installed, your own "
        "saved stock, and the built-in sheets. Choose one and its sizes fill the boxes below."));
    SaveStockButton->setWhatsThis(QStringLiteral("Keeps the sizes below under a name of yours, in the stock "
                                                 "list from now on."));
    ImportStockButton->setWhatsThis(
        QStringLiteral("Adds the card stock of a gLabels templates file (.xml) to "
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
    StockPaper->addItem(QStringLiteral("All papers"), QString());
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
        QString from = e->Source;
        if (!e->EquivalentOf.isEmpty())
            from += QStringLiteral(", as %1").arg(e->EquivalentOf);
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
        StockNote->setText(QStringLiteral("The sizes below are no sheet of the list."));
        return;
    }
    QString text = QStringLiteral("The sizes below are the sheet of %1").arg(same.front()->Name());
    if (same.size() > 1)
        text += QStringLiteral(" and %1 more").arg(same.size() - 1);
    StockNote->setText(text + QLatin1Char('.'));
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
        ShowInformation(QStringLiteral("The stock \"%1\" could not be saved: %2").arg(name, error));
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
        ShowInformation(QStringLiteral("The stock could not be kept in %1: %2").arg(folder, error));
        return;
    }
    StockCatalog::Forget();
    if (mOwnCatalog)
        UseCatalog(StockCatalog::Installed(PreferencesPath));
    StockNote->setText(
        QStringLiteral("%1 sheets of %2 added.").arg(read.size()).arg(QFileInfo(path).fileName()));
}

} // namespace qm

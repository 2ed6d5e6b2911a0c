// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the layout dialog's card stock list over the sample of gLabels' database: business cards first,
// search and paper filter, choosing a stock fills the entries (or says why not), the predefined list shows a
// sheet only when the entries are its sheet, Save Stock As keeps the entries under a name.
#include "print/layoutdialog_ui.h"
#include "stock/ownstock.h"
#include "stock/stockcatalog.h"

#include "testutil.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace qm;

namespace {

class StockList : public testing::Test
{
protected:
    void SetUp() override
    {
        mCatalog.LoadFolders({qmtest::SourceFile(QStringLiteral("tests/data/stock"))});
        mCatalog.AddBuiltInLayouts();
        mCatalog.Finish();
    }
    std::unique_ptr<TEditCardLayout> make(const CardSheetLayout& l = CardSheetLayout())
    {
        auto dialog = std::make_unique<TEditCardLayout>(l, nullptr, &mCatalog);
        dialog->ShowInformation = [this](const QString& m) { mMessages.append(m); };
        dialog->PreferencesPath = mDir.filePath(QStringLiteral("qmk.ini"));
        return dialog;
    }
    // The row of a product in the list as it stands.
    static int Row(const TEditCardLayout& d, const QString& name, const char* source = kStockFromGlabels)
    {
        for (size_t i = 0; i < d.StockRows().size(); ++i)
            if (d.StockRows()[i]->Name() == name && d.StockRows()[i]->Source == QLatin1String(source))
                return int(i);
        return -1;
    }

    StockCatalog mCatalog;
    QTemporaryDir mDir;
    QStringList mMessages;
};

} // namespace

TEST_F(StockList, ListsBusinessCardsFirstAndNarrowsByWordsAndPaper)
{
    auto d = make();
    ASSERT_EQ(d->StockList->topLevelItemCount(), int(mCatalog.Entries().size()));
    EXPECT_TRUE(d->StockRows().front()->IsBusinessCard());
    EXPECT_FALSE(d->StockRows().back()->IsCard());
    // Maker, part, description, card size, cards, paper, where from.
    const QTreeWidgetItem* first = d->StockList->topLevelItem(Row(*d, QStringLiteral("Avery 5371")));
    EXPECT_EQ(first->text(3), QStringLiteral("3.5 x 2 in"));
    EXPECT_EQ(first->text(4), QStringLiteral("2 x 5"));
    EXPECT_EQ(first->text(5), QStringLiteral("US Letter"));
    const QTreeWidgetItem* viz2 = d->StockList->topLevelItem(Row(*d, QStringLiteral("Rayfilm VIZ2")));
    EXPECT_EQ(viz2->text(3), QStringLiteral("180 x 50 mm, corners 4 mm"));
    const QTreeWidgetItem* l7414 = d->StockList->topLevelItem(Row(*d, QStringLiteral("Avery L7414")));
    EXPECT_EQ(l7414->text(6), QStringLiteral("gLabels, as 7414"));

    d->StockSearch->setText(QStringLiteral("zweck"));
    EXPECT_EQ(d->StockList->topLevelItemCount(), 2);
    d->StockSearch->clear();
    d->StockPaper->setCurrentIndex(d->StockPaper->findData(QStringLiteral("A4")));
    for (const StockEntry* e : d->StockRows())
        EXPECT_EQ(e->PaperId, QStringLiteral("A4")) << e->Name().toStdString();
    EXPECT_EQ(d->StockList->topLevelItemCount(), int(d->StockRows().size()));
    EXPECT_GT(d->StockRows().size(), 5u);
}

TEST_F(StockList, ChoosingAStockFillsTheEntriesAndOkHandsItBack)
{
    CardSheetLayout start;
    start.UseMM = true;
    start.UsePortrait = true;
    auto d = make(start);
    EXPECT_EQ(d->PredefinedLayouts->currentIndex(), 0); // the entries are the sheet of the first row
    d->StockChosen(Row(*d, QStringLiteral("Zweckform 32015")));
    // In millimetres, as the dialog showed them; the orientation kept.
    EXPECT_DOUBLE_EQ(d->eCardwidth->value(), 85.0);
    EXPECT_DOUBLE_EQ(d->eCardHeight->value(), 54.0);
    EXPECT_DOUBLE_EQ(d->eleftmarg->value(), 17.0);
    EXPECT_DOUBLE_EQ(d->etopmarg->value(), 31.5);
    EXPECT_DOUBLE_EQ(d->eHorizPitch->value(), 91.0);
    EXPECT_DOUBLE_EQ(d->eVertPitch->value(), 60.0);
    EXPECT_EQ(d->enbrdown->value(), 4);
    EXPECT_EQ(d->epapersize->currentIndex(), 1); // A4
    EXPECT_TRUE(d->ePortrait->isChecked());
    EXPECT_EQ(d->PredefinedLayouts->currentIndex(), -1);
    EXPECT_TRUE(d->StockNote->text().contains(QStringLiteral("Zweckform 32015")))
        << d->StockNote->text().toStdString();
    d->OKButtonClick();
    ASSERT_EQ(d->result(), QDialog::Accepted) << mMessages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(d->Layout().Papersize, kPaperA4);
    EXPECT_NEAR(InchesToMM(d->Layout().VPitch), 60.0, 0.02);
    EXPECT_TRUE(d->Layout().UsePortrait);

    // A sheet the layout cannot be: the note says why and the entries stay.
    auto e = make();
    const double width = e->eCardwidth->value();
    e->StockChosen(Row(*e, QStringLiteral("Stomper PRO Zip")));
    EXPECT_TRUE(e->StockNote->text().contains(QStringLiteral("2 groups")))
        << e->StockNote->text().toStdString();
    EXPECT_EQ(e->eCardwidth->value(), width);
    EXPECT_EQ(e->PredefinedLayouts->currentIndex(), 0);

    // The built-in Avery 8373 and gLabels' one fill different margins.
    e->StockChosen(Row(*e, QStringLiteral("Avery 8373"), kStockBuiltIn));
    EXPECT_DOUBLE_EQ(e->eleftmarg->value(), 0.55);
    e->StockChosen(Row(*e, QStringLiteral("Avery 8373")));
    EXPECT_DOUBLE_EQ(e->eleftmarg->value(), 0.5);
}

TEST_F(StockList, APredefinedSheetShowsOnlyWhenTheLayoutIsIt)
{
    // An 85 x 55 mm layout still holding index 0 (as a metric first start does) names no predefined sheet.
    CardSheetLayout metric;
    metric.Width = 3.346f;
    metric.Height = 2.165f;
    metric.Papersize = kPaperA4;
    auto d = make(metric);
    EXPECT_EQ(d->PredefinedLayouts->currentIndex(), -1);
    EXPECT_TRUE(d->StockNote->text().contains(QStringLiteral("no sheet")))
        << d->StockNote->text().toStdString();
    d->OKButtonClick();
    EXPECT_EQ(d->Layout().PredefLayout, 0); // kept as stored
}

TEST_F(StockList, SaveStockAsKeepsTheEntriesUnderAName)
{
    auto d = make();
    d->AskStockName = [] { return QStringLiteral(" Party cards "); };
    d->eCardwidth->setValue(3.25);
    d->SaveStockAsClick();
    ASSERT_TRUE(mMessages.isEmpty()) << mMessages.join(QLatin1Char('\n')).toStdString();
    const QList<OwnStock> own = LoadOwnStock(d->PreferencesPath);
    ASSERT_EQ(own.size(), 1);
    EXPECT_EQ(own[0].Name, QStringLiteral("Party cards"));
    EXPECT_FLOAT_EQ(own[0].Layout.Width, 3.25f);

    // Entries the layout check refuses are not saved, and no name is asked.
    bool asked = false;
    d->AskStockName = [&] {
        asked = true;
        return QStringLiteral("Bad");
    };
    d->eCardHeight->setValue(0.1);
    d->SaveStockAsClick();
    EXPECT_FALSE(asked);
    EXPECT_EQ(mMessages.size(), 1);
    EXPECT_EQ(LoadOwnStock(d->PreferencesPath).size(), 1);
    // A name cancelled saves nothing.
    d->eCardHeight->setValue(2);
    d->AskStockName = [] { return QString(); };
    d->SaveStockAsClick();
    EXPECT_EQ(LoadOwnStock(d->PreferencesPath).size(), 1);
}

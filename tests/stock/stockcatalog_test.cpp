// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the stock catalogue over the sample of gLabels' database: equivalents, the order of the list, the
// built-in layouts beside gLabels' sheets (Avery 8373 listed from both), search, matching a layout, own stock
// in the preferences file, and the catalogue found where gLabels and the user keep their files.
#include "stock/ownstock.h"
#include "stock/stockcatalog.h"

#include "platform/profile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qm;

namespace {

QString SampleFolder()
{
    return qmtest::SourceFile(QStringLiteral("tests/data/stock"));
}

StockCatalog SampleCatalog(bool builtIn = false)
{
    StockCatalog catalog;
    catalog.LoadFolders({SampleFolder()});
    EXPECT_TRUE(catalog.Problems().isEmpty()) << catalog.Problems().join(QLatin1Char('\n')).toStdString();
    if (builtIn)
        catalog.AddBuiltInLayouts();
    catalog.Finish();
    return catalog;
}

// "Avery 8373 [built in], Avery 8373 [gLabels]"
std::string Names(const std::vector<const StockEntry*>& entries)
{
    QStringList names;
    for (const StockEntry* e : entries)
        names << e->Name() + QStringLiteral(" [") + e->Source + QLatin1Char(']');
    return names.join(QStringLiteral(", ")).toStdString();
}

using qmtest::ScopedEnv;

} // namespace

TEST(StockCatalogue, EquivalentsShareTheirOriginalsSheetAndTheListPutsBusinessCardsFirst)
{
    const StockCatalog catalog = SampleCatalog();
    const StockEntry* l7414 = catalog.Find(QStringLiteral("avery l7414"));
    const StockEntry* a7414 = catalog.Find(QStringLiteral("Avery 7414"));
    ASSERT_TRUE(l7414 && a7414);
    EXPECT_EQ(l7414->EquivalentOf, QStringLiteral("7414"));
    EXPECT_EQ(l7414->Grids, a7414->Grids);
    EXPECT_EQ(l7414->Width, a7414->Width);
    EXPECT_EQ(l7414->PaperId, QStringLiteral("A4"));
    EXPECT_EQ(a7414->Equivalents, QStringList{QStringLiteral("L7414")});
    EXPECT_EQ(catalog.Find(QStringLiteral("Avery 5371"))->Equivalents,
              (QStringList{QStringLiteral("5372"), QStringLiteral("5911"), QStringLiteral("8371"),
                           QStringLiteral("28877")}));
    // The equivalent of a round label goes with it.
    EXPECT_FALSE(catalog.Find(QStringLiteral("Avery 3112")));
    EXPECT_FALSE(catalog.Find(QStringLiteral("Avery 3274.2")));

    // 15 sheets: 11 business cards of Avery, Rayfilm and Zweckform in order of maker and part (numbers
    // by value), then the two labels.
    QStringList order;
    for (const StockEntry& e : catalog.Entries())
        order << e.Name();
    EXPECT_EQ(order, (QStringList{QStringLiteral("Avery 3612"), QStringLiteral("Avery 5371"),
                                  QStringLiteral("Avery 5372"), QStringLiteral("Avery 5911"),
                                  QStringLiteral("Avery 7414"), QStringLiteral("Avery 8371"),
                                  QStringLiteral("Avery 8373"), QStringLiteral("Avery 28373"),
                                  QStringLiteral("Avery 28877"), QStringLiteral("Avery L7414"),
                                  QStringLiteral("Rayfilm VIZ2"), QStringLiteral("Zweckform 32010"),
                                  QStringLiteral("Zweckform 32015"), QStringLiteral("Avery 6141"),
                                  QStringLiteral("Stomper PRO Zip")}))
        << order.join(QStringLiteral(", ")).toStdString();
}

TEST(StockCatalogue, BuiltInLayoutsStandBesideGlabelsWhereTheyDisagree)
{
    const StockCatalog catalog = SampleCatalog(true);
    // Avery 8373 and its equivalent 3612: the built-in left margin is 0.55 in, gLabels' 0.5 in: both listed,
    // the built-in first and the one a name finds.
    // (28373 holds 8373 too.)
    EXPECT_EQ(Names(catalog.Search(QStringLiteral("avery 8373"))),
              "Avery 8373 [built in], Avery 8373 [gLabels], Avery 28373 [gLabels]");
    EXPECT_EQ(Names(catalog.Search(QStringLiteral("avery 3612"))),
              "Avery 3612 [built in], Avery 3612 [gLabels]");
    const StockEntry* ours = catalog.Find(QStringLiteral("Avery 8373"));
    ASSERT_TRUE(ours);
    EXPECT_EQ(ours->Source, QLatin1String(kStockBuiltIn));
    EXPECT_NEAR(ours->Grids[0].X0, 0.55 * 72, 1e-4);
    // Where they agree (5371 and its equivalents, L7414 to a thousandth of an inch), gLabels' entry alone.
    for (const char* part : {"5371", "5372", "5911", "8371", "L7414"})
        EXPECT_EQ(catalog.Search(QStringLiteral("avery %1").arg(QLatin1String(part))).size(), 1u) << part;
    // Built-in sheets gLabels does not hold are listed from the program.
    const StockEntry* herma = catalog.Find(QStringLiteral("herma 8840"));
    ASSERT_TRUE(herma);
    EXPECT_EQ(herma->PaperId, QStringLiteral("A4"));
    const StockEntry* maaco = catalog.Find(QStringLiteral("MAACO ML-8550"));
    ASSERT_TRUE(maaco);
    EXPECT_EQ(maaco->Description, QStringLiteral("Business Cards"));
    const StockEntry* ivory = catalog.Find(QStringLiteral("Avery 8376"));
    ASSERT_TRUE(ivory);
    EXPECT_EQ(ivory->Description, QStringLiteral("Business Card Ink Jet - Ivory"));

    // The built-in numbers come back exactly as a layout.
    CardSheetLayout fromList, builtIn;
    ApplyPredefinedLayout(builtIn, 14); // Avery 8373
    ASSERT_EQ(StockToLayout(*ours, CardSheetLayout(), &fromList), QString());
    EXPECT_TRUE(fromList == builtIn);
}

TEST(StockCatalogue, SearchAndPaperFilterAndTheSheetOfALayout)
{
    const StockCatalog catalog = SampleCatalog();
    EXPECT_EQ(catalog.Search(QStringLiteral("ZWECKFORM")).size(), 2u);
    EXPECT_EQ(
        Names(catalog.Search(QStringLiteral("business cards"), QStringLiteral("A4"))),
        "Avery 7414 [gLabels], Avery L7414 [gLabels], Rayfilm VIZ2 [gLabels], Zweckform 32010 [gLabels], "
        "Zweckform 32015 [gLabels]");
    EXPECT_TRUE(catalog.Search(QStringLiteral("avery zweckform")).empty()); // every word must match
    EXPECT_EQ(catalog.Search(QString()).size(), catalog.Entries().size());
    EXPECT_EQ(catalog.Search(QString(), QStringLiteral("Other")).size(), 1u);
    const auto papers = catalog.PaperChoices();
    ASSERT_EQ(papers.size(), 3);
    EXPECT_EQ(papers[0].first, QStringLiteral("US-Letter"));
    EXPECT_EQ(papers[1].first, QStringLiteral("A4"));
    EXPECT_EQ(papers[2].second, QStringLiteral("Other sizes"));

    // The layout of Avery 5371 is the sheet of 5371 and its equivalents.
    CardSheetLayout layout;
    ApplyPredefinedLayout(layout, 0);
    EXPECT_EQ(Names(catalog.Matching(layout)),
              "Avery 5371 [gLabels], Avery 5372 [gLabels], Avery 5911 [gLabels], "
              "Avery 8371 [gLabels], Avery 28877 [gLabels]");
    layout.LeftMargin += 0.01f;
    EXPECT_TRUE(catalog.Matching(layout).empty());
}

TEST(StockCatalogue, OwnStockIsKeptInThePreferencesBesideTheLayout)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qmk.ini"));
    CardSheetLayout standing;
    {
        ProfileFile file(ini);
        WriteLayout(file, standing, kPreferencesPortraitKey);
        ASSERT_TRUE(file.Save());
    }
    CardSheetLayout party;
    party.Width = 3.346f;
    party.Height = 2.165f;
    party.Across = 2;
    party.Down = 5;
    party.Papersize = kPaperA4;
    QString error;
    ASSERT_TRUE(SaveOwnStock(ini, QStringLiteral(" Party cards "), party, &error)) << error.toStdString();
    party.Down = 4; // the same name in other letters replaces it
    ASSERT_TRUE(SaveOwnStock(ini, QStringLiteral("PARTY CARDS"), party, &error)) << error.toStdString();
    ASSERT_TRUE(SaveOwnStock(ini, QStringLiteral("Badges"), standing, &error));

    const QList<OwnStock> own = LoadOwnStock(ini);
    ASSERT_EQ(own.size(), 2);
    EXPECT_EQ(own[0].Name, QStringLiteral("PARTY CARDS"));
    EXPECT_TRUE(own[0].Layout == party);
    EXPECT_EQ(own[1].Name, QStringLiteral("Badges"));
    // The default layout is as it was.
    EXPECT_TRUE(ReadLayout(ProfileFile(ini), kPreferencesPortraitKey) == standing);

    for (const char* bad : {"", "   ", "a]b", "a\nb"}) {
        EXPECT_FALSE(SaveOwnStock(ini, QLatin1String(bad), party, &error)) << bad;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(SaveOwnStock(ini, QString(61, QLatin1Char('x')), party, &error));
    EXPECT_TRUE(SaveOwnStock(ini, QString(60, QLatin1Char('x')), party, &error));
    // An opening bracket does not end the section's name: the stock comes back under its own.
    EXPECT_TRUE(SaveOwnStock(ini, QStringLiteral("A4 [glossy"), party, &error));
    const QList<OwnStock> all = LoadOwnStock(ini);
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all.back().Name, QStringLiteral("A4 [glossy"));
}

TEST(StockCatalogue, FoundWhereGlabelsAndTheUserKeepTheirFilesAndLoadedOnFirstUse)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    // A system folder with the sample, a user's gLabels folder with a file of their own, a broken file.
    ASSERT_TRUE(root.mkpath(QStringLiteral("share/libglabels-3.0/templates")));
    for (const QString& name : QDir(SampleFolder()).entryList({QStringLiteral("*.xml")}))
        ASSERT_TRUE(QFile::copy(QDir(SampleFolder()).filePath(name),
                                root.filePath(QStringLiteral("share/libglabels-3.0/templates/") + name)));
    ASSERT_TRUE(root.mkpath(QStringLiteral("config/libglabels/templates")));
    {
        QFile own(root.filePath(QStringLiteral("config/libglabels/templates/mine.xml")));
        ASSERT_TRUE(own.open(QIODevice::WriteOnly));
        own.write(
            R"(<Glabels-templates><Template brand="Acme" part="BC-1" size="A4" _description="Business Cards">
            <Meta category="business-card"/><Label-rectangle width="85mm" height="55mm" round="0">
            <Layout nx="2" ny="5" x0="15mm" y0="11mm" dx="95mm" dy="55mm"/></Label-rectangle></Template>
            </Glabels-templates>)");
        QFile broken(root.filePath(QStringLiteral("config/libglabels/templates/broken.xml")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("<Glabels-templates><Template brand=\"Acme\" part=\"2\"");
    }
    const ScopedEnv data("XDG_DATA_DIRS", root.filePath(QStringLiteral("share")));
    const ScopedEnv config("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")));
    const QString ini = root.filePath(QStringLiteral("qmk.ini"));
    ASSERT_TRUE(SaveOwnStock(ini, QStringLiteral("Party"), CardSheetLayout(), nullptr));

    StockCatalog::Forget();
    const StockCatalog& catalog = StockCatalog::Installed(ini);
    EXPECT_TRUE(catalog.Find(QStringLiteral("Zweckform 32010")));
    EXPECT_TRUE(catalog.Find(QStringLiteral("Acme BC-1")));
    EXPECT_TRUE(catalog.Find(QStringLiteral("Herma 8840"))); // built in
    ASSERT_FALSE(catalog.Entries().empty());
    EXPECT_EQ(catalog.Entries().front().Name(), QStringLiteral("Own Party")); // own stock first
    ASSERT_EQ(catalog.Problems().size(), 1);
    EXPECT_TRUE(catalog.Problems()[0].contains(QStringLiteral("broken.xml")));
    // Read once: a file imported later shows after Forget().
    ASSERT_TRUE(QDir().mkpath(StockCatalog::ImportFolder()));
    const QString imported = QDir(StockCatalog::ImportFolder()).filePath(QStringLiteral("sigel.xml"));
    {
        QFile file(imported);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<Glabels-templates><Template brand="Sigel" part="LP795" size="A4"><Label-rectangle
            width="85mm" height="55mm"><Layout nx="2" ny="5" x0="15mm" y0="11mm" dx="95mm" dy="55mm"/>
            </Label-rectangle></Template></Glabels-templates>)");
    }
    EXPECT_EQ(&StockCatalog::Installed(ini), &catalog);
    EXPECT_FALSE(catalog.Find(QStringLiteral("Sigel LP795")));
    StockCatalog::Forget();
    EXPECT_TRUE(StockCatalog::Installed(ini).Find(QStringLiteral("Sigel LP795")));
    QFile::remove(imported);
    StockCatalog::Forget();
}

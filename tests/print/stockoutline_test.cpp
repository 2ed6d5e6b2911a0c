// SPDX-License-Identifier: GPL-3.0-or-later
// The outline test page printed with --stock on Avery 5371 (US Letter), Avery L7414 and Zweckform 32010 (A4),
// read back at 600 dpi: every card edge within 0.05 mm of where gLabels' numbers put it. The three come from
// the sample of the database in tests/data/stock; where glabels-data is installed, its numbers for them are
// checked to be the sample's.
#include "pdfutil.h"

#include "app/printcommand.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "stock/stockcatalog.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

constexpr int kDpi = 600;
constexpr double kToleranceMm = 0.05;
const char* const kSheets[] = {"Avery 5371", "Avery L7414", "Zweckform 32010"};


using qmtest::ScopedEnv;

StockCatalog SampleCatalog()
{
    StockCatalog catalog;
    catalog.LoadFolders({qmtest::SourceFile(QStringLiteral("tests/data/stock"))});
    catalog.Finish();
    return catalog;
}

} // namespace

TEST(StockOutlines, TestPageOnThreeStocksMeasuresToTheDatabasesNumbers)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    // The sample is the installed database for the length of the test.
    const QString templates = dir.filePath(QStringLiteral("share/libglabels-3.0/templates"));
    ASSERT_TRUE(QDir().mkpath(templates));
    const QDir sample(qmtest::SourceFile(QStringLiteral("tests/data/stock")));
    for (const QString& name : sample.entryList({QStringLiteral("*.xml")}))
        ASSERT_TRUE(QFile::copy(sample.filePath(name), QDir(templates).filePath(name)));
    const ScopedEnv data("XDG_DATA_DIRS", dir.filePath(QStringLiteral("share")));
    const ScopedEnv config("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")));
    StockCatalog::Forget();

    TKBusinessCardPanel32 panel;
    panel.CardObjects().Add(std::make_unique<TBCShapes>())->SetBounds(10, 10, 60, 40);
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(panel.SaveToFile(card));

    const StockCatalog catalog = SampleCatalog();
    const double pxPerMm = kDpi / 25.4, pxPerPt = kDpi / 72.0;
    for (const char* name : kSheets) {
        SCOPED_TRACE(name);
        const StockEntry* stock = catalog.Find(QLatin1String(name));
        ASSERT_TRUE(stock);
        PrintOptions options;
        options.Card = card;
        options.Pdf = dir.filePath(QStringLiteral("%1.pdf").arg(stock->Part));
        options.Outline = true;
        options.Nudges = false;
        options.Quiet = true;
        options.Stock = QLatin1String(name);
        QString error;
        ASSERT_TRUE(PrintCardFile(options, &error)) << error.toStdString();
        const QImage page = qmtest::RenderPdfPage(options.Pdf, kDpi);
        ASSERT_FALSE(page.isNull());
        // The paper of the stock (A4 as the PDF writer gives it, to a tenth of a millimetre).
        EXPECT_NEAR(page.width(), stock->PaperSize.width() * pxPerPt, 0.1 * pxPerMm);
        EXPECT_NEAR(page.height(), stock->PaperSize.height() * pxPerPt, 0.1 * pxPerMm);

        const StockGrid& g = stock->Grids.front();
        for (int r = 0; r < g.Down; ++r) {
            for (int c = 0; c < g.Across; ++c) {
                const double l = (g.X0 + c * g.DX) * pxPerPt, t = (g.Y0 + r * g.DY) * pxPerPt;
                const double right = l + stock->Width * pxPerPt, b = t + stock->Height * pxPerPt;
                const int midX = int((l + right) / 2), midY = int((t + b) / 2);
                const auto mm = [&](double measured, double expected) {
                    return std::abs(measured - expected) / pxPerMm;
                };
                EXPECT_LE(mm(qmtest::EdgeCentre(page, t, midX, true, 6), t), kToleranceMm)
                    << "top of " << r << "," << c;
                EXPECT_LE(mm(qmtest::EdgeCentre(page, b, midX, true, 6), b), kToleranceMm)
                    << "bottom of " << r << "," << c;
                EXPECT_LE(mm(qmtest::EdgeCentre(page, l, midY, false, 6), l), kToleranceMm)
                    << "left of " << r << "," << c;
                EXPECT_LE(mm(qmtest::EdgeCentre(page, right, midY, false, 6), right), kToleranceMm)
                    << "right of " << r << "," << c;
            }
        }
    }
    StockCatalog::Forget();
}

TEST(StockOutlines, TheInstalledDatabaseHoldsTheSamplesNumbers)
{
    StockCatalog installed;
    installed.LoadFolders(StockCatalog::SystemFolders());
    installed.Finish();
    if (!installed.Find(QStringLiteral("Avery 5371")))
        GTEST_SKIP() << "glabels-data is not installed";
    const StockCatalog sample = SampleCatalog();
    for (const char* name : kSheets) {
        const StockEntry* ours = sample.Find(QLatin1String(name));
        const StockEntry* theirs = installed.Find(QLatin1String(name));
        ASSERT_TRUE(ours && theirs) << name;
        EXPECT_EQ(theirs->Grids, ours->Grids) << name;
        EXPECT_EQ(theirs->Width, ours->Width) << name;
        EXPECT_EQ(theirs->Height, ours->Height) << name;
        EXPECT_EQ(theirs->PaperSize, ours->PaperSize) << name;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's card stock: `quillmark stock [WORDS]` over the sample of gLabels' database, and
// --stock on export: the card at the stock's size, and a name no stock has refused as bad usage.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};

// The program with the sample as the installed gLabels database and a data folder of its own.
class StockCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        const QDir root(mDir.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("share/libglabels-3.0/templates")));
        const QDir sample(qmtest::SourceFile(QStringLiteral("tests/data/stock")));
        for (const QString& name : sample.entryList({QStringLiteral("*.xml")}))
            ASSERT_TRUE(QFile::copy(sample.filePath(name),
                                    root.filePath(QStringLiteral("share/libglabels-3.0/templates/") + name)));
        mEnv = QProcessEnvironment::systemEnvironment();
        mEnv.insert(QStringLiteral("XDG_DATA_DIRS"), root.filePath(QStringLiteral("share")));
        mEnv.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        mEnv.insert(QStringLiteral("QUILLMARK_HOME"), root.filePath(QStringLiteral("home")));
    }
    ProgramRun Run(const QStringList& args)
    {
        QProcess p;
        p.setProcessEnvironment(mEnv);
        p.start(QStringLiteral(QM_PROGRAM), args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QTemporaryDir mDir;
    QProcessEnvironment mEnv;
};

} // namespace

TEST_F(StockCommand, ListsTheStockHoldingEveryWordOneALine)
{
    ProgramRun r = Run({QStringLiteral("stock"), QStringLiteral("zweckform")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Zweckform 32010  85 x 54 mm  2 x 5  A4  Business Cards\n"
                                    "Zweckform 32015  85 x 54 mm  2 x 4  A4  Business Cards\n"));
    EXPECT_EQ(r.err, QString());

    // Both Avery 8373 sheets, the built-in first; 28373 holds the words too.
    r = Run({QStringLiteral("stock"), QStringLiteral("avery"), QStringLiteral("8373")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              QStringLiteral(
                  "Avery 8373   3.5 x 2 in  2 x 4  US Letter  Business Card Glossy Photo Quality [built in]\n"
                  "Avery 8373   3.5 x 2 in  2 x 4  US Letter  Business Cards\n"
                  "Avery 28373  3.5 x 2 in  2 x 4  US Letter  Business Cards (as Avery 8373)\n"));

    // No words: everything, business cards first.
    r = Run({QStringLiteral("stock")});
    EXPECT_EQ(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GT(lines.size(), 25);
    EXPECT_TRUE(lines.front().contains(QStringLiteral("Business Card")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("Stomper PRO Zip")));

    r = Run({QStringLiteral("stock"), QStringLiteral("no-such-maker")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("no-such-maker")));
    EXPECT_EQ(Run({QStringLiteral("stock"), QStringLiteral("--wide")}).status, 2);

    // Without gLabels' database, the built-in sheets and a word why.
    mEnv.insert(QStringLiteral("XDG_DATA_DIRS"), mDir.filePath(QStringLiteral("nowhere")));
    r = Run({QStringLiteral("stock"), QStringLiteral("herma")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("Herma 8840  83.8 x 50.8 mm  2 x 5  A4  Business Cards [built in]\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("glabels-data"))) << r.err.toStdString();
}

TEST_F(StockCommand, ExportTakesTheStocksCardSizeAndAnUnknownNameIsBadUsage)
{
    qm::TKBusinessCardPanel32 panel;
    panel.CardObjects().Add(std::make_unique<qm::TBCShapes>())->SetBounds(10, 10, 100, 50);
    const QString card = mDir.filePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(panel.SaveToFile(card));
    const QString png = mDir.filePath(QStringLiteral("card.png"));

    // Avery L7414: 255.1 x 147.4 points (90 x 52 mm) is 340 x 197 pixels at 96 an inch.
    ProgramRun r =
        Run({QStringLiteral("export"), card, png, QStringLiteral("--stock"), QStringLiteral("avery L7414")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(340, 197));

    r = Run({QStringLiteral("export"), card, png, QStringLiteral("--stock"), QStringLiteral("Avery 9999")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Avery 9999"))) << r.err.toStdString();
    EXPECT_EQ(Run({QStringLiteral("export"), card, png, QStringLiteral("--stock")}).status, 2);
    // A stock the layout cannot be is a bad input.
    r = Run({QStringLiteral("print"), card, QStringLiteral("--pdf"), mDir.filePath(QStringLiteral("o.pdf")),
             QStringLiteral("--stock"), QStringLiteral("Stomper PRO Zip")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 groups"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(mDir.filePath(QStringLiteral("o.pdf"))));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A card holds a bounded number of objects: the reader refuses more (from a file or a paste), and no save writes
// more, so that whatever is saved opens again.
#include "app/cardfile.h"
#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardmodel.h"
#include "model/cardobjects.h"
#include "objects/text/personallabel.h"
#include "testutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

void AddLabels(TKBusinessCardPanel32& panel, int count)
{
    for (int i = 0; i < count; ++i) {
        auto* label =
            static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        label->SetBounds(10, 10 + 5 * i, 200, 20);
        label->SetCaption(QStringLiteral("Line %1").arg(i));
    }
}

struct LimitOfFive
{
    LimitOfFive() { SetCardObjectLimitForTesting(5); }
    ~LimitOfFive() { SetCardObjectLimitForTesting(0); }
};

TEST(CardObjectLimit, MoreObjectsThanACardHoldsAreNeitherSavedNorRead)
{
    EXPECT_EQ(CardObjectLimit(), kMaxCardObjects);
    QTemporaryDir dir;
    const QString five = dir.filePath(QStringLiteral("five.qmk"));
    const QString six = dir.filePath(QStringLiteral("six.qmk"));
    {
        // Written while the limit is the real one.
        TKBusinessCardPanel32 panel;
        AddLabels(panel, 6);
        ASSERT_TRUE(panel.SaveToFile(six));
    }
    const LimitOfFive limit;

    // Saving: five objects go, six do not, and the file saved before stays as it was.
    TKBusinessCardPanel32 panel;
    AddLabels(panel, 5);
    QString error;
    ASSERT_TRUE(panel.SaveToFile(five, &error)) << qPrintable(error);
    const QByteArray saved = qmtest::FileBytes(five);
    AddLabels(panel, 1);
    EXPECT_FALSE(panel.SaveToFile(five, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("five.qmk"))) << qPrintable(error);
    EXPECT_TRUE(error.contains(QStringLiteral("the card has 6 objects, more than the 5 a card file can hold")))
        << qPrintable(error);
    EXPECT_EQ(qmtest::FileBytes(five), saved);
    const std::vector<TKGraphicControl*> all = panel.CardObjects().Objects();
    EXPECT_FALSE(WriteSelection(all, dir.filePath(QStringLiteral("Clipbrd.tmp"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Clipbrd.tmp"))));

    // Reading: the command line's reader and the window's refuse the six, and the window keeps its card.
    CardModel card;
    EXPECT_FALSE(ReadCardFile(six, card, nullptr, &error));
    EXPECT_EQ(error, six + QStringLiteral(": more objects than the 5 a card can hold"));
    EXPECT_EQ(card.Objects().Count(), 0);
    EXPECT_FALSE(ReadCardObjects(panel, six, &error));
    EXPECT_EQ(panel.CardObjects().Count(), 6);
    EXPECT_TRUE(ReadCardObjects(panel, five, &error)) << qPrintable(error);
    EXPECT_EQ(panel.CardObjects().Count(), 5);

    // Pasting two objects onto a card of four would make six: nothing is added.
    TKBusinessCardPanel32 target;
    AddLabels(target, 4);
    ASSERT_TRUE(WriteSelection({panel.CardObjects().At(0), panel.CardObjects().At(1)}, target.ClipboardFile()));
    EXPECT_FALSE(target.Paste(5000));
    EXPECT_EQ(target.CardObjects().Count(), 4);
    target.CardObjects().Delete(target.CardObjects().At(0));
    EXPECT_TRUE(target.Paste(7000));
    EXPECT_EQ(target.CardObjects().Count(), 5);
}

} // namespace

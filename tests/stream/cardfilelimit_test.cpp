// SPDX-License-Identifier: GPL-3.0-or-later
// A card is only saved when it can be opened again: never larger than the reader accepts.
#include "design/cardpanel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardobjects.h"
#include "objects/text/personallabel.h"
#include "testutil.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

void AddLabel(TKBusinessCardPanel32& panel, int n)
{
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(10, 10 + n, 200, 20);
    label->SetCaption(QStringLiteral("Line %1 of the card").arg(n));
}

// The limit is lowered for the test; the writer's own limit is the reader's.
TEST(CardFileLimit, ACardBeyondWhatTheReaderTakesIsNotSaved)
{
    EXPECT_EQ(CardFileWriteLimit(), kMaxCardFileBytes);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.qmk"));
    TKBusinessCardPanel32 panel;
    for (int n = 0; n < 20; ++n)
        AddLabel(panel, n);
    QString error;
    ASSERT_TRUE(panel.SaveToFile(path, &error)) << qPrintable(error);
    const QByteArray saved = qmtest::FileBytes(path);

    AddLabel(panel, 20);
    const std::vector<TKGraphicControl*> objects = panel.CardObjects().Objects();
    const qint64 grown = WriteObjectsToBytes({objects.begin(), objects.end()}).size();
    ASSERT_GT(grown, saved.size());

    SetCardFileWriteLimitForTesting(grown - 1);
    const bool tooLarge = panel.SaveToFile(path, &error);
    const bool clipboardTooLarge = WriteSelection(objects, dir.filePath(QStringLiteral("Clipbrd.tmp")));
    SetCardFileWriteLimitForTesting(grown);
    const bool atLimit = panel.SaveToFile(dir.filePath(QStringLiteral("limit.qmk")));
    SetCardFileWriteLimitForTesting(0);

    EXPECT_FALSE(tooLarge);
    EXPECT_FALSE(clipboardTooLarge);
    EXPECT_TRUE(error.contains(QStringLiteral("card.qmk"))) << qPrintable(error);
    EXPECT_TRUE(error.contains(
        QStringLiteral("more than the %1 bytes a card file can hold").arg(QLocale().toString(grown - 1))))
        << qPrintable(error);
    EXPECT_EQ(qmtest::FileBytes(path), saved);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Clipbrd.tmp"))));

    EXPECT_TRUE(atLimit);
    TKCardObjects back;
    EXPECT_TRUE(ReadAll(back, dir.filePath(QStringLiteral("limit.qmk"))).ok);
    EXPECT_EQ(back.Objects().size(), 21u);
}

} // namespace

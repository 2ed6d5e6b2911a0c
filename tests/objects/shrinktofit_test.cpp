// SPDX-License-Identifier: GPL-3.0-or-later
// Shrink to fit: a label's long text drawn smaller so that it fits the box it was designed with, never larger
// than its font; how the choice is kept in card files and templates, and where the user sets it.
#include "design/cardpanel.h"
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "model/mergerecord.h"
#include "model/objectmenu.h"
#include "objects/templatefile.h"
#include "objects/text/labellayout.h"
#include "objects/text/personallabel.h"
#include "objects/text/personaltextdialog_ui.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"

#include "print/pdfutil.h"
#include "testutil.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qm;

namespace {

const QString kShort = QStringLiteral("Ada Lovelace");
const QString kLong = QStringLiteral("Maximilian Alexander von Hohenberg");

// A card with one label per alignment, each grown to fit "Ada Lovelace" at 14 points and then given the
// caption (a placeholder, say).
std::unique_ptr<CardModel> Card(const QString& caption, bool shrink, int angle = 0)
{
    auto model = std::make_unique<CardModel>();
    model->SetSize(QSize(336, 192));
    const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        auto* label = static_cast<TKPLabel*>(model->Objects().Add(std::make_unique<TKPLabel>()));
        label->SetBounds(120, 10 + 50 * i, 20, 20);
        label->Font().SetName(QStringLiteral("DejaVu Sans"));
        label->Font().SetSize(14);
        label->SetAlignment(alignments[i]);
        label->SetCaption(kShort);
        label->LayOut();
        label->AutoGrow();
        label->LayOut();
        label->SetShrinkToFit(shrink);
        label->SetCaption(caption);
        label->SetAngle(angle);
    }
    model->LayOutObjects();
    return model;
}

TKPLabel* Label(CardModel& model, int i)
{
    return static_cast<TKPLabel*>(model.Objects().At(i));
}

QImage Draw(const CardModel& model, RenderContext::Target target, const MergeRecord* record,
            const QStringList& personal = {})
{
    QImage image(336, 192, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderContext context;
    context.target = target;
    context.record = record;
    context.personal = personal;
    DrawCard(painter, model, context);
    return image;
}

} // namespace

TEST(ShrinkToFit, TheLargestSizeThatFitsNeverAboveTheChosenOne)
{
    // A text ten pixels wide per pixel of size.
    int measured = 0;
    const auto linear = [&measured](int size) {
        ++measured;
        return 10 * size;
    };
    EXPECT_EQ(ShrunkPixelSize(20, 200, linear), 20); // fits as it is
    EXPECT_EQ(measured, 1);
    EXPECT_EQ(ShrunkPixelSize(20, 1000, linear), 20); // room to spare: never larger
    EXPECT_EQ(ShrunkPixelSize(20, 199, linear), 19);
    EXPECT_EQ(ShrunkPixelSize(20, 150, linear), 15);
    EXPECT_EQ(ShrunkPixelSize(20, 149, linear), 14);
    measured = 0;
    EXPECT_EQ(ShrunkPixelSize(2000, 10000, linear), 1000);
    EXPECT_LE(measured, 13); // halving, not a size at a time
    // Never below the smallest size: such a text is cut at the box instead.
    EXPECT_EQ(ShrunkPixelSize(20, 5, linear), kMinShrunkPixels);
    EXPECT_EQ(ShrunkPixelSize(20, -40, linear), kMinShrunkPixels);
    EXPECT_EQ(ShrunkPixelSize(3, 5, linear), 3);

    // The room along the line: the box less what shadow and highlight take before and after the text.
    EXPECT_EQ(TextRoom(QSize(200, 30), 0, QPoint(), QPoint()), 200);
    EXPECT_EQ(TextRoom(QSize(200, 30), 0, QPoint(3, 3), QPoint(-2, -2)), 195);
    EXPECT_EQ(TextRoom(QSize(200, 30), 180, QPoint(4, 4), QPoint(1, -1)), 196);
    EXPECT_EQ(TextRoom(QSize(200, 30), 0, QPoint(1, 1), QPoint(5, -5)), 195); // the highlight reaches further
    EXPECT_EQ(TextRoom(QSize(30, 200), 90, QPoint(-3, 0), QPoint()), 197);
    EXPECT_EQ(TextRoom(QSize(30, 200), 270, QPoint(), QPoint()), 200);
}

TEST(ShrinkToFit, ALongMergedNameFitsWhereTheShortOneWasDesigned)
{
    const auto shrunk = Card(QStringLiteral("{Name}"), true);
    const auto plain = Card(QStringLiteral("{Name}"), false);
    MergeRecord longName, shortName;
    longName.Add(QStringLiteral("Name"), kLong);
    shortName.Add(QStringLiteral("Name"), kShort);
    const QRect designed = Label(*shrunk, 0)->BoundsRect();
    ASSERT_LT(designed.width(), 160); // sized for the short name
    QStringList personal(10, QString());
    personal[0] = kLong;

    for (const auto target : {RenderContext::Paper, RenderContext::Picture}) {
        const QImage image = Draw(*shrunk, target, &longName);
        // On screen the personal name shows in the same place and size as a merged one.
        const QImage screen = Draw(*shrunk, RenderContext::Screen, nullptr, personal);
        const QImage shortImage = Draw(*shrunk, target, &shortName);
        for (int i = 0; i < 3; ++i) {
            const QRect box = Label(*shrunk, i)->BoundsRect();
            const QRect row(0, box.top(), 336, box.height());
            const QRect ink = qmtest::InkBox(image, row);
            const QRect full = qmtest::InkBox(shortImage, row);
            ASSERT_FALSE(ink.isEmpty()) << i;
            // Whole: inside the box with the space after it, not cut at its edge; smaller than designed.
            EXPECT_GE(ink.left(), box.left()) << i;
            EXPECT_LT(ink.right(), box.right() - 1) << i;
            EXPECT_GT(ink.width(), box.width() * 3 / 4) << i;
            EXPECT_LT(ink.height(), full.height()) << i;
            // Centred on the line of the chosen size.
            EXPECT_NEAR(ink.center().y(), full.center().y(), 2) << i;
            EXPECT_EQ(qmtest::InkBox(screen, row), ink) << i;
        }
        // The box stays as designed.
        EXPECT_EQ(Label(*shrunk, 0)->BoundsRect(), designed);
        // A name that fits prints exactly as without the option.
        EXPECT_EQ(shortImage, Draw(*plain, target, &shortName));
    }
    // Without the option the long name still widens its label rather than shrinking.
    const QImage widened = Draw(*plain, RenderContext::Paper, &longName);
    EXPECT_GT(qmtest::InkBox(widened, QRect(0, designed.top(), 336, designed.height())).right(),
              designed.right());
}

TEST(ShrinkToFit, TurnedAndTypedTextShrinksAlongItsBoxAndTypingKeepsTheWidth)
{
    // A label turned a quarter: its text runs up the box and shrinks to the box's height.
    const auto turned = Card(kLong, true, 90);
    turned->Objects().Delete(Label(*turned, 2));
    turned->Objects().Delete(Label(*turned, 1));
    TKPLabel* up = Label(*turned, 0);
    ASSERT_GT(up->Height(), up->Width());
    const QImage image = Draw(*turned, RenderContext::Paper, nullptr);
    const QRect ink = qmtest::InkBox(image, QRect(up->Left(), 0, up->Width(), 192));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.top(), up->Top());
    EXPECT_LE(ink.bottom(), up->Top() + up->Height() - 1);

    // Typing a longer text into a shrinking label keeps its width (and lets the font shrink); without the
    // option the label grows.
    const auto typed = Card(kShort, true);
    TKPLabel* label = Label(*typed, 0);
    const int width = label->Width();
    label->SetCaption(kLong);
    label->AutoGrow();
    EXPECT_EQ(label->Width(), width);
    label->SetShrinkToFit(false);
    label->AutoGrow();
    EXPECT_GT(label->Width(), width + 60);
}

TEST(ShrinkToFit, KeptInTheStoredTagThatEveryReaderTakes)
{
    CardModel card;
    auto* label = static_cast<TKPLabel*>(card.Objects().Add(std::make_unique<TKPLabel>()));
    label->SetCaption(kShort);
    const QByteArray plain = WriteObjectsToBytes({label});
    EXPECT_FALSE(plain.contains("Tag")); // a card without the option is written as it always was
    label->SetShrinkToFit(true);
    EXPECT_EQ(label->Tag(), TKBaseLabel::kShrinkToFitTag);
    const QByteArray bytes = WriteObjectsToBytes({label});
    // Only the property every card object has had from the start: an older reader takes the card.
    EXPECT_TRUE(bytes.contains("\x03Tag"));
    EXPECT_EQ(bytes.size(), plain.size() + 6); // "Tag" and a one-byte integer
    CardModel read;
    const ReadResult result = ReadObjectsFromBytes(read.Objects(), bytes);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    ASSERT_EQ(read.Objects().Count(), 1);
    EXPECT_TRUE(static_cast<TKPLabel*>(read.Objects().At(0))->ShrinkToFit());
    // Switching it off leaves any other bits another writer put there.
    label->SetTag(0x30 | TKBaseLabel::kShrinkToFitTag);
    label->SetShrinkToFit(false);
    EXPECT_EQ(label->Tag(), 0x30);
}

TEST(ShrinkToFit, TemplatesKeepItForTheirLabels)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("shrink.qmkt"));
    {
        TKBusinessCardPanel32 panel;
        for (const bool shrink : {true, false}) {
            auto* label = static_cast<TKBusinessCardLabel*>(
                panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
            label->SetCaption(shrink ? QStringLiteral("Shrinks") : QStringLiteral("Stays"));
            label->SetBounds(10, shrink ? 10 : 60, 150, 30);
            label->SetShrinkToFit(shrink);
        }
        QString error;
        ASSERT_TRUE(CardTemplate::Write(panel, file, QString(), &error)) << qPrintable(error);
    }
    const QByteArray text = qmtest::FileBytes(file);
    EXPECT_EQ(text.count("Shrink To Fit"), 1) << text.constData();
    TKBusinessCardPanel32 panel;
    CardTemplate::Read(panel, file);
    ASSERT_EQ(panel.CardObjects().Count(), 2);
    for (TKGraphicControl* object : panel.CardObjects().Objects()) {
        auto* label = static_cast<TKBusinessCardLabel*>(object);
        EXPECT_EQ(label->ShrinkToFit(), label->Caption() == QStringLiteral("Shrinks"));
    }
}

TEST(ShrinkToFit, SetFromTheMenuAndTheTextDialog)
{
    qmtest::TestHost host;
    TKBusinessCardLabel label;
    host.Adopt(label);
    label.Loaded();
    TKMenu& menu = *label.PopupMenu();
    EXPECT_FALSE(menu.Find(QStringLiteral("Shrink to Fit"))->isChecked());
    ASSERT_TRUE(menu.Trigger(QStringLiteral("Shrink to Fit")));
    EXPECT_TRUE(label.ShrinkToFit());
    EXPECT_GT(host.changes, 0);
    menu.AboutToShow();
    EXPECT_TRUE(menu.Find(QStringLiteral("Shrink to Fit"))->isChecked());

    TGetBCLabelText dialog(label, QStringList(10, QString()));
    EXPECT_TRUE(dialog.ShrinkToFit()->isChecked());
    dialog.ShrinkToFit()->setChecked(false);
    dialog.OKButtonClick();
    EXPECT_FALSE(label.ShrinkToFit());
}

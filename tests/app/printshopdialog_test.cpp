// SPDX-License-Identifier: GPL-3.0-or-later
// The "Export for Print Shop" dialog over its plain class, and the design window's bleed and safe-area guides.
#include "app/printguides_ui.h"
#include "app/printshopdialog_ui.h"
#include "app/printshopexport.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/textlabel.h"
#include "settings/preferences.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using namespace qm;

TEST(PrintShopDialog, EditsTheExportsChoicesAndShowsWhatAShopWouldObjectTo)
{
    TKBusinessCardPanel32 panel;
    auto* label = static_cast<TKPLabel*>(panel.CardObjects().Add(std::make_unique<TKPLabel>()));
    label->SetCaption(QStringLiteral("Edge"));
    label->SetBounds(2, 100, 60, 20);
    panel.LayOutObjects();
    PrintShopExport exporter(panel.Card(), QString());
    TPrintShopDialog dialog(nullptr, exporter);
    EXPECT_DOUBLE_EQ(dialog.BleedBox->value(), 3.0);
    EXPECT_DOUBLE_EQ(dialog.BleedBox->singleStep(), 0.5);
    EXPECT_DOUBLE_EQ(dialog.BleedBox->maximum(), 6.0);
    EXPECT_DOUBLE_EQ(dialog.BleedBox->minimum(), 0.0);
    dialog.BleedBox->stepUp();
    EXPECT_DOUBLE_EQ(exporter.BleedMm(), 3.5);
    dialog.BleedBox->setValue(1.2);
    EXPECT_DOUBLE_EQ(exporter.BleedMm(), 1.0);
    EXPECT_DOUBLE_EQ(dialog.BleedBox->value(), 1.0);
    EXPECT_FALSE(exporter.CropMarks());
    dialog.CropMarksBox->setChecked(true);
    EXPECT_TRUE(exporter.CropMarks());
    // The text at the edge is named; the user may go on all the same.
    ASSERT_EQ(dialog.WarningList->count(), 1);
    EXPECT_TRUE(dialog.WarningList->item(0)->text().contains(QStringLiteral("closer than 3 mm")));
    EXPECT_FALSE(dialog.WarningList->isHidden());
    EXPECT_TRUE(dialog.OkButton->isEnabled());
    EXPECT_TRUE(dialog.OkButton->text().contains(QStringLiteral("Anyway")));
    EXPECT_NE(dialog.HelpButton, nullptr);

    // Written with the choices made.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.pdf"));
    QString error;
    ASSERT_TRUE(exporter.Write(path, QStringLiteral("Card"), &error)) << qPrintable(error);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));

    label->SetBounds(100, 100, 60, 20);
    TPrintShopDialog quiet(nullptr, exporter);
    EXPECT_TRUE(quiet.WarningList->isHidden());
    EXPECT_FALSE(quiet.OkButton->text().contains(QStringLiteral("Anyway")));
    // A bar flush with the card's edge matters only with a bleed: the list follows the bleed chosen.
    auto* bar = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    bar->SetBounds(0, 0, 336, 27);
    TPrintShopDialog flush(nullptr, exporter);
    EXPECT_EQ(flush.WarningList->count(), 1);
    flush.BleedBox->setValue(0);
    EXPECT_EQ(flush.WarningList->count(), 0);
    EXPECT_TRUE(flush.WarningList->isHidden());
    EXPECT_EQ(PrintShopExport::ProposedFileName(QStringLiteral("/cards/Ada.qmk"), QStringLiteral("/docs")),
              QStringLiteral("/cards/Ada-print.pdf"));
    EXPECT_EQ(PrintShopExport::ProposedFileName(QString(), QStringLiteral("/docs")),
              QStringLiteral("/docs/card-print.pdf"));
}

QImage Painted(TKBusinessCardPanel32& panel)
{
    QImage image(panel.ViewSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    panel.Paint(painter);
    return image;
}

// How many pixels of the column, away from the card's top and bottom edges, are blue (the guide's colour).
int BluePixels(const QImage& image, int x)
{
    int n = 0;
    const int margin = image.height() / 8;
    for (int y = margin; y < image.height() - margin; ++y) {
        const QColor c = image.pixelColor(x, y);
        n += c.blue() > c.red() + 60;
    }
    return n;
}

TEST(PrintGuides, TheSafeAreaIsADashedLineInsideTheCardAndNothingMoves)
{
    TKBusinessCardPanel32 panel;
    panel.SetShape(lsRectangle);
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(2, 2, 40, 40);
    shape->Brush().SetColor(clBlack);
    const QRect before = shape->BoundsRect();
    const int safe = 11; // 3 mm is 11.3 units
    EXPECT_EQ(BluePixels(Painted(panel), safe), 0);
    panel.SetShowPrintGuides(true);
    QImage guided = Painted(panel);
    const int blue = BluePixels(guided, safe) + BluePixels(guided, safe + 1);
    // Dashed: much of the column, not all of it.
    EXPECT_GT(blue, 192 / 4);
    EXPECT_LT(blue, 192 * 3 / 4 - 4);
    EXPECT_EQ(BluePixels(guided, safe + 3), 0);
    EXPECT_EQ(shape->BoundsRect(), before);
    // At a zoom the line stays 3 mm inside the card.
    panel.SetZoom(2.0f);
    guided = Painted(panel);
    EXPECT_GT(BluePixels(guided, 22) + BluePixels(guided, 23), 0);
    EXPECT_EQ(BluePixels(guided, 30), 0);
    EXPECT_EQ(shape->BoundsRect(), before);
    // The bleed goes 3 mm beyond the card.
    const QRectF bleed = panel.BleedAreaPath().boundingRect();
    EXPECT_NEAR(bleed.left(), -11.34, 0.01);
    EXPECT_NEAR(bleed.right(), 337 + 11.34, 0.01);
}

TEST(PrintGuides, TheViewMenuSwitchIsRememberedAndMakesRoomForTheBand)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qmk.ini"));
    const Preferences prefs(ini);
    TKBusinessCardPanel32 panel;
    QWidget holder;
    auto* layout = new QVBoxLayout(&holder);
    layout->setContentsMargins(10, 8, 10, 8);
    auto* card = new QWidget;
    layout->addWidget(card);
    QMenu view;
    QAction* toggle = AddPrintGuides(holder, *card, panel, view, prefs);
    EXPECT_TRUE(view.actions().contains(toggle));
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(panel.ShowPrintGuides());
    toggle->trigger();
    EXPECT_TRUE(panel.ShowPrintGuides());
    EXPECT_TRUE(prefs.LoadPanelShown(QStringLiteral("BleedAndSafeArea")));
    // The band (12 pixels at 100 %) fits beside the card.
    EXPECT_GE(layout->contentsMargins().top(), 12);
    EXPECT_GE(layout->contentsMargins().left(), 12);

    // The next window starts as this one was left.
    TKBusinessCardPanel32 next;
    QWidget nextHolder;
    auto* nextLayout = new QVBoxLayout(&nextHolder);
    auto* nextCard = new QWidget;
    nextLayout->addWidget(nextCard);
    QMenu nextView;
    EXPECT_TRUE(AddPrintGuides(nextHolder, *nextCard, next, nextView, prefs)->isChecked());
    EXPECT_TRUE(next.ShowPrintGuides());
    toggle->trigger();
    EXPECT_FALSE(prefs.LoadPanelShown(QStringLiteral("BleedAndSafeArea")));
    EXPECT_EQ(layout->contentsMargins(), QMargins(10, 8, 10, 8));
}

} // namespace

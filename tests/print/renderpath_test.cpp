// SPDX-License-Identifier: GPL-3.0-or-later
// One way to draw a card: the design panel, the exported picture, the printed page and the preview show the
// same card-relative ink (within a pixel), and printing a zoomed card leaves the panel as it was.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/textlabel.h"
#include "print/painterreport.h"
#include "print/recordingreport.h"
#include "print/sheetprinter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct Card
{
    TKBusinessCardPanel32 panel;
    TBCShapes* shape = nullptr;
    int changes = 0;

    Card()
    {
        auto* s = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
        s->SetBounds(20, 20, 120, 60);
        s->Brush().SetColor(clBlue);
        shape = s;
        auto* line = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
        line->SetBounds(30, 130, 250, 4);
        line->Pen().SetWidth(1);
        auto* label = static_cast<TKPLabel*>(panel.CardObjects().Add(std::make_unique<TKPLabel>()));
        label->SetCaption(QStringLiteral("Render path"));
        label->SetBounds(170, 40, 142, 33);
        for (TKGraphicControl* o : panel.CardObjects().Objects())
            o->Loaded();
        panel.LabelChangedEvent = [this] { ++changes; };
    }
};

QImage Screen(TKBusinessCardPanel32& panel)
{
    QImage image(panel.Size(), QImage::Format_RGB32);
    QPainter painter(&image);
    panel.Paint(painter);
    return image;
}

// The card's place on a page printed at 96 dots per inch (position 1 of the default sheet).
QImage Printed(TKBusinessCardPanel32& panel, bool preview)
{
    LabelJob job;
    job.PrintMode = !preview;
    job.Positions = SheetPositions::Only({0});
    RecordingReport report;
    TLabelPrinter printer(panel, job);
    EXPECT_EQ(printer.Run(report), joFinished);
    QImage page(816, 1056, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ScreenReport screen(painter, 96);
        ReplayPage(report.Pages().at(0), screen);
    }
    return page.copy(72, 48, 336, 192);
}

bool Ink(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 200;
}

// Ink of `a` that has no ink of `b` within a pixel; the card's outermost frame (where the preview draws its
// outline) is left out.
int Unmatched(const QImage& a, const QImage& b)
{
    int misses = 0;
    for (int y = 1; y < a.height() - 1; ++y) {
        for (int x = 1; x < a.width() - 1; ++x) {
            if (!Ink(a, x, y))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = Ink(b, x + dx, y + dy);
            misses += !near;
        }
    }
    return misses;
}

int InkCount(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Ink(image, x, y);
    return n;
}

} // namespace

TEST(RenderPath, ScreenPicturePrintAndPreviewTouchTheSamePixels)
{
    Card card;
    const QImage screen = Screen(card.panel);
    const QImage picture = card.panel.RenderToBitmap();
    const QImage print = Printed(card.panel, false);
    const QImage preview = Printed(card.panel, true);
    ASSERT_GT(InkCount(screen), 1000); // the shape, the line and the text are there
    const std::pair<const char*, const QImage*> others[] = {
        {"picture", &picture}, {"print", &print}, {"preview", &preview}};
    for (const auto& [name, other] : others) {
        ASSERT_EQ(other->size(), screen.size()) << name;
        EXPECT_EQ(Unmatched(screen, *other), 0) << name;
        EXPECT_EQ(Unmatched(*other, screen), 0) << name;
    }
    EXPECT_EQ(card.changes, 0);
}

TEST(RenderPath, PrintingAZoomedCardLeavesThePanelAndPrintsTheSamePage)
{
    Card card;
    const QImage atFull = Printed(card.panel, false);
    card.panel.SetZoom(1.5f);
    const QRect zoomed = card.shape->BoundsRect();
    card.changes = 0;
    const QImage atZoom = Printed(card.panel, false);
    EXPECT_EQ(card.panel.Zoom(), 1.5f);
    EXPECT_EQ(card.panel.Size(), QSize(336, 192));
    EXPECT_EQ(card.shape->BoundsRect(), zoomed);
    EXPECT_EQ(card.changes, 0);
    EXPECT_EQ(Unmatched(atFull, atZoom), 0);
    EXPECT_EQ(Unmatched(atZoom, atFull), 0);
    // The exported picture is the same at any zoom.
    EXPECT_EQ(Unmatched(card.panel.RenderToBitmap(), atFull), 0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// TLabelPrinter: each side's background art, and a merge's card split into shared and per-card layers.
#include "print/sheetprinter.h"

#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "print/report.h"

#include <QImageReader>
#include <QPainter>
#include <QPicture>
#include <QTransform>

#include <cstring>

namespace qm {

namespace {

// Background art is stretched over a card a few inches wide: more pixels than this add nothing on paper.
constexpr int kMaxBackgroundSide = 6000;

} // namespace

std::vector<bool> TLabelPrinter::ObjectsShowingFields() const
{
    const CardModel& card = Card();
    // Each object drawn twice: with stand-ins for the personal information and with a record that has no
    // fields. One that shows a field (a placeholder, a QR code of the person) draws differently; the others
    // draw alike.
    QStringList standIns;
    for (int i = 0; i < kMergePersonalCount; ++i)
        standIns << QStringLiteral("\u2400%1").arg(i);
    const MergeRecord noFields;
    const int count = int(card.Objects().Objects().size());
    std::vector<bool> showing(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        RenderContext context;
        context.target = RenderContext::Paper;
        context.background = false;
        context.personal = standIns;
        context.drawObject = [i](int object) { return object == i; };
        QPicture personal, record;
        {
            QPainter painter(&personal);
            DrawCard(painter, card, context);
        }
        context.record = &noFields;
        {
            QPainter painter(&record);
            DrawCard(painter, card, context);
        }
        showing[size_t(i)] = personal.size() != record.size() ||
                             std::memcmp(personal.data(), record.data(), personal.size()) != 0;
    }
    return showing;
}

std::vector<TLabelPrinter::MergeLayer> TLabelPrinter::MakeMergeLayers(TKReport& report, const QSizeF& reach,
                                                                     const QRectF& card)
{
    const std::vector<bool> showing = ObjectsShowingFields();
    std::vector<MergeLayer> layers;
    for (int i = 0; i < int(showing.size()); ++i) {
        if (layers.empty() || layers.back().PerCard != showing[size_t(i)])
            layers.push_back(MergeLayer{showing[size_t(i)], i, i, false, -1});
        layers.back().To = i + 1;
    }
    if (mSides[mSide].Kind != bkNone) {
        if (layers.empty() || layers.front().PerCard)
            layers.insert(layers.begin(), MergeLayer{false, 0, 0, true, -1});
        layers.front().Background = true;
    }
    for (MergeLayer& layer : layers) {
        if (layer.PerCard)
            continue;
        layer.Drawing = report.MakeDrawing(reach, [&](TKReport& r) {
            if (layer.Background)
                PrintBackGround(r, card);
            if (layer.To > layer.From) {
                mObjectFilter = [&layer](int object) { return object >= layer.From && object < layer.To; };
                PrintCard(r, card.topLeft());
                mObjectFilter = nullptr;
            }
        });
        if (layer.Drawing < 0)
            return {};
    }
    return layers;
}

void TLabelPrinter::LoadBackGround()
{
    LoadSideBackground(mSides[0]);
    LoadSideBackground(mSides[1]);
}

void TLabelPrinter::LoadSideBackground(Side& side)
{
    side.Kind = bkNone;
    side.Background = QImage();
    side.Art = TPicture();
    if (side.BackgroundFile.isEmpty())
        return;
    QImageReader reader(side.BackgroundFile);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide)
        reader.setScaledSize(size.scaled(kMaxBackgroundSide, kMaxBackgroundSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        // Metafiles and SVG print as vector art; PCX and TGA come back as bitmaps.
        const TPicture picture = ReadPictureFile(side.BackgroundFile);
        if (picture.IsVector()) {
            side.Art = picture;
            side.Kind = bkMetafile;
            return;
        }
        image = picture.Image();
    }
    if (image.isNull())
        return;
    // The same quarter turn the design panel gives the art of a Rotated card; a back printed turned takes a
    // half turn more.
    const int turn = (Rotated() ? 90 : 0) + (side.Turned ? 180 : 0);
    if (turn != 0)
        image = image.transformed(QTransform().rotate(turn));
    side.Background = image;
    side.Kind = bkBitmap;
}

void TLabelPrinter::PrintBackGround(TKReport& report, const QRectF& card)
{
    const Side& side = mSides[mSide];
    if (side.Kind == bkNone)
        return;
    // Over the card's own size, cut at its outline like the card's objects.
    const CardModel& drawn = Card();
    if (side.Kind == bkBitmap) {
        // The corners of a rounded card are 12 units round, as on screen.
        const double corner = 24.0 / kUnitsPerInch;
        if (drawn.Shape() == lsRoundRect)
            report.ClipRoundRect(card, corner, corner);
        else if (drawn.Shape() == lsEllipse)
            report.ClipEllipse(card);
        report.StretchBitmap(side.Background, card);
        if (drawn.Shape() != lsRectangle)
            report.ReleaseClip();
        return;
    }
    const QSizeF units(drawn.Width(), drawn.Height());
    const bool rotated = Rotated();
    // Vector art: drawn as paths in the card's units.
    report.StretchDraw(card, units, [&side, &drawn, units, rotated](QPainter& painter) {
        painter.setClipPath(CardOutlinePath(drawn), Qt::IntersectClip);
        if (side.Turned) {
            painter.translate(units.width(), units.height());
            painter.rotate(180);
        }
        if (rotated) {
            painter.translate(units.width(), 0);
            painter.rotate(90);
            side.Art.Draw(painter, QRectF(0, 0, units.height(), units.width()));
        } else {
            side.Art.Draw(painter, QRectF(QPointF(0, 0), units));
        }
    });
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF a print shop asks for: one page a side of the card, with bleed, crop marks and its boxes, and the
// checks of what a shop would turn down.
#pragma once

#include "model/printshoppage.h"
#include "pictures/pictures.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace qm {

class CardModel;

// One side of the card as it goes to the print shop: the card laid out, and its background art as read from
// its file (the card's own stored pictures stand in when there is none).
struct PrintShopSide
{
    const CardModel* Card = nullptr;
    // Vector art is drawn as paths; a bitmap at the resolution of its file.
    TPicture Background;
};

// The background art file for a card, as a print shop gets it: vector art as it is, a bitmap at its own
// resolution, turned a quarter for a Rotated card. Null when there is none or it cannot be read.
TPicture ReadPrintShopBackground(const QString& file, bool rotated);

// Each side on a page of its own (front first): the card drawn by Qt's PDF writer, its text as text in
// embedded fonts, and taken into the job as a form; the background art and the card's pictures scaled to
// cover the bleed, its objects going on into the bleed and cut at its outer edge, crop marks, and the
// TrimBox and BleedBox of every page set through libqpdf. An empty document with a message on failure.
QByteArray MakePrintShopPdf(const std::vector<PrintShopSide>& sides, const PrintShopPage& page,
                            const QString& title, QString* error = nullptr);
// The same written to a file, replacing it only when complete.
bool WritePrintShopPdf(const std::vector<PrintShopSide>& sides, const PrintShopPage& page, const QString& title,
                       const QString& path, QString* error = nullptr);

// What a print shop would object to, for the user to accept or not: pictures below kPrintShopDpi at their
// printed size, text closer to the trim than the safe area, and (with a bleed) art that ends exactly at the
// card's edge instead of reaching over it. One sentence each; empty when all is well.
constexpr int kPrintShopDpi = 300;
QStringList PrintShopWarnings(const PrintShopSide& side, const PrintShopPage& page);

} // namespace qm

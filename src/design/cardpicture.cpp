// SPDX-License-Identifier: GPL-3.0-or-later
// The card as a picture at 100 %.
#include "design/cardpicture.h"

#include "model/cardmodel.h"
#include "model/cardrender.h"

#include "platform/units.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

QImage RenderCardPicture(const CardModel& card, bool border, int scale)
{
    scale = std::clamp(scale, 1, kMaxPictureScale);
    QImage image(card.Width() * scale, card.Height() * scale, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(kUnitsPerInch * scale / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    RenderContext context;
    context.target = RenderContext::Picture;
    DrawCard(painter, card, context);
    painter.resetTransform();
    if (border) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    }
    return image;
}

} // namespace qm

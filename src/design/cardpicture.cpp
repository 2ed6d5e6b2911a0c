// SPDX-License-Identifier: GPL-3.0-or-later
// The card as a picture at 100 %.
#include "design/cardpicture.h"

#include "model/cardmodel.h"
#include "model/cardrender.h"

#include <QPainter>

namespace qm {

QImage RenderCardPicture(const TCardModel& card, bool border)
{
    QImage image(card.Width(), card.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TRenderContext context;
    context.target = TRenderContext::Picture;
    DrawCard(painter, card, context);
    if (border) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    }
    return image;
}

} // namespace qm

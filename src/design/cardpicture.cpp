// The card as a picture at 100 %.
#include "design/cardpicture.h"

#include "stream/cardcopy.h"
#include "model/cardmodel.h"
#include "model/cardrender.h"

#include <QPainter>

namespace qm {

QImage RenderCardPicture(const TCardModel& card, bool border)
{
    // A zoomed card is drawn from a copy at 100 %, so the picture is the same at any zoom.
    std::unique_ptr<TCardModel> copy;
    if (card.Scale() != 1.0f)
        copy = CopyCardAtUnitScale(card);
    const TCardModel& drawn = copy ? *copy : card;

    QImage image(drawn.Width(), drawn.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TRenderContext context;
    context.target = TRenderContext::Picture;
    if (!copy && card.Scale() != 1.0f) {
        // Only a card holding a class no file may hold cannot be copied: it is drawn scaled instead.
        painter.scale(1.0 / card.Scale(), 1.0 / card.Scale());
    }
    DrawCard(painter, drawn, context);
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

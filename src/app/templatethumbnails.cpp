// SPDX-License-Identifier: GPL-3.0-or-later
// TemplateThumbnails: templates loaded onto a panel, drawn at full size and shrunk, kept per file.
#include "app/templatethumbnails.h"

#include "app/cardbackground.h"
#include "app/export.h"
#include "design/cardpanel.h"
#include "model/sheetlayout.h"
#include "objects/templatefile.h"

#include <QFileInfo>
#include <QPainter>

namespace qm {

void LoadTemplateSample(TKBusinessCardPanel32& panel, const QString& file, const QString& font, float cardWidth,
                        float cardHeight)
{
    panel.ClearAll();
    panel.ClearBackground();
    panel.SetPortraitMode(false);
    if (!file.isEmpty()) {
        const QString background = CardTemplate::Read(panel, file).trimmed();
        if (!font.isEmpty())
            panel.SetTextFontName(font);
        const QString art = CardTemplate::BackgroundArtPath(background);
        if (!art.isEmpty() && QFileInfo(art).isFile())
            LoadCardBackground(panel.Card(), art);
    }
    CardSheetLayout layout;
    layout.Width = cardWidth;
    layout.Height = cardHeight;
    const QSize size = CardPanelSize(layout, panel.PortraitMode());
    panel.SetSize(size.width(), size.height());
    panel.LayOutObjects();
}

TemplateThumbnails::TemplateThumbnails(QSize box, float cardWidth, float cardHeight, const QStringList& personal)
    : mBox(box), mCardWidth(cardWidth), mCardHeight(cardHeight), mPersonal(personal)
{
}

bool TemplateThumbnails::Has(const QString& file) const
{
    const auto kept = mKept.constFind(file);
    return kept != mKept.constEnd() && kept->modified == QFileInfo(file).lastModified();
}

QImage TemplateThumbnails::Thumbnail(const QString& file)
{
    if (Has(file))
        return mKept.value(file).image;
    const QImage image = Draw(file, mBox, mCardWidth, mCardHeight, mPersonal);
    ++mDrawn;
    mKept.insert(file, {QFileInfo(file).lastModified(), image});
    return image;
}

QImage TemplateThumbnails::Draw(const QString& file, QSize box, float cardWidth, float cardHeight,
                                 const QStringList& personal)
{
    TKBusinessCardPanel32 panel;
    panel.SetPersonalStrings(personal);
    LoadTemplateSample(panel, file, QString(), cardWidth, cardHeight);
    const QImage card = CardPicture(panel.Card(), false);
    // Shrunk smoothly, with a thin grey edge so that a white card stands out from the white around it.
    QImage shrunk = card.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    QPainter edge(&shrunk);
    edge.setPen(QColor(160, 160, 160));
    edge.drawRect(shrunk.rect().adjusted(0, 0, -1, -1));
    return shrunk;
}

} // namespace qm

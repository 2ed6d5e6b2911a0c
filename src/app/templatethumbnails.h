// SPDX-License-Identifier: GPL-3.0-or-later
// TemplateThumbnails: small pictures of card templates, drawn by the card renderer and kept once drawn.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qm {

class TKBusinessCardPanel32;

// Puts a template onto a panel as a new card made from it looks: its objects with the personal information
// the panel holds, its background art, `font` (when not empty) on its text, and the size of a card of
// cardWidth x cardHeight inches, turned when the template stands upright.
void LoadTemplateSample(TKBusinessCardPanel32& panel, const QString& file, const QString& font, float cardWidth,
                        float cardHeight);

class TemplateThumbnails
{
public:
    // Thumbnails fit within box (the card's proportions kept) for cards of the given size in inches, filled
    // in with the personal information.
    TemplateThumbnails(QSize box, float cardWidth, float cardHeight, const QStringList& personal);

    QSize Box() const { return mBox; }
    // The thumbnail of a template file: drawn the first time, then kept until the file changes. A file that
    // cannot be read gives a blank card.
    QImage Thumbnail(const QString& file);
    // Whether the file's thumbnail is drawn and current.
    bool Has(const QString& file) const;
    // How many thumbnails have been drawn (not taken from those kept).
    int Drawn() const { return mDrawn; }

    // The template drawn at its full size and shrunk into box.
    static QImage Draw(const QString& file, QSize box, float cardWidth, float cardHeight,
                       const QStringList& personal);

private:
    struct TKept
    {
        QDateTime modified;
        QImage image;
    };
    QSize mBox;
    float mCardWidth;
    float mCardHeight;
    QStringList mPersonal;
    QHash<QString, TKept> mKept;
    int mDrawn = 0;
};

} // namespace qm

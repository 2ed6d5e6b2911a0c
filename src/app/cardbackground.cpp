// SPDX-License-Identifier: GPL-3.0-or-later
// Finding background art by its stored name and loading it into the panel, sized and turned for the card.
#include "app/cardbackground.h"

#include "pictures/pictureformats.h"
#include "pictures/pictures.h"
#include "model/cardmodel.h"
#include "model/sheetlayout.h"
#include "model/subobjects.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

namespace qm {

namespace {

// The largest background picture kept, in pixels a side: enough for printing a card at 400 dpi.
constexpr int kMaxBackgroundSide = 1400;

QImage DrawnAt(const TPicture& picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    picture.Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace

QString ResolveBackgroundFile(const QString& stored)
{
    const QString trimmed = stored.trimmed();
    if (trimmed.isEmpty())
        return QString();
    if (QFileInfo(trimmed).isFile())
        return QFileInfo(trimmed).absoluteFilePath();
    const QString name = FileNameOnly(trimmed);
    if (name.isEmpty())
        return QString();
    return FindFileIgnoringCase(ProgramFile(QStringLiteral("bg")), name);
}

bool LoadCardBackground(CardModel& card, const QString& file, QString* error)
{
    card.ColorPicture().Clear();
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(file, why);
        return false;
    };
    const QFileInfo info(file);
    if (!info.exists())
        return fail(QCoreApplication::translate("qm::CardBackground", "no such background picture"));
    if (!info.isFile())
        return fail(QCoreApplication::translate("qm::CardBackground", "not a picture file"));
    QImageReader reader(file);
    reader.setAutoTransform(true);
    // A big picture is read at the size kept rather than whole and then shrunk.
    const QSize size = reader.size();
    if (size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide)
        reader.setScaledSize(size.scaled(kMaxBackgroundSide, kMaxBackgroundSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        // Metafiles, SVG, PCX and TGA: vector art is drawn at twice the card's size, which stays sharp at
        // any zoom of the screen.
        QString why;
        const TPicture picture = ReadPictureFile(file, &why);
        if (picture.IsNull())
            return fail(QCoreApplication::translate("qm::CardBackground",
                                                    "the background picture cannot be read (%1)")
                            .arg(why.isEmpty() ? reader.errorString() : why));
        image = picture.IsVector() ? DrawnAt(picture, QSize(kUnitsPerInch * 7, kUnitsPerInch * 4)) : picture.Image();
    }
    if (image.width() > kMaxBackgroundSide || image.height() > kMaxBackgroundSide)
        image = image.scaled(kMaxBackgroundSide, kMaxBackgroundSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    if (card.Portrait()) {
        // Background art is made for a card lying down; a Rotated card gets it turned a quarter.
        const QSize lying(kUnitsPerInch * 7 / 2, kUnitsPerInch * 2);
        image = image.scaled(lying, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .transformed(QTransform().rotate(90));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        return fail(QCoreApplication::translate("qm::CardBackground", "the background picture is too large"));
    card.ColorPicture().SetGraphic(QByteArrayLiteral("TBitmap"), bytes);
    return true;
}

QString LoadBackgroundArt(CardModel& card, const QString& stored)
{
    card.ColorPicture().Clear();
    const QString name = stored.trimmed();
    if (name.isEmpty())
        return QString();
    const QString file = ResolveBackgroundFile(name);
    QString why;
    if (file.isEmpty())
        why = QCoreApplication::translate("qm::CardBackground", "%1: no such background picture").arg(name);
    else if (LoadCardBackground(card, file, &why))
        return QString();
    //: %1 says which background picture cannot be used and why
    return QCoreApplication::translate("qm::CardBackground", "%1; the card is drawn without it").arg(why);
}

QStringList BackgroundFileMasks()
{
    return AllMasks(PictureFormats());
}

QString BackgroundFolder() { return ProgramFile(QStringLiteral("bg")); }

QImage BackgroundPreview(const QString& file, bool portrait, QString* error)
{
    QString why;
    const TPicture picture = ReadPictureFile(file, &why);
    const QSize size = picture.Size();
    if (picture.IsNull() || size.isEmpty()) {
        if (error)
            *error = why;
        return QImage();
    }
    // The picture at its own size; a Rotated card shows it turned a quarter, as the card will.
    const QImage image = picture.IsVector() ? DrawnAt(picture, size) : picture.Image();
    return portrait ? image.transformed(QTransform().rotate(90)) : image;
}

} // namespace qm

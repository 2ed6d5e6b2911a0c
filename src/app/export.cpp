// SPDX-License-Identifier: GPL-3.0-or-later
// Card export: rendering the card at 100 %, encoding it and writing the picture file in one step.
#include "app/export.h"

#include "app/cardbackground.h"
#include "app/cardfile.h"
#include "design/cardpicture.h"
#include "model/cardmodel.h"
#include "platform/atomicfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace qm {

bool PictureFormatFromName(const QString& fileName, PictureFormat* format)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    PictureFormat found;
    if (suffix == QLatin1String("bmp"))
        found = PictureFormat::Bmp;
    else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
             suffix == QLatin1String("jif"))
        found = PictureFormat::Jpg;
    else if (suffix == QLatin1String("png"))
        found = PictureFormat::Png;
    else
        return false;
    if (format)
        *format = found;
    return true;
}

QString PictureFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp:
        return QStringLiteral("BMP");
    case PictureFormat::Jpg:
        return QStringLiteral("JPG");
    case PictureFormat::Png:
        break;
    }
    return QStringLiteral("PNG");
}

QImage CardPicture(const TCardModel& card, bool border)
{
    return RenderCardPicture(card, border);
}

bool WritePicture(const QImage& image, const QString& path, PictureFormat format, QString* error)
{
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        if (error)
            *error = QStringLiteral("%1: the card has no size").arg(path);
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const char* codec = format == PictureFormat::Bmp ? "bmp" : format == PictureFormat::Jpg ? "jpeg" : "png";
    QImageWriter writer(&buffer, codec);
    if (format == PictureFormat::Jpg)
        writer.setQuality(kJpgQuality);
    // No transparency anywhere: a card is drawn on white, and BMP readers expect 24-bit pictures.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        if (error)
            *error = QStringLiteral("%1: cannot write a %2 picture (%3)")
                         .arg(path, PictureFormatName(format), writer.errorString());
        return false;
    }
    buffer.close();
    return WriteFileAtomic(path, bytes, error);
}

bool ExportCard(const TCardModel& card, const QString& path, PictureFormat format, bool border,
                QString* error)
{
    return WritePicture(CardPicture(card, border), path, format, error);
}

bool ExportCardFile(const QString& cardPath, const QString& outPath, PictureFormat format, bool border,
                    QString* error, bool* usageError)
{
    if (usageError)
        *usageError = false;
    TCardModel card;
    CompanionFile companion;
    if (!ReadCardFile(cardPath, card, &companion, error))
        return false;
    if (!CheckOutputIsNoInput(outPath, CardInputFiles(cardPath, companion), error)) {
        if (usageError)
            *usageError = true;
        return false;
    }
    CardSheetLayout layout = companion.Layout;
    layout.UsePortrait = companion.HasLayout && companion.Layout.UsePortrait;
    SetUpCard(card, layout, companion.Background);
    return ExportCard(card, outPath, format, border, error);
}

} // namespace qm

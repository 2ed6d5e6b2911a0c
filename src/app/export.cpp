// SPDX-License-Identifier: GPL-3.0-or-later
// Card export: rendering the card at 100 %, encoding it and writing the picture file in one step.
#include "app/export.h"

#include "app/cardbackground.h"
#include "app/cardfile.h"
#include "app/stockcommand.h"
#include "design/cardpicture.h"
#include "model/cardmodel.h"
#include "objects/shapes/qrcode.h"
#include "platform/atomicfile.h"
#include "platform/units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLocale>

#include <algorithm>

namespace qm {

namespace {

struct ExportText
{
    Q_DECLARE_TR_FUNCTIONS(qm::Export)
};

} // namespace

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

QImage CardPicture(const CardModel& card, bool border, int scale)
{
    return RenderCardPicture(card, border, scale);
}

PictureQRCheck CheckPictureQRCodes(const CardModel& card, int scale)
{
    PictureQRCheck check;
    check.readableScale = scale;
    const QStringList personal = card.PersonalStrings();
    for (int i = 0; i < card.Objects().Count(); ++i) {
        const auto* code = dynamic_cast<const TKQRCode*>(card.Objects().At(i));
        const int modules = code ? code->ModulesAcross(personal) : 0;
        if (modules <= 0)
            continue;
        const double module = std::min(code->Width(), code->Height()) * double(scale) / modules;
        if (check.readable || module < check.smallestModule)
            check.smallestModule = module;
        if (code->ModulePixels(scale, personal) >= TKQRCode::kReadableModulePixels)
            continue;
        check.readable = false;
        int needed = scale;
        while (needed <= kMaxPictureScale && code->ModulePixels(needed, personal) < TKQRCode::kReadableModulePixels)
            ++needed;
        if (needed > kMaxPictureScale || check.readableScale == 0)
            check.readableScale = 0;
        else
            check.readableScale = std::max(check.readableScale, needed);
    }
    return check;
}

QString QRCodeTooSmallText(const PictureQRCheck& check, int scale)
{
    if (check.readable)
        return QString();
    const QLocale locale;
    const QString ppi = locale.toString(kUnitsPerInch * scale);
    const QString square = locale.toString(check.smallestModule, 'f', 1);
    const QString needed = locale.toString(TKQRCode::kReadableModulePixels);
    if (check.readableScale == 0)
        return ExportText::tr(
                   "The QR code is too small to scan in a picture of %1 pixels per inch: a square of "
                   "the code would be %2 pixels wide, and a scanner needs %3 whole pixels. Make the "
                   "QR code larger on the card.")
            .arg(ppi, square, needed);
    return ExportText::tr(
               "The QR code is too small to scan in a picture of %1 pixels per inch: a square of the "
               "code would be %2 pixels wide, and a scanner needs %3 whole pixels.")
        .arg(ppi, square, needed);
}

bool WritePicture(const QImage& image, const QString& path, PictureFormat format, QString* error)
{
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        if (error)
            *error = ExportText::tr("%1: the card has no size").arg(path);
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
            //: %2 is BMP, JPG or PNG; %3 the reason
            *error = ExportText::tr("%1: cannot write a %2 picture (%3)")
                         .arg(path, PictureFormatName(format), writer.errorString());
        return false;
    }
    buffer.close();
    return WriteFileAtomic(path, bytes, error);
}

bool ExportCard(const CardModel& card, const QString& path, PictureFormat format, bool border,
                QString* error, int scale)
{
    return WritePicture(CardPicture(card, border, scale), path, format, error);
}

bool ReadCardToExport(const QString& cardPath, const QString& outPath, CardModel& card, CompanionFile& companion,
                      QString* error, bool* usageError, const QString& stock)
{
    if (usageError)
        *usageError = false;
    if (!ReadCardFile(cardPath, card, &companion, error))
        return false;
    if (!CheckOutputIsNoInput(outPath, CardInputFiles(cardPath, companion), error)) {
        if (usageError)
            *usageError = true;
        return false;
    }
    CardSheetLayout layout = companion.Layout;
    layout.UsePortrait = companion.HasLayout && companion.Layout.UsePortrait;
    if (!stock.isEmpty() && !StockLayoutByName(stock, layout, &layout, error, usageError))
        return false;
    SetUpCard(card, layout, companion.Background);
    return true;
}

bool ExportCardFile(const QString& cardPath, const QString& outPath, PictureFormat format, bool border,
                    QString* error, bool* usageError, int scale, QString* warning, const QString& stock)
{
    CardModel card;
    CompanionFile companion;
    if (!ReadCardToExport(cardPath, outPath, card, companion, error, usageError, stock))
        return false;
    if (!ExportCard(card, outPath, format, border, error, scale))
        return false;
    const PictureQRCheck check = CheckPictureQRCodes(card, scale);
    if (warning && !check.readable) {
        const QString problem = QRCodeTooSmallText(check, scale);
        //: %1 is the picture file, %2 why its QR code does not scan; --scale is the command line's option
        *warning = check.readableScale > 0
                       ? ExportText::tr("%1: %2 --scale %3 writes a picture in which it scans.")
                             .arg(outPath, problem, QString::number(check.readableScale))
                       : QStringLiteral("%1: %2").arg(outPath, problem);
    }
    return true;
}

} // namespace qm

// Finding background art by its stored name and loading it into the panel, sized and turned for the card.
#include "app/cardbackground.h"

#include "model/cardmodel.h"
#include "model/sheetlayout.h"
#include "model/subobjects.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTransform>

namespace qm {

namespace {

// The largest background picture kept, in pixels a side: enough for printing a card at 400 dpi.
constexpr int kMaxBackgroundSide = 1400;

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

void LoadCardBackground(TCardModel& card, const QString& file)
{
    card.ColorPicture().Clear();
    QImageReader reader(file);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return;
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
        return;
    card.ColorPicture().SetGraphic(QByteArrayLiteral("TBitmap"), bytes);
}

} // namespace qm

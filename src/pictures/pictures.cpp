// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: the picture value, reading by content, and what a picture file becomes in a card.
#include "pictures/pictures.h"

#include "pictures/metafile.h"
#include "pictures/metafilegdi.h"
#include "pictures/pcx.h"
#include "pictures/pictureformats.h"
#include "model/subobjects.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
const char kSvgClass[] = "TSVGGraphic";

bool Fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

bool TooLarge(QSize size)
{
    return size.width() > kMaxSide || size.height() > kMaxSide ||
           qint64(size.width()) * size.height() > kMaxPixels;
}

QByteArray Suffix(const QString& nameHint)
{
    return QFileInfo(nameHint).suffix().toLower().toLatin1();
}

// The format Qt should read, by the bytes' signature, else by the name's suffix; empty to let Qt guess.
QByteArray QtFormat(const QByteArray& bytes, const QString& nameHint)
{
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\x89PNG"))
        return "png";
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF8"))
        return "gif";
    // Icons and cursors: a directory with at least one entry (a TGA header can start the same way).
    if ((bytes.startsWith(QByteArray("\0\0\1\0", 4)) || bytes.startsWith(QByteArray("\0\0\2\0", 4))) &&
        bytes.size() >= 6 && (bytes[4] != 0 || bytes[5] != 0))
        return "ico";
    const QByteArray suffix = Suffix(nameHint);
    if (suffix == "tga" || suffix == "vda" || suffix == "icb" || suffix == "vst")
        return "tga";
    if (suffix == "jif" || suffix == "jpg" || suffix == "jpeg")
        return "jpeg";
    if (suffix == "dib" || suffix == "rle")
        return "bmp";
    return {};
}

// Each side of a picture of size `own` brought down to the same side of atMost (where atMost has one).
QSize NoLargerThan(QSize own, QSize atMost)
{
    if (!atMost.isValid() || atMost.isEmpty())
        return own;
    return {std::max(1, std::min(own.width(), atMost.width())), std::max(1, std::min(own.height(), atMost.height()))};
}

// A bitmap brought down to atMost; as it is when it fits.
QImage Shrunk(const QImage& image, QSize atMost)
{
    const QSize size = NoLargerThan(image.size(), atMost);
    if (image.isNull() || size == image.size())
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ReadWithQt(const QByteArray& bytes, const QString& nameHint, QString* error, QSize atMost = QSize())
{
    const QByteArray format = QtFormat(bytes, nameHint);
    QBuffer buffer;
    // Qt's TGA reader wants the footer of the format's second version, which older writers leave out.
    static const QByteArray kTgaFooter = QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
    if (format == "tga" && !bytes.endsWith(kTgaFooter.mid(8)))
        buffer.setData(bytes + kTgaFooter);
    else
        buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(format.isEmpty());
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    const QSize claimed = reader.size();
    if (claimed.isValid() && TooLarge(claimed)) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The picture is too large (%1 x %2 pixels).")
                        .arg(QLocale().toString(claimed.width()), QLocale().toString(claimed.height())));
        return {};
    }
    // Read at the size asked for where the format can (PNG and JPEG then never hold the whole picture).
    if (claimed.isValid() && NoLargerThan(claimed, atMost) != claimed)
        reader.setScaledSize(NoLargerThan(claimed, atMost));
    QImage image = reader.read();
    // Qt's TGA reader takes every picture as stored top down; the descriptor says which way the rows run.
    if (format == "tga" && !image.isNull() && bytes.size() > 17 && !(uchar(bytes[17]) & 0x20))
        image = image.mirrored(false, true);
    if (image.isNull()) {
        const bool unknown = format.isEmpty() && reader.format().isEmpty();
        Fail(error, unknown ? QCoreApplication::translate("qm::Pictures",
                                                          "The file is not a picture this program can read.")
                            : QCoreApplication::translate(
                                  "qm::Pictures", "The picture cannot be read: it is damaged or cut short."));
        return {};
    }
    if (TooLarge(image.size())) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The picture is too large."));
        return {};
    }
    return Shrunk(image, atMost);
}

// A bitmap file whose uncompressed rows do not all fit in the bytes (the bitmap reader would fill the rest).
bool BitmapCutShort(const QByteArray& bmp)
{
    if (bmp.size() < 14 + 16)
        return true;
    const auto* b = reinterpret_cast<const uchar*>(bmp.constData());
    const quint32 offset = qFromLittleEndian<quint32>(b + 10);
    const quint32 header = qFromLittleEndian<quint32>(b + 14);
    if (header < 40 || bmp.size() < 14 + 40)
        return header != 12 || qint64(offset) > bmp.size();
    const qint64 width = std::abs(qint64(qFromLittleEndian<qint32>(b + 18)));
    const qint64 height = std::abs(qint64(qFromLittleEndian<qint32>(b + 22)));
    const int bits = qFromLittleEndian<quint16>(b + 28);
    const quint32 compression = qFromLittleEndian<quint32>(b + 30);
    if (compression != 0 && compression != 3 && compression != 6)
        return qint64(offset) > bmp.size();
    // A row longer than the whole file is cut short already; the product below then stays far from overflow.
    const qint64 row = ((width * bits + 31) / 32) * 4;
    if (height > 0 && row > bmp.size())
        return true;
    return qint64(offset) + row * height > bmp.size();
}

} // namespace

bool LooksLikeSvg(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(4096);
    if (head.startsWith("\x1f\x8b"))
        return false;
    const QByteArray trimmed = head.trimmed();
    return (trimmed.startsWith("<?xml") || trimmed.startsWith("<svg") || trimmed.startsWith("\xEF\xBB\xBF<") ||
            trimmed.startsWith("<!DOCTYPE")) &&
           head.contains("<svg");
}

bool LooksLikePackedDib(const QByteArray& bytes)
{
    if (bytes.size() < 40)
        return false;
    const quint32 header = qFromLittleEndian<quint32>(bytes.constData());
    const quint16 planes = qFromLittleEndian<quint16>(bytes.constData() + 12);
    return (header == 40 || header == 108 || header == 124) && planes == 1;
}

struct TPicture::Data
{
    Kind kind = Kind::None;
    QImage image;
    QByteArray bytes;
    QSize size;
    metafile::Info metafile;
    std::shared_ptr<QSvgRenderer> svg;
};

TPicture MakePicture(std::shared_ptr<const TPicture::Data> data) { return TPicture(std::move(data)); }

TPicture TPicture::FromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    auto data = std::make_shared<Data>();
    data->kind = Kind::Bitmap;
    data->image = image;
    data->size = image.size();
    return MakePicture(std::move(data));
}

TPicture::Kind TPicture::GetKind() const { return d ? d->kind : Kind::None; }

QSize TPicture::Size() const { return d ? d->size : QSize(); }

void TPicture::Draw(QPainter& painter, const QRectF& target) const
{
    if (!d || target.isEmpty())
        return;
    switch (d->kind) {
    case Kind::Bitmap:
        painter.drawImage(target, d->image);
        break;
    case Kind::Metafile:
        metafile::Play(d->bytes, d->metafile, painter, target);
        break;
    case Kind::Svg:
        d->svg->render(&painter, target);
        break;
    case Kind::None:
        break;
    }
}

QImage TPicture::ToImage(QSize size) const
{
    if (!d || size.isEmpty() || TooLarge(size))
        return {};
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, QRectF(0, 0, size.width(), size.height()));
    return out;
}

QImage TPicture::Image() const { return d && d->kind == Kind::Bitmap ? d->image : QImage(); }

namespace {

TPicture ReadPictureAt(const QByteArray& bytes, const QString& nameHint, QString* error, QSize atMost)
{
    if (bytes.isEmpty()) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The picture file is empty."));
        return {};
    }
    if (bytes.size() > kMaxFileBytes) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The picture file is too large."));
        return {};
    }
    if (metafile::LooksLikeMetafile(bytes)) {
        auto data = std::make_shared<TPicture::Data>();
        QString why;
        if (!metafile::ReadInfo(bytes, &data->metafile, &why)) {
            Fail(error, why);
            return {};
        }
        data->kind = TPicture::Kind::Metafile;
        data->bytes = bytes;
        data->size = data->metafile.size;
        return MakePicture(std::move(data));
    }
    if (LooksLikePcx(bytes))
        return TPicture::FromImage(Shrunk(ReadPcx(bytes, kMaxPixels, error), atMost));
    if (LooksLikeSvg(bytes) || Suffix(nameHint) == "svg" || Suffix(nameHint) == "svgz") {
        auto data = std::make_shared<TPicture::Data>();
        data->svg = std::make_shared<QSvgRenderer>(bytes);
        if (!data->svg->isValid()) {
            Fail(error, QCoreApplication::translate("qm::Pictures", "The SVG picture cannot be read."));
            return {};
        }
        data->kind = TPicture::Kind::Svg;
        data->bytes = bytes;
        QSize size = data->svg->defaultSize();
        if (size.isEmpty())
            size = data->svg->viewBoxF().size().toSize();
        data->size = size.isEmpty() ? QSize(96, 96) : size;
        return MakePicture(std::move(data));
    }
    if (LooksLikePackedDib(bytes)) {
        const QImage image = metafile::DecodePackedDib(metafile::Bytes(bytes.constData(), bytes.size()));
        if (image.isNull())
            Fail(error,
                 QCoreApplication::translate(
                     "qm::Pictures", "The bitmap cannot be read: it is damaged, cut short or too large."));
        return TPicture::FromImage(Shrunk(image, atMost));
    }
    if (bytes.startsWith("BM") && BitmapCutShort(bytes)) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The bitmap is cut short."));
        return {};
    }
    return TPicture::FromImage(ReadWithQt(bytes, nameHint, error, atMost));
}

} // namespace

TPicture ReadPicture(const QByteArray& bytes, const QString& nameHint, QString* error)
{
    return ReadPictureAt(bytes, nameHint, error, QSize());
}

TPicture ReadPictureFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        Fail(error,
             QCoreApplication::translate("qm::Pictures", "The picture file %1 does not exist.").arg(path));
        return {};
    }
    if (!info.isFile()) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "%1 is not a picture file.").arg(path));
        return {};
    }
    if (info.size() > kMaxFileBytes) {
        Fail(error,
             QCoreApplication::translate("qm::Pictures", "The picture file %1 is too large.").arg(path));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "The picture file %1 cannot be opened: %2.")
                        .arg(path, file.errorString()));
        return {};
    }
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    // A file in one of the formats read from outside is read by that format, which also finds a file cut short.
    const auto formats = PictureFormats();
    if (bytes.size() <= kMaxFileBytes) {
        if (TPictureFormat* format = FormatFor(formats, bytes.left(FileFormat::kHeadBytes))) {
            TPicture picture;
            if (!format->ReadBytes(bytes, info.fileName(), picture))
                Fail(error, format->ErrorString());
            return picture;
        }
    }
    return ReadPicture(bytes, path, error);
}

TPicture PictureFromGraphic(const QByteArray& graphicClass, const QByteArray& fileBytes, QString* error)
{
    return PictureFromGraphicAt(graphicClass, fileBytes, QSize(), error);
}

TPicture PictureFromGraphicAt(const QByteArray& graphicClass, const QByteArray& fileBytes, QSize atMost,
                              QString* error)
{
    // The stored kinds are read by content like files; the class name only hints the icon and SVG readers.
    if (graphicClass == "TIcon")
        return ReadPictureAt(fileBytes, QStringLiteral("picture.ico"), error, atMost);
    if (graphicClass == kSvgClass)
        return ReadPictureAt(fileBytes, QStringLiteral("picture.svg"), error, atMost);
    return ReadPictureAt(fileBytes, QString(), error, atMost);
}

TPicture PictureFromGraphic(const StoredPicture& picture, QString* error)
{
    if (!picture.HasGraphic()) {
        Fail(error, QCoreApplication::translate("qm::Pictures", "There is no picture."));
        return {};
    }
    return PictureFromGraphic(picture.GraphicClass(), picture.GraphicBytes(), error);
}

bool GraphicFromFile(const QByteArray& fileBytes, const QString& nameHint, StoredGraphic* out, QString* error)
{
    const TPicture picture = ReadPicture(fileBytes, nameHint, error);
    if (picture.IsNull())
        return false;
    StoredGraphic stored;
    if (picture.GetKind() == TPicture::Kind::Metafile) {
        stored = {"TMetafile", metafile::PlaceableMetafile(fileBytes)};
    } else if (picture.GetKind() == TPicture::Kind::Svg) {
        stored = {kSvgClass, fileBytes};
    } else if (fileBytes.startsWith("BM")) {
        stored = {"TBitmap", fileBytes};
    } else if (QtFormat(fileBytes, QString()) == "ico") {
        stored = {"TIcon", fileBytes};
    } else {
        stored = {"TBitmap", BitmapFileBytes(picture.Image())};
    }
    if (out)
        *out = stored;
    return true;
}

QByteArray BitmapFileBytes(const QImage& image)
{
    if (image.isNull())
        return {};
    // 24 bits per pixel, or 32 with an alpha mask (a version 4 info header) when the image has transparency.
    const bool alpha = image.hasAlphaChannel();
    const QImage src = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    const int infoSize = alpha ? 108 : 40;
    const qint64 stride = alpha ? qint64(w) * 4 : ((qint64(w) * 3 + 3) / 4) * 4;
    const qint64 total = 14 + infoSize + stride * h;
    if (total > 0x7FFFFFFF)
        return {};
    QByteArray out(total, '\0');
    auto* b = reinterpret_cast<uchar*>(out.data());
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), b + 2);
    qToLittleEndian<quint32>(quint32(14 + infoSize), b + 10);
    uchar* info = b + 14;
    qToLittleEndian<quint32>(quint32(infoSize), info);
    qToLittleEndian<qint32>(w, info + 4);
    qToLittleEndian<qint32>(h, info + 8);
    qToLittleEndian<quint16>(1, info + 12);
    qToLittleEndian<quint16>(alpha ? 32 : 24, info + 14);
    qToLittleEndian<quint32>(alpha ? 3 : 0, info + 16); // bit fields for the alpha mask
    qToLittleEndian<quint32>(quint32(stride * h), info + 20);
    qToLittleEndian<qint32>(3780, info + 24); // 96 per inch
    qToLittleEndian<qint32>(3780, info + 28);
    if (alpha) {
        qToLittleEndian<quint32>(0x00FF0000, info + 40);
        qToLittleEndian<quint32>(0x0000FF00, info + 44);
        qToLittleEndian<quint32>(0x000000FF, info + 48);
        qToLittleEndian<quint32>(0xFF000000, info + 52);
        qToLittleEndian<quint32>(0x73524742, info + 56); // sRGB
    }
    uchar* pixels = info + infoSize;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(h - 1 - y));
        uchar* row = pixels + stride * y;
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            if (alpha) {
                row[x * 4] = uchar(qBlue(c));
                row[x * 4 + 1] = uchar(qGreen(c));
                row[x * 4 + 2] = uchar(qRed(c));
                row[x * 4 + 3] = uchar(qAlpha(c));
            } else {
                row[x * 3] = uchar(qBlue(c));
                row[x * 3 + 1] = uchar(qGreen(c));
                row[x * 3 + 2] = uchar(qRed(c));
            }
        }
    }
    return out;
}

} // namespace qm

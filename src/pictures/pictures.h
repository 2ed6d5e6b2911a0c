// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: reading picture files and a card's stored graphics into something ready to draw.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

namespace qm {

class StoredPicture;

// A picture ready to draw: a bitmap, or vector art (a Windows metafile, an enhanced metafile, an SVG) that is
// drawn as vector graphics on any painter, so it stays vector on paper. Cheap to copy (shared, immutable).
class TPicture
{
public:
    enum class Kind { None, Bitmap, Metafile, Svg };

    TPicture() = default;
    static TPicture FromImage(const QImage& image);

    bool IsNull() const { return !d; }
    Kind GetKind() const;
    bool IsVector() const { return GetKind() == Kind::Metafile || GetKind() == Kind::Svg; }
    // The picture's own size in pixels at 96 per inch (a metafile's frame or bounds, an SVG's view size).
    QSize Size() const;
    // Draws the whole picture stretched into the target rectangle (in the painter's coordinates). Vector
    // pictures draw as paths and text, never through a bitmap; nothing is drawn for a null picture.
    void Draw(QPainter& painter, const QRectF& target) const;
    // The picture drawn at the given size on a transparent background (a bitmap is scaled smoothly).
    QImage ToImage(QSize size) const;
    // A bitmap's pixels; null for vector pictures.
    QImage Image() const;

    struct Data;

private:
    explicit TPicture(std::shared_ptr<const Data> data) : d(std::move(data)) {}
    std::shared_ptr<const Data> d;
    friend TPicture MakePicture(std::shared_ptr<const Data> data);
};

// Reads a picture from a file's bytes, by content (the file name only as a hint for formats without a
// signature, such as TGA): BMP, DIB, RLE, JPG, JIF, GIF, ICO, TGA, PNG, SVG, PCX, Windows metafiles (placeable
// and plain) and enhanced metafiles. Every reader is bounded: a picture larger than 16384 pixels a side or 64
// million pixels, a truncated file or a damaged one is refused with a null picture and a reason in *error.
TPicture ReadPicture(const QByteArray& bytes, const QString& nameHint = QString(), QString* error = nullptr);
// The same for a file on disk (a file over 64 MB, a folder or a device is refused unread).
TPicture ReadPictureFile(const QString& path, QString* error = nullptr);

// A card's stored graphic: its class name ("TBitmap", "TMetafile", "TIcon", "TSVGGraphic") and its file image.
TPicture PictureFromGraphic(const QByteArray& graphicClass, const QByteArray& fileBytes, QString* error = nullptr);
TPicture PictureFromGraphic(const StoredPicture& picture, QString* error = nullptr);
// The same with a bitmap no larger than needed: each side brought down to the same side of atMost (never
// up), read at that size where the format allows (PNG, JPEG), so that a huge picture drawn in a small box
// never holds its whole pixels. Vector pictures come back as they are.
TPicture PictureFromGraphicAt(const QByteArray& graphicClass, const QByteArray& fileBytes, QSize atMost,
                              QString* error = nullptr);

// What a picture file becomes in a card: the class name and file image to store (StoredPicture::SetGraphic).
// Bitmaps (BMP, DIB, RLE), icons and metafiles keep their original bytes (a plain Windows metafile gets the
// placeable header the card stores); an SVG keeps its text as "TSVGGraphic"; every other format becomes a
// "TBitmap" of its pixels. False, with a reason in *error, when the file cannot be read.
struct StoredGraphic
{
    QByteArray graphicClass;
    QByteArray fileBytes;
};
bool GraphicFromFile(const QByteArray& fileBytes, const QString& nameHint, StoredGraphic* out,
                     QString* error = nullptr);

// A bitmap file image ("BM" header, 24 bits, or 32 bits when the image has transparency) of an image.
QByteArray BitmapFileBytes(const QImage& image);

} // namespace qm

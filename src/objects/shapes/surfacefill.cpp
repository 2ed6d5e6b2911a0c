// SPDX-License-Identifier: GPL-3.0-or-later
// Texture and gradient surfaces of the multi-purpose shape and the special-effect text.
#include "objects/shapes/surfacefill.h"

#include "model/subobjects.h"
#include "platform/units.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace qm {

namespace {

// Textures are tiles: anything larger than this is refused rather than decoded.
constexpr int kMaxTextureSide = 4096;
constexpr qint64 kMaxTexturePixels = qint64(1) << 22;

// a × b / c rounded to nearest, halves away from zero, with a 64-bit product.
qint64 RoundedMulDiv(qint64 a, qint64 b, qint64 c)
{
    const qint64 p = a * b;
    const qint64 q = (2 * (p < 0 ? -p : p) + c) / (2 * c);
    return p < 0 ? -q : q;
}

int Channel(int start, int end, int band)
{
    return int(start + RoundedMulDiv(band, end - start, 255));
}

} // namespace

QRgb GradientBandColor(QRgb start, QRgb end, int band)
{
    return qRgb(Channel(qRed(start), qRed(end), band), Channel(qGreen(start), qGreen(end), band),
                Channel(qBlue(start), qBlue(end), band));
}

QImage DecodeTexture(const QByteArray& fileBytes)
{
    QByteArray bytes = fileBytes;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    // A picture that claims an absurd size is not decoded at all.
    if (!size.isValid() || size.width() > kMaxTextureSide || size.height() > kMaxTextureSide ||
        qint64(size.width()) * size.height() > kMaxTexturePixels)
        return QImage();
    const QImage image = reader.read();
    if (image.width() != size.width() || image.height() != size.height())
        return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

const QImage& TextureCache::Picture(const TKBitmap& bitmap) const
{
    const QByteArray data = bitmap.Data();
    if (!mValid || data != mBytes) {
        mValid = true;
        mBytes = data;
        mPicture = DecodeTexture(bitmap.FileBytes());
    }
    return mPicture;
}

void FillGradientBands(QPainter& painter, int w, int h, QRgb start, QRgb end, bool vertical, bool paper)
{
    // On paper the bands run over an area a quarter inch taller than the object.
    const qint64 areaH = paper ? qint64(h) + kUnitsPerInch / 4 : h;
    for (int i = 0; i < 256; ++i) {
        const QColor color = QColor::fromRgb(GradientBandColor(start, end, i));
        if (vertical) {
            const qint64 bandTop = RoundedMulDiv(i, areaH, 256), bandBottom = RoundedMulDiv(i + 1, areaH, 256);
            if (bandBottom > bandTop && bandTop < h)
                painter.fillRect(QRect(0, int(bandTop), w, int(bandBottom - bandTop)), color);
        } else {
            const qint64 bandLeft = RoundedMulDiv(i, w, 256), bandRight = RoundedMulDiv(i + 1, w, 256);
            if (bandRight > bandLeft)
                painter.fillRect(QRect(int(bandLeft), 0, int(bandRight - bandLeft), h), color);
        }
    }
}

void FillTexture(QPainter& painter, const QImage& texture, int w, int h)
{
    if (texture.isNull())
        return;
    const QBrush brush(texture);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(QRect(0, 0, w, h), brush);
}

} // namespace qm

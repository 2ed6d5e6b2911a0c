// SPDX-License-Identifier: GPL-3.0-or-later
// Surfaces shared by the multi-purpose shape and the special-effect text: a texture tiled from the object's
// corner and the 256-band gradient. Both are painted over the object's rectangle while the caller's clip
// (the figure, or the letters) keeps them inside.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

class QPainter;

namespace qm {

class TKBitmap;

// The colour of gradient band `band` (0..255) between two RGB colours, each channel start + MulDiv(band, d,
// 255) rounded half away from zero.
QRgb GradientBandColor(QRgb start, QRgb end, int band);

// A texture picture from its file bytes, as RGB32; null when it cannot be read or claims an absurd size
// (more than 4,096 pixels a side or 4 M pixels), which is then not decoded at all.
QImage DecodeTexture(const QByteArray& fileBytes);

// The decoded texture of an object, decoded again only when its bytes change.
class TextureCache
{
public:
    const QImage& Picture(const TKBitmap& bitmap) const;

private:
    mutable QImage mPicture;
    mutable QByteArray mBytes;
    mutable bool mValid = false;
};

// The 256 bands from start to end over (0, 0, width, height), top to bottom when vertical, else left to
// right. On paper the vertical bands run over an area a quarter inch taller than the object.
void FillGradientBands(QPainter& painter, int width, int height, QRgb start, QRgb end, bool vertical, bool paper);

// The texture tiled over (0, 0, width, height) from the corner: on paper at its own size in paper units, on
// screen at its own size times the zoom, truncated to whole pixels (nothing when that leaves no pixel).
void FillTexture(QPainter& painter, const QImage& texture, int width, int height);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TKImage: data and sizing rules of the picture object.
#include "objects/shapes/picture.h"

#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace qm {

namespace {

template <class T> T ReadLE(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<T>(reinterpret_cast<const uchar*>(bytes.constData()) + at);
}

// A bitmap file image: the 14-byte file header, then a core (12-byte) or a newer info header.
QSize BitmapSize(const QByteArray& bmp)
{
    if (bmp.size() < 14 + 12 || !bmp.startsWith("BM"))
        return {};
    const quint32 infoSize = ReadLE<quint32>(bmp, 14);
    if (infoSize == 12)
        return {ReadLE<quint16>(bmp, 18), ReadLE<quint16>(bmp, 20)};
    if (infoSize < 40 || bmp.size() < 14 + 40)
        return {};
    // A negative height marks rows stored top-down.
    return {ReadLE<qint32>(bmp, 18), std::abs(ReadLE<qint32>(bmp, 22))};
}

// An icon file image: the first image of the directory; a size byte of 0 stands for 256.
QSize IconSize(const QByteArray& ico)
{
    if (ico.size() < 6 + 16 || ReadLE<quint16>(ico, 0) != 0 || ReadLE<quint16>(ico, 4) == 0)
        return {};
    const int w = uchar(ico[6]);
    const int h = uchar(ico[7]);
    return {w == 0 ? 256 : w, h == 0 ? 256 : h};
}

// An enhanced metafile (frame in hundredths of a millimetre) or a placeable Windows metafile (bounding box in
// its own units per inch), in pixels at 96 per inch.
QSize MetafileSize(const QByteArray& mf)
{
    if (mf.size() >= 44 && ReadLE<quint32>(mf, 0) == 1 && ReadLE<quint32>(mf, 40) == 0x464D4520) {
        const qint32 left = ReadLE<qint32>(mf, 24);
        const qint32 top = ReadLE<qint32>(mf, 28);
        const qint32 right = ReadLE<qint32>(mf, 32);
        const qint32 bottom = ReadLE<qint32>(mf, 36);
        return {MulDiv(right - left, 96, 2540), MulDiv(bottom - top, 96, 2540)};
    }
    if (mf.size() >= 22 && ReadLE<quint32>(mf, 0) == 0x9AC6CDD7u) {
        const int left = ReadLE<qint16>(mf, 6);
        const int top = ReadLE<qint16>(mf, 8);
        const int right = ReadLE<qint16>(mf, 10);
        const int bottom = ReadLE<qint16>(mf, 12);
        const int inch = ReadLE<quint16>(mf, 14);
        if (inch == 0)
            return {};
        return {MulDiv(right - left, 96, inch), MulDiv(bottom - top, 96, inch)};
    }
    return {};
}

} // namespace

const PropTable& TKImage::Properties() const
{
    using C = TKImage;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Bool("AutoSize", &C::AutoSize, &C::SetAutoSize, false),
            prop::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, kBorderStyleIdents),
            prop::Object("Picture", static_cast<StoredPicture& (C::*)()>(&C::Picture)),
            prop::Bool("Stretch", &C::Stretch, &C::SetStretch, true),
            prop::Bool("Reverse", &C::Reverse, &C::SetReverse),
            prop::Bool("Flip", &C::Flip, &C::SetFlip),
        });
    return table;
}

QSize TKImage::GraphicSize(const StoredPicture& picture)
{
    const QByteArray cls = picture.GraphicClass();
    if (cls == "TBitmap")
        return BitmapSize(picture.GraphicBytes());
    if (cls == "TIcon")
        return IconSize(picture.GraphicBytes());
    if (cls == "TMetafile")
        return MetafileSize(picture.GraphicBytes());
    return {};
}

void TKImage::SetAutoSize(bool value)
{
    mAutoSize = value;
    mStretch = !value;
    PictureChanged();
    NotifyChanged();
}

void TKImage::SetStretch(bool value)
{
    mStretch = value;
    mAutoSize = !value;
    Invalidate();
}

void TKImage::SetBorderStyle(TBorderStyle value)
{
    if (value == mBorderStyle)
        return;
    mBorderStyle = value;
    Invalidate();
    NotifyChanged();
}

void TKImage::SetReverse(bool value)
{
    if (value == mReverse)
        return;
    mReverse = value;
    Invalidate();
    NotifyChanged();
}

void TKImage::SetFlip(bool value)
{
    if (value == mFlip)
        return;
    mFlip = value;
    Invalidate();
    NotifyChanged();
}

void TKImage::PictureChanged()
{
    DropDrawCache();
    BoundsChanged();
    mOpaque = IsBitmap() && PictureSize() == QSize(Width(), Height());
    Invalidate();
}

void TKImage::BoundsChanged()
{
    TKGraphicControl::BoundsChanged();
    if (!mAutoSize)
        return;
    const QSize size = PictureSize();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    SetBounds(Left(), Top(), size.width(), size.height());
}

} // namespace qm

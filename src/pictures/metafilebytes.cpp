// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded reads of metafile records and the device-independent bitmaps they carry.
#include "pictures/metafilegdi.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace qm::metafile {

namespace {

// A metafile's own bitmaps are held to this many pixels (a bigger one is left out).
constexpr qint64 kMaxDibPixels = 16 * 1024 * 1024;

} // namespace

Bytes Bytes::Sub(qsizetype offset, qsizetype count) const
{
    if (!Has(offset, count))
        return Bytes();
    return Bytes(At(offset), count);
}

quint8 Bytes::U8(qsizetype at) const
{
    if (!Has(at, 1)) {
        mFailed = true;
        return 0;
    }
    return mData[at];
}

quint16 Bytes::U16(qsizetype at) const
{
    if (!Has(at, 2)) {
        mFailed = true;
        return 0;
    }
    return qFromLittleEndian<quint16>(mData + at);
}

quint32 Bytes::U32(qsizetype at) const
{
    if (!Has(at, 4)) {
        mFailed = true;
        return 0;
    }
    return qFromLittleEndian<quint32>(mData + at);
}

float Bytes::F32(qsizetype at) const
{
    const quint32 bits = U32(at);
    float f;
    std::memcpy(&f, &bits, 4);
    return std::isfinite(f) ? f : 0.0f;
}

QImage DecodeDib(Bytes info, Bytes bits)
{
    if (info.Size() < 12)
        return {};
    const quint32 headerSize = info.U32(0);
    qint64 width, height;
    int bitCount;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = info.U16(4);
        height = info.U16(6);
        bitCount = info.U16(10);
    } else if (headerSize >= 40 && info.Size() >= 40) {
        width = info.I32(4);
        height = std::abs(qint64(info.I32(8)));
        bitCount = info.U16(14);
        compression = info.U32(16);
    } else {
        return {};
    }
    if (width <= 0 || height <= 0 || width * height > kMaxDibPixels)
        return {};
    // JPEG and PNG bits are whole files.
    if (compression == 4 || compression == 5) {
        QBuffer buffer;
        buffer.setData(bits.At(0), bits.Size());
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (!size.isValid() || qint64(size.width()) * size.height() > kMaxDibPixels)
            return {};
        return reader.read();
    }
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (bitCount == 0 || stride * height > bits.Size())
            return {};
    }
    // A bitmap file in memory: the file header, then the info block and the bits.
    QByteArray file;
    const qint64 total = 14 + info.Size() + bits.Size();
    if (total > 0x7FFFFFFF)
        return {};
    file.reserve(total);
    uchar header[14] = {'B', 'M'};
    qToLittleEndian<quint32>(quint32(total), header + 2);
    qToLittleEndian<quint32>(quint32(14 + info.Size()), header + 10);
    file.append(reinterpret_cast<const char*>(header), 14);
    file.append(info.At(0), info.Size());
    file.append(bits.At(0), bits.Size());
    return QImage::fromData(file, "BMP");
}

QImage DecodePackedDib(Bytes packed)
{
    const quint32 headerSize = packed.U32(0);
    if (packed.Failed() || (headerSize != 12 && headerSize < 40) || headerSize > quint32(packed.Size()))
        return {};
    qint64 colors = 0;
    const int bitCount = headerSize == 12 ? packed.U16(10) : packed.U16(14);
    const quint32 compression = headerSize == 12 ? 0 : packed.U32(16);
    if (headerSize >= 40)
        colors = packed.U32(32);
    if (colors == 0 && bitCount <= 8)
        colors = qint64(1) << bitCount;
    if (colors > 256)
        return {};
    qint64 tableSize = colors * (headerSize == 12 ? 3 : 4);
    if (headerSize == 40 && compression == 3)
        tableSize += 12; // the three colour masks
    const qint64 infoSize = headerSize + tableSize;
    if (infoSize > packed.Size())
        return {};
    return DecodeDib(packed.Sub(0, infoSize), packed.Sub(infoSize, packed.Size() - infoSize));
}

} // namespace qm::metafile

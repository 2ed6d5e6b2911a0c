// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes serialized GdkPixdata (raw and run-length encoded RGB and RGBA) into a PNG file.
#include "glabels/pixdata.h"

#include <QBuffer>
#include <QImage>

namespace qm {

namespace {

constexpr quint32 kMagic = 0x47646b50; // "GdkP"
constexpr int kHeaderBytes = 24;
constexpr quint32 kColorMask = 0xff, kRgb = 0x01, kRgba = 0x02;
constexpr quint32 kSampleMask = 0x0f0000, kSample8 = 0x010000;
constexpr quint32 kEncodingMask = 0x0f000000, kRaw = 0x01000000, kRle = 0x02000000;
// Larger pictures are no card art; the bound keeps a damaged header from asking for gigabytes.
constexpr quint32 kMaxSide = 20000;

quint32 BigEndian(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

} // namespace

bool PixdataToPng(const QByteArray& data, QByteArray* png)
{
    if (data.size() < kHeaderBytes)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const quint32 type = BigEndian(p + 8);
    const quint32 width = BigEndian(p + 16), height = BigEndian(p + 20);
    const quint32 color = type & kColorMask, encoding = type & kEncodingMask;
    if (BigEndian(p) != kMagic || (type & kSampleMask) != kSample8 || (color != kRgb && color != kRgba) ||
        (encoding != kRaw && encoding != kRle) || width == 0 || height == 0 || width > kMaxSide ||
        height > kMaxSide)
        return false;
    const int bpp = color == kRgba ? 4 : 3;
    const quint32 rowstride = BigEndian(p + 12);
    if (encoding == kRaw && rowstride < width * bpp)
        return false;

    QImage image(int(width), int(height), color == kRgba ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (image.isNull())
        return false;
    const uchar* in = p + kHeaderBytes;
    const uchar* end = p + data.size();
    if (encoding == kRaw) {
        if (quint64(end - in) < quint64(rowstride) * (height - 1) + quint64(width) * bpp)
            return false;
        for (quint32 y = 0; y < height; ++y)
            memcpy(image.scanLine(int(y)), in + quint64(y) * rowstride, size_t(width) * bpp);
    } else {
        // Runs may cross rows: a count byte, its top bit set for one pixel repeated, else that many pixels.
        const quint64 total = quint64(width) * height;
        quint64 done = 0;
        while (done < total) {
            if (in >= end)
                return false;
            const int count = *in & 0x7f;
            const bool repeat = *in & 0x80;
            ++in;
            if (count == 0 || done + count > total || end - in < (repeat ? bpp : count * bpp))
                return false;
            for (int i = 0; i < count; ++i, ++done) {
                uchar* out = image.scanLine(int(done / width)) + (done % width) * bpp;
                memcpy(out, in, size_t(bpp));
                if (!repeat)
                    in += bpp;
            }
            if (repeat)
                in += bpp;
        }
    }
    QBuffer buffer(png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG");
}

} // namespace qm

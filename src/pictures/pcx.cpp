// SPDX-License-Identifier: GPL-3.0-or-later
// PCX pictures: a 128-byte header, run-length coded scan lines (each plane of a line in turn), and for 8-bit
// pictures a 256-colour palette at the end of the file.
#include "pictures/pcx.h"

#include <QCoreApplication>
#include <QtEndian>

#include <vector>

namespace qm {

namespace {

bool Refuse(QString* error, const char* why)
{
    if (error)
        *error = QCoreApplication::translate("qm::Pictures", why);
    return false;
}

} // namespace

bool LooksLikePcx(const QByteArray& bytes)
{
    if (bytes.size() < 128)
        return false;
    const auto* h = reinterpret_cast<const uchar*>(bytes.constData());
    const int bits = h[3];
    return h[0] == 0x0A && h[1] <= 5 && h[2] <= 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8) &&
           h[64] == 0;
}

QImage ReadPcx(const QByteArray& bytes, qint64 maxPixels, QString* error)
{
    if (!LooksLikePcx(bytes)) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "This is not a PCX picture."));
        return {};
    }
    const auto* h = reinterpret_cast<const uchar*>(bytes.constData());
    const int bits = h[3];
    const qint64 width = qint64(qFromLittleEndian<quint16>(h + 8)) - qFromLittleEndian<quint16>(h + 4) + 1;
    const qint64 height = qint64(qFromLittleEndian<quint16>(h + 10)) - qFromLittleEndian<quint16>(h + 6) + 1;
    const int planes = h[65];
    const qint64 lineBytes = qFromLittleEndian<quint16>(h + 66);
    if (width <= 0 || height <= 0) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture has no size."));
        return {};
    }
    if (width * height > maxPixels || width > 32767 || height > 32767) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture is too large."));
        return {};
    }
    const bool paletted = planes == 1 || (bits == 1 && planes <= 4);
    const bool rgb = bits == 8 && (planes == 3 || planes == 4);
    if (!paletted && !rgb) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "This kind of PCX picture is not supported."));
        return {};
    }
    if (lineBytes * 8 < width * bits || lineBytes > width * bits / 8 + 64) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture's header is damaged."));
        return {};
    }

    // Every scan line holds all planes; runs may carry on from one line into the next. Two bytes of a run make
    // at most 63, so a file too short for its picture is refused before anything is set aside for it.
    const qint64 total = lineBytes * planes * height;
    if ((h[2] == 1 ? (bytes.size() - 128) / 2 * 63 + 1 : bytes.size() - 128) < total) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture is cut short."));
        return {};
    }
    std::vector<uchar> data(size_t(total), 0);
    const uchar* in = h + 128;
    const uchar* end = h + bytes.size();
    const bool rle = h[2] == 1;
    qint64 out = 0;
    while (out < total && in < end) {
        uchar b = *in++;
        qint64 count = 1;
        if (rle && (b & 0xC0) == 0xC0) {
            count = b & 0x3F;
            if (in >= end)
                break;
            b = *in++;
        }
        for (; count > 0 && out < total; --count)
            data[size_t(out++)] = b;
    }
    if (out < total) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture is cut short."));
        return {};
    }

    if (rgb) {
        QImage image(int(width), int(height), planes == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull()) {
            Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture is too large."));
            return {};
        }
        for (qint64 y = 0; y < height; ++y) {
            const uchar* line = data.data() + y * lineBytes * planes;
            auto* px = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
            for (qint64 x = 0; x < width; ++x)
                px[x] = qRgba(line[x], line[lineBytes + x], line[2 * lineBytes + x],
                              planes == 4 ? line[3 * lineBytes + x] : 255);
        }
        return image;
    }

    // The colours: the 16 of the header, or the 256 after the 0x0C at the end of an 8-bit file.
    QList<QRgb> colors;
    const int count = bits == 8 ? 256 : (1 << (bits * planes));
    if (bits == 8) {
        if (bytes.size() >= 128 + 769 && uchar(bytes[bytes.size() - 769]) == 0x0C) {
            const uchar* p = end - 768;
            for (int i = 0; i < 256; ++i)
                colors.append(qRgb(p[i * 3], p[i * 3 + 1], p[i * 3 + 2]));
        } else {
            for (int i = 0; i < 256; ++i)
                colors.append(qRgb(i, i, i));
        }
    } else {
        bool allBlack = true;
        for (int i = 0; i < count; ++i) {
            colors.append(qRgb(h[16 + i * 3], h[17 + i * 3], h[18 + i * 3]));
            allBlack = allBlack && (colors.back() & 0xFFFFFF) == 0;
        }
        if (count == 2 && allBlack)
            colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    }
    QImage image(int(width), int(height), QImage::Format_Indexed8);
    if (image.isNull()) {
        Refuse(error, QT_TRANSLATE_NOOP("qm::Pictures", "The PCX picture is too large."));
        return {};
    }
    image.setColorTable(colors);
    for (qint64 y = 0; y < height; ++y) {
        const uchar* line = data.data() + y * lineBytes * planes;
        uchar* px = image.scanLine(int(y));
        for (qint64 x = 0; x < width; ++x) {
            int index = 0;
            for (int plane = 0; plane < planes; ++plane) {
                const qint64 bit = x * bits;
                const uchar byte = line[plane * lineBytes + bit / 8];
                const int value = (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
                index |= value << (plane * bits);
            }
            px[x] = uchar(index);
        }
    }
    return image;
}

} // namespace qm

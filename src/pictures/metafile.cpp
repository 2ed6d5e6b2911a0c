// SPDX-License-Identifier: GPL-3.0-or-later
// Metafiles of either kind: recognising them, replaying them, and the placeable header a card stores.
#include "pictures/metafile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

bool LooksLikeMetafile(const QByteArray& bytes)
{
    if (bytes.size() < 18)
        return false;
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint32>(b) == 0x9AC6CDD7u)
        return true;
    if (bytes.size() >= 44 && qFromLittleEndian<quint32>(b) == 1 && qFromLittleEndian<quint32>(b + 40) == 0x464D4520)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(b);
    return (type == 1 || type == 2) && qFromLittleEndian<quint16>(b + 2) == 9 &&
           (qFromLittleEndian<quint16>(b + 4) == 0x0300 || qFromLittleEndian<quint16>(b + 4) == 0x0100);
}

bool ReadInfo(const QByteArray& bytes, Info* info, QString* error)
{
    QString ignored;
    QString* why = error ? error : &ignored;
    if (bytes.size() >= 44 && qFromLittleEndian<quint32>(bytes.constData()) == 1)
        return ReadEmfInfo(bytes, info, why);
    return ReadWmfInfo(bytes, info, why);
}

void Play(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target)
{
    if (info.format == Format::Emf)
        PlayEmf(bytes, info, painter, target);
    else if (info.format == Format::Wmf)
        PlayWmf(bytes, info, painter, target);
}

QByteArray PlaceableMetafile(const QByteArray& bytes)
{
    Info info;
    QString error;
    if (!ReadInfo(bytes, &info, &error) || info.format != Format::Wmf || info.placeable)
        return bytes;
    // The box in the window's units and the units per inch that give the size found.
    const QRectF box = info.frame.normalized();
    auto clamp16 = [](double v) { return qint16(std::clamp(std::lround(v), -32768L, 32767L)); };
    const double inch = box.width() > 0 ? std::lround(box.width() * 96 / std::max(info.size.width(), 1)) : 96;
    quint16 words[11] = {};
    qToLittleEndian<quint32>(0x9AC6CDD7u, words);
    words[3] = quint16(clamp16(box.left()));
    words[4] = quint16(clamp16(box.top()));
    words[5] = quint16(clamp16(box.right()));
    words[6] = quint16(clamp16(box.bottom()));
    words[7] = quint16(std::clamp(inch, 1.0, 65535.0));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(&words[i]);
    words[10] = checksum;
    QByteArray out(reinterpret_cast<const char*>(words), 22);
    for (int i = 3; i < 11; ++i)
        qToLittleEndian<quint16>(words[i], out.data() + i * 2);
    out.append(bytes);
    return out;
}

} // namespace qm::metafile

// SPDX-License-Identifier: GPL-3.0-or-later
// Writing enhanced metafile records by hand, for tests and benchmarks that need pictures of a known make-up.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <initializer_list>

namespace qmtest {

// Appends each value as four little-endian bytes.
inline void Put(QByteArray& b, std::initializer_list<qint32> values)
{
    for (qint32 v : values) {
        char c[4];
        qToLittleEndian<qint32>(v, c);
        b.append(c, 4);
    }
}

// Appends one record of the given type holding the values, and counts it.
inline void Record(QByteArray& b, int* count, qint32 type, std::initializer_list<qint32> values)
{
    Put(b, {type, qint32(8 + 4 * values.size())});
    Put(b, values);
    ++*count;
}

// An enhanced metafile of about `size` bytes of records over a 1000 x 600 frame: brushes and pens made and
// dropped, rectangles, ellipses, polygons, paths and text runs.
inline QByteArray BusyMetafile(qsizetype size)
{
    QByteArray r;
    int count = 0;
    Record(r, &count, 17, {8});
    Record(r, &count, 9, {10000, 6000});
    Record(r, &count, 11, {1000, 600});
    for (int i = 0; r.size() < size; ++i) {
        const qint32 x = (i * 37) % 9000, y = (i * 53) % 5400;
        const quint32 colour = (quint32(i) * 0x1F3D5Bu) & 0xFFFFFFu;
        Record(r, &count, 39, {1, 0, qint32(colour), 0});
        Record(r, &count, 37, {1});
        Record(r, &count, 38, {2, 0, 10 + i % 30, 0, qint32((quint32(i) * 0x0A0B0Cu) & 0xFFFFFFu)});
        Record(r, &count, 37, {2});
        switch (i % 5) {
        case 0: Record(r, &count, 43, {x, y, x + 400, y + 300}); break;
        case 1: Record(r, &count, 42, {x, y, x + 500, y + 350}); break;
        case 2: {
            QByteArray p;
            Put(p, {0, 0, 0, 0, 6});
            for (int k = 0; k < 6; ++k)
                Put(p, {x + (k * 97) % 600, y + (k * 61) % 400});
            Put(r, {3, qint32(8 + p.size())});
            r.append(p);
            ++count;
            break;
        }
        case 3:
            Record(r, &count, 59, {});
            Record(r, &count, 27, {x, y});
            Record(r, &count, 54, {x + 300, y});
            Record(r, &count, 54, {x + 150, y + 300});
            Record(r, &count, 61, {});
            Record(r, &count, 60, {});
            Record(r, &count, 63, {0, 0, 0, 0});
            break;
        case 4: {
            QByteArray t;
            Put(t, {0, 0, 0, 0, 1, 0, 0, x, y, 4, 76, 0, 0, 0, 0, 0, 0});
            for (char c : {'Q', 'u', 'i', 'l'})
                t.append(c).append('\0');
            Put(r, {84, qint32(8 + t.size())});
            r.append(t);
            ++count;
            break;
        }
        }
        Record(r, &count, 40, {1});
        Record(r, &count, 40, {2});
    }
    Record(r, &count, 14, {0, 16, 20});
    QByteArray header;
    Put(header, {1, 88, 0, 0, 999, 599, 0, 0, 26458, 15875, 0x464D4520, 0x10000, qint32(88 + r.size()),
                 count + 1, 3, 0, 0, 0, 960, 960, 254, 254});
    return header + r;
}

} // namespace qmtest

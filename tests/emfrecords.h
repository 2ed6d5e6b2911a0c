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

} // namespace qmtest

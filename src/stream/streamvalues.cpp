// SPDX-License-Identifier: GPL-3.0-or-later
// Value encoding of the card object stream.
#include "stream/streamvalues.h"

#include "platform/codepage.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace qm {

std::array<char, 10> DoubleToExtended(double value)
{
    std::array<char, 10> out{};
    quint64 mantissa = 0;
    quint16 signExp = std::signbit(value) ? 0x8000 : 0;
    if (std::isnan(value)) {
        signExp |= 0x7FFF;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        signExp |= 0x7FFF;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent); // 0.5 <= fraction < 1
        // fraction * 2^64 lies in [2^63, 2^64) and holds 53 significant bits: exact in 64 bits.
        mantissa = quint64(std::ldexp(fraction, 63)) << 1;
        signExp |= quint16(exponent - 1 + 16383);
    }
    qToLittleEndian<quint64>(mantissa, out.data());
    qToLittleEndian<quint16>(signExp, out.data() + 8);
    return out;
}

double ExtendedToDouble(const char* bytes)
{
    const quint64 mantissa = qFromLittleEndian<quint64>(reinterpret_cast<const uchar*>(bytes));
    const quint16 signExp = qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes) + 8);
    const bool negative = signExp & 0x8000;
    const int exponent = signExp & 0x7FFF;
    double result;
    if (exponent == 0x7FFF) {
        result = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::quiet_NaN();
    } else if (mantissa == 0) {
        result = 0;
    } else {
        // Denormal extended values have exponent 0 and the same scale as exponent 1.
        const int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
        // Split the mantissa so that the conversion to double rounds only once.
        const double high = std::ldexp(double(mantissa >> 11), e + 11);
        const double low = std::ldexp(double(mantissa & 0x7FF), e);
        result = high + low;
    }
    return negative ? -result : result;
}

void StreamWriter::UInt32(quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    mOut.append(b, 4);
}

void StreamWriter::ShortString(const QByteArray& text)
{
    const int n = int(qMin<qsizetype>(text.size(), 255));
    Byte(quint8(n));
    mOut.append(text.constData(), n);
}

void StreamWriter::Integer(qint64 v)
{
    if (v >= -128 && v <= 127) {
        Tag(ValueTag::Int8);
        Byte(quint8(qint8(v)));
    } else if (v >= -32768 && v <= 32767) {
        Tag(ValueTag::Int16);
        char b[2];
        qToLittleEndian<qint16>(qint16(v), b);
        mOut.append(b, 2);
    } else if (v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max()) {
        Tag(ValueTag::Int32);
        char b[4];
        qToLittleEndian<qint32>(qint32(v), b);
        mOut.append(b, 4);
    } else {
        Tag(ValueTag::Int64);
        char b[8];
        qToLittleEndian<qint64>(v, b);
        mOut.append(b, 8);
    }
}

void StreamWriter::Text(const QString& text)
{
    bool fits = true;
    const QByteArray ansi = ToWindows1252(text, &fits);
    if (!fits) {
        const QByteArray utf8 = text.toUtf8();
        Tag(ValueTag::Utf8String);
        UInt32(quint32(utf8.size()));
        mOut.append(utf8);
    } else if (ansi.size() <= 255) {
        Tag(ValueTag::String);
        ShortString(ansi);
    } else {
        Tag(ValueTag::LString);
        UInt32(quint32(ansi.size()));
        mOut.append(ansi);
    }
}

void StreamWriter::Extended(double v)
{
    Tag(ValueTag::Extended);
    const auto bytes = DoubleToExtended(v);
    mOut.append(bytes.data(), int(bytes.size()));
}

void StreamWriter::Binary(const QByteArray& bytes)
{
    Tag(ValueTag::Binary);
    UInt32(quint32(bytes.size()));
    mOut.append(bytes);
}

bool StreamReader::Need(qsizetype count)
{
    if (mFailed || count < 0 || count > mSize - mPos) {
        mFailed = true;
        mPos = mSize;
        return false;
    }
    return true;
}

quint8 StreamReader::Byte()
{
    if (!Need(1))
        return 0;
    return quint8(mData[mPos++]);
}

quint8 StreamReader::PeekByte()
{
    if (!Need(1))
        return 0;
    return quint8(mData[mPos]);
}

QByteArray StreamReader::Bytes(qsizetype count)
{
    if (!Need(count))
        return {};
    QByteArray out(mData + mPos, count);
    mPos += count;
    return out;
}

void StreamReader::Skip(qsizetype count)
{
    if (Need(count))
        mPos += count;
}

quint32 StreamReader::UInt32()
{
    if (!Need(4))
        return 0;
    const quint32 v = qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(mData + mPos));
    mPos += 4;
    return v;
}

QByteArray StreamReader::ShortString()
{
    const quint8 n = Byte();
    return Bytes(n);
}

bool StreamReader::IntegerPayload(ValueTag tag, qint64* value)
{
    const auto* p = reinterpret_cast<const uchar*>(mData + mPos);
    switch (tag) {
    case ValueTag::Int8:
        if (Need(1))
            *value = qint8(p[0]), mPos += 1;
        return true;
    case ValueTag::Int16:
        if (Need(2))
            *value = qFromLittleEndian<qint16>(p), mPos += 2;
        return true;
    case ValueTag::Int32:
        if (Need(4))
            *value = qFromLittleEndian<qint32>(p), mPos += 4;
        return true;
    case ValueTag::Int64:
        if (Need(8))
            *value = qFromLittleEndian<qint64>(p), mPos += 8;
        return true;
    default:
        return false;
    }
}

} // namespace qm

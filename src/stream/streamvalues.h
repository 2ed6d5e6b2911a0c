// SPDX-License-Identifier: GPL-3.0-or-later
// Value encoding of the card object stream: tags, integers, strings and the 80-bit extended real.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace qm {

enum class ValueTag : quint8 {
    Null = 0x00,
    List = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    String = 0x06,
    Ident = 0x07,
    False = 0x08,
    True = 0x09,
    Binary = 0x0A,
    Set = 0x0B,
    LString = 0x0C,
    Nil = 0x0D,
    Collection = 0x0E,
    Single = 0x0F,
    Currency = 0x10,
    Date = 0x11,
    Utf8String = 0x12, // our own: text outside Windows-1252, 4-byte length, UTF-8
    Int64 = 0x13,
    Utf8StringAlt = 0x14, // another writer's UTF-8 string, 4-byte length
    Double = 0x15,
};

// 80-bit IEEE extended precision, little-endian (64-bit mantissa with explicit integer bit).
std::array<char, 10> DoubleToExtended(double value);
double ExtendedToDouble(const char* bytes);

// Appends stream values to a byte array.
class StreamWriter
{
public:
    explicit StreamWriter(QByteArray& out) : mOut(out) {}

    void Byte(quint8 b) { mOut.append(char(b)); }
    void Tag(ValueTag t) { Byte(quint8(t)); }
    void UInt32(quint32 v);
    void Raw(const QByteArray& bytes) { mOut.append(bytes); }
    // One length byte and at most 255 bytes of text (longer text is cut: only for names and identifiers).
    void ShortString(const QByteArray& text);
    // The smallest of Int8, Int16, Int32 (Int64 beyond that).
    void Integer(qint64 v);
    void Ident(const QByteArray& ident)
    {
        Tag(ValueTag::Ident);
        ShortString(ident);
    }
    // String (<= 255 bytes), LString, or a UTF-8 string for text outside Windows-1252.
    void Text(const QString& text);
    void Extended(double v);
    void Binary(const QByteArray& bytes);

private:
    QByteArray& mOut;
};

// Reads stream values from a byte range; every read is bounds-checked. After the first failure every read
// returns zero or empty and Failed() is true.
class StreamReader
{
public:
    StreamReader(const char* data, qsizetype size) : mData(data), mSize(size) {}

    bool Failed() const { return mFailed; }
    bool AtEnd() const { return mPos >= mSize; }
    qsizetype Position() const { return mPos; }

    quint8 Byte();
    quint8 PeekByte();
    QByteArray Bytes(qsizetype count);
    void Skip(qsizetype count);
    quint32 UInt32();
    QByteArray ShortString();

    // The payload of an integer tag; false when the tag is not an integer tag.
    bool IntegerPayload(ValueTag tag, qint64* value);

private:
    bool Need(qsizetype count);

    const char* mData;
    qsizetype mSize;
    qsizetype mPos = 0;
    bool mFailed = false;
};

} // namespace qm

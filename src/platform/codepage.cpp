// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 tables and the conversions built on them.
#include "codepage.h"

#include <array>

namespace qm {

namespace {

// Unicode for the bytes 0x80..0x9F; the rest of the code page coincides with Latin-1.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b < 0xA0) ? kHighBlock[b - 0x80] : char16_t(b);
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

// For U+0080..U+009F: the byte, or 0 when the character is one that Windows-1252 replaced by a
// printable character and therefore cannot store.
constexpr std::array<unsigned char, 32> makeC1Table()
{
    std::array<unsigned char, 32> table{};
    for (int i = 0; i < 32; ++i)
        table[i] = kHighBlock[i] == char16_t(0x80 + i) ? static_cast<unsigned char>(0x80 + i) : 0;
    return table;
}

constexpr std::array<unsigned char, 32> kC1 = makeC1Table();

// The byte for a character, or -1 when Windows-1252 has none.
inline int encodeUnit(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u < 0xA0)
        return kC1[u - 0x80] ? kC1[u - 0x80] : -1;
    switch (u) {
    case 0x20AC:
        return 0x80;
    case 0x201A:
        return 0x82;
    case 0x0192:
        return 0x83;
    case 0x201E:
        return 0x84;
    case 0x2026:
        return 0x85;
    case 0x2020:
        return 0x86;
    case 0x2021:
        return 0x87;
    case 0x02C6:
        return 0x88;
    case 0x2030:
        return 0x89;
    case 0x0160:
        return 0x8A;
    case 0x2039:
        return 0x8B;
    case 0x0152:
        return 0x8C;
    case 0x017D:
        return 0x8E;
    case 0x2018:
        return 0x91;
    case 0x2019:
        return 0x92;
    case 0x201C:
        return 0x93;
    case 0x201D:
        return 0x94;
    case 0x2022:
        return 0x95;
    case 0x2013:
        return 0x96;
    case 0x2014:
        return 0x97;
    case 0x02DC:
        return 0x98;
    case 0x2122:
        return 0x99;
    case 0x0161:
        return 0x9A;
    case 0x203A:
        return 0x9B;
    case 0x0153:
        return 0x9C;
    case 0x017E:
        return 0x9E;
    case 0x0178:
        return 0x9F;
    default:
        return -1;
    }
}

} // namespace

QByteArray ToWindows1252(const QString& text, bool* ok)
{
    const qsizetype n = text.size();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    QByteArray out(n, Qt::Uninitialized);
    char* dst = out.data();
    qsizetype written = 0;
    bool allFit = true;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = src[i];
        const int b = encodeUnit(u);
        if (b >= 0) {
            dst[written++] = static_cast<char>(b);
            continue;
        }
        allFit = false;
        dst[written++] = '?';
        // A character beyond the BMP is one character for the user: one '?' for the whole pair.
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(src[i + 1]))
            ++i;
    }
    if (written != n)
        out.truncate(written);
    if (ok)
        *ok = allFit;
    return out;
}

QString FromWindows1252(const QByteArray& bytes)
{
    const qsizetype n = bytes.size();
    const unsigned char* src = reinterpret_cast<const unsigned char*>(bytes.constData());
    QString out(n, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < n; ++i)
        dst[i] = kDecode[src[i]];
    return out;
}

bool FitsWindows1252(const QString& text)
{
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        if (encodeUnit(src[i]) < 0)
            return false;
    }
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Embedded TrueType fonts made smaller: the tables a PDF reader never uses are left out.
#include "print/pdftruetype.h"

#include <QList>

namespace qm {

namespace {

quint32 Big32(const QByteArray& b, qsizetype at)
{
    const auto* u = reinterpret_cast<const uchar*>(b.constData() + at);
    return (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | u[3];
}

void PutBig32(QByteArray& b, qsizetype at, quint32 v)
{
    b[at] = char(v >> 24);
    b[at + 1] = char(v >> 16);
    b[at + 2] = char(v >> 8);
    b[at + 3] = char(v);
}

quint32 TableSum(const QByteArray& b, qsizetype from, qsizetype length)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < length; i += 4) {
        quint32 word = 0;
        for (int k = 0; k < 4; ++k)
            word = (word << 8) | (from + i + k < b.size() && i + k < length ? uchar(b[from + i + k]) : 0);
        sum += word;
    }
    return sum;
}

} // namespace

QByteArray SlimTrueType(const QByteArray& font)
{
    if (font.size() < 12 || (Big32(font, 0) != 0x00010000 && Big32(font, 0) != 0x74727565))
        return QByteArray();
    const int count = (uchar(font[4]) << 8) | uchar(font[5]);
    if (count <= 0 || 12 + 16 * qsizetype(count) > font.size())
        return QByteArray();
    struct Table
    {
        quint32 Tag, Sum, Offset, Length;
    };
    QList<Table> kept;
    bool dropped = false;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 12 + 16 * qsizetype(i);
        const Table t{Big32(font, at), Big32(font, at + 4), Big32(font, at + 8), Big32(font, at + 12)};
        if (qint64(t.Offset) + t.Length > font.size())
            return QByteArray();
        if (t.Tag == 0x6E616D65 /* name */ || t.Tag == 0x706F7374 /* post */) {
            dropped = true;
            continue;
        }
        kept.append(t);
    }
    if (!dropped || kept.isEmpty())
        return QByteArray();
    const int n = int(kept.size());
    int power = 1, log2 = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log2;
    }
    QByteArray out(12 + 16 * n, '\0');
    PutBig32(out, 0, Big32(font, 0));
    out[4] = char(n >> 8);
    out[5] = char(n);
    out[6] = char((power * 16) >> 8);
    out[7] = char(power * 16);
    out[8] = char(log2 >> 8);
    out[9] = char(log2);
    out[10] = char((n * 16 - power * 16) >> 8);
    out[11] = char(n * 16 - power * 16);
    qsizetype headAt = -1;
    for (int i = 0; i < n; ++i) {
        const Table& t = kept[i];
        const qsizetype at = 12 + 16 * qsizetype(i);
        PutBig32(out, at, t.Tag);
        PutBig32(out, at + 4, t.Sum);
        PutBig32(out, at + 8, quint32(out.size()));
        PutBig32(out, at + 12, t.Length);
        if (t.Tag == 0x68656164 /* head */)
            headAt = out.size();
        out.append(font.mid(t.Offset, t.Length));
        while (out.size() % 4)
            out.append('\0');
    }
    if (headAt >= 0 && headAt + 12 <= out.size()) {
        // The whole font's checksum, kept in the head table, is worked out again.
        PutBig32(out, headAt + 8, 0);
        PutBig32(out, headAt + 8, 0xB1B0AFBAu - TableSum(out, 0, out.size()));
    }
    return out;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// A readable listing of a card object stream.
#include "stream/streamdump.h"

#include "stream/streamvalues.h"
#include "platform/codepage.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace qm {
namespace {

struct DumpFault
{
    QString message;
};

class Dumper
{
public:
    explicit Dumper(const QByteArray& data) : mIn(data.constData(), data.size()) {}

    QString Run()
    {
        if (Byte() != quint8(ValueTag::List))
            throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid stream format")};
        while (Peek() != 0) {
            if (Take(4) != "TPF0")
                throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid stream format")};
            Component(0);
        }
        Byte();
        return mOut;
    }

private:
    void Check()
    {
        if (mIn.Failed())
            throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Stream read error")};
    }
    quint8 Byte()
    {
        const quint8 b = mIn.Byte();
        Check();
        return b;
    }
    quint8 Peek()
    {
        const quint8 b = mIn.PeekByte();
        Check();
        return b;
    }
    QByteArray Take(qsizetype n)
    {
        QByteArray b = mIn.Bytes(n);
        Check();
        return b;
    }
    QByteArray Short()
    {
        QByteArray s = mIn.ShortString();
        Check();
        return s;
    }

    void Component(int depth)
    {
        if (depth > 8)
            throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid stream format")};
        const QString indent(depth * 2, QLatin1Char(' '));
        if ((Peek() & 0xF0) == 0xF0) {
            const quint8 prefix = Byte();
            if (prefix & 0x02)
                Value();
        }
        const QByteArray cls = Short();
        const QByteArray name = Short();
        mOut += indent + QStringLiteral("object %1: %2\n").arg(FromWindows1252(name), QString::fromLatin1(cls));
        while (Peek() != 0) {
            const QByteArray prop = Short();
            mOut += indent + QStringLiteral("  %1 = %2\n").arg(QString::fromLatin1(prop), Value());
        }
        Byte();
        while (Peek() != 0)
            Component(depth + 1);
        Byte();
        mOut += indent + QStringLiteral("end\n");
    }

    static QString Quote(const QString& text)
    {
        QString out = QStringLiteral("\"");
        for (const QChar c : text) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
                out += QLatin1Char('\\') + c;
            else if (c == QLatin1Char('\n'))
                out += QStringLiteral("\\n");
            else if (c == QLatin1Char('\r'))
                out += QStringLiteral("\\r");
            else if (c == QLatin1Char('\t'))
                out += QStringLiteral("\\t");
            else if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
        return out + QLatin1Char('"');
    }

    QString Value()
    {
        const ValueTag tag = ValueTag(Byte());
        qint64 integer = 0;
        if (mIn.IntegerPayload(tag, &integer)) {
            Check();
            return QString::number(integer);
        }
        switch (tag) {
        case ValueTag::Null:
            return QStringLiteral("(end)");
        case ValueTag::List: {
            const Nested nested(mDepth);
            QStringList items;
            while (Peek() != 0)
                items << Value();
            Byte();
            return QStringLiteral("(") + items.join(QStringLiteral(", ")) + QStringLiteral(")");
        }
        case ValueTag::Extended: {
            const QByteArray b = Take(10);
            return QString::number(ExtendedToDouble(b.constData()), 'g', 17);
        }
        case ValueTag::Double: {
            const QByteArray b = Take(8);
            double d;
            std::memcpy(&d, b.constData(), 8);
            return QString::number(d, 'g', 17);
        }
        case ValueTag::Single: {
            const QByteArray b = Take(4);
            float f;
            std::memcpy(&f, b.constData(), 4);
            return QString::number(double(f), 'g', 9);
        }
        case ValueTag::String:
            return Quote(FromWindows1252(Short()));
        case ValueTag::LString:
            return Quote(FromWindows1252(Take(mIn.UInt32())));
        case ValueTag::Utf8String:
        case ValueTag::Utf8StringAlt:
            return Quote(QString::fromUtf8(Take(mIn.UInt32())));
        case ValueTag::Ident:
            return QString::fromLatin1(Short());
        case ValueTag::False:
            return QStringLiteral("False");
        case ValueTag::True:
            return QStringLiteral("True");
        case ValueTag::Binary: {
            const QByteArray b = Take(mIn.UInt32());
            return QStringLiteral("{%1 bytes: %2%3}")
                .arg(b.size())
                .arg(QString::fromLatin1(b.left(16).toHex(' ')))
                .arg(b.size() > 16 ? QStringLiteral(" ...") : QString());
        }
        case ValueTag::Set: {
            QStringList members;
            for (QByteArray m = Short(); !m.isEmpty(); m = Short())
                members << QString::fromLatin1(m);
            return QStringLiteral("[") + members.join(QStringLiteral(", ")) + QStringLiteral("]");
        }
        case ValueTag::Nil:
            return QStringLiteral("nil");
        case ValueTag::Collection: {
            const Nested nested(mDepth);
            QStringList items;
            while (Peek() != 0) {
                if (Byte() != quint8(ValueTag::List))
                    throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid stream format")};
                QStringList props;
                while (Peek() != 0) {
                    const QByteArray prop = Short();
                    props << QString::fromLatin1(prop) + QStringLiteral(" = ") + Value();
                }
                Byte();
                items << QStringLiteral("item ") + props.join(QStringLiteral("; ")) + QStringLiteral(" end");
            }
            Byte();
            return QStringLiteral("<") + items.join(QStringLiteral(", ")) + QStringLiteral(">");
        }
        default:
            throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid property value")};
        }
    }

    // Values nested in values (lists, collections of items): one level deeper for as long as it lives. No
    // writer nests them more than a level or two; far deeper nesting is a damaged file and would otherwise
    // exhaust the stack.
    class Nested
    {
    public:
        explicit Nested(int& depth) : mDepth(depth)
        {
            if (++mDepth > kMaxValueNesting)
                throw DumpFault{QCoreApplication::translate("qm::StreamReader", "Invalid stream format")};
        }
        ~Nested() { --mDepth; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        int& mDepth;
    };
    static constexpr int kMaxValueNesting = 64;

    StreamReader mIn;
    QString mOut;
    int mDepth = 0;
};

} // namespace

bool DumpStream(const QByteArray& data, QString* listing, QString* error)
{
    try {
        *listing = Dumper(data).Run();
        return true;
    } catch (const DumpFault& fault) {
        if (error)
            *error = fault.message;
        return false;
    }
}

} // namespace qm

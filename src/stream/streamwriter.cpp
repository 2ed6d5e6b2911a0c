// SPDX-License-Identifier: GPL-3.0-or-later
// Writing card objects as a card object stream.
#include "stream/streamwriter.h"

#include "model/cardobject.h"
#include "model/cardobjects.h"
#include "stream/identifiers.h"
#include "stream/streamreader.h"
#include "stream/streamvalues.h"
#include "platform/atomicfile.h"
#include "platform/codepage.h"

#include <QCoreApplication>
#include <QLocale>

namespace qm {
namespace {

constexpr char kSignature[] = "TPF0";

qint64 gWriteLimit = 0;

// What the reader would refuse is not written: no more objects than a card holds.
bool CheckObjectCount(const QString& fileName, size_t count, QString* error)
{
    if (count <= size_t(CardObjectLimit()))
        return true;
    if (error)
        *error =
            QCoreApplication::translate(
                "qm::StreamWriter", "Could not save \"%1\": the card has %2 objects, more than the %3 a card "
                                    "file can hold; remove some objects")
                .arg(fileName, QLocale().toString(qulonglong(count)), CardObjectLimitText());
    return false;
}

bool WriteCardFile(const QString& fileName, const QByteArray& bytes, QString* error)
{
    const qint64 limit = CardFileWriteLimit();
    if (bytes.size() > limit) {
        if (error) {
            const auto size = [](qint64 n) {
                if (n == 1)
                    return QCoreApplication::translate("qm::StreamWriter", "1 byte");
                if (n < (1 << 20))
                    return QCoreApplication::translate("qm::StreamWriter", "%Ln bytes", nullptr, int(n));
                return QCoreApplication::translate("qm::StreamWriter", "%1 MB")
                    .arg(QLocale().toString((n + (1 << 20) - 1) >> 20));
            };
            //: %2 and %3 are sizes ("3 MB")
            *error =
                QCoreApplication::translate("qm::StreamWriter",
                                            "Could not save \"%1\": the card would take %2, more than the %3 "
                                            "a card file can hold; remove some objects or pictures")
                    .arg(fileName, size(bytes.size()), size(limit));
        }
        return false;
    }
    return WriteFileAtomic(fileName, bytes, error);
}

void WriteProperties(StreamWriter& w, const Persistent& object, const QByteArray& path);

void WriteIdentSet(StreamWriter& w, const IdentList& idents, qint64 bits)
{
    w.Tag(ValueTag::Set);
    for (size_t i = 0; i < idents.size() && i < 64; ++i) {
        if (bits & (qint64(1) << i))
            w.ShortString(idents[i]);
    }
    w.Byte(0);
}

void WriteProperty(StreamWriter& w, const Persistent& object, const PropInfo& p, const QByteArray& path)
{
    if (p.type == PropType::Event)
        return;
    if (p.type == PropType::Object) {
        const Persistent* sub = p.object(const_cast<Persistent&>(object));
        WriteProperties(w, *sub, path + p.name + '.');
        return;
    }
    if (p.stored && !p.stored(object))
        return;

    const PropValue v = p.get(object);
    const bool atDefault = p.hasDefault && v.integer == p.defaultValue;
    auto name = [&] { w.ShortString(path + p.name); };

    switch (p.type) {
    case PropType::Integer:
        if (atDefault)
            return;
        name();
        w.Integer(v.integer);
        return;
    case PropType::Colour:
    case PropType::Cursor:
    case PropType::Charset: {
        if (atDefault)
            return;
        name();
        QByteArray ident;
        const bool named = p.type == PropType::Colour    ? ColorToIdent(v.integer, &ident)
                           : p.type == PropType::Cursor  ? CursorToIdent(v.integer, &ident)
                                                         : CharsetToIdent(v.integer, &ident);
        if (named)
            w.Ident(ident);
        else
            w.Integer(v.integer);
        return;
    }
    case PropType::Boolean:
        if (atDefault)
            return;
        name();
        w.Tag(v.integer ? ValueTag::True : ValueTag::False);
        return;
    case PropType::Enum:
        if (atDefault)
            return;
        name();
        w.Ident(v.integer >= 0 && size_t(v.integer) < p.idents->size() ? (*p.idents)[size_t(v.integer)]
                                                                         : QByteArray());
        return;
    case PropType::Set:
        if (atDefault)
            return;
        name();
        WriteIdentSet(w, *p.idents, v.integer);
        return;
    case PropType::Real:
        if (v.real == 0)
            return;
        name();
        w.Extended(v.real);
        return;
    case PropType::String:
        if (v.text.isEmpty() && !p.writeEmptyString)
            return;
        name();
        w.Text(v.text);
        return;
    case PropType::Reference:
        if (v.text.isEmpty())
            return;
        name();
        w.Ident(ToWindows1252(v.text));
        return;
    case PropType::Binary:
        name();
        w.Binary(v.bytes);
        return;
    case PropType::StringList:
        name();
        w.Tag(ValueTag::List);
        for (const QString& line : v.lines)
            w.Text(line);
        w.Tag(ValueTag::Null);
        return;
    case PropType::Object:
    case PropType::Event:
        return;
    }
}

void WriteProperties(StreamWriter& w, const Persistent& object, const QByteArray& path)
{
    for (const PropInfo& p : object.Properties().Items())
        WriteProperty(w, object, p, path);
}

} // namespace

void WriteComponent(QByteArray& out, const TKGraphicControl& object)
{
    StreamWriter w(out);
    w.Raw(QByteArray::fromRawData(kSignature, 4));
    w.ShortString(object.ClassName());
    w.ShortString(ToWindows1252(object.Name()));
    WriteProperties(w, object, QByteArray());
    w.Byte(0); // end of properties
    w.Byte(0); // end of children
}

QByteArray WriteObjectsToBytes(const std::vector<const TKGraphicControl*>& objects)
{
    QByteArray out;
    out.reserve(int(objects.size()) * 200 + 2);
    out.append(char(ValueTag::List));
    for (const TKGraphicControl* object : objects)
        WriteComponent(out, *object);
    out.append(char(ValueTag::Null));
    return out;
}

qint64 CardFileWriteLimit() { return gWriteLimit > 0 ? gWriteLimit : kMaxCardFileBytes; }

void SetCardFileWriteLimitForTesting(qint64 bytes) { gWriteLimit = bytes; }

bool WriteAll(const TKCardObjects& panel, const QString& fileName, QString* error)
{
    const std::vector<TKGraphicControl*> objects = panel.Objects();
    if (!CheckObjectCount(fileName, objects.size(), error))
        return false;
    return WriteCardFile(fileName, WriteObjectsToBytes({objects.begin(), objects.end()}), error);
}

bool WriteSelection(const std::vector<TKGraphicControl*>& selection, const QString& fileName, QString* error)
{
    if (selection.empty())
        return WriteFileAtomic(fileName, QByteArray(), error);
    if (!CheckObjectCount(fileName, selection.size(), error))
        return false;
    return WriteCardFile(fileName, WriteObjectsToBytes({selection.begin(), selection.end()}), error);
}

bool WriteOne(const TKGraphicControl& object, const QString& fileName, QString* error)
{
    return WriteCardFile(fileName, WriteObjectsToBytes({&object}), error);
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a card object stream into a panel's object list.
#include "stream/streamreader.h"

#include "model/cardobject.h"
#include "model/cardobjects.h"
#include "stream/identifiers.h"
#include "model/classregistry.h"
#include "stream/streamvalues.h"
#include "stream/streamwriter.h"
#include "platform/codepage.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <limits>
#include <memory>

namespace qm {
namespace {

// The reader's failures, shown to the user after the card file's name.
const char kContext[] = "qm::StreamReader";
const char kInvalidStream[] = QT_TRANSLATE_NOOP("qm::StreamReader", "Invalid stream format");
const char kReadError[] = QT_TRANSLATE_NOOP("qm::StreamReader", "Stream read error");
const char kNoProperty[] = QT_TRANSLATE_NOOP("qm::StreamReader", "Property does not exist");
const char kBadPath[] = QT_TRANSLATE_NOOP("qm::StreamReader", "Invalid property path");
const char kBadValue[] = QT_TRANSLATE_NOOP("qm::StreamReader", "Invalid property value");

// Nested child records are not used by card objects; a deeper nesting than this is a damaged file.
constexpr int kMaxNesting = 8;

int gObjectLimit = 0;

struct StreamFault
{
    explicit StreamFault(const char* text) : message(QCoreApplication::translate(kContext, text)) {}
    explicit StreamFault(const QString& text) : message(text) {}
    QString message;
};

class ComponentReader
{
public:
    ComponentReader(const QByteArray& data, TKCardObjects& panel, const ClassRegistry& classes)
        : mIn(data.constData(), data.size()), mPanel(panel), mClasses(classes),
          mRoom(qint64(CardObjectLimit()) - panel.Count())
    {
        mTakenNames.reserve(panel.Count() + 16);
        for (TKGraphicControl* o : panel.Objects())
            mTakenNames.insert(o->Name().toLower());
    }

    // Reads the whole list; throws StreamFault.
    void ReadList(int pasteOffset)
    {
        ExpectListBegin();
        while (Peek() != 0) {
            const QByteArray signature = Take(4);
            if (signature != "TPF0")
                throw StreamFault{kInvalidStream};
            if (qint64(mRead.size()) >= mRoom)
                throw StreamFault{QCoreApplication::translate("qm::StreamReader",
                                                              "more objects than the %1 a card can hold")
                                      .arg(CardObjectLimitText())};
            std::unique_ptr<TKGraphicControl> object = ReadComponent(0);
            if (pasteOffset != 0) {
                object->SetTop(object->Top() + pasteOffset);
                object->SetLeft(object->Left() + pasteOffset);
            }
            mRead.push_back(std::move(object));
        }
        Byte(); // list end
    }

    std::vector<std::unique_ptr<TKGraphicControl>>& Objects() { return mRead; }

private:
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
    QByteArray ShortString()
    {
        QByteArray s = mIn.ShortString();
        Check();
        return s;
    }
    void Check()
    {
        if (mIn.Failed())
            throw StreamFault{kReadError};
    }

    void ExpectListBegin()
    {
        if (Byte() != quint8(ValueTag::List))
            throw StreamFault{kInvalidStream};
    }

    qint64 IntegerValue(ValueTag tag)
    {
        qint64 v = 0;
        if (!mIn.IntegerPayload(tag, &v))
            throw StreamFault{kBadValue};
        Check();
        return v;
    }

    // Skips one value of any kind (the child position of a record prefix).
    void SkipIntegerValue()
    {
        IntegerValue(ValueTag(Byte()));
    }

    QString TextPayload(ValueTag tag)
    {
        switch (tag) {
        case ValueTag::String:
            return FromWindows1252(ShortString());
        case ValueTag::LString:
            return FromWindows1252(Take(mIn.UInt32()));
        case ValueTag::Utf8String:
        case ValueTag::Utf8StringAlt:
            return QString::fromUtf8(Take(mIn.UInt32()));
        default:
            throw StreamFault{kBadValue};
        }
    }

    std::unique_ptr<TKGraphicControl> ReadComponent(int depth)
    {
        if (depth > kMaxNesting)
            throw StreamFault{kInvalidStream};
        // Optional prefix: flags in the low four bits; flag 2 announces a child position.
        if ((Peek() & 0xF0) == 0xF0) {
            const quint8 prefix = Byte();
            if (prefix & 0x02)
                SkipIntegerValue();
        }
        const QByteArray className = ShortString();
        const QByteArray storedName = ShortString();

        std::unique_ptr<TKGraphicControl> object = mClasses.Create(className);
        if (!object)
            //: %1 is a class name stored in the card file ("TKLine")
            throw StreamFault{QCoreApplication::translate("qm::StreamReader", "Class %1 not found")
                                  .arg(QString::fromLatin1(className))};
        object->SetComponentState(csLoading | csReading);
        if (depth == 0)
            object->SetName(FreeName(FromWindows1252(storedName)));

        while (Peek() != 0)
            ReadProperty(*object);
        Byte(); // end of properties

        // Card objects have no children; any that another writer nested are read and dropped.
        while (Peek() != 0)
            ReadComponent(depth + 1);
        Byte(); // end of children

        object->SetComponentState(csLoading);
        return object;
    }

    QString FreeName(const QString& storedName)
    {
        for (; mNextNumber <= 1000; ++mNextNumber) {
            const QString candidate = QStringLiteral("Component") + QString::number(mNextNumber);
            if (!mTakenNames.contains(candidate.toLower())) {
                mTakenNames.insert(candidate.toLower());
                ++mNextNumber;
                return candidate;
            }
        }
        // Past Component1000 nothing looks at the taken names again: a big card keeps no set of them.
        return storedName;
    }

    void ReadProperty(Persistent& object)
    {
        const QByteArray path = ShortString();
        Persistent* target = &object;
        const PropInfo* info = nullptr;
        int start = 0;
        while (true) {
            const int dot = path.indexOf('.', start);
            const QByteArray part = path.mid(start, dot < 0 ? -1 : dot - start);
            info = target->Properties().Find(part);
            if (!info)
                throw StreamFault{kNoProperty};
            if (dot < 0)
                break;
            if (info->type != PropType::Object)
                throw StreamFault{kBadPath};
            target = info->object(*target);
            start = dot + 1;
        }
        ReadValue(*target, *info);
    }

    void ReadValue(Persistent& target, const PropInfo& p)
    {
        const ValueTag tag = ValueTag(Byte());
        PropValue v;
        switch (p.type) {
        case PropType::Integer:
        case PropType::Colour:
        case PropType::Cursor:
        case PropType::Charset:
            if (tag == ValueTag::Ident) {
                const QByteArray ident = ShortString();
                const bool known = p.type == PropType::Colour    ? IdentToColor(ident, &v.integer)
                                   : p.type == PropType::Cursor  ? IdentToCursor(ident, &v.integer)
                                   : p.type == PropType::Charset ? IdentToCharset(ident, &v.integer)
                                                                 : false;
                if (!known)
                    throw StreamFault{kBadValue};
            } else {
                v.integer = IntegerValue(tag);
            }
            // Colours are unsigned 32-bit values that travel as signed ones.
            if (p.type == PropType::Colour && v.integer > std::numeric_limits<qint32>::max() &&
                v.integer <= std::numeric_limits<quint32>::max())
                v.integer = qint32(quint32(v.integer));
            if (v.integer < std::numeric_limits<qint32>::min() || v.integer > std::numeric_limits<qint32>::max())
                throw StreamFault{kBadValue};
            break;
        case PropType::Boolean:
            if (tag != ValueTag::False && tag != ValueTag::True)
                throw StreamFault{kBadValue};
            v.integer = tag == ValueTag::True;
            break;
        case PropType::Enum: {
            if (tag != ValueTag::Ident)
                throw StreamFault{kBadValue};
            v.integer = IdentOrdinal(p, ShortString());
            break;
        }
        case PropType::Set:
            if (tag != ValueTag::Set)
                throw StreamFault{kBadValue};
            for (QByteArray member = ShortString(); !member.isEmpty(); member = ShortString())
                v.integer |= qint64(1) << IdentOrdinal(p, member);
            break;
        case PropType::Real:
            if (tag == ValueTag::Extended) {
                const QByteArray bytes = Take(10);
                v.real = ExtendedToDouble(bytes.constData());
            } else if (tag == ValueTag::Double) {
                const QByteArray bytes = Take(8);
                std::memcpy(&v.real, bytes.constData(), 8);
            } else if (tag == ValueTag::Single) {
                const QByteArray bytes = Take(4);
                float f;
                std::memcpy(&f, bytes.constData(), 4);
                v.real = f;
            } else {
                v.real = double(IntegerValue(tag));
            }
            break;
        case PropType::String:
            v.text = TextPayload(tag);
            break;
        case PropType::Binary:
            if (tag != ValueTag::Binary)
                throw StreamFault{kBadValue};
            v.bytes = Take(mIn.UInt32());
            break;
        case PropType::StringList:
            if (tag != ValueTag::List)
                throw StreamFault{kBadValue};
            while (Peek() != 0)
                v.lines.append(TextPayload(ValueTag(Byte())));
            Byte();
            break;
        case PropType::Reference:
        case PropType::Event:
            if (tag == ValueTag::Ident)
                v.text = FromWindows1252(ShortString());
            else if (tag != ValueTag::Nil)
                throw StreamFault{kBadValue};
            break;
        case PropType::Object:
            // Nothing but "no object" can be assigned to an embedded sub-object.
            if (tag != ValueTag::Nil)
                throw StreamFault{kBadValue};
            return;
        }
        if (!p.set(target, v))
            throw StreamFault{kBadValue};
    }

    static int IdentOrdinal(const PropInfo& p, const QByteArray& ident)
    {
        const IdentList& idents = *p.idents;
        for (size_t i = 0; i < idents.size(); ++i) {
            if (qstricmp(idents[i].constData(), ident.constData()) == 0)
                return int(i);
        }
        throw StreamFault{kBadValue};
    }

    StreamReader mIn;
    TKCardObjects& mPanel;
    const ClassRegistry& mClasses;
    QSet<QString> mTakenNames;
    int mNextNumber = 0;
    // How many more objects the panel takes.
    qint64 mRoom;
    std::vector<std::unique_ptr<TKGraphicControl>> mRead;
};

} // namespace

int CardObjectLimit() { return gObjectLimit > 0 ? gObjectLimit : kMaxCardObjects; }

void SetCardObjectLimitForTesting(int objects) { gObjectLimit = objects; }

QString CardObjectLimitText()
{
    return QLocale().toString(CardObjectLimit());
}

ReadResult ReadObjectsFromBytes(TKCardObjects& panel, const QByteArray& data, int pasteOffset)
{
    return ReadObjectsFromBytes(panel, data, pasteOffset, CardClasses());
}

ReadResult ReadObjectsFromBytes(TKCardObjects& panel, const QByteArray& data, int pasteOffset,
                                const ClassRegistry& classes)
{
    ReadResult result;
    ComponentReader reader(data, panel, classes);
    try {
        reader.ReadList(pasteOffset);
    } catch (const StreamFault& fault) {
        // The objects read so far are dropped with the reader: nothing half-read reaches the panel.
        result.ok = false;
        result.error = fault.message;
        return result;
    }
    for (auto& object : reader.Objects())
        result.objects.push_back(panel.Add(std::move(object)));
    for (TKGraphicControl* object : result.objects)
        object->Loaded();
    return result;
}

bool ReadCardFileBytes(const QString& fileName, QByteArray* data, QString* error)
{
    QFile file(fileName);
    if (!OpenRegularFile(file, FileRole::CardFile, error))
        return false;
    if (file.size() > kMaxCardFileBytes) {
        *error = QCoreApplication::translate("qm::StreamReader", "%1 is too large to be a card file")
                     .arg(fileName);
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        //: %1 is the file, %2 the system's reason
        *error = QCoreApplication::translate("qm::StreamReader", "Cannot read %1: %2")
                     .arg(fileName, file.errorString());
        return false;
    }
    return true;
}

namespace {
ReadResult ReadFile(TKCardObjects& panel, const QString& fileName, int pasteOffset)
{
    if (!QFileInfo::exists(fileName))
        return {};
    ReadResult result;
    QByteArray data;
    if (!ReadCardFileBytes(fileName, &data, &result.error)) {
        result.ok = false;
        return result;
    }
    return ReadObjectsFromBytes(panel, data, pasteOffset);
}
} // namespace

ReadResult ReadAll(TKCardObjects& panel, const QString& fileName) { return ReadFile(panel, fileName, 0); }

ReadResult ReadPasted(TKCardObjects& panel, const QString& fileName) { return ReadFile(panel, fileName, 15); }

TKGraphicControl* Duplicate(const TKGraphicControl& object, TKCardObjects& panel)
{
    const ReadResult result = ReadObjectsFromBytes(panel, WriteObjectsToBytes({&object}));
    return result.ok && !result.objects.empty() ? result.objects.front() : nullptr;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Every registered card class survives writing and reading, at its constructor values and with every property
// changed, and reading calls Loaded once the whole list is on the panel.
#include "model/cardobjects.h"
#include "model/classregistry.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {
QByteArray Write(const TKCardObjects& objects)
{
    const std::vector<TKGraphicControl*> list = objects.Objects();
    return WriteObjectsToBytes({list.begin(), list.end()});
}

// Gives every writable property of the object (and its sub-objects) a value other than its current one, through
// the property's own setter; setters may refuse values outside their range, which is fine.
void ChangeEverything(Persistent& object, int seed)
{
    for (const PropInfo& p : object.Properties().Items()) {
        if (p.type == PropType::Object) {
            ChangeEverything(*p.object(object), seed + 1);
            continue;
        }
        if (!p.set || p.type == PropType::Event || p.type == PropType::Binary || p.type == PropType::Reference)
            continue;
        PropValue v = p.get(object);
        switch (p.type) {
        case PropType::Integer:
        case PropType::Cursor:
            v.integer += 3 + seed % 5;
            break;
        case PropType::Colour:
            v.integer = 0x102030 + seed;
            break;
        case PropType::Charset:
            v.integer = 0;
            break;
        case PropType::Boolean:
            v.integer = !v.integer;
            break;
        case PropType::Enum:
            v.integer = (v.integer + 1) % qint64(p.idents->size());
            break;
        case PropType::Set:
            v.integer ^= 0x2;
            break;
        case PropType::Real:
            v.real += 1.25;
            break;
        case PropType::String:
            v.text = QStringLiteral("Changed \u00e9 %1").arg(seed);
            break;
        case PropType::StringList:
            v.lines = QStringList{QStringLiteral("first"), QString(), QStringLiteral("third \u20ac")};
            break;
        default:
            break;
        }
        p.set(object, v);
    }
}
} // namespace

TEST(RoundTrip, EveryClassAtConstructorValuesAndFullyChanged)
{
    for (const QByteArray& cls : CardClasses().ClassNames()) {
        SCOPED_TRACE(cls.constData());
        for (int changed = 0; changed < 2; ++changed) {
            TKCardObjects source;
            TKGraphicControl* object = source.Add(CardClasses().Create(cls));
            object->SetName(QStringLiteral("Special1"));
            object->SetBounds(10, 20, 60, 40);
            if (changed)
                ChangeEverything(*object, 1);
            const QByteArray first = Write(source);

            TKCardObjects copy;
            const ReadResult r = ReadObjectsFromBytes(copy, first);
            ASSERT_TRUE(r.ok) << qPrintable(r.error);
            ASSERT_EQ(copy.Count(), 1);
            EXPECT_STREQ(copy.At(0)->ClassName(), cls.constData());
            copy.At(0)->SetName(QStringLiteral("Special1"));
            EXPECT_EQ(qmtest::toHex(Write(copy)), qmtest::toHex(first));
        }
    }
}

namespace {
std::vector<QString>* gLoadedLog = nullptr;

class TKProbe : public TKGraphicControl
{
public:
    const char* ClassName() const override { return "TKProbe"; }
    void Loaded() override
    {
        TKGraphicControl::Loaded();
        // Every object of the list is already on the panel when the first one is told.
        gLoadedLog->push_back(Name() + QStringLiteral("@") + QString::number(Host() != nullptr));
    }
};
} // namespace

TEST(RoundTrip, LoadedRunsAfterTheWholeListInReadOrder)
{
    ClassRegistry registry;
    registry.Register("TKProbe", [] { return std::make_unique<TKProbe>(); });
    TKProbe a, b, c;
    const QByteArray bytes = WriteObjectsToBytes({&a, &b, &c});
    std::vector<QString> log;
    gLoadedLog = &log;
    qmtest::TestHost host;
    TKCardObjects objects(&host);
    const ReadResult r = ReadObjectsFromBytes(objects, bytes, 0, registry);
    gLoadedLog = nullptr;
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(log, (std::vector<QString>{"Component0@1", "Component1@1", "Component2@1"}));
}

TEST(RoundTrip, FilesAreReadOnlyWhenTheyExistAndWrittenWhole)
{
    QTemporaryDir dir;
    TKCardObjects objects;
    const QString path = dir.filePath(QStringLiteral("card.qmk"));
    const ReadResult none = ReadAll(objects, path);
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(objects.Count(), 0);

    TKCardObjects source;
    source.Add(CardClasses().Create("TKLineShape"))->SetBounds(1, 2, 3, 4);
    QString error;
    ASSERT_TRUE(WriteAll(source, path, &error)) << qPrintable(error);
    ASSERT_TRUE(ReadPasted(objects, path).ok);
    ASSERT_EQ(objects.Count(), 1);
    EXPECT_EQ(objects.At(0)->BoundsRect(), QRect(16, 17, 3, 4));

    // A write that cannot happen says so and leaves the old file as it was.
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_FALSE(WriteAll(source, dir.filePath(QStringLiteral("missing/card.qmk")), &error));
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);

    // An empty selection writes an empty file.
    ASSERT_TRUE(WriteSelection({}, path, &error));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(RoundTrip, AnAbsurdlyLargeFileIsRefusedBeforeItIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.qmk"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxCardFileBytes + 1)); // sparse: no disk space used
    f.close();
    TKCardObjects objects;
    const ReadResult r = ReadAll(objects, path);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("too large"))) << qPrintable(r.error);
    EXPECT_EQ(objects.Count(), 0);
}

TEST(RoundTrip, AnEmptyFontNameStaysEmpty)
{
    // A new font is "Arial": an empty name must be written, or it would come back as "Arial".
    std::unique_ptr<TKGraphicControl> label = CardClasses().Create("TKPLabel");
    TKCardObjects source;
    TKGraphicControl* object = source.Add(std::move(label));
    PropValue empty;
    const PropInfo* font = object->Properties().Find("Font");
    ASSERT_TRUE(font);
    Persistent* sub = font->object(*object);
    sub->Properties().Find("Name")->set(*sub, empty);
    const QByteArray first = Write(source);
    TKCardObjects copy;
    ASSERT_TRUE(ReadObjectsFromBytes(copy, first).ok);
    copy.At(0)->SetName(object->Name());
    EXPECT_EQ(qmtest::toHex(Write(copy)), qmtest::toHex(first));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Card object stream: exact bytes of known cards, failure messages, and never crashing on damaged input.
#include "model/cardobjects.h"
#include "stream/streamdump.h"
#include "stream/streamreader.h"
#include "stream/streamvalues.h"
#include "stream/streamwriter.h"
#include "objects/shapes/line.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace qm;
using qmtest::fromHex;
using qmtest::toHex;

namespace {
const char kLineCard[] = "01 54 50 46 30 0b 54 4b 4c 69 6e 65 53 68 61 70"
                         "65 08 53 70 65 63 69 61 6c 31 04 4c 65 66 74 02"
                         "28 03 54 6f 70 02 1e 05 57 69 64 74 68 02 0a 06"
                         "48 65 69 67 68 74 02 3c 06 4c 6f 63 6b 65 64 08"
                         "0c 55 6e 73 65 6c 65 63 74 61 62 6c 65 08 09 4c"
                         "69 6e 65 53 74 79 6c 65 07 0a 73 74 56 65 72 74"
                         "69 63 61 6c 00 00 00";
} // namespace

TEST(Stream, EmptyCardIsListBeginAndEnd)
{
    TKCardObjects objects;
    EXPECT_EQ(toHex(WriteObjectsToBytes({})), "01 00");
    const ReadResult r = ReadObjectsFromBytes(objects, fromHex("01 00"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(objects.Count(), 0);
}

TEST(Stream, VerticalLineCardComesOutByteForByte)
{
    TKLineShape line;
    line.SetName(QStringLiteral("Special1"));
    line.SetBounds(40, 30, 10, 60);
    line.SetLineStyle(stVertical);
    const QByteArray bytes = WriteObjectsToBytes({&line});
    EXPECT_EQ(bytes.size(), 103);
    EXPECT_EQ(toHex(bytes), toHex(fromHex(kLineCard)));

    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, bytes);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    ASSERT_EQ(objects.Count(), 1);
    auto* read = dynamic_cast<TKLineShape*>(objects.At(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(read->BoundsRect(), QRect(40, 30, 10, 60));
    EXPECT_EQ(read->LineStyle(), stVertical);
}

namespace {
// A record for one line object, built from parts so that tests can damage any of them.
QByteArray LineRecord(const QByteArray& properties, const QByteArray& className = "TKLineShape")
{
    QByteArray r("TPF0");
    r.append(char(className.size())).append(className);
    r.append(char(4)).append("Mine");
    r.append(properties);
    r.append('\0').append('\0');
    return r;
}

QByteArray Card(const QByteArray& records) { return QByteArray("\x01", 1) + records + QByteArray(1, '\0'); }

QByteArray Prop(const QByteArray& name, const QByteArray& value)
{
    return QByteArray(1, char(name.size())) + name + value;
}

QString ReadError(const QByteArray& data)
{
    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, data);
    EXPECT_EQ(objects.Count(), r.ok ? int(r.objects.size()) : 0) << "a failed read must leave nothing behind";
    return r.ok ? QString() : r.error;
}
} // namespace

TEST(Stream, EveryFaultHasItsMessageAndLeavesNothingBehind)
{
    const QByteArray good = LineRecord(Prop("Left", fromHex("02 05")));
    EXPECT_EQ(ReadError(Card(good)), QString());
    // A good object before the fault is removed too.
    EXPECT_EQ(ReadError(Card(good + LineRecord({}, "TKNoSuchThing"))), "Class TKNoSuchThing not found");
    EXPECT_EQ(ReadError(QByteArray("\x02\x00", 2)), "Invalid stream format");
    EXPECT_EQ(ReadError(Card(QByteArray("TPF1") + good.mid(4))), "Invalid stream format");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Colour", fromHex("02 05"))))), "Property does not exist");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Pen.Shade", fromHex("02 05"))))), "Property does not exist");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Left.Color", fromHex("02 05"))))), "Invalid property path");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Left", fromHex("09"))))), "Invalid property value");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("LineStyle", QByteArray("\x07\x06stDiag", 8))))),
              "Invalid property value");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Locked", fromHex("02 01"))))), "Invalid property value");
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Pen.Color", QByteArray("\x07\x06" "clPink", 8))))),
              "Invalid property value");
    EXPECT_EQ(ReadError(Card(good).left(Card(good).size() - 1)), "Stream read error");
    EXPECT_EQ(ReadError(QByteArray()), "Stream read error");
    // A binary length far beyond the end is a read error, not an allocation of gigabytes.
    EXPECT_EQ(ReadError(Card(LineRecord(Prop("Hint", fromHex("0c ff ff ff 7f 41"))))), "Stream read error");
}

TEST(Stream, AcceptsWhatOtherWritersProduce)
{
    // Properties in any order, wider integers, a long string for short text, colours and cursors as numbers,
    // defaults written out, and a record prefix carrying a child position.
    QByteArray props;
    props += Prop("LineStyle", QByteArray("\x07\x0cstHorizontal", 14));
    props += Prop("Top", fromHex("04 07 00 00 00"));
    props += Prop("Left", fromHex("03 f4 ff"));
    props += Prop("Hint", fromHex("0c 03 00 00 00 61 62 63"));
    props += Prop("Pen.Color", fromHex("04 ff 00 00 00"));
    props += Prop("Cursor", fromHex("02 fe"));
    props += Prop("Tag", fromHex("02 00"));
    props += Prop("OnClick", QByteArray("\x07\x0bPanelClick1", 13));
    QByteArray record = LineRecord(props);
    record.insert(4, fromHex("f2 02 03"));
    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, Card(record));
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* line = static_cast<TKLineShape*>(objects.At(0));
    EXPECT_EQ(line->Top(), 7);
    EXPECT_EQ(line->Left(), -12);
    EXPECT_EQ(line->Hint(), "abc");
    EXPECT_EQ(line->Pen().Color(), 0x0000FF);
    EXPECT_EQ(line->Cursor(), -2);
}

TEST(Stream, ValuesAreEncodedAsTheirTypeAsks)
{
    TKLineShape line;
    line.SetName(QStringLiteral("L"));
    auto written = [&line] { return WriteObjectsToBytes({&line}); };
    // No default: always written, even when zero or false. Tag 0, an empty hint and a default pen: nothing.
    EXPECT_TRUE(written().contains(Prop("Left", fromHex("02 00"))));
    EXPECT_TRUE(written().contains(Prop("Locked", fromHex("08"))));
    EXPECT_FALSE(written().contains("Tag"));
    EXPECT_FALSE(written().contains("Hint"));
    EXPECT_FALSE(written().contains("Pen."));
    // Colours with an identifier are written by name; others as the smallest integer.
    line.Pen().SetColor(0xFFFFFF);
    EXPECT_TRUE(written().contains(Prop("Pen.Color", QByteArray("\x07\x07" "clWhite", 9))));
    line.Pen().SetColor(0xFFFFFE);
    EXPECT_TRUE(written().contains(Prop("Pen.Color", fromHex("04 fe ff ff 00"))));
    line.Pen().SetColor(qint32(0x8000000F));
    EXPECT_TRUE(written().contains(Prop("Pen.Color", QByteArray("\x07\x09" "clBtnFace", 11))));
    line.SetLeft(-129);
    EXPECT_TRUE(written().contains(Prop("Left", fromHex("03 7f ff"))));
    line.SetLeft(40000);
    EXPECT_TRUE(written().contains(Prop("Left", fromHex("04 40 9c 00 00"))));
    line.SetCursor(-12);
    EXPECT_TRUE(written().contains(Prop("Cursor", QByteArray("\x07\x06" "crDrag", 8))));
}

TEST(Stream, StringsKeepEveryCharacter)
{
    TKLineShape line;
    const QString longText(300, QLatin1Char('x'));
    const QString ansi = QStringLiteral("Caf\u00e9 \u20ac 5");
    const QString wide = QStringLiteral("\u041c\u043e\u0441\u043a\u0432\u0430 \u6771\u4eac");
    for (const QString& text : {longText, ansi, wide}) {
        line.SetHint(text);
        const QByteArray bytes = WriteObjectsToBytes({&line});
        TKCardObjects objects;
        const ReadResult r = ReadObjectsFromBytes(objects, bytes);
        ASSERT_TRUE(r.ok) << qPrintable(r.error);
        EXPECT_EQ(objects.At(0)->Hint(), text);
    }
    line.SetHint(longText);
    EXPECT_TRUE(WriteObjectsToBytes({&line}).contains(Prop("Hint", fromHex("0c 2c 01 00 00") + "xxx")));
    line.SetHint(ansi);
    EXPECT_TRUE(WriteObjectsToBytes({&line}).contains(Prop("Hint", fromHex("06 08 43 61 66 e9 20 80"))));
    line.SetHint(wide);
    EXPECT_TRUE(WriteObjectsToBytes({&line}).contains(Prop("Hint", fromHex("12"))));
}

TEST(Stream, IntegersAndStringsTakeTheWiderFormExactlyPastTheirLimits)
{
    // One byte holds -128 to 127, two bytes -32768 to 32767; one beyond takes the wider form.
    const struct
    {
        int value;
        const char* hex;
    } integers[] = {{127, "02 7f"},   {128, "03 80 00"},       {-128, "02 80"},
                    {-129, "03 7f ff"}, {32767, "03 ff 7f"}, {-32769, "04 ff 7f ff ff"}};
    for (const auto& i : integers) {
        TKLineShape line;
        line.SetLeft(i.value);
        const QByteArray bytes = WriteObjectsToBytes({&line});
        EXPECT_TRUE(bytes.contains(Prop("Left", fromHex(i.hex)))) << i.value << ": " << qPrintable(toHex(bytes));
        TKCardObjects objects;
        ASSERT_TRUE(ReadObjectsFromBytes(objects, bytes).ok);
        EXPECT_EQ(objects.At(0)->Left(), i.value);
    }
    // A string of up to 255 bytes has a one-byte length; 256 bytes take a long string with four.
    for (const int n : {255, 256}) {
        TKLineShape line;
        line.SetHint(QString(n, QLatin1Char('h')));
        const QByteArray bytes = WriteObjectsToBytes({&line});
        const QByteArray head = n == 255 ? fromHex("06 ff") : fromHex("0c 00 01 00 00");
        EXPECT_TRUE(bytes.contains(Prop("Hint", head + QByteArray(n, 'h')))) << n;
        TKCardObjects objects;
        ASSERT_TRUE(ReadObjectsFromBytes(objects, bytes).ok);
        EXPECT_EQ(objects.At(0)->Hint(), QString(n, QLatin1Char('h')));
    }
}

TEST(Stream, ReadObjectsGetFreeComponentNamesAndPastedOnesMove)
{
    qmtest::TestHost host;
    TKCardObjects& objects = host.card.Objects();
    TKLineShape a, b;
    a.SetBounds(10, 20, 30, 40);
    b.SetBounds(50, 60, 70, 80);
    const QByteArray clip = WriteObjectsToBytes({&a, &b});
    ASSERT_TRUE(ReadObjectsFromBytes(objects, clip, 15).ok);
    ASSERT_TRUE(ReadObjectsFromBytes(objects, clip, 15).ok);
    ASSERT_EQ(objects.Count(), 4);
    QStringList names;
    for (TKGraphicControl* o : objects.Objects())
        names << o->Name();
    EXPECT_EQ(names, QStringList({"Component0", "Component1", "Component2", "Component3"}));
    EXPECT_EQ(objects.At(2)->BoundsRect(), QRect(25, 35, 30, 40));
    EXPECT_EQ(objects.At(3)->BoundsRect(), QRect(65, 75, 70, 80));
    // Reading is not a change the user made.
    EXPECT_EQ(host.changes, 0);
    // Loaded ends the loading state; from then on changes are reported.
    objects.At(0)->SetLocked(true);
    EXPECT_EQ(host.changes, 1);
}

TEST(Stream, TruncationAtEveryOffsetNeverCrashesNorLeavesObjects)
{
    TKLineShape a, b;
    a.SetHint(QStringLiteral("\u6771\u4eac and more"));
    a.Pen().SetWidth(7);
    b.SetLineStyle(stAngleSlopingUp);
    const QByteArray full = WriteObjectsToBytes({&a, &b});
    for (int n = 0; n < full.size(); ++n) {
        TKCardObjects objects;
        const ReadResult r = ReadObjectsFromBytes(objects, full.left(n));
        EXPECT_FALSE(r.ok) << "prefix of " << n << " bytes";
        EXPECT_EQ(objects.Count(), 0);
    }
}

TEST(Stream, ExtendedRealsConvertExactly)
{
    for (double v : {1.0, -2.5, 0.1, 1e300, -1e-300, 5e-324, 123456789.125}) {
        const auto ext = DoubleToExtended(v);
        EXPECT_EQ(ExtendedToDouble(ext.data()), v);
    }
    EXPECT_EQ(toHex(QByteArray(DoubleToExtended(1.0).data(), 10)), "00 00 00 00 00 00 00 80 ff 3f");
    EXPECT_EQ(toHex(QByteArray(DoubleToExtended(0.0).data(), 10)), "00 00 00 00 00 00 00 00 00 00");
}

TEST(Stream, TheListerRefusesValuesNestedBeyondAnyWriterAndListsShallowOnes)
{
    // A line whose Tag holds collections (or lists) inside each other to the given depth.
    const auto nested = [](int depth, bool lists) {
        QByteArray value;
        for (int i = 0; i < depth; ++i)
            value += lists ? QByteArray("\x01", 1) : QByteArray("\x0e\x01\x01x", 4);
        value += QByteArray("\x02\x07", 2);
        for (int i = 0; i < depth; ++i)
            value += lists ? QByteArray(1, '\0') : QByteArray(2, '\0');
        return QByteArray("\x01TPF0\x0bTKLineShape\x01" "A\x03Tag", 23) + value + QByteArray(3, '\0');
    };
    QString listing, error;
    ASSERT_TRUE(DumpStream(nested(3, false), &listing, &error)) << qPrintable(error);
    EXPECT_TRUE(listing.contains(QStringLiteral("Tag = <item x = <item x = <item x = 7 end> end> end>")))
        << qPrintable(listing);
    ASSERT_TRUE(DumpStream(nested(3, true), &listing, &error)) << qPrintable(error);
    EXPECT_TRUE(listing.contains(QStringLiteral("Tag = (((7)))"))) << qPrintable(listing);
    // Far deeper than the stack holds: a message, not a crash.
    for (const bool lists : {false, true}) {
        error.clear();
        EXPECT_FALSE(DumpStream(nested(200000, lists), &listing, &error));
        EXPECT_EQ(error, QStringLiteral("Invalid stream format"));
    }
}


// Card object stream: exact bytes of known cards, failure messages, and never crashing on damaged input.
#include "design/kobjects.h"
#include "files/kreader.h"
#include "files/kwriter.h"
#include "objects/shapes/klines.h"
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the Windows-1252 conversions.
#include "platform/codepage.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {

TEST(Codepage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = qm::FromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(qm::FitsWindows1252(text));
    bool ok = false;
    const QByteArray back = qm::ToWindows1252(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(back, all) << qPrintable(qmtest::toHex(back));
    EXPECT_TRUE(qm::ToWindows1252(QString(), &ok).isEmpty());
    EXPECT_TRUE(ok);
    EXPECT_TRUE(qm::FromWindows1252(QByteArray()).isEmpty());
}

TEST(Codepage, HighBlockUsesWindowsCharacters)
{
    EXPECT_EQ(qm::FromWindows1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(qm::ToWindows1252(QString(QChar(0x20AC))), QByteArray("\x80"));
    EXPECT_EQ(qm::FromWindows1252(qmtest::fromHex("8A 93 94 99 9F")),
              QString::fromUtf8("\u0160\u201C\u201D\u2122\u0178"));
    EXPECT_EQ(qm::FromWindows1252("\xE9\xA0\xFF"), QString::fromUtf8("\u00E9\u00A0\u00FF"));
    // The undefined bytes come back as the C1 controls of the same number.
    const QString undefined = qm::FromWindows1252(qmtest::fromHex("81 8D 8F 90 9D"));
    EXPECT_EQ(undefined, QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(qm::ToWindows1252(undefined), qmtest::fromHex("81 8D 8F 90 9D"));
}

TEST(Codepage, CharactersOutsideBecomeQuestionMarks)
{
    bool ok = true;
    EXPECT_EQ(qm::ToWindows1252(QString::fromUtf8("a\u0100b\u4E2Dc"), &ok), QByteArray("a?b?c"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(qm::FitsWindows1252(QString::fromUtf8("caf\u00E9 \u0100")));

    // U+0080 and U+0099 are controls whose bytes Windows-1252 gave to printable characters.
    EXPECT_EQ(qm::ToWindows1252(QString::fromUtf16(u"\u0080\u0099"), &ok), QByteArray("??"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(qm::FitsWindows1252(QString(QChar(0x80))));

    // A character beyond the BMP is one '?', a lone surrogate too.
    EXPECT_EQ(qm::ToWindows1252(QString::fromUtf8("x\U0001F600y"), &ok), QByteArray("x?y"));
    EXPECT_FALSE(ok);
    EXPECT_EQ(qm::ToWindows1252(QString(QChar(0xD800)) + QLatin1Char('z')), QByteArray("?z"));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader and writer: files written by LibreOffice and pandoc, hand-written corner cases, round trips
// (same document, same bytes, same pixels) and malformed input.
#include "richtext/rtf.h"
#include "testutil.h"

#include "testutil.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QByteArray DataFile(const char* name)
{
    QFile f(qmtest::SourceFile(QStringLiteral("tests/data/rtf/") + QLatin1String(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// One line per block, one bracketed item per character run: everything the document shows.
QString Describe(const QTextDocument& d)
{
    auto chars = [](const QTextCharFormat& f) {
        QStringList families = f.fontFamilies().toStringList();
        return QStringLiteral("%1 %2pt%3%4%5%6%7%8%9")
            .arg(families.value(0), QString::number(f.fontPointSize()), f.fontWeight() >= QFont::Bold ? " b" : "",
                 f.fontItalic() ? " i" : "", f.fontUnderline() ? " u" : "", f.fontStrikeOut() ? " s" : "",
                 f.foreground().style() != Qt::NoBrush ? " fg" + f.foreground().color().name() : QString(),
                 f.background().style() != Qt::NoBrush ? " bg" + f.background().color().name() : QString(),
                 f.verticalAlignment() != QTextCharFormat::AlignNormal
                     ? " v" + QString::number(int(f.verticalAlignment()))
                     : QString());
    };
    QString out;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        out += QStringLiteral("align%1 %2/%3/%4/%5/%6:")
                   .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(f.leftMargin())
                   .arg(f.rightMargin())
                   .arg(f.textIndent())
                   .arg(f.topMargin())
                   .arg(f.bottomMargin());
        if (b.text().isEmpty())
            out += " (" + chars(b.charFormat()) + ")";
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out += " [" + chars(it.fragment().charFormat()) + "|" + it.fragment().text() + "]";
        out += "\n";
    }
    return out;
}

QImage Draw(QTextDocument& d)
{
    d.setTextWidth(300);
    QImage image(300, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    d.drawContents(&p);
    return image;
}

const QTextFragment Fragment(const QTextDocument& d, int block, int index)
{
    QTextBlock b = d.findBlockByNumber(block);
    auto it = b.begin();
    for (int i = 0; i < index && !it.atEnd(); ++i)
        ++it;
    return it.atEnd() ? QTextFragment() : it.fragment();
}

} // namespace

TEST(Rtf, LibreOfficeCardReadsWithFontsSizesStylesColoursAndAlignment)
{
    QTextDocument d;
    ASSERT_TRUE(ReadRtf(DataFile("card-libreoffice.rtf"), d));
    ASSERT_EQ(d.blockCount(), 4) << Describe(d).toStdString();
    EXPECT_EQ(d.toPlainText(), QStringLiteral("Zoë Ångström\nHead of Research\nΔelta Labs · Straße 5\nMon–Fri\n"
                                              "zoe@example.com"));

    const QTextCharFormat name = Fragment(d, 0, 0).charFormat();
    EXPECT_EQ(name.fontFamilies().toStringList().value(0), "Liberation Serif");
    EXPECT_EQ(name.fontPointSize(), 18);
    EXPECT_EQ(name.fontWeight(), QFont::Bold);
    EXPECT_EQ(d.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const QTextCharFormat title = Fragment(d, 1, 0).charFormat();
    EXPECT_EQ(title.fontFamilies().toStringList().value(0), "Liberation Sans");
    EXPECT_EQ(title.fontPointSize(), 11);
    EXPECT_EQ(title.foreground().color(), QColor(0xC0, 0, 0));
    EXPECT_EQ(title.fontWeight(), QFont::Normal);

    const QTextBlock address = d.findBlockByNumber(2);
    EXPECT_EQ(address.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(Fragment(d, 2, 0).charFormat().fontItalic());
    EXPECT_EQ(Fragment(d, 2, 0).charFormat().fontPointSize(), 9);
    const QTextFragment hours = Fragment(d, 2, 2);
    EXPECT_EQ(hours.text(), "Mon–Fri");
    EXPECT_EQ(hours.charFormat().background().color(), QColor(Qt::yellow));
    EXPECT_FALSE(hours.charFormat().fontItalic());

    const QTextCharFormat mail = Fragment(d, 3, 0).charFormat();
    EXPECT_EQ(d.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_TRUE(mail.fontUnderline());
    EXPECT_EQ(mail.foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(mail.fontFamilies().toStringList().value(0), "Liberation Mono");
    EXPECT_EQ(mail.fontPointSize(), 8);
    // Space after: 140 twips.
    EXPECT_NEAR(d.findBlockByNumber(3).blockFormat().bottomMargin(), 140 / 15.0, 1e-9);
}

TEST(Rtf, PandocCardReadsWithStylesAndUnicodeFallbacksDropped)
{
    QTextDocument d;
    ASSERT_TRUE(ReadRtf(DataFile("card-pandoc.rtf"), d));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("Zoë Ångström\nHead of Research at Old Co Δelta Labs\n"
                                              "Straße 5 — “Quoted”"));
    EXPECT_EQ(Describe(d), QStringLiteral(
        "align1 0/0/0/0/12: [Helvetica 12pt b|Zoë Ångström]\n"
        "align1 0/0/0/0/12: [Helvetica 12pt i|Head of Research] [Helvetica 12pt| at ] [Helvetica 12pt s|Old Co]"
        " [Helvetica 12pt| Δelta Labs]\n"
        "align1 0/0/0/0/12: [Helvetica 12pt|Straße 5 — “Quoted”]\n"));
}

// Our own output read back is the same document, draws the same pixels, and writes the same bytes; the real
// writers' files go through the same round trip.
TEST(Rtf, WrittenDocumentReadsBackTheSameAndWritesTheSameBytes)
{
    QTextDocument original;
    QTextCursor c(&original);
    QTextCharFormat f;
    f.setFontFamilies({"DejaVu Serif"});
    f.setFontPointSize(16);
    f.setFontWeight(QFont::Bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    c.insertText("Zoë {Å} \\ Straße\tΩ😀", f);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(true);
    f.setFontPointSize(9.5);
    f.setForeground(QColor(0x12, 0x34, 0x56));
    f.setBackground(QColor(Qt::yellow));
    c.insertText(QStringLiteral("title\u2028next line\u00A0x"), f);
    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignRight);
    indented.setLeftMargin(20);
    indented.setRightMargin(4);
    indented.setTextIndent(-10);
    indented.setTopMargin(6);
    indented.setBottomMargin(3);
    QTextCharFormat big;
    big.setFontFamilies({"DejaVu Sans"});
    big.setFontPointSize(28);
    c.insertBlock(indented, big); // an empty paragraph: its line height comes from its size
    QTextCharFormat plain;
    plain.setFontFamilies({"DejaVu Sans Mono"});
    plain.setFontPointSize(7);
    plain.setFontUnderline(true);
    plain.setFontStrikeOut(true);
    plain.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified, plain);
    c.insertText("mail@example.com", plain);
    c.insertBlock(QTextBlockFormat(), plain); // the last paragraph empty too

    const QByteArray bytes = WriteRtf(original);
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(bytes, back));
    EXPECT_EQ(Describe(back), Describe(original)) << bytes.toStdString();
    EXPECT_EQ(WriteRtf(back), bytes);
    EXPECT_EQ(Draw(back), Draw(original));
    // Nothing but 7-bit text in the file.
    for (const char ch : bytes)
        ASSERT_TRUE(ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << int(ch);

    for (const char* name : {"card-libreoffice.rtf", "card-pandoc.rtf"}) {
        QTextDocument theirs;
        ASSERT_TRUE(ReadRtf(DataFile(name), theirs));
        const QByteArray ours = WriteRtf(theirs);
        QTextDocument again;
        ASSERT_TRUE(ReadRtf(ours, again));
        EXPECT_EQ(Describe(again), Describe(theirs)) << name;
        EXPECT_EQ(WriteRtf(again), ours) << name;
    }
}

TEST(Rtf, ColourUsedAgainInALaterRunReadsBackTheSame)
{
    // Red "A", black "B", red "C": the colour table lists red once and both red runs point at it.
    QTextDocument original;
    QTextCursor c(&original);
    QTextCharFormat red, black;
    red.setForeground(QColor(Qt::red));
    black.setForeground(QColor(Qt::black));
    c.insertText("A", red);
    c.insertText("B", black);
    c.insertText("C", red);
    const QByteArray bytes = WriteRtf(original);
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(bytes, back));
    ASSERT_EQ(back.toPlainText(), "ABC");
    const auto colourAt = [&](int position) {
        QTextCursor at(&back);
        at.setPosition(position + 1);
        return at.charFormat().foreground().color();
    };
    EXPECT_EQ(colourAt(0), QColor(Qt::red)) << bytes.toStdString();
    EXPECT_EQ(colourAt(1), QColor(Qt::black)) << bytes.toStdString();
    EXPECT_EQ(colourAt(2), QColor(Qt::red)) << bytes.toStdString();
}

TEST(Rtf, HandWrittenCornerCasesReadAsTheirText)
{
    const struct
    {
        const char* rtf;
        const char* text; // UTF-8
    } cases[] = {
        // \uc and the fallback characters it skips: bytes, \'hh, a control word; a group ends the skipping.
        {R"({\rtf1\uc2 a\u916\'3f\'3fb\uc1\u937 xc\u8364\endash d\u-10179?\u-8704?{\u937}e})", "aΔbΩc€d😀Ωe"},
        // Code pages: the document's, a font's character set, a symbol font's bytes as they are.
        {R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 A;}{\f1\fcharset204 B;}{\f2\fcharset2 Symbol;}}\f0\'8a\f1\'c6\'e8\f2\'b7})",
         "ŠЖи·"},
        // Destinations skipped: optional ones, style sheet, info, pictures with hex and binary data, field code.
        {"{\\rtf1{\\*\\generator x}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}A{\\pict\\pngblip 89504e47}"
         "B{\\pict\\bin4 }}{x}C{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}{\\*\\unknown {nested} y}D}",
         "ABClinkD"},
        // Symbols, escapes, special characters, an unknown control word with a parameter, a line break in the
        // source (not text) and a backslash before it (a paragraph).
        {"{\\rtf1 \\{\\}\\\\\\~\\-\\_\\emdash\\bullet\\lquote\\rdblquote\\foo123 x\r\ny\\\nz}",
         "{}\\ \u00AD\u2011—•‘”xy\nz"},
        // Text after the outermost group is not part of the document; \sect and \page end paragraphs.
        {R"({\rtf1 one\sect two\page three{\v hidden}\par}tail)", "one\ntwo\nthree"},
    };
    for (const auto& t : cases) {
        QTextDocument d;
        EXPECT_TRUE(ReadRtf(t.rtf, d)) << t.rtf;
        EXPECT_EQ(d.toPlainText(), QString::fromUtf8(t.text)) << t.rtf;
    }

    // Formatting lives in groups; \plain and \pard reset; \b0 and \ulnone turn off; sizes are half points.
    QTextDocument d;
    ASSERT_TRUE(ReadRtf(R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1 Courier;}{\colortbl;\red255\green0\blue0;})"
                        R"(\qc\li300\fs20 a{\b\f1\cf1\ul b}c\b\ul d\b0\ulnone e\plain f\par\pard g})",
                        d));
    EXPECT_EQ(Describe(d), QStringLiteral(
        "align4 20/0/0/0/0: [Helvetica 10pt|a] [Courier 10pt b u fg#ff0000|b] [Helvetica 10pt|c]"
        " [Helvetica 10pt b u|d] [Helvetica 10pt|e] [Helvetica 12pt|f]\n"
        "align1 0/0/0/0/0: [Helvetica 12pt|g]\n"));

    // Not RTF: shown as Windows-1252 text.
    QTextDocument plain;
    EXPECT_FALSE(ReadRtf("Caf\xe9 \x80 5", plain));
    EXPECT_EQ(plain.toPlainText(), QStringLiteral("Café € 5"));
}

// Broken files never hang, crash or grow without bound; what was understood is shown.
TEST(Rtf, MalformedInputShowsWhatWasUnderstood)
{
    const QByteArray deep = "{\\rtf1 start" + QByteArray(100000, '{') + "deep\\b bold" + QByteArray(100000, '}') +
                            " end}";
    QByteArray garbage = "{\\rtf1 ok ";
    for (int i = 0; i < 20000; ++i)
        garbage += char((i * 7919 + 13) % 256);
    const struct
    {
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"{\\rtf1 {\\b open {\\i never closed", "open never closed"},
        {"{\\rtf1 a}}}}} b", "a"},
        {deep, "startdeepbold end"},
        {"{\\rtf1\\f7 no font table\\f99999999999999999999 x}", "no font tablex"},
        {"{\\rtf1 cut \\'4", "cut "},
        {"{\\rtf1 cut \\'", "cut "},
        {"{\\rtf1 cut \\u", "cut "},
        {"{\\rtf1 x\\bin999999999999 hidden}", "x"},
        {"{\\rtf1 x\\bin-5 y}", "xy"},
        {"{\\rtf1 x\\" + QByteArray(50000, 'a') + " y}", "xy"},
        {"{\\rtf1 x\\uc999999\\u65 bcd}", "xA"},
        {"{\\rtf1{\\colortbl\\red999;;}\\cf2\\highlight-3 \\fs-8 a\\li-999999999 b\\uc0\\u0\\u13\\u8233 c}", "abc"},
    };
    for (const auto& t : cases) {
        QTextDocument d;
        ReadRtf(t.rtf, d);
        EXPECT_EQ(d.toPlainText(), t.text) << t.rtf.left(80).toStdString();
    }

    // A size of 10^9 half points is held to the largest the editor offers.
    QTextDocument huge;
    ReadRtf("{\\rtf1\\fs1000000000 big}", huge);
    EXPECT_EQ(Fragment(huge, 0, 0).charFormat().fontPointSize(), 1638);

    // Binary garbage: some text, and the document still writes and reads back.
    QTextDocument g;
    ReadRtf(garbage, g);
    EXPECT_TRUE(g.toPlainText().startsWith("ok"));
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(g), back));
    EXPECT_EQ(back.toPlainText(), g.toPlainText());
}

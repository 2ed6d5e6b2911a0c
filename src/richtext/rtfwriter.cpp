// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a QTextDocument as RTF. The output depends only on what the document shows (fonts, sizes, styles,
// colours, paragraph layout and text), so a document read back from it writes the same bytes again.
#include "richtext/rtf.h"

#include "richtext/rtfcodepages.h"
#include "platform/codepage.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace qm {
namespace {

struct RunProps
{
    QString family;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QColor colour; // invalid: automatic
    QColor highlight; // invalid: none
    int vertical = 0;
};

class Writer
{
public:
    explicit Writer(const QTextDocument& document) : mDocument(document)
    {
        const QFont def = document.defaultFont();
        mDefaultFamily = def.family();
        mDefaultHalfPoints = def.pointSizeF() > 0 ? qRound(def.pointSizeF() * 2)
                             : def.pixelSize() > 0 ? qRound(def.pixelSize() * 72.0 / 96.0 * 2)
                                                   : 24;
    }

    QByteArray Write();

private:
    RunProps Props(const QTextCharFormat& f) const;
    int FontIndex(const QString& family);
    int ColourIndex(const QColor& colour);
    void Run(const RunProps& p, const QString& text);
    void Paragraph(const QTextBlockFormat& f);
    void Text(const QString& text, QByteArray& out) const;

    const QTextDocument& mDocument;
    QString mDefaultFamily;
    int mDefaultHalfPoints = 24;
    QStringList mFonts;
    QList<QRgb> mColours;
    QByteArray mBody;
};

int Twips(qreal pixels)
{
    const qreal t = std::round(pixels * 15);
    return std::isfinite(t) ? int(qBound<qreal>(-31680, t, 31680)) : 0;
}

RunProps Writer::Props(const QTextCharFormat& f) const
{
    RunProps p;
    const QStringList families = f.fontFamilies().toStringList();
    // A family set on its own (not as a list) is a property of its own.
    const QString family = f.stringProperty(QTextFormat::FontFamily);
    p.family = !families.isEmpty() && !families.first().isEmpty() ? families.first()
               : !family.isEmpty()                                  ? family
                                                                    : mDefaultFamily;
    const qreal points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                         : f.hasProperty(QTextFormat::FontPixelSize)
                             ? f.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0
                             : 0;
    p.halfPoints = points > 0 && std::isfinite(points) ? qBound(2, int(std::round(points * 2)), 3276)
                                                       : mDefaultHalfPoints;
    const QFont def = mDocument.defaultFont();
    p.bold = (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : def.weight()) >= QFont::DemiBold;
    p.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : def.italic();
    p.underline = f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline)
                      ? f.fontUnderline()
                      : def.underline();
    p.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : def.strikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        p.colour = f.foreground().color();
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        p.highlight = f.background().color();
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        p.vertical = 1;
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        p.vertical = 2;
    return p;
}

int Writer::FontIndex(const QString& family)
{
    const int i = int(mFonts.indexOf(family));
    if (i >= 0)
        return i;
    mFonts.append(family);
    return int(mFonts.size()) - 1;
}

int Writer::ColourIndex(const QColor& colour)
{
    const QRgb rgb = colour.rgb() | 0xFF000000u;
    const int i = int(mColours.indexOf(rgb));
    if (i >= 0)
        return i + 1; // entry 0 is "automatic"
    mColours.append(rgb);
    return int(mColours.size());
}

void Writer::Text(const QString& text, QByteArray& out) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c == 0x00A0) {
            out += "\\~";
        } else if (c == 0x00AD) {
            out += "\\-";
        } else if (c == 0x2011) {
            out += "\\_";
        } else if (c < 0x20 || c == 0xFFFC || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1) {
            // Not text (objects, frame marks, control characters).
        } else {
            bool ok = false;
            const QByteArray byte = ToWindows1252(QString(QChar(c)), &ok);
            if (ok && byte.size() == 1 && !QChar(c).isSurrogate()) {
                out += "\\'" + QByteArray::number(uchar(byte[0]), 16).rightJustified(2, '0');
            } else {
                // Unicode, with '?' for readers that do not know \u. \uc1 is in the header.
                out += "\\u" + QByteArray::number(qint16(c)) + '?';
            }
        }
    }
}

void Writer::Run(const RunProps& p, const QString& text)
{
    mBody += "\\plain\\f" + QByteArray::number(FontIndex(p.family)) + "\\fs" + QByteArray::number(p.halfPoints);
    if (p.bold)
        mBody += "\\b";
    if (p.italic)
        mBody += "\\i";
    if (p.underline)
        mBody += "\\ul";
    if (p.strike)
        mBody += "\\strike";
    if (p.colour.isValid())
        mBody += "\\cf" + QByteArray::number(ColourIndex(p.colour));
    if (p.highlight.isValid())
        mBody += "\\highlight" + QByteArray::number(ColourIndex(p.highlight));
    if (p.vertical == 1)
        mBody += "\\super";
    else if (p.vertical == 2)
        mBody += "\\sub";
    mBody += ' ';
    Text(text, mBody);
}

void Writer::Paragraph(const QTextBlockFormat& f)
{
    mBody += "\\pard";
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        mBody += "\\qj";
    else if (a & Qt::AlignHCenter)
        mBody += "\\qc";
    else if (a & (Qt::AlignRight | Qt::AlignTrailing))
        mBody += "\\qr";
    const struct
    {
        const char* word;
        int twips;
    } indents[] = {{"\\li", Twips(f.leftMargin())},
                   {"\\ri", Twips(f.rightMargin())},
                   {"\\fi", Twips(f.textIndent())},
                   {"\\sb", Twips(f.topMargin())},
                   {"\\sa", Twips(f.bottomMargin())}};
    for (const auto& indent : indents) {
        if (indent.twips != 0)
            mBody += indent.word + QByteArray::number(indent.twips);
    }
}

QByteArray Writer::Write()
{
    for (QTextBlock block = mDocument.begin(); block.isValid(); block = block.next()) {
        Paragraph(block.blockFormat());
        bool any = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.text().isEmpty())
                continue;
            Run(Props(fragment.charFormat()), fragment.text());
            any = true;
        }
        // An empty paragraph keeps the font and size of its empty line.
        if (!any)
            Run(Props(block.charFormat()), QString());
        mBody += "\\par\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < mFonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        QString name = mFonts.at(i);
        name.removeIf([](QChar ch) { return !RtfFontNameChar(ch.unicode()); });
        Text(name.trimmed(), out);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const QRgb rgb : mColours) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue" +
               QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\n";
    out += mBody;
    out += "}\n";
    return out;
}

} // namespace

QByteArray WriteRtf(const QTextDocument& document)
{
    return Writer(document).Write();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Reads gLabels documents: the Template through the stock reader, the objects into plain descriptions.
#include "glabels/glabelsdocument.h"

#include "glabels/pixdata.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zlib.h>

namespace qm {

namespace {

// gzip's first two bytes.
bool IsGzip(const QByteArray& bytes)
{
    return bytes.size() >= 2 && uchar(bytes[0]) == 0x1f && uchar(bytes[1]) == 0x8b;
}

// The inflated bytes of gzip data, at most maxBytes of them; false when the data is damaged or too large.
bool Gunzip(const QByteArray& in, qint64 maxBytes, QByteArray* out)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    stream.avail_in = uInt(in.size());
    QByteArray result;
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        result.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
        if (result.size() > maxBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0)
            break; // the data ends before the stream does
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return false;
    *out = std::move(result);
    return true;
}

// Reads the attributes of one element the way gLabels' own reader does: a missing or unreadable value takes
// the default.
class Attributes
{
public:
    explicit Attributes(const QXmlStreamAttributes& attributes) : mAttributes(attributes) {}

    bool Has(const char* name) const { return mAttributes.hasAttribute(QLatin1String(name)); }
    QString String(const char* name, const QString& fallback = {}) const
    {
        return Has(name) ? mAttributes.value(QLatin1String(name)).toString() : fallback;
    }
    // Lengths of objects may be negative (a line drawn up or to the left).
    double Length(const char* name, double fallback) const
    {
        QString text = String(name).trimmed();
        const bool negative = text.startsWith(QLatin1Char('-'));
        if (negative)
            text.remove(0, 1);
        double points = 0;
        if (!ParseStockLength(text, &points))
            return fallback;
        return negative ? -points : points;
    }
    double Double(const char* name, double fallback) const
    {
        bool ok = false;
        const double value = mAttributes.value(QLatin1String(name)).toDouble(&ok);
        return ok && std::isfinite(value) ? value : fallback;
    }
    bool Bool(const char* name, bool fallback) const
    {
        const QString value = String(name).trimmed().toLower();
        if (value == QLatin1String("true") || value == QLatin1String("1"))
            return true;
        if (value == QLatin1String("false") || value == QLatin1String("0"))
            return false;
        return fallback;
    }
    // "0x3366ccff" (strtoul with base 0: hexadecimal, octal or decimal).
    GlabelsColor Color(const char* name, GlabelsColor fallback) const
    {
        const QString text = String(name).trimmed();
        bool ok = false;
        const qulonglong value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                     ? text.mid(2).toULongLong(&ok, 16)
                                     : text.toULongLong(&ok, 0);
        return ok && value <= 0xffffffffULL ? GlabelsColor(value) : fallback;
    }

private:
    const QXmlStreamAttributes& mAttributes;
};

// Weights gLabels 3 writes as Pango names, gLabels 4 as "bold" and "normal": semi-bold and heavier count as
// bold.
bool IsBoldWeight(const QString& weight)
{
    static const QStringList bold = {QStringLiteral("semibold"), QStringLiteral("bold"),
                                     QStringLiteral("ultrabold"), QStringLiteral("heavy")};
    return bold.contains(weight.trimmed().toLower());
}

// Our placeholders take "{name}"; a brace typed in gLabels is a brace, so it is doubled.
QString EscapeBraces(QString text)
{
    return text.replace(QLatin1Char('{'), QStringLiteral("{{"));
}

// gLabels 4 writes merge fields into text as "${name}" (with optional ":format" after the name).
QString FieldsFromDollarForm(const QString& text)
{
    static const QRegularExpression field(QStringLiteral("\\$\\{([^}:]+)(?::[^}]*)?\\}"));
    QString result;
    qsizetype last = 0;
    auto it = field.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += EscapeBraces(text.mid(last, match.capturedStart() - last));
        result += QLatin1Char('{') + match.captured(1) + QLatin1Char('}');
        last = match.capturedEnd();
    }
    result += EscapeBraces(text.mid(last));
    return result;
}

class DocumentReader
{
public:
    DocumentReader(QXmlStreamReader& xml, GlabelsDocument& doc, const StockPapers& papers)
        : mXml(xml), mDoc(doc), mPapers(papers)
    {
    }

    // The children of the root element.
    void ReadRoot()
    {
        mDoc.version = Attributes(mXml.attributes()).String("version").startsWith(QLatin1Char('4')) ? 4 : 3;
        while (mXml.readNextStartElement()) {
            const auto name = mXml.name();
            if (name == QLatin1String("Template"))
                mDoc.sheet = ReadStockTemplate(mXml, mPapers);
            else if (name == QLatin1String("Objects"))
                ReadObjects();
            else if (name == QLatin1String("Merge"))
                ReadMerge();
            else if (name == QLatin1String("Data"))
                ReadData();
            else
                Skip();
        }
    }

private:
    void Skip()
    {
        //: one of the things an import leaves out; %1 is the name of an XML element
        mDoc.skipped
            << GlabelsFormat::tr("an element <%1> gLabels does not write").arg(mXml.name().toString());
        mXml.skipCurrentElement();
    }

    void ReadMerge()
    {
        const Attributes a(mXml.attributes());
        mDoc.mergeType = a.String("type");
        mDoc.mergeSource = a.String("src");
        mXml.skipCurrentElement();
    }

    void ReadData()
    {
        while (mXml.readNextStartElement()) {
            const Attributes a(mXml.attributes());
            const QString name = a.String("name");
            if (mXml.name() == QLatin1String("Pixdata")) {
                const QByteArray raw = QByteArray::fromBase64(mXml.readElementText().toLatin1());
                QByteArray png;
                if (PixdataToPng(raw, &png))
                    mDoc.embedded.insert(name, png);
                else
                    //: one of the things an import leaves out
                    mDoc.skipped
                        << GlabelsFormat::tr("the embedded picture %1, which cannot be read").arg(name);
            } else if (mXml.name() == QLatin1String("File")) {
                // gLabels 3 embeds SVG text (format="SVG"); gLabels 4 base64 (a mimetype, encoding="base64").
                const QString encoding = a.String("encoding");
                const QString text = mXml.readElementText();
                mDoc.embedded.insert(name, encoding == QLatin1String("base64")
                                               ? QByteArray::fromBase64(text.toLatin1())
                                               : text.toUtf8());
            } else {
                Skip();
            }
        }
    }

    void ReadObjects()
    {
        mDoc.rotate = Attributes(mXml.attributes()).Bool("rotate", false);
        while (mXml.readNextStartElement()) {
            const auto name = mXml.name();
            GlabelsObject o;
            if (name == QLatin1String("Object-box"))
                o.kind = GlabelsObject::Box;
            else if (name == QLatin1String("Object-ellipse"))
                o.kind = GlabelsObject::Ellipse;
            else if (name == QLatin1String("Object-line"))
                o.kind = GlabelsObject::Line;
            else if (name == QLatin1String("Object-text"))
                o.kind = GlabelsObject::Text;
            else if (name == QLatin1String("Object-image"))
                o.kind = GlabelsObject::Image;
            else if (name == QLatin1String("Object-barcode"))
                o.kind = GlabelsObject::Barcode;
            else {
                Skip();
                continue;
            }
            ReadObject(o);
            mDoc.objects.push_back(std::move(o));
        }
    }

    void ReadObject(GlabelsObject& o)
    {
        const Attributes a(mXml.attributes());
        o.x = a.Length("x", 0);
        o.y = a.Length("y", 0);
        o.w = a.Length(o.kind == GlabelsObject::Line ? "dx" : "w", 0);
        o.h = a.Length(o.kind == GlabelsObject::Line ? "dy" : "h", 0);
        o.lineWidth = a.Length("line_width", 1);
        o.lineColor = a.Color("line_color", 0);
        o.fillColor = a.Color("fill_color", 0);
        for (const char* field : {"line_color_field", "fill_color_field", "color_field", "shadow_color_field"})
            if (a.Has(field))
                o.colorFields << QString::fromLatin1(field);
        o.matrix = QTransform(a.Double("a0", 1), a.Double("a1", 0), a.Double("a2", 0), a.Double("a3", 1),
                              a.Double("a4", 0), a.Double("a5", 0));
        o.shadow = a.Bool("shadow", false);
        o.shadowX = a.Length("shadow_x", 0);
        o.shadowY = a.Length("shadow_y", 0);
        o.shadowOpacity = a.Double("shadow_opacity", 1);
        o.shadowColor = a.Color("shadow_color", 0x000000ff);

        switch (o.kind) {
        case GlabelsObject::Text:
            ReadText(o, a);
            return;
        case GlabelsObject::Image:
            o.source = a.String("src");
            o.field = a.String("field", a.String("src_field"));
            break;
        case GlabelsObject::Barcode:
            o.backend = a.String("backend");
            o.style = a.String("style");
            o.color = a.Color("color", 0x000000ff);
            if (a.Has("data"))
                o.data = FieldsFromDollarForm(a.String("data"));
            else if (a.Has("field"))
                o.data = QLatin1Char('{') + a.String("field") + QLatin1Char('}');
            break;
        default:
            break;
        }
        mXml.skipCurrentElement();
    }

    void ReadText(GlabelsObject& o, const Attributes& a)
    {
        if (mDoc.version >= 4) {
            o.justify = a.String("align", QStringLiteral("left"));
            o.valign = a.String("valign", QStringLiteral("top"));
        } else {
            o.justify = a.String("justify", QStringLiteral("Left"));
            o.valign = a.String("valign", QStringLiteral("Top"));
        }
        o.autoShrink = a.Bool("auto_shrink", false);
        // gLabels 4 keeps one style for the whole text on the element and the text in <p> paragraphs.
        GlabelsRun style;
        ReadStyle(a, style);
        o.lineSpacing = a.Double("line_spacing", 1);
        while (mXml.readNextStartElement()) {
            if (mXml.name() == QLatin1String("Span")) {
                const Attributes span(mXml.attributes());
                o.lineSpacing = span.Double("line_spacing", o.lineSpacing);
                o.lines.emplace_back();
                ReadSpan(o, style);
            } else if (mXml.name() == QLatin1String("p")) {
                GlabelsRun run = style;
                run.text = FieldsFromDollarForm(mXml.readElementText(QXmlStreamReader::IncludeChildElements));
                o.lines.push_back({run});
            } else {
                Skip();
            }
        }
        // A text without lines (gLabels writes an empty span) shows nothing.
        while (!o.lines.empty() && o.lines.back().empty())
            o.lines.pop_back();
    }

    void ReadStyle(const Attributes& a, GlabelsRun& style)
    {
        style.family = a.String("font_family", style.family);
        style.size = a.Double("font_size", style.size);
        if (a.Has("font_weight"))
            style.bold = IsBoldWeight(a.String("font_weight"));
        style.italic = a.Bool("font_italic", style.italic);
        style.underline = a.Bool("font_underline", style.underline);
        style.color = a.Color("color", style.color);
    }

    // A gLabels 3 span: text, <Field name=.../>, <NL/> and nested spans that change the style. The reader
    // stands on the span's start; lines are added to o.lines, whose last line is the current one.
    void ReadSpan(GlabelsObject& o, GlabelsRun style)
    {
        ReadStyle(Attributes(mXml.attributes()), style);
        while (!mXml.atEnd()) {
            const auto token = mXml.readNext();
            if (token == QXmlStreamReader::EndElement)
                return;
            if (token == QXmlStreamReader::Characters) {
                // Layout white space around the text (a line break and indentation) is not part of it.
                static const QRegularExpression layout(QStringLiteral("\\A\\n\\s*|\\n\\s*\\z"));
                QString text = mXml.text().toString();
                text.remove(layout);
                if (!text.isEmpty())
                    Append(o, style, EscapeBraces(text));
            } else if (token == QXmlStreamReader::StartElement) {
                const auto name = mXml.name();
                if (name == QLatin1String("NL")) {
                    o.lines.emplace_back();
                    mXml.skipCurrentElement();
                } else if (name == QLatin1String("Field")) {
                    Append(o, style, QLatin1Char('{') + Attributes(mXml.attributes()).String("name") +
                                         QLatin1Char('}'));
                    mXml.skipCurrentElement();
                } else if (name == QLatin1String("Span")) {
                    ReadSpan(o, style);
                } else {
                    Skip();
                }
            }
        }
    }

    // Adds text to the current line, joined to the last run when the style is the same.
    static void Append(GlabelsObject& o, const GlabelsRun& style, const QString& text)
    {
        GlabelsLine& line = o.lines.back();
        if (!line.empty()) {
            GlabelsRun& last = line.back();
            if (last.family == style.family && last.size == style.size && last.bold == style.bold &&
                last.italic == style.italic && last.underline == style.underline && last.color == style.color) {
                last.text += text;
                return;
            }
        }
        GlabelsRun run = style;
        run.text = text;
        line.push_back(run);
    }

    QXmlStreamReader& mXml;
    GlabelsDocument& mDoc;
    const StockPapers& mPapers;
};

} // namespace

bool GlabelsFormat::CanRead(const QByteArray& head) const
{
    return IsGzip(head) || head.contains("<Glabels-document");
}

bool GlabelsFormat::Read(const QString& path, GlabelsDocument& into)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, kMaxBytes, &bytes))
        return false;
    const QString name = QFileInfo(path).fileName();
    if (!ReadBytes(bytes, into)) {
        //: %2 says what is wrong, such as "it holds no gLabels design."
        mError = tr("The file %1 is not a gLabels document: %2").arg(name, mError);
        return false;
    }
    return true;
}

bool GlabelsFormat::ReadBytes(const QByteArray& bytes, GlabelsDocument& into)
{
    mError.clear();
    QByteArray xmlBytes;
    if (IsGzip(bytes)) {
        if (!Gunzip(bytes, kMaxBytes, &xmlBytes))
            return Fail(tr("its compressed data is damaged or far too large."));
    } else {
        xmlBytes = bytes;
    }
    QXmlStreamReader xml(xmlBytes);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-document"))
        return Fail(tr("it holds no gLabels design."));
    GlabelsDocument doc;
    static const StockPapers papers;
    DocumentReader(xml, doc, papers).ReadRoot();
    if (xml.hasError())
        return Fail(tr("its XML breaks off at line %1 (%2).").arg(xml.lineNumber()).arg(xml.errorString()));
    into = std::move(doc);
    return true;
}

} // namespace qm

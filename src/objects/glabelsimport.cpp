// SPDX-License-Identifier: GPL-3.0-or-later
// Brings a gLabels design over as a card: each gLabels object becomes the nearest of ours, and the report
// says how near.
#include "objects/glabelsimport.h"

#include "design/cardpanel.h"
#include "glabels/glabelsdocument.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/qrcode.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/richtext.h"
#include "objects/text/textlabel.h"
#include "pictures/pictures.h"
#include "richtext/rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace qm {

namespace {

constexpr double kUnitsPerPoint = 96.0 / 72.0;

// Lengths past any sheet (a damaged or hostile file) are held to 100 inches either way, so that no box
// arithmetic overflows.
int Units(double points)
{
    constexpr double kFarthest = 100 * 96;
    return int(std::lround(std::clamp(points * kUnitsPerPoint, -kFarthest, kFarthest)));
}

QRect UnitRect(const QRectF& points)
{
    const int left = Units(points.left()), top = Units(points.top());
    return QRect(left, top, std::max(1, Units(points.right()) - left), std::max(1, Units(points.bottom()) - top));
}

QString Pt(double points)
{
    return QLocale().toString(points, 'g', 4);
}

// A colour's transparency as ours can hold it: fully clear or fully solid. Anything between is mixed with
// white paper, which is how it prints, and reported.
struct Colour
{
    TColor color = 0;
    bool clear = false;
    bool blended = false;
};

Colour ToColour(GlabelsColor c, double opacity = 1.0)
{
    const double alpha = GlabelsAlpha(c) / 255.0 * opacity;
    Colour out;
    out.clear = alpha <= 0.0;
    out.blended = !out.clear && alpha < 1.0;
    auto mix = [&](int channel) { return int(std::lround(channel * alpha + 255 * (1.0 - alpha))); };
    const int r = mix(int(c >> 24 & 0xff)), g = mix(int(c >> 16 & 0xff)), b = mix(int(c >> 8 & 0xff));
    out.color = TColor(quint32(b) << 16 | quint32(g) << 8 | quint32(r));
    return out;
}

// A quarter turn of the matrix (0, 90, 180 or 270 degrees clockwise as the card shows it), -1 for anything
// else (a turn by another angle, a stretch, a slant or a mirror).
int QuarterTurn(const QTransform& m)
{
    auto is = [](double v, double want) { return std::abs(v - want) < 1e-6; };
    const double a = m.m11(), b = m.m12(), c = m.m21(), d = m.m22();
    if (is(a, 1) && is(b, 0) && is(c, 0) && is(d, 1))
        return 0;
    if (is(a, 0) && is(b, 1) && is(c, -1) && is(d, 0))
        return 90;
    if (is(a, -1) && is(b, 0) && is(c, 0) && is(d, -1))
        return 180;
    if (is(a, 0) && is(b, -1) && is(c, 1) && is(d, 0))
        return 270;
    return -1;
}

// Where gLabels draws an object's (0, 0, w, h): its matrix, then moved to (x, y).
QTransform Placement(const GlabelsObject& o)
{
    return o.matrix * QTransform::fromTranslate(o.x, o.y);
}

// The object's box on the card in points: exact for quarter turns and stretches along the axes; for any
// other matrix the unturned box about the turned one's centre.
QRectF PlacedBox(const GlabelsObject& o, bool* exact)
{
    const QRectF own = QRectF(0, 0, o.w, o.h).normalized();
    const QTransform m = Placement(o);
    *exact = std::abs(o.matrix.m12()) < 1e-6 && std::abs(o.matrix.m21()) < 1e-6;
    *exact = *exact || QuarterTurn(o.matrix) >= 0;
    if (*exact)
        return m.mapRect(own);
    QRectF upright(QPointF(0, 0), own.size());
    upright.moveCenter(m.map(own.center()));
    return upright;
}

class Importer
{
public:
    Importer(const GlabelsDocument& doc, const QString& folder, TKBusinessCardPanel32& panel, GlabelsImport& out)
        : mDoc(doc), mFolder(folder), mPanel(panel), mReport(out.report)
    {
    }

    void Object(const GlabelsObject& o)
    {
        mName = Describe(o);
        mNotes.clear();
        mLeftOut.clear();
        if (!o.colorFields.isEmpty())
            Note(QCoreApplication::translate(
                "qm::GlabelsImport",
                "its colour comes from a merge field in gLabels; it keeps the colour it has"));
        switch (o.kind) {
        case GlabelsObject::Box:
        case GlabelsObject::Ellipse:
            Figure(o);
            break;
        case GlabelsObject::Line:
            Line(o);
            break;
        case GlabelsObject::Text:
            Text(o);
            break;
        case GlabelsObject::Image:
            Image(o);
            break;
        case GlabelsObject::Barcode:
            Barcode(o);
            break;
        }
        if (!mLeftOut.isEmpty())
            mReport.leftOut << Explained(mName, mLeftOut);
        else if (!mNotes.isEmpty())
            //: Between two notes on one object of an imported design.
            mReport.approximate << Explained(
                mName, mNotes.join(QCoreApplication::translate("qm::GlabelsImport", "; ")));
        else
            mReport.exact << mName;
    }

private:
    static QString Explained(const QString& name, const QString& why)
    {
        //: An object of an imported design (%1: text "Jane" at 10, 20 pt), then what became of it.
        return QCoreApplication::translate("qm::GlabelsImport", "%1: %2").arg(name, why);
    }

    void Note(const QString& note) { mNotes << note; }
    void LeaveOut(const QString& why) { mLeftOut = why; }

    QString Describe(const GlabelsObject& o) const
    {
        // gLabels' object kinds.
        static const char* const kinds[] = {QT_TRANSLATE_NOOP("qm::GlabelsImport", "box"),
                                            QT_TRANSLATE_NOOP("qm::GlabelsImport", "ellipse"),
                                            QT_TRANSLATE_NOOP("qm::GlabelsImport", "line"),
                                            QT_TRANSLATE_NOOP("qm::GlabelsImport", "text"),
                                            QT_TRANSLATE_NOOP("qm::GlabelsImport", "image"),
                                            QT_TRANSLATE_NOOP("qm::GlabelsImport", "barcode")};
        const QString kind = QCoreApplication::translate("qm::GlabelsImport", kinds[o.kind]);
        if (o.kind == GlabelsObject::Text) {
            QString text;
            for (const GlabelsRun& run : o.lines.empty() ? GlabelsLine() : o.lines.front())
                text += run.text;
            text.replace(QStringLiteral("{{"), QStringLiteral("{"));
            if (text.size() > 30)
                text = text.left(29) + QChar(0x2026);
            //: An object of an imported design: its kind ("text"), its first words and where it stands, in
            //: points.
            return QCoreApplication::translate("qm::GlabelsImport", "%1 \"%2\" at %3, %4 pt")
                .arg(kind, text, Pt(o.x), Pt(o.y));
        }
        //: An object of an imported design: its kind ("box") and where it stands, in points.
        return QCoreApplication::translate("qm::GlabelsImport", "%1 at %2, %3 pt")
            .arg(kind, Pt(o.x), Pt(o.y));
    }

    template <class T> T* Place(const QRect& box)
    {
        auto created = std::make_unique<T>();
        created->Loaded();
        return static_cast<T*>(mPanel.PlaceObject(std::move(created), box));
    }

    bool BoxFor(const GlabelsObject& o, QRectF* box)
    {
        bool exact = true;
        *box = PlacedBox(o, &exact);
        if (!exact)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "turned, stretched or slanted in gLabels; placed upright"));
        return exact;
    }

    // The silhouette gLabels draws behind a shape, as a copy in the shadow's colour.
    void ShapeShadow(const GlabelsObject& o, const std::function<void(const Colour&, double dx, double dy)>& place)
    {
        if (!o.shadow)
            return;
        const Colour shadow = ToColour(o.shadowColor, o.shadowOpacity);
        if (shadow.clear)
            return;
        if (shadow.blended)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its see-through shadow is mixed with white"));
        place(shadow, o.shadowX, o.shadowY);
    }

    void Figure(const GlabelsObject& o)
    {
        QRectF box;
        BoxFor(o, &box);
        const TShapeType shape = o.kind == GlabelsObject::Box ? stRectangle : stEllipse;
        const Colour fill = ToColour(o.fillColor), line = ToColour(o.lineColor);
        if (fill.blended || (line.blended && o.lineWidth > 0))
            Note(
                QCoreApplication::translate("qm::GlabelsImport", "see-through colours are mixed with white"));
        const bool outline = !line.clear && o.lineWidth > 0;
        if (fill.clear && !outline) {
            LeaveOut(QCoreApplication::translate("qm::GlabelsImport", "it has neither fill nor outline"));
            return;
        }
        auto make = [&](const QRectF& at, const Colour* fillAs, const Colour* lineAs) {
            auto* s = Place<TBCShapes>(UnitRect(at));
            s->SetShape(shape);
            s->SetTransparent(fillAs == nullptr);
            if (fillAs)
                s->Brush().SetColor(fillAs->color);
            if (lineAs) {
                s->Pen().SetColor(lineAs->color);
                s->Pen().SetWidth(std::max(1, Units(o.lineWidth)));
            } else {
                // No outline: the pen draws in the fill's colour, a unit wide, as the shape tools do.
                s->Pen().SetColor(fillAs ? fillAs->color : 0);
                s->Pen().SetWidth(1);
            }
        };
        ShapeShadow(o, [&](const Colour& shadow, double dx, double dy) {
            make(box.translated(dx, dy), fill.clear ? nullptr : &shadow, outline ? &shadow : nullptr);
        });
        if (outline && std::abs(o.lineWidth * kUnitsPerPoint - std::max(1, Units(o.lineWidth))) > 0.25)
            Note(QCoreApplication::translate("qm::GlabelsImport", "its %1 pt outline is %2 pt wide")
                     .arg(Pt(o.lineWidth), Pt(std::max(1, Units(o.lineWidth)) / kUnitsPerPoint)));
        make(box, fill.clear ? nullptr : &fill, outline ? &line : nullptr);
    }

    void Line(const GlabelsObject& o)
    {
        // Any line runs corner to corner of its box or along it: every direction is one of our four styles.
        const QTransform m = Placement(o);
        const QPointF a = m.map(QPointF(0, 0)), b = m.map(QPointF(o.w, o.h));
        const Colour colour = ToColour(o.lineColor);
        if (colour.clear || o.lineWidth <= 0) {
            LeaveOut(
                QCoreApplication::translate("qm::GlabelsImport", "it is invisible (no colour or no width)"));
            return;
        }
        if (colour.blended)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its see-through colour is mixed with white"));
        auto make = [&](QPointF from, QPointF to, const Colour& c) {
            const int width = std::max(1, Units(o.lineWidth));
            const int x1 = Units(from.x()), y1 = Units(from.y()), x2 = Units(to.x()), y2 = Units(to.y());
            auto* line = Place<TKLineShape>(QRect(0, 0, 1, 1));
            QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
            if (y1 == y2) {
                line->SetLineStyle(stHorizontal);
                box = QRect(box.left(), y1 - 7, std::max(1, box.width() - 1), 15);
            } else if (x1 == x2) {
                line->SetLineStyle(stVertical);
                box = QRect(x1 - 12, box.top(), 25, std::max(1, box.height() - 1));
            } else {
                // Down to the right when both ends go the same way.
                line->SetLineStyle((x2 - x1) * (y2 - y1) > 0 ? stAngleSlopingDown : stAngleSlopingUp);
                box = QRect(box.left(), box.top(), box.width() - 1, box.height() - 1);
            }
            line->SetBounds(box.left(), box.top(), box.width(), box.height());
            line->Pen().SetColor(c.color);
            line->Pen().SetWidth(width);
        };
        ShapeShadow(o, [&](const Colour& shadow, double dx, double dy) {
            make(a + QPointF(dx, dy), b + QPointF(dx, dy), shadow);
        });
        make(a, b, colour);
    }

    static TAlignment Alignment(const QString& justify)
    {
        const QString j = justify.toLower();
        if (j == QLatin1String("center") || j == QLatin1String("hcenter"))
            return taCenter;
        if (j == QLatin1String("right"))
            return taRightJustify;
        return taLeftJustify;
    }

    void SetFont(TKFont& font, const GlabelsRun& run)
    {
        font.SetName(run.family);
        const int size = int(std::lround(std::clamp(run.size, 1.0, 999.0)));
        if (std::abs(size - run.size) > 0.01)
            Note(QCoreApplication::translate("qm::GlabelsImport", "its %1 pt text is %2 pt")
                     .arg(Pt(run.size), QLocale().toString(size)));
        font.SetSize(size);
        const Colour colour = ToColour(run.color);
        if (colour.blended)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its see-through text colour is mixed with white"));
        font.SetColor(colour.color);
        font.SetStyle(TFontStyles((run.bold ? 1 << fsBold : 0) | (run.italic ? 1 << fsItalic : 0) |
                                  (run.underline ? 1 << fsUnderline : 0)));
    }

    // Moves a text object of the given height down to where gLabels' vertical alignment puts its lines.
    static int AlignedTop(const QRectF& box, const QString& valign, int height)
    {
        const QString v = valign.toLower();
        const int top = Units(box.top()), room = Units(box.height()) - height;
        if (v == QLatin1String("center") || v == QLatin1String("vcenter"))
            return top + room / 2;
        if (v == QLatin1String("bottom"))
            return top + room;
        return top;
    }

    static int AlignedLeft(const QRectF& box, TAlignment alignment, int width)
    {
        const int left = Units(box.left()), room = Units(box.width()) - width;
        if (alignment == taCenter)
            return left + room / 2;
        if (alignment == taRightJustify)
            return left + room;
        return left;
    }

    static bool OneStyle(const GlabelsObject& o)
    {
        const GlabelsRun* first = nullptr;
        for (const GlabelsLine& line : o.lines)
            for (const GlabelsRun& run : line) {
                if (!first)
                    first = &run;
                else if (run.family != first->family || run.size != first->size || run.bold != first->bold ||
                         run.italic != first->italic || run.underline != first->underline ||
                         run.color != first->color)
                    return false;
            }
        return true;
    }

    static QString LineText(const GlabelsLine& line)
    {
        QString text;
        for (const GlabelsRun& run : line)
            text += run.text;
        return text;
    }

    void Text(const GlabelsObject& o)
    {
        if (o.lines.empty()) {
            LeaveOut(QCoreApplication::translate("qm::GlabelsImport", "it holds no text"));
            return;
        }
        QRectF box;
        BoxFor(o, &box);
        const int turn = QuarterTurn(o.matrix);
        const TAlignment alignment = Alignment(o.justify);
        const GlabelsRun& style = o.lines.front().empty() ? GlabelsRun() : o.lines.front().front();
        if (!OneStyle(o)) {
            RichText(o, box);
            return;
        }
        if (o.lines.size() == 1) {
            auto* label = Place<TKPLabel>(UnitRect(box));
            label->SetCaption(LineText(o.lines.front()));
            SetFont(label->Font(), style);
            label->SetTransparent(true);
            label->SetBorderStyle(bsNone);
            label->SetAlignment(alignment);
            label->SetShrinkToFit(o.autoShrink);
            if (turn > 0)
                label->SetAngle((360 - turn) % 360);
            TextShadow(o, *label);
            label->LayOut();
            if (turn <= 0) {
                const QRect laid = label->BoundsRect();
                label->SetBounds(AlignedLeft(box, alignment, laid.width()),
                                 AlignedTop(box, o.valign, laid.height()), laid.width(), laid.height());
            }
            return;
        }
        auto* text = Place<TKMultiLineLabel>(UnitRect(box));
        QStringList lines;
        for (const GlabelsLine& line : o.lines)
            lines << LineText(line);
        text->SetItems(lines);
        SetFont(text->Font(), style);
        text->SetAlignment(alignment);
        if (turn > 0)
            Note(QCoreApplication::translate("qm::GlabelsImport", "its turned lines are set upright"));
        if (std::abs(o.lineSpacing - 1.0) > 0.01)
            Note(QCoreApplication::translate("qm::GlabelsImport", "its line spacing of %1 is single")
                     .arg(QLocale().toString(o.lineSpacing)));
        if (o.shadow)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its shadow is left out (multi-line text has none)"));
        if (o.autoShrink)
            Note(QCoreApplication::translate("qm::GlabelsImport", "it does not shrink to fit"));
    }

    void TextShadow(const GlabelsObject& o, TKBaseLabel& label)
    {
        if (!o.shadow)
            return;
        const Colour shadow = ToColour(o.shadowColor, o.shadowOpacity);
        if (shadow.clear)
            return;
        if (shadow.blended)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its see-through shadow is mixed with white"));
        const int dx = Units(o.shadowX), dy = Units(o.shadowY);
        TShadowDirection direction = sdNone;
        if (dy > 0)
            direction = dx > 0 ? sdDownRight : dx < 0 ? sdDownLeft : sdDown;
        else if (dy == 0)
            direction = dx > 0 ? sdRight : dx < 0 ? sdLeft : sdNone;
        if (direction == sdNone) {
            Note(QCoreApplication::translate("qm::GlabelsImport", "its shadow above the text is left out"));
            return;
        }
        const int depth = std::max(std::abs(dx), std::abs(dy));
        if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy))
            Note(QCoreApplication::translate("qm::GlabelsImport", "its shadow falls %1 pt both ways")
                     .arg(Pt(depth / kUnitsPerPoint)));
        label.SetDirectionShadow(direction);
        label.SetDepthShadow(depth);
        label.SetColorShadow(shadow.color);
    }

    void RichText(const GlabelsObject& o, const QRectF& box)
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextBlockFormat block;
        const TAlignment alignment = Alignment(o.justify);
        block.setAlignment(alignment == taCenter         ? Qt::AlignHCenter
                           : alignment == taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignLeft);
        bool first = true;
        for (const GlabelsLine& line : o.lines) {
            if (first)
                cursor.setBlockFormat(block);
            else
                cursor.insertBlock(block);
            first = false;
            for (const GlabelsRun& run : line) {
                QTextCharFormat format;
                format.setFontFamilies({run.family});
                format.setFontPointSize(run.size);
                format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
                format.setFontItalic(run.italic);
                format.setFontUnderline(run.underline);
                const Colour colour = ToColour(run.color);
                format.setForeground(QColor(colour.color & 0xff, colour.color >> 8 & 0xff, colour.color >> 16 & 0xff));
                cursor.insertText(run.text, format);
            }
        }
        auto* rich = Place<TKPRichBaseLabel>(UnitRect(box));
        TKRichText rtf;
        rtf.SetData(WriteRtf(document));
        rich->SetRTFText(rtf);
        rich->SetTransparent(true);
        rich->SetBorderStyle(bsNone);
        if (QuarterTurn(o.matrix) > 0)
            Note(QCoreApplication::translate("qm::GlabelsImport", "its turned text is set upright"));
        if (o.shadow)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its shadow is left out (rich text has none)"));
    }

    void Image(const GlabelsObject& o)
    {
        if (!o.field.isEmpty()) {
            LeaveOut(
                QCoreApplication::translate(
                    "qm::GlabelsImport", "its picture comes from the merge field %1, which cards do not take")
                    .arg(o.field));
            return;
        }
        QByteArray bytes = mDoc.embedded.value(o.source);
        QString error;
        if (bytes.isEmpty()) {
            const QString path = QDir(mFolder).absoluteFilePath(o.source);
            QFile file(path);
            if (o.source.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
                LeaveOut(QCoreApplication::translate(
                             "qm::GlabelsImport", "its picture %1 is neither in the document nor beside it")
                             .arg(o.source));
                return;
            }
            bytes = file.readAll();
        }
        StoredGraphic graphic;
        if (!GraphicFromFile(bytes, o.source, &graphic, &error)) {
            LeaveOut(QCoreApplication::translate("qm::GlabelsImport", "its picture cannot be read (%1)")
                         .arg(error));
            return;
        }
        QRectF box;
        const bool upright = BoxFor(o, &box);
        const int turn = QuarterTurn(o.matrix);
        if (upright && turn != 0) {
            // A quarter-turned box keeps its place; the picture in it stays upright.
            bool unused = false;
            GlabelsObject unturned = o;
            unturned.matrix = QTransform();
            box = PlacedBox(unturned, &unused);
            box.moveCenter(Placement(o).map(QPointF(o.w / 2, o.h / 2)));
            Note(QCoreApplication::translate("qm::GlabelsImport", "its turned picture is set upright"));
        }
        auto* image = Place<TKImage>(UnitRect(box));
        image->SetBorderStyle(bsNone);
        image->SetStretch(true);
        image->Picture().SetGraphic(graphic.graphicClass, graphic.fileBytes);
        if (o.shadow)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its shadow is left out (pictures have none)"));
    }

    void Barcode(const GlabelsObject& o)
    {
        const QString style = o.style.toLower();
        const bool qr = style == QLatin1String("iec18004") || style == QLatin1String("qrcode") ||
                        style == QLatin1String("qr") || style.startsWith(QLatin1String("qr"));
        if (!qr) {
            LeaveOut(QCoreApplication::translate("qm::GlabelsImport",
                                                 "a %1 barcode, a kind cards have no object for")
                         .arg(o.style));
            return;
        }
        if (o.data.isEmpty()) {
            LeaveOut(QCoreApplication::translate("qm::GlabelsImport", "its QR code carries nothing"));
            return;
        }
        QRectF box;
        BoxFor(o, &box);
        if (QuarterTurn(o.matrix) > 0)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its turned symbol is drawn upright (it reads the same)"));
        auto* code = Place<TKQRCode>(UnitRect(box));
        code->SetContent(qcText);
        code->SetText(o.data);
        const Colour dark = ToColour(o.color);
        code->SetDarkColor(dark.color);
        code->SetLightColor(clNone);
        code->SetQuietZone(0);
        if (dark.blended)
            Note(QCoreApplication::translate("qm::GlabelsImport",
                                             "its see-through colour is mixed with white"));
    }

    const GlabelsDocument& mDoc;
    const QString& mFolder;
    TKBusinessCardPanel32& mPanel;
    ImportReport& mReport;
    QString mName;
    QStringList mNotes;
    QString mLeftOut;
};

} // namespace

GlabelsImport ImportGlabels(const GlabelsDocument& doc, const QString& documentFolder, const CardSheetLayout& base,
                            TKBusinessCardPanel32& panel)
{
    GlabelsImport out;
    out.layout = base;
    ApplyGlabelsSheet(doc, out);
    out.layout.UsePortrait = doc.rotate;

    panel.ClearAll();
    panel.SetPortraitMode(doc.rotate);
    const QSize size = CardPanelSize(out.layout, doc.rotate);
    panel.SetSize(size.width(), size.height());

    Importer importer(doc, documentFolder, panel, out);
    for (const GlabelsObject& o : doc.objects)
        importer.Object(o);
    for (const QString& skipped : doc.skipped)
        out.report.leftOut << skipped;

    if (!doc.mergeSource.isEmpty()) {
        out.mergeSource = QDir(documentFolder).absoluteFilePath(doc.mergeSource);
        out.mergeNumbered = doc.mergeType.startsWith(QLatin1String("Text/")) &&
                            !doc.mergeType.endsWith(QLatin1String("Line1Keys"));
        out.report.exact
            << QCoreApplication::translate("qm::GlabelsImport", "the merge data %1").arg(doc.mergeSource);
    }
    return out;
}

} // namespace qm

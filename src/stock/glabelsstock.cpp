// SPDX-License-Identifier: GPL-3.0-or-later
// gLabels' template XML: lengths with units, paper sizes, one <Template> element, whole templates files, and
// a product turned into a card sheet layout.
#include "stock/glabelsstock.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QXmlStreamReader>

#include <cmath>

namespace qm {

namespace {

constexpr double kPointsPerInch = 72.0;
// The overlap of neighbouring cards taken as rounding in a maker's numbers rather than a real overlap.
constexpr double kOverlapSlack = 0.5;

QString Attribute(const QXmlStreamReader& xml, const char* name)
{
    return xml.attributes().value(QLatin1String(name)).toString().trimmed();
}

// A length attribute in points; false with *error naming the attribute when it is missing or unreadable.
bool LengthAttribute(const QXmlStreamReader& xml, const char* name, double* points, QString* error,
                     bool required = true)
{
    const QString text = Attribute(xml, name);
    if (text.isEmpty() && !required) {
        *points = 0;
        return true;
    }
    if (ParseStockLength(text, points))
        return true;
    // An attribute given without its number (x0="", round="in"), as a few of gLabels' own templates have
    // it: gLabels reads it as 0, and so do we.
    if (xml.attributes().hasAttribute(QLatin1String(name)) &&
        (text.isEmpty() || ParseStockLength(QStringLiteral("0") + text, points))) {
        *points = 0;
        return true;
    }
    if (text.isEmpty())
        //: %1 is an element of the XML file, %2 one of its attributes
        *error = StockFileFormat::tr("%1 has no %2.").arg(xml.name().toString(), QLatin1String(name));
    else
        //: %1 is an element of the XML file, %2 one of its attributes, %3 its value
        *error = StockFileFormat::tr("%1 has a %2 of \"%3\", not a length.")
                     .arg(xml.name().toString(), QLatin1String(name), text);
    return false;
}

bool CountAttribute(const QXmlStreamReader& xml, const char* name, int* count, QString* error)
{
    bool ok = false;
    const QString text = Attribute(xml, name);
    *count = text.toInt(&ok);
    if (ok && *count >= 1 && *count <= 10000)
        return true;
    *error =
        //: Layout is an element of the XML file, %1 one of its attributes, %2 its value
        StockFileFormat::tr("Layout has a %1 of \"%2\", not a count of labels.")
            .arg(QLatin1String(name), text);
    return false;
}

QString MillimetreSize(const QSizeF& points)
{
    const auto mm = [](double pt) { return QLocale().toString(pt / kPointsPerInch * kMMPerInch, 'f', 0); };
    //: a paper's width and height
    return StockFileFormat::tr("%1 x %2 mm").arg(mm(points.width()), mm(points.height()));
}

// The grids of a <Label-rectangle>, up to its end element.
bool ReadGrids(QXmlStreamReader& xml, StockEntry& entry, QString* error)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Layout")) {
            StockGrid g;
            if (!CountAttribute(xml, "nx", &g.Across, error) || !CountAttribute(xml, "ny", &g.Down, error) ||
                !LengthAttribute(xml, "x0", &g.X0, error) || !LengthAttribute(xml, "y0", &g.Y0, error) ||
                !LengthAttribute(xml, "dx", &g.DX, error, g.Across > 1) ||
                !LengthAttribute(xml, "dy", &g.DY, error, g.Down > 1))
                return false;
            entry.Grids.append(g);
        }
        xml.skipCurrentElement();
    }
    return !xml.hasError();
}

} // namespace

bool ParseStockLength(const QString& text, double* points)
{
    static const struct
    {
        const char* unit;
        double points;
    } kUnits[] = {{"pt", 1.0},
                  {"in", kPointsPerInch},
                  {"mm", kPointsPerInch / kMMPerInch},
                  {"cm", 10 * kPointsPerInch / kMMPerInch},
                  {"pc", 12.0}};
    const QString t = text.trimmed();
    double scale = 1.0;
    QStringView number(t);
    for (const auto& u : kUnits) {
        if (t.endsWith(QLatin1String(u.unit))) {
            scale = u.points;
            number.chop(2);
            break;
        }
    }
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return false;
    *points = value * scale;
    return true;
}

// ---- Paper sizes ----

StockPapers::StockPapers()
{
    Add({QStringLiteral("A4"), QStringLiteral("A4"),
         QSizeF(210 * kPointsPerInch / kMMPerInch, 297 * kPointsPerInch / kMMPerInch)});
    Add({QStringLiteral("US-Letter"), QStringLiteral("US Letter"),
         QSizeF(8.5 * kPointsPerInch, 11 * kPointsPerInch)});
}

void StockPapers::Add(const StockPaper& paper)
{
    const auto found = mIndex.constFind(paper.Id);
    if (found != mIndex.constEnd()) {
        mPapers[*found] = paper;
        return;
    }
    mIndex.insert(paper.Id, int(mPapers.size()));
    mPapers.append(paper);
}

const StockPaper* StockPapers::Find(const QString& id) const
{
    const auto found = mIndex.constFind(id);
    return found == mIndex.constEnd() ? nullptr : &mPapers[*found];
}

bool StockPapers::ReadFile(const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!OpenRegularFile(file, QStringLiteral("paper sizes file"), error))
        return false;
    QXmlStreamReader xml(&file);
    QList<StockPaper> read;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-paper-sizes")) {
        *error = StockFileFormat::tr("The file %1 holds no gLabels paper sizes.").arg(name);
        return false;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Paper-size")) {
            StockPaper p;
            p.Id = Attribute(xml, "id");
            p.Name = Attribute(xml, "_name");
            if (p.Name.isEmpty())
                p.Name = Attribute(xml, "name");
            double w = 0, h = 0;
            QString why;
            if (p.Id.isEmpty() || !LengthAttribute(xml, "width", &w, &why) ||
                !LengthAttribute(xml, "height", &h, &why)) {
                *error = StockFileFormat::tr("The file %1 has a paper size that cannot be read (line %2).")
                             .arg(name)
                             .arg(xml.lineNumber());
                return false;
            }
            p.Size = QSizeF(w, h);
            read.append(p);
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        *error = StockFileFormat::tr("The file %1 is not whole or not XML (line %2: %3).")
                     .arg(name)
                     .arg(xml.lineNumber())
                     .arg(xml.errorString());
        return false;
    }
    for (const StockPaper& p : read)
        Add(p);
    return true;
}

// ---- Products ----

int StockEntry::CardCount() const
{
    int count = 0;
    for (const StockGrid& g : Grids)
        count += g.Across * g.Down;
    return count;
}

StockEntry StockEntry::AsEquivalent(const QString& part) const
{
    StockEntry copy = *this;
    copy.Part = part;
    copy.EquivalentOf = Part;
    copy.Equivalents.clear();
    return copy;
}

StockTemplate ReadStockTemplate(QXmlStreamReader& xml, const StockPapers& papers)
{
    StockTemplate result;
    StockEntry& e = result.entry;
    e.Brand = Attribute(xml, "brand");
    e.Part = Attribute(xml, "part");
    if (e.Brand.isEmpty() && e.Part.isEmpty()) {
        // The older form: name="Avery 5371".
        const QString name = Attribute(xml, "name");
        const qsizetype space = name.indexOf(QLatin1Char(' '));
        e.Brand = space < 0 ? QString() : name.left(space);
        e.Part = space < 0 ? name : name.mid(space + 1).trimmed();
    }
    e.Description = Attribute(xml, "_description");
    if (e.Description.isEmpty())
        e.Description = Attribute(xml, "description");
    const QString equivalent = Attribute(xml, "equiv");
    const QString size = Attribute(xml, "size");

    // A template found wrong is passed over to its end, wherever inside it the reader stands.
    const auto bad = [&](const QString& why) {
        result.kind = StockTemplate::Kind::Bad;
        //: %1 is the maker and part of a card stock, %2 what is wrong with it
        result.error = StockFileFormat::tr("The template %1: %2").arg(e.Name().trimmed(), why);
        if (xml.isStartElement() && xml.name() == QLatin1String("Template")) {
            xml.skipCurrentElement();
        } else {
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == QLatin1String("Template"))) {
            }
        }
        return result;
    };
    if (e.Part.isEmpty())
        return bad(StockFileFormat::tr("it has no part number."));
    if (!equivalent.isEmpty()) {
        e.EquivalentOf = equivalent;
        result.kind = StockTemplate::Kind::Equivalent;
        xml.skipCurrentElement();
        return result;
    }

    QString why;
    e.PaperId = size;
    if (size.compare(QLatin1String("Other"), Qt::CaseInsensitive) == 0) {
        double w = 0, h = 0;
        if (!LengthAttribute(xml, "width", &w, &why) || !LengthAttribute(xml, "height", &h, &why))
            return bad(why);
        e.PaperSize = QSizeF(w, h);
        e.PaperName = MillimetreSize(e.PaperSize);
    } else if (const StockPaper* paper = papers.Find(size)) {
        e.PaperSize = paper->Size;
        e.PaperName = paper->Name;
    } else if (size.compare(QLatin1String("roll"), Qt::CaseInsensitive) == 0) {
        result.kind = StockTemplate::Kind::NotRectangular; // labels on a roll: no sheets to print on
        xml.skipCurrentElement();
        return result;
    } else {
        return bad(StockFileFormat::tr("its paper \"%1\" is not known.").arg(size));
    }

    bool rectangle = false, otherShape = false;
    while (xml.readNextStartElement()) {
        const QStringView tag = xml.name();
        if (tag == QLatin1String("Meta")) {
            const QString category = Attribute(xml, "category");
            if (!category.isEmpty())
                e.Categories << category;
            xml.skipCurrentElement();
        } else if (tag == QLatin1String("Label-rectangle") && !rectangle && !otherShape) {
            rectangle = true;
            if (!LengthAttribute(xml, "width", &e.Width, &why) ||
                !LengthAttribute(xml, "height", &e.Height, &why) ||
                !LengthAttribute(xml, "round", &e.Round, &why, false))
                return bad(why);
            if (e.Width <= 0 || e.Height <= 0)
                return bad(StockFileFormat::tr("its labels have no size."));
            if (!ReadGrids(xml, e, &why))
                return bad(why.isEmpty() ? xml.errorString() : why);
        } else {
            if (tag.startsWith(QLatin1String("Label-")))
                otherShape = true;
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        result.kind = StockTemplate::Kind::Bad;
        result.error = StockFileFormat::tr("The template %1: %2").arg(e.Name().trimmed(), xml.errorString());
        return result;
    }
    if (!rectangle) {
        result.kind = StockTemplate::Kind::NotRectangular;
        return result;
    }
    if (e.Grids.isEmpty()) {
        result.kind = StockTemplate::Kind::Bad;
        result.error = StockFileFormat::tr("The template %1: %2")
                           .arg(e.Name().trimmed(), StockFileFormat::tr("it places no labels on the sheet."));
        return result;
    }
    result.kind = StockTemplate::Kind::Entry;
    return result;
}

// ---- To a card sheet layout ----

StockPaper LayoutPaper(int paperCode)
{
    static const StockPapers known;
    return *known.Find(paperCode == kPaperA4 ? QStringLiteral("A4") : QStringLiteral("US-Letter"));
}

QString StockToLayout(const StockEntry& entry, const CardSheetLayout& base, CardSheetLayout* layout)
{
    const QString name = entry.Name();
    // The paper: Letter or A4 by id, or "Other" paper of either size to within a point.
    int paper = 0;
    for (int code : {kPaperLetter, kPaperA4}) {
        const StockPaper known = LayoutPaper(code);
        if (entry.PaperId == known.Id || (std::abs(entry.PaperSize.width() - known.Size.width()) < 1 &&
                                          std::abs(entry.PaperSize.height() - known.Size.height()) < 1))
            paper = code;
    }
    if (paper == 0)
        return StockFileFormat::tr("%1 is on %2 paper; Quillmark prints on Letter and A4 paper only.")
            .arg(name, entry.PaperName);
    if (entry.Grids.size() != 1)
        return StockFileFormat::tr("%1 has its cards in %2 groups of different spacing; Quillmark prints one "
                                   "group of evenly spaced cards a sheet.")
            .arg(name, QLocale().toString(entry.Grids.size()));
    const StockGrid& g = entry.Grids.front();
    if (g.Across > kMaxAcross || g.Down > kMaxDown)
        return StockFileFormat::tr(
                   "%1 has %2 x %3 labels a sheet; a sheet holds at most %4 across and %5 down.")
            .arg(name, QLocale().toString(g.Across), QLocale().toString(g.Down),
                 QLocale().toString(kMaxAcross), QLocale().toString(kMaxDown));
    double width = entry.Width, height = entry.Height;
    double dx = g.Across > 1 ? g.DX : width, dy = g.Down > 1 ? g.DY : height;
    if (dx < width && dx >= width - kOverlapSlack)
        width = dx;
    if (dy < height && dy >= height - kOverlapSlack)
        height = dy;
    if (dx < width || dy < height)
        return StockFileFormat::tr("%1 has overlapping labels, which Quillmark cannot print.").arg(name);

    CardSheetLayout l = base;
    const auto inches = [](double points) { return float(points / kPointsPerInch); };
    l.Width = inches(width);
    l.Height = inches(height);
    l.Across = g.Across;
    l.Down = g.Down;
    l.LeftMargin = inches(g.X0);
    l.TopMargin = inches(g.Y0);
    l.HPitch = inches(dx);
    l.VPitch = inches(dy);
    l.Papersize = paper;
    const QString problem = CardLayoutProblem(l);
    if (!problem.isEmpty())
        return QStringLiteral("%1: %2").arg(name, problem);
    *layout = l;
    return QString();
}

// ---- Templates files ----

bool StockFileFormat::CanRead(const QByteArray& head) const
{
    return head.contains("<Glabels-templates");
}

bool StockFileFormat::Read(const QString& path, std::vector<StockEntry>& into)
{
    mError.clear();
    QByteArray bytes;
    if (!ReadFileBytes(path, kMaxBytes, &bytes))
        return false;
    if (!ReadBytes(bytes, QFileInfo(path).fileName(), into))
        return false;
    return true;
}

bool StockFileFormat::ReadBytes(const QByteArray& bytes, const QString& name, std::vector<StockEntry>& into)
{
    mError.clear();
    mWarnings.clear();
    mOtherShapesOnly = false;
    bool otherShapes = false;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates"))
        return Fail(tr("The file %1 holds no gLabels card stock.").arg(name));
    std::vector<StockEntry> read;
    QString firstLeftOut; // why the first template passed over was
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Template")) {
            xml.skipCurrentElement();
            continue;
        }
        StockTemplate t = ReadStockTemplate(xml, mPapers);
        if (t.kind == StockTemplate::Kind::Bad && !xml.hasError()) {
            //: %1 says what is wrong with a card stock of the file
            const QString leftOut = tr("%1 It is left out.").arg(t.error);
            if (firstLeftOut.isEmpty())
                firstLeftOut = leftOut;
            //: %1 is a file, %2 a line number, %3 what was passed over and why
            mWarnings << tr("%1, line %2: %3").arg(name, QString::number(xml.lineNumber()), leftOut);
        }
        otherShapes = otherShapes || t.kind == StockTemplate::Kind::NotRectangular;
        if (t.kind == StockTemplate::Kind::Entry || t.kind == StockTemplate::Kind::Equivalent) {
            t.entry.Source = name;
            read.push_back(std::move(t.entry));
        }
    }
    if (xml.hasError())
        return Fail(tr("The file %1 is not whole or not XML (line %2: %3).")
                        .arg(name)
                        .arg(xml.lineNumber())
                        .arg(xml.errorString()));
    if (read.empty() && !mWarnings.isEmpty())
        return Fail(tr("The file %1 holds no sheet that can be read. %2").arg(name, firstLeftOut));
    mOtherShapesOnly = read.empty() && otherShapes;
    if (read.empty())
        return Fail(tr("The file %1 holds no sheets of rectangular labels or cards.").arg(name));
    into.insert(into.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

} // namespace qm

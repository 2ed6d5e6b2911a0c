// SPDX-License-Identifier: GPL-3.0-or-later
// CardTemplate: card description files (templates): the labels, card shapes, lines, logo and card data.
#include "objects/templatefile.h"

#include <QDir>
#include <QFileInfo>

#include "design/cardpanel.h"
#include "model/mergerecord.h"
#include "stream/identifiers.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/text/personallabel.h"
#include "platform/atomicfile.h"
#include "platform/paths.h"
#include "platform/profile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <memory>

namespace qm {

namespace {

// The card's unit: 96 per inch, whatever the monitor.
constexpr int kPixelsPerInch = 96;
// Values beyond these are taken for damage and read as the default.
constexpr int kMaxCoordinate = 32767;
constexpr int kMaxDepth = 255;
constexpr int kMaxPenWidth = 100;
constexpr int kMaxFontSize = 1000;

const QString kCardData = QStringLiteral("Card Data");
const QString kLogo = QStringLiteral("Logo");
// Any other object: "Object1", "Object2"..., its class in "Type" and its whole record of the card object
// stream in "Data" (base 64), so that every kind comes back exactly as it was.
const QString kObject = QStringLiteral("Object%1");
const QString kData = QStringLiteral("Data");
// The most "Object" sections read, and the largest record one may hold (decoded).
constexpr int kMaxObjectSections = 60;
constexpr int kMaxObjectBytes = 1 << 20;
// The smallest size, in points, a personal detail is made to show whole at.
constexpr int kSmallestDetailSize = 6;
// An object's place in the card's stack, 0 at the bottom. Files without it are read kind by kind.
const QString kStack = QStringLiteral("Stack");

// Captions (trimmed, lower case) of labels written under a personal section, by section.
const struct
{
    const char* shortCaption;
    const char* longCaption;
} kPersonalCaptions[TKBusinessCardPanel32::kPersonalCount] = {
    {"name", "your own name"},
    {"company", "your business name"},
    {"title", "title or qualifications"},
    {"address1", "address line one"},
    {"address2", "address line two"},
    {"address3", "address line three"},
    {"phone1", "phone one"},
    {"phone2", "phone two"},
    {"email", "email address"},
    {"fax", "fax number"},
};

// Blanks and control characters off both ends.
QString TrimControls(const QString& s);

// Whether a stored caption of a personal section only stands for its field: blank, "<blank>", "<Fax>", or
// a caption that names the field ("Fax Number", "fax", "{Fax}").
bool NamesField(const QString& caption, int field)
{
    const QString key = TrimControls(caption);
    return key.isEmpty() || key == QLatin1String("<blank>") ||
           key.compare(QLatin1Char('<') + QLatin1String(TKBusinessCardPanel32::kPersonalSections[field]) +
                           QLatin1Char('>'),
                       Qt::CaseInsensitive) == 0 ||
           CardTemplate::PersonalFieldOfCaption(key) == field;
}

// Blanks and control characters off both ends.
QString TrimControls(const QString& s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && s[first].unicode() <= ' ')
        ++first;
    while (last > first && s[last - 1].unicode() <= ' ')
        --last;
    return s.mid(first, last - first);
}

int ReadRanged(const ProfileFile& ini, const QString& section, const QString& key, int defaultValue, int min,
               int max)
{
    const int value = ini.ReadInteger(section, key, defaultValue);
    return value >= min && value <= max ? value : defaultValue;
}

TColor ReadColor(const ProfileFile& ini, const QString& section, const QString& key, TColor defaultValue)
{
    TColor color = defaultValue;
    if (!CardTemplate::StringToColor(ini.ReadString(section, key), &color))
        return defaultValue;
    return color;
}

void WriteColor(ProfileFile& ini, const QString& section, const QString& key, TColor color)
{
    ini.WriteString(section, key, CardTemplate::ColorToString(color));
}

// The box of a numbered or named object; false when the section has no width (absent or empty).
bool ReadBounds(const ProfileFile& ini, const QString& section, QRect* rect)
{
    const auto coordinate = [&](const char* key) {
        return ReadRanged(ini, section, QLatin1String(key), 0, -kMaxCoordinate, kMaxCoordinate);
    };
    const int width = coordinate("Width");
    if (width == 0)
        return false;
    *rect = QRect(coordinate("Left"), coordinate("Top"), width, coordinate("Height"));
    return true;
}

void WriteBounds(ProfileFile& ini, const QString& section, const TKGraphicControl& object)
{
    ini.WriteInteger(section, QStringLiteral("Left"), object.Left());
    ini.WriteInteger(section, QStringLiteral("Top"), object.Top());
    ini.WriteInteger(section, QStringLiteral("Width"), object.Width());
    ini.WriteInteger(section, QStringLiteral("Height"), object.Height());
}

QString FontStyleText(const TKFont& font)
{
    QStringList members;
    if (font.HasStyle(fsBold))
        members << QStringLiteral("fsBold");
    if (font.HasStyle(fsItalic))
        members << QStringLiteral("fsItalic");
    if (font.HasStyle(fsUnderline))
        members << QStringLiteral("fsUnderline");
    return QLatin1Char('[') + members.join(QLatin1Char(',')) + QLatin1Char(']');
}

TFontStyles FontStyleFromText(const QString& text)
{
    TFontStyles style = 0;
    if (text.contains(QLatin1String("fsBold")))
        style |= 1u << fsBold;
    if (text.contains(QLatin1String("fsItalic")))
        style |= 1u << fsItalic;
    if (text.contains(QLatin1String("fsUnderline")))
        style |= 1u << fsUnderline;
    return style;
}

void WriteLabel(ProfileFile& ini, const QString& s, TKBusinessCardLabel& label)
{
    ini.WriteString(s, QStringLiteral("Type"), QStringLiteral("psLabel"));
    // A personal field's placeholder is written as the sample the field shows while empty ("Fax Number"),
    // as description files have always stored it.
    const QString typed = label.Caption().trimmed();
    int field = -1;
    if (typed.size() > 2 && typed.startsWith(QLatin1Char('{')) && typed.endsWith(QLatin1Char('}')))
        field = PersonalFieldOfName(QStringView(typed).mid(1, typed.size() - 2).trimmed());
    ini.WriteString(s, QStringLiteral("Caption"), field >= 0 ? PersonalSample(field) : label.Caption());
    WriteBounds(ini, s, label);
    const TKFont& font = label.Font();
    ini.WriteString(s, QStringLiteral("Font Name"), font.Name());
    ini.WriteInteger(s, QStringLiteral("Font Size"), font.Size());
    WriteColor(ini, s, QStringLiteral("Font Color"), font.Color());
    ini.WriteString(s, QStringLiteral("Font Style"), FontStyleText(font));
    ini.WriteInteger(s, QStringLiteral("Alignment"), int(label.Alignment()));
    ini.WriteInteger(s, QStringLiteral("Highlight Depth"), label.DepthHighlight());
    ini.WriteInteger(s, QStringLiteral("Shadow Depth"), label.DepthShadow());
    ini.WriteInteger(s, QStringLiteral("Highlight Direction"), int(label.DirectionHighlight()));
    ini.WriteInteger(s, QStringLiteral("Shadow Direction"), int(label.DirectionShadow()));
    WriteColor(ini, s, QStringLiteral("Highlight Color"), label.ColorHighlight());
    WriteColor(ini, s, QStringLiteral("Shadow Color"), label.ColorShadow());
    ini.WriteInteger(s, QStringLiteral("Angle"), label.Angle());
    ini.WriteBool(s, QStringLiteral("Transparent"), label.Transparent());
    WriteColor(ini, s, QStringLiteral("Background Color"), label.BackColor());
    ini.WriteInteger(s, QStringLiteral("Border Style"), int(label.BorderStyle()));
    // Written only when on: a template without it reads as it always did.
    if (label.ShrinkToFit())
        ini.WriteBool(s, QStringLiteral("Shrink To Fit"), true);
}

void WriteShape(ProfileFile& ini, const QString& s, TBCShapes& shape)
{
    const QString type = shape.IsRectangleFigure()   ? QStringLiteral("stRectangle")
                         : shape.IsRoundRectFigure() ? QStringLiteral("stRoundRect")
                                                     : QStringLiteral("stEllipse");
    ini.WriteString(s, QStringLiteral("Type"), type);
    WriteBounds(ini, s, shape);
    ini.WriteBool(s, QStringLiteral("Transparent"), shape.Transparent());
    ini.WriteInteger(s, QStringLiteral("Round Percent"), shape.RoundPerc());
    ini.WriteInteger(s, QStringLiteral("Shape"), int(shape.Shape()));
    ini.WriteInteger(s, QStringLiteral("Brush Style"), int(shape.Brush().Style()));
    WriteColor(ini, s, QStringLiteral("Brush Color"), shape.Brush().Color());
    WriteColor(ini, s, QStringLiteral("Pen Color"), shape.Pen().Color());
    ini.WriteInteger(s, QStringLiteral("Pen Width"), shape.Pen().Width());
}

void WriteLine(ProfileFile& ini, const QString& s, TKLineShape& line)
{
    ini.WriteString(s, QStringLiteral("Type"), QStringLiteral("psLine"));
    WriteBounds(ini, s, line);
    ini.WriteInteger(s, QStringLiteral("Line Style"), int(line.LineStyle()));
    WriteColor(ini, s, QStringLiteral("Pen Color"), line.Pen().Color());
    ini.WriteInteger(s, QStringLiteral("Pen Width"), line.Pen().Width());
}

// The object as a one-object card object stream, its name left out: names are given afresh when it is read.
QByteArray ObjectRecord(const TKGraphicControl& object)
{
    QByteArray bytes = WriteObjectsToBytes({&object});
    // List tag, "TPF0", class name and name as short strings.
    const int classLength = quint8(bytes.at(5));
    const int nameAt = 6 + classLength;
    bytes.remove(nameAt + 1, quint8(bytes.at(nameAt)));
    bytes[nameAt] = '\0';
    return bytes;
}

// A picture frame that stands for the user's logo: empty, or holding the stand-in a "Logo" section gives.
bool IsLogoStandIn(const TKImage& image)
{
    const StoredPicture& picture = image.Picture();
    if (!picture.HasGraphic())
        return true;
    if (picture.GraphicClass() != "TBitmap" || image.Width() != image.Height())
        return false;
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    CardTemplate::PlaceholderLogo(image.Width()).save(&buffer, "BMP");
    return picture.GraphicBytes() == bmp;
}

} // namespace

namespace {

// Keeps the panel from painting while a description is read; lets it paint again however the reading ends.
class ReadGuard
{
public:
    explicit ReadGuard(TKBusinessCardPanel32& panel) : mPanel(panel), mView(panel.View())
    {
        mPanel.SetView(nullptr);
        mPanel.SetReadingDescription(true);
    }
    ~ReadGuard()
    {
        mPanel.SetReadingDescription(false);
        mPanel.SetView(mView);
        mPanel.InvalidatePanel();
    }
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

private:
    TKBusinessCardPanel32& mPanel;
    PanelView* mView;
};

} // namespace

QString CardTemplate::ColorToString(TColor color)
{
    QByteArray ident;
    if (ColorToIdent(qint64(quint32(color)), &ident))
        return QString::fromLatin1(ident);
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

bool CardTemplate::StringToColor(const QString& text, TColor* color)
{
    const QString t = TrimControls(text);
    if (t.isEmpty())
        return false;
    qint64 named = 0;
    if (IdentToColor(t.toLatin1(), &named)) {
        *color = TColor(quint32(named));
        return true;
    }
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$')))
        value = qint64(t.mid(1).toUInt(&ok, 16));
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = qint64(t.mid(2).toUInt(&ok, 16));
    else
        value = t.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<quint32>::max())
        return false;
    *color = TColor(quint32(value));
    return true;
}

QString CardTemplate::PersonalSectionForCaption(const QString& caption)
{
    const int field = PersonalFieldOfCaption(caption);
    return field < 0 ? QString() : QString::fromLatin1(TKBusinessCardPanel32::kPersonalSections[field]);
}

int CardTemplate::PersonalFieldOfCaption(const QString& caption)
{
    const QString key = TrimControls(caption).toLower();
    for (int i = 0; i < TKBusinessCardPanel32::kPersonalCount; ++i) {
        if (key == QLatin1String(kPersonalCaptions[i].shortCaption) ||
            key == QLatin1String(kPersonalCaptions[i].longCaption) || key == PersonalPlaceholder(i).toLower())
            return i;
    }
    return -1;
}

QString CardTemplate::BackPath(const QString& templatePath)
{
    const QFileInfo info(templatePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".back.qmk"));
}

QString CardTemplate::BackgroundArtPath(const QString& backgroundName)
{
    const QString name = FileNameOnly(TrimControls(backgroundName));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return ProgramFile(QStringLiteral("bg/") + name);
}

QImage CardTemplate::PlaceholderLogo(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRect(0, 0, size - 1, size - 1));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(MulDiv(10, kPixelsPerInch, 72));
    painter.setFont(font);
    // Text positions are the top of the line, as the words were first placed.
    const int ascent = QFontMetrics(font).ascent();
    painter.drawText(5, size / 5 + ascent, QStringLiteral("YOUR"));
    painter.drawText(5, size / 2 + ascent, QStringLiteral("LOGO"));
    return image;
}

bool CardTemplate::Write(TKBusinessCardPanel32& panel, const QString& fileName, const QString& backgroundFile,
                          QString* error)
{
    // A new file every time, built aside and put in place whole so that a failed write keeps the old one.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = QCoreApplication::translate("qm::CardTemplate", "%1: no room for a temporary file")
                         .arg(fileName);
        return false;
    }
    const QString scratchFile = scratch.filePath(QStringLiteral("description.qmkt"));

    ProfileFile ini(scratchFile);
    int labels = 0, shapes = 0, lines = 0, others = 0;
    bool logo = false;
    // A second label with the same personal caption goes to "Name2", "Name3"... rather than over the first.
    QHash<QString, int> personalUses;
    for (int i = panel.CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = panel.CardObjects().At(i);
        QString section;
        if (auto* label = dynamic_cast<TKBusinessCardLabel*>(object)) {
            section = PersonalSectionForCaption(label->Caption());
            if (!section.isEmpty()) {
                const int use = ++personalUses[section];
                if (use > kMaxNumberedSections)
                    section.clear();
                else if (use > 1)
                    section += QString::number(use);
            }
            if (section.isEmpty())
                section = QStringLiteral("Label%1").arg(++labels);
            WriteLabel(ini, section, *label);
        } else if (auto* shape = dynamic_cast<TBCShapes*>(object)) {
            section = QStringLiteral("Shape%1").arg(++shapes);
            WriteShape(ini, section, *shape);
        } else if (auto* line = dynamic_cast<TKLineShape*>(object)) {
            section = QStringLiteral("Line%1").arg(++lines);
            WriteLine(ini, section, *line);
        } else if (auto* image = dynamic_cast<TKImage*>(object); image && !logo && IsLogoStandIn(*image)) {
            section = kLogo;
            logo = true;
            ini.WriteString(kLogo, QStringLiteral("Type"), QStringLiteral("psImage"));
            WriteBounds(ini, kLogo, *object);
        } else {
            section = kObject.arg(++others);
            ini.WriteString(section, QStringLiteral("Type"), QString::fromLatin1(object->ClassName()));
            ini.WriteString(section, kData, QString::fromLatin1(ObjectRecord(*object).toBase64()));
        }
        // The object's place in the stack, 0 at the bottom, so that reading restores the order among kinds.
        if (!section.isEmpty())
            ini.WriteInteger(section, kStack, i);
    }
    ini.WriteBool(kCardData, QStringLiteral("Portrait Mode"), panel.Card().Portrait());
    ini.WriteString(kCardData, QStringLiteral("Background File"), FileNameOnly(backgroundFile));
    if (!ini.Save(error))
        return false;

    QFile written(scratchFile);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            //: A file name, then why it could not be written.
            *error = QCoreApplication::translate("qm::CardTemplate", "%1: %2")
                         .arg(scratchFile, written.errorString());
        return false;
    }
    return WriteFileAtomic(fileName, written.readAll(), error);
}

namespace {

void NoteStack(const ProfileFile& ini, const QString& section, TKGraphicControl* object,
               CardTemplate::TStack& stack)
{
    stack.push_back({object, ini.ReadInteger(section, kStack, -1)});
}

// Puts the objects read in the order their "Stack" keys give, when every one of them has one.
void RestoreStacking(TKBusinessCardPanel32& panel, CardTemplate::TStack& stack)
{
    for (const auto& entry : stack)
        if (entry.second < 0)
            return;
    std::stable_sort(stack.begin(), stack.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& entry : stack)
        panel.CardObjects().BringToFront(entry.first);
}

} // namespace

QString CardTemplate::Read(TKBusinessCardPanel32& panel, const QString& fileName)
{
    const ReadGuard guard(panel);
    // A file that cannot be read reads as empty sections.
    const ProfileFile ini(fileName);
    TStack stack;
    ReadShapes(panel, ini, stack);
    ReadLines(panel, ini, stack);
    ReadLabels(panel, ini, stack);
    ReadLogo(panel, ini, stack);
    ReadObjects(panel, ini, stack);
    RestoreStacking(panel, stack);
    panel.Card().SetPortrait(ini.ReadBool(kCardData, QStringLiteral("Portrait Mode"), false));
    return FileNameOnly(ini.ReadString(kCardData, QStringLiteral("Background File")));
}

void CardTemplate::ReadShapes(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack)
{
    for (int n = 1; n <= kMaxNumberedSections; ++n) {
        const QString s = QStringLiteral("Shape%1").arg(n);
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TBCShapes>();
        created->Loaded();
        auto* shape = static_cast<TBCShapes*>(panel.PlaceObject(std::move(created), rect));
        NoteStack(ini, s, shape, stack);
        shape->SetShape(
            TShapeType(ReadRanged(ini, s, QStringLiteral("Shape"), stRectangle, stRectangle, stCircle)));
        shape->SetRoundPerc(ReadRanged(ini, s, QStringLiteral("Round Percent"), shape->RoundPerc(), 0, 100));
        // Transparency sets the brush style; the stored style comes after it and has the last word.
        shape->SetTransparent(ini.ReadBool(s, QStringLiteral("Transparent"), true));
        shape->Brush().SetColor(ReadColor(ini, s, QStringLiteral("Brush Color"), clWhite));
        shape->Pen().SetColor(ReadColor(ini, s, QStringLiteral("Pen Color"), clBlack));
        shape->Pen().SetWidth(ReadRanged(ini, s, QStringLiteral("Pen Width"), 1, 0, kMaxPenWidth));
        shape->Brush().SetStyle(
            TBrushStyle(ReadRanged(ini, s, QStringLiteral("Brush Style"), bsClear, bsSolid, bsDiagCross)));
    }
}

void CardTemplate::ReadLines(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack)
{
    for (int n = 1; n <= kMaxNumberedSections; ++n) {
        const QString s = QStringLiteral("Line%1").arg(n);
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TKLineShape>();
        created->Loaded();
        auto* line = static_cast<TKLineShape*>(panel.PlaceObject(std::move(created), rect));
        NoteStack(ini, s, line, stack);
        line->Pen().SetColor(ReadColor(ini, s, QStringLiteral("Pen Color"), clBlack));
        line->Pen().SetWidth(ReadRanged(ini, s, QStringLiteral("Pen Width"), 1, 0, kMaxPenWidth));
        line->SetLineStyle(TLineStyle(ReadRanged(ini, s, QStringLiteral("Line Style"), stHorizontal,
                                                 stHorizontal, stAngleSlopingDown)));
    }
}

void CardTemplate::ReadLabels(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack)
{
    struct Source
    {
        QString section;
        int field; // the personal field; -1 for a free label
    };
    std::vector<Source> sources;
    for (int i = 0; i < TKBusinessCardPanel32::kPersonalCount; ++i) {
        const QString section = QString::fromLatin1(TKBusinessCardPanel32::kPersonalSections[i]);
        sources.push_back({section, i});
        // Further labels with the same personal caption: "Name2", "Name3"...
        for (int n = 2; n <= kMaxNumberedSections; ++n)
            sources.push_back({section + QString::number(n), i});
    }
    for (int n = 1; n <= kMaxNumberedSections; ++n)
        sources.push_back({QStringLiteral("Label%1").arg(n), -1});

    for (const Source& source : sources) {
        const QString& s = source.section;
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TKBusinessCardLabel>();
        created->SetCaption(QString());
        created->Loaded();
        auto* label = static_cast<TKBusinessCardLabel*>(panel.PlaceObject(std::move(created), rect));
        NoteStack(ini, s, label, stack);

        // The user's own value beats the stored caption. A personal field the user left empty becomes the
        // field's placeholder ("{Fax}"), which prints nothing while the field is empty and shows its sample
        // ("Fax Number") on the design panel; so does a stored caption that only names the field ("Fax
        // Number", "fax", "<Fax>", blank). Any other stored caption is the designer's text and stays.
        const QString personal = source.field >= 0 ? panel.PersonalStrings().value(source.field) : QString();
        QString caption = personal;
        if (TrimControls(caption).isEmpty())
            caption = ini.ReadString(s, QStringLiteral("Caption"), QStringLiteral("<blank>"));
        if (source.field >= 0 && TrimControls(personal).isEmpty() && NamesField(caption, source.field))
            caption = PersonalPlaceholder(source.field);
        label->SetCaption(caption);

        TKFont& font = label->Font();
        font.SetSize(ReadRanged(ini, s, QStringLiteral("Font Size"), 10, 1, kMaxFontSize));
        QString face = TrimControls(ini.ReadString(s, QStringLiteral("Font Name"), QStringLiteral("Arial")));
        font.SetName(face.isEmpty() ? QStringLiteral("Arial") : face.left(255));
        font.SetColor(ReadColor(ini, s, QStringLiteral("Font Color"), clBlack));
        font.SetStyle(FontStyleFromText(ini.ReadString(s, QStringLiteral("Font Style"))));
        label->SetAlignment(TAlignment(
            ReadRanged(ini, s, QStringLiteral("Alignment"), taLeftJustify, taLeftJustify, taCenter)));
        label->SetDepthHighlight(ReadRanged(ini, s, QStringLiteral("Highlight Depth"), 0, 0, kMaxDepth));
        label->SetDepthShadow(ReadRanged(ini, s, QStringLiteral("Shadow Depth"), 0, 0, kMaxDepth));
        label->SetDirectionHighlight(THighlightDirection(
            ReadRanged(ini, s, QStringLiteral("Highlight Direction"), hdUpLeft, hdNone, hdUp)));
        label->SetDirectionShadow(TShadowDirection(
            ReadRanged(ini, s, QStringLiteral("Shadow Direction"), sdDownLeft, sdNone, sdDown)));
        label->SetColorHighlight(ReadColor(ini, s, QStringLiteral("Highlight Color"), clWhite));
        label->SetColorShadow(ReadColor(ini, s, QStringLiteral("Shadow Color"), clGray));
        label->SetAngle(ini.ReadInteger(s, QStringLiteral("Angle"), 0));
        label->SetTransparent(ini.ReadBool(s, QStringLiteral("Transparent"), true));
        label->SetBackColor(ReadColor(ini, s, QStringLiteral("Background Color"), clWhite));
        label->SetBorderStyle(
            TBorderStyle(ReadRanged(ini, s, QStringLiteral("Border Style"), bsNone, bsNone, bsSingle)));
        label->SetShrinkToFit(ini.ReadBool(s, QStringLiteral("Shrink To Fit"), false));
        // A detail of the user's longer than the designer allowed for is made smaller until it shows whole.
        if (!TrimControls(personal).isEmpty())
            label->ShrinkFontUntilWhole(std::min(kSmallestDetailSize, label->Font().Size()));
    }
}

void CardTemplate::ReadLogo(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack)
{
    QRect rect;
    if (!ReadBounds(ini, kLogo, &rect))
        return;
    // The stored size is not used: the stand-in picture is half an inch square.
    const int size = kPixelsPerInch / 2;
    auto created = std::make_unique<TKImage>();
    created->Loaded();
    auto* image =
        static_cast<TKImage*>(panel.PlaceObject(std::move(created), QRect(rect.topLeft(), QSize(size, size))));
    NoteStack(ini, kLogo, image, stack);
    image->SetBorderStyle(bsNone);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    PlaceholderLogo(size).save(&buffer, "BMP");
    image->Picture().SetGraphic("TBitmap", bmp);
}

void CardTemplate::ReadObjects(TKBusinessCardPanel32& panel, const ProfileFile& ini, TStack& stack)
{
    for (int n = 1; n <= kMaxObjectSections; ++n) {
        const QString s = kObject.arg(n);
        const QString text = ini.ReadString(s, kData);
        if (text.isEmpty() || text.size() > kMaxObjectBytes / 3 * 4 + 4)
            continue;
        const auto decoded =
            QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            continue;
        // A record that does not read is left out; the rest of the card still comes.
        const ReadResult read = ReadObjectsFromBytes(panel.CardObjects(), *decoded);
        if (!read.ok)
            continue;
        for (TKGraphicControl* object : read.objects)
            NoteStack(ini, s, object, stack);
    }
}

} // namespace qm

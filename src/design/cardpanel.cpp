// TKBusinessCardPanel32: drawing modes, the object factory, the export picture and card description files.
#include "design/cardpanel.h"

#include "files/identifiers.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/line.h"
#include "objects/shapes/supershape.h"
#include "objects/text/personallabel.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/richtext.h"
#include "objects/text/symbollabel.h"
#include "objects/text/supertext.h"
#include "platform/atomicfile.h"
#include "platform/paths.h"
#include "platform/profile.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <limits>
#include <memory>

namespace qm {

const char* const TKBusinessCardPanel32::kPersonalSections[kPersonalCount] = {
    "Name", "Company", "Title", "Address1", "Address2", "Address3", "Phone1", "Phone2", "Email", "Fax",
};

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
    if (!TKBusinessCardPanel32::StringToColor(ini.ReadString(section, key), &color))
        return defaultValue;
    return color;
}

void WriteColor(ProfileFile& ini, const QString& section, const QString& key, TColor color)
{
    ini.WriteString(section, key, TKBusinessCardPanel32::ColorToString(color));
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
    ini.WriteString(s, QStringLiteral("Caption"), label.Caption());
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

} // namespace

// Keeps the panel from painting while a description is read, and brings the zoom to 1.0 for it (description
// coordinates are at 1.0); undoes both however the reading ends.
class TKBusinessCardPanel32::ReadGuard
{
public:
    explicit ReadGuard(TKBusinessCardPanel32& panel) : mPanel(panel), mView(panel.View()), mZoom(panel.Zoom())
    {
        mPanel.SetZoom(1.0f);
        mPanel.SetView(nullptr);
        mPanel.mReadingDescription = true;
    }
    ~ReadGuard()
    {
        mPanel.mReadingDescription = false;
        mPanel.SetView(mView);
        mPanel.SetZoom(mZoom);
        mPanel.InvalidatePanel();
    }
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

private:
    TKBusinessCardPanel32& mPanel;
    TKPanelView* mView;
    float mZoom;
};

TKBusinessCardPanel32::TKBusinessCardPanel32()
{
    SetPersonalStrings({});
    SetZoom(1.0f);
}

void TKBusinessCardPanel32::SetPanelState(TLPanelState state)
{
    if (state == mPanelState)
        return;
    mPanelState = state;
    SetPointing(state == psPointing);
    if (View())
        View()->SetCursorShape(state == psPointing ? TKCursorShape::Default : TKCursorShape::Drag);
}

void TKBusinessCardPanel32::BackToPointer()
{
    if (View())
        View()->SetCursorShape(TKCursorShape::Default);
    SetPanelState(psPointing);
}

void TKBusinessCardPanel32::SetPersonalStrings(const QStringList& values)
{
    mPersonal.clear();
    for (int i = 0; i < kPersonalCount; ++i)
        mPersonal.append(values.value(i));
}

bool TKBusinessCardPanel32::HasSpecialEffects() const
{
    for (const TKGraphicControl* object : CardObjects().Objects()) {
        if (dynamic_cast<const TSuperShape*>(object) || dynamic_cast<const TKSuperText*>(object))
            return true;
    }
    return false;
}

// ---- Creating objects ----

void TKBusinessCardPanel32::CreateObject(const QRect& drawn)
{
    // A click or a thin drag still gives an object one can see and take hold of.
    QRect rect = drawn;
    if (rect.width() < 25)
        rect.setWidth(50);
    if (rect.height() < 15)
        rect.setHeight(15);

    const auto placeNew = [this, &rect](auto object) {
        object->Loaded();
        PlaceObject(std::move(object), rect);
    };
    const auto shape = [&placeNew](TShapeType type) {
        auto object = std::make_unique<TBCShapes>();
        object->SetShape(type);
        placeNew(std::move(object));
    };

    switch (mPanelState) {
    case psPointing:
        return;
    case psLabel: {
        auto label = std::make_unique<TKBusinessCardLabel>();
        // On the panel before its menu is made, so that the menu offers the personal information.
        label->SetHost(this);
        label->Loaded();
        label->SetCaption(QStringLiteral("Text"));
        label->SetFont(Font());
        TKBusinessCardLabel* placed = label.get();
        PlaceObject(std::move(label), rect);
        placed->EditText();
        // The dialog is modal; the label is still there unless something went badly wrong meanwhile.
        if (CardObjects().IndexOf(placed) >= 0)
            placed->AutoGrow();
        return;
    }
    case psSymbolLabel:
        placeNew(std::make_unique<TKSymbolLabel>());
        return;
    case psMultiLineLabel: {
        auto text = std::make_unique<TKMultiLineLabel>();
        text->SetFont(Font());
        placeNew(std::move(text));
        return;
    }
    case psRectangle:
        shape(stRectangle);
        return;
    case psEllipse:
        shape(stEllipse);
        return;
    case psRoundRectangle:
        shape(stRoundRect);
        return;
    case psLine: {
        auto line = std::make_unique<TKLineShape>();
        line->SetLineStyle(stVertical);
        placeNew(std::move(line));
        return;
    }
    // These kinds open their own dialog straight away, so the tool does not stay armed.
    case psImage:
        placeNew(std::make_unique<TKImage>());
        BackToPointer();
        return;
    case psSuperShape:
        placeNew(std::make_unique<TSuperShape>());
        BackToPointer();
        return;
    case psRichLabel:
        placeNew(std::make_unique<TKPRichBaseLabel>());
        BackToPointer();
        return;
    case psSuperText:
        placeNew(std::make_unique<TKSuperText>());
        BackToPointer();
        return;
    case psCircleText:
        placeNew(std::make_unique<TKPCircleText>());
        BackToPointer();
        return;
    }
}

// ---- Export picture and fonts ----

QImage TKBusinessCardPanel32::RenderToBitmap(bool border)
{
    const float zoom = Zoom();
    SetZoom(1.0f);
    QImage image(Width(), Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const QRect card(0, 0, Width(), Height());
        // A background the image readers cannot decode is left out.
        for (TKPicture* picture : {&Picture(), &ColorPicture()}) {
            if (!picture->HasGraphic())
                continue;
            const QImage decoded = QImage::fromData(picture->GraphicBytes());
            if (!decoded.isNull())
                painter.drawImage(card, decoded);
        }
        for (TKGraphicControl* object : CardObjects().Objects()) {
            const QRect box = object->BoundsRect();
            if (box.isEmpty())
                continue;
            // Clipped to its box, as on screen.
            painter.save();
            painter.setClipRect(box);
            object->PaintTo(painter, box.left(), box.top());
            painter.restore();
        }
        if (border) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, Width() - 1, Height() - 1);
        }
    }
    SetZoom(zoom);
    return image;
}

void TKBusinessCardPanel32::SetTextFontName(const QString& faceName)
{
    const QString face = faceName.left(255);
    for (int i = CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = CardObjects().At(i);
        if (auto* label = dynamic_cast<TKBusinessCardLabel*>(object))
            label->Font().SetName(face);
        else if (auto* text = dynamic_cast<TKMultiLineLabel*>(object))
            text->Font().SetName(face);
    }
}

// ---- Description files ----

QString TKBusinessCardPanel32::ColorToString(TColor color)
{
    QByteArray ident;
    if (ColorToIdent(qint64(quint32(color)), &ident))
        return QString::fromLatin1(ident);
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

bool TKBusinessCardPanel32::StringToColor(const QString& text, TColor* color)
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

QString TKBusinessCardPanel32::PersonalSectionForCaption(const QString& caption)
{
    const QString key = TrimControls(caption).toLower();
    for (int i = 0; i < kPersonalCount; ++i) {
        if (key == QLatin1String(kPersonalCaptions[i].shortCaption) ||
            key == QLatin1String(kPersonalCaptions[i].longCaption))
            return QString::fromLatin1(kPersonalSections[i]);
    }
    return QString();
}

QString TKBusinessCardPanel32::BackgroundArtPath(const QString& backgroundName)
{
    const QString name = FileNameOnly(TrimControls(backgroundName));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return ProgramFile(QStringLiteral("bg/") + name);
}

QImage TKBusinessCardPanel32::PlaceholderLogo(int size)
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

bool TKBusinessCardPanel32::WriteDescription(const QString& fileName, const QString& backgroundFile,
                                             QString* error)
{
    // A new file every time, built aside and put in place whole so that a failed write keeps the old one.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = QStringLiteral("%1: no room for a temporary file").arg(fileName);
        return false;
    }
    const QString scratchFile = scratch.filePath(QStringLiteral("description.qmkt"));

    const float zoom = Zoom();
    SetZoom(1.0f);
    ProfileFile ini(scratchFile);
    int labels = 0, shapes = 0, lines = 0;
    for (int i = CardObjects().Count() - 1; i >= 0; --i) {
        TKGraphicControl* object = CardObjects().At(i);
        if (auto* label = dynamic_cast<TKBusinessCardLabel*>(object)) {
            QString section = PersonalSectionForCaption(label->Caption());
            if (section.isEmpty())
                section = QStringLiteral("Label%1").arg(++labels);
            WriteLabel(ini, section, *label);
        } else if (auto* shape = dynamic_cast<TBCShapes*>(object)) {
            WriteShape(ini, QStringLiteral("Shape%1").arg(++shapes), *shape);
        } else if (auto* line = dynamic_cast<TKLineShape*>(object)) {
            WriteLine(ini, QStringLiteral("Line%1").arg(++lines), *line);
        } else if (dynamic_cast<TKImage*>(object)) {
            ini.WriteString(kLogo, QStringLiteral("Type"), QStringLiteral("psImage"));
            WriteBounds(ini, kLogo, *object);
        }
    }
    SetZoom(zoom);
    ini.WriteBool(kCardData, QStringLiteral("Portrait Mode"), mPortraitMode);
    ini.WriteString(kCardData, QStringLiteral("Background File"), FileNameOnly(backgroundFile));
    if (!ini.Save(error))
        return false;

    QFile written(scratchFile);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(scratchFile, written.errorString());
        return false;
    }
    return WriteFileAtomic(fileName, written.readAll(), error);
}

QString TKBusinessCardPanel32::ReadDescription(const QString& fileName)
{
    const ReadGuard guard(*this);
    // A file that cannot be read reads as empty sections.
    const ProfileFile ini(fileName);
    ReadShapes(ini);
    ReadLines(ini);
    ReadLabels(ini);
    ReadLogo(ini);
    mPortraitMode = ini.ReadBool(kCardData, QStringLiteral("Portrait Mode"), false);
    return FileNameOnly(ini.ReadString(kCardData, QStringLiteral("Background File")));
}

void TKBusinessCardPanel32::ReadShapes(const ProfileFile& ini)
{
    for (int n = 1; n <= kMaxNumberedSections; ++n) {
        const QString s = QStringLiteral("Shape%1").arg(n);
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TBCShapes>();
        created->Loaded();
        auto* shape = static_cast<TBCShapes*>(PlaceObject(std::move(created), rect));
        shape->SetShape(
            TShapeType(ReadRanged(ini, s, QStringLiteral("Shape"), stRectangle, stRectangle, stCircle)));
        // Transparency sets the brush style; the stored style comes after it and has the last word.
        shape->SetTransparent(ini.ReadBool(s, QStringLiteral("Transparent"), true));
        shape->Brush().SetColor(ReadColor(ini, s, QStringLiteral("Brush Color"), clWhite));
        shape->Pen().SetColor(ReadColor(ini, s, QStringLiteral("Pen Color"), clBlack));
        shape->Pen().SetWidth(ReadRanged(ini, s, QStringLiteral("Pen Width"), 1, 0, kMaxPenWidth));
        shape->Brush().SetStyle(
            TBrushStyle(ReadRanged(ini, s, QStringLiteral("Brush Style"), bsClear, bsSolid, bsDiagCross)));
    }
}

void TKBusinessCardPanel32::ReadLines(const ProfileFile& ini)
{
    for (int n = 1; n <= kMaxNumberedSections; ++n) {
        const QString s = QStringLiteral("Line%1").arg(n);
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TKLineShape>();
        created->Loaded();
        auto* line = static_cast<TKLineShape*>(PlaceObject(std::move(created), rect));
        line->Pen().SetColor(ReadColor(ini, s, QStringLiteral("Pen Color"), clBlack));
        line->Pen().SetWidth(ReadRanged(ini, s, QStringLiteral("Pen Width"), 1, 0, kMaxPenWidth));
        line->SetLineStyle(TLineStyle(ReadRanged(ini, s, QStringLiteral("Line Style"), stHorizontal,
                                                 stHorizontal, stAngleSlopingDown)));
    }
}

void TKBusinessCardPanel32::ReadLabels(const ProfileFile& ini)
{
    struct Source
    {
        QString section;
        QString personal;
        QString placeholder;
    };
    std::vector<Source> sources;
    for (int i = 0; i < kPersonalCount; ++i) {
        const QString section = QString::fromLatin1(kPersonalSections[i]);
        sources.push_back({section, mPersonal.value(i), QLatin1Char('<') + section + QLatin1Char('>')});
    }
    for (int n = 1; n <= kMaxNumberedSections; ++n)
        sources.push_back({QStringLiteral("Label%1").arg(n), QString(), QString()});

    for (const Source& source : sources) {
        const QString& s = source.section;
        QRect rect;
        if (!ReadBounds(ini, s, &rect))
            continue;
        auto created = std::make_unique<TKBusinessCardLabel>();
        created->SetCaption(QString());
        created->Loaded();
        auto* label = static_cast<TKBusinessCardLabel*>(PlaceObject(std::move(created), rect));

        // The user's own value beats the stored caption; a blank result shows the placeholder.
        QString caption = source.personal;
        if (TrimControls(caption).isEmpty())
            caption = ini.ReadString(s, QStringLiteral("Caption"), QStringLiteral("<blank>"));
        if (TrimControls(caption).isEmpty())
            caption = source.placeholder;
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
    }
}

void TKBusinessCardPanel32::ReadLogo(const ProfileFile& ini)
{
    QRect rect;
    if (!ReadBounds(ini, kLogo, &rect))
        return;
    // The stored size is not used: the stand-in picture is half an inch square.
    const int size = kPixelsPerInch / 2;
    auto created = std::make_unique<TKImage>();
    created->Loaded();
    auto* image =
        static_cast<TKImage*>(PlaceObject(std::move(created), QRect(rect.topLeft(), QSize(size, size))));
    image->SetBorderStyle(bsNone);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    PlaceholderLogo(size).save(&buffer, "BMP");
    image->Picture().SetGraphic("TBitmap", bmp);
}

} // namespace qm

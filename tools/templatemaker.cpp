// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the starter templates into a folder: each design laid out on a card panel and saved through the
// program's own description writer, then read back and written again so that the file shipped is the one a
// template comes back as.
//
//     quillmark_make_templates OUTPUT_FOLDER STARTER_FOLDER [CONTACT_SHEET.png]
//
// The contact sheet shows every template as the chooser does (its own fonts, the background art), six a row.
#include "tools/templatemaker.h"

#include "app/cardbackground.h"
#include "pictures/pictures.h"
#include "model/sheetlayout.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/supershape.h"
#include "objects/templatefile.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "objects/text/supertext.h"
#include "objects/text/symbollabel.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace maker {

using namespace qm;

namespace {

template <class T> T* Place(TKBusinessCardPanel32& panel, const QRect& box)
{
    auto created = std::make_unique<T>();
    created->Loaded();
    return static_cast<T*>(panel.PlaceObject(std::move(created), box));
}

void SetFont(TKFont& font, const QString& face, int size, TColor color, int style)
{
    font.SetName(face);
    font.SetSize(size);
    font.SetColor(color);
    font.SetStyle(TFontStyles(style));
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

TBCShapes* Figure(TKBusinessCardPanel32& panel, const QRect& box, TShapeType shape, long fill, TColor pen,
                  int penWidth)
{
    auto* s = Place<TBCShapes>(panel, box);
    s->SetShape(shape);
    s->SetTransparent(fill < 0);
    if (fill >= 0)
        s->Brush().SetColor(TColor(fill));
    s->Pen().SetColor(penWidth > 0 ? pen : (fill >= 0 ? TColor(fill) : pen));
    s->Pen().SetWidth(penWidth > 0 ? penWidth : 1);
    return s;
}

// The longest details a template is made to show whole, by the personal section they fill: a 25-letter
// name, a 40-letter company, a 30-letter e-mail, and titles, addresses and phones as long as people have them.
QString LongDetail(const QString& caption)
{
    static const QHash<QString, QString> details = {
        {QStringLiteral("Name"), QStringLiteral("Maximilian Fitzgerald-Hay")},
        {QStringLiteral("Company"), QStringLiteral("Greenfield Consulting & Engineering Ltd.")},
        {QStringLiteral("Title"), QStringLiteral("Head of Strategic Partnerships")},
        {QStringLiteral("Address1"), QStringLiteral("221B Kensington Gardens Square")},
        {QStringLiteral("Address2"), QStringLiteral("Massachusetts, MA 02134-1234")},
        {QStringLiteral("Address3"), QStringLiteral("United Kingdom")},
        {QStringLiteral("Phone1"), QStringLiteral("+44 (0)20 7946 0000")},
        {QStringLiteral("Phone2"), QStringLiteral("+44 (0)7700 900 000")},
        {QStringLiteral("Email"), QStringLiteral("maximilian.fitzgerald@gcel.com")},
        {QStringLiteral("Fax"), QStringLiteral("+44 (0)20 7946 0001")},
    };
    return details.value(CardTemplate::PersonalSectionForCaption(caption));
}

} // namespace

TKBusinessCardLabel* Card::Text(const QRect& box, const QString& caption, const QString& face, int size,
                                TColor color, int style, TAlignment alignment)
{
    auto* label = Place<TKBusinessCardLabel>(mPanel, box);
    SetFont(label->Font(), face, size, color, style);
    label->SetAlignment(alignment);
    label->SetTransparent(true);
    // A long detail in its place is made smaller when the template is used: it must not come out too small.
    const QString detail = LongDetail(caption);
    if (!detail.isEmpty()) {
        label->SetCaption(detail);
        const bool whole = label->ShrinkFontUntilWhole(kSmallestDetailSize);
        const int fitted = label->Font().Size();
        const int smallest = caption == QStringLiteral("Your Own Name") ? kSmallestName : kSmallestDetailSize;
        if (!whole || fitted < smallest) {
            std::fprintf(stderr, "%s: \"%s\" shows whole only below %d points in a box %d wide\n",
                         qPrintable(mDesign), qPrintable(detail), smallest, box.width());
            ++mFailures;
        } else if (fitted != size && std::getenv("QM_TEMPLATE_SIZES")) {
            std::fprintf(stderr, "%s: a long %s at %d points instead of %d\n", qPrintable(mDesign),
                         qPrintable(caption), fitted, size);
        }
        label->Font().SetSize(size);
        label->SetBounds(box.left(), box.top(), box.width(), box.height());
    }
    const QRect card(QPoint(0, 0), CardPanelSize(CardSheetLayout(), mPanel.PortraitMode()));
    if (!card.contains(label->BoundsRect())) {
        std::fprintf(stderr, "%s: \"%s\" runs off the card\n", qPrintable(mDesign), qPrintable(caption));
        ++mFailures;
    }
    label->SetCaption(caption);
    return label;
}

TKMultiLineLabel* Card::Lines(const QRect& box, const QStringList& lines, const QString& face, int size,
                              TColor color, TAlignment alignment, int style)
{
    auto* label = Place<TKMultiLineLabel>(mPanel, box);
    label->SetItems(lines);
    SetFont(label->Font(), face, size, color, style);
    label->SetAlignment(alignment);
    return label;
}

TKSymbolLabel* Card::Symbol(QPoint at, const QString& font, int code, int size, TColor color)
{
    auto* symbol = Place<TKSymbolLabel>(mPanel, QRect(at, QSize(size * 2, size * 2)));
    TKFont f;
    SetFont(f, font, size, color, 0);
    symbol->TakeSymbol(f, code);
    return symbol;
}

TBCShapes* Card::Rect(const QRect& box, long fill, TColor pen, int penWidth)
{
    return Figure(mPanel, box, stRectangle, fill, pen, penWidth);
}

TBCShapes* Card::RoundRect(const QRect& box, int percent, long fill, TColor pen, int penWidth)
{
    auto* s = Figure(mPanel, box, stRoundRect, fill, pen, penWidth);
    s->SetRoundPerc(percent);
    return s;
}

TBCShapes* Card::Ellipse(const QRect& box, long fill, TColor pen, int penWidth)
{
    return Figure(mPanel, box, stEllipse, fill, pen, penWidth);
}

TKLineShape* Card::HLine(int x, int y, int width, TColor color, int penWidth)
{
    // A horizontal line runs through the middle of its box, which is at least 15 high.
    auto* line = Place<TKLineShape>(mPanel, QRect(x, y - 7, width, 15));
    line->SetLineStyle(stHorizontal);
    line->Pen().SetColor(color);
    line->Pen().SetWidth(penWidth);
    return line;
}

TKLineShape* Card::VLine(int x, int y, int height, TColor color, int penWidth)
{
    auto* line = Place<TKLineShape>(mPanel, QRect(x - 12, y, 25, height));
    line->SetLineStyle(stVertical);
    line->Pen().SetColor(color);
    line->Pen().SetWidth(penWidth);
    return line;
}

TKImage* Card::ClipArt(const QRect& box, const QString& name)
{
    auto* image = Place<TKImage>(mPanel, box);
    StoredGraphic graphic;
    QString error;
    if (!GraphicFromFile(ReadBytes(mStarter + QStringLiteral("/clipart/") + name), name, &graphic, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
        std::exit(1);
    }
    image->SetBorderStyle(bsNone);
    image->SetStretch(true);
    image->Picture().SetGraphic(graphic.graphicClass, graphic.fileBytes);
    return image;
}

TSuperShape* Card::Gradient(const QRect& box, int shape, TColor from, TColor to, TFillDirection direction)
{
    auto* s = Place<TSuperShape>(mPanel, box);
    s->SetShape(TKPShapeType(shape));
    s->SetSurfaceType(TSuperShape::stGradientFill);
    s->SetBackColor(from);
    s->SetGradientToColor(to);
    s->SetFillDirection(direction);
    s->SetOutlineStyle(psClear);
    s->SetShadowOrient(soNone);
    return s;
}

TSuperShape* Card::Textured(const QRect& box, int shape, const QString& texture)
{
    auto* s = Place<TSuperShape>(mPanel, box);
    s->SetShape(TKPShapeType(shape));
    const QImage image = QImage::fromData(ReadBytes(mStarter + QStringLiteral("/bmbrush/") + texture));
    TKBitmap bitmap;
    bitmap.SetFileBytes(BitmapFileBytes(image));
    s->SetSurfaceType(TSuperShape::stBrushImage);
    s->SetImage(bitmap);
    s->SetOutlineStyle(psClear);
    s->SetShadowOrient(soNone);
    return s;
}

TKSuperText* Card::Effect(const QRect& box, const QString& caption, const QString& face, int size, TColor color,
                          int style)
{
    auto* t = Place<TKSuperText>(mPanel, box);
    t->SetCaption(caption);
    SetFont(t->Font(), face, size, color, style);
    t->SetSurfaceType(TKSuperText::stNormal);
    t->SetControlTransparent(true);
    t->SetBorderStyle(bsNone);
    t->SetShadowDepth(0);
    t->SetOutlineStyle(psClear);
    return t;
}

TKPCircleText* Card::Circle(const QRect& box, const QString& caption, const QString& face, int size,
                            TColor color, int degrees, int start, int style)
{
    auto* t = Place<TKPCircleText>(mPanel, box);
    t->SetCaption(caption);
    SetFont(t->Font(), face, size, color, style);
    t->SetDegrees(TDegrees(degrees));
    t->SetStartingVector(TDegrees(start));
    t->SetControlTransparent(true);
    t->SetBorderStyle(bsNone);
    t->SetDrawLettersAngled(true);
    return t;
}

TKPRichBaseLabel* Card::Rich(const QRect& box, const QByteArray& rtf)
{
    auto* t = Place<TKPRichBaseLabel>(mPanel, box);
    TKRichText document;
    document.SetData(rtf);
    t->SetRTFText(document);
    t->SetTransparent(true);
    t->SetBorderStyle(bsNone);
    return t;
}

} // namespace maker

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: quillmark_make_templates OUTPUT_FOLDER STARTER_FOLDER [SHEET.png]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString starter = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    int failures = 0;
    std::vector<QImage> cards;
    for (const maker::Design& design : maker::Designs()) {
        const QString file = out + QLatin1Char('/') + design.name + QStringLiteral(".qmkt");
        qm::TKBusinessCardPanel32 panel;
        panel.SetPortraitMode(design.portrait);
        maker::Card card(panel, starter, design.name);
        design.build(card);
        failures += card.failures();
        QString error;
        if (!qm::CardTemplate::Write(panel, file, design.background, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        // What the reader makes of the first file is what ships; it must then stay as it is.
        for (int round = 0; round < 2; ++round) {
            QFile before(file);
            before.open(QIODevice::ReadOnly);
            const QByteArray bytes = before.readAll();
            before.close();
            qm::TKBusinessCardPanel32 read;
            qm::CardTemplate::Read(read, file);
            qm::CardTemplate::Write(read, file, design.background, &error);
            QFile after(file);
            after.open(QIODevice::ReadOnly);
            if (round == 1 && after.readAll() != bytes) {
                std::fprintf(stderr, "%s changes when read and written again\n", qPrintable(design.name));
                ++failures;
            }
        }
        std::printf("%s\n", qPrintable(file));

        qm::TKBusinessCardPanel32 shown;
        qm::CardTemplate::Read(shown, file);
        const QSize size = qm::CardPanelSize(qm::CardSheetLayout(), shown.PortraitMode());
        shown.SetSize(size.width(), size.height());
        if (!design.background.isEmpty())
            qm::LoadCardBackground(shown.Card(), starter + QStringLiteral("/bg/") + design.background);
        cards.push_back(shown.RenderToBitmap(true));
    }
    if (argc == 4) {
        const int across = 6, cell = 360;
        const int rows = (int(cards.size()) + across - 1) / across;
        QImage sheet(across * cell, rows * cell, QImage::Format_RGB32);
        sheet.fill(QColor(190, 190, 190));
        QPainter painter(&sheet);
        for (size_t i = 0; i < cards.size(); ++i)
            painter.drawImage(int(i % across) * cell + (cell - cards[i].width()) / 2,
                              int(i / across) * cell + (cell - cards[i].height()) / 2, cards[i]);
        painter.end();
        if (!sheet.save(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[3]);
            return 1;
        }
    }
    return failures ? 1 : 0;
}

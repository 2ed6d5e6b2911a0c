// SPDX-License-Identifier: GPL-3.0-or-later
// Labels on paper: a copy of the text is cut at its rectangle and the box only where its glyphs reach past
// them, and the page looks as the exported picture does either way; a caption measured from its shaped glyphs
// measures as its text does.
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "model/colors.h"
#include "model/shapedline.h"
#include "objects/text/labellayout.h"
#include "objects/text/textlabel.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

using namespace qm;

namespace {

constexpr int kScale = 4; // device pixels per card unit

// The card drawn onto white with its clip at its outline, on paper or as a picture (where every object is
// cut at its box and every copy of a label's text at its rectangle).
QImage Draw(const CardModel& card, RenderContext::Target target, const MergeRecord* record = nullptr)
{
    QImage image(card.Size() * kScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(kScale, kScale);
    // As on a printed page: the card's place is clipped, and the outline (inside it) replaces that clip.
    p.setClipRect(QRect(QPoint(0, 0), card.Size() + QSize(1, 1)));
    if (target != RenderContext::Paper)
        p.setClipPath(CardOutlinePath(card), Qt::IntersectClip);
    RenderContext context;
    context.target = target;
    context.record = record;
    DrawCard(p, card, context);
    return image;
}

TKPLabel* AddLabel(CardModel& card, const QString& caption, QRect box)
{
    auto* label = static_cast<TKPLabel*>(card.Objects().Add(std::make_unique<TKPLabel>()));
    label->SetCaption(caption);
    label->Font().SetName(QStringLiteral("DejaVu Sans"));
    label->SetBounds(box.x(), box.y(), box.width(), box.height());
    return label;
}

int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Whether anything is drawn in the area (card units).
bool InkIn(const QImage& image, QRect area)
{
    for (int y = area.top() * kScale; y < (area.bottom() + 1) * kScale; ++y)
        for (int x = area.left() * kScale; x < (area.right() + 1) * kScale; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

TEST(LabelOnPaper, EveryLabelPrintsAsItsPictureShowsOnlyTextPastItsBoxIsCut)
{
    CardModel card; // rounded
    // Text well inside its box, in several faces, turned, with shadows and highlights, opaque and framed.
    AddLabel(card, QStringLiteral("Jane Q. Example"), {8, 8, 160, 24})->SetDepthShadow(2);
    TKPLabel* lit = AddLabel(card, QStringLiteral("AVA Wolf"), {180, 10, 120, 30});
    lit->SetDepthHighlight(3);
    lit->SetColorHighlight(clRed);
    lit->Font().SetStyle(1u << fsBold);
    TKPLabel* serif = AddLabel(card, QStringLiteral("Åsa Ørsted ffi"), {10, 44, 150, 30});
    serif->Font().SetName(QStringLiteral("Liberation Serif"));
    serif->Font().SetStyle(1u << fsItalic);
    serif->SetAlignment(taRightJustify);
    AddLabel(card, QStringLiteral("Turned"), {300, 60, 24, 90})->SetAngle(90);
    AddLabel(card, QStringLiteral("Upside down"), {170, 50, 110, 24})->SetAngle(180);
    TKPLabel* boxed = AddLabel(card, QStringLiteral("Framed"), {12, 80, 80, 22});
    boxed->SetBorderStyle(bsSingle);
    boxed->SetTransparent(false);
    boxed->SetBackColor(clYellow);
    AddLabel(card, QStringLiteral("{Name}"), {100, 80, 60, 22})->SetDepthShadow(1);
    // Text past its box: a box narrower than the text, a shadow past the box's side, a j reaching left of
    // its box, and text past the card's rounded corner.
    TKPLabel* narrow = AddLabel(card, QStringLiteral("Much too long"), {12, 110, 40, 22});
    TKPLabel* deep = AddLabel(card, QStringLiteral("Deep shadow"), {120, 110, 140, 22});
    deep->SetDepthShadow(8);
    deep->SetColorShadow(clBlue);
    AddLabel(card, QStringLiteral("jeté"), {200, 140, 60, 22});
    AddLabel(card, QStringLiteral("Corner of the card"), {270, 168, 120, 30});
    card.LayOutObjects();
    // Laid out, the boxes are cut back to what the test wants cut: the narrow one to less than its text, the
    // deep one to its text, which leaves its shadow no room.
    narrow->SetBounds(12, 110, 40, 22);
    narrow->LayOut();
    deep->SetBounds(120, 110, deep->LastLayout().textWidth - 2, deep->Height());
    deep->LayOut();

    MergeRecord record;
    record.Add(QStringLiteral("Name"), QStringLiteral("Zoë Q."));
    const QImage paper = Draw(card, RenderContext::Paper, &record);
    const QImage picture = Draw(card, RenderContext::Picture, &record);
    EXPECT_EQ(Differing(paper, picture), 0);
    // Cut indeed: in boxes wide enough the texts reach past the narrow boxes' edges.
    const QRect pastNarrow(52, 110, 40, 22);
    const QRect pastDeep(120 + deep->Width(), 110, 12, 30);
    EXPECT_FALSE(InkIn(paper, pastNarrow));
    EXPECT_FALSE(InkIn(paper, pastDeep));
    narrow->SetBounds(12, 110, 100, 22);
    narrow->LayOut();
    deep->SetBounds(120, 110, 140, deep->Height());
    deep->LayOut();
    const QImage wide = Draw(card, RenderContext::Paper, &record);
    EXPECT_TRUE(InkIn(wide, pastNarrow));
    EXPECT_TRUE(InkIn(wide, pastDeep));
}

TEST(LabelMeasure, CaptionsMeasureFromTheirGlyphsAsFromTheirText)
{
    const QStringList captions = {QStringLiteral("Jane Q. Example"), QStringLiteral("ffi fl Åsa Ørsted"),
                                  QStringLiteral("Привет мир"), QStringLiteral("x"), QStringLiteral("AVA  Wolf"),
                                  QStringLiteral("e\u0301te\u0301 cafe\u0301"), QStringLiteral("日本語 text"),
                                  QStringLiteral("שלום world"), QStringLiteral("+1 555 0100")};
    for (const char* face : {"DejaVu Sans", "Liberation Serif", "Liberation Mono"}) {
        for (const int style : {0, 1 << fsBold, 1 << fsItalic}) {
            for (const int height : {-9, -13, -21, -37, 30}) {
                TKFont stored;
                stored.SetName(QString::fromLatin1(face));
                stored.SetStyle(TFontStyles(style));
                stored.SetHeight(height);
                const QFont font = LabelDrawingFont(stored);
                for (const QString& caption : captions) {
                    ASSERT_TRUE(MeasuresFromGlyphs(caption)) << qPrintable(caption);
                    EXPECT_EQ(MeasureLabel(font, ShapedLine(caption, font)).textWidth,
                              MeasureLabel(font, caption).textWidth)
                        << face << " " << style << " " << height << " " << qPrintable(caption);
                }
            }
        }
    }
    // What shapes otherwise on its own than in a line is measured as text.
    for (const QString& caption : {QString(), QStringLiteral("tab\there"), QStringLiteral("trailing "),
                                   QStringLiteral("soft\u00adhyphen"), QStringLiteral("line\u2028break")})
        EXPECT_FALSE(MeasuresFromGlyphs(caption)) << qPrintable(caption);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for merge printing into a PDF file: every card shows its record exactly as if the values had been
// typed in, with the shared parts drawn once and the fonts embedded once for the whole job; drawing the page's
// own content cannot hold lands where it belongs.
#include "print/pdfutil.h"

#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "print/pagedreport.h"
#include "print/sheetprinter.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qm;

namespace {

// A band over the top, a name with a shadow, a light rule drawn across the name and a company in bold rich
// text: the band and the rule are the same on every card, the texts show the given values.
void FillCard(TKBusinessCardPanel32& panel, const QString& name, const QByteArray& company)
{
    auto* band = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    band->SetBounds(0, 0, 336, 24);
    band->Brush().SetColor(clBlue);
    auto* label = static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(16, 40, 250, 30);
    label->SetCaption(name);
    label->SetDepthShadow(2);
    auto* rule = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
    rule->SetBounds(16, 48, 200, 8);
    rule->Pen().SetColor(clYellow);
    rule->Pen().SetWidth(4);
    auto* rich = static_cast<TKPRichBaseLabel*>(panel.CardObjects().Add(std::make_unique<TKPRichBaseLabel>()));
    rich->SetBounds(16, 80, 250, 40);
    rich->SetBorderStyle(bsNone);
    TKRichText text;
    text.SetData("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 at \\b " + company + "\\b0 .\\par}");
    rich->SetRTFText(text);
}

QFont Pixels(int size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    return font;
}

QStringList PdfFonts(const QString& pdf)
{
    QStringList names;
    const QStringList lines = qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            names << lines[i].simplified();
    }
    return names;
}

} // namespace

TEST(MergePdf, EachCardShowsItsRecordAsIfTypedWithTheFontsEmbeddedOnce)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 merged;
    FillCard(merged, QStringLiteral("{Name}"), "\\{Company\\}");
    LabelJob job;
    job.StartPosition = 4;
    int next = 0;
    job.NextRecord = [&next](MergeRecord& record) {
        if (++next > 23)
            return false;
        record.Clear();
        record.Add(QStringLiteral("Name"), QStringLiteral("Person %1").arg(next, 2, 10, QLatin1Char('0')));
        record.Add(QStringLiteral("Company"), QStringLiteral("Firm%1").arg(next, 2, 10, QLatin1Char('0')));
        return true;
    };
    const QString mergedPdf = dir.filePath(QStringLiteral("merged.pdf"));
    {
        PdfStreamReport pdf(mergedPdf);
        TLabelPrinter printer(merged, job);
        ASSERT_EQ(printer.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());
    }

    // Three blank positions and 23 cards: three sheets, the people in reading order.
    const QString first = qmtest::RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"),
                                                                        QStringLiteral("-raw"), mergedPdf, QStringLiteral("-")});
    QStringList people;
    const QRegularExpression person(QStringLiteral("Person (\\d\\d)\\s+at Firm(\\d\\d)"));
    for (auto m = person.globalMatch(first); m.hasNext();) {
        const auto found = m.next();
        EXPECT_EQ(found.captured(1), found.captured(2));
        people << found.captured(1);
    }
    EXPECT_EQ(people, QStringList({"01", "02", "03", "04", "05", "06", "07"})) << qPrintable(first);
    const QString last = qmtest::RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("3"),
                                                                       mergedPdf, QStringLiteral("-")});
    EXPECT_TRUE(last.contains(QLatin1String("Person 23"))) << qPrintable(last);
    EXPECT_TRUE(qmtest::RenderPdfPage(mergedPdf, 10, 4).isNull()); // no fourth sheet

    // Each face once for the whole job, embedded as a subset.
    const QStringList fonts = PdfFonts(mergedPdf);
    QStringList faces;
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.contains(QLatin1String(" yes yes yes "))) << qPrintable(font);
        faces << font.section(QLatin1Char('+'), 1, 1).section(QLatin1Char(' '), 0, 0);
    }
    EXPECT_TRUE(faces.contains(QLatin1String("DejaVuSans-Bold"))) << qPrintable(fonts.join('\n'));
    EXPECT_EQ(faces.size(), QSet<QString>(faces.begin(), faces.end()).size()) << qPrintable(fonts.join('\n'));

    // The first person's card against the same card with the values typed in, printed on its own at
    // position 4: the same pixels, band, shadow and rule over the name included.
    TKBusinessCardPanel32 typed;
    FillCard(typed, QStringLiteral("Person 01"), "Firm01");
    LabelJob plain;
    plain.Positions.Clear();
    plain.Positions.SetSelected(3, true);
    const QString typedPdf = dir.filePath(QStringLiteral("typed.pdf"));
    {
        PdfReport pdf(typedPdf);
        TLabelPrinter printer(typed, plain);
        ASSERT_EQ(printer.Run(pdf), joFinished);
    }
    const int dpi = 100;
    const QRect card(int(4.25 * dpi), int(2.5 * dpi), int(3.5 * dpi), 2 * dpi);
    const QImage a = qmtest::RenderPdfPage(mergedPdf, dpi, 1, card);
    const QImage b = qmtest::RenderPdfPage(typedPdf, dpi, 1, card);
    ASSERT_FALSE(a.isNull());
    ASSERT_EQ(a.size(), b.size());
    ASSERT_FALSE(qmtest::InkBox(b).isEmpty());
    // A glyph a hundredth of a point aside may shade its edge pixels a little differently; anything out of
    // place by a pixel differs by far more.
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96;
    EXPECT_LE(differing, 4);
    // Positions 1 to 3 of the first sheet stay blank.
    const QImage page = qmtest::RenderPdfPage(mergedPdf, 36);
    EXPECT_TRUE(qmtest::InkBox(page, QRect(0, 0, page.width(), int(2.5 * 36))).isEmpty());
    EXPECT_TRUE(qmtest::InkBox(page, QRect(0, int(2.5 * 36), int(4.2 * 36), 2 * 36)).isEmpty());
}

// Colours reach paper as they are: a yellow (255, 255, 0) shape and a yellow name that shows a field, on a
// merged sheet, are yellow there, not another colour of the same brightness.
TEST(MergePdf, AYellowShapeAndAYellowNamePrintYellow)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    auto* box = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    box->SetBounds(200, 20, 100, 100);
    box->Brush().SetColor(clYellow);
    box->Pen().SetColor(clYellow);
    auto* label = static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(10, 120, 320, 60);
    label->SetCaption(QStringLiteral("{Name}"));
    label->Font().SetSize(36);
    label->Font().SetColor(clYellow);
    LabelJob job;
    int next = 0;
    job.NextRecord = [&next](MergeRecord& record) {
        if (++next > 1)
            return false;
        record.Clear();
        record.Add(QStringLiteral("Name"), QStringLiteral("WMWMW"));
        return true;
    };
    const QString pdf = dir.filePath(QStringLiteral("yellow.pdf"));
    {
        PdfStreamReport report(pdf);
        TLabelPrinter printer(panel, job);
        ASSERT_EQ(printer.Run(report), joFinished) << qPrintable(report.ErrorString());
    }
    // The first position's card at 96 dots an inch: the card's units are its pixels.
    const QImage card = qmtest::RenderPdfPageInColour(pdf, 96, 1, QRect(72, 48, 336, 192));
    ASSERT_FALSE(card.isNull());
    EXPECT_EQ(QColor(card.pixel(250, 70)), QColor(255, 255, 0));
    // The name's letters: every pixel with ink in it is a shade of yellow, and the strokes' cores are yellow.
    int inked = 0, full = 0;
    for (int y = 120; y < 180; ++y) {
        for (int x = 10; x < 330; ++x) {
            const QColor c(card.pixel(x, y));
            if (c.blue() > 200)
                continue;
            ++inked;
            EXPECT_TRUE(c.red() > 240 && c.green() > 240) << x << "," << y << " " << qPrintable(c.name());
            full += c.blue() < 20;
        }
    }
    EXPECT_GT(full, 200) << inked;
}

// A picture has no place in a page's own content: what draws one goes in as a drawing of its own, at its
// place among the rest, its text still text.
TEST(MergePdf, APictureAmongThePagesOwnDrawingKeepsItsPlace)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mixed.pdf"));
    QImage dark(20, 20, QImage::Format_RGB32);
    dark.fill(QColor(40, 40, 40));
    PdfStreamReport pdf(path);
    ASSERT_TRUE(pdf.Execute([](TKReport&) {},
                            [&](TKReport& r) {
                                // One inch from the left and top, an inch square, then words beside it.
                                r.StretchDraw(QRectF(1, 1, 2, 1), QSizeF(200, 100), [&](QPainter& p) {
                                    p.drawImage(QRectF(0, 0, 100, 100), dark);
                                    p.setFont(Pixels(20));
                                    p.drawText(QPointF(110, 60), QStringLiteral("Mixed"));
                                });
                                r.StretchDraw(QRectF(1, 3, 2, 1), QSizeF(200, 100), [](QPainter& p) {
                                    p.setFont(Pixels(20));
                                    p.drawText(QPointF(10, 60), QStringLiteral("Plain"));
                                });
                            }))
        << qPrintable(pdf.ErrorString());
    const QImage page = qmtest::RenderPdfPage(path, 72);
    ASSERT_FALSE(page.isNull());
    const QRect square = qmtest::InkBox(page, QRect(50, 50, 99, 120));
    EXPECT_NEAR(square.left(), 72, 1);
    EXPECT_NEAR(square.top(), 72, 1);
    EXPECT_NEAR(square.right(), 143, 1);
    EXPECT_NEAR(square.bottom(), 143, 1);
    const QString text = qmtest::RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QLatin1String("Mixed"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QLatin1String("Plain"))) << qPrintable(text);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the PDF layer on captured output of Qt's writer (tests/data/pdf, made by scripts/make-pdf-test-data):
// drawings taken over with their fonts, an index stream and object streams, damaged drawings, the job's fonts,
// and the fall-back to Qt's own writer when drawings cannot be read back.
#include "pdfutil.h"
#include "testutil.h"

#include "design/cardpanel.h"
#include "objects/text/personallabel.h"
#include "print/pagedreport.h"
#include "print/pdfcopy.h"
#include "print/pdffonts.h"
#include "print/pdfjob.h"
#include "print/sheetprinter.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

namespace {

using namespace qm;

QByteArray Drawing(const char* name)
{
    return qmtest::FileBytes(qmtest::SourceFile(QStringLiteral("tests/data/pdf/") + QLatin1String(name)));
}

// The names of the fonts pdffonts lists, with their "emb sub uni" columns.
QStringList FontLines(const QString& pdf)
{
    QStringList lines = qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    lines = lines.mid(2);
    lines.removeAll(QString());
    return lines;
}

// Every object of the file read by libqpdf without recovery: false on any fault.
bool ReadsCleanly(const QString& pdf)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.setAttemptRecovery(false);
        document.processFile(pdf.toLocal8Bit().constData());
        for (QPDFObjectHandle object : document.getAllObjects())
            if (object.isStream())
                object.getStreamData(qpdf_dl_generalized);
        return !document.anyWarnings();
    } catch (const std::exception&) {
        return false;
    }
}

// Each drawing in two faces, twice on one page: text stays text in four subsets of their own names, whether
// Qt's writer made a classic index or qpdf rewrote it with an index stream and object streams.
TEST(PdfCopy, DrawingsInTwoFacesArePlacedWithTheirTextInSubsetsOfTheirOwn)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    QList<QImage> pages;
    for (const char* name : {"two-faces.pdf", "two-faces-objstm.pdf"}) {
        SCOPED_TRACE(name);
        const QByteArray drawing = Drawing(name);
        ASSERT_FALSE(drawing.isEmpty());
        PdfJobWriter job{QString()};
        ASSERT_TRUE(job.Open(QStringLiteral("Faces")));
        ASSERT_EQ(job.AddDrawing(drawing), 0) << qPrintable(job.ErrorString());
        ASSERT_EQ(job.AddDrawing(drawing), 1) << qPrintable(job.ErrorString());
        EXPECT_EQ(job.DrawingSize(0), QSizeF(252, 144));
        job.BeginPage(QSizeF(612, 792));
        job.Place(0, QPointF(36, 36));
        job.Place(1, QPointF(36, 400));
        ASSERT_TRUE(job.EndPage());
        ASSERT_TRUE(job.Finish()) << qPrintable(job.ErrorString());
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(qmtest::WriteFile(path, job.Document()));
        EXPECT_TRUE(ReadsCleanly(path));

        const QStringList fonts = FontLines(path);
        ASSERT_EQ(fonts.size(), 4) << qPrintable(fonts.join(QLatin1Char('\n')));
        QStringList names;
        for (const QString& line : fonts) {
            EXPECT_TRUE(line.contains(QLatin1String(" yes yes yes "))) << qPrintable(line);
            names.append(line.section(QLatin1Char(' '), 0, 0));
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+DejaVuS(ans|erif)$")).match(names.back()).hasMatch())
                << qPrintable(names.back());
        }
        names.removeDuplicates();
        EXPECT_EQ(names.size(), 4) << qPrintable(names.join(QLatin1Char(' ')));

        const QString text = qmtest::RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        EXPECT_EQ(text.count(QLatin1String("Harriet Quill")), 2) << qPrintable(text);
        EXPECT_EQ(text.count(QLatin1String("Card Stock Works")), 2) << qPrintable(text);
        pages.append(qmtest::RenderPdfPage(path, 72));
        ASSERT_FALSE(pages.back().isNull());
        // The drawing's frame lands where it was placed: 4 points in from the corner given.
        const QRect frame = qmtest::InkBox(pages.back(), QRect(0, 0, 612, 396));
        EXPECT_NEAR(frame.left(), 40, 2);
        EXPECT_NEAR(frame.top(), 40, 2);
        EXPECT_NEAR(frame.right(), 36 + 248, 2);
        EXPECT_NEAR(frame.bottom(), 36 + 140, 2);
    }
    EXPECT_EQ(pages[0], pages[1]);
}

// A drawing cut off half way, bytes of no PDF, or nothing at all: refused with a message that says the drawing
// could not be read back, which is what sends a job to Qt's own writer.
TEST(PdfCopy, ADamagedDrawingIsRefusedAsUnreadable)
{
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
    ASSERT_TRUE(qmtest::WriteFile(cut, Drawing("two-faces-cut.pdf")));
    for (const QByteArray& bytes : {Drawing("two-faces-cut.pdf"), QByteArray("%PDF-1.4\nnot a drawing at all\n"),
                                    QByteArray()}) {
        PdfJobWriter job{QString()};
        ASSERT_TRUE(job.Open(QString()));
        EXPECT_EQ(job.AddDrawing(bytes), -1);
        EXPECT_TRUE(job.DrawingUnreadable());
        EXPECT_TRUE(job.ErrorString().startsWith(QLatin1String("a drawing of the job could not be read back")))
            << qPrintable(job.ErrorString());
    }
    PdfJobWriter job{QString()};
    ASSERT_TRUE(job.Open(QString()));
    EXPECT_EQ(job.AddDrawingFile(cut), -1);
    EXPECT_TRUE(job.DrawingUnreadable());
    // A drawing that reads is no unreadable one.
    PdfJobWriter good{QString()};
    ASSERT_TRUE(good.Open(QString()));
    EXPECT_EQ(good.AddDrawingFile(qmtest::SourceFile(QStringLiteral("tests/data/pdf/two-faces-objstm.pdf"))), 0);
    EXPECT_FALSE(good.DrawingUnreadable());
}

// The font of the pages' own text takes the job's glyph widths; a subset whose glyphs are not numbered as the
// pages number them, or a document without exactly one font, fails the job with a message.
TEST(PdfCopy, TheJobsFontTakesItsWidthsAndMustNumberItsGlyphsAsThePagesDo)
{
    PdfFontSet fonts;
    const QRawFont raw = QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans")));
    ASSERT_TRUE(raw.isValid());
    const int face = fonts.Face(raw);
    for (const quint32 glyph : raw.glyphIndexesForString(QStringLiteral("Quill")))
        fonts.Glyph(face, glyph);
    ASSERT_EQ(fonts.GlyphCount(face), 5); // the missing glyph, Q, u, i, l

    PdfJobWriter job{QString()};
    ASSERT_TRUE(job.Open(QString()));
    ASSERT_TRUE(job.AddFont("/F0", fonts.SubsetDocument(face), fonts.GlyphCount(face), fonts.WidthArray(face)))
        << qPrintable(job.ErrorString());
    job.BeginPage(QSizeF(200, 100));
    job.AddContent("BT /F0 12 Tf 10 50 Td <0001000200030004> Tj ET\n");
    ASSERT_TRUE(job.Finish());
    QPDF document;
    document.processMemoryFile("job", job.Document().constData(), size_t(job.Document().size()));
    QPDFObjectHandle page = document.getAllPages().front();
    QPDFObjectHandle font = page.getKey("/Resources").getKey("/Font").getKey("/F0");
    ASSERT_TRUE(font.isDictionary());
    QPDFObjectHandle glyphFont = font.getKey("/DescendantFonts").getArrayItem(0);
    EXPECT_EQ(glyphFont.getKey("/W").unparse(), QPDFObjectHandle::parse(fonts.WidthArray(face).toStdString()).unparse());
    const std::string name = font.getKey("/BaseFont").getName();
    EXPECT_EQ(name.size(), 1 + 7 + std::string("DejaVuSans").size()) << name;
    EXPECT_EQ(glyphFont.getKey("/FontDescriptor").getKey("/FontName").getName(), name);

    PdfJobWriter counted{QString()};
    ASSERT_TRUE(counted.Open(QString()));
    EXPECT_FALSE(counted.AddFont("/F0", fonts.SubsetDocument(face), fonts.GlyphCount(face) + 1, fonts.WidthArray(face)));
    EXPECT_TRUE(counted.ErrorString().contains(QLatin1String("numbered"))) << qPrintable(counted.ErrorString());

    PdfJobWriter two{QString()};
    ASSERT_TRUE(two.Open(QString()));
    EXPECT_FALSE(two.AddFont("/F0", Drawing("two-faces.pdf"), 0, fonts.WidthArray(face)));
    EXPECT_TRUE(two.ErrorString().contains(QLatin1String("one font"))) << qPrintable(two.ErrorString());
    PdfJobWriter widths{QString()};
    ASSERT_TRUE(widths.Open(QString()));
    EXPECT_FALSE(widths.AddFont("/F0", fonts.SubsetDocument(face), 0, "/NotATable"));
    EXPECT_TRUE(widths.Failed());
}

struct ReadBackFault
{
    ReadBackFault() { SetReadBackFaultForTesting(true); }
    ~ReadBackFault() { SetReadBackFaultForTesting(false); }
};

// When Qt's drawings cannot be read back, Qt's own writer draws the job: every sheet, its text still text,
// in place of the old file at the end; a merge's pages likewise.
TEST(PdfCopy, AJobWhoseDrawingsCannotBeReadBackIsDrawnByQtsOwnWriter)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(qmtest::WriteFile(path, "old"));
    TKBusinessCardPanel32 panel;
    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetBounds(20, 20, 300, 30);
    label->SetCaption(QStringLiteral("Plain Quill"));
    {
        ReadBackFault fault;
        PdfReport pdf(path);
        pdf.SetCopies(3);
        LabelJob job;
        TLabelPrinter printer(panel, job);
        ASSERT_EQ(printer.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());
    }
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QString last = qmtest::RunTool(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("3"), path, QStringLiteral("-")});
    EXPECT_EQ(last.count(QLatin1String("Plain Quill")), 10) << qPrintable(last);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plain.pdf")});
    // The fall-back's own file is not the job writer's: no forms placed.
    EXPECT_FALSE(qmtest::FileBytes(path).contains("/D0 Do"));

    const QString merged = dir.filePath(QStringLiteral("merged.pdf"));
    {
        ReadBackFault fault;
        PdfStreamReport pdf(merged);
        ASSERT_TRUE(pdf.Execute([](TKReport&) {},
                                [](TKReport& r) {
                                    r.StretchDraw(QRectF(1, 1, 2, 1), QSizeF(200, 100), [](QPainter& p) {
                                        QFont font(QStringLiteral("DejaVu Sans"));
                                        font.setPixelSize(20);
                                        p.setFont(font);
                                        p.drawText(QPointF(10, 60), QStringLiteral("Merged Quill"));
                                    });
                                }))
            << qPrintable(pdf.ErrorString());
    }
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdftotext"), {merged, QStringLiteral("-")})
                    .contains(QLatin1String("Merged Quill")));
    EXPECT_TRUE(FontLines(merged).join(QLatin1Char('\n')).contains(QLatin1String(" yes ")));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// A gLabels design imported and printed beside gLabels' own print of it: the ink of either page lies on the
// other's, the QR codes read back, and the import command's messages.
#include "../print/pdfutil.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qmtest;

struct ToolRun
{
    int status = -1;
    QString err;
};

ToolRun Program(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

ToolRun Quillmark(const QStringList& args)
{
    return Program(QStringLiteral(QM_PROGRAM), args);
}

// A card of the usual kinds of object on Avery 5371 (ten 3.5 x 2 inch cards on Letter).
const char kDesign[] = R"(<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="5371" size="US-Letter" description="Business Cards">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="252pt" height="144pt" round="0pt" x_waste="0pt" y_waste="0pt">
      <Layout nx="2" ny="5" x0="54pt" y0="36pt" dx="252pt" dy="144pt"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-box x="0pt" y="0pt" w="252pt" h="20pt" line_width="0pt" line_color="0x00000000" fill_color="0x3366ccff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0" shadow="True" shadow_x="2pt" shadow_y="2pt" shadow_color="0x000000ff" shadow_opacity="0.5"/>
    <Object-text x="12pt" y="30pt" w="200pt" h="24pt" justify="Left" valign="Top" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span font_family="DejaVu Sans" font_size="16" font_weight="Bold" font_italic="False" color="0x000000ff" line_spacing="1">Jane Q. Example</Span>
    </Object-text>
    <Object-text x="12pt" y="60pt" w="150pt" h="60pt" justify="Left" valign="Top" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span font_family="DejaVu Sans" font_size="9" font_weight="Regular" font_italic="False" color="0x333333ff" line_spacing="1">Example Co.<NL/>+1 555 0100<NL/>jane@example.com</Span>
    </Object-text>
    <Object-ellipse x="130pt" y="76pt" w="30pt" h="30pt" line_width="2pt" line_color="0xcc3300ff" fill_color="0x00000000" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-line x="12pt" y="130pt" dx="150pt" dy="0pt" line_width="1pt" line_color="0x000000ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-barcode x="180pt" y="70pt" w="60pt" h="60pt" backend="libqrencode" style="IEC18004" text="False" checksum="True" color="0x000000ff" data="https://example.org/q" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
  </Objects>
</Glabels-document>
)";

// The share of one page's ink (pixels darker than light grey) that has ink of the other page within radius
// pixels.
double InkCovered(const QImage& from, const QImage& by, int radius)
{
    qint64 ink = 0, covered = 0;
    for (int y = 0; y < from.height(); ++y) {
        const uchar* line = from.constScanLine(y);
        for (int x = 0; x < from.width(); ++x) {
            if (line[x] >= 200)
                continue;
            ++ink;
            bool found = false;
            for (int dy = -radius; dy <= radius && !found; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= by.height())
                    continue;
                const uchar* other = by.constScanLine(yy);
                for (int dx = -radius; dx <= radius && !found; ++dx) {
                    const int xx = x + dx;
                    found = xx >= 0 && xx < by.width() && other[xx] < 200;
                }
            }
            covered += found;
        }
    }
    return ink == 0 ? 0.0 : double(covered) / double(ink);
}

TEST(GlabelsSideBySide, ImportedCardPrintsWhereGlabelsPrintsIt)
{
    if (!HavePoppler() || QStandardPaths::findExecutable(QStringLiteral("glabels-3-batch")).isEmpty())
        GTEST_SKIP() << "needs poppler-utils and gLabels (glabels-3-batch)";
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("card.glabels"));
    ASSERT_TRUE(WriteFile(design, kDesign));
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    const ToolRun imported = Quillmark({QStringLiteral("import"), design, card});
    ASSERT_EQ(imported.status, 0) << qPrintable(imported.err);
    EXPECT_TRUE(imported.err.contains(QStringLiteral("Came over exactly:"))) << qPrintable(imported.err);
    EXPECT_TRUE(imported.err.contains(QStringLiteral("see-through shadow"))) << qPrintable(imported.err);

    const QString ours = dir.filePath(QStringLiteral("ours.pdf"));
    const QString theirs = dir.filePath(QStringLiteral("theirs.pdf"));
    ASSERT_EQ(Quillmark({QStringLiteral("print"), card, QStringLiteral("--pdf"), ours, QStringLiteral("--no-nudges"),
                         QStringLiteral("--quiet")})
                  .status,
              0);
    ASSERT_EQ(Program(QStringLiteral("glabels-3-batch"), {QStringLiteral("-o"), theirs, design}).status, 0);

    // At 100 dots per inch 0.5 mm is two pixels.
    const QImage a = RenderPdfPage(ours, 100), b = RenderPdfPage(theirs, 100);
    ASSERT_FALSE(a.isNull());
    ASSERT_EQ(a.size(), b.size());
    const double oursOnTheirs = InkCovered(a, b, 2), theirsOnOurs = InkCovered(b, a, 2);
    std::printf("ink within 0.5 mm: ours on theirs %.1f %%, theirs on ours %.1f %%\n", 100 * oursOnTheirs,
                100 * theirsOnOurs);
    EXPECT_GE(oursOnTheirs, 0.95);
    EXPECT_GE(theirsOnOurs, 0.95);
    // Cards are cut square, as gLabels' are: the band reaches the card's top-left corner (54, 36 pt).
    EXPECT_LT(a.pixelColor(76, 51).value(), 200);

    // Every card's QR code reads back.
    const QString picture = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), ours, picture});
    const QString read = RunTool(QStringLiteral("zbarimg"), {QStringLiteral("-q"), picture + QStringLiteral(".png")});
    EXPECT_EQ(read.count(QStringLiteral("QR-Code:https://example.org/q")), 10) << qPrintable(read);
}

TEST(GlabelsSideBySide, TheImportCommandRefusesWhatItCannotUse)
{
    QTemporaryDir dir;
    const QString notDesign = dir.filePath(QStringLiteral("notes.glabels"));
    ASSERT_TRUE(WriteFile(notDesign, "just some notes\n"));
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    ToolRun run = Quillmark({QStringLiteral("import"), notDesign, card});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("notes.glabels is not a gLabels document"))) << qPrintable(run.err);
    EXPECT_FALSE(QFile::exists(card));

    const QString design = dir.filePath(QStringLiteral("card.glabels"));
    ASSERT_TRUE(WriteFile(design, kDesign));
    EXPECT_EQ(Quillmark({QStringLiteral("import"), design, dir.filePath(QStringLiteral("card.png"))}).status, 2);
    EXPECT_EQ(Quillmark({QStringLiteral("import"), design}).status, 2);
    EXPECT_EQ(Quillmark({QStringLiteral("import"), design, card, QStringLiteral("--fast")}).status, 2);
}

} // namespace

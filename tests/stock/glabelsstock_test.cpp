// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of reading gLabels' stock XML: lengths in every unit, paper sizes, templates of the real database
// (tests/data/stock) against numbers worked by hand, a template read from inside another document, and the
// step to a card sheet layout with the sheets it cannot be.
#include "stock/glabelsstock.h"

#include "testutil.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

using namespace qm;

namespace {

constexpr double kPt = 1e-6; // points compare to a millionth

StockPapers RealPapers()
{
    StockPapers papers;
    QString error;
    EXPECT_TRUE(
        papers.ReadFile(qmtest::SourceFile(QStringLiteral("tests/data/stock/paper-sizes.xml")), &error))
        << error.toStdString();
    return papers;
}

// Every product of a sample file, by part.
std::map<QString, StockEntry> ReadSample(const StockPapers& papers, const char* file)
{
    StockFileFormat format(papers);
    std::vector<StockEntry> entries;
    EXPECT_TRUE(
        format.Read(qmtest::SourceFile(QStringLiteral("tests/data/stock/") + QLatin1String(file)), entries))
        << format.ErrorString().toStdString();
    std::map<QString, StockEntry> byPart;
    for (const StockEntry& e : entries)
        byPart[e.Part] = e;
    return byPart;
}

StockTemplate ReadOne(const QByteArray& xmlText, const StockPapers& papers)
{
    QXmlStreamReader xml(xmlText);
    EXPECT_TRUE(xml.readNextStartElement());
    return ReadStockTemplate(xml, papers);
}

} // namespace

TEST(StockLengths, EveryUnitOfTheDatabaseInPoints)
{
    const std::pair<const char*, double> good[] = {
        {"12", 12},  {"0.75in", 54}, {"85mm", 85 * 72 / 25.4}, {"1cm", 720 / 25.4},
        {"2pc", 24}, {"4.5pt", 4.5}, {" 3in ", 216},           {"1.5e-16pt", 1.5e-16},
        {"0", 0},
    };
    for (const auto& [text, points] : good) {
        double read = -1;
        EXPECT_TRUE(ParseStockLength(QLatin1String(text), &read)) << text;
        EXPECT_NEAR(read, points, 1e-9) << text;
    }
    for (const char* text : {"", "in", "abc", "3 furlongs", "12px", "-1mm", "inf", "nan", "1,5mm"}) {
        double read = -1;
        EXPECT_FALSE(ParseStockLength(QLatin1String(text), &read)) << text;
    }
}

TEST(StockPapersFile, ReadsGlabelsPaperSizesAndKnowsLetterAndA4Without)
{
    const StockPapers builtIn;
    ASSERT_TRUE(builtIn.Find(QStringLiteral("A4")));
    EXPECT_NEAR(builtIn.Find(QStringLiteral("A4"))->Size.width(), 595.2756, 1e-3);
    EXPECT_EQ(builtIn.Find(QStringLiteral("US-Letter"))->Size, QSizeF(612, 792));
    EXPECT_FALSE(builtIn.Find(QStringLiteral("US-Legal")));

    const StockPapers papers = RealPapers();
    EXPECT_EQ(papers.Count(), 40); // the file's 40, A4 and US Letter among them
    ASSERT_TRUE(papers.Find(QStringLiteral("US-Legal")));
    EXPECT_EQ(papers.Find(QStringLiteral("US-Legal"))->Name, QStringLiteral("US Legal"));
    EXPECT_EQ(papers.Find(QStringLiteral("US-Legal"))->Size, QSizeF(612, 1008));
    EXPECT_NEAR(papers.Find(QStringLiteral("A5"))->Size.height(), 210 * 72 / 25.4, kPt);

    // A file of something else adds nothing.
    StockPapers other;
    QString error;
    EXPECT_FALSE(other.ReadFile(qmtest::SourceFile(QStringLiteral("tests/data/stock/avery-us-templates.xml")),
                                &error));
    EXPECT_TRUE(error.contains(QStringLiteral("avery-us-templates.xml"))) << error.toStdString();
    EXPECT_EQ(other.Count(), 2);
}

TEST(StockTemplates, RealTemplatesGiveTheirMakersNumbers)
{
    const StockPapers papers = RealPapers();

    // Avery 5371, US Letter, in inches: 3.5 x 2 in, 2 x 5, first card at 0.75, 0.5 in, pitch 3.5 x 2 in.
    auto us = ReadSample(papers, "avery-us-templates.xml");
    ASSERT_TRUE(us.count(QStringLiteral("5371")));
    const StockEntry& a5371 = us[QStringLiteral("5371")];
    EXPECT_EQ(a5371.Brand, QStringLiteral("Avery"));
    EXPECT_EQ(a5371.Description, QStringLiteral("Business Cards"));
    EXPECT_EQ(a5371.PaperName, QStringLiteral("US Letter"));
    EXPECT_EQ(a5371.PaperSize, QSizeF(612, 792));
    EXPECT_TRUE(a5371.IsBusinessCard());
    EXPECT_DOUBLE_EQ(a5371.Width, 252);
    EXPECT_DOUBLE_EQ(a5371.Height, 144);
    ASSERT_EQ(a5371.Grids.size(), 1);
    EXPECT_EQ(a5371.Grids[0], (StockGrid{2, 5, 54, 36, 252, 144}));
    EXPECT_EQ(a5371.CardCount(), 10);
    // Equivalents name their original; round labels and the equivalents of round labels are left out
    // here without an error (the catalogue drops equivalents of what it does not hold).
    EXPECT_EQ(us[QStringLiteral("8371")].EquivalentOf, QStringLiteral("5371"));
    EXPECT_EQ(us[QStringLiteral("28373")].EquivalentOf, QStringLiteral("8373"));
    EXPECT_FALSE(us.count(QStringLiteral("3274.2")));
    EXPECT_EQ(us[QStringLiteral("3112")].EquivalentOf, QStringLiteral("3274.2"));
    // Avery 8373: 8 a sheet, left 0.5 in, top 0.75 in, pitch 4 x 2.5 in.
    EXPECT_EQ(us[QStringLiteral("8373")].Grids[0], (StockGrid{2, 4, 36, 54, 288, 180}));

    // Avery 7414 on A4 in points: 255.1 x 147.4 pt (90 x 52 mm), first card at 42.51, 52.44 pt.
    auto iso = ReadSample(papers, "avery-iso-templates.xml");
    const StockEntry& a7414 = iso[QStringLiteral("7414")];
    EXPECT_EQ(a7414.PaperId, QStringLiteral("A4"));
    EXPECT_NEAR(a7414.Width * 25.4 / 72, 90.0, 0.01);
    EXPECT_NEAR(a7414.Height * 25.4 / 72, 52.0, 0.01);
    EXPECT_EQ(a7414.Grids[0], (StockGrid{2, 5, 42.51, 52.44, 255.1, 147.4}));
    EXPECT_EQ(iso[QStringLiteral("L7414")].EquivalentOf, QStringLiteral("7414"));

    // Zweckform 32015 in millimetres: 85 x 54 mm, 2 x 4, at 17, 31.5 mm, pitch 91 x 60 mm.
    auto zw = ReadSample(papers, "zweckform-iso-templates.xml");
    const StockEntry& z32015 = zw[QStringLiteral("32015")];
    const double mm = 72 / 25.4;
    EXPECT_NEAR(z32015.Width, 85 * mm, kPt);
    EXPECT_NEAR(z32015.Height, 54 * mm, kPt);
    const StockGrid& g = z32015.Grids[0];
    EXPECT_EQ(g.Across, 2);
    EXPECT_EQ(g.Down, 4);
    EXPECT_NEAR(g.X0, 17 * mm, kPt);
    EXPECT_NEAR(g.Y0, 31.5 * mm, kPt);
    EXPECT_NEAR(g.DX, 91 * mm, kPt);
    EXPECT_NEAR(g.DY, 60 * mm, kPt);

    // Rounded corners, two grids, "Other" paper with its own size.
    auto misc = ReadSample(papers, "misc-templates.xml");
    EXPECT_NEAR(misc[QStringLiteral("VIZ2")].Round, 4 * mm, kPt);
    EXPECT_EQ(misc[QStringLiteral("PRO Zip")].Grids.size(), 2);
    EXPECT_EQ(misc[QStringLiteral("PRO Zip")].CardCount(), 4);
    EXPECT_EQ(misc[QStringLiteral("6141")].PaperSize, QSizeF(207, 351));
    EXPECT_EQ(misc[QStringLiteral("6141")].PaperName, QStringLiteral("73 x 124 mm"));
}

TEST(StockTemplates, OneTemplateReadFromInsideAnotherDocument)
{
    // As a gLabels document embeds the template its labels are on: the reader is left on the template's end,
    // so the document reads on, also past a template found wrong.
    const QByteArray document = R"(<Glabels-document>
  <Template brand="Avery" part="5371" size="US-Letter" description="Business Cards">
    <Meta category="card"/>
    <Label-rectangle id="0" width="3.5in" height="2in" round="0.1in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="2" ny="5" x0="0.75in" y0="0.5in" dx="3.5in" dy="2in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Avery" part="X1" size="A4"><Label-rectangle width="1in" height="2in">
    <Layout nx="two" ny="5" x0="1in" y0="1in" dx="1in" dy="2in"/></Label-rectangle></Template>
  <Template name="Avery 9999" size="Other" width="100mm" height="50mm">
    <Label-round id="0" radius="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-round>
  </Template>
  <Objects/>
</Glabels-document>)";
    const StockPapers papers;
    QXmlStreamReader xml(document);
    ASSERT_TRUE(xml.readNextStartElement());
    ASSERT_TRUE(xml.readNextStartElement());
    const StockTemplate first = ReadStockTemplate(xml, papers);
    ASSERT_EQ(first.kind, StockTemplate::Kind::Entry) << first.error.toStdString();
    EXPECT_EQ(first.entry.Description, QStringLiteral("Business Cards"));
    EXPECT_DOUBLE_EQ(first.entry.Round, 7.2);
    EXPECT_TRUE(xml.isEndElement() && xml.name() == QLatin1String("Template"));

    ASSERT_TRUE(xml.readNextStartElement());
    const StockTemplate broken = ReadStockTemplate(xml, papers);
    EXPECT_EQ(broken.kind, StockTemplate::Kind::Bad);
    EXPECT_TRUE(broken.error.contains(QStringLiteral("Avery X1"))) << broken.error.toStdString();
    EXPECT_TRUE(broken.error.contains(QStringLiteral("\"two\""))) << broken.error.toStdString();
    EXPECT_TRUE(xml.isEndElement() && xml.name() == QLatin1String("Template"));

    ASSERT_TRUE(xml.readNextStartElement());
    const StockTemplate round = ReadStockTemplate(xml, papers);
    EXPECT_EQ(round.kind, StockTemplate::Kind::NotRectangular);
    EXPECT_EQ(round.entry.Brand, QStringLiteral("Avery"));
    EXPECT_EQ(round.entry.Part, QStringLiteral("9999"));

    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("Objects"));
    EXPECT_FALSE(xml.hasError());
}

TEST(StockTemplates, FaultyTemplatesAreNamedAndPassedOver)
{
    const StockPapers papers;
    const auto error = [&](const char* body) {
        const StockTemplate t = ReadOne(QByteArray(body), papers);
        EXPECT_EQ(t.kind, StockTemplate::Kind::Bad) << body;
        return t.error;
    };
    EXPECT_TRUE(
        error(R"(<Template brand="B" part="1" size="Tabloid"/>)").contains(QStringLiteral("Tabloid")));
    EXPECT_TRUE(error(R"(<Template brand="B" size="A4"/>)").contains(QStringLiteral("part")));
    EXPECT_TRUE(error(R"(<Template brand="B" part="2" size="A4"><Label-rectangle width="1in" height="0">
        <Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>)")
                    .contains(QStringLiteral("no size")));
    EXPECT_TRUE(error(R"(<Template brand="B" part="3" size="A4"><Label-rectangle width="1in" height="1in">
        </Label-rectangle></Template>)")
                    .contains(QStringLiteral("no labels")));
    EXPECT_TRUE(error(R"(<Template brand="B" part="4" size="A4"><Label-rectangle width="1in" height="1in">
        <Layout nx="2" ny="1" x0="0" y0="0"/></Label-rectangle></Template>)")
                    .contains(QStringLiteral("dx")));

    // A template given a length without its number reads it as 0, as gLabels does (two of gLabels' own
    // templates have x0="" and round="in").
    const StockTemplate zero = ReadOne(R"(<Template brand="B" part="6" size="A4"><Label-rectangle width="1in"
        height="1in" round="in"><Layout nx="3" ny="1" x0="" y0="12.5" dx="1in" dy="0"/></Label-rectangle></Template>)",
                                       papers);
    ASSERT_EQ(zero.kind, StockTemplate::Kind::Entry) << zero.error.toStdString();
    EXPECT_EQ(zero.entry.Round, 0);
    EXPECT_EQ(zero.entry.Grids[0].X0, 0);
    EXPECT_EQ(zero.entry.Grids[0].Y0, 12.5);

    // A broken template in a file is passed over and named with the file and its line; the rest reads.
    QByteArray file =
        qmtest::FileBytes(qmtest::SourceFile(QStringLiteral("tests/data/stock/zweckform-iso-templates.xml")));
    file.replace(R"(dx="91mm")", R"(dx="91 mm wide")");
    StockFileFormat format(papers);
    std::vector<StockEntry> entries;
    ASSERT_TRUE(format.ReadBytes(file, QStringLiteral("zw.xml"), entries))
        << format.ErrorString().toStdString();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Part, QStringLiteral("32010"));
    ASSERT_EQ(format.Warnings().size(), 1);
    EXPECT_TRUE(
        format.Warnings()[0].startsWith(QStringLiteral("zw.xml, line 21: The template Zweckform 32015")))
        << format.Warnings()[0].toStdString();
    // A file whose every template is broken is refused, saying why.
    file.replace(R"(dy="153")", R"(dy="x")");
    entries.clear();
    EXPECT_FALSE(format.ReadBytes(file, QStringLiteral("zw.xml"), entries));
    EXPECT_TRUE(entries.empty());
    // The reason is the first template's, without the file and line the warning puts before it.
    EXPECT_EQ(format.ErrorString().toStdString(),
              "The file zw.xml holds no sheet that can be read. The template Zweckform 32010: Layout has a dy of "
              "\"x\", not a length. It is left out.");
    EXPECT_FALSE(format.HeldOtherShapesOnly());
    // A file of round labels only holds nothing Quillmark prints on.
    EXPECT_FALSE(format.ReadBytes(R"(<Glabels-templates><Template brand="B" part="5" size="A4">
        <Label-round radius="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-round></Template></Glabels-templates>)",
                                  QStringLiteral("round.xml"), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_TRUE(format.HeldOtherShapesOnly());
}

TEST(StockLayouts, SheetsBecomeCardLayoutsInInches)
{
    const StockPapers papers = RealPapers();
    CardSheetLayout base;
    base.UseMM = true;
    base.UsePortrait = true;
    base.PredefLayout = 4;

    auto us = ReadSample(papers, "avery-us-templates.xml");
    CardSheetLayout l;
    ASSERT_EQ(StockToLayout(us[QStringLiteral("8373")], base, &l), QString());
    EXPECT_FLOAT_EQ(l.Width, 3.5f);
    EXPECT_FLOAT_EQ(l.Height, 2.0f);
    EXPECT_EQ(l.Across, 2);
    EXPECT_EQ(l.Down, 4);
    EXPECT_FLOAT_EQ(l.LeftMargin, 0.5f);
    EXPECT_FLOAT_EQ(l.TopMargin, 0.75f);
    EXPECT_FLOAT_EQ(l.HPitch, 4.0f);
    EXPECT_FLOAT_EQ(l.VPitch, 2.5f);
    EXPECT_EQ(l.Papersize, kPaperLetter);
    // What the user set stays.
    EXPECT_TRUE(l.UseMM);
    EXPECT_TRUE(l.UsePortrait);
    EXPECT_EQ(l.PredefLayout, 4);

    // Zweckform 32010: rows 153 pt apart for cards 153.07 pt high, rounding in the maker's numbers: the
    // card is taken 153 pt high, every position exact.
    auto zw = ReadSample(papers, "zweckform-iso-templates.xml");
    ASSERT_EQ(StockToLayout(zw[QStringLiteral("32010")], base, &l), QString());
    EXPECT_EQ(l.Papersize, kPaperA4);
    EXPECT_FLOAT_EQ(l.Height, float(153.0 / 72));
    EXPECT_FLOAT_EQ(l.VPitch, float(153.0 / 72));
    EXPECT_FLOAT_EQ(l.Width, float(240.94 / 72));
    EXPECT_FLOAT_EQ(l.HPitch, float(269.0 / 72));
    EXPECT_FLOAT_EQ(l.TopMargin, float(40.0 / 72));

    // One card across: the pitch is the card's own width, whatever the file says.
    auto misc = ReadSample(papers, "misc-templates.xml");
    ASSERT_EQ(StockToLayout(misc[QStringLiteral("VIZ2")], base, &l), QString());
    EXPECT_EQ(l.Across, 1);
    EXPECT_FLOAT_EQ(l.HPitch, l.Width);
    EXPECT_NEAR(l.VPitch * 25.4, 55.0, 1e-4);
}

TEST(StockLayouts, SheetsALayoutCannotHoldAreRefusedByName)
{
    const StockPapers papers = RealPapers();
    auto misc = ReadSample(papers, "misc-templates.xml");
    CardSheetLayout untouched;
    CardSheetLayout l = untouched;
    const QString twoGrids = StockToLayout(misc[QStringLiteral("PRO Zip")], CardSheetLayout(), &l);
    EXPECT_TRUE(twoGrids.contains(QStringLiteral("Stomper PRO Zip"))) << twoGrids.toStdString();
    const QString otherPaper = StockToLayout(misc[QStringLiteral("6141")], CardSheetLayout(), &l);
    EXPECT_TRUE(otherPaper.contains(QStringLiteral("73 x 124 mm"))) << otherPaper.toStdString();
    EXPECT_TRUE(l == untouched);

    StockEntry e = ReadSample(papers, "avery-us-templates.xml")[QStringLiteral("5371")];
    e.Grids[0].Across = 11;
    EXPECT_FALSE(StockToLayout(e, CardSheetLayout(), &l).isEmpty());
    e.Grids[0].Across = 2;
    e.Grids[0].DY = 143; // cards really overlapping
    EXPECT_TRUE(StockToLayout(e, CardSheetLayout(), &l).contains(QStringLiteral("overlapping")));
    e.Grids[0].DY = 144;
    e.PaperId = QStringLiteral("Other"); // "Other" paper of Letter's size is Letter
    EXPECT_TRUE(StockToLayout(e, CardSheetLayout(), &l).isEmpty());
    EXPECT_EQ(l.Papersize, kPaperLetter);
}

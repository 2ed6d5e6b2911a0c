// SPDX-License-Identifier: GPL-3.0-or-later
// A gLabels design opened from the File menu: a new untitled card with the design's stock, the report shown,
// the merge data handed on; a file that is no design changes nothing; merge data without a row of names.
#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "model/cardobjects.h"
#include "model/mergerecord.h"
#include "objects/shapes/cardshape.h"
#include "print/mergefeed.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

class Prompts : public DocumentPrompts
{
public:
    QString file;
    QStringList information, errors;
    bool Ask(const QString&, const QString&) override { return false; }
    void Inform(const QString& message) override { information << message; }
    void ShowError(const QString& message) override { errors << message; }
    QString ChooseFile(const FileRequest& request) override
    {
        filter = request.filter;
        return file;
    }
    bool ChooseFont(TKFont&) override { return false; }
    QString filter;
};

const char kDesign[] = R"(<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="8371" size="US-Letter" description="Business Cards">
    <Label-rectangle id="0" width="3.5in" height="2in" round="0pt">
      <Layout nx="2" ny="5" x0="0.75in" y0="0.5in" dx="3.5in" dy="2in"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-box x="0pt" y="0pt" w="72pt" h="72pt" line_width="0pt" fill_color="0xff0000ff"/>
    <Object-text x="80pt" y="10pt" w="100pt" h="14pt"><Span font_size="10"><Field name="1"/> <Field name="2"/></Span></Object-text>
  </Objects>
  <Merge type="Text/Comma" src="people.csv"/>
</Glabels-document>
)";

class GlabelsOpen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        CardDocument::CreateFolders();
        doc = std::make_unique<CardDocument>(panel, prompts);
        doc->Load();
        doc->FirstActivate();
        doc->MergeSourceFound = [this](const QString& source, bool numbered) {
            mergeSource = source;
            mergeNumbered = numbered;
        };
    }
    void TearDown() override
    {
        doc.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = home.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir home;
    QByteArray oldHome;
    Prompts prompts;
    TKBusinessCardPanel32 panel;
    std::unique_ptr<CardDocument> doc;
    QString mergeSource;
    bool mergeNumbered = false;
};

TEST_F(GlabelsOpen, ADesignOpensAsANewUntitledCardWithItsStockAndMergeData)
{
    prompts.file = Write(QStringLiteral("design.glabels"), kDesign);
    ASSERT_TRUE(doc->Open());
    EXPECT_TRUE(prompts.filter.contains(QStringLiteral("*.glabels")));
    EXPECT_TRUE(prompts.errors.isEmpty()) << qPrintable(prompts.errors.join('\n'));
    EXPECT_EQ(panel.CardObjects().Count(), 2);
    EXPECT_TRUE(doc->FileName().isEmpty());
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_EQ(doc->Layout().Across, 2);
    EXPECT_EQ(doc->Layout().Down, 5);
    ASSERT_EQ(prompts.information.size(), 1);
    EXPECT_TRUE(prompts.information[0].contains(QStringLiteral("design.glabels opened as a new card")));
    EXPECT_TRUE(prompts.information[0].contains(QStringLiteral("Came over exactly:")));
    EXPECT_EQ(mergeSource, home.filePath(QStringLiteral("people.csv")));
    EXPECT_TRUE(mergeNumbered);
    EXPECT_TRUE(doc->RecentFiles().isEmpty() || !doc->RecentFiles().first().endsWith(QStringLiteral(".glabels")));
}

TEST_F(GlabelsOpen, ADesignNamedAtStartStaysAnUnsavedCard)
{
    const QString design = Write(QStringLiteral("design.glabels"), kDesign);
    TKBusinessCardPanel32 other;
    CardDocument started(other, prompts);
    started.Load();
    started.FirstActivate(design);
    EXPECT_EQ(other.CardObjects().Count(), 2);
    EXPECT_TRUE(started.FileName().isEmpty());
    EXPECT_TRUE(started.ChangesMade());
}

TEST_F(GlabelsOpen, AFileThatIsNoDesignLeavesTheCardAlone)
{
    auto shape = std::make_unique<TBCShapes>();
    shape->Loaded();
    panel.PlaceObject(std::move(shape), QRect(10, 10, 40, 40));
    doc->SetChangesMade(false);
    const QByteArray cut = QByteArray(kDesign).left(500);
    prompts.file = Write(QStringLiteral("broken.glabels"), cut);
    EXPECT_FALSE(doc->OpenBCFile(prompts.file));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("broken.glabels"))) << qPrintable(prompts.errors[0]);
    EXPECT_EQ(panel.CardObjects().Count(), 1);
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_TRUE(mergeSource.isEmpty());
}

TEST_F(GlabelsOpen, NumberedMergeDataKeepsItsFirstRowAsAPerson)
{
    const QString data = Write(QStringLiteral("people.csv"), "Ada Lovelace,Analytical Ltd\nAlan Turing,Bletchley\n");
    TMergeFeed feed;
    feed.SetNumberedFile(data);
    ASSERT_TRUE(feed.Open(data)) << qPrintable(feed.Problem());
    EXPECT_EQ(feed.Columns(), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(feed.RecordCount(), 2);
    MergeRecord record;
    const auto next = feed.StartJob();
    ASSERT_TRUE(next);
    ASSERT_TRUE(next(record));
    EXPECT_EQ(MergeText(QStringLiteral("{1} of {2}"), {}, &record), QStringLiteral("Ada Lovelace of Analytical Ltd"));

    // Any other file names its columns by its first row, as before.
    const QString named = Write(QStringLiteral("named.csv"), "Name,Company\nAda,Analytical\n");
    ASSERT_TRUE(feed.Open(named));
    EXPECT_EQ(feed.Columns(), QStringList({QStringLiteral("Name"), QStringLiteral("Company")}));
    EXPECT_EQ(feed.RecordCount(), 1);
}

} // namespace

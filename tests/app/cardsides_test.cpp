// SPDX-License-Identifier: GPL-3.0-or-later
// A card's two sides in the document: the back saved beside the front and opened with it, a one-sided card's
// files as before, an emptied back removed, delete and templates taking both, and undo across both sides.
#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/templatefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

using namespace qm;

namespace {

class Prompts : public DocumentPrompts
{
public:
    std::deque<QString> files;
    QStringList errors;
    bool Ask(const QString&, const QString&) override { return true; }
    void Inform(const QString&) override {}
    void ShowError(const QString& message) override { errors << message; }
    QString ChooseFile(const FileRequest&) override
    {
        if (files.empty())
            return QString();
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    bool ChooseFont(TKFont&) override { return false; }
};

class CardSides : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        QDir(home.path()).mkpath(QStringLiteral("saved"));
        Restart();
    }
    void TearDown() override
    {
        doc.reset();
        panel.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    void Restart()
    {
        doc.reset();
        panel = std::make_unique<TKBusinessCardPanel32>();
        doc = std::make_unique<CardDocument>(*panel, prompts);
        doc->Load();
        doc->FirstActivate();
    }
    // One user action: a rectangle drawn, and its undo step.
    void Draw(int x = 40)
    {
        auto shape = std::make_unique<TBCShapes>();
        shape->Loaded();
        panel->PlaceObject(std::move(shape), QRect(x, 30, 60, 40));
        panel->History().Commit(QStringLiteral("Draw"));
    }
    int Objects() const { return panel->CardObjects().Count(); }
    QString Saved(const QString& name) const { return home.filePath(QStringLiteral("saved/") + name); }
    QStringList SavedFiles() const { return QDir(home.filePath(QStringLiteral("saved"))).entryList(QDir::Files); }
    // Saves the card under name through Save As.
    bool SaveAs(const QString& name)
    {
        prompts.files.push_back(Saved(name));
        return doc->SaveAs();
    }

    QTemporaryDir home;
    QByteArray oldHome;
    Prompts prompts;
    std::unique_ptr<TKBusinessCardPanel32> panel;
    std::unique_ptr<CardDocument> doc;
};

} // namespace

TEST_F(CardSides, BothSidesAreSavedBesideEachOtherAndOpenTogether)
{
    Draw();
    EXPECT_TRUE(doc->ShowSide(true));
    EXPECT_EQ(Objects(), 0);
    Draw(10);
    Draw(120);
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark (Back)"));
    ASSERT_TRUE(SaveAs(QStringLiteral("two.qmk")));
    EXPECT_EQ(SavedFiles(), (QStringList{QStringLiteral("two.back.qme"), QStringLiteral("two.back.qmk"),
                                         QStringLiteral("two.qme"), QStringLiteral("two.qmk")}));
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark - two.qmk (Back)"));

    Restart();
    ASSERT_TRUE(doc->OpenBCFile(Saved(QStringLiteral("two.qmk"))));
    EXPECT_FALSE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 1);
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark - two.qmk (Front)"));
    // Showing the other side is no change of the card.
    EXPECT_TRUE(doc->ShowSide(true));
    EXPECT_EQ(Objects(), 2);
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_FALSE(doc->ShowSide(true));
    // The back prints from a card of its own while the front is shown.
    EXPECT_EQ(doc->HiddenSideCard(), nullptr);
    doc->ShowSide(false);
    const std::unique_ptr<CardModel> back = doc->HiddenSideCard();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Objects().Count(), 2);
    EXPECT_EQ(back->Size(), panel->Card().Size());
    // The back alone opens as a card of its own.
    Restart();
    ASSERT_TRUE(doc->OpenBCFile(Saved(QStringLiteral("two.back.qmk"))));
    EXPECT_EQ(Objects(), 2);
}

TEST_F(CardSides, AOneSidedCardWritesItsTwoFilesAndAnEmptiedBackGoes)
{
    Draw();
    ASSERT_TRUE(SaveAs(QStringLiteral("one.qmk")));
    EXPECT_EQ(SavedFiles(), (QStringList{QStringLiteral("one.qme"), QStringLiteral("one.qmk")}));
    // Looking at the empty back and saving adds nothing.
    doc->ShowSide(true);
    ASSERT_TRUE(doc->Save());
    EXPECT_EQ(SavedFiles().size(), 2);

    Draw();
    ASSERT_TRUE(doc->Save());
    EXPECT_TRUE(QFile::exists(Saved(QStringLiteral("one.back.qmk"))));
    // The back emptied again: saving removes its files.
    panel->SelectAll();
    panel->Delete();
    panel->History().Commit(QStringLiteral("Delete"));
    EXPECT_EQ(Objects(), 0);
    ASSERT_TRUE(doc->Save());
    EXPECT_EQ(SavedFiles(), (QStringList{QStringLiteral("one.qme"), QStringLiteral("one.qmk")}));
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark - one.qmk (Back)"));
}

TEST_F(CardSides, DeleteAndSaveAsTakeBothSides)
{
    Draw();
    doc->ShowSide(true);
    Draw();
    ASSERT_TRUE(SaveAs(QStringLiteral("a.qmk")));
    // Saved again under another name: both sides go there, the front from the side kept aside.
    ASSERT_TRUE(SaveAs(QStringLiteral("b.qmk")));
    EXPECT_TRUE(QFile::exists(Saved(QStringLiteral("b.back.qmk"))));
    Restart();
    ASSERT_TRUE(doc->OpenBCFile(Saved(QStringLiteral("b.qmk"))));
    EXPECT_EQ(Objects(), 1);
    ASSERT_TRUE(doc->HasBack());

    prompts.files.push_back(Saved(QStringLiteral("a.qmk")));
    doc->Delete();
    EXPECT_EQ(SavedFiles(), (QStringList{QStringLiteral("b.back.qme"), QStringLiteral("b.back.qmk"),
                                         QStringLiteral("b.qme"), QStringLiteral("b.qmk")}));
    EXPECT_FALSE(doc->RecentFiles().contains(Saved(QStringLiteral("a.qmk"))));
}

TEST_F(CardSides, UndoAndRedoGoBackToTheSideTheyChange)
{
    Draw(); // front: 1
    doc->ShowSide(true);
    Draw(); // back: 1
    Draw(); // back: 2
    doc->ShowSide(false);
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Draw"));

    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 1);
    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 0);
    ASSERT_TRUE(doc->Undo());
    EXPECT_FALSE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 0);
    EXPECT_FALSE(doc->CanUndo());

    ASSERT_TRUE(doc->Redo());
    EXPECT_FALSE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 1);
    ASSERT_TRUE(doc->Redo());
    EXPECT_TRUE(doc->ShowingBack());
    EXPECT_EQ(Objects(), 1);
    // The front stayed as redone while the back was shown.
    doc->ShowSide(false);
    EXPECT_EQ(Objects(), 1);
}

TEST_F(CardSides, TemplatesCarryTheBackAndAnUnreadableBackIsLeftAlone)
{
    Draw();
    doc->ShowSide(true);
    Draw();
    Draw(150);
    const QString templ = home.filePath(QStringLiteral("two.qmkt"));
    prompts.files.push_back(templ);
    ASSERT_TRUE(doc->WriteTemplate());
    EXPECT_FALSE(doc->ShowingBack());
    EXPECT_EQ(CardTemplate::BackPath(templ), home.filePath(QStringLiteral("two.back.qmk")));
    ASSERT_TRUE(QFile::exists(CardTemplate::BackPath(templ)));

    Restart();
    ASSERT_TRUE(doc->NewFromTemplate(templ, QString()));
    EXPECT_TRUE(doc->HasBack());
    EXPECT_FALSE(doc->ChangesMade());
    doc->ShowSide(true);
    EXPECT_EQ(Objects(), 2);

    // A back that does not read: said once, the card opens, and a save leaves that file as it was.
    Restart();
    Draw();
    ASSERT_TRUE(SaveAs(QStringLiteral("bad.qmk")));
    QFile bad(Saved(QStringLiteral("bad.back.qmk")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a card");
    bad.close();
    // The start opens the most recent card: this one.
    Restart();
    EXPECT_EQ(doc->FileName(), Saved(QStringLiteral("bad.qmk")));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("bad.back.qmk")));
    Draw();
    ASSERT_TRUE(doc->Save());
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), QByteArray("not a card"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The card document: states and captions, save prompts, card and companion files, recent files, zoom, export.
#include "app/carddocument.h"
#include "objects/templatefile.h"

#include "app/export.h"
#include "design/cardpanel.h"
#include "model/subobjects.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/qrcode.h"
#include "objects/text/textlabel.h"
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

using namespace qm;

namespace {

// Answers the document's questions and file dialogs from a script and records what it was shown.
class ScriptedPrompts : public DocumentPrompts
{
public:
    std::deque<bool> answers;
    std::deque<QString> files;
    QStringList questions;
    QStringList information;
    QStringList errors;
    std::vector<FileRequest> requests;
    int beeps = 0;

    bool Ask(const QString& text, const QString& caption) override
    {
        questions << caption + QStringLiteral(": ") + text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << qPrintable(text);
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const QString& message) override { information << message; }
    void ShowError(const QString& message) override { errors << message; }
    QString ChooseFile(const FileRequest& request) override
    {
        requests.push_back(request);
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << qPrintable(request.title);
            return QString();
        }
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    // Three-way questions take these first, then fall back to the yes/no answers.
    std::deque<Answer> choices;
    Answer AskOrCancel(const QString& text, const QString& caption) override
    {
        if (choices.empty())
            return DocumentPrompts::AskOrCancel(text, caption);
        questions << caption + QStringLiteral(": ") + text;
        const Answer answer = choices.front();
        choices.pop_front();
        return answer;
    }
    int confirmations = 0;
    bool Confirm(const QString& text, const QString& caption) override
    {
        ++confirmations;
        return Ask(text, caption);
    }
    bool ChooseFont(TKFont&) override { return false; }
    void Beep() override { ++beeps; }
};

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        CardDocument::CreateFolders();
        Restart();
    }
    void TearDown() override
    {
        doc.reset();
        panel.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    // A fresh start of the program on the same data folder.
    void Restart()
    {
        doc.reset();
        panel = std::make_unique<TKBusinessCardPanel32>();
        doc = std::make_unique<CardDocument>(*panel, prompts);
        doc->Load();
        doc->FirstActivate();
    }
    QString Saved(const QString& name) const { return home.filePath(QStringLiteral("saved/") + name); }
    // Draws a rectangle as the rectangle tool does; the panel reports the change.
    TKGraphicControl* AddShape(QRect rect = QRect(40, 30, 60, 40))
    {
        auto shape = std::make_unique<TBCShapes>();
        shape->Loaded();
        return panel->PlaceObject(std::move(shape), rect);
    }
    // A saved card with n rectangles, written through a panel of its own.
    QString MakeCard(const QString& name, int shapes = 1)
    {
        TKBusinessCardPanel32 other;
        for (int i = 0; i < shapes; ++i) {
            auto shape = std::make_unique<TBCShapes>();
            shape->Loaded();
            other.PlaceObject(std::move(shape), QRect(10 + 20 * i, 10, 15, 15));
        }
        const QString path = Saved(name);
        EXPECT_TRUE(other.SaveToFile(path));
        return path;
    }
    static void WriteText(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    int Objects() const { return panel->CardObjects().Count(); }

    QTemporaryDir home;
    QByteArray oldHome;
    ScriptedPrompts prompts;
    std::unique_ptr<TKBusinessCardPanel32> panel;
    std::unique_ptr<CardDocument> doc;
};

QStringList NonBlankLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}

} // namespace

// ---- States and what the window shows for them ----

TEST_F(DocumentTest, CaptionsFollowTheFourDocumentStates)
{
    // Untitled, unchanged.
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark"));
    EXPECT_EQ(doc->SaveButtonCaption(), QStringLiteral("Save As"));
    EXPECT_FALSE(doc->SaveButtonsVisible());

    // Untitled, changed.
    AddShape();
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_TRUE(doc->SaveButtonsVisible());
    EXPECT_EQ(doc->SaveButtonCaption(), QStringLiteral("Save As"));

    // Titled, unchanged: Save As proposes the first free BC name in saved/.
    prompts.files = {Saved(QStringLiteral("BC0001.QMK"))};
    ASSERT_TRUE(doc->SaveAs());
    ASSERT_EQ(prompts.requests.size(), 1u);
    EXPECT_EQ(prompts.requests[0].proposedName, QStringLiteral("BC0001.qmk"));
    EXPECT_EQ(QDir(prompts.requests[0].folder), QDir(home.filePath(QStringLiteral("saved"))));
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark - BC0001.QMK"));
    EXPECT_EQ(doc->SaveButtonCaption(), QStringLiteral("Save"));
    EXPECT_FALSE(doc->SaveButtonsVisible());

    // Titled, changed; New after "No" discards the change and leaves the file alone.
    AddShape(QRect(120, 40, 30, 30));
    EXPECT_TRUE(doc->SaveButtonsVisible());
    const QByteArray onDisk = [&] {
        QFile f(Saved(QStringLiteral("BC0001.QMK")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    prompts.answers = {false};
    ASSERT_TRUE(doc->New());
    EXPECT_EQ(prompts.questions.last(), QStringLiteral("Save: Save changes?"));
    EXPECT_EQ(Objects(), 0);
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_EQ(doc->WindowTitle(), QStringLiteral("Quillmark"));
    QFile f(Saved(QStringLiteral("BC0001.QMK")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), onDisk);
}

TEST_F(DocumentTest, ProposedNamesSkipCardsThatAreThereInAnyCase)
{
    WriteText(Saved(QStringLiteral("BC0001.QMK")), "x");
    WriteText(Saved(QStringLiteral("bc0002.qmk")), "x");
    EXPECT_EQ(ProposedCardName(home.filePath(QStringLiteral("saved"))), QStringLiteral("BC0003.qmk"));
    EXPECT_EQ(ProposedCardName(home.filePath(QStringLiteral("nowhere"))), QStringLiteral("BC0001.qmk"));
}

TEST_F(DocumentTest, SaveOnAnUntitledCardAsksForAName)
{
    AddShape();
    // Cancelling the dialog saves nothing and keeps the changes.
    prompts.files = {QString()};
    EXPECT_FALSE(doc->Save());
    ASSERT_EQ(prompts.requests.size(), 1u);
    EXPECT_EQ(prompts.requests[0].kind, FileRequest::Save);
    EXPECT_EQ(prompts.requests[0].proposedName, QStringLiteral("BC0001.qmk"));
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_TRUE(doc->FileName().isEmpty());
    // A name given: the card is saved under it, and the next Save asks nothing.
    prompts.files = {Saved(QStringLiteral("first.qmk"))};
    ASSERT_TRUE(doc->Save());
    EXPECT_TRUE(QFile::exists(Saved(QStringLiteral("first.qmk"))));
    EXPECT_FALSE(doc->ChangesMade());
    AddShape(QRect(120, 40, 30, 30));
    ASSERT_TRUE(doc->Save());
    EXPECT_EQ(prompts.requests.size(), 2u);
    EXPECT_EQ(prompts.beeps, 0);
}

// ---- The save question ----

TEST_F(DocumentTest, YesThenCancellingTheSaveDialogAbandonsTheCommandAndKeepsTheChanges)
{
    AddShape();
    const auto cancelled = [&](const char* what, auto command) {
        prompts.answers = {true};
        prompts.files = {QString()};
        prompts.requests.clear();
        EXPECT_FALSE(command()) << what;
        EXPECT_TRUE(doc->ChangesMade()) << what;
        EXPECT_EQ(Objects(), 1) << what;
        // Only the save dialog was shown: an open command never got to its own dialog.
        ASSERT_EQ(prompts.requests.size(), 1u) << what;
        EXPECT_EQ(prompts.requests[0].kind, FileRequest::Save) << what;
    };
    cancelled("new", [&] { return doc->New(); });
    cancelled("open", [&] { return doc->Open(); });
    cancelled("close", [&] { return doc->CheckSaveNeeded(); });
    cancelled("recent", [&] { return doc->OpenRecent(Saved(QStringLiteral("x.qmk"))); });
}

TEST_F(DocumentTest, AFailedSaveSaysSoKeepsTheChangesAndStopsTheCommand)
{
    const QString folder = home.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    prompts.files = {folder + QStringLiteral("/card.qmk")};
    AddShape();
    ASSERT_TRUE(doc->SaveAs());
    ASSERT_TRUE(QDir(folder).removeRecursively());

    AddShape(QRect(150, 50, 20, 20));
    EXPECT_FALSE(doc->Save());
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(doc->ChangesMade());

    // "Yes" to the question and a failing save: New does not throw the design away.
    prompts.answers = {true};
    EXPECT_FALSE(doc->New());
    EXPECT_EQ(Objects(), 2);
    EXPECT_TRUE(doc->ChangesMade());

    // Save As into a folder that is not there: the card keeps its old name.
    prompts.files = {home.filePath(QStringLiteral("missing/other.qmk"))};
    EXPECT_FALSE(doc->SaveAs());
    EXPECT_EQ(doc->FileName(), QFileInfo(folder + QStringLiteral("/card.qmk")).absoluteFilePath());
    EXPECT_TRUE(doc->ChangesMade());
}

// ---- Card files and companion files ----

TEST_F(DocumentTest, SavingWritesTheCompanionInItsOrderWithThousandths)
{
    CardSheetLayout layout;
    layout.Height = 2.047f;
    layout.Width = 3.543f;
    layout.HPitch = 3.543f;
    layout.VPitch = 2.047f;
    layout.Papersize = kPaperA4;
    doc->ApplyLayout(layout);
    prompts.files = {Saved(QStringLiteral("a4.qmk"))};
    ASSERT_TRUE(doc->SaveAs());
    EXPECT_EQ(
        NonBlankLines(Saved(QStringLiteral("a4.qme"))),
        QStringList({"[Ini Data]", "ISINI=1", "Version=2", "[Background]", "File=", "[Layout]", "Height=2047",
                     "Width=3543", "TopMargin=500", "LeftMargin=750", "HPitch=3543", "VPitch=2047",
                     "PredefLayout=0", "Papersize=9", "Across=2", "Down=5", "UseMM=0", "UsePortrait=0"}));

    // Read back by a new start of the program.
    Restart();
    ASSERT_TRUE(doc->OpenBCFile(Saved(QStringLiteral("a4.qmk"))));
    EXPECT_FLOAT_EQ(doc->Layout().Height, 2.047f);
    EXPECT_EQ(doc->Layout().Papersize, kPaperA4);
    EXPECT_EQ(panel->Size(), QSize(340, 197));
}

TEST_F(DocumentTest, CompanionFilesOfEveryFormOpen)
{
    const QString card = MakeCard(QStringLiteral("old.QMK"));
    // Without a companion: the default layout.
    ASSERT_TRUE(doc->OpenBCFile(card));
    EXPECT_EQ(doc->Layout(), CardSheetLayout());
    EXPECT_TRUE(doc->BackgroundFile().isEmpty());

    // The older form names the background on its first line, here as a Windows path to the bg folder.
    QImage art(70, 40, QImage::Format_RGB32);
    art.fill(Qt::red);
    ASSERT_TRUE(art.save(home.filePath(QStringLiteral("bg/Marble.bmp"))));
    WriteText(Saved(QStringLiteral("old.QME")), "C:\\QMK\\BG\\Marble.bmp\r\n");
    ASSERT_TRUE(doc->OpenBCFile(card));
    EXPECT_EQ(doc->BackgroundFile(), home.filePath(QStringLiteral("bg/Marble.bmp")));
    EXPECT_EQ(doc->Layout(), CardSheetLayout());
    EXPECT_TRUE(panel->ColorPicture().HasGraphic());
    EXPECT_EQ(Objects(), 1);

    // The current form with a Rotated layout turns the card; a missing background is skipped.
    WriteText(Saved(QStringLiteral("old.QME")),
              "[Ini Data]\r\nISINI=1\r\n[Background]\r\nFile=/no/such.bmp\r\n"
              "[Layout]\r\nHeight=2047\r\nUsePortrait=1\r\n");
    ASSERT_TRUE(doc->OpenBCFile(card));
    EXPECT_TRUE(doc->Layout().UsePortrait);
    EXPECT_TRUE(panel->PortraitMode());
    EXPECT_EQ(panel->Size(), QSize(197, 336));
    EXPECT_FALSE(panel->ColorPicture().HasGraphic());
    // Kept by name, so that saving does not forget it.
    EXPECT_EQ(doc->BackgroundFile(), QStringLiteral("/no/such.bmp"));
}

TEST_F(DocumentTest, ACardThatCannotBeReadLeavesTheDesignAsItWas)
{
    const QString good = MakeCard(QStringLiteral("good.qmk"), 2);
    ASSERT_TRUE(doc->OpenBCFile(good));
    AddShape();
    const QString bad = Saved(QStringLiteral("bad.qmk"));
    WriteText(bad, QByteArray::fromHex("0154504630035458590000000000"));

    EXPECT_FALSE(doc->OpenBCFile(bad));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith(QStringLiteral("Unable to open ") + bad));
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("Class TXY not found")))
        << qPrintable(prompts.errors[0]);
    EXPECT_EQ(Objects(), 3);
    EXPECT_EQ(doc->FileName(), QFileInfo(good).absoluteFilePath());
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_EQ(doc->RecentFiles().first(), QFileInfo(good).absoluteFilePath());
}

TEST_F(DocumentTest, OpenAndDeleteTakeOnlyCardFiles)
{
    prompts.files = {Saved(QStringLiteral("notes.txt")), Saved(QStringLiteral("notes.txt"))};
    EXPECT_FALSE(doc->Open());
    doc->Delete();
    EXPECT_EQ(prompts.information,
              QStringList({"Must be a QMK (Quillmark) file", "Must be a QMK (Quillmark) file"}));
}

TEST_F(DocumentTest, DeleteRemovesTheCompanionButNotTheOpenDesign)
{
    const QString card = MakeCard(QStringLiteral("gone.qmk"));
    ASSERT_TRUE(doc->OpenBCFile(card));
    AddShape();
    ASSERT_TRUE(doc->Save());
    ASSERT_TRUE(QFile::exists(Saved(QStringLiteral("gone.qme"))));
    const QString alone = MakeCard(QStringLiteral("alone.qmk"));

    prompts.files = {card, alone};
    prompts.answers = {true, true};
    doc->Delete();
    doc->Delete();
    EXPECT_EQ(prompts.questions.first(), QStringLiteral("Confirm: Delete ") + card + QLatin1Char('?'));
    EXPECT_FALSE(QFile::exists(card));
    EXPECT_FALSE(QFile::exists(Saved(QStringLiteral("gone.qme"))));
    EXPECT_FALSE(QFile::exists(alone));
    EXPECT_EQ(Objects(), 2);
    EXPECT_EQ(doc->FileName(), QFileInfo(card).absoluteFilePath());
}

TEST_F(DocumentTest, CancelGoesBackToTheSavedCard)
{
    ASSERT_TRUE(doc->OpenBCFile(MakeCard(QStringLiteral("c.qmk"), 1)));
    AddShape();
    AddShape(QRect(200, 20, 20, 20));
    prompts.answers = {false, true};
    EXPECT_FALSE(doc->CancelChanges());
    EXPECT_EQ(Objects(), 3);
    EXPECT_TRUE(doc->CancelChanges());
    EXPECT_EQ(prompts.questions.last(), QStringLiteral("Cancel Changes: Cancel all changes?"));
    EXPECT_EQ(Objects(), 1);
    EXPECT_FALSE(doc->ChangesMade());
}

// ---- Recent files ----

TEST_F(DocumentTest, SixOpensKeepTheLastFiveNewestFirst)
{
    QStringList cards;
    for (int i = 1; i <= 6; ++i)
        cards << QFileInfo(MakeCard(QStringLiteral("card%1.qmk").arg(i))).absoluteFilePath();
    for (const QString& card : cards)
        ASSERT_TRUE(doc->OpenBCFile(card));
    const QStringList expected = {cards[5], cards[4], cards[3], cards[2], cards[1]};
    EXPECT_EQ(doc->RecentFiles(), expected);
    EXPECT_EQ(Preferences().LoadRecentFiles(), expected);

    // Opening one again moves it to the top; the next start reopens it.
    ASSERT_TRUE(doc->OpenBCFile(cards[2]));
    EXPECT_EQ(doc->RecentFiles().first(), cards[2]);
    Restart();
    EXPECT_EQ(doc->FileName(), cards[2]);
    EXPECT_FALSE(doc->ChangesMade());
}

TEST_F(DocumentTest, ARecentCardThatIsGoneIsReportedAndDropped)
{
    const QString card = QFileInfo(MakeCard(QStringLiteral("brief.qmk"))).absoluteFilePath();
    ASSERT_TRUE(doc->OpenBCFile(card));
    ASSERT_TRUE(QFile::remove(card));
    Restart();
    // The first activation skips it quietly.
    EXPECT_TRUE(doc->FileName().isEmpty());
    EXPECT_TRUE(prompts.information.isEmpty());
    EXPECT_FALSE(doc->OpenRecent(card));
    EXPECT_EQ(prompts.information, QStringList({card + QStringLiteral(" no longer exists")}));
    EXPECT_TRUE(doc->RecentFiles().isEmpty());
}

// ---- Layout and orientation ----

TEST_F(DocumentTest, AStoredRotatedDefaultAppliesFromTheNextNewCard)
{
    CardSheetLayout rotated;
    rotated.UsePortrait = true;
    ASSERT_TRUE(Preferences().SaveLayoutPreferences(rotated));
    Restart();
    EXPECT_EQ(panel->Size(), QSize(336, 192));
    EXPECT_FALSE(doc->Layout().UsePortrait);
    ASSERT_TRUE(doc->New());
    EXPECT_EQ(panel->Size(), QSize(192, 336));
    EXPECT_TRUE(panel->PortraitMode());
}

TEST_F(DocumentTest, ALayoutChangeAtOneFiftyResizesTheCardAndKeepsTheZoom)
{
    for (int i = 0; i < 5; ++i)
        doc->ZoomIn();
    CardSheetLayout layout;
    layout.UsePortrait = true;
    doc->ApplyLayout(layout);
    EXPECT_EQ(panel->Size(), QSize(192, 336));
    EXPECT_EQ(panel->ViewSize(), QSize(288, 504));
    EXPECT_TRUE(doc->ChangesMade());
    prompts.answers = {false};
    doc->SaveLayoutAsDefault();
    EXPECT_EQ(prompts.questions.last(),
              QStringLiteral("Card Layout: Save the current card layout as your default layout?"));
}

// ---- Zoom ----

TEST_F(DocumentTest, ZoomStepsGoUpToFourHundredAndBackWithoutMarkingChanges)
{
    AddShape(QRect(20, 20, 40, 20));
    doc->SetChangesMade(false);
    QStringList captions;
    for (int i = 0; i < 10; ++i) {
        doc->ZoomIn();
        captions << doc->ZoomCaption();
    }
    EXPECT_EQ(captions,
              QStringList({"110%", "120%", "130%", "140%", "150%", "200%", "300%", "400%", "400%", "400%"}));
    EXPECT_EQ(panel->Size(), QSize(336, 192));
    EXPECT_EQ(panel->ViewSize(), QSize(1344, 768));
    EXPECT_EQ(panel->CardObjects().At(0)->BoundsRect(), QRect(20, 20, 40, 20));
    captions.clear();
    for (int i = 0; i < 10; ++i) {
        doc->ZoomOut();
        captions << doc->ZoomCaption();
    }
    EXPECT_EQ(captions,
              QStringList({"300%", "200%", "150%", "140%", "130%", "120%", "110%", "100%", "100%", "100%"}));
    EXPECT_EQ(panel->Zoom(), 1.0f);
    EXPECT_EQ(panel->Size(), QSize(336, 192));
    EXPECT_EQ(panel->CardObjects().At(0)->BoundsRect(), QRect(20, 20, 40, 20));
    // Any whole percentage from 50 to 400 (fitting a window); nothing beyond.
    EXPECT_TRUE(doc->ZoomTo(73));
    EXPECT_EQ(panel->ViewSize(), QSize(245, 140));
    EXPECT_FALSE(doc->ZoomTo(49));
    EXPECT_FALSE(doc->ZoomTo(401));
    EXPECT_FALSE(doc->ZoomTo(73));
    EXPECT_EQ(doc->ZoomCaption(), QStringLiteral("73%"));
    EXPECT_FALSE(doc->ChangesMade());
}

TEST_F(DocumentTest, SavingAtOneFiftyStoresTheSameCoordinates)
{
    AddShape(QRect(21, 13, 41, 27));
    for (int i = 0; i < 5; ++i)
        doc->ZoomIn();
    prompts.files = {Saved(QStringLiteral("zoomed.qmk"))};
    ASSERT_TRUE(doc->SaveAs());
    Restart();
    ASSERT_TRUE(doc->OpenBCFile(Saved(QStringLiteral("zoomed.qmk"))));
    ASSERT_EQ(Objects(), 1);
    EXPECT_EQ(panel->CardObjects().At(0)->BoundsRect(), QRect(21, 13, 41, 27));
}

// ---- Fonts and templates ----

TEST(DocumentFonts, DefaultFontCaptionListsTheStyles)
{
    TKFont font;
    EXPECT_EQ(DefaultFontCaption(font), QStringLiteral("&Default Font: Arial, 10 pt "));
    font.SetName(QStringLiteral("Times New Roman"));
    font.SetSize(12);
    font.SetStyle((1u << fsBold) | (1u << fsUnderline));
    EXPECT_EQ(DefaultFontCaption(font),
              QStringLiteral("&Default Font: Times New Roman, 12 pt , bold, underline"));
    // An ampersand of the name is shown, not taken for the access key.
    font.SetName(QStringLiteral("Smith & Sons"));
    EXPECT_TRUE(DefaultFontCaption(font).startsWith(QStringLiteral("&Default Font: Smith && Sons, 12 pt")));
}

TEST_F(DocumentTest, ANewCardFromATemplateIsUntitledAndUnchangedUntilTouched)
{
    const QString path = home.filePath(QStringLiteral("qmkt/Plain.qmkt"));
    {
        TKBusinessCardPanel32 source;
        auto shape = std::make_unique<TBCShapes>();
        shape->Loaded();
        source.PlaceObject(std::move(shape), QRect(30, 30, 50, 50));
        source.SetPortraitMode(true);
        ASSERT_TRUE(CardTemplate::Write(source, path, QString()));
    }
    ASSERT_TRUE(doc->OpenBCFile(MakeCard(QStringLiteral("before.qmk"), 2)));
    ASSERT_TRUE(doc->NewFromTemplate(path, QStringLiteral("Courier New")));
    EXPECT_EQ(Objects(), 1);
    EXPECT_TRUE(doc->FileName().isEmpty());
    // Nothing to save and nothing to undo: closing it asks nothing.
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(doc->CheckSaveNeeded());
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(doc->Layout().UsePortrait);
    EXPECT_EQ(panel->Size(), QSize(192, 336));
    // The first touch is a change like any other.
    AddShape(QRect(120, 40, 30, 30));
    EXPECT_TRUE(doc->ChangesMade());
}

TEST_F(DocumentTest, ATemplateTooLargeToReadIsNeitherWrittenNorOpenedAsABlankCard)
{
    const QString path = home.filePath(QStringLiteral("qmkt/Huge.qmkt"));
    {
        TKBusinessCardPanel32 source;
        auto label = std::make_unique<TKPLabel>();
        label->Loaded();
        label->SetCaption(QString(2200 * 1024, QLatin1Char('x')));
        source.PlaceObject(std::move(label), QRect(30, 30, 50, 50));
        QString error;
        EXPECT_FALSE(CardTemplate::Write(source, path, QString(), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("larger than the 2 MB a settings file can hold"))) << qPrintable(error);
        EXPECT_FALSE(QFile::exists(path));
    }
    // One made elsewhere opens nothing: the card on screen stays as it was.
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("[Card Data]\r\n" + QByteArray(3 * 1024 * 1024, ';'));
    big.close();
    ASSERT_TRUE(doc->OpenBCFile(MakeCard(QStringLiteral("before.qmk"), 2)));
    EXPECT_FALSE(doc->NewFromTemplate(path, QString()));
    EXPECT_EQ(Objects(), 2);
    EXPECT_TRUE(doc->FileName().endsWith(QStringLiteral("before.qmk")));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith(QStringLiteral("The template could not be opened.")));
}

// ---- Export ----

TEST_F(DocumentTest, ExportIsCardSizedAtAnyZoomAndLeavesTheChanges)
{
    AddShape(QRect(100, 60, 80, 50));
    for (int i = 0; i < 5; ++i)
        doc->ZoomIn();
    const QString out = home.filePath(QStringLiteral("card.png"));
    prompts.files = {out};
    prompts.answers = {true};
    ASSERT_TRUE(doc->ExportPicture(PictureFormat::Png));
    EXPECT_EQ(prompts.questions.last(),
              QStringLiteral("Save: Would you like to draw a border around the card?"));
    EXPECT_EQ(prompts.requests.back().proposedName, QStringLiteral("BusinessCard.png"));
    EXPECT_EQ(prompts.information.last(), QStringLiteral("Saved as ") + out);
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_EQ(doc->ZoomCaption(), QStringLiteral("150%"));
    EXPECT_EQ(panel->ViewSize(), QSize(504, 288));

    const QImage picture(out);
    ASSERT_EQ(picture.size(), QSize(336, 192));
    // The border: every outermost pixel black, the one inside white.
    for (int x = 0; x < 336; ++x) {
        ASSERT_EQ(picture.pixel(x, 0), qRgb(0, 0, 0)) << x;
        ASSERT_EQ(picture.pixel(x, 191), qRgb(0, 0, 0)) << x;
    }
    for (int y = 0; y < 192; ++y) {
        ASSERT_EQ(picture.pixel(0, y), qRgb(0, 0, 0)) << y;
        ASSERT_EQ(picture.pixel(335, y), qRgb(0, 0, 0)) << y;
    }
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(DocumentTest, ExportWithoutBorderInEveryFormat)
{
    ASSERT_TRUE(doc->OpenBCFile(MakeCard(QStringLiteral("named.qmk"))));
    for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Jpg}) {
        const QString suffix = format == PictureFormat::Bmp ? QStringLiteral("bmp") : QStringLiteral("jpg");
        const QString out = home.filePath(QStringLiteral("named.") + suffix);
        prompts.files = {out};
        prompts.answers = {false};
        ASSERT_TRUE(doc->ExportPicture(format));
        EXPECT_EQ(prompts.requests.back().proposedName, QStringLiteral("named.") + suffix);
        const QImage picture(out);
        ASSERT_EQ(picture.size(), QSize(336, 192)) << qPrintable(suffix);
        EXPECT_GT(qGray(picture.pixel(0, 0)), 240) << qPrintable(suffix);
    }
    // A picture name chosen in another format's dialog gets the picture its name asks for.
    prompts.files = {home.filePath(QStringLiteral("really.png"))};
    prompts.answers = {false};
    ASSERT_TRUE(doc->ExportPicture(PictureFormat::Bmp));
    QFile png(home.filePath(QStringLiteral("really.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(4).endsWith("PNG"));
}

// A QR code squeezed into its box: the export says it would not scan and offers the scale at which it does;
// Yes saves the larger picture, No the card's size, Cancel nothing.
TEST_F(DocumentTest, ExportOffersALargerPictureForAQRCodeTooSmallToScan)
{
    auto code = std::make_unique<TKQRCode>();
    code->SetContent(qcText);
    code->SetText(QString(120, QLatin1Char('q'))); // version 7 at Medium: 53 modules with the quiet zone
    panel->PlaceObject(std::move(code), QRect(250, 100, 70, 70));
    using Answer = DocumentPrompts::Answer;
    const QString out = home.filePath(QStringLiteral("qr.png"));
    prompts.files = {out};
    prompts.answers = {false};
    prompts.choices = {Answer::Yes};
    ASSERT_TRUE(doc->ExportPicture(PictureFormat::Png));
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_TRUE(prompts.questions[1].startsWith(QStringLiteral("QR Code: The QR code is too small to scan")))
        << qPrintable(prompts.questions[1]);
    EXPECT_TRUE(prompts.questions[1].contains(QStringLiteral("1.3 pixels wide"))) << qPrintable(prompts.questions[1]);
    EXPECT_TRUE(prompts.questions[1].endsWith(
        QStringLiteral("Save the picture 2 times as large (672 x 384 pixels), so that the code scans?")));
    EXPECT_EQ(QImage(out).size(), QSize(672, 384));

    prompts.files = {out};
    prompts.answers = {false};
    prompts.choices = {Answer::No};
    ASSERT_TRUE(doc->ExportPicture(PictureFormat::Png));
    EXPECT_EQ(QImage(out).size(), QSize(336, 192));

    QFile::remove(out);
    prompts.files = {out};
    prompts.answers = {false};
    prompts.choices = {Answer::Cancel};
    EXPECT_FALSE(doc->ExportPicture(PictureFormat::Png));
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(DocumentTest, AFailedExportIsReported)
{
    prompts.files = {home.filePath(QStringLiteral("no/such/folder/card.png"))};
    prompts.answers = {false};
    EXPECT_FALSE(doc->ExportPicture(PictureFormat::Png));
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.information.isEmpty());
}

TEST_F(DocumentTest, ARotatedCardExportsStandingUp)
{
    CardSheetLayout layout;
    layout.UsePortrait = true;
    doc->ApplyLayout(layout);
    QString error;
    const QString out = home.filePath(QStringLiteral("up.bmp"));
    ASSERT_TRUE(ExportCard(panel->Card(), out, PictureFormat::Bmp, false, &error)) << qPrintable(error);
    EXPECT_EQ(QImage(out).size(), QSize(192, 336));
}

// ---- Nothing lost at the save question ----

TEST_F(DocumentTest, CancelAtTheSaveQuestionKeepsTheChangesAndStopsTheCommand)
{
    using Answer = DocumentPrompts::Answer;
    const QString card = MakeCard(QStringLiteral("kept.qmk"));
    ASSERT_TRUE(doc->OpenBCFile(card));
    AddShape(QRect(100, 40, 30, 30));
    ASSERT_TRUE(doc->ChangesMade());

    // Escape or closing the box: New, Open and the recent-file entry do nothing.
    prompts.choices = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
    EXPECT_FALSE(doc->New());
    EXPECT_FALSE(doc->Open());
    EXPECT_FALSE(doc->OpenRecent(card));
    EXPECT_EQ(Objects(), 2);
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_TRUE(prompts.requests.empty());

    // No, then the Open dialog cancelled: the design stays and still counts as changed, so the next
    // command asks again.
    prompts.choices = {Answer::No};
    prompts.files = {QString()};
    EXPECT_FALSE(doc->Open());
    EXPECT_EQ(Objects(), 2);
    EXPECT_TRUE(doc->ChangesMade());
    EXPECT_TRUE(doc->SaveButtonsVisible());
    prompts.choices = {Answer::Cancel};
    EXPECT_FALSE(doc->CheckSaveNeeded());
    EXPECT_EQ(prompts.questions.size(), 5);
}

TEST_F(DocumentTest, ObjectsOutsideTheCardAreRemovedOnlyWhenTheUserSaysSo)
{
    using Answer = DocumentPrompts::Answer;
    AddShape(QRect(20, 20, 30, 30));
    AddShape(QRect(20, 20, 30, 30))->SetLeft(400); // beyond the right edge of a 336-pixel card
    AddShape(QRect(20, 20, 30, 30))->SetTop(300);
    const QString path = Saved(QStringLiteral("outside.qmk"));

    // Cancel: nothing is written and nothing removed.
    prompts.choices = {Answer::Cancel};
    prompts.files = {path};
    EXPECT_FALSE(doc->SaveAs());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Objects(), 3);
    EXPECT_TRUE(prompts.questions.last().contains(QLatin1String("2 objects lie outside the card")));

    // No keeps them in the file.
    prompts.choices = {Answer::No};
    prompts.files = {path};
    ASSERT_TRUE(doc->SaveAs());
    {
        TKBusinessCardPanel32 reread;
        ASSERT_TRUE(ReadCardObjects(reread, path));
        EXPECT_EQ(reread.CardObjects().Count(), 3);
    }

    // Yes removes them as one step that Undo takes back.
    AddShape(QRect(60, 20, 30, 30));
    prompts.choices = {Answer::Yes};
    ASSERT_TRUE(doc->Save());
    EXPECT_EQ(Objects(), 2);
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Remove Objects Outside the Card"));
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(Objects(), 4);
    EXPECT_TRUE(doc->ChangesMade());
}

TEST_F(DocumentTest, DeletingACardAsksWithNoAsTheDefault)
{
    const QString card = MakeCard(QStringLiteral("victim.qmk"));
    prompts.files = {card};
    prompts.answers = {false};
    doc->Delete();
    EXPECT_EQ(prompts.confirmations, 1);
    EXPECT_TRUE(QFile::exists(card));
}

TEST_F(DocumentTest, ASuccessfulSaveLeavesTheCardUnchangedWithNothingToAsk)
{
    prompts.files = {Saved(QStringLiteral("kept.qmk"))};
    AddShape();
    ASSERT_TRUE(doc->SaveAs());
    AddShape(QRect(150, 50, 20, 20));
    ASSERT_TRUE(doc->ChangesMade());
    ASSERT_TRUE(doc->Save());
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_FALSE(doc->SaveButtonsVisible());
    EXPECT_TRUE(doc->New());
    EXPECT_TRUE(prompts.questions.isEmpty());
}

TEST_F(DocumentTest, ALayoutNoCardStockHasIsReportedAndTheDefaultLayoutUsed)
{
    const QString card = MakeCard(QStringLiteral("huge.qmk"));
    WriteText(Saved(QStringLiteral("huge.qme")), "[Ini Data]\nISINI=1\nVersion=2\n[Background]\nFile=\n[Layout]\n"
                                                  "Height=2000\nWidth=300000\nTopMargin=500\nLeftMargin=750\n"
                                                  "HPitch=300000\nVPitch=2000\nAcross=1\nDown=5\nUsePortrait=0\n");
    ASSERT_TRUE(doc->OpenBCFile(card));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(Objects(), 1);
    EXPECT_EQ(panel->Size(), QSize(336, 192));
    EXPECT_NEAR(doc->Layout().Width, 3.5, 1e-9);
}

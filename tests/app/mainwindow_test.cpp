// SPDX-License-Identifier: GPL-3.0-or-later
// The main window offscreen: menus, command bar, tools, keys, closing, placement, start, help; single
// instance.
#include "app/mainwindow_ui.h"

#include "app/carddocument.h"
#include "app/helpwindow_ui.h"
#include "app/singleinstance.h"
#include "app/version.h"
#include "design/designpanel_ui.h"
#include "design/cardpanel.h"
#include "design/zoomsteps.h"
#include "objects/shapes/cardshape.h"
#include "print/layoutdialog_ui.h"
#include "platform/profile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <QPrinterInfo>

#include <gtest/gtest.h>

#include "accessnames.h"

#include <deque>

#include <grp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstring>
#include <thread>

using namespace qm;

namespace {

class ScriptedPrompts : public DocumentPrompts
{
public:
    std::deque<bool> answers;
    std::deque<QString> files;
    QStringList questions;
    QStringList information;

    bool Ask(const QString& text, const QString&) override
    {
        questions << text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << qPrintable(text);
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void Inform(const QString& message) override { information << message; }
    void ShowError(const QString& message) override { ADD_FAILURE() << "error box: " << qPrintable(message); }
    QString ChooseFile(const FileRequest&) override
    {
        if (files.empty())
            return QString();
        const QString f = files.front();
        files.pop_front();
        return f;
    }
    bool ChooseFont(TKFont&) override { return false; }
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
    }
    void TearDown() override
    {
        window.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    TMainScreen& Open()
    {
        window = std::make_unique<TMainScreen>(&prompts);
        return *window;
    }
    TMainScreen& Started()
    {
        Open().Start();
        return *window;
    }
    void AddShape()
    {
        auto shape = std::make_unique<TBCShapes>();
        shape->Loaded();
        window->Panel().PlaceObject(std::move(shape), QRect(30, 30, 40, 30));
    }
    static QStringList Captions(const QMenu* menu)
    {
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    QTemporaryDir home;
    QByteArray oldHome;
    ScriptedPrompts prompts;
    std::unique_ptr<TMainScreen> window;
};

} // namespace

TEST_F(MainWindowTest, MenusCarryTheirCaptionsSeparatorsAndShortcut)
{
    TMainScreen& w = Open();
    EXPECT_EQ(Captions(w.FileMenu), QStringList({"&New - Blank",
                                                 "New - Select From Temp&lates",
                                                 "&Open",
                                                 "&Delete",
                                                 "-",
                                                 "&Save",
                                                 "Save &As...",
                                                 "Save As &Bitmap",
                                                 "Save As &JPG",
                                                 "Save As PN&G",
                                                 "Disca&rd Changes",
                                                 "Export for Print S&hop...",
                                                 "-",
                                                 "&Print",
                                                 "Print &Merge...",
                                                 "Pre&view",
                                                 "-",
                                                 "Printer S&etup",
                                                 "Printer Fine &Tuning",
                                                 "Print O&utline Test Page",
                                                 "--------&Write Ini------",
                                                 "-",
                                                 "E&xit"}));
    EXPECT_EQ(Captions(w.EditMenu),
              QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "De&lete", "Select &All", "-",
                           "&Default Font: Arial, 10 pt ", "C&hange all fonts to...",
                           "Personal &Information",
                           "&Set or Change Background Art", "-", "Save Current La&yout as Default",
                           "Change &Business Card Layout"}));
    EXPECT_EQ(Captions(w.ViewMenu),
              QStringList({"Zoom &In\t+", "Zoom &Out\t-", "&Actual Size", "&Fit to Window", "-",
                           "Show Bac&k of Card", "-", "Show &Bleed and Safe Area", "-", "Show &Grid",
                           "S&nap to Grid", "-", "&Position and Size"}));
    EXPECT_EQ(Captions(w.InsertMenu),
              QStringList({"&Text", "&Multi-Line Text", "S&ymbol", "&Rectangle", "&Ellipse", "R&ounded Rectangle",
                           "&Line", "&Clip Art", "Su&perShape", "Ric&h Text", "&SuperText", "C&ircleText",
                           "&QR Code"}));
    EXPECT_EQ(Captions(w.HelpMenu),
              QStringList({"&Contents", "&Quick Tips", "&About", "Co&nfiguration Information", "&Technical Support",
                           "&Frequently Asked Questions", "Visit the &Bonus Artwork Web Page",
                           "Visit Our Internet &Website", "&Report a Problem..."}));
    EXPECT_EQ(w.mnuSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_FALSE(w.mnuWriteIni->isVisible());
    // A PDF file is always a target: the printing commands work without an installed printer.
    for (QAction* a : {w.mnuPrint, w.mnuPreview, w.mnuPrinterSetup, w.mnuFineTuning, w.mnuOutlineTest})
        EXPECT_TRUE(a->isEnabled()) << qPrintable(a->text());
    EXPECT_TRUE(w.PrintButton->isEnabled());
    EXPECT_TRUE(w.PreviewButton->isEnabled());
    // Every item has an access key of its own in its menu, with the recent cards and the template writer
    // shown too, and with the undo items named after a change.
    QFile marker(home.filePath(QStringLiteral("IAmDeveloping.dat")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    window.reset();
    TMainScreen& developer = Open();
    AddShape();
    developer.Panel().SelectAll();
    developer.mnuCut->trigger();
    QCoreApplication::processEvents();
    developer.mnuUndo->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(developer.mnuRedo->text(), QStringLiteral("&Redo Cut"));
    EXPECT_EQ(qmtest::AccessKeyFaults(developer.menuBar()->actions()).join(QStringLiteral("; ")).toStdString(), "");
    // Every tool is on the Insert menu with its picture, and choosing it arms the tool.
    for (QAction* item : developer.InsertMenu->actions())
        EXPECT_FALSE(item->icon().isNull()) << qPrintable(item->text());
    developer.InsertMenu->actions().at(3)->trigger();
    EXPECT_EQ(developer.Panel().PanelState(), psRectangle);
    EXPECT_TRUE(developer.ToolAction(psRectangle)->isChecked());
}

TEST_F(MainWindowTest, TheTemplateWriterShowsOnlyForDevelopers)
{
    QFile marker(home.filePath(QStringLiteral("IAmDeveloping.dat")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_TRUE(Open().mnuWriteIni->isVisible());
}

TEST_F(MainWindowTest, FirstStartMakesTheFoldersAndAnUntitledCardInTheCentre)
{
    TMainScreen& w = Started();
    for (const char* folder : {"saved", "qmkt", "bg", "bmbrush"})
        EXPECT_TRUE(QFileInfo(home.filePath(QString::fromLatin1(folder))).isDir()) << folder;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillmark"));
    EXPECT_EQ(w.PanelWidget().size(), QSize(336, 192));
    EXPECT_EQ(w.Panel().Shape(), lsRectangle);
    EXPECT_FALSE(w.SaveAsButton->isVisible());
    EXPECT_FALSE(w.CancelButton->isVisible());
    EXPECT_EQ(w.ZoomCaption->text(), QStringLiteral("100%"));
    // The panel keeps the keyboard when clicked around; the tools and the zoom take it from Tab.
    EXPECT_EQ(w.SaveAsButton->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.ZoomUpButton->focusPolicy(), Qt::TabFocus);
    // The first window takes about 70 % of the screen, centred.
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_NEAR(w.width(), std::max(622, int(screen.width() * 0.7)), 2);
    EXPECT_NEAR(w.height(), std::max(404, int(screen.height() * 0.7)), 2);
    EXPECT_NEAR(w.geometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(w.geometry().center().y(), screen.center().y(), 2);
}

TEST_F(MainWindowTest, DrawingWithAToolMarksChangesAndReturnsToThePointer)
{
    TMainScreen& w = Started();
    QAction* rectangle = w.ToolAction(psRectangle);
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->objectName(), QStringLiteral("DrawRectanglebutton"));
    EXPECT_EQ(w.ToolGroup->actions().size(), 14); // the pointer and 13 drawing tools
    rectangle->trigger();
    EXPECT_EQ(w.Panel().PanelState(), psRectangle);

    BasePanelWidget& panel = w.PanelWidget();
    QTest::mousePress(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(&panel, QPoint(60, 40));
    QTest::mouseMove(&panel, QPoint(100, 70));
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
    ASSERT_EQ(w.Panel().CardObjects().Count(), 1);
    EXPECT_EQ(w.Panel().PanelState(), psPointing);
    EXPECT_TRUE(w.ToolAction(psPointing)->isChecked());
    // The rectangle just drawn is selected: the next command acts on it.
    EXPECT_EQ(w.Panel().Frame().Selection(),
              std::vector<TKGraphicControl*>{w.Panel().CardObjects().At(0)});
    EXPECT_TRUE(w.SaveAsButton->isVisible());
    EXPECT_TRUE(w.CancelButton->isVisible());
    EXPECT_EQ(w.SaveAsButton->text(), QStringLiteral("Save As"));
    // Save (Ctrl+S) on the untitled card asks for a name.
    EXPECT_TRUE(w.mnuSave->isEnabled());
    const QString named = home.filePath(QStringLiteral("saved/drawn.qmk"));
    prompts.files = {named};
    w.mnuSave->trigger();
    EXPECT_TRUE(QFileInfo::exists(named));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillmark - drawn.qmk"));

    w.ShowGridAction->trigger();
    w.SnapToGridAction->trigger();
    EXPECT_TRUE(w.Panel().ShowGrid());
    EXPECT_TRUE(w.Panel().SnapToGrid());
}

TEST_F(MainWindowTest, PlusAndMinusZoomOnReleaseWithoutMarkingChanges)
{
    TMainScreen& w = Started();
    QStringList captions;
    for (int i = 0; i < 7; ++i) {
        QTest::keyPress(&w.PanelWidget(), Qt::Key_Plus, Qt::KeypadModifier);
        EXPECT_EQ(w.ZoomCaption->text(), i == 0 ? QStringLiteral("100%") : captions.last());
        QTest::keyRelease(&w.PanelWidget(), Qt::Key_Plus, Qt::KeypadModifier);
        captions << w.ZoomCaption->text();
    }
    EXPECT_EQ(captions, QStringList({"110%", "120%", "130%", "140%", "150%", "200%", "300%"}));
    EXPECT_EQ(w.PanelWidget().size(), QSize(1008, 576));
    QTest::keyClick(&w.PanelWidget(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(&w.PanelWidget(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(w.ZoomCaption->text(), QStringLiteral("400%"));
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(&w.PanelWidget(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(w.ZoomCaption->text(), QStringLiteral("100%"));
    w.ZoomUpButton->click();
    EXPECT_EQ(w.ZoomCaption->text(), QStringLiteral("110%"));
    EXPECT_FALSE(w.SaveAsButton->isVisible());
    EXPECT_FALSE(w.Document().ChangesMade());
}

TEST_F(MainWindowTest, FitToWindowZoomsTheWholeCardIntoTheWindowAndTheViewMenuZooms)
{
    TMainScreen& w = Started();
    w.resize(1100, 700);
    QCoreApplication::processEvents();
    w.mnuFitToWindow->trigger();
    const int fitted = w.Document().ZoomPercent();
    EXPECT_GT(fitted, 150);
    EXPECT_LE(fitted, 400);
    EXPECT_EQ(w.ZoomCaption->text(), QString::number(fitted) + QLatin1Char('%'));
    // The whole card shows: no scroll bar is needed, and a percent more would not fit.
    QCoreApplication::processEvents();
    const QSize room = w.ScrollArea()->viewport()->size();
    EXPECT_LE(w.PanelWidget().width() + 20, room.width() + 1);
    EXPECT_LE(w.PanelWidget().height() + 16, room.height() + 1);
    EXPECT_TRUE(336 * (fitted + 1) / 100 + 20 > room.width() || 192 * (fitted + 1) / 100 + 16 > room.height());
    // The arrows go on from there to the neighbouring steps; Actual Size is 100 %.
    w.mnuZoomIn->trigger();
    EXPECT_EQ(w.Document().ZoomPercent(), ZoomStepAbove(fitted));
    w.mnuActualSize->trigger();
    EXPECT_EQ(w.ZoomCaption->text(), QStringLiteral("100%"));
    w.ZoomFitButton->click();
    EXPECT_EQ(w.Document().ZoomPercent(), fitted);
    w.mnuZoomOut->trigger();
    EXPECT_EQ(w.Document().ZoomPercent(), ZoomStepBelow(fitted));
    // A small window fits the card below 100 %.
    w.resize(300, 300);
    QCoreApplication::processEvents();
    w.FitToWindow();
    EXPECT_LT(w.Document().ZoomPercent(), 100);
    EXPECT_FALSE(w.Document().ChangesMade());
}

TEST_F(MainWindowTest, PageKeysScrollTheCard)
{
    TMainScreen& w = Started();
    w.resize(400, 250);
    for (int i = 0; i < 5; ++i)
        w.ZoomIn();
    QCoreApplication::processEvents();
    QScrollBar* bar = w.ScrollArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(&w.PanelWidget(), Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&w.PanelWidget(), Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());
    QTest::keyClick(&w.PanelWidget(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&w.PanelWidget(), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->singleStep());
}

TEST_F(MainWindowTest, ClosingAfterYesAndACancelledSaveKeepsTheWindowAndTheChanges)
{
    TMainScreen& w = Started();
    AddShape();
    prompts.answers = {true};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Document().ChangesMade());
    EXPECT_EQ(w.Panel().CardObjects().Count(), 1);

    prompts.answers = {false};
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, ASecondStartReopensTheLastCardWhereTheWindowWas)
{
    {
        TMainScreen& w = Started();
        AddShape();
        prompts.files = {home.filePath(QStringLiteral("saved/mine.qmk"))};
        w.SaveButtonClick();
        ASSERT_EQ(w.windowTitle(), QStringLiteral("Quillmark - mine.qmk"));
        w.setGeometry(QRect(40, 50, 640, 420));
        ASSERT_TRUE(w.close());
    }
    TMainScreen& again = Started();
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Quillmark - mine.qmk"));
    EXPECT_EQ(again.Panel().CardObjects().Count(), 1);
    EXPECT_FALSE(again.SaveAsButton->isVisible());
    EXPECT_EQ(again.geometry(), QRect(40, 50, 640, 420));
    ASSERT_EQ(again.RecentFileActions().size(), 1);
    EXPECT_EQ(again.RecentFileActions()[0]->text(),
              QStringLiteral("&1 ") + home.filePath(QStringLiteral("saved/mine.qmk")));
}

TEST_F(MainWindowTest, AWindowStoredOffTheLeftEdgeComesBackOnScreen)
{
    ASSERT_TRUE(Preferences().SaveWindowPlacement(
        QStringLiteral("TMainScreen"), 96, WindowPlacement::FromBounds(QRect(-50, 20, 500, 300), false)));
    TMainScreen& w = Started();
    EXPECT_EQ(w.geometry().width(), 500);
    // Pulled just inside the left edge; the platform may move it on by its frame's width.
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_GE(w.frameGeometry().left(), screen.left());
    EXPECT_LT(w.geometry().left(), screen.left() + 10);
}

TEST_F(MainWindowTest, TheLayoutCommandTurnsTheCard)
{
    TMainScreen& w = Started();
    w.RunDialog = [](QDialog& dialog) {
        auto& layout = dynamic_cast<TEditCardLayout&>(dialog);
        layout.ePortrait->setChecked(true);
        layout.OKButtonClick();
        return layout.result();
    };
    w.ChangeCardLayout1Click();
    EXPECT_EQ(w.PanelWidget().size(), QSize(192, 336));
    EXPECT_TRUE(w.SaveAsButton->isVisible());
    EXPECT_TRUE(w.Document().Layout().UsePortrait);
}

TEST_F(MainWindowTest, FineTuningOkStoresThePreferencesAndKeepsOtherLines)
{
    QFile ini(home.filePath(QStringLiteral("qmk.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("; kept by hand\r\n[Printer]\r\nTopMarginNudge=2\r\nOwnKey=yes\r\n[Other]\r\nA=1\r\n");
    ini.close();
    TMainScreen& w = Open();
    w.Panel().Font().SetName(QStringLiteral("Liberation Serif"));
    w.Panel().Font().SetSize(14);
    bool accepted = false;
    QTimer::singleShot(0, &w, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))) {
                ok->click();
                accepted = true;
            }
        }
    });
    w.mnuFineTuning->trigger();
    ASSERT_TRUE(accepted);

    const ProfileFile stored(ini.fileName());
    EXPECT_EQ(stored.ReadInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), 0), 2);
    EXPECT_EQ(stored.ReadString(QStringLiteral("Printer"), QStringLiteral("ShowBottomMarginWarning")),
              QStringLiteral("1"));
    EXPECT_EQ(stored.ReadString(QStringLiteral("Default Font"), QStringLiteral("Name")),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(stored.ReadInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 14);
    EXPECT_EQ(stored.ReadString(QStringLiteral("Default Font"), QStringLiteral("Bold")), QStringLiteral("0"));
    EXPECT_EQ(stored.ReadString(QStringLiteral("Printer"), QStringLiteral("OwnKey")), QStringLiteral("yes"));
    EXPECT_EQ(stored.ReadString(QStringLiteral("Other"), QStringLiteral("A")), QStringLiteral("1"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().startsWith("; kept by hand\r\n"));
}

TEST_F(MainWindowTest, AboutShowsTheVersion)
{
    TMainScreen& w = Open();
    QStringList texts;
    w.RunDialog = [&texts](QDialog& dialog) {
        texts << dialog.windowTitle();
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        return int(QDialog::Accepted);
    };
    w.About1Click();
    EXPECT_TRUE(texts.contains(QStringLiteral("About Quillmark")));
    // The program's version (the package's), beside the version text of the card program it follows.
    EXPECT_TRUE(texts.contains(QStringLiteral("Version %1 (3.3a)").arg(QLatin1String(kProgramVersion))))
        << qPrintable(texts.join(QLatin1Char('|')));
    EXPECT_TRUE(texts.filter(QStringLiteral("GNU General Public License, version 3 or later")).size() == 1);
}

TEST_F(MainWindowTest, HelpOpensTheNumberedPage)
{
    TMainScreen& w = Open();
    w.HelpButton->click();
    ASSERT_NE(w.HelpWindow(), nullptr);
    EXPECT_TRUE(w.HelpWindow()->isVisible());
    EXPECT_EQ(w.HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/2016.html")));
    EXPECT_TRUE(w.HelpWindow()->Browser()->toPlainText().contains(QStringLiteral("tool palette")));
    w.mnuFaq->trigger();
    EXPECT_EQ(w.HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/911.html")));
    // The web items open pages that travel with the program.
    w.mnuWebsite->trigger();
    EXPECT_EQ(w.HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/home.html")));
    w.mnuBonusArtwork->trigger();
    EXPECT_EQ(w.HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/artwork.html")));
    w.mnuReportProblem->trigger();
    EXPECT_EQ(w.HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/problem.html")));
    // Every numbered page the dialogs ask for is there.
    for (int context :
         {1041, 2101, 2102, 40001, 40003, 40004, 40005, 40008, 40011, 40012, 40013, 40014, 40017})
        EXPECT_NE(THelpWindow::PageForContext(context), THelpWindow::ContentsPage()) << context;
    EXPECT_EQ(THelpWindow::PageForContext(12345), THelpWindow::ContentsPage());
}

TEST_F(MainWindowTest, HelpOpenedFromAModalDialogCanBeUsedBesideIt)
{
    TMainScreen& w = Open();
    QDialog dialog(&w);
    bool closedWhileModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        w.ShowHelpContext(40004);
        THelpWindow* help = w.HelpWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        // The Close button, clicked as the window system delivers it: a blocked window ignores the click.
        for (QPushButton* button : help->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Close"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        closedWhileModal = !help->isVisible();
        w.ShowHelpContext(40004);
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(closedWhileModal);
    // The dialog has closed: the help window stays open, back with the main window.
    ASSERT_NE(w.HelpWindow(), nullptr);
    EXPECT_EQ(w.HelpWindow()->parentWidget(), &w);
    EXPECT_TRUE(w.HelpWindow()->isVisible());
}

// ---- Single instance ----

TEST(SingleInstance, ALaterStartHandsItsCardToTheFirstAndEnds)
{
    const QString name = QStringLiteral("quillmark-test-%1").arg(QCoreApplication::applicationPid());
    TSingleInstance first(name);
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.Listening());
    QStringList requests;
    QObject::connect(&first, &TSingleInstance::ActivationRequested,
                     [&requests](const QString& card) { requests << card; });

    // The later start blocks while it waits for the answer, so it runs on a thread of its own.
    bool secondIsFirst = true;
    std::thread later([&] {
        TSingleInstance second(name);
        secondIsFirst = second.Start(QStringLiteral("relative/card one.qmk"));
    });
    // Serves the later start; the deadline only keeps a broken build from hanging.
    QElapsedTimer waited;
    waited.start();
    while (requests.isEmpty() && waited.elapsed() < 20000) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    later.join();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_FALSE(secondIsFirst);
    EXPECT_EQ(requests[0], QFileInfo(QStringLiteral("relative/card one.qmk")).absoluteFilePath());
}

TEST(SingleInstance, ASocketLeftByACrashedCopyIsTakenOver)
{
    const QString name =
        TSingleInstance(QStringLiteral("quillmark-stale-%1").arg(QCoreApplication::applicationPid())).Name();
    ASSERT_FALSE(name.isEmpty());
    {
        // A listener that vanishes without closing leaves its socket file behind; removeServer is what a
        // clean end would do, so the file is recreated by hand.
        QLocalServer stale;
        ASSERT_TRUE(stale.listen(name));
        const QString path = stale.fullServerName();
        stale.close();
        QFile leftover(path);
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    }
    TSingleInstance first(name);
    EXPECT_TRUE(first.Start());
    EXPECT_TRUE(first.Listening());
    QLocalServer::removeServer(name);
}

TEST(SingleInstance, TheSocketLivesInAFolderNoOtherUserCanEnter)
{
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir open;
    ASSERT_TRUE(QFile::setPermissions(open.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                       QFileDevice::WriteOther | QFileDevice::ExeOther));
    // A runtime folder others may enter is not used; the private folder in the temporary folder is.
    qputenv("XDG_RUNTIME_DIR", open.path().toUtf8());
    const QString folder = TSingleInstance::RuntimeFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_NE(folder, open.path());
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup),
              QFileDevice::Permissions());
    EXPECT_TRUE(TSingleInstance().Name().startsWith(folder + QLatin1Char('/')));
    // A private one is.
    QTemporaryDir own;
    ASSERT_TRUE(QFile::setPermissions(own.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", own.path().toUtf8());
    EXPECT_EQ(TSingleInstance::RuntimeFolder(), own.path());
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

TEST(SingleInstance, AnotherUsersRequestIsNotServed)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to run a client as another user";
    QTemporaryDir shared;
    ASSERT_TRUE(QFile::setPermissions(shared.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                         QFileDevice::WriteOther | QFileDevice::ExeOther));
    TSingleInstance first(shared.filePath(QStringLiteral("socket")));
    ASSERT_TRUE(first.Start());
    QFile::setPermissions(first.Name(), QFileDevice::Permissions(0x7777));
    QStringList requests;
    QObject::connect(&first, &TSingleInstance::ActivationRequested,
                     [&requests](const QString& card) { requests << card; });

    // A client running as nobody sends a well-formed request.
    const QByteArray path = QFile::encodeName(first.Name());
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            _exit(3);
        const char request[] = "quillmark-activate \n";
        // The server may already have hung up: no SIGPIPE, the answer (none) is what counts.
        (void)!send(fd, request, sizeof request - 1, MSG_NOSIGNAL);
        char answer[8];
        _exit(read(fd, answer, sizeof answer) > 0 ? 1 : 0);
    }
    int status = 0;
    QElapsedTimer waited;
    waited.start();
    while (waitpid(child, &status, WNOHANG) == 0 && waited.elapsed() < 20000) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    QCoreApplication::processEvents();
    ASSERT_TRUE(WIFEXITED(status)) << "the client ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0); // connected, and no answer came
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(MainWindowTest, WithoutPrintersTheStartSaysSoOnceAndPrintingStillWorks)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    TMainScreen& w = Started();
    ASSERT_EQ(prompts.information.size(), 1);
    EXPECT_TRUE(prompts.information[0].startsWith(QLatin1String("No printer was found")));
    EXPECT_FALSE(w.PrinterAvailable());
    EXPECT_TRUE(w.mnuPreview->isEnabled());
    EXPECT_TRUE(w.PrintButton->isEnabled());
    // The next start does not say it again.
    window.reset();
    Started();
    EXPECT_EQ(prompts.information.size(), 1);
}

TEST_F(MainWindowTest, TheEditMenuCutsCopiesPastesAndSelectsLikeTheObjectMenu)
{
    TMainScreen& w = Open();
    AddShape();
    TKBusinessCardPanel32& panel = w.Panel();
    panel.ClearSelection();

    // With nothing selected the menu shows the selection commands greyed out; its keys stay live.
    emit w.EditMenu->aboutToShow();
    EXPECT_FALSE(w.mnuCut->isEnabled());
    EXPECT_FALSE(w.mnuCopy->isEnabled());
    EXPECT_FALSE(w.mnuDeleteObjects->isEnabled());
    EXPECT_TRUE(w.mnuSelectAll->isEnabled());
    emit w.EditMenu->aboutToHide();
    EXPECT_TRUE(w.mnuCut->isEnabled());

    EXPECT_EQ(w.mnuSelectAll->shortcut(), QKeySequence(QKeySequence::SelectAll));
    w.mnuSelectAll->trigger();
    EXPECT_TRUE(panel.Frame().HasSelection());
    w.mnuCopy->trigger();
    w.mnuPaste->trigger();
    EXPECT_EQ(panel.CardObjects().Count(), 2);
    w.mnuSelectAll->trigger();
    w.mnuCut->trigger();
    EXPECT_EQ(panel.CardObjects().Count(), 0);
    QCoreApplication::processEvents(); // the step of a menu command is taken once it is over
    EXPECT_EQ(w.mnuUndo->text(), QStringLiteral("&Undo Cut"));
    w.mnuUndo->trigger();
    EXPECT_EQ(panel.CardObjects().Count(), 2);
}

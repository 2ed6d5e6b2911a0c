// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the preferences file: defaults, round trips of every group, recent files and window placement.
#include "settings/preferences.h"
#include "model/subobjects.h"
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using qm::Preferences;

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

// Every test gets its own data folder, so the preferences file starts missing.
class PreferencesFile : public ::testing::Test
{
protected:
    PreferencesFile() : mOldHome(qgetenv("QUILLMARK_HOME"))
    {
        qputenv("QUILLMARK_HOME", mTemp.path().toUtf8());
    }
    ~PreferencesFile() override { qputenv("QUILLMARK_HOME", mOldHome); }

    QString iniPath() const { return mTemp.filePath(s("qmk.ini")); }
    void writeIni(const QByteArray& bytes, const char* name = "qmk.ini")
    {
        QFile f(mTemp.filePath(s(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readIni() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir mTemp;
    QByteArray mOldHome;
};

TEST_F(PreferencesFile, FreshInstallationGivesTheDefaults)
{
    const Preferences prefs;
    EXPECT_EQ(prefs.Path(), iniPath());

    EXPECT_EQ(prefs.LoadPrinter(), qm::PrinterPreferences());
    EXPECT_TRUE(prefs.LoadPrinter().ShowBottomMarginWarning);

    qm::TKFont font;
    font.SetName(s("Courier New"));
    font.SetSize(14);
    font.SetStyle(1u << qm::fsBold | 1u << qm::fsStrikeOut);
    prefs.LoadDefaultFont(font);
    EXPECT_EQ(font.Name(), s("Arial"));
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Style(), 1u << qm::fsStrikeOut); // bold cleared, the style the file has no key for kept

    qm::CardSheetLayout layout;
    layout.Width = 1;
    prefs.LoadLayoutPreferences(layout);
    EXPECT_EQ(layout, qm::CardSheetLayout());

    EXPECT_EQ(prefs.LoadPersonalInfo(), QStringList(10, QString()));
    EXPECT_TRUE(prefs.LoadRecentFiles().isEmpty());

    const qm::WindowPlacement p = prefs.LoadWindowPlacement(s("TMainScreen"), 96, false);
    EXPECT_FALSE(p.Stored());
    EXPECT_FALSE(p.Maximized);
    EXPECT_TRUE(prefs.LoadWindowPlacement(s("TMainScreen"), 96, true).Maximized);

    // Reading never creates the file.
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(PreferencesFile, EveryGroupRoundTrips)
{
    const Preferences prefs;
    qm::PrinterPreferences printer;
    printer.TopMarginNudge = 8;
    printer.LeftMarginNudge = -3;
    printer.VerticalSpacing = -8;
    printer.HorizontalSpacing = 2;
    printer.ShowBottomMarginWarning = false;
    qm::TKFont font;
    font.SetName(s("Times New Roman"));
    font.SetSize(12);
    font.SetStyle(1u << qm::fsItalic | 1u << qm::fsUnderline);
    ASSERT_TRUE(prefs.SavePreferences(printer, font));

    qm::CardSheetLayout layout;
    qm::ApplyPredefinedLayout(layout, 19);
    layout.PredefLayout = 19;
    layout.Across = 4;
    layout.UseMM = true;
    layout.UsePortrait = true;
    ASSERT_TRUE(prefs.SaveLayoutPreferences(layout));

    const QStringList personal = {
        s("Ann Lee"), s("Lee & Co"), s("Owner"),    s("1 High St"),       s("Town"),
        s(""),        s("555 1234"), s("555 9876"), s("ann@example.com"), s("555 0000")};
    ASSERT_TRUE(prefs.SavePersonalInfo(personal));
    ASSERT_TRUE(prefs.StoreRecentFiles({s("/cards/a.qmk"), s("/cards/b.qmk")}));
    ASSERT_TRUE(prefs.SaveWindowPlacement(s("TMainScreen"), 96,
                                          qm::WindowPlacement::FromBounds(QRect(10, 20, 640, 480), true)));

    const Preferences again;
    EXPECT_EQ(again.LoadPrinter(), printer);
    qm::TKFont loaded;
    again.LoadDefaultFont(loaded);
    EXPECT_EQ(loaded.Name(), s("Times New Roman"));
    EXPECT_EQ(loaded.Size(), 12);
    EXPECT_EQ(loaded.Style(), font.Style());
    qm::CardSheetLayout loadedLayout;
    again.LoadLayoutPreferences(loadedLayout);
    EXPECT_EQ(loadedLayout, layout);
    EXPECT_EQ(again.LoadPersonalInfo(), personal);
    EXPECT_EQ(again.LoadRecentFiles(), (QStringList{s("/cards/a.qmk"), s("/cards/b.qmk")}));
    const qm::WindowPlacement p = again.LoadWindowPlacement(s("TMainScreen"), 96, false);
    EXPECT_EQ(p.Bounds(), QRect(10, 20, 640, 480));
    EXPECT_EQ(p.Right, 650); // one past the last pixel, as stored
    EXPECT_TRUE(p.Maximized);

    // The file's own names and forms, as other programs' copies of it have them.
    const qm::ProfileFile ini(iniPath());
    EXPECT_EQ(ini.ReadSections(), (QStringList{s("Printer"), s("Default Font"), s("Layout"), s("Personal"),
                                               s("MRU"), s("TMainScreen_Placement")}));
    EXPECT_EQ(ini.ReadSection(s("Printer")),
              (QStringList{s("ShowBottomMarginWarning"), s("TopMarginNudge"), s("LeftMarginNudge"),
                           s("VerticalSpacing"), s("HorizontalSpacing")}));
    EXPECT_EQ(ini.ReadSection(s("Default Font")),
              (QStringList{s("Name"), s("Size"), s("Bold"), s("Italic"), s("Underline")}));
    EXPECT_EQ(
        ini.ReadSection(s("Layout")),
        (QStringList{s("Height"), s("Width"), s("TopMargin"), s("LeftMargin"), s("HPitch"), s("VPitch"),
                     s("PredefLayout"), s("Papersize"), s("Across"), s("Down"), s("UseMM"), s("Portrait")}));
    EXPECT_EQ(ini.ReadString(s("Layout"), s("Height")), s("1770"));
    EXPECT_EQ(ini.ReadString(s("Printer"), s("ShowBottomMarginWarning")), s("0"));
    EXPECT_EQ(ini.ReadSection(s("Personal")), Preferences::PersonalKeys());
    EXPECT_EQ(ini.ReadSection(s("TMainScreen_Placement")),
              (QStringList{s("Left"), s("Top"), s("Right"), s("Bottom"), s("Maximized")}));
}

TEST_F(PreferencesFile, EachSaveLeavesTheOtherGroupsAndForeignLinesAlone)
{
    writeIni(
        "; kept\r\n[Other]\r\nX=1\r\n[MRU]\r\nF0=/cards/x.qmk\r\n[Layout]\r\nHeight=1000\r\nExtra=yes\r\n");
    const Preferences prefs;
    ASSERT_TRUE(prefs.SaveLayoutPreferences(qm::CardSheetLayout()));
    ASSERT_TRUE(prefs.SavePersonalInfo({s("Me")}));
    const QByteArray text = readIni();
    EXPECT_TRUE(text.startsWith(
        "; kept\r\n[Other]\r\nX=1\r\n[MRU]\r\nF0=/cards/x.qmk\r\n[Layout]\r\nHeight=2000\r\n"))
        << text.constData();
    EXPECT_TRUE(text.contains("Extra=yes\r\n"));
    EXPECT_EQ(prefs.LoadRecentFiles(), QStringList{s("/cards/x.qmk")});
    EXPECT_EQ(prefs.LoadPersonalInfo().value(1), QString()); // short lists are written out empty
}

TEST_F(PreferencesFile, StoredOrientationIsReadOnlyWhenPresent)
{
    const Preferences prefs;
    qm::CardSheetLayout held;
    held.UsePortrait = true;
    prefs.LoadLayoutPreferences(held); // no file: keeps what it held
    EXPECT_TRUE(held.UsePortrait);

    writeIni("[Layout]\r\nPortrait=0\r\nUsePortrait=1\r\n");
    prefs.LoadLayoutPreferences(held);
    EXPECT_FALSE(held.UsePortrait);
}

TEST_F(PreferencesFile, BrokenFilesGiveDefaultsAndAreNotOverwritten)
{
    writeIni("[Printer]\r\nTopMarginNudge=lots\r\nShowBottomMarginWarning=\r\n[Default "
             "Font]\r\nName=\r\nSize=-4\r\n"
             "\xff\xfegarbage\r\n[TMainScreen_Placement]\r\nLeft=500\r\nRight=100\r\nBottom=300\r\n");
    const Preferences prefs;
    EXPECT_EQ(prefs.LoadPrinter(), qm::PrinterPreferences());
    qm::TKFont font;
    prefs.LoadDefaultFont(font);
    EXPECT_EQ(font.Name(), s("Arial"));
    EXPECT_EQ(font.Size(), 10);
    EXPECT_FALSE(prefs.LoadWindowPlacement(s("TMainScreen"), 96, false).Stored());

    // A preferences "file" that cannot be read at all: defaults, and saving refuses rather than replacing it.
    QFile::remove(iniPath());
    ASSERT_TRUE(QDir(mTemp.path()).mkdir(s("qmk.ini")));
    EXPECT_EQ(prefs.LoadRecentFiles(), QStringList());
    QString error;
    EXPECT_FALSE(prefs.StoreRecentFiles({s("/a.qmk")}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PreferencesFile, AFileSpeltInCapitalsIsFound)
{
    writeIni("[Default Font]\r\nName=Verdana\r\n", "QMK.INI");
    const Preferences prefs;
    qm::TKFont font;
    prefs.LoadDefaultFont(font);
    EXPECT_EQ(font.Name(), s("Verdana"));
}

// ---- Recent files ----

TEST(RecentFiles, SixOpensKeepTheLastFiveNewestFirst)
{
    qm::RecentFiles mru;
    for (int i = 1; i <= 6; ++i)
        mru.Add(QStringLiteral("/cards/BC000%1.QMK").arg(i));
    EXPECT_EQ(mru.Files(),
              (QStringList{s("/cards/BC0006.QMK"), s("/cards/BC0005.QMK"), s("/cards/BC0004.QMK"),
                           s("/cards/BC0003.QMK"), s("/cards/BC0002.QMK")}));

    // Reopening moves to the top without a second entry and without losing another.
    mru.Add(s("/cards/BC0003.QMK"));
    EXPECT_EQ(mru.Files(),
              (QStringList{s("/cards/BC0003.QMK"), s("/cards/BC0006.QMK"), s("/cards/BC0005.QMK"),
                           s("/cards/BC0004.QMK"), s("/cards/BC0002.QMK")}));

    // Names differing in case are different files here.
    mru.Add(s("/cards/bc0003.qmk"));
    EXPECT_EQ(mru.Files().size(), qm::kMaxRecentFiles);
    EXPECT_EQ(mru.Files().value(0), s("/cards/bc0003.qmk"));
    EXPECT_EQ(mru.Files().value(1), s("/cards/BC0003.QMK"));

    mru.Remove(s("/cards/BC0003.QMK"));
    EXPECT_EQ(mru.Files().size(), 4);
    mru.Add(QString());
    EXPECT_EQ(mru.Files().size(), 4);
}

TEST_F(PreferencesFile, RecentFilesAreStoredAsAFreshSection)
{
    writeIni(
        "[MRU]\r\nF0=/old.qmk\r\nF1=\r\nF2=/b.qmk\r\nOther=/c.qmk\r\nF3=/b.qmk\r\nF4=/d.qmk\r\nF5=/e.qmk\r\n"
        "F6=/f.qmk\r\n[After]\r\nY=2\r\n");
    const Preferences prefs;
    // File order, whatever the key names; empties and repeats dropped; five at most.
    EXPECT_EQ(prefs.LoadRecentFiles(),
              (QStringList{s("/old.qmk"), s("/b.qmk"), s("/c.qmk"), s("/d.qmk"), s("/e.qmk")}));

    qm::RecentFiles mru(prefs.LoadRecentFiles());
    mru.Add(s("/new.qmk"));
    ASSERT_TRUE(prefs.StoreRecentFiles(mru.Files()));
    const qm::ProfileFile ini(iniPath());
    EXPECT_EQ(ini.ReadSection(s("MRU")), (QStringList{s("F0"), s("F1"), s("F2"), s("F3"), s("F4")}));
    EXPECT_EQ(ini.ReadString(s("MRU"), s("F0")), s("/new.qmk"));
    EXPECT_EQ(ini.ReadString(s("MRU"), s("F4")), s("/d.qmk"));
    EXPECT_EQ(ini.ReadString(s("After"), s("Y")), s("2"));
}

// ---- Window placement ----

TEST_F(PreferencesFile, PlacementSectionsAreKeptPerScreenResolution)
{
    EXPECT_EQ(Preferences::PlacementSection(s("TMainScreen"), 96), s("TMainScreen_Placement"));
    EXPECT_EQ(Preferences::PlacementSection(s("TMainScreen"), 72), s("TMainScreen_Placement"));
    EXPECT_EQ(Preferences::PlacementSection(s("TMainScreen"), 120), s("TMainScreen_Placement120"));

    const Preferences prefs;
    ASSERT_TRUE(prefs.SaveWindowPlacement(s("TMainScreen"), 96,
                                          qm::WindowPlacement::FromBounds(QRect(100, 50, 622, 404), false)));
    ASSERT_TRUE(prefs.SaveWindowPlacement(s("TPreview"), 144,
                                          qm::WindowPlacement::FromBounds(QRect(5, 6, 300, 200), false)));
    // The same window at 120 pixels per inch starts afresh, and is centred.
    const qm::WindowPlacement at120 = prefs.LoadWindowPlacement(s("TMainScreen"), 120, false);
    EXPECT_FALSE(at120.Stored());
    const QRect screen(0, 0, 1920, 1080);
    const QRect centred(649, 338, 622, 404);
    EXPECT_EQ(qm::RestorePlacement(at120, centred, screen).Bounds, centred);

    EXPECT_EQ(prefs.LoadWindowPlacement(s("TMainScreen"), 96, false).Bounds(), QRect(100, 50, 622, 404));
    EXPECT_EQ(prefs.LoadWindowPlacement(s("TPreview"), 144, false).Bounds(), QRect(5, 6, 300, 200));
    EXPECT_FALSE(prefs.LoadWindowPlacement(s("TPreview"), 96, false).Stored());
}

TEST(WindowPlacement, KeepOnScreenMovesWithoutResizing)
{
    const QRect screen(0, 0, 1024, 768);
    // Inside: untouched.
    EXPECT_EQ(qm::KeepOnScreen(QRect(10, 10, 400, 300), screen), QRect(10, 10, 400, 300));
    // Off the left: one pixel in.
    EXPECT_EQ(qm::KeepOnScreen(QRect(-50, 10, 400, 300), screen), QRect(1, 10, 400, 300));
    // Off the right: right edge on the screen's.
    EXPECT_EQ(qm::KeepOnScreen(QRect(900, 10, 400, 300), screen), QRect(624, 10, 400, 300));
    // Off the bottom, then off the top.
    EXPECT_EQ(qm::KeepOnScreen(QRect(10, 700, 400, 300), screen), QRect(10, 468, 400, 300));
    EXPECT_EQ(qm::KeepOnScreen(QRect(10, -20, 400, 300), screen), QRect(10, 1, 400, 300));
    // Wider than the screen: the left edge wins.
    EXPECT_EQ(qm::KeepOnScreen(QRect(0, 0, 1200, 300), screen), QRect(1, 0, 1200, 300));
    // A second screen to the right, below a panel: its own edges count.
    const QRect second(1920, 30, 1280, 994);
    EXPECT_EQ(qm::KeepOnScreen(QRect(1800, 0, 400, 300), second), QRect(1921, 31, 400, 300));
    EXPECT_EQ(qm::KeepOnScreen(QRect(3100, 900, 400, 300), second), QRect(2800, 724, 400, 300));
}

TEST(WindowPlacement, FitOnScreenShrinksWhatIsLargerThanTheScreenAndKeepsItWhollyOnIt)
{
    const QRect screen(0, 0, 800, 500); // 1600 x 1000 at a scale of two
    // Fits and lies on the screen: untouched; off an edge: moved as KeepOnScreen moves it.
    EXPECT_EQ(qm::FitOnScreen(QRect(10, 10, 400, 300), screen), QRect(10, 10, 400, 300));
    EXPECT_EQ(qm::FitOnScreen(QRect(600, 300, 400, 300), screen), QRect(400, 200, 400, 300));
    EXPECT_EQ(qm::FitOnScreen(QRect(-50, 10, 400, 300), screen), QRect(1, 10, 400, 300));
    // Larger than the screen (a window stored at scale one): as large as the screen, every edge on it.
    EXPECT_EQ(qm::FitOnScreen(QRect(100, 80, 1120, 700), screen), QRect(0, 0, 800, 500));
    EXPECT_EQ(qm::FitOnScreen(QRect(-30, 40, 1120, 300), screen), QRect(0, 40, 800, 300));
    EXPECT_EQ(qm::FitOnScreen(QRect(10, 20, 300, 900), screen), QRect(10, 0, 300, 500));
    // The frame counts: title bar and borders stay on the screen too.
    const QMargins frame(4, 30, 4, 4);
    EXPECT_EQ(qm::FitOnScreen(QRect(100, 80, 1120, 700), screen, frame), QRect(4, 30, 792, 466));
    EXPECT_EQ(qm::FitOnScreen(QRect(100, 5, 300, 200), screen, frame), QRect(100, 31, 300, 200));
    // A second screen to the right, below a panel: its own edges count.
    const QRect second(1920, 30, 1280, 994);
    EXPECT_EQ(qm::FitOnScreen(QRect(1700, 0, 1600, 1200), second), second);
    // Nothing known of the screen: left alone.
    EXPECT_EQ(qm::FitOnScreen(QRect(5, 5, 3000, 3000), QRect()), QRect(5, 5, 3000, 3000));
}

TEST(WindowPlacement, TheFirstWindowTakesSeventyPerCentOfTheScreenCentred)
{
    const QSize least(622, 404);
    EXPECT_EQ(qm::ComfortableBounds(QRect(0, 0, 1600, 1000), 0.7, least), QRect(240, 150, 1120, 700));
    // Below a panel on a second screen.
    EXPECT_EQ(qm::ComfortableBounds(QRect(1920, 30, 1280, 994), 0.7, least), QRect(2112, 179, 896, 696));
    // A small screen: not below the least size the window is usable at...
    EXPECT_EQ(qm::ComfortableBounds(QRect(0, 0, 800, 500), 0.7, least), QRect(89, 48, 622, 404));
    // ...unless the screen itself is smaller.
    EXPECT_EQ(qm::ComfortableBounds(QRect(0, 0, 600, 380), 0.7, least), QRect(0, 0, 600, 380));
}

TEST(WindowPlacement, RestoreMaximisesOrPlacesTheStoredBounds)
{
    const QRect screen(0, 0, 1024, 768);
    const QRect centred(201, 182, 622, 404);
    qm::WindowPlacement stored = qm::WindowPlacement::FromBounds(QRect(-50, 100, 400, 300), false);
    qm::RestoredPlacement r = qm::RestorePlacement(stored, centred, screen);
    EXPECT_FALSE(r.Maximize);
    EXPECT_EQ(r.Bounds, QRect(1, 100, 400, 300));

    stored.Maximized = true;
    r = qm::RestorePlacement(stored, centred, screen);
    EXPECT_TRUE(r.Maximize);
    EXPECT_EQ(r.Bounds, QRect(1, 100, 400, 300));

    r = qm::RestorePlacement(qm::WindowPlacement(), centred, screen);
    EXPECT_FALSE(r.Maximize);
    EXPECT_EQ(r.Bounds, centred);

    // Stored larger than the screen (the screen's scale went up since): back as large as the screen.
    r = qm::RestorePlacement(qm::WindowPlacement::FromBounds(QRect(240, 150, 1120, 700), false), centred,
                             QRect(0, 0, 800, 500));
    EXPECT_EQ(r.Bounds, QRect(0, 0, 800, 500));
}

} // namespace

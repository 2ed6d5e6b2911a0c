// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences file qmk.ini: nudges, default font and layout, personal info, recent files, placement.
#pragma once
#include "model/sheetlayout.h"
#include "platform/screenfit.h"
#include "settings/paperlocale.h"

#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>

namespace qm {

class TKFont;

// Section "Printer": the fine-tuning nudges in 1/32 inch and the bottom-margin warning switch.
struct PrinterPreferences
{
    int TopMarginNudge = 0;
    int LeftMarginNudge = 0;
    int VerticalSpacing = 0;
    int HorizontalSpacing = 0;
    bool ShowBottomMarginWarning = true;

    bool operator==(const PrinterPreferences& o) const
    {
        return TopMarginNudge == o.TopMarginNudge && LeftMarginNudge == o.LeftMarginNudge &&
               VerticalSpacing == o.VerticalSpacing && HorizontalSpacing == o.HorizontalSpacing &&
               ShowBottomMarginWarning == o.ShowBottomMarginWarning;
    }
};

// A window's normal (not maximised) bounds in screen pixels as stored: Right and Bottom are one past the last
// pixel, so Right - Left is the width. A Bottom of 0 means nothing was stored.
struct WindowPlacement
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Maximized = false;

    bool Stored() const { return Bottom != 0; }
    QRect Bounds() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static WindowPlacement FromBounds(const QRect& bounds, bool maximized);
};

// Where RestoreWindowPlacement puts a window.
struct RestoredPlacement
{
    bool Maximize = false;
    // The window's bounds; for a maximised window, the bounds it returns to when restored.
    QRect Bounds;
};

// A stored placement applied to a window: maximised when it was; otherwise the stored bounds, or centred when
// nothing was stored, made to fit the screen (FitOnScreen: a window stored larger than the screen, as after
// a change of scale, comes back as large as the screen and wholly on it).
RestoredPlacement RestorePlacement(const WindowPlacement& stored, const QRect& centred, const QRect& screen);

// Section "Tips": whether the Quick Tips window opens at start, and which tip it shows next.
struct TipsPreferences
{
    bool ShowAtStart = true;
    int NextTip = 0;
};

constexpr int kMaxRecentFiles = 5;

// The recent-files list, most recent first, at most five, no repeats. Paths are compared exactly: on this
// system "Card.qmk" and "card.qmk" are two files.
class RecentFiles
{
public:
    RecentFiles() = default;
    // Empty entries and repeats are dropped and the list is cut to five.
    explicit RecentFiles(const QStringList& files);

    const QStringList& Files() const { return mFiles; }
    // Puts path at the top: moved there when present, else inserted with the oldest falling off.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    QStringList mFiles;
};

// Reads and writes qmk.ini. Nothing is cached: every call opens the file, reads or writes its keys and closes
// it, so the parts of the program that keep settings there never overwrite each other's. A missing or
// unreadable file gives the defaults; the file is created when something is first written. Every Save... call
// writes the whole file anew beside the old one and renames it over, and returns false with *error set when
// that failed (a file that could not be read is never overwritten).
class Preferences
{
public:
    // An empty path means ProgramFile("qmk.ini").
    explicit Preferences(const QString& path = QString());
    const QString& Path() const { return mPath; }
    // Why the file cannot be read (too large to be a settings file, not a regular file...): every setting
    // then takes its default. Empty when it reads or does not exist yet.
    QString Problem() const;

    // "Printer": the four nudges and the warning switch.
    PrinterPreferences LoadPrinter() const;
    // "Default Font": face and size, and bold, italic and underline set or cleared; the font's other
    // attributes are left alone. An empty face or a size below one point keeps the default (Arial, 10).
    void LoadDefaultFont(TKFont& font) const;
    // Writes the warning switch, the font as "Default Font" and then the four nudges.
    bool SavePreferences(const PrinterPreferences& printer, const TKFont& font,
                         QString* error = nullptr) const;

    // Whether the start-up notice about having no printer is due: true the first time no printer is found,
    // then not again until printers have been seen and are gone again. Remembered in "Printer".
    bool PrinterNoticeDue(bool printersFound) const;

    // "Tips"; a missing section shows tips at start, from the first.
    TipsPreferences LoadTips() const;
    bool SaveTips(const TipsPreferences& tips, QString* error = nullptr) const;

    // "View": whether a panel of the window (such as "PositionAndSize") is shown; hidden when never said.
    bool LoadPanelShown(const QString& panel) const;
    bool SavePanelShown(const QString& panel, bool shown, QString* error = nullptr) const;

    // "Layout", into layout; the orientation keeps layout's own value when the file has none. Without the
    // section (the first start) the layout of the paper locale's country (DefaultLayoutFor).
    void LoadLayoutPreferences(CardSheetLayout& layout) const;
    // The locale whose country's paper a first start takes; PaperLocale() unless set.
    void SetPaperLocale(const QLocale& locale) { mPaperLocale = locale; }
    bool SaveLayoutPreferences(const CardSheetLayout& layout, QString* error = nullptr) const;

    // "Personal": the ten keys, in the order the business card panel holds the values.
    static const QStringList& PersonalKeys();
    // Always ten strings; a missing key is empty.
    QStringList LoadPersonalInfo() const;
    // Writes the first ten values; missing ones are written empty.
    bool SavePersonalInfo(const QStringList& values, QString* error = nullptr) const;

    // "MRU": every value of the section in file order, tidied as RecentFiles does.
    QStringList LoadRecentFiles() const;
    // Replaces the section with F0, F1, ... in list order.
    bool StoreRecentFiles(const QStringList& files, QString* error = nullptr) const;

    // The window class name + "_Placement", followed by the pixels per inch when that is above 96, so a
    // change of screen resolution starts from a fresh placement.
    static QString PlacementSection(const QString& windowClass, int pixelsPerInch);
    // Missing bounds read as 0; a missing "Maximized" as maximizedNow.
    WindowPlacement LoadWindowPlacement(const QString& windowClass, int pixelsPerInch,
                                        bool maximizedNow) const;
    bool SaveWindowPlacement(const QString& windowClass, int pixelsPerInch, const WindowPlacement& placement,
                             QString* error = nullptr) const;

private:
    QString mPath;
    QLocale mPaperLocale;
};

} // namespace qm

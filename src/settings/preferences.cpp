// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences file qmk.ini: each group of keys read and written, recent files, window placement.
#include "settings/preferences.h"

#include "model/subobjects.h"
#include "platform/paths.h"
#include "platform/profile.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

namespace {

QString key(const char* s)
{
    return QString::fromLatin1(s);
}

const QString& printerSection()
{
    static const QString s = QStringLiteral("Printer");
    return s;
}

const QString& fontSection()
{
    static const QString s = QStringLiteral("Default Font");
    return s;
}

const QString& personalSection()
{
    static const QString s = QStringLiteral("Personal");
    return s;
}

const QString& mruSection()
{
    static const QString s = QStringLiteral("MRU");
    return s;
}

constexpr int kDefaultFontSize = 10;

// The preferences file of the data folder. Copied over from Windows it may be spelt QMK.INI; whatever
// spelling is there is used, and a new file is called qmk.ini.
QString defaultPath()
{
    const QString wanted = ProgramFile(QStringLiteral("qmk.ini"));
    if (QFileInfo::exists(wanted))
        return wanted;
    const QDir folder(ProgramFolder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(QLatin1String("qmk.ini"), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return wanted;
}

// Window coordinates beyond this are no screen's; such a stored placement counts as none.
constexpr int kMaxCoordinate = 1000000;

} // namespace

// ---- Window placement ----

WindowPlacement WindowPlacement::FromBounds(const QRect& bounds, bool maximized)
{
    WindowPlacement p;
    p.Left = bounds.left();
    p.Top = bounds.top();
    p.Right = bounds.left() + bounds.width();
    p.Bottom = bounds.top() + bounds.height();
    p.Maximized = maximized;
    return p;
}

RestoredPlacement RestorePlacement(const WindowPlacement& stored, const QRect& centred, const QRect& screen)
{
    RestoredPlacement result;
    result.Maximize = stored.Maximized;
    result.Bounds = FitOnScreen(stored.Stored() ? stored.Bounds() : centred, screen);
    return result;
}

// ---- Recent files ----

RecentFiles::RecentFiles(const QStringList& files)
{
    for (const QString& f : files) {
        if (mFiles.size() == kMaxRecentFiles)
            break;
        if (!f.isEmpty() && !mFiles.contains(f))
            mFiles.append(f);
    }
}

void RecentFiles::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    mFiles.removeAll(path);
    mFiles.prepend(path);
    while (mFiles.size() > kMaxRecentFiles)
        mFiles.removeLast();
}

void RecentFiles::Remove(const QString& path)
{
    mFiles.removeAll(path);
}

// ---- Preferences ----

Preferences::Preferences(const QString& path)
    : mPath(path.isEmpty() ? defaultPath() : path), mPaperLocale(PaperLocale())
{
}

QString Preferences::Problem() const
{
    return ProfileFile(mPath).LoadError();
}

PrinterPreferences Preferences::LoadPrinter() const
{
    const ProfileFile ini(mPath);
    const PrinterPreferences d;
    PrinterPreferences p;
    p.TopMarginNudge = ini.ReadInteger(printerSection(), key("TopMarginNudge"), d.TopMarginNudge);
    p.LeftMarginNudge = ini.ReadInteger(printerSection(), key("LeftMarginNudge"), d.LeftMarginNudge);
    p.VerticalSpacing = ini.ReadInteger(printerSection(), key("VerticalSpacing"), d.VerticalSpacing);
    p.HorizontalSpacing = ini.ReadInteger(printerSection(), key("HorizontalSpacing"), d.HorizontalSpacing);
    p.ShowBottomMarginWarning =
        ini.ReadBool(printerSection(), key("ShowBottomMarginWarning"), d.ShowBottomMarginWarning);
    return p;
}

void Preferences::LoadDefaultFont(TKFont& font) const
{
    const ProfileFile ini(mPath);
    const QString defaultName = QStringLiteral("Arial");
    QString name = ini.ReadString(fontSection(), key("Name"), defaultName);
    if (name.isEmpty())
        name = defaultName;
    int size = ini.ReadInteger(fontSection(), key("Size"), kDefaultFontSize);
    if (size < 1)
        size = kDefaultFontSize;
    font.SetName(name);
    font.SetSize(size);

    TFontStyles style = font.Style();
    const auto setStyle = [&](const char* flag, TFontStyle s) {
        if (ini.ReadBool(fontSection(), key(flag), false))
            style |= TFontStyles(1u << s);
        else
            style &= TFontStyles(~(1u << s));
    };
    setStyle("Bold", fsBold);
    setStyle("Italic", fsItalic);
    setStyle("Underline", fsUnderline);
    font.SetStyle(style);
}

bool Preferences::SavePreferences(const PrinterPreferences& printer, const TKFont& font, QString* error) const
{
    ProfileFile ini(mPath);
    ini.WriteBool(printerSection(), key("ShowBottomMarginWarning"), printer.ShowBottomMarginWarning);
    ini.WriteString(fontSection(), key("Name"), font.Name());
    ini.WriteInteger(fontSection(), key("Size"), font.Size());
    ini.WriteBool(fontSection(), key("Bold"), font.HasStyle(fsBold));
    ini.WriteBool(fontSection(), key("Italic"), font.HasStyle(fsItalic));
    ini.WriteBool(fontSection(), key("Underline"), font.HasStyle(fsUnderline));
    ini.WriteInteger(printerSection(), key("TopMarginNudge"), printer.TopMarginNudge);
    ini.WriteInteger(printerSection(), key("LeftMarginNudge"), printer.LeftMarginNudge);
    ini.WriteInteger(printerSection(), key("VerticalSpacing"), printer.VerticalSpacing);
    ini.WriteInteger(printerSection(), key("HorizontalSpacing"), printer.HorizontalSpacing);
    return ini.Save(error);
}

bool Preferences::PrinterNoticeDue(bool printersFound) const
{
    const QString noticeKey = key("NoPrinterNoticeShown");
    ProfileFile ini(mPath);
    const bool said = ini.ReadBool(printerSection(), noticeKey, false);
    if (said == !printersFound)
        return false;
    ini.WriteBool(printerSection(), noticeKey, !printersFound);
    // A notice that cannot be remembered is said again next time; not worth a message.
    ini.Save();
    return !printersFound;
}

TipsPreferences Preferences::LoadTips() const
{
    const ProfileFile ini(mPath);
    const QString section = QStringLiteral("Tips");
    TipsPreferences tips;
    tips.ShowAtStart = ini.ReadBool(section, key("ShowAtStart"), tips.ShowAtStart);
    tips.NextTip = qMax(0, ini.ReadInteger(section, key("NextTip"), tips.NextTip));
    return tips;
}

bool Preferences::SaveTips(const TipsPreferences& tips, QString* error) const
{
    ProfileFile ini(mPath);
    const QString section = QStringLiteral("Tips");
    ini.WriteBool(section, key("ShowAtStart"), tips.ShowAtStart);
    ini.WriteInteger(section, key("NextTip"), tips.NextTip);
    return ini.Save(error);
}

bool Preferences::LoadPanelShown(const QString& panel) const
{
    return ProfileFile(mPath).ReadBool(QStringLiteral("View"), panel, false);
}

bool Preferences::SavePanelShown(const QString& panel, bool shown, QString* error) const
{
    ProfileFile ini(mPath);
    ini.WriteBool(QStringLiteral("View"), panel, shown);
    return ini.Save(error);
}

void Preferences::LoadLayoutPreferences(CardSheetLayout& layout) const
{
    const ProfileFile ini(mPath);
    if (!ini.SectionExists(QString::fromLatin1(kLayoutSection))) {
        const bool portrait = layout.UsePortrait;
        layout = DefaultLayoutFor(mPaperLocale);
        layout.UsePortrait = portrait;
        return;
    }
    layout = ReadLayout(ini, kPreferencesPortraitKey, layout.UsePortrait);
}

bool Preferences::SaveLayoutPreferences(const CardSheetLayout& layout, QString* error) const
{
    ProfileFile ini(mPath);
    WriteLayout(ini, layout, kPreferencesPortraitKey);
    return ini.Save(error);
}

const QStringList& Preferences::PersonalKeys()
{
    static const QStringList keys = {
        QStringLiteral("Name"),     QStringLiteral("Company"),  QStringLiteral("Title"),
        QStringLiteral("Address1"), QStringLiteral("Address2"), QStringLiteral("Address3"),
        QStringLiteral("Phone1"),   QStringLiteral("Phone2"),   QStringLiteral("Email"),
        QStringLiteral("Fax"),
    };
    return keys;
}

QStringList Preferences::LoadPersonalInfo() const
{
    const ProfileFile ini(mPath);
    QStringList values;
    for (const QString& k : PersonalKeys())
        values.append(ini.ReadString(personalSection(), k));
    return values;
}

bool Preferences::SavePersonalInfo(const QStringList& values, QString* error) const
{
    ProfileFile ini(mPath);
    const QStringList& keys = PersonalKeys();
    for (qsizetype i = 0; i < keys.size(); ++i)
        ini.WriteString(personalSection(), keys[i], values.value(i));
    return ini.Save(error);
}

QStringList Preferences::LoadRecentFiles() const
{
    const ProfileFile ini(mPath);
    QStringList files;
    for (const QString& k : ini.ReadSection(mruSection()))
        files.append(ini.ReadString(mruSection(), k));
    return RecentFiles(files).Files();
}

bool Preferences::StoreRecentFiles(const QStringList& files, QString* error) const
{
    ProfileFile ini(mPath);
    ini.EraseSection(mruSection());
    for (qsizetype i = 0; i < files.size(); ++i)
        ini.WriteString(mruSection(), QStringLiteral("F%1").arg(i), files[i]);
    return ini.Save(error);
}

QString Preferences::PlacementSection(const QString& windowClass, int pixelsPerInch)
{
    QString section = windowClass + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

WindowPlacement Preferences::LoadWindowPlacement(const QString& windowClass, int pixelsPerInch,
                                                 bool maximizedNow) const
{
    const ProfileFile ini(mPath);
    const QString section = PlacementSection(windowClass, pixelsPerInch);
    WindowPlacement p;
    p.Left = ini.ReadInteger(section, key("Left"), 0);
    p.Top = ini.ReadInteger(section, key("Top"), 0);
    p.Right = ini.ReadInteger(section, key("Right"), 0);
    p.Bottom = ini.ReadInteger(section, key("Bottom"), 0);
    p.Maximized = ini.ReadBool(section, key("Maximized"), maximizedNow);
    // A rectangle turned inside out, or far off any screen, is no placement a window can take.
    const auto onSomeScreen = [](int v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
    const bool wild =
        !onSomeScreen(p.Left) || !onSomeScreen(p.Top) || !onSomeScreen(p.Right) || !onSomeScreen(p.Bottom);
    if (wild || p.Right < p.Left || p.Bottom < p.Top)
        p.Left = p.Top = p.Right = p.Bottom = 0;
    return p;
}

bool Preferences::SaveWindowPlacement(const QString& windowClass, int pixelsPerInch,
                                      const WindowPlacement& placement, QString* error) const
{
    ProfileFile ini(mPath);
    const QString section = PlacementSection(windowClass, pixelsPerInch);
    ini.WriteInteger(section, key("Left"), placement.Left);
    ini.WriteInteger(section, key("Top"), placement.Top);
    ini.WriteInteger(section, key("Right"), placement.Right);
    ini.WriteInteger(section, key("Bottom"), placement.Bottom);
    ini.WriteBool(section, key("Maximized"), placement.Maximized);
    return ini.Save(error);
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: the open card's files, changes, layout, recent files and zoom, and the commands on them.
#include "app/carddocument.h"
#include "app/importcommand.h"
#include "platform/profile.h"
#include "objects/templatefile.h"

#include "design/cardpanel.h"
#include "design/zoomsteps.h"
#include "model/cardobjects.h"
#include "model/subobjects.h"
#include "stream/streamreader.h"
#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

QString CardFilter()
{
    //: a file dialog's filter; %1 is the file name patterns
    return CardDocument::tr("QMK File (%1)").arg(QStringLiteral("*.qmk *.QMK"));
}

QString AbsolutePath(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

bool HasCardExtension(const QString& path)
{
    return QFileInfo(path).suffix().toUpper() == QLatin1String("QMK");
}

} // namespace

// ---- Card objects and names ----

bool ReadCardObjects(TKBusinessCardPanel32& panel, const QString& path, QString* error)
{
    QByteArray data;
    QString readError;
    if (!ReadCardFileBytes(path, &data, &readError)) {
        if (error)
            *error = readError;
        return false;
    }
    {
        // A trial read first: a faulty file must not cost the design on the panel.
        TKCardObjects trial;
        const ReadResult read = ReadObjectsFromBytes(trial, data);
        if (!read.ok) {
            if (error)
                *error = read.error;
            return false;
        }
    }
    panel.ClearAll();
    const ReadResult read = ReadObjectsFromBytes(panel.CardObjects(), data);
    panel.HookObjects();
    panel.InvalidatePanel();
    if (!read.ok && error)
        *error = read.error;
    return read.ok;
}

QString ProposedCardName(const QString& folder)
{
    QStringList taken;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        taken.append(entry.toUpper());
    for (int n = 10001; n <= 99999; ++n) {
        const QString name = QStringLiteral("BC") + QString::number(n).mid(1, 4) + QStringLiteral(".qmk");
        if (!taken.contains(name.toUpper()))
            return name;
    }
    return QStringLiteral("BC0001.qmk");
}

// ---- The document ----

CardDocument::CardDocument(TKBusinessCardPanel32& panel, DocumentPrompts& prompts,
                             const QString& prefsPath)
    : mPanel(panel), mPrompts(prompts), mPrefs(prefsPath)
{
    mZoomPercent = std::clamp(int(std::lround(panel.Zoom() * 100)), kSmallestZoom, kLargestZoom);
    mPanel.LabelChangedEvent = [this] { PanelChanged(); };
    // Undo steps keep the layout and the background art with the objects.
    CardHistory& history = mPanel.History();
    history.CaptureCardState = [this] { return CardState(); };
    history.RestoreCardState = [this](const QByteArray& state) { RestoreCardState(state); };
    history.Changed = [this] { Notify(); };
}

QString CardDocument::WindowTitle() const
{
    if (mFileName.isEmpty()) {
        if (mShowingBack)
            return tr("Quillmark (Back)");
        return HasBack() ? tr("Quillmark (Front)") : QStringLiteral("Quillmark");
    }
    const QString name = QFileInfo(mFileName).fileName();
    //: the window's title; %1 is the card's file name
    if (mShowingBack)
        return tr("Quillmark - %1 (Back)").arg(name);
    return HasBack() ? tr("Quillmark - %1 (Front)").arg(name) : tr("Quillmark - %1").arg(name);
}

QString CardDocument::SaveButtonCaption() const
{
    return mFileName.isEmpty() ? tr("Save As") : tr("Save", "the card");
}

void CardDocument::Notify()
{
    if (StateChanged)
        StateChanged();
}

bool CardDocument::DeveloperMode()
{
    return QFileInfo::exists(ProgramFile(QStringLiteral("IAmDeveloping.dat")));
}

namespace {

// Copies the bundled files of one starter folder into a folder just made; what cannot be copied is left out.
void CopyStarterFiles(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        // Bundled files come out read-only; the user's copies are theirs to change or delete.
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
}

} // namespace

void CardDocument::CreateFolders()
{
    const QString starter = QStringLiteral(":/starter");
    QStringList folders = {QStringLiteral("bmbrush"), QStringLiteral("saved"), QStringLiteral("bg"),
                           QStringLiteral("qmkt")};
    for (const QString& name : QDir(starter).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!folders.contains(name))
            folders << name;
    for (const QString& name : folders) {
        const QString folder = ProgramFile(name);
        // Starter files arrive once, with the folder: what the user deletes later stays deleted.
        const bool fresh = !QFileInfo::exists(folder);
        if (QDir().mkpath(folder) && fresh)
            CopyStarterFiles(starter + QLatin1Char('/') + name, folder);
    }
}

QString CardDocument::SavedFolder() const
{
    return ProgramFile(QStringLiteral("saved"));
}

void CardDocument::Load()
{
    mPrefs.LoadDefaultFont(mPanel.Font());
    mPrefs.LoadLayoutPreferences(mLayout);
    mPanel.SetPersonalStrings(mPrefs.LoadPersonalInfo());
    mRecent = qm::RecentFiles(mPrefs.LoadRecentFiles());
    // A stored Rotated default applies from the next new card; until then the layout says what the card
    // shows, so that saving it records the orientation it really has.
    SetCardOrientation(mPanel.PortraitMode());
    FreshHistory();
    if (RecentFilesChanged)
        RecentFilesChanged();
}

void CardDocument::FirstActivate(const QString& cardToOpen)
{
    mFirstActivation = true;
    mPanel.SetShape(lsRectangle);
    SetCardSizeFromInches();
    bool imported = false;
    if (!cardToOpen.isEmpty()) {
        // A gLabels design named on the command line opens as a new card, which stays unsaved.
        imported = OpenBCFile(cardToOpen) && mFileName.isEmpty();
    } else if (!mRecent.Files().isEmpty() && QFileInfo(mRecent.Files().first()).isFile()) {
        OpenBCFile(mRecent.Files().first());
    }
    mFirstActivation = false;
    FreshHistory();
    if (imported) {
        mPanel.History().SetUnsaved();
        Notify();
    }
}

void CardDocument::PanelChanged()
{
    // The history took the change already (the card's change signal); the window shows the new state.
    if (!mFirstActivation)
        Notify();
}

void CardDocument::SetChangesMade(bool changed)
{
    // Only the saved state can be declared: the card counts as changed until its history is at this point.
    if (!changed)
        mPanel.History().SetClean();
    else
        mPanel.History().Touch();
    Notify();
}

void CardDocument::SetBackgroundFile(const QString& file)
{
    mBackgroundFile = file;
    if (file.isEmpty())
        mPanel.ClearBackground();
    else
        LoadCardBackground(mPanel.Card(), file);
    mPanel.InvalidatePanel();
    CardChanged(file.isEmpty() ? tr("Clear Background", "undo step") : tr("Background Art", "undo step"));
}

void CardDocument::AddRecent(const QString& path)
{
    mRecent.Add(path);
    // A recent-files list that cannot be stored is not worth a message.
    mPrefs.StoreRecentFiles(mRecent.Files());
    if (RecentFilesChanged)
        RecentFilesChanged();
}

void CardDocument::ClearDesign()
{
    ResetSides();
    mPanel.ClearAll();
    mBackgroundFile.clear();
    mPanel.ClearBackground();
    mPanel.InvalidatePanel();
}

// ---- Commands ----

bool CardDocument::CheckSaveNeeded()
{
    if (!ChangesMade())
        return true;
    switch (mPrompts.AskOrCancel(tr("Save changes?"), tr("Save", "the card"))) {
    case DocumentPrompts::Answer::Cancel:
        return false;
    case DocumentPrompts::Answer::No:
        // The command that asked goes on. The card still counts as changed: that command may yet be
        // abandoned (a cancelled file dialog) and leave this card in the window.
        return true;
    case DocumentPrompts::Answer::Yes:
        break;
    }
    // Saving was wanted: when it does not happen the command that asked must not throw the changes away.
    return mFileName.isEmpty() ? SaveAs() : Save();
}

void CardDocument::NewBlank()
{
    mFirstActivation = true;
    ClearDesign();
    mPrefs.LoadLayoutPreferences(mLayout);
    SetCardOrientation(mLayout.UsePortrait);
    mFileName.clear();
    mFirstActivation = false;
    FreshHistory();
}

bool CardDocument::New()
{
    if (!CheckSaveNeeded())
        return false;
    NewBlank();
    return true;
}

bool CardDocument::NewFromTemplate(const QString& templatePath, const QString& fontFace)
{
    // A template that cannot be read would give a blank card that looks like the template's.
    if (const ProfileFile probe(templatePath); !probe.LoadError().isEmpty()) {
        mPrompts.ShowError(tr("The template could not be opened.\n\n%1").arg(probe.LoadError()));
        return false;
    }
    NewBlank();
    mFirstActivation = true;
    // Description files hold coordinates at zoom 1.0.
    mPanel.SetZoom(1.0f);
    const QString background = CardTemplate::Read(mPanel, templatePath).trimmed();
    if (!fontFace.isEmpty())
        mPanel.SetTextFontName(fontFace);
    if (!background.isEmpty())
        mBackgroundFile = CardTemplate::BackgroundArtPath(background);
    // A two-sided template keeps its back as a card file beside it.
    LoadBack(CardTemplate::BackPath(templatePath));
    // The template says how the card stands; SetCardOrientation also puts the zoom back.
    SetCardOrientation(mPanel.PortraitMode());
    mFirstActivation = false;
    // Untouched, the card is the template as it came: nothing to save and nothing to undo yet.
    FreshHistory();
    return true;
}

QString CardDocument::ChooseCardFile(const QString& title, bool orGlabels)
{
    FileRequest request;
    request.kind = FileRequest::Open;
    request.title = title;
    request.folder = SavedFolder();
    request.filter = orGlabels ? CardFilter() + QStringLiteral(";;") +
                                     tr("gLabels design (%1)").arg(QStringLiteral("*.glabels"))
                               : CardFilter();
    request.defaultSuffix = QStringLiteral("qmk");
    const QString path = mPrompts.ChooseFile(request);
    if (path.isEmpty() || HasCardExtension(path) || (orGlabels && LooksLikeGlabelsFile(path)))
        return path;
    mPrompts.Inform(tr("Must be a QMK (Quillmark) file"));
    return QString();
}

bool CardDocument::Open()
{
    if (!CheckSaveNeeded())
        return false;
    const QString path = ChooseCardFile(tr("Open Business Card"), true);
    if (path.isEmpty())
        return false;
    return OpenBCFile(path);
}

bool CardDocument::OpenBCFile(const QString& path)
{
    if (!HasCardExtension(path) && LooksLikeGlabelsFile(path))
        return OpenGlabels(path);
    const bool wasFirst = mFirstActivation;
    mFirstActivation = true;
    QString error;
    if (!ReadCardObjects(mPanel, path, &error)) {
        mFirstActivation = wasFirst;
        mPrompts.ShowError(
            tr("Unable to open %1. Possibly corrupted, possibly not a QMK file\n\n%2").arg(path, error));
        Notify();
        return false;
    }
    mFileName = AbsolutePath(path);
    AddRecent(mFileName);
    ResetSides();
    LoadBack(ExistingCardBackPath(mFileName));

    CompanionFile companion = ReadCompanionFile(mFileName);
    // A card size no card stock has, or a layout file that cannot be read, is not taken on. A sheet whose
    // pitches or counts the layout dialog would refuse still opens: the card itself is sound, and the print
    // commands check the sheet.
    CardSheetLayout cardAlone = companion.Layout;
    cardAlone.Across = cardAlone.Down = 1;
    cardAlone.TopMargin = cardAlone.LeftMargin = 0;
    const QString problem = companion.HasLayout ? CardLayoutProblem(cardAlone) : companion.Problem;
    if (!problem.isEmpty()) {
        mPrompts.ShowError(tr("The layout of %1 cannot be used: %2\n\nThe card opens with your "
                              "default layout; saving it writes that layout.")
                               .arg(QFileInfo(CompanionPath(mFileName)).fileName(), problem));
        mPrefs.LoadLayoutPreferences(companion.Layout);
        companion.Layout.UsePortrait = false;
        companion.HasLayout = false;
    }
    mLayout = companion.Layout;
    // A background that is not on this machine is kept by name, so that saving does not forget it.
    const QString background = ResolveBackgroundFile(companion.Background);
    mBackgroundFile = background.isEmpty() ? companion.Background.trimmed() : background;
    mPanel.ClearBackground();
    SetCardOrientation(companion.HasLayout && companion.Layout.UsePortrait);
    // Background art that went missing or no longer reads is named once, here; the card opens without it.
    if (!mBackgroundNotice.isEmpty())
        mPrompts.ShowError(mBackgroundNotice);

    mPrompts.ProcessEvents();
    mFirstActivation = false;
    FreshHistory();
    return true;
}

bool CardDocument::OpenRecent(const QString& path)
{
    if (!CheckSaveNeeded())
        return false;
    if (QFileInfo(path).isFile())
        return OpenBCFile(path);
    mRecent.Remove(path);
    mPrefs.StoreRecentFiles(mRecent.Files());
    if (RecentFilesChanged)
        RecentFilesChanged();
    mPrompts.Inform(tr("%1 no longer exists").arg(path));
    return false;
}

bool CardDocument::SaveBCFile(const QString& path, QString* error)
{
    if (!WriteSide(true, path, error))
        return false;
    if (!WriteCompanionFile(path, mShowingBack ? mHidden.Background : mBackgroundFile, mLayout, error))
        return false;
    return SaveBack(path, error);
}

bool CardDocument::SettleOffCardObjects()
{
    const int count = mPanel.OffCardObjectCount();
    if (count == 0)
        return true;
    // English says one object apart; a translation gives every count its plural form.
    const QString text = count == 1
                             ? tr("1 object lies outside the card and does not show on it.\n\n"
                                  "Remove it before saving? (Undo brings it back.)\n"
                                  "Yes removes it, No keeps it in the card file, Cancel does not save.")
                             : tr("%n objects lie outside the card and do not show on it.\n\n"
                                  "Remove them before saving? (Undo brings them back.)\n"
                                  "Yes removes them, No keeps them in the card file, Cancel does not save.",
                                  nullptr, count);
    switch (mPrompts.AskOrCancel(text, tr("Objects Outside the Card"))) {
    case DocumentPrompts::Answer::Cancel:
        return false;
    case DocumentPrompts::Answer::Yes:
        // The removal is a step of its own, apart from the change before it.
        mPanel.History().Commit();
        mPanel.RemoveOffCardObjects();
        mPanel.History().Commit();
        break;
    case DocumentPrompts::Answer::No:
        break;
    }
    return true;
}

bool CardDocument::Save()
{
    // A card that was never saved has no name yet: saving asks for one.
    if (mFileName.isEmpty())
        return SaveAs();
    if (!SettleOffCardObjects()) {
        Notify();
        return false;
    }
    QString error;
    if (!SaveBCFile(mFileName, &error)) {
        mPrompts.ShowError(tr("The card was not saved.\n\n%1").arg(error));
        Notify();
        return false;
    }
    mPanel.History().SetClean();
    Notify();
    return true;
}

bool CardDocument::SaveAs()
{
    if (!SettleOffCardObjects()) {
        Notify();
        return false;
    }
    FileRequest request;
    request.kind = FileRequest::Save;
    request.title = tr("Save Business Card As");
    request.folder = SavedFolder();
    request.proposedName =
        mFileName.isEmpty() ? ProposedCardName(request.folder) : QFileInfo(mFileName).fileName();
    request.filter = CardFilter();
    request.defaultSuffix = QStringLiteral("qmk");
    const QString chosen = mPrompts.ChooseFile(request);
    if (chosen.isEmpty()) {
        Notify();
        return false;
    }
    const QString path = AbsolutePath(chosen);
    QString error;
    if (!SaveBCFile(path, &error)) {
        mPrompts.ShowError(tr("The card was not saved.\n\n%1").arg(error));
        Notify();
        return false;
    }
    mFileName = path;
    mPanel.History().SetClean();
    Notify();
    AddRecent(path);
    return true;
}

void CardDocument::Delete()
{
    const QString path = ChooseCardFile(tr("Delete Business Card"));
    if (path.isEmpty())
        return;
    if (!mPrompts.Confirm(tr("Delete %1?").arg(path), tr("Confirm")))
        return;
    const QString companion = ExistingCompanionPath(path);
    const QString back = ExistingCardBackPath(path);
    QFile card(path);
    if (!card.remove()) {
        mPrompts.ShowError(tr("Unable to delete %1: %2").arg(path, card.errorString()));
        return;
    }
    if (!companion.isEmpty())
        QFile::remove(companion);
    // The card's back goes with it.
    if (!back.isEmpty()) {
        const QString backCompanion = ExistingCompanionPath(back);
        QFile::remove(back);
        if (!backCompanion.isEmpty())
            QFile::remove(backCompanion);
    }
    // The open design stays as it is, even when it came from this file.
    if (mRecent.Files().contains(AbsolutePath(path))) {
        mRecent.Remove(AbsolutePath(path));
        mPrefs.StoreRecentFiles(mRecent.Files());
        if (RecentFilesChanged)
            RecentFilesChanged();
    }
}

bool CardDocument::CancelChanges()
{
    if (!mPrompts.Ask(tr("Cancel all changes?"), tr("Cancel Changes")))
        return false;
    mFirstActivation = true;
    ClearDesign();
    if (!mFileName.isEmpty())
        OpenBCFile(mFileName);
    mFirstActivation = false;
    FreshHistory();
    mPanel.InvalidatePanel();
    return true;
}

bool CardDocument::WriteTemplate()
{
    FileRequest request;
    request.kind = FileRequest::Save;
    request.title = tr("Save As Template");
    request.folder = ProgramFile(QStringLiteral("qmkt"));
    request.proposedName = mFileName.trimmed().isEmpty()
                               ? QStringLiteral("Template.qmkt")
                               : QFileInfo(mFileName).completeBaseName() + QStringLiteral(".qmkt");
    //: a file dialog's filter; %1 is the file name patterns
    request.filter = tr("QMKT File (%1)").arg(QStringLiteral("*.qmkt *.QMKT"));
    request.defaultSuffix = QStringLiteral("qmkt");
    const QString path = mPrompts.ChooseFile(request);
    if (path.isEmpty())
        return false;
    // The template is written from the front; a back goes beside it as a card file.
    ShowSide(false);
    QString error;
    if (!CardTemplate::Write(mPanel, path, mBackgroundFile.trimmed(), &error)) {
        mPrompts.ShowError(tr("The template was not saved.\n\n%1").arg(error));
        return false;
    }
    const QString back = CardTemplate::BackPath(path);
    if (HasBack()) {
        if (!WriteSide(false, back, &error) || !WriteCompanionFile(back, mHidden.Background, mLayout, &error)) {
            mPrompts.ShowError(tr("The back of the template was not saved.\n\n%1").arg(error));
            return false;
        }
    } else if (QFileInfo::exists(back)) {
        QFile::remove(back);
        if (const QString companion = ExistingCompanionPath(back); !companion.isEmpty())
            QFile::remove(companion);
    }
    mPrompts.Inform(tr("Saved as %1").arg(path));
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: the open card's state (file, background, changes, layout, recent files, zoom) and its
// commands.
#pragma once

#include "app/export.h"
#include "settings/preferences.h"
#include "model/sheetlayout.h"
// The companion file and the background art come along for whoever opens cards through this header.
#include "app/cardbackground.h"
#include "settings/companionfile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace qm {

class CardModel;
class TKBusinessCardPanel32;
class TKFont;

// A file dialog the document asks for.
struct FileRequest
{
    enum Kind
    {
        Open,
        Save
    };
    Kind kind = Open;
    QString title;
    QString folder;       // where the dialog starts
    QString proposedName; // the name offered in a save dialog, without folder
    QString filter;       // as QFileDialog takes it: "QMK File (*.qmk *.QMK)"
    QString defaultSuffix;
};

// What the document commands ask of the user. The main window answers with message boxes and file dialogs;
// tests answer from a script.
class DocumentPrompts
{
public:
    virtual ~DocumentPrompts() = default;
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    // The question box (Yes/No); true for Yes.
    virtual bool Ask(const QString& text, const QString& caption) = 0;
    // A question whose answer may abandon the command: Yes, No and Cancel. Escape and closing the box mean
    // Cancel.
    virtual Answer AskOrCancel(const QString& text, const QString& caption)
    {
        return Ask(text, caption) ? Answer::Yes : Answer::No;
    }
    // A question before something that cannot be taken back: No is the default button.
    virtual bool Confirm(const QString& text, const QString& caption) { return Ask(text, caption); }
    // The information box.
    virtual void Inform(const QString& message) = 0;
    // Something failed: the warning box.
    virtual void ShowError(const QString& message) = 0;
    // The chosen file's full path; empty when the dialog was cancelled.
    virtual QString ChooseFile(const FileRequest& request) = 0;
    // The font dialog starting from font; true with font changed when confirmed.
    virtual bool ChooseFont(TKFont& font) = 0;
    virtual void Beep() {}
    // Lets repaints run in the middle of a command.
    virtual void ProcessEvents() {}
};

// Replaces the objects on the panel by those of a card file. A file that cannot be read leaves the panel as
// it was: false with the reader's message in *error. The panel's zoom is 1.0 while reading.
bool ReadCardObjects(TKBusinessCardPanel32& panel, const QString& path, QString* error = nullptr);

// The name "Save &As..." proposes for an untitled card: "BC" + four digits + ".qmk", the first not yet in
// folder (compared without regard to case).
QString ProposedCardName(const QString& folder);

// The menu item "&Default Font: Arial, 10 pt , bold, italic, underline" for the styles the font has.
QString DefaultFontCaption(const TKFont& font);

// The card on the panel as a document: its file, background, changes-made flag, sheet layout, recent files
// and zoom, and the File and Edit commands that act on them. Every message and file dialog goes through
// prompts.
class CardDocument
{
    Q_DECLARE_TR_FUNCTIONS(qm::CardDocument)

public:
    // prefs is the preferences file; an empty path means qmk.ini of the data folder.
    CardDocument(TKBusinessCardPanel32& panel, DocumentPrompts& prompts, const QString& prefsPath = {});

    TKBusinessCardPanel32& Panel() { return mPanel; }
    const Preferences& Prefs() const { return mPrefs; }

    // ---- State ----
    const QString& FileName() const { return mFileName; }
    const QString& BackgroundFile() const { return mBackgroundFile; }
    // The card differs from the one last saved or opened: its undo history is not at the clean point.
    bool ChangesMade() const;
    const CardSheetLayout& Layout() const { return mLayout; }
    const QStringList& RecentFiles() const { return mRecent.Files(); }
    // Set from creation until the first activation ran, and while a zoom step, an open or a new card is in
    // progress: the panel's change reports are not taken as changes then.
    bool FirstActivation() const { return mFirstActivation; }

    // What the window shows for the state.
    // "Quillmark", or "Quillmark - " and the file name without folder; " (Back)" while the back is shown,
    // " (Front)" for the front of a card that has a back.
    QString WindowTitle() const;
    QString SaveButtonCaption() const; // "Save As" for an untitled card, else "Save"
    bool SaveButtonsVisible() const { return ChangesMade(); }

    // Called after every change of the state above, the zoom or the card size.
    std::function<void()> StateChanged;
    // Called when the recent-files list changed.
    std::function<void()> RecentFilesChanged;

    // ---- Start ----
    // Reads the preferences (default font, default layout, personal information, recent files) and sizes the
    // card; the card starts in Normal orientation whatever the stored default says.
    void Load();
    // Creates bmbrush/, saved/, bg/ and qmkt/ in the data folder, failures ignored. A folder made now gets
    // the starter files bundled for it (data/starter/NAME, also for folders not in that list).
    static void CreateFolders();
    // IAmDeveloping.dat in the data folder shows the template-writing command.
    static bool DeveloperMode();
    // The first activation: opens the most recent card when it still exists (or the given card when not
    // empty), then starts taking the panel's change reports.
    void FirstActivate(const QString& cardToOpen = {});
    // The panel reported a change.
    void PanelChanged();
    // false marks the card as it stands as saved; true counts it as changed.
    void SetChangesMade(bool changed);

    // ---- Undo and redo ----
    bool CanUndo() const;
    bool CanRedo() const;
    // "Undo Move", "Redo Line Color": the Edit menu's captions.
    QString UndoText() const;
    QString RedoText() const;
    bool Undo();
    bool Redo();
    // The background art command chose a file (empty for none): shown on the card and marked as a change.
    void SetBackgroundFile(const QString& file);

    // ---- Commands; each returns false when it was abandoned or failed ----
    // Asks "Save changes?" (Yes, No, Cancel) when there are changes. False when the pending command must
    // stop: the user cancelled the question, or chose to save and then cancelled, or the save failed. No lets
    // the command go on; the card still counts as changed until that command really replaces it.
    bool CheckSaveNeeded();
    bool New();
    // The second half of "New - Select From Templates", after the chooser: a new card from the template with
    // fontFace on its text objects.
    bool NewFromTemplate(const QString& templatePath, const QString& fontFace);
    // The file dialog offers card files and gLabels designs; a gLabels design opens as a new card.
    bool Open();
    bool OpenBCFile(const QString& path);
    // A gLabels design as a new, untitled card with its stock as the layout; the report of what came over
    // is shown, and the merge data it names goes to MergeSourceFound.
    bool OpenGlabels(const QString& path);
    // A design brought in names its merge data: the file, and whether its fields are column numbers.
    std::function<void(const QString& source, bool numbered)> MergeSourceFound;
    // A recent-files entry was picked.
    bool OpenRecent(const QString& path);
    // Under the card's name; an untitled card asks for one (as Save As).
    bool Save();
    bool SaveAs();
    // Writes the card file and its companion file; false with the message in *error.
    bool SaveBCFile(const QString& path, QString* error = nullptr);
    void Delete();
    // "Cancel": back to the saved card (or an empty one) after a question.
    bool CancelChanges();
    // Writes the design as a template (card description file).
    bool WriteTemplate();
    void SaveLayoutAsDefault();
    // "&Default Font - ": the font dialog, then the preferences and a note.
    void ChangeDefaultFont();
    // Sets one face on every text object.
    void ChangeAllFonts(const QString& face);
    // "Change Business Card Layout" confirmed with this layout.
    void ApplyLayout(const CardSheetLayout& layout);
    // "Save As Bitmap", "Save As JPG", "Save As PNG": the file dialog, the border question, the picture.
    bool ExportPicture(PictureFormat format);

    // ---- The two sides: the panel shows one, the document keeps the other; both are one card to save, open,
    // delete and undo. The back of NAME.qmk is the card file NAME.back.qmk beside it. ----
    bool ShowingBack() const { return mShowingBack; }
    // The back has objects or background art (shown or kept).
    bool HasBack() const;
    // Shows the front or the back; false when it is shown already. Not a change of the card.
    bool ShowSide(bool back);
    bool ToggleSide() { return ShowSide(!mShowingBack); }
    // The back as a card of its own, ready to print beside the panel's front (size, orientation, outline and
    // personal information as the front's); null when the card has no back or the back is shown.
    std::unique_ptr<CardModel> HiddenSideCard() const;
    // The background art of the side that is not shown.
    const QString& HiddenBackgroundFile() const { return mHidden.Background; }

    // ---- Card size and orientation ----
    void SetCardSizeFromInches();
    void SetCardOrientation(bool rotated);

    // ---- Zoom: the steps of kZoomSteps (100 % to 150 % by ten, then 200, 300, 400 %), or any whole
    // percentage from 50 to 400 (fitting the window) ----
    int ZoomPercent() const { return mZoomPercent; }
    QString ZoomCaption() const { return ZoomText(mZoomPercent); }
    // "150%", written the user's way.
    static QString ZoomText(int percent);
    bool ZoomIn();
    bool ZoomOut();
    // False when percent is out of range or the zoom already.
    bool ZoomTo(int percent);

private:
    void Notify();
    // A change of the card-level state (layout, background) made by a command: one undo step.
    void CardChanged(const QString& caption);
    // Opening, New and Cancel: the card as it stands is the only step and counts as saved.
    void FreshHistory();
    QByteArray CardState() const;
    void RestoreCardState(const QByteArray& state);
    // "&New - Blank" after the save question.
    void NewBlank();
    // Before a save: objects lying outside the card are removed (one undo step) or kept, or the save is
    // cancelled, as the user answers. False when cancelled.
    bool SettleOffCardObjects();
    void AddRecent(const QString& path);
    QString SavedFolder() const;
    // The open dialog over saved cards; empty when cancelled or the file is not a card file (said so).
    // With orGlabels the dialog also offers gLabels designs.
    QString ChooseCardFile(const QString& title, bool orGlabels = false);
    void ClearDesign();
    // The side not shown, as the history keeps objects.
    struct HiddenSide
    {
        QByteArray Objects;
        QStringList Names;
        int Count = 0;
        QString Background;
    };
    // Both sides' objects and art in the order front, back: what tells which side an undo step changed.
    struct BothSides
    {
        QByteArray Front, Back;
        QString FrontArt, BackArt;
    };
    BothSides Sides() const;
    // After an undo or redo: the side whose change was taken back is shown.
    void ShowChangedSide(const BothSides& before);
    // A card with no back: the back is empty and the front is shown.
    void ResetSides();
    // Reads the back of the card at path (or of the template at path) into the hidden side; false (said to
    // the user) when it is there and cannot be read: the card then opens without it and no save touches it.
    bool LoadBack(const QString& backPath);
    // The shown or the hidden side into a card file; the hidden one also when the back is shown.
    bool WriteSide(bool front, const QString& path, QString* error);
    // The back files of a card saved as path: written, or removed when the back is empty.
    bool SaveBack(const QString& path, QString* error);
    // Makes the background art and the card size follow the side shown.
    void ShowSideArt();
    static QString AbsolutePathOf(const QString& path);

    TKBusinessCardPanel32& mPanel;
    DocumentPrompts& mPrompts;
    Preferences mPrefs;
    PrinterPreferences mPrinter;

    QString mFileName;
    QString mBackgroundFile;
    QString mBackgroundNotice; // why the background art did not load; empty when it did or there is none
    bool mFirstActivation = true;
    CardSheetLayout mLayout;
    qm::RecentFiles mRecent;
    int mZoomPercent = 100;
    bool mShowingBack = false;
    HiddenSide mHidden;
    // The back on disk could not be read: saves leave its files alone.
    bool mKeepBackFiles = false;
};

} // namespace qm

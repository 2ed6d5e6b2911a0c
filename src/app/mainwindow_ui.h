// SPDX-License-Identifier: GPL-3.0-or-later
// TMainScreen: the main window: tool palette, design panel, command bar, menus, keys and window placement.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class QWidget;

namespace qm {

class TPrintCommands;
struct TPrintSettings;

class CardDocument;
class DocumentPrompts;
class THelpWindow;
class BasePanelWidget;
class TKBusinessCardPanel32;
class TPositionPanel;

class TMainScreen : public QMainWindow
{
    Q_OBJECT
public:
    static const char* const kVersion;
    // Help contexts of the window's own pages.
    static constexpr int kHelpContext = 2016;
    static constexpr int kTechnicalSupportContext = 1041;
    static constexpr int kFaqContext = 911;

    // prompts answers the document's questions and file dialogs; null for the window's own message boxes and
    // dialogs. prefsPath is the preferences file (empty: qmk.ini of the data folder).
    explicit TMainScreen(DocumentPrompts* prompts = nullptr, const QString& prefsPath = QString(),
                         QWidget* parent = nullptr);
    ~TMainScreen() override;

    CardDocument& Document() { return *mDocument; }
    TKBusinessCardPanel32& Panel();
    BasePanelWidget& PanelWidget() { return *mPanelWidget; }
    QScrollArea* ScrollArea() const { return mScroll; }
    // The position and size of the selected object, docked beside the card (View, Position and Size).
    TPositionPanel* PositionPanel() const { return mPositions; }

    // Places the window where it was last time, shows it and runs the first activation: opens cardToOpen, or
    // the most recent card when it still exists.
    void Start(const QString& cardToOpen = QString());
    // Another start of the program asked for this window, with its card (empty for none).
    void ActivateFromOtherStart(const QString& cardPath);

    // Marks the card changed or unchanged; the Save and Cancel buttons follow.
    void SetChangesMade(bool changed);
    // Brings captions, visibility and enabling in line with the document.
    void Setbuttons();
    void SetDefaultFontCaption();
    // Cut, Copy, Paste, Delete and Select All: enabled by the selection while the Edit menu shows
    // (forMenu), all enabled otherwise so that their keys always reach the panel.
    void UpdateClipboardItems(bool forMenu);
    bool PrinterAvailable() const { return mPrinterAvailable; }
    void SetPrinterAvailable(bool available);

    // The drawing mode (a TLPanelState) and the tool button that shows it.
    void SetTool(int state);
    QAction* ToolAction(int state) const;

    void ShowHelpContext(int context);
    void ShowHelpPage(const QString& name);
    THelpWindow* HelpWindow() const;

    // Runs a modal dialog; tests replace it to answer dialogs without showing them.
    std::function<int(QDialog&)> RunDialog;

    void RestoreWindowPlacement();
    void SaveWindowPlacement();

    // ---- Tool bar ----
    QActionGroup* ToolGroup = nullptr;
    QAction* ShowGridAction = nullptr;
    QAction* SnapToGridAction = nullptr;
    QAction* QuickTipsAction = nullptr;
    QAction* BackgroundArtAction = nullptr;

    // ---- Command bar ----
    QWidget* ZoomSpinner = nullptr;
    QToolButton* ZoomUpButton = nullptr;
    QToolButton* ZoomDownButton = nullptr;
    QLabel* ZoomCaption = nullptr;
    QToolButton* ZoomFitButton = nullptr;
    QToolButton* SideButton = nullptr;
    QPushButton* SaveAsButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

    // ---- Menus ----
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuNewFromTemplate = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuSaveAsBitmap = nullptr;
    QAction* mnuSaveAsJPG = nullptr;
    QAction* mnuSaveAsPNG = nullptr;
    QAction* mnuExportPrintShop = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintMerge = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuPrinterSetup = nullptr;
    QAction* mnuFineTuning = nullptr;
    QAction* mnuOutlineTest = nullptr;
    QAction* mnuWriteIni = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuShowBack = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuDefaultFont = nullptr;
    QAction* mnuChangeAllFonts = nullptr;
    QAction* mnuPersonalInformation = nullptr;
    QAction* mnuBackgroundArt = nullptr;
    QAction* mnuSaveLayoutAsDefault = nullptr;
    QAction* mnuChangeLayout = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuConfiguration = nullptr;
    QAction* mnuTechnicalSupport = nullptr;
    QAction* mnuFaq = nullptr;
    QAction* mnuBonusArtwork = nullptr;
    QAction* mnuWebsite = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuDeleteObjects = nullptr;
    QAction* mnuSelectAll = nullptr;
    QAction* mnuReportProblem = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuActualSize = nullptr;
    QAction* mnuFitToWindow = nullptr;
    QAction* mnuShowPrintGuides = nullptr;
    const QList<QAction*>& RecentFileActions() const { return mRecentActions; }

    // ---- Commands ----
    void NewFromTemplate1Click();
    void SaveButtonClick();
    void ChangeCardLayout1Click();
    void Changeallfontsto1Click();
    void About1Click();
    void ConfigurationInformationClick();
    void QuickTipsClick();
    void SetMenuWhatsThis();
    void ZoomIn();
    void ZoomOut();
    // The largest zoom at which the whole card shows in the window as it is now.
    void FitToWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildToolBar();
    void BuildCommandBar(QWidget* bar);
    void BuildMenus();
    void UpdateRecentFiles();
    bool HandleKey(QEvent* event);
    // What a print job needs: the layout, the printer nudges, the background art, the warning switch.
    TPrintSettings PrintSettings();
    void PrintClick();
    void FineTuneClick();

    std::unique_ptr<DocumentPrompts> mOwnPrompts;
    DocumentPrompts* mPrompts = nullptr;
    BasePanelWidget* mPanelWidget = nullptr;
    std::unique_ptr<CardDocument> mDocument;
    QScrollArea* mScroll = nullptr;
    TPositionPanel* mPositions = nullptr;
    QWidget* mPanelHolder = nullptr;
    // Lent to a modal dialog while one is open; gone with it when the dialog took it along.
    QPointer<THelpWindow> mHelp;
    QWidget* mTips = nullptr;
    QList<QAction*> mRecentActions;
    bool mPrinterAvailable = false;
    std::unique_ptr<TPrintCommands> mPrint;
    // The key that went down as plus or minus, until it comes up.
    quint32 mZoomScanCode = 0;
    int mZoomDirection = 0;
};

} // namespace qm

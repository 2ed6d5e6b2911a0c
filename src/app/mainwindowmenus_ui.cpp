// SPDX-License-Identifier: GPL-3.0-or-later
// TMainScreen: building the tool bar, the command bar beneath the card and the menus.
#include "app/mainwindow_ui.h"

#include "model/classregistry.h"

#include "app/carddocument.h"
#include "app/loadbackground_ui.h"
#include "app/personalinfo_ui.h"
#include "app/printguides_ui.h"
#include "app/printshopdialog_ui.h"
#include "app/toolicons_ui.h"
#include "design/cardpanel.h"
#include "design/designpanel_ui.h"
#include "print/printcommands_ui.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace qm {

namespace {

struct ToolButtonInfo
{
    int state;
    QString name;
    QString hint;
};

// The pointer, then every drawing tool in the order the object kinds register them.
std::vector<ToolButtonInfo> PaletteTools()
{
    std::vector<ToolButtonInfo> tools{
        {psPointing, QStringLiteral("Pointerbutton"), TMainScreen::tr("Selection tool")}};
    for (const DrawingTool& tool : CardClasses().Tools())
        tools.push_back({tool.mode, tool.buttonName, tool.ShownHint()});
    return tools;
}

} // namespace

void TMainScreen::BuildToolBar()
{
    QToolBar* bar = addToolBar(tr("Tools", "tool bar"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(24, 24));
    ToolGroup = new QActionGroup(this);
    ToolGroup->setExclusive(true);
    for (const ToolButtonInfo& tool : PaletteTools()) {
        QAction* action =
            bar->addAction(ToolIcon(tool.state), tool.hint.section(QLatin1Char('\n'), 0, 0).trimmed());
        action->setObjectName(tool.name);
        action->setToolTip(tool.hint);
        //: %1 is the tool's tip, such as "Rectangle tool"
        action->setWhatsThis(tr("%1: pick it, then drag a rectangle on the card to place the object.")
                                 .arg(QString(tool.hint).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        action->setCheckable(true);
        action->setData(tool.state);
        action->setChecked(tool.state == psPointing);
        ToolGroup->addAction(action);
        const int state = tool.state;
        connect(action, &QAction::triggered, this, [this, state] { SetTool(state); });
    }
    bar->addSeparator();
    QuickTipsAction = bar->addAction(ToolIcon(kTipsPicture), tr("&Quick Tips"));
    QuickTipsAction->setToolTip(tr("Show the Designer Assistant"));
    QuickTipsAction->setWhatsThis(tr("Short tips on designing a card."));
    connect(QuickTipsAction, &QAction::triggered, this, &TMainScreen::QuickTipsClick);
    bar->addSeparator();
    ShowGridAction = bar->addAction(ToolIcon(kGridPicture), tr("Show &Grid"));
    ShowGridAction->setCheckable(true);
    ShowGridAction->setWhatsThis(tr("Shows a grid of dots on the card to line objects up by eye."));
    connect(ShowGridAction, &QAction::toggled, this, [this](bool on) { Panel().SetShowGrid(on); });
    SnapToGridAction = bar->addAction(ToolIcon(kSnapPicture), tr("S&nap to Grid"));
    SnapToGridAction->setCheckable(true);
    SnapToGridAction->setWhatsThis(tr("Objects you move or size jump to the grid."));
    connect(SnapToGridAction, &QAction::toggled, this, [this](bool on) { Panel().SetSnapToGrid(on); });
    bar->addSeparator();
    BackgroundArtAction = bar->addAction(ToolIcon(kBackgroundPicture), tr("Background art"));
    BackgroundArtAction->setToolTip(tr("Set or change background art"));
    BackgroundArtAction->setWhatsThis(tr("A picture behind the whole card."));
    connect(BackgroundArtAction, &QAction::triggered, this, [this] { SetOrChangeBackgroundArt(this, *mDocument); });
    // The tools take the keyboard (Tab reaches them, Space or Enter picks one); Enter on the card then places.
    for (QToolButton* button : bar->findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        if (QAction* action = button->defaultAction())
            button->setAccessibleName(QString(action->text()).remove(QLatin1Char('&')));
        else // the bar's own button for the tools a narrow window has no room for
            button->setAccessibleName(tr("More tools"));
    }
}

void TMainScreen::BuildCommandBar(QWidget* bar)
{
    const QString zoomHint = tr("Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage");
    ZoomSpinner = new QWidget(bar);
    ZoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    ZoomSpinner->setToolTip(zoomHint);
    ZoomSpinner->setWhatsThis(
        tr("Zooms the card from 100% to 150% in steps of 10%, then to 200%, 300% and 400%."));
    auto* spin = new QVBoxLayout(ZoomSpinner);
    spin->setContentsMargins(0, 0, 0, 0);
    spin->setSpacing(0);
    ZoomUpButton = new QToolButton(ZoomSpinner);
    ZoomUpButton->setArrowType(Qt::UpArrow);
    ZoomDownButton = new QToolButton(ZoomSpinner);
    ZoomDownButton->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {ZoomUpButton, ZoomDownButton}) {
        button->setFixedSize(22, 15);
        button->setToolTip(zoomHint);
        button->setWhatsThis(ZoomSpinner->whatsThis());
        button->setFocusPolicy(Qt::TabFocus);
        spin->addWidget(button);
    }
    ZoomUpButton->setAccessibleName(tr("Zoom in"));
    ZoomDownButton->setAccessibleName(tr("Zoom out"));
    connect(ZoomUpButton, &QToolButton::clicked, this, &TMainScreen::ZoomIn);
    connect(ZoomDownButton, &QToolButton::clicked, this, &TMainScreen::ZoomOut);

    auto* zoomBox = new QFrame(bar);
    zoomBox->setFrameShape(QFrame::Panel);
    zoomBox->setFrameShadow(QFrame::Sunken);
    zoomBox->setWhatsThis(ZoomSpinner->whatsThis());
    auto* zoomLayout = new QHBoxLayout(zoomBox);
    zoomLayout->setContentsMargins(6, 2, 6, 2);
    zoomLayout->addWidget(new QLabel(tr("Zoom:"), zoomBox));
    ZoomCaption = new QLabel(CardDocument::ZoomText(100), zoomBox);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    ZoomCaption->setStyleSheet(QStringLiteral("color: navy; font-weight: bold"));
    ZoomCaption->setMinimumWidth(ZoomCaption->fontMetrics().horizontalAdvance(CardDocument::ZoomText(400)) + 4);
    zoomLayout->addWidget(ZoomCaption);
    ZoomFitButton = new QToolButton(bar);
    ZoomFitButton->setObjectName(QStringLiteral("ZoomFitButton"));
    ZoomFitButton->setText(tr("Fit", "zoom to the window"));
    ZoomFitButton->setToolTip(tr("Fit to Window"));
    ZoomFitButton->setWhatsThis(tr("Zooms the card as large as the window shows it whole."));
    ZoomFitButton->setFocusPolicy(Qt::TabFocus);
    ZoomFitButton->setAccessibleName(tr("Fit to window"));
    connect(ZoomFitButton, &QToolButton::clicked, this, &TMainScreen::FitToWindow);

    // Which side of the card the panel shows: the button names it, a click turns the card over.
    SideButton = new QToolButton(bar);
    SideButton->setObjectName(QStringLiteral("SideButton"));
    SideButton->setText(tr("Front", "side of the card"));
    SideButton->setCheckable(true);
    SideButton->setToolTip(tr("Front or back of the card (Ctrl+Shift+B)"));
    SideButton->setWhatsThis(
        tr("Shows which side of the card you design; click it to turn the card over. A back prints behind "
           "each card when you print two-sided; it is saved as NAME.back.qmk beside the card file."));
    SideButton->setFocusPolicy(Qt::TabFocus);
    connect(SideButton, &QToolButton::clicked, this, [this] { mDocument->ToggleSide(); });

    SaveAsButton = new QPushButton(tr("Save as"), bar);
    SaveAsButton->setObjectName(QStringLiteral("SaveAsButton"));
    SaveAsButton->setDefault(true);
    SaveAsButton->setWhatsThis(tr("Saves the card. It shows once the card has changes."));
    CancelButton = new QPushButton(tr("Cancel", "throw the changes away"), bar);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setWhatsThis(tr("Throws the changes away and goes back to the saved card."));
    PrintButton = new QPushButton(tr("&Print"), bar);
    PrintButton->setWhatsThis(tr("Prints sheets of your card."));
    PreviewButton = new QPushButton(tr("Pre&view"), bar);
    PreviewButton->setWhatsThis(tr("Shows a sheet of your card as it will print."));
    HelpButton = new QPushButton(tr("&Help"), bar);
    HelpButton->setWhatsThis(tr("Help on the design window."));
    MouseHelpButton = new QToolButton(bar);
    MouseHelpButton->setDefaultAction(QWhatsThis::createAction(MouseHelpButton));
    MouseHelpButton->setAccessibleName(tr("What's this?"));
    MouseHelpButton->setWhatsThis(tr("Click this, then any part of the window, to learn what it does."));
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             SaveAsButton, CancelButton, PrintButton, PreviewButton, HelpButton, MouseHelpButton})
        button->setFocusPolicy(Qt::NoFocus);
    // As narrow as their captions allow, so that the bar fits the window's first width.
    for (QPushButton* button : {SaveAsButton, CancelButton, PrintButton, PreviewButton, HelpButton})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(tr("Save As")) + 20);
    connect(SaveAsButton, &QPushButton::clicked, this, &TMainScreen::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, [this] { mDocument->CancelChanges(); });
    connect(HelpButton, &QPushButton::clicked, this, [this] { ShowHelpContext(kHelpContext); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(PreviewButton, &QPushButton::clicked, this, [this] { mPrint->Preview(PrintSettings()); });

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(ZoomSpinner);
    layout->addWidget(zoomBox);
    layout->addWidget(ZoomFitButton);
    layout->addWidget(SideButton);
    layout->addStretch();
    layout->addWidget(SaveAsButton);
    layout->addWidget(CancelButton);
    layout->addSpacing(6);
    layout->addWidget(PrintButton);
    layout->addWidget(PreviewButton);
    layout->addWidget(HelpButton);
    layout->addWidget(MouseHelpButton);
}

void TMainScreen::BuildMenus()
{
    const auto item = [this](QMenu* menu, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    CardDocument* doc = mDocument.get();

    FileMenu = menuBar()->addMenu(tr("&File"));
    mnuNew = item(FileMenu, tr("&New - Blank"), [doc] { doc->New(); });
    mnuNewFromTemplate =
        item(FileMenu, tr("New - Select From Temp&lates"), [this] { NewFromTemplate1Click(); });
    mnuOpen = item(FileMenu, tr("&Open", "a card file"), [doc] { doc->Open(); });
    mnuDelete = item(FileMenu, tr("&Delete", "a card file"), [doc] { doc->Delete(); });
    FileMenu->addSeparator();
    mnuSave = item(FileMenu, tr("&Save"), [doc] { doc->Save(); });
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(FileMenu, tr("Save &As..."), [doc] { doc->SaveAs(); });
    mnuSaveAsBitmap =
        item(FileMenu, tr("Save As &Bitmap"), [doc] { doc->ExportPicture(PictureFormat::Bmp); });
    mnuSaveAsJPG = item(FileMenu, tr("Save As &JPG"), [doc] { doc->ExportPicture(PictureFormat::Jpg); });
    mnuSaveAsPNG = item(FileMenu, tr("Save As PN&G"), [doc] { doc->ExportPicture(PictureFormat::Png); });
    // What the Cancel button beside the card does, for the keyboard.
    mnuDiscardChanges = item(FileMenu, tr("Disca&rd Changes"), [doc] { doc->CancelChanges(); });
    mnuExportPrintShop =
        item(FileMenu, tr("Export for Print S&hop..."), [this, doc] { ExportForPrintShop(this, *doc); });
    mnuExportPrintShop->setStatusTip(
        tr("Writes the card as a PDF file for a print shop, with bleed and crop marks."));
    FileMenu->addSeparator();
    mnuPrint = item(FileMenu, tr("&Print"), [this] { PrintClick(); });
    mnuPrintMerge = item(FileMenu, tr("Print &Merge..."), [this] { mPrint->MergeDialog(PrintSettings()); });
    mnuPrintMerge->setStatusTip(tr("Prints one card for each person of a CSV or vCard file."));
    mnuPreview = item(FileMenu, tr("Pre&view"), [this] { mPrint->Preview(PrintSettings()); });
    FileMenu->addSeparator();
    mnuPrinterSetup = item(FileMenu, tr("Printer S&etup"), [this] { mPrint->PrinterSetup(); });
    mnuFineTuning = item(FileMenu, tr("Printer Fine &Tuning"), [this] { FineTuneClick(); });
    mnuOutlineTest = item(FileMenu, tr("Print O&utline Test Page"),
                          [this] { mPrint->PrintOutlineTestPage(PrintSettings()); });
    //: a developer's command, shown only in developer mode: saves the card as a template
    mnuWriteIni = item(FileMenu, tr("--------&Write Ini------"), [doc] { doc->WriteTemplate(); });
    FileMenu->addSeparator();
    mnuExit = item(FileMenu, tr("E&xit"), [this] { close(); });

    EditMenu = menuBar()->addMenu(tr("&Edit"));
    mnuUndo = item(EditMenu, tr("&Undo"), [this, doc] {
        doc->Undo();
        SetTool(psPointing);
    });
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = item(EditMenu, tr("&Redo"), [this, doc] {
        doc->Redo();
        SetTool(psPointing);
    });
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EditMenu->addSeparator();
    // The clipboard commands of the object menu, for the selection, with the usual keys.
    mnuCut = item(EditMenu, tr("Cu&t"), [this] { Panel().Cut(); });
    mnuCut->setShortcut(QKeySequence::Cut);
    mnuCopy = item(EditMenu, tr("&Copy"), [this] { Panel().Copy(); });
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuPaste = item(EditMenu, tr("&Paste"), [this] {
        SetTool(psPointing);
        Panel().Paste(PanelWidget().Now());
    });
    mnuPaste->setShortcut(QKeySequence::Paste);
    mnuDeleteObjects = item(EditMenu, tr("De&lete", "the selected objects"), [this] { Panel().Delete(); });
    mnuDeleteObjects->setShortcut(QKeySequence::Delete);
    mnuSelectAll = item(EditMenu, tr("Select &All"), [this] {
        SetTool(psPointing);
        Panel().SelectAll();
    });
    mnuSelectAll->setShortcut(QKeySequence::SelectAll);
    // Shown greyed out when there is nothing to act on; the keys stay live (they do nothing then), since
    // the selection changes without the menu knowing.
    connect(EditMenu, &QMenu::aboutToShow, this, [this] { UpdateClipboardItems(true); });
    connect(EditMenu, &QMenu::aboutToHide, this, [this] { UpdateClipboardItems(false); });
    EditMenu->addSeparator();
    // The caption names the font once the window is built (SetDefaultFontCaption).
    mnuDefaultFont = item(EditMenu, QString(), [this, doc] {
        doc->ChangeDefaultFont();
        SetDefaultFontCaption();
    });
    mnuChangeAllFonts = item(EditMenu, tr("C&hange all fonts to..."), [this] { Changeallfontsto1Click(); });
    mnuPersonalInformation = item(EditMenu, tr("Personal &Information"), [this] {
        EditPersonalInformation(this, mDocument->Prefs(), Panel(),
                                [this](int context) { ShowHelpContext(context); });
    });
    mnuBackgroundArt = item(EditMenu, tr("&Set or Change Background Art"),
                            [this] { SetOrChangeBackgroundArt(this, *mDocument); });
    EditMenu->addSeparator();
    mnuSaveLayoutAsDefault =
        item(EditMenu, tr("Save Current La&yout as Default"), [doc] { doc->SaveLayoutAsDefault(); });
    mnuChangeLayout =
        item(EditMenu, tr("Change &Business Card Layout"), [this] { ChangeCardLayout1Click(); });

    // The zoom of the window; plus and minus zoom in and out wherever the card has the keyboard.
    ViewMenu = menuBar()->addMenu(tr("&View"));
    ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    //: after the tab: the key that does the same
    mnuZoomIn = item(ViewMenu, tr("Zoom &In\t+"), [this] { ZoomIn(); });
    mnuZoomOut = item(ViewMenu, tr("Zoom &Out\t-"), [this] { ZoomOut(); });
    mnuActualSize = item(ViewMenu, tr("&Actual Size"), [doc] { doc->ZoomTo(100); });
    mnuActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuFitToWindow = item(ViewMenu, tr("&Fit to Window"), [this] { FitToWindow(); });
    ViewMenu->addSeparator();
    mnuShowBack = item(ViewMenu, tr("Show Bac&k of Card"), [doc] { doc->ToggleSide(); });
    mnuShowBack->setWhatsThis(tr("Turns the card over: you design its back, which prints behind each "
                                 "card when you print two-sided. Again to see the front."));
    mnuShowBack->setCheckable(true);
    mnuShowBack->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    ViewMenu->addSeparator();
    mnuShowPrintGuides = AddPrintGuides(*mPanelHolder, *mPanelWidget, Panel(), *ViewMenu, mDocument->Prefs());
    // The tool bar's own switches: one action each, so that menu and button always agree.
    ViewMenu->addSeparator();
    ViewMenu->addAction(ShowGridAction);
    ViewMenu->addAction(SnapToGridAction);

    // Every drawing tool, for the keyboard: the item arms the tool, Enter on the card places the object.
    InsertMenu = menuBar()->addMenu(tr("&Insert"));
    for (const DrawingTool& tool : CardClasses().Tools()) {
        const int state = tool.mode;
        QAction* action = item(InsertMenu, tool.ShownMenuCaption(), [this, state] { SetTool(state); });
        action->setIcon(ToolIcon(state));
        action->setObjectName(QStringLiteral("mnuInsert") + tool.buttonName);
        //: %1 is the name of a drawing tool, such as "Rectangle"
        action->setWhatsThis(tr("Picks the %1 tool: press Enter on the card to place one in its "
                                "middle, or drag a rectangle on the card.")
                                 .arg(tool.ShownCaption()));
    }

    HelpMenu = menuBar()->addMenu(tr("&Help"));
    mnuContents = item(HelpMenu, tr("&Contents"), [this] { ShowHelpPage(QStringLiteral("index")); });
    HelpMenu->addAction(QuickTipsAction);
    mnuAbout = item(HelpMenu, tr("&About"), [this] { About1Click(); });
    mnuConfiguration =
        item(HelpMenu, tr("Co&nfiguration Information"), [this] { ConfigurationInformationClick(); });
    mnuTechnicalSupport =
        item(HelpMenu, tr("&Technical Support"), [this] { ShowHelpContext(kTechnicalSupportContext); });
    mnuFaq = item(HelpMenu, tr("&Frequently Asked Questions"), [this] { ShowHelpContext(kFaqContext); });
    // The program's home and its artwork page travel with it: no web address that might not answer.
    mnuBonusArtwork = item(HelpMenu, tr("Visit the &Bonus Artwork Web Page"),
                           [this] { ShowHelpPage(QStringLiteral("artwork")); });
    mnuWebsite =
        item(HelpMenu, tr("Visit Our Internet &Website"), [this] { ShowHelpPage(QStringLiteral("home")); });
    mnuReportProblem =
        item(HelpMenu, tr("&Report a Problem..."), [this] { ShowHelpPage(QStringLiteral("problem")); });
    SetMenuWhatsThis();
}

void TMainScreen::SetMenuWhatsThis()
{
    const std::pair<QAction*, QString> texts[] = {
        {mnuNew, tr("Starts a new, empty card.")},
        {mnuNewFromTemplate,
         tr("Starts a new card from one of the templates, with your personal information.")},
        {mnuOpen, tr("Opens a card you saved.")},
        {mnuDelete, tr("Deletes a card file (after asking).")},
        {mnuSave, tr("Saves the card under its name.")},
        {mnuSaveAs, tr("Saves the card under a new name.")},
        {mnuSaveAsBitmap, tr("Writes a BMP picture of the card at its real size.")},
        {mnuSaveAsJPG, tr("Writes a JPG picture of the card at its real size.")},
        {mnuSaveAsPNG, tr("Writes a PNG picture of the card at its real size, for e-mail or a web page.")},
        {mnuDiscardChanges, tr("Throws the changes away and goes back to the saved card.")},
        {mnuExportPrintShop,
         tr("Writes the card as a PDF file for a print shop: the card's size exactly, with a "
            "bleed around it and crop marks if you like, its text kept as text. Says first what "
            "a print shop might object to.")},
        {mnuPrint, tr("Prints the card over a sheet of card stock, on the positions you choose.")},
        {mnuPrintMerge,
         tr("Prints one card for each person of a CSV or vCard file: the placeholders of the card's "
            "texts, such as {Name}, take each person's values.")},
        {mnuPreview, tr("Shows the sheet as it will print.")},
        {mnuPrinterSetup, tr("Chooses the printer (or a PDF file) and its paper.")},
        {mnuFineTuning, tr("Moves the print in steps of 1/32 inch to match your printer.")},
        {mnuOutlineTest,
         tr("Prints only the card outlines: hold the page against your card stock to check the layout.")},
        {mnuWriteIni, tr("Saves the card as a template in the template folder.")},
        {mnuExit, tr("Closes Quillmark (asking to save changes).")},
        {mnuUndo, tr("Takes back the last change to the card.")},
        {mnuRedo, tr("Makes a change taken back again.")},
        {mnuCut, tr("Moves the selected objects to the clipboard.")},
        {mnuCopy, tr("Copies the selected objects to the clipboard.")},
        {mnuPaste, tr("Puts the objects of the clipboard on the card.")},
        {mnuDeleteObjects, tr("Deletes the selected objects.")},
        {mnuSelectAll, tr("Selects every object of the card.")},
        {mnuDefaultFont, tr("The font new text objects start with.")},
        {mnuChangeAllFonts, tr("Puts one typeface on every text object of the card.")},
        {mnuPersonalInformation, tr("Your name, address and numbers, used by personal-information text.")},
        {mnuBackgroundArt, tr("Puts a picture behind the whole card, or takes it away.")},
        {mnuSaveLayoutAsDefault, tr("Makes this card's sheet layout the one new cards start with.")},
        {mnuChangeLayout, tr("The card size and how the cards stand on the sheet.")},
        {mnuZoomIn, tr("Shows the card larger: 100% to 150% in steps of 10%, then 200%, 300% and 400%.")},
        {mnuZoomOut, tr("Shows the card smaller, down to 100%.")},
        {mnuActualSize, tr("Shows the card at 100%.")},
        {mnuFitToWindow, tr("Shows the card as large as the window shows it whole.")},
        {mnuContents, tr("The list of all help pages, with a search.")},
        {mnuAbout, tr("The version of Quillmark.")},
        {mnuConfiguration, tr("What Quillmark sees of this computer: include it when you ask for help.")},
        {mnuTechnicalSupport, tr("How to get help with a problem.")},
        {mnuFaq, tr("Answers to common questions.")},
        {mnuBonusArtwork, tr("Where more artwork comes from.")},
        {mnuWebsite, tr("Quillmark's home page.")},
        {mnuReportProblem, tr("What to include when you report a problem.")},
    };
    for (const auto& [action, text] : texts) {
        if (action)
            action->setWhatsThis(text);
    }
}

void TMainScreen::UpdateClipboardItems(bool forMenu)
{
    const bool selection = Panel().Frame().HasSelection();
    mnuCut->setEnabled(!forMenu || selection);
    mnuCopy->setEnabled(!forMenu || selection);
    mnuDeleteObjects->setEnabled(!forMenu || selection);
    mnuPaste->setEnabled(!forMenu || Panel().CanPaste());
    mnuSelectAll->setEnabled(!forMenu || Panel().CardObjects().Count() > 0);
}

} // namespace qm

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
        {psPointing, QStringLiteral("Pointerbutton"), QStringLiteral("Selection tool")}};
    for (const DrawingTool& tool : CardClasses().Tools())
        tools.push_back({tool.mode, tool.buttonName, tool.hint});
    return tools;
}

} // namespace

void TMainScreen::BuildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
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
        action->setWhatsThis(
            QString(tool.hint).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
            QStringLiteral(": pick it, then drag a rectangle on the card to place the object."));
        action->setCheckable(true);
        action->setData(tool.state);
        action->setChecked(tool.state == psPointing);
        ToolGroup->addAction(action);
        const int state = tool.state;
        connect(action, &QAction::triggered, this, [this, state] { SetTool(state); });
    }
    bar->addSeparator();
    QuickTipsAction = bar->addAction(ToolIcon(kTipsPicture), QStringLiteral("Quick Tips"));
    QuickTipsAction->setToolTip(QStringLiteral("Show the Designer Assistant"));
    QuickTipsAction->setWhatsThis(QStringLiteral("Short tips on designing a card."));
    connect(QuickTipsAction, &QAction::triggered, this, &TMainScreen::QuickTipsClick);
    bar->addSeparator();
    ShowGridAction = bar->addAction(ToolIcon(kGridPicture), QStringLiteral("Show grid"));
    ShowGridAction->setCheckable(true);
    ShowGridAction->setWhatsThis(
        QStringLiteral("Shows a grid of dots on the card to line objects up by eye."));
    connect(ShowGridAction, &QAction::toggled, this, [this](bool on) { Panel().SetShowGrid(on); });
    SnapToGridAction = bar->addAction(ToolIcon(kSnapPicture), QStringLiteral("Snap to Grid"));
    SnapToGridAction->setCheckable(true);
    SnapToGridAction->setWhatsThis(QStringLiteral("Objects you move or size jump to the grid."));
    connect(SnapToGridAction, &QAction::toggled, this, [this](bool on) { Panel().SetSnapToGrid(on); });
    bar->addSeparator();
    BackgroundArtAction = bar->addAction(ToolIcon(kBackgroundPicture), QStringLiteral("Background art"));
    BackgroundArtAction->setToolTip(QStringLiteral("Set or change background art"));
    BackgroundArtAction->setWhatsThis(QStringLiteral("A picture behind the whole card."));
    connect(BackgroundArtAction, &QAction::triggered, this, [this] { SetOrChangeBackgroundArt(this, *mDocument); });
    for (QToolButton* button : bar->findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::NoFocus);
}

void TMainScreen::BuildCommandBar(QWidget* bar)
{
    const QString zoomHint =
        QStringLiteral("Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage");
    ZoomSpinner = new QWidget(bar);
    ZoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    ZoomSpinner->setToolTip(zoomHint);
    ZoomSpinner->setWhatsThis(
        QStringLiteral("Zooms the card from 100% to 150% in steps of 10%, then to 200%, 300% and 400%."));
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
        button->setFocusPolicy(Qt::NoFocus);
        spin->addWidget(button);
    }
    connect(ZoomUpButton, &QToolButton::clicked, this, &TMainScreen::ZoomIn);
    connect(ZoomDownButton, &QToolButton::clicked, this, &TMainScreen::ZoomOut);

    auto* zoomBox = new QFrame(bar);
    zoomBox->setFrameShape(QFrame::Panel);
    zoomBox->setFrameShadow(QFrame::Sunken);
    zoomBox->setWhatsThis(ZoomSpinner->whatsThis());
    auto* zoomLayout = new QHBoxLayout(zoomBox);
    zoomLayout->setContentsMargins(6, 2, 6, 2);
    zoomLayout->addWidget(new QLabel(QStringLiteral("Zoom:"), zoomBox));
    ZoomCaption = new QLabel(QStringLiteral("100%"), zoomBox);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    ZoomCaption->setStyleSheet(QStringLiteral("color: navy; font-weight: bold"));
    ZoomCaption->setMinimumWidth(ZoomCaption->fontMetrics().horizontalAdvance(QStringLiteral("400%")) + 4);
    zoomLayout->addWidget(ZoomCaption);
    ZoomFitButton = new QToolButton(bar);
    ZoomFitButton->setObjectName(QStringLiteral("ZoomFitButton"));
    ZoomFitButton->setText(QStringLiteral("Fit"));
    ZoomFitButton->setToolTip(QStringLiteral("Fit to Window"));
    ZoomFitButton->setWhatsThis(QStringLiteral("Zooms the card as large as the window shows it whole."));
    ZoomFitButton->setFocusPolicy(Qt::NoFocus);
    connect(ZoomFitButton, &QToolButton::clicked, this, &TMainScreen::FitToWindow);

    // Which side of the card the panel shows: the button names it, a click turns the card over.
    SideButton = new QToolButton(bar);
    SideButton->setObjectName(QStringLiteral("SideButton"));
    SideButton->setText(QStringLiteral("Front"));
    SideButton->setCheckable(true);
    SideButton->setToolTip(QStringLiteral("Front or back of the card (Ctrl+Shift+B)"));
    SideButton->setWhatsThis(QStringLiteral(
        "Shows which side of the card you design; click it to turn the card over. A back prints behind "
        "each card when you print two-sided; it is saved as NAME.back.qmk beside the card file."));
    SideButton->setFocusPolicy(Qt::NoFocus);
    connect(SideButton, &QToolButton::clicked, this, [this] { mDocument->ToggleSide(); });

    SaveAsButton = new QPushButton(QStringLiteral("Save as"), bar);
    SaveAsButton->setObjectName(QStringLiteral("SaveAsButton"));
    SaveAsButton->setDefault(true);
    SaveAsButton->setWhatsThis(QStringLiteral("Saves the card. It shows once the card has changes."));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), bar);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setWhatsThis(QStringLiteral("Throws the changes away and goes back to the saved card."));
    PrintButton = new QPushButton(QStringLiteral("&Print"), bar);
    PrintButton->setWhatsThis(QStringLiteral("Prints sheets of your card."));
    PreviewButton = new QPushButton(QStringLiteral("Pre&view"), bar);
    PreviewButton->setWhatsThis(QStringLiteral("Shows a sheet of your card as it will print."));
    HelpButton = new QPushButton(QStringLiteral("&Help"), bar);
    HelpButton->setWhatsThis(QStringLiteral("Help on the design window."));
    MouseHelpButton = new QToolButton(bar);
    MouseHelpButton->setDefaultAction(QWhatsThis::createAction(MouseHelpButton));
    MouseHelpButton->setWhatsThis(
        QStringLiteral("Click this, then any part of the window, to learn what it does."));
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             SaveAsButton, CancelButton, PrintButton, PreviewButton, HelpButton, MouseHelpButton})
        button->setFocusPolicy(Qt::NoFocus);
    // As narrow as their captions allow, so that the bar fits the window's first width.
    for (QPushButton* button : {SaveAsButton, CancelButton, PrintButton, PreviewButton, HelpButton})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Save As")) + 20);
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

    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = item(FileMenu, QStringLiteral("&New - Blank"), [doc] { doc->New(); });
    mnuNewFromTemplate =
        item(FileMenu, QStringLiteral("New - Select From Templates"), [this] { NewFromTemplate1Click(); });
    mnuOpen = item(FileMenu, QStringLiteral("&Open"), [doc] { doc->Open(); });
    mnuDelete = item(FileMenu, QStringLiteral("&Delete"), [doc] { doc->Delete(); });
    FileMenu->addSeparator();
    mnuSave = item(FileMenu, QStringLiteral("Save"), [doc] { doc->Save(); });
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(FileMenu, QStringLiteral("Save &As..."), [doc] { doc->SaveAs(); });
    mnuSaveAsBitmap =
        item(FileMenu, QStringLiteral("Save As Bitmap"), [doc] { doc->ExportPicture(PictureFormat::Bmp); });
    mnuSaveAsJPG =
        item(FileMenu, QStringLiteral("Save As JPG"), [doc] { doc->ExportPicture(PictureFormat::Jpg); });
    mnuSaveAsPNG =
        item(FileMenu, QStringLiteral("Save As PNG"), [doc] { doc->ExportPicture(PictureFormat::Png); });
    mnuExportPrintShop =
        item(FileMenu, QStringLiteral("Export for Print S&hop..."), [this, doc] { ExportForPrintShop(this, *doc); });
    mnuExportPrintShop->setStatusTip(
        QStringLiteral("Writes the card as a PDF file for a print shop, with bleed and crop marks."));
    FileMenu->addSeparator();
    mnuPrint = item(FileMenu, QStringLiteral("&Print"), [this] { PrintClick(); });
    mnuPrintMerge =
        item(FileMenu, QStringLiteral("Print &Merge..."), [this] { mPrint->MergeDialog(PrintSettings()); });
    mnuPrintMerge->setStatusTip(QStringLiteral("Prints one card for each person of a CSV or vCard file."));
    mnuPreview = item(FileMenu, QStringLiteral("Pre&view"), [this] { mPrint->Preview(PrintSettings()); });
    FileMenu->addSeparator();
    mnuPrinterSetup = item(FileMenu, QStringLiteral("Printer S&etup"), [this] { mPrint->PrinterSetup(); });
    mnuFineTuning = item(FileMenu, QStringLiteral("Printer Fine &Tuning"), [this] { FineTuneClick(); });
    mnuOutlineTest = item(FileMenu, QStringLiteral("Print O&utline Test Page"),
                          [this] { mPrint->PrintOutlineTestPage(PrintSettings()); });
    mnuWriteIni = item(FileMenu, QStringLiteral("--------Write Ini------"), [doc] { doc->WriteTemplate(); });
    FileMenu->addSeparator();
    mnuExit = item(FileMenu, QStringLiteral("E&xit"), [this] { close(); });

    EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuUndo = item(EditMenu, QStringLiteral("Undo"), [this, doc] {
        doc->Undo();
        SetTool(psPointing);
    });
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = item(EditMenu, QStringLiteral("Redo"), [this, doc] {
        doc->Redo();
        SetTool(psPointing);
    });
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EditMenu->addSeparator();
    // The clipboard commands of the object menu, for the selection, with the usual keys.
    mnuCut = item(EditMenu, QStringLiteral("Cu&t"), [this] { Panel().Cut(); });
    mnuCut->setShortcut(QKeySequence::Cut);
    mnuCopy = item(EditMenu, QStringLiteral("&Copy"), [this] { Panel().Copy(); });
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuPaste = item(EditMenu, QStringLiteral("&Paste"), [this] {
        SetTool(psPointing);
        Panel().Paste(PanelWidget().Now());
    });
    mnuPaste->setShortcut(QKeySequence::Paste);
    mnuDeleteObjects = item(EditMenu, QStringLiteral("De&lete"), [this] { Panel().Delete(); });
    mnuDeleteObjects->setShortcut(QKeySequence::Delete);
    mnuSelectAll = item(EditMenu, QStringLiteral("Select &All"), [this] {
        SetTool(psPointing);
        Panel().SelectAll();
    });
    mnuSelectAll->setShortcut(QKeySequence::SelectAll);
    // Shown greyed out when there is nothing to act on; the keys stay live (they do nothing then), since
    // the selection changes without the menu knowing.
    connect(EditMenu, &QMenu::aboutToShow, this, [this] { UpdateClipboardItems(true); });
    connect(EditMenu, &QMenu::aboutToHide, this, [this] { UpdateClipboardItems(false); });
    EditMenu->addSeparator();
    mnuDefaultFont = item(EditMenu, QStringLiteral("&Default Font - "), [this, doc] {
        doc->ChangeDefaultFont();
        SetDefaultFontCaption();
    });
    mnuChangeAllFonts =
        item(EditMenu, QStringLiteral("Change all fonts to..."), [this] { Changeallfontsto1Click(); });
    mnuPersonalInformation = item(EditMenu, QStringLiteral("&Personal Information"), [this] {
        EditPersonalInformation(this, mDocument->Prefs(), Panel(),
                                [this](int context) { ShowHelpContext(context); });
    });
    mnuBackgroundArt = item(EditMenu, QStringLiteral("&Set or Change Background Art"),
                            [this] { SetOrChangeBackgroundArt(this, *mDocument); });
    EditMenu->addSeparator();
    mnuSaveLayoutAsDefault = item(EditMenu, QStringLiteral("Save Current Layout as Default"),
                                  [doc] { doc->SaveLayoutAsDefault(); });
    mnuChangeLayout =
        item(EditMenu, QStringLiteral("Change Business Card Layout"), [this] { ChangeCardLayout1Click(); });

    // The zoom of the window; plus and minus zoom in and out wherever the card has the keyboard.
    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    mnuZoomIn = item(ViewMenu, QStringLiteral("Zoom &In\t+"), [this] { ZoomIn(); });
    mnuZoomOut = item(ViewMenu, QStringLiteral("Zoom &Out\t-"), [this] { ZoomOut(); });
    mnuActualSize = item(ViewMenu, QStringLiteral("&Actual Size"), [doc] { doc->ZoomTo(100); });
    mnuActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuFitToWindow = item(ViewMenu, QStringLiteral("&Fit to Window"), [this] { FitToWindow(); });
    ViewMenu->addSeparator();
    mnuShowBack = item(ViewMenu, QStringLiteral("Show Bac&k of Card"), [doc] { doc->ToggleSide(); });
    mnuShowBack->setWhatsThis(QStringLiteral("Turns the card over: you design its back, which prints behind each "
                                             "card when you print two-sided. Again to see the front."));
    mnuShowBack->setCheckable(true);
    mnuShowBack->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    ViewMenu->addSeparator();
    mnuShowPrintGuides = AddPrintGuides(*mPanelHolder, *mPanelWidget, Panel(), *ViewMenu, mDocument->Prefs());

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuContents =
        item(HelpMenu, QStringLiteral("&Contents"), [this] { ShowHelpPage(QStringLiteral("index")); });
    mnuAbout = item(HelpMenu, QStringLiteral("&About"), [this] { About1Click(); });
    mnuConfiguration = item(HelpMenu, QStringLiteral("Configuration Information"),
                            [this] { ConfigurationInformationClick(); });
    mnuTechnicalSupport = item(HelpMenu, QStringLiteral("Technical Support"),
                               [this] { ShowHelpContext(kTechnicalSupportContext); });
    mnuFaq = item(HelpMenu, QStringLiteral("Frequently Asked Questions"),
                  [this] { ShowHelpContext(kFaqContext); });
    // The program's home and its artwork page travel with it: no web address that might not answer.
    mnuBonusArtwork = item(HelpMenu, QStringLiteral("Visit the Bonus Artwork Web Page"),
                           [this] { ShowHelpPage(QStringLiteral("artwork")); });
    mnuWebsite = item(HelpMenu, QStringLiteral("Visit Our Internet Website"),
                      [this] { ShowHelpPage(QStringLiteral("home")); });
    mnuReportProblem =
        item(HelpMenu, QStringLiteral("Report a Problem..."), [this] { ShowHelpPage(QStringLiteral("problem")); });
    SetMenuWhatsThis();
}

void TMainScreen::SetMenuWhatsThis()
{
    const std::pair<QAction*, const char*> texts[] = {
        {mnuNew, "Starts a new, empty card."},
        {mnuNewFromTemplate, "Starts a new card from one of the templates, with your personal information."},
        {mnuOpen, "Opens a card you saved."},
        {mnuDelete, "Deletes a card file (after asking)."},
        {mnuSave, "Saves the card under its name."},
        {mnuSaveAs, "Saves the card under a new name."},
        {mnuSaveAsBitmap, "Writes a BMP picture of the card at its real size."},
        {mnuSaveAsJPG, "Writes a JPG picture of the card at its real size."},
        {mnuSaveAsPNG, "Writes a PNG picture of the card at its real size, for e-mail or a web page."},
        {mnuExportPrintShop, "Writes the card as a PDF file for a print shop: the card's size exactly, with a "
                             "bleed around it and crop marks if you like, its text kept as text. Says first what "
                             "a print shop might object to."},
        {mnuPrint, "Prints the card over a sheet of card stock, on the positions you choose."},
        {mnuPrintMerge, "Prints one card for each person of a CSV or vCard file: the placeholders of the card's "
                        "texts, such as {Name}, take each person's values."},
        {mnuPreview, "Shows the sheet as it will print."},
        {mnuPrinterSetup, "Chooses the printer (or a PDF file) and its paper."},
        {mnuFineTuning, "Moves the print in steps of 1/32 inch to match your printer."},
        {mnuOutlineTest, "Prints only the card outlines: hold the page against your card stock to check the layout."},
        {mnuWriteIni, "Saves the card as a template in the template folder."},
        {mnuExit, "Closes Quillmark (asking to save changes)."},
        {mnuUndo, "Takes back the last change to the card."},
        {mnuRedo, "Makes a change taken back again."},
        {mnuCut, "Moves the selected objects to the clipboard."},
        {mnuCopy, "Copies the selected objects to the clipboard."},
        {mnuPaste, "Puts the objects of the clipboard on the card."},
        {mnuDeleteObjects, "Deletes the selected objects."},
        {mnuSelectAll, "Selects every object of the card."},
        {mnuDefaultFont, "The font new text objects start with."},
        {mnuChangeAllFonts, "Puts one typeface on every text object of the card."},
        {mnuPersonalInformation, "Your name, address and numbers, used by personal-information text."},
        {mnuBackgroundArt, "Puts a picture behind the whole card, or takes it away."},
        {mnuSaveLayoutAsDefault, "Makes this card's sheet layout the one new cards start with."},
        {mnuChangeLayout, "The card size and how the cards stand on the sheet."},
        {mnuZoomIn, "Shows the card larger: 100% to 150% in steps of 10%, then 200%, 300% and 400%."},
        {mnuZoomOut, "Shows the card smaller, down to 100%."},
        {mnuActualSize, "Shows the card at 100%."},
        {mnuFitToWindow, "Shows the card as large as the window shows it whole."},
        {mnuContents, "The list of all help pages, with a search."},
        {mnuAbout, "The version of Quillmark."},
        {mnuConfiguration, "What Quillmark sees of this computer: include it when you ask for help."},
        {mnuTechnicalSupport, "How to get help with a problem."},
        {mnuFaq, "Answers to common questions."},
        {mnuBonusArtwork, "Where more artwork comes from."},
        {mnuWebsite, "Quillmark's home page."},
        {mnuReportProblem, "What to include when you report a problem."},
    };
    for (const auto& [action, text] : texts) {
        if (action)
            action->setWhatsThis(QString::fromUtf8(text));
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

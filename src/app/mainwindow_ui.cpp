// SPDX-License-Identifier: GPL-3.0-or-later
// TMainScreen: the window's construction, the state it shows, tools, window placement and keys.
#include "app/mainwindow_ui.h"

#include "app/aboutbox_ui.h"
#include "app/carddocument.h"
#include "app/fontforall_ui.h"
#include "app/helpwindow_ui.h"
#include "app/positiondock_ui.h"
#include "app/quicktips_ui.h"
#include "app/screenkeeper_ui.h"
#include "app/templatechooser_ui.h"
#include "app/toolicons_ui.h"
#include "design/cardpanel.h"
#include "design/designpanel_ui.h"
#include "design/positionpanel_ui.h"
#include "design/zoomsteps.h"
#include "platform/screenfit.h"
#include "objects/objectdialogs_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "print/layoutdialog_ui.h"
#include "print/printcommands_ui.h"
#include "print/printercalibration.h"
#include "print/printers_ui.h"

#include <QAction>
#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

const char* const TMainScreen::kVersion = "3.3a";

namespace {

const QString kPlacementClass = QStringLiteral("TMainScreen");
// The first window takes this share of the screen's available width and height.
constexpr double kFirstWindowShare = 0.7;

// ---- The window's answers to the document: message boxes and file dialogs ----

class WindowPrompts : public DocumentPrompts
{
public:
    explicit WindowPrompts(QWidget* parent) : mParent(parent), mDialogs(parent) {}

    bool Ask(const QString& text, const QString& caption) override
    {
        return QMessageBox::question(mParent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    Answer AskOrCancel(const QString& text, const QString& caption) override
    {
        // Escape and the title bar's close button give the Cancel button's answer.
        switch (QMessageBox::question(mParent, caption, text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }
    bool Confirm(const QString& text, const QString& caption) override
    {
        return QMessageBox::question(mParent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    void Inform(const QString& message) override
    {
        QMessageBox::information(mParent, TMainScreen::tr("Information"), message);
    }
    void ShowError(const QString& message) override
    {
        QMessageBox::warning(mParent, QStringLiteral("Quillmark"), message);
    }
    QString ChooseFile(const FileRequest& request) override
    {
        QFileDialog dialog(mParent, request.title, request.folder, request.filter);
        const bool saving = request.kind == FileRequest::Save;
        dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.proposedName.isEmpty())
            dialog.selectFile(request.proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    }
    bool ChooseFont(TKFont& font) override { return mDialogs.ChooseFont(font); }
    void Beep() override { QApplication::beep(); }
    void ProcessEvents() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

private:
    QWidget* mParent;
    TKStandardDialogs mDialogs;
};

} // namespace

// ---- Construction ----

TMainScreen::TMainScreen(DocumentPrompts* prompts, const QString& prefsPath, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(kPlacementClass);
    setWindowIcon(QIcon(ProgramPicture(64)));
    RunDialog = [](QDialog& dialog) { return dialog.exec(); };
    // The dialogs of the card's objects open their help pages in this window's help.
    SetHelpHandler([window = QPointer<TMainScreen>(this)](int context) {
        if (window)
            window->ShowHelpContext(context);
    });
    if (!prompts) {
        mOwnPrompts = std::make_unique<WindowPrompts>(this);
        prompts = mOwnPrompts.get();
    }
    mPrompts = prompts;

    auto panel = std::make_unique<TKBusinessCardPanel32>();
    panel->SetDrawOutline(true);
    panel->SetGridSize(gs4x4);
    panel->SetShowGrid(false);
    panel->SetSnapToGrid(false);
    mPanelWidget = new BasePanelWidget(std::move(panel));
    mPanelWidget->setWhatsThis(tr("The card you are designing. Pick a tool above and drag on the card to "
                                  "place an object; click an object with the right mouse button for its "
                                  "commands."));
    mDocument = std::make_unique<CardDocument>(Panel(), *prompts, prefsPath);
    mPrint = std::make_unique<TPrintCommands>(this, Panel());
    mPrint->NudgesFor = [this](const QString& printer) {
        return LoadPrinterNudges(mDocument->Prefs().Path(), printer);
    };

    // The card sits near the top-left corner of a scrolling area of its own colour.
    mPanelHolder = new QWidget;
    auto* holderLayout = new QVBoxLayout(mPanelHolder);
    holderLayout->setContentsMargins(10, 8, 10, 8);
    holderLayout->addWidget(mPanelWidget, 0, Qt::AlignLeft | Qt::AlignTop);
    holderLayout->addStretch();
    mScroll = new QScrollArea;
    mScroll->setWidget(mPanelHolder);
    mScroll->setWidgetResizable(true);
    mScroll->setFocusPolicy(Qt::NoFocus);
    mScroll->setBackgroundRole(QPalette::Button);
    mScroll->viewport()->installEventFilter(this);
    mPanelHolder->installEventFilter(this);

    auto* commandBar = new QFrame;
    commandBar->setFrameShape(QFrame::StyledPanel);
    BuildCommandBar(commandBar);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mScroll, 1);
    layout->addWidget(commandBar);
    setCentralWidget(central);

    BuildToolBar();
    BuildMenus();
    mPositions = AddPositionDock(*this, Panel(), HelpMenu, mDocument->Prefs());
    mPositions->OnEscape = [this] { mPanelWidget->setFocus(); };

    Panel().DroppedObjectEvent = [this](const QRect&) { SetTool(psPointing); };
    mDocument->StateChanged = [this] { Setbuttons(); };
    mDocument->RecentFilesChanged = [this] { UpdateRecentFiles(); };
    // Print Merge starts from the data a gLabels design names.
    mDocument->MergeSourceFound = [this](const QString& source, bool numbered) {
        mPrint->UseMergeFile(source, numbered);
    };
    // A change made outside a panel event (a command of the menus, a dialog) becomes its undo step once the
    // command is over; panel events end in a step of their own.
    Panel().History().CommitSoon = [this] {
        QTimer::singleShot(0, this, [this] {
            if (!Panel().InEvent())
                Panel().History().Commit();
        });
    };

    // What the window is made with: the preferences, the card's size, the working folders.
    mDocument->Load();
    CardDocument::CreateFolders();
    mnuWriteIni->setVisible(CardDocument::DeveloperMode());
    SetDefaultFontCaption();
    Setbuttons();

    resize(622, 404);
    qApp->installEventFilter(this);
    // Every window and dialog from here on lands on the screen, whatever its size or the screen's scale.
    KeepWindowsOnScreen();
    mPanelWidget->setFocus();
}

TMainScreen::~TMainScreen()
{
    qApp->removeEventFilter(this);
    // The panel outlives the document by a moment; nothing may call back into either meanwhile.
    Panel().LabelChangedEvent = nullptr;
    Panel().DroppedObjectEvent = nullptr;
    Panel().History().CommitSoon = nullptr;
    Panel().History().Changed = nullptr;
    mDocument->StateChanged = nullptr;
    mDocument->RecentFilesChanged = nullptr;
    mDocument->MergeSourceFound = nullptr;
}

TKBusinessCardPanel32& TMainScreen::Panel()
{
    return static_cast<TKBusinessCardPanel32&>(mPanelWidget->Panel());
}

// ---- State shown ----

void TMainScreen::Setbuttons()
{
    const CardDocument& doc = *mDocument;
    setWindowTitle(doc.WindowTitle());
    SaveAsButton->setText(doc.SaveButtonCaption());
    SaveAsButton->setVisible(doc.SaveButtonsVisible());
    CancelButton->setVisible(doc.SaveButtonsVisible());
    mnuDiscardChanges->setEnabled(doc.SaveButtonsVisible());
    // A PDF file is always a target: printing and preview work without an installed printer.
    for (QWidget* button : {static_cast<QWidget*>(PrintButton), static_cast<QWidget*>(PreviewButton)})
        button->setEnabled(true);
    for (QAction* action :
         {mnuPrint, mnuPrintMerge, mnuPreview, mnuPrinterSetup, mnuFineTuning, mnuOutlineTest})
        action->setEnabled(true);
    ZoomCaption->setText(doc.ZoomCaption());
    if (SideButton && mnuShowBack) {
        SideButton->setChecked(doc.ShowingBack());
        SideButton->setText(doc.ShowingBack() ? tr("Back", "side of the card")
                                              : tr("Front", "side of the card"));
        mnuShowBack->setChecked(doc.ShowingBack());
    }
    const auto accessKey = [](QString text) {
        return QLatin1Char('&') + text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    mnuUndo->setText(accessKey(doc.UndoText()));
    mnuUndo->setEnabled(doc.CanUndo());
    mnuRedo->setText(accessKey(doc.RedoText()));
    mnuRedo->setEnabled(doc.CanRedo());
    const TLengthUnit unit = doc.Layout().UseMM ? TLengthUnit::Millimetres : TLengthUnit::Inches;
    if (mPositions && mPositions->Unit() != unit)
        mPositions->SetUnit(unit);
}

void TMainScreen::SetChangesMade(bool changed)
{
    mDocument->SetChangesMade(changed);
}

void TMainScreen::SetPrinterAvailable(bool available)
{
    mPrinterAvailable = available;
    Setbuttons();
}

void TMainScreen::SetDefaultFontCaption()
{
    mnuDefaultFont->setText(DefaultFontCaption(Panel().Font()));
}

void TMainScreen::UpdateRecentFiles()
{
    for (QAction* action : mRecentActions) {
        FileMenu->removeAction(action);
        action->deleteLater();
    }
    mRecentActions.clear();
    const QStringList& files = mDocument->RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QString caption = files[i];
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption), FileMenu);
        const QString path = files[i];
        // Run after the menu has closed: opening the card rebuilds this list.
        connect(action, &QAction::triggered, this,
                [this, path] { QTimer::singleShot(0, this, [this, path] { mDocument->OpenRecent(path); }); });
        FileMenu->insertAction(mnuExit, action);
        mRecentActions.append(action);
    }
}

// ---- Tools ----

void TMainScreen::SetTool(int state)
{
    Panel().SetPanelState(TLPanelState(state));
    if (QAction* action = ToolAction(state))
        action->setChecked(true);
    mPanelWidget->setFocus();
}

QAction* TMainScreen::ToolAction(int state) const
{
    for (QAction* action : ToolGroup->actions()) {
        if (action->data().toInt() == state)
            return action;
    }
    return nullptr;
}

void TMainScreen::ZoomIn()
{
    mDocument->ZoomIn();
}

void TMainScreen::ZoomOut()
{
    mDocument->ZoomOut();
}

void TMainScreen::FitToWindow()
{
    // The room beside the card: the scrolling area less the margins the card keeps from its edges.
    const QMargins margins = mPanelHolder->layout()->contentsMargins();
    const QSize room = mScroll->viewport()->size().shrunkBy(margins);
    mDocument->ZoomTo(FitZoomPercent(Panel().Size(), room));
}

// ---- Start, activation, closing ----

void TMainScreen::RestoreWindowPlacement()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    const WindowPlacement stored =
        mDocument->Prefs().LoadWindowPlacement(kPlacementClass, ppi, isMaximized());
    // The first time on a screen: most of it, centred.
    const QRect first = ComfortableBounds(available, kFirstWindowShare, minimumSizeHint().expandedTo(size()));
    const RestoredPlacement placement = RestorePlacement(stored, first, available);
    setGeometry(placement.Bounds);
    if (placement.Maximize)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainScreen::SaveWindowPlacement()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    const bool maximized = isMaximized();
    const QRect bounds = maximized ? normalGeometry() : geometry();
    mDocument->Prefs().SaveWindowPlacement(kPlacementClass, ppi,
                                           WindowPlacement::FromBounds(bounds, maximized));
}

void TMainScreen::Start(const QString& cardToOpen)
{
    RestoreWindowPlacement();
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    mDocument->FirstActivate(cardToOpen);
    // Settings that cannot be read are all at their defaults this time: said once, at start.
    if (const QString problem = mDocument->Prefs().Problem(); !problem.isEmpty())
        //: %1 says why the settings could not be read
        mPrompts->ShowError(
            tr("%1\n\nQuillmark starts with its default settings (printer fine tuning, default "
               "layout, font, personal information).")
                .arg(problem));
    // Said once when no printer is usable (printing to a PDF file and preview still work), and again only
    // after printers were seen and have gone.
    const TPrinterCheck printers = CheckPrinters();
    if (mDocument->Prefs().PrinterNoticeDue(printers.Ok))
        mPrompts->Inform(printers.Message);
    SetPrinterAvailable(mPrint->CheckPrinters(false));
    if (mDocument->Prefs().LoadTips().ShowAtStart)
        QuickTipsClick();
}

void TMainScreen::ActivateFromOtherStart(const QString& cardPath)
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (cardPath.isEmpty())
        return;
    // A dialog of this window is open: the card waits until it has closed.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        QTimer::singleShot(500, this, [this, cardPath] { ActivateFromOtherStart(cardPath); });
        return;
    }
    if (mDocument->CheckSaveNeeded())
        mDocument->OpenBCFile(cardPath);
}

void TMainScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Panel().InvalidatePanel();
    QMainWindow::changeEvent(event);
}

void TMainScreen::closeEvent(QCloseEvent* event)
{
    // Cancelled, or saving was wanted and did not happen: the window stays, with the changes.
    if (!mDocument->CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement();
    if (mHelp)
        mHelp->close();
    if (mTips)
        mTips->close();
    event->accept();
}

// ---- Keys and clicks beside the card ----

bool TMainScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        // Number boxes (the position panel's) keep their own keys: minus, Home, End, Page Up and Down.
        const bool typing = widget->inherits("QAbstractSpinBox");
        // Enter on a tool button that has the keyboard picks its tool, as Space does.
        auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            widget->window() == this && widget->inherits("QToolButton") && widget->hasFocus()) {
            static_cast<QAbstractButton*>(const_cast<QWidget*>(widget))->click();
            return true;
        }
        if (widget->window() == this && !typing && !QApplication::activeModalWidget() &&
            !QApplication::activePopupWidget())
            return HandleKey(event);
        return false;
    }
    if (type == QEvent::MouseButtonPress && (watched == mScroll->viewport() || watched == mPanelHolder)) {
        Panel().ClearSelection();
        Panel().InvalidatePanel();
        mPanelWidget->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainScreen::HandleKey(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    // A plus typed with Shift may come back up as "=" when Shift is let go first: the release of the key that
    // went down as plus or minus is what zooms.
    if (!press && !key->isAutoRepeat() && mZoomScanCode != 0 && key->nativeScanCode() == mZoomScanCode) {
        const int direction = mZoomDirection;
        mZoomScanCode = 0;
        direction > 0 ? ZoomIn() : ZoomOut();
        return true;
    }
    QScrollBar* vertical = mScroll->verticalScrollBar();
    switch (key->key()) {
    case Qt::Key_PageUp:
        if (press)
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_PageDown:
        if (press)
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        if (press)
            vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        if (press)
            vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        // Plus and minus zoom when released, on the keypad or the main keys; with Ctrl or Alt they are
        // someone else's.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (press) {
            mZoomScanCode = key->nativeScanCode();
            mZoomDirection = key->key() == Qt::Key_Plus ? 1 : -1;
        } else if (!key->isAutoRepeat()) {
            mZoomScanCode = 0;
            if (key->key() == Qt::Key_Plus)
                ZoomIn();
            else
                ZoomOut();
        }
        return true;
    default:
        return false;
    }
}

} // namespace qm

// TMainScreen: building the window, its drawn tool pictures, menus, keys, dialogs and the about box.
#include "app/mainwindow_ui.h"

#include "app/fontforall_ui.h"
#include "app/carddocument.h"
#include "app/helpwindow_ui.h"
#include "app/templatechooser_ui.h"
#include "design/designpanel_ui.h"
#include "design/cardpanel.h"
#include "app/personalinfo_ui.h"
#include "platform/paths.h"
#include "print/layoutdialog_ui.h"
#include "print/printcommands_ui.h"
#include "print/printers_ui.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSysInfo>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <cmath>

namespace qm {

const char* const TMainScreen::kVersion = "3.3a";

namespace {

const QString kPlacementClass = QStringLiteral("TMainScreen");
// The two web pages of the Help menu.
const char kBonusArtworkUrl[] = "https://quillmark.example.org/bonus-artwork";
const char kWebsiteUrl[] = "https://quillmark.example.org/";

// ---- The window's answers to the document: message boxes and file dialogs ----

class TWindowPrompts : public TDocumentPrompts
{
public:
    explicit TWindowPrompts(QWidget* parent) : mParent(parent), mDialogs(parent) {}

    bool Ask(const QString& text, const QString& caption) override
    {
        return QMessageBox::question(mParent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    void Inform(const QString& message) override
    {
        QMessageBox::information(mParent, QStringLiteral("Information"), message);
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

// ---- Tool pictures, drawn rather than shipped ----

enum ExtraPicture
{
    kGridPicture = 100,
    kSnapPicture,
    kTipsPicture,
    kBackgroundPicture
};

QPainterPath TextPath(const QString& text, const QString& family, int pixelSize, bool bold, QPointF at)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QPainterPath path;
    path.addText(at, font, text);
    return path;
}

void DrawToolPicture(QPainter& p, int kind)
{
    const QColor ink(30, 30, 30);
    const QColor fill(120, 170, 230);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case psPointing: {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(11, 15);
        arrow.lineTo(14, 21);
        arrow.lineTo(16.5, 20);
        arrow.lineTo(13.5, 14);
        arrow.lineTo(19, 14);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case psLabel:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 160, 160));
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(6, 20)));
        p.setBrush(ink);
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(4, 18)));
        break;
    case psMultiLineLabel:
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(4, 6 + i * 4.5), QPointF(i == 3 ? 13 : 20, 6 + i * 4.5));
        break;
    case psSymbolLabel:
        p.setBrush(QColor(250, 220, 80));
        p.drawEllipse(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(ink);
        p.drawEllipse(QRectF(8, 8, 2, 2.5));
        p.drawEllipse(QRectF(14, 8, 2, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7.5, 9, 9, 7.5), 200 * 16, 140 * 16);
        break;
    case psRectangle:
        p.setBrush(fill);
        p.drawRect(QRectF(3.5, 6.5, 17, 11));
        break;
    case psEllipse:
        p.setBrush(fill);
        p.drawEllipse(QRectF(3.5, 5.5, 17, 13));
        break;
    case psRoundRectangle:
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(3.5, 6.5, 17, 11), 4, 4);
        break;
    case psLine:
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case psImage: {
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 70));
        QPainterPath hills;
        hills.moveTo(4, 18);
        hills.lineTo(9, 11);
        hills.lineTo(13, 15);
        hills.lineTo(16, 12);
        hills.lineTo(20, 18);
        hills.closeSubpath();
        p.drawPath(hills);
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QRectF(14, 7, 4, 4));
        break;
    }
    case psSuperShape: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 4.0 : 9.5;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(12 + r * std::cos(a), 12.5 + r * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        QLinearGradient gradient(0, 3, 0, 22);
        gradient.setColorAt(0, QColor(255, 230, 90));
        gradient.setColorAt(1, QColor(220, 80, 30));
        p.setBrush(gradient);
        p.drawPath(star);
        break;
    }
    case psRichLabel:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 17, true, QPointF(1, 18)));
        p.setBrush(QColor(30, 80, 200));
        p.drawPath(TextPath(QStringLiteral("b"), QStringLiteral("Arial"), 13, false, QPointF(11, 18)));
        p.setBrush(QColor(30, 150, 60));
        p.drawPath(TextPath(QStringLiteral("c"), QStringLiteral("Courier New"), 13, true, QPointF(17, 18)));
        break;
    case psSuperText: {
        QLinearGradient gradient(0, 4, 0, 21);
        gradient.setColorAt(0, QColor(90, 40, 200));
        gradient.setColorAt(1, QColor(240, 80, 160));
        p.setPen(QPen(ink, 0.8));
        p.setBrush(gradient);
        p.drawPath(TextPath(QStringLiteral("S"), QStringLiteral("Arial"), 22, true, QPointF(5, 20)));
        break;
    }
    case psCircleText: {
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        p.drawEllipse(QRectF(7, 10, 10, 10));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(6);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        const QString letters = QStringLiteral("ABCDE");
        for (int i = 0; i < letters.size(); ++i) {
            p.save();
            p.translate(12, 15);
            p.rotate(-80 + i * 40.0);
            p.drawText(QPointF(-2, -6.5), letters.mid(i, 1));
            p.restore();
        }
        break;
    }
    case kGridPicture:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 5; ++y)
                p.drawRect(QRectF(3.5 + x * 4, 3.5 + y * 4, 1.2, 1.2));
        break;
    case kSnapPicture:
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(4 + i * 5.5, 3), QPointF(4 + i * 5.5, 21));
            p.drawLine(QPointF(3, 4 + i * 5.5), QPointF(21, 4 + i * 5.5));
        }
        p.setPen(QPen(ink, 1.5));
        p.setBrush(fill);
        p.drawRect(QRectF(9.5, 9.5, 11, 5.5));
        break;
    case kTipsPicture: {
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(QRectF(6, 2.5, 12, 12));
        p.drawRect(QRectF(9, 14.5, 6, 4));
        p.drawLine(QPointF(9.5, 20.5), QPointF(14.5, 20.5));
        break;
    }
    case kBackgroundPicture: {
        QLinearGradient gradient(0, 5, 24, 19);
        gradient.setColorAt(0, QColor(120, 190, 250));
        gradient.setColorAt(1, QColor(250, 240, 200));
        p.setBrush(gradient);
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(6, 9, 8, 1.5));
        p.drawRect(QRectF(6, 12.5, 11, 1.5));
        break;
    }
    default:
        break;
    }
}

QIcon ToolIcon(int kind)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawToolPicture(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The program's picture: a card with a quill across it.
QPixmap ProgramPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 16, 50, 30), 3, 3);
    p.setPen(QPen(QColor(30, 60, 140), 2.5));
    p.drawLine(QPointF(10, 26), QPointF(34, 26));
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.drawLine(QPointF(10, 33), QPointF(28, 33));
    p.drawLine(QPointF(10, 38), QPointF(30, 38));
    QPainterPath quill;
    quill.moveTo(36, 50);
    quill.cubicTo(40, 30, 50, 14, 61, 4);
    quill.cubicTo(58, 18, 50, 32, 36, 50);
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(200, 160, 90));
    p.drawPath(quill);
    return pixmap;
}

struct ToolButtonInfo
{
    int state;
    const char* name;
    const char* hint;
};

const ToolButtonInfo kTools[] = {
    {psPointing, "Pointerbutton", "Selection tool"},
    {psLabel, "DrawLabelButton", "Text tool"},
    {psMultiLineLabel, "DrawMLTextButton", "Multi-line text tool"},
    {psSymbolLabel, "DrawSymbolButton", "Symbol tool"},
    {psRectangle, "DrawRectanglebutton", "Rectangle tool"},
    {psEllipse, "DrawEllipseButton", "Ellipse tool"},
    {psRoundRectangle, "DrawRoundrectbutton", "Round Rectangle tool"},
    {psLine, "DrawLinebutton", "Line Tool"},
    {psImage, "DrawImageButton", "Clip Art Tool"},
    {psSuperShape, "DrawSupershape", "Supershape tool \nMulti-purpose shapes and surfaces"},
    {psRichLabel, "DrawRichText", "Rich Text tool \nMixed fonts, colors and styles"},
    {psSuperText, "DrawSuperTextButton",
     "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"},
    {psCircleText, "DrawCircleTextbutton", "CircleText Tool \nCircular or semi-circular text using any font"},
};

// ---- The about box ----

class TSplashform : public QDialog
{
public:
    explicit TSplashform(QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("About Quillmark"));
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
        auto* picture = new QLabel(this);
        picture->setPixmap(ProgramPicture(96));
        auto* name = new QLabel(QStringLiteral("<h2>Quillmark</h2>"), this);
        auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(TMainScreen::kVersion), this);
        version->setObjectName(QStringLiteral("Version"));
        auto* bits = new QLabel(QStringLiteral("%1-bit version").arg(QSysInfo::WordSize), this);
        auto* about = new QLabel(QStringLiteral("Business cards, designed and printed."), this);
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        auto* text = new QVBoxLayout;
        text->addWidget(name);
        text->addWidget(version);
        text->addWidget(bits);
        text->addWidget(about);
        text->addStretch();
        auto* top = new QHBoxLayout;
        top->addWidget(picture, 0, Qt::AlignTop);
        top->addSpacing(16);
        top->addLayout(text, 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(ok, 0, Qt::AlignRight);
        setFixedSize(434, 236);
    }
};

// ---- Quick tips ----

const char* const kTips[] = {
    "Pick a tool at the top, then drag a rectangle on the card to place a new object of that kind.",
    "Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, order and "
    "more.",
    "Hold Shift and click to select several objects, or drag a band around them on an empty part of the "
    "card.",
    "The arrow keys move the selected objects a pixel at a time.",
    "Edit, Personal Information fills your name, address and phone numbers into personal-information text.",
    "File, New - Select From Templates starts a card from a ready-made design.",
    "Edit, Change Business Card Layout matches the card size and spacing to your card stock.",
    "File, Save As PNG writes a picture of the card for e-mail or a web page.",
    "Press plus (+) or minus (-) to zoom between 100% and 150%.",
};

class TQuickTips : public QDialog
{
public:
    explicit TQuickTips(QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Quick Tips"));
        mText = new QLabel(this);
        mText->setWordWrap(true);
        mText->setMinimumSize(300, 80);
        mText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
        auto* close = new QPushButton(QStringLiteral("Close"), this);
        connect(next, &QPushButton::clicked, this, [this] { ShowTip(mTip + 1); });
        connect(close, &QPushButton::clicked, this, &QDialog::close);
        auto* picture = new QLabel(this);
        picture->setPixmap(ToolIcon(kTipsPicture).pixmap(24, 24));
        auto* top = new QHBoxLayout;
        top->addWidget(picture, 0, Qt::AlignTop);
        top->addWidget(mText, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(next);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addLayout(buttons);
        ShowTip(0);
    }

private:
    void ShowTip(int tip)
    {
        mTip = tip % int(std::size(kTips));
        mText->setText(QString::fromLatin1(kTips[mTip]));
    }
    QLabel* mText = nullptr;
    int mTip = 0;
};

QString ConfigurationReport()
{
    QStringList lines;
    lines << QStringLiteral("Quillmark version %1 (%2-bit)")
                 .arg(QLatin1String(TMainScreen::kVersion))
                 .arg(QSysInfo::WordSize);
    lines << QStringLiteral("Qt %1, %2").arg(QLatin1String(qVersion()), QSysInfo::prettyProductName());
    lines << QStringLiteral("Display platform: %1").arg(QGuiApplication::platformName());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        lines << QStringLiteral("Screen: %1 x %2 pixels, %3 pixels per inch, device pixel ratio %4")
                     .arg(screen->size().width())
                     .arg(screen->size().height())
                     .arg(qRound(screen->logicalDotsPerInch()))
                     .arg(screen->devicePixelRatio());
    }
    lines << QStringLiteral("Data folder: %1").arg(ProgramFolder());
    lines << QString();
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    lines << QStringLiteral("Installed printers: %1")
                 .arg(printers.isEmpty() ? QStringLiteral("none") : printers.join(QStringLiteral(", ")));
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    lines << QStringLiteral("Default printer: %1")
                 .arg(defaultPrinter.isEmpty() ? QStringLiteral("none") : defaultPrinter);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

// ---- Construction ----

TMainScreen::TMainScreen(TDocumentPrompts* prompts, const QString& prefsPath, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(kPlacementClass);
    setWindowIcon(QIcon(ProgramPicture(64)));
    RunDialog = [](QDialog& dialog) { return dialog.exec(); };
    if (!prompts) {
        mOwnPrompts = std::make_unique<TWindowPrompts>(this);
        prompts = mOwnPrompts.get();
    }
    mPrompts = prompts;

    auto panel = std::make_unique<TKBusinessCardPanel32>();
    panel->SetDrawOutline(true);
    panel->SetGridSize(gs4x4);
    panel->SetShowGrid(false);
    panel->SetSnapToGrid(false);
    mPanelWidget = new TKBasePanelWidget(std::move(panel));
    mPanelWidget->setWhatsThis(
        QStringLiteral("The card you are designing. Pick a tool above and drag on the card to "
                       "place an object; click an object with the right mouse button for its "
                       "commands."));
    mDocument = std::make_unique<TCardDocument>(Panel(), *prompts, prefsPath);
    mPrint = std::make_unique<TPrintCommands>(this, Panel());

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

    Panel().DroppedObjectEvent = [this](const QRect&) { SetTool(psPointing); };
    mDocument->StateChanged = [this] { Setbuttons(); };
    mDocument->RecentFilesChanged = [this] { UpdateRecentFiles(); };

    // What the window is made with: the preferences, the card's size, the working folders.
    mDocument->Load();
    TCardDocument::CreateFolders();
    mnuWriteIni->setVisible(TCardDocument::DeveloperMode());
    SetDefaultFontCaption();
    Setbuttons();

    resize(622, 404);
    qApp->installEventFilter(this);
    mPanelWidget->setFocus();
}

TMainScreen::~TMainScreen()
{
    qApp->removeEventFilter(this);
    // The panel outlives the document by a moment; nothing may call back into either meanwhile.
    Panel().LabelChangedEvent = nullptr;
    Panel().DroppedObjectEvent = nullptr;
    mDocument->StateChanged = nullptr;
    mDocument->RecentFilesChanged = nullptr;
}

TKBusinessCardPanel32& TMainScreen::Panel()
{
    return static_cast<TKBusinessCardPanel32&>(mPanelWidget->Panel());
}

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
    for (const ToolButtonInfo& tool : kTools) {
        QAction* action = bar->addAction(
            ToolIcon(tool.state), QString::fromLatin1(tool.hint).section(QLatin1Char('\n'), 0, 0).trimmed());
        action->setObjectName(QString::fromLatin1(tool.name));
        action->setToolTip(QString::fromLatin1(tool.hint));
        action->setWhatsThis(
            QString::fromLatin1(tool.hint).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
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
    // Background art has no chooser yet.
    BackgroundArtAction->setEnabled(false);
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
    ZoomSpinner->setWhatsThis(QStringLiteral("Zooms the card from 100% to 150% in steps of 10%."));
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
    ZoomCaption->setMinimumWidth(ZoomCaption->fontMetrics().horizontalAdvance(QStringLiteral("150%")) + 4);
    zoomLayout->addWidget(ZoomCaption);

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
    TCardDocument* doc = mDocument.get();

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
    FileMenu->addSeparator();
    mnuPrint = item(FileMenu, QStringLiteral("&Print"), [this] { PrintClick(); });
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
    mnuBackgroundArt = EditMenu->addAction(QStringLiteral("&Set or Change Background Art"));
    mnuBackgroundArt->setEnabled(false);
    EditMenu->addSeparator();
    mnuSaveLayoutAsDefault = item(EditMenu, QStringLiteral("Save Current Layout as Default"),
                                  [doc] { doc->SaveLayoutAsDefault(); });
    mnuChangeLayout =
        item(EditMenu, QStringLiteral("Change Business Card Layout"), [this] { ChangeCardLayout1Click(); });

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
    mnuBonusArtwork = item(HelpMenu, QStringLiteral("Visit the Bonus Artwork Web Page"),
                           [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kBonusArtworkUrl))); });
    mnuWebsite = item(HelpMenu, QStringLiteral("Visit Our Internet Website"),
                      [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebsiteUrl))); });
}

// ---- State shown ----

void TMainScreen::Setbuttons()
{
    const TCardDocument& doc = *mDocument;
    setWindowTitle(doc.WindowTitle());
    SaveAsButton->setText(doc.SaveButtonCaption());
    SaveAsButton->setVisible(doc.SaveButtonsVisible());
    CancelButton->setVisible(doc.SaveButtonsVisible());
    mnuSave->setEnabled(doc.SaveEnabled());
    // A PDF file is always a target: printing and preview work without an installed printer.
    for (QWidget* button : {static_cast<QWidget*>(PrintButton), static_cast<QWidget*>(PreviewButton)})
        button->setEnabled(true);
    for (QAction* action : {mnuPrint, mnuPreview, mnuPrinterSetup, mnuFineTuning, mnuOutlineTest})
        action->setEnabled(true);
    ZoomCaption->setText(doc.ZoomCaption());
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
    mnuDefaultFont->setText(
        QLatin1Char('&') +
        DefaultFontCaption(Panel().Font()).replace(QLatin1Char('&'), QStringLiteral("&&")));
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

// ---- Start, activation, closing ----

void TMainScreen::RestoreWindowPlacement()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    const WindowPlacement stored =
        mDocument->Prefs().LoadWindowPlacement(kPlacementClass, ppi, isMaximized());
    QRect centred(QPoint(), size());
    centred.moveTo(available.left() + (available.width() - width()) / 2,
                   available.top() + (available.height() - height()) / 2);
    const RestoredPlacement placement = RestorePlacement(stored, centred, available);
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
    // Said once a run when no printer is installed; printing to a PDF file and preview still work.
    const TPrinterCheck printers = CheckPrinters();
    if (!printers.Ok)
        mPrompts->Inform(printers.Message);
    SetPrinterAvailable(mPrint->CheckPrinters(false));
}

TPrintSettings TMainScreen::PrintSettings() const
{
    const PrinterPreferences p = mDocument->Prefs().LoadPrinter();
    return {mDocument->Layout(),
            {p.TopMarginNudge, p.LeftMarginNudge, p.VerticalSpacing, p.HorizontalSpacing},
            mDocument->BackgroundFile(),
            p.ShowBottomMarginWarning};
}

void TMainScreen::PrintClick()
{
    bool warningSwitchedOff = false;
    mPrint->Print(PrintSettings(), &warningSwitchedOff);
    if (!warningSwitchedOff)
        return;
    PrinterPreferences p = mDocument->Prefs().LoadPrinter();
    p.ShowBottomMarginWarning = false;
    mDocument->Prefs().SavePreferences(p, Panel().Font());
}

void TMainScreen::FineTuneClick()
{
    PrinterPreferences p = mDocument->Prefs().LoadPrinter();
    TPrintNudges nudges{p.TopMarginNudge, p.LeftMarginNudge, p.VerticalSpacing, p.HorizontalSpacing};
    if (!mPrint->FineTune(nudges))
        return;
    p.TopMarginNudge = nudges.TopMargin;
    p.LeftMarginNudge = nudges.LeftMargin;
    p.VerticalSpacing = nudges.VerticalSpacing;
    p.HorizontalSpacing = nudges.HorizontalSpacing;
    QString error;
    if (!mDocument->Prefs().SavePreferences(p, Panel().Font(), &error))
        QMessageBox::information(this, QStringLiteral("Information"), error);
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
    // Saving was wanted and did not happen: the window stays, with the changes.
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
        if (widget->window() == this && !QApplication::activeModalWidget() &&
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

// ---- Commands ----

void TMainScreen::SaveButtonClick()
{
    if (mDocument->FileName().isEmpty())
        mDocument->SaveAs();
    else
        mDocument->Save();
}

void TMainScreen::NewFromTemplate1Click()
{
    if (!mDocument->CheckSaveNeeded())
        return;
    const CardSheetLayout& layout = mDocument->Layout();
    TSelectPreviewTemplate chooser(layout.Width, layout.Height, Panel().PersonalStrings(), this);
    chooser.OnHelp = [this] { ShowHelpPage(QStringLiteral("templates")); };
    if (RunDialog(chooser) != QDialog::Accepted || chooser.SelectedTemplate().isEmpty())
        return;
    mDocument->NewFromTemplate(chooser.SelectedTemplate(), chooser.SelectedFont());
}

void TMainScreen::ChangeCardLayout1Click()
{
    TEditCardLayout dialog(mDocument->Layout(), this);
    dialog.OnHelp = [this] { ShowHelpPage(QStringLiteral("layout")); };
    if (RunDialog(dialog) == QDialog::Accepted)
        mDocument->ApplyLayout(dialog.Layout());
}

void TMainScreen::Changeallfontsto1Click()
{
    TChangeFontAll dialog(this);
    dialog.OnHelp = [this] { ShowHelpPage(QStringLiteral("fonts")); };
    if (RunDialog(dialog) == QDialog::Accepted)
        mDocument->ChangeAllFonts(dialog.SelectedFont());
}

void TMainScreen::About1Click()
{
    TSplashform about(this);
    RunDialog(about);
}

void TMainScreen::ConfigurationInformationClick()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Configuration Information"));
    auto* text = new QPlainTextEdit(ConfigurationReport(), &dialog);
    text->setReadOnly(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    dialog.resize(520, 260);
    RunDialog(dialog);
}

void TMainScreen::QuickTipsClick()
{
    if (!mTips)
        mTips = new TQuickTips(this);
    mTips->show();
    mTips->raise();
    mTips->activateWindow();
}

void TMainScreen::ShowHelpContext(int context)
{
    if (!mHelp)
        mHelp = new THelpWindow(this);
    mHelp->ShowContext(context);
}

void TMainScreen::ShowHelpPage(const QString& name)
{
    if (!mHelp)
        mHelp = new THelpWindow(this);
    mHelp->ShowPage(THelpWindow::PageNamed(name));
}

} // namespace qm

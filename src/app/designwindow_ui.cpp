// TDesignWindow: a plain window hosting the business card panel; its tools draw text, shapes and lines.
#include "app/designwindow_ui.h"

#include "app/prefs.h"
#include "design/kbasepnl_ui.h"
#include "design/kbcpanel32.h"
#include "design/persinfo_ui.h"
#include "platform/paths.h"

#include <QActionGroup>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QToolBar>

namespace qm {

namespace {

TLPanelState StateFor(TDesignWindow::Tool tool)
{
    switch (tool) {
    case TDesignWindow::Tool::Text:
        return psLabel;
    case TDesignWindow::Tool::Rectangle:
        return psRectangle;
    case TDesignWindow::Tool::RoundRect:
        return psRoundRectangle;
    case TDesignWindow::Tool::Ellipse:
        return psEllipse;
    case TDesignWindow::Tool::Line:
        return psLine;
    case TDesignWindow::Tool::Pointer:
        break;
    }
    return psPointing;
}

// The templates' folder, made when missing so that the file dialogs start there.
QString TemplateFolder()
{
    const QString folder = ProgramFile(QStringLiteral("qmkt/"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace

TDesignWindow::TDesignWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillmark[*]"));
    auto panel = std::make_unique<TKBusinessCardPanel32>();
    mPanel = panel.get();
    mPanel->SetDrawOutline(true);
    mPanelWidget = new TKBasePanelWidget(std::move(panel));

    auto* scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidget(mPanelWidget);
    setCentralWidget(scroll);

    mPanel->LabelChangedEvent = [this] { setWindowModified(true); };
    mPanel->DroppedObjectEvent = [this](const QRect&) { SetTool(Tool::Pointer); };
    mPanel->SetPersonalStrings(Preferences().LoadPersonalInfo());
    BuildMenus();
    BuildToolBar();
    // Wide enough for the whole tool bar, zoom included.
    resize(780, 460);
    mPanelWidget->setFocus();
}

TDesignWindow::~TDesignWindow() = default;

TKBusinessCardPanel32& TDesignWindow::Panel()
{
    return *mPanel;
}

void TDesignWindow::BuildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    mTools = new QActionGroup(this);
    const std::pair<const char*, Tool> tools[] = {
        {"Pointer", Tool::Pointer},     {"Text", Tool::Text},
        {"Rectangle", Tool::Rectangle}, {"Rounded rectangle", Tool::RoundRect},
        {"Ellipse", Tool::Ellipse},     {"Line", Tool::Line}};
    for (const auto& [caption, tool] : tools) {
        QAction* action = bar->addAction(QString::fromLatin1(caption));
        action->setCheckable(true);
        action->setData(int(tool));
        action->setChecked(tool == Tool::Pointer);
        mTools->addAction(action);
        const Tool chosen = tool;
        connect(action, &QAction::triggered, this, [this, chosen] { SetTool(chosen); });
    }
    bar->addSeparator();
    QAction* grid = bar->addAction(QStringLiteral("Show grid"));
    grid->setCheckable(true);
    connect(grid, &QAction::toggled, this, [this](bool on) { mPanel->SetShowGrid(on); });
    QAction* snap = bar->addAction(QStringLiteral("Snap to grid"));
    snap->setCheckable(true);
    connect(snap, &QAction::toggled, this, [this](bool on) { mPanel->SetSnapToGrid(on); });
    bar->addSeparator();
    mZoom = new QComboBox(bar);
    for (int percent = 100; percent <= 150; percent += 10)
        mZoom->addItem(QStringLiteral("%1 %").arg(percent), percent);
    mZoom->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(mZoom);
    connect(mZoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { mPanel->SetZoom(float(mZoom->itemData(index).toInt()) / 100.0f); });
}

void TDesignWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open &template..."), this, [this] { ChooseTemplate(); });
    file->addAction(QStringLiteral("&Save as template..."), this, [this] { SaveTemplate(); });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("&Personal Information..."), this, [this] { EditPersonalInfo(); });
}

void TDesignWindow::SetZoomPercent(int percent)
{
    const int index = mZoom->findData(percent);
    if (index >= 0)
        mZoom->setCurrentIndex(index);
    mPanel->SetZoom(float(percent) / 100.0f);
}

void TDesignWindow::EditPersonalInfo()
{
    EditPersonalInformation(this, Preferences(), *mPanel);
}

void TDesignWindow::ChooseTemplate()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open Template"), TemplateFolder(),
                                     QStringLiteral("Templates (*.qmkt *.QMKT);;All files (*)"));
    if (!fileName.isEmpty())
        OpenTemplate(fileName);
}

void TDesignWindow::OpenTemplate(const QString& fileName)
{
    SetTool(Tool::Pointer);
    SetZoomPercent(100);
    mPanel->ClearAll();
    mPanel->ClearBackground();
    mBackgroundName = mPanel->ReadDescription(fileName);
    // Background art the image readers understand is shown; anything else is left out here.
    const QString art = TKBusinessCardPanel32::BackgroundArtPath(mBackgroundName);
    const QImage picture = art.isEmpty() ? QImage() : QImage(art);
    if (!picture.isNull()) {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "BMP");
        mPanel->ColorPicture().SetGraphic("TBitmap", bmp);
    }
    setWindowFilePath(QString());
    setWindowModified(true);
}

void TDesignWindow::SaveTemplate()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Save as Template"),
                                                          TemplateFolder() + QStringLiteral("Template.qmkt"),
                                                          QStringLiteral("Templates (*.qmkt *.QMKT)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!mPanel->WriteDescription(fileName, mBackgroundName, &error))
        QMessageBox::warning(this, QStringLiteral("Quillmark"), error);
}

void TDesignWindow::SetTool(Tool tool)
{
    mPanel->SetPanelState(StateFor(tool));
    for (QAction* action : mTools->actions()) {
        if (action->data().toInt() == int(tool))
            action->setChecked(true);
    }
}

bool TDesignWindow::OpenCard(const QString& fileName, QString* error)
{
    if (!QFileInfo(fileName).isFile()) {
        if (error)
            *error = QStringLiteral("%1: no such card file").arg(fileName);
        return false;
    }
    // Card files hold zoom-1.0 coordinates.
    SetZoomPercent(100);
    mPanel->ClearAll();
    mPanel->ClearBackground();
    mBackgroundName.clear();
    const ReadResult read = mPanel->LoadFromFile(fileName);
    if (!read.ok) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(fileName, read.error);
        return false;
    }
    setWindowFilePath(fileName);
    setWindowModified(false);
    return true;
}

} // namespace qm

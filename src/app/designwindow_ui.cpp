// TDesignWindow: a plain window hosting a design panel; its drawing tools create shapes and lines.
#include "app/designwindow_ui.h"

#include "design/kbasepnl_ui.h"
#include "objects/shapes/kbcshape.h"
#include "objects/shapes/klines.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QToolBar>

namespace qm {

// The panel with the window's drawing tools: a drawn rectangle becomes a shape or a line.
class TDesignPanel : public TKBasePanel
{
public:
    TDesignWindow::Tool tool = TDesignWindow::Tool::Pointer;

protected:
    void CreateObject(const QRect& drawn) override
    {
        // A click or a thin drag still gives an object one can see and take hold of.
        QRect rect = drawn;
        if (rect.width() < 25)
            rect.setWidth(50);
        if (rect.height() < 15)
            rect.setHeight(15);
        std::unique_ptr<TKGraphicControl> object;
        switch (tool) {
        case TDesignWindow::Tool::Rectangle:
        case TDesignWindow::Tool::RoundRect:
        case TDesignWindow::Tool::Ellipse: {
            auto shape = std::make_unique<TBCShapes>();
            shape->SetShape(tool == TDesignWindow::Tool::Rectangle   ? stRectangle
                            : tool == TDesignWindow::Tool::RoundRect ? stRoundRect
                                                                     : stEllipse);
            object = std::move(shape);
            break;
        }
        case TDesignWindow::Tool::Line: {
            auto line = std::make_unique<TKLineShape>();
            line->SetLineStyle(stVertical);
            object = std::move(line);
            break;
        }
        case TDesignWindow::Tool::Pointer:
            return;
        }
        object->Loaded();
        PlaceObject(std::move(object), rect);
    }
};

TDesignWindow::TDesignWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillmark[*]"));
    auto panel = std::make_unique<TDesignPanel>();
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
    BuildToolBar();
    resize(640, 440);
    mPanelWidget->setFocus();
}

TDesignWindow::~TDesignWindow() = default;

TKBasePanel& TDesignWindow::Panel()
{
    return *mPanel;
}

void TDesignWindow::BuildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    mTools = new QActionGroup(this);
    const std::pair<const char*, Tool> tools[] = {{"Pointer", Tool::Pointer},
                                                  {"Rectangle", Tool::Rectangle},
                                                  {"Rounded rectangle", Tool::RoundRect},
                                                  {"Ellipse", Tool::Ellipse},
                                                  {"Line", Tool::Line}};
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

void TDesignWindow::SetTool(Tool tool)
{
    mPanel->tool = tool;
    mPanel->SetPointing(tool == Tool::Pointer);
    for (QAction* action : mTools->actions()) {
        if (action->data().toInt() == int(tool))
            action->setChecked(true);
    }
    mPanelWidget->SetCursorShape(tool == Tool::Pointer ? TKCursorShape::Default : TKCursorShape::Drag);
}

bool TDesignWindow::OpenCard(const QString& fileName, QString* error)
{
    if (!QFileInfo(fileName).isFile()) {
        if (error)
            *error = QStringLiteral("%1: no such card file").arg(fileName);
        return false;
    }
    // Card files hold zoom-1.0 coordinates.
    mZoom->setCurrentIndex(0);
    mPanel->SetZoom(1.0f);
    mPanel->ClearAll();
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

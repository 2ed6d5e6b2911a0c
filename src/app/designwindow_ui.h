// TDesignWindow: a plain window hosting a design panel with a small tool bar, for trying the panel by hand.
#pragma once

#include <QMainWindow>

class QActionGroup;
class QComboBox;

namespace qm {

class TKBasePanel;
class TKBasePanelWidget;
class TDesignPanel;

class TDesignWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The drawing tools of the tool bar.
    enum class Tool
    {
        Pointer,
        Rectangle,
        RoundRect,
        Ellipse,
        Line
    };

    explicit TDesignWindow(QWidget* parent = nullptr);
    ~TDesignWindow() override;

    TKBasePanel& Panel();
    TKBasePanelWidget& PanelWidget() { return *mPanelWidget; }

    // Replaces the card by the objects of a card file; false with a message when it could not be read.
    bool OpenCard(const QString& fileName, QString* error);
    void SetTool(Tool tool);

private:
    void BuildToolBar();

    TDesignPanel* mPanel = nullptr;
    TKBasePanelWidget* mPanelWidget = nullptr;
    QActionGroup* mTools = nullptr;
    QComboBox* mZoom = nullptr;
};

} // namespace qm

// TDesignWindow: a plain window hosting the business card panel with a small tool bar, for trying it by hand.
#pragma once

#include <QMainWindow>

class QActionGroup;
class QComboBox;

namespace qm {

class TKBasePanelWidget;
class TKBusinessCardPanel32;

class TDesignWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The drawing tools of the tool bar.
    enum class Tool
    {
        Pointer,
        Text,
        Rectangle,
        RoundRect,
        Ellipse,
        Line
    };

    explicit TDesignWindow(QWidget* parent = nullptr);
    ~TDesignWindow() override;

    TKBusinessCardPanel32& Panel();
    TKBasePanelWidget& PanelWidget() { return *mPanelWidget; }

    // Replaces the card by the objects of a card file; false with a message when it could not be read.
    bool OpenCard(const QString& fileName, QString* error);
    // Replaces the card by the one a description file (a template) describes, with its background art.
    void OpenTemplate(const QString& fileName);
    void SetTool(Tool tool);

private:
    void BuildMenus();
    void BuildToolBar();
    void ChooseTemplate();
    void SaveTemplate();
    void EditPersonalInfo();
    void SetZoomPercent(int percent);

    TKBusinessCardPanel32* mPanel = nullptr;
    QString mBackgroundName;
    TKBasePanelWidget* mPanelWidget = nullptr;
    QActionGroup* mTools = nullptr;
    QComboBox* mZoom = nullptr;
};

} // namespace qm

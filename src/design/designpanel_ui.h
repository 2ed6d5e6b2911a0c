// SPDX-License-Identifier: GPL-3.0-or-later
// BasePanelWidget: the design panel on screen, turning Qt's paint, mouse and key events into panel calls.
#pragma once

#include "design/designpanel.h"
#include "model/objectdialogs.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QCursor;
class QMenu;

namespace qm {

// The standard font, colour, number and message dialogs the widget gives its panel; they live with the text
// objects whose dialogs they show (objects/objectdialogs_ui.cpp).
std::unique_ptr<TKDialogs> StandardDialogs(QWidget* parent);

class BasePanelWidget : public QWidget, public PanelView
{
    Q_OBJECT
public:
    // Shows the given panel, or a plain TKBasePanel when none is given; the widget owns it.
    explicit BasePanelWidget(std::unique_ptr<TKBasePanel> panel = nullptr, QWidget* parent = nullptr);
    ~BasePanelWidget() override;

    TKBasePanel& Panel() { return *mPanel; }

    // Where the panel's millisecond times come from; tests give their own clock.
    void SetClock(std::function<qint64()> clock) { mClock = std::move(clock); }
    qint64 Now() const;

    // The mouse cursor for a shape the panel asks for; the hands are drawn here.
    static QCursor CursorFor(TKCursorShape shape);

    // Shows a right-click menu at a screen position and gives the item picked (null for none); tests
    // replace it to pick items without a menu on screen.
    std::function<QAction*(QMenu& menu, QPoint screenPos)> RunMenu;

    // PanelView
    void InvalidateRect(const QRect& rect) override;
    void SetCursorShape(TKCursorShape shape) override;
    void ShowMenu(TKMenu& menu, QPoint screenPos) override;
    void ProcessEvents() override;
    void PanelResized(QSize viewSize) override;
    void PostFrameRecompute() override;
    QPoint ScreenPoint(QPoint cardPoint) const override;

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Tells screen readers which object is selected and has the keyboard.
    void AnnounceSelection();

    std::unique_ptr<TKBasePanel> mPanel;
    std::unique_ptr<TKDialogs> mDialogs;
    QElapsedTimer mTimer;
    std::function<qint64()> mClock;
    bool mRecomputeQueued = false;
    const void* mAnnounced = nullptr;
};

// Lets screen readers see the design panel as "Card design" with one child per object (its kind and text,
// its place on the screen, selected and focused); installed once for the application.
void InstallPanelAccessibility();

} // namespace qm

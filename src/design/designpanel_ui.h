// SPDX-License-Identifier: GPL-3.0-or-later
// BasePanelWidget: the design panel on screen, turning Qt's paint, mouse and key events into panel calls.
#pragma once

#include "design/designpanel.h"
#include "model/objectdialogs.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QCursor;

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

    // PanelView
    void InvalidateRect(const QRect& rect) override;
    void SetCursorShape(TKCursorShape shape) override;
    void ShowMenu(TKMenu& menu, QPoint screenPos) override;
    void ProcessEvents() override;
    void PanelResized(QSize viewSize) override;
    void PostFrameRecompute() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<TKBasePanel> mPanel;
    std::unique_ptr<TKDialogs> mDialogs;
    QElapsedTimer mTimer;
    std::function<qint64()> mClock;
    bool mRecomputeQueued = false;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPicture: the sheet at a fifth of its size, one rectangle for each card position, for the dialogs that
// choose positions, by mouse or keyboard, read by screen readers as a check box per position.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qm {

class TSheetSelection;

class SheetPicture : public QWidget
{
    Q_OBJECT
public:
    // The picture of sheet, which must outlive it; at least as large as the paper.
    SheetPicture(const TSheetSelection& sheet, QWidget* parent);

    // The colour of a position (counted from 0); white when unset.
    std::function<QColor(int position)> Fill;
    // A click on the picture, in its own pixels.
    std::function<void(QPoint at)> Clicked;
    // Space on the position the keyboard cursor is on (counted from 0).
    std::function<void(int position)> Activated;
    // Whether a position is ticked, as screen readers say it; the fill colour alone when unset.
    std::function<bool(int position)> Checked;

    const TSheetSelection& Sheet() const { return mSheet; }
    // The position the arrow keys move; -1 before the picture first had the keyboard.
    int Cursor() const { return mCursor; }
    void SetCursor(int position);
    // Tells screen readers that a position was ticked or cleared.
    void PositionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const TSheetSelection& mSheet;
    int mCursor = -1;
};

// The "Printer" group of the dialogs that start a job: the printer's name (in name) and a "Print Setup"
// button that calls setup.
struct PrinterBox
{
    QGroupBox* box;
    QPushButton* setup;
};
PrinterBox MakePrinterBox(QWidget* parent, QLabel*& name, const std::function<void()>& setup);

} // namespace qm

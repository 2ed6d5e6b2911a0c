// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPicture: the sheet at a fifth of its size, one rectangle for each card position, for the dialogs that
// choose positions.
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
public:
    // The picture of sheet, which must outlive it; at least as large as the paper.
    SheetPicture(const TSheetSelection& sheet, QWidget* parent);

    // The colour of a position (counted from 0); white when unset.
    std::function<QColor(int position)> Fill;
    // A click on the picture, in its own pixels.
    std::function<void(QPoint at)> Clicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TSheetSelection& mSheet;
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

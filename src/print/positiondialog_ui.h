// SPDX-License-Identifier: GPL-3.0-or-later
// TSelectSpecificLabels: the "Print Cards" dialog: the sheet picture to pick positions, the printer and the
// page count.
#pragma once

#include "print/duplexplacement.h"
#include "print/positionpicker.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace qm {

class SheetPicture;

class TSelectSpecificLabels : public QDialog
{
    Q_OBJECT
public:
    TSelectSpecificLabels(const CardSheetLayout& layout, const SheetPositions& positions,
                          QWidget* parent = nullptr);

    const TSheetSelection& Selection() const { return mSelection; }
    const SheetPositions& Positions() const { return mSelection.Positions(); }
    int Pages() const;
    void SetPages(int pages);
    // Marks of where to cut, in the margins and the gaps between the cards.
    bool CropMarks() const;
    void SetCropMarks(bool on);
    // One-sided or two-sided and how the sheet turns; offered only for a card that has a back (off
    // otherwise, and then one-sided).
    DuplexMode Duplex() const;
    void SetDuplex(DuplexMode mode, bool cardHasBack);
    QComboBox* DuplexBox() const { return mDuplex; }
    // The paint box that shows the sheet; a press in it toggles the position under the pointer.
    QWidget* PaintBox() const;
    QString PrinterLabel() const;

    // "Print &Setup": runs the printer set-up dialog; the printer's name is shown afterwards.
    std::function<void()> PrintSetup;
    // The current printer's name.
    std::function<QString()> PrinterName;
    // Called by "Ok" whether or not it closes the dialog, with the page count: the report printer's
    // orientation goes back to the default and its copy count becomes the page count.
    std::function<void(int pages)> ApplyToPrinter;
    // The information box ("You must select at least one card to print").
    std::function<void(const QString&)> Inform;

    void SelectAll();
    void SelectNone();
    void ShowPrinterName();
    void accept() override;

private:
    TSheetSelection mSelection;
    SheetPicture* mBox = nullptr;
    QLabel* mPrinter = nullptr;
    QSpinBox* mPages = nullptr;
    QCheckBox* mCropMarks = nullptr;
    QComboBox* mDuplex = nullptr;
};

} // namespace qm

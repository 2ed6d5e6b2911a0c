// SPDX-License-Identifier: GPL-3.0-or-later
// TEditCardLayout: the "Business Card Layout" dialog that edits a card sheet layout in inches or millimetres.
#pragma once
#include "model/sheetlayout.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace qm {

// Run once and thrown away. The caller hands in its layout, runs the dialog and, when it ends with "Ok",
// takes Layout() back. The handlers are public so that tests can set the controls and press the buttons
// without running the dialog.
class TEditCardLayout : public QDialog
{
    Q_OBJECT
public:
    explicit TEditCardLayout(const CardSheetLayout& layout, QWidget* parent = nullptr);
    ~TEditCardLayout() override;

    // The layout handed in, replaced by the entries once "Ok" has passed ValidCard. UseMM follows the unit
    // buttons and UsePortrait the "Rotated" button.
    const CardSheetLayout& Layout() const { return mLayout; }

    // What the entries say now, in inches, without checking them. Millimetre entries are rounded to
    // thousandths of an inch.
    CardSheetLayout EnteredLayout() const;
    bool ShowingMillimetres() const { return mShowingMM; }

    // "Help"; nothing happens while it is empty.
    std::function<void()> OnHelp;
    // Shows a check's message; by default the information box.
    std::function<void(const QString&)> ShowInformation;

    // The controls.
    QComboBox* PredefinedLayouts = nullptr;
    QRadioButton* Inchesbutton = nullptr;
    QRadioButton* MMButton = nullptr;
    QDoubleSpinBox* eCardwidth = nullptr;
    QDoubleSpinBox* eCardHeight = nullptr;
    QDoubleSpinBox* eHorizPitch = nullptr;
    QDoubleSpinBox* eVertPitch = nullptr;
    QSpinBox* enbracross = nullptr;
    QSpinBox* enbrdown = nullptr;
    QDoubleSpinBox* eleftmarg = nullptr;
    QDoubleSpinBox* etopmarg = nullptr;
    QComboBox* epapersize = nullptr;
    QRadioButton* eLandscape = nullptr; // "Normal"
    QRadioButton* ePortrait = nullptr;  // "Rotated"
    QPushButton* OKButton = nullptr;
    QPushButton* Cancelbutton = nullptr;
    QPushButton* Helpbutton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

    // A row of the predefined list was chosen: its sheet values go into the entries; the orientation and the
    // unit stay as they are.
    void PredefinedLayoutsChange(int index);
    void MMButtonClick();
    void InchesbuttonClick();
    // Leaving the card width (height): a pitch smaller than the card grows to the card.
    void eCardwidthExit();
    void eCardHeightExit();
    // Takes the entries, checks them and closes with "Ok" when they pass; otherwise shows the message and
    // stays.
    void OKButtonClick();

private:
    void BuildControls();
    // Puts the held values into the entries, in the unit the unit buttons choose.
    void FillControls();
    void ShowLengthsIn(bool millimetres);

    CardSheetLayout mLayout;
    bool mSettingUp = true;
    bool mShowingMM = false;
};

} // namespace qm

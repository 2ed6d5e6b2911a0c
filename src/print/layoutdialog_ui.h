// SPDX-License-Identifier: GPL-3.0-or-later
// TEditCardLayout: the "Business Card Layout" dialog that edits a card sheet layout in inches or millimetres,
// with the searchable list of card stock.
#pragma once
#include "model/sheetlayout.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace qm {

class StockCatalog;
struct StockEntry;

// Run once and thrown away. The caller hands in its layout, runs the dialog and, when it ends with "Ok",
// takes Layout() back. The handlers are public so that tests can set the controls and press the buttons
// without running the dialog.
class TEditCardLayout : public QDialog
{
    Q_OBJECT
public:
    // The stock list shows catalog, or the installed catalogue (read on first use) when it is null.
    explicit TEditCardLayout(const CardSheetLayout& layout, QWidget* parent = nullptr,
                             const StockCatalog* catalog = nullptr);
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
    // Asks the name of the stock to save; an empty answer saves nothing. By default an input box.
    std::function<QString()> AskStockName;
    // Asks for a gLabels templates file to import; empty for none. By default a file dialog.
    std::function<QString()> AskStockFile;
    // Where own stock is kept: the data folder's qmk.ini unless set.
    QString PreferencesPath;

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
    // The card stock list: search words, paper, the products, what the chosen one says, and its buttons.
    QLineEdit* StockSearch = nullptr;
    QComboBox* StockPaper = nullptr;
    QTreeWidget* StockList = nullptr;
    QLabel* StockNote = nullptr;
    QPushButton* SaveStockButton = nullptr;
    QPushButton* ImportStockButton = nullptr;

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

    // The stock list shows the products matching every word and of the chosen paper.
    void StockFilterChange();
    // A product of the list was chosen: its sheet goes into the entries (the orientation and the unit stay),
    // or the note says why it cannot be printed on and the entries stay.
    void StockChosen(int row);
    // The products the list shows now, in order.
    const std::vector<const StockEntry*>& StockRows() const { return mStockRows; }
    // Checks the entries and keeps them as own stock under the name asked; the list then holds it.
    void SaveStockAsClick();
    // Copies a gLabels templates file that reads into the data folder's stock/; the list then holds its
    // products.
    void ImportStockClick();

private:
    void BuildControls();
    // Puts the held values into the entries, in the unit the unit buttons choose.
    void FillControls();
    void ShowLengthsIn(bool millimetres);

    QWidget* BuildStockList();
    void UseCatalog(const StockCatalog& catalog);
    // Says which products' sheet the entries are, if any.
    void NoteMatchingStock();

    CardSheetLayout mLayout;
    const StockCatalog* mCatalog = nullptr;
    bool mOwnCatalog = false; // the installed one: fetched again after it is read anew
    std::vector<const StockEntry*> mStockRows;
    bool mSettingUp = true;
    bool mShowingMM = false;
};

} // namespace qm

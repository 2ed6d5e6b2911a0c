// SPDX-License-Identifier: GPL-3.0-or-later
// TMergeDialog: the "Print Merge" dialog: the data file, which of its columns feeds each personal field (with
// the first person's values), the position of the first card on the sheet, the printer, Preview and Print.
#pragma once

#include "model/sheetlayout.h"
#include "print/positionpicker.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace qm {

class TMergeFeed;
class SheetPicture;

class TMergeDialog : public QDialog
{
    Q_OBJECT
public:
    // The feed is the dialog's merge: opening a file and changing the columns or the start position go
    // straight to it.
    TMergeDialog(TMergeFeed& merge, const CardSheetLayout& layout, QWidget* parent = nullptr);

    // Opens a data file into the merge and shows it; a file that cannot be used shows why, and Preview and
    // Print stay off until a good one is chosen.
    void OpenFile(const QString& path);
    // Where "Browse..." starts when no file is open.
    void SetBrowseFolder(const QString& folder) { mBrowseFolder = folder; }
    void ShowPrinterName();
    // Points the combo of a personal field at a column (-1 for none), as a user choosing it would.
    void ChooseColumn(int field, int column);
    // Points it back at the columns that matching put together for the field, when it did.
    void ChooseMatched(int field);
    void SetStartPosition(int position);

    QString Problem() const;
    QTableWidget* MappingTable() const { return mTable; }
    QComboBox* ColumnCombo(int field) const;
    QPushButton* PreviewButton() const { return mPreview; }
    QPushButton* PrintButton() const { return mPrint; }

    // "Preview": the merge's first sheets.
    std::function<void()> Preview;
    // "Print...": true when printed, which closes the dialog.
    std::function<bool()> Print;
    // The current printer's name, and "Print Setup" to choose another.
    std::function<QString()> PrinterName;
    std::function<void()> PrintSetup;
    // Asks for a data file starting in a folder; empty when cancelled. A file dialog by default.
    std::function<QString(const QString& folder)> ChooseDataFile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMerge();
    // Points every combo at what feeds its field, and shows the values.
    void ShowColumns();
    void ShowValues();
    void StartChanged(int position);

    // The item of a column combo that stands for the columns matching put together.
    static constexpr int kMatchedItem = -2;

    TMergeFeed& mMerge;
    QString mShownPath; // the file last opened, as its box shows it
    TSheetSelection mSheet;
    QString mBrowseFolder;
    QLineEdit* mPath = nullptr;
    QLabel* mStatus = nullptr;
    QTableWidget* mTable = nullptr;
    QSpinBox* mStart = nullptr;
    SheetPicture* mPicture = nullptr;
    QLabel* mPrinter = nullptr;
    QPushButton* mPreview = nullptr;
    QPushButton* mPrint = nullptr;
    bool mFilling = false;
};

} // namespace qm

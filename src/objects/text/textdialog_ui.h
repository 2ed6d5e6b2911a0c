// SPDX-License-Identifier: GPL-3.0-or-later
// TGetLabelText: the text entry dialog of a plain text label.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;

namespace qm {

class TKPLabel;

class TGetLabelText : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TGetLabelText)

public:
    static constexpr int kHelpContext = 40004;

    // Fills the edit box with the label's caption; the label is changed only by "Ok".
    explicit TGetLabelText(TKPLabel& label, QWidget* parent = nullptr);

    QLineEdit* LabelText() const { return mLabelText; }
    QCheckBox* ShrinkToFit() const { return mShrinkToFit; }
    // "Ok": the label takes the edited text as its caption and the shrink-to-fit choice, grows to fit the
    // text (in height only when it shrinks to fit), and the dialog closes with OK.
    void OKButtonClick();

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    TKPLabel& mLabel;
    QLineEdit* mLabelText = nullptr;
    QCheckBox* mShrinkToFit = nullptr;
};

// Shows the dialog modally over parent; true when the user chose "Ok" and the label took the text.
bool ShowGetLabelText(QWidget* parent, TKPLabel& label, const std::function<void(int)>& showHelp = {});

} // namespace qm

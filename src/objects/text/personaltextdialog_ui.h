// SPDX-License-Identifier: GPL-3.0-or-later
// TGetBCLabelText: the text dialog of a personal-information label, typed or picked from the user's details.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QCheckBox;
class QLineEdit;

namespace qm {

class TKBusinessCardLabel;

class TGetBCLabelText : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TGetBCLabelText)

public:
    static constexpr int kHelpContext = 40004;

    // personal: the ten personal-information values in field order; the drop-down offers the non-empty ones
    // and is disabled when there are none.
    TGetBCLabelText(TKBusinessCardLabel& label, const QStringList& personal, QWidget* parent = nullptr);

    QLineEdit* LabelText() const { return mLabelText; }
    QCheckBox* ShrinkToFit() const { return mShrinkToFit; }
    QComboBox* PersonalInfoCombo() const { return mPersonalInfoCombo; }

    // A value picked in the drop-down is copied into the edit box.
    void PersonalInfoComboChange(int index);
    // "Ok": the label takes the edited text as its caption and the shrink-to-fit choice, grows to fit the
    // text (in height only when it shrinks to fit), and the dialog closes with OK.
    void OKButtonClick();

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    TKBusinessCardLabel& mLabel;
    QLineEdit* mLabelText = nullptr;
    QCheckBox* mShrinkToFit = nullptr;
    QComboBox* mPersonalInfoCombo = nullptr;
};

// Shows the dialog modally over parent with the personal information of the label's panel; true when the
// user chose "Ok" and the label took the text.
bool ShowGetBCLabelText(QWidget* parent, TKBusinessCardLabel& label,
                        const std::function<void(int)>& showHelp = {});

} // namespace qm

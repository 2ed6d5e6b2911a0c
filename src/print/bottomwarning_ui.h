// SPDX-License-Identifier: GPL-3.0-or-later
// TWarnBottomMargin: the "ALERT" shown before printing when the printer cannot reach the bottom cards.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace qm {

// Accepted: "Continue"; rejected: "Cancel Printing". Either way DontShowAgain tells whether the user ticked
// "Don't show this warning again".
class TWarnBottomMargin : public QDialog
{
    Q_OBJECT
public:
    // bottomMargin: the printer's unprintable band at the bottom, in inches.
    explicit TWarnBottomMargin(double bottomMargin, QWidget* parent = nullptr);
    bool DontShowAgain() const;
    QString BottomMarginLabel() const;
    QString DifferenceLabel() const;
    QCheckBox* DontShowCheck() const { return mDontShow; }

private:
    QLabel* mBotMarg = nullptr;
    QLabel* mDifference = nullptr;
    QCheckBox* mDontShow = nullptr;
};

} // namespace qm

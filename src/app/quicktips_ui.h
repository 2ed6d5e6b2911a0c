// SPDX-License-Identifier: GPL-3.0-or-later
// QuickTips: the Quick Tips window, one short tip at a time, and whether it opens at start.
#pragma once

#include "settings/preferences.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qm {

class QuickTips : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::QuickTips)

public:
    // Starts at the tip after the one shown last; the settings are kept in prefs' file.
    QuickTips(const Preferences& prefs, QWidget* parent);

    static int TipCount();
    int Tip() const { return mTip; }
    QString TipText() const;
    void ShowTip(int tip); // wraps around both ways
    void NextTip() { ShowTip(mTip + 1); }
    void PreviousTip() { ShowTip(mTip - 1); }

    QCheckBox* ShowAtStartCheck() const { return mShowAtStart; }

private:
    void Save();

    Preferences mPrefs;
    QLabel* mText = nullptr;
    QLabel* mNumber = nullptr;
    QCheckBox* mShowAtStart = nullptr;
    int mTip = 0;
};

} // namespace qm

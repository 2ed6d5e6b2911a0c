// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintStatusWindow: the modal status window that runs a print or preview job and lets the user cancel it.
#pragma once

#include "print/sheetprinter.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace qm {

class TKReport;

class TPrintStatusWindow : public QDialog
{
    Q_OBJECT
public:
    TPrintStatusWindow(TLabelPrinter& job, TKReport& report, QWidget* parent = nullptr);

    // Shows the window modally; the job runs when it first appears. The window closes by itself when the job
    // finished, and stays with the reason (and an OK button) when it was cancelled or failed.
    TJobOutcome RunModal();
    TJobOutcome Outcome() const { return mOutcome; }
    QString StatusText() const;
    QString CardText() const;
    QString ButtonText() const;

    // Asked before a print is cancelled: "Cancel Business Card Printing?". True for Yes.
    std::function<bool()> ConfirmCancel;

    // The Cancel (Stop, later OK) button.
    void CancelClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void RunJob();

    TLabelPrinter& mJob;
    TKReport& mReport;
    QLabel* mStatus = nullptr;
    QLabel* mExtra = nullptr;
    QPushButton* mButton = nullptr;
    bool mStarted = false;
    bool mRunning = false;
    bool mAsking = false;
    TJobOutcome mOutcome = joFinished;
};

} // namespace qm

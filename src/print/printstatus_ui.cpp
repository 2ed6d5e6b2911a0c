// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintStatusWindow: progress of the job, the card being printed, and Cancel or Stop.
#include "print/printstatus_ui.h"

#include "print/report.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qm {

TPrintStatusWindow::TPrintStatusWindow(TLabelPrinter& job, TKReport& report, QWidget* parent)
    : QDialog(parent), mJob(job), mReport(report)
{
    const bool print = job.Job().PrintMode;
    setWindowTitle(print ? tr("Print Status") : tr("Preview Status"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("RStatusLabel"));
    mStatus->setAlignment(Qt::AlignCenter);
    mStatus->setMinimumSize(260, 64);
    mStatus->setFrameShape(QFrame::StyledPanel);
    mExtra = new QLabel(this);
    mExtra->setObjectName(QStringLiteral("Extralabel"));
    mExtra->setAlignment(Qt::AlignCenter);
    mButton = new QPushButton(print ? tr("Cancel") : tr("Stop"), this);
    mButton->setObjectName(QStringLiteral("CancelButton"));
    connect(mButton, &QPushButton::clicked, this, &TPrintStatusWindow::CancelClicked);
    mButton->setWhatsThis(print ? tr("Stops printing after asking; sheets already sent may still print.")
                                : tr("Stops making the preview."));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mStatus);
    layout->addWidget(mExtra);
    layout->addLayout(buttons);

    ConfirmCancel = [this] {
        return QMessageBox::question(this, windowTitle(), tr("Cancel Business Card Printing?"),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
}

QString TPrintStatusWindow::StatusText() const
{
    return mStatus->text();
}

QString TPrintStatusWindow::CardText() const
{
    return mExtra->text();
}

QString TPrintStatusWindow::ButtonText() const
{
    return mButton->text();
}

TJobOutcome TPrintStatusWindow::RunModal()
{
    exec();
    return mOutcome;
}

void TPrintStatusWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!mStarted) {
        mStarted = true;
        // The job starts once the window is on the screen.
        QTimer::singleShot(0, this, &TPrintStatusWindow::RunJob);
    }
}

void TPrintStatusWindow::RunJob()
{
    mRunning = true;
    mReport.StatusChanged = [this](const QString& text) { mStatus->setText(text); };
    mJob.CardChanged = [this](const QString& text) { mExtra->setText(text); };
    mJob.ProcessEvents = [] { QCoreApplication::processEvents(); };
    mOutcome = mJob.Run(mReport);
    mRunning = false;
    mReport.StatusChanged = nullptr;
    mJob.CardChanged = nullptr;
    mJob.ProcessEvents = nullptr;
    QCoreApplication::processEvents();

    mExtra->clear();
    mButton->setText(tr("OK"));
    const QString final = mJob.FinalStatus(mOutcome, mReport);
    if (final.isEmpty())
        accept();
    else
        mStatus->setText(final);
}

void TPrintStatusWindow::CancelClicked()
{
    if (!mRunning) {
        if (mStarted)
            done(mOutcome == joFinished ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    if (mAsking || mJob.CancelRequested())
        return;
    if (mJob.Job().PrintMode) {
        mAsking = true;
        const bool yes = ConfirmCancel ? ConfirmCancel() : true;
        mAsking = false;
        if (yes && mRunning)
            mJob.RequestCancel(mReport);
    } else {
        mJob.RequestCancel(mReport);
        mStatus->setText(tr("Cancelling...!"));
        QCoreApplication::processEvents();
    }
}

void TPrintStatusWindow::reject()
{
    // Escape and the window's close button act as the button; the window never closes under a running job.
    CancelClicked();
}

} // namespace qm

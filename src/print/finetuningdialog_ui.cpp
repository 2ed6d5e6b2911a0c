// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintFineTune: four panels of explanation, name, value and arrows; Default, Ok and Cancel.
#include "print/finetuningdialog_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helptopics.h"

#include "print/calibrationpanel_ui.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

TPrintFineTune::TPrintFineTune(const PrintNudges& nudges, QWidget* parent, const QString& printer)
    : QDialog(parent), mLogic(nudges)
{
    setWindowTitle(tr("Printer Fine-Tuning"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < FineTuneNudges::kNudgeCount; ++i) {
        const auto which = FineTuneNudges::TNudge(i);
        auto* panel = new QGroupBox(this);
        auto* grid = new QGridLayout(panel);
        auto* explanation = new QLabel(FineTuneNudges::Explanation(which), panel);
        explanation->setWordWrap(true);
        auto* name = new QLabel(FineTuneNudges::Name(which), panel);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        auto* value = new QLabel(panel);
        value->setMinimumWidth(150);
        auto* up = new QToolButton(panel);
        up->setArrowType(Qt::UpArrow);
        up->setToolTip(tr("Decrease by 1/32\""));
        //: %1 is the value the arrow changes ("Vertical Spacing")
        up->setAccessibleName(tr("%1: decrease by 1/32 inch").arg(FineTuneNudges::Name(which)));
        auto* down = new QToolButton(panel);
        down->setArrowType(Qt::DownArrow);
        down->setToolTip(tr("Increase by 1/32\""));
        //: %1 is the value the arrow changes ("Vertical Spacing")
        down->setAccessibleName(tr("%1: increase by 1/32 inch").arg(FineTuneNudges::Name(which)));
        connect(up, &QToolButton::clicked, this, [this, which] {
            mLogic.UpperArrow(which);
            Refresh();
        });
        connect(down, &QToolButton::clicked, this, [this, which] {
            mLogic.LowerArrow(which);
            Refresh();
        });
        grid->addWidget(explanation, 0, 0, 1, 3);
        grid->addWidget(name, 1, 0);
        grid->addWidget(value, 1, 1);
        auto* arrows = new QVBoxLayout;
        arrows->setSpacing(0);
        arrows->addWidget(up);
        arrows->addWidget(down);
        grid->addLayout(arrows, 1, 2);
        grid->setColumnStretch(1, 1);
        layout->addWidget(panel);
        mValues[size_t(i)] = value;
        mUp[size_t(i)] = up;
        mDown[size_t(i)] = down;
    }
    mCalibration = new CalibrationPanel(nudges, printer, this);
    layout->addWidget(mCalibration);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* defaults =
        buttons->addButton(tr("Default", "put the values back"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("DefaultButton"));
    QPushButton* ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    connect(defaults, &QPushButton::clicked, this, [this] {
        mLogic.Default();
        mCalibration->Show(mLogic.Nudges());
        Refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpFineTuning);
    defaults->setWhatsThis(tr("Puts all four values back to zero: the print as the layout says."));
    for (int i = 0; i < FineTuneNudges::kNudgeCount; ++i) {
        mUp[size_t(i)]->setWhatsThis(tr("Takes 1/32 inch off this value."));
        mDown[size_t(i)]->setWhatsThis(tr("Adds 1/32 inch to this value."));
    }
    layout->addWidget(buttons);
    setMinimumWidth(460);
    Refresh();
}

QString TPrintFineTune::ValueText(FineTuneNudges::TNudge which) const
{
    return mValues[size_t(which)]->text();
}

void TPrintFineTune::Refresh()
{
    for (int i = 0; i < FineTuneNudges::kNudgeCount; ++i)
        mValues[size_t(i)]->setText(mLogic.Caption(FineTuneNudges::TNudge(i)));
}

void TPrintFineTune::accept()
{
    PrintNudges n = mLogic.Nudges();
    if (!mCalibration->Take(&n))
        return;
    mLogic = FineTuneNudges(n);
    QDialog::accept();
}

} // namespace qm

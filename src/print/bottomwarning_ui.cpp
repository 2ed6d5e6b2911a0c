// SPDX-License-Identifier: GPL-3.0-or-later
// TWarnBottomMargin: the measured lines, the advice, the don't-show box and Continue or Cancel Printing.
#include "print/bottomwarning_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helptopics.h"
#include "print/finetuning.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm {

TWarnBottomMargin::TWarnBottomMargin(double bottomMargin, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("ALERT"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto label = [this](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setWordWrap(true);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    mBotMarg = label(BottomMarginText(bottomMargin), "BotMarg");
    mDifference = label(BottomMarginDifferenceText(bottomMargin), "Difference");
    QLabel* advice = label(BottomMarginAdvice(), "Advice");
    QLabel* note = label(BottomMarginNote(), "Note");
    mDontShow = new QCheckBox(tr("Don't show this warning again"), this);
    mDontShow->setObjectName(QStringLiteral("DontShowCheck"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* go = buttons->addButton(tr("Continue"), QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    QPushButton* stop = buttons->addButton(tr("Cancel Printing"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpBottomMargin);
    go->setWhatsThis(tr("Prints anyway; the bottom of the lowest cards may be missing."));
    stop->setWhatsThis(tr("Prints nothing. Leave out the bottom row in Print Cards and print again."));
    mDontShow->setWhatsThis(tr("Never shows this warning again (your printer prints the bottom row well)."));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignLeft);
    for (QLabel* l : {mBotMarg, mDifference, advice, note})
        layout->addWidget(l);
    layout->addWidget(mDontShow);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

bool TWarnBottomMargin::DontShowAgain() const
{
    return mDontShow->isChecked();
}

QString TWarnBottomMargin::BottomMarginLabel() const
{
    return mBotMarg->text();
}

QString TWarnBottomMargin::DifferenceLabel() const
{
    return mDifference->text();
}

} // namespace qm

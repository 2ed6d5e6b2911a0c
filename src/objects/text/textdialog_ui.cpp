// SPDX-License-Identifier: GPL-3.0-or-later
// TGetLabelText: the text entry dialog of a plain text label.
#include "objects/text/textdialog_ui.h"

#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/textlabel.h"
#include "platform/helphook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

TGetLabelText::TGetLabelText(TKPLabel& label, QWidget* parent) : QDialog(parent), mLabel(label)
{
    setObjectName(QStringLiteral("GetLabelText"));
    setWindowTitle(tr("Text"));

    auto* prompt = new QLabel(tr("Enter Text"), this);
    mLabelText = new QLineEdit(label.Caption(), this);
    mLabelText->setObjectName(QStringLiteral("LabelText"));
    mLabelText->setFixedWidth(321);
    mLabelText->setWhatsThis(tr("Type the text of the label. It is drawn on one line in the "
                                "label's font, with its shadow and highlight."));
    prompt->setBuddy(mLabelText);
    AddWhatsThisMenu(mLabelText);

    mShrinkToFit = MakeShrinkToFitBox(this, label.ShrinkToFit());

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    connect(bar.ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(mLabelText);
    layout->addWidget(mShrinkToFit);
    layout->addStretch(1);
    layout->addLayout(bar.layout);

    resize(356, 160);
    mLabelText->selectAll();
    mLabelText->setFocus();
}

void TGetLabelText::OKButtonClick()
{
    mLabel.SetCaption(mLabelText->text());
    mLabel.SetShrinkToFit(mShrinkToFit->isChecked());
    mLabel.AutoGrow();
    mLabel.Invalidate();
    accept();
}

bool ShowGetLabelText(QWidget* parent, TKPLabel& label, const std::function<void(int)>& showHelp)
{
    TGetLabelText dialog(label, parent);
    dialog.OnHelp = showHelp;
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TGetBCLabelText: the text dialog of a personal-information label.
#include "objects/text/personaltextdialog_ui.h"

#include "objects/text/personallabel.h"
#include "objects/text/labeldialogparts_ui.h"
#include "platform/helphook.h"

#include <QComboBox>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

TGetBCLabelText::TGetBCLabelText(TKBusinessCardLabel& label, const QStringList& personal, QWidget* parent)
    : QDialog(parent), mLabel(label)
{
    setObjectName(QStringLiteral("GetBCLabelText"));
    setWindowTitle(tr("Text"));

    auto* prompt = new QLabel(tr("Enter Text"), this);
    mLabelText = new QLineEdit(label.Caption(), this);
    mLabelText->setObjectName(QStringLiteral("LabelText"));
    mLabelText->setFixedWidth(321);
    mLabelText->setWhatsThis(tr("Type the text of the label, or pick one of your personal details "
                                "below and change it here as you like."));
    prompt->setBuddy(mLabelText);
    AddWhatsThisMenu(mLabelText);

    auto* orPrompt = new QLabel(tr("or select personal information"), this);
    mPersonalInfoCombo = new QComboBox(this);
    mPersonalInfoCombo->setObjectName(QStringLiteral("PersonalInfoCombo"));
    mPersonalInfoCombo->setFixedWidth(204);
    mPersonalInfoCombo->setWhatsThis(tr("Your personal information as entered with Personal "
                                        "Information. Picking an entry puts it into the text box; "
                                        "the label does not follow later changes of it."));
    for (int i = 0; i < TKBusinessCardLabel::kPersonalFieldCount && i < personal.size(); ++i) {
        if (!personal[i].isEmpty())
            mPersonalInfoCombo->addItem(personal[i]);
    }
    mPersonalInfoCombo->setCurrentIndex(-1);
    // Said in words, so that an empty box does not look like a disabled one.
    const bool any = mPersonalInfoCombo->count() > 0;
    mPersonalInfoCombo->setPlaceholderText(any ? tr("Choose an entry")
                                               : tr("None yet (Edit, Personal Information)"));
    mPersonalInfoCombo->setEnabled(any);
    orPrompt->setBuddy(mPersonalInfoCombo);
    AddWhatsThisMenu(mPersonalInfoCombo);
    connect(mPersonalInfoCombo, &QComboBox::activated, this,
            [this](int index) { PersonalInfoComboChange(index); });

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
    layout->setContentsMargins(6, 8, 6, 8); // the 321-pixel edit box fills the narrow dialog
    layout->addWidget(prompt);
    layout->addWidget(mLabelText);
    layout->addSpacing(6);
    layout->addWidget(orPrompt);
    layout->addWidget(mPersonalInfoCombo);
    layout->addWidget(mShrinkToFit);
    layout->addStretch(1);
    layout->addLayout(bar.layout);

    resize(334, 190);
    mLabelText->selectAll();
    mLabelText->setFocus();
}

void TGetBCLabelText::PersonalInfoComboChange(int index)
{
    if (index >= 0 && index < mPersonalInfoCombo->count())
        mLabelText->setText(mPersonalInfoCombo->itemText(index));
}

void TGetBCLabelText::OKButtonClick()
{
    mLabel.SetCaption(mLabelText->text());
    mLabel.SetShrinkToFit(mShrinkToFit->isChecked());
    mLabel.AutoGrow();
    mLabel.Invalidate();
    accept();
}

bool ShowGetBCLabelText(QWidget* parent, TKBusinessCardLabel& label, const std::function<void(int)>& showHelp)
{
    const QStringList personal = label.Host() ? label.Host()->PersonalStrings() : QStringList();
    TGetBCLabelText dialog(label, personal, parent);
    dialog.OnHelp = showHelp;
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The button bar at the foot of the program's dialogs.
#include "design/dialogbar_ui.h"

#include "platform/helphook.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace qm {

DialogButtonBar MakeDialogButtonBar(QDialog* dialog)
{
    DialogButtonBar bar;
    bar.layout = new QHBoxLayout;
    bar.ok = new QPushButton(QStringLiteral("Ok"), dialog);
    bar.ok->setObjectName(QStringLiteral("OKButton"));
    bar.ok->setDefault(true);
    bar.ok->setWhatsThis(QStringLiteral("Closes the dialog and keeps what you chose."));
    bar.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    bar.cancel->setObjectName(QStringLiteral("Cancelbutton"));
    bar.cancel->setAutoDefault(false);
    bar.cancel->setWhatsThis(QStringLiteral("Closes the dialog and changes nothing."));
    bar.help = new QPushButton(QStringLiteral("Help"), dialog);
    bar.help->setObjectName(QStringLiteral("Helpbutton"));
    bar.help->setAutoDefault(false);
    bar.help->setWhatsThis(QStringLiteral("Opens the help page of this dialog."));
    bar.whatsThis = new QToolButton(dialog);
    bar.whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    bar.whatsThis->setDefaultAction(QWhatsThis::createAction(dialog));
    bar.whatsThis->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar.whatsThis->setWhatsThis(QStringLiteral("Click this, then any part of the dialog, to learn what it does."));

    bar.layout->addStretch(1);
    bar.layout->addWidget(bar.ok);
    bar.layout->addWidget(bar.cancel);
    bar.layout->addWidget(bar.help);
    bar.layout->addWidget(bar.whatsThis);
    QObject::connect(bar.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return bar;
}

QPushButton* AddHelpButtons(QDialogButtonBox* buttons, QDialog* dialog, int helpContext)
{
    QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Helpbutton"));
    help->setAutoDefault(false);
    QObject::connect(help, &QPushButton::clicked, dialog, [helpContext] { OpenHelpContext(helpContext); });
    auto* whatsThis = new QToolButton(dialog);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setDefaultAction(QWhatsThis::createAction(dialog));
    whatsThis->setToolButtonStyle(Qt::ToolButtonIconOnly);
    buttons->addButton(whatsThis, QDialogButtonBox::HelpRole);
    // The box may not belong to the dialog yet.
    SetButtonWhatsThis(buttons);
    SetButtonWhatsThis(dialog);
    return help;
}

void SetWhatsThis(std::initializer_list<std::pair<QWidget*, const char*>> texts)
{
    for (const auto& [control, text] : texts)
        control->setWhatsThis(QString::fromUtf8(text));
}

void SetButtonWhatsThis(QWidget* dialog)
{
    static const std::pair<const char*, const char*> kTexts[] = {
        {"Ok", "Closes the dialog and keeps what you chose."},
        {"OK", "Closes the dialog and keeps what you chose."},
        {"Cancel", "Closes the dialog and changes nothing."},
        {"Help", "Opens the help page of this dialog."},
        {"Close", "Closes this window."},
        {"None", "Takes the background art away: the card shows no picture behind its objects."},
    };
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->whatsThis().isEmpty())
            continue;
        if (qobject_cast<QToolButton*>(button) && button->objectName() == QLatin1String("MouseHelpButton")) {
            button->setWhatsThis(QStringLiteral("Click this, then any part of the dialog, to learn what it does."));
            continue;
        }
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        for (const auto& [name, text] : kTexts) {
            if (caption == QLatin1String(name))
                button->setWhatsThis(QString::fromUtf8(text));
        }
    }
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The button bar at the foot of the program's dialogs.
#include "design/dialogbar_ui.h"

#include "platform/helphook.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace qm {

namespace {

const char* const kOkText = QT_TRANSLATE_NOOP("qm::DialogBar", "Closes the dialog and keeps what you chose.");
const char* const kCancelText = QT_TRANSLATE_NOOP("qm::DialogBar", "Closes the dialog and changes nothing.");
const char* const kHelpText = QT_TRANSLATE_NOOP("qm::DialogBar", "Opens the help page of this dialog.");
const char* const kCloseText = QT_TRANSLATE_NOOP("qm::DialogBar", "Closes this window.");
const char* const kWhatsThisText =
    QT_TRANSLATE_NOOP("qm::DialogBar", "Click this, then any part of the dialog, to learn what it does.");

QString Tr(const char* text)
{
    return QCoreApplication::translate("qm::DialogBar", text);
}

// The what's-this text of a usual button: a standard button of a button box by what it is, another by its
// caption, in English or in the user's language; null when it is none of them.
const char* UsualButtonText(QAbstractButton* button)
{
    if (auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget())) {
        switch (box->standardButton(button)) {
        case QDialogButtonBox::Ok:
            return kOkText;
        case QDialogButtonBox::Cancel:
            return kCancelText;
        case QDialogButtonBox::Help:
            return kHelpText;
        case QDialogButtonBox::Close:
            return kCloseText;
        default:
            break;
        }
    }
    static const std::pair<const char*, const char*> kByCaption[] = {
        {QT_TRANSLATE_NOOP("qm::DialogBar", "Ok"), kOkText},
        {"OK", kOkText},
        {QT_TRANSLATE_NOOP("qm::DialogBar", "Cancel"), kCancelText},
        {QT_TRANSLATE_NOOP("qm::DialogBar", "Help"), kHelpText},
        {QT_TRANSLATE_NOOP("qm::DialogBar", "Close"), kCloseText},
        //: A button of the background art dialog: no background art.
        {QT_TRANSLATE_NOOP("qm::DialogBar", "None"),
         QT_TRANSLATE_NOOP("qm::DialogBar",
                           "Takes the background art away: the card shows no picture behind its objects.")},
    };
    const QString caption = QString(button->text()).remove(QLatin1Char('&'));
    for (const auto& [name, text] : kByCaption) {
        if (caption == QLatin1String(name) || caption == Tr(name))
            return text;
    }
    return nullptr;
}

} // namespace

DialogButtonBar MakeDialogButtonBar(QDialog* dialog)
{
    DialogButtonBar bar;
    bar.layout = new QHBoxLayout;
    bar.ok = new QPushButton(Tr("Ok"), dialog);
    bar.ok->setObjectName(QStringLiteral("OKButton"));
    bar.ok->setDefault(true);
    bar.ok->setWhatsThis(Tr(kOkText));
    bar.cancel = new QPushButton(Tr("Cancel"), dialog);
    bar.cancel->setObjectName(QStringLiteral("Cancelbutton"));
    bar.cancel->setAutoDefault(false);
    bar.cancel->setWhatsThis(Tr(kCancelText));
    bar.help = new QPushButton(Tr("Help"), dialog);
    bar.help->setObjectName(QStringLiteral("Helpbutton"));
    bar.help->setAutoDefault(false);
    bar.help->setWhatsThis(Tr(kHelpText));
    bar.whatsThis = new QToolButton(dialog);
    bar.whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    bar.whatsThis->setDefaultAction(QWhatsThis::createAction(dialog));
    bar.whatsThis->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar.whatsThis->setWhatsThis(Tr(kWhatsThisText));

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
    QPushButton* help = buttons->addButton(Tr("Help"), QDialogButtonBox::HelpRole);
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

void SetWhatsThis(std::initializer_list<std::pair<QWidget*, QString>> texts)
{
    for (const auto& [control, text] : texts)
        control->setWhatsThis(text);
}

void SetButtonWhatsThis(QWidget* dialog)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->whatsThis().isEmpty())
            continue;
        if (qobject_cast<QToolButton*>(button) && button->objectName() == QLatin1String("MouseHelpButton")) {
            button->setWhatsThis(Tr(kWhatsThisText));
            continue;
        }
        if (const char* text = UsualButtonText(button))
            button->setWhatsThis(Tr(text));
    }
}

} // namespace qm

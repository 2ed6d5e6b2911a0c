// The button bar at the foot of the program's dialogs.
#include "design/dialogbar_ui.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace qm {

TDialogButtonBar MakeDialogButtonBar(QDialog* dialog)
{
    TDialogButtonBar bar;
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

    bar.layout->addStretch(1);
    bar.layout->addWidget(bar.ok);
    bar.layout->addWidget(bar.cancel);
    bar.layout->addWidget(bar.help);
    bar.layout->addWidget(bar.whatsThis);
    QObject::connect(bar.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return bar;
}

} // namespace qm

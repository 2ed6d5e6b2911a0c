// SPDX-License-Identifier: GPL-3.0-or-later
// TPersonalInformation: the personal-information dialog and the command that stores what it edits.
#include "app/personalinfo_ui.h"

#include "settings/preferences.h"
#include "contacts/contactformats.h"
#include "contacts/vcard.h"
#include "design/cardpanel.h"
#include "objects/text/labeldialogparts_ui.h"
#include "platform/atomicfile.h"
#include "platform/helphook.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

const char* const TPersonalInformation::kFieldCaptions[kFieldCount] = {
    "Name", "Company", "Title", "Address 1", "Address 2", "Address 3", "Phone 1", "Phone 2", "E-mail", "Fax",
};

const char* const TPersonalInformation::kFieldNames[kFieldCount] = {
    "pPersonalName",     "pPersonalCompany", "pPersonalTitle",  "pPersonalAddress1", "pPersonalAddress2",
    "pPersonalAddress3", "pPersonalPhone1",  "pPersonalPhone2", "pPersonalEmail",    "pPersonalFax",
};

namespace {
const char* const kFieldHelp[TPersonalInformation::kFieldCount] = {
    "Your own name as it should appear on your cards.",
    "The name of your business or organisation.",
    "Your title or qualifications.",
    "The first line of your address.",
    "The second line of your address.",
    "The third line of your address.",
    "Your main phone number.",
    "A second phone number, such as a mobile.",
    "Your e-mail address.",
    "Your fax number.",
};
// The vCard format's filter for the import and export dialogs.
QString VCardFilter() { return ContactFormat(ContactFormat::Kind::VCard).NameFilter(); }

} // namespace

TPersonalInformation::TPersonalInformation(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("PersonalInformation"));
    setWindowTitle(QStringLiteral("Personal Information"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < kFieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kFieldNames[i]));
        edit->setFixedWidth(301);
        edit->setWhatsThis(QLatin1String(kFieldHelp[i]));
        AddWhatsThisMenu(edit);
        auto* label = new QLabel(QLatin1String(kFieldCaptions[i]), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        mFields[size_t(i)] = edit;
        // Tab order follows the fields top to bottom.
        if (i > 0)
            setTabOrder(mFields[size_t(i - 1)], edit);
    }
    grid->setColumnStretch(0, 1);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    // Exchanging the fields with address books.
    auto* importButton = new QPushButton(QStringLiteral("Import from vCard..."), this);
    importButton->setObjectName(QStringLiteral("ImportVCardButton"));
    importButton->setWhatsThis(QStringLiteral("Fills the fields from a contact saved as a vCard (.vcf) file."));
    auto* exportButton = new QPushButton(QStringLiteral("Export as vCard..."), this);
    exportButton->setObjectName(QStringLiteral("ExportVCardButton"));
    exportButton->setWhatsThis(QStringLiteral("Saves the fields as a vCard (.vcf) file for address books."));
    connect(importButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import from vCard"), QDir::homePath(),
                                                          VCardFilter() + QStringLiteral(";;All files (*)"));
        QString error;
        if (!path.isEmpty() && !ImportVCard(path, &error))
            QMessageBox::warning(this, QStringLiteral("Import from vCard"), error);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        QString name = mFields[0]->text().simplified();
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export as vCard"),
            QDir::home().filePath((name.isEmpty() ? QStringLiteral("contact") : name) + QStringLiteral(".vcf")),
            VCardFilter());
        QString error;
        if (!path.isEmpty() && !ExportVCard(path, &error))
            QMessageBox::warning(this, QStringLiteral("Export as vCard"), error);
    });
    auto* exchange = new QHBoxLayout;
    exchange->addStretch(1);
    exchange->addWidget(importButton);
    exchange->addWidget(exportButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->addLayout(grid);
    layout->addLayout(exchange);
    layout->addStretch(1);
    layout->addLayout(bar.layout);

    setFixedSize(sizeHint().expandedTo(QSize(404, 355)));
    mFields[0]->setFocus();
}

void TPersonalInformation::SetValues(const QStringList& values)
{
    for (int i = 0; i < kFieldCount; ++i)
        mFields[size_t(i)]->setText(values.value(i));
}

QStringList TPersonalInformation::Values() const
{
    QStringList values;
    for (const QLineEdit* field : mFields)
        values.append(field->text());
    return values;
}

bool TPersonalInformation::ImportVCard(const QString& path, QString* error)
{
    QStringList values;
    if (!ReadPersonalVCard(path, values, error))
        return false;
    SetValues(values);
    return true;
}

bool TPersonalInformation::ExportVCard(const QString& path, QString* error) const
{
    return WriteFileAtomic(path, PersonalVCard(Values()), error);
}

bool StorePersonalInformation(const QStringList& values, const Preferences& prefs,
                              TKBusinessCardPanel32& panel, QString* error)
{
    const bool saved = prefs.SavePersonalInfo(values, error);
    panel.SetPersonalStrings(values);
    return saved;
}

bool EditPersonalInformation(QWidget* parent, const Preferences& prefs, TKBusinessCardPanel32& panel,
                             const std::function<void(int)>& showHelp)
{
    TPersonalInformation dialog(parent);
    dialog.OnHelp = showHelp;
    dialog.SetValues(prefs.LoadPersonalInfo());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString error;
    if (!StorePersonalInformation(dialog.Values(), prefs, panel, &error))
        QMessageBox::warning(parent, QStringLiteral("Personal Information"),
                             QStringLiteral("Your personal information could not be saved.\n%1").arg(error));
    return true;
}

} // namespace qm

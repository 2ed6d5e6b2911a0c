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
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Name"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Company"),
    //: a person's job title or qualifications
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Title"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Address 1"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Address 2"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Address 3"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Phone 1"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Phone 2"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "E-mail"),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Fax"),
};

const char* const TPersonalInformation::kFieldNames[kFieldCount] = {
    "pPersonalName",     "pPersonalCompany", "pPersonalTitle",  "pPersonalAddress1", "pPersonalAddress2",
    "pPersonalAddress3", "pPersonalPhone1",  "pPersonalPhone2", "pPersonalEmail",    "pPersonalFax",
};

namespace {
const char* const kFieldHelp[TPersonalInformation::kFieldCount] = {
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Your own name as it should appear on your cards."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "The name of your business or organisation."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Your title or qualifications."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "The first line of your address."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "The second line of your address."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "The third line of your address."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Your main phone number."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "A second phone number, such as a mobile."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Your e-mail address."),
    QT_TRANSLATE_NOOP("qm::TPersonalInformation", "Your fax number."),
};
// The vCard format's filter for the import and export dialogs.
QString VCardFilter() { return ContactFormat(ContactFormat::Kind::VCard).NameFilter(); }

} // namespace

TPersonalInformation::TPersonalInformation(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("PersonalInformation"));
    setWindowTitle(tr("Personal Information"));
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
        edit->setWhatsThis(tr(kFieldHelp[i]));
        AddWhatsThisMenu(edit);
        auto* label = new QLabel(tr(kFieldCaptions[i]), this);
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
    auto* importButton = new QPushButton(tr("Import from vCard..."), this);
    importButton->setObjectName(QStringLiteral("ImportVCardButton"));
    importButton->setWhatsThis(tr("Fills the fields from a contact saved as a vCard (.vcf) file."));
    auto* exportButton = new QPushButton(tr("Export as vCard..."), this);
    exportButton->setObjectName(QStringLiteral("ExportVCardButton"));
    exportButton->setWhatsThis(tr("Saves the fields as a vCard (.vcf) file for address books."));
    connect(importButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Import from vCard"), QDir::homePath(),
                                                          VCardFilter() + QStringLiteral(";;") +
                                                              tr("All files (%1)").arg(QStringLiteral("*")));
        QString error;
        if (!path.isEmpty() && !ImportVCard(path, &error))
            QMessageBox::warning(this, tr("Import from vCard"), error);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        QString name = mFields[0]->text().simplified();
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Export as vCard"),
            QDir::home().filePath(
                (name.isEmpty() ? tr("contact", "file name of a vCard without a name") : name) +
                QStringLiteral(".vcf")),
            VCardFilter());
        QString error;
        if (!path.isEmpty() && !ExportVCard(path, &error))
            QMessageBox::warning(this, tr("Export as vCard"), error);
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
        QMessageBox::warning(
            parent, TPersonalInformation::tr("Personal Information"),
            TPersonalInformation::tr("Your personal information could not be saved.\n%1").arg(error));
    return true;
}

} // namespace qm

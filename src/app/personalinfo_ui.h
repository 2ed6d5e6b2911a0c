// SPDX-License-Identifier: GPL-3.0-or-later
// TPersonalInformation: the dialog that edits the user's ten personal-information fields.
#pragma once

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

class QLineEdit;

namespace qm {

class Preferences;
class TKBusinessCardPanel32;

class TPersonalInformation : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kFieldCount = 10;
    static constexpr int kHelpContext = 2102;
    // The label before each field and the field's object name, in field order.
    static const char* const kFieldCaptions[kFieldCount];
    static const char* const kFieldNames[kFieldCount];

    explicit TPersonalInformation(QWidget* parent = nullptr);

    QLineEdit* Field(int index) const { return mFields[size_t(index)]; }
    // Puts the values into the fields (missing ones empty) and reads them back exactly as typed.
    void SetValues(const QStringList& values);
    QStringList Values() const;

    // "Import from vCard...": the fields take the first vCard of the file (the dialog's Ok still decides).
    // False with *error set, and the fields as they were, when the file holds no vCard.
    bool ImportVCard(const QString& path, QString* error = nullptr);
    // "Export as vCard...": the fields as typed written to a vCard 3.0 file.
    bool ExportVCard(const QString& path, QString* error = nullptr) const;

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    std::array<QLineEdit*, kFieldCount> mFields{};
};

// What "Ok" does with the edited values: they become the stored personal information and the panel's
// strings. The panel takes them even when the preferences file could not be written; false then, with the
// message in *error.
bool StorePersonalInformation(const QStringList& values, const Preferences& prefs,
                              TKBusinessCardPanel32& panel, QString* error = nullptr);

// The whole command: the dialog filled from the preferences file, shown modally; on "Ok" the values are
// stored and handed to the panel (a failed write is reported over parent). True when the user chose "Ok".
bool EditPersonalInformation(QWidget* parent, const Preferences& prefs, TKBusinessCardPanel32& panel,
                             const std::function<void(int)>& showHelp = {});

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The button bar at the foot of the program's dialogs: Ok, Cancel, Help and what's-this, and their
// what's-this texts.
#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QToolButton;
class QWidget;

namespace qm {

// The bar at the foot of a dialog: "Ok" (the default button), "Cancel", "Help" and a what's-this
// button. "Cancel" rejects the dialog; the dialog wires "Ok" and "Help" itself.
struct DialogButtonBar
{
    QHBoxLayout* layout = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QToolButton* whatsThis = nullptr;
};
DialogButtonBar MakeDialogButtonBar(QDialog* dialog);

// Adds "Help" (opening the numbered help context through the help hook) and the what's-this button to a
// dialog's button box; returns the Help button.
QPushButton* AddHelpButtons(QDialogButtonBox* buttons, QDialog* dialog, int helpContext);

// Gives each control its "What's this?" text (translated by the caller: {control, tr("...")}).
void SetWhatsThis(std::initializer_list<std::pair<QWidget*, QString>> texts);
// Gives the usual buttons of a dialog (Ok, Cancel, Help, None, Close and the what's-this button) their text
// where they have none yet: a button of a button box by its standard button or role, another by its English
// caption.
void SetButtonWhatsThis(QWidget* dialog);

} // namespace qm

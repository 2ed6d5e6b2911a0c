// The button bar at the foot of the program's dialogs: Ok, Cancel, Help and what's-this.
#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QToolButton;

namespace qm {

// The bar at the foot of a dialog: "Ok" (the default button), "Cancel", "Help" and a what's-this
// button. "Cancel" rejects the dialog; the dialog wires "Ok" and "Help" itself.
struct TDialogButtonBar
{
    QHBoxLayout* layout = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QToolButton* whatsThis = nullptr;
};
TDialogButtonBar MakeDialogButtonBar(QDialog* dialog);

} // namespace qm

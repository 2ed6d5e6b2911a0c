// SPDX-License-Identifier: GPL-3.0-or-later
// ChangeFontAll: the dialog that picks one typeface for every text object of the card.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace qm {

class ChangeFontAll : public QDialog
{
    Q_OBJECT
public:
    explicit ChangeFontAll(QWidget* parent = nullptr);

    // The face picked in the list; empty when none is.
    QString SelectedFont() const;
    // Picks a face in the list, as a click does; false when the list has no such face.
    bool SelectFont(const QString& face);

    // "Help"; nothing happens while it is unset.
    std::function<void()> OnHelp;

    QListWidget* FontList = nullptr;
    QLabel* Samples[4] = {};
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

private:
    void FontListClick();
};

} // namespace qm

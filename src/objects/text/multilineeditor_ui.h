// SPDX-License-Identifier: GPL-3.0-or-later
// TMultiLineTextEditor: the text editor of a multi-line text object.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <functional>

class QPlainTextEdit;

namespace qm {

class TKFont;

class TMultiLineTextEditor : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TMultiLineTextEditor)

public:
    static constexpr int kHelpContext = 40001;
    // The most characters the text may hold, line breaks included.
    static constexpr int kMaxCharacters = 254;

    // Shows the lines in the object's own font at 100 %.
    TMultiLineTextEditor(const QStringList& lines, const TKFont& font, QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return mMemo; }
    // The lines as edited.
    QStringList Lines() const;

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    // Takes back an edit that would make the text longer than allowed.
    void Limit();

    QPlainTextEdit* mMemo = nullptr;
    QString mAccepted;
    bool mLimiting = false;
};

// Shows the editor modally over parent; true with the edited lines when the user chose "Ok".
bool ShowMultiLineTextEditor(QWidget* parent, QStringList& lines, const TKFont& font,
                             const std::function<void(int)>& showHelp = {});

} // namespace qm

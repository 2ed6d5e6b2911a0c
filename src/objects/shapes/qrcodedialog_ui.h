// SPDX-License-Identifier: GPL-3.0-or-later
// "QR Code Properties": what the QR code carries, its error correction, colours and quiet zone, with a preview.
#pragma once

#include "model/cardtypes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QToolButton;

namespace qm {

class TKQRCode;

class TQRCodeProperties : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TQRCodeProperties)

public:
    // The dialog works on `sample` at once; personal: the fields its vCard is made of.
    TQRCodeProperties(TKQRCode& sample, const QStringList& personal, QWidget* parent = nullptr);

    // The colour dialog; without it "Other" does nothing.
    std::function<bool(TColor&)> ChooseColor;

    // The line under the preview: the symbol's size, or why there is none.
    QString SymbolDescription() const;

private:
    void Changed();

    TKQRCode& mSample;
    const QStringList mPersonal;
    QButtonGroup* mContent = nullptr;
    QPlainTextEdit* mText = nullptr;
    QComboBox* mLevel = nullptr;
    QSpinBox* mQuietZone = nullptr;
    QToolButton* mDark = nullptr;
    QToolButton* mLight = nullptr;
    QCheckBox* mTransparent = nullptr;
    QWidget* mPreview = nullptr;
    QLabel* mDescription = nullptr;
};

// Shows the dialog over `sample`; true on OK.
bool ShowQRCodeProperties(QWidget* parent, TKQRCode& sample, const QStringList& personal,
                          std::function<bool(TColor&)> chooseColor);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// "SuperText Properties": the special-effect text's dialog, edited on a preview copy drawn as the controls
// change.
#pragma once

#include "model/subobjects.h"
#include "objects/text/supertext.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace qm {

class TKDialogs;

class TSuperTextProperties : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TSuperTextProperties)

public:
    static constexpr int kHelpContext = 40014;

    // Works on `preview` at once; `texturePath` is the file the texture last came from.
    TSuperTextProperties(TKSuperText& preview, const QString& texturePath, TKDialogs* dialogs,
                         QWidget* parent = nullptr);

    QString TexturePath() const { return mTexturePath; }
    // The texture "Texture" puts into the preview: the last one loaded or shown, at first a built-in one.
    const TKBitmap& LastTexture() const { return mLastTexture; }
    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;
    // The texture picker over the preview; true when a texture was chosen (the preview has it and `path`
    // names its file). The standard one is the "Load Texture Image" browser.
    std::function<bool(TKSuperText&, QString&)> ChooseTexture;

    // What the controls do, also for tests.
    void CaptionEdited(const QString& text);
    void RefitTick();
    void ChooseSurface(int index);
    void ChangeFontSize(bool up);
    void SelectSymbol();
    void LoadTexture();
    void OKButtonClick();

private:
    void ShowValues();
    void ShowPanels();
    void PreviewChanged(bool refit);

    TKSuperText& mPreview;
    TKDialogs* mDialogs;
    QString mTexturePath;
    TKBitmap mLastTexture;
    SuperTextRefit mRefit;
    QElapsedTimer mClock;
    QWidget* mView = nullptr;
    QLineEdit* mCaptionText = nullptr;
    QComboBox* mSurfaceType = nullptr;
    QToolButton* mFontColor = nullptr;
    QPushButton* mLoadImage = nullptr;
    QComboBox* mFillDirection = nullptr;
    QToolButton* mGradientFrom = nullptr;
    QToolButton* mGradientTo = nullptr;
    QToolButton* mShadowColor = nullptr;
    QComboBox* mShadowOrientation = nullptr;
    QSpinBox* mShadowDepth = nullptr;
    QToolButton* mOutlineColor = nullptr;
    QComboBox* mOutlineStyle = nullptr;
    QSpinBox* mOutlineWidth = nullptr;
    QList<QWidget*> mNormalPanel, mTexturePanel, mGradientPanel;
};

// The built-in texture the dialog starts with: a 120 x 84 tileable weave, as a card stores a bitmap.
TKBitmap DefaultSuperTextTexture();

// Shows the dialog over `preview`; true on OK with the preview and the texture path as left.
bool ShowSuperTextProperties(QWidget* parent, TKSuperText& preview, QString& texturePath, TKDialogs* dialogs);

} // namespace qm

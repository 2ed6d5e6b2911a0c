// SPDX-License-Identifier: GPL-3.0-or-later
// "CircleText Properties": the circular text's dialog, edited on a preview copy drawn as the controls change.
#pragma once

#include "model/cardtypes.h"
#include "objects/text/circlelayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSlider;
class QToolButton;

namespace qm {

class TKFont;
class TKPCircleText;

class TCircleTextProperties : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TCircleTextProperties)

public:
    static constexpr int kHelpContext = 40017;

    // The dialog works on `preview` at once; on OK it is back at its own size and scale.
    TCircleTextProperties(TKPCircleText& preview, QWidget* parent = nullptr);

    // The font and colour dialogs; without them the buttons do nothing.
    std::function<bool(TKFont&)> ChooseFont;
    std::function<bool(TColor&)> ChooseColor;
    std::function<void(int)> OnHelp;

    // What the controls do, also for tests.
    void RefitTick();
    void ZoomBy(int tenths);
    void ChangeFontSize(bool up);
    void OKButtonClick();

private:
    void ShowValues();
    void PreviewChanged();

    TKPCircleText& mPreview;
    const int mWidth;
    const int mHeight;
    CirclePreviewRefit mRefit;
    QElapsedTimer mClock;
    QLineEdit* mCaptionText = nullptr;
    QSlider* mDegreesBar = nullptr;
    QLabel* mDegreesLabel = nullptr;
    QSlider* mStartingAngleBar = nullptr;
    QLabel* mStartingAngleLabel = nullptr;
    QCheckBox* mAngled = nullptr;
    QCheckBox* mMirrored = nullptr;
    QToolButton* mFontColor = nullptr;
    QLabel* mZoomLabel = nullptr;
    int mZoomTenths = 10; // the preview's zoom: 5 to 10 tenths
    QWidget* mView = nullptr;
    QScrollArea* mScroll = nullptr;
};

// Shows the dialog over `preview`; true on OK.
bool ShowCircleTextProperties(QWidget* parent, TKPCircleText& preview, std::function<bool(TKFont&)> chooseFont,
                              std::function<bool(TColor&)> chooseColor);

} // namespace qm

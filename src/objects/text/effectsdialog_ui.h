// SPDX-License-Identifier: GPL-3.0-or-later
// TKFont3DEffects: the dialog that sets a label's shadow, highlight and font colour on a live sample.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;

namespace qm {

class ColorCombo;
class TKBaseLabel;
class TKDialogs;

class TKFont3DEffects : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TKFont3DEffects)

public:
    static constexpr int kHelpContext = 40008;
    static constexpr int kMaxDepth = 10;

    // The sample shows the label's own text (as the card shows it; "Text" when it is blank) with its font,
    // depths, directions and colours, and every drop-down shows the label's value (a depth beyond the list shows no selection). The label is changed only by "Ok". The font
    // colour may also be any other colour, chosen with the colour dialog of `dialogs`.
    explicit TKFont3DEffects(TKBaseLabel& label, QWidget* parent = nullptr, TKDialogs* dialogs = nullptr);
    ~TKFont3DEffects() override;

    QComboBox* ShadowDirection() const { return mShadowDirection; }
    ColorCombo* ShadowColorCombo() const { return mShadowColorCombo; }
    QComboBox* ShadowDepth() const { return mShadowDepth; }
    QComboBox* HighlightDirection() const { return mHighlightDirection; }
    ColorCombo* HighLightColorCombo() const { return mHighLightColorCombo; }
    QComboBox* HighLightDepth() const { return mHighLightDepth; }
    ColorCombo* FontColorCombo() const { return mFontColorCombo; }
    // The preview label, changed at once by every drop-down.
    const TKBaseLabel& Sample() const { return *mSample; }

    // "Ok": the label takes the sample's font (with the chosen font colour) and its six effect settings
    // through its property setters, and the dialog closes with OK.
    void OKButtonClick();

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    void ApplyToSample();

    TKBaseLabel& mLabel;
    std::unique_ptr<TKBaseLabel> mSample;
    QWidget* mSampleView = nullptr;
    QComboBox* mShadowDirection = nullptr;
    ColorCombo* mShadowColorCombo = nullptr;
    QComboBox* mShadowDepth = nullptr;
    QComboBox* mHighlightDirection = nullptr;
    ColorCombo* mHighLightColorCombo = nullptr;
    QComboBox* mHighLightDepth = nullptr;
    ColorCombo* mFontColorCombo = nullptr;
    bool mFilling = false;
};

// Shows the dialog modally over parent; true when the user chose "Ok" and the label took the settings.
bool ShowFont3DEffects(QWidget* parent, TKBaseLabel& label, TKDialogs* dialogs = nullptr,
                       const std::function<void(int)>& showHelp = {});

} // namespace qm

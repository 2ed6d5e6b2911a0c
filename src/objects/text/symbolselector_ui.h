// SPDX-License-Identifier: GPL-3.0-or-later
// TGetSymbol: the symbol selector, which picks a symbol font and one of its 224 characters.
#pragma once

#include "model/subobjects.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

namespace qm {

class TGetSymbol : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TGetSymbol)

public:
    static constexpr int kHelpContext = 40005;
    // The list shows codes 32 to 255, one per item, in a font this many pixels high.
    static constexpr int kListFontPixels = 27;

    // How many columns the list has for a list font of this many points.
    static int ColumnsForPoints(int points);
    // The font button's caption: "WingDings, 24pt Bold Italic ".
    static QString FontCaption(const TKFont& font);

    // Opens at the font and at the code (none selected when code is outside 32..255).
    TGetSymbol(const TKFont& font, int code, QWidget* parent = nullptr);

    QPushButton* FontButton() const { return mFontButton; }
    QListWidget* SymbolList() const { return mSymbolList; }
    QPushButton* OkButton() const { return mOkButton; }
    const TKFont& ChosenFont() const { return mFont; }
    // The selected code, -1 when none is selected.
    int ChosenCode() const;

    // "Font": asks for another font; its face, size, colour and style become the symbol's.
    void FontbuttonClick();

    // The font dialog; without it the font button does nothing.
    std::function<bool(TKFont&)> OnChooseFont;
    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

private:
    // Fills the list with the characters as the chosen font draws them.
    void ShowFont();

    TKFont mFont;
    QPushButton* mFontButton = nullptr;
    QListWidget* mSymbolList = nullptr;
    QPushButton* mOkButton = nullptr;
};

// Shows the selector modally over parent; true with the chosen font and code when the user chose "Ok".
bool ShowGetSymbol(QWidget* parent, TKFont& font, int& code, const std::function<bool(TKFont&)>& chooseFont,
                   const std::function<void(int)>& showHelp = {});

} // namespace qm

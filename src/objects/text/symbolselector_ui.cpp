// SPDX-License-Identifier: GPL-3.0-or-later
// TGetSymbol: the symbol selector.
#include "objects/text/symbolselector_ui.h"

#include "model/colors.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/symbolfonts.h"
#include "platform/helphook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {
constexpr int kFirstCode = 32;
constexpr int kCodes = 224;
constexpr int kItemHeight = 30;
} // namespace

int TGetSymbol::ColumnsForPoints(int points)
{
    if (points >= 6 && points <= 10)
        return 14;
    if (points >= 11 && points <= 20)
        return 10;
    if (points >= 21 && points <= 30)
        return 8;
    if (points >= 31 && points <= 40)
        return 6;
    if (points >= 41 && points <= 50)
        return 4;
    if (points >= 51 && points <= 60)
        return 3;
    if (points >= 61 && points <= 72)
        return 2;
    return 1;
}

QString TGetSymbol::FontCaption(const TKFont& font)
{
    const QString size = QLocale().toString(font.Size());
    const bool bold = font.HasStyle(fsBold);
    const bool italic = font.HasStyle(fsItalic);
    //: The symbol font on its button: its name, its size in points and its style.
    if (bold && italic)
        return tr("%1, %2pt Bold Italic ").arg(font.Name(), size);
    if (bold)
        return tr("%1, %2pt Bold ").arg(font.Name(), size);
    if (italic)
        return tr("%1, %2pt Italic ").arg(font.Name(), size);
    return tr("%1, %2pt ").arg(font.Name(), size);
}

TGetSymbol::TGetSymbol(const TKFont& font, int code, QWidget* parent) : QDialog(parent)
{
    mFont.Assign(font);
    setObjectName(QStringLiteral("GetSymbol"));
    setWindowTitle(tr("Symbol Selector"));

    auto* fontLabel = new QLabel(tr("&Font"), this);
    mFontButton = new QPushButton(this);
    mFontButton->setObjectName(QStringLiteral("Fontbutton"));
    mFontButton->setFixedWidth(217);
    mFontButton->setWhatsThis(tr("Choose the symbol font: Wingdings, Webdings, Symbol or any other "
                                 "font. Its size, colour and style are those of the symbol."));
    fontLabel->setBuddy(mFontButton);
    connect(mFontButton, &QPushButton::clicked, this, [this] { FontbuttonClick(); });

    mSymbolList = new QListWidget(this);
    mSymbolList->setObjectName(QStringLiteral("SymbolList"));
    mSymbolList->setAccessibleName(tr("Symbols"));
    mSymbolList->setFlow(QListView::LeftToRight);
    mSymbolList->setWrapping(true);
    mSymbolList->setResizeMode(QListView::Adjust);
    mSymbolList->setUniformItemSizes(true);
    mSymbolList->setSelectionMode(QAbstractItemView::SingleSelection);
    mSymbolList->setWhatsThis(tr("Every character of the font, as it will be drawn on the card. "
                                 "Click the one you want; a double-click also closes the "
                                 "selector."));
    AddWhatsThisMenu(mSymbolList);
    for (int i = 0; i < kCodes; ++i) {
        auto* item = new QListWidgetItem(mSymbolList);
        const int c = kFirstCode + i;
        item->setToolTip(tr("Code %1 (0x%2)").arg(c).arg(c, 2, 16, QLatin1Char('0')));
        item->setTextAlignment(Qt::AlignCenter);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(fontLabel);
    top->addWidget(mFontButton);
    top->addStretch(1);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    mOkButton = bar.ok;
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });
    connect(mSymbolList, &QListWidget::itemSelectionChanged, this,
            [this] { mOkButton->setEnabled(ChosenCode() >= 0); });
    connect(mSymbolList, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mSymbolList, 1);
    layout->addLayout(bar.layout);
    setFixedSize(474, 327);

    // The list font is 27 pixels high, about 20 points: ten columns.
    const int columns = ColumnsForPoints(kListFontPixels * 72 / 96);
    const int cell = (474 - 40) / columns;
    mSymbolList->setGridSize(QSize(cell, kItemHeight + 4));

    ShowFont();
    if (code >= kFirstCode && code < kFirstCode + kCodes) {
        mSymbolList->setCurrentRow(code - kFirstCode);
        mSymbolList->scrollToItem(mSymbolList->currentItem());
    }
    mOkButton->setEnabled(ChosenCode() >= 0);
}

int TGetSymbol::ChosenCode() const
{
    const QList<QListWidgetItem*> selected = mSymbolList->selectedItems();
    return selected.isEmpty() ? -1 : kFirstCode + mSymbolList->row(selected.first());
}

void TGetSymbol::FontbuttonClick()
{
    if (!OnChooseFont)
        return;
    TKFont chosen;
    chosen.Assign(mFont);
    if (!OnChooseFont(chosen))
        return;
    // The face, size, colour and style are the symbol's; the list keeps its own size.
    mFont.Assign(chosen);
    ShowFont();
}

void TGetSymbol::ShowFont()
{
    mFontButton->setText(FontCaption(mFont));
    const QColor color = ToQColor(mFont.Color());
    for (int i = 0; i < kCodes; ++i) {
        const TSymbolText shown = SymbolText(mFont.Name(), SymbolCodeText(kFirstCode + i));
        QFont font(shown.face.isEmpty() ? mFont.Name() : shown.face);
        font.setPixelSize(kListFontPixels);
        font.setBold(mFont.HasStyle(fsBold));
        font.setItalic(mFont.HasStyle(fsItalic));
        QListWidgetItem* item = mSymbolList->item(i);
        item->setText(shown.text);
        item->setFont(font);
        item->setForeground(color);
        item->setSizeHint(mSymbolList->gridSize());
    }
}

bool ShowGetSymbol(QWidget* parent, TKFont& font, int& code, const std::function<bool(TKFont&)>& chooseFont,
                   const std::function<void(int)>& showHelp)
{
    TGetSymbol selector(font, code, parent);
    selector.OnChooseFont = chooseFont;
    selector.OnHelp = showHelp;
    if (selector.exec() != QDialog::Accepted || selector.ChosenCode() < 0)
        return false;
    font.Assign(selector.ChosenFont());
    code = selector.ChosenCode();
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The Quick Tips window and its tips.
#include "app/quicktips_ui.h"

#include "app/toolicons_ui.h"
#include "design/dialogbar_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <iterator>

namespace qm {

namespace {

const char* const kTips[] = {
    "Pick a tool at the top, then drag a rectangle on the card to place a new object of that kind.",
    "Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, order and "
    "more.",
    "Hold Shift and click to select several objects, or drag a band around them on an empty part of the "
    "card.",
    "The arrow keys move the selected objects a pixel at a time.",
    "Edit, Personal Information fills your name, address and phone numbers into personal-information text "
    "and into templates. Type them once, use them on every card.",
    "File, New - Select From Templates starts a card from a ready-made design, already showing your own name.",
    "Set the card size first: Edit, Change Business Card Layout matches the card and its spacing to your card "
    "stock. Pick your stock from Predefined Layouts.",
    "Before you print on card stock, print File, Print Outline Test Page on plain paper and hold it against a "
    "sheet of card stock towards the light.",
    "Printed cards a little off? File, Printer Fine Tuning moves the whole print in steps of 1/32 inch, for "
    "every card you print from now on.",
    "A sheet with some cards already used can go through the printer again: in Print Cards press None, then "
    "click the positions still on the sheet.",
    "No printer here? Print into a PDF file and print that later at actual size, not \"fit to page\".",
    "Ctrl+Z takes back any change, even a deleted object; Ctrl+Y brings it back again.",
    "File, Save As PNG writes a picture of the card at its real size for e-mail or a web page.",
    "Edit, Set or Change Background Art puts a picture behind the whole card; None takes it away.",
    "Clip art from metafiles (WMF, EMF) and SVG files stays sharp on paper at any size.",
    "Show grid draws dots to line objects up; with Snap to Grid on, objects jump to them as you move them.",
    "Edit, Change all fonts to... puts one typeface on every text of the card in one step.",
    "Press plus (+) or minus (-) to zoom between 100% and 150%.",
    "Not sure what a button does? Press Shift+F1, or the arrow-and-question-mark button, then click it.",
};

} // namespace

QuickTips::QuickTips(const Preferences& prefs, QWidget* parent) : QDialog(parent), mPrefs(prefs)
{
    setWindowTitle(QStringLiteral("Quick Tips"));
    mText = new QLabel(this);
    mText->setObjectName(QStringLiteral("TipText"));
    mText->setWordWrap(true);
    mText->setMinimumSize(320, 90);
    mText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mNumber = new QLabel(this);
    auto* previous = new QPushButton(QStringLiteral("&Previous Tip"), this);
    auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    auto* whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setDefaultAction(QWhatsThis::createAction(this));
    for (QPushButton* button : {previous, close, help})
        button->setAutoDefault(false);
    next->setDefault(true);
    mShowAtStart = new QCheckBox(QStringLiteral("&Show tips at start"), this);
    mShowAtStart->setObjectName(QStringLiteral("ShowAtStartCheck"));

    const TipsPreferences saved = mPrefs.LoadTips();
    mShowAtStart->setChecked(saved.ShowAtStart);
    connect(previous, &QPushButton::clicked, this, &QuickTips::PreviousTip);
    connect(next, &QPushButton::clicked, this, &QuickTips::NextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [] { OpenHelpContext(kHelpQuickTips); });
    connect(mShowAtStart, &QCheckBox::toggled, this, &QuickTips::Save);
    SetWhatsThis({
        {previous, "Shows the tip before this one."},
        {next, "Shows another tip."},
        {mShowAtStart, "When ticked, a tip greets you each time Quillmark starts."},
    });
    SetButtonWhatsThis(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(ToolIcon(kTipsPicture).pixmap(32, 32));
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(mText, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mShowAtStart);
    buttons->addStretch();
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(close);
    buttons->addWidget(help);
    buttons->addWidget(whatsThis);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mNumber, 0, Qt::AlignRight);
    layout->addLayout(buttons);
    ShowTip(saved.NextTip);
}

int QuickTips::TipCount()
{
    return int(std::size(kTips));
}

QString QuickTips::TipText() const
{
    return QString::fromUtf8(kTips[mTip]);
}

void QuickTips::ShowTip(int tip)
{
    mTip = ((tip % TipCount()) + TipCount()) % TipCount();
    mText->setText(TipText());
    mNumber->setText(QStringLiteral("Tip %1 of %2").arg(mTip + 1).arg(TipCount()));
    Save();
}

void QuickTips::Save()
{
    // The next opening goes on from the tip after this one. A setting that cannot be written is not worth a
    // message: the tips simply start again where they did.
    mPrefs.SaveTips({mShowAtStart->isChecked(), (mTip + 1) % TipCount()});
}

} // namespace qm

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
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <iterator>

namespace qm {

namespace {

// The tips name menus and commands as the window shows them; a translation names them as its menus do.
const char* const kTips[] = {
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Pick a tool at the top, then drag a rectangle on the card to place a new object of that "
                      "kind."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, "
                      "order and more."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Hold Shift and click to select several objects, or drag a band around them on an empty part "
                      "of the card."),
    QT_TRANSLATE_NOOP("qm::QuickTips", "The arrow keys move the selected objects a pixel at a time."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Edit, Personal Information fills your name, address and phone numbers into "
                      "personal-information text and into templates. Type them once, use them on every card."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "File, New - Select From Templates starts a card from a ready-made design, already showing "
                      "your own name."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Set the card size first: Edit, Change Business Card Layout matches the card and its spacing "
                      "to your card stock. Pick your stock from Predefined Layouts."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Before you print on card stock, print File, Print Outline Test Page on plain paper and hold "
                      "it against a sheet of card stock towards the light."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Printed cards a little off? File, Printer Fine Tuning moves the whole print in steps of 1/32 "
                      "inch, for every card you print from now on."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "A sheet with some cards already used can go through the printer again: in Print Cards press "
                      "None, then click the positions still on the sheet."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "No printer here? Print into a PDF file and print that later at actual size, not \"fit to "
                      "page\"."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Ctrl+Z takes back any change, even a deleted object; Ctrl+Y brings it back again."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "File, Save As PNG writes a picture of the card at its real size for e-mail or a web page."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Edit, Set or Change Background Art puts a picture behind the whole card; None takes it away."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Clip art from metafiles (WMF, EMF) and SVG files stays sharp on paper at any size."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Show grid draws dots to line objects up; with Snap to Grid on, objects jump to them as you "
                      "move them."),
    //: names of menus, commands and buttons as the translated window shows them
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Edit, Change all fonts to... puts one typeface on every text of the card in one step."),
    QT_TRANSLATE_NOOP("qm::QuickTips", "Press plus (+) or minus (-) to zoom between 100% and 150%."),
    QT_TRANSLATE_NOOP("qm::QuickTips",
                      "Not sure what a button does? Press Shift+F1, or the arrow-and-question-mark button, then "
                      "click it."),
};

} // namespace

QuickTips::QuickTips(const Preferences& prefs, QWidget* parent) : QDialog(parent), mPrefs(prefs)
{
    setWindowTitle(tr("Quick Tips"));
    mText = new QLabel(this);
    mText->setObjectName(QStringLiteral("TipText"));
    mText->setWordWrap(true);
    mText->setMinimumSize(320, 90);
    mText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mNumber = new QLabel(this);
    auto* previous = new QPushButton(tr("&Previous Tip"), this);
    auto* next = new QPushButton(tr("&Next Tip"), this);
    auto* close = new QPushButton(tr("Close"), this);
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    auto* whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setDefaultAction(QWhatsThis::createAction(this));
    for (QPushButton* button : {previous, close, help})
        button->setAutoDefault(false);
    next->setDefault(true);
    mShowAtStart = new QCheckBox(tr("&Show tips at start"), this);
    mShowAtStart->setObjectName(QStringLiteral("ShowAtStartCheck"));

    const TipsPreferences saved = mPrefs.LoadTips();
    mShowAtStart->setChecked(saved.ShowAtStart);
    connect(previous, &QPushButton::clicked, this, &QuickTips::PreviousTip);
    connect(next, &QPushButton::clicked, this, &QuickTips::NextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [] { OpenHelpContext(kHelpQuickTips); });
    connect(mShowAtStart, &QCheckBox::toggled, this, &QuickTips::Save);
    previous->setWhatsThis(tr("Shows the tip before this one."));
    next->setWhatsThis(tr("Shows another tip."));
    mShowAtStart->setWhatsThis(tr("When ticked, a tip greets you each time Quillmark starts."));
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
    return tr(kTips[mTip]);
}

void QuickTips::ShowTip(int tip)
{
    mTip = ((tip % TipCount()) + TipCount()) % TipCount();
    mText->setText(TipText());
    mNumber->setText(tr("Tip %1 of %2").arg(QLocale().toString(mTip + 1), QLocale().toString(TipCount())));
    Save();
}

void QuickTips::Save()
{
    // The next opening goes on from the tip after this one. A setting that cannot be written is not worth a
    // message: the tips simply start again where they did.
    mPrefs.SaveTips({mShowAtStart->isChecked(), (mTip + 1) % TipCount()});
}

} // namespace qm

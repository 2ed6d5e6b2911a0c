// The Quick Tips window and its tips.
#include "app/quicktips_ui.h"

#include "app/toolicons_ui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    "Edit, Personal Information fills your name, address and phone numbers into personal-information text.",
    "File, New - Select From Templates starts a card from a ready-made design.",
    "Edit, Change Business Card Layout matches the card size and spacing to your card stock.",
    "File, Save As PNG writes a picture of the card for e-mail or a web page.",
    "Press plus (+) or minus (-) to zoom between 100% and 150%.",
};

} // namespace

TQuickTips::TQuickTips(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quick Tips"));
    mText = new QLabel(this);
    mText->setWordWrap(true);
    mText->setMinimumSize(300, 80);
    mText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(next, &QPushButton::clicked, this, [this] { ShowTip(mTip + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* picture = new QLabel(this);
    picture->setPixmap(ToolIcon(kTipsPicture).pixmap(24, 24));
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(mText, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    ShowTip(0);
}

void TQuickTips::ShowTip(int tip)
{
    mTip = tip % int(std::size(kTips));
    mText->setText(QString::fromLatin1(kTips[mTip]));
}

} // namespace qm

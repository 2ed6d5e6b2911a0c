// SPDX-License-Identifier: GPL-3.0-or-later
// ChangeFontAll: installed typefaces, four sample lines in the picked face, Ok, Cancel, Help.
#include "app/fontforall_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

ChangeFontAll::ChangeFontAll(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Select A Font - All text items will be changed to this font"));

    FontList = new QListWidget(this);
    FontList->setAccessibleName(tr("Font for all text"));
    FontList->addItems(QFontDatabase::families());
    FontList->setWhatsThis(tr("Click a typeface to see it in the samples. Ok puts it on every text "
                              "object of the card; sizes, styles and colours stay."));
    connect(FontList, &QListWidget::currentRowChanged, this, [this] { FontListClick(); });

    auto* samples = new QGroupBox(tr("Sample", "the group of samples"), this);
    auto* sampleLayout = new QVBoxLayout(samples);
    //: sample texts shown in the chosen typeface
    const QString captions[4] = {tr("Sample"), tr("Sample Bold"), tr("Sample Italic"),
                                 tr("Sample Bold Italic")};
    for (int i = 0; i < 4; ++i) {
        Samples[i] = new QLabel(captions[i], samples);
        QFont font = Samples[i]->font();
        font.setPointSize(14);
        font.setBold(i == 1 || i == 3);
        font.setItalic(i >= 2);
        Samples[i]->setFont(font);
        // As wide as the sample needs in the chosen face and the user's language: never cut off.
        sampleLayout->addWidget(Samples[i]);
    }
    sampleLayout->addStretch();

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    OkButton = bar.ok;
    CancelButton = bar.cancel;
    HelpButton = bar.help;
    MouseHelpButton = bar.whatsThis;
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp();
        else
            OpenHelpContext(kHelpFontForAll);
    });
    auto* grid = new QGridLayout(this);
    grid->addWidget(FontList, 0, 0);
    grid->addWidget(samples, 0, 1);
    grid->addLayout(bar.layout, 1, 0, 1, 2);
    resize(520, 320);
}

QString ChangeFontAll::SelectedFont() const
{
    const QListWidgetItem* item = FontList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

bool ChangeFontAll::SelectFont(const QString& face)
{
    const QList<QListWidgetItem*> found = FontList->findItems(face, Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    FontList->setCurrentItem(found.first());
    found.first()->setSelected(true);
    return true;
}

void ChangeFontAll::FontListClick()
{
    const QString face = SelectedFont();
    if (face.isEmpty())
        return;
    for (QLabel* sample : Samples) {
        QFont font = sample->font();
        font.setFamily(face);
        sample->setFont(font);
    }
}

} // namespace qm

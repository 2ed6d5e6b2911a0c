// SPDX-License-Identifier: GPL-3.0-or-later
// TPositionPanel: the number boxes, their labels and their wiring to the selection.
#include "design/positionpanel_ui.h"

#include "design/designpanel.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qm {

namespace {

struct FieldText
{
    TBoxField field;
    const char* caption;
    const char* name;
    const char* help;
};

const FieldText kFields[] = {
    {TBoxField::X, QT_TRANSLATE_NOOP("qm::TPositionPanel", "&X:"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "X position"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel",
                       "How far the object's left edge lies from the card's left edge.")},
    {TBoxField::Y, QT_TRANSLATE_NOOP("qm::TPositionPanel", "&Y:"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "Y position"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "How far the object's top edge lies from the card's top edge.")},
    {TBoxField::Width, QT_TRANSLATE_NOOP("qm::TPositionPanel", "&Width:"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "Width"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "The width of the object's box.")},
    {TBoxField::Height, QT_TRANSLATE_NOOP("qm::TPositionPanel", "Hei&ght:"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "Height"),
     QT_TRANSLATE_NOOP("qm::TPositionPanel", "The height of the object's box.")},
};

} // namespace

TPositionPanel::TPositionPanel(TKBasePanel& panel, QWidget* parent) : QWidget(parent), mEdit(panel)
{
    setObjectName(QStringLiteral("PositionPanel"));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const FieldText& text : kFields) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(text.name).remove(QLatin1Char(' ')));
        box->setAccessibleName(tr(text.name));
        box->setWhatsThis(tr(text.help) + QLatin1Char(' ') +
                          tr("Type a value and press Enter, or step it with the arrow keys."));
        box->setToolTip(tr(text.help));
        box->setAlignment(Qt::AlignRight);
        box->setKeyboardTracking(false); // taken on Enter or on leaving the box, not at every key
        box->setAccelerated(true);
        // As wide as the widest value in either unit, so that the panel keeps its width whatever it shows.
        const TLengthFormat widest = LengthFormat(TLengthUnit::Millimetres);
        box->setDecimals(widest.decimals);
        box->setRange(-TPositionEdit::Maximum(TLengthUnit::Millimetres),
                      TPositionEdit::Maximum(TLengthUnit::Millimetres));
        box->setSuffix(widest.suffix);
        box->setMinimumWidth(box->minimumSizeHint().width());
        const TBoxField field = text.field;
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, field](double value) { Take(field, value); });
        auto* label = new QLabel(tr(text.caption), this);
        label->setBuddy(box);
        form->addRow(label, box);
        mFields[int(field)] = box;
    }
    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("PositionStatus"));
    mStatus->setWordWrap(true);
    mStatus->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(mStatus);
    layout->addStretch(1);
    setWhatsThis(tr(
        "The position and size of the selected object on the card, in the unit of the card's layout (Edit, "
        "Change Business Card Layout)."));

    SetUnit(TLengthUnit::Inches);
    const QPointer<TPositionPanel> self(this);
    panel.WatchSelection([self] {
        if (self)
            self->Refresh();
    });
}

void TPositionPanel::SetUnit(TLengthUnit unit)
{
    mUnit = unit;
    const TLengthFormat format = LengthFormat(unit);
    for (const FieldText& text : kFields) {
        QDoubleSpinBox* box = Field(text.field);
        const QSignalBlocker quiet(box);
        box->setDecimals(format.decimals);
        box->setSingleStep(format.step);
        box->setRange(TPositionEdit::Minimum(text.field, unit), TPositionEdit::Maximum(unit));
        box->setAccessibleDescription(unit == TLengthUnit::Millimetres ? tr("in millimetres")
                                                                       : tr("in inches"));
    }
    mShown = nullptr; // every box shows the new unit
    Refresh();
}

void TPositionPanel::Refresh()
{
    const TKGraphicControl* target = mEdit.Target();
    const bool sameObject = target == mShown;
    mShown = target;
    const bool editable = mEdit.Editable();
    for (const FieldText& text : kFields) {
        QDoubleSpinBox* box = Field(text.field);
        box->setEnabled(editable);
        QString& shown = mShownText[int(text.field)];
        // A box being typed into keeps what is typed while its object stays the same.
        if (sameObject && box->hasFocus() && box->text() != shown)
            continue;
        const QSignalBlocker quiet(box);
        // Nothing to show: an empty box, without its unit.
        box->setSuffix(target ? LengthFormat(mUnit).suffix : QString());
        if (target)
            box->setValue(mEdit.Value(text.field, mUnit));
        else
            box->clear();
        shown = box->text();
    }
    mStatus->setText(mEdit.Status());
    mStatus->setVisible(!mStatus->text().isEmpty());
}

void TPositionPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    mShown = nullptr;
    Refresh();
    if (OnEscape)
        OnEscape();
}

void TPositionPanel::Take(TBoxField field, double value)
{
    mEdit.Set(field, value, mUnit);
    // Shows what the object took: whole card units, and a label's box fitted to its text.
    mShown = nullptr;
    Refresh();
}

} // namespace qm

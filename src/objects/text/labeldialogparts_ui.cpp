// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the label dialogs share: the named-colour drop-down and what's-this help.
#include "objects/text/labeldialogparts_ui.h"

#include "model/colors.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

#include <memory>

namespace qm {

namespace {
const struct
{
    const char* name;
    TColor value;
} kNamedColors[ColorCombo::kColorCount] = {
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Light Gray"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "Dark Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("qm::ColorCombo", "White"), 0xFFFFFF},
};
// A colour's row picture: a swatch with a black outline.
QIcon Swatch(TColor color)
{
    QPixmap swatch(24, 12);
    swatch.fill(ToQColor(color));
    QPainter outline(&swatch);
    outline.setPen(Qt::black);
    outline.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    outline.end();
    return QIcon(swatch);
}

} // namespace

void AddWhatsThisMenu(QWidget* control)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control, [control](const QPoint& at) {
        std::unique_ptr<QMenu> menu;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            menu.reset(edit->createStandardContextMenu());
            menu->addSeparator();
        } else {
            menu = std::make_unique<QMenu>();
        }
        QAction* whatsThis = menu->addAction(QCoreApplication::translate("qm::ColorCombo", "What's this?"));
        if (menu->exec(control->mapToGlobal(at)) == whatsThis)
            QWhatsThis::showText(control->mapToGlobal(QPoint(0, control->height())), control->whatsThis(),
                                 control);
    });
}

const char* ColorCombo::ColorName(int row)
{
    return row >= 0 && row < kColorCount ? kNamedColors[row].name : "";
}

TColor ColorCombo::ColorValue(int row)
{
    return row >= 0 && row < kColorCount ? kNamedColors[row].value : clNone;
}

ColorCombo::ColorCombo(QWidget* parent) : QComboBox(parent)
{
    setMaxVisibleItems(kColorCount + 2);
    for (const auto& c : kNamedColors)
        addItem(Swatch(c.value), tr(c.name), QVariant(int(c.value)));
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (itemData(row).isValid())
            mLastColorRow = row;
    });
    connect(this, &QComboBox::activated, this, [this](int row) { Activated(row); });
}

void ColorCombo::AllowCustomColors(std::function<bool(TColor&)> choose)
{
    if (!mChooseCustom)
        addItem(CustomCommandCaption());
    mChooseCustom = std::move(choose);
}

int ColorCombo::CustomRow() const
{
    return mChooseCustom && count() == kColorCount + 2 ? kColorCount : -1;
}

void ColorCombo::SetColor(TColor color)
{
    for (int row = 0; row < kColorCount; ++row) {
        if (kNamedColors[row].value == color) {
            setCurrentIndex(row);
            DropCustomRow();
            return;
        }
    }
    if (!mChooseCustom || color == clNone)
        return;
    //: A colour of no name in the colour list, by its hexadecimal value ("Custom #1A2B3C").
    const QString caption = tr("Custom %1").arg(ToQColor(color).name(QColor::HexRgb).toUpper());
    if (CustomRow() < 0)
        insertItem(kColorCount, Swatch(color), caption, QVariant(int(color)));
    else {
        setItemIcon(kColorCount, Swatch(color));
        setItemText(kColorCount, caption);
        setItemData(kColorCount, QVariant(int(color)));
    }
    setCurrentIndex(kColorCount);
}

TColor ColorCombo::Color() const
{
    const QVariant value = currentData();
    return value.isValid() ? TColor(value.toInt()) : clNone;
}

void ColorCombo::Activated(int row)
{
    if (!mChooseCustom)
        return;
    if (row != count() - 1) {
        // A named colour chosen: the custom one is no longer shown.
        if (row < kColorCount)
            DropCustomRow();
        return;
    }
    const int previous = mLastColorRow;
    TColor color = previous >= 0 ? TColor(itemData(previous).toInt()) : clBlack;
    if (mChooseCustom(color))
        SetColor(color);
    else
        setCurrentIndex(previous);
}

void ColorCombo::DropCustomRow()
{
    if (CustomRow() >= 0 && currentIndex() != kColorCount)
        removeItem(kColorCount);
}

QCheckBox* MakeShrinkToFitBox(QWidget* parent, bool checked)
{
    auto* box =
        new QCheckBox(QCoreApplication::translate("qm::LabelDialogs", "&Shrink to fit the box"), parent);
    box->setObjectName(QStringLiteral("ShrinkToFit"));
    box->setChecked(checked);
    box->setWhatsThis(QCoreApplication::translate(
        "qm::LabelDialogs",
        "Keeps the label's width: a text too long for it (a long name in a merge, say) is "
        "drawn smaller so that it fits, never larger than the font's size."));
    return box;
}

} // namespace qm

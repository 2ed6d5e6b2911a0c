// SPDX-License-Identifier: GPL-3.0-or-later
// TPositionEdit: units, ranges and the one undo step of a typed position or size.
#include "design/positionedit.h"

#include "design/designpanel.h"
#include "model/sheetlayout.h"
#include "platform/units.h"

#include <algorithm>
#include <cmath>

namespace qm {

TLengthFormat LengthFormat(TLengthUnit unit)
{
    // As the layout dialog shows its lengths: thousandths of an inch, hundredths of a millimetre.
    if (unit == TLengthUnit::Millimetres)
        //: The suffix of lengths in millimetres, with its leading space.
        return {2, 0.5, QCoreApplication::translate("qm::TPositionEdit", " mm")};
    //: The suffix of lengths in inches, with its leading space.
    return {3, 1.0 / 32, QCoreApplication::translate("qm::TPositionEdit", " in")};
}

double CardUnitsToLength(int units, TLengthUnit unit)
{
    const double inches = double(units) / kUnitsPerInch;
    return unit == TLengthUnit::Millimetres ? InchesToMM(inches) : inches;
}

int LengthToCardUnits(double length, TLengthUnit unit)
{
    const double inches = unit == TLengthUnit::Millimetres ? length / kMMPerInch : length;
    const double limit = kMaxSheetInches * kUnitsPerInch;
    return int(std::lround(std::clamp(inches * kUnitsPerInch, -limit, limit)));
}

TKGraphicControl* TPositionEdit::Target() const
{
    const TKHandle& frame = mPanel.Frame();
    return frame.Count() == 1 ? frame.Item(0) : nullptr;
}

bool TPositionEdit::Editable() const
{
    const TKGraphicControl* target = Target();
    return target && !target->Locked();
}

QString TPositionEdit::Status() const
{
    const int count = mPanel.Frame().Count();
    if (count == 0)
        return tr("No object selected");
    if (count > 1)
        return tr("%n objects selected", nullptr, count);
    //: The selected object is locked: its position and size cannot be typed.
    return Target()->Locked() ? tr("Locked", "object state") : QString();
}

double TPositionEdit::Value(TBoxField field, TLengthUnit unit) const
{
    const TKGraphicControl* target = Target();
    if (!target)
        return 0;
    const QRect box = target->BoundsRect();
    switch (field) {
    case TBoxField::X:
        return CardUnitsToLength(box.left(), unit);
    case TBoxField::Y:
        return CardUnitsToLength(box.top(), unit);
    case TBoxField::Width:
        return CardUnitsToLength(box.width(), unit);
    case TBoxField::Height:
        return CardUnitsToLength(box.height(), unit);
    }
    return 0;
}

double TPositionEdit::Minimum(TBoxField field, TLengthUnit unit)
{
    const bool size = field == TBoxField::Width || field == TBoxField::Height;
    return size ? CardUnitsToLength(1, unit) : -Maximum(unit);
}

double TPositionEdit::Maximum(TLengthUnit unit)
{
    return CardUnitsToLength(int(kMaxSheetInches * kUnitsPerInch), unit);
}

bool TPositionEdit::Set(TBoxField field, double value, TLengthUnit unit)
{
    TKGraphicControl* target = Target();
    if (!target || !std::isfinite(value))
        return false;
    QRect box = target->BoundsRect();
    const int units = LengthToCardUnits(value, unit);
    switch (field) {
    case TBoxField::X:
        box.moveLeft(units);
        break;
    case TBoxField::Y:
        box.moveTop(units);
        break;
    case TBoxField::Width:
        box.setWidth(std::max(1, units));
        break;
    case TBoxField::Height:
        box.setHeight(std::max(1, units));
        break;
    }
    return mPanel.SetObjectBounds(target, box);
}

} // namespace qm

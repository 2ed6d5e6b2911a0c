// SPDX-License-Identifier: GPL-3.0-or-later
// TPositionEdit: the selected object's position and size as the position panel shows and takes them, in
// inches or millimetres.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace qm {

class TKBasePanel;
class TKGraphicControl;

// The unit lengths are shown in: the card layout's choice.
enum class TLengthUnit
{
    Inches,
    Millimetres
};

// How lengths show in a unit: decimals enough for a card unit (1/96 inch is 0.0104 inch, 0.26 mm), the step
// of the arrow keys and the suffix after the number.
struct TLengthFormat
{
    int decimals;
    double step;
    QString suffix;
};
TLengthFormat LengthFormat(TLengthUnit unit);

// Card units (96 a inch) as a length, and a length as the nearest whole card unit.
double CardUnitsToLength(int units, TLengthUnit unit);
int LengthToCardUnits(double length, TLengthUnit unit);

// The four numbers of an object's box.
enum class TBoxField
{
    X,
    Y,
    Width,
    Height
};

class TPositionEdit
{
    Q_DECLARE_TR_FUNCTIONS(qm::TPositionEdit)

public:
    explicit TPositionEdit(TKBasePanel& panel) : mPanel(panel) {}

    // The object the fields show: the one selected object; null when none or several are selected.
    TKGraphicControl* Target() const;
    // The fields take input: one object is selected and it is not locked.
    bool Editable() const;
    // Why the fields take no input ("No object selected", "3 objects selected", "Locked"); empty when they
    // do.
    QString Status() const;

    // A field of the target's box in the unit; 0 without a target.
    double Value(TBoxField field, TLengthUnit unit) const;
    // The range a field takes: positions from -48 to 48 inches (the largest card stock), sizes from one card
    // unit to 48 inches.
    static double Minimum(TBoxField field, TLengthUnit unit);
    static double Maximum(TLengthUnit unit);

    // Sets one field of the target's box to the value (rounded to a whole card unit and kept in range), the
    // others staying as they are, as one undo step. False when nothing changed.
    bool Set(TBoxField field, double value, TLengthUnit unit);

private:
    TKBasePanel& mPanel;
};

} // namespace qm

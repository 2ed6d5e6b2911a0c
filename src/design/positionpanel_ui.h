// SPDX-License-Identifier: GPL-3.0-or-later
// TPositionPanel: X, Y, width and height of the selected object, shown and typed in inches or millimetres.
#pragma once

#include "design/positionedit.h"

#include <QWidget>

#include <functional>

class QDoubleSpinBox;
class QLabel;

namespace qm {

class TKBasePanel;

// Four labelled number boxes over the design panel's selection. A value typed (Enter or leaving the box) or
// stepped with the arrow keys moves or sizes the object as one undo step; the boxes follow the selection and
// its moves. With nothing or several objects selected, or a locked object, they take no input and a line
// says why.
class TPositionPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TPositionPanel(TKBasePanel& panel, QWidget* parent = nullptr);

    TLengthUnit Unit() const { return mUnit; }
    void SetUnit(TLengthUnit unit);
    // Shows the selected object's box as it is now.
    void Refresh();

    QDoubleSpinBox* Field(TBoxField field) const { return mFields[int(field)]; }
    QLabel* Status() const { return mStatus; }

    // Escape in a box: what was typed is dropped and this runs (the window gives the card the keyboard).
    std::function<void()> OnEscape;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Take(TBoxField field, double value);

    TPositionEdit mEdit;
    TLengthUnit mUnit = TLengthUnit::Inches;
    QDoubleSpinBox* mFields[4] = {};
    QString mShownText[4]; // what each box was last given to show
    QLabel* mStatus = nullptr;
    const void* mShown = nullptr; // the object the fields last showed
};

} // namespace qm

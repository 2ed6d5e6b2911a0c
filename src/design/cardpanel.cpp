// SPDX-License-Identifier: GPL-3.0-or-later
// TKBusinessCardPanel32: drawing modes, the object factory, the export picture and card description files.
#include "design/cardpanel.h"

#include "design/cardpicture.h"

#include "model/classregistry.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace qm {

const char* const TKBusinessCardPanel32::kPersonalSections[kPersonalCount] = {
    "Name", "Company", "Title", "Address1", "Address2", "Address3", "Phone1", "Phone2", "Email", "Fax",
};


TKBusinessCardPanel32::TKBusinessCardPanel32()
{
    SetPersonalStrings({});
    SetZoom(1.0f);
}

void TKBusinessCardPanel32::SetPanelState(TLPanelState state)
{
    if (state == mPanelState)
        return;
    mPanelState = state;
    SetPointing(state == psPointing);
    if (View())
        View()->SetCursorShape(state == psPointing ? TKCursorShape::Default : TKCursorShape::Drag);
}

void TKBusinessCardPanel32::BackToPointer()
{
    if (View())
        View()->SetCursorShape(TKCursorShape::Default);
    SetPanelState(psPointing);
}

void TKBusinessCardPanel32::SetPersonalStrings(const QStringList& values)
{
    Card().SetPersonalStrings(values);
}

bool TKBusinessCardPanel32::HasSpecialEffects() const
{
    for (const TKGraphicControl* object : CardObjects().Objects()) {
        const QByteArray name = object->ClassName();
        if (name == "TSuperShape" || name == "TKSuperText")
            return true;
    }
    return false;
}

// ---- Creating objects ----

void TKBusinessCardPanel32::CreateObject(const QRect& drawn)
{
    // The way the mouse went when the rectangle is the last rubber band's; else down to the right.
    const QPoint from = BandStart(), to = BandEnd();
    const QRect band(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                     QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
    if (band == drawn)
        CreateObjectFrom(drawn, from, to);
    else
        CreateObjectFrom(drawn, drawn.topLeft(), drawn.topLeft() + QPoint(drawn.width(), drawn.height()));
}

QRect TKBusinessCardPanel32::DefaultObjectRect() const
{
    const DrawingTool* tool = CardClasses().Tool(mPanelState);
    if (!tool)
        return QRect();
    const QSize size = tool->defaultSize.boundedTo(Size());
    return QRect(QPoint((Width() - size.width()) / 2, (Height() - size.height()) / 2), size);
}

TKGraphicControl* TKBusinessCardPanel32::PlaceDefaultObject()
{
    const QRect rect = DefaultObjectRect();
    if (rect.isNull())
        return nullptr;
    // A line runs across the middle, left to right.
    const int middle = rect.top() + rect.height() / 2;
    TKGraphicControl* placed =
        CreateObjectFrom(rect, QPoint(rect.left(), middle), QPoint(rect.left() + rect.width(), middle));
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
    return placed;
}

TKGraphicControl* TKBusinessCardPanel32::CreateObjectFrom(const QRect& drawn, QPoint from, QPoint to)
{
    const DrawingTool* tool = CardClasses().Tool(mPanelState);
    std::unique_ptr<TKGraphicControl> object = tool ? CardClasses().Create(tool->className) : nullptr;
    if (!object)
        return nullptr;
    //: The change of placing a new object on the card; %1 is its kind ("Rectangle", "Text").
    History().Describe(QCoreApplication::translate("qm::ObjectMenu", "Draw %1").arg(tool->ShownCaption()));
    // On the panel before anything else, so that it finds the personal information and the dialogs.
    object->SetHost(this);
    if (tool->prepare)
        tool->prepare(*object, Font());

    QRect rect = drawn;
    if (tool->fit) {
        rect = tool->fit(*object, from, to);
    } else {
        // A click or a thin drag still gives an object one can see and take hold of.
        if (rect.width() < 25)
            rect.setWidth(50);
        if (rect.height() < 15)
            rect.setHeight(15);
    }

    object->Loaded();
    TKGraphicControl* placed = PlaceObject(std::move(object), rect);
    if (placed && tool->placed)
        tool->placed(*placed);
    if (tool->oneShot)
        BackToPointer();
    // The object just drawn is the one the next command acts on (its dialog may have taken it away).
    if (!placed || CardObjects().IndexOf(placed) < 0)
        return nullptr;
    ClearSelection();
    Select(placed);
    // The cursor stays the tool's: the pointer's, or the drawing cross of a tool that stays armed.
    if (View())
        View()->SetCursorShape(Pointing() ? TKCursorShape::Default : TKCursorShape::Drag);
    InvalidatePanel();
    return placed;
}

QString TKBusinessCardPanel32::ObjectTitle(const TKGraphicControl& object) const
{
    const ObjectDescription d = CardClasses().Describe(object, PersonalStrings());
    //: An object as a screen reader names it: its kind, then the text it shows ("Text: Jane Q. Example").
    return d.text.isEmpty() ? d.kind
                            : QCoreApplication::translate("qm::ObjectKinds", "%1: %2").arg(d.kind, d.text);
}

// ---- Export picture and fonts ----

QImage TKBusinessCardPanel32::RenderToBitmap(bool border)
{
    LayOutObjects();
    return RenderCardPicture(Card(), border);
}

void TKBusinessCardPanel32::SetTextFontName(const QString& faceName)
{
    const QString face = faceName.left(255);
    for (int i = CardObjects().Count() - 1; i >= 0; --i)
        CardObjects().At(i)->SetCardFace(face);
}

} // namespace qm

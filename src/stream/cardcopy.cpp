// A working copy of a card at scale 1.0.
#include "stream/cardcopy.h"

#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardmodel.h"

#include <cmath>

namespace qm {

std::unique_ptr<TCardModel> CopyCardAtUnitScale(const TCardModel& card)
{
    auto copy = std::make_unique<TCardModel>();
    std::vector<const TKGraphicControl*> objects;
    for (const TKGraphicControl* object : card.Objects().Objects())
        objects.push_back(object);
    const ReadResult read = ReadObjectsFromBytes(copy->Objects(), WriteObjectsToBytes(objects));
    if (!read.ok)
        return nullptr;

    const float scale = card.Scale() > 0 ? card.Scale() : 1.0f;
    const double f = 1.0 / double(scale);
    // Rounded to nearest, ties to even, as the design panel's zoom rounds its size.
    copy->SetSize(QSize(int(std::nearbyint(card.Width() * f)), int(std::nearbyint(card.Height() * f))));
    for (size_t i = 0; i < read.objects.size(); ++i) {
        TKGraphicControl* object = read.objects[i];
        object->SetName(objects[i]->Name()); // reading names objects afresh
        object->AssignScale(scale);
        object->SetScale(1.0f);
    }
    copy->SetShape(card.Shape());
    copy->Picture().Assign(card.Picture());
    copy->ColorPicture().Assign(card.ColorPicture());
    copy->SetPortrait(card.Portrait());
    copy->SetPersonalStrings(card.PersonalStrings());
    copy->LayOutObjects();
    return copy;
}

} // namespace qm

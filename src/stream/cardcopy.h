// A working copy of a card at scale 1.0, for printing and pictures, made through the card object stream.
#pragma once

#include <memory>

namespace qm {

class TCardModel;

// The card at scale 1.0 (what card files, prints and pictures use), laid out: its objects written and read
// back under their own names, their bounds brought from the card's scale as zooming does, with the card's size, outline,
// orientation, background and personal strings. The card itself is left as it is. Null when an object
// cannot be copied (a class no card file may hold).
std::unique_ptr<TCardModel> CopyCardAtUnitScale(const TCardModel& card);

} // namespace qm

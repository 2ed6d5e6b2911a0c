// TKMultiLineLabel: the multi-line text object of the card.
#include "objects/text/multilinelabel.h"

namespace qm {

TKMultiLineLabel::TKMultiLineLabel() = default;

} // namespace qm

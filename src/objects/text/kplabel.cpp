// TKPLabel: the plain single-line text object of the card.
#include "objects/text/kplabel.h"

namespace qm {

TKPLabel::TKPLabel() = default;

} // namespace qm

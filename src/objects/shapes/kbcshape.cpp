// TBCShapes: the business card panel's basic shape.
#include "objects/shapes/kbcshape.h"

namespace qm {

// Same properties as the base class: its table serves both.
TBCShapes::TBCShapes() = default;

} // namespace qm

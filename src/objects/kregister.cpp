// The card object classes a card file may hold, registered by name.
#include "files/kregistry.h"

#include "objects/shapes/klines.h"
#include "objects/shapes/kbcshape.h"
#include "objects/shapes/kimage.h"
#include "objects/shapes/klshapes.h"
#include "objects/shapes/ksshape.h"
#include "objects/text/kbclabel32.h"
#include "objects/text/kpcirct.h"
#include "objects/text/kplabel.h"
#include "objects/text/kpmlabel.h"
#include "objects/text/kprichl.h"
#include "objects/text/kpslabel.h"
#include "objects/text/ksstext.h"

namespace qm {

namespace {
template <class T>
void Add(ClassRegistry& registry)
{
    registry.Register(T().ClassName(), [] { return std::make_unique<T>(); });
}
} // namespace

const ClassRegistry& CardClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        Add<TKLineShape>(r);
        Add<TKImage>(r);
        Add<TKLabelShapes>(r);
        Add<TBCShapes>(r);
        Add<TKPLabel>(r);
        Add<TKBusinessCardLabel>(r);
        Add<TKSymbolLabel>(r);
        Add<TKMultiLineLabel>(r);
        Add<TSuperShape>(r);
        Add<TKPRichBaseLabel>(r);
        Add<TKSuperText>(r);
        Add<TKPCircleText>(r);
        return r;
    }();
    return registry;
}

} // namespace qm

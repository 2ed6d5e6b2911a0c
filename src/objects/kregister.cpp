// The card object classes a card file may hold, registered by name.
#include "files/kregistry.h"

#include "objects/shapes/klines.h"
// [shape includes]
// [text includes]

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
        // [TKImage]
        // [TKLabelShapes]
        // [TBCShapes]
        // [TKPLabel]
        // [TKBusinessCardLabel]
        // [TKSymbolLabel]
        // [TKMultiLineLabel]
        // [TSuperShape]
        // [TKPRichBaseLabel]
        // [TKSuperText]
        // [TKPCircleText]
        return r;
    }();
    return registry;
}

} // namespace qm

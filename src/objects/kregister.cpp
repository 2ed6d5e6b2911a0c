// The card object classes a card file may hold, registered by name.
#include "files/kregistry.h"

#include "objects/shapes/klines.h"

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
        return r;
    }();
    return registry;
}

} // namespace qm

// The card object classes a card file may hold, registered by name.
#include "model/classregistry.h"

#include "objects/shapes/line.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/basicshape.h"
#include "objects/shapes/supershape.h"
#include "objects/text/personallabel.h"
#include "objects/text/circletext.h"
#include "objects/text/textlabel.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/richtext.h"
#include "objects/text/symbollabel.h"
#include "objects/text/supertext.h"

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

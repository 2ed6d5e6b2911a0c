// TKSymbolLabel: a single character of a symbol font.
#include "objects/text/symbollabel.h"

namespace qm {

TKSymbolLabel::TKSymbolLabel()
{
    Font().SetName(QStringLiteral("WingDings"));
    Font().SetSize(24);
    SetCaption(QStringLiteral("["));
}

} // namespace qm

// Small helpers shared by the tests.
#include "testutil.h"

namespace qmtest {
QByteArray fromHex(const char* hex)
{
    QByteArray compact(hex);
    compact = compact.simplified().replace(' ', "");
    return QByteArray::fromHex(compact);
}

QString toHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
} // namespace qmtest

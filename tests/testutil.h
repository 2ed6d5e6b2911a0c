// Small helpers shared by the tests: hex dumps and byte arrays from hex text.
#pragma once
#include <QByteArray>
#include <QString>

namespace qmtest {
// "01 54 50" -> bytes; whitespace ignored.
QByteArray fromHex(const char* hex);
// bytes -> "01 54 50 ..." for readable failure messages.
QString toHex(const QByteArray& bytes);
} // namespace qmtest

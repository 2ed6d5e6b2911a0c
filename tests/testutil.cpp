// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the tests.
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qmtest {
QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString SourceFile(const QString& relative)
{
    // ctest names the tree; run by hand, the tests take the tree they were built from.
    const QByteArray source = qgetenv("QUILLMARK_SOURCE_DIR");
    const QString root = source.isEmpty() ? QStringLiteral(QM_SOURCE_DIR) : QString::fromLocal8Bit(source);
    return QDir(root).filePath(relative);
}

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

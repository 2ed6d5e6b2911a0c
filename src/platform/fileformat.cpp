// SPDX-License-Identifier: GPL-3.0-or-later
// File formats read from outside: masks, dialog filters and reading a file's bytes with the usual refusals.
#include "platform/fileformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qm {

QStringList FileFormat::Masks() const
{
    QStringList masks;
    for (const QString& extension : Extensions())
        masks << QStringLiteral("*.") + extension;
    return masks;
}

QString FileFormat::NameFilter() const
{
    return Name() + QStringLiteral(" (") + Masks().join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool FileFormat::OpenFile(const QString& path, QFile* file)
{
    mError.clear();
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 does not exist.").arg(name));
    // A pipe or a device could keep the program waiting for ever: only regular files are opened.
    if (!info.isFile())
        return Fail(
            QCoreApplication::translate("qm::FileFormat", "%1 is not a file that can be read.").arg(name));
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly))
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 cannot be opened: %2.")
                        .arg(name, file->errorString()));
    return true;
}

bool FileFormat::ReadFileBytes(const QString& path, qint64 maxBytes, QByteArray* bytes)
{
    const QString name = QFileInfo(path).fileName();
    QFile file;
    if (!OpenFile(path, &file))
        return false;
    if (file.size() > maxBytes)
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 is too large.").arg(name));
    QByteArray read = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 cannot be read: %2.")
                        .arg(name, file.errorString()));
    if (read.isEmpty())
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 is empty.").arg(name));
    if (read.size() > maxBytes)
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 is too large.").arg(name));
    *bytes = std::move(read);
    return true;
}

} // namespace qm

// Atomic file replacement through QSaveFile.
#include "atomicfile.h"

#include <QDir>
#include <QSaveFile>

namespace qm {

namespace {

bool fail(QString* error, const QString& path, const QString& reason)
{
    if (error) {
        *error = QStringLiteral("Could not save \"%1\": %2")
                     .arg(QDir::toNativeSeparators(path),
                          reason.isEmpty() ? QStringLiteral("unknown error") : reason);
    }
    return false;
}

} // namespace

bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error)
{
    if (path.isEmpty())
        return fail(error, path, QStringLiteral("no file name given"));

    QSaveFile file(path);
    // Writing in place when no temporary file can be made would lose the old contents on a failed write.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, path, reason);
    }
    if (!file.commit())
        return fail(error, path, file.errorString());
    return true;
}

} // namespace qm

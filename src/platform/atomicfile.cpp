// Atomic file replacement through QSaveFile.
#include "atomicfile.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>

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

// Qt reports some failures (a rename or link refused by the system) only as "Unknown error"; the system's
// own reason is then more use to the reader.
QString reasonFor(const QSaveFile& file, int systemError)
{
    const QString reason = file.errorString();
    if (systemError != 0 && (reason.isEmpty() || reason == QIODevice::tr("Unknown error")))
        return qt_error_string(systemError);
    return reason;
}

} // namespace

bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error)
{
    if (path.isEmpty())
        return fail(error, path, QStringLiteral("no file name given"));

    QSaveFile file(path);
    // Writing in place when no temporary file can be made would lose the old contents on a failed write.
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, reasonFor(file, errno));
    errno = 0;
    if (file.write(data) != data.size()) {
        const QString reason = reasonFor(file, errno);
        file.cancelWriting();
        return fail(error, path, reason);
    }
    errno = 0;
    if (!file.commit())
        return fail(error, path, reasonFor(file, errno));
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder and file-name helpers.
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

QString ProgramFolder()
{
    QString folder = qEnvironmentVariable("QUILLMARK_HOME");
    if (folder.isEmpty()) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty())
            base = QDir::homePath() + QStringLiteral("/.local/share");
        folder = base + QStringLiteral("/quillmark");
    }
    folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QDir().mkpath(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ProgramFile(const QString& relativeName)
{
    qsizetype start = 0;
    while (start < relativeName.size() && relativeName.at(start) == QLatin1Char('/'))
        ++start;
    return ProgramFolder() + relativeName.mid(start);
}

QString FileNameOnly(const QString& path)
{
    qsizetype start = 0;
    // "C:x.bmp" is a drive-relative Windows name; a colon elsewhere is part of a Linux file name.
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() &&
        path.at(0).unicode() < 0x80)
        start = 2;
    for (qsizetype i = path.size() - 1; i >= start; --i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return path.mid(i + 1);
    }
    return path.mid(start);
}

QString FindFileIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a plain file");
}

bool notFound(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

} // namespace

QString NonFileKind(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    return kindOf(st.st_mode);
}

bool OpenRegularFile(QFile& file, const QString& what, QString* error)
{
    const QString path = file.fileName();
    const QByteArray native = QFile::encodeName(path);
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const auto failWith = [&](int code) {
        if (notFound(code))
            return fail(QStringLiteral("%1: no such %2").arg(path, what));
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(code))));
    };
    const auto notRegular = [&](mode_t mode) {
        return fail(QStringLiteral("%1 is %2, not a %3").arg(path, kindOf(mode), what));
    };

    // Looked at before opening: opening a named pipe waits for a writer, opening a device may do anything.
    struct stat st;
    if (path.isEmpty() || ::stat(native.constData(), &st) != 0)
        return failWith(path.isEmpty() ? ENOENT : errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(st.st_mode);
    // Opened without waiting and looked at again, in case something else was put there in between.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return failWith(errno);
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return failWith(code);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular(st.st_mode);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    return true;
}

} // namespace qm

// Atomic file replacement with every system call's result checked. The bytes go straight to the system
// (no buffer in between), so a full disk is seen at the write that hits it, and again at the sync: nothing is
// renamed into place that is not all there.
#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

TWriteFault gFault;

bool Fail(QString* error, const QString& path, const QString& reason)
{
    if (error) {
        *error = QStringLiteral("Could not save \"%1\": %2")
                     .arg(QDir::toNativeSeparators(path),
                          reason.isEmpty() ? QStringLiteral("unknown error") : reason);
    }
    return false;
}

bool FailWith(QString* error, const QString& path, int systemError)
{
    return Fail(error, path, qt_error_string(systemError));
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// A symbolic link is written through: the file it names gets the new contents, the link stays.
QString ResolveLinks(const QString& path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target; // a loop of links: opening it gives the system's own message
}

// Writes all of data to fd, going on after short writes and interruptions. 0, or the system's error.
int WriteFully(int fd, const QByteArray& data)
{
    const char* bytes = data.constData();
    const qint64 size = data.size();
    qint64 done = 0;
    while (done < size) {
        qint64 chunk = std::min<qint64>(size - done, qint64(1) << 20);
        if (gFault.FailAfterBytes >= 0) {
            if (done >= gFault.FailAfterBytes)
                return gFault.Error;
            chunk = std::min(chunk, gFault.FailAfterBytes - done);
        }
        const ssize_t n = ::write(fd, bytes + done, size_t(chunk));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

// Writing into an existing character device or named pipe: no temporary file, no rename, no sync (neither
// has anything to sync). A pipe that nobody reads would block the program for ever, so it is refused; a reader
// that goes away makes the write fail rather than end the program.
bool WriteInPlace(const QString& shownPath, const QString& target, bool pipe, const QByteArray& data,
                  QString* error)
{
    int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY;
    if (pipe)
        flags |= O_NONBLOCK;
    int fd;
    do {
        fd = ::open(Native(target).constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (pipe && errno == ENXIO)
            return Fail(error, shownPath, QStringLiteral("it is a named pipe that no program is reading from"));
        return FailWith(error, shownPath, errno);
    }
    if (pipe && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int e = errno;
        ::close(fd);
        return FailWith(error, shownPath, e);
    }

    sigset_t sigpipe, previous, pending;
    sigemptyset(&sigpipe);
    sigaddset(&sigpipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &sigpipe, &previous);
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;

    int result = WriteFully(fd, data);
    if (::close(fd) != 0 && result == 0 && errno != EINTR)
        result = errno;

    if (result == EPIPE && !alreadyPending) {
        // The signal our own write raised is taken off again before the mask is restored.
        const timespec noWait{0, 0};
        sigtimedwait(&sigpipe, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (result != 0)
        return FailWith(error, shownPath, result);
    return true;
}

// A name beside target that nothing has: target plus a dot and six random letters.
QString TemporaryName(const QString& target)
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))]);
    return name;
}

// The file the new contents go into, with the user's usual permissions (the umask applies). Where the file
// system allows, it has no name until it is complete, so that not even a crash leaves a stray file behind;
// otherwise *temporary is its name. -1 with errno set.
int CreateTemporary(const QString& target, QString* temporary)
{
    temporary->clear();
    static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
    if (procFds) {
        const int fd =
            ::open(Native(QFileInfo(target).absolutePath()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = TemporaryName(target);
        const int fd = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *temporary = name;
            return fd;
        }
        if (errno != EEXIST && errno != EINTR)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Gives the complete unnamed file a name: the target's own when there is no file there yet, else a temporary
// one beside it. 0, or the system's error.
int NameUnnamed(int fd, const QString& target, bool replacing, QString* temporary)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (!replacing) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(target).constData(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
        // Someone made the file meanwhile: it is replaced like any other.
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = TemporaryName(target);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(name).constData(), AT_SYMLINK_FOLLOW) == 0) {
            *temporary = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// The old file's permissions (and, where allowed, its owner) carried over to its replacement.
int KeepAttributes(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only root may give a file away: the new file is then the writer's own, as a new file would be.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

bool Replace(const QString& shownPath, const QString& target, const struct stat* old, const QByteArray& data,
             QString* error)
{
    if (old && ::access(Native(target).constData(), W_OK) != 0 && errno == EACCES)
        return FailWith(error, shownPath, EACCES);

    QString temporary;
    const int fd = CreateTemporary(target, &temporary);
    if (fd < 0)
        return FailWith(error, shownPath, errno);
    const bool unnamed = temporary.isEmpty();

    int result = old ? KeepAttributes(fd, *old) : 0;
    if (result == 0)
        result = WriteFully(fd, data);
    if (result == 0) {
        if (gFault.FailSync)
            result = gFault.Error;
        else if (::fsync(fd) != 0)
            result = errno;
    }
    bool inPlace = false;
    if (result == 0 && unnamed) {
        result = NameUnnamed(fd, target, old != nullptr, &temporary);
        inPlace = result == 0 && temporary.isEmpty();
    }
    if (::close(fd) != 0 && result == 0 && errno != EINTR)
        result = errno;
    if (result == 0 && !inPlace && ::rename(Native(temporary).constData(), Native(target).constData()) != 0)
        result = errno;
    if (result != 0) {
        if (!temporary.isEmpty())
            ::unlink(Native(temporary).constData());
        else if (inPlace)
            ::unlink(Native(target).constData()); // only a close that failed after linking gets here
        return FailWith(error, shownPath, result);
    }

    // The new name made lasting too. The file is in place and complete already, so a folder that cannot be
    // synced (some file systems refuse) does not turn the save into a failure.
    const int folder = ::open(Native(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace

bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error)
{
    if (path.isEmpty())
        return Fail(error, path, QStringLiteral("no file name given"));

    const QString target = ResolveLinks(path);
    struct stat st;
    if (::stat(Native(target).constData(), &st) != 0) {
        if (errno != ENOENT)
            return FailWith(error, path, errno);
        return Replace(path, target, nullptr, data, error);
    }
    if (S_ISREG(st.st_mode))
        return Replace(path, target, &st, data, error);
    if (S_ISCHR(st.st_mode))
        return WriteInPlace(path, target, false, data, error);
    if (S_ISFIFO(st.st_mode))
        return WriteInPlace(path, target, true, data, error);
    if (S_ISDIR(st.st_mode))
        return Fail(error, path, QStringLiteral("it is a folder"));
    if (S_ISBLK(st.st_mode))
        return Fail(error, path, QStringLiteral("it is a disk device, not a file"));
    return Fail(error, path, QStringLiteral("it is not a regular file"));
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return !a.isEmpty() && !b.isEmpty() && ::stat(Native(a).constData(), &sa) == 0 &&
           ::stat(Native(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void SetWriteFaultForTesting(const TWriteFault& fault) { gFault = fault; }

} // namespace qm

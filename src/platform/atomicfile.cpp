// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic file replacement with every system call's result checked. The bytes go straight to the system
// (no buffer in between), so a full disk is seen at the write that hits it, and again at the sync: nothing is
// renamed into place that is not all there.
#include "atomicfile.h"

#include <QCoreApplication>
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

WriteFault gFault;

bool Fail(QString* error, const QString& path, const QString& reason)
{
    if (error) {
        //: %1 is the file, %2 the reason ("it is a folder", or the system's own words)
        *error =
            QCoreApplication::translate("qm::AtomicFileWriter", "Could not save \"%1\": %2")
                .arg(QDir::toNativeSeparators(path),
                     reason.isEmpty() ? QCoreApplication::translate("qm::AtomicFileWriter", "unknown error")
                                      : reason);
    }
    return false;
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

// Writes size bytes to fd, going on after short writes and interruptions; already counts the bytes the file
// had before (for the test fault). 0, or the system's error.
int WriteFully(int fd, const char* bytes, qint64 size, qint64 already)
{
    qint64 done = 0;
    while (done < size) {
        qint64 chunk = std::min<qint64>(size - done, qint64(1) << 20);
        if (gFault.FailAfterBytes >= 0) {
            if (already + done >= gFault.FailAfterBytes)
                return gFault.Error;
            chunk = std::min(chunk, gFault.FailAfterBytes - already - done);
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

// The same into a pipe whose reader may have gone: the write fails rather than the signal ending the program.
int WriteToPipe(int fd, const char* bytes, qint64 size, qint64 already)
{
    sigset_t sigpipe, previous, pending;
    sigemptyset(&sigpipe);
    sigaddset(&sigpipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &sigpipe, &previous);
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;
    const int result = WriteFully(fd, bytes, size, already);
    if (result == EPIPE && !alreadyPending) {
        // The signal our own write raised is taken off again before the mask is restored.
        const timespec noWait{0, 0};
        sigtimedwait(&sigpipe, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return result;
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

} // namespace

bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error)
{
    AtomicFileWriter writer(path);
    if (writer.Open() && writer.Write(data) && writer.Commit())
        return true;
    if (error)
        *error = writer.ErrorString();
    return false;
}

// ---- AtomicFileWriter ----

namespace {
// Pieces smaller than this are gathered before they go to the system.
constexpr qint64 kWriteBuffer = 256 * 1024;
} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : mPath(path) {}

AtomicFileWriter::~AtomicFileWriter()
{
    Abort();
}

bool AtomicFileWriter::SetFailure(const QString& reason)
{
    if (mError.isEmpty())
        Fail(&mError, mPath, reason);
    return false;
}

bool AtomicFileWriter::SetFailure(int systemError)
{
    return SetFailure(qt_error_string(systemError));
}

bool AtomicFileWriter::Open()
{
    if (mPath.isEmpty())
        return SetFailure(tr("no file name given"));
    mTarget = ResolveLinks(mPath);
    struct stat st;
    if (::stat(Native(mTarget).constData(), &st) != 0) {
        if (errno != ENOENT)
            return SetFailure(errno);
    } else if (S_ISREG(st.st_mode)) {
        if (::access(Native(mTarget).constData(), W_OK) != 0 && errno == EACCES)
            return SetFailure(EACCES);
        mReplacing = true;
        mOldMode = st.st_mode;
        mOldUid = st.st_uid;
        mOldGid = st.st_gid;
    } else if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
        // A character device (the null device, a terminal) or a pipe a program reads from is written in
        // place. A pipe that nobody reads would block the program for ever, so it is refused.
        mInPlace = true;
        mPipe = S_ISFIFO(st.st_mode);
        int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY;
        if (mPipe)
            flags |= O_NONBLOCK;
        do {
            mFd = ::open(Native(mTarget).constData(), flags);
        } while (mFd < 0 && errno == EINTR);
        if (mFd < 0) {
            if (mPipe && errno == ENXIO)
                return SetFailure(tr("it is a named pipe that no program is reading from"));
            return SetFailure(errno);
        }
        if (mPipe && ::fcntl(mFd, F_SETFL, ::fcntl(mFd, F_GETFL) & ~O_NONBLOCK) != 0)
            return SetFailure(errno);
        return true;
    } else if (S_ISDIR(st.st_mode)) {
        return SetFailure(tr("it is a folder"));
    } else if (S_ISBLK(st.st_mode)) {
        return SetFailure(tr("it is a disk device, not a file"));
    } else {
        return SetFailure(tr("it is not a regular file"));
    }

    mFd = CreateTemporary(mTarget, &mTemporary);
    if (mFd < 0)
        return SetFailure(errno);
    if (mReplacing) {
        struct stat old{};
        old.st_mode = mOldMode;
        old.st_uid = mOldUid;
        old.st_gid = mOldGid;
        if (const int result = KeepAttributes(mFd, old))
            return SetFailure(result);
    }
    return true;
}

bool AtomicFileWriter::Flush()
{
    if (mFd < 0 || !mError.isEmpty())
        return false;
    if (mBuffer.isEmpty())
        return true;
    const int result = mPipe ? WriteToPipe(mFd, mBuffer.constData(), mBuffer.size(), mFlushed)
                             : WriteFully(mFd, mBuffer.constData(), mBuffer.size(), mFlushed);
    mFlushed += mBuffer.size();
    mBuffer.clear();
    if (result != 0)
        return SetFailure(result);
    return true;
}

bool AtomicFileWriter::Write(const char* data, qint64 size)
{
    if (mFd < 0 || !mError.isEmpty())
        return false;
    mSize += size;
    if (mBuffer.size() + size < kWriteBuffer) {
        mBuffer.append(data, size);
        return true;
    }
    if (!Flush())
        return false;
    if (size < kWriteBuffer) {
        mBuffer.append(data, size);
        return true;
    }
    // A big piece goes straight through.
    const int result = mPipe ? WriteToPipe(mFd, data, size, mFlushed) : WriteFully(mFd, data, size, mFlushed);
    mFlushed += size;
    if (result != 0)
        return SetFailure(result);
    return true;
}

bool AtomicFileWriter::Commit()
{
    if (mFd < 0 || !Flush()) {
        Abort();
        return false;
    }
    int result = 0;
    if (mInPlace) {
        if (::close(mFd) != 0 && errno != EINTR)
            result = errno;
        mFd = -1;
        return result == 0 || SetFailure(result);
    }
    if (gFault.FailSync)
        result = gFault.Error;
    else if (::fsync(mFd) != 0)
        result = errno;
    const bool unnamed = mTemporary.isEmpty();
    bool linkedInPlace = false;
    if (result == 0 && unnamed) {
        result = NameUnnamed(mFd, mTarget, mReplacing, &mTemporary);
        linkedInPlace = result == 0 && mTemporary.isEmpty();
    }
    if (::close(mFd) != 0 && result == 0 && errno != EINTR)
        result = errno;
    mFd = -1;
    if (result == 0 && !linkedInPlace &&
        ::rename(Native(mTemporary).constData(), Native(mTarget).constData()) != 0)
        result = errno;
    if (result != 0) {
        if (!mTemporary.isEmpty())
            ::unlink(Native(mTemporary).constData());
        else if (linkedInPlace)
            ::unlink(Native(mTarget).constData()); // only a close that failed after linking gets here
        mTemporary.clear();
        return SetFailure(result);
    }
    mTemporary.clear();

    // The new name made lasting too. The file is in place and complete already, so a folder that cannot be
    // synced (some file systems refuse) does not turn the save into a failure.
    const int folder = ::open(Native(QFileInfo(mTarget).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void AtomicFileWriter::Abort()
{
    mBuffer.clear();
    if (mFd >= 0) {
        ::close(mFd);
        mFd = -1;
    }
    if (!mTemporary.isEmpty()) {
        ::unlink(Native(mTemporary).constData());
        mTemporary.clear();
    }
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return !a.isEmpty() && !b.isEmpty() && ::stat(Native(a).constData(), &sa) == 0 &&
           ::stat(Native(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void SetWriteFaultForTesting(const WriteFault& fault) { gFault = fault; }

} // namespace qm

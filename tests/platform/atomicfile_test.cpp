// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for replacing files atomically.
#include "platform/atomicfile.h"
#include "devicenode.h"
#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <grp.h>
#include <sys/wait.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(AtomicWrite, CreatesAndReplacesWithoutLeavingTemporaries)
{
    QTemporaryDir temp;
    const QString target = temp.filePath(QStringLiteral("card.qmkt"));
    QString error;
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("first\r\n"), &error)) << qPrintable(error);
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("se\0nd", 5), &error)) << qPrintable(error);
    EXPECT_EQ(readAll(target), QByteArray("se\0nd", 5));
    EXPECT_EQ(entries(temp.path()), QStringList{QStringLiteral("card.qmkt")});
}

// None of these failures depends on permissions, so they are checked even when running as root.
TEST(AtomicWrite, FailureGivesReasonAndLeavesOldFileAlone)
{
    QTemporaryDir temp;
    QString error;
    const QString missing = temp.filePath(QStringLiteral("missing/card.qmkt"));
    EXPECT_FALSE(qm::WriteFileAtomic(missing, QByteArray("x"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("card.qmkt"))) << qPrintable(error);
    EXPECT_GT(error.size(), missing.size() + 20) << "no reason given: " << qPrintable(error);
    EXPECT_FALSE(qm::WriteFileAtomic(QString(), QByteArray("x"), &error));

    // A name at the length limit leaves no room for the temporary file's name beside it.
    const QString longName(250, QLatin1Char('n'));
    ASSERT_TRUE(qm::WriteFileAtomic(temp.filePath(longName), QByteArray("old")));
    error.clear();
    EXPECT_FALSE(qm::WriteFileAtomic(temp.filePath(longName), QByteArray("new"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(error.contains(QStringLiteral("Unknown error"))) << qPrintable(error);
    EXPECT_EQ(readAll(temp.filePath(longName)), QByteArray("old"));

    // A folder where the file should be is not replaced.
    ASSERT_TRUE(QDir().mkpath(temp.filePath(QStringLiteral("folder/inside"))));
    EXPECT_FALSE(qm::WriteFileAtomic(temp.filePath(QStringLiteral("folder")), QByteArray("new")));
    EXPECT_TRUE(QFileInfo(temp.filePath(QStringLiteral("folder/inside"))).isDir());

    QStringList expected{longName, QStringLiteral("folder")};
    expected.sort();
    EXPECT_EQ(entries(temp.path()), expected);
}

// How a write into a folder the writer may not change ended: written, refused (with the reason), or not tried.
struct Attempt
{
    bool tried = false;
    bool written = false;
    QString error;
};

// Root may write into any folder, so as root the write is tried by a child process that has given up
// root's rights and runs as "nobody", the folder's owner; anyone else tries it here.
Attempt WriteWithoutRights(const QString& target, const QByteArray& data)
{
    Attempt attempt;
    if (::geteuid() != 0) {
        QFile probe(QFileInfo(target).dir().filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) { // permissions are not enforced for this user
            probe.remove();
            return attempt;
        }
        attempt.tried = true;
        attempt.written = qm::WriteFileAtomic(target, data, &attempt.error);
        return attempt;
    }
    constexpr uid_t kNobody = 65534;
    int channel[2];
    if (::pipe(channel) != 0)
        return attempt;
    const pid_t child = ::fork();
    if (child < 0)
        return attempt;
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        QString error;
        const bool written = qm::WriteFileAtomic(target, data, &error);
        const QByteArray message = error.toUtf8();
        const ssize_t sent = ::write(channel[1], message.constData(), size_t(message.size()));
        ::_exit(sent != message.size() ? 4 : written ? 1 : 0);
    }
    ::close(channel[1]);
    QByteArray message;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    attempt.tried = code == 0 || code == 1;
    attempt.written = code == 1;
    attempt.error = QString::fromUtf8(message);
    return attempt;
}

TEST(AtomicWrite, ReadOnlyFolderKeepsOldFile)
{
    QTemporaryDir temp;
    const QString target = temp.filePath(QStringLiteral("qmk.ini"));
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("old")));
    const auto writable = QFile::permissions(temp.path());
    if (::geteuid() == 0) { // the folder is the child's, so that only the permissions below stop it
        ASSERT_EQ(::chown(QFile::encodeName(temp.path()).constData(), 65534, 65534), 0);
    }
    QFile::setPermissions(temp.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const Attempt attempt = WriteWithoutRights(target, QByteArray("new"));
    const QStringList left = entries(temp.path());
    QFile::setPermissions(temp.path(), writable);
    if (!attempt.tried)
        GTEST_SKIP() << "folder permissions are not enforced for this user, nor could root give up its rights";
    EXPECT_FALSE(attempt.written);
    EXPECT_TRUE(attempt.error.contains(QStringLiteral("qmk.ini"))) << qPrintable(attempt.error);
    EXPECT_EQ(readAll(target), QByteArray("old"));
    EXPECT_EQ(left, QStringList{QStringLiteral("qmk.ini")});
}

struct stat StatOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// A disk that fills up in the middle of a save: the old file stays whole and no temporary is left. A card
// smaller than a write buffer is the case where only the final flush sees the full disk.
TEST(AtomicWrite, FullDiskKeepsOldFileAndLeavesNoTemporary)
{
    qmtest::SmallDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << qPrintable(disk.Why());
    const QString target = disk.FilePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("old")));
    disk.Fill();
    for (int size : {12000, 200000}) {
        QString error;
        EXPECT_FALSE(qm::WriteFileAtomic(target, QByteArray(size, 'n'), &error)) << size;
        EXPECT_TRUE(error.contains(qt_error_string(ENOSPC))) << qPrintable(error);
        EXPECT_EQ(readAll(target), QByteArray("old"));
        EXPECT_EQ(entries(disk.FilePath(QString())), (QStringList{QStringLiteral("card.qmk"), QStringLiteral("fill")}));
    }
    EXPECT_FALSE(qm::WriteFileAtomic(disk.FilePath(QStringLiteral("new.qmk")), QByteArray(100, 'n')));
    EXPECT_FALSE(QFile::exists(disk.FilePath(QStringLiteral("new.qmk"))));
}

// The same for a failure at each step of the write, made to happen: at the first byte, in the middle, at the
// last byte, and at the sync after everything was written.
TEST(AtomicWrite, FailureAtAnyStepKeepsOldFile)
{
    QTemporaryDir temp;
    const QString target = temp.filePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("old")));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0604), 0);
    const QByteArray data(3 << 20, 'n');
    std::vector<qm::WriteFault> faults = {{0, false, ENOSPC}, {1, false, EIO}, {2 << 20, false, ENOSPC},
                                           {data.size() - 1, false, EDQUOT}, {-1, true, EIO}};
    for (const qm::WriteFault& fault : faults) {
        qm::SetWriteFaultForTesting(fault);
        QString error;
        const bool written = qm::WriteFileAtomic(target, data, &error);
        const bool created = qm::WriteFileAtomic(temp.filePath(QStringLiteral("new.qmk")), data);
        qm::SetWriteFaultForTesting({});
        EXPECT_FALSE(written) << fault.FailAfterBytes;
        EXPECT_FALSE(created) << fault.FailAfterBytes;
        EXPECT_TRUE(error.endsWith(qt_error_string(fault.Error))) << qPrintable(error);
        EXPECT_EQ(readAll(target), QByteArray("old"));
        EXPECT_EQ(entries(temp.path()), QStringList{QStringLiteral("card.qmk")});
    }
    // A replacement keeps the old file's permissions.
    ASSERT_TRUE(qm::WriteFileAtomic(target, data));
    EXPECT_EQ(readAll(target), data);
    EXPECT_EQ(StatOf(target).st_mode & 0777, 0604u);
}

// Devices and named pipes are written into, never replaced by a regular file; a link is written through.
TEST(AtomicWrite, DevicesPipesAndLinksAreWrittenThroughNeverReplaced)
{
    // Device nodes of the test's own: a writer that replaced a device would replace only these.
    const qmtest::DeviceNode null(qmtest::DeviceNode::Null), full(qmtest::DeviceNode::Full);
    QString error;
    if (null.Available() && full.Available()) {
        EXPECT_TRUE(qm::WriteFileAtomic(null.Path(), QByteArray(100000, 'x'), &error)) << qPrintable(error);
        EXPECT_TRUE(null.IsIntact());
        EXPECT_FALSE(qm::WriteFileAtomic(full.Path(), QByteArray("x"), &error));
        EXPECT_TRUE(error.endsWith(qt_error_string(ENOSPC))) << qPrintable(error);
        EXPECT_TRUE(full.IsIntact());
    }

    QTemporaryDir temp;
    const QString fifo = temp.filePath(QStringLiteral("pipe"));
    const QByteArray fifoName = QFile::encodeName(fifo);
    ASSERT_EQ(::mkfifo(fifoName.constData(), 0600), 0);
    // Nobody reads: refused at once instead of waiting for ever.
    EXPECT_FALSE(qm::WriteFileAtomic(fifo, QByteArray("card"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no program is reading"))) << qPrintable(error);
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));

    // A reader gets every byte, more than the pipe holds at once.
    const QByteArray data(1 << 20, 'p');
    int reader = ::open(fifoName.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ::fcntl(reader, F_SETFL, 0);
    QByteArray received;
    std::thread drain([&] {
        // Until the writer comes, and after it has gone, a read gives nothing.
        char buffer[65536];
        for (int idle = 0; received.size() < data.size() && idle < 5000;) {
            const ssize_t n = ::read(reader, buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, n);
            else
                ++idle, ::usleep(1000);
        }
    });
    EXPECT_TRUE(qm::WriteFileAtomic(fifo, data, &error)) << qPrintable(error);
    drain.join();
    ::close(reader);
    EXPECT_EQ(received.size(), data.size());
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));

    // A reader that goes away once the writing has begun fails the write; the program goes on.
    reader = ::open(fifoName.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    std::thread quit([&] {
        int waiting = 0;
        for (int idle = 0; waiting == 0 && idle < 5000; ++idle) {
            ::usleep(1000);
            ::ioctl(reader, FIONREAD, &waiting);
        }
        ::close(reader);
    });
    EXPECT_FALSE(qm::WriteFileAtomic(fifo, data, &error));
    quit.join();
    EXPECT_TRUE(error.endsWith(qt_error_string(EPIPE))) << qPrintable(error);

    const QString real = temp.filePath(QStringLiteral("real.qmk"));
    const QString link = temp.filePath(QStringLiteral("link.qmk"));
    ASSERT_TRUE(qm::WriteFileAtomic(real, QByteArray("old")));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_TRUE(qm::WriteFileAtomic(link, QByteArray("new")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), QByteArray("new"));
}

} // namespace

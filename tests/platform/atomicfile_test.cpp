// Tests for replacing files atomically.
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

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

} // namespace

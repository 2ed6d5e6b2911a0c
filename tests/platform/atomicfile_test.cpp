// Tests for replacing files atomically.
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(AtomicWrite, ReadOnlyFolderKeepsOldFile)
{
    QTemporaryDir temp;
    const QString target = temp.filePath(QStringLiteral("qmk.ini"));
    ASSERT_TRUE(qm::WriteFileAtomic(target, QByteArray("old")));
    const auto writable = QFile::permissions(temp.path());
    QFile::setPermissions(temp.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(temp.filePath(QStringLiteral("probe")));
    const bool enforced = !probe.open(QIODevice::WriteOnly);
    probe.remove();

    QString error;
    const bool written = enforced && qm::WriteFileAtomic(target, QByteArray("new"), &error);
    const QStringList left = entries(temp.path());
    QFile::setPermissions(temp.path(), writable);
    if (!enforced)
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(target), QByteArray("old"));
    EXPECT_EQ(left, QStringList{QStringLiteral("qmk.ini")});
}

} // namespace

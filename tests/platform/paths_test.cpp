// Tests for the data folder and the file-name helpers.
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the length of a test and puts the old value back afterwards.
class EnvGuard
{
public:
    EnvGuard(const char* name, const QByteArray& value)
        : mName(name), mHad(qEnvironmentVariableIsSet(name)), mOld(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvGuard()
    {
        if (mHad)
            qputenv(mName, mOld);
        else
            qunsetenv(mName);
    }

private:
    const char* mName;
    bool mHad;
    QByteArray mOld;
};

TEST(Paths, ProgramFolderComesFromHomeVariableAndIsCreated)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString wanted = temp.path() + QStringLiteral("/a/b");
    EnvGuard home("QUILLMARK_HOME", (wanted + QLatin1Char('/')).toUtf8());

    const QString folder = qm::ProgramFolder();
    EXPECT_EQ(folder, wanted + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    EXPECT_EQ(qm::ProgramFile(QStringLiteral("qmk.ini")), wanted + QStringLiteral("/qmk.ini"));
}

TEST(Paths, ProgramFolderFallsBackToDataLocationWhenHomeIsEmpty)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    EnvGuard home("QUILLMARK_HOME", QByteArray());
    EnvGuard data("XDG_DATA_HOME", temp.path().toUtf8());

    const QString folder = qm::ProgramFolder();
    EXPECT_EQ(folder, temp.path() + QStringLiteral("/quillmark/"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(Paths, FileNameOnlyTakesLastComponentOfEitherSeparator)
{
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("C:\\Art\\x.bmp")), QStringLiteral("x.bmp"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("/home/me/art/logo.png")), QStringLiteral("logo.png"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("a/b\\c d.jpg")), QStringLiteral("c d.jpg"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("\\\\server\\share\\y.bmp")), QStringLiteral("y.bmp"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("C:x.bmp")), QStringLiteral("x.bmp"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("plain.bmp")), QStringLiteral("plain.bmp"));
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("C:\\Art\\")), QString());
    EXPECT_EQ(qm::FileNameOnly(QString()), QString());
    // A colon further in is part of a Linux name, not a drive.
    EXPECT_EQ(qm::FileNameOnly(QStringLiteral("/tmp/at 10:30.png")), QStringLiteral("at 10:30.png"));
}

} // namespace

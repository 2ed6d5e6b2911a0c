// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the data folder and the file-name helpers.
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "devicenode.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

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

TEST(Paths, OnlyRegularFilesAreOpenedAndTheRestSayWhatTheyAre)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString pipe = temp.filePath(QStringLiteral("pipe.qmk"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString plain = temp.filePath(QStringLiteral("plain.qmk"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("card");
    }
    ASSERT_TRUE(QFile::link(plain, temp.filePath(QStringLiteral("link.qmk"))));

    // Each path and what opening it says (empty: opened).
    std::vector<std::pair<QString, QString>> all = {
        {plain, QString()},
        {temp.filePath(QStringLiteral("link.qmk")), QString()},
        {pipe, pipe + QStringLiteral(" is a named pipe, not a card file")},
        {temp.path(), temp.path() + QStringLiteral(" is a folder, not a card file")},
        {temp.filePath(QStringLiteral("none.qmk")), temp.filePath(QStringLiteral("none.qmk: no such card file"))},
    };
    // A device, when the test may make one of its own.
    const qmtest::DeviceNode device(qmtest::DeviceNode::Null);
    if (device.Available())
        all.emplace_back(device.Path(), device.Path() + QStringLiteral(" is a device, not a card file"));
    for (const auto& [path, message] : all) {
        QFile file(path);
        QString error;
        const bool opened = qm::OpenRegularFile(file, QStringLiteral("card file"), &error);
        EXPECT_EQ(opened, message.isEmpty()) << qPrintable(path);
        EXPECT_EQ(error, message);
        EXPECT_EQ(file.isOpen(), opened);
        if (opened) {
            EXPECT_EQ(file.readAll(), QByteArray("card"));
        }
    }
    EXPECT_EQ(qm::NonFileKind(pipe), QStringLiteral("a named pipe"));
    EXPECT_EQ(qm::NonFileKind(plain), QString());
}

} // namespace

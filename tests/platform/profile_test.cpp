// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for profile (INI) files: lookup rules, number parsing, faithful rewriting, encodings, broken input.
#include "platform/profile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <atomic>
#include <iterator>
#include <thread>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Profile : public ::testing::Test
{
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini"))
    {
        const QString path = mTemp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Edits nothing, saves, and returns what ends up on disk.
    QByteArray rewrite(const QByteArray& bytes)
    {
        qm::ProfileFile profile(write(bytes));
        QString error;
        EXPECT_TRUE(profile.Save(&error)) << qPrintable(error);
        return read(profile.Path());
    }

    QTemporaryDir mTemp;
};

TEST_F(Profile, LookupIgnoresCaseAndFirstMatchWins)
{
    qm::ProfileFile ini(write("; note\n[Main]\n  Name =  Alice  \nname=Bob\nlist = 1, 2,3\nexpr=a=b=c\n"
                              "[MAIN]\nAge=3\nName=Carol\n[ Other ]\nx=1\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("main"), QStringLiteral("NAME")), QStringLiteral("Alice"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("list")), QStringLiteral("1, 2,3"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("expr")), QStringLiteral("a=b=c"));
    // The second [MAIN] is hidden by the first.
    EXPECT_EQ(ini.ReadString(QStringLiteral("main"), QStringLiteral("Age"), QStringLiteral("-")),
              QStringLiteral("-"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("main"), QStringLiteral("age")));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("other")));
    EXPECT_EQ(ini.ReadSections(), (QStringList{QStringLiteral("Main"), QStringLiteral("Other")}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("MAIN")),
              (QStringList{QStringLiteral("Name"), QStringLiteral("list"), QStringLiteral("expr")}));
}

TEST_F(Profile, IntegersFollowDelphiRules)
{
    // clang-format off
    const struct { const char* text; int expected; } cases[] = {
        {"42", 42}, {" -7 ", -7}, {"+7", 7}, {"$1F", 31}, {"0x1f", 31}, {"-$1F", -31}, {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", INT_MIN}, {"\"12\"", 12},
        {"2147483648", 99}, {"$100000000", 99}, {"12abc", 99}, {"abc", 99}, {"", 99}, {"1 2", 99},
        {"$", 99}, {"0x", 99}, {"1.5", 99}};
    // clang-format on
    QByteArray file("[N]\n");
    for (size_t i = 0; i < std::size(cases); ++i)
        file += "k" + QByteArray::number(int(i)) + "=" + cases[i].text + "\n";
    qm::ProfileFile ini(write(file));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("N"), QStringLiteral("k%1").arg(i), 99), cases[i].expected)
            << "value \"" << cases[i].text << '"';
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("N"), QStringLiteral("none"), 99), 99);
}

TEST_F(Profile, BoolsAreNonZeroIntegers)
{
    qm::ProfileFile ini(write("[B]\nfive=5\nzero=0\nminus=-1\nword=abc\n"));
    const QString b = QStringLiteral("B");
    EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("five"), false));
    EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("minus"), false));
    EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("zero"), true));
    EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("word"), true));
    EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("word"), false));
    EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("missing"), true));
    ini.WriteBool(b, QStringLiteral("zero"), true);
    ini.WriteBool(b, QStringLiteral("new"), false);
    ini.WriteInteger(b, QStringLiteral("int"), -12);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(read(ini.Path()),
              QByteArray("[B]\r\nfive=5\r\nzero=1\r\nminus=-1\r\nword=abc\r\nnew=0\r\nint=-12\r\n"));
}

TEST_F(Profile, RewriteKeepsOtherLinesByteForByte)
{
    const QByteArray original = "\xEF\xBB\xBF"
                                "stray=before any section\r\n; comment \t\n\n[Broken\n[Keep]  ; trailing\n"
                                "no equals here\n  Key = old  \n=no key\n  \t\n\n[Tail]\nlast=x";
    qm::ProfileFile ini(write(original));
    EXPECT_FALSE(ini.Modified());
    ini.WriteString(QStringLiteral("keep"), QStringLiteral("KEY"), QStringLiteral("new"));
    ini.WriteString(QStringLiteral("Keep"), QStringLiteral("added"), QStringLiteral("1"));
    ini.WriteString(QStringLiteral("Fresh"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(ini.Modified());
    QString error;
    ASSERT_TRUE(ini.Save(&error)) << qPrintable(error);
    EXPECT_FALSE(ini.Modified());
    // The key keeps its spelling and spacing, the new key goes before the section's trailing blank lines.
    EXPECT_EQ(
        read(ini.Path()),
        QByteArray("stray=before any section\r\n; comment \t\r\n\r\n[Broken\r\n[Keep]  ; trailing\r\n"
                   "no equals here\r\n  Key = new\r\n=no key\r\nadded=1\r\n  \t\r\n\r\n[Tail]\r\nlast=x\r\n"
                   "[Fresh]\r\nk=v\r\n"));
    // Writing an unchanged value is not a change.
    ini.WriteString(QStringLiteral("Tail"), QStringLiteral("LAST"), QStringLiteral("x"));
    EXPECT_FALSE(ini.Modified());
}

TEST_F(Profile, EraseSectionAndDeleteKey)
{
    qm::ProfileFile ini(write("[A]\nx=1\n; about y\ny=2\nY=3\n[B]\nz=1\n[a]\nw=1\n"));
    ini.DeleteKey(QStringLiteral("a"), QStringLiteral("y"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("A"), QStringLiteral("Y")));
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("9"));
    ini.EraseSection(QStringLiteral("b"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(read(ini.Path()), QByteArray("[A]\r\nx=9\r\n; about y\r\n[a]\r\nw=1\r\n"));
    ini.EraseSection(QStringLiteral("A")); // every [A], so none can show through afterwards
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_TRUE(ini.Modified());
}

TEST_F(Profile, AwkwardValuesAndNamesSurviveSaving)
{
    const QStringList values{QStringLiteral("  padded "), QStringLiteral("\"quoted\""), QStringLiteral("'x'"),
                             QStringLiteral("\""),        QStringLiteral("a=b, c"),     QString()};
    const QString s = QStringLiteral("S");
    {
        qm::ProfileFile ini(mTemp.filePath(QStringLiteral("new.ini")));
        for (int i = 0; i < values.size(); ++i)
            ini.WriteString(s, QStringLiteral("v%1").arg(i), values[i]);
        ini.WriteString(s, QStringLiteral("lines"), QStringLiteral("one\r\ntwo"));
        ini.WriteString(s, QStringLiteral("bad=key"), QStringLiteral("x"));
        ini.WriteString(QStringLiteral("bad]"), QStringLiteral("k"), QStringLiteral("x"));
        ASSERT_TRUE(ini.Save());
    }
    qm::ProfileFile ini(mTemp.filePath(QStringLiteral("new.ini")));
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(ini.ReadString(s, QStringLiteral("v%1").arg(i), QStringLiteral("-")), values[i]);
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("lines")), QStringLiteral("one  two"));
    EXPECT_EQ(ini.ReadSections(), QStringList{s});
    EXPECT_EQ(ini.ReadSection(s).size(), values.size() + 1);
}

TEST_F(Profile, EncodingsOnReadAndSave)
{
    const QString cafe = QString::fromUtf8("Caf\u00E9 \u20AC!");
    const QString t = QStringLiteral("T");
    EXPECT_EQ(qm::ProfileFile(write("[T]\nt=Caf\xE9 \x80!\n")).ReadString(t, t), cafe);
    qm::ProfileFile ini(write("[T]\nt=Caf\xC3\xA9 \xE2\x82\xAC!\n"));
    EXPECT_EQ(ini.ReadString(t, t), cafe);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(read(ini.Path()), QByteArray("[T]\r\nt=Caf\xE9 \x80!\r\n")); // back to Windows-1252

    // Text outside Windows-1252, and Windows-1252 bytes that would read as UTF-8, are saved as UTF-8.
    for (const QString& text :
         {QString::fromUtf8("\u0100 \u4E2D \U0001F600 \u00E9"), QString::fromUtf8("\u00C3\u00A9")}) {
        ini.WriteString(t, t, text);
        ASSERT_TRUE(ini.Save());
        EXPECT_EQ(read(ini.Path()), "[T]\r\nt=" + text.toUtf8() + "\r\n");
        EXPECT_EQ(qm::ProfileFile(ini.Path()).ReadString(t, t), text);
    }
}

TEST_F(Profile, BrokenFilesReadWhatTheyCan)
{
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(1234);
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));
    static const char tail[] = "\n[Good]\nkey=v\0al\n[Unclosed\nhuge=";
    garbage += QByteArray(tail, sizeof(tail) - 1) + QByteArray(1024 * 1024, 'h') + "\n[Good]x\n";
    qm::ProfileFile ini(write(garbage));
    EXPECT_TRUE(ini.LoadError().isEmpty());
    EXPECT_EQ(ini.ReadString(QStringLiteral("good"), QStringLiteral("key")), QString::fromLatin1("v\0al", 4));
    EXPECT_EQ(ini.ReadString(QStringLiteral("good"), QStringLiteral("huge")).size(), 1024 * 1024);
    // Nothing is lost on rewriting: only line ends change.
    QByteArray expected = garbage;
    expected.replace("\r\n", "\n").replace("\n", "\r\n");
    EXPECT_EQ(rewrite(garbage), expected);
    EXPECT_EQ(rewrite(QByteArray("\0\0\0", 3)), QByteArray("\0\0\0\r\n", 5));
    EXPECT_EQ(rewrite(QByteArray()), QByteArray());
}

TEST_F(Profile, MissingUnreadableAndUnsavableFiles)
{
    qm::ProfileFile missing(mTemp.filePath(QStringLiteral("none.ini")));
    EXPECT_TRUE(missing.LoadError().isEmpty());
    EXPECT_TRUE(missing.ReadSections().isEmpty());

    // A folder cannot be read as a profile, and is never replaced by one.
    ASSERT_TRUE(QDir().mkpath(mTemp.filePath(QStringLiteral("dir.ini/inside"))));
    qm::ProfileFile folder(mTemp.filePath(QStringLiteral("dir.ini")));
    EXPECT_FALSE(folder.LoadError().isEmpty());
    folder.WriteString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    QString error;
    EXPECT_FALSE(folder.Save(&error));
    EXPECT_FALSE(error.isEmpty());

    qm::ProfileFile unsavable(mTemp.filePath(QStringLiteral("no/such/folder.ini")));
    unsavable.WriteString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    error.clear();
    EXPECT_FALSE(unsavable.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(unsavable.Modified());
}

TEST_F(Profile, OnlyPlainFilesOfSettingsSizeAreRead)
{
    // A named pipe is refused without waiting for a writer. Should the reader wait anyway, a writer turns up
    // after a few seconds and closes at once, so the test fails on an empty file instead of hanging.
    const QString pipe = mTemp.filePath(QStringLiteral("qmk.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    std::atomic<bool> done{false};
    std::thread unblock([&done, pipe] {
        for (int i = 0; i < 60 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });
    qm::ProfileFile fromPipe(pipe);
    done = true;
    unblock.join();
    EXPECT_TRUE(fromPipe.LoadError().contains(QStringLiteral("is a named pipe, not a settings file")))
        << qPrintable(fromPipe.LoadError());
    fromPipe.WriteString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    EXPECT_FALSE(fromPipe.Save());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)); // never replaced by a file

    // No settings file comes near a few megabytes: a bigger one is refused whole, with a message.
    const QString blank = write(QByteArray(5 * 1024 * 1024, '\n'), QStringLiteral("blank.qme"));
    qm::ProfileFile tooLarge(blank);
    EXPECT_TRUE(tooLarge.LoadError().contains(QStringLiteral("too large"))) << qPrintable(tooLarge.LoadError());
    EXPECT_TRUE(tooLarge.ReadSections().isEmpty());

    // Under the limit, 900,000 empty lines cost next to nothing to keep, and are written back (as CR LF, still
    // under the limit: what is written must read again).
    const QByteArray lines = QByteArray(900 * 1000, '\n') + "[A]\r\n\r\n\nk=v\n\n";
    const QString path = write(lines, QStringLiteral("lines.qme"));
    const size_t before = mallinfo2().uordblks;
    auto ini = std::make_unique<qm::ProfileFile>(path);
    const size_t kept = mallinfo2().uordblks - before;
    EXPECT_TRUE(ini->LoadError().isEmpty()) << qPrintable(ini->LoadError());
    EXPECT_EQ(ini->ReadString(QStringLiteral("a"), QStringLiteral("K")), QStringLiteral("v"));
    EXPECT_LT(kept, 64u * 1024u) << "bytes held for a file of empty lines";
    ini->WriteString(QStringLiteral("A"), QStringLiteral("k2"), QStringLiteral("w"));
    ASSERT_TRUE(ini->Save());
    const QByteArray expected = QByteArray("\r\n").repeated(900 * 1000) + "[A]\r\n\r\n\r\nk=v\r\nk2=w\r\n\r\n";
    EXPECT_TRUE(read(path) == expected);
}

} // namespace

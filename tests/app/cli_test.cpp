// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: dump, resave and export, their exit status, messages and output files.
#include "devicenode.h"
#include "smalldisk.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};

ProgramRun Quillmark(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QM_PROGRAM), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const char kLineCard[] = "01 54 50 46 30 0b 54 4b 4c 69 6e 65 53 68 61 70 65 08 53 70 65 63 69 61 6c 31 04 4c 65 66"
                         "74 02 28 03 54 6f 70 02 1e 05 57 69 64 74 68 02 0a 06 48 65 69 67 68 74 02 3c 06 4c 6f 63"
                         "6b 65 64 08 0c 55 6e 73 65 6c 65 63 74 61 62 6c 65 08 09 4c 69 6e 65 53 74 79 6c 65 07 0a"
                         "73 74 56 65 72 74 69 63 61 6c 00 00 00";

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

mode_t FileType(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}
} // namespace

TEST(CommandLine, DumpListsObjectsAndResaveKeepsBytes)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));

    const ProgramRun dump = Quillmark({QStringLiteral("dump"), card});
    EXPECT_EQ(dump.status, 0) << qPrintable(dump.err);
    EXPECT_EQ(dump.out, QStringLiteral("object Special1: TKLineShape\n  Left = 40\n  Top = 30\n  Width = 10\n"
                                       "  Height = 60\n  Locked = False\n  Unselectable = False\n"
                                       "  LineStyle = stVertical\nend\n"));

    const QString copy = dir.filePath(QStringLiteral("copy.qmk"));
    const ProgramRun resave = Quillmark({QStringLiteral("resave"), card, copy});
    EXPECT_EQ(resave.status, 0) << qPrintable(resave.err);
    QFile f(copy);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // The name read back is a new "Component" name; everything else is the same.
    QByteArray expected = qmtest::fromHex(kLineCard);
    expected.replace(QByteArray("\x08Special1"), QByteArray("\x0a" "Component0"));
    EXPECT_EQ(qmtest::toHex(f.readAll()), qmtest::toHex(expected));
}

TEST(CommandLine, BadFilesFailWithTheReadersMessageAndTouchNothing)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.qmk"));
    WriteBytes(bad, qmtest::fromHex("01 54 50 46 30 03 54 58 59 00 00 00 00"));
    const QString target = dir.filePath(QStringLiteral("keep.qmk"));
    WriteBytes(target, QByteArray("precious"));

    const ProgramRun dump = Quillmark({QStringLiteral("dump"), bad});
    EXPECT_EQ(dump.status, 1);
    EXPECT_TRUE(dump.err.contains(QStringLiteral("Class TXY not found"))) << qPrintable(dump.err);
    EXPECT_TRUE(dump.out.isEmpty());

    const ProgramRun resave = Quillmark({QStringLiteral("resave"), bad, target});
    EXPECT_EQ(resave.status, 1);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));

    EXPECT_EQ(Quillmark({QStringLiteral("dump"), dir.filePath(QStringLiteral("missing.qmk"))}).status, 1);
    EXPECT_EQ(Quillmark({QStringLiteral("dump")}).status, 2);
    EXPECT_EQ(Quillmark({QStringLiteral("resave"), bad}).status, 2);
}

TEST(CommandLine, ResaveIntoAMissingFolderFails)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));
    const ProgramRun resave = Quillmark({QStringLiteral("resave"), card, dir.filePath(QStringLiteral("no/such/out.qmk"))});
    EXPECT_EQ(resave.status, 1);
    EXPECT_FALSE(resave.err.isEmpty());
}

// ---- export ----

TEST(CommandLine, ExportWritesTheCardAtItsOwnSizeInEachFormat)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));

    for (const char* name : {"card.png", "card.bmp", "card.JPG"}) {
        const QString out = dir.filePath(QString::fromLatin1(name));
        const ProgramRun run = Quillmark({QStringLiteral("export"), card, out});
        EXPECT_EQ(run.status, 0) << name << qPrintable(run.err);
        const QImage picture(out);
        EXPECT_EQ(picture.size(), QSize(336, 192)) << name;
    }
    // The line stands at x = 40 from y = 30 for 60 pixels; the corner stays white without a border.
    const QImage png(dir.filePath(QStringLiteral("card.png")));
    EXPECT_EQ(png.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_LT(qGray(png.pixel(40, 60)), 128);

    const QString framed = dir.filePath(QStringLiteral("framed.png"));
    ASSERT_EQ(Quillmark({QStringLiteral("export"), card, framed, QStringLiteral("--border")}).status, 0);
    const QImage border(framed);
    for (QPoint p :
         {QPoint(0, 0), QPoint(335, 0), QPoint(0, 191), QPoint(335, 191), QPoint(170, 0), QPoint(0, 96)})
        EXPECT_EQ(border.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
}

TEST(CommandLine, ExportTakesTheLayoutFromTheCompanionFile)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("tall.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));
    WriteBytes(
        dir.filePath(QStringLiteral("tall.qme")),
        "[Ini Data]\r\nISINI=1\r\nVersion=2\r\n[Layout]\r\nHeight=2000\r\nWidth=3500\r\nUsePortrait=1\r\n");
    const QString out = dir.filePath(QStringLiteral("tall.png"));
    ASSERT_EQ(Quillmark({QStringLiteral("export"), QStringLiteral("--border"), card, out}).status, 0);
    EXPECT_EQ(QImage(out).size(), QSize(192, 336));
}

TEST(CommandLine, ExportFailuresLeaveTheTargetAlone)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.qmk"));
    WriteBytes(bad, qmtest::fromHex("01 54 50 46 30 03 54 58 59 00 00 00 00"));
    const QString target = dir.filePath(QStringLiteral("keep.png"));
    WriteBytes(target, QByteArray("precious"));

    const ProgramRun run = Quillmark({QStringLiteral("export"), bad, target});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Class TXY not found"))) << qPrintable(run.err);
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << qPrintable(run.err);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));

    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));
    EXPECT_EQ(
        Quillmark({QStringLiteral("export"), dir.filePath(QStringLiteral("missing.qmk")), target}).status, 1);
    EXPECT_EQ(
        Quillmark({QStringLiteral("export"), card, dir.filePath(QStringLiteral("no/such/out.png"))}).status,
        1);

    // Bad usage: a file missing, a picture format it cannot write, an unknown option.
    EXPECT_EQ(Quillmark({QStringLiteral("export"), card}).status, 2);
    EXPECT_EQ(Quillmark({QStringLiteral("export"), card, dir.filePath(QStringLiteral("out.gif"))}).status, 2);
    EXPECT_EQ(Quillmark({QStringLiteral("export"), card, target, QStringLiteral("--frame")}).status, 2);
}

// ---- options, displays, special and full targets ----

TEST(CommandLine, HelpVersionUnknownOptionsAndNoDisplay)
{
    const ProgramRun help = Quillmark({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"usage: quillmark", "--no-nudges", "--force", "--version"})
        EXPECT_TRUE(help.out.contains(QLatin1String(word))) << word;
    EXPECT_EQ(Quillmark({QStringLiteral("print"), QStringLiteral("--help")}).status, 0);

    const ProgramRun version = Quillmark({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("quillmark "))) << qPrintable(version.out);
    EXPECT_EQ(version.out.count(QLatin1Char('\n')), 1);

    // Options are never taken for a card file name, whatever command they come with.
    for (const QStringList& args : {QStringList{QStringLiteral("--bogus")},
                                    QStringList{QStringLiteral("-x"), QStringLiteral("card.qmk")},
                                    QStringList{QStringLiteral("dump"), QStringLiteral("--all"), QStringLiteral("c.qmk")}}) {
        const ProgramRun run = Quillmark(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.err.contains(QStringLiteral("unknown option ") + args[args.size() == 3 ? 1 : 0]))
            << qPrintable(run.err);
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage:")));
    }

    // The toolkit's own options are no card and no option of ours: an unknown option beside them is named.
    const ProgramRun styled = Quillmark({QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("--bogus")});
    EXPECT_EQ(styled.status, 2);
    EXPECT_TRUE(styled.err.contains(QStringLiteral("unknown option --bogus"))) << qPrintable(styled.err);

    // The window without a display: no display named at all, and one that cannot be reached. Either way one
    // clear message and status 1, never an abort.
    QProcessEnvironment none = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        none.remove(QLatin1String(name));
    QProcessEnvironment unreachable = none;
    unreachable.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711"));
    unreachable.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QProcessEnvironment& env : {none, unreachable}) {
        const ProgramRun run = Quillmark({QStringLiteral("card.qmk")}, env);
        EXPECT_EQ(run.status, 1) << qPrintable(run.err);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("quillmark: ")));
        EXPECT_TRUE(run.err.contains(QStringLiteral("display"))) << qPrintable(run.err);
    }
}

// Devices and pipes are written into and stay what they are; files read for the card are never the output;
// a picture or PDF needs its extension unless --force.
TEST(CommandLine, OutputsAreNeverInputsAndDevicesStayDevices)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));
    const QByteArray cardBytes = ReadBytes(card);
    const QString companion = dir.filePath(QStringLiteral("line.qme"));
    WriteBytes(companion, "[Ini Data]\r\nISINI=1\r\nVersion=2\r\n");
    const QString resave = QStringLiteral("resave"), exportWord = QStringLiteral("export"),
                  print = QStringLiteral("print"), pdf = QStringLiteral("--pdf"), force = QStringLiteral("--force");

    // A null device of the test's own (as root): a broken writer would replace only that one.
    const qmtest::DeviceNode nullDevice(qmtest::DeviceNode::Null);
    if (nullDevice.Available()) {
        const QString null = nullDevice.Path();
        EXPECT_EQ(Quillmark({resave, card, null}).status, 0);
        EXPECT_EQ(Quillmark({exportWord, card, null, force}).status, 0);
        EXPECT_EQ(Quillmark({print, card, pdf, null}).status, 2);
        EXPECT_EQ(Quillmark({print, card, pdf, null, force}).status, 0);
        EXPECT_TRUE(nullDevice.IsIntact());
    }

    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const ProgramRun unread = Quillmark({resave, card, fifo});
    EXPECT_EQ(unread.status, 1);
    EXPECT_TRUE(unread.err.contains(QStringLiteral("no program is reading"))) << qPrintable(unread.err);
    EXPECT_EQ(FileType(fifo), mode_t(S_IFIFO));

    // The card itself, under its own name and under a second name (a hard link), and its companion file.
    const QString link = dir.filePath(QStringLiteral("same.pdf"));
    ASSERT_TRUE(::link(QFile::encodeName(card).constData(), QFile::encodeName(link).constData()) == 0);
    for (const QStringList& args : {QStringList{resave, card, card}, QStringList{resave, card, link},
                                    QStringList{print, card, pdf, link}, QStringList{print, card, pdf, companion, force},
                                    QStringList{exportWord, card, companion, force}}) {
        const ProgramRun run = Quillmark(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.err.contains(QStringLiteral("the card is read from"))) << qPrintable(run.err);
    }
    EXPECT_EQ(ReadBytes(card), cardBytes);
    EXPECT_TRUE(ReadBytes(companion).startsWith("[Ini Data]"));

    const QString odd = dir.filePath(QStringLiteral("card.picture"));
    EXPECT_EQ(Quillmark({exportWord, card, odd}).status, 2);
    EXPECT_FALSE(QFile::exists(odd));
    EXPECT_EQ(Quillmark({exportWord, card, odd, force}).status, 0);
    EXPECT_EQ(QImage(odd, "png").size(), QSize(336, 192));
}

// A disk that fills up: every writing command fails with the system's reason and keeps the old file.
TEST(CommandLine, FullDiskFailsEveryWritingCommandAndKeepsOldFiles)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("line.qmk"));
    WriteBytes(card, qmtest::fromHex(kLineCard));
    const qmtest::DeviceNode fullDevice(qmtest::DeviceNode::Full);
    if (fullDevice.Available()) {
        const ProgramRun full = Quillmark({QStringLiteral("resave"), card, fullDevice.Path()});
        EXPECT_EQ(full.status, 1);
        EXPECT_TRUE(full.err.contains(qt_error_string(ENOSPC))) << qPrintable(full.err);
        EXPECT_TRUE(fullDevice.IsIntact());
    }

    qmtest::SmallDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << qPrintable(disk.Why());
    const QStringList names{QStringLiteral("out.qmk"), QStringLiteral("out.png"), QStringLiteral("out.pdf")};
    for (const QString& name : names)
        WriteBytes(disk.FilePath(name), QByteArray("old ") + name.toLatin1());
    disk.Fill();
    const QList<QStringList> commands{
        {QStringLiteral("resave"), card, disk.FilePath(names[0])},
        {QStringLiteral("export"), card, disk.FilePath(names[1])},
        {QStringLiteral("print"), card, QStringLiteral("--pdf"), disk.FilePath(names[2])}};
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const ProgramRun run = Quillmark(commands[i]);
        EXPECT_EQ(run.status, 1) << qPrintable(names[i]);
        EXPECT_TRUE(run.err.contains(qt_error_string(ENOSPC))) << qPrintable(run.err);
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << qPrintable(run.err);
        EXPECT_EQ(ReadBytes(disk.FilePath(names[i])), QByteArray("old ") + names[i].toLatin1());
    }
    QStringList left = QDir(disk.FilePath(QString())).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("fill"), names[2], names[1], names[0]}));
}

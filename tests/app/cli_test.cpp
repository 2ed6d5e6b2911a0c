// The command line: dump, resave and export, their exit status, messages and output files.
#include "testutil.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};

ProgramRun Quillmark(const QStringList& args)
{
    QProcess p;
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The real program given layouts no sheet has, layout files that are not files, and a preferences file that
// is a named pipe: a one-line message and exit 1, or the defaults, and never a hang.
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Outcome
{
    int status = -1;
    QString err;
};

const char kLineCard[] = "01 54 50 46 30 0b 54 4b 4c 69 6e 65 53 68 61 70 65 08 53 70 65 63 69 61 6c 31 04 4c 65 66"
                         "74 02 28 03 54 6f 70 02 1e 05 57 69 64 74 68 02 0a 06 48 65 69 67 68 74 02 3c 00 00 00";

class BadLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mHome.isValid() && mDir.isValid());
        mCard = mDir.filePath(QStringLiteral("card.qmk"));
        Write(mCard, qmtest::fromHex(kLineCard));
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // A companion file in the current form with the given layout keys (lengths in thousandths of an inch).
    void Companion(const char* layoutKeys)
    {
        Write(mDir.filePath(QStringLiteral("card.qme")),
              QByteArray("[Ini Data]\r\nISINI=1\r\nVersion=2\r\n[Layout]\r\n") + layoutKeys);
    }

    Outcome Quillmark(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLMARK_HOME"), mHome.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QM_PROGRAM), args);
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return {-1, QStringLiteral("(still running after 20 s)")};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }

    Outcome Print()
    {
        return Quillmark({QStringLiteral("print"), mCard, QStringLiteral("--pdf"), Pdf()});
    }
    Outcome Export() { return Quillmark({QStringLiteral("export"), mCard, Png()}); }
    QString Pdf() const { return mDir.filePath(QStringLiteral("out.pdf")); }
    QString Png() const { return mDir.filePath(QStringLiteral("out.png")); }

    QTemporaryDir mHome;
    QTemporaryDir mDir;
    QString mCard;
};

TEST_F(BadLayout, PrintAndExportRefuseWhatTheLayoutDialogRefuses)
{
    // A card of two million inches: the dialog's own message, no picture, no PDF.
    Companion("Height=2000\r\nWidth=2000000000\r\nAcross=1\r\nDown=1\r\n");
    Outcome run = Export();
    EXPECT_EQ(run.status, 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("card.qme: Card Width must be at most 48 inches (or 1219mm)")))
        << qPrintable(run.err);
    EXPECT_FALSE(QFileInfo::exists(Png()));
    run = Print();
    EXPECT_EQ(run.status, 1) << qPrintable(run.err);
    EXPECT_FALSE(QFileInfo::exists(Pdf()));

    // The empty card, the negative card and cards with no pitch between them.
    const struct
    {
        const char* keys;
        const char* message;
    } sheets[] = {
        {"Height=0\r\nWidth=0\r\nHPitch=0\r\nVPitch=0\r\n", "Card Height must be at least .3 inches (or 7mm)"},
        {"Height=-2000\r\nWidth=-3500\r\n", "Card Height must be at least .3 inches (or 7mm)"},
        {"HPitch=0\r\nVPitch=0\r\nAcross=2\r\nDown=5\r\n", "Horizontal Pitch must be at least = Card Width"},
        {"TopMargin=-500\r\n", "Top Margin must be between 0 and 48 inches (or 1219mm)"},
        // Counts the dialog does not offer: refused like the rest, never taken as the nearest it offers.
        {"Across=11\r\n", "Cards Across must be between 1 and 10"},
        {"Down=0\r\n", "Cards Down must be between 1 and 30"},
    };
    for (const auto& sheet : sheets) {
        Companion(sheet.keys);
        run = Print();
        EXPECT_EQ(run.status, 1) << sheet.keys << qPrintable(run.err);
        EXPECT_TRUE(run.err.contains(QLatin1String(sheet.message))) << qPrintable(run.err);
        EXPECT_FALSE(QFileInfo::exists(Pdf()));
    }

    // Without a companion file the default layout of the preferences file is checked the same way.
    ASSERT_TRUE(QFile::remove(mDir.filePath(QStringLiteral("card.qme"))));
    Write(mHome.filePath(QStringLiteral("qmk.ini")),
          "[Layout]\r\nHeight=2000\r\nWidth=3500\r\nAcross=2\r\nDown=5\r\nHPitch=0\r\nVPitch=2000\r\n");
    run = Print();
    EXPECT_EQ(run.status, 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("qmk.ini: Horizontal Pitch must be at least = Card Width")))
        << qPrintable(run.err);
    EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

TEST_F(BadLayout, LayoutFilesThatAreNoFilesAreNeverWaitedOn)
{
    // A layout file far beyond any real one is refused with a message, not read as a one-line older form.
    Write(mDir.filePath(QStringLiteral("card.qme")), "[Ini Data]\r\nISINI=1\r\n" + QByteArray(5 << 20, '\n'));
    Outcome run = Export();
    EXPECT_EQ(run.status, 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("too large"))) << qPrintable(run.err);
    ASSERT_TRUE(QFile::remove(mDir.filePath(QStringLiteral("card.qme"))));

    // A named pipe in place of the preferences file: the command runs on the defaults at once.
    const QString pipe = mHome.filePath(QStringLiteral("qmk.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    run = Print();
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_TRUE(QFileInfo(Pdf()).size() > 0);
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A preferences file too large to be one is not read: printing goes on without its fine tuning and says so.
TEST_F(BadLayout, APreferencesFileTooLargeToReadIsNamedWhenPrinting)
{
    Write(mHome.filePath(QStringLiteral("qmk.ini")),
          "[Printer]\r\nTopMarginNudge=8\r\n;" + QByteArray(2 * 1024 * 1024, 'x') + "\r\n");
    const Outcome run = Print();
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_TRUE(QFileInfo::exists(Pdf()));
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QLatin1String("qmk.ini")) && run.err.contains(QLatin1String("too large")) &&
                run.err.contains(QLatin1String("fine tuning")))
        << qPrintable(run.err);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line says about inputs that are not what they should be: a folder or a pipe given as a
// card, background art that is missing or cannot be read (the card is still drawn, without it).
#include "testutil.h"

#include <QFile>
#include <QImage>
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

Outcome Quillmark(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QM_PROGRAM), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

// A card holding one vertical line.
const char kLineCard[] = "01 54 50 46 30 0b 54 4b 4c 69 6e 65 53 68 61 70 65 08 53 70 65 63 69 61 6c 31 04 4c 65 66"
                         "74 02 28 03 54 6f 70 02 1e 05 57 69 64 74 68 02 0a 06 48 65 69 67 68 74 02 3c 06 4c 6f 63"
                         "6b 65 64 08 0c 55 6e 73 65 6c 65 63 74 61 62 6c 65 08 09 4c 69 6e 65 53 74 79 6c 65 07 0a"
                         "73 74 56 65 72 74 69 63 61 6c 00 00 00";

const QByteArray kCompanionHead = "[Ini Data]\nISINI=1\nVersion=2\n[Background]\nFile=";

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(CommandLineMessages, AFolderOrAPipeIsNamedForWhatItIs)
{
    QTemporaryDir dir;
    const Outcome folder = Quillmark({QStringLiteral("dump"), dir.path()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.contains(QLatin1String("is a folder, not a card file"))) << qPrintable(folder.err);

    const QString pipe = dir.filePath(QStringLiteral("pipe.qmk"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Outcome fifo = Quillmark({QStringLiteral("dump"), pipe});
    EXPECT_EQ(fifo.status, 1);
    EXPECT_TRUE(fifo.err.contains(QLatin1String("is a named pipe, not a card file"))) << qPrintable(fifo.err);
}

TEST(CommandLineMessages, BackgroundArtThatCannotBeUsedIsNamedOnceAndTheCardIsStillDrawn)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("art.qmk"));
    ASSERT_TRUE(Write(card, qmtest::fromHex(kLineCard)));
    QImage art(400, 200, QImage::Format_RGB32);
    art.fill(Qt::red);
    const QString whole = dir.filePath(QStringLiteral("whole.png"));
    ASSERT_TRUE(art.save(whole));
    QFile wholeFile(whole);
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
    const QString cut = dir.filePath(QStringLiteral("cut.png"));
    ASSERT_TRUE(Write(cut, wholeFile.read(60)));

    const QString out = dir.filePath(QStringLiteral("out.png"));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString people = dir.filePath(QStringLiteral("people.csv"));
    ASSERT_TRUE(Write(people, "Name\nAl\nBo\n"));
    for (const QString& background : {dir.filePath(QStringLiteral("gone.png")), cut}) {
        ASSERT_TRUE(Write(dir.filePath(QStringLiteral("art.qme")),
                          kCompanionHead + background.toUtf8() + "\n"));
        // Export, print and merge say it in the same words.
        QString said;
        for (const QStringList& args :
             {QStringList{QStringLiteral("print"), card, QStringLiteral("--pdf"), pdf},
              QStringList{QStringLiteral("print"), card, QStringLiteral("--pdf"), pdf, QStringLiteral("--merge"), people},
              QStringList{QStringLiteral("export"), card, out}}) {
            QFile::remove(pdf);
            const Outcome run = Quillmark(args);
            EXPECT_EQ(run.status, 0) << qPrintable(run.err);
            // One line, naming the file; nothing else on the terminal.
            EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << qPrintable(run.err);
            EXPECT_TRUE(run.err.contains(background)) << qPrintable(run.err);
            EXPECT_TRUE(said.isEmpty() || run.err == said) << qPrintable(run.err) << qPrintable(said);
            said = run.err;
            if (args.contains(QLatin1String("--pdf"))) {
                EXPECT_TRUE(QFile::exists(pdf)) << qPrintable(args.join(QLatin1Char(' ')));
            }
        }
        const QImage picture(out);
        ASSERT_EQ(picture.size(), QSize(336, 192));
        EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::white)); // drawn without the art
        EXPECT_EQ(picture.pixelColor(40, 40), QColor(Qt::black)); // the line is there
    }
    // Art that reads is no news.
    ASSERT_TRUE(Write(dir.filePath(QStringLiteral("art.qme")), kCompanionHead + whole.toUtf8() + "\n"));
    const Outcome fine = Quillmark({QStringLiteral("export"), card, out});
    EXPECT_EQ(fine.status, 0);
    EXPECT_TRUE(fine.err.isEmpty()) << qPrintable(fine.err);
    const Outcome printed = Quillmark({QStringLiteral("print"), card, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(printed.status, 0);
    EXPECT_TRUE(printed.err.isEmpty()) << qPrintable(printed.err);
    EXPECT_EQ(QImage(out).pixelColor(5, 5), QColor(Qt::red));
}

TEST(CommandLineMessages, TheUsersLanguageIsSpokenWithEnglishForAnyOther)
{
    const auto inLanguage = [](const char* language, const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(language));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QM_PROGRAM), args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    };
    QTemporaryDir dir;
    EXPECT_TRUE(inLanguage("de", {QStringLiteral("--help")}).startsWith(QLatin1String("Aufruf: quillmark")));
    // Said before the window would open, too.
    EXPECT_TRUE(inLanguage("fr", {QStringLiteral("--bogus")}).contains(QLatin1String("option inconnue --bogus")));
    EXPECT_TRUE(inLanguage("es_MX", {QStringLiteral("dump"), dir.path()}).contains(QLatin1String("carpeta")));
    // A language without a translation, or none at all: English.
    EXPECT_TRUE(inLanguage("ja", {QStringLiteral("--help")}).startsWith(QLatin1String("usage: quillmark")));
    EXPECT_TRUE(inLanguage("", {QStringLiteral("--help")}).startsWith(QLatin1String("usage: quillmark")));
}

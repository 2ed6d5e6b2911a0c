// The program's entry: the design window, or a command-line subcommand.
#include "app/commandline.h"

#include "app/export.h"
#include "app/mainwindow_ui.h"
#include "app/singleinstance.h"

#include "model/cardobjects.h"
#include "files/streamdump.h"
#include "files/streamreader.h"
#include "files/streamwriter.h"
#include "platform/headless.h"
#include "app/printcommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace qm {
namespace {

const char kUsage[] = "usage: quillmark [CARD.qmk]\n"
                      "       quillmark dump CARD.qmk\n"
                      "       quillmark resave IN.qmk OUT.qmk\n"
                      "       quillmark export CARD.qmk OUT.png|bmp|jpg [--border]\n"
                      "       quillmark print CARD.qmk --pdf OUT.pdf [--copies N] [--positions LIST] [--outline] "
                      "[--preview]\n";

int Fail(const QString& message)
{
    std::fprintf(stderr, "quillmark: %s\n", qPrintable(message));
    return 1;
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int Dump(const QString& path)
{
    QByteArray data;
    QString error;
    if (!ReadCardFileBytes(path, &data, &error))
        return Fail(error);
    // The reader decides whether the file is good; the listing shows it as stored.
    TKCardObjects objects;
    const ReadResult read = ReadObjectsFromBytes(objects, data);
    if (!read.ok)
        return Fail(QStringLiteral("%1: %2").arg(path, read.error));
    QString listing;
    if (!DumpStream(data, &listing, &error))
        return Fail(QStringLiteral("%1: %2").arg(path, error));
    std::fputs(listing.toUtf8().constData(), stdout);
    return 0;
}

int Resave(const QString& in, const QString& out)
{
    QByteArray data;
    QString error;
    if (!ReadCardFileBytes(in, &data, &error))
        return Fail(error);
    TKCardObjects objects;
    const ReadResult read = ReadObjectsFromBytes(objects, data);
    if (!read.ok)
        return Fail(QStringLiteral("%1: %2").arg(in, read.error));
    if (!WriteAll(objects, out, &error))
        return Fail(QStringLiteral("%1: %2").arg(out, error));
    return 0;
}

int Export(const QStringList& args)
{
    // quillmark export CARD OUT [--border], the option anywhere after the word.
    QStringList files;
    bool border = false;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--border"))
            border = true;
        else if (args[i].startsWith(QLatin1String("--")))
            return Usage();
        else
            files.append(args[i]);
    }
    if (files.size() != 2)
        return Usage();
    PictureFormat format;
    if (!PictureFormatFromName(files[1], &format)) {
        std::fprintf(stderr, "quillmark: %s: the picture must end in .png, .bmp or .jpg\n",
                     qPrintable(files[1]));
        return 2;
    }
    QString error;
    if (!ExportCardFile(files[0], files[1], format, border, &error))
        return Fail(error);
    return 0;
}

// Drawing the card needs fonts and painting but no screen: the offscreen platform unless one was chosen.
int RunExport(int argc, char** argv)
{
    PrepareHeadlessRun();
    QGuiApplication app(argc, argv);
    return Export(QCoreApplication::arguments());
}

int RunWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    const QStringList args = QApplication::arguments();
    const QString card = args.size() > 1 ? args[1] : QString();

    // A copy already running is brought forward (and given the card) instead.
    TSingleInstance instance;
    if (!instance.Start(card))
        return 0;

    TMainScreen window;
    QObject::connect(&instance, &TSingleInstance::ActivationRequested, &window,
                     &TMainScreen::ActivateFromOtherStart);
    window.Start(card);
    return app.exec();
}

} // namespace

int RunQuillmark(int argc, char** argv)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("dump") || command == QLatin1String("resave")) {
        QCoreApplication app(argc, argv);
        const QStringList args = QCoreApplication::arguments();
        if (command == QLatin1String("dump") && args.size() == 3)
            return Dump(args[2]);
        if (command == QLatin1String("resave") && args.size() == 4)
            return Resave(args[2], args[3]);
        return Usage();
    }
    if (command == QLatin1String("print"))
        return RunPrintProgram(argc, argv);
    if (command == QLatin1String("export"))
        return RunExport(argc, argv);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc > 2)
        return Usage();
    return RunWindow(argc, argv);
}

} // namespace qm

// The program's entry: the design window, or a command-line subcommand.
#include "app/cli.h"

#include "app/designwindow_ui.h"

#include "design/kobjects.h"
#include "files/kdump.h"
#include "files/kreader.h"
#include "files/kwriter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include <cstdio>

namespace qm {
namespace {

const char kUsage[] = "usage: quillmark [CARD.qmk]\n"
                      "       quillmark dump CARD.qmk\n"
                      "       quillmark resave IN.qmk OUT.qmk\n";

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

bool ReadCardFile(const QString& path, QByteArray* data, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("%1: no such card file").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    *data = file.readAll();
    return true;
}

int Dump(const QString& path)
{
    QByteArray data;
    QString error;
    if (!ReadCardFile(path, &data, &error))
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
    if (!ReadCardFile(in, &data, &error))
        return Fail(error);
    TKCardObjects objects;
    const ReadResult read = ReadObjectsFromBytes(objects, data);
    if (!read.ok)
        return Fail(QStringLiteral("%1: %2").arg(in, read.error));
    if (!WriteAll(objects, out, &error))
        return Fail(QStringLiteral("%1: %2").arg(out, error));
    return 0;
}

int RunWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    TDesignWindow window;
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        QString error;
        if (!window.OpenCard(args[1], &error))
            QMessageBox::warning(&window, QStringLiteral("Quillmark"), error);
    }
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
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc > 2)
        return Usage();
    return RunWindow(argc, argv);
}

} // namespace qm

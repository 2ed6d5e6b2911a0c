// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the design window, or a command-line subcommand.
#include "app/commandline.h"

#include "app/cardfile.h"
#include "app/export.h"
#include "app/printshopexport.h"
#include "app/mainwindow_ui.h"
#include "app/singleinstance.h"
#include "app/stockcommand.h"
#include "app/version.h"
#include "design/cardpicture.h"

#include "model/cardobjects.h"
#include "stream/streamdump.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "platform/headless.h"
#include "app/printcommand.h"
#include "app/importcommand.h"
#include "app/toolkitoptions.h"
#include "platform/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <functional>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace qm {
namespace {

// The usage in four paragraphs, one message each; a blank line goes between them.
const char* const kUsage[] = {
    //: the command line's words (dump, export, --border, long...) stay as they are: only the capitals (CARD,
    //: IN, OUT, MAKER PART, N, NAME, DATA, WORDS, FILE) may be translated
    QT_TRANSLATE_NOOP(
        "qm::CommandLine",
        "usage: quillmark [CARD.qmk]\n"
        "       quillmark dump CARD.qmk\n"
        "       quillmark resave IN.qmk OUT.qmk\n"
        "       quillmark export CARD.qmk OUT.png|bmp|jpg [--border] [--scale N] [--stock \"MAKER PART\"] "
        "[--force]\n"
        "       quillmark export CARD.qmk OUT.pdf [--bleed MM] [--crop-marks] [--stock \"MAKER PART\"] "
        "[--force]\n"
        "       quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions LIST]\n"
        "                       [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]]\n"
        "                       [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock "
        "\"MAKER PART\"]\n"
        "                       [--quiet] [--force]\n"
        "       quillmark stock [WORDS]\n"
        "       quillmark import FILE.glabels OUT.qmk\n"
        "       quillmark --help | --version"),
    //: the options' names stay as they are; keep the descriptions in one column, lines under 110 characters
    QT_TRANSLATE_NOOP(
        "qm::CommandLine",
        "  --border      a one-pixel black frame around the exported picture\n"
        "  --scale N     a picture N times as large as the card at 96 pixels per inch (1 to 8)\n"
        "  --bleed MM    a PDF for a print shop: the background and what touches the edge go on this far\n"
        "                beyond the card (0 to 6 millimetres in steps of 0.5; 3 when not given)\n"
        "  --crop-marks  crop marks on the trim lines outside the bleed (a print-shop PDF; or on a printed\n"
        "                sheet, in the margins and gaps between the cards)\n"
        "  --printer     print on a printer of the print system (CUPS), the default one without NAME\n"
        "  --copies N    print N sheets (1 to 100000)\n"
        "  --positions   the sheet positions to print, such as 1,2,9 (across, then down)\n"
        "  --merge FILE  one card per record of a CSV or vCard file: placeholders such as {Name} take its "
        "values\n"
        "  --start N     in a merge, the sheet position of the first card (for a partly used sheet)\n"
        "  --duplex TURN two-sided: the card's back (CARD.back.qmk) behind every card, for a printer that "
        "turns\n"
        "                the sheet over its long or short edge, or all fronts then all backs (manual)\n"
        "  --outline     print only the card outlines, a test page for the card stock\n"
        "  --preview     print what the preview shows\n"
        "  --no-nudges   leave out the printer fine tuning of qmk.ini (applied by default)\n"
        "  --stock NAME  print on (or export at the card size of) a card stock, such as \"Avery 5371\" "
        "or\n"
        "                \"Zweckform 32010\", instead of the card's layout\n"
        "  --quiet       no progress on the terminal\n"
        "  --force       write a picture or PDF file whose name lacks the usual extension\n"
        "                (a picture then is PNG)"),
    //: "stock" is the command's name and stays as it is
    QT_TRANSLATE_NOOP(
        "qm::CommandLine",
        "stock lists the card stock whose maker, part number or description holds every word: maker "
        "and part,\n"
        "card size, cards across x down, paper (gLabels' database when glabels-data is installed, the "
        "built-in\n"
        "sheets and your own)."),
    //: dump, resave, export, print and stock are the commands' names and stay as they are
    QT_TRANSLATE_NOOP(
        "qm::CommandLine",
        "The window needs a display; the other commands do not. Exit status: 0 success, 1 a bad or "
        "unreadable\n"
        "input or a file that could not be written, 2 bad usage."),
};

// The usage as the terminal takes it, in the user's language.
QByteArray UsageText()
{
    QStringList paragraphs;
    for (const char* paragraph : kUsage)
        paragraphs << CommandLineText::tr(paragraph);
    return (paragraphs.join(QStringLiteral("\n\n")) + QLatin1Char('\n')).toLocal8Bit();
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "quillmark: %s\n", qPrintable(message));
    return 1;
}

int Usage()
{
    std::fputs(UsageText().constData(), stderr);
    return 2;
}

int UnknownOption(const QString& option)
{
    CommandLineText::Say(CommandLineText::tr("unknown option %1").arg(option));
    return Usage();
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
    if (!CheckOutputIsNoInput(out, {in}, &error)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return 2;
    }
    if (!WriteAll(objects, out, &error))
        return Fail(error); // the message names the file
    return 0;
}

int ExportPrintShop(const QString& card, const QString& out, double bleed, bool cropMarks, const QString& stock)
{
    QString error;
    bool usageError = false;
    QStringList warnings;
    if (!ExportPrintShopFile(card, out, bleed, cropMarks, &error, &usageError, &warnings, stock)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return usageError ? 2 : 1;
    }
    // What a print shop may turn down is said; the file is written all the same.
    for (const QString& warning : warnings)
        CommandLineText::Say(CommandLineText::tr("warning: %1: %2").arg(out, warning));
    return 0;
}

int Export(const QStringList& args)
{
    // quillmark export CARD OUT [--border] [--scale N] [--bleed MM] [--crop-marks] [--force], the options
    // anywhere after the word.
    QStringList files;
    bool border = false;
    bool force = false;
    bool scaled = false;
    bool printShop = false;
    bool cropMarks = false;
    QString stock;
    int scale = 1;
    double bleed = PrintShopPage::kDefaultBleedMm;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--border")) {
            border = true;
        } else if (args[i] == QLatin1String("--scale")) {
            bool ok = false;
            scale = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || scale < 1 || scale > kMaxPictureScale) {
                CommandLineText::Say(
                    CommandLineText::tr("--scale needs a whole number from 1 to %1").arg(kMaxPictureScale));
                return 2;
            }
            scaled = true;
        } else if (args[i] == QLatin1String("--bleed")) {
            QString error;
            if (i + 1 >= args.size() || !PrintShopPage::ParseBleed(args[++i], &bleed, &error)) {
                if (error.isEmpty())
                    error = CommandLineText::tr("--bleed needs millimetres from 0 to 6 in steps of 0.5");
                std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
                return 2;
            }
            printShop = true;
        } else if (args[i] == QLatin1String("--crop-marks")) {
            cropMarks = true;
            printShop = true;
        } else if (args[i] == QLatin1String("--stock")) {
            stock = i + 1 < args.size() ? args[++i].trimmed() : QString();
            if (stock.isEmpty()) {
                CommandLineText::Say(CommandLineText::tr(
                    "--stock needs the maker and part of a card stock, such as \"Avery 5371\""));
                return 2;
            }
        } else if (args[i] == QLatin1String("--force")) {
            force = true;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return UnknownOption(args[i]);
        } else {
            files.append(args[i]);
        }
    }
    if (files.size() != 2)
        return Usage();
    const bool pdfName = QFileInfo(files[1]).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    if (pdfName || printShop) {
        if (border || scaled) {
            CommandLineText::Say(
                CommandLineText::tr("--border and --scale are for pictures, not a PDF file"));
            return 2;
        }
        if (!pdfName && !force) {
            CommandLineText::Say(
                CommandLineText::tr("%1: the PDF file's name must end in .pdf (--force writes it anyway)")
                    .arg(files[1]));
            return 2;
        }
        return ExportPrintShop(files[0], files[1], bleed, cropMarks, stock);
    }
    PictureFormat format = PictureFormat::Png;
    if (!PictureFormatFromName(files[1], &format) && !force) {
        CommandLineText::Say(
            CommandLineText::tr(
                "%1: the picture must end in .png, .bmp or .jpg, or .pdf for a print shop (--force "
                "writes a PNG picture anyway)")
                .arg(files[1]));
        return 2;
    }
    QString error;
    bool usageError = false;
    QString warning;
    if (!ExportCardFile(files[0], files[1], format, border, &error, &usageError, scale, &warning, stock)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return usageError ? 2 : 1;
    }
    if (!warning.isEmpty())
        CommandLineText::Say(CommandLineText::tr("warning: %1").arg(warning));
    return 0;
}

// Drawing the card needs fonts and painting but no screen: the offscreen platform unless one was chosen.
int RunExport(int argc, char** argv)
{
    PrepareHeadlessRun();
    QGuiApplication app(argc, argv);
    InstallTranslations();
    return Export(QCoreApplication::arguments());
}

// Why the window cannot open here, before the toolkit tries: no platform chosen and no display to show it on.
QString MissingDisplay()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QString();
    return CommandLineText::tr("there is no display to open the design window on (DISPLAY is not set)");
}

int NoDisplay()
{
    //: %1 says why there is no display; dump, resave, export, print and stock are commands
    return Fail(CommandLineText::tr("%1; dump, resave, export, print and stock work without one").arg(MissingDisplay()));
}

// While the application starts, the toolkit's complaints about the display are held back, and its fatal
// error (a display that cannot be reached) ends the program with one line and status 1 instead of an abort.
QString gStartWarning;
void StartMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        if (type != QtDebugMsg && type != QtInfoMsg && gStartWarning.isEmpty())
            gStartWarning = message.section(QLatin1Char('\n'), 0, 0);
        return;
    }
    const QString reason = gStartWarning.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : gStartWarning;
    //: %1 is the toolkit's reason; dump, resave, export, print and stock are commands and stay as they are
    std::fprintf(
        stderr, "quillmark: %s\nquillmark: %s\n",
        qPrintable(CommandLineText::tr("cannot open the design window: %1").arg(reason)),
        qPrintable(CommandLineText::tr("dump, resave, export, print and stock work without a display")));
    std::fflush(stderr);
    std::_Exit(1);
}

int RunWindow(int argc, char** argv, const QString& card, bool platformGiven)
{
    if (!platformGiven && !MissingDisplay().isEmpty())
        return NoDisplay();
    const QtMessageHandler previous = qInstallMessageHandler(StartMessages);
    // Made before our own words are taken: the toolkit takes its options (-style, -stylesheet, -platform...)
    // out of the arguments.
    QApplication app(argc, argv);
    InstallTranslations();
    qInstallMessageHandler(previous);
    const QStringList left = QCoreApplication::arguments().mid(1);
    if (SplitToolkitOptions(left).ours != left)
        return UnknownOption(SplitToolkitOptions(left).toolkit.value(0));
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.quillmark"));

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
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const QString command = words.value(0);
    if (words.contains(QLatin1String("--help")) || command == QLatin1String("-h")) {
        QCoreApplication app(argc, argv);
        InstallTranslations();
        std::fputs(UsageText().constData(), stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        std::printf("quillmark %s\n", kProgramVersion);
        return 0;
    }
    if (command == QLatin1String("dump") || command == QLatin1String("resave")) {
        QCoreApplication app(argc, argv);
        InstallTranslations();
        const QStringList args = QCoreApplication::arguments();
        for (const QString& word : args.mid(2)) {
            if (word.startsWith(QLatin1String("--")))
                return UnknownOption(word);
        }
        if (command == QLatin1String("dump") && args.size() == 3)
            return Dump(args[2]);
        if (command == QLatin1String("resave") && args.size() == 4)
            return Resave(args[2], args[3]);
        return Usage();
    }
    if (command == QLatin1String("print"))
        return RunPrintProgram(argc, argv);
    if (command == QLatin1String("stock")) {
        QCoreApplication app(argc, argv);
        InstallTranslations();
        return RunStockCommand(QCoreApplication::arguments());
    }
    if (command == QLatin1String("export"))
        return RunExport(argc, argv);
    if (command == QLatin1String("import"))
        return RunImportProgram(argc, argv);

    // The window, with a card when one is named; "--" lets a card's name start with a dash. The toolkit's own
    // options are the toolkit's.
    const ToolkitSplit split = SplitToolkitOptions(words);
    words = split.ours;
    const QString first = words.value(0);
    // What is said before the window's application object is made is said in the user's language too.
    const auto inLanguage = [&](const std::function<int()>& say) {
        QCoreApplication app(argc, argv);
        InstallTranslations();
        return say();
    };
    if (first == QLatin1String("--"))
        words.removeFirst();
    else if (first.startsWith(QLatin1Char('-')))
        return inLanguage([&] { return UnknownOption(first); });
    if (words.size() > 1)
        return inLanguage(Usage);
    if (!split.platform && !MissingDisplay().isEmpty())
        return inLanguage([] { return NoDisplay(); });
    return RunWindow(argc, argv, words.value(0), split.platform);
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The "print" subcommand: options, reading the card and its layout, and the job into a PDF file.
#include "app/printcommand.h"

#include "app/cardbackground.h"
#include "app/carddocument.h"
#include "app/commandline.h"
#include "app/stockcommand.h"
#include "settings/companionfile.h"
#include "settings/preferences.h"
#include "app/cardfile.h"
#include "model/cardmodel.h"
#include "platform/headless.h"
#include "platform/printqueue.h"
#include "print/mergefeed.h"
#include "print/printercalibration.h"
#include "print/sheetprinter.h"
#include "print/pagedreport.h"
#include "print/recordingreport.h"
#include "platform/translations.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace qm {

namespace {

//: the command line's words (print, --pdf, long...) stay as they are: only the capitals (CARD, OUT, NAME, N,
//: DATA, MAKER PART) may be translated
const char kPrintUsage[] = QT_TRANSLATE_NOOP(
    "qm::CommandLine",
    "usage: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] "
    "[--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] "
    "[--no-nudges] [--crop-marks] [--stock \"MAKER PART\"] [--quiet] [--force]\n");

bool ParsePositions(const QString& text, std::vector<int>* positions)
{
    positions->clear();
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1)
            return false;
        positions->push_back(n);
    }
    return !positions->empty();
}

} // namespace

bool ParsePrintOptions(const QStringList& args, PrintOptions* options, QString* error)
{
    PrintOptions o;
    QStringList files;
    bool havePdf = false;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--pdf")) {
            if (!value(&o.Pdf) || o.Pdf.isEmpty()) {
                *error = CommandLineText::tr("--pdf needs a file name");
                return false;
            }
            havePdf = true;
        } else if (a == QLatin1String("--printer")) {
            // The queue's name is optional: without it the default queue prints.
            o.ToPrinter = true;
            if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1Char('-')) &&
                !args[i + 1].endsWith(QLatin1String(".qmk"), Qt::CaseInsensitive))
                o.Printer = args[++i];
        } else if (a == QLatin1String("--copies")) {
            bool ok = false;
            o.Copies = value(&v) ? v.toInt(&ok) : 0;
            if (!ok || o.Copies < 1 || o.Copies > kMaxSheets) {
                *error = CommandLineText::tr("--copies needs a number from 1 to %1").arg(kMaxSheets);
                return false;
            }
        } else if (a == QLatin1String("--positions")) {
            if (!value(&v) || !ParsePositions(v, &o.Positions)) {
                *error = CommandLineText::tr("--positions needs a list of sheet positions such as 1,2,9");
                return false;
            }
        } else if (a == QLatin1String("--merge")) {
            if (!value(&o.Merge) || o.Merge.isEmpty()) {
                *error = CommandLineText::tr("--merge needs a CSV or vCard file");
                return false;
            }
        } else if (a == QLatin1String("--start")) {
            bool ok = false;
            o.Start = value(&v) ? v.toInt(&ok) : 0;
            if (!ok || o.Start < 1) {
                *error = CommandLineText::tr("--start needs the sheet position to start at (1, 2, ...)");
                return false;
            }
        } else if (a == QLatin1String("--duplex")) {
            if (!value(&v) || !ParseDuplexMode(v, &o.Duplex) || o.Duplex == DuplexMode::None) {
                *error = CommandLineText::tr("--duplex needs long, short or manual");
                return false;
            }
        } else if (a == QLatin1String("--outline")) {
            o.Outline = true;
        } else if (a == QLatin1String("--preview")) {
            o.Preview = true;
        } else if (a == QLatin1String("--no-nudges")) {
            o.Nudges = false;
        } else if (a == QLatin1String("--crop-marks")) {
            o.CropMarks = true;
        } else if (a == QLatin1String("--stock")) {
            if (!value(&o.Stock) || o.Stock.trimmed().isEmpty()) {
                *error = CommandLineText::tr(
                    "--stock needs the maker and part of a card stock, such as \"Avery 5371\"");
                return false;
            }
        } else if (a == QLatin1String("--quiet")) {
            o.Quiet = true;
        } else if (a == QLatin1String("--force")) {
            o.Force = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            *error = CommandLineText::tr("unknown option %1").arg(a);
            return false;
        } else {
            files.append(a);
        }
    }
    if (files.size() != 1) {
        *error = CommandLineText::tr("one card file is needed");
        return false;
    }
    if (havePdf == o.ToPrinter) {
        *error = havePdf ? CommandLineText::tr("--pdf and --printer do not go together")
                         : CommandLineText::tr("--pdf OUT.pdf or --printer [NAME] is needed");
        return false;
    }
    if (havePdf && !o.Force && QFileInfo(o.Pdf).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        *error = CommandLineText::tr("%1: the PDF file's name must end in .pdf (--force writes it anyway)")
                     .arg(o.Pdf);
        return false;
    }
    if (!o.Merge.isEmpty() && (o.Outline || o.Preview)) {
        *error = CommandLineText::tr("--merge does not go with --outline or --preview");
        return false;
    }
    if (o.Start > 1 && o.Merge.isEmpty()) {
        *error = CommandLineText::tr("--start goes with --merge (use --positions for a plain print)");
        return false;
    }
    if (o.Outline && o.Preview) {
        *error = CommandLineText::tr("--outline and --preview do not go together");
        return false;
    }
    o.Card = files.front();
    *options = o;
    return true;
}

bool PrintCardFile(const PrintOptions& options, QString* error, bool* usageError)
{
    if (usageError)
        *usageError = false;
    CardModel card;
    CompanionFile companion;
    if (!ReadCardFile(options.Card, card, &companion, error))
        return false;
    const Preferences preferences;
    // A settings file that cannot be read takes the printer fine tuning and the default layout with it: said,
    // as the job goes on without them.
    if (const QString problem = preferences.Problem(); !problem.isEmpty())
        CommandLineText::Say(
            CommandLineText::tr("%1; printing without its printer fine tuning and default layout")
                .arg(problem));
    QStringList inputs = CardInputFiles(options.Card, companion);
    if (QFileInfo::exists(preferences.Path()))
        inputs.append(preferences.Path());
    if (!options.Merge.isEmpty())
        inputs.append(options.Merge);
    // The back, for a two-sided job: a card without one prints its fronts.
    CardModel back;
    CompanionFile backCompanion;
    QString backPath;
    if (options.Duplex != DuplexMode::None) {
        backPath = ExistingCardBackPath(options.Card);
        if (backPath.isEmpty()) {
            //: %1 is the card file, %2 the name its back would have
            CommandLineText::Say(CommandLineText::tr("%1 has no back (%2); printing the fronts only")
                                     .arg(options.Card, QFileInfo(CardBackPath(options.Card)).fileName()));
        } else {
            if (!ReadCardFile(backPath, back, &backCompanion, error))
                return false;
            inputs += CardInputFiles(backPath, backCompanion);
        }
    }
    if (!options.ToPrinter && !CheckOutputIsNoInput(options.Pdf, inputs, error)) {
        if (usageError)
            *usageError = true;
        return false;
    }
    CardSheetLayout layout = companion.Layout;
    if (!companion.HasLayout)
        preferences.LoadLayoutPreferences(layout);
    // A card stock named: its sheet instead, the card keeping its orientation.
    if (!options.Stock.isEmpty() && !StockLayoutByName(options.Stock, layout, &layout, error, usageError))
        return false;
    // Nothing is printed on a sheet the layout dialog would refuse.
    const QString layoutProblem = CardLayoutProblem(layout);
    if (!layoutProblem.isEmpty()) {
        const QString from = companion.HasLayout ? ExistingCompanionPath(options.Card) : Preferences().Path();
        *error = QStringLiteral("%1: %2").arg(from, layoutProblem);
        return false;
    }
    // Art that is missing or cannot be read is named here, as export names it; art that reads prints from
    // the job's file, under each card (the card itself then holds none, so that it is not drawn twice).
    SetUpCard(card, layout, companion.Background);
    const bool haveBackground = card.ColorPicture().HasGraphic();
    card.ColorPicture().Clear();
    bool haveBackBackground = false;
    if (!backPath.isEmpty()) {
        SetUpCard(back, layout, backCompanion.Background);
        haveBackBackground = back.ColorPicture().HasGraphic();
        back.ColorPicture().Clear();
    }

    LabelJob job;
    job.PrintMode = !options.Preview;
    job.OutlineTest = options.Outline;
    job.CropMarks = options.CropMarks && !options.Outline;
    job.Layout = layout;
    // The fine tuning kept for PDF files (the "Printer" keys when none was kept yet).
    if (options.Nudges)
        job.Nudges = LoadPrinterNudges(preferences.Path(), PdfFileCalibrationName());
    if (haveBackground)
        job.BackgroundFile = ResolveBackgroundFile(companion.Background);
    if (!backPath.isEmpty()) {
        job.Duplex = options.Duplex;
        job.Back = &back;
        if (haveBackBackground)
            job.BackBackgroundFile = ResolveBackgroundFile(backCompanion.Background);
    }
    if (!options.Positions.empty()) {
        const int count = layout.Across * layout.Down;
        job.Positions = SheetPositions::None();
        for (int p : options.Positions) {
            if (p > count) {
                *error = CommandLineText::tr("position %1 is not on the sheet (1 to %2)").arg(p).arg(count);
                if (usageError)
                    *usageError = true;
                return false;
            }
            job.Positions.SetSelected(p - 1, true);
        }
    }

    // A printer's job is made as a PDF file of its own and handed to the print system.
    QTemporaryDir spool;
    const QString pdfFile = options.ToPrinter ? spool.filePath(QStringLiteral("job.pdf")) : options.Pdf;
    const QString shownTarget =
        options.ToPrinter
            ? (options.Printer.isEmpty() ? CommandLineText::tr("the default printer")
                                         : CommandLineText::tr("printer %1").arg(options.Printer))
            : options.Pdf;
    if (options.ToPrinter && !spool.isValid()) {
        *error = CommandLineText::tr("%1: no room for the job in the temporary folder").arg(shownTarget);
        return false;
    }
    // A merge: one card per record of the data file, read as the job goes.
    std::unique_ptr<TMergeFeed> merge;
    if (!options.Merge.isEmpty()) {
        merge = std::make_unique<TMergeFeed>();
        if (!merge->Open(options.Merge, 0)) {
            *error = QStringLiteral("%1: %2").arg(options.Merge, merge->Problem());
            return false;
        }
        if (options.Start > layout.Across * layout.Down) {
            *error = CommandLineText::tr("--start %1 is not on the sheet (1 to %2)")
                         .arg(options.Start)
                         .arg(layout.Across * layout.Down);
            if (usageError)
                *usageError = true;
            return false;
        }
        if (!merge->Mapping().MatchesAny() && !options.Quiet) {
            CommandLineText::Say(
                CommandLineText::tr("%1: no column matches a personal field; placeholders take "
                                    "the columns' own names")
                    .arg(options.Merge));
        }
        merge->SetStartPosition(options.Start);
        job.StartPosition = merge->StartPosition();
        job.NextRecord = merge->StartJob();
        if (!job.NextRecord) {
            *error = QStringLiteral("%1: %2").arg(options.Merge, merge->JobError());
            return false;
        }
    }
    // A manual two-sided job on a printer goes as two jobs, the fronts and then the backs, with the stack turned
    // over in between; everything else is one document.
    const bool twoJobs = options.ToPrinter && job.TwoSided() && job.Duplex == DuplexMode::Manual;
    const QString media = layout.Papersize == kPaperA4 ? QStringLiteral("A4") : QStringLiteral("Letter");
    QString sides;
    if (job.TwoSided())
        sides = job.Duplex == DuplexMode::LongEdge    ? QStringLiteral("two-sided-long-edge")
                : job.Duplex == DuplexMode::ShortEdge ? QStringLiteral("two-sided-short-edge")
                                                      : QStringLiteral("one-sided");
    // Progress on a terminal, a few times a second.
    const bool showProgress =
        !options.Quiet && isatty(STDERR_FILENO) && (options.Copies > 1 || !options.Merge.isEmpty());
    bool progressShown = false;

    // One document of the job: into the file, or into the spool and then to the queue.
    auto runJob = [&](LabelJob run) -> bool {
        // Every card of a merge differs: its pages are drawn as they come by one writer, which embeds the
        // fonts once. Otherwise the card is drawn once and placed at every position.
        std::unique_ptr<TKReport> target;
        if (merge)
            target = std::make_unique<PdfStreamReport>(pdfFile);
        else
            target = std::make_unique<PdfReport>(pdfFile);
        TKReport& pdf = *target;
        if (merge) {
            // A file that stops making sense on the way (a pipe with a quote left open) ends the job: the PDF
            // file is not written.
            run.NextRecord = [next = run.NextRecord, &merge, &pdf](MergeRecord& record) {
                const bool more = next(record);
                if (!more && !merge->JobError().isEmpty())
                    pdf.Abort();
                return more;
            };
        }
        pdf.SetPaperSize(layout.Papersize);
        pdf.SetTitle(QFileInfo(options.Card).completeBaseName());
        QElapsedTimer sinceShown;
        if (showProgress) {
            sinceShown.start();
            pdf.StatusChanged = [&](const QString& status) {
                const int page = pdf.CurrentPage();
                if (sinceShown.elapsed() < 200 && page < options.Copies)
                    return;
                sinceShown.restart();
                std::fprintf(stderr, "\r%s", qPrintable(status.section(QLatin1Char('\n'), 0, 0)));
                std::fflush(stderr);
                progressShown = true;
            };
        }
        TLabelPrinter printer(card, run);
        TJobOutcome outcome;
        if (options.Preview) {
            // The preview's own pages, recorded as the window would show them, then written out.
            RecordingReport recording;
            recording.SetPaperSize(layout.Papersize);
            outcome = printer.Run(recording);
            if (outcome == joFinished && !ReplayPages(recording.Pages(), pdf))
                outcome = joFailed;
        } else {
            pdf.SetCopies(options.Copies);
            outcome = printer.Run(pdf);
        }
        if (progressShown)
            std::fprintf(stderr, "\n");
        progressShown = false;
        if (merge) {
            for (const QString& note : merge->JobNotes())
                std::fprintf(stderr, "quillmark: %s: %s\n", qPrintable(options.Merge), qPrintable(note));
            if (!merge->JobError().isEmpty()) {
                // The file could not be read to its end: nothing half done is left.
                *error = QStringLiteral("%1: %2").arg(options.Merge, merge->JobError());
                return false;
            }
            if (outcome == joFinished && merge->JobRecords() == 0) {
                *error = CommandLineText::tr("%1: the file holds no records").arg(options.Merge);
                return false;
            }
        }
        if (outcome != joFinished) {
            const QString reason =
                pdf.ErrorString().isEmpty() ? printer.FinalStatus(outcome, pdf) : pdf.ErrorString();
            *error = QStringLiteral("%1: %2").arg(shownTarget, reason);
            return false;
        }
        if (options.ToPrinter) {
            QString reason;
            if (!SendToPrinterQueue(options.Printer, pdfFile, QFileInfo(options.Card).fileName(), media, &reason,
                                    nullptr, sides)) {
                *error = reason;
                return false;
            }
        }
        // The pages a manual job's sheets are made of, for the one who prints the file.
        if (job.TwoSided() && job.Duplex == DuplexMode::Manual && !twoJobs && !options.Quiet) {
            const int pages = pdf.CurrentPage();
            const QLocale locale;
            //: %1 is the PDF file; %2, %3 and %4 are page numbers
            CommandLineText::Say(
                CommandLineText::tr("%1: pages 1 to %2 are the fronts; print them, turn the "
                                    "stack over along the long edge without changing its order, "
                                    "feed it again and print pages %3 to %4, the backs")
                    .arg(options.Pdf, locale.toString(pages / 2), locale.toString(pages / 2 + 1),
                         locale.toString(pages)));
        }
        return true;
    };

    if (!twoJobs)
        return runJob(job);
    LabelJob fronts = job;
    fronts.Pages = LabelJob::FrontHalf;
    if (!runJob(fronts))
        return false;
    std::fprintf(stderr, "quillmark: %s\n", qPrintable(DuplexPlacement::TurnStackMessage(options.Copies)));
    // On a terminal the backs wait for Enter; a script that feeds the command goes straight on.
    if (isatty(STDIN_FILENO)) {
        CommandLineText::Say(CommandLineText::tr("press Enter when the stack is back in the printer"));
        char line[256];
        if (!std::fgets(line, sizeof line, stdin))
            std::clearerr(stdin);
    }
    LabelJob backs = job;
    backs.Pages = LabelJob::BackHalf;
    if (merge) {
        // The backs take the same people again, from the top of the file.
        backs.NextRecord = merge->StartJob();
        if (!backs.NextRecord) {
            *error = QStringLiteral("%1: %2").arg(options.Merge, merge->JobError());
            return false;
        }
    }
    return runJob(backs);
}

int RunPrintCommand(const QStringList& args)
{
    PrintOptions options;
    QString error;
    if (!ParsePrintOptions(args, &options, &error)) {
        std::fprintf(stderr, "quillmark: %s\n%s", qPrintable(error),
                     qPrintable(CommandLineText::tr(kPrintUsage)));
        return 2;
    }
    bool usageError = false;
    if (!PrintCardFile(options, &error, &usageError)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return usageError ? 2 : 1;
    }
    return 0;
}

int RunPrintProgram(int argc, char** argv)
{
    PrepareHeadlessRun();
    QGuiApplication app(argc, argv);
    InstallTranslations();
    return RunPrintCommand(QCoreApplication::arguments());
}

} // namespace qm

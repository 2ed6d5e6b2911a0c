// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of reading and printing cards that are large for their file size. Each case runs in a child
// process of its own (this program started again with --child), and the child's peak resident size is taken
// from wait4 when it ends: one case's allocations never hide another's.
//
// The cards: 100,000 labels written by the card writer; one label whose caption is megabytes long (letters,
// and control characters); records of the smallest objects a card file can hold, of each class, as many as a
// card holds at most; QR codes by the ten thousand and hundred thousand. The worst cases for the reader's
// limits (256 MB, 1,000,000 objects) are made only with --big, as they take a while (the million QR codes of
// texts of their own most, half an hour): a caption of 256 MB; a million labels of 240-letter captions
// (256 MB); a million of the smallest objects of the classes that cost most; a million QR codes of 229-letter
// texts (256 MB). Large pictures: 4 and 12 pictures of 8192 x 8192 pixels (a PNG of a few hundred KB each)
// in boxes of the card's size, exported and printed:
//
//     quillmark_memory_bench [--big] [--benchmark_filter=...]
//
// QM_BENCH_CARDS=folder keeps the cards there for the next run.
#include "app/cardfile.h"
#include "app/export.h"
#include "app/printcommand.h"
#include "stream/streamreader.h"
#include "stream/streamvalues.h"
#include "stream/streamwriter.h"
#include "model/cardmodel.h"
#include "model/cardobjects.h"
#include "model/classregistry.h"
#include "objects/shapes/picture.h"
#include "objects/text/textlabel.h"

#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>

using namespace qm;

namespace {

QTemporaryDir* gDir = nullptr;
QString gCards;
bool gBig = false;

// ---- The child: one read or print of a card ----

int RunChild(int argc, char** argv)
{
    // --child read|print|export CARD [OUT.pdf]
    if (argc < 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString what = QString::fromLocal8Bit(argv[2]);
    const QString cardFile = QString::fromLocal8Bit(argv[3]);
    if (what == QLatin1String("read")) {
        CardModel card;
        QString error;
        if (!ReadCardFile(cardFile, card, nullptr, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (what == QLatin1String("export")) {
        QString error;
        const QString out = QString::fromLocal8Bit(argv[4]) + QStringLiteral(".png");
        if (!ExportCardFile(cardFile, out, PictureFormat::Png, false, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    PrintOptions options;
    options.Card = cardFile;
    options.Pdf = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("/dev/null");
    QString error;
    if (!PrintCardFile(options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

struct ChildRun
{
    bool ok = false;
    double peakMB = 0;
    double seconds = 0;
};

ChildRun Spawn(const char* what, const QString& card)
{
    ChildRun run;
    const QByteArray cardPath = QFile::encodeName(card);
    const QByteArray pdf = QFile::encodeName(gDir->filePath(QStringLiteral("out.pdf")));
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const char* args[] = {"quillmark_memory_bench", "--child",       what,
                              cardPath.constData(),     pdf.constData(), nullptr};
        execv("/proc/self/exe", const_cast<char**>(args));
        _exit(127);
    }
    if (pid < 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMB = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return run;
}

// ---- The cards ----

QByteArray ShortString(const QByteArray& s)
{
    return char(s.size()) + s;
}

// The record of an object of the given class with no name and no property: the least a card file can say
// about an object.
QByteArray MinimalRecord(const QByteArray& className)
{
    return QByteArray("TPF0") + ShortString(className) + ShortString(QByteArray()) + QByteArray(2, '\0');
}

// A card file of `count` copies of one record.
QString RecordCard(const QString& name, const QByteArray& record, qint64 count)
{
    const QString path = QDir(gCards).filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QByteArray block;
    for (int i = 0; i < 4096; ++i)
        block += record;
    file.write(QByteArray(1, char(ValueTag::List)));
    qint64 left = count;
    while (left > 0) {
        const qint64 n = std::min<qint64>(left, 4096);
        file.write(block.constData(), n * record.size());
        left -= n;
    }
    file.write(QByteArray(1, '\0'));
    return path;
}

// A card file of minimal records of one class, about `bytes` long and of no more objects than a card holds.
QString MinimalCard(const QByteArray& className, qint64 bytes, qint64* count)
{
    const QByteArray record = MinimalRecord(className);
    *count = std::min<qint64>((bytes - 2) / record.size(), CardObjectLimit());
    return RecordCard(QStringLiteral("minimal-%1-%2.qmk").arg(QLatin1String(className)).arg(*count), record,
                      *count);
}

// As many labels as a card holds, each with a caption of 240 letters and nothing else: a card file of 256 MB.
QString LongLabelsCard(qint64* count)
{
    QByteArray caption;
    while (caption.size() < 240)
        caption += "Quillmark prints business cards. ";
    caption.truncate(240);
    const QByteArray record = QByteArray("TPF0") + ShortString("TKPLabel") + ShortString(QByteArray()) +
                              ShortString("Caption") + char(ValueTag::String) + ShortString(caption) +
                              QByteArray(2, '\0');
    *count = CardObjectLimit();
    return RecordCard(QStringLiteral("labels-240-%1.qmk").arg(*count), record, *count);
}

// One label whose caption is `bytes` long: letters and spaces, or control characters. Written through the
// card writer unless it is too large to build in memory here.
QString CaptionCard(qint64 bytes, bool controls)
{
    const QString path = QDir(gCards).filePath(
        QStringLiteral("caption-%1-%2.qmk").arg(controls ? "controls" : "text").arg(bytes));
    if (QFile::exists(path))
        return path;
    QByteArray unit;
    if (controls) {
        for (char c = 1; c < 32; ++c)
            unit += c;
    } else {
        unit = "Quillmark prints business cards. ";
    }
    if (bytes <= 16 * 1024 * 1024) {
        QByteArray text;
        while (text.size() < bytes)
            text += unit;
        text.truncate(bytes);
        TKCardObjects objects;
        auto* label = static_cast<TKPLabel*>(objects.Add(std::make_unique<TKPLabel>()));
        label->SetBounds(10, 10, 300, 40);
        label->SetCaption(QString::fromLatin1(text));
        return WriteAll(objects, path) ? path : QString();
    }
    // Too large to build here: the label's record by hand, the caption as a long string.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QByteArray head;
    head += char(ValueTag::List);
    head += "TPF0" + ShortString("TKPLabel") + ShortString("Component1");
    const auto intProperty = [&head](const char* name, int v) {
        head += ShortString(name);
        head += char(ValueTag::Int16);
        head += char(v & 0xff);
        head += char(v >> 8);
    };
    intProperty("Left", 10);
    intProperty("Top", 10);
    intProperty("Width", 300);
    intProperty("Height", 40);
    head += ShortString("Caption");
    head += char(ValueTag::LString);
    const quint32 length = quint32(bytes);
    for (int i = 0; i < 4; ++i)
        head += char((length >> (8 * i)) & 0xff);
    file.write(head);
    QByteArray block;
    while (block.size() < 1024 * 1024)
        block += unit;
    qint64 left = bytes;
    while (left > 0) {
        const qint64 n = std::min<qint64>(left, 1024 * 1024);
        file.write(block.constData(), n);
        left -= n;
    }
    file.write(QByteArray(3, '\0')); // end of properties, of children, of the list
    return path;
}

// `count` QR codes of text, each its own: a web address numbered by the code, made up to `letters` long.
QString TextQRCodesCard(qint64 count, int letters)
{
    const QString path = QDir(gCards).filePath(QStringLiteral("qrcodes-%1-%2.qmk").arg(count).arg(letters));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QByteArray filler;
    while (filler.size() < letters)
        filler += "quillmark-prints-business-cards/";
    file.write(QByteArray(1, char(ValueTag::List)));
    QByteArray block;
    for (qint64 i = 0; i < count; ++i) {
        const QByteArray text = ("https://example.org/" + QByteArray::number(i) + '/' + filler).left(letters);
        block += QByteArray("TPF0") + ShortString("TKQRCode") + ShortString(QByteArray()) + ShortString("Content") +
                 char(ValueTag::Ident) + ShortString("qcText") + ShortString("Text") + char(ValueTag::String) +
                 ShortString(text) + QByteArray(2, '\0');
        if (block.size() > 1024 * 1024) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    file.write(QByteArray(1, '\0'));
    return path;
}

// `count` labels of short captions over the card, written by the card writer.
QString LabelsCard(int count)
{
    const QString path = QDir(gCards).filePath(QStringLiteral("labels-%1.qmk").arg(count));
    if (QFile::exists(path))
        return path;
    TKCardObjects objects;
    for (int i = 0; i < count; ++i) {
        auto* label = static_cast<TKPLabel*>(objects.Add(std::make_unique<TKPLabel>()));
        label->SetBounds(i % 280, (i / 280) % 170, 60, 20);
        label->SetCaption(QStringLiteral("Label %1").arg(i + 1));
    }
    return WriteAll(objects, path) ? path : QString();
}

// `count` pictures of 8192 x 8192 pixels, each its own (a PNG of a few hundred KB: bands of a colour of its
// own), in boxes the size of the card.
QString BigPicturesCard(int count)
{
    const QString path = QDir(gCards).filePath(QStringLiteral("pictures-8192-%1.qmk").arg(count));
    if (QFile::exists(path))
        return path;
    TKCardObjects objects;
    for (int i = 0; i < count; ++i) {
        QImage image(8192, 8192, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 29 % 360, 200, 230));
        {
            QPainter painter(&image);
            for (int y = 0; y < 8192; y += 512)
                painter.fillRect(0, y, 8192, 64 + i * 8, Qt::black);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        auto* picture = static_cast<TKImage*>(objects.Add(std::make_unique<TKImage>()));
        picture->Picture().SetGraphic("TBitmap", png);
        picture->SetStretch(true);
        picture->SetBounds(0, 0, 336, 192);
    }
    return WriteAll(objects, path) ? path : QString();
}

// ---- The cases ----

void Report(benchmark::State& state, const QString& card, const char* what, qint64 objects = 0)
{
    if (card.isEmpty()) {
        state.SkipWithError("the card could not be written");
        return;
    }
    ChildRun run;
    for (auto _ : state) {
        run = Spawn(what, card);
        state.SetIterationTime(run.seconds);
    }
    if (!run.ok) {
        state.SkipWithError("the child failed");
        return;
    }
    const double fileMB = QFileInfo(card).size() / (1024.0 * 1024.0);
    state.counters["peak_MB"] = run.peakMB;
    state.counters["file_MB"] = fileMB;
    if (objects > 0)
        state.counters["B_per_object"] = run.peakMB * 1024 * 1024 / double(objects);
}

void BM_Labels(benchmark::State& state, const char* what)
{
    const int count = int(state.range(0));
    Report(state, LabelsCard(count), what, count);
}
BENCHMARK_CAPTURE(BM_Labels, read, "read")
    ->Arg(100000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Labels, print, "print")
    ->Arg(100000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// Caption length in megabytes; the second argument 1 for control characters.
void BM_Caption(benchmark::State& state)
{
    const qint64 bytes = state.range(0) * 1024 * 1024;
    Report(state, CaptionCard(bytes, state.range(1) != 0), "print");
}
BENCHMARK(BM_Caption)
    ->Args({1, 0})
    ->Args({3, 0})
    ->Args({1, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// QR codes, the object whose printing writes the most per byte of card file: `count` alike (the smallest
// record), or each with a text of its own of 200 letters (the second argument 1).
void BM_QRCodes(benchmark::State& state)
{
    const qint64 count = state.range(0);
    const QString card = state.range(1) ? TextQRCodesCard(count, 200)
                                        : RecordCard(QStringLiteral("minimal-TKQRCode-%1.qmk").arg(count),
                                                     MinimalRecord("TKQRCode"), count);
    Report(state, card, "print", count);
}
BENCHMARK(BM_QRCodes)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// Large pictures, exported as a PNG and printed into a PDF file.
void BM_BigPictures(benchmark::State& state, const char* what)
{
    const int count = int(state.range(0));
    Report(state, BigPicturesCard(count), what, count);
}
BENCHMARK_CAPTURE(BM_BigPictures, export, "export")
    ->Arg(4)
    ->Arg(12)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_BigPictures, print, "print")
    ->Arg(4)
    ->Arg(12)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// 16 MB of the smallest records of each class: which kind of object costs most memory per byte of file.
void BM_Minimal(benchmark::State& state, const char* className, const char* what)
{
    qint64 count = 0;
    const QString card = MinimalCard(className, state.range(0) * 1024 * 1024, &count);
    Report(state, card, what, count);
}

void BM_Big(benchmark::State& state, const char* kind)
{
    const qint64 bytes = 256LL * 1024 * 1024 - 256; // the record around a caption included
    qint64 count = 0;
    // A QR code of a text of its own each, as many as fill the file: the most a card makes a printer write.
    const int qrLetters = int(bytes / CardObjectLimit()) - 39; // the record around the text
    if (std::strcmp(kind, "qrtexts") == 0)
        count = CardObjectLimit();
    const QString card = std::strcmp(kind, "caption") == 0   ? CaptionCard(bytes, false)
                         : std::strcmp(kind, "labels") == 0  ? LongLabelsCard(&count)
                         : std::strcmp(kind, "qrtexts") == 0 ? TextQRCodesCard(count, qrLetters)
                                                             : MinimalCard(kind, bytes, &count);
    Report(state, card, "print", count);
}

void RegisterCases()
{
    for (const QByteArray& name : CardClasses().ClassNames()) {
        static std::vector<QByteArray> names;
        names.push_back(name);
        const char* c = names.back().constData();
        benchmark::RegisterBenchmark((std::string("BM_Minimal/read/") + c).c_str(), BM_Minimal, c, "read")
            ->Arg(16)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
    benchmark::RegisterBenchmark("BM_Minimal/print/TKPLabel", BM_Minimal, "TKPLabel", "print")
        ->Arg(16)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
    if (!gBig)
        return;
    // The classes whose printing works out the most per object (traced letters, a layout, a symbol).
    for (const char* kind : {"caption", "labels", "TKSuperText", "TKPRichBaseLabel", "TKQRCode", "qrtexts"})
        benchmark::RegisterBenchmark((std::string("BM_Big/") + kind).c_str(), BM_Big, kind)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv);
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--big") == 0)
            gBig = true;
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    gDir = &dir;
    // QM_BENCH_CARDS names a folder that keeps the cards from one run to the next.
    gCards =
        qEnvironmentVariableIsSet("QM_BENCH_CARDS") ? qEnvironmentVariable("QM_BENCH_CARDS") : dir.path();
    qputenv("QUILLMARK_HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
    QGuiApplication app(count, args.data());
    RegisterCases();
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// QR codes: what the program exports and prints reads back through a real decoder (zbarimg) as exactly the
// text the code was meant to carry; a card holding QR codes comes back from its file byte for byte.
#include "testutil.h"
#include "print/pdfutil.h"

#include "settings/preferences.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "objects/shapes/qrcode.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace qm;

struct ProgramRun
{
    int status = -1;
    QByteArray out;
    QString err;
};

ProgramRun Program(const QString& program, const QStringList& args, const QString& home = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!home.isEmpty())
        env.insert(QStringLiteral("QUILLMARK_HOME"), home);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// What zbarimg reads from a picture: the one symbol's text as it decoded it, nothing when it found none.
QString Decoded(const QString& picture)
{
    const ProgramRun run = Program(QStringLiteral("zbarimg"), {"--quiet", "--raw", "-Sdisable", "-Sqrcode.enable", picture});
    QByteArray text = run.out;
    if (text.endsWith('\n'))
        text.chop(1); // zbarimg ends each symbol with a line break of its own
    return QString::fromUtf8(text);
}

QByteArray CardBytes(const std::vector<std::unique_ptr<TKQRCode>>& codes)
{
    std::vector<const TKGraphicControl*> objects;
    for (const auto& c : codes)
        objects.push_back(c.get());
    return WriteObjectsToBytes(objects);
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

std::unique_ptr<TKQRCode> Code(int left, int top, int side)
{
    auto code = std::make_unique<TKQRCode>();
    code->SetName(QStringLiteral("Special1"));
    code->SetBounds(left, top, side, side);
    return code;
}

} // namespace

TEST(QRCode, ExportedAndPrintedCodesReadBackAsTheirText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg not installed (Debian zbar-tools): the QR codes cannot be read back";
    QTemporaryDir home;
    const QStringList personal = {QStringLiteral("Zoë van der Berg"), QStringLiteral("Berg, Brandt & Söhne; Ltd"),
                                  QStringLiteral("Head of Sales"), QStringLiteral("12 Harbour Road"),
                                  QStringLiteral("Leith EH6 6QB"), QString(),
                                  QStringLiteral("+44 131 555 0101"), QString(),
                                  QStringLiteral("zoe@berg.example"), QStringLiteral("+44 131 555 0199")};
    ASSERT_TRUE(Preferences(home.filePath(QStringLiteral("qmk.ini"))).SavePersonalInfo(personal));
    // The vCard 3.0 of those fields, as an address book reads it: lines end in CR LF, commas and semicolons
    // in values are escaped, empty fields are left out.
    const QString vcard = QStringLiteral(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Berg;Zoë van der;;;\r\nFN:Zoë van der Berg\r\n"
        "ORG:Berg\\, Brandt & Söhne\\; Ltd\r\nTITLE:Head of Sales\r\n"
        "ADR;TYPE=WORK:;;12 Harbour Road;Leith EH6 6QB;;;\r\nTEL;TYPE=WORK,VOICE:+44 131 555 0101\r\n"
        "EMAIL;TYPE=INTERNET:zoe@berg.example\r\nTEL;TYPE=WORK,FAX:+44 131 555 0199\r\nEND:VCARD\r\n");

    // Three cards: the personal vCard at the default level, a web address at High in navy on a transparent
    // ground with a narrow quiet zone, and text in a small box (one pixel a module on screen).
    struct Case
    {
        const char* file;
        std::unique_ptr<TKQRCode> code;
        QString expected;
    };
    std::vector<Case> cases;
    cases.push_back({"vcard", Code(170, 10, 160), vcard});
    auto url = Code(20, 30, 120);
    url->SetContent(qcURL);
    url->SetText(QStringLiteral("https://berg.example/cards?who=zoë&lang=en"));
    url->SetErrorLevel(qeHigh);
    url->SetDarkColor(0x800000);
    url->SetLightColor(clNone);
    url->SetQuietZone(2);
    cases.push_back({"url", std::move(url), QStringLiteral("https://berg.example/cards?who=zoë&lang=en")});
    auto text = Code(5, 100, 60);
    text->SetContent(qcText);
    text->SetText(QStringLiteral("Quillmark\nline two"));
    text->SetErrorLevel(qeLow);
    cases.push_back({"text", std::move(text), QStringLiteral("Quillmark\nline two")});

    for (Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::vector<std::unique_ptr<TKQRCode>> one;
        one.push_back(std::move(c.code));
        const QString card = home.filePath(QString::fromLatin1(c.file) + QStringLiteral(".qmk"));
        ASSERT_TRUE(Write(card, CardBytes(one)));

        const QString png = home.filePath(QString::fromLatin1(c.file) + QStringLiteral(".png"));
        const ProgramRun exported = Program(QStringLiteral(QM_PROGRAM), {"export", card, png}, home.path());
        ASSERT_EQ(exported.status, 0) << qPrintable(exported.err);
        EXPECT_EQ(Decoded(png), c.expected);

        if (!qmtest::HavePoppler())
            continue;
        const QString pdf = home.filePath(QString::fromLatin1(c.file) + QStringLiteral(".pdf"));
        const ProgramRun printed = Program(QStringLiteral(QM_PROGRAM), {"print", card, "--pdf", pdf, "--positions", "1"},
                                    home.path());
        ASSERT_EQ(printed.status, 0) << qPrintable(printed.err);
        // Vector squares, no picture: pdfimages lists its two header lines and nothing else.
        const QString images = qmtest::RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        EXPECT_EQ(images.trimmed().split(QLatin1Char('\n')).size(), 2) << qPrintable(images);
        for (int dpi : {150, 300}) {
            const QImage page = qmtest::RenderPdfPage(pdf, dpi);
            ASSERT_FALSE(page.isNull());
            // The symbol with a margin around it (zbarimg overlooks small symbols on a whole blank page).
            const QRect ink = qmtest::InkBox(page);
            ASSERT_FALSE(ink.isEmpty());
            const QString rendered = home.filePath(QStringLiteral("page.png"));
            ASSERT_TRUE(page.copy(ink.adjusted(-dpi / 4, -dpi / 4, dpi / 4, dpi / 4)).save(rendered));
            EXPECT_EQ(Decoded(rendered), c.expected) << "printed, rendered at " << dpi << " dpi";
        }
    }
}

// The card of a user with full personal information: a vCard code of about seventy modules in a box an inch
// across, as people place it. At 96 pixels per inch a module would be 1.1 pixels: the export says so, names
// the scale at which the code scans, and at that scale every module is a square of whole pixels that reads.
TEST(QRCode, APictureTooSmallForItsCodeSaysSoAndScansAtTheScaleItNames)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg not installed (Debian zbar-tools): the QR codes cannot be read back";
    QTemporaryDir home;
    const QStringList personal = {QStringLiteral("Josefina Alvarez-Whitmore"), QStringLiteral("Flowright Plumbing and Heating Services"),
                                  QStringLiteral("Senior Project Manager"), QStringLiteral("1420 Riverside Industrial Park"),
                                  QStringLiteral("Springfield, IL 62704"), QStringLiteral("United States"),
                                  QStringLiteral("+1 217 555 0142"), QStringLiteral("+1 217 555 0199"),
                                  QStringLiteral("josefina.alvarez@flowright.example"), QStringLiteral("+1 217 555 0143")};
    ASSERT_TRUE(Preferences(home.filePath(QStringLiteral("qmk.ini"))).SavePersonalInfo(personal));
    std::vector<std::unique_ptr<TKQRCode>> one;
    one.push_back(Code(226, 82, 100));
    const int modules = one[0]->ModulesAcross(personal);
    ASSERT_GE(modules, 69) << "a symbol of version 13 or more with its quiet zone";
    EXPECT_EQ(one[0]->ModulePixels(1, personal), 1);
    EXPECT_EQ(one[0]->ModulePixels(2, personal), 2);
    const QString expected = one[0]->Payload(personal);
    const QString card = home.filePath(QStringLiteral("squeezed.qmk"));
    ASSERT_TRUE(Write(card, CardBytes(one)));

    const QString small = home.filePath(QStringLiteral("small.png"));
    const ProgramRun plain = Program(QStringLiteral(QM_PROGRAM), {"export", card, small}, home.path());
    ASSERT_EQ(plain.status, 0) << qPrintable(plain.err);
    EXPECT_TRUE(plain.err.contains(QStringLiteral("too small to scan"))) << qPrintable(plain.err);
    const QString width = QString::number(100.0 / modules, 'f', 1) + QStringLiteral(" pixels wide");
    EXPECT_TRUE(plain.err.contains(width)) << qPrintable(plain.err);
    EXPECT_TRUE(plain.err.contains(QStringLiteral("--scale 2 "))) << qPrintable(plain.err);
    EXPECT_EQ(QImage(small).size(), QSize(336, 192));

    const QString large = home.filePath(QStringLiteral("large.png"));
    const ProgramRun scaled = Program(QStringLiteral(QM_PROGRAM), {"export", card, large, "--scale", "2"}, home.path());
    ASSERT_EQ(scaled.status, 0) << qPrintable(scaled.err);
    EXPECT_TRUE(scaled.err.isEmpty()) << qPrintable(scaled.err);
    const QImage picture(large);
    ASSERT_EQ(picture.size(), QSize(672, 384));
    EXPECT_NEAR(picture.dotsPerMeterX() * 0.0254, 192, 0.5) << "the picture keeps the card's real size";
    EXPECT_EQ(Decoded(large), expected);
    // Every run of dark or light pixels inside the symbol is a whole number of two-pixel modules, and the
    // symbol is centred in the box's 200 pixels.
    const QRect ink = qmtest::InkBox(picture);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.width(), 2 * (modules - 8));
    EXPECT_EQ(ink.height(), ink.width());
    EXPECT_NEAR(ink.center().x(), 2 * 226 + 100, 2);
    for (int y = ink.top(); y <= ink.bottom(); y += 7) {
        int run = 1;
        for (int x = ink.left() + 1; x <= ink.right() + 1; ++x) {
            if (x <= ink.right() && (qGray(picture.pixel(x, y)) < 128) == (qGray(picture.pixel(x - 1, y)) < 128)) {
                ++run;
                continue;
            }
            ASSERT_EQ(run % 2, 0) << "a run of " << run << " pixels ending at " << x << ", " << y;
            run = 1;
        }
    }

    ProgramRun bad = Program(QStringLiteral(QM_PROGRAM), {"export", card, large, "--scale", "9"}, home.path());
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("from 1 to 8"))) << qPrintable(bad.err);
}

// A quiet zone of four modules in a square box: the light margin around the dark modules is the same on all
// four sides, four modules wide (a module measured on the top-left finder, seven modules across).
TEST(QRCode, AQuietZoneOfFourLeavesEqualMarginsOnAllFourSides)
{
    auto code = Code(0, 0, 232); // a version 1 symbol and its zone are 29 modules: 8 pixels a module
    code->SetContent(qcText);
    code->SetText(QStringLiteral("Q"));
    code->SetErrorLevel(qeLow);
    code->SetQuietZone(4);
    QImage image(232, 232, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        RenderContext context;
        context.target = RenderContext::Picture;
        code->Draw(painter, context);
    }
    const QRect ink = qmtest::InkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    int finder = 0;
    while (ink.left() + finder < image.width() && qGray(image.pixel(ink.left() + finder, ink.top())) < 128)
        ++finder;
    const double module = finder / 7.0;
    const int left = ink.left(), top = ink.top();
    const int right = image.width() - 1 - ink.right(), bottom = image.height() - 1 - ink.bottom();
    EXPECT_EQ(left, right);
    EXPECT_EQ(top, bottom);
    EXPECT_EQ(left, top);
    EXPECT_NEAR(left, 4 * module, 1) << "module " << module;
}

TEST(QRCode, InAMergeTheVCardIsTheRecordsPerson)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg not installed (Debian zbar-tools): the QR codes cannot be read back";
    QTemporaryDir dir;
    const std::unique_ptr<TKQRCode> code = Code(0, 0, 200);
    MergeRecord record;
    record.Add(QStringLiteral("name"), QStringLiteral("Ann Lee"));
    record.Add(QStringLiteral("EMAIL"), QStringLiteral("ann@lee.example"));
    record.Add(QStringLiteral("Shoe size"), QStringLiteral("38"));
    RenderContext context;
    context.target = RenderContext::Picture;
    context.personal = QStringList{QStringLiteral("Someone Else"), QStringLiteral("Their Company")};
    context.record = &record;
    QImage picture(240, 240, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.translate(20, 20);
        code->Draw(painter, context);
    }
    const QString file = dir.filePath(QStringLiteral("merge.png"));
    ASSERT_TRUE(picture.save(file));
    EXPECT_EQ(Decoded(file), QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\n"
                                            "EMAIL;TYPE=INTERNET:ann@lee.example\r\nEND:VCARD\r\n"));
}

TEST(QRCode, ACardOfQRCodesComesBackByteForByte)
{
    std::vector<std::unique_ptr<TKQRCode>> codes;
    codes.push_back(Code(10, 20, 96)); // every property of its own at its default: none written
    auto custom = Code(120, 20, 150);
    custom->SetName(QStringLiteral("Special2"));
    custom->SetContent(qcText);
    custom->SetText(QString(300, QLatin1Char('x'))); // long text: a 4-byte length
    custom->SetErrorLevel(qeQuartile);
    custom->SetDarkColor(0x123456);
    custom->SetLightColor(clNone);
    custom->SetQuietZone(0);
    codes.push_back(std::move(custom));
    const QByteArray bytes = CardBytes(codes);

    // The first record: class, name, the base properties, then nothing of its own.
    const QByteArray first = qmtest::fromHex("01 54 50 46 30 08 54 4b 51 52 43 6f 64 65 08 53 70 65 63 69 61 6c 31"
                                             "04 4c 65 66 74 02 0a 03 54 6f 70 02 14 05 57 69 64 74 68 02 60"
                                             "06 48 65 69 67 68 74 02 60 06 4c 6f 63 6b 65 64 08"
                                             "0c 55 6e 73 65 6c 65 63 74 61 62 6c 65 08 00 00");
    EXPECT_EQ(qmtest::toHex(bytes.left(first.size())), qmtest::toHex(first));
    // The second: its own properties in their order, the colour without a name as a number, clNone by name.
    const QByteArray own = QByteArray("\x07" "Content" "\x07\x06" "qcText", 16) + QByteArray("\x04" "Text\x0c", 6) +
                           QByteArray("\x2c\x01\x00\x00", 4) + QByteArray(300, 'x') +
                           QByteArray("\x0a" "ErrorLevel" "\x07\x0a" "qeQuartile", 23) +
                           QByteArray("\x09" "DarkColor" "\x04\x56\x34\x12\x00", 15) +
                           QByteArray("\x0a" "LightColor" "\x07\x06" "clNone", 19) +
                           QByteArray("\x09" "QuietZone" "\x02\x00", 12) + QByteArray("\x00\x00\x00", 3);
    EXPECT_TRUE(bytes.endsWith(own)) << qPrintable(qmtest::toHex(bytes.right(own.size() + 8)));

    TKCardObjects read;
    const ReadResult result = ReadObjectsFromBytes(read, bytes);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    ASSERT_EQ(result.objects.size(), 2u);
    std::vector<const TKGraphicControl*> again;
    for (size_t i = 0; i < result.objects.size(); ++i) {
        result.objects[i]->SetName(codes[i]->Name()); // reading names objects afresh
        again.push_back(result.objects[i]);
    }
    EXPECT_EQ(qmtest::toHex(WriteObjectsToBytes(again)), qmtest::toHex(bytes));
}

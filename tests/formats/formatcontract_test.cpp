// SPDX-License-Identifier: GPL-3.0-or-later
// Every format read from outside keeps the same contract over a sample of its own: the sample reads; a file cut
// short, a file of another format, an empty file and a file that cannot be read (a pipe, a file without read
// permission) are each refused with a message naming the file, and what was to be read into stays as it was.
#include "contacts/contactformats.h"
#include "pictures/pictureformats.h"
#include "richtext/rtfformat.h"
#include "stock/glabelsstock.h"

#include "testutil.h"
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace qm;

namespace {

struct Outcome
{
    bool read = false;
    QString error;
    bool untouched = false; // the target is as it was before the read
};

struct FormatCase
{
    std::string label;
    QString sample; // under tests/data
    std::function<std::unique_ptr<FileFormat>()> make;
    std::function<Outcome(FileFormat&, const QString&)> read;
    // Where the sample is cut to make files cut short: half way and just before the end, unless the format
    // needs a cut in one place.
    std::function<std::vector<qsizetype>(const QByteArray&)> cuts = [](const QByteArray& b) {
        return std::vector<qsizetype>{b.size() / 2, b.size() - 16};
    };
};

FormatCase Picture(const char* format, const char* sample)
{
    const QString name = QString::fromLatin1(format);
    return {std::string(format) + " " + sample, QStringLiteral("pictures/") + QLatin1String(sample),
            [name]() -> std::unique_ptr<FileFormat> {
                for (auto& f : PictureFormats())
                    if (f->Name() == name)
                        return std::move(f);
                return nullptr;
            },
            [](FileFormat& format, const QString& path) {
                const TPicture before = TPicture::FromImage(QImage(3, 2, QImage::Format_RGB32));
                TPicture picture = before;
                Outcome o;
                o.read = static_cast<TPictureFormat&>(format).Read(path, picture);
                o.error = format.ErrorString();
                o.untouched = picture.Size() == QSize(3, 2) && picture.GetKind() == TPicture::Kind::Bitmap;
                return o;
            }};
}

FormatCase Rtf()
{
    return {"RTF", QStringLiteral("rtf/card-libreoffice.rtf"),
            [] { return std::make_unique<RtfFormat>(); },
            [](FileFormat& format, const QString& path) {
                QTextDocument document;
                document.setPlainText(QStringLiteral("before"));
                Outcome o;
                o.read = static_cast<RtfFormat&>(format).Read(path, document);
                o.error = format.ErrorString();
                o.untouched = document.toPlainText() == QStringLiteral("before");
                return o;
            }};
}

FormatCase Contacts(ContactFormat::Kind kind, const char* sample)
{
    FormatCase c{kind == ContactFormat::Kind::Csv ? "CSV" : "vCard", QStringLiteral("merge/") + QLatin1String(sample),
                 [kind] { return std::make_unique<ContactFormat>(kind); },
                 [](FileFormat& format, const QString& path) {
                     std::unique_ptr<DataSource> source;
                     Outcome o;
                     o.read = static_cast<ContactFormat&>(format).Read(path, source);
                     o.error = format.ErrorString();
                     o.untouched = !source;
                     return o;
                 }};
    if (kind == ContactFormat::Kind::Csv) // inside the first quoted value
        c.cuts = [](const QByteArray& b) { return std::vector<qsizetype>{b.indexOf('"') + 3}; };
    return c;
}

FormatCase Stock()
{
    static const StockPapers papers;
    return {"gLabels stock", QStringLiteral("stock/avery-us-templates.xml"),
            [] { return std::make_unique<StockFileFormat>(papers); },
            [](FileFormat& format, const QString& path) {
                std::vector<StockEntry> entries(1);
                Outcome o;
                o.read = static_cast<StockFileFormat&>(format).Read(path, entries);
                o.error = format.ErrorString();
                o.untouched = entries.size() == 1;
                return o;
            }};
}

// In an order where each sample is of another format than the one before it (the "other format" case reads
// the next case's sample; CSV text would take RTF as text, so vCards follow it).
const std::vector<FormatCase>& Cases()
{
    static const std::vector<FormatCase> cases = {
        Picture("Windows bitmap", "raster-24.bmp"), Picture("JPEG picture", "raster.jpg"),
        Picture("GIF picture", "raster.gif"),       Picture("PNG picture", "raster.png"),
        Picture("PCX picture", "raster-24.pcx"),    Picture("Windows icon", "raster.ico"),
        Picture("Targa picture", "raster.tga"),     Picture("Windows metafile", "scene.wmf"),
        Picture("enhanced metafile", "scene.emf"),  Picture("SVG drawing", "scene.svg"),
        Rtf(),
        Contacts(ContactFormat::Kind::Csv, "spreadsheet-utf8.csv"),
        Contacts(ContactFormat::Kind::VCard, "address-book.vcf"),
        Stock(),
    };
    return cases;
}

class FormatContract : public testing::TestWithParam<size_t>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        mFormat = Case().make();
        ASSERT_TRUE(mFormat);
        mSample = qmtest::FileBytes(qmtest::SourceFile(QStringLiteral("tests/data/") + Case().sample));
        ASSERT_FALSE(mSample.isEmpty());
    }
    const FormatCase& Case() const { return Cases()[GetParam()]; }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(mDir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // Refused with a message naming the file, the target untouched.
    void ExpectRefused(const QString& path)
    {
        const Outcome o = Case().read(*mFormat, path);
        EXPECT_FALSE(o.read);
        EXPECT_TRUE(o.error.contains(QFileInfo(path).fileName())) << o.error.toStdString();
        EXPECT_TRUE(o.untouched);
    }

    QTemporaryDir mDir;
    std::unique_ptr<FileFormat> mFormat;
    QByteArray mSample;
};

std::string Label(const testing::TestParamInfo<size_t>& info)
{
    std::string label;
    for (const char c : Cases()[info.param].label)
        label += std::isalnum(uchar(c)) ? c : '_';
    return label;
}

} // namespace

TEST_P(FormatContract, ReadsItsSampleKnownByContentAndListedByExtension)
{
    EXPECT_TRUE(mFormat->CanRead(mSample.left(FileFormat::kHeadBytes)));
    // Named otherwise, the sample still reads: formats go by content.
    const Outcome o = Case().read(*mFormat, Write(QStringLiteral("sample.data"), mSample));
    EXPECT_TRUE(o.read) << o.error.toStdString();
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_FALSE(o.untouched);
    const QString extension = QFileInfo(Case().sample).suffix();
    EXPECT_TRUE(mFormat->Masks().contains(QStringLiteral("*.") + extension));
    EXPECT_TRUE(mFormat->NameFilter().contains(QStringLiteral("*.") + extension));
}

TEST_P(FormatContract, FileCutShortIsRefused)
{
    for (const qsizetype cut : Case().cuts(mSample)) {
        SCOPED_TRACE(cut);
        ExpectRefused(Write(QStringLiteral("cut.") + QFileInfo(Case().sample).suffix(), mSample.left(cut)));
    }
}

TEST_P(FormatContract, FileOfAnotherFormatIsRefused)
{
    const FormatCase& next = Cases()[(GetParam() + 1) % Cases().size()];
    const QByteArray other = qmtest::FileBytes(qmtest::SourceFile(QStringLiteral("tests/data/") + next.sample));
    ASSERT_FALSE(other.isEmpty());
    EXPECT_FALSE(mFormat->CanRead(other.left(FileFormat::kHeadBytes)));
    ExpectRefused(Write(QStringLiteral("other.") + QFileInfo(Case().sample).suffix(), other));
}

TEST_P(FormatContract, EmptyFileIsRefused)
{
    const QString path = Write(QStringLiteral("nothing.") + QFileInfo(Case().sample).suffix(), QByteArray());
    ExpectRefused(path);
    const QString error = Case().read(*mFormat, path).error;
    EXPECT_TRUE(error.contains(QStringLiteral("empty"))) << error.toStdString();
}

TEST_P(FormatContract, UnreadableFilesAreRefusedWithoutWaiting)
{
    // A named pipe nobody writes to: opening it would wait for ever.
    const QString pipe = mDir.filePath(QStringLiteral("pipe.") + QFileInfo(Case().sample).suffix());
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ExpectRefused(pipe);
    ExpectRefused(mDir.filePath(QStringLiteral("missing.") + QFileInfo(Case().sample).suffix()));
    if (::geteuid() == 0)
        return; // root reads any file
    const QString locked = Write(QStringLiteral("locked.") + QFileInfo(Case().sample).suffix(), mSample);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    ExpectRefused(locked);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FormatContract, testing::Range(size_t(0), Cases().size()), Label);

// The program's own readers of outside files go through the formats: a picture cut short is refused for clip
// art and background art, and a pipe chosen as merge data is refused without waiting for it.
TEST(OutsideFiles, PictureAndContactReadersFollowTheFormats)
{
    QTemporaryDir dir;
    const QByteArray png = qmtest::FileBytes(qmtest::SourceFile(QStringLiteral("tests/data/pictures/raster.png")));
    ASSERT_FALSE(png.isEmpty());
    const QString cut = dir.filePath(QStringLiteral("cut.png"));
    {
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(png.left(png.size() * 2 / 3));
    }
    QString error;
    EXPECT_TRUE(ReadPictureFile(cut, &error).IsNull());
    EXPECT_TRUE(error.contains(QStringLiteral("cut short"))) << error.toStdString();

    const QString pipe = dir.filePath(QStringLiteral("people.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    error.clear();
    EXPECT_FALSE(OpenContactFile(pipe, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("people.csv"))) << error.toStdString();

    // The dialogs list every format with its extensions.
    const QString filters = DialogFilters(QStringLiteral("Names and addresses"), ContactFormats());
    EXPECT_TRUE(filters.startsWith(QStringLiteral("Names and addresses (*.csv *.txt *.vcf *.vcard);;")))
        << filters.toStdString();
    EXPECT_TRUE(filters.endsWith(QStringLiteral(";;All files (*)")));
    EXPECT_EQ(AllMasks(PictureFormats()).size(), 14);
    EXPECT_FALSE(AllMasks(BitmapFormats()).contains(QStringLiteral("*.wmf")));
}

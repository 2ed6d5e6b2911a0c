// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for merge data: CSV and vCard files as spreadsheets and address books write them, their limits and
// refusals, matching columns to the personal fields, and the vCard we write.
#include "contacts/datasource.h"
#include "contacts/fieldmapping.h"
#include "contacts/vcard.h"

#include "testutil.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <thread>

using namespace qm;

namespace {

QString DataFile(const char* name)
{
    return qmtest::SourceFile(QStringLiteral("tests/data/merge/") + QLatin1String(name));
}

// Every record of a source, each as field name -> value.
std::vector<QStringList> ReadAll(DataSource& source)
{
    std::vector<QStringList> records;
    QStringList values;
    while (source.Next(values)) {
        EXPECT_EQ(values.size(), source.FieldNames().size());
        records.push_back(values);
    }
    return records;
}

QString Field(const DataSource& source, const QStringList& values, const char* name)
{
    const qsizetype i = source.FieldNames().indexOf(QLatin1String(name));
    EXPECT_GE(i, 0) << name;
    return values.value(i);
}

// The most memory the process has held, in kilobytes. Under the address sanitizer freed blocks wait in a
// quarantine, so the peak says nothing of what the reader holds and bounds on it are not checked.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPeakMeasuresUse = false;
#else
constexpr bool kPeakMeasuresUse = true;
#endif

long PeakKilobytes()
{
    if (!kPeakMeasuresUse)
        return 0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST(MergeData, AddressBookVCardsOfThreeVersions)
{
    QString error;
    auto source = OpenDataSource(DataFile("address-book.vcf"), &error);
    ASSERT_TRUE(source) << qPrintable(error);
    EXPECT_EQ(source->Kind(), QStringLiteral("vCard"));
    const auto cards = ReadAll(*source);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_TRUE(source->Error().isEmpty());

    // 3.0 folded in the middle of words and of a UTF-8 character, grouped properties, escapes, a photo.
    const QStringList& zoe = cards[0];
    EXPECT_EQ(zoe.mid(0, 10),
              QStringList({"Dr. Zoë Müller", "Brot; Butter & Co", "Head Baker", "Hauptstraße 5", "Hinterhaus",
                           "Berlin 10115", "+49 30 555 0100", "+49 171 555 0101", "zoe@example.de",
                           "+49 30 555 0199"}));
    EXPECT_EQ(Field(*source, zoe, "First name"), "Zoë");
    EXPECT_EQ(Field(*source, zoe, "Last name"), "Müller");
    EXPECT_EQ(Field(*source, zoe, "Department"), "Backstube");
    EXPECT_EQ(Field(*source, zoe, "Mobile"), "+49 171 555 0101");
    EXPECT_EQ(Field(*source, zoe, "Web"), "https://brot.example");
    EXPECT_EQ(Field(*source, zoe, "Note"), "Allergic to nuts, not to gluten.\nCall before noon.");

    // A home address of three lines keeps the country only when there is room; one number only.
    EXPECT_EQ(cards[1].mid(0, 10), QStringList({"Ann O'Neil", "Acme, Inc.", "", "1 Main St", "Springfield, IL 62704",
                                                "USA", "555-0100", "", "", ""}));
    // 4.0: quoted type lists, numbers as tel: addresses, a department.
    EXPECT_EQ(cards[2].mid(0, 10), QStringList({"田中 博", "Example KK", "", "", "", "", "+81-3-5555-0100",
                                                "+81-90-5555-0101", "hiro@example.jp", ""}));
}

TEST(MergeData, MailProgramVCardInQuotedPrintableWindows1252)
{
    QString error;
    auto source = OpenDataSource(DataFile("mail-program.vcf"), &error);
    ASSERT_TRUE(source) << qPrintable(error);
    const auto cards = ReadAll(*source);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].mid(0, 10),
              QStringList({"René François", "Café Société Générale de Boulangerie et Pâtisserie Fine",
                           "Directeur général", "12 rue de l'Église", "Boîte 4", "Paris 75001",
                           "+33 1 55 55 01 00", "+33 6 55 55 01 01", "rene@example.fr", "+33 1 55 55 01 99"}));

    // The personal information dialog's import takes the same fields.
    QStringList personal;
    ASSERT_TRUE(ReadPersonalVCard(DataFile("mail-program.vcf"), personal, &error));
    EXPECT_EQ(personal, cards[0].mid(0, 10));
    EXPECT_FALSE(ReadPersonalVCard(DataFile("spreadsheet-utf8.csv"), personal, &error));
    EXPECT_EQ(error, QStringLiteral("The file holds no vCard."));

    // An escape at the very end of a value is decoded like any other.
    source = DataSourceFromBytes("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Al\r\n"
                                 "ORG;CHARSET=windows-1252;ENCODING=QUOTED-PRINTABLE:Caf=E9\r\nEND:VCARD\r\n",
                                 &error);
    ASSERT_TRUE(source) << qPrintable(error);
    const auto ending = ReadAll(*source);
    ASSERT_EQ(ending.size(), 1u);
    EXPECT_EQ(ending[0][1], QStringLiteral("Café"));
}

TEST(MergeData, SpreadsheetCsvFiles)
{
    // Semicolons, a byte-order mark, CR LF, quoted separators, quotes and line breaks, a blank and a short row.
    QString error;
    auto source = OpenDataSource(DataFile("spreadsheet-utf8.csv"), &error);
    ASSERT_TRUE(source) << qPrintable(error);
    EXPECT_EQ(source->Kind(), QStringLiteral("CSV"));
    EXPECT_EQ(source->FieldNames(), QStringList({"Full Name", "Organization", "Job Title", "Street",
                                                 "E-mail Address", "Mobile", "Note"}));
    auto rows = ReadAll(*source);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QStringList({"Zoë Müller", "Brot; Butter & Co", "Head \"Baker\"", "Hauptstraße 5\nHinterhaus",
                                    "zoe@example.de", "+49 171 555 0101", "Café, 3€"}));
    EXPECT_EQ(rows[1], QStringList({"Ann O'Neil", "Acme, Inc.", "", "1 Main St", "ann@acme.example", "", ""}));
    EXPECT_EQ(rows[2], QStringList({"Bob", "", "", "", "", "", ""}));
    EXPECT_TRUE(source->Notes().isEmpty());

    // Commas in Windows-1252.
    source = OpenDataSource(DataFile("spreadsheet-1252.csv"), &error);
    ASSERT_TRUE(source) << qPrintable(error);
    rows = ReadAll(*source);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], QStringList({"René François", "Café Société", "Directeur", "+33 1 55 55 01 00",
                                    "+33 1 55 55 01 99", "Says \"bonjour\", € 5"}));

    // Tabs, bare CR line ends, extra values left out with a note, a line break inside quotes.
    source = DataSourceFromBytes("Name\tPhone\rAl\t1\t2\t3\rBo\t\"5\n6\"", &error);
    ASSERT_TRUE(source);
    rows = ReadAll(*source);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], QStringList({"Al", "1"}));
    EXPECT_EQ(rows[1], QStringList({"Bo", "5\n6"}));
    EXPECT_EQ(source->Notes().size(), 1);

    // A spreadsheet's "Unicode Text": UTF-16 with its byte-order mark, little- or big-endian, tab-separated.
    const QString unicodeText = QStringLiteral("Name\tCompany\r\nZoë Ångström\tCafé 😀\r\nBo\tB\r\n");
    for (const bool big : {false, true}) {
        QByteArray bytes = big ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
        for (const QChar c : unicodeText) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            bytes += big ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
        }
        source = DataSourceFromBytes(bytes, &error);
        ASSERT_TRUE(source) << qPrintable(error);
        EXPECT_EQ(source->FieldNames(), QStringList({"Name", "Company"}));
        rows = ReadAll(*source);
        ASSERT_EQ(rows.size(), 2u) << big;
        EXPECT_EQ(rows[0], QStringList({QStringLiteral("Zoë Ångström"), QStringLiteral("Café 😀")})) << big;
        EXPECT_EQ(rows[1], QStringList({"Bo", "B"})) << big;
    }
}

// A quote left open at the end would run every later row into one value: the file is refused before any
// record is given, naming the line the quote began on (quotes closed in values over several lines, doubled
// quotes and quotes inside a value do not count).
TEST(MergeData, AQuoteLeftOpenIsRefusedNamingItsLine)
{
    QString error;
    const QByteArray good = "Name,Note\r\n\"Al\",\"two\r\nlines\"\r\nBo,\"say \"\"hi\"\"\"\r\nCy,5\" tall\r\n";
    auto source = DataSourceFromBytes(good, &error);
    ASSERT_TRUE(source) << qPrintable(error);
    EXPECT_EQ(ReadAll(*source).size(), 3u);
    EXPECT_TRUE(source->Error().isEmpty());

    source = DataSourceFromBytes(good + "Di,\"never closed\r\nEd,1\r\n", &error);
    EXPECT_FALSE(source);
    EXPECT_TRUE(error.contains(QLatin1String("line 6"))) << qPrintable(error);
    source = DataSourceFromBytes("Name\rAl\r\"Bo\n\nCy", &error);
    EXPECT_FALSE(source);
    EXPECT_TRUE(error.contains(QLatin1String("line 3"))) << qPrintable(error);

    // Through a pipe, which cannot be read twice, the reader stops at the end with the same words.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("people.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread writer([&] {
        QFile f(fifo);
        if (f.open(QIODevice::WriteOnly))
            f.write(good + "Di,\"never closed\r\nEd,1\r\n");
    });
    source = OpenDataSource(fifo, &error);
    ASSERT_TRUE(source) << qPrintable(error);
    EXPECT_EQ(ReadAll(*source).size(), 3u);
    EXPECT_TRUE(source->Error().contains(QLatin1String("line 6"))) << qPrintable(source->Error());
    writer.join();
}

TEST(MergeData, BadInputIsRefusedOrCutWithAMessage)
{
    QString error;
    EXPECT_FALSE(DataSourceFromBytes(QByteArray(), &error));
    EXPECT_EQ(error, QStringLiteral("The file is empty."));
    EXPECT_FALSE(DataSourceFromBytes("\xEF\xBB\xBF", &error));
    EXPECT_EQ(error, QStringLiteral("The file is empty."));
    EXPECT_FALSE(DataSourceFromBytes(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("binary"))) << qPrintable(error);
    EXPECT_FALSE(DataSourceFromBytes("\r\n\r\n", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no field names"))) << qPrintable(error);
    EXPECT_FALSE(OpenDataSource(QStringLiteral("/nonexistent/people.csv"), &error));
    EXPECT_FALSE(OpenDataSource(QDir::tempPath(), &error));

    // A 10 MB field (one quoted, one plain) is cut at the limit and said so, and memory stays flat: the file
    // is read through, never held; a quote left open at its end is found the same way.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Name,Note\nAl,");
        const QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < 10; ++i)
            f.write(block);
        f.write("\nBo,short\nCy,\"");
        for (int i = 0; i < 10; ++i)
            f.write(block);
        f.write("\"");
    }
    const long before = PeakKilobytes();
    auto source = OpenDataSource(path, &error);
    ASSERT_TRUE(source);
    const auto rows = ReadAll(*source);
    EXPECT_LT(PeakKilobytes() - before, 8 * 1024);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1].size(), DataSource::kMaxFieldBytes);
    EXPECT_EQ(rows[1], QStringList({"Bo", "short"}));
    EXPECT_EQ(rows[2][1].size(), DataSource::kMaxFieldBytes);
    ASSERT_GE(source->Notes().size(), 2);
    EXPECT_TRUE(source->Notes()[0].startsWith(QStringLiteral("Record 1 is too long"))) << qPrintable(source->Notes()[0]);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\nDi,\"");
        f.write(QByteArray(1024 * 1024, 'x'));
    }
    EXPECT_FALSE(OpenDataSource(path, &error));
    EXPECT_TRUE(error.contains(QLatin1String("line 5"))) << qPrintable(error);
    EXPECT_LT(PeakKilobytes() - before, 8 * 1024);

    // A vCard with a 10 MB folded photo and a value past the limit.
    QByteArray vcf = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Al\r\nPHOTO;ENCODING=b:";
    for (int i = 0; i < 140000; ++i)
        vcf += "QUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFB\r\n ";
    vcf += "\r\nNOTE:" + QByteArray(200000, 'n') + "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Bo\r\n";
    source = DataSourceFromBytes(vcf, &error);
    ASSERT_TRUE(source);
    const auto cards = ReadAll(*source);
    ASSERT_EQ(cards.size(), 2u); // the second lacks its end and is taken as far as it goes
    EXPECT_EQ(cards[0][0], "Al");
    EXPECT_EQ(Field(*source, cards[0], "Note").size(), DataSource::kMaxFieldBytes);
    EXPECT_EQ(cards[1][0], "Bo");
    EXPECT_EQ(source->Notes().size(), 1);
}

TEST(MergeData, ColumnsMatchThePersonalFieldsByName)
{
    const QStringList columns = {"E-mail Address", "Full name", "ORGANISATION", "job_title", "Street",
                                 "City",           "Telephone", "Mobile Phone", "Fax number", "Notes"};
    const FieldMapping mapping = FieldMapping::Match(columns);
    const int expected[kMergePersonalCount] = {1, 2, 3, 4, 5, -1, 6, 7, 0, 8};
    for (int field = 0; field < kMergePersonalCount; ++field)
        EXPECT_EQ(mapping.Column(field), expected[field]) << kMergePersonalNames[field];

    // The field's own name wins over another name for it; a column feeds one field only.
    const FieldMapping own = FieldMapping::Match({"Phone", "Phone 2", "Mobile", "Name", "Full Name"});
    EXPECT_EQ(own.Column(6), 0);
    EXPECT_EQ(own.Column(7), 1);
    EXPECT_EQ(own.Column(0), 3);
    EXPECT_FALSE(FieldMapping::Match({"Colour", "Size"}).MatchesAny());

    // A vCard's fields match themselves.
    const FieldMapping cards = FieldMapping::Match(VCardFieldNames());
    for (int field = 0; field < kMergePersonalCount; ++field)
        EXPECT_EQ(cards.Column(field), field);

    // The record for a card: fields by mapping (empty when unmapped), then every column by its own name.
    MergeRecord record;
    mapping.Fill(record, columns, {"a@b.c", "Al"});
    EXPECT_EQ(record.Value(u"name"), "Al");
    EXPECT_EQ(record.Value(u"EMail"), "a@b.c");
    EXPECT_EQ(record.Value(u"Full name"), "Al");
    EXPECT_EQ(record.Value(u"Address3"), "");
    EXPECT_EQ(record.Value(u"notes"), "");
}

TEST(MergeData, PersonalInformationWrittenAsVCardReadsBack)
{
    const QStringList personal = {"Zoë van der Berg-Müller", "Brot, Butter; & Co\\", "Chief Executive Officer of Everything Baked Since 1898 — Ünïcödé",
                                  "Hauptstraße 5", "", "10115 Berlin", "+49 30 555 0100", "+49 171 555 0101",
                                  "zoe@example.de", "+49 30 555 0199"};
    const QByteArray vcard = PersonalVCard(personal);
    EXPECT_TRUE(vcard.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Berg-Müller;Zoë van der;;;\r\n"));
    EXPECT_TRUE(vcard.contains("\r\nORG:Brot\\, Butter\\; & Co\\\\\r\n"));
    EXPECT_TRUE(vcard.contains("\r\nADR;TYPE=WORK:;;Hauptstraße 5\\n10115 Berlin;;;;\r\n"));
    EXPECT_TRUE(vcard.endsWith("END:VCARD\r\n"));
    // Every line within 75 bytes, each a whole UTF-8 text.
    for (const QByteArray& line : vcard.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.constData();
        EXPECT_TRUE(IsValidUtf8(line)) << line.constData();
    }
    QString error;
    auto source = DataSourceFromBytes(vcard, &error);
    ASSERT_TRUE(source);
    QStringList values;
    ASSERT_TRUE(source->Next(values));
    QStringList back = personal;
    back[4] = "10115 Berlin"; // the empty line closes up
    back[5] = "";
    EXPECT_EQ(values.mid(0, 10), back);

    // Nothing but a name: N and FN are there all the same.
    EXPECT_EQ(PersonalVCard({}), QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nEND:VCARD\r\n"));
}

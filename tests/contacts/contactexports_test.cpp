// SPDX-License-Identifier: GPL-3.0-or-later
// Contact files as people export them (Outlook, Thunderbird, Google Contacts, German, French and Spanish
// spreadsheets): every person's ten personal fields as the card shows them, column matching by name.
#include "contacts/columnnames.h"
#include "contacts/datasource.h"
#include "contacts/fieldmapping.h"

#include "testutil.h"
#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace qm;

namespace {

// Name, Company, Title, Address1, Address2, Address3, Phone1, Phone2, EMail, Fax.
using TCard = std::array<const char*, kMergePersonalCount>;

// Reads a file of tests/data/merge as merge printing does and checks every person's fields.
void ExpectCards(const char* file, const std::vector<TCard>& expected)
{
    SCOPED_TRACE(file);
    QString error;
    const auto source =
        OpenDataSource(qmtest::SourceFile(QStringLiteral("tests/data/merge/") + QLatin1String(file)), &error);
    ASSERT_TRUE(source) << qPrintable(error);
    const FieldMapping mapping = FieldMapping::Match(source->FieldNames());
    QStringList values;
    MergeRecord record;
    size_t person = 0;
    while (source->Next(values)) {
        ASSERT_LT(person, expected.size());
        mapping.Fill(record, source->FieldNames(), values);
        for (int field = 0; field < kMergePersonalCount; ++field) {
            EXPECT_EQ(record.Value(QString::fromLatin1(kMergePersonalNames[field])),
                      QString::fromUtf8(expected[person][size_t(field)]))
                << "person " << person + 1 << ", {" << kMergePersonalNames[field] << "}";
        }
        ++person;
    }
    EXPECT_TRUE(source->Error().isEmpty()) << qPrintable(source->Error());
    EXPECT_EQ(person, expected.size());
}

} // namespace

// Outlook's own layout (every value quoted, Windows-1252): the name from first, middle and last name without
// "Mr." (its Title) or "Jr."; the job from "Job Title"; the business address, phone and fax before the home
// ones and before "Company Main Phone" or "Primary Phone"; the e-mail address, not its display name. Blank
// address lines are left out: the town's line and the country move up.
TEST(ContactExports, OutlookPeopleLandWhole)
{
    ExpectCards("outlook-contacts.csv",
                {
                    {"Samuel J. Okafor", "Harbor Freight Lines", "Dispatch Manager", "1200 Wharf Road",
                     "Baltimore, MD 21230", "United States of America", "+1 410 555 0142", "+1 443 555 0178",
                     "sam.okafor@harborfreight.example", "+1 410 555 0199"},
                    {"Inés Núñez García", "Núñez & Hijos, S.L.", "Directora Comercial", "Calle de Alcalá 42",
                     "Planta 3", "Madrid 28014", "+34 91 555 0123", "", "ines@nunezhijos.example", ""},
                    {"Priya Raman", "Raman Dental Care", "Dentist", "88 Lake Shore Drive", "Chicago, IL 60611", "",
                     "(312) 555-0164", "(312) 555-0190", "dr.raman@ramandental.example", "(312) 555-0166"},
                    {"Tom Becker", "Becker Carpentry", "Owner", "", "", "", "", "07700 900456",
                     "tom@beckercarpentry.example", ""},
                });
}

// Thunderbird's layout (a separator at the end of every line): the display name, else first and last name
// for a person without one; "Primary Email", "Work Phone", "Mobile Number", "Fax Number".
TEST(ContactExports, ThunderbirdPeopleLandWhole)
{
    ExpectCards("thunderbird-contacts.csv",
                {
                    {"Mei Tanaka", "Kumo Systems", "Cloud Architect", "2-1 Marunouchi", "Tower B", "Tokyo 100-0005",
                     "+81 3 5550 1234", "+81 90 5550 7788", "mei.tanaka@kumo.example", "+81 3 5550 1299"},
                    {"Lars Eriksson", "Fjord Boats AS", "Boat Builder", "", "", "", "+47 22 55 50 10",
                     "+47 912 55 501", "lars@fjordboats.example", ""},
                    {"Beatrix Quell", "", "", "", "", "", "", "", "beatrix.quell@mail.example", ""},
                    {"Dr. Amara Osei", "Korle Bu Clinic", "Paediatrician", "", "", "", "+233 30 555 0400", "",
                     "amara.osei@clinic.example", ""},
                });
}

// Google's older layout (UTF-16): "Organization 1 - Name" and "- Title" (not "Occupation"), the "- Value"
// columns (not "- Type"), the first of several values in one column, the parts of a blank "Name".
TEST(ContactExports, GoogleOlderLayoutPeopleLandWhole)
{
    ExpectCards("google-contacts-older.csv",
                {
                    {"Olivia Hart", "Hart & Co Solicitors", "Senior Partner", "10 Fleet Street", "London EC4Y 1AA",
                     "United Kingdom", "+44 20 7946 0321", "+44 7700 900123", "olivia@hartlaw.example", ""},
                    {"Diego Alejandro Ruiz", "Ruiz Imports", "Buyer", "Av. Reforma 222",
                     "Ciudad de México, CDMX 06600", "Mexico", "+52 55 5555 0142", "",
                     "diego@ruizimports.example", ""},
                    {"Hannah Schulz", "Elbe Design", "Art Director", "", "", "", "+49 40 5555 0110", "",
                     "h.schulz@elbe-design.example", ""},
                });
}

// Google's present layout: "Organization Name" and "Organization Title", first, middle and last name.
TEST(ContactExports, GooglePeopleLandWhole)
{
    ExpectCards("google-contacts.csv",
                {
                    {"Kwame Mensah", "Accra Solar Ltd", "Chief Engineer", "12 Ring Road", "Accra", "Ghana",
                     "+233 30 555 0101", "+233 24 555 0199", "kwame@accrasolar.example", ""},
                    {"Sofia Maria Lindqvist", "Nord Paper AB", "Purchasing Lead", "Sveavägen 9", "Stockholm 111 57",
                     "Sweden", "+46 8 555 010 20", "+46 70 555 01 22", "sofia@nordpaper.example", ""},
                });
}

// Spreadsheets named in German (";", Windows-1252: "Name" beside "Vorname" is the family name), French
// (";", UTF-8 with its mark: "Nom" is the family name) and Spanish; the postcode before the town.
TEST(ContactExports, GermanFrenchAndSpanishSpreadsheetsLandWhole)
{
    ExpectCards("kontakte-de.csv",
                {
                    {"Jürgen Weiß", "Bäckerei Weiß GmbH", "Geschäftsführer", "Hauptstraße 5", "10115 Berlin", "",
                     "030 5550100", "0171 5550101", "juergen@baeckerei-weiss.example", "030 5550199"},
                    {"Anke Möller", "Möller & Söhne KG", "Prokuristin", "Am Markt 3", "20095 Hamburg", "",
                     "040 5550200", "", "a.moeller@moeller-soehne.example", ""},
                });
    ExpectCards("contacts-fr.csv",
                {
                    {"Élodie Lefèvre", "Société Générale d'Édition", "Directrice artistique", "12 rue de Rivoli",
                     "75001 Paris", "", "01 55 50 01 23", "06 55 50 01 24", "elodie@sge.example", ""},
                    {"François Dubois", "Dubois Frères", "Gérant", "4 quai Saint-Antoine", "69002 Lyon", "",
                     "04 55 50 02 10", "", "francois@duboisfreres.example", ""},
                });
    ExpectCards("contactos-es.csv",
                {
                    {"José Luis Fernández Ruiz", "Construcciones Iberia, S.A.", "Jefe de obra", "Calle Mayor 10",
                     "28013 Madrid", "", "+34 91 555 0100", "+34 600 555 010",
                     "jlfernandez@iberia-construcciones.example", ""},
                    {"Lucía Martín", "Estudio Martín", "Arquitecta", "Sevilla", "", "", "", "",
                     "lucia@estudiomartin.example", ""},
                });
}

TEST(ContactExports, ColumnNamesMatchWithoutCaseAccentsOrPunctuation)
{
    EXPECT_EQ(MatchingKey(QStringLiteral("E-mail 1 - Value")), QStringLiteral("email1value"));
    EXPECT_EQ(MatchingKey(QStringLiteral("TÉLÉPHONE (Bureau)")), QStringLiteral("telephonebureau"));
    EXPECT_EQ(MatchingKey(QStringLiteral("Straße geschäftlich")), QStringLiteral("strassegeschaftlich"));
    EXPECT_EQ(MatchingKey(QStringLiteral("Correo electrónico")), QStringLiteral("correoelectronico"));

    // Outlook's German, French and Spanish exports, and the plain title only when there is no job.
    const QStringList outlookDe = {"Anrede", "Vorname", "Weitere Vornamen", "Nachname", "Firma", "Position",
                                   "Straße geschäftlich", "Ort geschäftlich", "Postleitzahl geschäftlich",
                                   "Land/Region geschäftlich", "Fax geschäftlich", "Telefon geschäftlich",
                                   "Mobiltelefon", "E-Mail-Adresse", "E-Mail: Angezeigter Name"};
    const FieldMapping de = FieldMapping::Match(outlookDe);
    const QStringList values = {"Herr", "Jan", "", "Berg", "Berg AG", "Leiter", "Ring 1", "Köln", "50667",
                                "Deutschland", "0221 1", "0221 2", "0170 3", "jan@berg.example", "Jan Berg (jan@)"};
    const char* const expectedDe[kMergePersonalCount] = {
        "Jan Berg", "Berg AG", "Leiter", "Ring 1", "50667 Köln", "Deutschland", "0221 2", "0170 3",
        "jan@berg.example", "0221 1"};
    for (int field = 0; field < kMergePersonalCount; ++field)
        EXPECT_EQ(de.Value(field, values), QString::fromUtf8(expectedDe[field])) << kMergePersonalNames[field];

    const FieldMapping fr = FieldMapping::Match({"Titre", "Prénom", "Nom", "Société ", "Fonction",
                                                   "Téléphone (bureau)", "Tél. mobile", "Adresse de messagerie",
                                                   "Télécopie (bureau)"});
    const int expectedFr[kMergePersonalCount] = {-1, 3, 4, -1, -1, -1, 5, 6, 7, 8};
    for (int field = 0; field < kMergePersonalCount; ++field)
        EXPECT_EQ(fr.Column(field), expectedFr[field]) << kMergePersonalNames[field];
    EXPECT_EQ(fr.Value(kMergeName, {"M.", "Luc", "Roy"}), QStringLiteral("Luc Roy"));
    EXPECT_EQ(FieldMapping::Match({"Title", "Name"}).Column(kMergeTitle), 0);
    EXPECT_EQ(FieldMapping::Match({"Titulo", "Puesto"}).Column(kMergeTitle), 1);

    // A single "Nombre" or "Nom" is the whole name; "Name" beside a family name stays the whole name.
    EXPECT_EQ(FieldMapping::Match({"Nombre", "Empresa"}).Column(kMergeName), 0);
    EXPECT_EQ(FieldMapping::Match({"Nom", "Société"}).Column(kMergeName), 0);
    const FieldMapping named = FieldMapping::Match({"Name", "Given Name", "Family Name"});
    EXPECT_EQ(named.Column(kMergeName), 0);
    EXPECT_EQ(named.Source(kMergeName).Describe({"Name", "Given Name", "Family Name"}),
              QStringLiteral("Name, if blank Given Name + Family Name"));
    EXPECT_EQ(named.Value(kMergeName, {" ", "Ada", "Lovelace"}), QStringLiteral("Ada Lovelace"));
    EXPECT_EQ(named.Value(kMergeName, {"Countess Lovelace", "Ada", "King"}), QStringLiteral("Countess Lovelace"));
}

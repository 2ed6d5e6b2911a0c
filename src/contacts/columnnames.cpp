// SPDX-License-Identifier: GPL-3.0-or-later
// The column names of contact files: the usual names of spreadsheets (English, German, French, Spanish) and
// the headers that Outlook, Thunderbird and Google Contacts write when they export contacts as CSV.
#include "contacts/columnnames.h"

#include <QHash>

namespace qm {

namespace {

constexpr int kFamilyBesideGiven = ColumnName::kFamilyBesideGiven;

struct KnownColumn
{
    const char* key; // as MatchingKey makes it
    int role;
    int flags;
};

// Best first within each role: the field's own name, then the common names, then the exports' names
// (a business card wants the work address and phone before the home ones). Outlook's "Title" is Mr. or
// Ms.: its job is "Job Title", so a plain title comes last. Names left out on purpose: Outlook's "E-mail
// Display Name" and "E-mail Type", Google's "... - Type" and "... - Label" columns, honorifics ("Anrede",
// "Name Prefix") and Google's "Address 1 - Formatted" (the whole address in one value).
const KnownColumn kKnownColumns[] = {
    // {Name}: a full name.
    {"name", kMergeName, kFamilyBesideGiven},
    {"fullname", kMergeName, 0},
    {"displayname", kMergeName, 0},
    {"contactname", kMergeName, 0},
    {"contact", kMergeName, 0},
    {"person", kMergeName, 0},
    {"fn", kMergeName, 0},
    {"vollstandigername", kMergeName, 0},
    {"nomcomplet", kMergeName, 0},
    {"nombrecompleto", kMergeName, 0},
    {"nombreyapellidos", kMergeName, 0},
    // Parts of a name: "First Name" (Outlook, Thunderbird, Google), "Given Name" (Google's older layout).
    {"firstname", kRoleGivenName, 0},
    {"givenname", kRoleGivenName, 0},
    {"forename", kRoleGivenName, 0},
    {"first", kRoleGivenName, 0},
    {"vorname", kRoleGivenName, 0},
    {"prenom", kRoleGivenName, 0},
    {"nombre", kRoleGivenName, 0}, // Spanish "Nombre" beside "Apellidos"; alone it is the whole name
    {"middlename", kRoleMiddleName, 0},
    {"additionalname", kRoleMiddleName, 0},
    {"middle", kRoleMiddleName, 0},
    {"weiterevornamen", kRoleMiddleName, 0},
    {"deuxiemeprenom", kRoleMiddleName, 0},
    {"segundonombre", kRoleMiddleName, 0},
    {"lastname", kRoleFamilyName, 0},
    {"familyname", kRoleFamilyName, 0},
    {"surname", kRoleFamilyName, 0},
    {"last", kRoleFamilyName, 0},
    {"nachname", kRoleFamilyName, 0},
    {"familienname", kRoleFamilyName, 0},
    {"nom", kRoleFamilyName, 0}, // French "Nom" beside "Prénom"
    {"nomdefamille", kRoleFamilyName, 0},
    {"apellidos", kRoleFamilyName, 0},
    {"apellido", kRoleFamilyName, 0},
    {"primerapellido", kRoleFamilyName, 0},
    {"segundoapellido", kRoleSecondFamilyName, 0},

    // {Company}
    {"company", kMergeCompany, 0},
    {"companyname", kMergeCompany, 0},
    {"organization", kMergeCompany, 0},
    {"organisation", kMergeCompany, 0},
    {"organizationname", kMergeCompany, 0},
    {"organization1name", kMergeCompany, 0},
    {"org", kMergeCompany, 0},
    {"business", kMergeCompany, 0},
    {"firm", kMergeCompany, 0},
    {"employer", kMergeCompany, 0},
    {"firma", kMergeCompany, 0},
    {"unternehmen", kMergeCompany, 0},
    {"firmenname", kMergeCompany, 0},
    {"societe", kMergeCompany, 0},
    {"entreprise", kMergeCompany, 0},
    {"raisonsociale", kMergeCompany, 0},
    {"empresa", kMergeCompany, 0},
    {"compania", kMergeCompany, 0},
    {"organizacion", kMergeCompany, 0},

    // {Title}: the job.
    {"jobtitle", kMergeTitle, 0},
    {"organizationtitle", kMergeTitle, 0},
    {"organization1title", kMergeTitle, 0},
    {"position", kMergeTitle, 0},
    {"role", kMergeTitle, 0},
    {"job", kMergeTitle, 0},
    {"function", kMergeTitle, 0},
    {"occupation", kMergeTitle, 0},
    {"funktion", kMergeTitle, 0},
    {"berufsbezeichnung", kMergeTitle, 0},
    {"beruf", kMergeTitle, 0},
    {"fonction", kMergeTitle, 0},
    {"poste", kMergeTitle, 0},
    {"profession", kMergeTitle, 0},
    {"cargo", kMergeTitle, 0},
    {"puesto", kMergeTitle, 0},
    {"profesion", kMergeTitle, 0},
    {"title", kMergeTitle, 0},
    {"titre", kMergeTitle, 0},
    {"titulo", kMergeTitle, 0},

    // Street lines.
    {"address1", kMergeAddress1, 0},
    {"addressline1", kMergeAddress1, 0},
    {"address", kMergeAddress1, 0},
    {"street", kMergeAddress1, 0},
    {"streetaddress", kMergeAddress1, 0},
    {"street1", kMergeAddress1, 0},
    {"businessstreet", kMergeAddress1, 0},
    {"workaddress", kMergeAddress1, 0},
    {"workstreet", kMergeAddress1, 0},
    {"address1street", kMergeAddress1, 0},
    {"homestreet", kMergeAddress1, 0},
    {"homeaddress", kMergeAddress1, 0},
    {"strasse", kMergeAddress1, 0},
    {"adresse", kMergeAddress1, 0},
    {"anschrift", kMergeAddress1, 0},
    {"strassegeschaftlich", kMergeAddress1, 0},
    {"rue", kMergeAddress1, 0},
    {"ruebureau", kMergeAddress1, 0},
    {"direccion", kMergeAddress1, 0},
    {"calle", kMergeAddress1, 0},
    {"domicilio", kMergeAddress1, 0},
    {"calledeltrabajo", kMergeAddress1, 0},
    {"address2", kMergeAddress2, 0},
    {"addressline2", kMergeAddress2, 0},
    {"street2", kMergeAddress2, 0},
    {"businessstreet2", kMergeAddress2, 0},
    {"workaddress2", kMergeAddress2, 0},
    {"address1extendedaddress", kMergeAddress2, 0},
    {"homestreet2", kMergeAddress2, 0},
    {"homeaddress2", kMergeAddress2, 0},
    {"strassegeschaftlich2", kMergeAddress2, 0},
    {"ruebureau2", kMergeAddress2, 0},
    {"address3", kMergeAddress3, 0},
    {"addressline3", kMergeAddress3, 0},
    {"street3", kMergeAddress3, 0},
    {"businessstreet3", kMergeAddress3, 0},
    {"homestreet3", kMergeAddress3, 0},
    {"strassegeschaftlich3", kMergeAddress3, 0},
    {"ruebureau3", kMergeAddress3, 0},

    // The town's line.
    {"city", kRoleTown, 0},
    {"town", kRoleTown, 0},
    {"locality", kRoleTown, 0},
    {"businesscity", kRoleTown, 0},
    {"workcity", kRoleTown, 0},
    {"address1city", kRoleTown, 0},
    {"homecity", kRoleTown, 0},
    {"ort", kRoleTown, 0},
    {"stadt", kRoleTown, 0},
    {"wohnort", kRoleTown, 0},
    {"ortgeschaftlich", kRoleTown, 0},
    {"ville", kRoleTown, 0},
    {"villebureau", kRoleTown, 0},
    {"ciudad", kRoleTown, 0},
    {"localidad", kRoleTown, 0},
    {"poblacion", kRoleTown, 0},
    {"municipio", kRoleTown, 0},
    {"ciudaddetrabajo", kRoleTown, 0},
    {"state", kRoleRegion, 0},
    {"region", kRoleRegion, 0},
    {"province", kRoleRegion, 0},
    {"county", kRoleRegion, 0},
    {"businessstate", kRoleRegion, 0},
    {"workstate", kRoleRegion, 0},
    {"workcounty", kRoleRegion, 0},
    {"address1region", kRoleRegion, 0},
    {"homestate", kRoleRegion, 0},
    {"homecounty", kRoleRegion, 0},
    {"zip", kRolePostcode, 0},
    {"zipcode", kRolePostcode, 0},
    {"postcode", kRolePostcode, 0},
    {"postalcode", kRolePostcode, 0},
    {"businesspostalcode", kRolePostcode, 0},
    {"workzipcode", kRolePostcode, 0},
    {"workzip", kRolePostcode, 0},
    {"workpostcode", kRolePostcode, 0},
    {"address1postalcode", kRolePostcode, 0},
    {"homepostalcode", kRolePostcode, 0},
    {"homezipcode", kRolePostcode, 0},
    {"homepostcode", kRolePostcode, 0},
    {"plz", kRolePostcodeFirst, 0},
    {"postleitzahl", kRolePostcodeFirst, 0},
    {"postleitzahlgeschaftlich", kRolePostcodeFirst, 0},
    {"codepostal", kRolePostcodeFirst, 0},
    {"codepostalbureau", kRolePostcodeFirst, 0},
    {"cp", kRolePostcodeFirst, 0},
    {"codigopostal", kRolePostcodeFirst, 0},
    {"codigopostaldeltrabajo", kRolePostcodeFirst, 0},
    {"country", kRoleCountry, 0},
    {"countryregion", kRoleCountry, 0},
    {"businesscountryregion", kRoleCountry, 0},
    {"businesscountry", kRoleCountry, 0},
    {"workcountry", kRoleCountry, 0},
    {"address1country", kRoleCountry, 0},
    {"homecountryregion", kRoleCountry, 0},
    {"homecountry", kRoleCountry, 0},
    {"land", kRoleCountry, 0},
    {"landregiongeschaftlich", kRoleCountry, 0},
    {"pays", kRoleCountry, 0},
    {"paysbureau", kRoleCountry, 0},
    {"pais", kRoleCountry, 0},
    {"paisoregiondeltrabajo", kRoleCountry, 0},

    // {Phone1}: the work phone.
    {"phone1", kMergePhone1, 0},
    {"phone", kMergePhone1, 0},
    {"telephone", kMergePhone1, 0}, // also French "Téléphone"
    {"tel", kMergePhone1, 0},
    {"phonenumber", kMergePhone1, 0},
    {"telephonenumber", kMergePhone1, 0},
    {"businessphone", kMergePhone1, 0},
    {"workphone", kMergePhone1, 0},
    {"officephone", kMergePhone1, 0},
    {"phone1value", kMergePhone1, 0},
    {"primaryphone", kMergePhone1, 0},
    {"telefon", kMergePhone1, 0},
    {"telefonnummer", kMergePhone1, 0},
    {"telefongeschaftlich", kMergePhone1, 0},
    {"telephonebureau", kMergePhone1, 0},
    {"telephoneprofessionnel", kMergePhone1, 0},
    {"telefono", kMergePhone1, 0},
    {"telefonofijo", kMergePhone1, 0},
    {"telefonodeltrabajo", kMergePhone1, 0},
    // {Phone2}: the mobile, else a second phone.
    {"phone2", kMergePhone2, 0},
    {"mobile", kMergePhone2, 0}, // also French
    {"mobilephone", kMergePhone2, 0},
    {"cell", kMergePhone2, 0},
    {"cellphone", kMergePhone2, 0},
    {"mobilenumber", kMergePhone2, 0},
    {"cellular", kMergePhone2, 0},
    {"mobil", kMergePhone2, 0},
    {"mobiltelefon", kMergePhone2, 0},
    {"handy", kMergePhone2, 0},
    {"mobilnummer", kMergePhone2, 0},
    {"telefonmobil", kMergePhone2, 0},
    {"portable", kMergePhone2, 0},
    {"telmobile", kMergePhone2, 0},
    {"telephonemobile", kMergePhone2, 0},
    {"telephoneportable", kMergePhone2, 0},
    {"movil", kMergePhone2, 0},
    {"celular", kMergePhone2, 0},
    {"telefonomovil", kMergePhone2, 0},
    {"telefonocelular", kMergePhone2, 0},
    {"phone2value", kMergePhone2, 0},
    {"businessphone2", kMergePhone2, 0},
    {"homephone", kMergePhone2, 0},
    {"otherphone", kMergePhone2, 0},

    // {EMail}
    {"email", kMergeEMail, 0},
    {"emailaddress", kMergeEMail, 0},
    {"mail", kMergeEMail, 0},
    {"email1", kMergeEMail, 0},
    {"email1value", kMergeEMail, 0},
    {"emailaddress1", kMergeEMail, 0},
    {"primaryemail", kMergeEMail, 0},
    {"workemail", kMergeEMail, 0},
    {"businessemail", kMergeEMail, 0},
    {"emailadresse", kMergeEMail, 0},
    {"courriel", kMergeEMail, 0},
    {"adresseemail", kMergeEMail, 0},
    {"adresseelectronique", kMergeEMail, 0},
    {"adressedemessagerie", kMergeEMail, 0},
    {"mel", kMergeEMail, 0},
    {"correo", kMergeEMail, 0},
    {"correoelectronico", kMergeEMail, 0},
    {"direcciondecorreo", kMergeEMail, 0},
    {"direcciondecorreoelectronico", kMergeEMail, 0},

    // {Fax}
    {"fax", kMergeFax, 0},
    {"faxnumber", kMergeFax, 0},
    {"businessfax", kMergeFax, 0},
    {"workfax", kMergeFax, 0},
    {"telefax", kMergeFax, 0},
    {"faxphone", kMergeFax, 0},
    {"faxgeschaftlich", kMergeFax, 0},
    {"telecopie", kMergeFax, 0},
    {"telecopiebureau", kMergeFax, 0},
    {"numerodefax", kMergeFax, 0},
    {"faxdeltrabajo", kMergeFax, 0},
};

} // namespace

QString MatchingKey(const QString& name)
{
    // Accents come off once the letters are taken apart into base letter and marks.
    const QString parts = name.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(parts.size());
    for (const QChar c : parts) {
        if (c == QChar(0x00DF) || c == QChar(0x1E9E))
            key.append(QLatin1String("ss"));
        else if (c.isLetterOrNumber())
            key.append(c.toLower());
    }
    return key;
}

ColumnName LookUpColumnName(const QString& name)
{
    static const QHash<QString, int> ranks = [] {
        QHash<QString, int> table;
        for (int i = 0; i < int(std::size(kKnownColumns)); ++i) {
            Q_ASSERT(!table.contains(QLatin1String(kKnownColumns[i].key)));
            table.insert(QLatin1String(kKnownColumns[i].key), i);
        }
        return table;
    }();
    const int rank = ranks.value(MatchingKey(name), -1);
    if (rank < 0)
        return {};
    return {kKnownColumns[rank].role, rank, kKnownColumns[rank].flags};
}

} // namespace qm

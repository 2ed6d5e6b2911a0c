// SPDX-License-Identifier: GPL-3.0-or-later
// vCards: writing the personal information as a vCard 3.0 and reading .vcf files a card at a time.
#include "contacts/vcard.h"

#include "contacts/contactformats.h"
#include "model/mergerecord.h"
#include "platform/codepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <vector>

namespace qm {

namespace {

// ---- Writing ----

QString Escaped(QString value)
{
    // Control characters have no place in a contact (and a NUL would make the file binary).
    value.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
                                        c != QLatin1Char('\t'); });
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char(','), QLatin1String("\\,"));
    value.replace(QLatin1Char(';'), QLatin1String("\\;"));
    value.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    value.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return value;
}

// One content line, folded so that no line is longer than 75 bytes, never inside a character.
void AppendFolded(QByteArray& out, const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    qsizetype room = 75;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        out.append(bytes.constData() + start, end - start);
        out.append("\r\n ");
        start = end;
        room = 74;
    }
    out.append(bytes.constData() + start, bytes.size() - start);
    out.append("\r\n");
}

} // namespace

QByteArray PersonalVCard(const QStringList& personal)
{
    auto field = [&](int i) { return personal.value(i); };
    QByteArray out;
    AppendFolded(out, QStringLiteral("BEGIN:VCARD"));
    AppendFolded(out, QStringLiteral("VERSION:3.0"));
    // The structured name: the last word is taken as the family name.
    const QString name = field(0).simplified();
    const qsizetype space = name.lastIndexOf(QLatin1Char(' '));
    const QString family = space < 0 ? name : name.mid(space + 1);
    const QString given = space < 0 ? QString() : name.left(space);
    AppendFolded(out, QStringLiteral("N:%1;%2;;;").arg(Escaped(family), Escaped(given)));
    AppendFolded(out, QStringLiteral("FN:") + Escaped(field(0)));
    if (!field(1).isEmpty())
        AppendFolded(out, QStringLiteral("ORG:") + Escaped(field(1)));
    if (!field(2).isEmpty())
        AppendFolded(out, QStringLiteral("TITLE:") + Escaped(field(2)));
    QStringList street;
    for (int i = 3; i < 6; ++i) {
        if (!field(i).isEmpty())
            street.append(Escaped(field(i)));
    }
    if (!street.isEmpty())
        AppendFolded(out, QStringLiteral("ADR;TYPE=WORK:;;%1;;;;").arg(street.join(QLatin1String("\\n"))));
    if (!field(6).isEmpty())
        AppendFolded(out, QStringLiteral("TEL;TYPE=WORK,VOICE:") + Escaped(field(6)));
    if (!field(7).isEmpty())
        AppendFolded(out, QStringLiteral("TEL;TYPE=CELL:") + Escaped(field(7)));
    if (!field(8).isEmpty())
        AppendFolded(out, QStringLiteral("EMAIL;TYPE=INTERNET:") + Escaped(field(8)));
    if (!field(9).isEmpty())
        AppendFolded(out, QStringLiteral("TEL;TYPE=WORK,FAX:") + Escaped(field(9)));
    AppendFolded(out, QStringLiteral("END:VCARD"));
    return out;
}

const QStringList& VCardFieldNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char* name : kMergePersonalNames)
            list.append(QLatin1String(name));
        list << QStringLiteral("First name") << QStringLiteral("Last name") << QStringLiteral("Department")
             << QStringLiteral("Mobile") << QStringLiteral("Web") << QStringLiteral("Note");
        return list;
    }();
    return names;
}

namespace {

// ---- Reading ----

constexpr qsizetype kMaxLine = 256 * 1024; // a content line after unfolding, bytes
constexpr size_t kMaxRepeats = 20;         // addresses, phones and e-mails kept of one card

struct TProperty
{
    QByteArray name;    // upper case, without its group
    QStringList types;  // upper case, from TYPE= and bare parameters
    QByteArray encoding; // upper case
    QByteArray charset;
    QByteArray value;
};

struct Typed
{
    QStringList types;
    QStringList parts;
    bool Has(const char* type) const { return types.contains(QLatin1String(type)); }
};

struct TCard
{
    QString fn, title, role, url, note;
    QStringList n, org;
    std::vector<Typed> addresses, phones, emails;
};

QByteArray Unquoted(QByteArray v)
{
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
        v = v.mid(1, v.size() - 2);
    return v;
}

bool ParseLine(const QByteArray& line, TProperty& p)
{
    // The value starts after the first colon outside double quotes.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return false;
    p.value = line.mid(colon + 1);
    QList<QByteArray> params;
    QByteArray current;
    quoted = false;
    for (qsizetype i = 0; i < colon; ++i) {
        const char c = line[i];
        if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            params.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    params.append(current);
    p.name = params.takeFirst().trimmed().toUpper();
    if (const qsizetype dot = p.name.lastIndexOf('.'); dot >= 0)
        p.name = p.name.mid(dot + 1);
    for (const QByteArray& param : params) {
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = (eq < 0 ? param : param.left(eq)).trimmed().toUpper();
        const QByteArray value = eq < 0 ? QByteArray() : Unquoted(param.mid(eq + 1).trimmed());
        if (eq < 0) {
            if (key == "QUOTED-PRINTABLE" || key == "BASE64" || key == "8BIT")
                p.encoding = key;
            else if (!key.isEmpty())
                p.types.append(QString::fromLatin1(key));
        } else if (key == "TYPE") {
            for (const QByteArray& t : value.split(','))
                p.types.append(QString::fromLatin1(Unquoted(t.trimmed()).toUpper()));
        } else if (key == "ENCODING") {
            p.encoding = value.toUpper();
        } else if (key == "CHARSET") {
            p.charset = value;
        } else if (key == "PREF") {
            p.types.append(QStringLiteral("PREF"));
        }
    }
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray DecodeQuotedPrintable(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && HexValue(in[i + 1]) >= 0 && HexValue(in[i + 2]) >= 0) {
            out.append(char(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2])));
            i += 2;
        } else {
            out.append(in[i]);
        }
    }
    return out;
}

QString DecodeText(const TProperty& p)
{
    const QByteArray bytes = p.encoding == "QUOTED-PRINTABLE" ? DecodeQuotedPrintable(p.value) : p.value;
    const QByteArray charset = p.charset.toLower();
    if (charset == "windows-1252" || charset == "cp1252" || charset == "x-cp1252")
        return FromWindows1252(bytes);
    if (charset == "utf-8" || charset == "utf8")
        return DecodeUndeclared(bytes);
    if (!charset.isEmpty()) {
        QStringDecoder decoder(p.charset.constData());
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return DecodeUndeclared(bytes);
}

// Splits at separators not escaped by a backslash, then takes the escapes out.
QStringList SplitUnescaped(const QString& text, QChar separator)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar e = text[++i];
            if (e == QLatin1Char('n') || e == QLatin1Char('N'))
                current.append(QLatin1Char('\n'));
            else if (e == QLatin1Char('\\') || e == QLatin1Char(',') || e == QLatin1Char(';') ||
                     e == QLatin1Char(':'))
                current.append(e);
            else
                current.append(c).append(e);
        } else if (c == separator) {
            parts.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    parts.append(current);
    return parts;
}

QString Unescaped(const QString& text) { return SplitUnescaped(text, QChar(0)).join(QString()); }

QString Joined(const QStringList& words)
{
    QStringList kept;
    for (const QString& w : words) {
        if (!w.trimmed().isEmpty())
            kept.append(w.trimmed());
    }
    return kept.join(QLatin1Char(' '));
}

// The first entry with the type, else the first preferred one, else the first.
const Typed* Pick(const std::vector<Typed>& list, const char* type)
{
    for (const Typed& t : list) {
        if (t.Has(type))
            return &t;
    }
    for (const Typed& t : list) {
        if (t.Has("PREF"))
            return &t;
    }
    return list.empty() ? nullptr : &list.front();
}

QStringList AddressLines(const Typed& address)
{
    const QStringList& c = address.parts;
    QStringList street;
    for (int i : {0, 1, 2}) {
        for (const QString& line : c.value(i).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                street.append(line.trimmed());
        }
    }
    QString city = c.value(3).trimmed();
    const QString region = c.value(4).trimmed();
    if (!region.isEmpty())
        city = city.isEmpty() ? region : city + QStringLiteral(", ") + region;
    const QString code = c.value(5).trimmed();
    if (!code.isEmpty())
        city = city.isEmpty() ? code : city + QLatin1Char(' ') + code;
    QStringList lines = street;
    if (!city.isEmpty())
        lines.append(city);
    const QString country = c.value(6).trimmed();
    if (!country.isEmpty() && lines.size() < 3)
        lines.append(country);
    while (lines.size() > 3) {
        lines[0] += QStringLiteral(", ") + lines[1];
        lines.removeAt(1);
    }
    return lines;
}

class VCardSource : public DataSource
{
public:
    explicit VCardSource(std::unique_ptr<ByteInput> input) : mIn(std::move(input))
    {
        mNames = VCardFieldNames();
    }

    QString Kind() const override { return QStringLiteral("vCard"); }

    bool Next(QStringList& values) override
    {
        values.clear();
        QByteArray line;
        // Up to the next card.
        for (;;) {
            if (!NextLine(line)) {
                if (mIn->Failed() && mError.isEmpty())
                    mError = QCoreApplication::translate("qm::DataSource",
                                                         "The file could not be read to the end.");
                return false;
            }
            if (IsBegin(line))
                break;
        }
        TCard card;
        int depth = 1;
        while (NextLine(line)) {
            if (IsBegin(line)) {
                ++depth; // a card within the card (an agent) is passed over
                continue;
            }
            if (IsEnd(line) && --depth == 0)
                break;
            if (depth == 1)
                Take(line, card);
        }
        ++mRecords;
        values = Fields(card);
        return true;
    }

private:
    static bool IsBegin(const QByteArray& line)
    {
        return line.trimmed().compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
    }
    static bool IsEnd(const QByteArray& line) { return line.trimmed().compare("END:VCARD", Qt::CaseInsensitive) == 0; }

    // One physical line without its line end; false at the end of the input.
    bool PhysicalLine(QByteArray& line)
    {
        line.clear();
        int c = mIn->Get();
        if (c < 0)
            return false;
        while (c >= 0 && c != '\n') {
            if (c != '\r' && line.size() < kMaxLine)
                line.append(char(c));
            c = mIn->Get();
        }
        return true;
    }

    static bool SoftBreak(const QByteArray& line)
    {
        if (!line.endsWith('='))
            return false;
        const qsizetype colon = line.indexOf(':');
        return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
    }

    // One content line: folded lines joined, and quoted-printable soft line breaks.
    bool NextLine(QByteArray& line)
    {
        if (!mHavePending && !PhysicalLine(mPending))
            return false;
        line = mPending;
        mHavePending = false;
        QByteArray next;
        while (PhysicalLine(next)) {
            if (SoftBreak(line)) {
                line.chop(1);
                if (line.size() < kMaxLine)
                    line.append(next.left(kMaxLine - line.size()));
            } else if (!next.isEmpty() && (next[0] == ' ' || next[0] == '\t')) {
                if (line.size() < kMaxLine)
                    line.append(next.constData() + 1, std::min(next.size() - 1, kMaxLine - line.size()));
            } else {
                mPending = next;
                mHavePending = true;
                break;
            }
        }
        return true;
    }

    QString Text(const TProperty& p)
    {
        QString text = DecodeText(p);
        if (text.size() > kMaxFieldBytes) {
            text.truncate(kMaxFieldBytes);
            AddNote(QCoreApplication::translate("qm::VCardSource", "vCard %L1: a value was cut at %L2 KB.")
                        .arg(mRecords + 1)
                        .arg(kMaxFieldBytes / 1024));
        }
        return text;
    }

    void Take(const QByteArray& line, TCard& card)
    {
        TProperty p;
        if (!ParseLine(line, p) || p.encoding == "B" || p.encoding == "BASE64")
            return;
        const QByteArray& n = p.name;
        auto typed = [&](std::vector<Typed>& list, QStringList parts) {
            if (list.size() < kMaxRepeats)
                list.push_back({p.types, parts});
        };
        if (n == "FN")
            card.fn = Unescaped(Text(p));
        else if (n == "N")
            card.n = SplitUnescaped(Text(p), QLatin1Char(';'));
        else if (n == "ORG")
            card.org = SplitUnescaped(Text(p), QLatin1Char(';'));
        else if (n == "TITLE")
            card.title = Unescaped(Text(p));
        else if (n == "ROLE")
            card.role = Unescaped(Text(p));
        else if (n == "URL" && card.url.isEmpty())
            card.url = Unescaped(Text(p));
        else if (n == "NOTE" && card.note.isEmpty())
            card.note = Unescaped(Text(p));
        else if (n == "ADR")
            typed(card.addresses, SplitUnescaped(Text(p), QLatin1Char(';')));
        else if (n == "EMAIL")
            typed(card.emails, {Unescaped(Text(p)).trimmed()});
        else if (n == "TEL") {
            QString number = Unescaped(Text(p)).trimmed();
            if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            typed(card.phones, {number});
        }
    }

    static QStringList Fields(const TCard& card)
    {
        QStringList f;
        for (int i = 0; i < VCardFieldNames().size(); ++i)
            f.append(QString());
        // N: family; given; additional; prefixes; suffixes.
        const QStringList& n = card.n;
        f[0] = card.fn.trimmed().isEmpty() ? Joined({n.value(3), n.value(1), n.value(2), n.value(0), n.value(4)})
                                           : card.fn.trimmed();
        f[1] = card.org.value(0).trimmed();
        f[2] = (card.title.isEmpty() ? card.role : card.title).trimmed();
        if (const Typed* address = Pick(card.addresses, "WORK")) {
            const QStringList lines = AddressLines(*address);
            for (int i = 0; i < 3; ++i)
                f[3 + i] = lines.value(i);
        }
        const Typed* fax = nullptr;
        const Typed* mobile = nullptr;
        std::vector<const Typed*> voice;
        for (const Typed& t : card.phones) {
            if (t.Has("FAX")) {
                if (!fax)
                    fax = &t;
            } else if (t.Has("CELL") || t.Has("MOBILE")) {
                if (!mobile)
                    mobile = &t;
            } else {
                voice.push_back(&t);
            }
        }
        // Phone 1: a work number, else the first voice number, else the mobile.
        const Typed* phone1 = nullptr;
        for (const Typed* t : voice) {
            if (t->Has("WORK")) {
                phone1 = t;
                break;
            }
        }
        if (!phone1 && !voice.empty())
            phone1 = voice.front();
        const Typed* phone2 = mobile;
        if (!phone1) {
            phone1 = mobile;
            phone2 = nullptr;
        }
        if (!phone2) {
            for (const Typed* t : voice) {
                if (t != phone1) {
                    phone2 = t;
                    break;
                }
            }
        }
        f[6] = phone1 ? phone1->parts.value(0) : QString();
        f[7] = phone2 ? phone2->parts.value(0) : QString();
        if (const Typed* email = Pick(card.emails, "PREF"))
            f[8] = email->parts.value(0);
        f[9] = fax ? fax->parts.value(0) : QString();
        f[10] = n.value(1).trimmed();
        f[11] = n.value(0).trimmed();
        f[12] = card.org.value(1).trimmed();
        f[13] = mobile ? mobile->parts.value(0) : QString();
        f[14] = card.url.trimmed();
        f[15] = card.note;
        return f;
    }

    std::unique_ptr<ByteInput> mIn;
    QByteArray mPending;
    bool mHavePending = false;
};

} // namespace

std::unique_ptr<DataSource> MakeVCardSource(std::unique_ptr<ByteInput> input, QString* /*error*/)
{
    return std::make_unique<VCardSource>(std::move(input));
}

bool ReadPersonalVCard(const QString& path, QStringList& personal, QString* error)
{
    std::unique_ptr<DataSource> source = OpenContactFile(path, error);
    if (!source)
        return false;
    QStringList values;
    if (source->Kind() != QLatin1String("vCard") || !source->Next(values)) {
        if (error)
            *error = source->Error().isEmpty()
                         ? QCoreApplication::translate("qm::VCardSource", "The file holds no vCard.")
                         : source->Error();
        return false;
    }
    personal = values.mid(0, kMergePersonalCount);
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, editing and saving profile (INI) files with the rules Windows applies to them.
#include "profile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace qm {

namespace {

// Profile files are small (a card's layout, a template's few dozen objects, the preferences): a few kilobytes.
// Anything near this size is not one and is refused rather than read; a file of short entries takes some fifty
// times its size in memory, so this also bounds what reading one costs.
constexpr qint64 kMaxFileSize = 2 * 1024 * 1024;

inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\v' || u == '\f';
}

// Only the blanks Windows strips: a no-break space (0xA0 in Windows-1252) belongs to the text.
QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin);
}

QString fold(QStringView name)
{
    return name.toString().toCaseFolded();
}

inline bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Strict UTF-8 check: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        char32_t cp;
        char32_t min;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
            min = 0x10000;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

bool hasHighBytes(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

QString decodeText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return FromWindows1252(bytes);
}

// An integer as Delphi reads one: optional sign, then decimal digits, or hex digits after "$" or "0x".
// Hex covers the full 32 bits ("$FFFFFFFF" is -1); decimal must fit in an int.
bool parseInteger(QStringView s, int* result)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < n && s[i] == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && s[i] == QLatin1Char('0') &&
               (s[i + 1] == QLatin1Char('x') || s[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    const quint64 limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    const unsigned base = hex ? 16 : 10;
    quint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > limit)
            return false;
    }
    quint32 bits = static_cast<quint32>(value);
    if (negative)
        bits = 0u - bits;
    *result = static_cast<int>(bits);
    return true;
}

// The text to put after "=" so that reading it back gives value exactly.
QString encodeValue(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (v.isEmpty())
        return v;
    const bool needsQuotes = isBlank(v.front()) || isBlank(v.back()) ||
                             (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front());
    if (needsQuotes)
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

struct Line
{
    QString text; // exactly as written to the file, without the line end
    QString key;  // entries only: the key as spelled in the file, trimmed
    int equals = -1; // entries only: position of the "=" in text
    // Empty lines in a row are kept as one line that counts them, so a file of nothing but line ends costs
    // no more than its count.
    int emptyRun = 0;

    bool isEntry() const { return equals >= 0; }
    bool isBlankLine() const { return emptyRun > 0 || trimBlanks(text).isEmpty(); }

    QStringView value() const
    {
        QStringView v = trimBlanks(QStringView(text).mid(equals + 1));
        if (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        return v;
    }
};

Line parseLine(QString text)
{
    Line line;
    const QStringView trimmed = trimBlanks(text);
    if (!trimmed.isEmpty() && trimmed.front() != QLatin1Char(';') && trimmed.front() != QLatin1Char('[')) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            const QStringView key = trimBlanks(QStringView(text).left(equals));
            if (!key.isEmpty()) {
                line.key = key.toString();
                line.equals = int(equals);
            }
        }
    }
    line.text = std::move(text);
    return line;
}

struct Section
{
    QString header; // the "[Name]" line as read
    QString name;
    QString folded;
    std::vector<Line> lines;
    QHash<QString, qsizetype> keys; // folded key -> first line with it

    void reindex()
    {
        keys.clear();
        // Walking backwards lets the first of several equal keys overwrite the later ones.
        for (qsizetype i = qsizetype(lines.size()) - 1; i >= 0; --i) {
            if (lines[i].isEntry())
                keys.insert(fold(lines[i].key), i);
        }
    }
};

} // namespace

struct ProfileFile::Data
{
    QString path;
    QString loadError;
    std::vector<Line> preamble; // lines before the first section
    std::vector<Section> sections;
    QHash<QString, qsizetype> index; // folded name -> first section with it
    bool modified = false;

    void load();
    void parse(const QString& text);
    void reindex();

    const Section* find(QStringView name) const
    {
        const auto it = index.constFind(fold(name));
        return it == index.constEnd() ? nullptr : &sections[it.value()];
    }
    Section* find(QStringView name) { return const_cast<Section*>(std::as_const(*this).find(name)); }

    const Line* find(QStringView section, QStringView key) const
    {
        const Section* s = find(section);
        if (!s)
            return nullptr;
        const auto it = s->keys.constFind(fold(key));
        return it == s->keys.constEnd() ? nullptr : &s->lines[it.value()];
    }
};

void ProfileFile::Data::load()
{
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    QString error;
    // A named pipe or a device in place of a settings file must not hold up the program waiting on it.
    if (!OpenRegularFile(file, FileRole::SettingsFile, &error)) {
        loadError = QCoreApplication::translate("qm::ProfileFile", "Could not read \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), error);
        return;
    }
    if (file.size() > kMaxFileSize) {
        loadError =
            QCoreApplication::translate("qm::ProfileFile",
                                        "Could not read \"%1\": the file is too large to be a settings file")
                .arg(QDir::toNativeSeparators(path));
        return;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        loadError = QCoreApplication::translate("qm::ProfileFile", "Could not read \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString());
        return;
    }
    if (bytes.size() > kMaxFileSize) {
        loadError =
            QCoreApplication::translate("qm::ProfileFile",
                                        "Could not read \"%1\": the file is too large to be a settings file")
                .arg(QDir::toNativeSeparators(path));
        return;
    }
    parse(decodeText(bytes));
}

void ProfileFile::Data::parse(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? n : end + 1;
        if (end < 0)
            end = n;
        if (end > start && text.at(end - 1) == QLatin1Char('\r'))
            --end;
        if (end == start) {
            std::vector<Line>& target = sections.empty() ? preamble : sections.back().lines;
            if (!target.empty() && target.back().emptyRun > 0 && target.back().emptyRun < INT_MAX) {
                ++target.back().emptyRun;
            } else {
                Line empty;
                empty.emptyRun = 1;
                target.push_back(std::move(empty));
            }
            start = next;
            continue;
        }
        QString lineText = text.mid(start, end - start);
        start = next;

        const QStringView trimmed = trimBlanks(lineText);
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            if (close > 0) {
                Section section;
                section.name = trimBlanks(trimmed.mid(1, close - 1)).toString();
                section.folded = section.name.toCaseFolded();
                section.header = std::move(lineText);
                sections.push_back(std::move(section));
                continue;
            }
        }
        std::vector<Line>& target = sections.empty() ? preamble : sections.back().lines;
        target.push_back(parseLine(std::move(lineText)));
    }
    for (Section& section : sections)
        section.reindex();
    reindex();
}

void ProfileFile::Data::reindex()
{
    index.clear();
    // Backwards, so the first of several equal sections is the one found.
    for (qsizetype i = qsizetype(sections.size()) - 1; i >= 0; --i)
        index.insert(sections[i].folded, i);
}

namespace {

bool validSectionName(QStringView name)
{
    return !name.contains(QLatin1Char(']')) && !name.contains(QLatin1Char('\n')) &&
           !name.contains(QLatin1Char('\r'));
}

bool validKeyName(QStringView key)
{
    return !key.isEmpty() && !key.startsWith(QLatin1Char('[')) && !key.startsWith(QLatin1Char(';')) &&
           !key.contains(QLatin1Char('=')) && !key.contains(QLatin1Char('\n')) &&
           !key.contains(QLatin1Char('\r'));
}

} // namespace

ProfileFile::ProfileFile(const QString& path) : mData(std::make_unique<Data>())
{
    mData->path = path;
    mData->load();
}

ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile&& other) noexcept = default;
ProfileFile& ProfileFile::operator=(ProfileFile&& other) noexcept = default;

const QString& ProfileFile::Path() const
{
    return mData->path;
}

const QString& ProfileFile::LoadError() const
{
    return mData->loadError;
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Line* line = mData->find(trimBlanks(section), trimBlanks(key));
    return line ? line->value().toString() : defaultValue;
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const Line* line = mData->find(trimBlanks(section), trimBlanks(key));
    int value = 0;
    if (line && parseInteger(trimBlanks(line->value()), &value))
        return value;
    return defaultValue;
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QStringView sectionName = trimBlanks(section);
    const QStringView keyName = trimBlanks(key);
    if (!validSectionName(sectionName) || !validKeyName(keyName)) {
        qWarning("Not written to %s: unusable section or key name [%s] %s", qPrintable(mData->path),
                 qPrintable(section), qPrintable(key));
        return;
    }
    const QString encoded = encodeValue(value);

    Section* target = mData->find(sectionName);
    if (!target) {
        Section created;
        created.name = sectionName.toString();
        created.folded = created.name.toCaseFolded();
        created.header = QLatin1Char('[') + created.name + QLatin1Char(']');
        mData->sections.push_back(std::move(created));
        target = &mData->sections.back();
        mData->index.insert(target->folded, qsizetype(mData->sections.size()) - 1);
    }

    const auto it = target->keys.constFind(fold(keyName));
    if (it != target->keys.constEnd()) {
        Line& line = target->lines[it.value()];
        // Keep the key and the spacing around "=" as they were; replace only the value.
        qsizetype valueStart = line.equals + 1;
        while (valueStart < line.text.size() && isBlank(line.text.at(valueStart)))
            ++valueStart;
        if (valueStart == line.text.size())
            valueStart = line.equals + 1;
        const QString text = line.text.left(valueStart) + encoded;
        if (text != line.text) {
            line.text = text;
            mData->modified = true;
        }
        return;
    }

    // A new key goes after the last entry or comment, ahead of the blank lines that separate sections.
    // Only blank lines follow that point, so the positions of existing keys do not move.
    qsizetype at = qsizetype(target->lines.size());
    while (at > 0 && target->lines[at - 1].isBlankLine())
        --at;
    Line line = parseLine(keyName.toString() + QLatin1Char('=') + encoded);
    target->lines.insert(target->lines.begin() + at, std::move(line));
    target->keys.insert(fold(keyName), at);
    mData->modified = true;
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void ProfileFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList ProfileFile::ReadSections() const
{
    QStringList names;
    for (qsizetype i = 0; i < qsizetype(mData->sections.size()); ++i) {
        const Section& section = mData->sections[i];
        if (mData->index.value(section.folded, -1) == i)
            names.append(section.name);
    }
    return names;
}

QStringList ProfileFile::ReadSection(const QString& section) const
{
    QStringList keys;
    const Section* found = mData->find(trimBlanks(section));
    if (!found)
        return keys;
    for (qsizetype i = 0; i < qsizetype(found->lines.size()); ++i) {
        const Line& line = found->lines[i];
        if (line.isEntry() && found->keys.value(fold(line.key), -1) == i)
            keys.append(line.key);
    }
    return keys;
}

bool ProfileFile::SectionExists(const QString& section) const
{
    return mData->find(trimBlanks(section)) != nullptr;
}

bool ProfileFile::ValueExists(const QString& section, const QString& key) const
{
    return mData->find(trimBlanks(section), trimBlanks(key)) != nullptr;
}

void ProfileFile::EraseSection(const QString& section)
{
    const QString folded = fold(trimBlanks(section));
    auto& sections = mData->sections;
    const auto before = sections.size();
    sections.erase(std::remove_if(sections.begin(), sections.end(),
                                  [&](const Section& s) { return s.folded == folded; }),
                   sections.end());
    if (sections.size() != before) {
        mData->reindex();
        mData->modified = true;
    }
}

void ProfileFile::DeleteKey(const QString& section, const QString& key)
{
    Section* found = mData->find(trimBlanks(section));
    if (!found)
        return;
    const QString folded = fold(trimBlanks(key));
    if (!found->keys.contains(folded))
        return;
    auto& lines = found->lines;
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& l) { return l.isEntry() && fold(l.key) == folded; }),
                lines.end());
    found->reindex();
    mData->modified = true;
}

bool ProfileFile::Save(QString* error)
{
    if (!mData->loadError.isEmpty()) {
        // Whatever made the file unreadable, replacing it with what little we know would lose its contents.
        if (error)
            *error = mData->loadError;
        return false;
    }

    QString text;
    const auto appendLine = [&text](const QString& line) {
        text += line;
        text += QLatin1String("\r\n");
    };
    const auto append = [&](const Line& line) {
        if (line.emptyRun == 0)
            appendLine(line.text);
        for (int i = 0; i < line.emptyRun; ++i)
            text += QLatin1String("\r\n");
    };
    for (const Line& line : mData->preamble)
        append(line);
    for (const Section& section : mData->sections) {
        appendLine(section.header);
        for (const Line& line : section.lines)
            append(line);
    }

    bool fits = true;
    QByteArray bytes = ToWindows1252(text, &fits);
    // UTF-8 when the code page cannot hold the text, and also in the rare case where the Windows-1252 bytes
    // happen to form valid UTF-8: reading would then take them for UTF-8 and get different text.
    if (!fits || (hasHighBytes(bytes) && isValidUtf8(bytes)))
        bytes = text.toUtf8();

    // Whatever is written must read again: a larger file would be refused, and a template would open empty.
    if (bytes.size() > kMaxFileSize) {
        if (error)
            *error =
                QCoreApplication::translate("qm::ProfileFile", "\"%1\" would be larger than the %2 MB a "
                                                               "settings file can hold; nothing was written")
                    .arg(QDir::toNativeSeparators(mData->path),
                         QLocale().toString(kMaxFileSize / (1024 * 1024)));
        return false;
    }
    if (!WriteFileAtomic(mData->path, bytes, error))
        return false;
    mData->modified = false;
    return true;
}

bool ProfileFile::Modified() const
{
    return mData->modified;
}

} // namespace qm

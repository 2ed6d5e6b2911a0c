// SPDX-License-Identifier: GPL-3.0-or-later
// Profile (INI) files as Windows reads and writes them: the preferences file and the card and layout files.
#pragma once
#include <QString>
#include <QStringList>

#include <memory>

namespace qm {

// The whole file is held in memory and written back with Save(). Section and key names are compared without
// regard to case; when a name occurs twice the first occurrence is the one that counts. Lines that are not
// entries (comments, blank lines, stray text) are written back exactly as they were read.
//
// Values are trimmed of surrounding blanks, and a value enclosed in matching single or double quotes is
// returned without them, as Windows does. Writing quotes a value when that is needed to read it back
// unchanged (leading or trailing blanks, or quotes of its own at both ends).
class ProfileFile
{
public:
    // Reads path when it exists. A missing file is simply empty; a file that cannot be read is empty and
    // LoadError() says why.
    explicit ProfileFile(const QString& path);
    ~ProfileFile();
    ProfileFile(ProfileFile&& other) noexcept;
    ProfileFile& operator=(ProfileFile&& other) noexcept;
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const QString& Path() const;
    // Empty when the file was read or did not exist.
    const QString& LoadError() const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // The whole value must be a decimal integer (optionally signed) or hex after "$" or "0x"; anything
    // else, or no value, gives defaultValue.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Any non-zero integer is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Replaces the value of an existing key in place or appends the key to its section, creating the
    // section at the end of the file when needed. Line breaks in value become spaces. Names that cannot be
    // stored (empty key, "=" in a key, "]" in a section, line breaks) are refused with a warning.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Section names in file order, each once.
    QStringList ReadSections() const;
    // Key names of a section in file order, each once.
    QStringList ReadSection(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // Removes every section of that name with all its lines.
    void EraseSection(const QString& section);
    // Removes the key (every line of it) from the section.
    void DeleteKey(const QString& section, const QString& key);

    // Writes the file with CRLF line ends, as Windows-1252 or, when some text needs it, as UTF-8. On failure
    // returns false with a message in *error and leaves the file on disk unchanged. A file that could not be
    // read is never overwritten.
    bool Save(QString* error = nullptr);
    // True when the contents changed since they were read or last saved.
    bool Modified() const;

private:
    struct Data;
    std::unique_ptr<Data> mData;
};

} // namespace qm

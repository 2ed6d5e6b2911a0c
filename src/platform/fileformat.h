// SPDX-License-Identifier: GPL-3.0-or-later
// File formats read from outside the program (pictures, rich text, contact files): each says its name, the
// file names it goes by, whether some bytes are in it, and reads a file, saying why when it cannot.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QFile;

namespace qm {

class FileFormat
{
public:
    // The first bytes of a file handed to CanRead (fewer when the file is shorter).
    static constexpr qsizetype kHeadBytes = 4096;

    virtual ~FileFormat() = default;

    // The format's name in a file dialog ("PCX picture").
    virtual QString Name() const = 0;
    // The file-name extensions, lower case, without the dot ("pcx").
    virtual QStringList Extensions() const = 0;
    // True when a file starting with these bytes is in this format (by content, not by name).
    virtual bool CanRead(const QByteArray& head) const = 0;

    // "*.pcx" for each extension.
    QStringList Masks() const;
    // A file dialog's filter: "PCX picture (*.pcx)".
    QString NameFilter() const;
    // Why the last read failed, in the program's words; empty after a read that succeeded.
    const QString& ErrorString() const { return mError; }

protected:
    // Opens a file for reading: false, with ErrorString set, when it is missing, no regular file (a folder, a
    // device or a pipe is refused unopened) or cannot be opened.
    bool OpenFile(const QString& path, QFile* file);
    // Reads a whole file of at most maxBytes: false, with ErrorString set, when it is missing, no regular file
    // (a folder, a device or a pipe is refused unopened), unreadable, empty or larger.
    bool ReadFileBytes(const QString& path, qint64 maxBytes, QByteArray* bytes);
    bool Fail(const QString& why)
    {
        mError = why;
        return false;
    }

    QString mError;
};

// A format whose files read into a T. Read leaves `into` as it was when it fails.
template <class T>
class FileReader : public FileFormat
{
public:
    virtual bool Read(const QString& path, T& into) = 0;
};

// The masks of all the formats (a list of pointers of any kind), in order, each once.
template <class Formats>
QStringList AllMasks(const Formats& formats)
{
    QStringList masks;
    for (const auto& format : formats)
        for (const QString& mask : format->Masks())
            if (!masks.contains(mask))
                masks << mask;
    return masks;
}

// A file dialog's filter list: first all the formats together under allName, then each format, then all files.
template <class Formats>
QString DialogFilters(const QString& allName, const Formats& formats)
{
    QStringList filters{allName + QStringLiteral(" (") + AllMasks(formats).join(QLatin1Char(' ')) + QLatin1Char(')')};
    for (const auto& format : formats)
        filters << format->NameFilter();
    filters << QCoreApplication::translate("qm::FileFormat", "All files") + QStringLiteral(" (*)");
    return filters.join(QStringLiteral(";;"));
}

// The first of the formats that can read a file starting with these bytes; null when none can.
template <class Formats>
auto FormatFor(const Formats& formats, const QByteArray& head) -> decltype(&*formats.front())
{
    for (const auto& format : formats)
        if (format->CanRead(head))
            return &*format;
    return nullptr;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its data files, and file-name helpers for names stored by Windows.
#pragma once
#include <QString>

class QFile;

namespace qm {

// The data folder, always ending in "/": $QUILLMARK_HOME when set and not empty, otherwise "quillmark" in
// the user's data location (~/.local/share/quillmark). The folder is created when missing.
QString ProgramFolder();

// A file in the data folder: ProgramFolder() + relativeName.
QString ProgramFile(const QString& relativeName);

// The last component of a path written with "/" or "\" separators (or "C:name"):
// "C:\Art\x.bmp" -> "x.bmp". A path ending in a separator gives "".
QString FileNameOnly(const QString& path);

// A file in folder whose name equals name without regard to case, the exact name preferred; empty when there
// is none.
QString FindFileIgnoringCase(const QString& folder, const QString& name);

// What is at path when something is there but it is not a regular file (links followed): "a folder",
// "a named pipe", "a device", "a socket", "not a plain file" (in the user's language); empty for a regular
// file or when nothing is there.
QString NonFileKind(const QString& path);

// The kind of file a caller expects, named in the refusals of OpenRegularFile.
enum class FileRole
{
    CardFile,
    SettingsFile,
    LayoutFile,
    PaperSizesFile,
    AnyFile
};

// Opens file (its fileName()) for reading only when it is a regular file. A folder, named pipe, device or
// socket is refused without waiting on it ("NAME is a named pipe, not a card file"), and so is a missing file
// ("NAME: no such card file"); the messages are in the user's language.
bool OpenRegularFile(QFile& file, FileRole role, QString* error);
// The same with the kind named in English words: "card file", "settings file", "layout file" or
// "paper sizes file" (any other words give the plain-file messages).
bool OpenRegularFile(QFile& file, const QString& what, QString* error);

} // namespace qm

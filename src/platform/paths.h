// Where the program keeps its data files, and file-name helpers for names stored by Windows.
#pragma once
#include <QString>

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

} // namespace qm

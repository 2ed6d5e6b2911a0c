// Replacing a file's contents all at once, so a crash or a full disk never leaves half a file behind.
#pragma once
#include <QByteArray>
#include <QString>

namespace qm {

// Writes data to a temporary file beside path and renames it over path. On failure returns false, puts a
// message naming the file and the system's reason in *error (when given), leaves any existing file as it was
// and removes the temporary file.
bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Writing card objects as a card object stream: to memory, or atomically to a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace qm {

class TKGraphicControl;
class TKCardObjects;
class Persistent;

// List begin, a record per object in the given order, list end.
QByteArray WriteObjectsToBytes(const std::vector<const TKGraphicControl*>& objects);
// One component record (signature, class, name, properties, end markers).
void WriteComponent(QByteArray& out, const TKGraphicControl& object);

// The largest stream written to a file: what the reader accepts (kMaxCardFileBytes), so that every card saved
// opens again. A larger card is refused with a message saying so, and the old file is kept.
qint64 CardFileWriteLimit();
// Tests lower the limit to try it with small cards; 0 restores the reader's limit.
void SetCardFileWriteLimitForTesting(qint64 bytes);

// Files are written beside the target and renamed over it; false with a message when the write failed or the
// card is too large to be read again (more bytes or objects than the reader takes), the old file left as it was.
bool WriteAll(const TKCardObjects& panel, const QString& fileName, QString* error = nullptr);
// Nothing at all is written into the file when the selection is empty.
bool WriteSelection(const std::vector<TKGraphicControl*>& selection, const QString& fileName,
                    QString* error = nullptr);
bool WriteOne(const TKGraphicControl& object, const QString& fileName, QString* error = nullptr);

} // namespace qm

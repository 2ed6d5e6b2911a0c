// SPDX-License-Identifier: GPL-3.0-or-later
// RTF files read from outside into a document, through the RTF reader.
#pragma once

#include "platform/fileformat.h"

#include <QCoreApplication>

class QTextDocument;

namespace qm {

class RtfFormat : public FileReader<QTextDocument>
{
    Q_DECLARE_TR_FUNCTIONS(qm::RtfFormat)

public:
    // Files larger than this are no text for a card.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    //: A kind of file, in the file dialog's list of types
    QString Name() const override { return tr("Rich text"); }
    QStringList Extensions() const override { return {QStringLiteral("rtf")}; }
    // "{\rtf", after white space or a byte-order mark.
    bool CanRead(const QByteArray& head) const override;
    // Reads the text and its formatting into the document (cleared first). A file whose groups do not all
    // close is cut short and refused, leaving the document as it was.
    bool Read(const QString& path, QTextDocument& into) override;
};

} // namespace qm

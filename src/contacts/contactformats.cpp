// SPDX-License-Identifier: GPL-3.0-or-later
// Contact files: the CSV and vCard formats, recognised by content and checked whole before they are read.
#include "contacts/contactformats.h"

#include <QFile>
#include <QFileInfo>

namespace qm {

namespace {

// UTF-16 text with its byte-order mark (a spreadsheet's "Unicode Text"): its zero bytes are no binary data.
bool IsUtf16Text(const QByteArray& head)
{
    return head.startsWith(QByteArray("\xFF\xFE", 2)) || head.startsWith(QByteArray("\xFE\xFF", 2));
}

} // namespace

QString ContactFormat::Name() const
{
    //: Kinds of file, in the file dialog's list of types
    return mKind == Kind::Csv ? tr("CSV text") : tr("vCards");
}

QStringList ContactFormat::Extensions() const
{
    if (mKind == Kind::Csv)
        return {QStringLiteral("csv"), QStringLiteral("txt")};
    return {QStringLiteral("vcf"), QStringLiteral("vcard")};
}

bool ContactFormat::CanRead(const QByteArray& head) const
{
    if (head.isEmpty() || (head.contains('\0') && !IsUtf16Text(head)))
        return false;
    return BeginsVCard(head) == (mKind == Kind::VCard);
}

bool ContactFormat::Read(const QString& path, std::unique_ptr<DataSource>& into)
{
    mError.clear();
    const QString name = QFileInfo(path).fileName();
    QFile file;
    if (!OpenFile(path, &file))
        return false;
    const QByteArray head = file.read(kHeadBytes);
    if (head.isEmpty())
        return Fail(QCoreApplication::translate("qm::FileFormat", "The file %1 is empty.").arg(name));
    if (head.contains('\0') && !IsUtf16Text(head))
        return Fail(tr("The file %1 holds binary data, not a list of names and addresses (CSV text or "
                       "vCards).")
                        .arg(name));
    if (!CanRead(head))
        return Fail(mKind == Kind::Csv ? tr("The file %1 holds no CSV text.").arg(name)
                                       : tr("The file %1 holds no vCards.").arg(name));
    // Whole: the last line of vCards ends the last card. CSV text cut inside a quoted value is refused by
    // its reader, which follows the quoting (a quote within a value does not open one) and names the line.
    bool whole = true;
    if (mKind == Kind::VCard) {
        file.seek(std::max<qint64>(0, file.size() - 256));
        whole = file.read(256).trimmed().toUpper().endsWith("END:VCARD");
    }
    if (!whole)
        return Fail(tr("The file %1 is cut short.").arg(name));
    QString why;
    std::unique_ptr<DataSource> source = OpenDataSource(path, &why, mColumns);
    if (!source) // said with the file's name, as every refusal here is
        return Fail(why.contains(name) ? why : tr("%1: %2", "file name: reason").arg(name, why));
    into = std::move(source);
    return true;
}

std::vector<std::unique_ptr<ContactFormat>> ContactFormats()
{
    std::vector<std::unique_ptr<ContactFormat>> formats;
    formats.push_back(std::make_unique<ContactFormat>(ContactFormat::Kind::Csv));
    formats.push_back(std::make_unique<ContactFormat>(ContactFormat::Kind::VCard));
    return formats;
}

std::unique_ptr<DataSource> OpenContactFile(const QString& path, QString* error, CsvColumns columns)
{
    // The format that reads it is chosen by its first bytes (CSV gives the reason when none can).
    QByteArray head;
    if (QFileInfo(path).isFile()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            head = file.read(FileFormat::kHeadBytes);
    }
    const auto formats = ContactFormats();
    std::unique_ptr<DataSource> source;
    ContactFormat* format = FormatFor(formats, head);
    if (!format)
        format = formats.front().get();
    format->SetCsvColumns(columns);
    if (!format->Read(path, source) && error)
        *error = format->ErrorString();
    return source;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Merge data sources: buffered input, the common parts and telling CSV from vCard files.
#include "contacts/datasource.h"

#include "contacts/csvsource.h"
#include "contacts/vcard.h"
#include "platform/codepage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace qm {

ByteInput::ByteInput(std::unique_ptr<QIODevice> device) : mDevice(std::move(device))
{
    // A spreadsheet's "Unicode Text" is UTF-16 with its byte-order mark; the readers take UTF-8.
    const QByteArray mark = mDevice ? mDevice->peek(2) : QByteArray();
    const bool little = mark == QByteArray("\xFF\xFE", 2);
    if (little || mark == QByteArray("\xFE\xFF", 2)) {
        mDevice->skip(2);
        mUtf16 = little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
        mDecoder = QStringDecoder(mUtf16);
    }
}

ByteInput::~ByteInput() = default;

qint64 ByteInput::ReadPiece(QByteArray& piece, QStringDecoder& decoder, QByteArray& carry)
{
    const qsizetype have = piece.size();
    piece.resize(have + kChunk);
    const qint64 got = mDevice->read(piece.data() + have, kChunk);
    piece.resize(have + qsizetype(std::max<qint64>(got, 0)));
    if (got <= 0 || !decoder.isValid())
        return got;
    // Two bytes a code unit: an odd byte waits for the next piece.
    QByteArray units = carry + piece.mid(have);
    piece.truncate(have);
    carry.clear();
    if (units.size() % 2 != 0) {
        carry.append(units.back());
        units.chop(1);
    }
    piece += QString(decoder.decode(units)).toUtf8();
    return got;
}

bool ByteInput::Fill()
{
    if (!mDevice || mFailed)
        return false;
    // Keep what was not read yet, so that Ahead() sees a whole chunk.
    mBuffer.remove(0, mPos);
    mPos = 0;
    const qsizetype have = mBuffer.size();
    // A lone byte of UTF-16 gives no text yet: reading goes on until some comes or the device ends.
    while (mBuffer.size() == have) {
        const qint64 got = ReadPiece(mBuffer, mDecoder, mCarry);
        if (got < 0)
            mFailed = true;
        if (got <= 0)
            return false;
    }
    return true;
}

bool ByteInput::ScanRest(const std::function<void(const char*, qsizetype)>& scan)
{
    if (!mDevice || mFailed || mDevice->isSequential())
        return false;
    const qint64 back = mDevice->pos();
    if (mPos < mBuffer.size())
        scan(mBuffer.constData() + mPos, mBuffer.size() - mPos);
    QStringDecoder decoder;
    if (mDecoder.isValid())
        decoder = QStringDecoder(mUtf16);
    QByteArray carry = mCarry;
    QByteArray piece;
    qint64 got = 0;
    while ((got = ReadPiece(piece, decoder, carry)) > 0) {
        scan(piece.constData(), piece.size());
        piece.clear();
    }
    if (!mDevice->seek(back))
        got = -1;
    return got == 0;
}

void DataSource::AddNote(const QString& note)
{
    if (mNotes.size() < kMaxNotes)
        mNotes.append(note);
}

bool IsValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p++;
        if (c < 0x80)
            continue;
        int more = 0;
        unsigned int code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p < more)
            return false;
        for (int i = 0; i < more; ++i, ++p) {
            if ((*p & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (*p & 0x3F);
        }
        // No overlong forms, surrogates or code points past U+10FFFF.
        if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return true;
}

QString DecodeUndeclared(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return IsValidUtf8(bytes) ? QString::fromUtf8(bytes) : FromWindows1252(bytes);
    }
    return QString::fromLatin1(bytes);
}

bool BeginsVCard(const QByteArray& ahead)
{
    qsizetype i = 0;
    if (ahead.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < ahead.size() && (ahead[i] == '\r' || ahead[i] == '\n' || ahead[i] == ' ' || ahead[i] == '\t'))
        ++i;
    return ahead.mid(i, 11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

std::unique_ptr<DataSource> OpenDataSource(std::unique_ptr<QIODevice> device, QString* error, CsvColumns columns)
{
    auto input = std::make_unique<ByteInput>(std::move(device));
    const QByteArray ahead = input->Ahead();
    auto fail = [&](const QString& message) -> std::unique_ptr<DataSource> {
        if (error)
            *error = message;
        return nullptr;
    };
    if (input->Failed())
        return fail(QCoreApplication::translate("qm::DataSource", "The file could not be read."));
    if (ahead.isEmpty() || (ahead.size() == 3 && ahead.startsWith("\xEF\xBB\xBF")))
        return fail(QCoreApplication::translate("qm::DataSource", "The file is empty."));
    if (ahead.contains('\0'))
        return fail(QCoreApplication::translate(
            "qm::DataSource", "The file holds binary data, not a list of names and addresses (CSV text "
                              "or vCards)."));
    if (BeginsVCard(ahead))
        return MakeVCardSource(std::move(input), error);
    return MakeCsvSource(std::move(input), error, columns);
}

std::unique_ptr<DataSource> OpenDataSource(const QString& path, QString* error, CsvColumns columns)
{
    auto file = std::make_unique<QFile>(path);
    if (QFileInfo(path).isDir() || !file->open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("qm::DataSource", "The file \"%1\" could not be opened.")
                         .arg(path);
        return nullptr;
    }
    return OpenDataSource(std::move(file), error, columns);
}

std::unique_ptr<DataSource> DataSourceFromBytes(const QByteArray& bytes, QString* error)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return OpenDataSource(std::move(buffer), error);
}

} // namespace qm

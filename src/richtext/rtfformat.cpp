// SPDX-License-Identifier: GPL-3.0-or-later
// RTF files read from outside: the signature, a check that every group closes, then the RTF reader.
#include "richtext/rtfformat.h"

#include "richtext/rtf.h"

#include <QFileInfo>

namespace qm {

namespace {

QByteArray AfterWhiteSpace(const QByteArray& bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.mid(i, 5);
}

// True when every group opened is closed, and nothing follows the outermost group but white space.
bool GroupsClose(const QByteArray& rtf)
{
    int depth = 0;
    bool closed = false;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (closed) {
            if (c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0')
                return true; // text after the document is ignored, as by other readers
            continue;
        }
        if (c == '\\')
            ++i; // an escaped brace or backslash
        else if (c == '{')
            ++depth;
        else if (c == '}' && --depth == 0)
            closed = true;
    }
    return closed;
}

} // namespace

bool RtfFormat::CanRead(const QByteArray& head) const { return AfterWhiteSpace(head) == "{\\rtf"; }

bool RtfFormat::Read(const QString& path, QTextDocument& into)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, kMaxBytes, &bytes))
        return false;
    const QString name = QFileInfo(path).fileName();
    if (!CanRead(bytes.left(kHeadBytes)))
        return Fail(tr("The file %1 holds no rich text (RTF).").arg(name));
    if (!GroupsClose(bytes))
        return Fail(tr("The rich text %1 is cut short.").arg(name));
    if (!ReadRtf(bytes, into))
        return Fail(tr("The rich text %1 cannot be read.").arg(name));
    return true;
}

} // namespace qm

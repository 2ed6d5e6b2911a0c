// Writing a QTextDocument as RTF.
#include "files/rtf.h"

#include <QByteArray>
#include <QTextDocument>

namespace qm {

QByteArray WriteRtf(const QTextDocument& document)
{
    Q_UNUSED(document);
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\n\\pard\\par\n}");
}

} // namespace qm

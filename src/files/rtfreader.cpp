// Reading RTF into a QTextDocument.
#include "files/rtf.h"

#include "platform/codepage.h"

#include <QByteArray>
#include <QTextDocument>

namespace qm {

bool ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    if (!rtf.startsWith("{\\rtf")) {
        document.setPlainText(FromWindows1252(rtf));
        return false;
    }
    document.setPlainText(QString());
    return true;
}

} // namespace qm

// libFuzzer entry: any bytes given to the card reader must give objects or a message, never a crash.
#include "model/cardobjects.h"
#include "files/streamdump.h"
#include "files/streamreader.h"
#include "files/streamwriter.h"

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TKCardObjects objects;
    const ReadResult r = ReadObjectsFromBytes(objects, bytes);
    QString listing, error;
    DumpStream(bytes, &listing, &error);
    // CI asks for crashes and sanitizer reports only (QM_FUZZ_CRASHES_ONLY); a longer run also checks that
    // whatever was read writes out again and reads back the same.
    static const bool strict = qEnvironmentVariableIsEmpty("QM_FUZZ_CRASHES_ONLY");
    if (r.ok && strict) {
        const std::vector<TKGraphicControl*> list = objects.Objects();
        const QByteArray again = WriteObjectsToBytes({list.begin(), list.end()});
        TKCardObjects reread;
        if (!ReadObjectsFromBytes(reread, again).ok)
            std::abort();
        const std::vector<TKGraphicControl*> list2 = reread.Objects();
        if (WriteObjectsToBytes({list2.begin(), list2.end()}) != again)
            std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the PCX reader: any bytes either decode into a picture within the size limit or are
// refused with a reason, never a crash, a hang nor undefined behaviour.
#include "pictures/pcx.h"
#include "pictures/pictures.h"

#include <QByteArray>
#include <QImage>

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const QImage image = ReadPcx(bytes, 4 * 1024 * 1024, &error);
    if (image.isNull() == error.isEmpty())
        std::abort(); // a refusal always says why, a picture never comes with a reason
    if (!image.isNull() && qint64(image.width()) * image.height() > 4 * 1024 * 1024)
        std::abort();
    // The same bytes through the general reader, as a file named .pcx.
    const TPicture picture = ReadPicture(bytes, QStringLiteral("fuzz.pcx"), &error);
    if (!picture.IsNull())
        (void)BitmapFileBytes(picture.Image());
    return 0;
}

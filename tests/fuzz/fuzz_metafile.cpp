// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the metafile player: any bytes either are refused or replay onto a small picture and into
// a recording, never a crash, a hang nor undefined behaviour; what a card would store of them reads again.
#include "pictures/pictures.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillmark_fuzz_metafile";
    static char* argv[] = {name, nullptr};
    // Never destroyed: what Qt keeps for fonts stays reachable, so the leak check at exit has nothing to say.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte picks the kind the rest is given as: an enhanced or a Windows metafile as written, or a
    // Windows metafile behind a placeable header.
    if (size < 1)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (data[0] % 3 == 1) {
        QByteArray header = QByteArray::fromHex("d7cdc69a0000000000006400640060000000000000000000");
        bytes = header.left(22) + bytes;
    }
    QString error;
    const TPicture picture = ReadPicture(bytes, QStringLiteral("fuzz.wmf"), &error);
    if (picture.IsNull())
        return 0;
    QImage image(48, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        // Smoothed, as on screen: shapes and outlines are filled by pixel coverage straight into the image.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.Draw(painter, QRectF(2, 2, 44, 28));
    }
    QPicture recording;
    {
        QPainter painter(&recording);
        picture.Draw(painter, QRectF(0, 0, 300, 200));
    }
    StoredGraphic stored;
    if (data[0] % 3 == 2 && GraphicFromFile(bytes, QStringLiteral("fuzz.wmf"), &stored, &error))
        if (ReadPicture(stored.fileBytes).IsNull())
            std::abort(); // what a card stores must read again
    return 0;
}

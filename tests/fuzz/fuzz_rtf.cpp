// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the rich-text reader: any bytes must read into a document that lays out, draws and
// writes out again, never a crash, a hang nor undefined behaviour. What our writer makes reads back to the
// same bytes.
#include "richtext/rtf.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillmark_fuzz_rtf";
    static char* argv[] = {name, nullptr};
    // Never destroyed: what Qt keeps for fonts stays reachable, so the leak check at exit has nothing to say.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    ReadRtf(bytes, document);
    // Laid out for a card-sized box and drawn small: the layout is what is checked.
    document.setTextWidth(190);
    QImage image(48, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    document.drawContents(&painter, QRectF(0, 0, 48, 32));
    painter.end();

    const QByteArray written = WriteRtf(document);
    static const bool strict = qEnvironmentVariableIsEmpty("QM_FUZZ_CRASHES_ONLY");
    if (strict) {
        QTextDocument again;
        if (!ReadRtf(written, again) || WriteRtf(again) != written)
            std::abort();
    }
    return 0;
}

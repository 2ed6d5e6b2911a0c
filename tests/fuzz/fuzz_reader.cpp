// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes given to the card reader must give objects or a message, never a crash nor
// undefined behaviour; whatever is read must also lay out and draw, on screen, in a picture and on paper.
#include "model/cardmodel.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "stream/streamdump.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

using namespace qm;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Fonts need an application; the fuzzer's own arguments are not Qt's business.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillmark_fuzz_reader";
    static char* argv[] = {name, nullptr};
    // Never destroyed: what Qt keeps for fonts stays reachable, so the leak check at exit has nothing to say.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

namespace {

// Small on purpose: drawing is clipped to it, what is checked is the arithmetic on the way there.
void Draw(const CardModel& card, RenderContext::Target target)
{
    QImage image(48, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    RenderContext context;
    context.target = target;
    DrawCard(painter, card, context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    CardModel card;
    card.SetSize(QSize(336, 192));
    TKCardObjects& objects = card.Objects();
    const ReadResult r = ReadObjectsFromBytes(objects, bytes);
    QString listing, error;
    DumpStream(bytes, &listing, &error);
    if (!r.ok)
        return 0;
    // Pasting moves what was read.
    TKCardObjects pasted;
    ReadObjectsFromBytes(pasted, bytes, 15);

    card.LayOutObjects();
    Draw(card, RenderContext::Screen);
    Draw(card, RenderContext::Picture);
    Draw(card, RenderContext::Paper);

    // CI asks for crashes and sanitizer reports only (QM_FUZZ_CRASHES_ONLY); a longer run also checks that
    // whatever was read writes out again and reads back the same.
    static const bool strict = qEnvironmentVariableIsEmpty("QM_FUZZ_CRASHES_ONLY");
    if (strict) {
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

// Metafiles of either kind: recognising them, replaying them, and the placeable header a card stores.
#include "pictures/metafile.h"
#include "pictures/metafileraster.h"

#include <QImage>
#include <QPainter>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <exception>

namespace qm::metafile {

namespace {

// Pictures are drawn in two bands at once, one on another thread, when they cover at least this many pixels of
// the image and their records take at least this many bytes: below that, starting the thread costs more than
// the second band saves.
constexpr qint64 kBandPixels = 400000;
constexpr qsizetype kBandBytes = 32 * 1024;

QThreadPool& BandThread()
{
    static QThreadPool* pool = [] {
        auto* made = new QThreadPool; // left for the end of the program, which may come before or after Qt's own
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(-1);
        return made;
    }();
    return *pool;
}

void PlayOne(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target, const Band& band)
{
    if (info.format == Format::Emf)
        PlayEmf(bytes, info, painter, target, band);
    else if (info.format == Format::Wmf)
        PlayWmf(bytes, info, painter, target, band);
}

// Replays the whole picture with the painter clipped to the band's rows, the shapes filled straight into the
// image written only there. The pixels in the band are the same as those of one replay over the whole image.
void PlayBand(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target, const Band& band,
              int width)
{
    painter.save();
    const QTransform world = painter.worldTransform();
    painter.setWorldTransform(QTransform());
    painter.setClipRect(QRect(0, band.top, width, band.bottom - band.top));
    painter.setWorldTransform(world);
    PlayOne(bytes, info, painter, target, band);
    painter.restore();
}

// Draws the picture in two bands of rows at the same time when the painter draws into an image whose shapes are
// filled here and the picture is large enough; false, having drawn nothing, otherwise.
bool PlayInBands(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target)
{
    if (bytes.size() < kBandBytes || QThread::idealThreadCount() < 2)
        return false;
    QImage* image = CoverageFill::Target(painter);
    // The bands are cut in the image's pixels, which the painter's own transform must map onto alone.
    if (!image || image->devicePixelRatio() != 1 || painter.viewTransformEnabled())
        return false;
    const QRect area = painter.worldTransform().mapRect(target).toAlignedRect() & image->rect();
    if (qint64(area.width()) * area.height() < kBandPixels)
        return false;
    // The rows are split a little below the middle of the picture, the upper band being drawn here at once and
    // the lower one once the other thread has woken (measured best at about 55 to 45); each band reaches the
    // image's edge on its side, as metafiles may draw past their frame.
    const int middle = area.top() + area.height() * 11 / 20;
    const Band upper{0, middle}, lower{middle, image->height()};

    // The lower band: a painter of its own on an image sharing the memory, set up like the caller's (its state
    // copied here, before the caller's painter is used for the upper band).
    QImage shared(image->bits(), image->width(), image->height(), image->bytesPerLine(), image->format());
    const QPainter::RenderHints hints = painter.renderHints();
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush(), background = painter.background();
    const QFont font = painter.font();
    const Qt::BGMode backgroundMode = painter.backgroundMode();
    const QPointF brushOrigin = painter.brushOrigin();
    const Qt::LayoutDirection direction = painter.layoutDirection();
    const QTransform world = painter.worldTransform();
    // Whatever stops either band (memory running out) is handed on once both have ended.
    std::exception_ptr lowerFailed;
    const auto lowerBand = [&] {
        try {
            QPainter other(&shared);
            other.setRenderHints(hints);
            other.setPen(pen);
            other.setBrush(brush);
            other.setFont(font);
            other.setBackground(background);
            other.setBackgroundMode(backgroundMode);
            other.setBrushOrigin(brushOrigin);
            other.setLayoutDirection(direction);
            other.setWorldTransform(world);
            PlayBand(bytes, info, other, target, lower, shared.width());
        } catch (...) {
            lowerFailed = std::current_exception();
        }
    };
    // The second band goes to a thread kept for it, whose fonts stay loaded from one picture to the next (a
    // picture being drawn elsewhere at the same time has its band drawn first; no band waits on anything).
    QSemaphore lowerDone;
    BandThread().start([&] {
        lowerBand();
        lowerDone.release();
    });
    std::exception_ptr upperFailed;
    try {
        PlayBand(bytes, info, painter, target, upper, image->width());
    } catch (...) {
        upperFailed = std::current_exception();
    }
    lowerDone.acquire();
    if (upperFailed)
        std::rethrow_exception(upperFailed);
    if (lowerFailed)
        std::rethrow_exception(lowerFailed);
    return true;
}

} // namespace

bool LooksLikeMetafile(const QByteArray& bytes)
{
    if (bytes.size() < 18)
        return false;
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint32>(b) == 0x9AC6CDD7u)
        return true;
    if (bytes.size() >= 44 && qFromLittleEndian<quint32>(b) == 1 && qFromLittleEndian<quint32>(b + 40) == 0x464D4520)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(b);
    return (type == 1 || type == 2) && qFromLittleEndian<quint16>(b + 2) == 9 &&
           (qFromLittleEndian<quint16>(b + 4) == 0x0300 || qFromLittleEndian<quint16>(b + 4) == 0x0100);
}

bool ReadInfo(const QByteArray& bytes, Info* info, QString* error)
{
    QString ignored;
    QString* why = error ? error : &ignored;
    if (bytes.size() >= 44 && qFromLittleEndian<quint32>(bytes.constData()) == 1)
        return ReadEmfInfo(bytes, info, why);
    return ReadWmfInfo(bytes, info, why);
}

void Play(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target)
{
    if (!PlayInBands(bytes, info, painter, target))
        PlayOne(bytes, info, painter, target, {});
}

QByteArray PlaceableMetafile(const QByteArray& bytes)
{
    Info info;
    QString error;
    if (!ReadInfo(bytes, &info, &error) || info.format != Format::Wmf || info.placeable)
        return bytes;
    // The box in the window's units and the units per inch that give the size found.
    const QRectF box = info.frame.normalized();
    auto clamp16 = [](double v) { return qint16(std::clamp(std::lround(v), -32768L, 32767L)); };
    const double inch = box.width() > 0 ? std::lround(box.width() * 96 / std::max(info.size.width(), 1)) : 96;
    quint16 words[11] = {};
    qToLittleEndian<quint32>(0x9AC6CDD7u, words);
    words[3] = quint16(clamp16(box.left()));
    words[4] = quint16(clamp16(box.top()));
    words[5] = quint16(clamp16(box.right()));
    words[6] = quint16(clamp16(box.bottom()));
    words[7] = quint16(std::clamp(inch, 1.0, 65535.0));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(&words[i]);
    words[10] = checksum;
    QByteArray out(reinterpret_cast<const char*>(words), 22);
    for (int i = 3; i < 11; ++i)
        qToLittleEndian<quint16>(words[i], out.data() + i * 2);
    out.append(bytes);
    return out;
}

} // namespace qm::metafile

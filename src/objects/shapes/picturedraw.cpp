// SPDX-License-Identifier: GPL-3.0-or-later
// TKImage: drawing the picture on screen, in pictures and on paper, and its right-click commands.
#include "objects/shapes/picture.h"

#include "pictures/pictures.h"
#include "objects/shapes/picturecache.h"
#include "model/cardrender.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <list>
#include <mutex>

namespace qm {

// Vector art once read (bitmaps are decoded at the size drawn, kept in the shared cache of decoded
// pictures), and the picture as last drawn for the screen at the box's size: a repaint only copies it.
struct TKImage::DrawCache
{
    TPicture picture; // vector art or nothing; null for a bitmap
    bool decoded = false;
    bool bitmap = false;
    QImage drawn;
    bool drawnFlip = false;
    bool drawnReverse = false;
};

namespace {

// The largest box whose drawing is kept for repaints: a card at 150 % with room to spare.
constexpr int kMaxKeptSide = 2048;

// On paper a bitmap is decoded for 600 dots per inch at the box's size (the card has 96 units to the inch):
// sharp on any printer, and bounded whatever the picture's own size.
constexpr double kPaperPixelsPerUnit = 600.0 / 96.0;

// The pixels a picture drawn over the box needs on the painter's device, along the box's own sides.
QSize DevicePixels(const QPainter& painter, QSize box)
{
    const QTransform t = painter.deviceTransform();
    const double sx = std::hypot(t.m11(), t.m12());
    const double sy = std::hypot(t.m21(), t.m22());
    const auto side = [](double length) { return int(std::clamp(std::ceil(length), 1.0, 1e6)); };
    return {side(box.width() * sx), side(box.height() * sy)};
}

// A bitmap copied with its rows and columns reversed by Flip and Reverse.
QImage Mirrored(const QImage& image, bool reverse, bool flip)
{
    if (!reverse && !flip)
        return image;
    return image.mirrored(reverse, flip);
}

// Pictures drawn for the screen, shared by every object that shows the same stored graphic at the same size
// and mirroring. Undo, redo, paste, clone and reopening a card make new objects, and zooming back returns
// to an earlier size: they find the drawing here instead of replaying a metafile again. The least recently
// used go first once the drawings exceed the limit.
class TDrawnPictures
{
public:
    QImage Find(const QByteArray& graphic, QSize size, bool flip, bool reverse)
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        for (auto it = mEntries.begin(); it != mEntries.end(); ++it) {
            if (it->image.size() == size && it->flip == flip && it->reverse == reverse && it->graphic == graphic) {
                mEntries.splice(mEntries.begin(), mEntries, it);
                return it->image;
            }
        }
        return QImage();
    }

    void Keep(const QByteArray& graphic, const QImage& image, bool flip, bool reverse)
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        mEntries.push_front({graphic, image, flip, reverse});
        mBytes += image.sizeInBytes();
        while (mBytes > kMaxBytes && mEntries.size() > 1) {
            mBytes -= mEntries.back().image.sizeInBytes();
            mEntries.pop_back();
        }
    }

private:
    // Room for a dozen pictures the size of a whole card at 150 %.
    static constexpr qint64 kMaxBytes = 48 << 20;
    struct Entry
    {
        QByteArray graphic; // the stored graphic, shared with the object that drew it
        QImage image;
        bool flip;
        bool reverse;
    };
    std::mutex mMutex;
    std::list<Entry> mEntries;
    qint64 mBytes = 0;
};

TDrawnPictures& DrawnPictures()
{
    static TDrawnPictures drawings;
    return drawings;
}

void DrawBitmap(QPainter& painter, const QImage& image, const QRectF& box)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(box, image);
    painter.restore();
}

} // namespace

TKImage::TKImage()
{
    mPicture.OnChange = [this] { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TKImage::~TKImage() = default;

void TKImage::DropDrawCache() { mCache.reset(); }

TPicture TKImage::Drawable(QSize pixels) const
{
    if (!mCache)
        mCache = std::make_unique<DrawCache>();
    if (mCache->decoded && !mCache->bitmap)
        return mCache->picture;
    const TPicture picture = DecodedPictures::Shared().Find(mPicture, pixels);
    mCache->decoded = true;
    mCache->bitmap = picture.GetKind() == TPicture::Kind::Bitmap;
    // Vector art holds only its bytes and is kept; a bitmap stays in the shared cache alone.
    mCache->picture = mCache->bitmap ? TPicture() : picture;
    return picture;
}

void TKImage::Draw(QPainter& painter, const RenderContext& context) const
{
    const QRect box(0, 0, Width(), Height());
    if (box.isEmpty())
        return;
    // The size a bitmap is decoded at: the pixels the box covers (on paper 600 per inch); vector art draws
    // at any size.
    const bool kept = !context.OnPaper() && box.width() <= kMaxKeptSide && box.height() <= kMaxKeptSide;
    const QSize pixels = context.OnPaper()
                             ? QSize(int(std::ceil(box.width() * kPaperPixelsPerUnit)),
                                     int(std::ceil(box.height() * kPaperPixelsPerUnit)))
                             : kept ? box.size() : DevicePixels(painter, box.size());
    const TPicture picture = Drawable(pixels);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (picture.IsNull()) {
        // No picture (or one that cannot be read): a white box with a black frame, which never prints.
        if (!context.OnPaper()) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::white);
            painter.drawRect(0, 0, box.width() - 1, box.height() - 1);
        }
    } else {
        // Only bitmaps mirror; icons and vector art are drawn as they are.
        const bool bitmap = picture.GetKind() == TPicture::Kind::Bitmap;
        const bool reverse = bitmap && IsBitmap() && mReverse;
        const bool flip = bitmap && IsBitmap() && mFlip;
        if (context.OnPaper()) {
            if (bitmap)
                DrawBitmap(painter, Mirrored(picture.Image(), reverse, flip), box);
            else
                picture.Draw(painter, box);
        } else if (!kept) {
            // A box far larger than any card (a damaged file) is drawn as it is, never kept.
            if (bitmap)
                DrawBitmap(painter, Mirrored(picture.Image(), reverse, flip), box);
            else
                picture.Draw(painter, box);
        } else {
            DrawCache& cache = *mCache;
            if (cache.drawn.size() != box.size() || cache.drawnFlip != flip || cache.drawnReverse != reverse) {
                const QByteArray graphic = mPicture.Data();
                cache.drawn = DrawnPictures().Find(graphic, box.size(), flip, reverse);
                if (cache.drawn.isNull()) {
                    cache.drawn = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
                    cache.drawn.fill(Qt::transparent);
                    QPainter p(&cache.drawn);
                    if (bitmap) {
                        DrawBitmap(p, Mirrored(picture.Image(), reverse, flip), box);
                    } else {
                        p.setRenderHint(QPainter::Antialiasing, true);
                        picture.Draw(p, box);
                    }
                    p.end();
                    DrawnPictures().Keep(graphic, cache.drawn, flip, reverse);
                }
                cache.drawnFlip = flip;
                cache.drawnReverse = reverse;
            }
            painter.drawImage(0, 0, cache.drawn);
        }
    }
    if (mBorderStyle == bsSingle) {
        painter.setBrush(Qt::NoBrush);
        if (context.OnPaper()) {
            // On paper the frame runs along the box, one pixel of the card wide.
            painter.setPen(QPen(Qt::black, 1));
            painter.drawRect(QRectF(0.5, 0.5, box.width() - 1, box.height() - 1));
        } else {
            painter.setPen(QPen(Qt::black, 0));
            painter.drawRect(0, 0, box.width() - 1, box.height() - 1);
        }
    }
    painter.restore();
}

bool TKImage::LoadImageFromDisk()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    QByteArray graphicClass;
    QByteArray fileBytes;
    bool stretch = mStretch;
    bool autoSize = mAutoSize;
    if (!dialogs->LoadImageFile(graphicClass, fileBytes, stretch, autoSize) || graphicClass.isEmpty())
        return false;
    // Both options are taken as the browser left them (it never checks both).
    mStretch = stretch;
    mAutoSize = autoSize;
    mPicture.SetGraphic(graphicClass, fileBytes);
    PictureChanged();
    NotifyChanged();
    return true;
}

void TKImage::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Load Image From Disk"), [this] { LoadImageFromDisk(); });
    m.AddSeparator();
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"),
                   [this] { SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle); });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Stretch to Fit"), [this] {
        SetStretch(!mStretch);
        NotifyChanged();
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "AutoSize"), [this] { SetAutoSize(!mAutoSize); });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Flip"), [this] { SetFlip(!mFlip); });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Reverse"), [this] { SetReverse(!mReverse); });
    UpdatePopupMenu();
}

void TKImage::UpdatePopupMenu()
{
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    const auto set = [m](const char* caption, bool checked, bool enabled) {
        if (QAction* a = m->Find(QLatin1String(caption))) {
            a->setChecked(checked);
            a->setEnabled(enabled);
        }
    };
    set("Border", mBorderStyle == bsSingle, true);
    set("Stretch to Fit", mStretch, true);
    set("AutoSize", mAutoSize, true);
    set("Flip", mFlip, IsBitmap());
    set("Reverse", mReverse, IsBitmap());
}

} // namespace qm

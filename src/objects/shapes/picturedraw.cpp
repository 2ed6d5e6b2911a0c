// TKImage: drawing the picture on screen, in pictures and on paper, and its right-click commands.
#include "objects/shapes/picture.h"

#include "pictures/pictures.h"
#include "model/cardrender.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>
#include <QPainter>

#include <list>
#include <mutex>

namespace qm {

// The decoded picture, and the picture as last drawn for the screen at the box's size: a repaint only
// copies it.
struct TKImage::DrawCache
{
    TPicture picture;
    bool decoded = false;
    QImage drawn;
    bool drawnFlip = false;
    bool drawnReverse = false;
};

namespace {

// The largest box whose drawing is kept for repaints: a card at 150 % with room to spare.
constexpr int kMaxKeptSide = 2048;

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

const TPicture& TKImage::Drawable() const
{
    if (!mCache)
        mCache = std::make_unique<DrawCache>();
    if (!mCache->decoded) {
        mCache->decoded = true;
        if (mPicture.HasGraphic())
            mCache->picture = PictureFromGraphic(mPicture);
    }
    return mCache->picture;
}

void TKImage::Draw(QPainter& painter, const TRenderContext& context) const
{
    const QRect box(0, 0, Width(), Height());
    if (box.isEmpty())
        return;
    const TPicture& picture = Drawable();
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
        } else if (box.width() > kMaxKeptSide || box.height() > kMaxKeptSide) {
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
    m.AddItem(QStringLiteral("Load Image From Disk"), [this] { LoadImageFromDisk(); });
    m.AddSeparator();
    m.AddCheckItem(QStringLiteral("Border"), [this] { SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle); });
    m.AddCheckItem(QStringLiteral("Stretch to Fit"), [this] {
        SetStretch(!mStretch);
        NotifyChanged();
    });
    m.AddCheckItem(QStringLiteral("AutoSize"), [this] { SetAutoSize(!mAutoSize); });
    m.AddCheckItem(QStringLiteral("Flip"), [this] { SetFlip(!mFlip); });
    m.AddCheckItem(QStringLiteral("Reverse"), [this] { SetReverse(!mReverse); });
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

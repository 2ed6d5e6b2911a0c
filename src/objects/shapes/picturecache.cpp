// SPDX-License-Identifier: GPL-3.0-or-later
// The shared cache of decoded pictures: looked up by stored graphic and size, trimmed by bytes.
#include "objects/shapes/picturecache.h"

#include "model/subobjects.h"

namespace qm {

DecodedPictures& DecodedPictures::Shared()
{
    static DecodedPictures pictures(256LL << 20);
    return pictures;
}

TPicture DecodedPictures::Find(const StoredPicture& graphic, QSize pixels)
{
    if (!graphic.HasGraphic())
        return {};
    const QByteArray data = graphic.Data();
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        for (auto it = mEntries.begin(); it != mEntries.end(); ++it) {
            if (it->pixels == pixels && it->graphic.size() == data.size() &&
                (it->graphic.constData() == data.constData() || it->graphic == data)) {
                mEntries.splice(mEntries.begin(), mEntries, it);
                return it->picture;
            }
        }
    }
    // Decoded outside the lock; a picture drawn twice at once is decoded twice, once kept.
    const TPicture picture = PictureFromGraphicAt(graphic.GraphicClass(), graphic.GraphicBytes(), pixels);
    if (picture.GetKind() != TPicture::Kind::Bitmap)
        return picture;
    const qint64 bytes = picture.Image().sizeInBytes();
    const std::lock_guard<std::mutex> lock(mMutex);
    mEntries.push_front({data, pixels, picture, bytes});
    mBytes += bytes;
    // The least recently drawn go first; the one just decoded stays even when it alone is over the limit.
    while (mBytes > mMaxBytes && mEntries.size() > 1) {
        mBytes -= mEntries.back().bytes;
        mEntries.pop_back();
    }
    return picture;
}

qint64 DecodedPictures::Bytes() const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mBytes;
}

void DecodedPictures::Clear()
{
    const std::lock_guard<std::mutex> lock(mMutex);
    mEntries.clear();
    mBytes = 0;
}

} // namespace qm

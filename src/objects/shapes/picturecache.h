// SPDX-License-Identifier: GPL-3.0-or-later
// Decoded pictures shared by every picture object: bitmaps at the size they are drawn, bounded in bytes.
#pragma once

#include "pictures/pictures.h"

#include <QByteArray>
#include <QSize>

#include <list>
#include <mutex>

namespace qm {

class StoredPicture;

// Bitmaps decoded at the size they are drawn (never larger than their own), kept for the next drawing of
// the same graphic at the same size. Together they hold at most about maxBytes: the least recently drawn
// go first, so that a card of many large pictures exports and prints in bounded memory. Vector pictures
// are decoded for the caller to keep (they hold only their bytes) and never kept here.
class DecodedPictures
{
public:
    explicit DecodedPictures(qint64 maxBytes) : mMaxBytes(maxBytes) {}
    // The one every picture object draws from: 256 MB.
    static DecodedPictures& Shared();

    // The stored graphic ready to draw at `pixels` (device pixels for the whole picture); a null picture
    // when there is none or it cannot be read.
    TPicture Find(const StoredPicture& graphic, QSize pixels);
    // The bytes of the bitmaps kept.
    qint64 Bytes() const;
    void Clear();

private:
    struct Entry
    {
        QByteArray graphic; // the stored data, shared with the object that drew it
        QSize pixels;       // as asked for
        TPicture picture;
        qint64 bytes;
    };
    const qint64 mMaxBytes;
    mutable std::mutex mMutex;
    std::list<Entry> mEntries; // most recently drawn first
    qint64 mBytes = 0;
};

} // namespace qm

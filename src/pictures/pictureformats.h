// SPDX-License-Identifier: GPL-3.0-or-later
// The picture formats read from files: bitmaps, JPEG, GIF, PNG, icons and Targa through Qt's readers, PCX,
// Windows and enhanced metafiles, and SVG, each recognised by its content.
#pragma once

#include "pictures/pictures.h"
#include "platform/fileformat.h"

#include <memory>
#include <vector>

namespace qm {

class TPictureFormat : public FileReader<TPicture>
{
public:
    using Check = bool (*)(const QByteArray& bytes);
    // canRead looks at a file's first bytes; whole says whether a file's bytes are all there (null: the reader
    // finds out).
    TPictureFormat(const QString& name, const QStringList& extensions, bool vector, Check canRead, Check whole);

    QString Name() const override { return mName; }
    QStringList Extensions() const override { return mExtensions; }
    bool CanRead(const QByteArray& head) const override { return mCanRead(head); }
    // Vector art (metafiles, SVG) rather than a bitmap.
    bool IsVector() const { return mVector; }
    bool Read(const QString& path, TPicture& into) override;
    // The same for a file's bytes already read; name is the file's name, for messages.
    bool ReadBytes(const QByteArray& bytes, const QString& name, TPicture& into);

private:
    QString mName;
    QStringList mExtensions;
    bool mVector;
    Check mCanRead;
    Check mWhole;
};

// Every picture format, bitmaps first (new objects each time: a format keeps the error of its last read).
std::vector<std::unique_ptr<TPictureFormat>> PictureFormats();
// The bitmap formats only (textures are bitmaps).
std::vector<std::unique_ptr<TPictureFormat>> BitmapFormats();

// Signatures shared with the picture reader.
bool LooksLikeSvg(const QByteArray& bytes);
// A device-independent bitmap without its file header (a packed DIB, as clipboards keep it).
bool LooksLikePackedDib(const QByteArray& bytes);

} // namespace qm

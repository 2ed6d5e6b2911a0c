// SPDX-License-Identifier: GPL-3.0-or-later
// "Load Texture Image": masks, start folders and reading the chosen texture into a card's bitmap.
#include "objects/texturebrowser.h"

#include "objects/shapes/surfacefill.h"
#include "pictures/pictureformats.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace qm {

QStringList TextureFileMasks()
{
    return AllMasks(BitmapFormats());
}

QStringList TextureStartFolders()
{
    return {ProgramFile(QStringLiteral("bmbrush")), ProgramFile(QStringLiteral("Textures")), ProgramFolder()};
}

bool TextureChoice::Select(const QString& path)
{
    Clear();
    const QFileInfo info(path);
    // A named pipe or device is not read at all, and a file larger than any texture is not read either.
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return false;
    const QImage picture = DecodeTexture(bytes);
    if (picture.isNull())
        return false;
    // A card keeps textures as bitmaps, so every reader of card files can draw them.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return false;
    mFile = info.absoluteFilePath();
    mPicture = picture;
    mBitmap.SetFileBytes(bmp);
    return true;
}

void TextureChoice::Clear()
{
    mFile.clear();
    mPicture = QImage();
    mBitmap.Clear();
}

} // namespace qm

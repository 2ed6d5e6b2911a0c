// SPDX-License-Identifier: GPL-3.0-or-later
// The "Load Image File " browser's file masks, options and preview.
#include "objects/imagebrowser.h"

#include "pictures/pictureformats.h"
#include "pictures/pictures.h"
#include "objects/picturebrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace qm {

namespace {

// Files larger than this are no clip art: they are refused unread.
constexpr qint64 kMaxImageFileBytes = 64 * 1024 * 1024;

// Thumbnails are made for files up to this size; a folder of photographs still opens at once.
// The largest preview drawn, a side.
constexpr int kMaxPreviewSide = 1600;

constexpr qint64 kMaxThumbnailFileBytes = 4 * 1024 * 1024;

} // namespace

QStringList ImageFileMasks()
{
    // Bitmaps, icons and metafiles as ever, and the PNG, GIF and SVG pictures of today.
    return AllMasks(PictureFormats());
}

bool IsImageFileName(const QString& fileName) { return MatchesPictureMasks(fileName, ImageFileMasks()); }

QImage PictureThumbnail(const QString& path, int side)
{
    const QFileInfo info(path);
    if (side < 1 || !info.isFile() || info.size() > kMaxThumbnailFileBytes)
        return QImage();
    const TPicture picture = ReadPictureFile(path);
    const QSize size = picture.Size();
    if (picture.IsNull() || size.isEmpty())
        return QImage();
    const QSize fitted = size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage thumbnail(side, side, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    picture.Draw(painter, QRectF(QPointF((side - fitted.width()) / 2.0, (side - fitted.height()) / 2.0), QSizeF(fitted)));
    return thumbnail;
}

void ImageChoice::SetStretch(bool value)
{
    mStretch = value;
    if (value)
        mAutoSize = false;
}

void ImageChoice::SetAutoSize(bool value)
{
    mAutoSize = value;
    if (value)
        mStretch = false;
}

void ImageChoice::ClearSelection()
{
    mFile.clear();
    mGraphicClass.clear();
    mFileBytes.clear();
    mPicture = QImage();
    mPictureSize = QSize();
}

bool ImageChoice::Select(const QString& path)
{
    ClearSelection();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxImageFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    StoredGraphic stored;
    if (!GraphicFromFile(bytes, info.fileName(), &stored))
        return false;
    const TPicture picture = PictureFromGraphic(stored.graphicClass, stored.fileBytes);
    const QSize size = picture.Size();
    if (picture.IsNull() || size.isEmpty())
        return false;
    // The preview of a very large picture is made smaller; the picture itself keeps its size.
    const QSize shown = size.width() > kMaxPreviewSide || size.height() > kMaxPreviewSide
                            ? size.scaled(kMaxPreviewSide, kMaxPreviewSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))
                            : size;
    mPictureSize = size;
    mPicture = QImage(shown, QImage::Format_RGB32);
    mPicture.fill(Qt::white);
    QPainter painter(&mPicture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    picture.Draw(painter, QRectF(QPointF(0, 0), QSizeF(shown)));
    painter.end();
    mFile = info.absoluteFilePath();
    mGraphicClass = stored.graphicClass;
    mFileBytes = stored.fileBytes;
    return true;
}

QImage ImageChoice::Preview() const
{
    if (mPicture.isNull())
        return QImage();
    if (mStretch && !mAutoSize)
        return mPicture.scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return mPicture;
}

} // namespace qm

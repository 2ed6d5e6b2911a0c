// SPDX-License-Identifier: GPL-3.0-or-later
// The picture browser's folder: listing, masks, going up and down, selection; and file thumbnails.
#include "objects/picturebrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace qm {

namespace {

// Thumbnails are made of files up to this size, and of pictures up to this many pixels: a folder of
// photographs or a hostile file still opens at once.
constexpr qint64 kMaxThumbnailFileBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxThumbnailPixels = qint64(1) << 26;

void SortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

QString CleanFolder(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

bool MatchesPictureMasks(const QString& fileName, const QStringList& masks)
{
    for (const QString& mask : masks) {
        const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(
                                             mask, QRegularExpression::UnanchoredWildcardConversion),
                                         QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = pattern.match(fileName);
        if (match.hasMatch() && match.capturedStart() == 0 && match.capturedLength() == fileName.size())
            return true;
    }
    return false;
}

QImage PictureFileThumbnail(const QString& path, int side)
{
    const QFileInfo info(path);
    if (side < 1 || !info.isFile() || info.size() > kMaxThumbnailFileBytes)
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > kMaxThumbnailPixels)
        return QImage();
    const QSize fitted = size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Pictures smaller than the thumbnail keep their own size; larger ones are read scaled where the
    // reader can (JPEG), which is much quicker.
    if (size.width() > side || size.height() > side)
        reader.setScaledSize(fitted);
    const QImage picture = reader.read();
    if (picture.isNull())
        return QImage();
    const QSize shown = size.width() > side || size.height() > side ? fitted : size;
    QImage thumbnail(side, side, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(QPoint((side - shown.width()) / 2, (side - shown.height()) / 2), shown), picture);
    return thumbnail;
}

TPictureFolder::TPictureFolder(const QStringList& masks) : mMasks(masks)
{
    mFolder = CleanFolder(QDir::currentPath());
}

bool TPictureFolder::Open(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString clean = CleanFolder(folder);
    const QDir dir(clean);
    if (!QFileInfo(clean).isDir() || !dir.isReadable())
        return false;
    QStringList subFolders, files;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        if (entry.isDir())
            subFolders << name;
        else if (entry.isFile() && MatchesPictureMasks(name, mMasks))
            files << name;
    }
    SortNames(subFolders);
    SortNames(files);
    if (clean != mFolder || !files.contains(mSelected))
        mSelected.clear();
    mFolder = clean;
    mSubFolders = subFolders;
    mFiles = files;
    return true;
}

bool TPictureFolder::OpenFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !MatchesPictureMasks(info.fileName(), mMasks))
        return false;
    const TPictureFolder saved = *this;
    if (!Open(info.absolutePath()) || !Select(info.fileName())) {
        *this = saved;
        return false;
    }
    return true;
}

bool TPictureFolder::OpenFirst(const QStringList& folders)
{
    for (const QString& folder : folders)
        if (Open(folder))
            return true;
    return false;
}

bool TPictureFolder::Down(const QString& subFolder)
{
    if (!mSubFolders.contains(subFolder))
        return false;
    return Open(mFolder + (mFolder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + subFolder);
}

bool TPictureFolder::Up()
{
    QDir dir(mFolder);
    if (!dir.cdUp())
        return false;
    return Open(dir.absolutePath());
}

void TPictureFolder::Refresh()
{
    const QString folder = mFolder;
    if (!Open(folder)) {
        // The folder went away: show nothing in it rather than what it held.
        mSubFolders.clear();
        mFiles.clear();
        mSelected.clear();
    }
}

bool TPictureFolder::Select(const QString& fileName)
{
    if (!mFiles.contains(fileName)) {
        mSelected.clear();
        return false;
    }
    mSelected = fileName;
    return true;
}

QString TPictureFolder::SelectedFile() const
{
    if (mSelected.isEmpty())
        return QString();
    return QDir(mFolder).filePath(mSelected);
}

} // namespace qm

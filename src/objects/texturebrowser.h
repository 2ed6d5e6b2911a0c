// SPDX-License-Identifier: GPL-3.0-or-later
// What "Load Texture Image" lists, where it opens and how it reads the texture chosen, apart from its window.
#pragma once

#include "model/subobjects.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

namespace qm {

// The texture file masks: the bitmap, JPEG, PCX, Targa and icon files of old, and PNG and GIF.
QStringList TextureFileMasks();

// Where the browser opens when no texture was chosen before: the data folder's "bmbrush", else its
// "Textures", else the data folder.
QStringList TextureStartFolders();

// The texture read from the file selected in the browser.
class TextureChoice
{
public:
    static QString LoadError()
    {
        return QCoreApplication::translate("qm::ImageChoice", "Error loading file!");
    }
    // Files larger than this are refused unread.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    // Reads a texture file. False, with no texture held, when it is no regular file, is larger than
    // kMaxFileBytes, cannot be decoded, or claims a size no texture has (DecodeTexture).
    bool Select(const QString& path);
    void Clear();

    bool HasTexture() const { return !mPicture.isNull(); }
    // The file read; empty when none was read.
    QString SelectedFile() const { return mFile; }
    // The texture as a card stores it: a bitmap file, whatever the file's own format was.
    const TKBitmap& Bitmap() const { return mBitmap; }
    const QImage& Picture() const { return mPicture; }

private:
    QString mFile;
    TKBitmap mBitmap;
    QImage mPicture;
};

} // namespace qm

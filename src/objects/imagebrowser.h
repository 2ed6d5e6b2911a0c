// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Load Image File " browser lists and previews, apart from its window.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qm {

// The file masks of the browser's file list ("*.bmp", ...), matched without regard to case.
QStringList ImageFileMasks();
// True when a file name ends in one of the masks' extensions (the last extension counts).
bool IsImageFileName(const QString& fileName);

// A thumbnail of a picture file: the picture fitted into side x side, its shape kept, on white. Null when the
// file cannot be read (or is too large to be worth a thumbnail).
QImage PictureThumbnail(const QString& path, int side);

// The browser's choice: the selected file read as a card stores it, and the Stretch and AutoSize options,
// which exclude each other (either may also be off).
class ImageChoice
{
public:
    // The preview box of the browser.
    static constexpr int kPreviewWidth = 218;
    static constexpr int kPreviewHeight = 203;
    static QString LoadError()
    {
        return QCoreApplication::translate("qm::ImageChoice", "Error loading file!");
    }

    bool Stretch() const { return mStretch; }
    bool AutoSize() const { return mAutoSize; }
    // Checking one option unchecks the other.
    void SetStretch(bool value);
    void SetAutoSize(bool value);

    // Reads the file selected in the list. False, with no picture selected, when it cannot be read.
    bool Select(const QString& path);
    void ClearSelection();
    bool HasPicture() const { return !mGraphicClass.isEmpty(); }
    QString SelectedFile() const { return mFile; }
    QByteArray GraphicClass() const { return mGraphicClass; }
    QByteArray FileBytes() const { return mFileBytes; }
    // The picture's own size in pixels; empty when none is selected.
    QSize PictureSize() const { return mPictureSize; }

    // The preview as shown: stretched over the box with Stretch on and AutoSize off, else at the picture's
    // own size (the box scrolls; a very large picture is shown smaller). Null when nothing is selected.
    QImage Preview() const;

private:
    bool mStretch = true;
    bool mAutoSize = false;
    QString mFile;
    QByteArray mGraphicClass;
    QByteArray mFileBytes;
    QSize mPictureSize;
    QImage mPicture; // drawn at its own size (at most 1600 a side), white behind it
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TPictureBrowser: the folder and file lists of the program's picture browsers (textures, clip art,
// background art). The dialog that uses it supplies the preview and the buttons.
#pragma once

#include "objects/picturebrowser.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QHBoxLayout;

namespace qm {

// Laid out as: the folder's path (typed paths open on Enter) with shortcut buttons beside it; below, the
// folder list ("..", then the sub-folders; a double-click or Enter goes there), the file list with a
// thumbnail of each picture, and the caller's preview widget, if any, on the right.
//
// Usage:
//     auto* browser = new TPictureBrowser({"*.bmp", "*.png"}, previewWidget, dialog);
//     browser->AddShortcut("Textures", ProgramFile("bmbrush"));
//     browser->OnFileSelected = [&](const QString& path) { ...show path in the preview... };
//     browser->OnFileActivated = [&](const QString&) { dialog->accept(); };
//     if (!browser->OpenFile(lastFile)) browser->OpenFirst({ProgramFile("bmbrush"), ...});
class TPictureBrowser : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(qm::TPictureBrowser)

public:
    static constexpr int kThumbnailSide = 64;

    TPictureBrowser(const QStringList& masks, QWidget* preview = nullptr, QWidget* parent = nullptr);

    // A button beside the path that opens a folder ("Home" is there from the start).
    void AddShortcut(const QString& caption, const QString& folder);
    // How a file's thumbnail is made (default: PictureFileThumbnail); a null picture shows no thumbnail.
    void SetThumbnailer(std::function<QImage(const QString& path, int side)> thumbnailer);

    // As TPictureFolder's, and the lists follow. A folder that cannot be opened leaves everything as it was.
    bool OpenFolder(const QString& folder);
    bool OpenFile(const QString& path);
    bool OpenFirst(const QStringList& folders);

    QString Folder() const { return mFolder.Folder(); }
    // The full path of the selected file; empty when none is.
    QString SelectedFile() const { return mFolder.SelectedFile(); }
    const TPictureFolder& Contents() const { return mFolder; }

    // A file was selected in the list (its full path), or the selection went (empty).
    std::function<void(const QString& path)> OnFileSelected;
    // A file was double-clicked or Enter pressed on it.
    std::function<void(const QString& path)> OnFileActivated;
    // Another folder is shown.
    std::function<void(const QString& folder)> OnFolderChanged;

    QLineEdit* PathEdit() const { return mPath; }
    QListWidget* FolderList() const { return mFolderList; }
    QListWidget* FileList() const { return mFileList; }
    // Makes the thumbnails still missing at once (they are otherwise made a few at a time, after the lists
    // show).
    void FinishThumbnails();

private:
    void ShowFolder();
    void FolderActivated(QListWidgetItem* item);
    void FileSelectionChanged();
    void MakeSomeThumbnails();

    TPictureFolder mFolder;
    std::function<QImage(const QString&, int)> mThumbnailer;
    QLineEdit* mPath = nullptr;
    QHBoxLayout* mShortcuts = nullptr;
    QListWidget* mFolderList = nullptr;
    QListWidget* mFileList = nullptr;
    QTimer mThumbnailTimer;
    int mNextThumbnail = 0;
};

} // namespace qm

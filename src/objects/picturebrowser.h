// SPDX-License-Identifier: GPL-3.0-or-later
// The folder a picture browser shows: its sub-folders, its picture files and the file selected, apart from
// any window, so that the texture, clip-art and background browsers share one set of rules.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace qm {

// True when the file name matches one of the masks ("*.bmp", "*.jp*g"), letters in any case.
bool MatchesPictureMasks(const QString& fileName, const QStringList& masks);

// A thumbnail of a picture file read by the picture readers of Qt: the picture fitted into side x side, its
// shape kept, centred on white. Null when the file cannot be read, or is too large (on disk or in pixels) to
// be worth reading for a thumbnail.
QImage PictureFileThumbnail(const QString& path, int side);

class TPictureFolder
{
public:
    // Masks as "*.bmp"; the folder shown is the current one until Open succeeds.
    explicit TPictureFolder(const QStringList& masks);

    // Shows a folder. False, and nothing changes, when it is not a folder that can be listed.
    bool Open(const QString& folder);
    // Shows the folder of a file and selects the file. False, and nothing changes, when that is no listed
    // picture file (missing, a folder, not matching the masks).
    bool OpenFile(const QString& path);
    // The first of the folders given that can be opened; false when none can.
    bool OpenFirst(const QStringList& folders);
    // Into a sub-folder of the one shown, by name; up to the parent (false at the root).
    bool Down(const QString& subFolder);
    bool Up();
    // Reads the folder again (files added or deleted meanwhile); the selection stays when its file does.
    void Refresh();

    // The folder shown, absolute, without a trailing "/" (except the root).
    QString Folder() const { return mFolder; }
    // Its sub-folders and its picture files (regular files matching the masks), by name, letters in any case
    // sorted together; hidden entries (names starting with ".") are left out.
    const QStringList& SubFolders() const { return mSubFolders; }
    const QStringList& Files() const { return mFiles; }
    const QStringList& Masks() const { return mMasks; }

    // Selects a file of the list by name; false (and no selection) when it is not in the list.
    bool Select(const QString& fileName);
    void ClearSelection() { mSelected.clear(); }
    // The selected file's name, and its full path; empty when none is selected.
    QString SelectedName() const { return mSelected; }
    QString SelectedFile() const;

private:
    QStringList mMasks;
    QString mFolder;
    QStringList mSubFolders;
    QStringList mFiles;
    QString mSelected;
};

} // namespace qm

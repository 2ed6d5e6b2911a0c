// SPDX-License-Identifier: GPL-3.0-or-later
// The picture browser shared by the texture, clip-art and background browsers: what a folder lists, walking
// the tree, the selection, and the widget's thumbnails and lists.
#include "objects/picturebrowser.h"
#include "objects/picturebrowser_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qm;

namespace {

const QStringList kMasks = {"*.bmp", "*.jpg", "*.png"};

void Touch(const QString& path, const QByteArray& bytes = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void SavePicture(const QString& path, int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(path));
}

// A bitmap header claiming 30,000 x 30,000 pixels, with no pixels behind it.
QByteArray HugeBitmapHeader()
{
    QByteArray b(54, '\0');
    auto put = [&](int at, quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, 54, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 30000, 4);
    put(22, 30000, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return b;
}

} // namespace

TEST(PictureFolder, ListsSubFoldersAndPicturesInAnyCaseSortedWalksTheTreeAndKeepsItsSelection)
{
    QTemporaryDir temp;
    const QString root = QDir::cleanPath(temp.path());
    for (const char* name : {"b.PNG", "A.bmp", "c.Jpg", "notes.txt", "a.bmp.txt", ".hidden.bmp", "bmp"})
        Touch(root + "/" + name);
    for (const char* name : {"Zeta", "alpha", "x.bmp", ".cache", "alpha/deeper"})
        ASSERT_TRUE(QDir(root).mkpath(name));
    Touch(root + "/alpha/inner.BMP");
    ASSERT_TRUE(QFile::link(root + "/A.bmp", root + "/link.bmp"));
    ASSERT_TRUE(QFile::link(root + "/gone.bmp", root + "/dead.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(root + "/pipe.png").constData(), 0600), 0);

    TPictureFolder folder(kMasks);
    ASSERT_TRUE(folder.Open(root + "/alpha/.."));
    EXPECT_EQ(folder.Folder(), root);
    EXPECT_EQ(folder.Files(), QStringList({"A.bmp", "b.PNG", "c.Jpg", "link.bmp"}))
        << "masks match in any case; no text files, folders, broken links, pipes or hidden files";
    EXPECT_EQ(folder.SubFolders(), QStringList({"alpha", "x.bmp", "Zeta"}));

    EXPECT_FALSE(folder.Select(QStringLiteral("notes.txt")));
    EXPECT_TRUE(folder.Select(QStringLiteral("b.PNG")));
    EXPECT_EQ(folder.SelectedFile(), root + "/b.PNG");

    // What cannot be opened changes nothing.
    EXPECT_FALSE(folder.Open(root + "/missing"));
    EXPECT_FALSE(folder.Open(root + "/A.bmp"));
    EXPECT_FALSE(folder.Open(QString()));
    EXPECT_FALSE(folder.OpenFile(root + "/notes.txt"));
    EXPECT_FALSE(folder.OpenFile(root + "/alpha/missing.bmp"));
    EXPECT_FALSE(folder.Down(QStringLiteral("missing")));
    EXPECT_EQ(folder.Folder(), root);
    EXPECT_EQ(folder.SelectedName(), QStringLiteral("b.PNG"));

    // Reading the folder again keeps the selection while its file is there.
    Touch(root + "/new.png");
    folder.Refresh();
    EXPECT_EQ(folder.Files().size(), 5);
    EXPECT_EQ(folder.SelectedName(), QStringLiteral("b.PNG"));
    ASSERT_TRUE(QFile::remove(root + "/b.PNG"));
    folder.Refresh();
    EXPECT_TRUE(folder.SelectedFile().isEmpty());

    ASSERT_TRUE(folder.Down(QStringLiteral("alpha")));
    EXPECT_EQ(folder.Folder(), root + "/alpha");
    EXPECT_EQ(folder.Files(), QStringList({"inner.BMP"}));
    EXPECT_EQ(folder.SubFolders(), QStringList({"deeper"}));
    ASSERT_TRUE(folder.Up());
    EXPECT_EQ(folder.Folder(), root);
    ASSERT_TRUE(folder.OpenFile(root + "/alpha/inner.BMP"));
    EXPECT_EQ(folder.Folder(), root + "/alpha");
    EXPECT_EQ(folder.SelectedFile(), root + "/alpha/inner.BMP");

    EXPECT_TRUE(folder.OpenFirst({root + "/missing", root + "/Zeta", root}));
    EXPECT_EQ(folder.Folder(), root + "/Zeta");
    ASSERT_TRUE(folder.Open(QStringLiteral("/")));
    EXPECT_EQ(folder.Folder(), QStringLiteral("/"));
    EXPECT_FALSE(folder.Up());
}

TEST(PictureBrowser, ThumbnailsKeepThePicturesShapeAndTheListsFollowTheFolder)
{
    QTemporaryDir temp;
    const QString root = QDir::cleanPath(temp.path());
    SavePicture(root + "/tall.png", 10, 20, 0xFFFF0000);  // smaller than a thumbnail: its own size
    SavePicture(root + "/wide.bmp", 200, 100, 0xFF0000FF); // larger: fitted, its shape kept
    Touch(root + "/broken.png", "not a picture");
    Touch(root + "/huge.bmp", HugeBitmapHeader());
    ASSERT_TRUE(QDir(root).mkdir("sub"));
    SavePicture(root + "/sub/inside.jpg", 8, 8, 0xFF00FF00);

    auto* preview = new QWidget; // the browser takes it
    TPictureBrowser browser(kMasks, preview);
    EXPECT_EQ(preview->parentWidget(), &browser) << "the caller's preview is laid out in the browser";
    QStringList selected, folders;
    browser.OnFileSelected = [&](const QString& path) { selected << path; };
    browser.OnFolderChanged = [&](const QString& folder) { folders << folder; };
    ASSERT_TRUE(browser.OpenFolder(root));
    browser.FinishThumbnails();

    QListWidget* files = browser.FileList();
    ASSERT_EQ(files->count(), 4);
    auto thumbnail = [&](int row) {
        const int side = TPictureBrowser::kThumbnailSide;
        return files->item(row)->icon().pixmap(side, side).toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("broken.png"));
    EXPECT_EQ(thumbnail(0).pixel(32, 32), 0xFFFFFFFFu) << "a file that is no picture keeps a blank one";
    EXPECT_EQ(thumbnail(1).pixel(32, 32), 0xFFFFFFFFu) << "a picture claiming 30,000 pixels a side is not read";
    const QImage tall = thumbnail(2), wide = thumbnail(3);
    ASSERT_EQ(tall.size(), QSize(64, 64));
    EXPECT_EQ(tall.pixel(32, 32), 0xFFFF0000u);
    EXPECT_EQ(tall.pixel(32, 21), 0xFFFFFFFFu) << "10 x 20 stays 10 x 20, centred (rows 22 to 41)";
    EXPECT_EQ(tall.pixel(26, 32), 0xFFFFFFFFu) << "columns 27 to 36";
    EXPECT_EQ(wide.pixel(2, 32), 0xFF0000FFu);
    EXPECT_EQ(wide.pixel(32, 14), 0xFFFFFFFFu) << "200 x 100 becomes 64 x 32, centred (rows 16 to 47)";
    EXPECT_EQ(wide.pixel(32, 18), 0xFF0000FFu);

    files->item(2)->setSelected(true);
    EXPECT_EQ(browser.SelectedFile(), root + "/tall.png");
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_EQ(selected.last(), root + "/tall.png");

    // Folders: ".." then the sub-folders; activating one opens it once the list is done with it.
    QListWidget* list = browser.FolderList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral(".."));
    emit list->itemActivated(list->item(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(browser.Folder(), root + "/sub");
    EXPECT_EQ(folders.last(), root + "/sub");
    EXPECT_EQ(browser.PathEdit()->text(), root + "/sub");
    EXPECT_EQ(selected.last(), QString()) << "another folder has no file selected";
    ASSERT_EQ(files->count(), 1);
    emit list->itemActivated(list->item(0));
    QCoreApplication::processEvents();
    EXPECT_EQ(browser.Folder(), root);

    // A typed folder that does not exist puts the path back.
    browser.PathEdit()->setText(root + "/nowhere");
    emit browser.PathEdit()->returnPressed();
    EXPECT_EQ(browser.Folder(), root);
    EXPECT_EQ(browser.PathEdit()->text(), root);
    browser.PathEdit()->setText(root + "/sub/");
    emit browser.PathEdit()->returnPressed();
    EXPECT_EQ(browser.Folder(), root + "/sub");
}

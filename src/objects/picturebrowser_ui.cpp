// SPDX-License-Identifier: GPL-3.0-or-later
// TPictureBrowser: path and shortcuts, folder list, file list with thumbnails, and the caller's preview.
#include "objects/picturebrowser_ui.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

namespace {

// How many thumbnails are made in one turn of the event loop: the dialog stays responsive in a big folder.
constexpr int kThumbnailsPerTurn = 4;
// The folder list's entry that goes up; sub-folders carry their name.
constexpr int kUpEntry = Qt::UserRole + 1;

} // namespace

TPictureBrowser::TPictureBrowser(const QStringList& masks, QWidget* preview, QWidget* parent)
    : QWidget(parent), mFolder(masks), mThumbnailer(&PictureFileThumbnail)
{
    mPath = new QLineEdit(this);
    mPath->setAccessibleName(tr("Folder"));
    mPath->setToolTip(tr("The folder shown; type another and press Enter to go there"));
    connect(mPath, &QLineEdit::returnPressed, this, [this] {
        if (!OpenFolder(QDir::fromNativeSeparators(mPath->text().trimmed())))
            mPath->setText(QDir::toNativeSeparators(Folder()));
    });
    mShortcuts = new QHBoxLayout;
    mShortcuts->setSpacing(2);

    mFolderList = new QListWidget(this);
    mFolderList->setAccessibleName(tr("Folders"));
    mFolderList->setMinimumWidth(160);
    mFolderList->setMaximumWidth(220);
    mFolderList->setToolTip(tr("Folders: double-click one to open it"));
    connect(mFolderList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { FolderActivated(item); });

    mFileList = new QListWidget(this);
    mFileList->setAccessibleName(tr("Pictures"));
    mFileList->setViewMode(QListView::IconMode);
    mFileList->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    mFileList->setGridSize(QSize(kThumbnailSide + 36, kThumbnailSide + 34));
    mFileList->setResizeMode(QListView::Adjust);
    mFileList->setMovement(QListView::Static);
    mFileList->setWordWrap(true);
    mFileList->setSelectionMode(QAbstractItemView::SingleSelection);
    mFileList->setMinimumWidth(3 * (kThumbnailSide + 36) + 24);
    connect(mFileList, &QListWidget::itemSelectionChanged, this, [this] { FileSelectionChanged(); });
    connect(mFileList, &QListWidget::itemActivated, this, [this](QListWidgetItem*) {
        if (!SelectedFile().isEmpty() && OnFileActivated)
            OnFileActivated(SelectedFile());
    });

    mThumbnailTimer.setInterval(0);
    connect(&mThumbnailTimer, &QTimer::timeout, this, [this] { MakeSomeThumbnails(); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Look in:"), this));
    top->addWidget(mPath, 1);
    top->addLayout(mShortcuts);
    auto* lists = new QHBoxLayout;
    lists->addWidget(mFolderList);
    lists->addWidget(mFileList, 1);
    if (preview)
        lists->addWidget(preview, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(lists, 1);

    mPath->setWhatsThis(tr("The folder shown. Type another folder and press Enter to go there."));
    mFolderList->setWhatsThis(tr("The folders here; \"..\" goes one folder up. Double-click a folder "
                                 "to open it."));
    mFileList->setWhatsThis(tr("The pictures of the folder. Click one to preview it; double-click it "
                               "to take it."));
    //: The shortcut button to the user's home folder.
    AddShortcut(tr("Home"), QDir::homePath());
    ShowFolder();
}

void TPictureBrowser::AddShortcut(const QString& caption, const QString& folder)
{
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(QDir::toNativeSeparators(folder));
    button->setWhatsThis(tr("Goes straight to the folder %1.").arg(QDir::toNativeSeparators(folder)));
    connect(button, &QToolButton::clicked, this, [this, folder] { OpenFolder(folder); });
    mShortcuts->addWidget(button);
}

void TPictureBrowser::SetThumbnailer(std::function<QImage(const QString&, int)> thumbnailer)
{
    mThumbnailer = std::move(thumbnailer);
}

bool TPictureBrowser::OpenFolder(const QString& folder)
{
    if (!mFolder.Open(folder))
        return false;
    ShowFolder();
    return true;
}

bool TPictureBrowser::OpenFile(const QString& path)
{
    if (!mFolder.OpenFile(path))
        return false;
    ShowFolder();
    return true;
}

bool TPictureBrowser::OpenFirst(const QStringList& folders)
{
    if (!mFolder.OpenFirst(folders))
        return false;
    ShowFolder();
    return true;
}

void TPictureBrowser::ShowFolder()
{
    mPath->setText(QDir::toNativeSeparators(Folder()));
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    {
        const QSignalBlocker block(mFolderList);
        mFolderList->clear();
        if (!QDir(Folder()).isRoot()) {
            auto* up = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent),
                                           QStringLiteral(".."), mFolderList);
            up->setData(kUpEntry, true);
            up->setToolTip(tr("Up one folder"));
        }
        for (const QString& name : mFolder.SubFolders())
            new QListWidgetItem(folderIcon, name, mFolderList);
    }
    {
        const QSignalBlocker block(mFileList);
        mFileList->clear();
        // Every file shows a blank thumbnail until its own is made, so the list is laid out once.
        QPixmap blank(kThumbnailSide, kThumbnailSide);
        blank.fill(Qt::white);
        const QIcon placeholder(blank);
        for (const QString& name : mFolder.Files()) {
            auto* item = new QListWidgetItem(placeholder, name, mFileList);
            item->setToolTip(name);
            if (name == mFolder.SelectedName()) {
                mFileList->setCurrentItem(item);
                item->setSelected(true);
            }
        }
        if (mFileList->currentItem())
            mFileList->scrollToItem(mFileList->currentItem());
    }
    mNextThumbnail = 0;
    mThumbnailTimer.start();
    if (OnFolderChanged)
        OnFolderChanged(Folder());
    if (OnFileSelected)
        OnFileSelected(SelectedFile());
}

void TPictureBrowser::FolderActivated(QListWidgetItem* item)
{
    if (!item)
        return;
    // Opened once the list is done with the item: opening rebuilds the list.
    const bool up = item->data(kUpEntry).toBool();
    const QString name = item->text();
    QMetaObject::invokeMethod(
        this,
        [this, up, name] {
            if (up ? mFolder.Up() : mFolder.Down(name))
                ShowFolder();
        },
        Qt::QueuedConnection);
}

void TPictureBrowser::FileSelectionChanged()
{
    const QList<QListWidgetItem*> items = mFileList->selectedItems();
    if (items.isEmpty())
        mFolder.ClearSelection();
    else
        mFolder.Select(items.first()->text());
    if (OnFileSelected)
        OnFileSelected(SelectedFile());
}

void TPictureBrowser::MakeSomeThumbnails()
{
    const int count = mFileList->count();
    for (int made = 0; mNextThumbnail < count && made < kThumbnailsPerTurn; ++made, ++mNextThumbnail) {
        QListWidgetItem* item = mFileList->item(mNextThumbnail);
        const QImage thumbnail =
            mThumbnailer ? mThumbnailer(QDir(Folder()).filePath(item->text()), kThumbnailSide) : QImage();
        if (!thumbnail.isNull())
            item->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
    }
    if (mNextThumbnail >= count)
        mThumbnailTimer.stop();
}

void TPictureBrowser::FinishThumbnails()
{
    while (mThumbnailTimer.isActive())
        MakeSomeThumbnails();
}

} // namespace qm

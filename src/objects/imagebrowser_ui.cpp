// SPDX-License-Identifier: GPL-3.0-or-later
// TKImageBrowser: the picture browser's folders and files, a preview and the Stretch and AutoSize options.
#include "objects/imagebrowser_ui.h"

#include "objects/imagebrowser.h"
#include "design/dialogbar_ui.h"
#include "objects/picturebrowser_ui.h"
#include "platform/helptopics.h"
#include "platform/paths.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qm {

namespace {

// The folder the browser showed last in this session.
QString& LastFolder()
{
    static QString folder;
    return folder;
}

class TKImageBrowser : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TKImageBrowser)

public:
    TKImageBrowser(QWidget* parent, bool stretch, bool autoSize);
    const ImageChoice& Choice() const { return mChoice; }

private:
    void FileSelected(const QString& path);
    void ShowPreview();

    ImageChoice mChoice;
    TPictureBrowser* mBrowser = nullptr;
    QLabel* mPreview = nullptr;
    QCheckBox* mStretch = nullptr;
    QCheckBox* mAutoSize = nullptr;
    QPushButton* mOk = nullptr;
};

TKImageBrowser::TKImageBrowser(QWidget* parent, bool stretch, bool autoSize) : QDialog(parent)
{
    setWindowTitle(tr("Load Image File "));
    mChoice.SetAutoSize(autoSize);
    mChoice.SetStretch(stretch);

    mPreview = new QLabel;
    mPreview->setAccessibleName(tr("Preview of the picture"));
    mPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(mPreview);
    scroll->setWidgetResizable(false);
    scroll->setFixedSize(ImageChoice::kPreviewWidth + 4, ImageChoice::kPreviewHeight + 4);

    auto* options = new QGroupBox(tr(" Options "));
    mStretch = new QCheckBox(tr("Stretch"));
    mStretch->setToolTip(tr("Stretch image to max display size"));
    mAutoSize = new QCheckBox(tr("AutoSize"));
    mAutoSize->setToolTip(tr("AutoSize TImage"));
    mStretch->setChecked(mChoice.Stretch());
    mAutoSize->setChecked(mChoice.AutoSize());
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(mStretch);
    optionsLayout->addWidget(mAutoSize);
    // The two exclude each other: checking one unchecks the other.
    connect(mStretch, &QCheckBox::toggled, this, [this](bool on) {
        mChoice.SetStretch(on);
        const QSignalBlocker block(mAutoSize);
        mAutoSize->setChecked(mChoice.AutoSize());
        ShowPreview();
    });
    connect(mAutoSize, &QCheckBox::toggled, this, [this](bool on) {
        mChoice.SetAutoSize(on);
        const QSignalBlocker block(mStretch);
        mStretch->setChecked(mChoice.Stretch());
        ShowPreview();
    });

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(scroll);
    sideLayout->addWidget(options);
    sideLayout->addStretch(1);

    mBrowser = new TPictureBrowser(ImageFileMasks(), side, this);
    mBrowser->AddShortcut(tr("Clip Art"), ProgramFile(QStringLiteral("clipart")));
    mBrowser->SetThumbnailer(PictureThumbnail);
    mBrowser->OnFileSelected = [this](const QString& path) { FileSelected(path); };
    mBrowser->OnFileActivated = [this](const QString&) {
        if (mChoice.HasPicture())
            accept();
    };
    mBrowser->OnFolderChanged = [](const QString& folder) { LastFolder() = folder; };

    auto* buttons = new QDialogButtonBox;
    mOk = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (mChoice.HasPicture())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpClipArt);
    SetWhatsThis({
        {scroll, tr("The picture selected, as the object will show it.")},
        {mStretch, tr("Fills the object's box with the picture, whatever the picture's own shape.")},
        {mAutoSize, tr("Makes the object's box the picture's own size.")},
        {mOk, tr("Puts the selected picture into the clip-art object.")},
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addWidget(buttons);
    resize(860, 480);

    mBrowser->OpenFirst({LastFolder(), ProgramFile(QStringLiteral("clipart")), QDir::currentPath()});
    LastFolder() = mBrowser->Folder();
    ShowPreview();
}

void TKImageBrowser::FileSelected(const QString& path)
{
    if (path.isEmpty())
        mChoice.ClearSelection();
    else if (!mChoice.Select(path))
        QMessageBox::critical(this, tr("Error"), ImageChoice::LoadError());
    ShowPreview();
}

void TKImageBrowser::ShowPreview()
{
    const QImage preview = mChoice.Preview();
    mPreview->setPixmap(preview.isNull() ? QPixmap() : QPixmap::fromImage(preview));
    mPreview->resize(preview.isNull() ? QSize(0, 0) : preview.size());
    mOk->setEnabled(mChoice.HasPicture());
}

} // namespace

bool ShowImageBrowser(QWidget* parent, QByteArray& graphicClass, QByteArray& fileBytes, bool& stretch,
                      bool& autoSize)
{
    TKImageBrowser browser(parent, stretch, autoSize);
    if (browser.exec() != QDialog::Accepted || !browser.Choice().HasPicture())
        return false;
    graphicClass = browser.Choice().GraphicClass();
    fileBytes = browser.Choice().FileBytes();
    stretch = browser.Choice().Stretch();
    autoSize = browser.Choice().AutoSize();
    return true;
}

} // namespace qm

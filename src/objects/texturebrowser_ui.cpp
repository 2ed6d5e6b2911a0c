// SPDX-License-Identifier: GPL-3.0-or-later
// "Load Texture Image": the picture browser, its buttons and the texture read for the preview.
#include "objects/texturebrowser_ui.h"

#include "design/dialogbar_ui.h"
#include "objects/picturebrowser_ui.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

TextureImageDialog::TextureImageDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Load Texture Image"));
    ShowError = [this](const QString& message) {
        QMessageBox::critical(this, tr("Error"), message, QMessageBox::Ok);
    };
}

void TextureImageDialog::Build(QWidget* preview, QSize size, const QString& lastPath)
{
    mPreviewView = preview;
    mBrowser = new TPictureBrowser(TextureFileMasks(), preview, this);
    mBrowser->AddShortcut(tr("Textures"), TextureStartFolders().first());

    auto* buttons = new QDialogButtonBox(this);
    mOk = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    AddHelpButtons(buttons, this, kHelpContext);
    mOk->setWhatsThis(tr("Takes the selected picture as the texture."));
    if (preview)
        preview->setWhatsThis(tr("The object filled with the selected texture."));
    mOk->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (mChoice.HasTexture())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addWidget(buttons);
    resize(size);

    mBrowser->OnFileSelected = [this](const QString& path) { FileSelected(path); };
    mBrowser->OnFileActivated = [this](const QString&) {
        if (mChoice.HasTexture())
            accept();
    };
    if (lastPath.isEmpty() || !mBrowser->OpenFile(lastPath))
        mBrowser->OpenFirst(TextureStartFolders());
}

void TextureImageDialog::FileSelected(const QString& path)
{
    if (path.isEmpty() || path == mChoice.SelectedFile())
        return;
    if (mChoice.Select(path)) {
        ShowTexture(&mChoice.Bitmap());
    } else {
        ShowTexture(nullptr);
        if (ReportsError(path) && ShowError)
            ShowError(TextureChoice::LoadError());
    }
    mOk->setEnabled(mChoice.HasTexture());
    mPreviewView->update();
}

} // namespace qm

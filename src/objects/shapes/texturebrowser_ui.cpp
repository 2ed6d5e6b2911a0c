// "Load Texture Image": the picture browser over the texture folders, with the shape previewed in the
// texture selected.
#include "objects/shapes/texturebrowser_ui.h"

#include "model/cardrender.h"
#include "objects/picturebrowser_ui.h"
#include "platform/helphook.h"
#include "platform/paths.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

// The preview shape on white, 10 pixels in.
class TexturePreview : public QWidget
{
public:
    TexturePreview(const TSuperShape& shape, QWidget* parent) : QWidget(parent), mShape(shape)
    {
        setFixedSize(TKBrushImageBrowser::kPreviewSide + 20, TKBrushImageBrowser::kPreviewSide + 20);
        setToolTip(QStringLiteral("The shape with the texture selected"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.translate(10, 10);
        painter.setClipRect(QRect(0, 0, mShape.Width(), mShape.Height()));
        mShape.Draw(painter, TRenderContext());
    }

private:
    const TSuperShape& mShape;
};

} // namespace

TKBrushImageBrowser::TKBrushImageBrowser(const TSuperShape& sample, const QString& lastPath, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    ShowError = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Error"), message, QMessageBox::Ok);
    };
    mPreview.CopyFrom(sample);
    mPreview.SetBounds(0, 0, kPreviewSide, kPreviewSide);
    mPreview.SetSurfaceType(TSuperShape::stBrushImage);
    mPreview.Image().Clear();

    mPreviewView = new TexturePreview(mPreview, this);
    mBrowser = new TPictureBrowser(TextureFileMasks(), mPreviewView, this);
    mBrowser->AddShortcut(QStringLiteral("Textures"), TextureStartFolders().first());

    auto* buttons = new QDialogButtonBox(this);
    mOk = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    mOk->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (mChoice.HasTexture())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { OpenHelpContext(kHelpContext); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addWidget(buttons);
    resize(720, 400);

    mBrowser->OnFileSelected = [this](const QString& path) { FileSelected(path); };
    mBrowser->OnFileActivated = [this](const QString&) {
        if (mChoice.HasTexture())
            accept();
    };
    if (lastPath.isEmpty() || !mBrowser->OpenFile(lastPath))
        mBrowser->OpenFirst(TextureStartFolders());
}

void TKBrushImageBrowser::FileSelected(const QString& path)
{
    if (path.isEmpty() || path == mChoice.SelectedFile())
        return;
    if (mChoice.Select(path)) {
        mPreview.SetImage(mChoice.Bitmap());
    } else {
        mPreview.Image().Clear();
        if (ShowError)
            ShowError(TTextureChoice::LoadError());
    }
    mOk->setEnabled(mChoice.HasTexture());
    mPreviewView->update();
}

bool ShowTextureBrowser(QWidget* parent, const TSuperShape& sample, QString& path, TKBitmap& texture)
{
    TKBrushImageBrowser browser(sample, path, parent);
    if (browser.exec() != QDialog::Accepted || !browser.Choice().HasTexture())
        return false;
    texture.Assign(browser.Choice().Bitmap());
    path = browser.Choice().SelectedFile();
    return true;
}

} // namespace qm

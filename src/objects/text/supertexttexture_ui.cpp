// "Load Texture Image" of the special-effect text, on the program's picture browser.
#include "objects/text/supertexttexture_ui.h"

#include "model/cardrender.h"
#include "objects/picturebrowser_ui.h"
#include "platform/helphook.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qm {

namespace {

// The letters on white at their own size.
class LettersView : public QWidget
{
public:
    LettersView(const TKSuperText& text, QWidget* parent) : QWidget(parent), mText(text)
    {
        setToolTip(QStringLiteral("The text with the texture selected"));
    }
    void Fit() { setFixedSize(std::min(mText.Width(), 4096), std::min(mText.Height(), 4096)); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        mText.Draw(painter, TRenderContext());
    }

private:
    const TKSuperText& mText;
};

} // namespace

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(const TKSuperText& preview, const QString& lastPath,
                                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    ShowError = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Error"), message, QMessageBox::Ok);
    };
    mPreview.CopyFrom(preview);
    mPreview.SetSurfaceType(TKSuperText::stBrushImage);
    mPreview.Image().Clear();

    auto* view = new LettersView(mPreview, this);
    view->Fit();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view);
    QPalette white = scroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    scroll->setPalette(white);
    scroll->setFixedSize(240, 140);
    mPreviewView = view;
    mBrowser = new TPictureBrowser(TextureFileMasks(), scroll, this);
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
    resize(860, 420);

    mBrowser->OnFileSelected = [this](const QString& path) { FileSelected(path); };
    mBrowser->OnFileActivated = [this](const QString&) {
        if (mChoice.HasTexture())
            accept();
    };
    if (lastPath.isEmpty() || !mBrowser->OpenFile(lastPath))
        mBrowser->OpenFirst(TextureStartFolders());
}

void TSuperTextBrushImageBrowser::FileSelected(const QString& path)
{
    if (path.isEmpty() || path == mChoice.SelectedFile())
        return;
    if (mChoice.Select(path)) {
        mPreview.SetImage(mChoice.Bitmap());
    } else {
        mPreview.Image().Clear();
        const bool named = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
                           path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
        if (named && ShowError)
            ShowError(TTextureChoice::LoadError());
    }
    mOk->setEnabled(mChoice.HasTexture());
    mPreviewView->update();
}

bool ShowSuperTextTextureBrowser(QWidget* parent, TKSuperText& preview, QString& path)
{
    TSuperTextBrushImageBrowser browser(preview, path, parent);
    if (browser.exec() != QDialog::Accepted || !browser.Choice().HasTexture())
        return false;
    preview.SetImage(browser.Choice().Bitmap());
    path = browser.Choice().SelectedFile();
    return true;
}

} // namespace qm

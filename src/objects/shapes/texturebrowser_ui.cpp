// SPDX-License-Identifier: GPL-3.0-or-later
// "Load Texture Image": the picture browser over the texture folders, with the shape previewed in the
// texture selected.
#include "objects/shapes/texturebrowser_ui.h"

#include "model/cardrender.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

namespace qm {

namespace {

// The preview shape on white, 10 pixels in.
class TexturePreview : public QWidget
{
public:
    TexturePreview(const TSuperShape& shape, QWidget* parent) : QWidget(parent), mShape(shape)
    {
        setFixedSize(TKBrushImageBrowser::kPreviewSide + 20, TKBrushImageBrowser::kPreviewSide + 20);
        setToolTip(
            QCoreApplication::translate("qm::TKBrushImageBrowser", "The shape with the texture selected"));
        setAccessibleName(toolTip());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.translate(10, 10);
        painter.setClipRect(QRect(0, 0, mShape.Width(), mShape.Height()));
        mShape.Draw(painter, RenderContext());
    }

private:
    const TSuperShape& mShape;
};

} // namespace

TKBrushImageBrowser::TKBrushImageBrowser(const TSuperShape& sample, const QString& lastPath, QWidget* parent)
    : TextureImageDialog(parent)
{
    mPreview.CopyFrom(sample);
    mPreview.SetBounds(0, 0, kPreviewSide, kPreviewSide);
    mPreview.SetSurfaceType(TSuperShape::stBrushImage);
    mPreview.Image().Clear();
    Build(new TexturePreview(mPreview, this), QSize(720, 400), lastPath);
}

void TKBrushImageBrowser::ShowTexture(const TKBitmap* texture)
{
    if (texture)
        mPreview.SetImage(*texture);
    else
        mPreview.Image().Clear();
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

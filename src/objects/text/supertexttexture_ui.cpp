// SPDX-License-Identifier: GPL-3.0-or-later
// "Load Texture Image" of the special-effect text, on the program's picture browser.
#include "objects/text/supertexttexture_ui.h"

#include "model/cardrender.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollArea>

namespace qm {

namespace {

// The letters on white at their own size.
class LettersView : public QWidget
{
public:
    LettersView(const TKSuperText& text, QWidget* parent) : QWidget(parent), mText(text)
    {
        setToolTip(QCoreApplication::translate("qm::TSuperTextBrushImageBrowser",
                                               "The text with the texture selected"));
        setAccessibleName(toolTip());
    }
    void Fit() { setFixedSize(std::min(mText.Width(), 4096), std::min(mText.Height(), 4096)); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        mText.Draw(painter, RenderContext());
    }

private:
    const TKSuperText& mText;
};

} // namespace

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(const TKSuperText& preview, const QString& lastPath,
                                                         QWidget* parent)
    : TextureImageDialog(parent)
{
    mPreview.CopyFrom(preview);
    mPreview.SetSurfaceType(TKSuperText::stBrushImage);
    mPreview.Image().Clear();

    auto* view = new LettersView(mPreview, this);
    view->Fit();
    mLetters = view;
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view);
    QPalette white = scroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    scroll->setPalette(white);
    scroll->setFixedSize(240, 140);
    Build(scroll, QSize(860, 420), lastPath);
}

void TSuperTextBrushImageBrowser::ShowTexture(const TKBitmap* texture)
{
    if (texture)
        mPreview.SetImage(*texture);
    else
        mPreview.Image().Clear();
    mLetters->update();
}

bool TSuperTextBrushImageBrowser::ReportsError(const QString& path) const
{
    return path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
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

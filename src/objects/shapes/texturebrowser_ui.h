// TKBrushImageBrowser: "Load Texture Image", the texture picker of the multi-purpose shape's dialog.
#pragma once

#include "objects/shapes/supershape.h"
#include "objects/texturebrowser.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace qm {

class TPictureBrowser;

class TKBrushImageBrowser : public QDialog
{
public:
    static constexpr int kHelpContext = 40012;
    static constexpr int kPreviewSide = 75;

    // Previews the sample's settings with the texture chosen. Opens at the file lastPath when it is there,
    // else in the data folder's "bmbrush" (then "Textures", then the data folder itself).
    TKBrushImageBrowser(const TSuperShape& sample, const QString& lastPath, QWidget* parent = nullptr);

    // Reads a file selected in the browser into the preview. One that cannot be read is named in the
    // error message and leaves the preview without texture; "Ok" is offered only with a texture read.
    void FileSelected(const QString& path);

    TPictureBrowser* Browser() const { return mBrowser; }
    QPushButton* OkButton() const { return mOk; }
    const TTextureChoice& Choice() const { return mChoice; }
    const TSuperShape& Preview() const { return mPreview; }

    // Shows an error message; a message box unless replaced.
    std::function<void(const QString& message)> ShowError;

private:
    TSuperShape mPreview;
    TTextureChoice mChoice;
    TPictureBrowser* mBrowser = nullptr;
    QWidget* mPreviewView = nullptr;
    QPushButton* mOk = nullptr;
};

// Shows the browser over parent; true on OK with the texture chosen (as a card stores it) and its file.
bool ShowTextureBrowser(QWidget* parent, const TSuperShape& sample, QString& path, TKBitmap& texture);

} // namespace qm

// "Load Texture Image" of the special-effect text: the picture browser over the texture folders, with the
// letters previewed in the texture selected.
#pragma once

#include "objects/text/supertext.h"
#include "objects/texturebrowser.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace qm {

class TPictureBrowser;

class TSuperTextBrushImageBrowser : public QDialog
{
public:
    static constexpr int kHelpContext = 40012;

    // Previews the dialog's preview with the texture chosen. Opens at the file lastPath when it is there,
    // else in the data folder's "bmbrush" (then "Textures", then the data folder itself).
    TSuperTextBrushImageBrowser(const TKSuperText& preview, const QString& lastPath, QWidget* parent = nullptr);

    // Reads a file selected in the browser into the preview. One that cannot be read leaves the preview
    // without texture, and a bitmap or metafile that cannot be read is named in the error message.
    void FileSelected(const QString& path);

    TPictureBrowser* Browser() const { return mBrowser; }
    QPushButton* OkButton() const { return mOk; }
    const TTextureChoice& Choice() const { return mChoice; }
    const TKSuperText& Preview() const { return mPreview; }

    // Shows an error message; a message box unless replaced.
    std::function<void(const QString& message)> ShowError;

private:
    TKSuperText mPreview;
    TTextureChoice mChoice;
    TPictureBrowser* mBrowser = nullptr;
    QWidget* mPreviewView = nullptr;
    QPushButton* mOk = nullptr;
};

// Shows the browser over parent; true on OK with the preview in the texture chosen and `path` its file.
bool ShowSuperTextTextureBrowser(QWidget* parent, TKSuperText& preview, QString& path);

} // namespace qm

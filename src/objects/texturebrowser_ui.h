// SPDX-License-Identifier: GPL-3.0-or-later
// TextureImageDialog: "Load Texture Image", the picture browser over the texture folders beside a preview
// of the object in the texture selected. The shape's and the special-effect text's pickers differ only in
// what they preview.
#pragma once

#include "objects/texturebrowser.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QPushButton;

namespace qm {

class TPictureBrowser;

class TextureImageDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TextureImageDialog)

public:
    static constexpr int kHelpContext = 40012;

    // Reads a file selected in the browser into the preview. One that cannot be read leaves the preview
    // without texture and, when ReportsError says so, is named in the error message; "Ok" is offered only
    // with a texture read.
    void FileSelected(const QString& path);

    TPictureBrowser* Browser() const { return mBrowser; }
    QPushButton* OkButton() const { return mOk; }
    const TextureChoice& Choice() const { return mChoice; }

    // Shows an error message; a message box unless replaced.
    std::function<void(const QString& message)> ShowError;

protected:
    explicit TextureImageDialog(QWidget* parent);
    // Lays out the browser with the preview widget and the buttons, then opens at the file lastPath when it
    // is there, else in the data folder's "bmbrush" (then "Textures", then the data folder itself).
    void Build(QWidget* preview, QSize size, const QString& lastPath);
    // Puts the texture read on the previewed object (null: no texture).
    virtual void ShowTexture(const TKBitmap* texture) = 0;
    // Whether a file that could not be read is named in an error message.
    virtual bool ReportsError(const QString& /*path*/) const { return true; }

private:
    TextureChoice mChoice;
    TPictureBrowser* mBrowser = nullptr;
    QWidget* mPreviewView = nullptr;
    QPushButton* mOk = nullptr;
};

} // namespace qm

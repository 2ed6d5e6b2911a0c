// SPDX-License-Identifier: GPL-3.0-or-later
// TKBrushImageBrowser: "Load Texture Image", the texture picker of the multi-purpose shape's dialog.
#pragma once

#include <QCoreApplication>

#include "objects/shapes/supershape.h"
#include "objects/texturebrowser_ui.h"

namespace qm {

class TKBrushImageBrowser : public TextureImageDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TKBrushImageBrowser)

public:
    static constexpr int kPreviewSide = 75;

    // Previews the sample's settings with the texture chosen. Opens at the file lastPath when it is there,
    // else in the data folder's "bmbrush" (then "Textures", then the data folder itself).
    TKBrushImageBrowser(const TSuperShape& sample, const QString& lastPath, QWidget* parent = nullptr);

    const TSuperShape& Preview() const { return mPreview; }

protected:
    void ShowTexture(const TKBitmap* texture) override;

private:
    TSuperShape mPreview;
};

// Shows the browser over parent; true on OK with the texture chosen (as a card stores it) and its file.
bool ShowTextureBrowser(QWidget* parent, const TSuperShape& sample, QString& path, TKBitmap& texture);

} // namespace qm

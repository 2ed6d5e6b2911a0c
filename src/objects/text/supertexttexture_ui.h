// SPDX-License-Identifier: GPL-3.0-or-later
// "Load Texture Image" of the special-effect text: the picture browser over the texture folders, with the
// letters previewed in the texture selected.
#pragma once

#include <QCoreApplication>

#include "objects/text/supertext.h"
#include "objects/texturebrowser_ui.h"

namespace qm {

class TSuperTextBrushImageBrowser : public TextureImageDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TSuperTextBrushImageBrowser)

public:
    // Previews the dialog's preview with the texture chosen. Opens at the file lastPath when it is there,
    // else in the data folder's "bmbrush" (then "Textures", then the data folder itself).
    TSuperTextBrushImageBrowser(const TKSuperText& preview, const QString& lastPath, QWidget* parent = nullptr);

    const TKSuperText& Preview() const { return mPreview; }

protected:
    void ShowTexture(const TKBitmap* texture) override;
    // Only a bitmap or metafile that cannot be read is named in the error message.
    bool ReportsError(const QString& path) const override;

private:
    TKSuperText mPreview;
    QWidget* mLetters = nullptr;
};

// Shows the browser over parent; true on OK with the preview in the texture chosen and `path` its file.
bool ShowSuperTextTextureBrowser(QWidget* parent, TKSuperText& preview, QString& path);

} // namespace qm

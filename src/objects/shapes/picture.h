// SPDX-License-Identifier: GPL-3.0-or-later
// TKImage: a picture (bitmap, icon or metafile) on the card, stretched to its bounds or sized to the picture.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <QSize>

#include <memory>

namespace qm {

class TPicture;

class TKImage : public TKGraphicControl
{
public:
    TKImage();
    ~TKImage() override;
    const char* ClassName() const override { return "TKImage"; }
    const PropTable& Properties() const override;

    // AutoSize and Stretch are kept opposite: setting one sets the other to its negation.
    bool AutoSize() const { return mAutoSize; }
    void SetAutoSize(bool value);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    StoredPicture& Picture() { return mPicture; }
    const StoredPicture& Picture() const { return mPicture; }
    void SetPicture(const StoredPicture& picture) { mPicture.Assign(picture); }
    bool Stretch() const { return mStretch; }
    void SetStretch(bool value);
    // Mirror left-right / top-bottom; bitmaps only.
    bool Reverse() const { return mReverse; }
    void SetReverse(bool value);
    bool Flip() const { return mFlip; }
    void SetFlip(bool value);

    bool IsBitmap() const { return mPicture.GraphicClass() == "TBitmap"; }
    bool IsMetafile() const { return mPicture.GraphicClass() == "TMetafile"; }
    // The graphic's own size in pixels, from its header; empty when there is none or it cannot be read.
    QSize PictureSize() const { return GraphicSize(mPicture); }
    static QSize GraphicSize(const StoredPicture& picture);
    // True when the picture covers the whole object: a bitmap of exactly the object's size.
    bool Opaque() const { return mOpaque; }

    // Size to the picture when AutoSize is on, recompute opacity, repaint.
    void PictureChanged();
    void BoundsChanged() override;

    // The picture stretched over the box: a bitmap mirrored by Reverse and Flip, a metafile or SVG as vector
    // art (on paper it stays vector); a white box with a black frame when there is no picture (nothing on
    // paper); then the border. Screen repaints reuse the picture drawn at the box's size.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    // The graphic ready to draw at `pixels` (the device pixels the whole picture covers): a bitmap decoded at
    // no more than that size, from the shared cache of decoded pictures; vector art read once and kept. A
    // null picture when there is none or it cannot be read.
    TPicture Drawable(QSize pixels) const;

    // "Load Image From Disk", then "Border", "Stretch to Fit", "AutoSize", "Flip" and "Reverse" (the last
    // two for bitmaps only).
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;
    // The "Load Image File " browser, its options preset from Stretch and AutoSize; OK puts the chosen
    // picture in with the options chosen. False when cancelled or when the host shows no dialogs.
    bool LoadImageFromDisk();

private:
    struct DrawCache;
    void DropDrawCache();
    mutable std::unique_ptr<DrawCache> mCache;
    bool mAutoSize = false;
    TBorderStyle mBorderStyle = bsNone;
    StoredPicture mPicture;
    bool mStretch = true;
    bool mReverse = false;
    bool mFlip = false;
    bool mOpaque = false;
};

} // namespace qm

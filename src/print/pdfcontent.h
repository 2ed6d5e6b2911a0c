// SPDX-License-Identifier: GPL-3.0-or-later
// PdfContentDevice: a paint device whose drawing becomes the operators of a PDF page's content, with the
// glyphs of its text gathered per font (PdfFontSet, pdffonts.h) to be embedded once for a whole job.
#pragma once

#include "model/shapedline.h"

#include <QByteArray>
#include <QPaintDevice>
#include <QSizeF>

#include <memory>

namespace qm {

class PdfFontSet;

// Drawing onto a page of the given size in points, at the given resolution (device pixels per inch, the
// page's top-left corner at the origin). Solid pens and brushes, paths, clips and text become PDF operators;
// anything else (pictures, gradients, patterns, transparency) marks the drawing unsupported, and whoever
// draws then takes another way for it.
class PdfContentDevice : public QPaintDevice, public ShapedLineDevice
{
public:
    PdfContentDevice(const QSizeF& points, int resolution, PdfFontSet& fonts);
    ~PdfContentDevice() override;

    QPaintEngine* paintEngine() const override;
    // A line shaped beforehand goes out as its glyphs, not shaped again.
    void DrawShapedLine(QPainter& painter, QPointF baseline, const ShapedLine& line) override;

    // The operators drawn since the last call, their graphics state closed; the next drawing starts afresh.
    QByteArray TakeContent();
    // A mark to go back to: MarkSize, then DropSince to throw away what was drawn after it.
    qsizetype MarkSize() const;
    void DropSince(qsizetype mark);
    // Something was drawn that this device cannot put into operators; ClearUnsupported starts again.
    bool Unsupported() const;
    void ClearUnsupported();

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> mEngine;
    QSizeF mPoints;
    int mResolution;
};

} // namespace qm

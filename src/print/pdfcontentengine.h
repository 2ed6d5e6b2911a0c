// SPDX-License-Identifier: GPL-3.0-or-later
// The paint engine of PdfContentDevice, shared by the files that make its operators.
#pragma once

#include "model/shapedline.h"
#include "print/pdfcontent.h"
#include "print/pdffonts.h"

#include <QFont>
#include <QList>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QTransform>

#include <optional>
#include <vector>

namespace qm {

namespace pdfops {
// A length in points to a hundredth, the shortest way, and a space.
void PutNumber(QByteArray& out, double v);
// A factor of a text matrix to five places, and a space.
void PutScale(QByteArray& out, double v);
// The operator setting the fill or the stroke colour.
QByteArray ColorOperator(const QColor& color, bool stroke);
} // namespace pdfops

class PdfContentDevice::Engine : public QPaintEngine
{
public:
    Engine(const QSizeF& points, int resolution, PdfFontSet& fonts)
        : QPaintEngine(PaintEngineFeatures(QPaintEngine::AllFeatures) & ~PaintEngineFeatures(
                                                                          QPaintEngine::PorterDuff | QPaintEngine::PerspectiveTransform |
                                                                          QPaintEngine::ObjectBoundingModeGradients |
                                                                          QPaintEngine::ConicalGradientFill)),
          mFonts(fonts), mUnit(72.0 / resolution), mBase(mUnit, 0, 0, -mUnit, 0, points.height())
    {}

    bool begin(QPaintDevice*) override
    {
        mWorld = QTransform();
        mPen = QPen();
        mBrush = QBrush();
        mClips.clear();
        mClipEnabled = true;
        mOpacityOk = mCompositionOk = true;
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& s) override;
    void drawPath(const QPainterPath& path) override { Shape(path, mBrush.style() != Qt::NoBrush); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawRects(const QRect* rects, int count) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawLines(const QLine* lines, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { mUnsupported = true; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        mUnsupported = true;
    }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { mUnsupported = true; }
    void drawTextItem(const QPointF& p, const QTextItem& item) override;

    // A text item's glyphs as laid out on this device, its baseline at the origin.
    struct Shaped
    {
        struct Run
        {
            QList<quint32> Glyphs;
            QList<QPointF> Places; // the baseline at the ascent
            double Size = 0;
            int Face = 0;
            quint32 Space = 0; // the space's glyph
        };
        QString Text;
        QFont Font;
        double ItemWidth = 0;
        bool RightToLeft = false;
        double Ascent = 0;
        double Width = 0;
        QRectF Box;                // from the baseline's start
        std::optional<QRectF> Ink; // the glyphs' outlines from the baseline's start, when known
        std::vector<Run> Runs;
    };
    const Shaped& LaidOut(const QTextItem& item);
    void LayOut(Shaped& shaped, const QPaintDevice* device);
    // A line shaped beforehand, drawn with the painter's transform and pen (which the painter hands over
    // only when it next draws itself).
    void DrawLine(const QPainter& painter, QPointF baseline, const ShapedLine& line);

    QByteArray Take()
    {
        Close();
        QByteArray out;
        out.swap(mOut);
        return out;
    }
    qsizetype Mark()
    {
        Close();
        return mOut.size();
    }
    void Drop(qsizetype mark)
    {
        Close();
        mOut.truncate(mark);
    }
    bool mUnsupported = false;

private:
    struct Clip
    {
        QPainterPath Path; // in points
        QRectF Rect;       // when the clip is that rectangle
        bool IsRect = false;
        int Id = 0;
    };
    void AddClip(Qt::ClipOperation operation, const QPainterPath& logical);
    // Opens the graphics state with the clips that cut into bounds (points); false when bounds lie wholly
    // outside one of them.
    bool Prepare(const QRectF& bounds);
    void Close();
    void PutPath(const QPainterPath& points);
    void Shape(const QPainterPath& logical, bool fill);
    QTransform ToPoints() const { return mWorld * mBase; }
    bool PaintSupported(bool fill, bool stroke);
    // The glyphs of a shaped text as text runs in the job's fonts, the baseline starting at p; a width other
    // than the text's own goes to its spaces.
    void PutText(QPointF p, const Shaped& shaped, double width, const QTransform& toPoints, const QColor& color);
    // The job's number of a raw font's face.
    int FaceOf(const QRawFont& font);

    PdfFontSet& mFonts;
    const double mUnit;
    const QTransform mBase;
    QTransform mWorld;
    QPen mPen;
    QBrush mBrush;
    std::vector<Clip> mClips;
    bool mClipEnabled = true;
    bool mOpacityOk = true;
    bool mCompositionOk = true;
    int mNextClipId = 1;
    static constexpr int kShapedKept = 4;
    Shaped mShaped[kShapedKept];
    int mNextShaped = 0;
    Shaped mLine; // the last shaped line drawn
    std::vector<std::pair<QRawFont, int>> mKnownFaces;
    QColor mTextColor;
    QByteArray mTextColorOperator;

    QByteArray mOut;
    // What the open graphics state holds.
    bool mOpen = false;
    std::vector<int> mShownClips;
    QByteArray mShownFill, mShownStroke, mShownLine;
};

} // namespace qm

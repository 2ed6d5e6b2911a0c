// Anti-aliased filling of shapes in one colour straight into a 32-bit image: each pixel gets the exact share of
// its area that lies inside the shape, found edge by edge and summed along the rows. Pictures drawn on screen
// go this way (a clip-art metafile holds thousands of small shapes, each far cheaper to fill like this than
// through the painter); paper and anything clipped, patterned or dashed still go through the painter.
#pragma once

#include <QPointF>
#include <QTransform>

#include <vector>

class QColor;
class QImage;
class QPainter;
class QPainterPath;

namespace qm::metafile {

class CoverageFill
{
public:
    // The image the painter draws straight into, when its fills can be done here: smoothed edges asked for, a
    // 32-bit RGB or premultiplied image, no clipping, normal composition at full opacity. Null otherwise.
    static QImage* Target(QPainter& painter);

    // toPixels maps the units of the paths given onto the image's pixels.
    CoverageFill(QImage& image, const QTransform& toPixels);

    // Fills the path (in pixels already when inPixels) in a colour under the fill rule. False, having drawn
    // nothing, for a path it does not take (coordinates that are not numbers, or a shape covering more pixels
    // than it keeps room for).
    bool Fill(const QPainterPath& path, Qt::FillRule rule, const QColor& color, bool inPixels = false);

    const QTransform& ToPixels() const { return mToPixels; }

    // The scale from path units to pixels (the square root of the mapping's area factor).
    double Scale() const { return mScale; }

private:
    void Flatten(const QPainterPath& path, const QTransform& toPixels);
    void Edge(QPointF a, QPointF b);
    void Accumulate(double x0, double y0, double x1, double y1, float dir);
    void Sweep(quint32 color, bool evenOdd);

    QImage& mImage;
    QTransform mToPixels;
    uchar* mBits = nullptr;
    qsizetype mBytesPerLine = 0;
    double mScale = 1;
    std::vector<QPointF> mPoints;   // the outline in pixels, figure after figure
    std::vector<int> mFigureEnds;   // where each figure's points end
    std::vector<float> mCells;      // per row: coverage changes, one more than the pixels and a spare
    std::vector<int> mRowFirst;     // per row: the first and last cell touched
    std::vector<int> mRowLast;
    int mLeft = 0, mTop = 0, mWidth = 0, mHeight = 0, mStride = 0;
};

} // namespace qm::metafile

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
    // With bandClipped the painter's clip is taken to be the band of rows given to LimitRows, and allowed.
    static QImage* Target(QPainter& painter, bool bandClipped = false);

    // toPixels maps the units of the paths given onto the image's pixels.
    CoverageFill(QImage& image, const QTransform& toPixels);

    // Fills the path (in pixels already when inPixels) in a colour under the fill rule. False, having drawn
    // nothing, for a path it does not take (coordinates that are not numbers, or a shape covering more pixels
    // than it keeps room for).
    bool Fill(const QPainterPath& path, Qt::FillRule rule, const QColor& color, bool inPixels = false);

    // Outlines the path (in pixels already when inPixels) with a solid pen of the width given in pixels, the
    // ground it covers filled in the colour. False, having drawn nothing, for what it does not take (mitred
    // corners, a figure of a single point, coordinates that are not numbers, too large a shape).
    bool Stroke(const QPainterPath& path, double width, Qt::PenJoinStyle join, Qt::PenCapStyle cap,
                const QColor& color, bool inPixels = false);

    // Writes only the image rows top to bottom (exclusive). Shapes are still worked out whole, so the pixels
    // written are the same as without the limit; shapes wholly outside the rows cost next to nothing.
    void LimitRows(int top, int bottom)
    {
        mRowTop = top;
        mRowBottom = bottom;
    }

    // True when the path, grown by margin (in its units) on every side, lies wholly outside the rows written.
    bool Misses(const QPainterPath& path, double margin) const;

    const QTransform& ToPixels() const { return mToPixels; }

    // The scale from path units to pixels (the square root of the mapping's area factor).
    double Scale() const { return mScale; }

private:
    // The path's figures in mPoints, mapped and with curves cut into pieces lying within flatness of them.
    void Flatten(const QPainterPath& path, const QTransform& toPixels, double flatness);
    // Fills the figures in mPoints.
    bool Rasterize(Qt::FillRule rule, const QColor& color);
    // Points along a circle round center from the point from (not repeated) to the point to, turning by sweep
    // radians.
    void ArcPoints(QPointF center, QPointF from, QPointF to, double sweep);
    void Edge(QPointF a, QPointF b);
    void Accumulate(double x0, double y0, double x1, double y1, float dir);
    void Sweep(quint32 color, bool evenOdd);

    QImage& mImage;
    QTransform mToPixels;
    uchar* mBits = nullptr;
    qsizetype mBytesPerLine = 0;
    double mScale = 1;
    double mLongest = 1; // the most a unit of length along any direction grows to, in pixels
    std::vector<QPointF> mPoints;   // the outline in pixels, figure after figure
    std::vector<int> mFigureEnds;   // where each figure's points end
    // Outlining: the centre lines in pixels, where each ends and whether it is closed, the directions and lengths
    // of the pieces of the one being outlined, and the angle of one piece of a round corner.
    std::vector<QPointF> mLine;
    std::vector<int> mLineEnds;
    std::vector<char> mLineClosed;
    std::vector<QPointF> mDirections;
    std::vector<double> mLengths;
    double mArcStep = 1;
    double mArcStepCos = 0; // its cosine
    std::vector<float> mCells;      // per row: coverage changes, one more than the pixels and spares
    std::vector<quint64> mMasks;    // per row: a bit for each cell with a change in it
    int mMaskWords = 0;             // words of bits a row
    int mLeft = 0, mTop = 0, mWidth = 0, mHeight = 0, mStride = 0;
    int mRowTop = 0, mRowBottom = 1 << 30; // the rows written
};

} // namespace qm::metafile

// TKMetafile: records painter calls through a paint engine of its own and plays them back.
#include "print/recording.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>

namespace qm {

struct TKMetafile::Op
{
    enum TKind
    {
        State,
        Path,
        Polygon,
        Rects,
        Lines,
        Ellipse,
        Image,
        Pixmap,
        TiledPixmap,
        Text
    };
    TKind kind = State;

    // State: the flags say which of the values are set.
    QPaintEngine::DirtyFlags flags;
    QPen pen;
    QBrush brush;
    QPointF brushOrigin;
    QFont font;
    QBrush background;
    Qt::BGMode backgroundMode = Qt::TransparentMode;
    QTransform transform;
    Qt::ClipOperation clipOperation = Qt::NoClip;
    QRegion clipRegion;
    QPainterPath clipPath;
    bool clipEnabled = false;
    QPainter::RenderHints hints;
    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
    qreal opacity = 1;

    // Drawing.
    QPainterPath path;
    QPolygonF polygon;
    QPaintEngine::PolygonDrawMode polygonMode = QPaintEngine::OddEvenMode;
    std::vector<QRectF> rects;
    std::vector<QLineF> lines;
    QRectF rect;
    QRectF source;
    QImage image;
    QPixmap pixmap;
    QPointF point;
    QString text;
};

class TKMetafile::Engine : public QPaintEngine
{
public:
    explicit Engine(std::vector<Op>& ops) : QPaintEngine(AllFeatures), mOps(ops) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        Op op;
        op.flags = state.state();
        if (op.flags & DirtyPen)
            op.pen = state.pen();
        if (op.flags & DirtyBrush)
            op.brush = state.brush();
        if (op.flags & DirtyBrushOrigin)
            op.brushOrigin = state.brushOrigin();
        if (op.flags & DirtyFont) {
            // Decorations come as lines of their own.
            mFont = state.font();
            mFont.setUnderline(false);
            mFont.setStrikeOut(false);
            mFont.setOverline(false);
        }
        if (op.flags & DirtyBackground)
            op.background = state.backgroundBrush();
        if (op.flags & DirtyBackgroundMode)
            op.backgroundMode = state.backgroundMode();
        if (op.flags & DirtyTransform)
            op.transform = state.transform();
        if (op.flags & (DirtyClipRegion | DirtyClipPath))
            op.clipOperation = state.clipOperation();
        if (op.flags & DirtyClipRegion)
            op.clipRegion = state.clipRegion();
        if (op.flags & DirtyClipPath)
            op.clipPath = state.clipPath();
        if (op.flags & DirtyClipEnabled)
            op.clipEnabled = state.isClipEnabled();
        if (op.flags & DirtyHints)
            op.hints = state.renderHints();
        if (op.flags & DirtyCompositionMode)
            op.composition = state.compositionMode();
        if (op.flags & DirtyOpacity)
            op.opacity = state.opacity();
        // The font travels with the text that uses it.
        op.flags &= ~DirtyFont;
        if (op.flags)
            mOps.push_back(std::move(op));
    }

    void drawPath(const QPainterPath& path) override
    {
        Op& op = Add(Op::Path);
        op.path = path;
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        Op& op = Add(Op::Polygon);
        op.polygon = QPolygonF(QList<QPointF>(points, points + count));
        op.polygonMode = mode;
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon.append(QPointF(points[i]));
        drawPolygon(polygon.constData(), count, mode);
    }
    void drawRects(const QRectF* rects, int count) override
    {
        Add(Op::Rects).rects.assign(rects, rects + count);
    }
    void drawRects(const QRect* rects, int count) override
    {
        Op& op = Add(Op::Rects);
        for (int i = 0; i < count; ++i)
            op.rects.emplace_back(rects[i]);
    }
    void drawLines(const QLineF* lines, int count) override
    {
        Add(Op::Lines).lines.assign(lines, lines + count);
    }
    void drawLines(const QLine* lines, int count) override
    {
        Op& op = Add(Op::Lines);
        for (int i = 0; i < count; ++i)
            op.lines.emplace_back(lines[i]);
    }
    void drawEllipse(const QRectF& rect) override { Add(Op::Ellipse).rect = rect; }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        Op& op = Add(Op::Pixmap);
        op.rect = rect;
        op.pixmap = pixmap;
        op.source = source;
    }
    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override
    {
        Op& op = Add(Op::TiledPixmap);
        op.rect = rect;
        op.pixmap = pixmap;
        op.point = offset;
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override
    {
        Op& op = Add(Op::Image);
        op.rect = rect;
        op.image = image;
        op.source = source;
    }
    void drawTextItem(const QPointF& point, const QTextItem& item) override
    {
        Op& op = Add(Op::Text);
        op.point = point;
        op.text = item.text();
        op.font = mFont;
    }

private:
    Op& Add(Op::TKind kind)
    {
        mOps.emplace_back();
        mOps.back().kind = kind;
        return mOps.back();
    }

    std::vector<Op>& mOps;
    QFont mFont;
};

TKMetafile::TKMetafile() : mEngine(std::make_unique<Engine>(mOps)) {}

TKMetafile::~TKMetafile() = default;

QPaintEngine* TKMetafile::paintEngine() const
{
    return mEngine.get();
}

int TKMetafile::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 1 << 20;
    case PdmWidthMM:
    case PdmHeightMM:
        return int((1 << 20) * 25.4 / kUnitsPerInch);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kUnitsPerInch;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

int TKMetafile::Count() const
{
    return int(mOps.size());
}

QStringList TKMetafile::Texts() const
{
    QStringList texts;
    for (const Op& op : mOps)
        if (op.kind == Op::Text)
            texts.append(op.text);
    return texts;
}

void TKMetafile::Play(QPainter& painter) const
{
    painter.save();
    // The recording started from a fresh painter's state.
    painter.setPen(QPen());
    painter.setBrush(QBrush());
    painter.setFont(QFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    const QTransform base = painter.transform();
    // The target's own clip (the object's box) bounds everything the recording clips to.
    const bool outerClip = painter.hasClipping();
    const QPainterPath outer = outerClip ? painter.clipPath() : QPainterPath();
    auto reapplyOuter = [&](Qt::ClipOperation operation) {
        if (!outerClip)
            return;
        const QTransform current = painter.transform();
        painter.setTransform(base);
        painter.setClipPath(outer, operation);
        painter.setTransform(current);
    };
    const bool blends = painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::BlendModes);

    for (const Op& op : mOps) {
        switch (op.kind) {
        case Op::State: {
            const QPaintEngine::DirtyFlags f = op.flags;
            if (f & QPaintEngine::DirtyTransform)
                painter.setTransform(op.transform * base);
            if (f & QPaintEngine::DirtyPen)
                painter.setPen(op.pen);
            if (f & QPaintEngine::DirtyBrush)
                painter.setBrush(op.brush);
            if (f & QPaintEngine::DirtyBrushOrigin)
                painter.setBrushOrigin(op.brushOrigin);
            if (f & QPaintEngine::DirtyBackground)
                painter.setBackground(op.background);
            if (f & QPaintEngine::DirtyBackgroundMode)
                painter.setBackgroundMode(op.backgroundMode);
            if (f & (QPaintEngine::DirtyClipRegion | QPaintEngine::DirtyClipPath)) {
                if (op.clipOperation == Qt::NoClip) {
                    painter.setClipping(false);
                    reapplyOuter(Qt::ReplaceClip);
                } else {
                    if (f & QPaintEngine::DirtyClipPath)
                        painter.setClipPath(op.clipPath, op.clipOperation);
                    else
                        painter.setClipRegion(op.clipRegion, op.clipOperation);
                    if (op.clipOperation == Qt::ReplaceClip)
                        reapplyOuter(Qt::IntersectClip);
                }
            }
            if ((f & QPaintEngine::DirtyClipEnabled) && !op.clipEnabled) {
                painter.setClipping(false);
                reapplyOuter(Qt::ReplaceClip);
            }
            if (f & QPaintEngine::DirtyHints) {
                painter.setRenderHints(~op.hints, false);
                painter.setRenderHints(op.hints, true);
            }
            if ((f & QPaintEngine::DirtyCompositionMode) && blends)
                painter.setCompositionMode(op.composition);
            if (f & QPaintEngine::DirtyOpacity)
                painter.setOpacity(op.opacity);
            break;
        }
        case Op::Path:
            painter.drawPath(op.path);
            break;
        case Op::Polygon:
            if (op.polygonMode == QPaintEngine::PolylineMode)
                painter.drawPolyline(op.polygon);
            else
                painter.drawPolygon(op.polygon, op.polygonMode == QPaintEngine::WindingMode
                                                    ? Qt::WindingFill
                                                    : Qt::OddEvenFill);
            break;
        case Op::Rects:
            painter.drawRects(op.rects.data(), int(op.rects.size()));
            break;
        case Op::Lines:
            painter.drawLines(op.lines.data(), int(op.lines.size()));
            break;
        case Op::Ellipse:
            painter.drawEllipse(op.rect);
            break;
        case Op::Image:
            painter.drawImage(op.rect, op.image, op.source);
            break;
        case Op::Pixmap:
            painter.drawPixmap(op.rect, op.pixmap, op.source);
            break;
        case Op::TiledPixmap:
            painter.drawTiledPixmap(op.rect, op.pixmap, op.point);
            break;
        case Op::Text:
            painter.setFont(op.font);
            painter.drawText(op.point, op.text);
            break;
        }
    }
    painter.restore();
}

} // namespace qm

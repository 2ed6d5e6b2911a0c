// SPDX-License-Identifier: GPL-3.0-or-later
// PaintRecording: records painter calls through a paint engine of its own and plays them back.
#include "print/recording.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>

namespace qm {

// What a recording keeps. Every call becomes a small entry in one list, naming its kind and where its values
// are; the values themselves are kept in lists of their own kind, and what the same painting repeats (the pen
// and brush a label sets for each copy of its text, the font) is kept once. A state change is kept as one
// entry per value that changed. Text is kept as its characters in one buffer, not as a string per call.
struct PaintRecording::Store
{
    enum TKind : quint8
    {
        Transform,      // transforms[a]
        Translate,      // points[a]: a transform that only moves
        Pen,            // pens[a]
        Brush,          // brushes[a]
        BrushOrigin,    // points[a]
        Background,     // brushes[a]
        BackgroundMode, // flag: the mode
        NoClip,
        ClipRect,    // clipRects[a], flag: the operation
        ClipRegion,  // regions[a], flag: the operation
        ClipPath,    // paths[a], flag: the operation
        ClipEnabled, // flag: enabled
        Hints,       // a: the hints
        Composition, // a: the mode
        Opacity,     // reals[a]
        Path,        // paths[a]
        Polygon,     // polygons[a], flag: the fill mode
        Rects,       // rects[a .. a + b)
        Lines,       // lines[a .. a + b)
        Ellipse,     // rects[a]
        Picture,     // pictures[a]
        Text         // texts[a]
    };
    struct Op
    {
        TKind kind;
        quint8 flag;
        quint32 a;
        quint32 b;
    };
    struct PictureOp
    {
        enum TKind : quint8
        {
            Image,
            Pixmap,
            Tiled
        };
        TKind kind = Image;
        QRectF rect;
        QRectF source; // the source rectangle; a tiled pixmap's offset as its top-left
        QImage image;
        QPixmap pixmap;
    };
    struct TextOp
    {
        QPointF point;
        quint32 font;
        quint32 from; // in chars
        quint32 length;
    };

    std::vector<Op> ops;
    std::vector<QTransform> transforms;
    std::vector<QPointF> points;
    std::vector<QPen> pens;
    std::vector<QBrush> brushes;
    std::vector<QRect> clipRects;
    std::vector<QRegion> regions;
    std::vector<QPainterPath> paths;
    std::vector<qreal> reals;
    std::vector<QPolygonF> polygons;
    std::vector<QRectF> rects;
    std::vector<QLineF> lines;
    std::vector<PictureOp> pictures;
    std::vector<QFont> fonts;
    std::vector<TextOp> texts;
    QString chars;

    void Add(TKind kind, quint32 a = 0, quint32 b = 0, quint8 flag = 0)
    {
        ops.push_back(Op{kind, flag, a, b});
    }

    // The index of a value among the last few of its list, or of the value added to it.
    template <class T> static quint32 Keep(std::vector<T>& list, const T& value)
    {
        const size_t n = list.size();
        for (size_t i = n; i > 0 && i + 8 > n; --i) {
            if (list[i - 1] == value)
                return quint32(i - 1);
        }
        list.push_back(value);
        return quint32(n);
    }
    template <class T> static quint32 Append(std::vector<T>& list, const T& value)
    {
        list.push_back(value);
        return quint32(list.size() - 1);
    }
};

class PaintRecording::Engine : public QPaintEngine
{
public:
    explicit Engine(Store& store) : QPaintEngine(AllFeatures), mStore(store) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    // One entry per value that changed, in the order Play sets them.
    void updateState(const QPaintEngineState& state) override
    {
        Store& s = mStore;
        const DirtyFlags f = state.state();
        if (f & DirtyFont) {
            // Decorations come as lines of their own. The font travels with the text that uses it.
            QFont font = state.font();
            font.setUnderline(false);
            font.setStrikeOut(false);
            font.setOverline(false);
            mFont = Store::Keep(s.fonts, font);
        }
        if (f & DirtyTransform) {
            const QTransform t = state.transform();
            if (t.type() <= QTransform::TxTranslate)
                s.Add(Store::Translate, Store::Append(s.points, QPointF(t.dx(), t.dy())));
            else
                s.Add(Store::Transform, Store::Append(s.transforms, t));
        }
        if (f & DirtyPen)
            s.Add(Store::Pen, Store::Keep(s.pens, state.pen()));
        if (f & DirtyBrush)
            s.Add(Store::Brush, Store::Keep(s.brushes, state.brush()));
        if (f & DirtyBrushOrigin)
            s.Add(Store::BrushOrigin, Store::Append(s.points, state.brushOrigin()));
        if (f & DirtyBackground)
            s.Add(Store::Background, Store::Keep(s.brushes, state.backgroundBrush()));
        if (f & DirtyBackgroundMode)
            s.Add(Store::BackgroundMode, 0, 0, quint8(state.backgroundMode()));
        if (f & (DirtyClipRegion | DirtyClipPath)) {
            const quint8 operation = quint8(state.clipOperation());
            if (state.clipOperation() == Qt::NoClip) {
                s.Add(Store::NoClip);
            } else if (f & DirtyClipPath) {
                s.Add(Store::ClipPath, Store::Append(s.paths, state.clipPath()), 0, operation);
            } else {
                const QRegion region = state.clipRegion();
                if (region.rectCount() == 1)
                    s.Add(Store::ClipRect, Store::Append(s.clipRects, region.boundingRect()), 0, operation);
                else
                    s.Add(Store::ClipRegion, Store::Append(s.regions, region), 0, operation);
            }
        }
        if (f & DirtyClipEnabled)
            s.Add(Store::ClipEnabled, 0, 0, state.isClipEnabled());
        if (f & DirtyHints)
            s.Add(Store::Hints, quint32(state.renderHints().toInt()));
        if (f & DirtyCompositionMode)
            s.Add(Store::Composition, quint32(state.compositionMode()));
        if (f & DirtyOpacity)
            s.Add(Store::Opacity, Store::Append(s.reals, state.opacity()));
    }

    void drawPath(const QPainterPath& path) override
    {
        mStore.Add(Store::Path, Store::Append(mStore.paths, path));
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        const QPolygonF polygon(QList<QPointF>(points, points + count));
        mStore.Add(Store::Polygon, Store::Append(mStore.polygons, polygon), 0, quint8(mode));
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
        mStore.Add(Store::Rects, quint32(mStore.rects.size()), quint32(count));
        mStore.rects.insert(mStore.rects.end(), rects, rects + count);
    }
    void drawRects(const QRect* rects, int count) override
    {
        mStore.Add(Store::Rects, quint32(mStore.rects.size()), quint32(count));
        for (int i = 0; i < count; ++i)
            mStore.rects.emplace_back(rects[i]);
    }
    void drawLines(const QLineF* lines, int count) override
    {
        mStore.Add(Store::Lines, quint32(mStore.lines.size()), quint32(count));
        mStore.lines.insert(mStore.lines.end(), lines, lines + count);
    }
    void drawLines(const QLine* lines, int count) override
    {
        mStore.Add(Store::Lines, quint32(mStore.lines.size()), quint32(count));
        for (int i = 0; i < count; ++i)
            mStore.lines.emplace_back(lines[i]);
    }
    void drawEllipse(const QRectF& rect) override
    {
        mStore.Add(Store::Ellipse, Store::Append(mStore.rects, rect));
    }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        Store::PictureOp op;
        op.kind = Store::PictureOp::Pixmap;
        op.rect = rect;
        op.pixmap = pixmap;
        op.source = source;
        mStore.Add(Store::Picture, Store::Append(mStore.pictures, op));
    }
    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override
    {
        Store::PictureOp op;
        op.kind = Store::PictureOp::Tiled;
        op.rect = rect;
        op.pixmap = pixmap;
        op.source = QRectF(offset, QSizeF());
        mStore.Add(Store::Picture, Store::Append(mStore.pictures, op));
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override
    {
        Store::PictureOp op;
        op.kind = Store::PictureOp::Image;
        op.rect = rect;
        op.image = image;
        op.source = source;
        mStore.Add(Store::Picture, Store::Append(mStore.pictures, op));
    }
    void drawTextItem(const QPointF& point, const QTextItem& item) override
    {
        // The item's characters are copied once, into the one buffer; no string of its own.
        const QString text = item.text();
        // A laid-out document draws each run in its own font without setting it on the painter.
        quint32 font = mFont;
        if (item.font() != mStore.fonts[mFont]) {
            QFont own = item.font();
            own.setUnderline(false);
            own.setStrikeOut(false);
            own.setOverline(false);
            font = Store::Keep(mStore.fonts, own);
        }
        Store::TextOp op{point, font, quint32(mStore.chars.size()), quint32(text.size())};
        mStore.chars.append(text);
        mStore.Add(Store::Text, Store::Append(mStore.texts, op));
    }

private:
    Store& mStore;
    quint32 mFont = 0;
};

PaintRecording::PaintRecording() : mStore(std::make_unique<Store>()), mEngine(std::make_unique<Engine>(*mStore))
{
    mStore->fonts.emplace_back();
}

PaintRecording::~PaintRecording() = default;

QPaintEngine* PaintRecording::paintEngine() const
{
    return mEngine.get();
}

int PaintRecording::metric(PaintDeviceMetric metric) const
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

int PaintRecording::Count() const
{
    return int(mStore->ops.size());
}

QStringList PaintRecording::Texts() const
{
    QStringList texts;
    for (const Store::TextOp& op : mStore->texts)
        texts.append(mStore->chars.mid(op.from, op.length));
    return texts;
}

void PaintRecording::Play(QPainter& painter) const
{
    const Store& s = *mStore;
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
    auto clipped = [&](Qt::ClipOperation operation, auto setClip) {
        setClip(operation);
        if (operation == Qt::ReplaceClip)
            reapplyOuter(Qt::IntersectClip);
    };

    for (const Store::Op& op : s.ops) {
        switch (op.kind) {
        case Store::Transform:
            painter.setTransform(s.transforms[op.a] * base);
            break;
        case Store::Translate:
            painter.setTransform(QTransform::fromTranslate(s.points[op.a].x(), s.points[op.a].y()) * base);
            break;
        case Store::Pen:
            painter.setPen(s.pens[op.a]);
            break;
        case Store::Brush:
            painter.setBrush(s.brushes[op.a]);
            break;
        case Store::BrushOrigin:
            painter.setBrushOrigin(s.points[op.a]);
            break;
        case Store::Background:
            painter.setBackground(s.brushes[op.a]);
            break;
        case Store::BackgroundMode:
            painter.setBackgroundMode(Qt::BGMode(op.flag));
            break;
        case Store::NoClip:
            painter.setClipping(false);
            reapplyOuter(Qt::ReplaceClip);
            break;
        case Store::ClipRect:
            clipped(Qt::ClipOperation(op.flag),
                    [&](Qt::ClipOperation o) { painter.setClipRegion(QRegion(s.clipRects[op.a]), o); });
            break;
        case Store::ClipRegion:
            clipped(Qt::ClipOperation(op.flag),
                    [&](Qt::ClipOperation o) { painter.setClipRegion(s.regions[op.a], o); });
            break;
        case Store::ClipPath:
            clipped(Qt::ClipOperation(op.flag),
                    [&](Qt::ClipOperation o) { painter.setClipPath(s.paths[op.a], o); });
            break;
        case Store::ClipEnabled:
            if (!op.flag) {
                painter.setClipping(false);
                reapplyOuter(Qt::ReplaceClip);
            }
            break;
        case Store::Hints: {
            const QPainter::RenderHints hints = QPainter::RenderHints::fromInt(int(op.a));
            painter.setRenderHints(~hints, false);
            painter.setRenderHints(hints, true);
            break;
        }
        case Store::Composition:
            if (blends)
                painter.setCompositionMode(QPainter::CompositionMode(op.a));
            break;
        case Store::Opacity:
            painter.setOpacity(s.reals[op.a]);
            break;
        case Store::Path:
            painter.drawPath(s.paths[op.a]);
            break;
        case Store::Polygon: {
            const QPolygonF& polygon = s.polygons[op.a];
            const auto mode = QPaintEngine::PolygonDrawMode(op.flag);
            if (mode == QPaintEngine::PolylineMode)
                painter.drawPolyline(polygon);
            else
                painter.drawPolygon(polygon,
                                    mode == QPaintEngine::WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
            break;
        }
        case Store::Rects:
            painter.drawRects(s.rects.data() + op.a, int(op.b));
            break;
        case Store::Lines:
            painter.drawLines(s.lines.data() + op.a, int(op.b));
            break;
        case Store::Ellipse:
            painter.drawEllipse(s.rects[op.a]);
            break;
        case Store::Picture: {
            const Store::PictureOp& picture = s.pictures[op.a];
            switch (picture.kind) {
            case Store::PictureOp::Image:
                painter.drawImage(picture.rect, picture.image, picture.source);
                break;
            case Store::PictureOp::Pixmap:
                painter.drawPixmap(picture.rect, picture.pixmap, picture.source);
                break;
            case Store::PictureOp::Tiled:
                painter.drawTiledPixmap(picture.rect, picture.pixmap, picture.source.topLeft());
                break;
            }
            break;
        }
        case Store::Text: {
            const Store::TextOp& text = s.texts[op.a];
            painter.setFont(s.fonts[text.font]);
            painter.drawText(text.point, QString::fromRawData(s.chars.constData() + text.from, text.length));
            break;
        }
        }
    }
    painter.restore();
}

} // namespace qm

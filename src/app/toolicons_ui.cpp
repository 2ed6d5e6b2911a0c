// The tool palette's pictures and the program's picture, drawn with a painter.
#include "app/toolicons_ui.h"

#include "design/cardpanel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qm {

namespace {

QPainterPath TextPath(const QString& text, const QString& family, int pixelSize, bool bold, QPointF at)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QPainterPath path;
    path.addText(at, font, text);
    return path;
}

void DrawToolPicture(QPainter& p, int kind)
{
    const QColor ink(30, 30, 30);
    const QColor fill(120, 170, 230);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case psPointing: {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(11, 15);
        arrow.lineTo(14, 21);
        arrow.lineTo(16.5, 20);
        arrow.lineTo(13.5, 14);
        arrow.lineTo(19, 14);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case psLabel:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 160, 160));
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(6, 20)));
        p.setBrush(ink);
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(4, 18)));
        break;
    case psMultiLineLabel:
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(4, 6 + i * 4.5), QPointF(i == 3 ? 13 : 20, 6 + i * 4.5));
        break;
    case psSymbolLabel:
        p.setBrush(QColor(250, 220, 80));
        p.drawEllipse(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(ink);
        p.drawEllipse(QRectF(8, 8, 2, 2.5));
        p.drawEllipse(QRectF(14, 8, 2, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7.5, 9, 9, 7.5), 200 * 16, 140 * 16);
        break;
    case psRectangle:
        p.setBrush(fill);
        p.drawRect(QRectF(3.5, 6.5, 17, 11));
        break;
    case psEllipse:
        p.setBrush(fill);
        p.drawEllipse(QRectF(3.5, 5.5, 17, 13));
        break;
    case psRoundRectangle:
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(3.5, 6.5, 17, 11), 4, 4);
        break;
    case psLine:
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case psImage: {
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 70));
        QPainterPath hills;
        hills.moveTo(4, 18);
        hills.lineTo(9, 11);
        hills.lineTo(13, 15);
        hills.lineTo(16, 12);
        hills.lineTo(20, 18);
        hills.closeSubpath();
        p.drawPath(hills);
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QRectF(14, 7, 4, 4));
        break;
    }
    case psSuperShape: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 4.0 : 9.5;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(12 + r * std::cos(a), 12.5 + r * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        QLinearGradient gradient(0, 3, 0, 22);
        gradient.setColorAt(0, QColor(255, 230, 90));
        gradient.setColorAt(1, QColor(220, 80, 30));
        p.setBrush(gradient);
        p.drawPath(star);
        break;
    }
    case psRichLabel:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawPath(
            TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 17, true, QPointF(1, 18)));
        p.setBrush(QColor(30, 80, 200));
        p.drawPath(TextPath(QStringLiteral("b"), QStringLiteral("Arial"), 13, false, QPointF(11, 18)));
        p.setBrush(QColor(30, 150, 60));
        p.drawPath(TextPath(QStringLiteral("c"), QStringLiteral("Courier New"), 13, true, QPointF(17, 18)));
        break;
    case psSuperText: {
        QLinearGradient gradient(0, 4, 0, 21);
        gradient.setColorAt(0, QColor(90, 40, 200));
        gradient.setColorAt(1, QColor(240, 80, 160));
        p.setPen(QPen(ink, 0.8));
        p.setBrush(gradient);
        p.drawPath(TextPath(QStringLiteral("S"), QStringLiteral("Arial"), 22, true, QPointF(5, 20)));
        break;
    }
    case psCircleText: {
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        p.drawEllipse(QRectF(7, 10, 10, 10));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(6);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        const QString letters = QStringLiteral("ABCDE");
        for (int i = 0; i < letters.size(); ++i) {
            p.save();
            p.translate(12, 15);
            p.rotate(-80 + i * 40.0);
            p.drawText(QPointF(-2, -6.5), letters.mid(i, 1));
            p.restore();
        }
        break;
    }
    case kGridPicture:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 5; ++y)
                p.drawRect(QRectF(3.5 + x * 4, 3.5 + y * 4, 1.2, 1.2));
        break;
    case kSnapPicture:
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(4 + i * 5.5, 3), QPointF(4 + i * 5.5, 21));
            p.drawLine(QPointF(3, 4 + i * 5.5), QPointF(21, 4 + i * 5.5));
        }
        p.setPen(QPen(ink, 1.5));
        p.setBrush(fill);
        p.drawRect(QRectF(9.5, 9.5, 11, 5.5));
        break;
    case kTipsPicture: {
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(QRectF(6, 2.5, 12, 12));
        p.drawRect(QRectF(9, 14.5, 6, 4));
        p.drawLine(QPointF(9.5, 20.5), QPointF(14.5, 20.5));
        break;
    }
    case kBackgroundPicture: {
        QLinearGradient gradient(0, 5, 24, 19);
        gradient.setColorAt(0, QColor(120, 190, 250));
        gradient.setColorAt(1, QColor(250, 240, 200));
        p.setBrush(gradient);
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(6, 9, 8, 1.5));
        p.drawRect(QRectF(6, 12.5, 11, 1.5));
        break;
    }
    default:
        break;
    }
}

} // namespace

QIcon ToolIcon(int kind)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawToolPicture(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap ProgramPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 16, 50, 30), 3, 3);
    p.setPen(QPen(QColor(30, 60, 140), 2.5));
    p.drawLine(QPointF(10, 26), QPointF(34, 26));
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.drawLine(QPointF(10, 33), QPointF(28, 33));
    p.drawLine(QPointF(10, 38), QPointF(30, 38));
    QPainterPath quill;
    quill.moveTo(36, 50);
    quill.cubicTo(40, 30, 50, 14, 61, 4);
    quill.cubicTo(58, 18, 50, 32, 36, 50);
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(200, 160, 90));
    p.drawPath(quill);
    return pixmap;
}

} // namespace qm

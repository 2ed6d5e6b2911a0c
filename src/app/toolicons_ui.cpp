// SPDX-License-Identifier: GPL-3.0-or-later
// The tool palette's pictures and the program's picture, drawn with a painter.
#include "app/toolicons_ui.h"

#include "design/cardpanel.h"
#include "model/classregistry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qm {

namespace {

void DrawToolPicture(QPainter& p, int kind)
{
    const QColor ink(30, 30, 30);
    const QColor fill(120, 170, 230);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    // A drawing tool's picture comes with its object kind.
    if (const DrawingTool* tool = CardClasses().Tool(kind); tool && tool->picture) {
        tool->picture(p);
        return;
    }
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

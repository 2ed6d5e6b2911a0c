// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the drawing tools in the palette, 24 units square, each registered with its object kind.
#include "objects/toolpictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qm {

namespace {

const QColor kInk(30, 30, 30);
const QColor kFill(120, 170, 230);

QPainterPath TextPath(const QString& text, const QString& family, int pixelSize, bool bold, QPointF at)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QPainterPath path;
    path.addText(at, font, text);
    return path;
}

} // namespace

void DrawTextToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 160, 160));
    p.drawPath(
        TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(6, 20)));
    p.setBrush(kInk);
    p.drawPath(
        TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 20, true, QPointF(4, 18)));
}

void DrawMultiLineTextToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(4, 6 + i * 4.5), QPointF(i == 3 ? 13 : 20, 6 + i * 4.5));
}

void DrawSymbolToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setBrush(QColor(250, 220, 80));
    p.drawEllipse(QRectF(3.5, 3.5, 17, 17));
    p.setBrush(kInk);
    p.drawEllipse(QRectF(8, 8, 2, 2.5));
    p.drawEllipse(QRectF(14, 8, 2, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7.5, 9, 9, 7.5), 200 * 16, 140 * 16);
}

void DrawRectangleToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setBrush(kFill);
    p.drawRect(QRectF(3.5, 6.5, 17, 11));
}

void DrawEllipseToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setBrush(kFill);
    p.drawEllipse(QRectF(3.5, 5.5, 17, 13));
}

void DrawRoundRectangleToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setBrush(kFill);
    p.drawRoundedRect(QRectF(3.5, 6.5, 17, 11), 4, 4);
}

void DrawLineToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
}

void DrawClipArtToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
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
}

void DrawSuperShapeToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
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
}

void DrawRichTextToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawPath(
        TextPath(QStringLiteral("A"), QStringLiteral("Times New Roman"), 17, true, QPointF(1, 18)));
    p.setBrush(QColor(30, 80, 200));
    p.drawPath(TextPath(QStringLiteral("b"), QStringLiteral("Arial"), 13, false, QPointF(11, 18)));
    p.setBrush(QColor(30, 150, 60));
    p.drawPath(TextPath(QStringLiteral("c"), QStringLiteral("Courier New"), 13, true, QPointF(17, 18)));
}

void DrawSuperTextToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    QLinearGradient gradient(0, 4, 0, 21);
    gradient.setColorAt(0, QColor(90, 40, 200));
    gradient.setColorAt(1, QColor(240, 80, 160));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(gradient);
    p.drawPath(TextPath(QStringLiteral("S"), QStringLiteral("Arial"), 22, true, QPointF(5, 20)));
}

void DrawCircleTextToolPicture(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawEllipse(QRectF(7, 10, 10, 10));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(6);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    const QString letters = QStringLiteral("ABCDE");
    for (int i = 0; i < letters.size(); ++i) {
        p.save();
        p.translate(12, 15);
        p.rotate(-80 + i * 40.0);
        p.drawText(QPointF(-2, -6.5), letters.mid(i, 1));
        p.restore();
    }
}

void DrawQRCodeToolPicture(QPainter& p)
{
    // Three finder squares and a scatter of modules, two units each.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const QPointF corner : {QPointF(3, 3), QPointF(15, 3), QPointF(3, 15)}) {
        QPainterPath finder;
        finder.addRect(QRectF(corner, QSizeF(6, 6)));
        finder.addRect(QRectF(corner + QPointF(1, 1), QSizeF(4, 4)));
        finder.addRect(QRectF(corner + QPointF(2, 2), QSizeF(2, 2)));
        p.drawPath(finder);
    }
    static const int modules[][2] = {{11, 3}, {11, 7}, {13, 11}, {11, 13}, {15, 11}, {19, 13}, {17, 15},
                                     {15, 17}, {19, 19}, {13, 19}, {11, 17}, {3, 11}, {7, 11}, {17, 11}};
    for (const auto& m : modules)
        p.drawRect(QRectF(m[0], m[1], 2, 2));
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the printing tests: PDF pages rendered by poppler, PDF facts, ink boxes of pictures.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>

#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>

namespace qmtest {

inline bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString RunTool(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One page of a PDF file as a grey picture at the given resolution; null when poppler failed. With an area
// (in pixels at that resolution) only that part of the page.
inline QImage RenderPdfPage(const QString& pdf, int dpi, int page = 1, const QRect& area = QRect())
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"), QString::number(dpi),  QStringLiteral("-gray"),
                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                     QString::number(page)};
    if (!area.isEmpty())
        args << QStringLiteral("-x") << QString::number(area.x()) << QStringLiteral("-y")
             << QString::number(area.y()) << QStringLiteral("-W") << QString::number(area.width())
             << QStringLiteral("-H") << QString::number(area.height());
    RunTool(QStringLiteral("pdftoppm"), args << QStringLiteral("-singlefile") << pdf << prefix);
    // A binary grey map: "P5", width, height, 255, then one byte per pixel.
    QFile file(prefix + QStringLiteral(".pgm"));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray data = file.readAll();
    qsizetype pos = 0;
    QList<QByteArray> header;
    while (header.size() < 4 && pos < data.size()) {
        while (pos < data.size() && QChar(data[pos]).isSpace())
            ++pos;
        const qsizetype start = pos;
        while (pos < data.size() && !QChar(data[pos]).isSpace())
            ++pos;
        header.append(data.mid(start, pos - start));
    }
    ++pos;
    if (header.size() < 4 || header[0] != "P5")
        return QImage();
    const int w = header[1].toInt(), h = header[2].toInt();
    if (w <= 0 || h <= 0 || data.size() - pos < qsizetype(w) * h)
        return QImage();
    QImage image(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        memcpy(image.scanLine(y), data.constData() + pos + qsizetype(y) * w, size_t(w));
    return image;
}

// The same page in colour (RGB32); null when poppler failed.
inline QImage RenderPdfPageInColour(const QString& pdf, int dpi, int page = 1, const QRect& area = QRect())
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-f"),
                     QString::number(page), QStringLiteral("-l"), QString::number(page)};
    if (!area.isEmpty())
        args << QStringLiteral("-x") << QString::number(area.x()) << QStringLiteral("-y")
             << QString::number(area.y()) << QStringLiteral("-W") << QString::number(area.width())
             << QStringLiteral("-H") << QString::number(area.height());
    RunTool(QStringLiteral("pdftoppm"), args << QStringLiteral("-singlefile") << pdf << prefix);
    const QImage image(prefix + QStringLiteral(".png"));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// The centre of the darkest run of pixels across a line near `expected` (in pixels), scanning along x for a
// vertical edge (horizontalEdge false) or along y for a horizontal one, at the other coordinate `at`, up to
// reach pixels either side; -1000 when there is no ink.
inline double EdgeCentre(const QImage& page, double expected, int at, bool horizontalEdge, int reach = 4)
{
    const int from = int(std::floor(expected)) - reach, to = int(std::floor(expected)) + reach;
    double sum = 0, weight = 0;
    for (int p = from; p <= to; ++p) {
        const int x = horizontalEdge ? at : p, y = horizontalEdge ? p : at;
        if (!page.rect().contains(x, y))
            continue;
        const double ink = 255 - qGray(page.pixel(x, y));
        if (ink > 40) {
            sum += ink * (p + 0.5);
            weight += ink;
        }
    }
    return weight > 0 ? sum / weight : -1000;
}

// The bounding box of the pixels darker than the threshold within `area` (the whole picture when empty).
inline QRect InkBox(const QImage& image, QRect area = QRect(), int threshold = 160)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (area.isEmpty())
        area = grey.rect();
    area &= grey.rect();
    int l = INT_MAX, t = INT_MAX, r = -1, b = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (line[x] < threshold) {
                l = std::min(l, x);
                t = std::min(t, y);
                r = std::max(r, x);
                b = std::max(b, y);
            }
        }
    }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

} // namespace qmtest

// SPDX-License-Identifier: GPL-3.0-or-later
// gLabels documents (.glabels, gLabels 3 and 4, plain or gzip-compressed XML) read into a plain description.
#pragma once

#include "platform/fileformat.h"
#include "stock/glabelsstock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <vector>

namespace qm {

// A colour as gLabels writes it: 0xRRGGBBAA.
using GlabelsColor = quint32;
constexpr int GlabelsAlpha(GlabelsColor c) { return int(c & 0xff); }

// A piece of text in one style; a merge field arrives as "{name}".
struct GlabelsRun
{
    QString text;
    QString family = QStringLiteral("Sans");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    GlabelsColor color = 0x000000ff;
};
using GlabelsLine = std::vector<GlabelsRun>;

// One object of the document; lengths in points, relative to the card's top-left corner.
struct GlabelsObject
{
    enum Kind
    {
        Box,
        Ellipse,
        Line,
        Text,
        Image,
        Barcode
    };
    Kind kind = Box;
    double x = 0, y = 0;
    double w = 0, h = 0; // a line's dx and dy
    QTransform matrix;   // applied about (x, y), as gLabels draws

    double lineWidth = 1;
    GlabelsColor lineColor = 0;
    GlabelsColor fillColor = 0;
    QStringList colorFields; // colours taken from merge fields: which attributes

    bool shadow = false;
    double shadowX = 0, shadowY = 0;
    double shadowOpacity = 1;
    GlabelsColor shadowColor = 0x000000ff;

    // Text: its lines, each a list of runs; alignment "Left", "Center" or "Right" and "Top", "Center",
    // "Bottom".
    std::vector<GlabelsLine> lines;
    QString justify = QStringLiteral("Left");
    QString valign = QStringLiteral("Top");
    double lineSpacing = 1;
    bool autoShrink = false;

    // Image: a file name (relative to the document's folder unless absolute) or the name of embedded data;
    // field names a merge field that holds the file name.
    QString source;
    QString field;

    // Barcode: gLabels' backend and style, its data ("{field}" for a merge field) and colour.
    QString backend;
    QString style;
    QString data;
    GlabelsColor color = 0x000000ff;
};

struct GlabelsDocument
{
    int version = 3; // 3 for gLabels 3 documents, 4 for glabels-qt's
    // The sheet the document is designed for (its Template element).
    StockTemplate sheet;
    bool rotate = false; // the card is turned on the sheet
    std::vector<GlabelsObject> objects;
    QString mergeType;   // "Text/Comma", "Text/Comma/Line1Keys", "ebook/vcard"...
    QString mergeSource; // as stored
    // Embedded pictures by name: the bytes of a PNG, JPEG or SVG file.
    QHash<QString, QByteArray> embedded;
    // What the document holds that the description leaves out (an element of a kind gLabels does not write,
    // a picture in a form that cannot be read), one line each.
    QStringList skipped;
};

// The gLabels document format.
class GlabelsFormat : public FileReader<GlabelsDocument>
{
    Q_DECLARE_TR_FUNCTIONS(qm::GlabelsFormat)

public:
    // Far larger than any card design (embedded pictures included).
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    QString Name() const override { return tr("gLabels document"); }
    QStringList Extensions() const override { return {QStringLiteral("glabels")}; }
    // gzip data, or XML whose root is a Glabels-document.
    bool CanRead(const QByteArray& head) const override;
    bool Read(const QString& path, GlabelsDocument& into) override;
    // The same for the bytes of a file (compressed or not).
    bool ReadBytes(const QByteArray& bytes, GlabelsDocument& into);
};

} // namespace qm

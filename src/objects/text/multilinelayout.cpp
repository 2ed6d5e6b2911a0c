// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-line text layout: word wrap with Qt's text layout, and row placement.
#include "objects/text/multilinelayout.h"

#include "model/cardobject.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace qm {

namespace {

// No glyph a row can show is narrower than a quarter of a pixel (zero-width marks aside): a line of more
// characters than this cannot show beyond them in a box of the given width.
qsizetype SeenCharacters(int width)
{
    return qsizetype(std::clamp(width, 0, 1 << 20)) * 4 + 1024;
}

bool IsBlank(QChar c) { return c == QLatin1Char(' '); }

} // namespace

int MultiLineRowHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    return std::max(1, metrics.ascent() + metrics.descent());
}

int MultiLineRowsFitting(int boxHeight, int rowHeight)
{
    if (boxHeight <= 0)
        return 0;
    rowHeight = std::max(1, rowHeight);
    return (boxHeight + rowHeight - 1) / rowHeight;
}

QStringList WrapMultiLineText(const QStringList& lines, const QFont& font, int width, int maxLines)
{
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal lineWidth = std::max(1, width);
    for (const QString& line : lines) {
        if (out.size() >= maxLines)
            break;
        if (line.isEmpty()) {
            out << QString();
            continue;
        }
        // Only as much of a huge line as the remaining rows can show is laid out.
        const qsizetype rowsLeft = maxLines - out.size() + 1;
        const qsizetype budget = rowsLeft > (qsizetype(1) << 40) / SeenCharacters(width)
                                     ? line.size()
                                     : rowsLeft * SeenCharacters(width);
        const QString text = line.size() > budget ? line.left(budget) : line;

        QTextLayout layout(text, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (;;) {
            if (out.size() >= maxLines)
                break;
            QTextLine row = layout.createLine();
            if (!row.isValid())
                break;
            row.setLineWidth(lineWidth);
            const int start = row.textStart();
            int length = row.textLength();
            const bool broken = start + length < text.size();
            // The spaces where a line was broken belong to no row.
            if (broken) {
                while (length > 0 && IsBlank(text.at(start + length - 1)))
                    --length;
            }
            out << text.mid(start, length);
        }
        layout.endLayout();
    }
    return out;
}

MultiLineRows PlaceMultiLineRows(const QStringList& lines, const QFont& font, QSize box, TAlignment alignment)
{
    MultiLineRows out;
    const QFontMetrics metrics(font);
    out.rowHeight = MultiLineRowHeight(font);

    QStringList shown = lines;
    //: What a multi-line text with no text in it shows.
    const QString blank = QCoreApplication::translate("qm::ObjectKinds", "<blank>");
    if (shown.isEmpty())
        shown << blank;
    else if (shown.size() == 1 && TKGraphicControl::TrimBlanks(shown.first()).isEmpty())
        shown << blank;

    const int width = box.width();
    const int rows = std::min<qsizetype>(MultiLineRowsFitting(box.height(), out.rowHeight), shown.size());
    const qsizetype seen = SeenCharacters(width);
    out.rows.reserve(size_t(std::max(rows, 0)));
    for (int i = 0; i < rows; ++i) {
        TextRow row;
        row.top = i * out.rowHeight;
        const QString& line = shown.at(i);
        if (line.size() <= seen) {
            row.text = line;
            const int w = metrics.horizontalAdvance(line);
            if (alignment == taRightJustify)
                row.x = width - w - 1;
            else if (alignment == taCenter)
                row.x = width / 2 - w / 2 + 1;
        } else if (alignment == taRightJustify) {
            // Only the end of the line reaches into the box.
            row.text = line.right(seen);
            row.x = width - metrics.horizontalAdvance(row.text) - 1;
        } else if (alignment == taCenter) {
            // The middle of the line lies at the middle of the box.
            row.text = line.mid(line.size() / 2 - seen / 2, seen);
            row.x = width / 2 - metrics.horizontalAdvance(row.text.left(seen / 2)) + 1;
        } else {
            row.text = line.left(seen);
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace qm

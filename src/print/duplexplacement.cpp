// SPDX-License-Identifier: GPL-3.0-or-later
// Two-sided sheets: the back of each card mirrored behind its front, and the order of the back pages.
#include "print/duplexplacement.h"

#include "print/sheetprinter.h"

#include <QCoreApplication>

namespace qm {

QString DuplexModeName(DuplexMode mode)
{
    switch (mode) {
    case DuplexMode::LongEdge:
        return QStringLiteral("long");
    case DuplexMode::ShortEdge:
        return QStringLiteral("short");
    case DuplexMode::Manual:
        return QStringLiteral("manual");
    case DuplexMode::None:
        break;
    }
    return QStringLiteral("none");
}

bool ParseDuplexMode(const QString& word, DuplexMode* mode)
{
    for (DuplexMode m : {DuplexMode::None, DuplexMode::LongEdge, DuplexMode::ShortEdge, DuplexMode::Manual}) {
        if (word.compare(DuplexModeName(m), Qt::CaseInsensitive) == 0) {
            *mode = m;
            return true;
        }
    }
    return false;
}

DuplexPlacement::DuplexPlacement(const SheetGeometry& geometry, const QSizeF& paper, DuplexMode mode)
    : mGeometry(geometry), mPaper(paper), mMode(mode)
{}

QRectF DuplexPlacement::BackRect(int row, int column, bool rotated) const
{
    const SheetGeometry& g = mGeometry;
    // The card's place on the upright sheet as the layout (with its nudges) puts it.
    double left = column * g.HPitch + g.LeftMargin;
    double top = row * g.VPitch + g.TopMargin;
    // Behind it on the turned sheet.
    if (mMode == DuplexMode::ShortEdge)
        top = mPaper.height() - top - g.CardHeight;
    else
        left = mPaper.width() - left - g.CardWidth;
    // The printer draws the back page as it draws the front, then the back's own correction.
    left = left * g.ScaleX + g.OffsetX + g.BackOffsetX;
    top = top * g.ScaleY + g.OffsetY + g.BackOffsetY;
    if (!rotated)
        return QRectF(left, top, g.CardWidth, g.CardHeight);
    // The landscape page is the upright sheet turned a quarter to the left, as for the front.
    return QRectF(top, mPaper.width() - (left + g.CardWidth), g.CardHeight, g.CardWidth);
}

bool DuplexPlacement::BackTurned(bool rotated) const
{
    return (mMode == DuplexMode::ShortEdge) != rotated;
}

std::vector<int> DuplexPlacement::BackPageOrder(DuplexMode mode, int sheets)
{
    std::vector<int> order;
    for (int i = 0; i < sheets; ++i)
        order.push_back(mode == DuplexMode::Manual ? sheets - 1 - i : i);
    return order;
}

QString DuplexPlacement::TurnStackMessage(int sheets)
{
    if (sheets == 1)
        return QCoreApplication::translate(
            "qm::DuplexPlacement",
            "The fronts are printed. Take the sheet out of the printer, turn it over "
            "along the long edge without changing the order, and put it back into the paper tray the way it "
            "came out; then go on to print the backs.");
    return QCoreApplication::translate(
        "qm::DuplexPlacement",
        "The fronts are printed. Take the stack of %Ln sheets out of the printer, "
        "turn the stack over along the long edge without changing the order, and put "
        "the stack back into the paper tray the way it came out; then go on to print "
        "the backs.",
        nullptr, sheets);
}

} // namespace qm

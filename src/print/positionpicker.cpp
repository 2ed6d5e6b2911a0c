// SPDX-License-Identifier: GPL-3.0-or-later
// TSheetSelection: position rectangles of the fifth-scale sheet picture, toggling, all and none, the Ok
// check.
#include "print/positionpicker.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

int Trunc(double v)
{
    return int(std::trunc(v));
}

} // namespace

TSheetSelection::TSheetSelection(const CardSheetLayout& layout, const SheetPositions& positions,
                                 int pixelsPerInch)
    : mLayout(layout), mPositions(positions), mScale(0.2 * pixelsPerInch)
{}

QSizeF TSheetSelection::PaperInches(int paperCode)
{
    return paperCode == kPaperLetter ? QSizeF(8.5, 11) : QSizeF(8.268, 11.69);
}

QRect TSheetSelection::PaperRect() const
{
    const QSizeF paper = PaperInches(mLayout.Papersize);
    return QRect(kPictureOffset, kPictureOffset, Trunc(paper.width() * mScale),
                 Trunc(paper.height() * mScale));
}

QRect TSheetSelection::PositionRect(int index) const
{
    if (index < 0 || index >= PositionCount())
        return QRect();
    const int r = index / mLayout.Across;
    const int c = index % mLayout.Across;
    const double s = mScale;
    const int left =
        Trunc(double(mLayout.LeftMargin) * s) + c * Trunc(double(mLayout.HPitch) * s) + kPictureOffset;
    const int top =
        Trunc(double(mLayout.TopMargin) * s) + r * Trunc(double(mLayout.VPitch) * s) + kPictureOffset;
    return QRect(left, top, Trunc(double(mLayout.Width) * s), Trunc(double(mLayout.Height) * s));
}

int TSheetSelection::PositionAt(QPoint point) const
{
    for (int i = 0; i < PositionCount(); ++i) {
        if (PositionRect(i).contains(point))
            return i;
    }
    return -1;
}

int TSheetSelection::Click(QPoint point)
{
    const int index = PositionAt(point);
    if (index >= 0)
        mPositions.Toggle(index);
    return index;
}

bool TSheetSelection::Toggle(int index)
{
    if (index < 0 || index >= PositionCount())
        return false;
    mPositions.Toggle(index);
    return true;
}

int TSheetSelection::Step(int from, int dx, int dy) const
{
    if (PositionCount() == 0)
        return -1;
    if (from < 0 || from >= PositionCount())
        return 0;
    const int across = mLayout.Across;
    const int row = std::clamp(from / across + dy, 0, mLayout.Down - 1);
    const int column = std::clamp(from % across + dx, 0, across - 1);
    return row * across + column;
}

QString TSheetSelection::PositionName(int index) const
{
    //: A card's position on the sheet, as a screen reader names it
    return tr("Row %1, column %2").arg(index / mLayout.Across + 1).arg(index % mLayout.Across + 1);
}

void TSheetSelection::SelectAll()
{
    mPositions.SelectAll();
}

void TSheetSelection::SelectNone()
{
    mPositions.Clear();
}

void TSheetSelection::SetPages(int pages)
{
    mPages = std::clamp(pages, kMinPages, kMaxPages);
}

QString TSheetSelection::AcceptProblem() const
{
    if (!mPositions.AnySelected(PositionCount()))
        return tr("You must select at least one card to print");
    return QString();
}

} // namespace qm

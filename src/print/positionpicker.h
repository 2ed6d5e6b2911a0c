// SPDX-License-Identifier: GPL-3.0-or-later
// TSheetSelection: the sheet picture of the position dialog: paper and position rectangles, clicks, pages,
// the Ok check.
#pragma once

#include "model/sheetlayout.h"
#include "print/sheetpositions.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QString>

namespace qm {

// The sheet drawn at a fifth of its size (0.2 x the screen's pixels per inch), 10 pixels in from the
// picture's top-left corner, one rectangle for every position of the layout.
class TSheetSelection
{
    Q_DECLARE_TR_FUNCTIONS(qm::TSheetSelection)

public:
    static constexpr int kPictureOffset = 10;
    static constexpr int kMinPages = 1;
    // Sheets of one job: as many as the print command takes.
    static constexpr int kMaxPages = 100000;

    TSheetSelection(const CardSheetLayout& layout, const SheetPositions& positions, int pixelsPerInch = 96);

    // The paper as the picture shows it: 8.5 x 11 inches for Letter, 8.268 x 11.69 for A4.
    static QSizeF PaperInches(int paperCode);
    // Pixels per inch of the picture.
    double Scale() const { return mScale; }
    // The paper's rectangle in the picture.
    QRect PaperRect() const;
    int PositionCount() const { return mLayout.Across * mLayout.Down; }
    QRect PositionRect(int index) const;
    // The position whose rectangle holds the point; -1 for none.
    int PositionAt(QPoint point) const;

    const SheetPositions& Positions() const { return mPositions; }
    bool Selected(int index) const { return mPositions.Selected(index); }
    // A press on the picture: toggles the position under it. Returns that position, or -1.
    int Click(QPoint point);
    // Space on the picture: toggles a position (counted from 0); false for one the layout does not have.
    bool Toggle(int index);
    int Across() const { return mLayout.Across; }
    // The position the arrow keys reach from `from`: a step across (dx) or down (dy), stopping at the edges
    // of the sheet; the first position when from is none.
    int Step(int from, int dx, int dy) const;
    // "Row 2, column 1" (counted from 1) for screen readers.
    QString PositionName(int index) const;
    void SelectAll();
    void SelectNone();

    int Pages() const { return mPages; }
    void SetPages(int pages);

    // The information box "Ok" shows instead of closing; empty when the dialog may close.
    QString AcceptProblem() const;

private:
    CardSheetLayout mLayout;
    SheetPositions mPositions;
    double mScale;
    int mPages = 1;
};

} // namespace qm

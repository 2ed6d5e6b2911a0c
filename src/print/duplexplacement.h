// SPDX-License-Identifier: GPL-3.0-or-later
// Two-sided sheets: how the sheet is turned, where the back of each card goes, and the order of the back pages.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace qm {

struct SheetGeometry;

// How a sheet printed on both sides is turned between its front page and its back page.
enum class DuplexMode
{
    None,      // one-sided
    LongEdge,  // the printer turns the sheet over its long edge, as a book's page turns
    ShortEdge, // the printer turns it over its short edge, as a wall calendar's page turns
    Manual     // all fronts first; the user turns the stack over its long edge and feeds it again
};

// "long", "short", "manual" (and "none"), as the command line and the preferences spell them.
QString DuplexModeName(DuplexMode mode);
// False when the word is none of the names.
bool ParseDuplexMode(const QString& word, DuplexMode* mode);

// Where the backs go. The sheet's geometry is the front's (with the printer's fine tuning); paper is the
// paper standing upright, in inches. The back page is read the way the sheet is turned, so a card's back
// stands behind its front mirrored across the axis the sheet turns about: across for a long-edge turn, down
// for a short-edge one. The printer's calibration (scale, offset) moves both pages alike; the back offset
// moves the back page on top.
class DuplexPlacement
{
public:
    DuplexPlacement(const SheetGeometry& geometry, const QSizeF& paper, DuplexMode mode);
    // The placement keeps a reference to the geometry: a temporary one would be gone before it is used.
    DuplexPlacement(SheetGeometry&& geometry, const QSizeF& paper, DuplexMode mode) = delete;

    DuplexMode Mode() const { return mMode; }
    bool TwoSided() const { return mMode != DuplexMode::None; }

    // The back of the card at row, column on its page, in inches from the page's corner; for a Rotated card
    // on the landscape page, as SheetGeometry::CardRect gives the front.
    QRectF BackRect(int row, int column, bool rotated) const;

    // True when each back is drawn a half turn round on its page, so that a cut card turned over sideways
    // (about its own upright axis) shows its back upright: the sheet then turns about the card's horizontal
    // axis (a short-edge turn of Normal cards, a long-edge turn of Rotated cards, which stand across the
    // landscape page).
    bool BackTurned(bool rotated) const;

    // The sheets (counted from 0) in the order their back pages print. A manual job prints the backs last,
    // last sheet first: the stack that came out face down, turned over as it lies, feeds its last sheet first.
    static std::vector<int> BackPageOrder(DuplexMode mode, int sheets);

    // The words that ask the user to turn the stack over between the fronts and the backs of a manual job.
    static QString TurnStackMessage(int sheets);

private:
    const SheetGeometry& mGeometry;
    QSizeF mPaper;
    DuplexMode mMode;
};

} // namespace qm

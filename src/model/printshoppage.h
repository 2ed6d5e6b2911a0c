// SPDX-License-Identifier: GPL-3.0-or-later
// PrintShopPage: the page of a PDF made for a print shop: the card's trim, the bleed around it and room for
// crop marks, in PDF points and in card units.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace qm {

constexpr double kPointsPerMm = 72.0 / 25.4;

// A print shop cuts the card out of a larger page. Its TrimBox is the card exactly; the BleedBox is the
// card plus the bleed on each side, into which the background and whatever touches the card's edge continue
// so that a cut a little off the line leaves no white edge; the MediaBox leaves room for the crop marks
// outside the bleed. Boxes and marks are in PDF points counted from the page's bottom-left corner, as a page
// dictionary holds them; the card's own drawing is in card units (96 an inch) from its top-left corner.
class PrintShopPage
{
public:
    static constexpr double kDefaultBleedMm = 3.0;
    static constexpr double kMaxBleedMm = 6.0;
    static constexpr double kBleedStepMm = 0.5;
    // Text closer than this to the trim may be cut off.
    static constexpr double kSafeMarginMm = 3.0;
    // Crop marks: thin black lines on the trim lines' extensions, starting this far beyond the bleed.
    static constexpr double kMarkGapMm = 1.0;
    static constexpr double kMarkLengthMm = 5.0;
    static constexpr double kMarkWidthPoints = 0.25;
    // Beyond the marks' far ends, to the page's edge.
    static constexpr double kMarkRoomMm = 1.0;

    // trimUnits: the card's size in card units.
    explicit PrintShopPage(const QSizeF& trimUnits, double bleedMm = kDefaultBleedMm, bool cropMarks = false);

    // Whether a bleed can be asked for: 0 to 6 mm in steps of 0.5 mm.
    static bool ValidBleed(double mm);
    // A bleed as the user typed it ("3", "2.5"): false with a message in the program's words otherwise.
    static bool ParseBleed(const QString& text, double* mm, QString* error);

    double BleedMm() const { return mBleedMm; }
    // Taken to the nearest step within 0 to 6 mm.
    void SetBleedMm(double mm);
    bool CropMarks() const { return mCropMarks; }
    void SetCropMarks(bool on) { mCropMarks = on; }
    QSizeF TrimUnits() const { return mTrimUnits; }

    double BleedPoints() const { return mBleedMm * kPointsPerMm; }
    // From the page's edge to the trim, in points: the bleed, and the marks with their gap when they are on.
    double MarginPoints() const;
    QRectF MediaBox() const;
    QRectF BleedBox() const;
    QRectF TrimBox() const;
    // Eight lines, two at each corner, in points; none without crop marks.
    std::vector<QLineF> CropMarkLines() const;
    // The marks as PDF page-content operators.
    QByteArray CropMarkOperators() const;

    // In card units from the card's top-left corner.
    double BleedUnits() const;
    QRectF TrimRectUnits() const { return QRectF(QPointF(0, 0), mTrimUnits); }
    QRectF BleedRectUnits() const;
    // Inside it text is safe from the cut.
    QRectF SafeRectUnits() const;
    // Where a picture stretched over the card is drawn so that it covers the bleed too: the card's rectangle
    // scaled alike both ways about its centre until it covers the bleed rectangle.
    QRectF CoverRectUnits() const;

private:
    QSizeF mTrimUnits;
    double mBleedMm = kDefaultBleedMm;
    bool mCropMarks = false;
};

// A length in millimetres in card units, and back.
double MmToUnits(double mm);
double UnitsToMm(double units);

} // namespace qm

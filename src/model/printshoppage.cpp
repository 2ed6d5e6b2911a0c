// SPDX-License-Identifier: GPL-3.0-or-later
// The print-shop page's boxes, crop marks and the cover of the bleed.
#include "model/printshoppage.h"

#include "platform/units.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;

QByteArray Number(double v)
{
    if (std::abs(v) < 5e-5)
        return "0";
    QByteArray text = QByteArray::number(v, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

} // namespace

double MmToUnits(double mm)
{
    return mm * kUnitsPerInch / 25.4;
}

double UnitsToMm(double units)
{
    return units * 25.4 / kUnitsPerInch;
}

PrintShopPage::PrintShopPage(const QSizeF& trimUnits, double bleedMm, bool cropMarks)
    : mTrimUnits(trimUnits), mCropMarks(cropMarks)
{
    SetBleedMm(bleedMm);
}

bool PrintShopPage::ValidBleed(double mm)
{
    if (!std::isfinite(mm) || mm < 0 || mm > kMaxBleedMm)
        return false;
    const double steps = mm / kBleedStepMm;
    return std::abs(steps - std::round(steps)) < 1e-9;
}

bool PrintShopPage::ParseBleed(const QString& text, double* mm, QString* error)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !ValidBleed(value)) {
        if (error)
            //: The command line's option --bleed: its name and the numbers in it stay as they are.
            *error =
                QCoreApplication::translate(
                    "qm::PrintShopPage", "--bleed needs millimetres from 0 to %1 in steps of %2 (such as 3 "
                                         "or 2.5), not \"%3\"")
                    .arg(kMaxBleedMm)
                    .arg(kBleedStepMm)
                    .arg(text);
        return false;
    }
    *mm = value;
    return true;
}

void PrintShopPage::SetBleedMm(double mm)
{
    if (!std::isfinite(mm))
        mm = kDefaultBleedMm;
    mBleedMm = std::clamp(std::round(mm / kBleedStepMm) * kBleedStepMm, 0.0, kMaxBleedMm);
}

double PrintShopPage::MarginPoints() const
{
    double margin = BleedPoints();
    if (mCropMarks)
        margin += (kMarkGapMm + kMarkLengthMm + kMarkRoomMm) * kPointsPerMm;
    return margin;
}

QRectF PrintShopPage::TrimBox() const
{
    const double m = MarginPoints();
    return QRectF(m, m, mTrimUnits.width() * kPointsPerUnit, mTrimUnits.height() * kPointsPerUnit);
}

QRectF PrintShopPage::BleedBox() const
{
    const double b = BleedPoints();
    return TrimBox().adjusted(-b, -b, b, b);
}

QRectF PrintShopPage::MediaBox() const
{
    const double m = MarginPoints();
    return TrimBox().adjusted(-m, -m, m, m);
}

std::vector<QLineF> PrintShopPage::CropMarkLines() const
{
    std::vector<QLineF> lines;
    if (!mCropMarks)
        return lines;
    const QRectF trim = TrimBox();
    const double start = BleedPoints() + kMarkGapMm * kPointsPerMm;
    const double end = start + kMarkLengthMm * kPointsPerMm;
    // With y upwards, top() is the lower edge of a QRectF holding PDF coordinates.
    const double left = trim.left(), right = trim.right(), low = trim.top(), high = trim.bottom();
    for (const double x : {left, right}) {
        lines.emplace_back(x, low - start, x, low - end);
        lines.emplace_back(x, high + start, x, high + end);
    }
    for (const double y : {low, high}) {
        lines.emplace_back(left - start, y, left - end, y);
        lines.emplace_back(right + start, y, right + end, y);
    }
    return lines;
}

QByteArray PrintShopPage::CropMarkOperators() const
{
    const std::vector<QLineF> lines = CropMarkLines();
    if (lines.empty())
        return QByteArray();
    QByteArray ops = "q " + Number(kMarkWidthPoints) + " w 0 J [] 0 d 0 G\n";
    for (const QLineF& line : lines)
        ops += Number(line.x1()) + ' ' + Number(line.y1()) + " m " + Number(line.x2()) + ' ' + Number(line.y2()) +
               " l S\n";
    return ops + "Q\n";
}

double PrintShopPage::BleedUnits() const
{
    return MmToUnits(mBleedMm);
}

QRectF PrintShopPage::BleedRectUnits() const
{
    const double b = BleedUnits();
    return TrimRectUnits().adjusted(-b, -b, b, b);
}

QRectF PrintShopPage::SafeRectUnits() const
{
    const double s = MmToUnits(kSafeMarginMm);
    return TrimRectUnits().adjusted(s, s, -s, -s);
}

QRectF PrintShopPage::CoverRectUnits() const
{
    const QRectF trim = TrimRectUnits();
    const QRectF bleed = BleedRectUnits();
    if (trim.isEmpty())
        return bleed;
    const double scale = std::max(bleed.width() / trim.width(), bleed.height() / trim.height());
    QRectF cover(0, 0, trim.width() * scale, trim.height() * scale);
    cover.moveCenter(trim.center());
    return cover;
}

} // namespace qm

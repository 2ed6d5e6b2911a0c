// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the back side's calibration: the back offset kept per printer (new keys only), the two-sided page's
// marks behind each other, readings added to the offset, and the fine-tuning panel's back entries.
#include "print/calibrationpage.h"
#include "print/calibrationpanel_ui.h"
#include "print/printercalibration.h"
#include "print/recordingreport.h"
#include "testutil.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(BackCalibration, TheBackOffsetIsKeptPerPrinterUnderNewKeysOnly)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qmk.ini"));
    PrintNudges front;
    front.OffsetX = 12;
    ASSERT_TRUE(SavePrinterNudges(ini, QStringLiteral("Laser"), front, {}));
    // A printer never tuned for backs keeps its section as it always was.
    EXPECT_FALSE(ReadAll(ini).contains("BackOffset"));
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Laser")), front);

    PrintNudges both = front;
    both.BackOffsetX = -7;
    both.BackOffsetY = 15;
    ASSERT_TRUE(SavePrinterNudges(ini, QStringLiteral("Laser"), both, {}));
    const QByteArray text = ReadAll(ini);
    EXPECT_TRUE(text.contains("BackOffsetXmm=-0.7")) << text.constData();
    EXPECT_TRUE(text.contains("BackOffsetYmm=1.5")) << text.constData();
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Laser")), both);
    // Other printers do not take it.
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Inkjet")).BackOffsetX, 0);
    // Back to zero: the keys stay, saying 0.
    ASSERT_TRUE(SavePrinterNudges(ini, QStringLiteral("Laser"), front, {}));
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Laser")).BackOffsetY, 0);
}

TEST(BackCalibration, TheBackMarksStandBehindTheFrontMarksMovedByTheBackOffset)
{
    const QSizeF letter(8.5, 11);
    PrintNudges nudges;
    nudges.OffsetX = 10; // 1 mm right, on both pages
    nudges.BackOffsetY = -5;
    // Millimetres to a ten-thousandth: the marks pass through a layout's single-precision lengths.
    const TwoSidedMarks marks = TwoSidedMarksFor(letter, nudges, DuplexMode::LongEdge);
    const CalibrationMarks m = CalibrationMarksFor(8.5, 11);
    // A: 30 mm + 1 mm on the front; behind it 215.9 - 30 + 1 mm, 0.5 mm higher.
    EXPECT_NEAR(marks.Front[0].x() * 25.4, m.Ax + 1, 1e-4);
    EXPECT_NEAR(marks.Front[0].y() * 25.4, m.Ay, 1e-4);
    EXPECT_NEAR(marks.Back[0].x() * 25.4, 215.9 - m.Ax + 1, 1e-4);
    EXPECT_NEAR(marks.Back[0].y() * 25.4, m.Ay - 0.5, 1e-4);
    // B is the other way across on the back; C keeps its height for a long-edge turn.
    EXPECT_NEAR(marks.Back[1].x() * 25.4, 215.9 - m.Bx + 1, 1e-4);
    EXPECT_NEAR(marks.Back[2].y() * 25.4, m.Cy - 0.5, 1e-4);
    // A short-edge turn mirrors down instead.
    const TwoSidedMarks turned = TwoSidedMarksFor(letter, PrintNudges(), DuplexMode::ShortEdge);
    EXPECT_NEAR(turned.Back[2].x() * 25.4, m.Ax, 1e-4);
    EXPECT_NEAR(turned.Back[2].y() * 25.4, 279.4 - m.Cy, 1e-4);

    // The page: cross-hairs on the first page, scales on the second, whose zero ticks stand on the marks.
    RecordingReport report;
    report.SetPaperSize(kPaperLetter);
    ASSERT_TRUE(PrintTwoSidedCalibrationPage(report, kPaperLetter, nudges, DuplexMode::LongEdge,
                                             QStringLiteral("Laser")));
    ASSERT_EQ(report.Pages().size(), 2u);
    int zeroTicks = 0;
    for (const ReportRecord& r : report.Pages()[1].Records) {
        if (r.Kind != ReportRecord::rkLine)
            continue;
        const QPointF a = r.Rect.topLeft();
        // The zero tick of the scale across stands in line with the mark, 4 mm below it.
        if (std::abs(a.x() - marks.Back[0].x()) < 1e-6 && std::abs(a.y() - (marks.Back[0].y() + 4 / 25.4)) < 1e-6)
            ++zeroTicks;
    }
    EXPECT_EQ(zeroTicks, 1);
}

TEST(BackCalibration, ReadingsAreAddedToTheBackOffsetWithinItsLimits)
{
    PrintNudges n;
    n.BackOffsetX = 3;
    QString error;
    ASSERT_TRUE(BackOffsetFromReadings(-0.8, 1.25, &n, &error));
    EXPECT_EQ(n.BackOffsetX, -5);
    EXPECT_EQ(n.BackOffsetY, 13);
    // Far off: refused, the offsets as they were.
    EXPECT_FALSE(BackOffsetFromReadings(25, 0, &n, &error));
    EXPECT_EQ(n.BackOffsetX, -5);
    EXPECT_FALSE(error.isEmpty());

    // The panel: readings typed, Use Back Readings, the offsets shown and taken.
    PrintNudges start;
    start.BackOffsetY = 2;
    CalibrationPanel panel(start, QStringLiteral("Laser"));
    EXPECT_EQ(panel.Entry(CalibrationPanel::eBackOffsetY)->text(), QStringLiteral("0.2"));
    panel.Entry(CalibrationPanel::eBackReadX)->setText(QStringLiteral("0,6"));
    panel.Entry(CalibrationPanel::eBackReadY)->setText(QStringLiteral("-1"));
    ASSERT_TRUE(panel.UseBackReadings()) << qPrintable(panel.Message());
    PrintNudges taken;
    ASSERT_TRUE(panel.Take(&taken));
    EXPECT_EQ(taken.BackOffsetX, 6);
    EXPECT_EQ(taken.BackOffsetY, -8);
    // The front's readings leave the back offsets as entered.
    for (auto [entry, text] : {std::pair{CalibrationPanel::eReadAx, "30"}, {CalibrationPanel::eReadBx, "180"},
                               {CalibrationPanel::eReadAy, "30"}, {CalibrationPanel::eReadCy, "240"}})
        panel.Entry(entry)->setText(QString::fromLatin1(text));
    ASSERT_TRUE(panel.UseReadings()) << qPrintable(panel.Message());
    ASSERT_TRUE(panel.Take(&taken));
    EXPECT_EQ(taken.BackOffsetX, 6);
    // A reading that is no number is said.
    panel.Entry(CalibrationPanel::eBackReadX)->setText(QStringLiteral("left"));
    EXPECT_FALSE(panel.UseBackReadings());
    EXPECT_TRUE(panel.Message().contains(QStringLiteral("Back reading across")));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of each printer's calibration: kept in qmk.ini per printer beside the
// old keys, worked out from what is measured on the calibration page, applied
// to printed card positions, and the fine-tuning dialog's entries.
#include "pdfutil.h"

#include "app/printcommand.h"
#include "design/cardpanel.h"
#include "settings/companionfile.h"
#include "settings/preferences.h"
#include "print/calibrationpage.h"
#include "print/calibrationpanel_ui.h"
#include "print/finetuningdialog_ui.h"
#include "print/pagedreport.h"
#include "print/printercalibration.h"
#include "testutil.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace qm;

// The middle of a line of ink crossing the page near `expected` (inches): a
// vertical line measured along x, or a horizontal one along y, at `along`
// inches on the other axis; from a small piece of the page rendered at dpi.
// Inches, or -1 when there is no ink within `half` pixels.
double LineAt(const QString& pdf, int dpi, bool vertical, double expected, double along, int half = 16)
{
    const int c = int(std::lround(expected * dpi)), a = int(std::lround(along * dpi));
    const QRect area =
        vertical ? QRect(c - half, a - 2, 2 * half + 1, 5) : QRect(a - 2, c - half, 5, 2 * half + 1);
    const QImage piece = qmtest::RenderPdfPage(pdf, dpi, 1, area);
    if (piece.isNull())
        return -1;
    double sum = 0, weight = 0;
    for (int i = 0; i <= 2 * half; ++i) {
        const double ink = 255 - qGray(piece.pixel(vertical ? i : 2, vertical ? 2 : i));
        if (ink > 40) {
            sum += ink * (i + 0.5);
            weight += ink;
        }
    }
    return weight > 0 ? (c - half + sum / weight) / dpi : -1;
}

TEST(PrinterCalibration, EachPrinterKeepsItsOwnBesideTheOldKeys)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qmk.ini"));
    // A file as the one set of nudges left it.
    ASSERT_TRUE(qmtest::WriteFile(ini, "[Printer]\r\nShowBottomMarginWarning=0\r\nTopMarginNudge=3\r\n"
                                       "LeftMarginNudge=-2\r\nVerticalSpacing=1\r\nHorizontalSpacing=0\r\n"));
    const PrintNudges old{3, -2, 1, 0};
    // Seen for the first time, every printer starts from those nudges, without
    // offsets, at 100 %.
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Office_Laser")), old);
    EXPECT_EQ(LoadPrinterNudges(ini, PdfFileCalibrationName()), old);

    const QStringList known{QStringLiteral("Office_Laser"), QStringLiteral("Shop_Inkjet"),
                            PdfFileCalibrationName()};
    const PrintNudges laser{1, 2, 3, 4, 15, -8, 9950, 10040};
    const PrintNudges pdf{0, 0, 0, -1, -200, 200, 9500, 10500};
    QString error;
    ASSERT_TRUE(SavePrinterNudges(ini, QStringLiteral("Office_Laser"), laser, known, &error))
        << qPrintable(error);
    ASSERT_TRUE(SavePrinterNudges(ini, PdfFileCalibrationName(), pdf, known, &error)) << qPrintable(error);

    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Office_Laser")), laser);
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("office_laser")),
              laser); // queue names ignore case
    EXPECT_EQ(LoadPrinterNudges(ini, PdfFileCalibrationName()), pdf);
    // An installed printer nobody tuned keeps printing as before, although the
    // old keys changed.
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Shop_Inkjet")), old);
    // The old keys hold the last printer tuned, for older files' readers and
    // printers seen later.
    const PrinterPreferences legacy = Preferences(ini).LoadPrinter();
    EXPECT_EQ((PrintNudges{legacy.TopMarginNudge, legacy.LeftMarginNudge, legacy.VerticalSpacing,
                            legacy.HorizontalSpacing}),
              (PrintNudges{0, 0, 0, -1}));
    EXPECT_FALSE(legacy.ShowBottomMarginWarning);
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("New_Queue")), (PrintNudges{0, 0, 0, -1}));

    const QByteArray bytes = qmtest::FileBytes(ini);
    EXPECT_TRUE(bytes.contains("[Printer: Office_Laser]\r\nTopMarginNudge=1\r\nLeftMarginNudge=2\r\n"
                               "VerticalSpacing=3\r\nHorizontalSpacing=4\r\nOffsetXmm=1.5\r\nOffsetYmm=-"
                               "0.8\r\n"
                               "ScaleXPercent=99.50\r\nScaleYPercent=100.40\r\n"))
        << bytes.constData();
    EXPECT_TRUE(bytes.contains("[Printer: PDF file]")) << bytes.constData();

    // Values typed into the file by hand: nonsense keeps the default, too much is
    // brought within range.
    ASSERT_TRUE(qmtest::WriteFile(ini,
                                  "[Printer: Odd]\r\nTopMarginNudge=40\r\nOffsetXmm=1e9\r\nOffsetYmm=x\r\n"
                                  "ScaleXPercent=abc\r\nScaleYPercent=50\r\n"));
    EXPECT_EQ(LoadPrinterNudges(ini, QStringLiteral("Odd")), (PrintNudges{8, 0, 0, 0, 200, 0, 10000, 9500}));
}

// A printer that stretches and shifts what it prints: where a mark meant for p
// (mm) lands on its paper.
struct TStretchingPrinter
{
    double StretchX = 1.005, ShiftX = -1.2; // mm
    double StretchY = 0.996, ShiftY = 0.7;

    double X(double mm) const { return mm * StretchX + ShiftX; }
    double Y(double mm) const { return mm * StretchY + ShiftY; }
};

// The chain a user follows: the calibration page printed (its marks where it
// says they are), the marks measured on the printer's paper, the readings
// turned into corrections and kept for PDF files; the print command then puts
// every card corner where the corrections say within a printer pixel, and on
// that printer's paper each corner lands where the layout puts it.
TEST(PrinterCalibration, ReadingsFromTheCalibrationPageBringPrintedCardsToTheirPlace)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    constexpr double kMm = 1 / 25.4;

    // The calibration page, on Letter and A4 paper.
    for (int paper : {kPaperLetter, kPaperA4}) {
        const QString page = dir.filePath(QStringLiteral("calibration%1.pdf").arg(paper));
        PdfReport report(page);
        ASSERT_TRUE(PrintCalibrationPage(report, paper, QStringLiteral("Office_Laser")))
            << qPrintable(report.ErrorString());
        const QSizeF size = PaperSizeInches(paper);
        const CalibrationMarks m = CalibrationMarksFor(size.width(), size.height());
        EXPECT_EQ(m.Bx, 180);
        EXPECT_EQ(m.Cy, paper == kPaperA4 ? 260 : 240);
        constexpr int dpi = 600;
        const double px = 1.0 / dpi;
        // Each cross-hair's upright line (measured on its upper arm) and level line
        // (on its left arm).
        const struct
        {
            double x, y;
        } hairs[] = {{m.Ax, m.Ay}, {m.Bx, m.Ay}, {m.Ax, m.Cy}};
        for (const auto& h : hairs) {
            EXPECT_NEAR(LineAt(page, dpi, true, h.x * kMm, (h.y - 7) * kMm), h.x * kMm, px)
                << h.x << "," << h.y;
            EXPECT_NEAR(LineAt(page, dpi, false, h.y * kMm, (h.x - 7) * kMm), h.y * kMm, px)
                << h.x << "," << h.y;
        }
        // The rulers count from the paper's edges: 100 mm and 4 inches along the
        // top, 150 mm down the left.
        EXPECT_NEAR(LineAt(page, dpi, true, 100 * kMm, 2 * kMm, 8), 100 * kMm, px);
        EXPECT_NEAR(LineAt(page, dpi, true, 4.0, 14 * kMm, 8), 4.0, px);
        EXPECT_NEAR(LineAt(page, dpi, false, 150 * kMm, 2 * kMm, 8), 150 * kMm, px);
        // The instruction is text on the page.
        const QString text =
            qmtest::RunTool(QStringLiteral("pdftotext"), {page, QStringLiteral("-")})
                .normalized(QString::NormalizationForm_KC) // letters joined by the font come apart
                .simplified();
        for (const QString& line : CalibrationInstructions(m, QStringLiteral("Office_Laser")))
            EXPECT_TRUE(text.contains(line.simplified())) << qPrintable(line) << "\n" << qPrintable(text);
    }

    // What the user reads on the stretching printer's Letter paper.
    const TStretchingPrinter printer;
    const CalibrationMarks m = CalibrationMarksFor(8.5, 11);
    CalibrationReadings readings;
    readings.Ax = printer.X(m.Ax);
    readings.Bx = printer.X(m.Bx);
    readings.Ay = printer.Y(m.Ay);
    readings.Cy = printer.Y(m.Cy);
    PrintNudges nudges{2, -1, 1, 0};
    QString error;
    ASSERT_TRUE(CorrectionsFromReadings(m, readings, &nudges, &error)) << qPrintable(error);
    EXPECT_EQ(nudges.TopMargin, 2); // the 1/32-inch steps stay as they were
    const QString ini = Preferences().Path();
    ASSERT_TRUE(SavePrinterNudges(ini, PdfFileCalibrationName(), nudges, {}, &error)) << qPrintable(error);

    TKBusinessCardPanel32 panel;
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    ASSERT_TRUE(panel.SaveToFile(card));
    CardSheetLayout layout;
    ASSERT_TRUE(WriteCompanionFile(card, QString(), layout));
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    const int status = RunPrintCommand({QStringLiteral("quillmark"), QStringLiteral("print"), card,
                                        QStringLiteral("--outline"), QStringLiteral("--positions"),
                                        QStringLiteral("1,10"), QStringLiteral("--pdf"), pdf});
    QFile::remove(ini);
    ASSERT_EQ(status, 0);

    constexpr int dpi = 1200;
    const double px = 1.0 / dpi;
    const double sx = nudges.ScaleX / 10000.0, sy = nudges.ScaleY / 10000.0;
    const double ox = nudges.OffsetX / 254.0, oy = nudges.OffsetY / 254.0;
    for (const auto& [row, column] : {std::pair{0, 0}, std::pair{layout.Down - 1, layout.Across - 1}}) {
        // The layout with its 1/32-inch steps, then the corrections.
        const double x = layout.LeftMargin + nudges.LeftMargin / 32.0 +
                         column * (layout.HPitch + nudges.HorizontalSpacing / 32.0);
        const double y = layout.TopMargin + nudges.TopMargin / 32.0 +
                         row * (layout.VPitch + nudges.VerticalSpacing / 32.0);
        const double left = x * sx + ox, top = y * sy + oy;
        const double midX = left + layout.Width / 2, midY = top + layout.Height / 2;
        const double measuredLeft = LineAt(pdf, dpi, true, left, midY);
        const double measuredTop = LineAt(pdf, dpi, false, top, midX);
        EXPECT_NEAR(measuredLeft, left, px) << row << "," << column;
        EXPECT_NEAR(measuredTop, top, px) << row << "," << column;
        EXPECT_NEAR(LineAt(pdf, dpi, true, left + layout.Width, midY), left + layout.Width, px);
        EXPECT_NEAR(LineAt(pdf, dpi, false, top + layout.Height, midX), top + layout.Height, px);
        // On the printer's paper the corner lands where the layout puts it, within
        // the 0.1 mm and 0.01 % the corrections are kept in.
        EXPECT_NEAR(printer.X(measuredLeft * 25.4), x * 25.4, 0.1) << row << "," << column;
        EXPECT_NEAR(printer.Y(measuredTop * 25.4), y * 25.4, 0.1) << row << "," << column;
    }
}

TEST(PrinterCalibration, DialogShowsThePrinterAndSaysWhatIsWrongWithAnEntry)
{
    TPrintFineTune dialog(PrintNudges{1, 0, 0, 0, 15, -8, 9950, 10040}, nullptr,
                          QStringLiteral("Office_Laser"));
    CalibrationPanel& panel = *dialog.Calibration();
    EXPECT_TRUE(panel.findChild<QLabel*>(QStringLiteral("PrinterName"))
                    ->text()
                    .contains(QStringLiteral("Office_Laser")));
    EXPECT_EQ(panel.Entry(CalibrationPanel::eOffsetX)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(panel.Entry(CalibrationPanel::eScaleY)->text(), QStringLiteral("100.40"));

    const auto refused = [&](CalibrationPanel::TEntry entry, const char* text, const char* says) {
        const QString before = panel.Entry(entry)->text();
        panel.Entry(entry)->setText(QString::fromUtf8(text));
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << text;
        EXPECT_TRUE(panel.Message().contains(QString::fromUtf8(says)))
            << text << ": " << qPrintable(panel.Message());
        panel.Entry(entry)->setText(before);
    };
    refused(CalibrationPanel::eScaleX, "abc", "Scale across must be a percentage");
    refused(CalibrationPanel::eScaleY, "150", "Scale down must lie between 95.00 and 105.00 %");
    refused(CalibrationPanel::eOffsetY, "25", "Offset down must lie between -20.0 and 20.0 mm");

    // Readings in the wrong order, or not numbers, leave the entries as they
    // were.
    const char* wrong[] = {"180", "30", "30", "240"};
    for (int i = 0; i < 4; ++i)
        panel.Entry(CalibrationPanel::TEntry(CalibrationPanel::eReadAx + i))
            ->setText(QString::fromUtf8(wrong[i]));
    panel.UseReadingsButton()->click();
    EXPECT_TRUE(panel.Message().contains(QStringLiteral("B across must be larger")))
        << qPrintable(panel.Message());
    EXPECT_EQ(panel.Entry(CalibrationPanel::eOffsetX)->text(), QStringLiteral("1.5"));
    panel.Entry(CalibrationPanel::eReadAx)->setText(QStringLiteral("thirty"));
    panel.UseReadingsButton()->click();
    EXPECT_TRUE(panel.Message().contains(QStringLiteral("A across must be the distance")))
        << qPrintable(panel.Message());

    // A printer printing 0.5 mm too far right and down, true to scale (a decimal
    // comma read as well).
    const char* right[] = {"30,5", "180.5", "30.5", "240.5"};
    for (int i = 0; i < 4; ++i)
        panel.Entry(CalibrationPanel::TEntry(CalibrationPanel::eReadAx + i))
            ->setText(QString::fromUtf8(right[i]));
    panel.UseReadingsButton()->click();
    EXPECT_EQ(panel.Message(), QString());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Nudges(), (PrintNudges{1, 0, 0, 0, -5, -5, 10000, 10000}));
}

} // namespace

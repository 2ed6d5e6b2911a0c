// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration page: millimetre and inch rulers from the paper's edges, three cross-hairs, the
// instruction.
#include "print/calibrationpage.h"

#include "print/report.h"
#include "print/sheetprinter.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace qm {

namespace {

constexpr double kMm = 1 / 25.4; // inches

// A hairline: one device pixel, as thin as the printer draws, so its middle is easy to find.
void hairline(TKReport& report)
{
    report.SetPen(ReportPen{clBlack, psSolid, 1, pmCopy});
}

void line(TKReport& report, double x1, double y1, double x2, double y2)
{
    report.MoveTo(x1, y1);
    report.LineTo(x2, y2);
}

void smallFont(TKReport& report, double size, bool bold = false)
{
    ReportFont font;
    font.Name = QStringLiteral("DejaVu Sans");
    font.Size = size;
    font.Bold = bold;
    report.SetFont(font);
}

// Ticks along the top edge (across) or the left edge (down), counted from the paper's edge: millimetres
// next to the edge, inches a row further in.
void ruler(TKReport& report, bool across)
{
    const double length = across ? report.PageWidth() : report.PageHeight();
    const auto tick = [&](double at, double from, double to) {
        if (across)
            line(report, at, from, at, to);
        else
            line(report, from, at, to, at);
    };
    const auto label = [&](double at, double offset, const QString& text) {
        if (across)
            report.TextOut(at + 0.4 * kMm, offset, text);
        else
            report.TextOut(offset, at + 0.4 * kMm, text);
    };
    hairline(report);
    smallFont(report, 5);
    for (int mm = 1; mm * kMm < length; ++mm) {
        const double at = mm * kMm;
        const double size = (mm % 10 == 0 ? 5.0 : mm % 5 == 0 ? 3.5 : 2.0) * kMm;
        tick(at, 0, size);
        if (mm % 10 == 0)
            label(at, 4 * kMm, QString::number(mm));
    }
    // Inches in eighths, the ticks rising from a base line 16 mm from the edge.
    const double base = 16 * kMm;
    if (across)
        line(report, 0, base, length, base);
    else
        line(report, base, 0, base, length);
    for (int eighth = 1; eighth / 8.0 < length; ++eighth) {
        const double at = eighth / 8.0;
        const double size = (eighth % 8 == 0 ? 5.0 : eighth % 4 == 0 ? 3.5 : 2.0) * kMm;
        tick(at, base - size, base);
        if (eighth % 8 == 0)
            label(at, base + 0.5 * kMm,
                  QCoreApplication::translate("qm::CalibrationPage", "%1 in", "inches on a ruler")
                      .arg(eighth / 8));
    }
    smallFont(report, 6, true);
    if (across) {
        report.TextOut(22 * kMm, 7 * kMm,
                       QCoreApplication::translate("qm::CalibrationPage", "mm from the left edge"));
        report.TextOut(22 * kMm, 11 * kMm,
                       QCoreApplication::translate("qm::CalibrationPage", "inches from the left edge"));
    }
}

// A cross-hair centred on (x, y) in millimetres, with its name and distances beside it.
void crossHair(TKReport& report, double x, double y, const QString& name)
{
    const double cx = x * kMm, cy = y * kMm, arm = 10 * kMm, ring = 4 * kMm;
    hairline(report);
    report.SetBrush(ReportBrush{clWhite, bsClear, QImage()});
    line(report, cx - arm, cy, cx + arm, cy);
    line(report, cx, cy - arm, cx, cy + arm);
    report.Ellipse(cx - ring, cy - ring, cx + ring, cy + ring);
    smallFont(report, 9, true);
    report.TextOut(cx + 1.5 * kMm, cy - 8 * kMm, name);
    smallFont(report, 6);
    report.TextOut(cx + 1.5 * kMm, cy + 1 * kMm,
                   //: Beside a cross-hair: where its centre is, in millimetres from the paper's edges
                   QCoreApplication::translate("qm::CalibrationPage", "%1 mm across, %2 mm down")
                       .arg(QLocale().toString(x, 'f', 0), QLocale().toString(y, 'f', 0)));
}

} // namespace

namespace {

// Text of several lines, one line of the page each.
QStringList pageLines(const QString& text)
{
    return text.split(QLatin1Char('\n'));
}

} // namespace

QStringList CalibrationInstructions(const CalibrationMarks& m, const QString& printer)
{
    const auto mm = [](double v) { return QLocale().toString(v, 'f', 1); };
    QStringList lines{
        //: The title printed on the calibration page; %1 is the printer's name
        QCoreApplication::translate("qm::CalibrationPage", "Quillmark calibration page for %1")
            .arg(CalibrationShownName(printer)),
        QCoreApplication::translate(
            "qm::CalibrationPage",
            "This page is printed without any fine tuning. With a good ruler, measure in millimetres:"),
        QCoreApplication::translate(
            "qm::CalibrationPage",
            "1. from the LEFT edge of the paper to the upright line of cross-hair A, then of B;"),
        QCoreApplication::translate(
            "qm::CalibrationPage",
            "2. from the TOP edge of the paper to the level line of cross-hair A, then of C."),
        //: %1 to %4 are distances in millimetres
        QCoreApplication::translate(
            "qm::CalibrationPage",
            "A printer that prints true gives A %1 and B %2 across, A %3 and C %4 down.")
            .arg(mm(m.Ax), mm(m.Bx), mm(m.Ay), mm(m.Cy))};
    //: Printed on the calibration page line by line: keep each line about as long as the English one. The
    //: names in quotes are those of the Printer Fine-Tuning dialog.
    lines << pageLines(QCoreApplication::translate(
        "qm::CalibrationPage",
        "3. Enter the four readings in File, Printer Fine Tuning, under \"Readings from the "
        "calibration page\",\n    click Use Readings and then Ok: the offsets and scales for "
        "this printer are worked out and kept."));
    lines << QCoreApplication::translate(
        "qm::CalibrationPage", "The rulers count from the top and left edges of the paper: where the "
                               "paper's edge meets them shows the shift.");
    return lines;
}

void DrawCalibrationPage(TKReport& report, const QString& printer)
{
    const CalibrationMarks marks = CalibrationMarksFor(report.PageWidth(), report.PageHeight());
    ruler(report, true);
    ruler(report, false);
    crossHair(report, marks.Ax, marks.Ay, QStringLiteral("A"));
    crossHair(report, marks.Bx, marks.Ay, QStringLiteral("B"));
    crossHair(report, marks.Ax, marks.Cy, QStringLiteral("C"));

    const QStringList lines = CalibrationInstructions(marks, printer);
    double y = (marks.Ay + 25) * kMm;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        smallFont(report, i == 0 ? 12 : 9, i == 0);
        report.TextOut(marks.Ax * kMm, y, lines[i]);
        y += report.LineHeight() * (i == 0 ? 1.6 : 1.25);
    }
}

bool PrintCalibrationPage(TKReport& report, int paperSize, const QString& printer)
{
    report.SetPaperSize(paperSize);
    report.SetOrientation(roDefault);
    report.SetCopies(1);
    report.SetMargins(0, 0, 0, 0);
    //: The print job's name in the printer's queue
    report.SetTitle(QCoreApplication::translate("qm::CalibrationPage", "Quillmark calibration page"));
    return report.Execute(nullptr, [&printer](TKReport& r) { DrawCalibrationPage(r, printer); });
}

namespace {

// The scales stand beside the mark, clear of each other: the one across 7 mm below it (read where the
// cross-hair's upright line crosses it), the one down 7 mm to its right (the level line). Each runs 4 mm either
// way in half millimetres, its ticks towards the mark, zero in line with the mark.
constexpr double kScaleGap = 7;
constexpr int kScaleHalves = 8;

void readingScale(TKReport& report, const QPointF& at, bool across)
{
    hairline(report);
    const double base = kScaleGap * kMm;
    for (int half = -kScaleHalves; half <= kScaleHalves; ++half) {
        const double d = half * 0.5 * kMm;
        const double size = (half == 0 ? 3.0 : half % 2 == 0 ? 2.0 : 1.0) * kMm;
        if (across)
            line(report, at.x() + d, at.y() + base - size, at.x() + d, at.y() + base);
        else
            line(report, at.x() + base - size, at.y() + d, at.x() + base, at.y() + d);
    }
    const double reach = kScaleHalves * 0.5 * kMm;
    if (across)
        line(report, at.x() - reach, at.y() + base, at.x() + reach, at.y() + base);
    else
        line(report, at.x() + base, at.y() - reach, at.x() + base, at.y() + reach);
    smallFont(report, 4);
    for (int mm = -4; mm <= 4; mm += 2) {
        const QString text = QString::number(mm);
        if (across)
            report.TextOut(at.x() + mm * kMm - 0.8 * kMm, at.y() + base + 0.4 * kMm, text);
        else
            report.TextOut(at.x() + base + 0.6 * kMm, at.y() + mm * kMm - 0.7 * kMm, text);
    }
}

} // namespace

TwoSidedMarks TwoSidedMarksFor(const QSizeF& paper, const PrintNudges& nudges, DuplexMode mode)
{
    const CalibrationMarks m = CalibrationMarksFor(paper.width(), paper.height());
    const QPointF mm[3] = {{m.Ax, m.Ay}, {m.Bx, m.Ay}, {m.Ax, m.Cy}};
    TwoSidedMarks marks;
    for (int i = 0; i < 3; ++i) {
        // Each mark goes where a card of no size at that place would.
        CardSheetLayout layout;
        layout.Width = layout.Height = 0;
        layout.Across = layout.Down = 1;
        layout.LeftMargin = float(mm[i].x() * kMm);
        layout.TopMargin = float(mm[i].y() * kMm);
        const SheetGeometry g(layout, nudges);
        marks.Front[i] = g.CardRect(0, 0, false).topLeft();
        marks.Back[i] = DuplexPlacement(g, paper, mode).BackRect(0, 0, false).topLeft();
    }
    return marks;
}

QStringList TwoSidedInstructions(const QString& printer)
{
    QStringList lines{
        //: The title printed on the back of the two-sided calibration page; %1 is the printer's name
        QCoreApplication::translate("qm::CalibrationPage", "Quillmark two-sided calibration page for %1")
            .arg(CalibrationShownName(printer))};
    //: Printed on the page line by line: keep each line about as long as the English one. The names in quotes
    //: are those of the Printer Fine-Tuning dialog.
    lines << pageLines(QCoreApplication::translate(
        "qm::CalibrationPage",
        "Hold the sheet against the light with this side facing you: beside each letter\n"
        "the cross-hair printed on the front shows through. Read in millimetres where its\n"
        "upright line crosses the scale across (right is +) and where its level line crosses\n"
        "the scale down (down is +). Enter the readings of A in File, Printer Fine Tuning,\n"
        "under \"Back side\", and click Use Back Readings: they are added to the back offset.\n"
        "B and C should read alike. Print the page again: every reading should be 0."));
    return lines;
}

void DrawTwoSidedCalibrationSide(TKReport& report, const PrintNudges& nudges, DuplexMode mode, bool front,
                                 const QString& printer)
{
    const QSizeF paper = report.PageSizeInches();
    const TwoSidedMarks marks = TwoSidedMarksFor(paper, nudges, mode);
    const QString names[3] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    if (front) {
        for (int i = 0; i < 3; ++i)
            crossHair(report, marks.Front[i].x() / kMm, marks.Front[i].y() / kMm, names[i]);
        smallFont(report, 12, true);
        report.TextOut(marks.Front[0].x(), marks.Front[0].y() + 25 * kMm,
                       //: Printed on the front of the two-sided calibration page; %1 is the printer's name
                       QCoreApplication::translate("qm::CalibrationPage",
                                                   "Front of the two-sided calibration page for %1")
                           .arg(CalibrationShownName(printer)));
        return;
    }
    for (int i = 0; i < 3; ++i) {
        readingScale(report, marks.Back[i], true);
        readingScale(report, marks.Back[i], false);
        smallFont(report, 9, true);
        report.TextOut(marks.Back[i].x() - 7 * kMm, marks.Back[i].y() - 7 * kMm, names[i]);
    }
    const QStringList lines = TwoSidedInstructions(printer);
    double y = 0.5 * paper.height();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        smallFont(report, i == 0 ? 11 : 9, i == 0);
        report.TextOut(30 * kMm, y, lines[i]);
        y += report.LineHeight() * (i == 0 ? 1.6 : 1.25);
    }
}

void DrawTwoSidedCalibrationPage(TKReport& report, const PrintNudges& nudges, DuplexMode mode,
                                 const QString& printer)
{
    DrawTwoSidedCalibrationSide(report, nudges, mode, true, printer);
    report.NewPage();
    if (!report.Aborted())
        DrawTwoSidedCalibrationSide(report, nudges, mode, false, printer);
}

namespace {

void StartCalibrationJob(TKReport& report, int paperSize, const QString& title)
{
    report.SetPaperSize(paperSize);
    report.SetOrientation(roDefault);
    report.SetCopies(1);
    report.SetMargins(0, 0, 0, 0);
    report.SetTitle(title);
}

} // namespace

bool PrintCalibrationHalf(TKReport& report, int paperSize, const PrintNudges& nudges, bool front,
                          const QString& printer)
{
    StartCalibrationJob(
        report, paperSize,
        QCoreApplication::translate("qm::CalibrationPage", "Quillmark two-sided calibration page"));
    report.SetDuplex(DuplexMode::Manual);
    const bool done = report.Execute(nullptr, [&](TKReport& r) {
        DrawTwoSidedCalibrationSide(r, nudges, DuplexMode::Manual, front, printer);
    });
    report.SetDuplex(DuplexMode::None);
    return done;
}

bool PrintTwoSidedCalibrationPage(TKReport& report, int paperSize, const PrintNudges& nudges, DuplexMode mode,
                                  const QString& printer)
{
    StartCalibrationJob(
        report, paperSize,
        QCoreApplication::translate("qm::CalibrationPage", "Quillmark two-sided calibration page"));
    report.SetDuplex(mode);
    const bool done = report.Execute(nullptr, [&](TKReport& r) { DrawTwoSidedCalibrationPage(r, nudges, mode, printer); });
    report.SetDuplex(DuplexMode::None);
    return done;
}

bool BackOffsetFromReadings(double readingX, double readingY, PrintNudges* nudges, QString* error)
{
    if (!std::isfinite(readingX) || !std::isfinite(readingY))
        return false;
    const int x = nudges->BackOffsetX + int(std::lround(readingX * 10));
    const int y = nudges->BackOffsetY + int(std::lround(readingY * 10));
    if (std::abs(x) > kMaxOffset || std::abs(y) > kMaxOffset) {
        if (error)
            *error =
                QCoreApplication::translate("qm::CalibrationPage",
                                            "The back offset would be more than %1 mm: check the readings.")
                    .arg(QLocale().toString(kMaxOffset / 10));
        return false;
    }
    nudges->BackOffsetX = x;
    nudges->BackOffsetY = y;
    return true;
}

} // namespace qm

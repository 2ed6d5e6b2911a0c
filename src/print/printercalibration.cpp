// SPDX-License-Identifier: GPL-3.0-or-later
// Each printer's fine tuning in qmk.ini, the calibration entries, and corrections from calibration readings.
#include "print/printercalibration.h"

#include "platform/profile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

const QString& legacySection()
{
    static const QString s = QStringLiteral("Printer");
    return s;
}

// The 1/32-inch nudges under the keys the "Printer" section has always used.
const char* const kNudgeKeys[] = {"TopMarginNudge", "LeftMarginNudge", "VerticalSpacing",
                                  "HorizontalSpacing"};

int* nudgeField(PrintNudges& n, int i)
{
    int* fields[] = {&n.TopMargin, &n.LeftMargin, &n.VerticalSpacing, &n.HorizontalSpacing};
    return fields[i];
}

QString key(const char* s)
{
    return QString::fromLatin1(s);
}

// The user's way of writing numbers, without group separators: "1,5" in German. An English "1,500" is then
// no number and is read below as 1.5, with a decimal comma, as it always was.
QLocale typedLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// A number as the user or the file writes it: C notation, also with a decimal comma.
bool toNumber(QString text, double* value)
{
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(*value);
}

// A stored decimal value in units of 1/factor, or fallback when missing or unreadable; kept within [lo, hi].
int readDecimal(const ProfileFile& ini, const QString& section, const char* name, int factor, int fallback,
                int lo, int hi)
{
    double v = 0;
    if (!toNumber(ini.ReadString(section, key(name)), &v))
        return fallback;
    return int(std::lround(std::clamp(v * factor, double(lo), double(hi))));
}

void readNudges(const ProfileFile& ini, const QString& section, PrintNudges& n)
{
    for (int i = 0; i < 4; ++i) {
        int* f = nudgeField(n, i);
        *f = std::clamp(ini.ReadInteger(section, key(kNudgeKeys[i]), *f), kMinNudge, kMaxNudge);
    }
}

void writeNudges(ProfileFile& ini, const QString& section, PrintNudges n)
{
    for (int i = 0; i < 4; ++i)
        ini.WriteInteger(section, key(kNudgeKeys[i]), *nudgeField(n, i));
}

void writeSection(ProfileFile& ini, const QString& section, const PrintNudges& n)
{
    writeNudges(ini, section, n);
    ini.WriteString(section, key("OffsetXmm"), OffsetText(n.OffsetX));
    ini.WriteString(section, key("OffsetYmm"), OffsetText(n.OffsetY));
    ini.WriteString(section, key("ScaleXPercent"), ScaleText(n.ScaleX));
    ini.WriteString(section, key("ScaleYPercent"), ScaleText(n.ScaleY));
    // Written only once a back was tuned, so that a one-sided printer's section stays as it was.
    if (n.BackOffsetX != 0 || n.BackOffsetY != 0 || ini.ValueExists(section, key("BackOffsetXmm"))) {
        ini.WriteString(section, key("BackOffsetXmm"), OffsetText(n.BackOffsetX));
        ini.WriteString(section, key("BackOffsetYmm"), OffsetText(n.BackOffsetY));
    }
}

PrintNudges readPrinter(const ProfileFile& ini, const QString& printer)
{
    PrintNudges n;
    readNudges(ini, legacySection(), n);
    const QString section = CalibrationSection(printer);
    if (!ini.SectionExists(section))
        return n;
    readNudges(ini, section, n);
    n.OffsetX = readDecimal(ini, section, "OffsetXmm", 10, 0, -kMaxOffset, kMaxOffset);
    n.OffsetY = readDecimal(ini, section, "OffsetYmm", 10, 0, -kMaxOffset, kMaxOffset);
    n.ScaleX = readDecimal(ini, section, "ScaleXPercent", 100, kFullScale, kMinScale, kMaxScale);
    n.ScaleY = readDecimal(ini, section, "ScaleYPercent", 100, kFullScale, kMinScale, kMaxScale);
    n.BackOffsetX = readDecimal(ini, section, "BackOffsetXmm", 10, 0, -kMaxOffset, kMaxOffset);
    n.BackOffsetY = readDecimal(ini, section, "BackOffsetYmm", 10, 0, -kMaxOffset, kMaxOffset);
    return n;
}

} // namespace

QString PdfFileCalibrationName()
{
    return QStringLiteral("PDF file");
}

QString CalibrationShownName(const QString& name)
{
    //: The calibration kept for printing to PDF files, named where a printer's name would stand
    return name == PdfFileCalibrationName()
               ? QCoreApplication::translate("qm::PrinterCalibration", "PDF file")
               : name;
}

bool ReadTypedNumber(const QString& text, double* value)
{
    bool ok = false;
    const double local = typedLocale().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(local)) {
        *value = local;
        return true;
    }
    return toNumber(text, value);
}

QString CalibrationSection(const QString& printer)
{
    return QStringLiteral("Printer: ") + printer;
}

PrintNudges LoadPrinterNudges(const QString& iniPath, const QString& printer)
{
    const ProfileFile ini(iniPath);
    return readPrinter(ini, printer);
}

bool SavePrinterNudges(const QString& iniPath, const QString& printer, const PrintNudges& nudges,
                       const QStringList& knownPrinters, QString* error)
{
    ProfileFile ini(iniPath);
    // The "Printer" keys change below: printers that still go by them keep what they print with today.
    for (const QString& other : knownPrinters) {
        if (other.compare(printer, Qt::CaseInsensitive) != 0 && !ini.SectionExists(CalibrationSection(other)))
            writeSection(ini, CalibrationSection(other), readPrinter(ini, other));
    }
    writeSection(ini, CalibrationSection(printer), nudges);
    writeNudges(ini, legacySection(), nudges);
    return ini.Save(error);
}

QString OffsetText(int tenthsOfMm)
{
    return QString::number(tenthsOfMm / 10.0, 'f', 1);
}

QString ScaleText(int hundredthsOfPercent)
{
    return QString::number(hundredthsOfPercent / 100.0, 'f', 2);
}

QString OffsetShown(int tenthsOfMm)
{
    return typedLocale().toString(tenthsOfMm / 10.0, 'f', 1);
}

QString ScaleShown(int hundredthsOfPercent)
{
    return typedLocale().toString(hundredthsOfPercent / 100.0, 'f', 2);
}

bool ParseOffset(const QString& text, const QString& what, int* tenthsOfMm, QString* error)
{
    double v = 0;
    if (!ReadTypedNumber(text, &v)) {
        //: %1 names the entry ("Offset across")
        *error = QCoreApplication::translate("qm::PrinterCalibration",
                                             "%1 must be a number of millimetres, such as 1.5 or -0.8.")
                     .arg(what);
        return false;
    }
    const long tenths = std::lround(v * 10);
    if (std::abs(tenths) > kMaxOffset) {
        *error = QCoreApplication::translate("qm::PrinterCalibration", "%1 must lie between -%2 and %2 mm.")
                     .arg(what, OffsetShown(kMaxOffset));
        return false;
    }
    *tenthsOfMm = int(tenths);
    return true;
}

bool ParseScale(const QString& text, const QString& what, int* hundredthsOfPercent, QString* error)
{
    double v = 0;
    if (!ReadTypedNumber(text, &v)) {
        *error =
            QCoreApplication::translate("qm::PrinterCalibration", "%1 must be a percentage, such as 99.8.")
                .arg(what);
        return false;
    }
    const long scale = std::lround(v * 100);
    if (scale < kMinScale || scale > kMaxScale) {
        *error = QCoreApplication::translate("qm::PrinterCalibration", "%1 must lie between %2 and %3 %.")
                     .arg(what, ScaleShown(kMinScale), ScaleShown(kMaxScale));
        return false;
    }
    *hundredthsOfPercent = int(scale);
    return true;
}

CalibrationMarks CalibrationMarksFor(double paperWidthInches, double paperHeightInches)
{
    CalibrationMarks m;
    // The last whole centimetre at least 30 mm inside the right and bottom edges.
    // The paper in whole millimetres: A4 in whole points is 209.9 mm wide.
    m.Bx = std::floor((std::round(paperWidthInches * 25.4) - m.Ax) / 10) * 10;
    m.Cy = std::floor((std::round(paperHeightInches * 25.4) - m.Ay) / 10) * 10;
    return m;
}

bool CorrectionsFromReadings(const CalibrationMarks& marks, const CalibrationReadings& readings,
                             PrintNudges* nudges, QString* error)
{
    // Along each axis the printer puts a mark meant for p at p * stretch + shift; printing p / stretch -
    // shift / stretch instead lands on p.
    const auto axis = [error](double nominalA, double nominalB, double readA, double readB, const QString& a,
                              const QString& b, int* offset, int* scale) {
        if (!(readB > readA)) {
            //: %1 and %2 name the readings ("B across", "A across")
            *error = QCoreApplication::translate("qm::PrinterCalibration",
                                                 "The reading for %1 must be larger than the one for %2.")
                         .arg(b, a);
            return false;
        }
        const double stretch = (readB - readA) / (nominalB - nominalA);
        const double shift = readA - nominalA * stretch;
        const long s = std::lround(10000 / stretch);
        const long o = std::lround(-shift / stretch * 10);
        if (s < kMinScale || s > kMaxScale || std::abs(o) > kMaxOffset) {
            *error = QCoreApplication::translate(
                         "qm::PrinterCalibration",
                         "The readings of %1 and %2 ask for more correction than Quillmark "
                         "can make (at most %3 mm and %4 to %5 %); measure them again.")
                         .arg(a, b, OffsetShown(kMaxOffset), ScaleShown(kMinScale), ScaleShown(kMaxScale));
            return false;
        }
        *offset = int(o);
        *scale = int(s);
        return true;
    };
    PrintNudges n = *nudges;
    // Named as the fine-tuning dialog's entries are.
    const auto entry = [](const char* name) {
        return QCoreApplication::translate("qm::CalibrationPanel", name);
    };
    if (!axis(marks.Ax, marks.Bx, readings.Ax, readings.Bx,
              entry(QT_TRANSLATE_NOOP("qm::CalibrationPanel", "A across")),
              entry(QT_TRANSLATE_NOOP("qm::CalibrationPanel", "B across")), &n.OffsetX, &n.ScaleX) ||
        !axis(marks.Ay, marks.Cy, readings.Ay, readings.Cy,
              entry(QT_TRANSLATE_NOOP("qm::CalibrationPanel", "A down")),
              entry(QT_TRANSLATE_NOOP("qm::CalibrationPanel", "C down")), &n.OffsetY, &n.ScaleY))
        return false;
    *nudges = n;
    return true;
}

} // namespace qm

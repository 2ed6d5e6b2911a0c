// SPDX-License-Identifier: GPL-3.0-or-later
// CalibrationPanel: printer name, offset and scale entries, calibration-page readings, the page's button.
#include "print/calibrationpanel_ui.h"

#include "print/calibrationpage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

const char* const kEntryNames[] = {"Offset across", "Offset down", "Scale across", "Scale down",
                                   "A across",      "B across",    "A down",       "C down",
                                   "Back offset across", "Back offset down", "Back reading across",
                                   "Back reading down"};

QString entryName(int i)
{
    return QString::fromLatin1(kEntryNames[i]);
}

// What each entry is for, on "What's this?".
const char* const kEntryHelp[] = {
    "Millimetres every card moves to the right (a minus sign moves it left).",
    "Millimetres every card moves down (a minus sign moves it up).",
    "Percent by which distances across the paper are stretched (100 leaves them as they are).",
    "Percent by which distances down the paper are stretched (100 leaves them as they are).",
    "The distance in millimetres from the paper's left edge to the centre of cross-hair A, as you measure it.",
    "The distance in millimetres from the paper's left edge to the centre of cross-hair B, as you measure it.",
    "The distance in millimetres from the paper's top edge to the centre of cross-hair A, as you measure it.",
    "The distance in millimetres from the paper's top edge to the centre of cross-hair C, as you measure it.",
    "Millimetres the back of a two-sided sheet moves to the right, as the back reads, on top of the offset above.",
    "Millimetres the back of a two-sided sheet moves down, on top of the offset above.",
    "On the two-sided calibration page held to the light: where the upright line of cross-hair A falls on the "
    "scale across (right is +).",
    "On the two-sided calibration page held to the light: where the level line of cross-hair A falls on the "
    "scale down (down is +)."};

} // namespace

CalibrationPanel::CalibrationPanel(const PrintNudges& nudges, const QString& printer, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* name =
        new QLabel(QStringLiteral("These settings are for: <b>%1</b>").arg(printer.toHtmlEscaped()), this);
    name->setObjectName(QStringLiteral("PrinterName"));
    name->setWhatsThis(QStringLiteral("Each printer keeps its own fine tuning. Choose another printer with "
                                      "File, Printer Setup."));
    layout->addWidget(name);

    auto* correction = new QGroupBox(QStringLiteral("Calibration"), this);
    auto* grid = new QGridLayout(correction);
    // The explanations are on "What's this?": the dialog is as tall as a dialog gets.
    correction->setWhatsThis(
        QStringLiteral("Moves every card by an offset (right and down) and stretches its "
                       "distance from the paper's top-left corner by a scale, for a "
                       "printer whose feed stretches the page."));
    for (int i = eOffsetX; i <= eScaleY; ++i) {
        auto* edit = new QLineEdit(correction);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QString::fromLatin1(kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int row = i % 2, column = i < eScaleX ? 0 : 2;
        grid->addWidget(
            new QLabel(entryName(i) + (i < eScaleX ? QStringLiteral(" (mm):") : QStringLiteral(" (%):")),
                       correction),
            row, column);
        grid->addWidget(edit, row, column + 1);
        mEntries[i] = edit;
    }
    layout->addWidget(correction);

    auto* readings = new QGroupBox(QStringLiteral("Readings from the calibration page (mm)"), this);
    auto* rgrid = new QGridLayout(readings);
    readings->setWhatsThis(QStringLiteral("Print the calibration page, measure cross-hairs A and B from the "
                                          "paper's left edge and A and C from its top edge, enter what you "
                                          "read and click Use Readings."));
    for (int i = eReadAx; i <= eReadCy; ++i) {
        auto* edit = new QLineEdit(readings);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QString::fromLatin1(kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int k = i - eReadAx;
        const int row = k / 2, column = (k % 2) * 2;
        rgrid->addWidget(new QLabel(entryName(i) + QLatin1Char(':'), readings), row, column);
        rgrid->addWidget(edit, row, column + 1);
        mEntries[i] = edit;
    }
    mPrintPage = new QPushButton(QStringLiteral("Print Calibration Page"), readings);
    mPrintPage->setObjectName(QStringLiteral("CalibrationPageButton"));
    mUseReadings = new QPushButton(QStringLiteral("Use Readings"), readings);
    mUseReadings->setObjectName(QStringLiteral("UseReadingsButton"));
    mPrintPage->setWhatsThis(QStringLiteral("Prints rulers and three cross-hairs at known places, without any "
                                            "fine tuning, on the printer these settings are for."));
    mUseReadings->setWhatsThis(QStringLiteral("Works out the offsets and scales from the four readings and "
                                              "puts them in the entries above."));
    rgrid->addWidget(mPrintPage, 2, 0, 1, 2);
    rgrid->addWidget(mUseReadings, 2, 2, 1, 2);
    connect(mPrintPage, &QPushButton::clicked, this, [this] {
        if (PrintCalibrationPage)
            PrintCalibrationPage();
    });
    connect(mUseReadings, &QPushButton::clicked, this, [this] { UseReadings(); });
    layout->addWidget(readings);

    auto* backSide = new QGroupBox(QStringLiteral("Back side (two-sided printing, mm)"), this);
    auto* bgrid = new QGridLayout(backSide);
    backSide->setWhatsThis(QStringLiteral("Where the back of a two-sided sheet lands behind its front. Print the "
                                          "two-sided page, hold it to the light, read where cross-hair A falls "
                                          "on the scales of the back and click Use Back Readings."));
    for (int i = eBackOffsetX; i <= eBackReadY; ++i) {
        auto* edit = new QLineEdit(backSide);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QString::fromLatin1(kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int k = i - eBackOffsetX;
        bgrid->addWidget(new QLabel(entryName(i) + QLatin1Char(':'), backSide), k / 2, (k % 2) * 2);
        bgrid->addWidget(edit, k / 2, (k % 2) * 2 + 1);
        mEntries[i] = edit;
    }
    mEntries[eBackReadX]->setPlaceholderText(QStringLiteral("0.0"));
    mEntries[eBackReadY]->setPlaceholderText(QStringLiteral("0.0"));
    mPrintTwoSided = new QPushButton(QStringLiteral("Print Two-Sided Page"), backSide);
    mPrintTwoSided->setObjectName(QStringLiteral("TwoSidedPageButton"));
    mPrintTwoSided->setWhatsThis(QStringLiteral("Prints cross-hairs on the front of a sheet and scales behind "
                                                "them on its back, with the values entered here."));
    mUseBackReadings = new QPushButton(QStringLiteral("Use Back Readings"), backSide);
    mUseBackReadings->setObjectName(QStringLiteral("UseBackReadingsButton"));
    mUseBackReadings->setWhatsThis(QStringLiteral("Adds the two readings to the back offsets."));
    bgrid->addWidget(mPrintTwoSided, 2, 0, 1, 2);
    bgrid->addWidget(mUseBackReadings, 2, 2, 1, 2);
    connect(mPrintTwoSided, &QPushButton::clicked, this, [this] {
        PrintNudges n;
        if (PrintTwoSidedPage && Take(&n))
            PrintTwoSidedPage(n);
    });
    connect(mUseBackReadings, &QPushButton::clicked, this, [this] { UseBackReadings(); });
    layout->addWidget(backSide);

    mMessage = new QLabel(this);
    mMessage->setObjectName(QStringLiteral("CalibrationMessage"));
    mMessage->setWordWrap(true);
    mMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    mMessage->hide();
    layout->addWidget(mMessage);

    SetMarks(mMarks);
    Show(nudges);
    // Wide enough that the dialog's explanations above keep to a line or two.
    setMinimumWidth(500);
}

void CalibrationPanel::SetMarks(const CalibrationMarks& marks)
{
    mMarks = marks;
    const double nominal[] = {marks.Ax, marks.Bx, marks.Ay, marks.Cy};
    for (int i = eReadAx; i <= eReadCy; ++i)
        mEntries[i]->setPlaceholderText(QString::number(nominal[i - eReadAx], 'f', 1));
}

void CalibrationPanel::Show(const PrintNudges& nudges)
{
    mEntries[eOffsetX]->setText(OffsetText(nudges.OffsetX));
    mEntries[eOffsetY]->setText(OffsetText(nudges.OffsetY));
    mEntries[eScaleX]->setText(ScaleText(nudges.ScaleX));
    mEntries[eScaleY]->setText(ScaleText(nudges.ScaleY));
    mEntries[eBackOffsetX]->setText(OffsetText(nudges.BackOffsetX));
    mEntries[eBackOffsetY]->setText(OffsetText(nudges.BackOffsetY));
    mMessage->hide();
}

QString CalibrationPanel::Message() const
{
    return mMessage->isHidden() ? QString() : mMessage->text();
}

void CalibrationPanel::SayProblem(const QString& message)
{
    mMessage->setText(message);
    mMessage->show();
}

bool CalibrationPanel::Take(PrintNudges* nudges)
{
    PrintNudges n = *nudges;
    QString error;
    int* fields[] = {&n.OffsetX, &n.OffsetY, &n.ScaleX, &n.ScaleY, nullptr, nullptr, nullptr, nullptr,
                     &n.BackOffsetX, &n.BackOffsetY};
    for (int i = eOffsetX; i <= eBackOffsetY; ++i) {
        if (!fields[i])
            continue;
        const bool ok = i < eScaleX || i >= eBackOffsetX
                            ? ParseOffset(mEntries[i]->text(), entryName(i), fields[i], &error)
                            : ParseScale(mEntries[i]->text(), entryName(i), fields[i], &error);
        if (!ok) {
            SayProblem(error);
            mEntries[i]->setFocus();
            mEntries[i]->selectAll();
            return false;
        }
    }
    mMessage->hide();
    *nudges = n;
    return true;
}

bool CalibrationPanel::UseReadings()
{
    double values[4] = {};
    for (int i = eReadAx; i <= eReadCy; ++i) {
        QString text = mEntries[i]->text().trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        values[i - eReadAx] = text.toDouble(&ok);
        if (!ok) {
            SayProblem(QStringLiteral("%1 must be the distance you measured, in millimetres, such as %2.")
                           .arg(entryName(i), mEntries[i]->placeholderText()));
            mEntries[i]->setFocus();
            return false;
        }
    }
    CalibrationReadings readings;
    readings.Ax = values[0];
    readings.Bx = values[1];
    readings.Ay = values[2];
    readings.Cy = values[3];
    PrintNudges n;
    QString error;
    if (!CorrectionsFromReadings(mMarks, readings, &n, &error)) {
        SayProblem(error);
        return false;
    }
    // The back keeps its own offsets as entered.
    const QString backX = mEntries[eBackOffsetX]->text(), backY = mEntries[eBackOffsetY]->text();
    Show(n);
    mEntries[eBackOffsetX]->setText(backX);
    mEntries[eBackOffsetY]->setText(backY);
    return true;
}

bool CalibrationPanel::UseBackReadings()
{
    PrintNudges n;
    if (!Take(&n))
        return false;
    double values[2] = {};
    for (int i = eBackReadX; i <= eBackReadY; ++i) {
        QString text = mEntries[i]->text().trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = text.isEmpty();
        values[i - eBackReadX] = ok ? 0 : text.toDouble(&ok);
        if (!ok) {
            SayProblem(QStringLiteral("%1 must be the reading on the scale, in millimetres, such as -0.5.")
                           .arg(entryName(i)));
            mEntries[i]->setFocus();
            return false;
        }
    }
    QString error;
    if (!BackOffsetFromReadings(values[0], values[1], &n, &error)) {
        SayProblem(error);
        return false;
    }
    Show(n);
    mEntries[eBackReadX]->clear();
    mEntries[eBackReadY]->clear();
    return true;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CalibrationPanel: printer name, offset and scale entries, calibration-page readings, the page's button.
#include "print/calibrationpanel_ui.h"

#include "print/calibrationpage.h"
#include "print/printercalibration.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace qm {

namespace {

// The entries' object names; what the user reads is kEntryCaptions.
const char* const kEntryNames[] = {"Offset across", "Offset down", "Scale across", "Scale down",
                                   "A across",      "B across",    "A down",       "C down",
                                   "Back offset across", "Back offset down", "Back reading across",
                                   "Back reading down"};

// The entries as labels and messages name them. The cross-hairs A, B and C are printed with those letters.
const char* const kEntryCaptions[] = {QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Offset across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Offset down"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Scale across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Scale down"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "A across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "B across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "A down"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "C down"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Back offset across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Back offset down"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Back reading across"),
                                      QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Back reading down")};

QString entryName(int i)
{
    return QString::fromLatin1(kEntryNames[i]);
}

QString entryCaption(int i)
{
    return QCoreApplication::translate("qm::CalibrationPanel", kEntryCaptions[i]);
}

// What each entry is for, on "What's this?".
const char* const kEntryHelp[] = {
    QT_TRANSLATE_NOOP("qm::CalibrationPanel",
                      "Millimetres every card moves to the right (a minus sign moves it left)."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel",
                      "Millimetres every card moves down (a minus sign moves it up)."),
    QT_TRANSLATE_NOOP(
        "qm::CalibrationPanel",
        "Percent by which distances across the paper are stretched (100 leaves them as they are)."),
    QT_TRANSLATE_NOOP(
        "qm::CalibrationPanel",
        "Percent by which distances down the paper are stretched (100 leaves them as they are)."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "The distance in millimetres from the paper's left edge to the "
                                              "centre of cross-hair A, as you measure it."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "The distance in millimetres from the paper's left edge to the "
                                              "centre of cross-hair B, as you measure it."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "The distance in millimetres from the paper's top edge to the "
                                              "centre of cross-hair A, as you measure it."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "The distance in millimetres from the paper's top edge to the "
                                              "centre of cross-hair C, as you measure it."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "Millimetres the back of a two-sided sheet moves to the right, "
                                              "as the back reads, on top of the offset above."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel",
                      "Millimetres the back of a two-sided sheet moves down, on top of the offset above."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "On the two-sided calibration page held to the light: where "
                                              "the upright line of cross-hair A falls on the "
                                              "scale across (right is +)."),
    QT_TRANSLATE_NOOP("qm::CalibrationPanel", "On the two-sided calibration page held to the light: where "
                                              "the level line of cross-hair A falls on the "
                                              "scale down (down is +).")};

} // namespace

CalibrationPanel::CalibrationPanel(const PrintNudges& nudges, const QString& printer, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* name =
        //: %1 is the printer's name
        new QLabel(tr("These settings are for: <b>%1</b>").arg(CalibrationShownName(printer).toHtmlEscaped()),
                   this);
    name->setObjectName(QStringLiteral("PrinterName"));
    name->setWhatsThis(tr("Each printer keeps its own fine tuning. Choose another printer with "
                          "File, Printer Setup."));
    layout->addWidget(name);

    auto* correction = new QGroupBox(tr("Calibration"), this);
    auto* grid = new QGridLayout(correction);
    // The explanations are on "What's this?": the dialog is as tall as a dialog gets.
    correction->setWhatsThis(tr("Moves every card by an offset (right and down) and stretches its "
                                "distance from the paper's top-left corner by a scale, for a "
                                "printer whose feed stretches the page."));
    for (int i = eOffsetX; i <= eScaleY; ++i) {
        auto* edit = new QLineEdit(correction);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QCoreApplication::translate("qm::CalibrationPanel", kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int row = i % 2, column = i < eScaleX ? 0 : 2;
        grid->addWidget(
            //: An entry's label: %1 is its name ("Offset across")
            new QLabel(i < eScaleX ? tr("%1 (mm):").arg(entryCaption(i))
                                   //: An entry's label: %1 is its name ("Scale across")
                                   : tr("%1 (%):").arg(entryCaption(i)),
                       correction),
            row, column);
        grid->addWidget(edit, row, column + 1);
        mEntries[i] = edit;
    }
    layout->addWidget(correction);

    auto* readings = new QGroupBox(tr("Readings from the calibration page (mm)"), this);
    auto* rgrid = new QGridLayout(readings);
    readings->setWhatsThis(tr("Print the calibration page, measure cross-hairs A and B from the "
                              "paper's left edge and A and C from its top edge, enter what you "
                              "read and click Use Readings."));
    for (int i = eReadAx; i <= eReadCy; ++i) {
        auto* edit = new QLineEdit(readings);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QCoreApplication::translate("qm::CalibrationPanel", kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int k = i - eReadAx;
        const int row = k / 2, column = (k % 2) * 2;
        //: An entry's label: %1 is its name ("A across")
        rgrid->addWidget(new QLabel(tr("%1:").arg(entryCaption(i)), readings), row, column);
        rgrid->addWidget(edit, row, column + 1);
        mEntries[i] = edit;
    }
    mPrintPage = new QPushButton(tr("Print Calibration Page"), readings);
    mPrintPage->setObjectName(QStringLiteral("CalibrationPageButton"));
    mUseReadings = new QPushButton(tr("Use Readings"), readings);
    mUseReadings->setObjectName(QStringLiteral("UseReadingsButton"));
    mPrintPage->setWhatsThis(tr("Prints rulers and three cross-hairs at known places, without any "
                                "fine tuning, on the printer these settings are for."));
    mUseReadings->setWhatsThis(tr("Works out the offsets and scales from the four readings and "
                                  "puts them in the entries above."));
    rgrid->addWidget(mPrintPage, 2, 0, 1, 2);
    rgrid->addWidget(mUseReadings, 2, 2, 1, 2);
    connect(mPrintPage, &QPushButton::clicked, this, [this] {
        if (PrintCalibrationPage)
            PrintCalibrationPage();
    });
    connect(mUseReadings, &QPushButton::clicked, this, [this] { UseReadings(); });
    layout->addWidget(readings);

    auto* backSide = new QGroupBox(tr("Back side (two-sided printing, mm)"), this);
    auto* bgrid = new QGridLayout(backSide);
    backSide->setWhatsThis(tr("Where the back of a two-sided sheet lands behind its front. Print the "
                              "two-sided page, hold it to the light, read where cross-hair A falls "
                              "on the scales of the back and click Use Back Readings."));
    for (int i = eBackOffsetX; i <= eBackReadY; ++i) {
        auto* edit = new QLineEdit(backSide);
        edit->setObjectName(entryName(i));
        edit->setWhatsThis(QCoreApplication::translate("qm::CalibrationPanel", kEntryHelp[i]));
        edit->setMaximumWidth(90);
        const int k = i - eBackOffsetX;
        bgrid->addWidget(new QLabel(tr("%1:").arg(entryCaption(i)), backSide), k / 2, (k % 2) * 2);
        bgrid->addWidget(edit, k / 2, (k % 2) * 2 + 1);
        mEntries[i] = edit;
    }
    mEntries[eBackReadX]->setPlaceholderText(OffsetShown(0));
    mEntries[eBackReadY]->setPlaceholderText(OffsetShown(0));
    mPrintTwoSided = new QPushButton(tr("Print Two-Sided Page"), backSide);
    mPrintTwoSided->setObjectName(QStringLiteral("TwoSidedPageButton"));
    mPrintTwoSided->setWhatsThis(tr("Prints cross-hairs on the front of a sheet and scales behind "
                                    "them on its back, with the values entered here."));
    mUseBackReadings = new QPushButton(tr("Use Back Readings"), backSide);
    mUseBackReadings->setObjectName(QStringLiteral("UseBackReadingsButton"));
    mUseBackReadings->setWhatsThis(tr("Adds the two readings to the back offsets."));
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
        mEntries[i]->setPlaceholderText(OffsetShown(int(std::lround(nominal[i - eReadAx] * 10))));
}

void CalibrationPanel::Show(const PrintNudges& nudges)
{
    mEntries[eOffsetX]->setText(OffsetShown(nudges.OffsetX));
    mEntries[eOffsetY]->setText(OffsetShown(nudges.OffsetY));
    mEntries[eScaleX]->setText(ScaleShown(nudges.ScaleX));
    mEntries[eScaleY]->setText(ScaleShown(nudges.ScaleY));
    mEntries[eBackOffsetX]->setText(OffsetShown(nudges.BackOffsetX));
    mEntries[eBackOffsetY]->setText(OffsetShown(nudges.BackOffsetY));
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
                            ? ParseOffset(mEntries[i]->text(), entryCaption(i), fields[i], &error)
                            : ParseScale(mEntries[i]->text(), entryCaption(i), fields[i], &error);
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
        if (!ReadTypedNumber(mEntries[i]->text(), &values[i - eReadAx])) {
            //: %1 names the entry ("A across"), %2 is a number ("30.0")
            SayProblem(tr("%1 must be the distance you measured, in millimetres, such as %2.")
                           .arg(entryCaption(i), mEntries[i]->placeholderText()));
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
        const QString text = mEntries[i]->text().trimmed();
        const bool ok = text.isEmpty() ? (values[i - eBackReadX] = 0, true)
                                       : ReadTypedNumber(text, &values[i - eBackReadX]);
        if (!ok) {
            //: %1 names the entry ("Back reading across")
            SayProblem(tr("%1 must be the reading on the scale, in millimetres, such as -0.5.")
                           .arg(entryCaption(i)));
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

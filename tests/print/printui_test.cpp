// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the printing dialogs and their logic: sheet positions, fine tuning, the bottom-margin alert, the
// status window, the preview.
#include "pdfutil.h"

#include "settings/preferences.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "model/cardrender.h"
#include "print/previewwindow_ui.h"
#include "print/previewzoom.h"
#include "print/printcommands_ui.h"
#include "print/printers_ui.h"
#include "print/finetuning.h"
#include "print/finetuningdialog_ui.h"
#include "print/sheetprinter.h"
#include "print/printstatus_ui.h"
#include "print/recordingreport.h"
#include "print/positionpicker.h"
#include "print/positiondialog_ui.h"
#include "print/bottomwarning_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace qm;

// ---- Sheet positions ----

TEST(SheetSelection, FifthScalePictureOfALetterSheet)
{
    const TSheetSelection s(CardSheetLayout(), SheetPositions(), 96);
    EXPECT_EQ(s.PaperRect(), QRect(10, 10, 163, 211));
    EXPECT_EQ(s.PositionCount(), 10);
    EXPECT_EQ(s.PositionRect(0), QRect(24, 19, 67, 38));
    // Each step is the truncated pitch: Trunc(3.5 x 19.2) = 67, Trunc(2 x 19.2) = 38.
    EXPECT_EQ(s.PositionRect(9), QRect(24 + 67, 19 + 4 * 38, 67, 38));
    EXPECT_EQ(s.PositionRect(10), QRect());

    CardSheetLayout a4;
    ApplyPredefinedLayout(a4, 9);
    EXPECT_EQ(TSheetSelection(a4, SheetPositions(), 96).PaperRect(), QRect(10, 10, 158, 224));
}

TEST(SheetSelection, ClicksToggleAllAndNoneAndOkNeedsACard)
{
    TSheetSelection s(CardSheetLayout(), SheetPositions(), 96);
    EXPECT_EQ(s.Click(QPoint(30, 25)), 0);
    EXPECT_FALSE(s.Selected(0));
    EXPECT_EQ(s.Click(QPoint(30, 25)), 0);
    EXPECT_TRUE(s.Selected(0));
    EXPECT_EQ(s.Click(QPoint(5, 5)), -1); // beside the sheet
    EXPECT_EQ(s.Click(QPoint(23, 25)), -1);
    EXPECT_TRUE(s.AcceptProblem().isEmpty());

    s.SelectNone();
    EXPECT_EQ(s.AcceptProblem(), QStringLiteral("You must select at least one card to print"));
    s.Click(s.PositionRect(9).center());
    EXPECT_TRUE(s.AcceptProblem().isEmpty());
    EXPECT_EQ(s.Positions(), SheetPositions::Only({9}));
    s.SelectAll();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(s.Selected(i));

    s.SetPages(0);
    EXPECT_EQ(s.Pages(), 1);
    s.SetPages(150000);
    EXPECT_EQ(s.Pages(), 100000);
}

TEST(SheetSelection, LargeSheetsOfferEveryPosition)
{
    CardSheetLayout big;
    big.Across = 10;
    big.Down = 30;
    big.Width = 0.8f;
    big.HPitch = 0.8f;
    big.Height = 0.35f;
    big.VPitch = 0.35f;
    big.LeftMargin = 0.25f;
    big.TopMargin = 0.25f;
    TSheetSelection s(big, SheetPositions::None(), 96);
    EXPECT_EQ(s.PositionCount(), 300);
    EXPECT_EQ(s.Click(s.PositionRect(299).center()), 299);
    EXPECT_TRUE(s.Selected(299));
    EXPECT_TRUE(s.AcceptProblem().isEmpty());
}

TEST(SelectSpecificLabelsDialog, PicturePressesAndOkRules)
{
    TSelectSpecificLabels dialog{CardSheetLayout(), SheetPositions()};
    dialog.PrinterName = [] { return QStringLiteral("Office Laser"); };
    int applied = 0;
    dialog.ApplyToPrinter = [&](int pages) { applied = pages; };
    QStringList told;
    dialog.Inform = [&](const QString& m) { told.append(m); };
    dialog.ShowPrinterName();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Cards"));
    EXPECT_EQ(dialog.PrinterLabel(), QStringLiteral("Office Laser"));

    QTest::mouseClick(dialog.PaintBox(), Qt::LeftButton, {}, QPoint(30, 25));
    EXPECT_FALSE(dialog.Positions().Selected(0));

    auto* none = dialog.findChild<QPushButton*>(QStringLiteral("NoneButton"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_TRUE(none && ok);
    none->click();
    dialog.SetPages(3);
    ok->click();
    EXPECT_EQ(told, QStringList{QStringLiteral("You must select at least one card to print")});
    EXPECT_TRUE(dialog.isVisible()); // stays open
    EXPECT_EQ(applied, 3);           // the printer's copies are set either way

    dialog.findChild<QPushButton*>(QStringLiteral("AllButton"))->click();
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Positions(), SheetPositions());
}

// ---- Fine tuning and the bottom-margin alert ----

TEST(FineTune, CaptionsStepsAndLimits)
{
    EXPECT_EQ(NudgeCaption(0), QStringLiteral("None"));
    EXPECT_EQ(NudgeCaption(3), QStringLiteral("Increase by 3/32\""));
    EXPECT_EQ(NudgeCaption(-8), QStringLiteral("Decrease by 8/32\""));

    FineTuneNudges n;
    for (int i = 0; i < 10; ++i)
        n.LowerArrow(FineTuneNudges::nTopMargin);
    for (int i = 0; i < 10; ++i)
        n.UpperArrow(FineTuneNudges::nHorizontalSpacing);
    n.LowerArrow(FineTuneNudges::nVerticalSpacing);
    n.UpperArrow(FineTuneNudges::nLeftMargin);
    EXPECT_EQ(n.Nudges(), (PrintNudges{8, -1, 1, -8}));
    EXPECT_EQ(n.Caption(FineTuneNudges::nTopMargin), QStringLiteral("Increase by 8/32\""));
    n.Default();
    EXPECT_EQ(n.Nudges(), PrintNudges());
}

TEST(FineTune, DialogArrowsRewriteTheLabels)
{
    TPrintFineTune dialog(PrintNudges{0, 0, 2, 0});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printer Fine-Tuning"));
    EXPECT_EQ(dialog.ValueText(FineTuneNudges::nVerticalSpacing), QStringLiteral("Increase by 2/32\""));
    for (int i = 0; i < 3; ++i)
        dialog.LowerArrow(FineTuneNudges::nTopMargin)->click();
    dialog.UpperArrow(FineTuneNudges::nLeftMargin)->click();
    EXPECT_EQ(dialog.ValueText(FineTuneNudges::nTopMargin), QStringLiteral("Increase by 3/32\""));
    EXPECT_EQ(dialog.ValueText(FineTuneNudges::nLeftMargin), QStringLiteral("Decrease by 1/32\""));
    dialog.findChild<QPushButton*>(QStringLiteral("DefaultButton"))->click();
    EXPECT_EQ(dialog.Nudges(), PrintNudges());
    EXPECT_EQ(dialog.ValueText(FineTuneNudges::nVerticalSpacing), QStringLiteral("None"));
}

TEST(BottomMarginWarning, DueOnlyForAPrinterThatCannotReachTheBottomRow)
{
    const CardSheetLayout sheet;
    const SheetPositions all;
    EXPECT_FALSE(BottomMarginWarningDue(0.5, sheet, all, true));
    EXPECT_TRUE(BottomMarginWarningDue(0.66, sheet, all, true));
    EXPECT_FALSE(BottomMarginWarningDue(0.66, sheet, all, false));
    EXPECT_FALSE(BottomMarginWarningDue(0.66, sheet, SheetPositions::Only({0, 1, 6, 7}), true));
    // A single card of the bottom row is cut off just the same.
    EXPECT_TRUE(BottomMarginWarningDue(0.66, sheet, SheetPositions::Only({9}), true));

    TWarnBottomMargin alert(0.66);
    EXPECT_EQ(alert.windowTitle(), QStringLiteral("ALERT"));
    EXPECT_TRUE(
        alert.BottomMarginLabel().endsWith(QStringLiteral("bottom margin setting of : 0.660 inches")));
    EXPECT_TRUE(alert.DifferenceLabel().endsWith(QStringLiteral("approximately: 0.160 inches")));
    EXPECT_FALSE(alert.DontShowAgain());
    alert.DontShowCheck()->setChecked(true);
    EXPECT_TRUE(alert.DontShowAgain());
}

TEST(PrinterCheck, NoPrinterIsSaidOnceAndTruthfully)
{
    // Both messages say what still works instead of refusing all printing.
    for (const QStringList& installed : {QStringList(), QStringList({QStringLiteral("lp")})}) {
        const TPrinterCheck check = CheckPrinterList(installed, QString());
        EXPECT_FALSE(check.Ok);
        EXPECT_TRUE(check.Message.contains(QLatin1String("PDF files"))) << qPrintable(check.Message);
    }
    EXPECT_TRUE(CheckPrinterList({QStringLiteral("lp")}, QStringLiteral("lp")).Ok);

    // Said at the first start without printers, not at the next, and again once printers came and went.
    QTemporaryDir dir;
    const Preferences prefs(dir.filePath(QStringLiteral("qmk.ini")));
    EXPECT_TRUE(prefs.PrinterNoticeDue(false));
    EXPECT_FALSE(prefs.PrinterNoticeDue(false));
    EXPECT_FALSE(prefs.PrinterNoticeDue(true));
    EXPECT_FALSE(prefs.PrinterNoticeDue(true));
    EXPECT_TRUE(prefs.PrinterNoticeDue(false));
}

// ---- The status window ----

// Presses the window's button from inside the job, at the given card.
class Presser : public TKGraphicControl
{
public:
    const char* ClassName() const override { return "Presser"; }
    void Draw(QPainter&, const RenderContext&) const override
    {
        if (++printed == pressAt && window)
            window->CancelClicked();
    }
    TPrintStatusWindow* window = nullptr;
    mutable int printed = 0;
    int pressAt = 0;
};

TEST(PrintStatusWindow, AFinishedJobClosesTheWindow)
{
    TKBusinessCardPanel32 panel;
    LabelJob job;
    job.PrintMode = false;
    TLabelPrinter printer(panel, job);
    RecordingReport report;
    TPrintStatusWindow window(printer, report);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Preview Status"));
    EXPECT_EQ(window.ButtonText(), QStringLiteral("Stop"));
    EXPECT_EQ(window.RunModal(), joFinished);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(report.Pages().size(), 1u);
}

TEST(PrintStatusWindow, CancelAsksThenStopsThePrintAndStaysWithTheReason)
{
    for (bool answer : {false, true}) {
        TKBusinessCardPanel32 panel;
        auto* presser = static_cast<Presser*>(panel.CardObjects().Add(std::make_unique<Presser>()));
        presser->SetBounds(0, 0, 10, 10); // an object without area is not drawn
        presser->pressAt = 3;
        LabelJob job;
        TLabelPrinter printer(panel, job);
        RecordingReport report;
        TPrintStatusWindow window(printer, report);
        presser->window = &window;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Status"));
        int asked = 0;
        window.ConfirmCancel = [&] {
            ++asked;
            return answer;
        };
        // Once the job has ended, the OK button closes the window.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (window.ButtonText() == QLatin1String("OK"))
                window.CancelClicked();
        });
        closer.start(5);
        const TJobOutcome outcome = window.RunModal();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(outcome, answer ? joCanceled : joFinished);
        EXPECT_EQ(presser->printed, answer ? 3 : 10);
        if (answer) {
            EXPECT_EQ(window.StatusText(), QStringLiteral("Business Card Print Canceled!"));
        }
        EXPECT_TRUE(window.CardText().isEmpty());
        EXPECT_EQ(panel.Zoom(), 1.0f); // printing draws the card; the panel is never switched over
    }
}

// ---- The preview ----

std::vector<ReportPage> PreviewPages(bool rotated)
{
    TKBusinessCardPanel32 panel;
    panel.SetPortraitMode(rotated);
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(20, 20, 60, 40);
    shape->Brush().SetColor(clRed);
    LabelJob job;
    job.PrintMode = false;
    TLabelPrinter printer(panel, job);
    RecordingReport report;
    printer.Run(report);
    return report.TakePages();
}

TEST(PreviewZoom, StepsAndFittingFactors)
{
    TPreviewZoom zoom(96);
    zoom.ZoomIn();
    EXPECT_EQ(zoom.Percent(), 125);
    zoom.ZoomOut();
    zoom.ZoomOut();
    EXPECT_EQ(zoom.Percent(), 75);
    zoom.SetPercent(800);
    zoom.ZoomIn();
    EXPECT_EQ(zoom.Percent(), 800);
    zoom.SetPercent(110);
    zoom.ZoomOut();
    EXPECT_EQ(zoom.Percent(), 100);

    const QSizeF letter(8.5, 11);
    // (608 - 5) / (1.05 x 8.5 x 96): 70 %.
    EXPECT_EQ(zoom.PageWidthPercent(letter, QSize(608, 383)), 70);
    EXPECT_EQ(zoom.WholePagePercent(letter, QSize(608, 383)), 34);
    zoom.SetPercent(100);
    EXPECT_EQ(zoom.PageRect(letter), QRect(20, 26, 816, 1056));
    EXPECT_EQ(zoom.CanvasSize(letter), QSize(816 + 40 + 5, 1056 + 52 + 5));
}

TEST(PreviewForm, ShowsThePageWithItsSilverOutlineAndZoomsByClicks)
{
    TPreviewForm form(PreviewPages(false));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 1"));
    EXPECT_EQ(form.ZoomPercent(), 100);

    const QImage page = form.PageView()->grab().toImage();
    // The page sits 2.5 % in, the first card 0.75 x 0.5 inch further at 96 pixels per inch.
    const QPoint corner(qRound(8.5 * 96 * 0.025), qRound(11 * 96 * 0.025));
    EXPECT_EQ(page.pixelColor(corner + QPoint(3, 3)), QColor(Qt::white));
    const QPoint card = corner + QPoint(72, 48);
    EXPECT_EQ(page.pixelColor(card + QPoint(100, 0)), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(page.pixelColor(card + QPoint(50, 40)), QColor(Qt::red));

    QTest::mouseClick(form.PageView(), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(form.PageView(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.ZoomPercent(), 150);
    QTest::mouseClick(form.PageView(), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.ZoomPercent(), 125);
    form.ZoomToWholePage();
    const QSize whole = form.PageView()->size();
    EXPECT_LE(whole.height(), form.ScrollArea()->viewport()->height());
    form.ZoomToPageWidth();
    EXPECT_LE(form.PageView()->width(), form.ScrollArea()->viewport()->width());

    QScrollBar* bar = form.ScrollArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->singleStep());
    QTest::keyClick(&form, Qt::Key_Up);
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
    form.accept();
}

TEST(PreviewForm, ReopensWhereItWasClosed)
{
    QRect placed;
    {
        TPreviewForm form(PreviewPages(true));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.setGeometry(QRect(40, 60, 500, 400));
        placed = form.geometry();
        form.accept();
    }
    TPreviewForm again(PreviewPages(true));
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.geometry(), placed);
    again.accept();
}

// ---- The window's commands ----

TEST(PrintCommands, PreviewShowsOneRecordedPageAndLeavesTheSelectionAlone)
{
    TKBusinessCardPanel32 panel;
    TPrintCommands commands(nullptr, panel);
    commands.Positions() = SheetPositions::Only({4});
    std::vector<ReportPage> shown;
    commands.ShowPreview = [&](std::vector<ReportPage>& pages) { shown = std::move(pages); };
    TPrintSettings settings;
    EXPECT_TRUE(commands.Preview(settings));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(commands.Positions(), SheetPositions::Only({4}));
}

TEST(PrintCommands, PrintTakesThePositionsChosenAndKeepsThemForTheNextPrint)
{
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    TPrintCommands commands(nullptr, panel);
    PrinterReport& printer = commands.ReportPrinter();
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    // The name of the job before is not taken over: each job asks, proposing the card's name.
    printer.Printer().setOutputFileName(dir.filePath(QStringLiteral("outline.pdf")));
    QString proposed;
    commands.ChoosePdfFile = [&](const QString& offered) {
        proposed = offered;
        return pdf;
    };
    QStringList told;
    commands.Inform = [&](const QString& message) { told << message; };

    // The position dialog: the first card off, two pages, Ok.
    bool driven = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TSelectSpecificLabels*>(QApplication::activeModalWidget());
        if (!dialog || driven)
            return;
        driven = true;
        // It names this job's file as the target, not the job before's.
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("PrinterLabel"))->text(),
                  QStringLiteral("PDF file Smith & Sons.pdf"));
        QTest::mouseClick(dialog->PaintBox(), Qt::LeftButton, {},
                          dialog->Selection().PositionRect(0).center());
        dialog->SetPages(2);
        dialog->accept();
    });
    driver.start(5);
    TPrintSettings settings;
    settings.CardFile = QStringLiteral("/somewhere/Smith & Sons.qmk");
    bool warningOff = true;
    EXPECT_TRUE(commands.Print(settings, &warningOff));
    driver.stop();
    EXPECT_TRUE(driven);
    EXPECT_FALSE(warningOff);
    SheetPositions expected;
    expected.SetSelected(0, false);
    EXPECT_EQ(commands.Positions(), expected);
    ASSERT_TRUE(QFile::exists(pdf));
    if (qmtest::HavePoppler()) {
        EXPECT_TRUE(
            qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Pages:           2")));
    }
    EXPECT_EQ(printer.Copies(), 1); // the two pages were printed as sheets: a PDF file makes no copies
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("Smith & Sons.pdf"));
    EXPECT_EQ(told, QStringList({QStringLiteral("The cards were printed to the PDF file\n") + pdf}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("outline.pdf"))));
}

} // namespace

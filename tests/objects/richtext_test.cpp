// SPDX-License-Identifier: GPL-3.0-or-later
// Rich text: the document drawn at every zoom and cut off at its box, the editor's OK and Cancel, the object
// through the card stream, and on paper as text.
#include "../print/pdfutil.h"

#include "design/cardpanel.h"
#include "richtext/rtf.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardrender.h"
#include "model/objectmenu.h"
#include "objects/objectdialogs_ui.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/richtext.h"
#include "objects/text/richtexteditor.h"
#include "objects/text/richtexteditor_ui.h"
#include "objects/text/richtextlayout.h"
#include "print/pagedreport.h"
#include "print/report.h"
#include "print/sheetprinter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

// A bold name, a red title and a centred line, all centred, as another program writes it.
const QByteArray kCardRtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Liberation Sans;}}"
                            "{\\colortbl;\\red200\\green0\\blue0;}\n"
                            "\\pard\\qc\\f0\\fs32\\b Jane Doe\\b0\\par\n"
                            "\\pard\\qc\\cf1\\fs20 Managing Director\\cf0\\par\n"
                            "\\pard\\qc\\fs20 12 High Street\\par\n}";

// Twelve lines of 20 points: far more than a small box holds.
QByteArray LongRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs40 ";
    for (int i = 1; i <= 12; ++i)
        rtf += "Line " + QByteArray::number(i) + "\\par ";
    return rtf + "}";
}

TKRichText RichText(const QByteArray& rtf)
{
    TKRichText text;
    text.SetData(rtf);
    return text;
}

// The object drawn on a white picture with its box's top-left at (20, 20).
QImage DrawnAlone(const TKPRichBaseLabel& label, QSize picture = QSize(420, 300), double zoom = 1.0)
{
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(20, 20);
    p.scale(zoom, zoom);
    label.Draw(p, RenderContext());
    return image;
}

int RedPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    return n;
}

// Runs `script` on the editor once it shows, then presses `button` ("Ok" or "Cancel").
void WhenTheEditorOpens(std::function<void(TRichTextLabelEditor&)> script, const QString& button)
{
    QTimer::singleShot(0, [script, button] {
        auto* editor = dynamic_cast<TRichTextLabelEditor*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        script(*editor);
        for (QPushButton* b : editor->findChildren<QPushButton*>())
            if (b->text().remove(QLatin1Char('&')) == button)
                b->click();
        // Nothing pressed (a failed assertion above): the editor must not stay open.
        if (editor->isVisible())
            editor->reject();
    });
}

} // namespace

TEST(RichText, TheTextStaysInItsBoxAndGrowsWithTheZoomWithTheSameLineBreaks)
{
    TKPRichBaseLabel label;
    label.SetRTFText(RichText(kCardRtf));
    label.SetBorderStyle(bsNone);
    label.SetBounds(0, 0, 190, 70);
    const QImage at100 = DrawnAlone(label);
    const QRect ink100 = qmtest::InkBox(at100, QRect(), 200);
    ASSERT_FALSE(ink100.isNull());
    EXPECT_TRUE(QRect(20, 20, 190, 70).contains(ink100)) << ink100.x() << "," << ink100.y();
    // Centred lines; the title in its colour; three lines of 16 and 10 points reach down about 55 pixels.
    EXPECT_NEAR(ink100.center().x(), 20 + 95, 2);
    EXPECT_GT(RedPixels(at100), 30);
    EXPECT_GT(ink100.height(), 40);
    const double textHeight = label.Layout().TextHeight();
    EXPECT_EQ(label.Layout().Layouts(), 1) << "drawn again unchanged, the layout is kept";
    DrawnAlone(label);
    EXPECT_EQ(label.Layout().Layouts(), 1);

    // The panel at 150 % scales its painter: the box stays, the text is laid out once and drawn larger.
    const QImage at150 = DrawnAlone(label, QSize(420, 300), 1.5);
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 190, 70));
    EXPECT_EQ(label.Layout().Layouts(), 1);
    const QRect ink150 = qmtest::InkBox(at150, QRect(), 200);
    EXPECT_TRUE(QRect(20, 20, 285, 105).contains(ink150));
    EXPECT_NEAR(ink150.width(), 1.5 * ink100.width(), 4);
    EXPECT_NEAR(ink150.height(), 1.5 * ink100.height(), 4);
    EXPECT_NEAR(ink150.center().x(), 20 + 142, 2);
    EXPECT_NEAR(ink150.top() - 20, 1.5 * (ink100.top() - 20), 2);
    // The same rows, only drawn larger.
    EXPECT_EQ(label.Layout().TextHeight(), textHeight);
}

TEST(RichText, ADocumentTooLongForItsBoxIsCutOffAtTheBoxAndAnEmptyOneShowsTheFrame)
{
    TKPRichBaseLabel label;
    label.SetBounds(0, 0, 120, 50);
    // An empty document: the frame, nothing inside it.
    const QImage empty = DrawnAlone(label);
    EXPECT_EQ(qmtest::InkBox(empty, QRect(), 200), QRect(20, 20, 120, 50));
    EXPECT_TRUE(qmtest::InkBox(empty, QRect(22, 22, 116, 46), 250).isNull());

    label.SetRTFText(RichText(LongRtf()));
    label.SetBorderStyle(bsNone);
    label.SetTransparent(false);
    label.SetBGColor(0x00E0FFFF); // light yellow
    const QImage drawn = DrawnAlone(label);
    const QRect ink = qmtest::InkBox(drawn, QRect(), 200);
    // The text runs to the box's bottom edge and stops there; the background fills the box only.
    EXPECT_TRUE(QRect(20, 20, 120, 50).contains(ink)) << ink.bottom();
    EXPECT_GE(ink.bottom(), 20 + 50 - 4);
    EXPECT_EQ(drawn.pixelColor(20, 20 + 49).rgb(), drawn.pixelColor(20, 20).rgb());
    EXPECT_EQ(drawn.pixel(20, 20 + 50), qRgb(255, 255, 255));
    EXPECT_EQ(drawn.pixel(20 + 120, 20), qRgb(255, 255, 255));
    EXPECT_EQ(QColor(drawn.pixel(20, 20)), QColor(255, 255, 224));
}

TEST(RichText, TheEditorWritesBackOnOkAndChangesNothingOnCancel)
{
    TKBusinessCardPanel32 panel;
    TKStandardDialogs dialogs(nullptr);
    panel.SetDialogs(&dialogs);
    int changes = 0;
    panel.LabelChangedEvent = [&changes] { ++changes; };

    // Drawing a rich text opens the editor: a bold red centred name, typed.
    WhenTheEditorOpens(
        [](TRichTextLabelEditor& editor) {
            EXPECT_EQ(editor.windowTitle(), QStringLiteral("Rich Text Editor"));
            EXPECT_EQ(editor.Zoom(), 100);
            QTest::keyClicks(editor.Editor(), QStringLiteral("Jane Doe"));
            editor.Editor()->selectAll();
            editor.Button(QStringLiteral("Bold"))->trigger();
            editor.Button(QStringLiteral("Center"))->trigger();
            ColorCombo* colour = editor.FontColor();
            const int red = colour->findText(QStringLiteral("Red"));
            ASSERT_GE(red, 0);
            colour->setCurrentIndex(red);
            emit colour->activated(red);
        },
        QStringLiteral("Ok"));
    panel.SetPanelState(psRichLabel);
    panel.CreateObject(QRect(10, 10, 190, 40));
    ASSERT_EQ(panel.CardObjects().Count(), 1);
    auto* label = dynamic_cast<TKPRichBaseLabel*>(panel.CardObjects().At(0));
    ASSERT_NE(label, nullptr);
    EXPECT_GT(changes, 0);

    QTextDocument written;
    ReadRtf(label->RTFText().Data(), written);
    EXPECT_EQ(written.toPlainText(), QStringLiteral("Jane Doe"));
    const QTextBlock block = written.firstBlock();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_GT(RedPixels(panel.RenderToBitmap()), 20) << "the card shows the edited text";

    // The editor starts at 100 % and only zooms out, down to 50; Cancel keeps the document.
    const QByteArray before = label->RTFText().Data();
    const QSize panelAt100 = label->BoundsRect().size() + QSize(1, 1);
    const int changesBefore = changes;
    WhenTheEditorOpens(
        [panelAt100](TRichTextLabelEditor& editor) {
            EXPECT_EQ(editor.Zoom(), 100);
            EXPECT_EQ(editor.Panel()->size(), panelAt100);
            EXPECT_FALSE(editor.ZoomInButton()->isEnabled());
            for (int i = 0; i < 12; ++i)
                editor.ZoomOutButton()->click();
            EXPECT_EQ(editor.Zoom(), 50);
            EXPECT_EQ(editor.Panel()->size(), QSize(int(std::nearbyint(panelAt100.width() * 0.5)),
                                                    int(std::nearbyint(panelAt100.height() * 0.5))));
            editor.ZoomInButton()->click();
            EXPECT_EQ(editor.Zoom(), 60);
            editor.Editor()->selectAll();
            QTest::keyClicks(editor.Editor(), QStringLiteral("Someone else"));
        },
        QStringLiteral("Cancel"));
    ASSERT_TRUE(label->PopupMenu()->Trigger(QStringLiteral("Edit")));
    EXPECT_EQ(label->RTFText().Data(), before);
    EXPECT_EQ(changes, changesBefore);
}

TEST(RichText, TheEditorsPanelAndTheBoxGrowToTheTextNeverShrink)
{
    EXPECT_EQ(RichTextHeightFor(40, 12.0), 40);
    EXPECT_EQ(RichTextHeightFor(40, 40.0), 40);
    EXPECT_EQ(RichTextHeightFor(40, 40.005), 40); // a hair over is not a pixel more
    EXPECT_EQ(RichTextHeightFor(40, 40.5), 41);
    EXPECT_EQ(RichTextHeightFor(40, 97.2), 98);
    EXPECT_EQ(RichTextEditorPanel(QSize(191, 41), 10.0), QSize(191, 41));
    EXPECT_EQ(RichTextEditorPanel(QSize(191, 41), 60.0), QSize(191, 62)); // the frame above and below
}

TEST(RichText, ANewRichTextHasNoFrameGrowsWithItsTextAndEnterInTheFontBoxKeepsTheEditorOpen)
{
    TKBusinessCardPanel32 panel;
    TKStandardDialogs dialogs(nullptr);
    panel.SetDialogs(&dialogs);
    WhenTheEditorOpens(
        [](TRichTextLabelEditor& editor) {
            const QSize start = editor.Panel()->size();
            for (int i = 1; i <= 6; ++i) {
                QTest::keyClicks(editor.Editor(), QStringLiteral("Line %1").arg(i));
                QTest::keyClick(editor.Editor(), Qt::Key_Return);
            }
            QCoreApplication::processEvents();
            // Six lines of 10 points do not fit 30 pixels: the panel grew down, not across.
            EXPECT_EQ(editor.Panel()->width(), start.width());
            EXPECT_GT(editor.Panel()->height(), start.height() + 40);
            EXPECT_GE(editor.Panel()->height(), int(editor.Editor()->document()->size().height()));

            // A face typed into the font box and Enter: the text takes it, the editor stays.
            editor.Editor()->selectAll();
            QLineEdit* name = editor.FontName()->lineEdit();
            ASSERT_NE(name, nullptr);
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("DejaVu Serif"));
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(editor.isVisible());
            EXPECT_EQ(editor.result(), 0);
            EXPECT_TRUE(editor.Editor()->hasFocus() || QApplication::focusWidget() == editor.Editor());
            QTextCursor first(editor.Editor()->document()->firstBlock());
            first.movePosition(QTextCursor::NextCharacter);
            EXPECT_EQ(first.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
            // So does Enter in the size box.
            QLineEdit* size = editor.FontSize()->lineEdit();
            size->setFocus();
            size->selectAll();
            QTest::keyClicks(size, QStringLiteral("12"));
            QTest::keyClick(size, Qt::Key_Return);
            EXPECT_TRUE(editor.isVisible());
        },
        QStringLiteral("Ok"));
    panel.SetPanelState(psRichLabel);
    panel.CreateObject(QRect(10, 10, 190, 30));
    ASSERT_EQ(panel.CardObjects().Count(), 1);
    auto* label = dynamic_cast<TKPRichBaseLabel*>(panel.CardObjects().At(0));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->BorderStyle(), bsNone);
    // The box took the text's height: every line shows on the card.
    EXPECT_EQ(label->Width(), 190);
    EXPECT_GE(label->Height(), int(label->Layout().TextHeight()));
    EXPECT_GT(label->Height(), 80);
    QTextDocument written;
    ReadRtf(label->RTFText().Data(), written);
    EXPECT_TRUE(written.toPlainText().startsWith(QStringLiteral("Line 1\nLine 2")));

    // A rich text read from a card keeps its frame as stored: a new object only starts without one.
    TKPRichBaseLabel fresh;
    EXPECT_EQ(fresh.BorderStyle(), bsSingle);
}

TEST(RichText, TheObjectGoesThroughTheCardStreamByteForByte)
{
    TKPRichBaseLabel label;
    label.SetName(QStringLiteral("Component0"));
    QTextDocument document;
    ReadRtf(kCardRtf, document);
    label.SetRTFText(RichText(WriteRtf(document)));
    label.SetBounds(12, 34, 200, 80);
    label.SetBorderStyle(bsNone);
    label.SetTransparent(false);
    label.SetBGColor(0x0000FFFF);
    const QByteArray bytes = WriteObjectsToBytes({&label});
    TKCardObjects objects;
    const ReadResult read = ReadObjectsFromBytes(objects, bytes);
    ASSERT_TRUE(read.ok) << qPrintable(read.error);
    auto* back = dynamic_cast<TKPRichBaseLabel*>(read.objects.at(0));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->RTFText().Data(), label.RTFText().Data());
    EXPECT_EQ(back->BGColor(), TColor(0x0000FFFF));
    EXPECT_FALSE(back->Transparent());
    EXPECT_EQ(WriteObjectsToBytes({back}), bytes);
    // Our own RTF read and written again is the same RTF.
    QTextDocument again;
    ReadRtf(back->RTFText().Data(), again);
    EXPECT_EQ(WriteRtf(again), back->RTFText().Data());
}

TEST(RichText, OnPaperTheTextStaysTextInItsFontsWhereTheScreenShowsItAndStopsAtItsBox)
{
    if (!qmtest::HavePoppler() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    TKBusinessCardPanel32 panel;
    auto* card = static_cast<TKPRichBaseLabel*>(panel.CardObjects().Add(std::make_unique<TKPRichBaseLabel>()));
    card->SetRTFText(RichText(kCardRtf));
    card->SetBorderStyle(bsNone);
    card->SetBounds(20, 10, 200, 80);
    auto* clipped = static_cast<TKPRichBaseLabel*>(panel.CardObjects().Add(std::make_unique<TKPRichBaseLabel>()));
    clipped->SetRTFText(RichText(LongRtf()));
    clipped->SetBorderStyle(bsNone);
    clipped->SetBounds(230, 20, 90, 60);
    const QImage screen = panel.RenderToBitmap();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    PdfReport report(pdf, PdfReport::kDefaultResolution);
    report.SetPaperSize(kPaperLetter);
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    TLabelPrinter printer(panel, job);
    ASSERT_EQ(printer.Run(report), joFinished) << qPrintable(report.ErrorString());

    const QString words = qmtest::RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* expected : {"Jane Doe", "Managing Director", "12 High Street", "Line 1"})
        EXPECT_TRUE(words.contains(QLatin1String(expected))) << expected << " in " << qPrintable(words);
    const QString fonts = qmtest::RunTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans-Bold"))) << qPrintable(fonts);
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("LiberationSans\\s")))) << qPrintable(fonts);

    // The first card starts at (72, 48) pixels on the page: the ink where the screen has it, and the long
    // document cut off at the bottom of its box.
    const QImage page = qmtest::RenderPdfPage(pdf, 96);
    for (const TKPRichBaseLabel* object : {card, clipped}) {
        const QRect box = object->BoundsRect();
        const QRect onScreen = qmtest::InkBox(screen, box.adjusted(-10, -10, 10, 10));
        const QRect onPaper = qmtest::InkBox(page, box.adjusted(-10, -10, 10, 10).translated(72, 48)).translated(-72, -48);
        ASSERT_FALSE(onScreen.isNull());
        EXPECT_TRUE(box.contains(onPaper)) << onPaper.bottom();
        EXPECT_NEAR(onPaper.left(), onScreen.left(), 1);
        EXPECT_NEAR(onPaper.top(), onScreen.top(), 1);
        EXPECT_NEAR(onPaper.right(), onScreen.right(), 1);
        EXPECT_NEAR(onPaper.bottom(), onScreen.bottom(), 1);
    }
}

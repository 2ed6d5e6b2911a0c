// SPDX-License-Identifier: GPL-3.0-or-later
// A label with a caption far longer than its box draws exactly what the whole caption drew, and lays out and
// records only the characters that can reach the box.
#include "model/cardrender.h"
#include "objects/text/captionruns.h"
#include "objects/text/textlabel.h"
#include "print/recording.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QString Words(qsizetype length)
{
    const QString unit = QStringLiteral("Quillmark prints business cards, iiii WWWW. ");
    QString text;
    text.reserve(length + unit.size());
    while (text.size() < length)
        text += unit;
    text.truncate(length);
    return text;
}

// The label drawn on a white picture, its box's top-left at `at`.
QImage Drawn(const TKPLabel& label, QSize size, QPoint at = QPoint())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(at);
    painter.setClipRect(QRect(0, 0, label.Width(), label.Height()));
    RenderContext context;
    context.target = RenderContext::Picture;
    label.Draw(painter, context);
    return image;
}

// The main copy as a label has always drawn it: the whole caption from the layout's origin, cut off at its
// rectangle and the box.
QImage DrawnWhole(const TKPLabel& label, QSize size, QPoint at = QPoint())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(at);
    painter.setClipRect(QRect(0, 0, label.Width(), label.Height()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const TLabelLayout& layout = label.LastLayout();
    painter.setClipRect(layout.mainRect.ToQRect(), Qt::IntersectClip);
    painter.translate(layout.mainOrigin);
    const QFont font = label.DrawingFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), label.Caption());
    return image;
}

int InkPixels(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST(LongCaption, DrawsWhatTheWholeCaptionDrew)
{
    // Right-aligned and centred captions of many runs show their end and middle; the runs drawn land where
    // the whole line put those characters.
    for (const TAlignment alignment : {taRightJustify, taCenter}) {
        TKPLabel label;
        label.SetCaption(Words(20 * CaptionRuns::kRunLength + 7));
        label.SetAlignment(alignment);
        label.SetBounds(0, 0, 400, 30);
        label.LayOut();
        ASSERT_EQ(label.Width(), 400);
        const QImage image = Drawn(label, QSize(420, label.Height() + 4));
        EXPECT_GT(InkPixels(image), 500) << alignment;
        EXPECT_EQ(image, DrawnWhole(label, image.size())) << alignment;
    }

    // A caption that fits in a wide box, its start off the picture: the runs from the picture's edge on.
    TKPLabel wide;
    wide.Font().SetSize(6);
    wide.SetCaption(Words(3 * CaptionRuns::kRunLength));
    wide.SetBounds(0, 0, 3, 30); // a box this narrow takes the caption's width
    wide.LayOut();
    ASSERT_GT(wide.Width(), 5000);
    const QPoint offPicture(-(wide.Width() - 600), 0);
    const QImage end = Drawn(wide, QSize(600, wide.Height()), offPicture);
    EXPECT_GT(InkPixels(end), 500);
    EXPECT_EQ(end, DrawnWhole(wide, end.size(), offPicture));
}

TEST(LongCaption, AMegabyteCaptionDrawsItsFirstCharactersAndRecordsOnlyThose)
{
    const QString huge = Words(1 << 20);
    for (const int angle : {0, 90}) {
        TKPLabel label;
        label.SetAngle(angle);
        label.SetCaption(huge);
        const QSize box = angle == 0 ? QSize(300, 30) : QSize(30, 300);
        label.SetBounds(0, 0, box.width(), box.height());
        label.LayOut();
        label.SetBounds(0, 0, box.width(), box.height());
        label.SetLayoutNeeded(false);

        TKPLabel first;
        first.SetAngle(angle);
        first.SetCaption(huge.left(200));
        first.SetBounds(0, 0, box.width(), box.height());
        first.LayOut();
        first.SetBounds(0, 0, box.width(), box.height());
        first.SetLayoutNeeded(false);

        const QImage image = Drawn(label, box + QSize(10, 10));
        EXPECT_GT(InkPixels(image), 300) << angle;
        EXPECT_EQ(image, Drawn(first, box + QSize(10, 10))) << angle;

        // On paper: the recording keeps the characters that can show, not the megabyte.
        PaintRecording recording;
        {
            QPainter painter(&recording);
            RenderContext paper;
            paper.target = RenderContext::Paper;
            label.Draw(painter, paper);
        }
        const QStringList texts = recording.Texts();
        ASSERT_FALSE(texts.isEmpty());
        EXPECT_TRUE(huge.startsWith(texts.join(QString())));
        EXPECT_LT(texts.join(QString()).size(),
                  4 * CaptionRuns::kRunLength + 300 * CaptionRuns::kCharactersPerPixel);
    }
}

TEST(LongCaption, CharactersThatTakeNoRoomDrawNoMoreThanTheBoxCanShow)
{
    // A caption of control characters and accents takes no width: the layout fits the box to nothing, and
    // drawing is bounded by the box, not by the caption.
    QString marks;
    for (int i = 0; i < (1 << 20); ++i)
        marks += i % 2 ? QChar(0x0301) : QChar(1 + i % 31);
    TKPLabel label;
    label.SetCaption(marks);
    label.SetBounds(0, 0, 200, 30);
    label.LayOut();
    PaintRecording recording;
    {
        QPainter painter(&recording);
        RenderContext paper;
        paper.target = RenderContext::Paper;
        label.Draw(painter, paper);
    }
    const qsizetype recorded = recording.Texts().join(QString()).size();
    EXPECT_GT(recorded, 0);
    EXPECT_LE(recorded, 2 * CaptionRuns::kRunLength + label.Width() * CaptionRuns::kCharactersPerPixel + 8);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// RichTextLayout: the laid-out document of a rich-text object and its drawing.
#include "objects/text/richtextlayout.h"

#include "richtext/rtf.h"
#include "model/mergerecord.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace qm {

namespace {

// A one-pixel picture whose resolution the document measures its fonts and lengths against. One per
// resolution, alive for the whole run: the layouts only point at it.
QImage& MeasuringDevice(double dotsPerInch)
{
    static std::map<int, QImage> devices;
    const int dpm = int(std::lround(dotsPerInch / 0.0254));
    auto found = devices.find(dpm);
    if (found == devices.end()) {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        found = devices.emplace(dpm, image).first;
    }
    return found->second;
}

// Whole pixels at 96 per inch for a size in points, as the card's other text takes them.
int PointsToPixels(double points)
{
    return int(std::clamp(std::lround(points * 96.0 / 72.0), 1L, 16384L));
}

// Every size in points becomes the same size in pixels at 96 units per inch: a pixel size draws alike on
// every painter, where a point size would grow with the resolution of a printer.
void UseFontPixels(QTextDocument& document)
{
    QFont font = document.defaultFont();
    if (font.pixelSize() <= 0)
        font.setPixelSize(PointsToPixels(font.pointSizeF() > 0 ? font.pointSizeF() : 12.0));
    document.setDefaultFont(font);
    auto inPixels = [](QTextCharFormat format) {
        if (!format.hasProperty(QTextFormat::FontPointSize))
            return format;
        const double points = format.fontPointSize();
        format.clearProperty(QTextFormat::FontPointSize);
        format.setProperty(QTextFormat::FontPixelSize, PointsToPixels(points > 0 ? points : 12.0));
        return format;
    };
    struct Run
    {
        int from, to;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    std::vector<std::pair<int, QTextCharFormat>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().hasProperty(QTextFormat::FontPointSize))
            blocks.emplace_back(block.position(), inPixels(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().hasProperty(QTextFormat::FontPointSize))
                runs.push_back({fragment.position(), fragment.position() + fragment.length(),
                                inPixels(fragment.charFormat())});
        }
    }
    // One edit: the document is laid out again once at the end, not after every run (which took time in
    // the square of the text's length).
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const auto& [position, format] : blocks) {
        cursor.setPosition(position);
        cursor.setBlockCharFormat(format);
    }
    for (const Run& run : runs) {
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

} // namespace

QFont DefaultRichTextFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

void UseCardUnits(QTextDocument& document, double dotsPerInch)
{
    document.documentLayout()->setPaintDevice(&MeasuringDevice(dotsPerInch));
}

RichTextLayout::RichTextLayout() : mDocument(std::make_unique<QTextDocument>())
{
    mDocument->setUndoRedoEnabled(false);
    mDocument->setDocumentMargin(0);
    UseCardUnits(*mDocument);
}

RichTextLayout::~RichTextLayout() = default;

int RichTextLayout::ZoomPercent(float scale)
{
    // Whole percent, truncated; a damaged scale still draws.
    const double percent = std::trunc(double(scale) * 100.0 + 1e-4);
    return percent < 1 ? 100 : percent > 1000 ? 1000 : int(percent);
}

double RichTextLayout::PageWidth(int width, float scale)
{
    const double s = scale > 0 ? double(scale) : 1.0;
    // Whole twips (1440 per inch, at 96 units per inch 15 to the unit).
    return std::max(0.0, std::trunc(double(width) / s * 15.0) / 15.0);
}

namespace {

struct Placeholder
{
    int From = 0, Length = 0;
    QString Value;
};

// The placeholders of a document and what each shows, in document order. The text between braces follows
// the rules of MergeText: "{{" is a brace, and a name stops at a brace or the end of its line.
std::vector<Placeholder> FindPlaceholders(const QTextDocument& document, const QStringList& personal,
                                          const MergeRecord* record)
{
    constexpr int kMaxName = 255;
    std::vector<Placeholder> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (int open = int(text.indexOf(QLatin1Char('{'))); open >= 0;) {
            int length = 0;
            if (open + 1 < text.size() && text[open + 1] == QLatin1Char('{')) {
                length = 2;
            } else {
                int close = open + 1;
                while (close < text.size() && close - open - 1 <= kMaxName && text[close] != QLatin1Char('}') &&
                       text[close] != QLatin1Char('{') && text[close] != QChar::LineSeparator)
                    ++close;
                if (close < text.size() && text[close] == QLatin1Char('}') && close - open - 1 <= kMaxName)
                    length = close - open + 1;
            }
            if (length > 0) {
                const QString typed = text.mid(open, length);
                Placeholder p{block.position() + open, length, MergeText(typed, personal, record)};
                if (p.Value != typed)
                    found.push_back(std::move(p));
            }
            open = int(text.indexOf(QLatin1Char('{'), open + std::max(length, 1)));
        }
    }
    return found;
}

} // namespace

bool RichTextLayout::FillFields(const QStringList& personal, const MergeRecord* record)
{
    if (!mTyped)
        return false;
    std::vector<Placeholder> found = FindPlaceholders(*mTyped, personal, record);
    QStringList values;
    for (const Placeholder& p : found)
        values << p.Value;
    if (mFieldsShown && values == mShownValues)
        return false;
    mShownValues = values;
    mFieldsShown = true;
    mDocument.reset(mTyped->clone());
    mDocument->setUndoRedoEnabled(false);
    mDocument->setDefaultFont(mTyped->defaultFont());
    mDocument->setDocumentMargin(0);
    UseCardUnits(*mDocument);
    // From the end, so that the places found stay where they are; each value in its brace's format.
    for (auto p = found.rbegin(); p != found.rend(); ++p) {
        QTextCursor brace(mDocument.get());
        brace.setPosition(p->From + 1);
        const QTextCharFormat format = brace.charFormat();
        QTextCursor cursor(mDocument.get());
        cursor.setPosition(p->From);
        cursor.setPosition(p->From + p->Length, QTextCursor::KeepAnchor);
        cursor.insertText(p->Value, format);
    }
    return true;
}

void RichTextLayout::Update(const QByteArray& rtf, QSize box, float scale, const QStringList& personal,
                             const MergeRecord* record)
{
    bool changed = mLayouts == 0 || rtf != mRtf;
    if (changed) {
        auto typed = std::make_unique<QTextDocument>();
        typed->setUndoRedoEnabled(false);
        typed->setDefaultFont(DefaultRichTextFont());
        UseCardUnits(*typed);
        // The margin is set before the text is read: setting it later lays the whole text out once more.
        typed->setDocumentMargin(0);
        ReadRtf(rtf, *typed);
        UseFontPixels(*typed);
        mFieldsShown = false;
        if (typed->toPlainText().contains(QLatin1Char('{'))) {
            mTyped = std::move(typed);
            mDocument = std::make_unique<QTextDocument>();
        } else {
            mTyped.reset();
            mDocument = std::move(typed);
        }
        UseCardUnits(*mDocument);
    }
    mRtf = rtf;
    if (mTyped && FillFields(personal, record))
        changed = true;
    if (!changed && box == mBox && scale == mScale)
        return;
    mBox = box;
    mScale = scale;
    mDocument->setTextWidth(PageWidth(box.width(), scale));
    // Lays the text out now, not at the first drawing.
    mDocument->documentLayout()->documentSize();
    ++mLayouts;
}

double RichTextLayout::TextHeight() const { return mDocument->documentLayout()->documentSize().height(); }

void RichTextLayout::Draw(QPainter& p) const
{
    if (mBox.isEmpty())
        return;
    const double zoom = ZoomPercent(mScale) / 100.0;
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), mBox), Qt::IntersectClip);
    p.scale(zoom, zoom);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, mBox.width() / zoom, mBox.height() / zoom);
    mDocument->documentLayout()->draw(&p, context);
    p.restore();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// RichTextLayout: a rich-text object's RTF laid out once and drawn at any zoom, on screen and on paper.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QStringList>

#include <memory>

class QFont;
class QPainter;
class QTextDocument;

namespace qm {

class MergeRecord;

// The document is laid out for the box at 100 % (96 units per inch, no margins, words wrapped at the box's
// width) and drawn scaled to the zoom, so a line breaks at the same word at every zoom and on paper.
class RichTextLayout
{
public:
    RichTextLayout();
    ~RichTextLayout();
    RichTextLayout(const RichTextLayout&) = delete;
    RichTextLayout& operator=(const RichTextLayout&) = delete;

    // The whole-percent zoom the object draws at for a panel scale (1.0 to 1.5): 100 to 150.
    static int ZoomPercent(float scale);
    // The width the text wraps at, in units at 100 %, for a box of width at the scale: whole twips.
    static double PageWidth(int width, float scale);

    // Takes the object's RTF, box (at its zoom) and scale, and what its placeholders ("{Name}") show: the
    // personal information, or in a merge the record's fields. Lays the document out again only when one of
    // them differs from the last time. A placeholder takes the format of its opening brace.
    void Update(const QByteArray& rtf, QSize box, float scale, const QStringList& personal = QStringList(),
                const MergeRecord* record = nullptr);
    // The text with its top-left at the painter's origin, scaled to the zoom and cut off at the box.
    void Draw(QPainter& painter) const;

    const QTextDocument& Document() const { return *mDocument; }
    // How many times the document has been laid out.
    int Layouts() const { return mLayouts; }
    // The height of the laid-out text at 100 %.
    double TextHeight() const;

private:
    // Replaces the placeholders of the document read from the RTF; true when the shown text changed.
    bool FillFields(const QStringList& personal, const MergeRecord* record);

    std::unique_ptr<QTextDocument> mDocument; // as shown
    std::unique_ptr<QTextDocument> mTyped;    // as read, while it has placeholders
    QStringList mShownValues;                 // what its placeholders show in mDocument
    bool mFieldsShown = false;
    QByteArray mRtf;
    QSize mBox;
    float mScale = 0;
    int mLayouts = 0;
};

// The font of text the RTF gives none: 10-point Arial.
QFont DefaultRichTextFont();

// A document laid out as the card draws it: text measured at 96 units per inch whatever the screen.
void UseCardUnits(QTextDocument& document, double dotsPerInch = 96.0);

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock as gLabels describes it: one product's sheet (maker, part, paper, card size, grids), read from a
// <Template> element of gLabels' template XML, with its paper sizes and the step to a card sheet layout.
#pragma once

#include "model/sheetlayout.h"
#include "platform/fileformat.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QXmlStreamReader;

namespace qm {

// A length of gLabels' XML in points: a number with "pt", "in", "mm", "cm" or "pc" after it, or none
// (points). False for anything else, a negative or a non-finite number.
bool ParseStockLength(const QString& text, double* points);

// A paper of gLabels' paper-sizes.xml.
struct StockPaper
{
    QString Id;   // "A4", "US-Letter"
    QString Name; // "A4", "US Letter"
    QSizeF Size;  // points, upright
};

// The paper sizes a template's size="..." names. Knows A4 and US Letter from the start, so templates read
// even where no paper-sizes.xml is installed.
class StockPapers
{
public:
    StockPapers();
    // Adds (or replaces) the sizes of a paper-sizes.xml; false with *error set when it cannot be read, and
    // then nothing is added.
    bool ReadFile(const QString& path, QString* error);
    // The paper of an id, or null.
    const StockPaper* Find(const QString& id) const;
    int Count() const { return int(mPapers.size()); }

private:
    void Add(const StockPaper& paper);
    QList<StockPaper> mPapers;
    QHash<QString, int> mIndex;
};

// One grid of cards on the sheet, in points from the paper's top-left corner.
struct StockGrid
{
    int Across = 1; // nx
    int Down = 1;   // ny
    double X0 = 0;  // left edge of the first card
    double Y0 = 0;  // top edge of the first card
    double DX = 0;  // left edge of one card to the left edge of the next
    double DY = 0;  // top edge of one row to the top edge of the next

    bool operator==(const StockGrid& o) const
    {
        return Across == o.Across && Down == o.Down && X0 == o.X0 && Y0 == o.Y0 && DX == o.DX && DY == o.DY;
    }
};

// One product: a sheet of card stock. Lengths in points.
struct StockEntry
{
    QString Brand;       // "Avery"
    QString Part;        // "5371"
    QString Description; // "Business Cards"
    QString PaperId;     // "US-Letter", "A4", "Other"
    QString PaperName;   // "US Letter", "A4", or the size in millimetres for other paper
    QSizeF PaperSize;    // upright
    double Width = 0;    // one card
    double Height = 0;
    double Round = 0; // corner radius
    QList<StockGrid> Grids;
    QStringList Categories; // "card", "business-card", ...
    // For an equivalent product: the part of the same maker whose sheet it shares (filled in by the
    // catalogue); empty for an original.
    QString EquivalentOf;
    // For an original: the parts sold on the same sheet, as the catalogue found them.
    QStringList Equivalents;
    QString Source; // the file it was read from

    // "Avery 5371"
    QString Name() const { return Brand + QLatin1Char(' ') + Part; }
    bool IsBusinessCard() const { return Categories.contains(QStringLiteral("business-card")); }
    bool IsCard() const { return IsBusinessCard() || Categories.contains(QStringLiteral("card")); }
    // Cards on one sheet, over all grids.
    int CardCount() const;
    // The same sheet sold under another part number.
    StockEntry AsEquivalent(const QString& part) const;
};

// What reading one <Template> element gave.
struct StockTemplate
{
    enum class Kind
    {
        Entry,      // a sheet of rectangular cards: entry holds it
        Equivalent, // equiv="...": entry holds brand, part and EquivalentOf, the rest comes from that part
        NotRectangular, // round, elliptical or CD labels: skipped without complaint
        Bad             // error says what is wrong
    };
    Kind kind = Kind::Bad;
    StockEntry entry;
    QString error;
};

// Reads one <Template> element of gLabels' XML (a templates file holds many; a gLabels document embeds the
// one its labels are on). The reader stands on the element's start; afterwards it stands on its end, or has
// an error when the XML itself is broken. Paper ids resolve through papers; size="Other" takes the
// template's width and height. A template of the older form name="Avery 5371" is read as brand and part.
StockTemplate ReadStockTemplate(QXmlStreamReader& xml, const StockPapers& papers);

// The card sheet layout of a product, or an empty string; otherwise why it cannot be printed on (paper other
// than Letter or A4, more than one grid, more cards than the layout holds, cards that overlap). Lengths are
// inches as exact as a float holds them; the orientation, the unit and the predefined index come from
// `base`. A pitch a hair shorter than the card (up to half a point, as rounded numbers of some makers have)
// takes the card's size down to the pitch.
QString StockToLayout(const StockEntry& entry, const CardSheetLayout& base, CardSheetLayout* layout);

// The paper of a card sheet layout as a stock paper: Letter or A4.
StockPaper LayoutPaper(int paperCode);

// A gLabels templates file (<Glabels-templates>): reads every rectangular product in it, equivalents with
// the part they copy left to the catalogue. A template found wrong is passed over and named in Warnings();
// a file that is not whole XML, or holds no rectangular product, is refused.
class StockFileFormat : public FileReader<std::vector<StockEntry>>
{
    Q_DECLARE_TR_FUNCTIONS(qm::StockFileFormat)

public:
    // Paper ids resolve through papers, which must outlive the format.
    explicit StockFileFormat(const StockPapers& papers) : mPapers(papers) {}
    QString Name() const override { return tr("gLabels card stock"); }
    QStringList Extensions() const override { return {QStringLiteral("xml")}; }
    bool CanRead(const QByteArray& head) const override;
    // Appends the products to `into` only when the file reads.
    bool Read(const QString& path, std::vector<StockEntry>& into) override;
    // The same from bytes already read; name is the file's name for messages.
    bool ReadBytes(const QByteArray& bytes, const QString& name, std::vector<StockEntry>& into);
    // The templates of the last read that were passed over, one message each naming the file and line.
    const QStringList& Warnings() const { return mWarnings; }
    // The last read was refused because the file holds labels of other shapes only (round, CD).
    bool HeldOtherShapesOnly() const { return mOtherShapesOnly; }

    // The largest templates file read (gLabels' own largest is under 150 KB).
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

private:
    const StockPapers& mPapers;
    QStringList mWarnings;
    bool mOtherShapesOnly = false;
};

} // namespace qm

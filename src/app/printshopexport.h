// SPDX-License-Identifier: GPL-3.0-or-later
// PrintShopExport: exporting the card as a PDF for a print shop, from the window's dialog and the command line.
#pragma once

#include "model/printshoppage.h"
#include "pictures/pictures.h"

#include <QString>
#include <QStringList>

namespace qm {

class CardModel;

// The choices of one export (bleed, crop marks) over a laid-out card and its background art file, what a
// print shop would object to, and the file written. The dialog only shows and edits these.
class PrintShopExport
{
public:
    // backgroundFile: the card's background art as a file (empty for none).
    PrintShopExport(const CardModel& card, const QString& backgroundFile);

    double BleedMm() const { return mPage.BleedMm(); }
    void SetBleedMm(double mm) { mPage.SetBleedMm(mm); }
    bool CropMarks() const { return mPage.CropMarks(); }
    void SetCropMarks(bool on) { mPage.SetCropMarks(on); }
    const PrintShopPage& Page() const { return mPage; }
    // The card's back, laid out, with its background art file: a second page, checked like the first.
    void SetBack(const CardModel* back, const QString& backgroundFile);

    // One sentence for each thing a print shop would turn down; empty when there is none.
    QStringList Warnings() const;
    // Writes the PDF (one page a side: the front, then the back when there is one); false with a message
    // naming the file.
    bool Write(const QString& path, const QString& title, QString* error = nullptr) const;

    // The name proposed for the PDF file of a card file ("Card.qmk" -> "Card-print.pdf" beside it); for an
    // unsaved card, "card-print.pdf" in folder.
    static QString ProposedFileName(const QString& cardPath, const QString& folder);

private:
    const CardModel& mCard;
    TPicture mBackground;
    const CardModel* mBack = nullptr;
    TPicture mBackBackground;
    PrintShopPage mPage;
};

// The command line: reads the card file with its companion file (layout, orientation, background art), and
// its back when it has one, and writes the print-shop PDF. False with a one-line message; usageError tells an output named like a file read
// for the card. What a print shop would object to comes back in *warnings (the file is written all the same).
// With a stock named, the card takes that stock's card size.
bool ExportPrintShopFile(const QString& cardPath, const QString& outPath, double bleedMm, bool cropMarks,
                         QString* error = nullptr, bool* usageError = nullptr, QStringList* warnings = nullptr,
                         const QString& stock = QString());

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a card for a print shop: its choices, checks and file, for the dialog and the command line.
#include "app/printshopexport.h"

#include "app/cardbackground.h"
#include "app/cardfile.h"
#include "app/export.h"
#include "model/cardmodel.h"
#include "print/printshoppdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

PrintShopExport::PrintShopExport(const CardModel& card, const QString& backgroundFile)
    : mCard(card), mBackground(ReadPrintShopBackground(backgroundFile, card.Portrait())), mPage(QSizeF(card.Size()))
{}

void PrintShopExport::SetBack(const CardModel* back, const QString& backgroundFile)
{
    mBack = back;
    mBackBackground = back ? ReadPrintShopBackground(backgroundFile, back->Portrait()) : TPicture();
}

QStringList PrintShopExport::Warnings() const
{
    QStringList warnings = PrintShopWarnings(PrintShopSide{&mCard, mBackground}, mPage);
    if (mBack) {
        for (const QString& warning : PrintShopWarnings(PrintShopSide{mBack, mBackBackground}, mPage))
            //: %1 is what a print shop may object to on the card's back
            warnings << QCoreApplication::translate("qm::PrintShopExport", "On the back: %1").arg(warning);
    }
    return warnings;
}

bool PrintShopExport::Write(const QString& path, const QString& title, QString* error) const
{
    std::vector<PrintShopSide> sides{PrintShopSide{&mCard, mBackground}};
    if (mBack)
        sides.push_back(PrintShopSide{mBack, mBackBackground});
    return WritePrintShopPdf(sides, mPage, title, path, error);
}

QString PrintShopExport::ProposedFileName(const QString& cardPath, const QString& folder)
{
    if (cardPath.isEmpty())
        return QDir(folder).filePath(QStringLiteral("card-print.pdf"));
    const QFileInfo info(cardPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-print.pdf"));
}

bool ExportPrintShopFile(const QString& cardPath, const QString& outPath, double bleedMm, bool cropMarks,
                         QString* error, bool* usageError, QStringList* warnings, const QString& stock)
{
    CardModel card;
    CompanionFile companion;
    if (!ReadCardToExport(cardPath, outPath, card, companion, error, usageError, stock))
        return false;
    // Art that did not load is left out, as SetUpCard said.
    const QString background =
        card.ColorPicture().HasGraphic() ? ResolveBackgroundFile(companion.Background) : QString();
    PrintShopExport exporter(card, background);
    // The back, when the card has one, is the second page.
    CardModel back;
    if (const QString backPath = ExistingCardBackPath(cardPath); !backPath.isEmpty()) {
        CompanionFile backCompanion;
        if (!ReadCardFile(backPath, back, &backCompanion, error))
            return false;
        if (!CheckOutputIsNoInput(outPath, CardInputFiles(backPath, backCompanion), error)) {
            if (usageError)
                *usageError = true;
            return false;
        }
        CardSheetLayout layout = companion.Layout;
        layout.UsePortrait = card.Portrait();
        SetUpCard(back, layout, backCompanion.Background);
        exporter.SetBack(&back, back.ColorPicture().HasGraphic() ? ResolveBackgroundFile(backCompanion.Background)
                                                                 : QString());
    }
    exporter.SetBleedMm(bleedMm);
    exporter.SetCropMarks(cropMarks);
    if (warnings)
        *warnings = exporter.Warnings();
    return exporter.Write(outPath, QFileInfo(cardPath).completeBaseName(), error);
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a card for a print shop: its choices, checks and file, for the dialog and the command line.
#include "app/printshopexport.h"

#include "app/cardbackground.h"
#include "app/cardfile.h"
#include "app/export.h"
#include "model/cardmodel.h"
#include "print/printshoppdf.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

PrintShopExport::PrintShopExport(const CardModel& card, const QString& backgroundFile)
    : mCard(card), mBackground(ReadPrintShopBackground(backgroundFile, card.Portrait())), mPage(QSizeF(card.Size()))
{}

QStringList PrintShopExport::Warnings() const
{
    return PrintShopWarnings(PrintShopSide{&mCard, mBackground}, mPage);
}

bool PrintShopExport::Write(const QString& path, const QString& title, QString* error) const
{
    return WritePrintShopPdf({PrintShopSide{&mCard, mBackground}}, mPage, title, path, error);
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
    exporter.SetBleedMm(bleedMm);
    exporter.SetCropMarks(cropMarks);
    if (warnings)
        *warnings = exporter.Warnings();
    return exporter.Write(outPath, QFileInfo(cardPath).completeBaseName(), error);
}

} // namespace qm

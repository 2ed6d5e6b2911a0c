// SPDX-License-Identifier: GPL-3.0-or-later
// The stock catalogue: every sheet of card stock the program knows (gLabels' database as installed, the
// user's gLabels templates, imported files, the built-in layouts and the user's own saved stock), searchable.
#pragma once

#include "stock/glabelsstock.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace qm {

// Where stock comes from, shown in the stock list.
extern const char* const kStockFromGlabels; // "gLabels"
extern const char* const kStockBuiltIn;     // "built in": the 21 predefined layouts
extern const char* const kOwnStockBrand;    // "Own": stock saved with Save Stock As

class StockCatalog
{
public:
    // gLabels' installed template folders: libglabels-3.0/templates (Debian's glabels-data) and
    // glabels-qt/templates under each folder of $XDG_DATA_DIRS (/usr/local/share:/usr/share when unset).
    static QStringList SystemFolders();
    // Where gLabels keeps a user's own templates: $XDG_CONFIG_HOME (~/.config)/libglabels/templates.
    static QString UserFolder();
    // Stock files imported into Quillmark: the data folder's stock/.
    static QString ImportFolder();

    // The paper sizes of the first folder holding a paper-sizes.xml, then every templates file of every
    // folder in order (a product read again later replaces the earlier one). Missing folders are passed
    // over; files that cannot be read are noted in Problems().
    void LoadFolders(const QStringList& folders);
    // One templates file; false with *error set when it cannot be read, and then nothing is added. Templates
    // in it that are passed over are noted in Problems().
    bool AddFile(const QString& path, QString* error);
    // A product of another source (built-in, own stock).
    void AddEntry(const StockEntry& entry);
    // The built-in layouts, each where gLabels has no product of its maker and part with the same numbers
    // (so a sheet on which the two disagree is listed twice, once from each).
    void AddBuiltInLayouts();
    // Equivalent parts take the sheet of the part they name (of the same maker; those whose part is not
    // known are dropped) and the list is put in order: own stock, business cards, other cards, the rest;
    // within each by maker and part.
    void Finish();

    const std::vector<StockEntry>& Entries() const { return mEntries; }
    // Files that could not be read, one message each.
    const QStringList& Problems() const { return mProblems; }
    const StockPapers& Papers() const { return mPapers; }

    // The product called "MAKER PART" (case does not matter); where two sources list it, the built-in
    // layout. Null when there is none.
    const StockEntry* Find(const QString& makerAndPart) const;
    // The products whose maker, part or description holds every one of the words (case does not matter),
    // in list order, on paper of paperId only when that is not empty.
    std::vector<const StockEntry*> Search(const QString& words, const QString& paperId = QString()) const;
    // The products whose sheet is this layout's (to a thousandth of an inch), in list order.
    std::vector<const StockEntry*> Matching(const CardSheetLayout& layout) const;
    // The paper ids of the list, in order of first use, with their names.
    QList<QPair<QString, QString>> PaperChoices() const;

    // The catalogue the program uses, loaded on first use from SystemFolders(), UserFolder(),
    // ImportFolder(), the built-in layouts and the own stock kept in preferencesPath (qmk.ini).
    static const StockCatalog& Installed(const QString& preferencesPath = QString());
    // Reads it again on next use (after an import or a Save Stock As).
    static void Forget();

private:
    void Insert(StockEntry entry);

    StockPapers mPapers;
    bool mHavePaperFile = false;
    std::vector<StockEntry> mEntries;
    QHash<QString, size_t> mIndex; // lower-case "source|brand|part" -> entry
    QStringList mProblems;
};

// The sheet of a layout as a product (the built-in layouts and own stock are kept as layouts).
StockEntry LayoutToStock(const QString& brand, const QString& part, const QString& description,
                         const CardSheetLayout& layout);

// The built-in layout of a row as maker, part and description: "Avery Business Card 8376 Ink Jet - Ivory
// (Letter Size Paper)" is Avery, 8376, "Business Card Ink Jet - Ivory".
void SplitBuiltInCaption(const char* caption, QString* brand, QString* part, QString* description);

} // namespace qm

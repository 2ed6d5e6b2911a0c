// SPDX-License-Identifier: GPL-3.0-or-later
// The stock catalogue: folders and files read, built-in layouts and own stock added, equivalents resolved,
// the list ordered, searched and matched against a layout.
#include "stock/stockcatalog.h"

#include "platform/paths.h"
#include "stock/ownstock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <memory>

namespace qm {

const char* const kStockFromGlabels = "gLabels";
const char* const kStockBuiltIn = "built in";
const char* const kOwnStockBrand = "Own";

namespace {

constexpr double kPointsPerInch = 72.0;

QString Key(const QString& source, const QString& brand, const QString& part)
{
    return (source + QLatin1Char('|') + brand + QLatin1Char('|') + part).toLower();
}

// Where an entry stands in the list: own stock, business cards, other cards, the rest.
int Rank(const StockEntry& e)
{
    if (e.Source == QLatin1String(kOwnStockBrand))
        return 0;
    if (e.IsBusinessCard())
        return 1;
    return e.IsCard() ? 2 : 3;
}

// Part numbers in natural order: "L7414" before "L10000", "5371" before "28371".
int ComparePart(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros aside, a longer number is the larger.
            qsizetype zi = i, zj = j;
            while (zi + 1 < ei && a[zi] == QLatin1Char('0'))
                ++zi;
            while (zj + 1 < ej && b[zj] == QLatin1Char('0'))
                ++zj;
            const QStringView ta = QStringView(a).mid(zi, ei - zi), tb = QStringView(b).mid(zj, ej - zj);
            if (ta.size() != tb.size())
                return ta.size() < tb.size() ? -1 : 1;
            if (const int c = ta.compare(tb))
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toLower(), cb = b[j].toLower();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return int(a.size() - i) - int(b.size() - j);
}

bool Before(const StockEntry& a, const StockEntry& b)
{
    const int ra = Rank(a), rb = Rank(b);
    if (ra != rb)
        return ra < rb;
    if (const int c = a.Brand.compare(b.Brand, Qt::CaseInsensitive))
        return c < 0;
    if (const int c = ComparePart(a.Part, b.Part))
        return c < 0;
    // The built-in layout of a part before gLabels' one.
    return a.Source == QLatin1String(kStockBuiltIn) && b.Source != QLatin1String(kStockBuiltIn);
}

bool SameSheet(const CardSheetLayout& a, const CardSheetLayout& b)
{
    const auto near = [](float x, float y) { return std::abs(double(x) - double(y)) < 0.0015; };
    const bool oneAcross = a.Across == 1, oneDown = a.Down == 1;
    return a.Across == b.Across && a.Down == b.Down && a.Papersize == b.Papersize && near(a.Width, b.Width) &&
           near(a.Height, b.Height) && near(a.LeftMargin, b.LeftMargin) && near(a.TopMargin, b.TopMargin) &&
           (oneAcross || near(a.HPitch, b.HPitch)) && (oneDown || near(a.VPitch, b.VPitch));
}

} // namespace

QStringList StockCatalog::SystemFolders()
{
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    QStringList folders;
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const char* sub : {"libglabels-3.0/templates", "glabels-qt/templates"})
            folders << QDir(dir).filePath(QLatin1String(sub));
    return folders;
}

QString StockCatalog::UserFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("libglabels/templates"));
}

QString StockCatalog::ImportFolder()
{
    return ProgramFile(QStringLiteral("stock"));
}

void StockCatalog::LoadFolders(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (!mHavePaperFile && dir.exists(QStringLiteral("paper-sizes.xml"))) {
            QString error;
            if (mPapers.ReadFile(dir.filePath(QStringLiteral("paper-sizes.xml")), &error))
                mHavePaperFile = true;
            else
                mProblems << error;
        }
        for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
            if (name == QLatin1String("paper-sizes.xml") || name == QLatin1String("categories.xml") ||
                name == QLatin1String("vendors.xml"))
                continue;
            // A file of round or CD labels only holds nothing to print cards on; it is no problem.
            StockFileFormat format(mPapers);
            std::vector<StockEntry> read;
            if (!format.Read(dir.filePath(name), read)) {
                if (!format.HeldOtherShapesOnly())
                    mProblems << format.ErrorString();
                continue;
            }
            mProblems << format.Warnings();
            for (StockEntry& e : read) {
                e.Source = QLatin1String(kStockFromGlabels);
                Insert(std::move(e));
            }
        }
    }
}

bool StockCatalog::AddFile(const QString& path, QString* error)
{
    StockFileFormat format(mPapers);
    std::vector<StockEntry> read;
    if (!format.Read(path, read)) {
        *error = format.ErrorString();
        return false;
    }
    mProblems << format.Warnings();
    for (StockEntry& e : read) {
        e.Source = QLatin1String(kStockFromGlabels);
        Insert(std::move(e));
    }
    return true;
}

void StockCatalog::AddEntry(const StockEntry& entry)
{
    Insert(entry);
}

void StockCatalog::Insert(StockEntry entry)
{
    const QString key = Key(entry.Source, entry.Brand, entry.Part);
    const auto found = mIndex.constFind(key);
    if (found != mIndex.constEnd()) {
        mEntries[*found] = std::move(entry);
        return;
    }
    mIndex.insert(key, mEntries.size());
    mEntries.push_back(std::move(entry));
}

void StockCatalog::AddBuiltInLayouts()
{
    for (int i = 0; i < kPredefinedLayoutCount; ++i) {
        CardSheetLayout builtIn;
        ApplyPredefinedLayout(builtIn, i);
        QString brand, part, description;
        SplitBuiltInCaption(kPredefinedLayouts[i].Caption, &brand, &part, &description);
        const auto same = mIndex.constFind(Key(QLatin1String(kStockFromGlabels), brand, part));
        if (same != mIndex.constEnd()) {
            // gLabels' entry may still be an equivalent: compare with the sheet it names.
            const StockEntry* glabels = &mEntries[*same];
            if (!glabels->EquivalentOf.isEmpty()) {
                const auto original =
                    mIndex.constFind(Key(QLatin1String(kStockFromGlabels), brand, glabels->EquivalentOf));
                glabels = original == mIndex.constEnd() ? nullptr : &mEntries[*original];
            }
            CardSheetLayout theirs;
            if (glabels && StockToLayout(*glabels, builtIn, &theirs).isEmpty() && SameSheet(theirs, builtIn))
                continue;
        }
        StockEntry e = LayoutToStock(brand, part, description, builtIn);
        e.Source = QLatin1String(kStockBuiltIn);
        Insert(std::move(e));
    }
}

void StockCatalog::Finish()
{
    // Equivalents first take their sheets from the originals read.
    std::vector<StockEntry> kept;
    kept.reserve(mEntries.size());
    for (const StockEntry& e : mEntries) {
        if (e.EquivalentOf.isEmpty() || !e.Grids.isEmpty()) {
            kept.push_back(e);
            continue;
        }
        const auto original = mIndex.constFind(Key(e.Source, e.Brand, e.EquivalentOf));
        if (original == mIndex.constEnd() || !mEntries[*original].EquivalentOf.isEmpty())
            continue;
        StockEntry copy = mEntries[*original].AsEquivalent(e.Part);
        copy.Source = e.Source;
        kept.push_back(std::move(copy));
    }
    std::stable_sort(kept.begin(), kept.end(), Before);
    mEntries = std::move(kept);
    mIndex.clear();
    for (size_t i = 0; i < mEntries.size(); ++i)
        mIndex.insert(Key(mEntries[i].Source, mEntries[i].Brand, mEntries[i].Part), i);
    for (StockEntry& e : mEntries) {
        if (e.EquivalentOf.isEmpty())
            continue;
        const auto original = mIndex.constFind(Key(e.Source, e.Brand, e.EquivalentOf));
        if (original != mIndex.constEnd())
            mEntries[*original].Equivalents << e.Part;
    }
}

const StockEntry* StockCatalog::Find(const QString& makerAndPart) const
{
    const QString wanted = makerAndPart.simplified();
    const StockEntry* found = nullptr;
    for (const StockEntry& e : mEntries) {
        if (e.Name().compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (!found || e.Source == QLatin1String(kStockBuiltIn))
            found = &e;
    }
    return found;
}

std::vector<const StockEntry*> StockCatalog::Search(const QString& words, const QString& paperId) const
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const StockEntry*> found;
    for (const StockEntry& e : mEntries) {
        if (!paperId.isEmpty() && e.PaperId != paperId)
            continue;
        const QString text = e.Brand + QLatin1Char(' ') + e.Part + QLatin1Char(' ') + e.Description;
        const bool all = std::all_of(wanted.begin(), wanted.end(),
                                     [&](const QString& w) { return text.contains(w, Qt::CaseInsensitive); });
        if (all)
            found.push_back(&e);
    }
    return found;
}

std::vector<const StockEntry*> StockCatalog::Matching(const CardSheetLayout& layout) const
{
    std::vector<const StockEntry*> found;
    for (const StockEntry& e : mEntries) {
        CardSheetLayout theirs;
        if (StockToLayout(e, layout, &theirs).isEmpty() && SameSheet(theirs, layout))
            found.push_back(&e);
    }
    return found;
}

QList<QPair<QString, QString>> StockCatalog::PaperChoices() const
{
    QList<QPair<QString, QString>> papers;
    QStringList seen;
    for (const StockEntry& e : mEntries) {
        if (seen.contains(e.PaperId))
            continue;
        seen << e.PaperId;
        papers.append(
            {e.PaperId, e.PaperId == QLatin1String("Other")
                            ? QCoreApplication::translate("qm::StockCatalog", "Other sizes", "paper")
                            : e.PaperName});
    }
    // Letter and A4 first, then the rest by name.
    std::stable_sort(papers.begin(), papers.end(), [](const auto& a, const auto& b) {
        const auto rank = [](const QString& id) {
            return id == QLatin1String("US-Letter") ? 0 : id == QLatin1String("A4") ? 1 : 2;
        };
        if (rank(a.first) != rank(b.first))
            return rank(a.first) < rank(b.first);
        return rank(a.first) == 2 && a.second < b.second;
    });
    return papers;
}

namespace {
std::unique_ptr<StockCatalog>& InstalledCatalog()
{
    static std::unique_ptr<StockCatalog> catalog;
    return catalog;
}
} // namespace

const StockCatalog& StockCatalog::Installed(const QString& preferencesPath)
{
    std::unique_ptr<StockCatalog>& catalog = InstalledCatalog();
    if (!catalog) {
        catalog = std::make_unique<StockCatalog>();
        catalog->LoadFolders(SystemFolders() << UserFolder() << ImportFolder());
        catalog->AddBuiltInLayouts();
        const QString prefs =
            preferencesPath.isEmpty() ? ProgramFile(QStringLiteral("qmk.ini")) : preferencesPath;
        for (const OwnStock& own : LoadOwnStock(prefs))
            catalog->AddEntry(LayoutToStock(QLatin1String(kOwnStockBrand), own.Name,
                                            QCoreApplication::translate("qm::StockCatalog", "Own stock"),
                                            own.Layout));
        catalog->Finish();
    }
    return *catalog;
}

void StockCatalog::Forget()
{
    InstalledCatalog().reset();
}

StockEntry LayoutToStock(const QString& brand, const QString& part, const QString& description,
                         const CardSheetLayout& layout)
{
    const auto points = [](float inches) { return double(inches) * kPointsPerInch; };
    StockEntry e;
    e.Brand = brand;
    e.Part = part;
    e.Description = description;
    const StockPaper paper = LayoutPaper(layout.Papersize);
    e.PaperId = paper.Id;
    e.PaperName = paper.Name;
    e.PaperSize = paper.Size;
    e.Width = points(layout.Width);
    e.Height = points(layout.Height);
    e.Grids.append({layout.Across, layout.Down, points(layout.LeftMargin), points(layout.TopMargin),
                    points(layout.HPitch), points(layout.VPitch)});
    e.Categories << QStringLiteral("card") << QStringLiteral("business-card");
    e.Source =
        brand == QLatin1String(kOwnStockBrand) ? QLatin1String(kOwnStockBrand) : QLatin1String(kStockBuiltIn);
    return e;
}

void SplitBuiltInCaption(const char* caption, QString* brand, QString* part, QString* description)
{
    QString text = QString::fromLatin1(caption);
    const qsizetype paren = text.lastIndexOf(QLatin1String(" ("));
    if (paren > 0)
        text.truncate(paren);
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    *brand = words.isEmpty() ? QString() : words.takeFirst();
    QStringList kind;
    while (words.size() > 1 && !words.front().at(0).isDigit() && !words.front().contains(QLatin1Char('-')) &&
           words.front() != words.front().toUpper())
        kind << words.takeFirst();
    *part = words.isEmpty() ? QString() : words.takeFirst();
    if (!words.isEmpty() && words.front() == QLatin1String("-"))
        words.removeFirst();
    kind << words;
    *description = kind.isEmpty() ? QStringLiteral("Business Cards") : kind.join(QLatin1Char(' '));
}

} // namespace qm

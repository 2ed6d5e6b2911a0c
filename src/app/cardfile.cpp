// A card file read without a window, for the command line.
#include "app/cardfile.h"

#include "app/cardbackground.h"
#include "files/streamreader.h"
#include "model/cardmodel.h"
#include "platform/atomicfile.h"

#include <QFileInfo>

namespace qm {

bool ReadCardFile(const QString& cardPath, TCardModel& card, CompanionFile* companion, QString* error)
{
    if (!QFileInfo(cardPath).isFile()) {
        if (error)
            *error = QStringLiteral("%1: no such card file").arg(cardPath);
        return false;
    }
    if (companion) {
        *companion = ReadCompanionFile(cardPath);
        // A layout file that cannot be read or holds a layout no sheet has: nothing is drawn from it.
        if (!companion->Problem.isEmpty()) {
            if (error)
                *error = companion->Problem;
            return false;
        }
    }
    QByteArray data;
    QString readError;
    if (ReadCardFileBytes(cardPath, &data, &readError)) {
        const ReadResult read = ReadObjectsFromBytes(card.Objects(), data);
        if (!read.ok)
            readError = read.error;
    }
    if (!readError.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(cardPath, readError);
        return false;
    }
    return true;
}

QStringList CardInputFiles(const QString& cardPath, const CompanionFile& companion)
{
    QStringList files{cardPath};
    for (const QString& file : {ExistingCompanionPath(cardPath), ResolveBackgroundFile(companion.Background)}) {
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

bool CheckOutputIsNoInput(const QString& out, const QStringList& inputs, QString* error)
{
    for (const QString& input : inputs) {
        if (IsSameFile(out, input)) {
            if (error)
                *error = QStringLiteral("%1: writing there would overwrite %2, which the card is read from; "
                                        "give another file name")
                             .arg(out, input);
            return false;
        }
    }
    return true;
}

void SetUpCard(TCardModel& card, const CardSheetLayout& layout, const QString& backgroundFile)
{
    card.SetPortrait(layout.UsePortrait);
    card.SetSize(CardPanelSize(layout, layout.UsePortrait));
    if (!backgroundFile.isEmpty())
        LoadCardBackground(card, backgroundFile);
    card.LayOutObjects();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// A card file read without a window, for the command line.
#include "app/cardfile.h"

#include "app/cardbackground.h"
#include "settings/preferences.h"
#include "stream/streamreader.h"
#include "model/cardmodel.h"
#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace qm {

bool ReadCardFile(const QString& cardPath, CardModel& card, CompanionFile* companion, QString* error)
{
    // A folder, pipe or device is named for what it is by the reader.
    if (!QFileInfo::exists(cardPath)) {
        if (error)
            *error = QCoreApplication::translate("qm::CardFile", "%1: no such card file").arg(cardPath);
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
                *error = QCoreApplication::translate("qm::CardFile",
                                                     "%1: writing there would overwrite %2, which the card is "
                                                     "read from; give another file name")
                             .arg(out, input);
            return false;
        }
    }
    return true;
}

namespace {

// Loads background art with stderr shut for the moment: libpng reports a damaged file there by itself, and
// the one line SetUpCard prints says it in the program's words.
QString LoadQuietly(CardModel& card, const QString& stored)
{
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null >= 0)
        dup2(null, STDERR_FILENO);
    if (null >= 0)
        close(null);
    const QString notice = LoadBackgroundArt(card, stored);
    std::fflush(stderr);
    if (saved >= 0) {
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
    return notice;
}

} // namespace

void SetUpCard(CardModel& card, const CardSheetLayout& layout, const QString& storedBackground)
{
    // Square corners, as the design window shows and prints every card.
    card.SetShape(lsRectangle);
    card.SetPortrait(layout.UsePortrait);
    card.SetSize(CardPanelSize(layout, layout.UsePortrait));
    // What a QR code of the personal information carries, as in the window.
    card.SetPersonalStrings(Preferences().LoadPersonalInfo());
    if (!storedBackground.trimmed().isEmpty()) {
        const QString notice = LoadQuietly(card, storedBackground);
        if (!notice.isEmpty())
            std::fprintf(stderr, "quillmark: %s\n", qPrintable(notice));
    }
    card.LayOutObjects();
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: a gLabels design opened as a new card.
#include "app/carddocument.h"

#include "design/cardpanel.h"
#include "glabels/glabelsdocument.h"
#include "objects/glabelsimport.h"

#include <QFileInfo>

namespace qm {

bool CardDocument::OpenGlabels(const QString& path)
{
    const bool wasFirst = mFirstActivation;
    mFirstActivation = true;
    // A file that is no design leaves the card as it was.
    GlabelsFormat format;
    GlabelsDocument doc;
    if (!format.Read(path, doc)) {
        mFirstActivation = wasFirst;
        mPrompts.ShowError(tr("Unable to open %1.\n\n%2").arg(path, format.ErrorString()));
        Notify();
        return false;
    }
    CardSheetLayout base;
    mPrefs.LoadLayoutPreferences(base);
    const GlabelsImport imported = ImportGlabels(doc, QFileInfo(path).absolutePath(), base, mPanel);
    mFileName.clear();
    mBackgroundFile.clear();
    mPanel.ClearBackground();
    mLayout = imported.layout;
    SetCardOrientation(mLayout.UsePortrait);
    mPrompts.ProcessEvents();
    mFirstActivation = false;
    FreshHistory();
    // A new card that is not saved yet: closing or opening another asks to save it.
    mPanel.History().SetUnsaved();
    if (MergeSourceFound && !imported.mergeSource.isEmpty())
        MergeSourceFound(imported.mergeSource, imported.mergeNumbered);
    //: %1 is the gLabels file's name, %2 a report of what was taken over
    mPrompts.Inform(tr("%1 opened as a new card.\n\n%2")
                        .arg(QFileInfo(path).fileName(), imported.report.Text().trimmed()));
    Notify();
    return true;
}

} // namespace qm

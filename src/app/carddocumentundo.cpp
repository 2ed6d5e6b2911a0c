// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: undo and redo, and the card-level state (layout, background art) each undo step keeps.
#include "app/carddocument.h"

#include "design/cardpanel.h"

#include <QDataStream>
#include <QIODevice>

namespace qm {

QByteArray CardDocument::CardState() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const CardSheetLayout& l = mLayout;
    out << l.Height << l.Width << qint32(l.Across) << qint32(l.Down) << l.TopMargin << l.LeftMargin << l.HPitch
        << l.VPitch << qint32(l.PredefLayout) << qint32(l.Papersize) << l.UseMM << l.UsePortrait
        << mBackgroundFile;
    // The side shown and the one kept: one history covers both.
    out << mShowingBack << mHidden.Objects << mHidden.Names << qint32(mHidden.Count) << mHidden.Background;
    return bytes;
}

void CardDocument::RestoreCardState(const QByteArray& state)
{
    QDataStream in(state);
    CardSheetLayout l;
    qint32 across = 0, down = 0, predef = 0, paper = 0;
    QString background;
    in >> l.Height >> l.Width >> across >> down >> l.TopMargin >> l.LeftMargin >> l.HPitch >> l.VPitch >> predef >>
        paper >> l.UseMM >> l.UsePortrait >> background;
    bool showingBack = false;
    HiddenSide hidden;
    qint32 count = 0;
    in >> showingBack >> hidden.Objects >> hidden.Names >> count >> hidden.Background;
    if (in.status() != QDataStream::Ok)
        return;
    hidden.Count = count;
    // The step's objects (put on the panel next) are of the side it showed.
    const bool sideChanged = showingBack != mShowingBack;
    mShowingBack = showingBack;
    mHidden = hidden;
    l.Across = across;
    l.Down = down;
    l.PredefLayout = predef;
    l.Papersize = paper;
    const bool backgroundChanged = background != mBackgroundFile;
    mBackgroundFile = background;
    if (backgroundChanged && mBackgroundFile.isEmpty())
        mPanel.ClearBackground();
    if (l != mLayout || backgroundChanged || sideChanged) {
        mLayout = l;
        SetCardOrientation(l.UsePortrait);
    }
}

void CardDocument::CardChanged(const QString& caption)
{
    mPanel.History().Touch(caption);
    mPanel.History().Commit();
    Notify();
}

void CardDocument::FreshHistory()
{
    mPanel.History().Reset();
    Notify();
}

bool CardDocument::ChangesMade() const
{
    const CardHistory& history = mPanel.History();
    return history.Pending() || !history.IsClean();
}

bool CardDocument::CanUndo() const { return mPanel.History().CanUndo(); }
bool CardDocument::CanRedo() const { return mPanel.History().CanRedo(); }
QString CardDocument::UndoText() const { return mPanel.History().UndoText(); }
QString CardDocument::RedoText() const { return mPanel.History().RedoText(); }

bool CardDocument::Undo()
{
    mPanel.ClearSelection();
    const BothSides before = Sides();
    const bool done = mPanel.History().Undo();
    if (done)
        ShowChangedSide(before);
    Notify();
    return done;
}

bool CardDocument::Redo()
{
    mPanel.ClearSelection();
    const BothSides before = Sides();
    const bool done = mPanel.History().Redo();
    if (done)
        ShowChangedSide(before);
    Notify();
    return done;
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TCardDocument: undo and redo, and the card-level state (layout, background art) each undo step keeps.
#include "app/carddocument.h"

#include "design/cardpanel.h"

#include <QDataStream>
#include <QIODevice>

namespace qm {

QByteArray TCardDocument::CardState() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const CardSheetLayout& l = mLayout;
    out << l.Height << l.Width << qint32(l.Across) << qint32(l.Down) << l.TopMargin << l.LeftMargin << l.HPitch
        << l.VPitch << qint32(l.PredefLayout) << qint32(l.Papersize) << l.UseMM << l.UsePortrait
        << mBackgroundFile;
    return bytes;
}

void TCardDocument::RestoreCardState(const QByteArray& state)
{
    QDataStream in(state);
    CardSheetLayout l;
    qint32 across = 0, down = 0, predef = 0, paper = 0;
    QString background;
    in >> l.Height >> l.Width >> across >> down >> l.TopMargin >> l.LeftMargin >> l.HPitch >> l.VPitch >> predef >>
        paper >> l.UseMM >> l.UsePortrait >> background;
    if (in.status() != QDataStream::Ok)
        return;
    l.Across = across;
    l.Down = down;
    l.PredefLayout = predef;
    l.Papersize = paper;
    const bool backgroundChanged = background != mBackgroundFile;
    mBackgroundFile = background;
    if (backgroundChanged && mBackgroundFile.isEmpty())
        mPanel.ClearBackground();
    if (l != mLayout || backgroundChanged) {
        mLayout = l;
        SetCardOrientation(l.UsePortrait);
    }
}

void TCardDocument::CardChanged(const QString& caption)
{
    mPanel.History().Touch(caption);
    mPanel.History().Commit();
    Notify();
}

void TCardDocument::FreshHistory()
{
    mPanel.History().Reset();
    Notify();
}

bool TCardDocument::ChangesMade() const
{
    const TCardHistory& history = mPanel.History();
    return history.Pending() || !history.IsClean();
}

bool TCardDocument::CanUndo() const { return mPanel.History().CanUndo(); }
bool TCardDocument::CanRedo() const { return mPanel.History().CanRedo(); }
QString TCardDocument::UndoText() const { return mPanel.History().UndoText(); }
QString TCardDocument::RedoText() const { return mPanel.History().RedoText(); }

bool TCardDocument::Undo()
{
    mPanel.ClearSelection();
    const bool done = mPanel.History().Undo();
    Notify();
    return done;
}

bool TCardDocument::Redo()
{
    mPanel.ClearSelection();
    const bool done = mPanel.History().Redo();
    Notify();
    return done;
}

} // namespace qm

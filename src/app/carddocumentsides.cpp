// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: the card's two sides: showing one, keeping the other, reading and writing the back beside the
// front, and undo steps that bring back the side they change.
#include "app/carddocument.h"

#include "design/cardpanel.h"
#include "model/cardmodel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"

#include <QFile>
#include <QFileInfo>

namespace qm {

namespace {

QByteArray NoObjects()
{
    return WriteObjectsToBytes({});
}

} // namespace

bool CardDocument::HasBack() const
{
    if (mShowingBack)
        return mPanel.CardObjects().Count() > 0 || !mBackgroundFile.trimmed().isEmpty();
    return mHidden.Count > 0 || !mHidden.Background.trimmed().isEmpty();
}

void CardDocument::ResetSides()
{
    mShowingBack = false;
    mHidden = HiddenSide();
    mHidden.Objects = NoObjects();
    mKeepBackFiles = false;
}

void CardDocument::ShowSideArt()
{
    if (mBackgroundFile.isEmpty())
        mPanel.ClearBackground();
    SetCardOrientation(mLayout.UsePortrait);
}

bool CardDocument::ShowSide(bool back)
{
    if (back == mShowingBack)
        return false;
    const bool wasFirst = mFirstActivation;
    mFirstActivation = true;
    mPanel.ClearSelection();
    // A change still waiting for its step belongs to the side it was made on.
    mPanel.History().Commit();
    HiddenSide shown;
    shown.Objects = mPanel.History().SaveObjects(&shown.Names);
    shown.Count = mPanel.CardObjects().Count();
    shown.Background = mBackgroundFile;
    mPanel.History().LoadObjects(mHidden.Objects, mHidden.Names);
    mBackgroundFile = mHidden.Background;
    mHidden = shown;
    mShowingBack = back;
    ShowSideArt();
    mFirstActivation = wasFirst;
    Notify();
    return true;
}

CardDocument::BothSides CardDocument::Sides() const
{
    BothSides sides;
    const QByteArray shown = mPanel.History().SaveObjects(nullptr);
    sides.Front = mShowingBack ? mHidden.Objects : shown;
    sides.Back = mShowingBack ? shown : mHidden.Objects;
    sides.FrontArt = mShowingBack ? mHidden.Background : mBackgroundFile;
    sides.BackArt = mShowingBack ? mBackgroundFile : mHidden.Background;
    return sides;
}

void CardDocument::ShowChangedSide(const BothSides& before)
{
    const BothSides after = Sides();
    const bool front = after.Front != before.Front || after.FrontArt != before.FrontArt;
    const bool back = after.Back != before.Back || after.BackArt != before.BackArt;
    if (front != back)
        ShowSide(back);
}

std::unique_ptr<CardModel> CardDocument::HiddenSideCard() const
{
    if (mShowingBack || !HasBack())
        return nullptr;
    const CardModel& front = mPanel.Card();
    auto card = std::make_unique<CardModel>();
    card->SetSize(QSize(front.Width(), front.Height()));
    card->SetPortrait(front.Portrait());
    card->SetShape(front.Shape());
    card->SetPersonalStrings(front.PersonalStrings());
    ReadObjectsFromBytes(card->Objects(), mHidden.Objects);
    card->LayOutObjects();
    return card;
}

bool CardDocument::LoadBack(const QString& backPath)
{
    if (backPath.isEmpty() || !QFileInfo::exists(backPath))
        return true;
    QByteArray data;
    QString error;
    if (ReadCardFileBytes(backPath, &data, &error)) {
        TKCardObjects trial;
        const ReadResult read = ReadObjectsFromBytes(trial, data);
        if (read.ok) {
            mHidden.Objects = data;
            mHidden.Names.clear();
            mHidden.Count = trial.Count();
            const QString stored = ReadCompanionFile(backPath).Background;
            const QString background = ResolveBackgroundFile(stored);
            mHidden.Background = background.isEmpty() ? stored.trimmed() : background;
            return true;
        }
        error = read.error;
    }
    mKeepBackFiles = true;
    mPrompts.ShowError(tr("The back of the card, %1, could not be read; the card opens without it "
                          "and saving leaves that file as it is.\n\n%2")
                           .arg(backPath, error));
    return false;
}

bool CardDocument::WriteSide(bool front, const QString& path, QString* error)
{
    if (front != mShowingBack)
        return mPanel.SaveToFile(path, error);
    // The side kept aside goes through a card of its own, laid out as the panel would.
    CardModel card;
    card.SetSize(QSize(mPanel.Card().Width(), mPanel.Card().Height()));
    card.SetPortrait(mPanel.Card().Portrait());
    card.SetPersonalStrings(mPanel.Card().PersonalStrings());
    ReadObjectsFromBytes(card.Objects(), mHidden.Objects);
    card.LayOutObjects();
    for (TKGraphicControl* object : card.Objects().Objects())
        object->PrepareForSave();
    return WriteAll(card.Objects(), path, error);
}

bool CardDocument::SaveBack(const QString& path, QString* error)
{
    if (mKeepBackFiles && AbsolutePathOf(path) == AbsolutePathOf(mFileName))
        return true;
    const QString existing = ExistingCardBackPath(path);
    if (!HasBack()) {
        // A back left empty goes with its files: the card is one-sided again.
        if (!existing.isEmpty()) {
            const QString companion = ExistingCompanionPath(existing);
            if (!QFile::remove(existing)) {
                if (error)
                    *error = tr("%1: the empty back could not be removed").arg(existing);
                return false;
            }
            if (!companion.isEmpty())
                QFile::remove(companion);
        }
        return true;
    }
    const QString backPath = existing.isEmpty() ? CardBackPath(path) : existing;
    const QString art = mShowingBack ? mBackgroundFile : mHidden.Background;
    return WriteSide(false, backPath, error) && WriteCompanionFile(backPath, art, mLayout, error);
}

QString CardDocument::AbsolutePathOf(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace qm

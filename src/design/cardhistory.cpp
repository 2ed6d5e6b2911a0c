// SPDX-License-Identifier: GPL-3.0-or-later
// CardHistory: undo and redo for the card on a design panel.
#include "design/cardhistory.h"

#include "model/cardmodel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"

namespace qm {

CardHistory::CardHistory(CardModel& card) : mCard(card) {}

CardHistory::Step CardHistory::Capture() const
{
    // A label whose text was never measured settles its box first, so that a step holds the card as it is
    // shown and printed.
    mCard.LayOutObjects();
    Step step;
    step.objects = SaveObjects(&step.names);
    if (CaptureCardState)
        step.cardState = CaptureCardState();
    return step;
}

void CardHistory::Reset()
{
    mCapturing = true;
    Step base = Capture();
    mCapturing = false;
    mSteps.clear();
    mSteps.push_back(std::move(base));
    mCurrent = mClean = 0;
    mPending = false;
    mPendingCaption.clear();
    Emit();
}

void CardHistory::Touch(const QString& caption)
{
    if (mRestoring || mCapturing)
        return;
    const bool wasPending = mPending;
    mPending = true;
    Describe(caption);
    if (!wasPending && CommitSoon)
        CommitSoon();
}

void CardHistory::Describe(const QString& caption)
{
    if (mPendingCaption.isEmpty() && !caption.isEmpty())
        mPendingCaption = caption;
}

bool CardHistory::Commit(const QString& caption, const QString& mergeKey)
{
    if (mRestoring || mCapturing)
        return false;
    if (!mPending) {
        // The action changed nothing: a name it gave itself must not stick to the next change.
        mPendingCaption.clear();
        return false;
    }
    Describe(caption);
    mCapturing = true;
    Step step = Capture();
    mCapturing = false;
    step.caption =
        mPendingCaption.isEmpty() ? QCoreApplication::translate("qm::ObjectMenu", "Change") : mPendingCaption;
    step.mergeKey = mergeKey;
    mPending = false;
    mPendingCaption.clear();
    if (mCurrent < 0) {
        // Never reset: the card before this change is unknown, so the change cannot be undone.
        mSteps.push_back(std::move(step));
        mCurrent = 0;
        Emit();
        return true;
    }

    const Step& top = mSteps[size_t(mCurrent)];
    if (step.objects == top.objects && step.cardState == top.cardState) {
        Emit(); // nothing to keep, but no change is waiting any more
        return false;
    }
    mSteps.resize(size_t(mCurrent) + 1); // a new change drops what could have been redone
    if (mClean > mCurrent)
        mClean = -1;
    if (!mergeKey.isEmpty() && mCurrent > 0 && mCurrent != mClean && top.mergeKey == mergeKey) {
        mSteps[size_t(mCurrent)] = std::move(step);
    } else {
        mSteps.push_back(std::move(step));
        ++mCurrent;
    }
    // The oldest steps go once there are more than the limit.
    if (int(mSteps.size()) > kMaxSteps + 1) {
        const int drop = int(mSteps.size()) - (kMaxSteps + 1);
        mSteps.erase(mSteps.begin(), mSteps.begin() + drop);
        mCurrent -= drop;
        mClean = mClean >= drop ? mClean - drop : -1;
    }
    Emit();
    return true;
}

QString CardHistory::UndoText() const
{
    //: %1 names the change that is taken back ("Move", "Line Color").
    return CanUndo() ? tr("Undo %1").arg(mSteps[size_t(mCurrent)].caption) : tr("Undo");
}

QString CardHistory::RedoText() const
{
    //: %1 names the change that is made again ("Move", "Line Color").
    return CanRedo() ? tr("Redo %1").arg(mSteps[size_t(mCurrent) + 1].caption) : tr("Redo");
}

bool CardHistory::Undo()
{
    // A change still waiting for its step becomes one first, so that undo takes back exactly that.
    Commit();
    if (!CanUndo())
        return false;
    --mCurrent;
    Restore(mSteps[size_t(mCurrent)]);
    Emit();
    return true;
}

bool CardHistory::Redo()
{
    Commit();
    if (!CanRedo())
        return false;
    ++mCurrent;
    Restore(mSteps[size_t(mCurrent)]);
    Emit();
    return true;
}

QByteArray CardHistory::SaveObjects(QStringList* names) const
{
    std::vector<const TKGraphicControl*> objects;
    for (const TKGraphicControl* object : mCard.Objects().Objects()) {
        objects.push_back(object);
        if (names)
            *names << object->Name();
    }
    return WriteObjectsToBytes(objects);
}

void CardHistory::LoadObjects(const QByteArray& objects, const QStringList& names)
{
    const bool wasRestoring = mRestoring;
    mRestoring = true;
    PutObjects(objects, names);
    mRestoring = wasRestoring;
}

void CardHistory::Restore(const Step& step)
{
    mRestoring = true;
    if (RestoreCardState)
        RestoreCardState(step.cardState);
    PutObjects(step.objects, step.names);
    mRestoring = false;
}

void CardHistory::PutObjects(const QByteArray& objects, const QStringList& names)
{
    if (BeforeRestore)
        BeforeRestore();
    mCard.Objects().Clear();
    const ReadResult read = ReadObjectsFromBytes(mCard.Objects(), objects);
    // Objects read from a file keep the names the reader gave them.
    if (names.size() == int(read.objects.size())) {
        for (size_t i = 0; i < read.objects.size(); ++i)
            read.objects[i]->SetName(names.value(int(i)));
    }
    mCard.LayOutObjects();
    if (AfterRestore)
        AfterRestore();
    // The boxes put back are settled: the user's next move or resize of them is a change.
    for (TKGraphicControl* object : read.objects)
        object->CheckBounds();
}

void CardHistory::SetClean()
{
    Commit();
    mClean = mCurrent;
    Emit();
}

void CardHistory::SetUnsaved()
{
    Commit();
    mClean = -1;
    Emit();
}

void CardHistory::Emit()
{
    if (Changed)
        Changed();
}

} // namespace qm

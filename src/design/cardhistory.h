// SPDX-License-Identifier: GPL-3.0-or-later
// CardHistory: undo and redo for a card, as whole-card snapshots taken after each change.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace qm {

class CardModel;

// Every user action that changes the card ends in Commit: the card is written through the card object
// stream (with the card-level state the owner adds) and becomes a step. Undo and redo put a step's card
// back into the card model. A run of steps that share a merge key (arrow nudges) stays one step. The card is
// "changed" when the current step is not the one last saved or opened.
class CardHistory
{
    Q_DECLARE_TR_FUNCTIONS(qm::CardHistory)

public:
    // At least this many steps can be undone.
    static constexpr int kMaxSteps = 200;

    explicit CardHistory(CardModel& card);

    // Card-level state kept with each step (the owner's layout and background file, say): captured after a
    // change, handed back on undo and redo.
    std::function<QByteArray()> CaptureCardState;
    std::function<void(const QByteArray&)> RestoreCardState;
    // Raised before a step's objects replace the card's (a view lets go of them), and after.
    std::function<void()> BeforeRestore;
    std::function<void()> AfterRestore;
    // Raised when the captions, the undo and redo availability or the clean state changed.
    std::function<void()> Changed;
    // Asked for when a change arrived outside a panel event: the owner commits once the event loop is idle.
    std::function<void()> CommitSoon;

    // A fresh history whose only step is the card as it stands, which counts as saved (open, new, cancel).
    void Reset();
    // The card changed: the next Commit makes a step. The caption is kept when the step has none yet.
    void Touch(const QString& caption = {});
    bool Pending() const { return mPending; }
    // Names the step the current action makes, unless it already has a name; forgotten when the action ends
    // without a change.
    void Describe(const QString& caption);
    // Ends a user action: takes the card as a new step when it changed. mergeKey joins the step to the one
    // before when both carry the same key (and the one before is not the saved state). False when the card
    // was the same as before.
    bool Commit(const QString& caption = {}, const QString& mergeKey = {});

    bool CanUndo() const { return mCurrent > 0; }
    bool CanRedo() const { return mCurrent + 1 < int(mSteps.size()); }
    // "Undo Move", "Redo Line Color"; "Undo" and "Redo" alone when there is nothing to do.
    QString UndoText() const;
    QString RedoText() const;
    bool Undo();
    bool Redo();
    int StepCount() const { return int(mSteps.size()); }

    // The card's objects as a step keeps them (the stream's bytes, their names in order), and the card's
    // objects replaced by such, as a restore does: no change is reported (showing the other side of a card).
    QByteArray SaveObjects(QStringList* names) const;
    void LoadObjects(const QByteArray& objects, const QStringList& names);

    // The card as the current step holds it is what is on disk.
    void SetClean();
    // No step is the saved card (a card brought in from elsewhere and never saved): it counts as changed
    // whatever is undone.
    void SetUnsaved();
    bool IsClean() const { return mClean == mCurrent; }
    // True while a step is being put back: change reports then are not the user's.
    bool Restoring() const { return mRestoring; }

private:
    struct Step
    {
        QString caption;
        QString mergeKey;
        QByteArray objects;
        QStringList names; // the stream gives read objects new names: theirs are kept here
        QByteArray cardState;
    };
    Step Capture() const;
    void Restore(const Step& step);
    void PutObjects(const QByteArray& objects, const QStringList& names);
    void Emit();

    CardModel& mCard;
    std::vector<Step> mSteps;
    int mCurrent = -1;
    int mClean = -1; // -1 when no step matches the saved card
    bool mPending = false;
    QString mPendingCaption;
    bool mRestoring = false;
    bool mCapturing = false;
};

} // namespace qm

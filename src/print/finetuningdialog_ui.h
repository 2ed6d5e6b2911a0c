// TPrintFineTune: the "Printer Fine-Tuning" dialog over the four nudges.
#pragma once

#include "print/finetuning.h"

#include <QDialog>

#include <array>

class QLabel;
class QToolButton;

namespace qm {

class TPrintFineTune : public QDialog
{
    Q_OBJECT
public:
    explicit TPrintFineTune(const TPrintNudges& nudges, QWidget* parent = nullptr);

    // The nudges as the dialog holds them; the caller takes them over on OK.
    const TPrintNudges& Nudges() const { return mLogic.Nudges(); }
    QString ValueText(TFineTuneNudges::TNudge which) const;
    // The spin buttons' arrows, for a nudge.
    QToolButton* UpperArrow(TFineTuneNudges::TNudge which) const { return mUp[size_t(which)]; }
    QToolButton* LowerArrow(TFineTuneNudges::TNudge which) const { return mDown[size_t(which)]; }

private:
    void Refresh();

    TFineTuneNudges mLogic;
    std::array<QLabel*, TFineTuneNudges::kNudgeCount> mValues{};
    std::array<QToolButton*, TFineTuneNudges::kNudgeCount> mUp{};
    std::array<QToolButton*, TFineTuneNudges::kNudgeCount> mDown{};
};

} // namespace qm

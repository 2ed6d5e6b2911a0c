// TQuickTips: the Quick Tips window, one short designing tip at a time.
#pragma once

#include <QDialog>

class QLabel;

namespace qm {

class TQuickTips : public QDialog
{
public:
    explicit TQuickTips(QWidget* parent);

private:
    void ShowTip(int tip);

    QLabel* mText = nullptr;
    int mTip = 0;
};

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// TPreviewForm: the preview window that replays the recorded pages of a preview job on screen, with zoom.
#pragma once

#include "print/previewzoom.h"
#include "print/recordingreport.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace qm {

class TPreviewForm : public QDialog
{
    Q_OBJECT
public:
    // The pages belong to the window from now on.
    explicit TPreviewForm(std::vector<ReportPage> pages, QWidget* parent = nullptr);
    ~TPreviewForm() override;

    int PageCount() const { return int(mPages.size()); }
    // 0 for the first page.
    int CurrentPage() const { return mPage; }
    void SetPage(int page);
    void NextPage() { SetPage(mPage + 1); }
    void PreviousPage() { SetPage(mPage - 1); }

    int ZoomPercent() const { return mZoom.Percent(); }
    void SetZoomPercent(int percent);
    void ZoomIn();
    void ZoomOut();
    void ZoomToPageWidth();
    void ZoomToWholePage();

    // The widget that shows the page, and the scrolling area around it.
    QWidget* PageView() const;
    QScrollArea* ScrollArea() const { return mScroll; }

    // The window's place is kept in the preferences file between previews.
    static QString PlacementName() { return QStringLiteral("TPreviewForm"); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    class PageWidget;
    const ReportPage* Page() const;
    void PageChanged();
    void Rezoom();
    void RestorePlacement();
    void SavePlacement();

    std::vector<ReportPage> mPages;
    int mPage = 0;
    TPreviewZoom mZoom;
    bool mFirstActivation = true;
    QScrollArea* mScroll = nullptr;
    PageWidget* mView = nullptr;
    QPushButton* mPrevious = nullptr;
    QPushButton* mNext = nullptr;
    QLabel* mZoomLabel = nullptr;
};

} // namespace qm

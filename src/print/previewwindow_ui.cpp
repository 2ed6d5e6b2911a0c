// SPDX-License-Identifier: GPL-3.0-or-later
// TPreviewForm: the page with its shadow, zoom buttons and clicks, page buttons, scrolling keys and
// placement.
#include "print/previewwindow_ui.h"

#include "design/dialogbar_ui.h"
#include "settings/preferences.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "print/painterreport.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace qm {

namespace {

// The magnifying glass over the page.
QCursor MagnifyCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRectF(3, 3, 16, 16));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QRectF(3, 3, 16, 16));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(27, 27));
    p.end();
    return QCursor(pixmap, 11, 11);
}

} // namespace

class TPreviewForm::PageWidget : public QWidget
{
public:
    explicit PageWidget(TPreviewForm& form) : QWidget(nullptr), mForm(form)
    {
        setCursor(MagnifyCursor());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void Resize()
    {
        const ReportPage* page = mForm.Page();
        resize(page ? mForm.mZoom.CanvasSize(page->Size) : QSize(1, 1));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        const ReportPage* page = mForm.Page();
        if (!page)
            return;
        const QRect paper = mForm.mZoom.PageRect(page->Size);
        const int s = TPreviewZoom::kShadow;
        painter.fillRect(paper.translated(s, s), Qt::black);
        painter.fillRect(paper, Qt::white);
        painter.save();
        painter.translate(paper.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), paper.size()));
        ScreenReport report(painter, mForm.mZoom.PageDpi());
        ReplayPage(*page, report);
        painter.restore();
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            mForm.ZoomIn();
        else
            mForm.ZoomOut();
    }

private:
    TPreviewForm& mForm;
};

TPreviewForm::TPreviewForm(std::vector<ReportPage> pages, QWidget* parent)
    : QDialog(parent), mPages(std::move(pages)), mZoom(logicalDpiX())
{
    setWindowTitle(tr("Label Preview"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto button = [this](const QString& name, const QString& text, const QString& tip,
                         void (TPreviewForm::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* zoomIn = button(QStringLiteral("ZoomInButton"), tr("Zoom &In"), tr("Show the page larger"),
                                 &TPreviewForm::ZoomIn);
    QPushButton* zoomOut = button(QStringLiteral("ZoomOutButton"), tr("Zoom &Out"),
                                  tr("Show the page smaller"), &TPreviewForm::ZoomOut);
    QPushButton* width = button(QStringLiteral("PageWidthButton"), tr("Page &Width"),
                                tr("Fit the page's width into the window"), &TPreviewForm::ZoomToPageWidth);
    QPushButton* whole = button(QStringLiteral("WholePageButton"), tr("W&hole Page"),
                                tr("Show the whole page"), &TPreviewForm::ZoomToWholePage);
    mPrevious = button(QStringLiteral("PreviousPageButton"), QStringLiteral("<"), tr("Previous page"),
                       &TPreviewForm::PreviousPage);
    mNext = button(QStringLiteral("NextPageButton"), QStringLiteral(">"), tr("Next page"),
                   &TPreviewForm::NextPage);
    mZoomLabel = new QLabel(this);
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [] { OpenHelpContext(kHelpPreview); });
    auto* whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setDefaultAction(QWhatsThis::createAction(this));
    ok->setWhatsThis(tr("Closes the preview."));
    zoomIn->setWhatsThis(
        tr("Shows the page larger. A click with the left mouse button on the page does the same."));
    zoomOut->setWhatsThis(
        tr("Shows the page smaller. A click with the right mouse button on the page does the same."));
    width->setWhatsThis(tr("Makes the page as wide as the window."));
    whole->setWhatsThis(tr("Shows the whole page in the window."));
    mPrevious->setWhatsThis(tr("Shows the sheet before this one."));
    mNext->setWhatsThis(tr("Shows the next sheet."));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(ok);
    bar->addSpacing(12);
    for (QPushButton* b : {zoomIn, zoomOut, width, whole})
        bar->addWidget(b);
    bar->addWidget(mZoomLabel);
    bar->addStretch();
    bar->addWidget(mPrevious);
    bar->addWidget(mNext);
    bar->addWidget(help);
    bar->addWidget(whatsThis);
    auto* barWidget = new QWidget(this);
    barWidget->setLayout(bar);
    barWidget->setFixedHeight(41);

    mView = new PageWidget(*this);
    mScroll = new QScrollArea(this);
    mScroll->setObjectName(QStringLiteral("ScrollBox1"));
    mScroll->setWidget(mView);
    mScroll->setAlignment(Qt::AlignCenter);
    mScroll->setBackgroundRole(QPalette::Dark);
    mScroll->setWhatsThis(tr("The sheet as it will print, with one card outlined. Click with the left "
                             "mouse button to zoom in, with the right one to zoom out."));
    mView->setWhatsThis(mScroll->whatsThis());
    SetButtonWhatsThis(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(barWidget);
    layout->addWidget(mScroll, 1);
    resize(608, 424);

    Rezoom();
    PageChanged();
}

TPreviewForm::~TPreviewForm() = default;

const ReportPage* TPreviewForm::Page() const
{
    return mPage >= 0 && mPage < PageCount() ? &mPages[size_t(mPage)] : nullptr;
}

QWidget* TPreviewForm::PageView() const
{
    return mView;
}

void TPreviewForm::SetPage(int page)
{
    if (page < 0 || page >= PageCount() || page == mPage)
        return;
    mPage = page;
    PageChanged();
    Rezoom();
}

void TPreviewForm::PageChanged()
{
    setWindowTitle(tr("Preview Page %1 of %2").arg(mPage + 1).arg(PageCount()));
    mPrevious->setEnabled(mPage > 0);
    mNext->setEnabled(mPage + 1 < PageCount());
    mPrevious->setVisible(PageCount() > 1);
    mNext->setVisible(PageCount() > 1);
}

void TPreviewForm::Rezoom()
{
    //: The zoom, a percentage ("150 %")
    mZoomLabel->setText(tr("%1 %").arg(QLocale().toString(mZoom.Percent())));
    mView->Resize();
}

void TPreviewForm::SetZoomPercent(int percent)
{
    mZoom.SetPercent(percent);
    Rezoom();
}

void TPreviewForm::ZoomIn()
{
    mZoom.ZoomIn();
    Rezoom();
}

void TPreviewForm::ZoomOut()
{
    mZoom.ZoomOut();
    Rezoom();
}

void TPreviewForm::ZoomToPageWidth()
{
    if (const ReportPage* page = Page())
        SetZoomPercent(mZoom.PageWidthPercent(page->Size, mScroll->viewport()->size()));
}

void TPreviewForm::ZoomToWholePage()
{
    if (const ReportPage* page = Page())
        SetZoomPercent(mZoom.WholePagePercent(page->Size, mScroll->viewport()->size()));
}

void TPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mFirstActivation) {
        mFirstActivation = false;
        RestorePlacement();
        mZoom.SetPercent(100);
        Rezoom();
        PageChanged();
    }
}

void TPreviewForm::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = mScroll->verticalScrollBar();
    if (event->key() == Qt::Key_Up) {
        bar->setValue(std::max(0, bar->value() - bar->singleStep()));
        return;
    }
    if (event->key() == Qt::Key_Down) {
        bar->setValue(std::min(std::max(0, bar->maximum() - 1), bar->value() + bar->singleStep()));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPreviewForm::done(int result)
{
    SavePlacement();
    QDialog::done(result);
}

void TPreviewForm::RestorePlacement()
{
    const int ppi = logicalDpiX();
    const WindowPlacement stored = Preferences().LoadWindowPlacement(PlacementName(), ppi, false);
    if (!stored.Stored())
        return;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    QRect centred(QPoint(), size());
    centred.moveCenter(available.center());
    const RestoredPlacement placed = qm::RestorePlacement(stored, centred, available);
    setGeometry(placed.Bounds);
    if (placed.Maximize)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TPreviewForm::SavePlacement()
{
    if (mFirstActivation)
        return; // never shown
    const QRect bounds = isMaximized() ? normalGeometry() : geometry();
    Preferences().SaveWindowPlacement(PlacementName(), logicalDpiX(),
                                      WindowPlacement::FromBounds(bounds, isMaximized()));
}

} // namespace qm

// SPDX-License-Identifier: GPL-3.0-or-later
// The bleed and safe-area guides of the design window: the switch, the band beside the card, the margins.
#include "app/printguides_ui.h"

#include "design/designpanel.h"
#include "model/printshoppage.h"
#include "settings/preferences.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

const QString kGuidesKey = QStringLiteral("BleedAndSafeArea");

class TPrintGuides : public QObject
{
public:
    TPrintGuides(QWidget& holder, QWidget& panelWidget, TKBasePanel& panel)
        : QObject(&holder), mHolder(holder), mPanelWidget(panelWidget), mPanel(panel),
          mMargins(holder.layout()->contentsMargins())
    {
        holder.installEventFilter(this);
        panelWidget.installEventFilter(this);
    }

    void SetShown(bool shown)
    {
        mPanel.SetShowPrintGuides(shown);
        FitMargins();
        mHolder.update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &mPanelWidget && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            // A new zoom: the band grows or shrinks with the card.
            FitMargins();
            mHolder.update();
        } else if (watched == &mHolder && event->type() == QEvent::Paint && mPanel.ShowPrintGuides()) {
            PaintBand();
        }
        return false;
    }

private:
    // The band's width on screen.
    int BandPixels() const
    {
        return int(std::ceil(MmToUnits(PrintShopPage::kDefaultBleedMm) * mPanel.Zoom()));
    }

    void FitMargins()
    {
        QMargins margins = mMargins;
        if (mPanel.ShowPrintGuides()) {
            const int room = BandPixels() + 4;
            margins = QMargins(std::max(margins.left(), room), std::max(margins.top(), room),
                               std::max(margins.right(), room), std::max(margins.bottom(), room));
        }
        if (mHolder.layout()->contentsMargins() != margins)
            mHolder.layout()->setContentsMargins(margins);
    }

    void PaintBand()
    {
        QPainter painter(&mHolder);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(mPanelWidget.pos());
        painter.scale(mPanel.Zoom(), mPanel.Zoom());
        painter.setPen(QPen(QColor(204, 0, 0), 0));
        painter.setBrush(QColor(255, 120, 120, 110));
        painter.drawPath(mPanel.BleedAreaPath());
    }

    QWidget& mHolder;
    QWidget& mPanelWidget;
    TKBasePanel& mPanel;
    QMargins mMargins;
};

} // namespace

QAction* AddPrintGuides(QWidget& holder, QWidget& panelWidget, TKBasePanel& panel, QMenu& viewMenu,
                        const Preferences& prefs)
{
    auto* guides = new TPrintGuides(holder, panelWidget, panel);
    QAction* toggle =
        viewMenu.addAction(QCoreApplication::translate("qm::PrintGuides", "Show &Bleed and Safe Area"));
    toggle->setObjectName(QStringLiteral("mnuShowBleedAndSafeArea"));
    toggle->setCheckable(true);
    toggle->setWhatsThis(QCoreApplication::translate(
        "qm::PrintGuides", "Shows what a print shop cuts: the red band around the card is the bleed, into "
                           "which the background goes on in a PDF for a print shop, and the dashed line "
                           "inside the card marks the safe area; text outside it may be cut off. Nothing on "
                           "the card is moved."));
    const bool shown = prefs.LoadPanelShown(kGuidesKey);
    toggle->setChecked(shown);
    guides->SetShown(shown);
    QObject::connect(toggle, &QAction::toggled, guides, [guides, path = prefs.Path()](bool on) {
        guides->SetShown(on);
        // A settings file that cannot be written only forgets the choice.
        Preferences(path).SavePanelShown(kGuidesKey, on);
    });
    return toggle;
}

} // namespace qm
